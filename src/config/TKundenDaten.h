#pragma once

#include "base/Result.h"

#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace qv {

class ByteReader;
class ByteWriter;
class IniFile;

struct TAuftragsdatenRec;

/// Contact person, 306 bytes in the customer block.
struct TAnP
{
    static constexpr int Groesse = 306;

    QString Geschlecht; // s[50] "Herr" / "Frau"
    QString Titel;      // s[50]
    QString Name;       // s[50] "Name, Vorname"
    QString Telefon;    // s[50]
    QString Fax;        // s[50]
    QString EMail;      // s[50]

    /// Salutation, title and name, blanks around the whole removed.
    QString AnzeigeName() const;

    bool operator==(const TAnP &) const = default;
};

/// Address, 411 bytes in the customer block.
struct TAdresse
{
    static constexpr int Groesse = 411;

    QString AnP;       // s[200] addressee line
    QString Institut;  // s[50]
    QString Abteilung; // s[50]
    QString Strasse;   // s[50]
    QString PLZ;       // s[5]
    QString Ort;       // s[50]

    bool operator==(const TAdresse &) const = default;
};

/// Accelerator, 186 bytes in the customer block.
struct TBeschl
{
    static constexpr int Groesse = 186;

    QString Beschleuniger; // s[50] maker
    QString KBez;          // s[50]
    QString Typ;           // s[50]
    QString FBA;           // s[10] cm, decimal comma
    QString EFBA;          // s[10] "95" or "100"
    QString Gusshoehe;     // s[10] e.g. "8,0 cm"

    bool operator==(const TBeschl &) const = default;
};

/// One department of the customer with its contacts, accelerators and addresses.
class TAbteilung
{
public:
    /// Bytes of a department block without its contacts and accelerators.
    static constexpr int GrundGroesse = 1457;

    qint32 Version = 1;
    QString Name; // s[50]
    QList<TAnP> AnP;
    QList<TBeschl> Beschl;
    QString Transport; // s[50]
    QString Herkunft;  // s[50]
    QString Legierung; // s[50]
    qint32 AktAnP = 0;
    qint32 AktBeschl = 0;
    TAdresse Lieferanschrift;
    TAdresse Rechnungsanschrift;
    TAdresse Abholadresse;

    void NeuerAnP();
    void LoescheAnP(int index);
    void NeuerBeschl();
    void LoescheBeschl(int index);

    /// The contact / accelerator at the current index, nullptr when the index is not valid.
    TAnP *AktuellerAnP();
    const TAnP *AktuellerAnP() const;
    TBeschl *AktuellerBeschl();
    const TBeschl *AktuellerBeschl() const;

    /// Reads one department block; false (reader failed with a German message) on damaged bytes.
    bool Laden(qv::ByteReader &r);
    void Speichern(qv::ByteWriter &w) const;

    bool operator==(const TAbteilung &) const = default;
};

class ProgramFolders;

/// Where the customer files of an installation lie.
struct KundenDateien
{
    QString kunde;       // Kunde.cfg: current binary format
    QString kundenDaten; // KundenDaten.cfg: old INI format, only read
    QString demoKunde;   // DemoKunde.cfg: shipped demo customer

    static KundenDateien imOrdner(const QString &programmOrdner);
    /// The person's files where the program keeps them, the demonstration customer as shipped.
    static KundenDateien von(const qv::ProgramFolders &ordner);
};

/// The customer data: contract partner and departments. Copyable, so a dialog can keep a backup.
class TKundenDaten
{
public:
    qint32 Version = 1;
    bool ErsterStart = false;
    qint32 AktAbteilung = 0;
    double FFA = 100.0;
    QList<TAbteilung> Abteilungen;
    bool Demo = false;
    bool AusAuftrag = false;
    TAnP Vertragspartner;
    TAdresse VertragsAdresse;

