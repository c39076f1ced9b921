#include "config/TKundenDaten.h"
#include "order/OrderFixture.h"
#include "order/TAuftragsdatenRec.h"
#include "print/PainterCanvas.h"
#include "print/PrintUtils.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

CliRun runPrint(const QStringList &args)
{
    return runCli(QStringList{QStringLiteral("drucken")} + args);
}

QString pdfText(const QString &pdf, const QString &modus = QStringLiteral("-layout"))
{
    return runProgram(QStringLiteral("pdftotext"), {modus, pdf, QStringLiteral("-")}).outText();
}

// Each piece is found after the one before it.
void expectInOrder(const QString &text, const QStringList &stuecke)
{
    qsizetype ab = 0;
    for (const QString &s : stuecke) {
        const qsizetype i = text.indexOf(s, ab);
        ASSERT_GE(i, 0) << "missing after position " << ab << ": " << s.toStdString() << "\n" << text.toStdString();
        ab = i + s.size();
    }
}

} // namespace

TEST(PdfPrint, OrderSheetReadsBack)
{
    TempProgramFolder dir;
    const QString ein = dir.write(QStringLiteral("a.ORv"), compressed(orderBody(6, FixtureOrder{})));
    const QString aus = dir.file(QStringLiteral("a.pdf"));
    const CliRun run = runPrint({QStringLiteral("auftrag"), ein, aus});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(aus);
    expectInOrder(text, {
        QStringLiteral("AuftragsDaten"), QStringLiteral("Lieferanschrift"), QStringLiteral("Institut"), QStringLiteral("Lieferinstitut"),
        QStringLiteral("PLZ, Ort"), QStringLiteral("11111 A"), QStringLiteral("Ansprechpartner"), QStringLiteral("Frau Dr. Zwei, Zoe"),
        QStringLiteral("Erstellungsdatum der Datei : 16.07.2023 18:00:00"), QStringLiteral("Beschleuniger              : Varian Clinac 2100"),
        QStringLiteral("Modus                      : Photonen (Blöcke)"), QStringLiteral("60,0"),
        QStringLiteral("Tragplatte                 : Tragplatte 20x20"), QStringLiteral("Codierung                  : Code 7"),
        QStringLiteral("Patienten ID               : PAT-0815"), QStringLiteral("Gantry-Winkel              : 270"),
        QStringLiteral("Gußkörperhöhe              : 8,0 cm"), QStringLiteral("Verbleib der Legierung     : zurück an Kunden"),
        QStringLiteral("Lieferzeit:"), QStringLiteral(".....Kurier"), QStringLiteral("Auftragsstatus"),
        QStringLiteral("Mail an auftrag@zarn-ek.example, geschickt bis 15 Uhr."),
        QStringLiteral("=> Lieferung am nächsten Werktag"), QStringLiteral("Gedruckt am "),
    });
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Gedruckt am \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d")).match(text).hasMatch());
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
}

TEST(PdfPrint, CustomerSheetFromCustomerFileAndOrders)
{
    TempProgramFolder dir;
    const QString aus = dir.file(QStringLiteral("k.pdf"));
    ASSERT_EQ(runPrint({QStringLiteral("kunde"), QDir(buildDir()).filePath(QStringLiteral("DemoKunde.cfg")), aus}).exitCode, 0);
    TKundenDaten demo;
    ASSERT_TRUE(demo.LadeDatei(QDir(buildDir()).filePath(QStringLiteral("DemoKunde.cfg"))).ok());
    QStringList erwartet{QStringLiteral("KundenDaten"), QStringLiteral("Vertragspartner"), demo.VertragsAdresse.Institut,
                         QStringLiteral("Lieferanschrift"), QStringLiteral("Rechnungsanschrift"), QStringLiteral("Abholadresse"),
                         QStringLiteral("Ansprechpartner")};
    for (const TAnP &anp : demo.AktuelleAbteilung()->AnP)
        erwartet << anp.Name << anp.Telefon << anp.EMail;
    erwartet << QStringLiteral("Gedruckt am");
    expectInOrder(pdfText(aus), erwartet);

    // An order file of version 6 carries the pick-up address, one of version 5 does not.
    for (int version : {5, 6}) {
        const QString ein = dir.write(QStringLiteral("v%1.orv").arg(version), compressed(orderBody(version, FixtureOrder{})));
        ASSERT_EQ(runPrint({QStringLiteral("kunde"), ein, aus}).exitCode, 0);
        const QString text = pdfText(aus);
        EXPECT_EQ(text.contains(QStringLiteral("Abholadresse")), version == 6) << version;
        EXPECT_TRUE(text.contains(version == 6 ? QStringLiteral("Uniklinik") : QStringLiteral("Vertrag Institut"))) << version;
    }
}

