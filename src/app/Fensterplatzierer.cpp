#include "app/Fensterplatzierer.h"

#include "base/FensterPlatz.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstring>

namespace qv {

namespace {

// Windows whose content the person compares with the image.
constexpr std::array<const char *, 5> kNebenDemBild{"THelpForm", "TBilddrehungForm", "TScaleForm", "TVerschiebeForm",
                                                    "TDrehenForm"};

// The class name without its namespace.
const char *klassenName(const QWidget &fenster)
{
    const char *name = fenster.metaObject()->className();
    const char *kurz = std::strrchr(name, ':');
    return kurz ? kurz + 1 : name;
}

bool nebenDemBild(const QWidget &fenster)
{
    const char *name = klassenName(fenster);
    return std::any_of(kNebenDemBild.begin(), kNebenDemBild.end(), [name](const char *n) { return std::strcmp(name, n) == 0; });
}

QRect globalesRechteck(const QWidget *w)
{
    if (!w || !w->isVisible())
        return {};
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

Fensterplatzierer::Fensterplatzierer(QWidget &hauptfenster, QWidget &bild, QWidget &knoepfe)
    : QObject(&hauptfenster), m_hauptfenster(hauptfenster), m_bild(&bild), m_knoepfe(&knoepfe)
{
    qApp->installEventFilter(this);
}

void Fensterplatzierer::Platzieren(QWidget &fenster) const
{
    QScreen *schirm = m_hauptfenster.screen() ? m_hauptfenster.screen() : fenster.screen();
    if (!schirm)
        return;
    const QRect rahmen = fenster.frameGeometry();
    QPoint vorschlag = rahmen.topLeft();
    if (std::strcmp(klassenName(fenster), "QFileDialog") == 0 && fenster.parentWidget() == &m_hauptfenster) {
        QRect hilfe;
        for (QWidget *f : QApplication::topLevelWidgets()) {
            if (f->isVisible() && std::strcmp(klassenName(*f), "THelpForm") == 0)
                hilfe = f->frameGeometry();
        }
        vorschlag = DateiDialogPlatz(m_hauptfenster.frameGeometry(), hilfe, rahmen.size(), vorschlag);
    }
    QList<QRect> frei;
    if (nebenDemBild(fenster)) {
        // The help window stays beside the person's work: the workflow buttons are never
        // covered for it, the image as little as the screen allows. A dialog is modal, so
        // only the image counts.
        if (std::strcmp(klassenName(fenster), "THelpForm") == 0)
            frei << globalesRechteck(m_knoepfe);
        frei << globalesRechteck(m_bild);
    }
    const QPoint platz = FensterPlatz(schirm->availableGeometry(), rahmen.size(), vorschlag, frei);
    if (platz != rahmen.topLeft())
        fenster.move(platz);
}

bool Fensterplatzierer::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::Show && art != QEvent::Resize && art != QEvent::Move)
        return false;
    auto *w = qobject_cast<QWidget *>(objekt);
    if (!w)
        return false;
    if (w == m_bild || w == &m_hauptfenster) {
        // The image moved or changed its size: the windows beside it follow.
        if (art == QEvent::Show && w == &m_hauptfenster)
            return false;
        const QList<QWidget *> fenster = QApplication::topLevelWidgets();
        for (QWidget *f : fenster) {
            if (f != &m_hauptfenster && f->isVisible() && nebenDemBild(*f))
                Platzieren(*f);
        }
        return false;
    }
    // A window of its own (not the main window, not a menu or tooltip) opening or changing size.
    if (art != QEvent::Move && w->isWindow() && !(w->windowFlags() & Qt::Popup) && w->windowType() != Qt::ToolTip &&
        w->isVisible())
        Platzieren(*w);
    return false;
}

} // namespace qv
