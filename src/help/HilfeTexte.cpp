#include "help/HilfeTexte.h"

#include "base/Numbers.h"
#include "workspace/Arbeitsmodus.h"

namespace qv {

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString zeilen(std::initializer_list<const char16_t *> teile)
{
    QStringList l;
    for (const char16_t *t : teile)
        l.append(QString::fromUtf16(t));
    return l.join(CRLF);
}

const QString &bildModusText()
{
    static const QString text = zeilen({
        u"Sie können die Hilfe jederzeit im Hauptformular mit \"F1\" aktivieren bzw. deaktivieren!",
        u"",
        u"In diesem Modus liegt Ihnen eine Vorlage in Form eines Bildes (Screenshot aus ihrem Planungssystem) vor.",
        u"Ihr Screenshot muß als JPG, Bitmap bzw. PNG vorliegen",
        u"Mit dessen Hilfe können Sie Ihre Blöcke, bzw. Blenden nachzeichnen und mit einem passenden Maßstab "
        u"versehen.",
        u"Arbeiten Sie dazu die Funktionsbuttons am rechten Bildschirmrand, oder auch über das Menue von oben nach "
        u"unten ab. Das Ampelsymbol links neben den Buttons zeigt Ihnen, ob eine Eingabe noch notwendig (rot), "
        u"optional (gelb) oder fertig (grün) ist.",
        u"",
        u"- Mit Hilfe der Glühlampen können Sie in der zentralen Bildansicht die Sichtbarkeit der enstprechenden "
        u"Teilmengen an- bzw. abschalten.",
        u"",
        u"- Sollte die Darstellung auf dem Bild schlecht erkennbar sein, können Sie über 'Ansicht/invertierte "
        u"Darstellung' das eingelesene Bild invertieren.",
    }) + CRLF.repeated(4);
    return text;
}

const QString &zeichenModusText()
{
    static const QString text = zeilen({
        u"Sie können die Hilfe jederzeit vom Hauptformular aus mit \"F1\" aktivieren bzw. deaktivieren!",
        u"",
        u"In diesem Modus haben Sie keine Vorlage, sondern nur die Information, an welcher Stelle ein z.B. "
        u"Rechteck oder Kreis benötigt wird.",
        u"Diese Formen können Sie hier generieren.",
    });
    return text;
}

const QString &bprModusText()
{
    static const QString text = zeilen({
        u"Sie können die Hilfe jederzeit vom Hauptformular aus mit \"F1\" aktivieren bzw. deaktivieren!",
        u"",
        u"In diesem Modus können Sie Dateien aus Ihrem Planungssystem einlesen und übernehmen.",
        u"",
        u"Um mit dem Import zu beginnen, rufen Sie \"BPR-Format einlesen\" auf.",
    });
    return text;
}

const QString &dicomModusText()
{
    static const QString text = zeilen({
        u"Sie können die Hilfe jederzeit vom Hauptformular aus mit \"F1\" aktivieren bzw. deaktivieren!",
        u"",
        u"In diesem Modus können Sie DICOM-RT Plan Dateien einlesen und übernehmen.",
        u"",
        u"Um mit dem Import zu beginnen, rufen Sie \"DICOM einlesen\" auf.",
    }) + CRLF.repeated(6);
    return text;
}

QString platoText()
{
    return zeilen({
        u"So erstellen Sie mit Plato RTS einen Screenshot für Quellvantar:",
        u"",
        u"1. Stellen Sie im Planungssystem die Beam's Eye View des Feldes als Einzelbild dar, so dass der Block "
        u"vollständig zu sehen ist.",
        u"2. Schalten Sie die Maßstabsmarkierung (Scale Marker) ein. Sie brauchen sie später für die "
        u"Maßstabseingabe.",
        u"3. Starten Sie den Media Recorder und ziehen Sie den Auswahlrahmen über das Bild.",
        u"    Der Rahmen muss folgende Angaben enthalten, damit der Auftrag eindeutig bleibt:",
        u"    - die Patienten-ID,",
        u"    - die Bezeichnungen der Blenden X1, X2, Y1 und Y2,",
        u"    - den Namen und die Nummer des Feldes,",
        u"    - den Orientierungswürfel.",
        u"4. Nehmen Sie das Bild mit Verzögerung auf, damit der Media Recorder selbst nicht im Bild erscheint.",
        u"5. Wandeln Sie die Aufnahme in eine BMP-Datei um.",
        u"6. Bringen Sie die Datei per Diskette oder per FTP auf den Rechner, auf dem Quellvantar läuft.",
        u"",
        u"Danach lesen Sie das Bild mit \"Bild einlesen\" ein.",
    });
}

QString xioText()
{
    return zeilen({
        u"So erstellen Sie mit Xio 4.x (Linux) einen Screenshot für Quellvantar:",
        u"",
        u"1. Wählen Sie das Fenster mit der Beam's Eye View des Feldes, so dass der Block vollständig zu sehen "
        u"ist.",
        u"2. Drücken Sie die Druck-Taste. Der Screenshot wird in Ihrem Home-Verzeichnis gespeichert, "
        u"standardmäßig als PNG-Datei.",
        u"3. Übertragen Sie die Datei auf den Rechner, auf dem Quellvantar läuft.",
        u"",
        u"Hinweise:",
        u"    - Quellvantar liest PNG-Dateien direkt. Wenn Sie das Bild weitergeben oder archivieren wollen, "
        u"können Sie es mit einem Bildprogramm auch nach JPG oder Bitmap umwandeln.",
        u"    - Für die Übertragung im Netzwerk eignen sich ein freigegebenes Verzeichnis oder FTP. Fragen Sie "
        u"dazu gegebenenfalls Ihre EDV-Abteilung.",
        u"",
        u"Danach lesen Sie das Bild mit \"Bild einlesen\" ein.",
    });
}

QString helaxText()
{
    return zeilen({
        u"So erstellen Sie mit Helax TMS 6.1A einen Screenshot für Quellvantar:",
        u"",
        u"1. Stellen Sie die Beam's Eye View des Feldes mit dem Block dar.",
        u"2. Starten Sie das Werkzeug XDUMP.",
        u"    - Mit der Tastenkombination für den ganzen Bildschirm speichern Sie den gesamten Bildschirminhalt.",
        u"    - Mit gedrückter Maustaste markieren Sie einen Bereich, wenn nur dieser gespeichert werden soll.",
        u"3. Im folgenden Speichern-Dialog geben Sie Dateiname und Verzeichnis an.",
        u"4. Übertragen Sie die Datei per FTP auf den Rechner, auf dem Quellvantar läuft.",
        u"",
        u"Danach lesen Sie das Bild mit \"Bild einlesen\" ein.",
    });
}

QString pinnacleText()
{
    return zeilen({
        u"DICOM-Export aus Pinnacle:",
        u"",
        u"1. Für den DICOM-Export benötigen Sie die entsprechende Lizenz in Pinnacle.",
        u"2. Exportieren Sie den Plan wie einen normalen Plan-Export als DICOM RT Plan.",
        u"3. Der Empfänger (Export-Ziel) legt das Verzeichnis fest, in das die Datei geschrieben wird. Wählen Sie "
        u"ein Verzeichnis, das Sie vom Rechner mit Quellvantar aus erreichen.",
        u"4. Öffnen Sie die Datei in Quellvantar mit \"DICOM einlesen\".",
    });
}

QString eclipseText()
{
    return zeilen({
        u"Block-Export aus Eclipse:",
        u"",
        u"1. Öffnen Sie das Feld in der Beam's Eye View, so dass der Block zu sehen ist.",
        u"2. Starten Sie den Export-Assistenten und wählen Sie den Export-Filter von Zarn e.K.",
        u"3. Der Export erzeugt eine Datei RP….dcm.",
        u"4. Lesen Sie diese Datei in Quellvantar über das DICOM-Modul mit \"DICOM einlesen\" ein.",
    });
}

QString precisePlanText()
{
    return zeilen({
        u"DICOM-Export aus PrecisePlan:",
        u"",
        u"1. Ganze Pläne exportieren Sie über Utilities / DICOM-Export.",
        u"2. Als Ziel wählen Sie den Beschleuniger oder eine Datei. Für Quellvantar exportieren Sie in eine "
        u"Datei.",
        u"3. Lesen Sie die Datei in Quellvantar mit \"DICOM einlesen\" ein.",
        u"",
        u"Achtung: Exportieren Sie nicht an den Beschleuniger, während dort bestrahlt wird!",
    });
}

QString zielstrukturText()
{
    return zeilen({
        u"Blende aus der Zielstruktur:",
        u"",
        u"Wurde im Planungssystem kein Block und keine Blende entworfen, kann Quellvantar den Umriss "
        u"aus dem Zielvolumen zeichnen: den Schatten der Struktur von der Strahlquelle auf die "
        u"Isozentrumsebene, erweitert um einen Rand.",
        u"",
        u"1. Exportieren Sie den RT-Plan und das RT-Strukturset (RS….dcm) in dasselbe Verzeichnis.",
        u"2. Wählen Sie im DICOM-Import den Beam. Liegt im Verzeichnis ein Strukturset mit demselben "
        u"Bezugssystem, erscheint die Auswahl \"Zielstruktur\".",
        u"3. Wählen Sie die Struktur und geben Sie den Rand in mm ein (0 bis 50). Die Vorschau zeigt "
        u"den Umriss sofort.",
        u"4. Mit \"Übernehmen\" wird der Umriss wie ein Block des Plans übernommen.",
        u"",
        u"Vergleichen Sie den Umriss vor der Bestellung mit der Beam's Eye View des Planungssystems.",
    });
}

QString masterplanText()
{
    return zeilen({
        u"DICOM-Export aus Oncentra MasterPlan (ab Version 1.4):",
        u"",
        u"1. Für den DICOM-Export benötigen Sie die entsprechende Lizenz.",
        u"2. Richten Sie einen DICOM-Partner (DICOM Peer) ein, der die Dateien in ein Verzeichnis schreibt.",
        u"3. Wählen Sie die Aktivität \"Export\".",
        u"4. Wählen Sie den Patienten und als Objekt den RTPlan des gewünschten Feldes.",
        u"5. Starten Sie den Export an den eingerichteten DICOM-Partner.",
        u"6. Holen Sie die Datei RP*.dcm aus dem Zielverzeichnis und lesen Sie sie in Quellvantar mit "
        u"\"DICOM einlesen\" ein.",
    });
}

} // namespace

