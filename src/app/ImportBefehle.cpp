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
