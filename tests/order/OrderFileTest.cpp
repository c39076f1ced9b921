#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/OrderJson.h"

#include "app/Auftragsdatei.h"
#include "base/UtilsUnit.h"
#include "base/image/ImageIO.h"
#include "image/BmpFixture.h"
#include "order/OrderFixture.h"
#include "support/ScriptedMessages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace qv;
using namespace qv::test;
using qv::Messages;
using namespace Qt::StringLiterals;

namespace {

QImage smallPicture(int w = 40, int h = 30)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 6, y * 8, 128));
    return img;
}

FixtureOrder fixtureWithImage(int version)
{
    FixtureOrder o;
    o.image = version <= 4 ? makeBmp(smallPicture(), 24) : qv::encodeJpeg(smallPicture());
    return o;
}

struct Reader
{
    OrderDocument doc;

    qv::Result<void> read(const QByteArray &body) { return decodeOrderFile(compressed(body), doc); }
};

} // namespace

TEST(OrderFile, ReadsEveryVersionFromTheDocumentedLayout)
{
    for (int version = 1; version <= 6; ++version) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        const FixtureOrder o = fixtureWithImage(version);
        Reader r;
        r.doc.Auftrag.Auftragsart = qv::TAuftragsart::Elektronen; // stands for the order kind before reading
        auto ok = r.read(orderBody(version, o));
        ASSERT_TRUE(ok.ok()) << ok.error().toStdString();
        const OrderDocument &d = r.doc;

        EXPECT_EQ(d.Version, version);
        EXPECT_EQ(d.GeladeneVersion, version == 1 ? u"< V1_10" : u"V1.45");
        EXPECT_EQ(d.Auftrag.Isozentrum, QPoint(12, -34));
        ASSERT_EQ(d.Auftrag.Konturen.Anzahl(), 2);
        const qv::TKontur &square = d.Auftrag.Konturen.Kontur(1);
        EXPECT_TRUE(square.IstGeschlossen());
        EXPECT_EQ(square.Letzter(), 4);
        EXPECT_EQ(square.Punkte()[4], QPoint(0, 0));
        EXPECT_FALSE(d.Auftrag.Konturen.Kontur(2).IstGeschlossen()); // two points cannot close
        EXPECT_EQ(d.Auftrag.Massstab.MassstabPunkt1, QPoint(-300, 0));
        EXPECT_EQ(d.Auftrag.Massstab.MassstabAbstand, 200);
        EXPECT_DOUBLE_EQ(d.Auftrag.Massstab.PixelProMM, 3.0);
        EXPECT_EQ(d.Auftrag.FeldEcke2, QPoint(70, 80));
        EXPECT_EQ(d.Auftrag.Einschubrichtung, qv::TEinschubrichtung::Oben);
        EXPECT_EQ(d.EinschubrichtungsCode, 3);

        const TAuftragsdatenRec &a = d.Auftrag.Auftragsdaten;
        EXPECT_TRUE(a.Gueltig);
        EXPECT_EQ(a.Kunde, u"Klinik am See\r\nStrahlentherapie");
        EXPECT_DOUBLE_EQ(a.Datum, 45123.75);
        EXPECT_EQ(a.Modus, u"Photonen (Blöcke)");
        EXPECT_EQ(a.FBA, u"60,0");
        EXPECT_EQ(a.Legierung, version == 1 ? u"Leihgabe von Zarn e.K." : u"zurück an Kunden");
        EXPECT_TRUE(a.MitCodierung);
        EXPECT_EQ(a.Codierung, u"Code 7");
        EXPECT_EQ(a.PatientenID, u"PAT-0815");
        EXPECT_EQ(a.Transport, u"Kurier");

        const TKundenDaten &k = d.Auftrag.Kundendaten;
        EXPECT_TRUE(k.AusAuftrag);
        if (version == 6) {
            EXPECT_DOUBLE_EQ(k.FFA, 80.0);
            EXPECT_EQ(k.VertragsAdresse.Institut, u"Uniklinik");
            ASSERT_EQ(k.Abteilungen.size(), 1);
            EXPECT_EQ(k.Abteilungen[0].Name, u"Strahlenklinik");
            EXPECT_EQ(k.Abteilungen[0].AnP.size(), 2);
        } else {
            EXPECT_DOUBLE_EQ(k.FFA, 100.0);
            EXPECT_EQ(k.VertragsAdresse.Institut, u"Vertrag Institut");
        }

        EXPECT_EQ(int(d.Auftrag.Auftragsart), version >= 3 ? 1 : 0);
        EXPECT_EQ(d.Gelesen.Auftragsart, version >= 3);
        ASSERT_FALSE(d.Auftrag.Vorlage.isNull());
        EXPECT_EQ(d.Auftrag.Vorlage.size(), QSize(40, 30));
        EXPECT_TRUE(d.Hinweise.join(u'|').contains(u"mind.3 Punkte")); // contour 2 stays open
    }
}

