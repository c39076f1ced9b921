#include "print/PrintUtils.h"

#include "base/DelphiDateTime.h"
#include "config/TKundenDaten.h"
#include "order/TAuftragsdatenRec.h"
#include "print/BlattSchreiber.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

TKundenDaten customer(int kontakte)
{
    TKundenDaten k;
    k.LadeStandard();
    k.VertragsAdresse = {QStringLiteral("Frau Prof. Vertrag"), QStringLiteral("Uniklinik"), QStringLiteral("Radioonkologie"),
                         QStringLiteral("Hauptstr. 1"), QStringLiteral("12345"), QStringLiteral("Ulm")};
    TAbteilung &a = k.Abteilungen[0];
    a.Lieferanschrift = {QStringLiteral("L"), QStringLiteral("Lieferinstitut"), {}, QStringLiteral("Weg 1"), QStringLiteral("11111"), QStringLiteral("A")};
    a.Abholadresse.Institut = QStringLiteral("Abholinstitut");
    a.AnP.clear();
    for (int i = 1; i <= kontakte; ++i)
        a.AnP.append({QStringLiteral("Herr"), QString(), QStringLiteral("Kontakt %1").arg(i), QStringLiteral("0761 %1").arg(i),
                      QStringLiteral("Fax"), QStringLiteral("k%1@example.org").arg(i)});
    a.AktAnP = kontakte - 1;
    return k;
}

TAuftragsdatenRec orderData()
{
    TAuftragsdatenRec r;
    r.Datum = toTDateTime(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3)));
    r.Beschleuniger = QStringLiteral("Varian Clinac");
    r.FBA = QStringLiteral("65,5");
    r.EFBA = QStringLiteral("95");
    r.Modus = QStringLiteral("Photonen (Blöcke)");
    r.TragplatteRahmen = QStringLiteral("Varian_298*298*6");
    r.Codierung = QStringLiteral("Code 7");
    r.PatientenID = QStringLiteral("PAT-1");
    r.Gantrywinkel = QStringLiteral("270");
    r.Gusshoehe = QStringLiteral("8,0 cm");
    r.Herkunft = QStringLiteral("vom Kunden");
    r.Legierung = QStringLiteral("zurück");
    r.Transport = QStringLiteral("Kurier");
    return r;
}

const QDateTime kNow(QDate(2026, 12, 10), QTime(14, 30, 0));

struct Line
{
    int x, y, punkte;
    bool fett, unterstrichen, kursiv;
    const char *text;
};

void expectLines(const RecordingCanvas &c, const QList<Line> &zeilen)
{
    ASSERT_EQ(c.texts.size(), zeilen.size());
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Line &z = zeilen[i];
        const RecordingCanvas::Text &t = c.texts[i];
        SCOPED_TRACE(z.text);
        EXPECT_EQ(t.text, QString::fromUtf8(z.text));
        EXPECT_EQ(t.x, z.x);
        EXPECT_EQ(t.y, z.y);
        EXPECT_EQ(t.font, (PrintFont{QStringLiteral("Courier New"), z.punkte, z.fett, z.unterstrichen, z.kursiv}));
        EXPECT_EQ(t.page, 1);
    }
}

} // namespace

