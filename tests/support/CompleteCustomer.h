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

/// Writes the complete customer data as Kunde.cfg into a program folder, so that a starting
/// main window neither greets a first start nor asks for missing customer data.
inline bool writeCompleteCustomer(const QString &programFolder)
{
    return completeCustomer().SpeichereDatei(KundenDateien::imOrdner(programFolder).kunde).ok();
}

} // namespace qv::test
