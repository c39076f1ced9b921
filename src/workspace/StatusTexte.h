#pragma once

#include <QPoint>
#include <QString>

#include <optional>

namespace qv {
class Abbildung;
class Arbeitsflaeche;
class TKundenDaten;

/// The four texts of the status bar; panels 2 and 3 are left as they are when empty.
struct StatusTexte
{
    QString panel0;
    QString panel1;
    std::optional<QString> panel2;
    std::optional<QString> panel3;
};

/// Status bar for a device point of the paint box (KeinPunkt when the order is reset).
StatusTexte StatusAnzeigen(const QPoint &geraet, const Arbeitsflaeche &a, const Abbildung &abb,
                          const TKundenDaten &kunde);

} // namespace qv