TEST(PrintUtils, OrderSheetOfAPhotonOrder)
{
    TKundenDaten k = customer(2);
    TAuftragsdatenRec a = orderData();
    RecordingCanvas c(100000);
    AuftragsdatenBlatt(c, DruckDaten{a, k, TAuftragsart::Photonen, QStringLiteral("auftrag@example.org"), true, kNow});
    expectLines(c, {
        {320, 20, 16, true, true, false, " AuftragsDaten "},
        {420, 320, 14, true, true, false, "Lieferanschrift"},
        {520, 500, 13, true, false, false, "Ansprechpartner      : L"},
        {520, 600, 13, true, false, false, "Institut             : Lieferinstitut"},
        {520, 700, 13, true, false, false, "Abteilung            : "},
        {520, 800, 13, true, false, false, "Strasse              : Weg 1"},
        {520, 900, 13, true, false, false, "PLZ, Ort             : 11111 A"},
        {420, 1060, 12, true, true, false, "Ansprechpartner"},
        {520, 1220, 10, false, false, false, "Ansprechpartner            : Herr  Kontakt 2"},
        {520, 1320, 10, false, false, false, "Telefon                    : 0761 2"},
        {520, 1420, 10, false, false, false, "E-Mail                     : k2@example.org"},
        {420, 1720, 12, true, true, false, "Auftragsdetails (Maschine)"},
        {520, 1880, 10, false, false, false, "Erstellungsdatum der Datei : 07.03.2026 09:05:03"},
        {520, 1980, 10, false, false, false, "Beschleuniger              : Varian Clinac"},
        {520, 2080, 10, true, false, false, "Modus                      : Photonen (Blöcke)"},
        {520, 2180, 10, false, false, false, "Fokus-Block-Abstand (FBA)  : 65,5"},
        {520, 2280, 10, true, false, false, "Tragplatte                 : Varian_298*298*6"},
        {520, 2380, 10, true, false, false, "Codierung                  : Code 7"},
        {420, 2580, 12, true, true, false, "Auftragsdetails (Patient)"},
        {520, 2740, 10, false, false, false, "Patienten ID               : PAT-1"},
        {520, 2840, 10, false, false, false, "Zielvolumen                : "},
        {520, 2940, 10, false, false, false, "Kurzkommentar              : "},
        {520, 3040, 10, false, false, false, "Kollimator-Winkel          : "},
        {520, 3140, 10, false, false, false, "Gantry-Winkel              : 270"},
        {520, 3240, 10, false, false, false, "Gußkörperhöhe              : 8,0 cm"},
        {420, 3440, 12, true, true, false, "Auftragsdetails (Rahmenbedingungen)"},
        {520, 3600, 10, true, false, false, "Herkunft von TP/Rahmen     : vom Kunden"},
        {520, 3700, 10, true, false, false, "Verbleib der Legierung     : zurück"},
        {520, 3900, 28, true, false, false, "Lieferzeit:"},
        {520, 4200, 20, true, false, false, ".....Kurier"},
        {420, 4800, 12, true, true, false, "Auftragsstatus"},
        {520, 4960, 10, false, false, false, "Eine Mail mit Anhang an Zarn e.K. ist raus durch ... (Datum / Unterschrift)"},
        {420, 5460, 12, false, false, true, "Mail an auftrag@example.org, geschickt bis 15 Uhr."},
        {420, 5590, 12, false, false, true, "=> Lieferung am nächsten Werktag"},
        {1020, 5990, 16, true, false, false, "Gedruckt am 10.12.2026 14:30:00"},
    });
}

TEST(PrintUtils, OrderSheetOfAnElectronOrder)
{
    TKundenDaten k = customer(1);
    TAuftragsdatenRec a = orderData();
    RecordingCanvas c(100000);
    AuftragsdatenBlatt(c, DruckDaten{a, k, TAuftragsart::Elektronen, {}, true, kNow});
    const auto *efba = c.find(QStringLiteral("Elektronen FBA (EFBA)      : 95"));
    const auto *rahmen = c.find(QStringLiteral("Rahmen                     : Varian_298*298*6"));
    ASSERT_TRUE(efba && rahmen);
    EXPECT_EQ(efba->y, 2180);
    EXPECT_TRUE(rahmen->font.bold);
    EXPECT_FALSE(c.find(QStringLiteral("Fokus-Block-Abstand")));
    EXPECT_FALSE(c.find(QStringLiteral("Tragplatte")));
    EXPECT_FALSE(c.find(QStringLiteral("Gußkörperhöhe")));
    // Everything after the missing casting height moves up by one line.
    EXPECT_EQ(c.find(QStringLiteral("Auftragsdetails (Rahmenbedingungen)"))->y, 3340);
    EXPECT_EQ(c.find(QStringLiteral("Gedruckt am"))->y, 5890);
}

