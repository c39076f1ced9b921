#include "app/MainWindowMove.h"

#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "contour/TDrehenForm.h"
#include "contour/TVerschiebeForm.h"
#include "help/THelpForm.h"


namespace qv {

MainWindowMove::MainWindowMove(TMainForm &fenster, Eingabesteuerung &eingabe, THelpForm &hilfe, Anwenden anwender)
    : m_fenster(fenster)
    , m_eingabe(eingabe)
    , m_anwenden(std::move(anwender))
    , m_verschieben(new TVerschiebeForm(&fenster))
    , m_drehen(new TDrehenForm(&fenster))
{
    hilfe.f1Einrichten(m_verschieben);
    hilfe.f1Einrichten(m_drehen);
    QObject::connect(m_verschieben, &TVerschiebeForm::verschieben, &fenster,
                     [this](Schrittrichtung r, int mm) { anwenden(m_eingabe.KonturenSchieben(r, mm)); });
    QObject::connect(m_drehen, &TDrehenForm::drehen, &fenster,
                     [this](int grad, bool rechts) { anwenden(m_eingabe.KonturenDrehen(grad, rechts)); });
    const auto uebernehmen = [this] { anwenden(m_eingabe.KonturmodusBeenden(true)); };
    const auto abbrechen = [this] { anwenden(m_eingabe.KonturmodusBeenden(false)); };
    QObject::connect(m_verschieben, &TVerschiebeForm::uebernehmen, &fenster, uebernehmen);
    QObject::connect(m_verschieben, &TVerschiebeForm::abbrechen, &fenster, abbrechen);
    QObject::connect(m_drehen, &TDrehenForm::uebernehmen, &fenster, uebernehmen);
    QObject::connect(m_drehen, &TDrehenForm::abbrechen, &fenster, abbrechen);
}

MainWindowMove::~MainWindowMove() = default;

void MainWindowMove::anwenden(const EingabeAntwort &a)
{
    m_anwenden(a);
    // whatever the answer said, the dialogs follow the controller (a cancel of a dialog whose
    // mode has ended already only hides it)
    ModusZeigen(m_eingabe.konturmodus());
}

void MainWindowMove::VerschiebenUmschalten()
{
    umschalten(Konturmodus::Verschieben, Befehl::Verschieben);
}

void MainWindowMove::DrehenUmschalten()
{
    umschalten(Konturmodus::Drehen, Befehl::Drehen);
}

void MainWindowMove::umschalten(Konturmodus modus, Befehl knopf)
{
    m_fenster.ablaufPanel().knopfGedrueckt(knopf, true);
    if (m_eingabe.konturmodus() == modus)
        anwenden(m_eingabe.KonturmodusBeenden(true));
    else
        anwenden(m_eingabe.KonturmodusStarten(modus));
    m_fenster.ablaufPanel().knopfGedrueckt(knopf, false);
}

void MainWindowMove::ModusZeigen(Konturmodus modus)
{
    m_fenster.menue().setHaken(Befehl::Verschieben, modus == Konturmodus::Verschieben);
    m_fenster.menue().setHaken(Befehl::Drehen, modus == Konturmodus::Drehen);
    m_fenster.ablaufPanel().seitenwahlSperren(modus != Konturmodus::Aus);
    const auto zeigen = [this](QWidget &dialog, bool an) {
        if (an && !dialog.isVisible()) {
            platzieren(dialog);
            dialog.show();
            dialog.raise();
        } else if (!an && dialog.isVisible()) {
            dialog.hide();
        }
    };
    // the one going away first, so the two never stand on top of each other
    zeigen(*m_verschieben, false);
    zeigen(*m_drehen, false);
    zeigen(*m_verschieben, modus == Konturmodus::Verschieben);
    zeigen(*m_drehen, modus == Konturmodus::Drehen);
}

void MainWindowMove::platzieren(QWidget &dialog)
{
    // Where it starts; the window placer keeps it inside the screen and off the image.
    dialog.adjustSize();
    dialog.move(m_fenster.ablaufPanel().mapToGlobal(QPoint(0, 0)) + QPoint(8, 40));
}

} // namespace qv
