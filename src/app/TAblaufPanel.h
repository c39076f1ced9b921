#pragma once

#include "app/Ablauf.h"
#include "app/Befehl.h"
#include "order/TEinschubrichtung.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/FFAAnzeige.h"

#include <QTabWidget>

#include <map>

class QFrame;
class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace qv {

class EinschubPfeilBox;
class TGluehbirne;
class TKnopfPanel;
class TKonturListe;
class TLampe;

/// The page control `PCModus` on the right of the main window: one page per work mode with
/// its header and workflow rows; three groups of controls are shared and move to the page of
/// the current mode. Callers speak to it in what they want done (light a lamp, press a
/// button, show the contour list); clicks come back as commands.
class TAblaufPanel : public QTabWidget
{
    Q_OBJECT

public:
    explicit TAblaufPanel(QWidget *parent = nullptr);

    // pages
    /// Shows the page of a work mode (0..3) without reporting it as the person's choice.
    void seiteZeigen(int modus);
    /// While a move or rotate mode runs, the person cannot pick another page (another work
    /// mode would begin a new order under the open dialog).
    void seitenwahlSperren(bool gesperrt);
    /// Moves the shared groups onto the page of the mode (modes 0..3).
    void gemeinsameGruppenVerschieben(int modus);
    /// The page of the mode holds the shared groups and, in modes 0 and 1, the FFA panel.
    bool gemeinsameGruppenAuf(int modus) const;
    bool ffaAuf(int modus) const;
    /// The tabs of the pages without template, planning-system and DICOM (the view lock).
    void importSeitenZeigen(bool sichtbar);

    // workflow buttons (every command that has a button)
    void knopfGedrueckt(Befehl knopf, bool gedrueckt);
    void knopfFreigeben(Befehl knopf, bool freigegeben);
    void setKnopfText(Befehl knopf, const QString &text);
    bool istGedrueckt(Befehl knopf) const;
    bool istFreigegeben(Befehl knopf) const;
    QString knopfText(Befehl knopf) const;
    /// Clicks the button as a person would: nothing happens while it is disabled.
    void knopfKlicken(Befehl knopf);
    /// The commands that have a workflow button.
    QList<Befehl> knoepfe() const;

    // lamps, bulbs and groups
    void setLampe(Lampe lampe, LampenFarbe farbe);
    LampenFarbe lampe(Lampe lampe) const;
    void birneZeigen(Ebene ebene, bool sichtbar);
    bool birneSichtbar(Ebene ebene) const;
    /// Shows the bulb on or off without telling anyone.
    void setBirneAn(Ebene ebene, bool an);
    bool birneAn(Ebene ebene) const;
    /// Clicks the bulb as a person would.
    void birneKlicken(Ebene ebene);
    /// The field step's row; only photon orders have a field.
    void feldZeigen(bool sichtbar);
    bool feldSichtbar() const;
    /// The group "Konturen/Aperturen" with "verschieben" and "drehen".
    void bearbeitenZeigen(bool sichtbar);
    bool bearbeitenSichtbar() const;
    void bearbeitenFreigeben(bool freigegeben);
    void einschubVorschauZeigen(bool sichtbar);
    /// The arrow of the insertion direction.
    void einschubPfeilSetzen(TEinschubrichtung richtung);
    TEinschubrichtung einschubPfeil() const;

    // contour list
    /// Folds the contour list to one workflow row or unfolds it to 360 pixels (less when the
    /// page's view is too low for that and the rows below the list).
    void konturListeAufklappen(bool auf);
    bool konturListeOffen() const;
    int konturZeilenHoehe() const;
    /// Folds the drawing area of the page without template.
    void geosAufklappen(bool auf);
    /// Places the shape tools into the unfolding part of the mode-1 contour row.
    void formenEinsetzen(QWidget *formen);
    /// anzahl contours exist, aktuell is the current one, punkte the points of the current
    /// contour, wiederherstellbar the points redo can bring back (both lists).
    void konturListeZeigen(int anzahl, int aktuell, int punkte, int wiederherstellbar);

    // page header
    void setMassstabText(const QString &text);
    QString massstabText() const;
    void ffaAnzeigen(const FFAAnzeige &anzeige);

signals:
    /// A workflow button was clicked.
    void befehl(qv::Befehl knopf);
    /// A bulb was clicked; it shows itself as an.
    void birneUmgeschaltet(qv::Ebene ebene, bool an);
    /// The person picked the page of a mode.
    void modusGewaehlt(int modus);
    // the contour lists
    void konturAuswaehlen(int n);
    void konturLoeschen(int n);
    void konturRueckgaengig();
    void konturWiederherstellen();

private:
    struct Seite
    {
        QScrollArea *rollen = nullptr;
        QWidget *seite = nullptr;
        QVBoxLayout *spalte = nullptr; // the page's rows, top to bottom
        QVBoxLayout *auftragsart = nullptr;
        QVBoxLayout *shared = nullptr;
        QVBoxLayout *unten = nullptr;
        QVBoxLayout *ffa = nullptr;
    };
    Seite seiteAnlegen(const QString &name, const QString &titel);
    /// The page's last rows: the shared controls' place, room, the bottom group's place.
    void seiteAbschliessen(Seite &s, int modus, const QString &sharedName, const QString &untenName);
    QFrame *zeile(QWidget *parent, TLampe **lampe, TGluehbirne **birne, TKnopfPanel **knopf, const QString &caption,
                  const QString &knopfName, const QString &lampenName = {}, const QString &birnenName = {});
    TKnopfPanel *knopf(Befehl b) const;
    TGluehbirne *birne(Ebene e) const;

    void konturListeHoeheAnpassen();
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

    Seite m_seiten[4];
    QScrollArea *m_bildSeite = nullptr;
    bool m_konturListeAuf = false;
    int m_konturZeileHoehe = 28;

    // page header of mode 0 and the FFA panel
    QFrame *P_Scale = nullptr;
    QLabel *L_Scale = nullptr;
    QLabel *P_FFA = nullptr;

    // shared groups
    QFrame *P_AuftragsartBack = nullptr;
    QFrame *P_SharedControls = nullptr;
    QFrame *P_FeldBack = nullptr;
    QFrame *P_Bearbeiten_Einschub = nullptr;
    QFrame *P_Bearbeiten = nullptr;
    QFrame *P_EinschubDraw = nullptr;
    EinschubPfeilBox *m_einschubPfeil = nullptr;

    // contour rows of modes 0 and 1
    QFrame *P_Konturen = nullptr;
    TKonturListe *KonturListe = nullptr;
    QFrame *P_Geos = nullptr;
    QWidget *P_Formen = nullptr; // room for the shape tools
    TKonturListe *KonturListe_ohneVorlage = nullptr;

    std::map<Befehl, TKnopfPanel *> m_knoepfe;
    std::map<Lampe, TLampe *> m_lampen;
    std::map<Ebene, TGluehbirne *> m_birnen;
};

} // namespace qv
