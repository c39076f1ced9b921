#pragma once

#include "config/TKundenDaten.h"

#include <QString>

namespace qv::test {

/// The standard customer data with every required field filled: passes the completeness check.
inline TKundenDaten completeCustomer()
{
    TKundenDaten k;
    k.LadeStandard();
    TAbteilung &abt = k.Abteilungen[0];
    abt.Beschl[0].KBez = QStringLiteral("Linac");
    abt.Beschl[0].Typ = QStringLiteral("1");
    abt.Beschl[0].FBA = QStringLiteral("60");
    abt.AnP[0].Name = QStringLiteral("Muster, Max");
    abt.AnP[0].Telefon = QStringLiteral("1");
    abt.AnP[0].EMail = QStringLiteral("x@y.de");
    for (TAdresse *ad : {&k.VertragsAdresse, &abt.Lieferanschrift, &abt.Rechnungsanschrift, &abt.Abholadresse}) {
        ad->Institut = QStringLiteral("I");
        ad->Strasse = QStringLiteral("S");
        ad->PLZ = QStringLiteral("12345");
        ad->Ort = QStringLiteral("O");
    }
    return k;
}

} // namespace qv::test
