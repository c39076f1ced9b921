#include "app/AuftragsBefehle.h"

#include "app/AuftragsFenster.h"
#include "base/IniFile.h"
#include "base/UtilsUnit.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/TAuftrag.h"
#include "support/FakeFileChooser.h"
#include "support/FixedClock.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;
using namespace Qt::StringLiterals;
using Answer = Messages::Answer;

namespace {

const QDateTime kTime(QDate(2026, 3, 7), QTime(9, 5, 4));

// The main window as the commands see it: records what they ask of it.
class WindowDouble final : public AuftragsFenster
{
public:
    bool kundenModus = true;
    int modus = 0;
    bool datenVollstaendig = true;
    int abgeschlossenWahl = 2;
    bool resetAngenommen = true;
    TAuftrag *auftrag = nullptr;

    QStringList schritte;
    QString titel;
    QString abgeschlossenDatei, abgeschlossenLieferzeit;
    bool bearbeitungErlaubt = true;

    bool KundenModus() const override { return kundenModus; }
    int Modus() const override { return modus; }
    void Kontexthilfe(const QString &, const QString &t) override { schritte << u"hilfe:"_s + t; }
    void ModusHilfe() override { schritte << u"modushilfe"_s; }
    void Fenstertitel(const QString &t) override { titel = t; }
    void Beschaeftigt(bool) override {}
    void SpeichernKnopfGedrueckt(bool g) override { schritte << (g ? u"knopf an"_s : u"knopf aus"_s); }
    void AblaufAktualisieren() override { schritte << u"ablauf"_s; }
    void BearbeitungErlauben(bool e) override { bearbeitungErlaubt = e; }
    bool AuftragsdatenVollstaendig() override { return datenVollstaendig; }
    int AuftragAbgeschlossen(const QString &datei, const QString &lieferzeit) override
    {
        abgeschlossenDatei = datei;
        abgeschlossenLieferzeit = lieferzeit;
        schritte << u"abgeschlossen"_s;
        return abgeschlossenWahl;
    }
    void NeuerAuftragBefehl() override { schritte << u"neu"_s; }
    void ProgrammBeenden() override { schritte << u"beenden"_s; }
    bool NeuerAuftragImBildModus() override
    {
        schritte << u"reset"_s;
        if (resetAngenommen) {
            *auftrag = TAuftrag();
            auftrag->Einschubrichtung = TEinschubrichtung::Rechts;
        }
        return resetAngenommen;
    }
    void AuftragUebernommen() override { schritte << u"uebernommen"_s; }
};

QImage image()
{
    QImage b(60, 40, QImage::Format_RGB32);
    b.fill(qRgb(200, 180, 40));
    return b;
}

// A photon order ready to be saved: image, isocentre, scale, one closed contour, order data.
TAuftrag finishedOrder()
{
    TAuftrag a;
    a.Vorlage = image();
    a.IsozentrumGesetzt = true;
    a.Massstab.MassstabAbstandSetzen(20);
    a.MassstabPunktSetzen(1, QPoint(-10, 0));
    a.MassstabPunktSetzen(2, QPoint(10, 0));
    a.Konturen.NeueKontur();
    for (const QPoint p : {QPoint(0, 0), QPoint(10, 0), QPoint(10, 10)})
        a.Konturen.PunktHinzufuegen(p);
    a.Konturen.AktuelleKontur().Schliessen();
    a.Auftragsart = TAuftragsart::Photonen;
    a.Einschubrichtung = TEinschubrichtung::Oben;
    a.Auftragsdaten.Gueltig = true;
    a.Auftragsdaten.PatientenID = u"P-17"_s;
    a.Auftragsdaten.Transport = u"mit der Post"_s;
    a.Auftragszeitpunkt = kTime;
    a.Geaendert = true;
    return a;
}

class AuftragsBefehleTest : public testing::Test
{
protected:
    AuftragsBefehleTest()
        : ini(dir.filePath(u"QuellvantarIni.ini"_s))
        , uhr(kTime)
        , befehle(auftrag, fenster, meldungen, dateiWahl, ini, uhr)
    {
        fenster.auftrag = &auftrag;
        ini.writeString(u"Init"_s, u"SavePath"_s, dir.filePath(u"archiv/"_s));
        ini.writeString(u"Init"_s, u"SavePath_Individuell"_s, dir.filePath(u"post"_s));
        ini.writeString(u"Init"_s, u"ArchivBasis"_s, dir.filePath(u"netz/Kunden"_s));
        QDir(dir.path()).mkpath(u"post"_s);
    }

    QString archiveCopy() const { return dir.filePath(u"archiv/2026/03/07/090504.ORv"_s); }