TEST(PrintUtils, CustomerSheetContactsAndPickUpAddress)
{
    TKundenDaten k = customer(5);
    TAuftragsdatenRec a;
    for (bool mitAbholadresse : {true, false}) {
        RecordingCanvas c(100000);
        KundendatenBlatt(c, DruckDaten{a, k, TAuftragsart::Photonen, {}, mitAbholadresse, kNow});
        EXPECT_EQ(c.texts.first().text, u" KundenDaten ");
        EXPECT_EQ(c.find(QStringLiteral("Vertragspartner"))->y, 320);
        EXPECT_EQ(c.find(QStringLiteral("Institut             : Uniklinik"))->y, 600);
        EXPECT_EQ(bool(c.find(QStringLiteral("Abholadresse"))), mitAbholadresse);
        EXPECT_EQ(bool(c.find(QStringLiteral("Institut             : Abholinstitut"))), mitAbholadresse);
        const int ueberschrift = mitAbholadresse ? 3480 : 2740;
        EXPECT_EQ(c.find(QStringLiteral(" Ansprechpartner "))->y, ueberschrift);
        QList<int> bloecke;
        for (const auto &t : c.texts) {
            if (t.text.startsWith(u"Ansprechpartner            : "))
                bloecke.append(t.y);
        }
        EXPECT_EQ(bloecke, (QList<int>{ueberschrift + 180, ueberschrift + 680, ueberschrift + 1180, ueberschrift + 1680,
                                       ueberschrift + 2180}));
        EXPECT_EQ(c.find(QStringLiteral("Telefon                    : 0761 5"))->y, ueberschrift + 2280);
        EXPECT_FALSE(c.find(QStringLiteral("Fax")));
        const auto &datum = c.texts.last();
        EXPECT_EQ(datum.text, u"Gedruckt am 10.12.2026 14:30:00");
        EXPECT_EQ(datum.y, ueberschrift + 180 + 2500 + 800);
        EXPECT_EQ(datum.x, 1020);
    }
}

TEST(PrintUtils, ControlCharactersInTextsArePrintedAsBlanks)
{
    TAuftragsdatenRec a = orderData();
    a.PatientenID = QStringLiteral("PAT\r\nZweite Zeile");
    a.Zielvolumen = QString(QChar(0)) + QStringLiteral("PTV\x1b[2J");
    a.KurzKommentar = QStringLiteral("eilig\tbitte");
    TKundenDaten k = customer(1);
    k.Abteilungen[0].Lieferanschrift.Strasse = QStringLiteral("Weg\r1");
    for (auto blatt : {&AuftragsdatenBlatt, &KundendatenBlatt}) {
        RecordingCanvas c(100000);
        blatt(c, DruckDaten{a, k, TAuftragsart::Photonen, {}, true, kNow});
        ASSERT_FALSE(c.texts.isEmpty());
        for (const RecordingCanvas::Text &t : c.texts) {
            for (QChar ch : t.text)
                EXPECT_NE(ch.category(), QChar::Other_Control) << t.text.toStdString();
        }
    }
    RecordingCanvas c(100000);
    AuftragsdatenBlatt(c, DruckDaten{a, k, TAuftragsart::Photonen, {}, true, kNow});
    bool gefunden = false;
    for (const RecordingCanvas::Text &t : c.texts)
        gefunden = gefunden || t.text.endsWith(QStringLiteral("PAT  Zweite Zeile"));
    EXPECT_TRUE(gefunden);
}

TEST(PrintUtils, WhatDoesNotFitContinuesOnTheNextPage)
{
    // A4 at 5 mm margins: 287 mm of printable height.
    const int a4 = 6779;
    TKundenDaten k = customer(5);
    TAuftragsdatenRec a = orderData();
    for (int seite : {a4, 3000}) {
        for (bool auftrag : {true, false}) {
            RecordingCanvas c(seite);
            const DruckDaten daten{a, k, TAuftragsart::Photonen, {}, true, kNow};
            auftrag ? AuftragsdatenBlatt(c, daten) : KundendatenBlatt(c, daten);
            SCOPED_TRACE(testing::Message() << seite << (auftrag ? " order" : " customer"));
            EXPECT_EQ(c.texts.size(), auftrag ? 35 : 42);
            for (const auto &t : c.texts)
                EXPECT_LE(t.y + BlattSchreiber::zeilenHoehe(t.font.pointSize), seite) << t.text.toStdString();
            // A contact block stays together.
            for (qsizetype i = 0; i + 2 < c.texts.size(); ++i) {
                if (c.texts[i].text.startsWith(u"Ansprechpartner            : ")) {
                    EXPECT_EQ(c.texts[i + 2].page, c.texts[i].page);
                }
            }
        }
    }
    RecordingCanvas auftragA4(a4);
    AuftragsdatenBlatt(auftragA4, DruckDaten{a, k, TAuftragsart::Photonen, {}, true, kNow});
    EXPECT_EQ(auftragA4.page, 1) << "the order sheet fits on one page";
    RecordingCanvas kundeA4(a4);
    KundendatenBlatt(kundeA4, DruckDaten{a, k, TAuftragsart::Photonen, {}, true, kNow});
    EXPECT_EQ(kundeA4.page, 2);
    EXPECT_EQ(kundeA4.texts.last().page, 2);
    EXPECT_EQ(kundeA4.texts.last().y, BlattSchreiber::kOben);
}

