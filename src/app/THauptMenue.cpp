#include "app/THauptMenue.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qv {

QAction *THauptMenue::item(QMenu *menu, const QString &name, const QString &text, const QKeySequence &kurz)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(name);
    if (!kurz.isEmpty())
        a->setShortcut(kurz);
    return a;
}

THauptMenue::THauptMenue(QMainWindow *fenster)
    : QObject(fenster)
{
    QMenuBar *bar = fenster->menuBar();
    auto menue = [&](const QString &name, const QString &titel) {
        QMenu *m = bar->addMenu(titel);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name + QStringLiteral("_Menue"));
        return m;
    };

    Datei1 = menue(QStringLiteral("Datei1"), QStringLiteral("&Datei"));
    neu1 = item(Datei1, QStringLiteral("neu1"), QStringLiteral("Neu..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    oeffnen = item(Datei1, QStringLiteral("oeffnen"), QStringLiteral("Öffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_trennerNachOeffnen = Datei1->addSeparator();
    speichern1 = item(Datei1, QStringLiteral("speichern1"), QStringLiteral("Speichern"),
                      QKeySequence(Qt::CTRL | Qt::Key_S));
    SpeichernUnter1 = item(Datei1, QStringLiteral("SpeichernUnter1"), QStringLiteral("Speichern unter..."));
    BPRExport1 = item(Datei1, QStringLiteral("BPRExport1"), QStringLiteral("Als BPRFormat speichern..."));
    LAPExport1 = item(Datei1, QStringLiteral("LAPExport1"), QStringLiteral("Als LAP-Datei speichern..."));
    m_trennerVorDrucken = Datei1->addSeparator();
    Drucken1 = item(Datei1, QStringLiteral("Drucken1"), QStringLiteral("Drucken ..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_trennerNachDrucken = Datei1->addSeparator();
    Exportieren1 = Datei1->addMenu(QStringLiteral("Exportieren"));
    Exportieren1->setObjectName(QStringLiteral("Exportieren1"));
    Export1 = item(Exportieren1, QStringLiteral("Export1"), QStringLiteral("per Mail an Tesserakon"));
    m_trennerVorBeenden = Datei1->addSeparator();
    Beenden = item(Datei1, QStringLiteral("Beenden"), QStringLiteral("Beenden"), QKeySequence(Qt::CTRL | Qt::Key_X));

    Auftrag1 = menue(QStringLiteral("Auftrag1"), QStringLiteral("Auftrag/Eingaben"));
    AuftragsArt1 = item(Auftrag1, QStringLiteral("AuftragsArt1"), QStringLiteral("Auftragsart"));
    m_trennerNachAuftragsart = Auftrag1->addSeparator();
    BildEinlesen1 = item(Auftrag1, QStringLiteral("BildEinlesen1"), QStringLiteral("Bild einlesen"));
    Bilddrehung1 = item(Auftrag1, QStringLiteral("Bilddrehung1"), QStringLiteral("Bild drehen"));
    BPREinlesen1 = item(Auftrag1, QStringLiteral("BPREinlesen1"), QStringLiteral("BPR Format einlesen"));
    Dicomeinlesen1 = item(Auftrag1, QStringLiteral("Dicomeinlesen1"), QStringLiteral("DICOM einlesen"));
    m_trennerVorIsozentrum = Auftrag1->addSeparator();
    Isozentrumeingeben1 = item(Auftrag1, QStringLiteral("Isozentrumeingeben1"), QStringLiteral("Isozentrum eingeben"));
    ScaleInput1 = item(Auftrag1, QStringLiteral("ScaleInput1"), QStringLiteral("Maßstab eingeben"));
    m_trennerVorKontur = Auftrag1->addSeparator();
    KonturEingabe1 = item(Auftrag1, QStringLiteral("KonturEingabe1"), QStringLiteral("Kontur eingeben"));
    FeldEingabe1 = item(Auftrag1, QStringLiteral("FeldEingabe1"), QStringLiteral("Feld eingeben"));
    m_trennerVorEinschubrichtung = Auftrag1->addSeparator();
    Einschubrichtung1 = item(Auftrag1, QStringLiteral("Einschubrichtung1"), QStringLiteral("Einschubrichtung"));
    Auftragsdaten1 = item(Auftrag1, QStringLiteral("Auftragsdaten1"), QStringLiteral("Auftragsdaten"));
    m_trennerVorKundenDaten = Auftrag1->addSeparator();
    KundenDaten1 = item(Auftrag1, QStringLiteral("KundenDaten1"), QStringLiteral("KundenDaten"));

    Bearbeiten1 = menue(QStringLiteral("Bearbeiten1"), QStringLiteral("Bearbeiten"));
    verschieben1 = item(Bearbeiten1, QStringLiteral("verschieben1"), QStringLiteral("verschieben"));
    drehen1 = item(Bearbeiten1, QStringLiteral("drehen1"), QStringLiteral("drehen"));
    // the check mark shows the move or rotate mode that is on
    verschieben1->setCheckable(true);
    drehen1->setCheckable(true);
    Bearbeiten1->menuAction()->setVisible(false);

    Anzeige1 = menue(QStringLiteral("Anzeige1"), QStringLiteral("Ansicht"));
    Inverted = item(Anzeige1, QStringLiteral("Inverted"), QStringLiteral("Invertierte Darstellung"),
                    QKeySequence(Qt::CTRL | Qt::Key_I));
    Inverted->setCheckable(true);

    Modus1 = menue(QStringLiteral("Modus1"), QStringLiteral("Modus"));
    Bildmodus1 = item(Modus1, QStringLiteral("Bildmodus1"), QStringLiteral("Bild-Vorlage"));
    Zeichenmodus1 = item(Modus1, QStringLiteral("Zeichenmodus1"), QStringLiteral("ohne Vorlage"));
    BPRModus1 = item(Modus1, QStringLiteral("BPRModus1"), QStringLiteral("BPR-Modus"));
    Dicom1 = item(Modus1, QStringLiteral("Dicom1"), QStringLiteral("DICOM-Modus"));
    KompensatorModus1 = item(Modus1, QStringLiteral("KompensatorModus1"), QStringLiteral("Kompensator-Modus"));
    KompensatorModus1->setVisible(false);
    for (QAction *a : modusAktionen())
        a->setCheckable(true);

    Konfiguration1 = menue(QStringLiteral("Konfiguration1"), QStringLiteral("&Konfiguration"));
    Kundeneinstellungen1 = item(Konfiguration1, QStringLiteral("Kundeneinstellungen1"),
                                QStringLiteral("Kundeneinstellungen"));
    m_trennerNachKundeneinstellungen = Konfiguration1->addSeparator();
    Kundenmodus1 = item(Konfiguration1, QStringLiteral("Kundenmodus1"), QStringLiteral("Kundenmodus"));
    Kundenmodus1->setCheckable(true);

    TesserakonIntern1 = menue(QStringLiteral("TesserakonIntern1"), QStringLiteral("&Tesserakon intern"));
    QuellvantarConfigIntern1 = item(TesserakonIntern1, QStringLiteral("QuellvantarConfigIntern1"),
                                    QStringLiteral("Quellvantar Config (nur Intern)"));

    Drucken = menue(QStringLiteral("Drucken"), QStringLiteral("&Drucken"));
    DruckenAuftragsdaten1 = item(Drucken, QStringLiteral("DruckenAuftragsdaten1"), QStringLiteral("Auftragsdaten"));
    DruckenKundendaten1 = item(Drucken, QStringLiteral("DruckenKundendaten1"), QStringLiteral("Kundendaten"));
    DruckenAlles1 = item(Drucken, QStringLiteral("DruckenAlles1"), QStringLiteral("Alles"));

    Info1 = menue(QStringLiteral("Info1"), QStringLiteral("&?"));
    AGB1 = item(Info1, QStringLiteral("AGB1"), QStringLiteral("AGB"));
    Preisliste1 = item(Info1, QStringLiteral("Preisliste1"), QStringLiteral("Preisliste"));
    Hilfeanzeigen1 = item(Info1, QStringLiteral("Hilfeanzeigen1"), QStringLiteral("Hilfe anzeigen"));
    Hilfeanzeigen1->setCheckable(true);

    m_aktionen = {
        {Befehl::Neu, neu1},
        {Befehl::Oeffnen, oeffnen},
        {Befehl::Speichern, speichern1},
        {Befehl::SpeichernUnter, SpeichernUnter1},
        {Befehl::BPRExport, BPRExport1},
        {Befehl::LAPExport, LAPExport1},
        {Befehl::Drucken, Drucken1},
        {Befehl::Export, Export1},
        {Befehl::Beenden, Beenden},
        {Befehl::Auftragsart, AuftragsArt1},
        {Befehl::BildEinlesen, BildEinlesen1},
        {Befehl::BildDrehen, Bilddrehung1},
        {Befehl::BPREinlesen, BPREinlesen1},
        {Befehl::DicomEinlesen, Dicomeinlesen1},
        {Befehl::IsozentrumEingeben, Isozentrumeingeben1},
        {Befehl::MassstabEingeben, ScaleInput1},
        {Befehl::KonturEingabe, KonturEingabe1},
        {Befehl::FeldEingabe, FeldEingabe1},
        {Befehl::Einschubrichtung, Einschubrichtung1},
        {Befehl::Auftragsdaten, Auftragsdaten1},
        {Befehl::KundenDaten, KundenDaten1},
        {Befehl::Verschieben, verschieben1},
        {Befehl::Drehen, drehen1},
        {Befehl::Invertiert, Inverted},
        {Befehl::ModusBildVorlage, Bildmodus1},
        {Befehl::ModusOhneVorlage, Zeichenmodus1},
        {Befehl::ModusBPR, BPRModus1},
        {Befehl::ModusDICOM, Dicom1},
        {Befehl::ModusKompensator, KompensatorModus1},
        {Befehl::Kundeneinstellungen, Kundeneinstellungen1},
        {Befehl::Kundenmodus, Kundenmodus1},
        {Befehl::ConfigIntern, QuellvantarConfigIntern1},
        {Befehl::DruckenAuftragsdaten, DruckenAuftragsdaten1},
        {Befehl::DruckenKundendaten, DruckenKundendaten1},
        {Befehl::DruckenAlles, DruckenAlles1},
        {Befehl::AGB, AGB1},
        {Befehl::Preisliste, Preisliste1},
        {Befehl::HilfeAnzeigen, Hilfeanzeigen1},
    };
    m_menues = {
        {Menue::Datei, Datei1},
        {Menue::Auftrag, Auftrag1},
        {Menue::Bearbeiten, Bearbeiten1},
        {Menue::Anzeige, Anzeige1},
        {Menue::Modus, Modus1},
        {Menue::Konfiguration, Konfiguration1},
        {Menue::TesserakonIntern, TesserakonIntern1},
        {Menue::Drucken, Drucken},
        {Menue::Info, Info1},
    };
    for (const auto &[b, a] : m_aktionen) {
        const Befehl befehl = b;
        connect(a, &QAction::triggered, this, [this, befehl](bool checked) { emit this->befehl(befehl, checked); });
    }
}

QAction *THauptMenue::aktion(Befehl b) const
{
    const auto it = m_aktionen.find(b);
    return it == m_aktionen.end() ? nullptr : it->second;
}

QMenu *THauptMenue::menue(Menue m) const
{
    return m_menues.at(m);
}

void THauptMenue::setFreigegeben(Befehl b, bool freigegeben)
{
    if (QAction *a = aktion(b))
        a->setEnabled(freigegeben);
}

bool THauptMenue::istFreigegeben(Befehl b) const
{
    const QAction *a = aktion(b);
    return a && a->isEnabled();
}

bool THauptMenue::istSichtbar(Befehl b) const
{
    const QAction *a = aktion(b);
    return a && a->isVisible();
}

void THauptMenue::setHaken(Befehl b, bool haken)
{
    if (QAction *a = aktion(b))
        a->setChecked(haken);
}

bool THauptMenue::hatHaken(Befehl b) const
{
    const QAction *a = aktion(b);
    return a && a->isChecked();
}

void THauptMenue::ausloesen(Befehl b)
{
    if (QAction *a = aktion(b))
        a->trigger();
}

void THauptMenue::modusHaken(int modus)
{
    const QList<QAction *> modi = modusAktionen();
    for (int i = 0; i < modi.size(); ++i)
        modi[i]->setChecked(i == modus);
}

void THauptMenue::menueFreigeben(Menue m, bool freigegeben)
{
    menue(m)->menuAction()->setEnabled(freigegeben);
}

bool THauptMenue::menueFreigegeben(Menue m) const
{
    return menue(m)->menuAction()->isEnabled();
}

void THauptMenue::menueZeigen(Menue m, bool sichtbar)
{
    menue(m)->menuAction()->setVisible(sichtbar);
}

bool THauptMenue::menueSichtbar(Menue m) const
{
    return menue(m)->menuAction()->isVisible();
}

QString THauptMenue::menueTitel(Menue m) const
{
    return menue(m)->title();
}

QList<QAction *> THauptMenue::modusAktionen() const
{
    return {Bildmodus1, Zeichenmodus1, BPRModus1, Dicom1, KompensatorModus1};
}

void THauptMenue::sichtbarkeitAnwenden(const MenueSichtbarkeit &m)
{
    neu1->setVisible(m.neu);
    speichern1->setVisible(m.speichern);
    SpeichernUnter1->setVisible(m.speichern);
    BPRExport1->setVisible(m.bprExport);
    LAPExport1->setVisible(m.lapExport);
    m_trennerVorDrucken->setVisible(m.trennerVorDrucken);
    Drucken1->setVisible(m.drucken);
    m_trennerNachDrucken->setVisible(m.trennerVorDrucken);
    Exportieren1->menuAction()->setVisible(m.exportieren);

    Auftrag1->setTitle(m.auftragDatenTitel ? QStringLiteral("Auftrag/Daten") : QStringLiteral("Auftrag/Eingaben"));
    BildEinlesen1->setVisible(m.bildEinlesen);
    Bilddrehung1->setVisible(m.bildEinlesen);
    BPREinlesen1->setVisible(m.bprEinlesen);
    Dicomeinlesen1->setVisible(m.dicomEinlesen);
    m_trennerVorIsozentrum->setVisible(m.trennerVorIsozentrum);
    Isozentrumeingeben1->setVisible(m.isozentrumUndMassstab);
    ScaleInput1->setVisible(m.isozentrumUndMassstab);
    m_trennerVorKontur->setVisible(m.trennerVorKontur);
    KonturEingabe1->setVisible(m.konturEingabe);
    FeldEingabe1->setVisible(m.feldEingabe);
    m_trennerVorEinschubrichtung->setVisible(m.trennerVorEinschubrichtung);
    Einschubrichtung1->setVisible(m.einschubrichtung);
    Auftragsdaten1->setVisible(m.auftragsdaten);
    m_trennerVorKundenDaten->setVisible(m.trennerVorKundenDaten);
    KundenDaten1->setVisible(m.kundenDaten);

    Inverted->setVisible(m.invertiert);
    // an empty menu would still show its title
    Anzeige1->menuAction()->setVisible(m.invertiert);
    Modus1->menuAction()->setVisible(m.modusMenue);
    Kundeneinstellungen1->setVisible(m.kundeneinstellungen);
    m_trennerNachKundeneinstellungen->setVisible(m.trennerNachKundeneinstellungen);
    Kundenmodus1->setVisible(m.kundenmodus);
    TesserakonIntern1->menuAction()->setVisible(m.tesserakonIntern);
    Drucken->menuAction()->setVisible(m.druckenMenue);
}

} // namespace qv
