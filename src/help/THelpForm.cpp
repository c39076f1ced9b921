#include "help/THelpForm.h"

#include "base/IniFile.h"
#include "workspace/Arbeitsmodus.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextEdit>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

const QString Sektion = QStringLiteral("Init");
// Wrap width of the help text; the memo is 265 pixels wide without and 285 with scroll bar.
constexpr int TextBreite = 257;

QStringList dokumentZeilen(QTextEdit *memo)
{
    QTextDocument *doc = memo->document();
    doc->documentLayout()->documentSize(); // lays the whole document out
    QStringList zeilen;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QTextLayout *layout = b.layout();
        if (!layout || layout->lineCount() == 0) {
            zeilen.append(b.text());
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            zeilen.append(b.text().mid(line.textStart(), line.textLength()));
        }
    }
    return zeilen;
}

} // namespace

THelpForm::THelpForm(IniFile &einstellungen, QPoint standardPosition, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ini(einstellungen)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Direkt Hilfe"));

    m_memo = new QTextEdit(this);
    m_memo->setObjectName(QStringLiteral("M_Help"));
    m_memo->setReadOnly(true);
    m_memo->setAcceptRichText(false);
    hinweisStil(m_memo);
    m_memo->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_memo->setLineWrapColumnOrWidth(TextBreite);
    // the frame lines must not break: a word longer than the line runs out of sight
    m_memo->setWordWrapMode(QTextOption::WordWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setGeometry(0, 0, 265, 100);

    m_screenshots = linkPanel(QStringLiteral("P_Screenshots"), QStringLiteral("Anleitung für Screenshots mit dem Planungssystem"),
                              {{QStringLiteral("Plato"), HilfeLink::Plato},
                               {QStringLiteral("Xio 4.x"), HilfeLink::Xio},
                               {QStringLiteral("Helax TMS"), HilfeLink::Helax},
                               {QStringLiteral("Home"), HilfeLink::BildHome}});
    m_dicom = linkPanel(QStringLiteral("P_DICOM"), QStringLiteral("Anleitung für den Export von DICOM"),
                        {{QStringLiteral("Pinnacle"), HilfeLink::Pinnacle},
                         {QStringLiteral("Eclipse"), HilfeLink::Eclipse},
                         {QStringLiteral("PrecisePlan"), HilfeLink::PrecisePlan},
                         {QStringLiteral("Masterplan"), HilfeLink::Masterplan},
                         {QStringLiteral("weitere"), HilfeLink::Weitere},
                         {QStringLiteral("Zielstruktur"), HilfeLink::Zielstruktur},
                         {QStringLiteral("Home"), HilfeLink::DicomHome}});

    f1Einrichten(this);

    m_help = m_ini.readBool(Sektion, QStringLiteral("Help"), true);
    const int x = m_ini.readInteger(Sektion, QStringLiteral("HelpPosX"), standardPosition.x());
    const int y = hilfePosY(m_ini.readInteger(Sektion, QStringLiteral("HelpPosY"), standardPosition.y()));
    m_position = QPoint(x, y);
    move(m_position);
    resize(265, 100);
}

THelpForm::~THelpForm()
{
    m_programmEndet = true;
    // a window never shown has no place of its own to remember
    if (!m_warSichtbar)
        return;
    m_ini.writeInteger(Sektion, QStringLiteral("HelpPosX"), pos().x());
    m_ini.writeInteger(Sektion, QStringLiteral("HelpPosY"), pos().y());
}

QFrame *THelpForm::linkPanel(const QString &name, const QString &titel, const QList<QPair<QString, HilfeLink>> &links)
{
    auto *panel = new QFrame(m_memo->viewport());
    panel->setObjectName(name);
    // sky blue; a style sheet, because the memo's viewport hands its own background down
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: rgb(166, 202, 240); "
                                        "border: 1px solid rgb(120, 150, 190); }")
                             .arg(name));
    // the panel must fit into the memo beside its scroll bar
    panel->setFixedWidth(225);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    auto *kopf = new QLabel(titel, panel);
    kopf->setWordWrap(true);
    QFont f = m_memo->font();
    f.setBold(true);
    kopf->setFont(f);
    layout->addWidget(kopf);
    auto *zeile = new QGridLayout;
    zeile->setHorizontalSpacing(6);
    zeile->setVerticalSpacing(0);
    int nr = 0;
    for (const auto &[text, link] : links) {
        auto *label = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#0000ff\">%1</a>").arg(text.toHtmlEscaped()),
                                 panel);
        label->setObjectName(QStringLiteral("Link_") + text);
        label->setFont(m_memo->font());
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setCursor(Qt::PointingHandCursor);
        const HilfeLink l = link;
        connect(label, &QLabel::linkActivated, this, [this, l] { linkAnklicken(l); });
        zeile->addWidget(label, nr / 4, nr % 4);
        ++nr;
    }
    layout->addLayout(zeile);
    panel->adjustSize();
    panel->hide();
    return panel;
}

