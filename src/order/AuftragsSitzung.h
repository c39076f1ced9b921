#pragma once

#include "order/Auftragsart.h"
#include "order/ImportUebernahme.h"
#include "order/TAuftrag.h"
#include "order/TAuftragsdatenFelder.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace qv {
struct TKonfiguration;

class IniFile;

/// What the order-type step decides: the kind, the origin of the tray or frame, the tray, the
/// frame and the coding of a customer's own tray. The order-type dialog starts from one and
/// gives one back.
struct AuftragsartWahl
{
    TAuftragsart Auftragsart = TAuftragsart::Photonen;
    /// The origin page: 0 lent by the maker, 1 the customer's stock, 2 bought, 3 sent in.
    int Seite = 0;
    QString Tragplatte;
    QString Rahmen;
    bool MitCodierung = false;
    QString Codierung;

    bool operator==(const AuftragsartWahl &) const = default;
};

/// The frame check of an order as the maker's frame list of its accelerator gives it: every
/// frame with its fit, the first that fits, and the entry the order's stored frame names (the
/// first entry when it names none).
struct RahmenPruefung
{
    TRahmenListe Liste;
    QList<bool> Passt;
    int BestFit = -1;
    int Gewaehlt = -1;
    /// The fit of the entry chosen; an electron order without a listed frame never fits.
    bool GewaehlterPasst = false;
};
RahmenPruefung RahmenPruefen(const TAuftrag &auftrag, const TKonfiguration &konfig);

/// The ruler order of the import modes: the ruler image (40 x 40 cm at 3 pixels per
/// millimetre), the isocentre in its middle, the scale of 200 mm over 600 pixels.
void LinealSetzen(TAuftrag &auftrag);

/// The one owner of the order being built or shown: the order value, the workflow status bits,
/// the chosen kind, tray and frame with the fit, and the customer or maker mode. Every change
/// goes through an operation here, and the session announces which parts changed; windows
/// listen and draw, the command line uses the same operations without a window.
///
/// The settings of the order-type step (section "Beschleuniger") remember the last choice for
/// the next order: they are written here when a choice is confirmed and read only when a new
/// order starts.
class AuftragsSitzung : public QObject
{
    Q_OBJECT

public:
    /// The parts of the order a change touched.
    enum Teil : unsigned {
        Vorlage = 0x001,
        Konturen = 0x002,
        Feld = 0x004,
        Massstab = 0x008,
        ArtUndRahmen = 0x010,
        Auftragsdaten = 0x020,
        Einschubrichtung = 0x040,
        Dokument = 0x080, // changed, opened from a file, imports done, customer data
        Ablauf = 0x100,   // the workflow status bits
        Alles = 0x1ff,
        /// Nothing the workflow looks at: only what is drawn (a point added during an input,
        /// a contour selected).
        Ansicht = 0x200,
    };

    /// konfiguration: the product configuration for the frame and tray lists (it outlives the
    /// session and may be reloaded in place).
    explicit AuftragsSitzung(const TKonfiguration &konfiguration, QObject *parent = nullptr);

    /// Where the last choice is remembered for the next order; none in a session that must
    /// not write settings.
    void setGedaechtnis(IniFile *einstellungen) { m_gedaechtnis = einstellungen; }

    const TAuftrag &auftrag() const { return m_auftrag; }
    /// The order for a change that has no operation of its own yet; the caller announces it
    /// with Geaendert.
    TAuftrag &auftragZumAendern() { return m_auftrag; }
    /// Announces a change made through auftragZumAendern.
    void Geaendert(unsigned teile) { emit geaendert(teile); }

    // Workflow status bits (ablauf::Bit).
    std::uint16_t Status() const { return m_ablauf; }
    /// The status as an input step sets it; announced also when it stays the same, so the
    /// workflow panel follows the step.
    void StatusSetzen(std::uint16_t status);
    void StatusErgaenzen(std::uint16_t bits) { StatusSetzen(m_ablauf | bits); }
    /// For the workspace, which keeps using the bits as a field while its steps move here.
    std::uint16_t &ablaufFeld() { return m_ablauf; }

    bool KundenModus() const { return m_kundenModus; }
    void KundenModusSetzen(bool kundenModus);

    // ---- the order ----

