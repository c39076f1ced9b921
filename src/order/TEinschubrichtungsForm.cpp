#include "order/TEinschubrichtungsForm.h"

#include "base/IniFile.h"
#include "help/THelpForm.h"
#include "order/EinschubZeichnung.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>

namespace qv {

namespace {

constexpr int kZeichenBreite = 480;
constexpr int kZeichenHoehe = 480;

} // namespace

/// The drawing box: the tray or frame, and the order picture in the middle.
class EinschubZeichenflaeche : public QWidget
{
public:
    EinschubZeichenflaeche(const TEinschubrichtungsForm &form, QWidget *parent) : QWidget(parent), m_form(form)
    {
        setObjectName(QStringLiteral("PB_Vorlage"));
        setFixedSize(kZeichenBreite, kZeichenHoehe);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setRenderHint(QPainter::Antialiasing);

        // Isotropic drawing units, y upward, the visible area centred.
        const bool elektronen = istElektronenAuftrag(m_form.m_dialogAuftragsart);
        const QRect bereich = ZeichnungsBereich(elektronen);
        const double s = std::min(double(width()) / bereich.width(), double(height()) / bereich.height());
        p.save();
        p.translate(width() / 2.0, height() / 2.0);
        p.scale(s, -s);
        p.translate(-bereich.center());
        for (const Zeichenelement &e : TraegerZeichnung(m_form.m_hersteller, elektronen)) {
            p.setPen(QPen(Qt::black, e.stift));
            p.setBrush(Qt::NoBrush);
            if (e.art == Zeichenelement::Art::Kreis)
                p.drawEllipse(e.mitte, e.radius, e.radius);
            else
                p.drawPolyline(e.punkte.constData(), int(e.punkte.size()));
        }
        p.restore();

        // The picture box: the drawing box divided by 2.2, centred; the picture fills it.
        const QImage bild = m_form.gezeigtesBild();
        if (!bild.isNull()) {
            const QSize box(int(std::nearbyint(width() / 2.2)), int(std::nearbyint(height() / 2.2)));
            const QRect ziel(QPoint((width() - box.width()) / 2, (height() - box.height()) / 2), box);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(ziel, bild);
        }
    }

private:
    const TEinschubrichtungsForm &m_form;
};

namespace {

// The fixed arrow beside the drawing: the tray goes in from the right.
class PfeilFlaeche : public QWidget
{
public:
    explicit PfeilFlaeche(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("PB_Pfeil"));
        setFixedSize(110, kZeichenHoehe);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(Qt::blue, 3));
        for (const QLine &l : DialogPfeil(width(), height()))
            p.drawLine(l);
    }
};

} // namespace

TEinschubrichtungsForm::TEinschubrichtungsForm(IniFile &einstellungen, QWidget *parent)
    : QDialog(parent), m_einstellungen(einstellungen)
{
    setObjectName(QStringLiteral("EinschubrichtungsForm"));
    setWindowTitle(QStringLiteral("Einschubrichtung"));

    auto *aussen = new QVBoxLayout(this);
    auto *oben = new QHBoxLayout;
    m_vorlage = new EinschubZeichenflaeche(*this, this);
    m_pfeil = new PfeilFlaeche(this);
    oben->addWidget(m_vorlage);
    oben->addWidget(m_pfeil);
    aussen->addLayout(oben);

    m_hinweis = new QTextEdit(this);
    m_hinweis->setObjectName(QStringLiteral("M_EinschubHelp"));
    m_hinweis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aussen->addWidget(m_hinweis);

    auto *knoepfe = new QHBoxLayout;
    auto *turn = new QPushButton(QStringLiteral("CW drehen"), this);
    turn->setObjectName(QStringLiteral("btn_Turn"));
    turn->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btn_ok"));
    ok->setDefault(true);
    auto *abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbruch->setObjectName(QStringLiteral("btn_abbruch"));
    abbruch->setAutoDefault(false);
    knoepfe->addWidget(turn);
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbruch);
    aussen->addLayout(knoepfe);

    connect(turn, &QPushButton::clicked, this, &TEinschubrichtungsForm::btn_TurnClick);
    connect(ok, &QPushButton::clicked, this, &TEinschubrichtungsForm::btn_okClick);
    connect(abbruch, &QPushButton::clicked, this, &TEinschubrichtungsForm::btn_abbruchClick);

    AuftragsartSetzen(TAuftragsart::Photonen);
}

void TEinschubrichtungsForm::AuftragsartSetzen(TAuftragsart art)
{
    m_dialogAuftragsart = art;
    const QString pfeil = QStringLiteral("\r\nDer Pfeil hier und im Hauptfenster zeigt Ihnen die Einschubrichtung.");
    THelpForm::HinweisMemo(m_hinweis, istElektronenAuftrag(art)
                                          ? QStringLiteral("Bitte legen Sie fest, wie die Ausrichtung Ihrer Apertur im "
                                                           "Rahmen ist.") + pfeil
                                          : QStringLiteral("Bitte legen Sie fest, wie die Ausrichtung Ihrer "
                                                           "Blockkontur(en) auf der Tragplatte ist/sind.") + pfeil);
}

void TEinschubrichtungsForm::HerstellerSetzen(const QString &hersteller)
{
    m_hersteller = hersteller;
}

QString TEinschubrichtungsForm::hinweisText() const
{
    return m_hinweis->toPlainText();
}

bool TEinschubrichtungsForm::BilderVorbereiten(const QImage &bild)
{
    const QSize box(int(std::nearbyint(kZeichenBreite / 2.2)), int(std::nearbyint(kZeichenHoehe / 2.2)));
    m_bilder = EinschubBilder(bild, box);
    return !m_bilder.isEmpty();
}

QImage TEinschubrichtungsForm::gezeigtesBild() const
{
    const int index = m_winkel.NeuerWinkel() / 90;
    return index >= 0 && index < m_bilder.size() ? m_bilder[index] : QImage();
}

void TEinschubrichtungsForm::btn_TurnClick()
{
    m_winkel.CwDrehen();
    m_vorlage->update();
}

void TEinschubrichtungsForm::btn_okClick()
{
    m_winkel.Uebernehmen();
    m_einstellungen.writeString(QStringLiteral("Init"), QStringLiteral("Einschubrichtung"),
                                EinschubrichtungText(m_winkel.GetEinschubrichtung()));
    accept();
}

void TEinschubrichtungsForm::btn_abbruchClick()
{
    reject();
}

bool TEinschubrichtungsForm::Ausfuehren()
{
    findChild<QPushButton *>(QStringLiteral("btn_ok"))->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    if (!ok)
        m_winkel.Verwerfen();
    // The turned pictures are only needed while the dialog is open.
    m_bilder.clear();
    return ok;
}

} // namespace qv
