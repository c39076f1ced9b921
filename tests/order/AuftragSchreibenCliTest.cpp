#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

using namespace qv::test;
using namespace Qt::StringLiterals;

namespace {

QJsonArray point(int x, int y)
{
    return QJsonArray{x, y};
}

QJsonObject contour(int nummer, const QJsonArray &punkte)
{
    return {{u"Nummer"_s, nummer}, {u"Geschlossen"_s, true}, {u"Punkte"_s, punkte}};
}

QJsonObject contactPerson(const QString &name)
{
    return {{u"Geschlecht"_s, u"Frau"_s}, {u"Titel"_s, u"Dr."_s}, {u"Name"_s, name},
            {u"Telefon"_s, u"0761 1"_s},  {u"Fax"_s, u""_s},      {u"EMail"_s, u"a@b.de"_s}};
}

QJsonObject address(const QString &ort)
{
    return {{u"AnP"_s, QString(200, u'x')}, {u"Institut"_s, u"Klinik"_s}, {u"Abteilung"_s, u"Strahlentherapie"_s},
            {u"Strasse"_s, u"Weg 1"_s},    {u"PLZ"_s, u"79106"_s},       {u"Ort"_s, ort}};
}

// An order with something unusual in every part: values at the limits of their stored types,
// an unknown direction byte, texts at their capacity with umlauts.
QJsonObject example()
{
    QJsonArray gross;
    for (int i = 0; i < 10000; ++i)
        gross.append(point(i, i % 2 ? 5 : -5));
    gross.append(point(0, -5));
    const QJsonObject abteilung{
        {u"Version"_s, 3},
        {u"Name"_s, u"Strahlentherapie Süd"_s},
        {u"Transport"_s, u"Kurier"_s},
        {u"Herkunft"_s, u"neu"_s},
        {u"Legierung"_s, u"MCP 96"_s},
        {u"AktAnP"_s, 1},
        {u"AktBeschl"_s, -1},
        {u"AnP"_s, QJsonArray{contactPerson(u"Müller, Anna"_s), contactPerson(u"Weiß, Jörg"_s)}},
        {u"Beschl"_s, QJsonArray{QJsonObject{{u"Beschleuniger"_s, u"Varian"_s},
                                             {u"KBez"_s, u"LA1"_s},
                                             {u"Typ"_s, u"Clinac"_s},
                                             {u"FBA"_s, u"65,4"_s},
                                             {u"EFBA"_s, u"95"_s},
                                             {u"Gusshoehe"_s, u"8,0 cm"_s}}}},
        {u"Lieferanschrift"_s, address(u"Freiburg"_s)},
        {u"Rechnungsanschrift"_s, address(u"Basel"_s)},
        {u"Abholadresse"_s, address(u""_s)}};
    return {
        {u"Version"_s, 6},
        {u"GeladeneVersion"_s, u"V9.99"_s},
        {u"PixelProMM"_s, 1.5},
        {u"Bild"_s, QJsonValue()},
        {u"Isozentrum"_s, point(-2147483647 - 1, 2147483647)},
        {u"Konturen"_s, QJsonArray{contour(1, QJsonArray{point(0, 0), point(100, 0), point(100, 100), point(0, 0)}),
                                   contour(2, gross)}},
        {u"MassstabPunkt1"_s, point(-300, 0)},
        {u"MassstabPunkt2"_s, point(300, 0)},
        {u"MassstabAbstand"_s, 200},
        {u"FeldEcke1"_s, point(999999, 0)},
        {u"FeldEcke2"_s, point(-1, 1)},
        {u"Einschubrichtung"_s, 7},
        {u"Auftragsart"_s, 0},
        {u"Auftragsdaten"_s,
         QJsonObject{{u"Gueltig"_s, true},
                     {u"Datum"_s, 46088.40625},
                     {u"MitCodierung"_s, true},
                     {u"Kunde"_s, u"Uniklinik\r\nStraße 1\r\n"_s + QString(200 - 21, u'ä')},
                     {u"Beschleuniger"_s, u"Varian LA1"_s},
                     {u"Bearbeiter"_s, u"Frau Dr. Müller, Anna"_s},
                     {u"FBA"_s, u"65,45"_s},
                     {u"EFBA"_s, u"95"_s},
                     {u"Modus"_s, u"Elektronen (Blenden)"_s},
                     {u"TragplatteRahmen"_s, u"Rahmen 10x10"_s},
                     {u"Herkunft"_s, u"neu"_s},
                     {u"Legierung"_s, u"MCP 96"_s},
                     {u"Codierung"_s, u"‰€"_s},
                     {u"PatientenID"_s, QString(50, u'9')},
                     {u"Zielvolumen"_s, u"PTV"_s},
                     {u"KurzKommentar"_s, u""_s},
                     {u"Kollimatorwinkel"_s, u"90"_s},
                     {u"Gantrywinkel"_s, u"0"_s},
                     {u"Gusshoehe"_s, u"8,0 cm"_s},
                     {u"Transport"_s, u"mit der Post"_s}}},
        {u"Kundendaten"_s, QJsonObject{{u"Version"_s, 2},
                                        {u"FFA"_s, 95.5},
                                        {u"AktAbteilung"_s, 0},
                                        {u"Vertragspartner"_s, contactPerson(u"Chef"_s)},
                                        {u"VertragsAdresse"_s, address(u"Zürich"_s)},
                                        {u"Abteilungen"_s, QJsonArray{abteilung}}}},
    };
}

class AuftragSchreibenCli : public testing::Test
{
protected:
    void SetUp() override
    {
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(qRgb(20, 90, 200));
        bildPfad = dir.file(u"vorlage.png"_s);
        ASSERT_TRUE(bild.save(bildPfad));
    }

