#include "export/ExportBefehle.h"

#include "base/IniFile.h"
#include "support/FakeFileChooser.h"
#include "support/FixedClock.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace qv;
using namespace qv::test;
using Answer = Messages::Answer;

namespace {

QByteArray readFile(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A folder with the settings, the archive and an opened order file.
struct Workbench
{
    QTemporaryDir dir;
    ScriptedMessages meldungen;
    FakeFileChooser dateiWahl;
    IniFile einstellungen{dir.filePath(QStringLiteral("QuellvantarIni.ini"))};
    FixedClock uhr{QDateTime(QDate(2026, 3, 7), QTime(11, 0))};
    QString kbez = QStringLiteral("UKF");
    QStringList gefragtePLZ;
    BlockExportUmgebung umgebung{meldungen, dateiWahl, einstellungen, uhr, [this](const QString &plz) {
                                     gefragtePLZ.append(plz);
                                     return kbez;
                                 }};
    BlockExportAuftrag auftrag;

    Workbench()
    {
        einstellungen.writeString(QStringLiteral("Init"), QStringLiteral("ArchivBasis"), dir.filePath(QStringLiteral("Kunden")));
        auftrag.quelle.Konturen = {{{0, 0}, {30, 0}, {0, 30}, {0, 0}}};
        auftrag.quelle.PixelProMM = 3;
        auftrag.quelle.FBA = QStringLiteral("60");
        auftrag.quelle.Auftragsart = TAuftragsart::Photonen;
        auftrag.quelle.PatientenID = QStringLiteral("PAT-1");
        auftrag.plz = QStringLiteral("79106");
        auftrag.auftragsZeit = QDateTime(QDate(2026, 3, 1), QTime(8, 15, 30));
        auftrag.auftragsdatei = dir.filePath(QStringLiteral("20260301_081530.ORv"));
        QFile f(auftrag.auftragsdatei);
        f.open(QIODevice::WriteOnly);
    }

    QString archivePath(int n) const
    {
        return dir.filePath(QStringLiteral("Kunden/UKF/Offline/2026/03/07/PAT-1_%1.cif").arg(n));
    }
    QString markedFile() const { return dir.filePath(QStringLiteral("_b_20260301_081530.ORv")); }
};

} // namespace

TEST(BlockExportBefehl, AutomaticTargetInTheArchive)
{
    Workbench w;
    w.meldungen.expectAnswer(Answer::Yes);
    BlockExportAusgang a = BlockExportBefehl(w.auftrag, w.umgebung);
    EXPECT_EQ(w.gefragtePLZ, QStringList{QStringLiteral("79106")});
    ASSERT_EQ(w.meldungen.shown().size(), 2);
    EXPECT_EQ(w.meldungen.shown()[0].text, QStringLiteral("Es wurde der Kunde ---UKF--- erkannt!\r\nSollen die Daten direkt als \r\n") +
                                                w.archivePath(1) + QStringLiteral("\r\ngespeichert werden?"));
    EXPECT_EQ(w.meldungen.shown()[1].text, QStringLiteral("BPR-Datei gespeichert nach ") + w.archivePath(1));
    EXPECT_EQ(a.gespeichertNach, w.archivePath(1));
    EXPECT_TRUE(readFile(w.archivePath(1)).startsWith(";" + w.archivePath(1).toUtf8() + "\r\n"));
    EXPECT_EQ(a.auftragsdatei, w.markedFile());
    EXPECT_TRUE(QFile::exists(w.markedFile()));
    EXPECT_TRUE(w.dateiWahl.calls().isEmpty());

    // The same patient again on the same day: the next number; the marked order stays marked.
    w.auftrag.auftragsdatei = a.auftragsdatei;
    w.meldungen.clear();
    w.meldungen.expectAnswer(Answer::Yes);
    a = BlockExportBefehl(w.auftrag, w.umgebung);
    EXPECT_EQ(a.gespeichertNach, w.archivePath(2));
    EXPECT_EQ(a.auftragsdatei, w.markedFile());
    EXPECT_TRUE(QFile::exists(w.markedFile()));
}

TEST(BlockExportBefehl, NoToTheArchiveGoesToTheSaveDialog)
{
    Workbench w;
    w.meldungen.expectAnswer(Answer::No);
    const QString gewaehlt = w.dir.filePath(QStringLiteral("ablage/auftrag"));
    QDir().mkpath(w.dir.filePath(QStringLiteral("ablage")));
    w.dateiWahl.expectPath(gewaehlt);
    const BlockExportAusgang a = BlockExportBefehl(w.auftrag, w.umgebung);
    ASSERT_EQ(w.dateiWahl.calls().size(), 1);
    EXPECT_EQ(w.dateiWahl.calls()[0].start, QDir::home().filePath(QStringLiteral("20260301_081530.cif")));
    EXPECT_EQ(w.dateiWahl.calls()[0].filter, u"BPR(Multidata) (*.cif)");
    EXPECT_EQ(a.gespeichertNach, gewaehlt + QStringLiteral(".cif"));
    EXPECT_EQ(w.meldungen.lastText(), QStringLiteral("BPR-Datei gespeichert nach ") + gewaehlt + QStringLiteral(".cif"));
    EXPECT_FALSE(QFile::exists(w.archivePath(1)));
    EXPECT_EQ(a.auftragsdatei, w.markedFile());
    EXPECT_EQ(BPRPath(w.einstellungen), w.dir.filePath(QStringLiteral("ablage")));

    // The next dialog starts in that folder; an upper-case extension is kept; cancelling writes nothing.
    Workbench v;
    v.einstellungen.writeString(QStringLiteral("Init"), QStringLiteral("BPRPath"), w.dir.filePath(QStringLiteral("ablage")));
    v.kbez = QStringLiteral("Keinen Kunden für die PLZ 79106 gefunden.");
    v.dateiWahl.expectPath(w.dir.filePath(QStringLiteral("ablage/B.CIF")));
    EXPECT_EQ(BlockExportBefehl(v.auftrag, v.umgebung).gespeichertNach, w.dir.filePath(QStringLiteral("ablage/B.CIF")));
    EXPECT_EQ(v.meldungen.shown()[0].text, u"Keinen Kunden für die PLZ 79106 gefunden.\r\nBitte speichern Sie die Datei manuell.");
    EXPECT_EQ(v.dateiWahl.calls()[0].start, w.dir.filePath(QStringLiteral("ablage/20260301_081530.cif")));

    Workbench abgebrochen;
    abgebrochen.meldungen.expectAnswer(Answer::No);
    abgebrochen.dateiWahl.expectCancel();
    const BlockExportAusgang nichts = BlockExportBefehl(abgebrochen.auftrag, abgebrochen.umgebung);
    EXPECT_TRUE(nichts.gespeichertNach.isEmpty());
    EXPECT_EQ(nichts.auftragsdatei, abgebrochen.auftrag.auftragsdatei);
    EXPECT_TRUE(QFile::exists(abgebrochen.auftrag.auftragsdatei));
}

TEST(BlockExportBefehl, FailuresAndNamesThatCannotBeTargets)
{
    // The archive cannot be created: the failure is shown and the save dialog follows.
    Workbench w;
    QFile sperre(w.dir.filePath(QStringLiteral("Kunden")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly)); // a file where the archive folder should be
    sperre.close();
    w.meldungen.expectAnswer(Answer::Yes);
    w.dateiWahl.expectCancel();
    const BlockExportAusgang a = BlockExportBefehl(w.auftrag, w.umgebung);
    EXPECT_EQ(w.meldungen.shown()[1].text, QStringLiteral("BPR-Datei speichern nach ") + w.archivePath(1) + QStringLiteral(" ist fehlgeschlagen"));
    EXPECT_EQ(w.dateiWahl.calls().size(), 1);
    EXPECT_TRUE(a.gespeichertNach.isEmpty());
    EXPECT_TRUE(QFile::exists(w.auftrag.auftragsdatei)) << "not marked";

    // A patient ID or short designation that would leave the customer's folder: save dialog.
    for (const auto &[kbez, id] : {std::pair{QStringLiteral("UKF"), QStringLiteral("../../x")},
                                  std::pair{QStringLiteral(".."), QStringLiteral("PAT-1")},
                                  std::pair{QStringLiteral("UKF"), QString()}}) {
        Workbench v;
        v.kbez = kbez;
        v.auftrag.quelle.PatientenID = id;
        v.dateiWahl.expectCancel();
        BlockExportBefehl(v.auftrag, v.umgebung);
        ASSERT_EQ(v.meldungen.shown().size(), 1);
        EXPECT_TRUE(v.meldungen.shown()[0].text.endsWith(u"Bitte speichern Sie die Datei manuell."));
        EXPECT_EQ(v.dateiWahl.calls().size(), 1);
    }

    // A refused order is said once, before any target is chosen.
    Workbench f;
    f.auftrag.quelle.FFA = 0;
    BlockExportBefehl(f.auftrag, f.umgebung);
    ASSERT_EQ(f.meldungen.shown().size(), 1);
    EXPECT_EQ(f.meldungen.shown()[0].kind, Messages::Kind::Error);
    EXPECT_TRUE(f.gefragtePLZ.isEmpty());
    EXPECT_TRUE(f.dateiWahl.calls().isEmpty());
}

TEST(BlockExportBefehl, DistanceZeroIsAskedOnce)
{
    for (Answer antwort : {Answer::No, Answer::Yes}) {
        Workbench w;
        w.auftrag.quelle.Auftragsart = TAuftragsart::Elektronen;
        w.auftrag.quelle.EFBA = QStringLiteral("0");
        w.meldungen.expectAnswer(antwort);
        if (antwort == Answer::Yes) {
            w.meldungen.expectAnswer(Answer::No); // not into the archive
            w.dateiWahl.expectPath(w.dir.filePath(QStringLiteral("e.cif")));
        }
        const BlockExportAusgang a = BlockExportBefehl(w.auftrag, w.umgebung);
        EXPECT_EQ(w.meldungen.shown()[0].text,
                  u"Der EFBA oder der FBA ist NULL - (durch) Fehler in alter Quellvantar Version ...\r"
                  u"Ist es eine E-Blende? Soll der EFBA auf 95 legen und weiter exportieren?");
        EXPECT_EQ(w.meldungen.shown()[0].kind, Messages::Kind::Information);
        if (antwort == Answer::No) {
            EXPECT_EQ(w.meldungen.shown().size(), 1);
            EXPECT_TRUE(a.gespeichertNach.isEmpty());
        } else {
            EXPECT_TRUE(readFile(a.gespeichertNach).contains("block1=1 95.000000 100.000000 \r\n"));
            EXPECT_EQ(w.meldungen.pendingAnswers(), 0);
        }
    }
}

TEST(LAPExportBefehl, SaveDialogAndFolder)
{
    QTemporaryDir dir;
    ScriptedMessages meldungen;
    FakeFileChooser dateiWahl;
    IniFile einstellungen(dir.filePath(QStringLiteral("QuellvantarIni.ini")));
    ExportQuelle q;
    q.Konturen = {{{3, 3}}};
    q.PixelProMM = 3;

    dateiWahl.expectPath(dir.filePath(QStringLiteral("laser")));
    EXPECT_EQ(LAPExportBefehl(q, meldungen, dateiWahl, einstellungen), dir.filePath(QStringLiteral("laser.ply")));
    EXPECT_EQ(dateiWahl.calls()[0].start, QDir::homePath());
    EXPECT_EQ(dateiWahl.calls()[0].filter, u"LAP(Multidata) (*.ply)");
    EXPECT_EQ(meldungen.lastText(), QStringLiteral("LAP-Datei gespeichert nach ") + dir.filePath(QStringLiteral("laser.ply")));
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("laser.ply"))).contains("P 0\r\n1.00 1.00 0\r\n"));
    EXPECT_EQ(LAPPath(einstellungen), dir.path());

    dateiWahl.expectPath(dir.filePath(QStringLiteral("fehlt/x.PLY")));
    EXPECT_TRUE(LAPExportBefehl(q, meldungen, dateiWahl, einstellungen).isEmpty());
    EXPECT_EQ(meldungen.lastText(), QStringLiteral("LAP-Datei Speichern nach ") + dir.filePath(QStringLiteral("fehlt/x.PLY")) +
                                        QStringLiteral(" ist fehlgeschlagen"));
    EXPECT_EQ(dateiWahl.calls()[1].start, dir.path());
    dateiWahl.expectCancel();
    EXPECT_TRUE(LAPExportBefehl(q, meldungen, dateiWahl, einstellungen).isEmpty()); // cancelled
}

