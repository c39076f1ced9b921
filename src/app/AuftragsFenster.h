#pragma once

#include <QString>

#include <optional>

namespace qv {

/// What the save and open commands ask of the main window: the steps of the window and of
/// the other order windows around saving and opening. The commands themselves decide.
class AuftragsFenster
{
public:
    virtual ~AuftragsFenster() = default;

    virtual bool KundenModus() const = 0;
    /// The work mode (0 image template, 1 without template, 2 planning file, 3 DICOM).
    virtual int Modus() const = 0;

    virtual void Kontexthilfe(const QString &text, const QString &titel) = 0;
    virtual void ModusHilfe() = 0;
    virtual void Fenstertitel(const QString &titel) = 0;
    /// An order file was opened or saved by the person (for the list of recent files).
    virtual void AuftragsdateiBenutzt(const QString &datei) { Q_UNUSED(datei); }
    virtual void Beschaeftigt(bool an) = 0;
    /// The save button's pressed look; released, it is also disabled until the next
    /// workflow update.
    virtual void SpeichernKnopfGedrueckt(bool gedrueckt) = 0;
    virtual void AblaufAktualisieren() = 0;
    virtual void BearbeitungErlauben(bool erlaubt) = 0;

    /// The order-data completeness check (it may show its own message first).
    virtual bool AuftragsdatenVollstaendig() = 0;
    /// The order-finished dialog for the saved file: 0 end, 1 new order, 2 back.
    virtual int AuftragAbgeschlossen(const QString &datei, const QString &lieferzeit) = 0;
    /// "Neu...".
    virtual void NeuerAuftragBefehl() = 0;
    /// Ends the program at once after a save, without the closing question.
    virtual void ProgrammBeenden() = 0;
    /// The new-order reset and the switch to the image mode, each with its question; false
    /// when the person kept the old order.
    virtual bool NeuerAuftragImBildModus() = 0;
    /// After an order was read: the order windows take it over (order data, order type with
    /// its frame list, insertion direction), the mode becomes the image mode with the order
    /// type done, the FFA display and the workspace follow.
    virtual void AuftragUebernommen() = 0;
    /// Why the order cannot be saved as it stands (the order session's check); nothing when
    /// nothing stands against it.
    virtual std::optional<QString> SpeichernVerhindert() const { return std::nullopt; }
};

} // namespace qv