TEST(OrderFile, EdgeCasesOfTheLayout)
{
    // No image: flag 0 and nothing after it; the empty image stays.
    for (int version : {4, 6}) {
        Reader r;
        ASSERT_TRUE(r.read(orderBody(version, FixtureOrder{})).ok());
        EXPECT_TRUE(r.doc.Auftrag.Vorlage.isNull());
        EXPECT_FALSE(r.doc.Gelesen.Vorlage);
    }
    // Version 0 and below was never written (a block of zeros reads as version 0): refused, the
    // order as it was.
    for (qint32 version : {0, -3, -7}) {
        Reader r;
        r.doc.Auftrag.Isozentrum = QPoint(1, 2);
        const auto ok = r.read(Bytes().i32(version).raw("garbage that is never read").data());
        ASSERT_FALSE(ok.ok());
        EXPECT_TRUE(ok.error().contains(QStringLiteral("unbekannte Version %1").arg(version))) << ok.error().toStdString();
        EXPECT_EQ(r.doc.Auftrag.Isozentrum, QPoint(1, 2));
        EXPECT_FALSE(r.doc.Gelesen.Isozentrum);
    }
    // A newer format is refused rather than misread.
    {
        Reader r;
        auto ok = r.read(orderBody(6, FixtureOrder{}).replace(0, 1, "\x07"));
        ASSERT_FALSE(ok.ok());
        EXPECT_TRUE(ok.error().contains(u"Version 7"));
    }
}

TEST(OrderFile, WritesTheCurrentVersionField)
{
    qv::TAuftrag doc;
    doc.Kundendaten.LadeStandard();
    // A closed square: count, N = 4 and four points (the closing point is not stored).
    doc.Konturen.NeueKontur();
    for (QPoint p : {QPoint(0, 0), QPoint(100, 0), QPoint(100, 100), QPoint(0, 100)})
        doc.Konturen.AktuelleKontur().PunktHinzufuegen(p, false);
    doc.Konturen.AktuelleKontur().Schliessen();
    doc.Auftragsdaten.Kunde = QString(250, u'ä'); // cut to 200 on storing
    auto body = encodeOrderBody(doc, QStringLiteral("V2.20"));
    ASSERT_TRUE(body.ok());

    Bytes expectedStart;
    expectedStart.i32(6).raw(QByteArray::fromHex("0556322e32300000000000")); // s[10] "V2.20"
    expectedStart.point({0, 0}).raw(contourStream({{{0, 0}, {100, 0}, {100, 100}, {0, 100}}}));
    expectedStart.point({999999, 999999}).point({999999, 999999}).i32(10);
    expectedStart.point({999999, 999999}).point({999999, 999999}).u8(0);
    ASSERT_EQ(body->left(expectedStart.data().size()).toHex(), expectedStart.data().toHex());
    const QByteArrayView rec = QByteArrayView(*body).sliced(expectedStart.data().size(), 952);
    EXPECT_EQ(uchar(rec[1]), 200);
    EXPECT_EQ(rec.sliced(2, 200), QByteArray(200, char(0xE4)));
    // Without an image the body ends with the order kind and a false image flag.
    EXPECT_TRUE(body->endsWith(QByteArray::fromHex("0200")));

    Reader r;
    ASSERT_TRUE(r.read(*body).ok());
    EXPECT_FALSE(r.doc.Gelesen.Vorlage);
    EXPECT_EQ(r.doc.Auftrag.FeldEcke1.x(), 999999);
    EXPECT_EQ(r.doc.Auftrag.Auftragsdaten.Kunde, QString(200, u'ä'));
}

