#pragma once

#include <QString>

namespace qv {

/// What the workspace asks of the main window that holds it. Every call has a harmless
/// default so that a test can leave out what it does not watch.
class ArbeitsflaecheHost
{
public:
    enum class Knopf { Bild, BildDrehen };

    virtual ~ArbeitsflaecheHost() = default;
    virtual void Kontexthilfe(const QString &text, const QString &titel) { (void)text; (void)titel; }
    virtual void ModusHilfe() {}
    virtual void SetGeaendert() {}
    virtual void AblaufAktualisieren() {}
    virtual void KnopfGedrueckt(Knopf knopf, bool gedrueckt) { (void)knopf; (void)gedrueckt; }
    /// The light bulb of the image layer becomes visible once an image is loaded.
    virtual void BildBirneZeigen() {}
    /// After a rotation the insertion direction counts as not chosen.
    virtual void EinschubrichtungZuruecksetzen() {}
};

} // namespace qv
