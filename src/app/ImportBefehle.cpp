#include "app/ImportBefehle.h"

#include "base/Messages.h"
#include "dicom/DICOMUebernahme.h"
#include "dicom/DicomUebersicht.h"

namespace qv {

bool ImportErgebnisAnwenden(const ImportErgebnis &ergebnis, ImportFenster &fenster, Messages &messages)
{
    if (!ergebnis.Uebernommen) {
        messages.error(ergebnis.Fehler);
        return false;
    }
    fenster.auftrag() = ergebnis.Auftrag;
    for (const QString &hinweis : ergebnis.Hinweise)
        messages.information(hinweis);
    fenster.ImportUebernommen(ergebnis.FeldGesetzt);
    return true;
}

bool DicomPlanUebernehmen(DcmdumpRunner &runner, const QString &datei, qsizetype beamIndex, const ImportKontext &kontext,
                          ImportFenster &fenster, Messages &messages)
{
    fenster.auftrag().DICOMGeladen = false;
    const Result<TvelDICOMRTPlanClass> plan = LoadRTPlan(runner, datei);
    if (!plan) {
        messages.error(plan.error());
        return false;
    }
    return ImportErgebnisAnwenden(DICOMBeamUebernehmen(fenster.auftrag(), *plan, beamIndex, kontext), fenster, messages);
}

bool DicomZielstrukturUebernehmen(DcmdumpRunner &runner, const QString &datei, qsizetype beamIndex,
                                  const TZielstrukturWahl &ziel, const ImportKontext &kontext, ImportFenster &fenster,
                                  Messages &messages)
{
    fenster.auftrag().DICOMGeladen = false;
    // Both files are read once more: they may have changed since the folder was listed.
    const Result<TZielstruktur> geworfen = ZielstrukturLesen(datei, beamIndex, ziel.Strukturset, ziel.ROIName);
    if (!geworfen) {
        messages.error(geworfen.error());
        return false;
    }
    const Result<TSchattenUmrisse> umrisse = geworfen->Schatten.Umrisse(ziel.Rand);
    if (!umrisse) {
        messages.error(umrisse.error());
        return false;
    }
    const Result<TvelDICOMRTPlanClass> plan = LoadRTPlanOhneBlockpruefung(runner, datei);
    if (!plan) {
        messages.error(plan.error());
        return false;
    }
    const Result<TvelDICOMRTPlanClass> mitBloecken = MitZielstrukturBloecken(*plan, beamIndex, umrisse->Konturen, geworfen->ROIName);
    if (!mitBloecken) {
        messages.error(mitBloecken.error());
        return false;
    }
    for (const QString &hinweis : umrisse->Hinweise)
        messages.information(hinweis);
    return ImportErgebnisAnwenden(DICOMBeamUebernehmen(fenster.auftrag(), *mitBloecken, beamIndex, kontext), fenster, messages);
}

QString DcmdumpFehltText()
{
    return QStringLiteral("Die Datei \"dcmdump.exe\" muß im Quellvantar-Verzeichnis liegen.\rOhne diese Datei ist das "
                          "Einlesen von DICOM-Dateien nicht möglich.\r\rBitte erneuern Sie die Datei, oder installieren "
                          "Sie Quellvantar neu.");
}

QString DicomHilfeTitel()
{
    return QStringLiteral("DICOM-Import");
}

QString DicomHilfeText()
{
    return QStringLiteral("Hier werden alle DICOM-Pläne angezeigt, die Blockdaten enthalten.\r\nIn der Anzeige sind die "
                          "Patienten mit ihren Beams und den dazugehörigen Feldern aufgelistet.\r\n\r\nWählen Sie den "
                          "gewünschten Beam eines Patienten aus, Sie erhalten automatisch rechts eine Vorschau.\r\nMit "
                          "\"Öffnen\" übernehmen Sie den Patienten in Quellvantar.");
}

} // namespace qv
