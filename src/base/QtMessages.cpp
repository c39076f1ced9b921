#include "base/QtMessages.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>

namespace qv {

namespace {

// A window a message may sit on: shown, not minimised, and at least partly on a screen.
bool sichtbarAufBildschirm(const QWidget *fenster)
{
    if (!fenster || !fenster->isVisible() || fenster->isMinimized())
        return false;
    const QRect rahmen = fenster->frameGeometry();
    const QList<QScreen *> bildschirme = QGuiApplication::screens();
    for (const QScreen *s : bildschirme) {
        if (s->geometry().intersects(rahmen))
            return true;
    }
    return false;
}

} // namespace

QWidget *QtMessages::elternFenster() const
{
    if (m_parent && sichtbarAufBildschirm(m_parent->window()))
        return m_parent->window();
    // without a window of its own a message belongs to the main window, whichever small
    // window (help, a dialog) happens to be active
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget *w : fenster) {
        if (qobject_cast<QMainWindow *>(w) && sichtbarAufBildschirm(w))
            return w;
    }
    QWidget *aktiv = QApplication::activeWindow();
    return sichtbarAufBildschirm(aktiv) ? aktiv : nullptr;
}

Messages::Answer QtMessages::present(Kind kind, const QString &text, Buttons buttons)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case Kind::Information: icon = QMessageBox::Information; break;
    case Kind::Warning: icon = QMessageBox::Warning; break;
    case Kind::Error: icon = QMessageBox::Critical; break;
    case Kind::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons std = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        std = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::YesNoCancel)
        std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox box(icon, QStringLiteral("Quellvantar"), shown, std, elternFenster());
    box.setObjectName(QStringLiteral("meldung"));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace qv
