#pragma once

#include "base/Result.h"
#include "config/KundenDateien.h"
#include "config/TAbteilung.h"

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
