#pragma once

#include "app/Befehl.h"
#include "app/Menues.h"

#include <QKeySequence>
#include <QObject>

#include <map>

class QAction;
class QMainWindow;
class QMenu;

namespace qv {

/// The menu tree of the main window. Every item is a QAction whose objectName is the
/// component name; callers speak to items by their command and hear chosen items as commands.
class THauptMenue : public QObject
{
    Q_OBJECT

public:
    explicit THauptMenue(QMainWindow *fenster);

    /// Shows and hides items and separators for customer or internal mode and the work mode.
    void sichtbarkeitAnwenden(const MenueSichtbarkeit &m);

    // items
    void setFreigegeben(Befehl b, bool freigegeben);
    bool istFreigegeben(Befehl b) const;
    bool istSichtbar(Befehl b) const;
    void setHaken(Befehl b, bool haken);
    bool hatHaken(Befehl b) const;
    /// Chooses the item as a person would (a checkable item flips its check mark first).
    void ausloesen(Befehl b);
    /// The check marks of the mode items: only the item of the given mode.
    void modusHaken(int modus);

    // menus
    void menueFreigeben(Menue m, bool freigegeben);
    bool menueFreigegeben(Menue m) const;
    void menueZeigen(Menue m, bool sichtbar);
    bool menueSichtbar(Menue m) const;
    QString menueTitel(Menue m) const;

signals:
    /// An item was chosen; checked is its check mark after the choice.
    void befehl(qv::Befehl b, bool checked);

private:
    // menus
    QMenu *Datei1 = nullptr;
    QMenu *Auftrag1 = nullptr;
    QMenu *Bearbeiten1 = nullptr;
    QMenu *Anzeige1 = nullptr;
    QMenu *Modus1 = nullptr;
    QMenu *Konfiguration1 = nullptr;
    QMenu *TesserakonIntern1 = nullptr;
    QMenu *Drucken = nullptr;
    QMenu *Info1 = nullptr;
    QMenu *Exportieren1 = nullptr;

    // "&Datei"
    QAction *neu1 = nullptr;
    QAction *oeffnen = nullptr;
    QAction *speichern1 = nullptr;
    QAction *SpeichernUnter1 = nullptr;
    QAction *BPRExport1 = nullptr;
    QAction *LAPExport1 = nullptr;
    QAction *Drucken1 = nullptr;
    QAction *Export1 = nullptr;
    QAction *Beenden = nullptr;
    // order menu
    QAction *AuftragsArt1 = nullptr;
    QAction *BildEinlesen1 = nullptr;
    QAction *Bilddrehung1 = nullptr;
    QAction *BPREinlesen1 = nullptr;
    QAction *Dicomeinlesen1 = nullptr;
    QAction *Isozentrumeingeben1 = nullptr;
    QAction *ScaleInput1 = nullptr;
    QAction *KonturEingabe1 = nullptr;
    QAction *FeldEingabe1 = nullptr;
    QAction *Einschubrichtung1 = nullptr;
    QAction *Auftragsdaten1 = nullptr;
    QAction *KundenDaten1 = nullptr;
    // "Bearbeiten"
    QAction *verschieben1 = nullptr;
    QAction *drehen1 = nullptr;
    // "Ansicht"
    QAction *Inverted = nullptr;
    // "Modus"
    QAction *Bildmodus1 = nullptr;
    QAction *Zeichenmodus1 = nullptr;
    QAction *BPRModus1 = nullptr;
    QAction *Dicom1 = nullptr;
    QAction *KompensatorModus1 = nullptr;
    // "&Konfiguration"
    QAction *Kundeneinstellungen1 = nullptr;
    QAction *Kundenmodus1 = nullptr;
    // "&Tesserakon intern"
    QAction *QuellvantarConfigIntern1 = nullptr;
    // "&Drucken"
    QAction *DruckenAuftragsdaten1 = nullptr;
    QAction *DruckenKundendaten1 = nullptr;
    QAction *DruckenAlles1 = nullptr;
    // "&?"
    QAction *AGB1 = nullptr;
    QAction *Preisliste1 = nullptr;
    QAction *Hilfeanzeigen1 = nullptr;

    /// The four work-mode items in mode order (and the compensator item last).
    QList<QAction *> modusAktionen() const;
    QAction *aktion(Befehl b) const;
    QMenu *menue(Menue m) const;

    std::map<Befehl, QAction *> m_aktionen;
    std::map<Menue, QMenu *> m_menues;
    QAction *item(QMenu *menu, const QString &name, const QString &text, const QKeySequence &kurz = {});

    QAction *m_trennerNachOeffnen = nullptr;
    QAction *m_trennerVorDrucken = nullptr;
    QAction *m_trennerNachDrucken = nullptr;
    QAction *m_trennerVorBeenden = nullptr;
    QAction *m_trennerNachAuftragsart = nullptr;
    QAction *m_trennerVorIsozentrum = nullptr;
    QAction *m_trennerVorKontur = nullptr;
    QAction *m_trennerVorEinschubrichtung = nullptr;
    QAction *m_trennerVorKundenDaten = nullptr;
    QAction *m_trennerNachKundeneinstellungen = nullptr;
};

} // namespace qv
