#pragma once

#include "help/HilfeTexte.h"

#include <QPoint>
#include <QWidget>

class QFrame;
class QTextEdit;

namespace qv {

class IniFile;

/// The small always-on-top window "Direkt Hilfe" beside the main window: the context text of
/// the current step, or the text of the work mode with its guides.
class THelpForm : public QWidget
{
    Q_OBJECT

public:
    /// Reads `Help`, `HelpPosX`, `HelpPosY` of section `Init`; `standardPosition` is used where a
    /// position was never stored.
    THelpForm(IniFile &einstellungen, QPoint standardPosition, QWidget *parent = nullptr);
    ~THelpForm() override;

    void Kontexthilfe(const QString &text, const QString &titel);
    void ModusHilfe(int modus);
    /// F1 and "Hilfe anzeigen": switches the help on or off; returns whether it is visible now.
    bool Umschalten();
    /// Shows the help (switching it on if needed) at a screen position.
    void ZeigenBei(QPoint position);
    /// Gives a memo of another window the pale hint style and the text.
    static void HinweisMemo(QTextEdit *memo, const QString &text);
    static void hinweisStil(QTextEdit *memo);
    /// Lets F1 in another window switch the help.
    void f1Einrichten(QWidget *fenster);

    bool hilfeAn() const { return m_help; }
    /// From now on hiding the window is part of the program's end, not the user's choice.
    void programmEndet() { m_programmEndet = true; }

    // for tests and the main window
    QTextEdit *memo() const { return m_memo; }
    QFrame *screenshotPanel() const { return m_screenshots; }
    QFrame *dicomPanel() const { return m_dicom; }
    QStringList angezeigteZeilen() const;
    void linkAnklicken(HilfeLink link);

signals:
    /// The window was shown or hidden by the user or by F1 (for the menu's check mark).
    void sichtbarkeitGeaendert(bool sichtbar);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QFrame *linkPanel(const QString &name, const QString &titel, const QList<QPair<QString, HilfeLink>> &links);
    void panelZeigen(QFrame *panel);
    /// Bottom of the text's last written line, in window coordinates (at the current scroll).
    int textUnten() const;
    /// Room below the text's end (rand < 0: the usual margin).
    void unterenRandSetzen(int rand);
    void hilfeSetzen(bool an);
    /// Shown at its place and on top while help is on, hidden otherwise.
    void sichtbarkeitAnwenden();

    IniFile &m_ini;
    QTextEdit *m_memo = nullptr;
    QFrame *m_screenshots = nullptr;
    QFrame *m_dicom = nullptr;
    QPoint m_position;
    bool m_help = true;
    bool m_textWirdGesetzt = false;
    bool m_umschaltenLaeuft = false;
    bool m_programmEndet = false;
    bool m_warSichtbar = false;
};

} // namespace qv
