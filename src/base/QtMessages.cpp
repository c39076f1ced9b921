#include "base/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace qv {

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
    QWidget *parent = m_parent ? m_parent : QApplication::activeWindow();
    QMessageBox box(icon, QStringLiteral("Quellvantar"), shown, std, parent);
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
