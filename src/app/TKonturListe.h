#pragma once

#include "app/TKonturZeile.h"

#include <QGroupBox>

#include <array>

class QPushButton;
class QScrollArea;

namespace qv {

/// The group "Kontureingabe": rows for the contours 1..11 (scrolling when the group is low) and
/// the undo and redo buttons.
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
    QScrollArea *m_rollen = nullptr;
    QPushButton *m_rueck = nullptr;
    QPushButton *m_vor = nullptr;
    bool m_mitZeilen = true;
};

} // namespace qv
