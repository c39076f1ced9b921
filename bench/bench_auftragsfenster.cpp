// Opening and saving an order as the person does it, against the codec alone in the same run:
//  - WindowOpen: "Öffnen..." in the main window (the reset, the read, the order windows taking
//    the order over) up to the first painted frame of the workspace; CodecOpen: reading the
//    same file plus one frame of the order (template and overlays) painted as the workspace
//    paints it, at the workspace's size. Each opening starts on a window with nothing left to
//    repaint, as a command chosen by a person does.
//  - CommandSave: "Speichern unter..." (the chosen file and the dated archive copy);
//    CodecSave: one write of the order file.
// The order: a 3840 x 2160 template and 11 contours of 361 points.
#include "app/Application.h"
#include "app/AuftragsBefehle.h"
#include "app/AuftragsFenster.h"
#include "app/THauptMenue.h"
#include "app/TMainForm.h"
#include "base/Clock.h"
#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "base/SystemClock.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheZeichnen.h"
#include "workspace/Arbeitsmodus.h"

#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

using namespace qv;

namespace {

using qv::bench::screenshot;

constexpr int kBreite = 3840;
constexpr int kHoehe = 2160;

class FesteDatei final : public qv::FileChooser
{
public:
    QString datei;
    QString openFile(const QString &, const QString &, const QString &) override { return datei; }
    QString saveFile(const QString &, const QString &, const QString &) override { return datei; }
    QString folder(const QString &, const QString &) override { return {}; }
};

// Every question answered Yes (the overwrite questions of repeated saves).
class JaMeldungen final : public qv::Messages
{
protected:
    Answer present(Kind, const QString &, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
};

// The window's part around saving: nothing to show, "back to the order" after the save.
class OhneFenster final : public qv::AuftragsFenster
{
public:
    bool KundenModus() const override { return true; }
    int Modus() const override { return 0; }
    void Kontexthilfe(const QString &, const QString &) override {}
    void ModusHilfe() override {}
    void Fenstertitel(const QString &) override {}
    void Beschaeftigt(bool) override {}
    void SpeichernKnopfGedrueckt(bool) override {}
    void AblaufAktualisieren() override {}
    void BearbeitungErlauben(bool) override {}
    bool AuftragsdatenVollstaendig() override { return true; }
    int AuftragAbgeschlossen(const QString &, const QString &) override { return 2; }
    void NeuerAuftragBefehl() override {}
    void ProgrammBeenden() override {}
    bool NeuerAuftragImBildModus() override { return true; }
    void AuftragUebernommen() override {}
};

qv::TAuftrag auftrag()
{
    qv::TAuftrag a;
    a.Vorlage = screenshot(kBreite, kHoehe);
    a.IsozentrumGesetzt = true;
    a.Auftragsart = qv::TAuftragsart::Photonen;
    a.Einschubrichtung = qv::TEinschubrichtung::Oben;
    a.Kundendaten.LadeStandard();
    a.Auftragsdaten.PatientenID = QStringLiteral("PAT-0815");
    a.Auftragszeitpunkt = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
    for (int k = 0; k < 11; ++k) {
        (void)a.Konturen.NeueKontur();
        qv::TKontur &c = a.Konturen.AktuelleKontur();
        for (int i = 0; i < 360; ++i) {
            const double w = i * M_PI / 180.0;
            (void)c.PunktHinzufuegen(QPoint(int(std::lround(40 * k + 300 * std::cos(w))), int(std::lround(200 * std::sin(w)))),
                                     false);
        }
        (void)c.Schliessen();
    }
    return a;
}

struct Umgebung
{
    Umgebung()
    {
        QFile ini(ordner.filePath(QStringLiteral("QuellvantarIni.ini")));
        (void)ini.open(QIODevice::WriteOnly);
        ini.write("[Init]\r\nStartAssistent=0\r\nHelp=0\r\nSavePath=" + ordner.filePath(QStringLiteral("archiv/")).toUtf8() + "\r\n");
        ini.close();
        datei = ordner.filePath(QStringLiteral("auftrag.ORv"));
        const qv::TAuftrag a = auftrag();
        if (!AuftragsdateiSchreiben(datei, a).ok())
            std::abort();
    }
    QTemporaryDir ordner;
    QString datei;
};

Umgebung &umgebung()
{
    static Umgebung u;
    return u;
}

void WindowOpen(benchmark::State &state)
{
    Umgebung &u = umgebung();
    JaMeldungen meldungen;
    FesteDatei wahl;
    wahl.datei = u.datei;
    qv::SystemClock uhr;
    qv::Application app(u.ordner.path(), meldungen, wahl, uhr);
    qv::TMainForm form(app);
    form.resize(1280, 900);
    form.show();
    form.FormShow();
    QWidget *box = form.findChild<QWidget *>(QStringLiteral("PaintBox"));
    for (auto _ : state) {
        // A person's command arrives on a window whose event loop has drawn everything pending;
        // the previous round's repaints are not part of this opening.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form.menue().ausloesen(qv::Befehl::Oeffnen);
        const QPixmap bild = box->grab();
        benchmark::DoNotOptimize(bild);
    }
    if (app.Auftrag().Konturen.Anzahl() != 11)
        state.SkipWithError("the order was not opened");
    state.counters["Breite"] = box->width();
    state.counters["Hoehe"] = box->height();
}

void CodecOpen(benchmark::State &state)
{
    Umgebung &u = umgebung();
    // One frame of the template at the workspace's size in the window above.
    const QSize rahmen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        OrderDocument doc;
        if (AuftragsdateiLesen(u.datei, doc).status != OrderLoadResult::Geladen)
            state.SkipWithError("read failed");
        // The frame as the workspace paints it: the template scaled once (smoothly, as in
        // the image mode), then drawn with the order's overlays (contours, isocentre).
        qv::Arbeitsflaeche flaeche(doc.Auftrag);
        const QImage skaliert = qv::VorlageSkaliert(doc.Auftrag.Vorlage, rahmen, qv::ModusBildVorlage, false);
        QPixmap bild(rahmen);
        QPainter p(&bild);
        qv::ArbeitsflaecheZeichnen(p, flaeche, flaeche.abbildung(rahmen), skaliert);
        p.end();
        benchmark::DoNotOptimize(bild);
    }
}

void CommandSave(benchmark::State &state)
{
    Umgebung &u = umgebung();
    qv::TAuftrag a = auftrag();
    JaMeldungen meldungen;
    FesteDatei wahl;
    wahl.datei = u.ordner.filePath(QStringLiteral("gespeichert.ORv"));
    qv::SystemClock uhr;
    OhneFenster fenster;
    qv::IniFile ini(u.ordner.filePath(QStringLiteral("QuellvantarIni.ini")));
    qv::AuftragsBefehle befehle(a, fenster, meldungen, wahl, ini, uhr);
    for (auto _ : state) {
        a.Geaendert = true;
        befehle.AuftragSpeichernUnter();
    }
    if (!QFile::exists(wahl.datei))
        state.SkipWithError("nothing saved");
}

void CodecSave(benchmark::State &state)
{
    Umgebung &u = umgebung();
    qv::TAuftrag a = auftrag();
    const QString ziel = u.ordner.filePath(QStringLiteral("codec.ORv"));
    for (auto _ : state) {
        if (!AuftragsdateiSchreiben(ziel, a).ok())
            state.SkipWithError("write failed");
    }
}

} // namespace

BENCHMARK(WindowOpen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CodecOpen)->Args({886, 498})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CommandSave)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CodecSave)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("quellvantar.*=false"));
    benchmark::Initialize(&argc, argv);
    umgebung();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
