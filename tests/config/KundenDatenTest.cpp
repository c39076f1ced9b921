#include "config/TKundenDaten.h"

#include "app/KundenDatenMeldungen.h"
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"
#include "base/IniFile.h"
#include "base/Zlib.h"
#include "support/ScriptedMessages.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace qv;
namespace {

// Builds bytes at documented offsets, so the test also shows the layout.
struct Bytes
{
    QByteArray data;
    explicit Bytes(qsizetype size) : data(size, '\0') {}
    void i32(qsizetype at, qint32 v)
    {
        for (int i = 0; i < 4; ++i)
            data[at + i] = char((quint32(v) >> (8 * i)) & 0xFF);
    }
    void s(qsizetype at, const QString &text, int capacity)
    {
        const QByteArray enc = qv::encodeShortString(text, capacity);
        data.replace(at, enc.size(), enc);
    }
    void raw(qsizetype at, const QByteArray &b) { data.replace(at, b.size(), b); }
};

constexpr int kHeader = 739;
constexpr int kDepartmentBase = 1457;

// Customer block: one department with two contacts and one accelerator, FFA 100.
QByteArray exampleBlock()
{
    const int n = 2, m = 1;
    Bytes b(kHeader + kDepartmentBase + 306 * n + 186 * m);
    b.i32(0, 7);
    b.raw(4, QByteArray::fromHex("00000000000000c80540")); // FFA 100.0
    // Vertragspartner (TAnP) at 14
    b.s(14 + 0, QStringLiteral("Frau"), 50);
    b.s(14 + 51, QStringLiteral("Dr."), 50);
    b.s(14 + 102, QStringLiteral("Größe, Jürgen"), 50);
    b.s(14 + 153, QStringLiteral("0721 1234"), 50);
    b.s(14 + 204, QStringLiteral("0721 1235"), 50);
    b.s(14 + 255, QStringLiteral("a@b.de"), 50);
    // VertragsAdresse (TAdresse) at 320
    b.s(320 + 0, QStringLiteral("Frau Dr. Größe, Jürgen"), 200);
    b.s(320 + 201, QStringLiteral("Klinikum"), 50);
    b.s(320 + 252, QStringLiteral("Verwaltung"), 50);
    b.s(320 + 303, QStringLiteral("Hauptstraße 1"), 50);
    b.s(320 + 354, QStringLiteral("76131"), 5);
    b.s(320 + 360, QStringLiteral("Karlsruhe"), 50);
    b.i32(731, 1); // departments
    b.i32(735, 0); // AktAbteilung
    const int a = kHeader;
    b.i32(a + 0, 3);
    b.s(a + 4 + 201, QStringLiteral("Lieferinstitut"), 50);
    b.s(a + 415 + 354, QStringLiteral("12345"), 5);
    b.s(a + 826 + 360, QStringLiteral("Abholort"), 50);
    b.i32(a + 1237, n);
    b.s(a + 1241 + 102, QStringLiteral("Erster, Ansprech"), 50);
    b.s(a + 1241 + 306 + 255, QStringLiteral("zweiter@klinik.de"), 50);
    const int bs = a + 1241 + 306 * n;
    b.i32(bs, m);
    b.s(bs + 4 + 0, QStringLiteral("Elekta"), 50);
    b.s(bs + 4 + 51, QStringLiteral("LA2"), 50);
    b.s(bs + 4 + 102, QStringLiteral("Synergy"), 50);
    b.s(bs + 4 + 153, QStringLiteral("65,5"), 10);
    b.s(bs + 4 + 164, QStringLiteral("100"), 10);
    b.s(bs + 4 + 175, QStringLiteral("8,0 cm"), 10);
    const int rest = bs + 4 + 186 * m;
    b.s(rest + 0, QStringLiteral("vor 9 Uhr"), 50);
    b.s(rest + 51, QStringLiteral("Kauf von Zarn e.K."), 50);
    b.s(rest + 102, QStringLiteral("Leihgabe von Zarn e.K."), 50);
    b.s(rest + 153, QStringLiteral("Strahlentherapie"), 50);
    b.i32(rest + 204, 1);
    b.i32(rest + 208, 0);
    return b.data;
}

TKundenDaten complete()
{
    TKundenDaten k;
    k.LadeStandard();
    TAbteilung &abt = k.Abteilungen[0];
    abt.Beschl[0].FBA = QStringLiteral("60");
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

TEST(KundenDaten, BlockIsReadFromTheDocumentedOffsetsAndWrittenIdentically)
{
    const QByteArray block = exampleBlock();
    ASSERT_EQ(block.size(), 739 + 1457 + 2 * 306 + 186);
    TKundenDaten k;
    qv::ByteReader r(block);
    ASSERT_TRUE(k.Laden(r)) << r.error().toStdString();
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(k.Version, 7);
    EXPECT_EQ(k.FFA, 100.0);
    EXPECT_EQ(k.Vertragspartner.Name, QStringLiteral("Größe, Jürgen"));
    EXPECT_EQ(k.Vertragspartner.EMail, QStringLiteral("a@b.de"));
    EXPECT_EQ(k.VertragsAdresse.PLZ, QStringLiteral("76131"));
    EXPECT_EQ(k.VertragsAdresse.Ort, QStringLiteral("Karlsruhe"));
    ASSERT_EQ(k.Abteilungen.size(), 1);
    const TAbteilung &abt = k.Abteilungen[0];
    EXPECT_EQ(abt.Version, 3);
    EXPECT_EQ(abt.Lieferanschrift.Institut, QStringLiteral("Lieferinstitut"));
    EXPECT_EQ(abt.Rechnungsanschrift.PLZ, QStringLiteral("12345"));
    EXPECT_EQ(abt.Abholadresse.Ort, QStringLiteral("Abholort"));
    ASSERT_EQ(abt.AnP.size(), 2);
    EXPECT_EQ(abt.AnP[0].Name, QStringLiteral("Erster, Ansprech"));
    EXPECT_EQ(abt.AnP[1].EMail, QStringLiteral("zweiter@klinik.de"));
    ASSERT_EQ(abt.Beschl.size(), 1);
    EXPECT_EQ(abt.Beschl[0].Beschleuniger, QStringLiteral("Elekta"));
    EXPECT_EQ(abt.Beschl[0].FBA, QStringLiteral("65,5"));
    EXPECT_EQ(abt.Beschl[0].EFBA, QStringLiteral("100"));
    EXPECT_EQ(abt.Beschl[0].Gusshoehe, QStringLiteral("8,0 cm"));
    EXPECT_EQ(abt.Transport, QStringLiteral("vor 9 Uhr"));
    EXPECT_EQ(abt.Herkunft, QStringLiteral("Kauf von Zarn e.K."));
    EXPECT_EQ(abt.Legierung, QStringLiteral("Leihgabe von Zarn e.K."));
    EXPECT_EQ(abt.Name, QStringLiteral("Strahlentherapie"));
    EXPECT_EQ(abt.AktAnP, 1);
    EXPECT_EQ(abt.AktBeschl, 0);

    qv::ByteWriter w;
    k.Speichern(w);
    EXPECT_EQ(w.data().toHex().toStdString(), block.toHex().toStdString());
}

TEST(KundenDaten, FfaAsAnEightyBitNumber)
{
    TKundenDaten k;
    k.LadeStandard();
    for (const auto &[ffa, hex] : {std::pair{100.0, "00000000000000c80540"}, std::pair{80.5, "00000000000000a10540"}}) {
        k.FFA = ffa;
        qv::ByteWriter w;
        k.Speichern(w);
        EXPECT_EQ(w.data().mid(4, 10).toHex(), QByteArray(hex)) << ffa;
    }
}

TEST(KundenDaten, DepartmentBlockHasTheDocumentedSize)
{
    TKundenDaten k;
    k.LadeStandard();
    for (int i = 0; i < 2; ++i) {
        k.Abteilungen[0].NeuerAnP();
        k.Abteilungen[0].NeuerBeschl();
    }
    k.NeueAbteilung();
    qv::ByteWriter w;
    k.Speichern(w);
    EXPECT_EQ(w.size(), 739 + (1457 + 3 * 306 + 3 * 186) + (1457 + 306 + 186));
}

TEST(KundenDaten, TooLongTextIsCutToItsCapacity)
{
    TKundenDaten k;
    k.LadeStandard();
    k.Abteilungen[0].Name = QString(60, u'x');
    k.Abteilungen[0].Beschl[0].FBA = QStringLiteral("12345678901234");
    qv::ByteWriter w;
    k.Speichern(w);
    TKundenDaten zurueck;
    qv::ByteReader r(w.data());
    ASSERT_TRUE(zurueck.Laden(r));
    EXPECT_EQ(zurueck.Abteilungen[0].Name, QString(50, u'x'));
    EXPECT_EQ(zurueck.Abteilungen[0].Beschl[0].FBA, QStringLiteral("1234567890"));
}

TEST(KundenDaten, DamagedBlocksAreRefused)
{
    const QByteArray gut = exampleBlock();
    auto mit = [&gut](qsizetype at, qint32 v) {
        Bytes b(0);
        b.data = gut;
        b.i32(at, v);
        return b.data;
    };
    const int anzAnP = kHeader + 1237;
    const int anzBeschl = kHeader + 1241 + 2 * 306;
    struct Case
    {
        const char *name;
        QByteArray daten;
        const char *imText;
    } faelle[] = {
        {"leer", QByteArray(), "Dateiende"},
        {"Kopf abgeschnitten", gut.left(700), "Dateiende"},
        {"Abteilung abgeschnitten", gut.left(gut.size() - 1), "Beschleuniger (1) passt nicht"},
        {"zwei Milliarden Abteilungen", mit(731, 2000000000), "Abteilungen (2000000000)"},
        {"negative Abteilungen", mit(731, -1), "negativ"},
        {"zu viele Ansprechpartner", mit(anzAnP, 3), "Ansprechpartner (3)"},
        {"riesige Ansprechpartnerzahl", mit(anzAnP, 0x7FFFFFFF), "Ansprechpartner"},
        {"zu viele Beschleuniger", mit(anzBeschl, 2), "Beschleuniger (2)"},
    };
    for (const Case &f : faelle) {
        TKundenDaten k;
        k.LadeStandard();
        const TKundenDaten vorher = k;
        qv::ByteReader r(f.daten);
        EXPECT_FALSE(k.Laden(r)) << f.name;
        EXPECT_TRUE(r.error().contains(QString::fromUtf8(f.imText))) << f.name << ": " << r.error().toStdString();
        EXPECT_TRUE(k == vorher) << f.name << ": unchanged after a failed read";
    }
}

TEST(KundenDaten, DamagedCustomerFileNamesTheFile)
{
    qv::test::TempProgramFolder ordner;
    const QByteArray gut = qv::deflateZlib(exampleBlock(), 1);
    struct Case
    {
        const char *name;
        QByteArray datei;
    } faelle[] = {
        {"kein zlib", QByteArray("das ist keine Kundendatei")},
        {"zlib abgeschnitten", gut.left(gut.size() / 2)},
        {"Block abgeschnitten", qv::deflateZlib(exampleBlock().left(1000), 1)},
        {"leere Datei", QByteArray()},
    };
    for (const Case &f : faelle) {
        const QString pfad = ordner.write(QStringLiteral("Kunde.cfg"), f.datei);
        TKundenDaten k;
        auto ok = k.Laden(KundenDateien::imOrdner(ordner.path()));
        ASSERT_FALSE(ok.ok()) << f.name;
        EXPECT_TRUE(ok.error().contains(QDir::toNativeSeparators(pfad))) << ok.error().toStdString();
        EXPECT_FALSE(k.ErsterStart) << f.name;
        EXPECT_EQ(k.Abteilungen.size(), 1) << f.name << ": usable defaults after the error";
    }
}

TEST(KundenDaten, SavingAndLoadingThroughKundeCfg)
{
    qv::test::TempProgramFolder ordner;
    const KundenDateien dateien = KundenDateien::imOrdner(ordner.path());
    TKundenDaten k = complete();
    k.FFA = 85.5;
    qv::test::ScriptedMessages meldungen;
    ASSERT_TRUE(qv::KundenDatenSpeichern(k, dateien.kunde, meldungen));
    EXPECT_TRUE(meldungen.shown().isEmpty());

    const QByteArray datei = ordner.read(QStringLiteral("Kunde.cfg"));
    EXPECT_EQ(datei.left(2).toHex(), QByteArray("7801")); // zlib header, fastest level
    TKundenDaten geladen;
    ASSERT_TRUE(geladen.Laden(dateien).ok());
    EXPECT_FALSE(geladen.ErsterStart);
    EXPECT_TRUE(geladen == k);
}

TEST(KundenDaten, SavingIsRefusedForDemoAndOrderData)
{
    qv::test::TempProgramFolder ordner;
    const QString pfad = ordner.file(QStringLiteral("Kunde.cfg"));
    for (int fall = 0; fall < 2; ++fall) {
        TKundenDaten k = complete();
        (fall == 0 ? k.Demo : k.AusAuftrag) = true;
        qv::test::ScriptedMessages meldungen;
        EXPECT_FALSE(qv::KundenDatenSpeichern(k, pfad, meldungen));
        EXPECT_FALSE(QFile::exists(pfad));
    }
}

TEST(KundenDaten, WriteErrorNamesThePath)
{
    qv::test::TempProgramFolder ordner;
    const QString pfad = ordner.file(QStringLiteral("fehlt/Kunde.cfg"));
    qv::test::ScriptedMessages meldungen;
    EXPECT_FALSE(qv::KundenDatenSpeichern(complete(), pfad, meldungen));
    EXPECT_EQ(meldungen.lastText(),
              QStringLiteral("Daten wurden nicht gespeichert.\rBitte Überprüfen Sie den Pfad ") + QDir::toNativeSeparators(pfad));
}

TEST(KundenDaten, DamagedKundeCfgIsBackedUpBeforeItIsOverwritten)
{
    qv::test::TempProgramFolder ordner;
    const QByteArray kaputt("kaputt, aber vielleicht noch zu retten");
    const QString pfad = ordner.write(QStringLiteral("Kunde.cfg"), kaputt);
    ordner.write(QStringLiteral("Kunde.cfg.beschaedigt"), "eine ältere Sicherung");
    qv::test::ScriptedMessages meldungen;
    ASSERT_TRUE(qv::KundenDatenSpeichern(complete(), pfad, meldungen));
    EXPECT_EQ(ordner.read(QStringLiteral("Kunde.cfg.beschaedigt")), QByteArray("eine ältere Sicherung"));
    EXPECT_EQ(ordner.read(QStringLiteral("Kunde.cfg.beschaedigt-2")), kaputt);
    TKundenDaten neu;
    EXPECT_TRUE(neu.LadeDatei(pfad).ok());

    // A readable file is simply replaced, without another copy.
    ASSERT_TRUE(qv::KundenDatenSpeichern(complete(), pfad, meldungen));
    EXPECT_FALSE(QFile::exists(ordner.file(QStringLiteral("Kunde.cfg.beschaedigt-3"))));
}

TEST(KundenDaten, DamagedFileSaysSoOnce)
{
    qv::test::TempProgramFolder ordner;
    // a zlib header followed by a block type that does not exist
    const QString pfad = ordner.write(QStringLiteral("Kunde.cfg"), QByteArray("\x78\x9c\xff\xff\xff\xff\xff\xff", 8));
    TKundenDaten k;
    const qv::Result<void> r = k.LadeDatei(pfad);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().startsWith(QStringLiteral("Die Kundendatei \"") + QDir::toNativeSeparators(pfad))) << r.error().toStdString();
    EXPECT_EQ(r.error().count(QStringLiteral("beschädigt")), 1) << r.error().toStdString();
}

TEST(KundenDaten, WithoutAFileFirstStartWithDefaults)
{
    qv::test::TempProgramFolder ordner;
    TKundenDaten k;
    ASSERT_TRUE(k.Laden(KundenDateien::imOrdner(ordner.path())).ok());
    EXPECT_TRUE(k.ErsterStart);
    EXPECT_EQ(k.FFA, 100.0);
    ASSERT_EQ(k.Abteilungen.size(), 1);
    EXPECT_EQ(k.Abteilungen[0].Name, QStringLiteral("Radioonkologie"));
    EXPECT_EQ(k.Abteilungen[0].AnP[0].Name, QStringLiteral("Mustermann, Max"));
    EXPECT_EQ(k.Abteilungen[0].Beschl[0].Beschleuniger, QStringLiteral("Varian"));
    EXPECT_EQ(k.Abteilungen[0].Beschl[0].FBA, QStringLiteral("0"));
    EXPECT_EQ(k.Abteilungen[0].Beschl[0].Gusshoehe, QStringLiteral("8,0 cm"));
    EXPECT_EQ(k.Abteilungen[0].Transport, QStringLiteral("am nächsten Werktag"));
    EXPECT_EQ(k.PruefText(), QStringLiteral("- die Angaben des Vertragspartners sind nicht komplett.\r"
                                            "- die Angaben des ersten Ansprechpartners sind nicht komplett.\r"
                                            "- die Angaben der Lieferanschrift sind nicht komplett.\r"
                                            "- die Angaben der Rechnungsanschrift sind nicht komplett.\r"
                                            "- die Angaben der Abholadresse sind nicht komplett.\r"
                                            "- der FBA muß zwischen 30 und 90 cm liegen. (Beschleunigerkonfiguration)"));
}

TEST(KundenDaten, MigrationFromAnOldIniWithMissingSections)
{
    qv::test::TempProgramFolder ordner;
    ordner.write(QStringLiteral("KundenDaten.cfg"),
                 qv::toCp1252(u"[Vertrag]\r\nGeschlecht=Frau\r\nTitel=Dr.\r\nName=Müller, Anna\r\n"
                              u"PLZ=7613199\r\nOrt=Köln\r\n"
                              u"[AnP1]\r\nName=Erste, Person\r\nTelefon=123\r\n"
                              u"[Beschleuniger]\r\nBeschleuniger=Elekta\r\nFBA=65\r\n"
                              u"[Auftrag]\r\nTransport=vor 9 Uhr\r\n"));
    TKundenDaten k;
    ASSERT_TRUE(k.Laden(KundenDateien::imOrdner(ordner.path())).ok());
    EXPECT_FALSE(k.ErsterStart);
    EXPECT_EQ(k.FFA, 100.0);
    EXPECT_EQ(k.Vertragspartner.Name, QStringLiteral("Müller, Anna"));
    EXPECT_EQ(k.VertragsAdresse.AnP, QStringLiteral("Frau Dr. Müller, Anna"));
    EXPECT_EQ(k.VertragsAdresse.PLZ, QStringLiteral("76131"));
    EXPECT_EQ(k.VertragsAdresse.Ort, QStringLiteral("Köln"));
    ASSERT_EQ(k.Abteilungen.size(), 1);
    const TAbteilung &abt = k.Abteilungen[0];
    EXPECT_EQ(abt.Name, QStringLiteral("Strahlentherapie"));
    ASSERT_EQ(abt.AnP.size(), 5);
    EXPECT_EQ(abt.AnP[0].Name, QStringLiteral("Erste, Person"));
    EXPECT_EQ(abt.AnP[0].Geschlecht, QStringLiteral("Herr"));
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(abt.AnP[i] == (TAnP{QStringLiteral("Herr"), {}, {}, {}, {}, {}})) << i;
    ASSERT_EQ(abt.Beschl.size(), 1);
    EXPECT_TRUE(abt.Beschl[0] == (TBeschl{QStringLiteral("Elekta"), QStringLiteral("z.B. Linac1"), QStringLiteral("z.B. Primus"),
                                          QStringLiteral("65"), QStringLiteral("95"), QStringLiteral("7,0 cm")}));
    EXPECT_EQ(abt.Transport, QStringLiteral("vor 9 Uhr"));
    EXPECT_EQ(abt.Herkunft, QStringLiteral("Leihgabe von Zarn e.K."));
    EXPECT_EQ(abt.Legierung, QStringLiteral("Leihgabe von Zarn e.K."));

    // Once Kunde.cfg exists the old file is ignored.
    qv::test::ScriptedMessages meldungen;
    TKundenDaten neu = complete();
    ASSERT_TRUE(qv::KundenDatenSpeichern(neu, ordner.file(QStringLiteral("Kunde.cfg")), meldungen));
    ASSERT_TRUE(k.Laden(KundenDateien::imOrdner(ordner.path())).ok());
    EXPECT_EQ(k.Abteilungen[0].Name, QStringLiteral("Radioonkologie"));
}

TEST(KundenDaten, PruefenFbaLimitsAndMessage)
{
    struct Case
    {
        const char *fba;
        bool ok;
    } faelle[] = {{"30", true}, {"90", true}, {"29,9", false}, {"90,1", false}, {"60,5", true}, {"abc", false}, {"60.5", false}};
    for (const Case &f : faelle) {
        TKundenDaten k = complete();
        k.Abteilungen[0].Beschl[0].FBA = QString::fromUtf8(f.fba);
        EXPECT_EQ(k.Vollstaendig(), f.ok) << f.fba;
    }

    TKundenDaten k = complete();
    k.Abteilungen[0].Beschl[0].KBez = QStringLiteral("  ");
    k.Abteilungen[0].Abholadresse.PLZ.clear();
    qv::test::ScriptedMessages meldungen;
    EXPECT_FALSE(qv::KundenDatenPruefen(k, meldungen));
    EXPECT_EQ(meldungen.lastText(),
              QStringLiteral("Es fehlen einige Angaben in Ihrer Konfiguration.\r"
                             "Bitte ergänzen Sie die folgenden Angaben* der Abteilung \"Radioonkologie\" : \r"
                             "- die Angaben des Beschleunigers sind nicht komplett.\r"
                             "- die Angaben der Abholadresse sind nicht komplett.\r\r"
                             "(*Es sind Angaben in allen hellblau hinterlegten Feldern erforderlich.)"));
    EXPECT_TRUE(qv::KundenDatenPruefen(complete(), meldungen));
}

TEST(KundenDaten, PlaneConversionRoundsHalfToEven)
{
    TKundenDaten k = complete();
    k.FFA = 200.0;
    // 5 * 100 / 200 = 2,5 -> 2; 7 -> 3,5 -> 4; -5 -> -2,5 -> -2
    EXPECT_EQ(k.BildZuIsoebene(QPoint(5, 7)), QPoint(2, 4));
    EXPECT_EQ(k.BildZuIsoebene(QPoint(-5, -7)), QPoint(-2, -4));
    k.FFA = 100.0;
    EXPECT_EQ(k.BildZuIsoebene(QPoint(123, -45)), QPoint(123, -45));

    TBeschl &b = k.Abteilungen[0].Beschl[0];
    k.FFA = 100.0;
    b.FBA = QStringLiteral("50,5"); // rounds to 50
    EXPECT_EQ(k.BildZuBlockebene(QPoint(5, 3)), QPoint(2, 2)); // 2,5 -> 2; 1,5 -> 2
    b.FBA = QStringLiteral("51,5");                            // rounds to 52
    EXPECT_EQ(k.BildZuBlockebene(QPoint(100, 25)), QPoint(52, 13));
    b.FBA = QStringLiteral("kein");
    EXPECT_FALSE(k.BildZuBlockebene(QPoint(1, 1)).has_value());

    b.EFBA = QStringLiteral("100");
    EXPECT_EQ(k.BildZuBlendenebene(QPoint(10, 20)), QPoint(10, 20));
    b.EFBA = QStringLiteral("?");
    EXPECT_EQ(k.BildZuBlendenebene(QPoint(100, 30)), QPoint(95, 28)); // 28,5 -> 28
    EXPECT_EQ(b.EFBA, QStringLiteral("95"));
}

TEST(KundenDaten, ListMaintenance)
{
    TKundenDaten k;
    k.NeueAbteilung();
    EXPECT_EQ(k.Abteilungen[0].Name, QStringLiteral("Strahlentherapie"));
    EXPECT_TRUE(k.Abteilungen[0].Transport.isEmpty());
    k.Abteilungen[0].Transport = QStringLiteral("vor 9 Uhr");
    k.NeueAbteilung();
    EXPECT_EQ(k.AktAbteilung, 1);
    EXPECT_EQ(k.Abteilungen[1].Name, QStringLiteral("Strahlentherapie1"));
    EXPECT_EQ(k.Abteilungen[1].Transport, QStringLiteral("vor 9 Uhr"));
    k.NeueAbteilung();
    EXPECT_EQ(k.Abteilungen[2].Name, QStringLiteral("Strahlentherapie12"));

    TAbteilung &abt = k.Abteilungen[0];
    abt.NeuerBeschl();
    EXPECT_EQ(abt.Beschl[1].Typ, QStringLiteral("2"));
    EXPECT_EQ(abt.AktBeschl, 1);
    abt.LoescheBeschl(0);
    EXPECT_EQ(abt.Beschl.size(), 1);
    EXPECT_EQ(abt.AktBeschl, 0);

    // Removing the only contact leaves one new default contact.
    abt.LoescheAnP(0);
    ASSERT_EQ(abt.AnP.size(), 1);
    EXPECT_EQ(abt.AnP[0].AnzeigeName(), QStringLiteral("Herr  Mustermann, Max"));
    abt.LoescheAnP(5); // not an index: nothing happens
    EXPECT_EQ(abt.AnP.size(), 1);

    k.LoescheAbteilung(2);
    EXPECT_EQ(k.Abteilungen.size(), 2);
    EXPECT_EQ(k.AktAbteilung, 1);
    k.LoescheAbteilung(1);
    k.LoescheAbteilung(0);
    ASSERT_EQ(k.Abteilungen.size(), 1);
    EXPECT_EQ(k.Abteilungen[0].Name, QStringLiteral("Strahlentherapie"));
}

TEST(KundenDaten, WaehleAnPTakesTheLastOfEqualNames)
{
    TKundenDaten k = complete();
    TAbteilung &abt = k.Abteilungen[0];
    abt.AnP = {TAnP{QStringLiteral("Frau"), QStringLiteral("Dr."), QStringLiteral("A"), {}, {}, {}},
               TAnP{QStringLiteral("Herr"), {}, QStringLiteral("B"), {}, {}, {}},
               TAnP{QStringLiteral("Frau"), QStringLiteral("Dr."), QStringLiteral("A"), {}, {}, {}}};
    abt.AktAnP = 1;
    k.WaehleAnP(QStringLiteral("  Frau Dr. A "));
    EXPECT_EQ(abt.AktAnP, 2);
    k.WaehleAnP(QStringLiteral("Niemand"));
    EXPECT_EQ(abt.AktAnP, 2);
    k.WaehleAnP(QStringLiteral("Herr  B"));
    EXPECT_EQ(abt.AktAnP, 1);
}

TEST(KundenDaten, SettingsSavePathAndHelp)
{
    qv::test::TempProgramFolder ordner;
    qv::IniFile ini(ordner.file(QStringLiteral("QuellvantarIni.ini")));
    EXPECT_TRUE(TKundenDaten::Help(ini));
    EXPECT_TRUE(TKundenDaten::SetHelp(ini, false));
    EXPECT_FALSE(qv::IniFile(ini.path()).readBool(QStringLiteral("Init"), QStringLiteral("Help"), true));
    EXPECT_FALSE(TKundenDaten::SavePath(ini).isEmpty());
    ASSERT_TRUE(ini.writeString(QStringLiteral("Init"), QStringLiteral("SavePath"), QStringLiteral("/daten/")));
    EXPECT_EQ(TKundenDaten::SavePath(ini), QStringLiteral("/daten/"));
}

} // namespace