QString hilfeRahmenZeile()
{
    return u' ' + QString(85, u'-');
}

QString hilfeGerahmt(const QString &text)
{
    return hilfeRahmenZeile() + CRLF + text + CRLF + hilfeRahmenZeile();
}

HilfeMemoGroesse hilfeMemoGroesse(int zeilen)
{
    const int hoehe = int(roundHalfEven(zeilen * 13.2)) + 3;
    if (hoehe < HilfeMemoMaxHoehe)
        return {hoehe, 265, false};
    return {HilfeMemoMaxHoehe, 285, true};
}

QStringList modusTextZeilenKuerzen(const QStringList &angezeigteZeilen, bool istBildModusText)
{
    if (!istBildModusText || angezeigteZeilen.size() != 34)
        return angezeigteZeilen;
    return angezeigteZeilen.mid(0, angezeigteZeilen.size() - 5);
}

QPoint linkPanelPosition(QSize memo, QSize panel)
{
    int links = (memo.width() - panel.width()) / 2;
    if (memo.height() == HilfeMemoMaxHoehe)
        links -= 10;
    return QPoint(links, memo.height() - panel.height() - 20);
}

int hilfePosY(int gespeichert)
{
    return gespeichert == HilfeAusserSicht ? 0 : gespeichert;
}

