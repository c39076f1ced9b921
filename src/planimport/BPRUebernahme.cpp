#include "planimport/BPRUebernahme.h"

#include "base/Numbers.h"
#include "planimport/BPRDatei.h"

namespace qv {

bool BPRBeamOeffenbar(const BPRBeam &beam)
{
    if (!beam.Gueltig)
        return false;
    for (const QList<QPoint> &kontur : beam.Konturen) {
        if (kontur.size() >= 3)
            return true;
    }
    return false;
}

ImportErgebnis BPRBeamUebernehmen(const TAuftrag &auftrag, const BPRBeam &beam, const ImportKontext &kontext)
{
    ImportErgebnis e;
    e.Auftrag = auftrag;
    if (!BPRBeamOeffenbar(beam)) {
        QStringList gruende = beam.Meldungen;
        gruende << QStringLiteral("Der Beam %1 enthält keine Kontur, die übernommen werden kann.").arg(beam.Nummer);
        e.Fehler = gruende.join(u'\r');
        e.Auftrag = TAuftrag();
        return e;
    }

    TAuftrag &a = e.Auftrag;
    const double pixelProMM = a.PixelProMM();
    TKonturen konturen;
    konturen.setMinPunktAbstand(a.Massstab.MinPunktAbstand);
    for (qsizetype k = 0; k < beam.Konturen.size(); ++k)
        UmrissAlsKontur(konturen, beam.Konturen[k], pixelProMM, QStringLiteral("Kontur %1").arg(k + 1), e.Hinweise);
    a.Konturen = std::move(konturen);

    if (beam.Blende) {
        a.FeldEcke1 = ZehntelMMInPixel(pixelProMM, QPoint(beam.Blende->Left, beam.Blende->Top));
        a.FeldEcke2 = ZehntelMMInPixel(pixelProMM, QPoint(beam.Blende->Right, beam.Blende->Bottom));
        e.FeldGesetzt = true;
    } else {
        // A file without jaws gives no field rather than one of no extent.
        a.FeldEcke1 = KeinPunkt;
        a.FeldEcke2 = KeinPunkt;
    }

    TAuftragsdatenFelder &f = e.Felder;
    Vorbelegen(f, a, kontext.Konfiguration, kontext.Einstellungen, kontext.KundenModus, kontext.Jetzt);
    f.PatientenID = AlsAuftragstext(beam.PatientenID);
    f.Zielvolumen = AlsAuftragstext(beam.Zielvolumen);
    f.KurzKommentar = AlsAuftragstext(beam.Kommentar);
    // A file without an FBA (or with an implausible one) must not overwrite the accelerator's.
    // The range applies to the value as it is written (whole millimetres).
    const std::optional<double> fba = parseDecimal(beam.FBA);
    const qint64 fbaMM = fba ? roundHalfEven(*fba * 10) : 0;
    if (fbaMM > 300 && fbaMM < 900)
        FBASetzen(f, a, double(fbaMM));
    else
        e.Hinweise << FBANichtUebernommenText(false);
    KollimatorSetzen(f, parseDecimal(beam.Kollimator).value_or(0));
    GantrySetzen(f, parseDecimal(beam.Gantry).value_or(0));

    const TDatenUebernahme daten = DatenUebernehmen(f, a);
    if (daten.DatumUnlesbar)
        e.Hinweise << DatumUnlesbarText();
    if (daten.FBAFalsch)
        e.Hinweise << FBAFalschText();
    a.BPRGeladen = true;
    a.Geaendert = true;
    e.Uebernommen = true;
    return e;
}

} // namespace qv
