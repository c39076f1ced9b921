// The order session without a window: a whole electron order from the reset to the saved file,
// with what the session announced at each step.
#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "order/AuftragsSitzung.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "workspace/AblaufStatus.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv;
using namespace Qt::StringLiterals;

namespace {

using S = AuftragsSitzung;

// Two frames of the maker "Varian": 30 mm and 100 mm wide at the isocentre.
TKonfiguration zweiRahmen()
{
    TKonfiguration k;
    k.ElektronenBlenden = {u"Varian_klein"_s, u"Varian_gross"_s};
    k.ElektronenBlendenGroesse = {u"300,300"_s, u"1000,1000"_s};
    return k;
}

struct Rig
{
    QTemporaryDir dir;
    IniFile ini{dir.filePath(u"QuellvantarIni.ini"_s)};
    TKonfiguration konfig = zweiRahmen();
    AuftragsSitzung sitzung{konfig};
    QList<unsigned> gehoert;

    Rig()
    {
        ini.writeString(u"Beschleuniger"_s, u"LetzteAuftragsArt"_s, u"RahmenAuftrag"_s);
        sitzung.setGedaechtnis(&ini);
        TKundenDaten kunde;
        kunde.LadeStandard(); // an accelerator of the maker "Varian", FFA 100
        sitzung.auftragZumAendern().Kundendaten = kunde;
        QObject::connect(&sitzung, &AuftragsSitzung::geaendert, [this](unsigned teile) { gehoert << teile; });
    }
    // What was announced since the last call.
    QList<unsigned> neu()
    {
        QList<unsigned> n = gehoert;
        gehoert.clear();
        return n;
    }
};

} // namespace

TEST(AuftragsSitzung, AWholeOrderGoesThroughTheSessionAndEachChangeIsAnnounced)
{
    Rig u;
    S &s = u.sitzung;

    s.NeuerAuftrag();
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Alles});
    EXPECT_EQ(s.Status(), 0);
    EXPECT_FALSE(s.auftrag().hatVorlage());

    // The proposal: the remembered kind, the first frame (nothing to fit yet).
    s.Vorschlagen();
    EXPECT_EQ(s.auftrag().Auftragsart, TAuftragsart::Elektronen);
    EXPECT_EQ(s.Wahl().Rahmen, u"Varian_klein"_s);
    EXPECT_TRUE(u.neu().last() & S::ArtUndRahmen);

    // Template and scale: the ruler, 3 pixels per millimetre.
    s.LinealAuftrag();
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Vorlage | S::Massstab});
    EXPECT_DOUBLE_EQ(s.auftrag().PixelProMM(), 3.0);

    // An aperture reaching 20 mm from the isocentre does not fit the 30 mm frame.
    TKonturen &k = s.auftragZumAendern().Konturen;
    k.NeueKontur();
    for (const QPoint e : {QPoint(-60, -60), QPoint(60, -60), QPoint(60, 60), QPoint(-60, 60)})
        k.PunktHinzufuegen(e);
    k.AktuelleKontur().Schliessen();
    s.KonturenGeaendert();
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Konturen | S::ArtUndRahmen});
    EXPECT_FALSE(s.RahmenPasst());
    EXPECT_EQ(s.SpeichernVerhindert(), std::optional<QString>(RahmenPasstNichtGrund()));

    // The kind confirmed, then the order data typed.
    AuftragsartWahl wahl = s.Wahl();
    wahl.Seite = 2;
    s.AuftragsartUebernehmen(wahl, s.auftrag().Kundendaten);
    EXPECT_EQ(u.neu(), QList<unsigned>{S::ArtUndRahmen | S::Auftragsdaten | S::Ablauf | S::Dokument});
    EXPECT_TRUE(s.Status() & ablauf::Auftragsart);
    EXPECT_EQ(u.ini.readString(u"Beschleuniger"_s, u"AktHerkunft"_s), u"Kauf von Zarn e.K."_s);

    TAuftragsdatenRec daten = s.auftrag().Auftragsdaten;
    daten.Gueltig = true;
    daten.PatientenID = u"PAT-1"_s;
    daten.Gantrywinkel = u"90"_s;
    s.AuftragsdatenUebernehmen(daten);
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Auftragsdaten});

    // The best fit takes the 100 mm frame: the order data name it, the next order remembers it,
    // and what was typed stays.
    EXPECT_EQ(s.BestFitUebernehmen(), 1);
    EXPECT_EQ(u.neu(), QList<unsigned>{S::ArtUndRahmen | S::Auftragsdaten});
    EXPECT_EQ(s.Wahl().Rahmen, u"Varian_gross"_s);
    EXPECT_EQ(s.auftrag().Auftragsdaten.TragplatteRahmen, u"Varian_gross"_s);
    EXPECT_EQ(s.auftrag().Auftragsdaten.PatientenID, u"PAT-1"_s);
    EXPECT_EQ(s.auftrag().Auftragsdaten.Gantrywinkel, u"90"_s);
    EXPECT_EQ(u.ini.readString(u"Beschleuniger"_s, u"Elektronenblende"_s), u"Varian_gross"_s);
    EXPECT_TRUE(s.RahmenPasst());
    EXPECT_FALSE(s.SpeichernVerhindert());

    // Order data taken again keep the session's frame, whatever frame they carried.
    daten.TragplatteRahmen = u"Varian_klein"_s;
    s.AuftragsdatenUebernehmen(daten);
    EXPECT_EQ(s.auftrag().Auftragsdaten.TragplatteRahmen, u"Varian_gross"_s);
    u.neu();

    s.EinschubrichtungSetzen(TEinschubrichtung::Oben);
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Einschubrichtung});
    EXPECT_TRUE(s.auftrag().EinschubGesetzt);

    // Saved: the file holds the frame that fits, by the same check the command line makes.
    const Result<QByteArray> datei = encodeOrderFile(s.auftrag(), u"2.2.0"_s);
    ASSERT_TRUE(datei.ok());
    s.Gespeichert(u.dir.filePath(u"a.ORv"_s));
    EXPECT_EQ(u.neu(), QList<unsigned>{S::Dokument});
    OrderDocument gelesen;
    ASSERT_TRUE(decodeOrderFile(*datei, gelesen).ok());
    EXPECT_EQ(gelesen.Auftrag.Auftragsdaten.TragplatteRahmen, u"Varian_gross"_s);
    const RahmenPruefung pruefung = RahmenPruefen(gelesen.Auftrag, u.konfig);
    EXPECT_EQ(pruefung.Gewaehlt, 1);
    EXPECT_TRUE(pruefung.GewaehlterPasst);
}

