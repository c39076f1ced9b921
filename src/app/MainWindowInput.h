#pragma once

#include "app/Eingabesteuerung.h"

#include <QPoint>
#include <QString>

#include <memory>

namespace qv {

class Application;
class MainWindowMove;
class TMainForm;

/// Input on the main window's workspace: the buttons that start an input, the mouse (the input
/// controller decides, the window shows what it says), the contour lists, the shape tools of
/// mode 1, and moving and turning (MainWindowMove). Owns the input controller for the run.
class MainWindowInput
{
public:
    /// Connects itself to the window's workflow panel, shape tools and workspace.
    MainWindowInput(TMainForm &fenster, Application &app);
    ~MainWindowInput();

    const Eingabesteuerung &eingabe() const { return *m_eingabe; }
    /// The contour input of mode 0 (or the shape input of mode 1) is running.
    bool KonturEingabeLaeuft() const { return m_eingabe->konturEingabeLaeuft(); }
    MainWindowMove &bewegen() { return *m_bewegen; }

    void IsozentrumEingeben();
    void MassstabEingeben();
    void FeldEingeben();
    void KonturEingabe();
    /// The contour button of mode 1: starts or ends shape generation.
    void FormenEingabe();

    /// A new order: nothing runs, no rubber band, no shape tool; moving and turning are off.
    void NeuerAuftrag();
    /// Mode 1 begins without a chosen shape tool.
    void FormwerkzeugZuruecksetzen() { m_eingabe->setFormwerkzeug(0); }
    /// The contour lists show the order's contours.
    void konturListeAktualisieren();

private:
    void verbinden();
    /// The scale dialog (0 scale form, 1 generation form), made when it opens; what it gives
    /// back goes to the order session. True on OK.
    bool MassstabDialog(int form);
    /// Shows what the input controller says after a start, a mouse event or an end.
    void anwenden(const EingabeAntwort &a);
    void konturKnopfTexte(const QString &text);
    /// A "generieren" button: the typed sizes of that shape.
    void FormGenerieren(int werkzeug);

    void PaintBoxMouseDown(const QPoint &geraet, Qt::MouseButton taste, Qt::KeyboardModifiers tasten);
    void PaintBoxMouseMove(const QPoint &geraet, Qt::KeyboardModifiers modifier);

    // the contour lists beside the workspace
    void P_KClick(int n);
    void ButtonXClick(int n);

    TMainForm &m_fenster;
    Application &m_app;
    std::unique_ptr<Eingabesteuerung> m_eingabe;
    std::unique_ptr<MainWindowMove> m_bewegen;
};

} // namespace qv
