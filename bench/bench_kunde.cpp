// The customer lookup of the export on a table of 10,000 customers: in a database file and on
// a private PostgreSQL server on this machine (started with scripts/pg-test-server).
//   Suche        one lookup on an open database
//   Verbindung   opening and closing the database alone
//   Export       what one export does: open, look up, close
#include "config/Datenbank.h"
#include "config/TDatamodule_TesBs.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

using namespace qv;

namespace {

constexpr int kKunden = 10000;

QString g_ziel[2]; // 0: file, 1: server

const char *engineName(int engine)
{
    return engine == 0 ? "SQLite" : "PostgreSQL";
}

bool fuellen(const QString &ziel)
{
    QFile f(QStringLiteral(QV_SOURCE_DIR "/data/schema/TesBS.sql"));
    if (!f.open(QIODevice::ReadOnly) || !qv::Datenbank::erzeugen(ziel, QString::fromUtf8(f.readAll())).ok())
        return false;
    qv::Datenbank db;
    if (!db.oeffnen(ziel).ok())
        return false;
    QSqlDatabase v = db.verbindung();
    v.transaction();
    QSqlQuery q(v);
    q.prepare(QStringLiteral("INSERT INTO \"Kunde\" (\"Name\", \"KBez\", \"Postleitzahl\", \"Stadt\") VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < kKunden; ++i) {
        q.addBindValue(QStringLiteral("Klinik %1").arg(i));
        q.addBindValue(QStringLiteral("K%1").arg(i));
        q.addBindValue(QStringLiteral("%1").arg(10000 + i * 9));
        q.addBindValue(QStringLiteral("Stadt"));
        if (!q.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q = QSqlQuery();
    return v.commit();
}

QString plz(int i)
{
    return QStringLiteral("%1").arg(10000 + (i * 7919 % kKunden) * 9);
}

void Suche(benchmark::State &state)
{
    qv::TDatamodule_TesBs modul(g_ziel[state.range(0)]);
    if (!modul.Oeffnen().ok()) {
        state.SkipWithError("Datenbank nicht erreichbar");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        const qv::KundenSuche s = modul.KundeZurPLZ(plz(i++));
        if (!s.gefunden())
            state.SkipWithError("Kunde nicht gefunden");
        benchmark::DoNotOptimize(s);
    }
    state.SetLabel(engineName(int(state.range(0))));
}

void Verbindung(benchmark::State &state)
{
    qv::TDatamodule_TesBs modul(g_ziel[state.range(0)]);
    for (auto _ : state) {
        if (!modul.Oeffnen().ok())
            state.SkipWithError("Datenbank nicht erreichbar");
        modul.Schliessen();
    }
    state.SetLabel(engineName(int(state.range(0))));
}

void Export(benchmark::State &state)
{
    int i = 0;
    for (auto _ : state) {
        qv::TDatamodule_TesBs modul(g_ziel[state.range(0)]);
        const qv::KundenSuche s = modul.KundeZurPLZ(plz(i++));
        if (!s.gefunden())
            state.SkipWithError("Kunde nicht gefunden");
        benchmark::DoNotOptimize(s);
    }
    state.SetLabel(engineName(int(state.range(0))));
}

BENCHMARK(Suche)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Verbindung)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Export)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir ordner;
    g_ziel[0] = ordner.filePath(QStringLiteral("TesBS.sqlite"));
    const QString skript = QStringLiteral(QV_SOURCE_DIR "/scripts/pg-test-server");
    const QString status = ordner.filePath(QStringLiteral("server.status"));
    QProcess start;
    start.start(skript, {QStringLiteral("start"), status});
    start.waitForFinished(120000);
    const QString uri = QString::fromUtf8(start.readAllStandardOutput()).trimmed();
    if (start.exitCode() != 0 || uri.isEmpty()) {
        std::fprintf(stderr, "PostgreSQL-Testserver startet nicht: %s\n", start.readAllStandardError().constData());
        return 1;
    }
    g_ziel[1] = uri;
    const bool ok = fuellen(g_ziel[0]) && fuellen(g_ziel[1]);
    if (ok)
        benchmark::RunSpecifiedBenchmarks();
    else
        std::fprintf(stderr, "Die Kundentabellen lassen sich nicht füllen.\n");
    benchmark::Shutdown();
    QProcess::execute(skript, {QStringLiteral("stop"), status});
    return ok ? 0 : 1;
}