QPoint hilfeStandardPosition(QPoint hauptfensterLinksOben, int breiteHauptpanel, int hilfeBreite)
{
    return QPoint(hauptfensterLinksOben.x() + breiteHauptpanel - hilfeBreite, hauptfensterLinksOben.y() + 40);
}

QString modusHilfeTitel(int modus)
{
    switch (modus) {
    case ModusOhneVorlage: return QStringLiteral("Zeichen-Modus");
    case ModusBPR: return QStringLiteral("BPR-Modus");
    case ModusDICOM: return QStringLiteral("DICOM-Modus");
    default: return QStringLiteral("Bild-Modus");
    }
}

QString modusHilfeText(int modus)
{
    switch (modus) {
    case ModusOhneVorlage: return zeichenModusText();
    case ModusBPR: return bprModusText();
    case ModusDICOM: return dicomModusText();
    default: return bildModusText();
    }
}

QString hilfeLinkTitel(HilfeLink link)
{
    switch (link) {
    case HilfeLink::Plato: return QStringLiteral("Screenshot Nucletron Plato RTS");
    case HilfeLink::Xio: return QStringLiteral("Screenshot Xio");
    case HilfeLink::Helax: return QStringLiteral("Screenshot Helax TMS 6.1A");
    case HilfeLink::BildHome: return QStringLiteral("Bild-Modus");
    case HilfeLink::Pinnacle: return QStringLiteral("DICOM Siemens Pinnacle");
    case HilfeLink::Eclipse: return QStringLiteral("DICOM Varian Eclipse");
    case HilfeLink::PrecisePlan: return QStringLiteral("DICOM Elekta PrecisePlan");
    case HilfeLink::Masterplan: return QStringLiteral("DICOM Masterplan");
    case HilfeLink::Weitere: return QStringLiteral("DICOM weitere");
    case HilfeLink::DicomHome: return QStringLiteral("Dicom-Modus");
    case HilfeLink::Zielstruktur: return QStringLiteral("DICOM Zielstruktur");
    }
    return {};
}

QString hilfeLinkText(HilfeLink link)
{
    switch (link) {
    case HilfeLink::Plato: return platoText();
    case HilfeLink::Xio: return xioText();
    case HilfeLink::Helax: return helaxText();
    case HilfeLink::BildHome: return bildModusText();
    case HilfeLink::Pinnacle: return pinnacleText();
    case HilfeLink::Eclipse: return eclipseText();
    case HilfeLink::PrecisePlan: return precisePlanText();
    case HilfeLink::Masterplan: return masterplanText();
    case HilfeLink::Weitere:
        return QStringLiteral("Die Beschreibung für weitere Planungssysteme ist in Vorbereitung.") + CRLF.repeated(6);
    case HilfeLink::DicomHome: return dicomModusText();
    case HilfeLink::Zielstruktur: return zielstrukturText();
    }
    return {};
}

} // namespace qv