    // A valid order file written without the commands.
    QString orderFile(const QString &name, const TAuftrag &a = finishedOrder())
    {
        const QString pfad = dir.filePath(name);
        EXPECT_TRUE(AuftragsdateiSchreiben(pfad, a).ok());
        return pfad;
    }

    QTemporaryDir dir;
    IniFile ini;
    FixedClock uhr;
    ScriptedMessages meldungen;
    FakeFileChooser dateiWahl;
    WindowDouble fenster;
    TAuftrag auftrag;
    AuftragsBefehle befehle;
};

} // namespace

TEST_F(AuftragsBefehleTest, SaveAsWritesTheChosenFileAndTheArchiveCopy)
{
    auftrag = finishedOrder();
    dateiWahl.expectPath(dir.filePath(u"post/neu/auftrag.txt"_s));
    QDir(dir.path()).mkpath(u"post/neu"_s);
    befehle.AuftragSpeichernUnter();

    const QString datei = dir.filePath(u"post/neu/auftrag.txt.ORv"_s);
    ASSERT_EQ(dateiWahl.calls().size(), 1);
    EXPECT_EQ(dateiWahl.calls()[0].kind, u"save");
    EXPECT_EQ(dateiWahl.calls()[0].start, dir.filePath(u"post/20260307_090504"_s));
    EXPECT_TRUE(dateiWahl.calls()[0].filter.startsWith(u"Quellvantar (*.orv "_s));
    EXPECT_TRUE(dateiWahl.calls()[0].filter.contains(u"*.ORv"_s));
    EXPECT_TRUE(QFileInfo(datei).isFile());
    EXPECT_TRUE(QFileInfo(archiveCopy()).isFile());
    EXPECT_EQ(fenster.abgeschlossenDatei, datei);
    EXPECT_EQ(fenster.abgeschlossenLieferzeit, u"mit der Post");
    EXPECT_EQ(fenster.titel, u"Quellvantar "_s + VersionsText() + u" - Gespeichert nach "_s + datei);
    EXPECT_FALSE(auftrag.Geaendert);
    EXPECT_EQ(IniFile(ini.path()).readString(u"Init"_s, u"SavePath_Individuell"_s), dir.filePath(u"post/neu"_s));
    EXPECT_EQ(fenster.schritte, (QStringList{u"knopf an"_s, u"hilfe:Speichern unter..."_s, u"abgeschlossen"_s,
                                             u"ablauf"_s, u"modushilfe"_s, u"knopf aus"_s}));
    EXPECT_TRUE(meldungen.shown().isEmpty());

    // Both files hold the order.
    for (const QString &f : {datei, archiveCopy()}) {
        OrderDocument gelesen;
        ASSERT_EQ(AuftragsdateiLesen(f, gelesen).status, OrderLoadResult::Geladen);
        EXPECT_EQ(gelesen.Auftrag.Auftragsdaten.PatientenID, u"P-17");
        EXPECT_EQ(gelesen.Auftrag.Konturen.Anzahl(), 1);
    }

    // A second archive save in the same second meets the overwrite question.
    meldungen.expectAnswer(Answer::No);
    EXPECT_FALSE(befehle.AuftragArchivieren());
    EXPECT_EQ(meldungen.texts(), (QStringList{u"Wollen Sie die Datei\r"_s + QDir::toNativeSeparators(archiveCopy()) +
                                                  u"\rwirklich überschreiben?"_s,
                                              u"Daten wurden nicht gespeichert"_s}));
}

TEST_F(AuftragsBefehleTest, OrdersWithoutContours)
{
    auftrag = finishedOrder();
    auftrag.Konturen = TKonturen();
    befehle.AuftragSpeichernUnter(); // photons: refused before the dialog
    EXPECT_EQ(meldungen.texts(), QStringList{u"Sie haben keine Kontur definiert. Ohne Kontur kann \r"
                                             u"der Auftrag nicht gespeichert werden."_s});
    EXPECT_TRUE(dateiWahl.calls().isEmpty());
    EXPECT_EQ(fenster.schritte, (QStringList{u"knopf an"_s, u"knopf aus"_s}));

    // An electron frame without aperture is saved closed after the confirmation.
    auftrag.Auftragsart = TAuftragsart::Elektronen;
    meldungen.clear();
    meldungen.expectAnswer(Answer::No);
    befehle.AuftragSpeichernUnter();
    EXPECT_TRUE(dateiWahl.calls().isEmpty());
    meldungen.expectAnswer(Answer::Yes);
    dateiWahl.expectPath(dir.filePath(u"post/blende.orv"_s));
    befehle.AuftragSpeichernUnter();
    EXPECT_TRUE(QFileInfo(dir.filePath(u"post/blende.orv"_s)).isFile());
    EXPECT_TRUE(QFileInfo(archiveCopy()).isFile());
    EXPECT_EQ(meldungen.texts().last(), u"Sie haben keine Apertur definiert!\rWollen Sie diese Elektronenblende ohne "
                                        u"Apertur, also geschlossen speichern?"_s);
}

