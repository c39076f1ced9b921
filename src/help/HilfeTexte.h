#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qv {

/// The line of one blank and 85 "-" above and below every help text.
QString hilfeRahmenZeile();
/// The text framed by the two frame lines, lines separated by CR LF.
QString hilfeGerahmt(const QString &text);

/// Size of the help memo for a text of that many displayed lines:
/// Round(lines x 13.2) + 3, up to 600 pixels; at the limit the memo is wider and scrolls.
struct HilfeMemoGroesse
{
    int hoehe = 0;
    int breite = 0;
    bool rollbalken = false;
};
HilfeMemoGroesse hilfeMemoGroesse(int zeilen);
inline constexpr int HilfeMemoMaxHoehe = 600;

/// The image-mode text with its link panel needs room: when it shows exactly 34 lines,
/// its last five lines go.
QStringList modusTextZeilenKuerzen(const QStringList &angezeigteZeilen, bool istBildModusText);

/// Where a link panel sits inside the memo.
QPoint linkPanelPosition(QSize memo, QSize panel);

/// Height of an explanatory memo in the hint style.
inline int hinweisMemoHoehe(int zeilen) { return zeilen * 14 + 3; }

/// The window's top left from the settings; a stored top of 3000 counts as 0.
inline constexpr int HilfeAusserSicht = 3000;
int hilfePosY(int gespeichert);
/// Default place: right-aligned with the workspace panel, 40 pixels below the main window's top.
QPoint hilfeStandardPosition(QPoint hauptfensterLinksOben, int breiteHauptpanel, int hilfeBreite);

QString modusHilfeTitel(int modus);
QString modusHilfeText(int modus);

/// The guides behind the links of the two link panels.
enum class HilfeLink {
    Plato,
    Xio,
    Helax,
    BildHome,
    Pinnacle,
    Eclipse,
    PrecisePlan,
    Masterplan,
    Weitere,
    DicomHome,
    Zielstruktur,
};
QString hilfeLinkTitel(HilfeLink link);
QString hilfeLinkText(HilfeLink link);

} // namespace qv