void THelpForm::hinweisStil(QTextEdit *memo)
{
    memo->setFrameShape(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 153)); // 10092543, lowest byte red
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    // where the classic face is missing, a face of the same width keeps the line breaks
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPointSize(8);
    memo->setFont(f);
}

void THelpForm::HinweisMemo(QTextEdit *memo, const QString &text)
{
    memo->hide();
    hinweisStil(memo);
    memo->setPlainText(text);
    if (memo->lineWrapMode() == QTextEdit::WidgetWidth) {
        // lay out at the memo's own width before counting
        memo->document()->setTextWidth(memo->viewport()->width());
    }
    // 14 pixels a line as designed; where this screen's font needs more (margins, frame), the
    // memo grows so that no line is cut off
    const int zeilen = int(dokumentZeilen(memo).size());
    const int textHoehe = int(std::ceil(memo->document()->size().height())) + 2 * memo->frameWidth();
    memo->setFixedHeight(std::max(hinweisMemoHoehe(zeilen), textHoehe));
    memo->show();
}

QStringList THelpForm::angezeigteZeilen() const
{
    return dokumentZeilen(m_memo);
}

void THelpForm::Kontexthilfe(const QString &text, const QString &titel)
{
    m_textWirdGesetzt = true;
    m_screenshots->hide();
    m_dicom->hide();
    if (isVisible())
        m_position = pos();

    QString gerahmt = hilfeGerahmt(text);
    gerahmt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    gerahmt.replace(u'\r', u'\n');
    m_memo->setPlainText(gerahmt);
    unterenRandSetzen(-1);
    const QStringList zeilen = dokumentZeilen(m_memo);
    const QStringList gekuerzt = modusTextZeilenKuerzen(zeilen, text == modusHilfeText(0));
    if (gekuerzt.size() != zeilen.size())
        m_memo->setPlainText(gekuerzt.join(u'\n'));

    const HilfeMemoGroesse g = hilfeMemoGroesse(int(gekuerzt.size()));
    m_memo->setVerticalScrollBarPolicy(g.rollbalken ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_memo->setGeometry(0, 0, g.breite, g.hoehe);
    setFixedSize(g.breite, g.hoehe);
    setWindowTitle(QStringLiteral("Direkt Hilfe - ") + titel);

    sichtbarkeitAnwenden();
    m_textWirdGesetzt = false;
}

void THelpForm::sichtbarkeitAnwenden()
{
    if (m_help) {
        move(m_position);
        show();
        raise();
    } else {
        hide();
    }
}

void THelpForm::ModusHilfe(int modus)
{
    Kontexthilfe(modusHilfeText(modus), modusHilfeTitel(modus));
    if (modus == ModusBildVorlage)
        panelZeigen(m_screenshots);
    else if (modus == ModusDICOM)
        panelZeigen(m_dicom);
}

void THelpForm::unterenRandSetzen(int rand)
{
    QTextDocument *doc = m_memo->document();
    QTextFrameFormat f = doc->rootFrame()->frameFormat();
    f.setBottomMargin(rand < 0 ? doc->documentMargin() : qreal(rand));
    doc->rootFrame()->setFrameFormat(f);
}

int THelpForm::textUnten() const
{
    QTextDocument *doc = m_memo->document();
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    layout->documentSize(); // lays the whole document out
    for (QTextBlock b = doc->lastBlock(); b.isValid(); b = b.previous()) {
        if (b.text().trimmed().isEmpty())
            continue;
        const int unten = int(std::ceil(layout->blockBoundingRect(b).bottom()));
        return m_memo->viewport()->mapTo(this, QPoint(0, unten - m_memo->verticalScrollBar()->value())).y();
    }
    return 0;
}

void THelpForm::panelZeigen(QFrame *panel)
{
    panel->adjustSize();
    QPoint p = linkPanelPosition(m_memo->size(), panel->size());
    // The panel sits inside the text area; a text whose last lines it would cover makes the
    // window taller as far as the screen allows, and scrolls its end above the panel beyond that.
    const int fehlt = textUnten() - p.y() + 2;
    if (fehlt > 0) {
        const QScreen *bildschirm = screen();
        const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect();
        const QPoint oben = isVisible() ? pos() : m_position;
        const int rahmen = isVisible() ? frameGeometry().height() - height() : 0;
        const int platz = frei.isValid() ? frei.bottom() + 1 - (oben.y() + rahmen + height()) : fehlt;
        const int wachsen = std::clamp(platz, 0, fehlt);
        int breite = width();
        if (wachsen < fehlt) {
            // the scroll bar takes its width beside the text, as in a text too long for the window
            breite = std::max(breite, hilfeMemoGroesse(HilfeMemoMaxHoehe).breite);
            m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
        setFixedSize(breite, height() + wachsen);
        m_memo->setGeometry(0, 0, breite, height());
        p = linkPanelPosition(m_memo->size(), panel->size());
        if (wachsen < fehlt)
            unterenRandSetzen(m_memo->height() - p.y() + 2);
    }
    panel->move(p);
    panel->show();
    panel->raise();
}

void THelpForm::linkAnklicken(HilfeLink link)
{
    const bool bild = link == HilfeLink::Plato || link == HilfeLink::Xio || link == HilfeLink::Helax
        || link == HilfeLink::BildHome;
    Kontexthilfe(hilfeLinkText(link), hilfeLinkTitel(link));
    panelZeigen(bild ? m_screenshots : m_dicom);
}

void THelpForm::hilfeSetzen(bool an)
{
    m_help = an;
    m_ini.writeBool(Sektion, QStringLiteral("Help"), an);
}

bool THelpForm::Umschalten()
{
    m_umschaltenLaeuft = true;
    if (!m_textWirdGesetzt)
        hilfeSetzen(!m_help);
    sichtbarkeitAnwenden();
    m_umschaltenLaeuft = false;
    emit sichtbarkeitGeaendert(isVisible());
    return isVisible();
}

void THelpForm::ZeigenBei(QPoint position)
{
    if (!isVisible())
        Umschalten();
    move(position);
    raise();
}

void THelpForm::f1Einrichten(QWidget *fenster)
{
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    f1->setObjectName(QStringLiteral("AC_Help"));
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { Umschalten(); });
}

void THelpForm::showEvent(QShowEvent *event)
{
    m_umschaltenLaeuft = false;
    m_warSichtbar = true;
    QWidget::showEvent(event);
}

void THelpForm::closeEvent(QCloseEvent *event)
{
    m_position = pos();
    QWidget::closeEvent(event);
}

void THelpForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_programmEndet || event->spontaneous())
        return;
    if (!m_umschaltenLaeuft && !m_textWirdGesetzt) {
        // the user closed the window: the help stays off until switched on again
        hilfeSetzen(!m_help);
        emit sichtbarkeitGeaendert(false);
    }
    m_position = pos();
}

} // namespace qv