TEST_F(AuftragsBefehleTest, TheChosenFileStaysWhenTheArchiveChecksFail)
{
    auftrag = finishedOrder();
    fenster.datenVollstaendig = false;
    fenster.abgeschlossenWahl = 1;
    dateiWahl.expectPath(dir.filePath(u"post/a.ORv"_s));
    befehle.AuftragSpeichernUnter();
    EXPECT_TRUE(QFileInfo(dir.filePath(u"post/a.ORv"_s)).isFile());
    EXPECT_FALSE(QFileInfo::exists(archiveCopy()));
    EXPECT_EQ(meldungen.texts(), (QStringList{u"Die Auftragsdaten sind noch nicht vollständig.\rGeben Sie zur "
                                              u"Speicherung bitte die Auftragsdaten ein."_s,
                                              u"Das Speichern in der Datumsstruktur hat nicht geklappt."_s}));
    EXPECT_TRUE(fenster.schritte.contains(u"neu"_s));
    EXPECT_TRUE(auftrag.Geaendert);
}

TEST_F(AuftragsBefehleTest, EndingAfterSavingFilesTheArchiveCopyFirst)
{
    auftrag = finishedOrder();
    fenster.abgeschlossenWahl = 0;
    dateiWahl.expectPath(dir.filePath(u"post/a"_s));
    befehle.AuftragSpeichernUnter();
    EXPECT_TRUE(QFileInfo(archiveCopy()).isFile());
    EXPECT_EQ(fenster.schritte.mid(2), (QStringList{u"abgeschlossen"_s, u"ablauf"_s, u"beenden"_s}));

    // A declined overwrite of the chosen file skips the dialog and the archive copy.
    fenster.schritte.clear();
    dateiWahl.expectPath(dir.filePath(u"post/a"_s));
    meldungen.expectAnswer(Answer::No);
    befehle.AuftragSpeichernUnter();
    EXPECT_FALSE(fenster.schritte.contains(u"abgeschlossen"_s));
    EXPECT_EQ(meldungen.lastText(), u"Daten wurden nicht gespeichert");
}

TEST_F(AuftragsBefehleTest, ChecksBeforeTheArchiveCopy)
{
    struct Case
    {
        const char *was;
        std::function<void(TAuftrag &, WindowDouble &)> aendern;
        const char16_t *meldung; // nullptr: passes
    };
    const Case faelle[] = {
        {"no image", [](TAuftrag &a, WindowDouble &) { a.Vorlage = QImage(); },
         u"Sie haben noch kein Bild eingelesen, ohne Einlesen eines Bildes\rkann nicht gespeichert werden. Bitte lesen "
         u"Sie ein Bild ein."},
        {"no isocentre", [](TAuftrag &a, WindowDouble &) { a.IsozentrumGesetzt = false; },
         u"Das Isozentrum ist noch nicht eingegeben.\rOhne Eingabe vom Isozentrum ist keine Speicherung möglich.\rBitte "
         u"geben das Isozentrum ein."},
        {"no scale", [](TAuftrag &a, WindowDouble &) { a.Massstab.PunkteZuruecksetzen(); },
         u"Der Maßstab ist noch nicht eingegeben.\rOhne Eingabe des Maßstabs ist keine Speicherung möglich.\rBitte "
         u"geben Sie einen Maßstab ein."},
        {"order data", [](TAuftrag &, WindowDouble &f) { f.datenVollstaendig = false; },
         u"Die Auftragsdaten sind noch nicht vollständig.\rGeben Sie zur Speicherung bitte die Auftragsdaten ein."},
        // the ruler of modes 1 to 3 brings its isocentre
        {"ruler mode", [](TAuftrag &a, WindowDouble &f) { a.IsozentrumGesetzt = false; f.modus = 2; }, nullptr},
    };
    for (const Case &f : faelle) {
        auftrag = finishedOrder();
        fenster = WindowDouble();
        fenster.auftrag = &auftrag;
        meldungen.clear();
        f.aendern(auftrag, fenster);
        EXPECT_EQ(befehle.SpeichernPruefen(), f.meldung == nullptr) << f.was;
        EXPECT_EQ(meldungen.texts(), f.meldung ? QStringList{QString::fromUtf16(f.meldung)} : QStringList()) << f.was;
    }
}