    /// The reset of a new order: no template, no isocentre, scale points, field or contours,
    /// no kind, no order data, the direction not confirmed, nothing changed, nothing read; the
    /// workflow status 0. The customer data stay.
    void NeuerAuftrag();
    /// The ruler of the import modes: 40 x 40 cm at 3 pixels per millimetre, the isocentre in
    /// its middle, the scale of 200 mm over 600 pixels.
    void LinealAuftrag();
    /// The order read from a file replaces the order; the choice follows what the file holds.
    void Oeffnen(const TAuftrag &auftrag);
    /// The order of an import replaces the order (the import computed it on a copy); the
    /// import set the field when feldGesetzt.
    void ImportUebernehmen(const ImportErgebnis &ergebnis);
    /// The same when the import's order was already put in place.
    void ImportUebernommen(bool feldGesetzt);
    /// The order data as the order-data dialog or an import took them; the tray or frame and
    /// the origin stay the session's choice.
    void AuftragsdatenUebernehmen(const TAuftragsdatenRec &daten);
    /// The same with the order time and the customer data (the accelerator's FBA) the
    /// order-data dialog left.
    void AuftragsdatenUebernehmen(const TAuftragsdatenRec &daten, const QDateTime &zeit, const TKundenDaten &kunde);
    /// The order changed: the order data's date and the order time become now.
    void DatumNeu(const QDateTime &jetzt);
    /// The order time alone (the start of the run).
    void AuftragszeitSetzen(const QDateTime &zeit) { m_auftrag.Auftragszeitpunkt = zeit; }
    void EinschubrichtungSetzen(TEinschubrichtung richtung);
    /// The FFA of the image plane (cm) and the distance of the two scale points (mm), as the
    /// scale dialog gave them.
    void MassstabVorgabeSetzen(double ffa, qint32 abstandMM);
    /// The customer data as the customer-settings dialog left them.
    void KundendatenUebernehmen(const TKundenDaten &kunde);
    /// The contours were moved, turned, added or removed (the contour set is edited in place by
    /// the input steps): the frame fit follows.
    void KonturenGeaendert();
    /// The order was saved to this file.
    void Gespeichert(const QString &datei);

    // ---- kind, origin, tray and frame ----

    /// The choice as it stands (the kind is the order's).
    const AuftragsartWahl &Wahl() const { return m_wahl; }
    /// The proposal of a new order or mode: the kind and tray remembered for the next order,
    /// the department's origin, the best-fitting frame. The order takes the proposed kind.
    void Vorschlagen();
    /// The choice confirmed in the order-type dialog, with the customer data the dialog chose
    /// department, accelerator and contact in. The typed order data stay; only what follows
    /// from the kind changes.
    void AuftragsartUebernehmen(const AuftragsartWahl &wahl, const TKundenDaten &kunde);
    /// Keeps the order's kind and frame over a re-proposal (a declined mode change).
    void WahlBehalten(const AuftragsartWahl &wahl);
    /// The ffa of the image plane (cm): the imports work in the isocentre plane.
    void FFASetzen(double ffa);
    /// Chooses a frame by name (the first listed one when it is not listed).
    void RahmenWaehlen(const QString &rahmen);
    /// The best fit: the first frame that fits is chosen and remembered; −1 when none fits
    /// (the first frame is chosen then).
    int BestFitUebernehmen();
    int BestFitIndex() const { return m_bestFit; }

    /// The maker prefix of the current accelerator.
    QString Hersteller() const;
    TRahmenListe Rahmenliste() const;
    QStringList Tragplattenliste() const;
    /// The fit of the chosen frame; always true but for electron orders.
    bool RahmenPasst() const;
    /// The frame drawn around the aperture, nullopt when none is drawn.
    std::optional<TRahmenUeberlagerung> Ueberlagerung(int modus) const;
    /// Why the order cannot be saved as it stands (an electron aperture that does not fit its
    /// frame); nullopt when nothing in the choice stands against it.
    std::optional<QString> SpeichernVerhindert() const;

    /// What the order data start from: the chosen tray, frame and origin.
    TAuftragsdatenEinstellungen AuftragsdatenVorgaben() const;

signals:
    /// Parts of the order changed (Teil bits).
    void geaendert(unsigned teile);

private:
    void WahlInAuftragsdaten();
    void WahlMerken();

    const TKonfiguration &m_konfig;
    IniFile *m_gedaechtnis = nullptr;
    TAuftrag m_auftrag;
    std::uint16_t m_ablauf = 0;
    AuftragsartWahl m_wahl;
    int m_bestFit = -1;
    bool m_kundenModus = true;
};

} // namespace qv