    QString json(const QJsonObject &o, const QString &name = u"ein.json"_s)
    {
        return dir.write(name, QJsonDocument(o).toJson());
    }

    TempProgramFolder dir;
    QString bildPfad;
};

QJsonObject withoutIgnored(QJsonObject o)
{
    for (const QString &k : {u"Version"_s, u"GeladeneVersion"_s, u"PixelProMM"_s, u"Bild"_s})
        o.remove(k);
    return o;
}

} // namespace

TEST_F(AuftragSchreibenCli, InfoPrintsEveryGivenValueBack)
{
    // an existing file is replaced
    const QString aus = dir.write(u"auftrag.ORv"_s, "alt");

    const QJsonObject ein = example();
    const CliRun w = runCli({u"auftrag-schreiben"_s, json(ein), bildPfad, aus});
    ASSERT_EQ(w.exitCode, 0) << w.err.toStdString();
    EXPECT_TRUE(w.err.isEmpty());

    const CliRun i = runCli({u"info"_s, aus});
    ASSERT_EQ(i.exitCode, 0) << i.err.toStdString();
    const QJsonObject zurueck = QJsonDocument::fromJson(i.out).object();
    EXPECT_EQ(zurueck[u"Version"_s].toInt(), 6);
    EXPECT_EQ(zurueck[u"Bild"_s].toObject(), (QJsonObject{{u"Breite"_s, 40}, {u"Hoehe"_s, 30}}));
    const QJsonObject erwartet = withoutIgnored(ein);
    const QJsonObject gelesen = withoutIgnored(zurueck);
    EXPECT_EQ(gelesen.keys(), erwartet.keys());
    for (const QString &k : erwartet.keys())
        EXPECT_EQ(gelesen[k], erwartet[k]) << k.toStdString();
    QDir().remove(dir.file(u"ein.json"_s));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"auftrag.ORv"_s, u"vorlage.png"_s}));
}

