#pragma once

namespace qv {

/// The five layers the person can switch off with the light bulbs.
enum class Ebene { Bild, Iso, Scale, Konturen, Feld };

struct Anzeige
{
    bool Bild = true;
    bool Iso = true;
    bool Scale = true;
    bool Konturen = true;
    bool Feld = true;

    bool &operator[](Ebene e);
    bool operator[](Ebene e) const { return const_cast<Anzeige &>(*this)[e]; }
};

} // namespace qv
