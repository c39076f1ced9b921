#pragma once

#include "order/TAuftragsart.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {
struct TKonfiguration;

class TAuftrag;

/// What the order-data dialog shows: the texts of its fields, the items of its lists and
/// the selected item of each list (empty text: nothing selected). The dialog maps its widgets
/// onto this and back; every rule works on it here.
struct TAuftragsdatenFelder
{
    QString EMailAdresse;
    QString Website;
    QString Kunde;
    QString Datum; // dd.MM.yyyy hh:mm:ss
    QString Beschleuniger;
    QStringList BearbeiterListe;
    QString Bearbeiter;
    /// An editor of an opened order that is not among the department's contacts.
    bool BearbeiterGesperrt = false;
    bool Elektronen = false; // the mode list: item 1 for electron orders, else item 0
    QString FBA;
    QString EFBA;
    QStringList TragplatteRahmenListe;
    QString TragplatteRahmen;
    QStringList HerkunftListe;
    QString Herkunft;
    QStringList LegierungListe;
    QString Legierung;
    bool MitCodierung = false;
    QString Codierung;
    QString PatientenID;
    QString Zielvolumen;
    QString KurzKommentar;
    QString Kollimatorwinkel = QStringLiteral("0");
    QString Gantrywinkel = QStringLiteral("0");
    QStringList GusshoeheListe;
    QString Gusshoehe;
    QStringList TransportListe;
    QString Transport;
    /// OK can be pressed; the FBA warning shows exactly when it cannot.
    bool OKAktiv = true;

    QString ModusText() const;
    /// Caption of the tray / frame list.
    QString TragplatteRahmenBeschriftung() const
    {
        return Elektronen ? QStringLiteral("E-Rahmen") : QStringLiteral("Tragplatte");
    }
};

/// The settings the order data start from (section "Beschleuniger").
struct TAuftragsdatenEinstellungen
{
    QString Tragplatte;
    QString Elektronenblende;
    QString AktHerkunft = QStringLiteral("Leihgabe von Zarn e.K.");
};

/// Which fields can be changed: an opened order, and every order in the maker's mode, is
/// shown read-only.
struct TAuftragsdatenFreigabe
{
    bool Bearbeiter = false;
    bool Bearbeitbar = false; // alloy, coding, texts, angles, casting height, delivery
    bool OKSichtbar = false;
};
TAuftragsdatenFreigabe AuftragsdatenFreigabe(bool kundenModus, bool ausDatei);

QStringList ModusTexte();
QStringList EFBATexte();
/// "4,0 cm" … "9,5 cm" in steps of 0,5 cm.
QStringList GusshoeheTexte();
inline const QString kEigeneTragplatte = QStringLiteral("eigene Tragplatte");

/// 30 < FBA < 90 cm, the text read with a decimal comma.
bool FBAImBereich(const QString &fba);

/// Lists, defaults from the customer data, configuration and settings, then the record
/// (or a new date when the record is not valid).
void Vorbelegen(TAuftragsdatenFelder &f, TAuftrag &auftrag, const TKonfiguration &konfig,
                const TAuftragsdatenEinstellungen &einstellungen, bool kundenModus, const QDateTime &jetzt);
/// The tray or frame list for the order kind and the FBA of the current accelerator.
void ModusWechsel(TAuftragsdatenFelder &f, const TAuftrag &auftrag, const TKonfiguration &konfig,
                  const TAuftragsdatenEinstellungen &einstellungen);
void FBAPruefen(TAuftragsdatenFelder &f, const TAuftrag &auftrag);
/// Record → fields; a record that is not valid gets a new date instead.
void DatenAnzeigen(TAuftragsdatenFelder &f, TAuftrag &auftrag, bool kundenModus, const QDateTime &jetzt);

/// What taking over the fields found; the dialog shows the messages.
struct TDatenUebernahme
{
    bool DatumUnlesbar = false; // the previous date was kept
    bool FBAFalsch = false;     // photon order with an FBA outside 30..90 cm: OK disabled
};
TDatenUebernahme DatenUebernehmen(TAuftragsdatenFelder &f, TAuftrag &auftrag);
QString DatumUnlesbarText();
QString FBAFalschText();

/// The record is valid and carries a patient ID. Asks only; the message is the caller's.
bool Vollstaendig(const TAuftrag &auftrag);
QString PatientenIDFehltText();

/// Date shown, record date and order time := now.
void DatumNeu(TAuftragsdatenFelder &f, TAuftrag &auftrag, const QDateTime &jetzt);
/// Shows now as the date (leaving a field).
void DatumZeigen(TAuftragsdatenFelder &f, const QDateTime &jetzt);
QString DatumText(const QDateTime &zeit);
std::optional<QDateTime> DatumLesen(const QString &text);

/// New order: the record is not valid and the patient ID is empty.
void Zuruecksetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag);
/// The coding chosen with the order type, shown and stored.
void CodierungSetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, bool mitCodierung, const QString &codierung);
/// The order kind: mode item and record mode, then the mode change.
void AuftragsartSetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, const TKonfiguration &konfig,
                       const TAuftragsdatenEinstellungen &einstellungen);

// Setters of the imports. They set the field as given and never run a leave-field check.
void FBASetzen(TAuftragsdatenFelder &f, TAuftrag &auftrag, double millimeter);
void GantrySetzen(TAuftragsdatenFelder &f, double grad);
void KollimatorSetzen(TAuftragsdatenFelder &f, double grad);
void GusshoeheSetzen(TAuftragsdatenFelder &f, double millimeter);
/// x with two decimals and thousands grouping, every separator a comma ("90,00").
QString WinkelText(double grad);

/// The angle check on leaving the field: nullopt for a whole number 0..360, else the message.
std::optional<QString> WinkelPruefen(const QString &text, bool kollimator);
/// The editor field's limit applies to typing only.
constexpr int kMaxWinkelZeichen = 5;
constexpr int kMaxTextZeichen = 25;

} // namespace qv