TEST(PrintUtils, IndexesOutOfRangePrintEmptyValues)
{
    TKundenDaten k = customer(2);
    TAuftragsdatenRec a = orderData();
    for (auto verbiegen : {+[](TKundenDaten &d) { d.AktAbteilung = 7; }, +[](TKundenDaten &d) { d.Abteilungen[0].AktAnP = -1; },
                           +[](TKundenDaten &d) { d.Abteilungen.clear(); }}) {
        TKundenDaten kaputt = k;
        verbiegen(kaputt);
        RecordingCanvas auftrag(100000), kundeC(100000);
        AuftragsdatenBlatt(auftrag, DruckDaten{a, kaputt, TAuftragsart::Photonen, {}, true, kNow});
        KundendatenBlatt(kundeC, DruckDaten{a, kaputt, TAuftragsart::Photonen, {}, true, kNow});
        EXPECT_EQ(auftrag.find(QStringLiteral("Ansprechpartner            : "))->text, u"Ansprechpartner            :   ");
        EXPECT_EQ(auftrag.texts.size(), 35);
        EXPECT_TRUE(kundeC.find(QStringLiteral("Gedruckt am")));
    }
}

TEST(PrintUtils, PrintCommands)
{
    TKundenDaten k = customer(1);
    TAuftragsdatenRec a = orderData();
    a.Codierung = QStringLiteral("  ");
    const DruckDaten daten{a, k, TAuftragsart::Photonen, {}, true, kNow};

    // Cancelled dialog: nothing printed, the coding stays empty.
    RecordingPrintJobs abgebrochen;
    abgebrochen.chooseAnswer = false;
    EXPECT_EQ(Drucken(abgebrochen, DruckAuswahl::Alles, daten).status, DruckErgebnis::Status::Abgebrochen);
    EXPECT_TRUE(abgebrochen.jobs.isEmpty());
    EXPECT_EQ(a.Codierung, u"  ");

    // "Alles": one dialog, two jobs, order sheet first; the filled-in coding stays in the order data.
    RecordingPrintJobs alles;
    EXPECT_EQ(Drucken(alles, DruckAuswahl::Alles, daten).status, DruckErgebnis::Status::Gedruckt);
    EXPECT_EQ(alles.dialogs, 1);
    ASSERT_EQ(alles.jobs.size(), 2);
    EXPECT_EQ(alles.jobs[0].title, u" AuftragsDaten ");
    EXPECT_EQ(alles.jobs[1].title, u" KundenDaten ");
    EXPECT_TRUE(alles.jobs[0].canvas->finished && alles.jobs[1].canvas->finished);
    EXPECT_TRUE(alles.jobs[0].canvas->find(QStringLiteral("Codierung                  : ohne Codierung")));
    EXPECT_EQ(a.Codierung, u"ohne Codierung");

    RecordingPrintJobs nurKunde;
    EXPECT_EQ(Drucken(nurKunde, DruckAuswahl::Kundendaten, daten).status, DruckErgebnis::Status::Gedruckt);
    ASSERT_EQ(nurKunde.jobs.size(), 1);
    EXPECT_EQ(nurKunde.jobs[0].title, u" KundenDaten ");

    // A printer that cannot be opened or a job that fails is reported, never silent.
    RecordingPrintJobs zu;
    zu.failBegin = true;
    const DruckErgebnis e = Drucken(zu, DruckAuswahl::Alles, daten);
    EXPECT_EQ(e.status, DruckErgebnis::Status::Fehler);
    EXPECT_EQ(e.meldung, u"Der Drucker kann nicht geöffnet werden.");
    RecordingPrintJobs abbruch;
    abbruch.failFinish = true;
    EXPECT_EQ(Drucken(abbruch, DruckAuswahl::Alles, daten).status, DruckErgebnis::Status::Fehler);
    EXPECT_EQ(abbruch.jobs.size(), 1) << "the second job is not started after a failed first one";
}