TEST(OrderFile, RoundTripGivesIdenticalBodies)
{
    // A savable order: every contour closed (an open one is stored without its last point).
    FixtureOrder o = fixtureWithImage(6);
    o.contours[1].append(QPoint(-20, 90));
    Reader first;
    ASSERT_TRUE(first.read(orderBody(6, o)).ok());
    auto body1 = encodeOrderBody(first.doc.Auftrag, QStringLiteral("V2.20"));
    ASSERT_TRUE(body1.ok());
    Reader second;
    ASSERT_TRUE(second.read(*body1).ok());
    auto body2 = encodeOrderBody(second.doc.Auftrag, QStringLiteral("V2.20"));
    ASSERT_TRUE(body2.ok());
    EXPECT_EQ(*body1, *body2);
    EXPECT_EQ(AuftragAlsJson(first.doc).value(u"Konturen"), AuftragAlsJson(second.doc).value(u"Konturen"));

    // An old file, saved again, keeps its converted content; a changed image is encoded anew.
    Reader old;
    ASSERT_TRUE(old.read(orderBody(4, fixtureWithImage(4))).ok());
    old.doc.Auftrag.Vorlage.setPixel(0, 0, qRgb(1, 2, 3));
    auto body3 = encodeOrderBody(old.doc.Auftrag, QStringLiteral("V2.20"));
    ASSERT_TRUE(body3.ok());
    Reader again;
    ASSERT_TRUE(again.read(*body3).ok());
    EXPECT_EQ(again.doc.Auftrag.Auftragsdaten, old.doc.Auftrag.Auftragsdaten);
    EXPECT_EQ(again.doc.Auftrag.Kundendaten, old.doc.Auftrag.Kundendaten);
    EXPECT_EQ(again.doc.Auftrag.Auftragsart, qv::TAuftragsart::Photonen);
    EXPECT_EQ(again.doc.Auftrag.Vorlage.size(), QSize(40, 30));
    // Only the old customer record lacks the pick-up address; saved again, the order has one.
    EXPECT_TRUE(old.doc.Auftrag.OhneAbholadresse);
    EXPECT_FALSE(again.doc.Auftrag.OhneAbholadresse);
}

TEST(OrderFile, StoredJpegIsKeptOnlyWhenItIsAPlainBaselineStream)
{
    const QByteArray baseline = qv::encodeJpeg(smallPicture());
    QByteArray progressive;
    {
        QBuffer buffer(&progressive);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        ASSERT_TRUE(writer.write(smallPicture()));
    }
    ASSERT_TRUE(progressive.contains("\xFF\xC2")) << "the writer did not produce a progressive frame";

    struct Case
    {
        const char *name;
        QByteArray stored;
        bool keptAsIs;
    };
    const Case cases[] = {
        {"baseline", baseline, true},
        {"progressive", progressive, false},
        {"bytes after the end marker", baseline + "xyz", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FixtureOrder o;
        o.image = c.stored;
        Reader r;
        ASSERT_TRUE(r.read(orderBody(6, o)).ok());
        auto body = encodeOrderBody(r.doc.Auftrag, QStringLiteral("V2.20"));
        ASSERT_TRUE(body.ok());
        // With the image flag true the JPEG runs to the end of the body.
        const QByteArray written = body->right(c.keptAsIs ? c.stored.size() : body->size() - body->indexOf("\x01\xFF\xD8\xFF") - 1);
        if (c.keptAsIs) {
            EXPECT_EQ(written, c.stored);
            continue;
        }
        EXPECT_NE(written, c.stored);
        EXPECT_TRUE(written.startsWith("\xFF\xD8") && written.endsWith("\xFF\xD9"));
        EXPECT_TRUE(written.contains("\xFF\xC0"));
        EXPECT_FALSE(written.contains("\xFF\xC2"));
        Reader again;
        ASSERT_TRUE(again.read(*body).ok());
        EXPECT_EQ(again.doc.Auftrag.Vorlage.size(), QSize(40, 30));
    }
}

TEST(OrderFile, TruncationIsAnErrorAtEveryOffset)
{
    for (int version : {1, 4, 6}) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        const QByteArray body = orderBody(version, fixtureWithImage(version));
        for (qsizetype cut = 0; cut < body.size(); cut += (cut < 64 ? 1 : 7)) {
            Reader r;
            EXPECT_FALSE(r.read(body.left(cut)).ok()) << "cut at " << cut;
        }
        const QByteArray file = compressed(body);
        for (qsizetype cut : {qsizetype(0), qsizetype(1), qsizetype(2), file.size() / 3, file.size() - 5, file.size() - 1}) {
            OrderDocument doc;
            auto ok = decodeOrderFile(QByteArrayView(file).first(cut), doc);
            EXPECT_FALSE(ok.ok()) << "file cut at " << cut;
        }
    }
    // What was read before the damage stays applied.
    const QByteArray body = orderBody(6, FixtureOrder{});
    Reader r;
    ASSERT_FALSE(r.read(body.left(body.size() - 3)).ok());
    EXPECT_TRUE(r.doc.Gelesen.Auftragsdaten);
    EXPECT_FALSE(r.doc.Gelesen.Kundendaten);
    EXPECT_EQ(r.doc.Auftrag.Auftragsdaten.PatientenID, u"PAT-0815");
    EXPECT_EQ(r.doc.Auftrag.Konturen.Anzahl(), 2);
}

