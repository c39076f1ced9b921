#include "workspace/ArbeitsflaecheSteuerung.h"

#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Logging.h"
#include "base/image/ImageIO.h"
#include "config/TKundenDaten.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/TBilddrehungForm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace qv {

namespace {

const QString kInit = QStringLiteral("Init");

const QString kBildLadenHilfe = QStringLiteral(
    "Das Bild kommt von Ihrem Planungssystem. (JPG oder Bitmap)\r\n"
    "In diesem erstellen Sie eine Photonen- oder Elektronenplanung.\r\n"
    "Wählen Sie im Planungssystem eine Darstellung in der man mind. Zentrahlstrahl, Feldgröße, Blockkonturen, bzw. "
    "die Apertur für Elektronen gut erkennen kann.\r\n"
    "Außerdem muss sich auf dem Screenshot eine Art Maßstab befinden, mit dem Sie später die Größenrelationen "
    "bestimmen.\r\n"
    "Ihr Screenshot muß eine Darstellung in 100cm, also in der Isozentrumsebene sein.\r\n"
    "Fertigen Sie ihn so, daß möglichst nur die relevanten Informationen enthalten sind. So fällt Ihnen das "
    "Nachzeichnen leichter.\r\n"
    "Im Dialog öffnen Sie die entsprechende Datei. Eine Voransicht erleichtert Ihnen dabei die Auswahl. In diesem "
    "Dialog haben Sie, wie in Windows Dialogen, die Möglichkeit bearbeitete Datensätze zu löschen, damit es für Sie "
    "übersichtlich bleibt.");

const QString kBildDrehenHilfe = QStringLiteral(
    "Sollten Ihre Feldmittellinien nicht exakt horizontal bzw. vertikal ausgerichtet sein, so haben Sie hier die "
    "Möglichkeit, die Ausrichtung vorzunehmen.\r\nDie Feldmittellinien MÜSSEN exakt ausgerichtet sein.");

} // namespace

ArbeitsflaecheSteuerung::ArbeitsflaecheSteuerung(Arbeitsflaeche &a, const TKundenDaten &kunde, IniFile &einstellungen,
                                                 Messages &dialogMeldungen, FileChooser &dateiDialog,
                                                 FileChooser *vorschauDialog, ArbeitsflaecheHost &host,
                                                 QWidget *fenster)
    : QObject(fenster), m_a(a), m_kunde(kunde), m_ini(einstellungen), m_dateiDialog(dateiDialog),
      m_vorschauDialog(vorschauDialog), m_host(host)
{
    m_widget = new ArbeitsflaecheWidget(a, fenster);
    m_drehForm = new TBilddrehungForm(dialogMeldungen, fenster);
    if (!fenster) {
        m_eigenesWidget.reset(m_widget);
        m_eigeneDrehForm.reset(m_drehForm);
    }

    connect(m_drehForm, &TBilddrehungForm::vorlageGedreht, this, [this](const QImage &bild) {
        VorlageSetzen(bild);
        P_MainResize();
    });
    connect(m_widget, &ArbeitsflaecheWidget::mausBewegt, this,
            [this](const QPoint &geraet, Qt::MouseButtons, Qt::KeyboardModifiers) { StatusAnzeigen(geraet); });
}

ArbeitsflaecheSteuerung::~ArbeitsflaecheSteuerung() = default;

QString ArbeitsflaecheSteuerung::bildFilter()
{
    return QStringLiteral("Bilder (Jpg, Bitmap oder PNG) (*.jpg *.bmp *.png *.JPG *.BMP *.PNG)");
}

BildEinlesenErgebnis ArbeitsflaecheSteuerung::BildLaden()
{
    m_host.KnopfGedrueckt(ArbeitsflaecheHost::Knopf::Bild, true);
    m_host.Kontexthilfe(kBildLadenHilfe, QStringLiteral("Bild einlesen"));

    const bool vorschau = m_ini.readBool(kInit, QStringLiteral("Bildvorschau"), true);
    const QString start = m_ini.readString(kInit, QStringLiteral("OpenPathBild"), QDir::homePath());
    FileChooser &dialog = vorschau && m_vorschauDialog ? *m_vorschauDialog : m_dateiDialog;
    const QString pfad = dialog.openFile(vorschau ? QStringLiteral("Bild öffnen") : QStringLiteral("Öffnen"), start, bildFilter());

    BildEinlesenErgebnis ergebnis;
    if (!pfad.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_ini.writeString(kInit, QStringLiteral("OpenPathBild"), QFileInfo(pfad).absolutePath());
        Result<QImage> bild = readTemplateImage(pfad);
        QApplication::restoreOverrideCursor();
        if (bild) {
            // Isocentre, scale, field and contours stay where they are.
            VorlageSetzen(*bild);
            m_host.SetGeaendert();
            m_host.BildBirneZeigen();
            m_drehForm->AusgangsbildSetzen(m_a.auftrag().Vorlage);
            P_MainResize();
            ergebnis.geladen = true;
        } else {
            // The order keeps its unsaved-changes flag: contours traced before must not be
            // lost silently when the program is closed.
            // Why (too large, damaged, unknown type) goes to the log and to the caller.
            qCWarning(lcDatei).noquote() << bild.error();
            ergebnis.fehler = bild.error();
            VorlageSetzen(QImage());
        }
    }
    m_host.ModusHilfe();
    m_host.KnopfGedrueckt(ArbeitsflaecheHost::Knopf::Bild, false);
    m_host.AblaufAktualisieren();
    neuZeichnen();
    return ergebnis;
}

