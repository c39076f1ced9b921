#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

namespace qv {

class Desktop;
class Messages;

/// The two buttons of the order-finished dialog that hand the saved file on: "E-Mail
/// vorbereiten" opens the person's mail program with the order mail, "Ordner öffnen" shows
/// the file's folder in the file manager. A mail program that cannot be opened is named in
/// one message and the folder is shown instead.
class MailUebergabe : public QWidget
{
    Q_OBJECT

public:
    /// datei gives the saved file's full path when a button is pressed.
    MailUebergabe(Desktop &desktop, Messages &meldungen, QString adresse, std::function<QString()> datei,
                  QWidget *parent = nullptr);

    void EMailVorbereiten();
    void OrdnerOeffnen();

    QPushButton *eMailKnopf() const { return m_eMail; }
    QPushButton *ordnerKnopf() const { return m_ordner; }

private:
    /// Shows the folder; false when the file manager could not be opened.
    bool ordnerZeigen(const QString &datei);

    Desktop &m_desktop;
    Messages &m_meldungen;
    QString m_adresse;
    std::function<QString()> m_datei;
    QPushButton *m_eMail = nullptr;
    QPushButton *m_ordner = nullptr;
};

} // namespace qv
