#include "planimport/BPRDatei.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/Numbers.h"
#include "planimport/BPRFileBasic.h"
#include "planimport/BPRKatalog.h"
#include "planimport/TBPRDM.h"
#include "planimport/TBPRKonfig.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

Result<BPRDateiInhalt> BPRDateiLaden(const QString &pfad, const TBPRDM &dm)
{
    // Asked of the file system with the name's own bytes (it need not be UTF-8).
    const QFileInfo info(pfad);
    const QString name = fileNameForDisplay(pfad);
    const PathKind art = pathKind(pfad);
    if (art == PathKind::Missing)
        return Error{QStringLiteral("Die Datei \"%1\" existiert nicht.").arg(name)};
    if (art != PathKind::RegularFile)
        return Error{art == PathKind::Folder ? QStringLiteral("\"%1\" ist ein Ordner, keine Datei.").arg(name)
                                             : QStringLiteral("\"%1\" ist keine gewöhnliche Datei.").arg(name)};
    auto bytes = readWholeFile(pfad, BPRMaxDateiGroesse);
    if (!bytes)
        return Error{bytes.error()};
    BPRDateiInhalt inhalt;
    inhalt.Pfad = info.absoluteFilePath();
    inhalt.Vorbereitung = Vorbereiten(*bytes, info.fileName());
    if (inhalt.Vorbereitung.FormatCode != BPRFormat::Keins) {
        auto zeilen = dm.FormatZeilen(inhalt.Vorbereitung.FormatCode);
        if (!zeilen)
            return Error{zeilen.error()};
        inhalt.Zeilen = std::move(*zeilen);
        inhalt.FormatName = BPRFormat::Name(inhalt.Vorbereitung.FormatCode);
    }
    return inhalt;
}

int BPRBeamAnzahl(const BPRDateiInhalt &datei)
{
    return BPRFileBasic(datei.Vorbereitung, datei.Zeilen, datei.Pfad).BeamsZurAuswahl();
}

BPRBeam BPRBeamLesen(const BPRDateiInhalt &datei, int position, double defaultFBA, const TBPRKonfig *konfig)
{
    BPRFileBasic leser(datei.Vorbereitung, datei.Zeilen, datei.Pfad);
    BPRBeam beam;
    beam.Position = position;
    beam.Nummer = position >= 1 && position <= leser.BeamNumbers.size() ? leser.BeamNumbers[position - 1] : position;
    leser.SetFBA(defaultFBA);
    leser.SetFIA(100.0);
    beam.Gueltig = leser.ReadBeam(position);
    const Result<void> konfigOk = konfig ? BPRKonfigPruefen(*konfig) : Result<void>();
    if (!konfigOk) {
        beam.Gueltig = false;
        beam.Meldungen << konfigOk.error();
    }
    if (beam.Gueltig && konfig) {
        leser.Rotation = konfig->Drehung;
        leser.CollimatorOffset = konfig->KolliDreh;
        leser.JawRotation = konfig->BlendeDreh;
        leser.MirrorX = konfig->XSpiegelung;
        leser.MirrorY = konfig->YSpiegelung;
        leser.DataInFBA = konfig->DatenInFBA;
        leser.ApplyConfiguration(true);
    }
    beam.FBA = leser.GetFBA();
    beam.FIA = leser.GetFIA();
    beam.Gantry = leser.GetGantry();
    beam.Kollimator = leser.GetCollimator();
    beam.PatientenName = leser.GetPatientName();
    beam.PatientenID = leser.GetPatientID();
    beam.Kommentar = leser.GetComment();
    beam.Zielvolumen = leser.GetTargetVolume();

    if (beam.Gueltig) {
        // The import places the data in the isocentre plane.
        const double fba = parseDecimal(beam.FBA).value_or(0);
        const double fia = parseDecimal(beam.FIA).value_or(0);
        bool ok = true;
        const auto eben = [&](qint32 v) {
            const auto r = InIsozentrumsEbene(v, leser.DataInFBA, fba, fia);
            ok = ok && r.has_value();
            return r.value_or(0);
        };
        for (const QList<QPoint> &kontur : leser.GetContourPoints()) {
            QList<QPoint> punkte;
            punkte.reserve(kontur.size());
            for (const QPoint &p : kontur)
                punkte << QPoint(eben(p.x()), eben(p.y()));
            beam.Konturen << punkte;
        }
        const BPRFeld f = leser.GetField();
        if (!(f == BPRFeld{}))
            beam.Blende = BPRFeld{eben(f.Left), eben(f.Top), eben(f.Right), eben(f.Bottom)};
        if (!ok) {
            beam.Gueltig = false;
            beam.Konturen.clear();
            beam.Blende.reset();
            beam.Meldungen << (leser.DataInFBA
                                   ? QStringLiteral("Der FBA ist 0: die Konturen können nicht in die Isozentrumsebene umgerechnet werden.")
                                   : QStringLiteral("Der FIA ist 0: die Konturen können nicht in die Isozentrumsebene umgerechnet werden."));
        }
    }
    beam.Meldungen = leser.Meldungen() + beam.Meldungen;
    return beam;
}

} // namespace qv
