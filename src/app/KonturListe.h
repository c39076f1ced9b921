#pragma once

#include <QColor>
#include <QFrame>
#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace qv {

/// Swatch colour of contour n (1..11) in the contour list.
QColor konturListenFarbe(int n);

/// One row of the contour list: "Kont. n", its colour and the delete button "X".
class TKonturZeile : public QFrame
{
    Q_OBJECT

public:
    TKonturZeile(int nummer, QWidget *parent = nullptr);
    void setAktuell(bool aktuell);
    bool aktuell() const { return m_aktuell; }

signals:
    void angeklickt();
    /// "X" was clicked.
    void loeschen();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QFrame *m_farbe = nullptr;
    QPushButton *m_x = nullptr;
    bool m_aktuell = false;
};

/// The group "Kontureingabe": rows for the contours 1..11 and the undo and redo buttons.
class TKonturListe : public QGroupBox
{
    Q_OBJECT

public:
    /// mitZeilen false: the copy on the page without template, whose rows stay hidden.
    explicit TKonturListe(bool mitZeilen, QWidget *parent = nullptr);

    /// anzahl contours exist, aktuell is the current one (0: none), punkte the points of the
    /// current contour, wiederherstellbar the points redo can bring back.
    void aktualisieren(int anzahl, int aktuell, int punkte, int wiederherstellbar);

signals:
    void auswaehlen(int n);
    void loeschen(int n);
    void rueckgaengig();
    void wiederherstellen();

private:
    std::array<TKonturZeile *, 11> m_zeilen{};
    QPushButton *m_rueck = nullptr;
    QPushButton *m_vor = nullptr;
    bool m_mitZeilen = true;
};

} // namespace qv