TEST_F(AuftragSchreibenCli, RefusesWhatTheFileCannotHoldNamingTheKey)
{
    using Change = std::function<void(QJsonObject &)>;
    auto auftragsdaten = [](const QString &key, const QJsonValue &v) {
        return Change([=](QJsonObject &o) {
            QJsonObject a = o[u"Auftragsdaten"_s].toObject();
            a[key] = v;
            o[u"Auftragsdaten"_s] = a;
        });
    };
    auto konturen = [](const QJsonArray &k) { return Change([=](QJsonObject &o) { o[u"Konturen"_s] = k; }); };
    const QJsonObject quadrat = contour(1, QJsonArray{point(0, 0), point(9, 0), point(9, 9), point(0, 0)});
    QJsonArray zwoelf;
    for (int k = 1; k <= 12; ++k)
        zwoelf.append(contour(k, quadrat[u"Punkte"_s].toArray()));
    QJsonArray zuLang;
    for (int i = 0; i < 10001; ++i)
        zuLang.append(point(i, 0));
    zuLang.append(point(0, 0));
    QJsonObject offen = quadrat;
    offen[u"Geschlossen"_s] = false;

    struct Case
    {
        const char *schluessel; // must appear in the message
        Change aendern;
    };
    const Case faelle[] = {
        {"Isozentrum", [](QJsonObject &o) { o.remove(u"Isozentrum"_s); }},
        {"Farbe", [](QJsonObject &o) { o[u"Farbe"_s] = 1; }},
        {"Auftragsdaten.Extra", auftragsdaten(u"Extra"_s, 1)},
        {"MassstabAbstand", [](QJsonObject &o) { o[u"MassstabAbstand"_s] = u"200"_s; }},
        {"MassstabAbstand", [](QJsonObject &o) { o[u"MassstabAbstand"_s] = 1.5; }},
        {"Isozentrum[0]", [](QJsonObject &o) { o[u"Isozentrum"_s] = QJsonArray{2147483648.0, 0}; }},
        {"FeldEcke1", [](QJsonObject &o) { o[u"FeldEcke1"_s] = QJsonArray{1}; }},
        {"Einschubrichtung", [](QJsonObject &o) { o[u"Einschubrichtung"_s] = 256; }},
        {"Auftragsart", [](QJsonObject &o) { o[u"Auftragsart"_s] = -1; }},
        {"Auftragsart", [](QJsonObject &o) { o[u"Auftragsart"_s] = QJsonValue(); }},
        {"Auftragsdaten.FBA", auftragsdaten(u"FBA"_s, u"123456"_s)},
        {"Auftragsdaten.PatientenID", auftragsdaten(u"PatientenID"_s, u"Ω"_s)},
        {"Auftragsdaten.Gueltig", auftragsdaten(u"Gueltig"_s, 1)},
        {"Kundendaten.Abteilungen[0].Beschl[0].FBA",
         [](QJsonObject &o) {
             QJsonObject k = o[u"Kundendaten"_s].toObject();
             QJsonArray abts = k[u"Abteilungen"_s].toArray();
             QJsonObject abt = abts[0].toObject();
             QJsonArray b = abt[u"Beschl"_s].toArray();
             QJsonObject b0 = b[0].toObject();
             b0[u"FBA"_s] = u"12345678901"_s;
             b[0] = b0;
             abt[u"Beschl"_s] = b;
             abts[0] = abt;
             k[u"Abteilungen"_s] = abts;
             o[u"Kundendaten"_s] = k;
         }},
        {"Kundendaten.VertragsAdresse", [](QJsonObject &o) {
             QJsonObject k = o[u"Kundendaten"_s].toObject();
             k.remove(u"VertragsAdresse"_s);
             o[u"Kundendaten"_s] = k;
         }},
        {"Konturen", konturen(zwoelf)},
        {"Konturen[0]", konturen({contour(1, QJsonArray{point(0, 0), point(9, 0), point(9, 9), point(0, 9)})})},
        {"Konturen[0]", konturen({contour(1, QJsonArray{point(0, 0), point(9, 0), point(0, 0)})})},
        {"Konturen[0]", konturen({offen})},
        {"Konturen[0].Punkte", konturen({contour(1, zuLang)})},
        {"Konturen[1].Nummer", konturen({quadrat, quadrat})},
        {"Konturen[0].Punkte[1]", konturen({contour(1, QJsonArray{point(0, 0), 3, point(9, 9), point(0, 0)})})},
    };
    const QString aus = dir.write(u"auftrag.ORv"_s, "alt");
    for (const Case &f : faelle) {
        QJsonObject o = example();
        f.aendern(o);
        const CliRun r = runCli({u"auftrag-schreiben"_s, json(o), bildPfad, aus});
        EXPECT_EQ(r.exitCode, 1) << f.schluessel;
        EXPECT_TRUE(r.errText().contains(u'"' + QString::fromUtf8(f.schluessel) + u'"'))
            << f.schluessel << ": " << r.err.toStdString();
        QFile pruef(aus);
        pruef.open(QIODevice::ReadOnly);
        EXPECT_EQ(pruef.readAll(), QByteArray("alt")) << f.schluessel;
    }

    // an image that cannot be read, and a target that is a folder
    const QString kaputt = dir.write(u"kaputt.png"_s, "kein Bild");
    CliRun r = runCli({u"auftrag-schreiben"_s, json(example()), kaputt, aus});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("kaputt.png")) << r.err.toStdString();
    QDir(dir.path()).mkdir(u"ordner.ORv"_s);
    r = runCli({u"auftrag-schreiben"_s, json(example()), bildPfad, dir.file(u"ordner.ORv"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QFileInfo(dir.file(u"ordner.ORv"_s)).isDir());

    // wrong arguments: the usage, exit 2; --help: the usage on standard output
    r = runCli({u"auftrag-schreiben"_s, json(example()), bildPfad});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("auftrag-schreiben EIN.json BILD AUS.ORv"));
    r = runCli({u"auftrag-schreiben"_s, u"--help"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("auftrag-schreiben EIN.json BILD AUS.ORv"));
}

// The JSON or the picture given as the output: refused, the input as it was (a hard link or
// ".." names the same file).
TEST_F(AuftragSchreibenCli, OutputThatIsAnInputIsRefused)
{
    const QString ein = json(example());
    const QByteArray jsonVorher = dir.read(u"ein.json"_s);
    const QByteArray bildVorher = dir.read(u"vorlage.png"_s);
    QDir(dir.path()).mkdir(u"sub"_s);
    ASSERT_TRUE(QFile::link(bildPfad, dir.file(u"bild-link.ORv"_s)));
    for (const QString &aus : {ein, bildPfad, dir.file(u"sub/../ein.json"_s), dir.file(u"bild-link.ORv"_s)}) {
        const CliRun w = runCli({u"auftrag-schreiben"_s, ein, bildPfad, aus});
        EXPECT_EQ(w.exitCode, 1) << aus.toStdString();
        EXPECT_TRUE(w.errText().contains(u"ist die Eingabedatei"_s)) << w.err.toStdString();
        EXPECT_EQ(dir.read(u"ein.json"_s), jsonVorher);
        EXPECT_EQ(dir.read(u"vorlage.png"_s), bildVorher);
    }
}