TEST(AuftragsSitzung, ChangingTheKindKeepsWhatWasTyped)
{
    Rig u;
    S &s = u.sitzung;
    s.NeuerAuftrag();
    s.Vorschlagen();
    TAuftragsdatenRec daten = s.auftrag().Auftragsdaten;
    daten.Gueltig = true;
    daten.PatientenID = u"PAT-2"_s;
    daten.Zielvolumen = u"PTV"_s;
    daten.KurzKommentar = u"eilt"_s;
    daten.Kollimatorwinkel = u"10"_s;
    daten.Gusshoehe = u"8,0 cm"_s;
    daten.Transport = u"vor 9 Uhr"_s;
    s.AuftragsdatenUebernehmen(daten);

    AuftragsartWahl photonen;
    photonen.Auftragsart = TAuftragsart::Photonen;
    photonen.Seite = 3;
    photonen.MitCodierung = true;
    photonen.Codierung = u"K9"_s;
    s.AuftragsartUebernehmen(photonen, s.auftrag().Kundendaten);
    const TAuftragsdatenRec &r = s.auftrag().Auftragsdaten;
    EXPECT_TRUE(r.Gueltig);
    EXPECT_EQ(r.PatientenID, u"PAT-2"_s);
    EXPECT_EQ(r.Zielvolumen, u"PTV"_s);
    EXPECT_EQ(r.KurzKommentar, u"eilt"_s);
    EXPECT_EQ(r.Kollimatorwinkel, u"10"_s);
    EXPECT_EQ(r.Gusshoehe, u"8,0 cm"_s);
    EXPECT_EQ(r.Transport, u"vor 9 Uhr"_s);
    EXPECT_EQ(r.Modus, u"Photonen (Blöcke)"_s);
    EXPECT_EQ(r.TragplatteRahmen, u"eigene Tragplatte"_s);
    EXPECT_EQ(r.Herkunft, u"ich liefere vorab an Zarn e.K."_s);
    EXPECT_TRUE(r.MitCodierung);
    EXPECT_EQ(r.Codierung, u"K9"_s);
    EXPECT_EQ(u.ini.readString(u"Beschleuniger"_s, u"LetzteAuftragsArt"_s), u"TragplattenAuftrag"_s);
    EXPECT_TRUE(s.RahmenPasst());
}