// The window's exports ask the same check as the command line: an order that cannot be
// measured is refused with the reason, before any file is chosen.
TEST(ExportBefehle, OrdersThatCannotBeMeasuredAreRefusedBeforeTheDialog)
{
    const struct
    {
        const char *was;
        std::function<void(ExportQuelle &)> aendern;
        const char *meldung;
    } faelle[] = {
        {"scale distance 0", [](ExportQuelle &q) { q.PixelProMM = 0; q.MassstabAbstand = 0; }, "Maßstabsabstand des Auftrags (0 mm)"},
        {"absurd FFA", [](ExportQuelle &q) { q.FFA = 1e6; }, "FFA der Kundendaten (1000000 cm)"},
        {"contour far out", [](ExportQuelle &q) { q.Konturen[0][1] = QPoint(6000000, 0); }, "Die Kontur 1 liegt mit dem Punkt"},
        {"no contour (laser file only)", [](ExportQuelle &q) { q.Konturen.clear(); }, "keine Kontur"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.was);
        Workbench w;
        f.aendern(w.auftrag.quelle);
        if (QByteArray(f.was).contains("laser") == false) {
            BlockExportBefehl(w.auftrag, w.umgebung);
            ASSERT_EQ(w.meldungen.shown().size(), 1);
            EXPECT_EQ(w.meldungen.shown()[0].kind, Messages::Kind::Error);
            EXPECT_TRUE(w.meldungen.shown()[0].text.contains(QString::fromUtf8(f.meldung))) << w.meldungen.shown()[0].text.toStdString();
            EXPECT_TRUE(w.dateiWahl.calls().isEmpty());
        }
        Workbench l;
        f.aendern(l.auftrag.quelle);
        EXPECT_TRUE(LAPExportBefehl(l.auftrag.quelle, l.meldungen, l.dateiWahl, l.einstellungen).isEmpty());
        ASSERT_EQ(l.meldungen.shown().size(), 1);
        EXPECT_TRUE(l.meldungen.shown()[0].text.contains(QString::fromUtf8(f.meldung))) << l.meldungen.shown()[0].text.toStdString();
        EXPECT_TRUE(l.dateiWahl.calls().isEmpty());
    }
}
