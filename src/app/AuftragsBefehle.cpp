#include "app/AuftragsBefehle.h"

#include "app/Auftragsdatei.h"
#include "app/AuftragsFenster.h"
#include "base/Clock.h"
#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"
#include "export/BlockExportZiel.h"
#include "order/AuftragsAblage.h"
#include "order/TAuftrag.h"
#include "workspace/Arbeitsmodus.h"

#include <QFileInfo>
#include <QStringList>

namespace qv {

namespace {

QString titel(const QString &rest)
{
    return QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - ") + rest;
}

// Every letter case of the extension, since the file system tells them apart.
QString auftragsMuster()
{
    QStringList muster;
    for (int i = 0; i < 8; ++i) {
        QString m = QStringLiteral("*.");
        m += i & 4 ? u'O' : u'o';
        m += i & 2 ? u'R' : u'r';
        m += i & 1 ? u'V' : u'v';
        muster.append(m);
    }
    return muster.join(u' ');
}

// The frame list of the order type decides the origin of a frame from the Siemens range.
const QString kSiemensHerkunft = QStringLiteral("aus meinem Bestand bei Zarn e.K.");

} // namespace

AuftragsBefehle::AuftragsBefehle(TAuftrag &auftrag, AuftragsFenster &fenster, Messages &meldungen,
                                 FileChooser &dateiWahl, IniFile &einstellungen, const Clock &uhr)
    : m_auftrag(auftrag)
    , m_fenster(fenster)
    , m_meldungen(meldungen)
    , m_dateiWahl(dateiWahl)
    , m_einstellungen(einstellungen)
    , m_uhr(uhr)
{
}

QString AuftragsBefehle::SpeichernFilter()
{
    return QStringLiteral("Quellvantar (") + auftragsMuster() + u')';
}

QString AuftragsBefehle::OeffnenFilter()
{
    return QStringLiteral("Quellvantar Datei (") + auftragsMuster() + u')';
}

QDateTime AuftragsBefehle::auftragszeit()
{
    if (!m_auftrag.Auftragszeitpunkt.isValid())
        m_auftrag.Auftragszeitpunkt = m_uhr.now();
    return m_auftrag.Auftragszeitpunkt;
}

void AuftragsBefehle::AuftragSpeichernUnter()
{
    m_fenster.SpeichernKnopfGedrueckt(true);
    const auto ende = [this] { m_fenster.SpeichernKnopfGedrueckt(false); };

    if (m_auftrag.Konturen.Anzahl() == 0) {
        if (istPhotonenAuftrag(m_auftrag.Auftragsart)) {
            m_meldungen.information(QStringLiteral("Sie haben keine Kontur definiert. Ohne Kontur kann \r"
                                                   "der Auftrag nicht gespeichert werden."));
            return ende();
        }
        if (m_meldungen.question(QStringLiteral("Sie haben keine Apertur definiert!\rWollen Sie diese "
                                                "Elektronenblende ohne Apertur, also geschlossen speichern?")) !=
            Messages::Answer::Yes)
            return ende();
    }

    if (const std::optional<QString> grund = m_fenster.SpeichernVerhindert()) {
        m_meldungen.warning(*grund);
        return ende();
    }

    const QString vorschlag = SavePathIndividuell(m_einstellungen) + u'/' + VorgeschlagenerName(auftragszeit());
    m_fenster.Kontexthilfe(QStringLiteral("Speichern Sie die Datei möglichst an einer Stelle, von der aus Sie diese "
                                          "dann als Mailanhang verschicken können.\r\nEine Kopie der Datei wird "
                                          "automatisch in eine Datumsstruktur unter dem von Ihnen eingestellten Pfad "
                                          "(Konfiguration) gespeichert."),
                           QStringLiteral("Speichern unter..."));
    const QString gewaehlt = m_dateiWahl.saveFile(QStringLiteral("Speichern unter..."), vorschlag, SpeichernFilter());
    if (!gewaehlt.isEmpty()) {
        SavePathIndividuellSetzen(m_einstellungen, QFileInfo(gewaehlt).absolutePath());
        const QString datei = MitAuftragsEndung(gewaehlt);
        if (AuftragSpeichern(datei, m_auftrag, m_meldungen)) {
            m_fenster.AuftragsdateiBenutzt(datei);
            const int wahl = m_fenster.AuftragAbgeschlossen(datei, m_auftrag.Auftragsdaten.Transport);
            // The archive copy comes first, whatever was chosen.
            if (!AuftragArchivieren())
                m_meldungen.warning(QStringLiteral("Das Speichern in der Datumsstruktur hat nicht geklappt."));
            if (wahl == 0) {
                m_fenster.ProgrammBeenden();
                return;
            }
            if (wahl == 1) {
                m_fenster.NeuerAuftragBefehl();
            } else {
                m_fenster.Fenstertitel(titel(QStringLiteral("Gespeichert nach ") + datei));
                m_auftrag.Geaendert = false;
            }
        }
    }
    m_fenster.ModusHilfe();
    ende();
}

bool AuftragsBefehle::SpeichernPruefen()
{
    if (const std::optional<QString> grund = m_fenster.SpeichernVerhindert()) {
        m_meldungen.warning(*grund);
        return false;
    }
    if (!m_auftrag.hatVorlage()) {
        m_meldungen.information(QStringLiteral("Sie haben noch kein Bild eingelesen, ohne Einlesen eines Bildes\r"
                                               "kann nicht gespeichert werden. Bitte lesen Sie ein Bild ein."));
        return false;
    }
    // In the modes with the generated ruler image its centre is the isocentre.
    const int modus = m_fenster.Modus();
    const bool linealModus = modus >= ModusOhneVorlage && modus <= ModusDICOM;
    if (!m_auftrag.IsozentrumGesetzt && !linealModus) {
        m_meldungen.information(QStringLiteral("Das Isozentrum ist noch nicht eingegeben.\rOhne Eingabe vom Isozentrum "
                                               "ist keine Speicherung möglich.\rBitte geben das Isozentrum ein."));
        return false;
    }
    if (!m_auftrag.MassstabGesetzt()) {
        m_meldungen.information(QStringLiteral("Der Maßstab ist noch nicht eingegeben.\rOhne Eingabe des Maßstabs ist "
                                               "keine Speicherung möglich.\rBitte geben Sie einen Maßstab ein."));
        return false;
    }
    if (!m_fenster.AuftragsdatenVollstaendig()) {
        m_meldungen.information(QStringLiteral("Die Auftragsdaten sind noch nicht vollständig.\rGeben Sie zur "
                                               "Speicherung bitte die Auftragsdaten ein."));
        return false;
    }
    return true;
}

bool AuftragsBefehle::AuftragArchivieren()
{
    if (!SpeichernPruefen())
        return false;
    const QString pfad = ArchivPfad(ArchivBasisAus(TKundenDaten::SavePath(m_einstellungen)), auftragszeit());
    // A folder that cannot be made lets the write fail with its message.
    OrdnerAnlegen(pfad);
    bool geschrieben = false;
    if (AuftragSpeichern(pfad, m_auftrag, m_meldungen)) {
        m_auftrag.Geaendert = false;
        m_fenster.Fenstertitel(titel(QStringLiteral("Gespeichert nach ") + pfad));
        geschrieben = true;
    }
    m_fenster.AblaufAktualisieren();
    return geschrieben;
}

void AuftragsBefehle::AuftragOeffnen()
{
    m_fenster.Beschaeftigt(true);
    // A person who keeps the old order has ended the command.
    if (!m_fenster.NeuerAuftragImBildModus()) {
        oeffnenAbschliessen();
        return;
    }
    const QString start = OeffnenStartOrdner(m_fenster.KundenModus(), m_einstellungen, m_uhr.now().date(),
                                             [](const QString &p) { return QFileInfo(p).isDir(); });
    m_fenster.Kontexthilfe(QStringLiteral("Hiermit öffnen Sie abgeschlossene Quellvantar Projekte und können diese "
                                          "ggf. noch modifizieren.\r\nDiese Dateien haben die Endung \".ORv\" und "
                                          "werden in dem in der Konfiguration angegebenen Pfad abgelegt."),
                           QStringLiteral("Quellvantar Datei einlesen"));
    m_fenster.Beschaeftigt(false);
    const QString datei = m_dateiWahl.openFile(QStringLiteral("Öffnen..."), start, OeffnenFilter());
    m_fenster.Beschaeftigt(true);
    if (!datei.isEmpty())
        dateiOeffnen(datei);
    oeffnenAbschliessen();
}

void AuftragsBefehle::AuftragOeffnenVonAussen(const QString &datei)
{
    m_fenster.Beschaeftigt(true);
    if (m_fenster.NeuerAuftragImBildModus())
        dateiOeffnen(datei);
    oeffnenAbschliessen();
}

void AuftragsBefehle::dateiOeffnen(const QString &datei)
{
    OpenPathSetzen(m_einstellungen, QFileInfo(datei).absolutePath());
    const OrderLoadResult gelesen = AuftragLaden(datei, m_auftrag, m_meldungen);
    if (gelesen.status == OrderLoadResult::Geladen) {
        m_auftrag.EinschubGesetzt = true;
        m_fenster.Fenstertitel(titel(QStringLiteral("Geladen von ") + datei + QStringLiteral(" (erstellt mit Version ") +
                                     gelesen.GeladeneVersion + u')'));
        m_auftrag.LetzteAuftragsdatei = datei;
        m_fenster.AuftragsdateiBenutzt(datei);
        if (!m_fenster.KundenModus() && IstAlsExportiertMarkiert(datei)) {
            m_meldungen.information(QStringLiteral("ACHTUNG PRODUKTION:\r\n\r\nDiese Datei wurde schon exportiert. "
                                                   "Vorsicht vor doppelter Fertigung!"));
        }
        m_auftrag.AusDatei = true;
        if (istElektronenAuftrag(m_auftrag.Auftragsart) &&
            m_auftrag.Auftragsdaten.TragplatteRahmen.toUpper().startsWith(QStringLiteral("SIEMENS")))
            m_auftrag.Auftragsdaten.Herkunft = kSiemensHerkunft;
        m_fenster.AuftragUebernommen();
    } else if (gelesen.status == OrderLoadResult::Fehler) {
        // None of the file is applied: the order stays the reset one.
        m_meldungen.information(QStringLiteral("Die Datei ") + datei + QStringLiteral(" konnte nicht geladen werden"));
    }
    // Whatever came of it, the window shows the opened order for viewing only.
    m_fenster.BearbeitungErlauben(false);
}

void AuftragsBefehle::oeffnenAbschliessen()
{
    m_fenster.AblaufAktualisieren();
    m_fenster.Beschaeftigt(false);
    m_fenster.ModusHilfe();
}

} // namespace qv
