#include "dicom/DICOMUebernahme.h"

#include "base/Numbers.h"
#include "contour/KonturErgebnis.h"
#include "dicom/TvelDICOMRTPlanClass.h"

namespace qv {

ImportErgebnis DICOMBeamUebernehmen(const TAuftrag &auftrag, const TvelDICOMRTPlanClass &plan, qsizetype beamIndex,
                                    const ImportKontext &kontext)
{
    ImportErgebnis e;
    e.Auftrag = auftrag;
    const auto fehler = [&e](const QString &text) {
        e.Fehler = text;
        e.Auftrag = TAuftrag();
        return e;
    };

    const Result<const TvelDICOMRTBeamClass *> beam = plan.Plan.Beam(beamIndex);
    if (!beam)
        return fehler(beam.error());
    // Blocks that cannot be used were left out when the plan was read; with none left the
    // beam gives no order.
    const QStringList &ausgelassen = (*beam)->AusgelasseneBloecke;
    if ((*beam)->Blocks.isEmpty() && !ausgelassen.isEmpty())
        return fehler(ausgelassen.join(u'\n') + u'\n' +
                      QStringLiteral("Der Beam %1 \"%2\" enthält keinen verwendbaren Block und wird nicht übernommen.")
                          .arg(QString::number((*beam)->BeamNumber), (*beam)->BeamName));
    e.Hinweise << ausgelassen;
    // A beam without blocks has nothing to cast; the access to its first block says so.
    const Result<const TvelDICOMBlockClass *> block0 = (*beam)->Block(0);
    if (!block0)
        return fehler(block0.error());
    const Result<const TvelDICOMControlPointClass *> cp0 = (*beam)->ControlPoint(0);
    if (!cp0)
        return fehler(cp0.error());

    TAuftrag &a = e.Auftrag;
    const double pixelProMM = a.PixelProMM();
    TKonturen konturen;
    konturen.setMinPunktAbstand(a.Massstab.MinPunktAbstand);
    for (const TvelDICOMBlockClass &block : (*beam)->Blocks) {
        const qint64 anzahl = block.BlockNumberOfPoints;
        if (konturen.Anzahl() >= TKonturen::MaxKonturen) {
            // Said once, however many blocks are left out.
            const QString grenze = KonturMeldung(KonturErgebnis::KonturenGrenzeErreicht);
            if (!e.Hinweise.contains(grenze))
                e.Hinweise << grenze;
            continue;
        }
        if (anzahl > TKontur::MaxPunkte) {
            e.Hinweise << ZuVielePunkteText(block.BlockName, anzahl);
            continue;
        }
        QList<QPoint> punkte;
        punkte.reserve(qMax<qint64>(anzahl, 0));
        for (qint64 j = 0; j < anzahl; ++j) {
            const Result<QPoint> p = block.Point(j);
            if (!p)
                return fehler(p.error());
            punkte << *p;
        }
        UmrissAlsKontur(konturen, punkte, pixelProMM, block.BlockName, e.Hinweise);
    }
    a.Konturen = std::move(konturen);

    TAuftragsdatenFelder &f = e.Felder;
    Vorbelegen(f, a, kontext.Konfiguration, kontext.Einstellungen, kontext.KundenModus, kontext.Jetzt);
    f.PatientenID = AlsAuftragstext(plan.Patient.PatientID);
    f.Zielvolumen = AlsAuftragstext((*beam)->BeamName);
    f.KurzKommentar = AlsAuftragstext((*beam)->BeamDescription);
    // The tray distance of an electron plan is the applicator's, never the accelerator's FBA.
    if (!f.Elektronen) {
        const qint64 fba = roundHalfEven((*block0)->SourceToBlockTrayDistance);
        if (fba > 300 && fba < 900)
            FBASetzen(f, a, double(fba));
        else
            e.Hinweise << FBANichtUebernommenText(true);
    }
    KollimatorSetzen(f, (*cp0)->BeamLimitingDeviceAngle);
    GantrySetzen(f, (*cp0)->GantryAngle);
    if ((*block0)->BlockThickness != 0)
        GusshoeheSetzen(f, (*block0)->BlockThickness);

    const std::optional<QPoint> ecke1 = (*cp0)->FieldCorner1();
    const std::optional<QPoint> ecke2 = (*cp0)->FieldCorner2();
    if (ecke1 && ecke2) {
        a.FeldEcke1 = ZehntelMMInPixel(pixelProMM, *ecke1);
        a.FeldEcke2 = ZehntelMMInPixel(pixelProMM, *ecke2);
        e.FeldGesetzt = true;
    } else {
        a.FeldEcke1 = KeinPunkt;
        a.FeldEcke2 = KeinPunkt;
    }

    const TDatenUebernahme daten = DatenUebernehmen(f, a);
    if (daten.DatumUnlesbar)
        e.Hinweise << DatumUnlesbarText();
    if (daten.FBAFalsch)
        e.Hinweise << FBAFalschText();
    a.DICOMGeladen = true;
    a.Geaendert = true;
    e.Uebernommen = true;
    return e;
}

} // namespace qv
