#pragma once

#include "base/Result.h"
#include "order/TAuftragsart.h"
#include "print/PrintJobs.h"

#include <QDateTime>
#include <QString>

namespace qv {

class TKundenDaten;
struct TAuftragsdatenRec;

/// Titles of the two sheets (also the names of their print jobs).
inline const QString kAuftragsdatenTitel = QStringLiteral(" AuftragsDaten ");
inline const QString kKundendatenTitel = QStringLiteral(" KundenDaten ");

/// What the printouts read.
struct DruckDaten
{
    /// The order data; printing the order sheet fills an empty coding in.
    TAuftragsdatenRec &Auftragsdaten;
    const TKundenDaten &Kundendaten;
    /// A photon order prints a tray; any other byte (also "not chosen") a frame.
    TAuftragsart Auftragsart = TAuftragsart::Photonen;
    /// Address to which orders are mailed.
    QString EMailAdresse;
    /// False for customer data converted from an order file older than version 6, which had
    /// no pick-up address.
    bool MitAbholadresse = true;
    QDateTime Jetzt;
};

/// An empty coding (after removing blanks around it) becomes "ohne Codierung" in the record.
void CodierungErgaenzen(TAuftragsdatenRec &auftragsdaten);

/// The order data sheet, laid out on the canvas.
void AuftragsdatenBlatt(PrintCanvas &canvas, const DruckDaten &daten);
/// The customer data sheet: contract partner, the current department's addresses and contacts.
void KundendatenBlatt(PrintCanvas &canvas, const DruckDaten &daten);

/// One print job with the order data sheet (fills an empty coding in first).
Result<void> DruckeAuftragsdaten(PrintJobs &jobs, const DruckDaten &daten);
/// One print job with the customer data sheet.
Result<void> DruckeKundendaten(PrintJobs &jobs, const DruckDaten &daten);

enum class DruckAuswahl { Auftragsdaten, Kundendaten, Alles };

struct DruckErgebnis
{
    enum class Status { Gedruckt, Abgebrochen, Fehler };
    Status status = Status::Gedruckt;
    QString meldung; // for Fehler
};

/// A print command: the printer is chosen first (cancel: nothing is printed), then the
/// chosen sheets are printed, "Alles" as two jobs, the order sheet first.
DruckErgebnis Drucken(PrintJobs &jobs, DruckAuswahl auswahl, const DruckDaten &daten);

} // namespace qv
