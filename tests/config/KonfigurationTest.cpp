#include "config/TKonfiguration.h"

#include "base/Cp1252.h"
#include "base/IniFile.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace qv;
namespace {

qv::IniFile iniAus(const qv::test::TempProgramFolder &ordner, const QString &text)
{
    qv::IniFile ini(ordner.write(QStringLiteral("QuellvantarConfig.cfg"), qv::toCp1252(text)));
    return ini;
}

TEST(ConfigLists, CountNumberedKeysAndParallelList)
{
    qv::test::TempProgramFolder ordner;
    const qv::IniFile ini = iniAus(ordner, QStringLiteral("[Transport]\r\nCount=4\r\n0=vor 9 Uhr\r\n1=gelöscht\r\n3= über Nacht \r\n"
                                                          "[Transport_Kosten]\r\n0=15 Euro\r\n1=gelöscht\r\n2=13 Euro\r\n9=zu viel\r\n"
                                                          "[Leer]\r\nCount=0\r\n0=unsichtbar\r\n"
                                                          "[Negativ]\r\nCount=-3\r\n"
                                                          "[Riesig]\r\nCount=2000000000\r\n0=a\r\n"));
    const QStringList transport = qv::leseKonfigListe(ini, QStringLiteral("transport"));
    EXPECT_EQ(transport, (QStringList{QStringLiteral("vor 9 Uhr"), qv::kGeloescht, QString(), QStringLiteral("über Nacht")}));
    EXPECT_EQ(qv::leseParallelListe(ini, QStringLiteral("Transport_Kosten"), transport.size()),
              (QStringList{QStringLiteral("15 Euro"), qv::kGeloescht, QStringLiteral("13 Euro"), QString()}));
    EXPECT_TRUE(qv::leseKonfigListe(ini, QStringLiteral("Leer")).isEmpty());
    EXPECT_TRUE(qv::leseKonfigListe(ini, QStringLiteral("Negativ")).isEmpty());
    EXPECT_TRUE(qv::leseKonfigListe(ini, QStringLiteral("Fehlt")).isEmpty());
    EXPECT_TRUE(qv::leseParallelListe(ini, QStringLiteral("Transport_Kosten"), 0).isEmpty());
    // A damaged Count does not make the program allocate or loop for billions of entries.
    const QStringList riesig = qv::leseKonfigListe(ini, QStringLiteral("Riesig"));
    EXPECT_EQ(riesig.first(), QStringLiteral("a"));
    EXPECT_LE(riesig.size(), 100000);
}

TEST(ConfigLists, SavingWritesTheWholeFileInAFixedOrder)
{
    qv::test::TempProgramFolder ordner;
    TKonfiguration k = TKonfiguration::Beispiel();
    k.Tragplatten[1] = qv::kGeloescht;
    k.ElektronenBlendenGroesse[0] = QStringLiteral("926,926 "); // trailing blank of the edit preset
    k.Transport << QStringLiteral("ohne Kosten");                // parallel list one short
    k.Regularien = {QStringLiteral("Zeile 1"), QStringLiteral("Zeile 2")};
    k.Tragplatten << QString(250, u't');
    k.AGBs << QString(250, u'a');
    const QString pfad = ordner.write(QStringLiteral("QuellvantarConfig.cfg"), "[Unbekannt]\r\nx=1\r\n");
    ASSERT_TRUE(k.Speichern(pfad).ok());

    const QString text = qv::fromCp1252(ordner.read(QStringLiteral("QuellvantarConfig.cfg")));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Init]\r\nFileversion=2\r\nEMailAdresse=auftrag@zarn-ek.example\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("Unbekannt")));
    QStringList abschnitte;
    for (const QString &zeile : text.split(QStringLiteral("\r\n")))
        if (zeile.startsWith(u'['))
            abschnitte << zeile;
    EXPECT_EQ(abschnitte.join(u' '), QStringLiteral("[Init] [Beschleuniger] [Tragplatten] [ElektronenBlenden] [ElektronenBlenden_Groesse] "
                                                    "[Transport] [Transport_Kosten] [Leistung] [Leistung_Kosten] [AGBs] [Regularien]"));
    EXPECT_TRUE(text.contains(QStringLiteral("[Tragplatten]\r\nCount=8\r\n0=Varian_298*298*6\r\n1=gelöscht\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Transport_Kosten]\r\n0=15 Euro\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Regularien]\r\nCount=2\r\n0=Zeile 1\r\n1=Zeile 2\r\n")));

    TKonfiguration zurueck;
    zurueck.Laden(qv::IniFile(pfad));
    EXPECT_EQ(zurueck.ElektronenBlendenGroesse[0], QStringLiteral("926,926"));
    EXPECT_EQ(zurueck.TransportKosten.size(), 5);
    EXPECT_EQ(zurueck.TransportKosten[4], QString());
    EXPECT_EQ(zurueck.Tragplatten.mid(0, 7), k.Tragplatten.mid(0, 7));
    EXPECT_EQ(zurueck.AGBs, (QStringList{QStringLiteral("Bitte entnehmen Sie die AGB unserer"), QStringLiteral("Website."), QString(250, u'a')}));
    EXPECT_EQ(zurueck.Tragplatten.last(), QString(200, u't'));
    EXPECT_EQ(zurueck.EMailAdresse, k.EMailAdresse);
}

TEST(ConfigLists, OldFileWithoutVersionKeepsEMailAndWebsite)
{
    qv::test::TempProgramFolder ordner;
    const qv::IniFile ini = iniAus(ordner, QStringLiteral("[Init]\r\nEMailAdresse=alt@x.de\r\n[Beschleuniger]\r\nCount=1\r\n0=Varian\r\n"));
    TKonfiguration k = TKonfiguration::Beispiel();
    k.Laden(ini);
    EXPECT_EQ(k.EMailAdresse, QStringLiteral("auftrag@zarn-ek.example"));
    EXPECT_EQ(k.Beschleuniger, QStringList{QStringLiteral("Varian")});
    EXPECT_TRUE(k.Tragplatten.isEmpty());
    EXPECT_EQ(TKonfiguration::AnzeigePrefix(2), QStringLiteral("03=> "));
    EXPECT_EQ(TKonfiguration::AnzeigePrefix(99), QStringLiteral("100=> "));
}

} // namespace