TEST(OrderFile, BadCountsAndForeignBytesAreErrors)
{
    struct Case
    {
        const char *name;
        QByteArray file;
    };
    FixtureOrder manyContours;
    FixtureOrder hugeBmp = fixtureWithImage(4);
    hugeBmp.image.replace(2, 4, QByteArray::fromHex("ffffff7f")); // BMP claims 2 GB
    FixtureOrder hugePicture = fixtureWithImage(3);
    hugePicture.image.replace(18, 8, QByteArray::fromHex("a0860100a0860100"));
    QByteArray flagWithoutJpeg = orderBody(6, FixtureOrder{});
    flagWithoutJpeg[flagWithoutJpeg.size() - 1] = 1;
    QByteArray tooManyContours = orderBody(6, FixtureOrder{});
    tooManyContours.replace(4 + 11 + 8, 4, Bytes().i32(7'000'000).data());
    const Case cases[] = {
        {"not zlib", "this is no order file"},
        {"empty", QByteArray()},
        {"7 000 000 contours", compressed(tooManyContours)},
        {"BMP longer than the body", compressed(orderBody(4, hugeBmp))},
        {"100 000 × 100 000 BMP", compressed(orderBody(3, hugePicture))},
        {"image flag without JPEG", compressed(flagWithoutJpeg)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        OrderDocument doc;
        auto ok = decodeOrderFile(c.file, doc);
        ASSERT_FALSE(ok.ok());
        EXPECT_FALSE(ok.error().isEmpty());
    }
}

// "Speichern unter" and the archive copy write one picture: the first save encodes the new
// template and keeps the JPEG with the order, the second writes those bytes again.
TEST(OrderFile, SavingKeepsTheEncodedTemplateForTheNextSave)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    qv::TAuftrag doc;
    doc.Kundendaten.LadeStandard();
    doc.Vorlage = smallPicture(300, 200);
    ASSERT_TRUE(doc.VorlageJpeg.isEmpty());

    const QString erste = dir.filePath(QStringLiteral("Auftrag.ORv"));
    ASSERT_TRUE(AuftragSpeichern(erste, doc, messages));
    ASSERT_FALSE(doc.VorlageJpeg.isEmpty());
    EXPECT_EQ(doc.VorlageJpegSchluessel, doc.Vorlage.cacheKey());
    qv::TAuftrag gelesen;
    ASSERT_EQ(AuftragLaden(erste, gelesen, messages).status, OrderLoadResult::Geladen);
    EXPECT_EQ(gelesen.VorlageJpeg, doc.VorlageJpeg) << "the kept JPEG is the one in the file";

    // The kept bytes are what the next save writes: a marker in them shows up in the file.
    const QByteArray gemerkt = doc.VorlageJpeg;
    doc.VorlageJpeg = qv::encodeJpeg(smallPicture(30, 20));
    const QString zweite = dir.filePath(QStringLiteral("Archiv.ORv"));
    ASSERT_TRUE(AuftragSpeichern(zweite, doc, messages));
    qv::TAuftrag kopie;
    ASSERT_EQ(AuftragLaden(zweite, kopie, messages).status, OrderLoadResult::Geladen);
    EXPECT_EQ(kopie.Vorlage.size(), QSize(30, 20)) << "not encoded again";

    // A changed picture is encoded anew.
    doc.Vorlage = smallPicture(40, 30);
    ASSERT_TRUE(AuftragSpeichern(dir.filePath(QStringLiteral("Neu.ORv")), doc, messages));
    EXPECT_EQ(doc.VorlageJpegSchluessel, doc.Vorlage.cacheKey());
    EXPECT_NE(doc.VorlageJpeg, gemerkt);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(OrderFile, SavingAsksBeforeOverwritingAndNeverLosesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Auftrag.ORv"));
    ScriptedMessages messages;
    qv::TAuftrag doc;
    doc.Kundendaten.LadeStandard();
    doc.Vorlage = smallPicture(600, 400);
    ASSERT_TRUE(AuftragSpeichern(path, doc, messages));
    EXPECT_TRUE(messages.shown().isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray old = f.readAll();
    f.close();

    // Declined overwrite: the message, nothing written.
    doc.Isozentrum = QPoint(5, 5);
    messages.expectAnswer(Messages::Answer::No);
    EXPECT_FALSE(AuftragSpeichern(path, doc, messages));
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Wollen Sie die Datei\r%1\rwirklich überschreiben?").arg(path));
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Warning);
    EXPECT_EQ(messages.lastText(), u"Daten wurden nicht gespeichert");

    // A write that fails half-way (file size limit) leaves the old file as it was.
    messages.clear();
    messages.expectAnswer(Messages::Answer::Yes);
    doc.Vorlage = smallPicture(1200, 900);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = rlim_t(old.size() / 2);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = AuftragSpeichern(path, doc, messages);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(messages.lastText(), u"Daten wurden nicht gespeichert");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
    f.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Auftrag.ORv")});

    // Confirmed overwrite replaces the file; opening it gives the new content.
    messages.expectAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(AuftragSpeichern(path, doc, messages));
    qv::TAuftrag back;
    const OrderLoadResult loaded = AuftragLaden(path, back, messages);
    ASSERT_EQ(loaded.status, OrderLoadResult::Geladen) << loaded.grund.toStdString();
    EXPECT_EQ(back.Isozentrum, QPoint(5, 5));
    EXPECT_EQ(back.Vorlage.size(), QSize(1200, 900));
    EXPECT_EQ(loaded.GeladeneVersion, VersionsText());

    // A missing file: its message, nothing else.
    messages.clear();
    const OrderLoadResult missing = AuftragLaden(dir.filePath(QStringLiteral("fehlt.ORv")), back, messages);
    EXPECT_EQ(missing.status, OrderLoadResult::NichtGefunden);
    EXPECT_EQ(messages.lastText(), QStringLiteral("Datei \r%1\rnicht gefunden.").arg(dir.filePath(QStringLiteral("fehlt.ORv"))));
}

TEST(TAuftragsdatenRecTest, EveryFieldAtItsOffset)
{
    const FixtureOrder o;
    const QJsonObject expected{
        {u"Gueltig"_s, true},
        {u"Kunde"_s, u"Klinik am See\r\nStrahlentherapie"_s},
        {u"Datum"_s, 45123.75},
        {u"Beschleuniger"_s, u"Varian Clinac 2100"_s},
        {u"Bearbeiter"_s, u"Frau Dr. Muster, Erika"_s},
        {u"FBA"_s, u"60,0"_s},
        {u"EFBA"_s, u"95"_s},
        {u"Modus"_s, u"Photonen (Blöcke)"_s},
        {u"TragplatteRahmen"_s, u"Tragplatte 20x20"_s},
        {u"Herkunft"_s, u"vom Kunden"_s},
        {u"Legierung"_s, u"zurück an Kunden"_s},
        {u"MitCodierung"_s, true},
        {u"Codierung"_s, u"Code 7"_s},
        {u"PatientenID"_s, u"PAT-0815"_s},
        {u"Zielvolumen"_s, u"PTV Lunge"_s},
        {u"KurzKommentar"_s, u"eilig"_s},
        {u"Kollimatorwinkel"_s, u"90"_s},
        {u"Gantrywinkel"_s, u"270"_s},
        {u"Gusshoehe"_s, u"8,0 cm"_s},
        {u"Transport"_s, u"Kurier"_s},
    };
    const TAuftragsdatenRec rec = TAuftragsdatenRec::fromBytes(recordV6(o));
    EXPECT_EQ(rec.toJson(), expected);
    QJsonObject v1 = expected;
    v1[u"Legierung"] = u"Leihgabe von Zarn e.K."_s;
    EXPECT_EQ(TAuftragsdatenRec::fromBytesV1(recordV1(o)).toJson(), v1);

    // Written back: same fields, zero padding and tails, booleans as 1.
    const QByteArray bytes = rec.toBytes();
    ASSERT_EQ(bytes.size(), 952);
    EXPECT_EQ(TAuftragsdatenRec::fromBytes(bytes), rec);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes.mid(202, 6), QByteArray(6, '\0'));
    EXPECT_EQ(bytes.mid(488, 18), QByteArray("\x10zur\xFC" "ck an Kunden\0", 18));
    EXPECT_EQ(bytes[539], 1);
    EXPECT_EQ(bytes.mid(948, 4), QByteArray(4, '\0'));
}