TEST(PdfPrint, FailuresWriteNothing)
{
    TempProgramFolder dir;
    const QString ein = dir.write(QStringLiteral("a.ORv"), compressed(orderBody(6, FixtureOrder{})));
    const QString alt = dir.write(QStringLiteral("alt.pdf"), "alt");

    const CliRun kaputt = runPrint({QStringLiteral("auftrag"), dir.write(QStringLiteral("k.ORv"), "kaputt"), alt});
    EXPECT_EQ(kaputt.exitCode, 1);
    EXPECT_TRUE(kaputt.err.contains("konnte nicht geladen werden")) << kaputt.err.toStdString();
    EXPECT_EQ(runPrint({QStringLiteral("kunde"), dir.file(QStringLiteral("Kunde.cfg")), alt}).exitCode, 1);
    QFile altDatei(alt);
    ASSERT_TRUE(altDatei.open(QIODevice::ReadOnly));
    EXPECT_EQ(altDatei.readAll(), "alt");

    const CliRun ordner = runPrint({QStringLiteral("auftrag"), ein, dir.file(QStringLiteral("fehlt/a.pdf"))});
    EXPECT_EQ(ordner.exitCode, 1);
    // The reason in German, not the system's English text.
    EXPECT_TRUE(ordner.err.contains("kann nicht geschrieben werden. Die Datei oder der Ordner wurde nicht gefunden."))
        << ordner.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("fehlt"))));
    const CliRun aufOrdner = runPrint({QStringLiteral("auftrag"), ein, dir.path()});
    EXPECT_EQ(aufOrdner.exitCode, 1);
    EXPECT_TRUE(aufOrdner.err.contains("ist keine normale Datei, sondern ein Ordner")) << aufOrdner.err.toStdString();

    EXPECT_EQ(runPrint({QStringLiteral("alles"), ein, alt}).exitCode, 2);
    EXPECT_EQ(runPrint({QStringLiteral("auftrag"), ein}).exitCode, 2);
    EXPECT_EQ(runPrint({QStringLiteral("-h")}).exitCode, 0);
    EXPECT_EQ(kaputt.err.count('\n'), 2) << "only the verdict on standard error: " << kaputt.err.toStdString();
}

TEST(PdfPrint, SamePageAtEveryResolution)
{
    // Word positions in points, as pdftotext reads them back, for the same sheet rendered at
    // printer resolutions of 300 and 1200 dpi.
    auto positionen = [](int dpi) {
        TempProgramFolder dir;
        const QString pfad = dir.file(QStringLiteral("s.pdf"));
        {
            QPdfWriter writer(pfad);
            writer.setResolution(dpi);
            writer.setPageSize(QPageSize(QPageSize::A4));
            auto canvas = PainterCanvas::begin(writer);
            EXPECT_TRUE(canvas.ok());
            TKundenDaten k;
            k.LadeStandard();
            TAuftragsdatenRec a;
            AuftragsdatenBlatt(**canvas, DruckDaten{a, k, TAuftragsart::Photonen, QStringLiteral("x@example.org"), true, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))});
            EXPECT_TRUE((*canvas)->finish().ok());
        }
        QList<QPair<QString, QPointF>> woerter;
        const QRegularExpression wort(QString::fromLatin1(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
        for (const auto &m : wort.globalMatch(pdfText(pfad, QStringLiteral("-bbox"))))
            woerter.append({m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())});
        return woerter;
    };
    const auto grob = positionen(300);
    const auto fein = positionen(1200);
    ASSERT_EQ(grob.size(), fein.size());
    ASSERT_GT(grob.size(), 50);
    // Lines start at the same place; within a line the glyphs may be a little wider at a
    // coarse resolution, where font sizes round to whole device pixels.
    auto zeilenAnfang = [&](qsizetype i) {
        for (const auto &w : fein) {
            if (std::abs(w.second.y() - fein[i].second.y()) < 1.0 && w.second.x() < fein[i].second.x())
                return false;
        }
        return true;
    };
    int anfaenge = 0;
    for (qsizetype i = 0; i < grob.size(); ++i) {
        EXPECT_EQ(grob[i].first, fein[i].first);
        EXPECT_NEAR(grob[i].second.y(), fein[i].second.y(), 0.5) << grob[i].first.toStdString();
        if (zeilenAnfang(i)) {
            ++anfaenge;
            EXPECT_NEAR(grob[i].second.x(), fein[i].second.x(), 0.5) << grob[i].first.toStdString();
        }
    }
    EXPECT_GT(anfaenge, 30);
    // The date line lies (5990 − 20) / 600 inch below the title, both in 16 pt.
    for (const auto *woerter : {&grob, &fein}) {
        const auto titel = std::find_if(woerter->begin(), woerter->end(), [](const auto &w) { return w.first == u"AuftragsDaten"; });
        const auto datum = std::find_if(woerter->begin(), woerter->end(), [](const auto &w) { return w.first == u"Gedruckt"; });
        ASSERT_TRUE(titel != woerter->end() && datum != woerter->end());
        EXPECT_NEAR(datum->second.y() - titel->second.y(), (5990 - 20) / 600.0 * 72.0, 0.5);
    }
}