TEST_F(AuftragsBefehleTest, OpeningAnOrder)
{
    TAuftrag gespeichert = finishedOrder();
    gespeichert.Auftragsart = TAuftragsart::Elektronen;
    gespeichert.Auftragsdaten.TragplatteRahmen = u"Siemens 15x15"_s;
    const QString datei = orderFile(u"_B_20260307_090504.ORv"_s, gespeichert);
    ini.writeString(u"Init"_s, u"OpenPath"_s, u"/eingang"_s);

    dateiWahl.expectPath(datei);
    befehle.AuftragOeffnen(); // customer mode: no production warning
    ASSERT_EQ(dateiWahl.calls().size(), 1);
    EXPECT_EQ(dateiWahl.calls()[0].start, u"/eingang");
    EXPECT_TRUE(dateiWahl.calls()[0].filter.startsWith(u"Quellvantar Datei ("_s));
    EXPECT_TRUE(meldungen.shown().isEmpty());
    EXPECT_TRUE(auftrag.AusDatei);
    EXPECT_TRUE(auftrag.EinschubGesetzt);
    EXPECT_EQ(auftrag.LetzteAuftragsdatei, datei);
    EXPECT_EQ(auftrag.Auftragsdaten.PatientenID, u"P-17");
    EXPECT_EQ(auftrag.Auftragsdaten.Herkunft, u"aus meinem Bestand bei Zarn e.K.");
    EXPECT_EQ(fenster.titel, u"Quellvantar "_s + VersionsText() + u" - Geladen von "_s + datei +
                                 u" (erstellt mit Version "_s + VersionsText() + u')');
    EXPECT_FALSE(fenster.bearbeitungErlaubt);
    EXPECT_EQ(fenster.schritte, (QStringList{u"reset"_s, u"hilfe:Quellvantar Datei einlesen"_s, u"uebernommen"_s,
                                             u"ablauf"_s, u"modushilfe"_s}));
    EXPECT_EQ(IniFile(ini.path()).readString(u"Init"_s, u"OpenPath"_s), dir.path());

    // The maker's mode warns about double production and starts in the archive.
    fenster.kundenModus = false;
    dateiWahl.expectPath(datei);
    befehle.AuftragOeffnen();
    EXPECT_EQ(dateiWahl.calls()[1].start, dir.filePath(u"netz/Kunden/Offline/"_s));
    EXPECT_EQ(meldungen.texts(), QStringList{u"ACHTUNG PRODUKTION:\r\n\r\nDiese Datei wurde schon exportiert. "
                                             u"Vorsicht vor doppelter Fertigung!"_s});
}

TEST_F(AuftragsBefehleTest, NothingOfAFailedOpenIsApplied)
{
    // Kept the old order: the command ends before the dialog.
    fenster.resetAngenommen = false;
    auftrag = finishedOrder();
    befehle.AuftragOeffnen();
    EXPECT_TRUE(dateiWahl.calls().isEmpty());
    EXPECT_EQ(auftrag.Auftragsdaten.PatientenID, u"P-17");
    EXPECT_TRUE(fenster.bearbeitungErlaubt);

    // A damaged file: the reset order stays, the view lock is on, not from a file.
    fenster.resetAngenommen = true;
    QByteArray bytes;
    {
        QFile f(orderFile(u"ganz.ORv"_s));
        f.open(QIODevice::ReadOnly);
        bytes = f.readAll();
    }
    const QString kaputt = dir.filePath(u"kaputt.ORv"_s);
    QFile f(kaputt);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.left(bytes.size() / 2));
    f.close();
    dateiWahl.expectPath(kaputt);
    befehle.AuftragOeffnen();
    EXPECT_EQ(meldungen.texts(), QStringList{u"Die Datei "_s + kaputt + u" konnte nicht geladen werden"_s});
    EXPECT_FALSE(auftrag.AusDatei);
    EXPECT_FALSE(auftrag.hatVorlage());
    EXPECT_EQ(auftrag.Konturen.Anzahl(), 0);
    EXPECT_TRUE(auftrag.Auftragsdaten.PatientenID.isEmpty());
    EXPECT_TRUE(auftrag.LetzteAuftragsdatei.isEmpty());
    EXPECT_FALSE(fenster.bearbeitungErlaubt);
    EXPECT_FALSE(fenster.schritte.contains(u"uebernommen"_s));

    // A file that is not there is not reported as loaded.
    meldungen.clear();
    fenster.schritte.clear();
    const QString fehlt = dir.filePath(u"fehlt.ORv"_s);
    befehle.AuftragOeffnenVonAussen(fehlt);
    EXPECT_EQ(meldungen.texts(), QStringList{u"Datei \r"_s + QDir::toNativeSeparators(fehlt) + u"\rnicht gefunden."_s});
    EXPECT_TRUE(auftrag.LetzteAuftragsdatei.isEmpty());
    EXPECT_FALSE(auftrag.AusDatei);
    EXPECT_EQ(fenster.schritte, (QStringList{u"reset"_s, u"ablauf"_s, u"modushilfe"_s}));
}