void ArbeitsflaecheSteuerung::BildDrehen(const std::function<bool()> &ueberlagerungenVerwerfen)
{
    m_host.KnopfGedrueckt(ArbeitsflaecheHost::Knopf::BildDrehen, true);
    const auto ende = [this] { m_host.KnopfGedrueckt(ArbeitsflaecheHost::Knopf::BildDrehen, false); };
    if (!m_a.hatVorlage())
        return ende();
    // Anything beyond image, order type and direction is an overlay the rotation loses.
    if ((m_a.AblaufStatus & ~std::uint16_t(ablauf::Bild | ablauf::Einschubrichtung)) != ablauf::Auftragsart
        && !ueberlagerungenVerwerfen())
        return ende();
    m_host.Kontexthilfe(kBildDrehenHilfe, QStringLiteral("Drehen des Bildes"));

    m_a.AblaufStatus = ablauf::Bild | ablauf::Auftragsart;
    m_a.UeberlagerungenLoeschen();
    m_host.EinschubrichtungZuruecksetzen();
    m_host.SetGeaendert();
    neuZeichnen();

    m_drehForm->Zeigen();

    m_host.ModusHilfe();
    m_host.AblaufAktualisieren();
    ende();
}

void ArbeitsflaecheSteuerung::IsozentrumSetzen(const QPoint &seite)
{
    m_a.IsozentrumSetzen(seite);
    neuZeichnen();
}

void ArbeitsflaecheSteuerung::VorlageSetzen(const QImage &bild)
{
    m_a.VorlageSetzen(bild);
    neuZeichnen();
}

void ArbeitsflaecheSteuerung::StatusAnzeigen(const QPoint &geraet)
{
    emit statusGeaendert(qv::StatusAnzeigen(geraet, m_a, m_widget->abbildung(), m_kunde));
}

void ArbeitsflaecheSteuerung::FFAAnzeigen()
{
    emit ffaGeaendert(FFAAnzeigeFuer(m_kunde.FFA));
}

void ArbeitsflaecheSteuerung::P_MainResize()
{
    m_widget->P_MainResize();
}

void ArbeitsflaecheSteuerung::neuZeichnen()
{
    m_widget->neuZeichnen();
    emit ansichtGeaendert();
}

void ArbeitsflaecheSteuerung::eingabeNeuZeichnen()
{
    m_widget->neuZeichnen();
}

Abbildung ArbeitsflaecheSteuerung::abbildung() const
{
    return m_widget->abbildung();
}

void ArbeitsflaecheSteuerung::setZeiger(Qt::CursorShape form)
{
    m_widget->setZeiger(form);
}

bool ArbeitsflaecheSteuerung::EbeneUmschalten(Ebene e)
{
    setEbeneSichtbar(e, !m_a.anzeige[e]);
    return m_a.anzeige[e];
}

void ArbeitsflaecheSteuerung::setEbeneSichtbar(Ebene e, bool sichtbar)
{
    m_a.anzeige[e] = sichtbar;
    neuZeichnen();
}

void ArbeitsflaecheSteuerung::InvertedClick(bool invertiert)
{
    m_a.Invertiert = invertiert;
    m_ini.writeBool(kInit, QStringLiteral("BildInvertiert"), invertiert);
    neuZeichnen();
}

void ArbeitsflaecheSteuerung::NeuerAuftrag()
{
    m_a.Invertiert = m_ini.readBool(kInit, QStringLiteral("BildInvertiert"), false);
    m_a.AnzeigeZuruecksetzen();
    m_widget->Zuruecksetzen();
    StatusAnzeigen(KeinPunkt);
}

} // namespace qv
