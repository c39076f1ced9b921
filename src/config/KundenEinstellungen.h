#pragma once

#include "base/Result.h"
#include "config/TKundenDaten.h"

#include <QString>
#include <QStringList>

namespace qv {

/// The contract partner group of the customer settings as typed.
struct VertragspartnerFelder
{
    QString Geschlecht;
    QString Titel;
    QString Name;
    QString Institut;
    QString Abteilung;
    QString Strasse;
    QString PLZ;
    QString Ort;
};

/// What the customer settings do with the customer data, without the window: the write-back of
/// each group of fields, the department operations, the backup with the changed flag, and the
/// display rules of the fields. The window only shows these values and reports what was typed.
class KundenEinstellungen
{
public:
    enum class Modus {
        Normal,     // own customer data, saved to Kunde.cfg
        Demo,       // the demonstration customer: edits stay in memory
        AusAuftrag, // the customer data of an opened order: read only
    };
    enum class AbteilungNeu { Angelegt, ZehnErreicht };
    enum class Ffa { Gesetzt, AusserhalbBereich, KeineZahl };
    enum class Tab { Lieferanschrift = 0, Rechnungsanschrift = 1, Abholadresse = 2 };

    static constexpr int MaxAbteilungen = 10;

    static inline const QStringList GeschlechtListe{QString(), QStringLiteral("Herr"), QStringLiteral("Frau")};
    static inline const QStringList AnPGeschlechtListe{QStringLiteral("Herr"), QStringLiteral("Frau")};
    static inline const QStringList TitelListe{QStringLiteral(" "),         QStringLiteral("Dr."),
                                               QStringLiteral("Prof."),     QStringLiteral("Prof. Dr."),
                                               QStringLiteral("Dipl. Phys."), QStringLiteral("Dipl. Ing")};
    static inline const QStringList EfbaListe{QStringLiteral("95"), QStringLiteral("100")};
    static const QStringList &GusshoeheListe();
    static const QStringList &HerkunftListe();
    static QStringList LegierungListe() { return HerkunftListe().mid(0, 2); }

    /// Works on the given customer data (the global ones); the mode follows their flags.
    explicit KundenEinstellungen(TKundenDaten &daten);

    Modus modus() const;
    /// Demo data or data of an opened order: nothing is saved.
    bool lesemodus() const { return modus() != Modus::Normal; }
    bool geaendert() const { return m_geaendert; }

    TKundenDaten &daten() { return m_daten; }
    const TKundenDaten &daten() const { return m_daten; }

    /// Takes the backup from the customer files (normal mode only) and clears the changed flag.
    Result<void> SicherungLaden(const KundenDateien &dateien);
    /// Cancel confirmed: the backup becomes the customer data again, the changed flag is cleared.
    /// The edits were given up by the caller: nothing counts as changed any more.
    void Verworfen() { m_geaendert = false; }
    void Wiederherstellen();

    // Write-back of each group of fields; each sets the changed flag. In the mode for data of an
    // opened order nothing is changed.
    void VertragspartnerSchreiben(const VertragspartnerFelder &f);
    /// Into the current contact; false when there is none.
    bool AnPSchreiben(const TAnP &f);
    /// Into the address of the tab of the current department.
    bool AdresseSchreiben(Tab tab, const TAdresse &f);
    /// Into the current accelerator; false when there is none.
    bool BeschlSchreiben(const TBeschl &f);
    bool LieferartSchreiben(const QString &transport, const QString &legierung, const QString &herkunft);
    bool AbteilungsNameSchreiben(const QString &name);
    /// The typed FFA: "." read as ",", 20 to 200 cm.
    Ffa FfaSchreiben(const QString &text);

    // The department and list operations.
    AbteilungNeu NeueAbteilung();
    void LoescheAbteilung();
    void WaehleAbteilung(int index);
    void NeuerAnP();
    void LoescheAnP();
    void WaehleAnP(int index);
    void NeuerBeschl();
    void LoescheBeschl();
    void WaehleBeschl(int index);
    /// Copies the contract partner's address into the delivery address, or the delivery
    /// address into the invoice / pick-up address.
    void AdresseUebernehmen(Tab tab);

    static TAdresse &Adresse(TAbteilung &abt, Tab tab);
    static const TAdresse &Adresse(const TAbteilung &abt, Tab tab);

    // Display rules.
    /// The FBA as shown: a one- or two-digit whole number gets ",0"; any other text as it is.
    static QString FbaAnzeige(const QString &fba);
    /// An accelerator's line in the list: maker, short name, type.
    static QString BeschlAnzeige(const TBeschl &b);
    /// Index of a stored text in a fixed list, or -1 (the combo then shows nothing).
    static int ListenIndex(const QStringList &liste, const QString &text);
    /// The choices for the addressee of an address: the department's contacts and the contract
    /// partner. A stored addressee not among them is kept as a further item. auswahl: its index.
    static QStringList AdressatenListe(const TKundenDaten &daten, const TAdresse &adresse, int *auswahl);
    /// A chosen save folder with the directory separator at its end.
    static QString MitVerzeichnisTrenner(const QString &ordner);
    static QString FfaAnzeige(double ffa);

private:
    bool schreibbar() const { return modus() != Modus::AusAuftrag; }

    TKundenDaten &m_daten;
    TKundenDaten m_sicherung;
    bool m_hatSicherung = false;
    bool m_geaendert = false;
};

} // namespace qv