    /// Bytes of the customer block before the first department.
    static constexpr int KopfGroesse = 739;
    /// Whole customer files bigger than this are refused before inflating them.
    static constexpr qsizetype MaxDateiGroesse = 4 * 1024 * 1024;
    static constexpr qsizetype MaxBlockGroesse = 64 * 1024 * 1024;

    /// Reads a customer block from the stream (order file, or an inflated customer file).
    /// Damaged bytes: false, and the reader has failed with a German message.
    bool Laden(qv::ByteReader &r);
    /// Writes the exact binary customer block.
    void Speichern(qv::ByteWriter &w) const;

    /// Loads from Kunde.cfg, else migrates KundenDaten.cfg, else takes the built-in defaults
    /// and sets ErsterStart. A damaged Kunde.cfg is an error naming the file; the object then
    /// holds the built-in defaults (without ErsterStart).
    qv::Result<void> Laden(const KundenDateien &dateien);
    /// Reads a customer file (zlib stream of a customer block) such as Kunde.cfg.
    qv::Result<void> LadeDatei(const QString &pfad);
    /// Loads DemoKunde.cfg and sets Demo.
    qv::Result<void> LadeDemo(const KundenDateien &dateien);
    /// The settings migration from the old INI customer file.
    void LadeAlteIni(const qv::IniFile &ini);
    /// Built-in defaults of a first start (ErsterStart is set by Laden, not here).
    void LadeStandard();

    /// Writes Kunde.cfg (level-1 zlib, atomically). Refused while Demo or AusAuftrag is set.
    /// A Kunde.cfg that is there but cannot be read is kept as a copy before it is replaced.
    qv::Result<void> SpeichereDatei(const QString &kundePfad) const;

    /// The completeness check; empty text when the data are complete.
    QString PruefText() const;
    /// The completeness check: true when nothing is missing.
    bool Vollstaendig() const { return PruefText().isEmpty(); }
    /// The message of the completeness check (what is missing, for which department);
    /// empty when the data are complete.
    QString PruefMeldung() const;

    void NeueAbteilung();
    void LoescheAbteilung(int index);
    /// Makes the contact with this display name current in the current department (last wins).
    void WaehleAnP(const QString &anzeigeName);

    /// Replaces the data by those converted from the customer record of an order file before
    /// version 6 and that file's order data (defined with the order file). False, with the
    /// object unchanged, when the record has none of the sizes 3174, 3585 or 3996.
    bool AusAltemAuftrag(QByteArrayView altRecord, const TAuftragsdatenRec &auftragsdaten);

    /// Current department / contact / accelerator, nullptr when an index is not valid.
    TAbteilung *AktuelleAbteilung();
    const TAbteilung *AktuelleAbteilung() const;
    const TAnP *AktuellerAnP() const;
    const TBeschl *AktuellerBeschl() const;

    /// A point of the image plane (at FFA) in the isocentre plane (100 cm), same unit.
    QPoint BildZuIsoebene(QPoint p) const;
    /// ... in the block plane (FBA of the current accelerator, rounded to whole cm);
    /// nullopt without a current accelerator or when its FBA is no number.
    std::optional<QPoint> BildZuBlockebene(QPoint p) const;
    /// ... in the cut-out plane (EFBA); an EFBA that is no number becomes "95".
    std::optional<QPoint> BildZuBlendenebene(QPoint p);
    /// The same for showing it, changing nothing: an EFBA that is no number counts as 95.
    std::optional<QPoint> BildZuBlendenebeneAnzeige(QPoint p) const;
    /// The EFBA text as the cut-out plane uses it ("95" for a text that is no number).
    static QString EFBAAnzeige(const TBeschl &b);

    /// Archive base for the dated copies of saved orders (Init/SavePath); by default the home
    /// folder + "/Quellvantar/Auftraege/".
    static QString SavePath(const qv::IniFile &einstellungen);
    static bool Help(const qv::IniFile &einstellungen);
    static bool SetHelp(qv::IniFile &einstellungen, bool an);

    bool operator==(const TKundenDaten &) const = default;
};

} // namespace qv
