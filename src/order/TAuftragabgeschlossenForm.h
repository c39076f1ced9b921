#pragma once

#include "order/AssistentenRahmen.h"

class QLabel;
class QRadioButton;

namespace qv {

class Desktop;
class IniFile;
class Messages;

/// "Auftrag abgeschlossen": shown after the order file was saved; reminds the customer to mail
/// it and asks what comes next. Its only lasting state is the setting Init/AuftragEnde.
class TAuftragabgeschlossenForm : public AssistentenRahmen
{
    Q_OBJECT

public:
    enum Wahl { Beenden = 0, Neu = 1, Zurueck = 2 };

    /// emailAdresse: the maker's order address shown in the text.
    TAuftragabgeschlossenForm(IniFile &einstellungen, const QString &emailAdresse, QWidget *parent = nullptr);

    /// The saved file (full path) and the order's delivery text, before Ausfuehren.
    void DateiSetzen(const QString &pfad);
    void LieferzeitSetzen(const QString &transport);
    /// Offers "E-Mail vorbereiten" and "Ordner öffnen" for the saved file (see MailUebergabe).
    void UebergabeAnbieten(Desktop &desktop, Messages &meldungen);

    /// Shows the dialog modally: 0 end the program, 1 new order, 2 back to the program (also
    /// when cancelled). The checked choice is stored in AuftragEnde in every case.
    int Ausfuehren();

    // What the person sees and does, for tests.
    Wahl gewaehlt() const;
    void waehlen(Wahl wahl);
    QString dateiText() const;
    QString lieferzeitText() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QRadioButton *knopf(Wahl wahl) const;

    IniFile &m_einstellungen;
    QLabel *m_dateiName = nullptr;
    QLabel *m_lieferzeit = nullptr;
    QRadioButton *m_beenden = nullptr;
    QRadioButton *m_neu = nullptr;
    QRadioButton *m_zurueck = nullptr;
    QString m_pfad;
    QString m_adresse;
};

} // namespace qv
