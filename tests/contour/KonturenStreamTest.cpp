#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "contour/TKonturen.h"
#include "PunktAusgabe.h"

#include <gtest/gtest.h>

#include <QList>
#include <QPoint>

using namespace qv;

namespace {

// Little-endian bytes of a contour-set stream, built from the documented layout.
QByteArray stream(std::initializer_list<qint32> werte)
{
    ByteWriter w;
    for (qint32 v : werte)
        w.int32(v);
    return w.take();
}

void addClosedContour(TKonturen &set, const QList<QPoint> &punkte)
{
    ASSERT_EQ(set.NeueKontur(), KonturErgebnis::Angenommen);
    for (const QPoint &p : punkte)
        set.Kontur(set.Anzahl()).PunktHinzufuegen(p, false);
    set.Kontur(set.Anzahl()).Schliessen();
}

QByteArray writeToBytes(const TKonturen &set)
{
    ByteWriter w;
    set.InStreamSchreiben(w);
    return w.take();
}

} // namespace

TEST(KonturenStream, ClosedTriangleIsWrittenWithoutClosingPointAndReadBackClosed)
{
    TKonturen set;
    addClosedContour(set, {{0, 0}, {10, 0}, {0, -7}});
    EXPECT_EQ(writeToBytes(set), stream({1, 3, 0, 0, 10, 0, 0, -7}));

    TKonturen gelesen;
    const QByteArray bytes = writeToBytes(set);
    ByteReader r(bytes);
    const auto hinweise = gelesen.AusStreamLesen(r);
    ASSERT_TRUE(hinweise) << r.error().toStdString();
    EXPECT_TRUE(r.atEnd());
    ASSERT_EQ(gelesen.Anzahl(), 1);
    EXPECT_EQ(gelesen.Aktuell(), 1);
    EXPECT_TRUE(gelesen.Kontur(1).IstGeschlossen());
    EXPECT_EQ(gelesen.Kontur(1).Anzahl(), 4);
    EXPECT_EQ(gelesen.Kontur(1).Punkt(3), QPoint(0, 0));
    EXPECT_TRUE(hinweise->isEmpty());
}

TEST(KonturenStream, RoundTripGivesIdenticalBytes)
{
    TKonturen set;
    for (int k = 0; k < TKonturen::MaxKonturen; ++k) {
        QList<QPoint> punkte;
        for (int i = 0; i < 3 + k * 7; ++i)
            punkte.append(QPoint(-2147483647 + k * 1000 + i, 2147483647 - i * i));
        addClosedContour(set, punkte);
    }
    const QByteArray erst = writeToBytes(set);
    TKonturen gelesen;
    ByteReader r(erst);
    ASSERT_TRUE(gelesen.AusStreamLesen(r)) << r.error().toStdString();
    EXPECT_EQ(gelesen.Aktuell(), 11);
    EXPECT_EQ(writeToBytes(gelesen), erst);

    // A stored contour that already repeats its first point still gets a closing point,
    // so it writes back the same count.
    const QByteArray wiederholt = stream({1, 4, 50, 48, 150, 0, 100, 4, 50, 48});
    TKonturen w;
    ByteReader rw(wiederholt);
    ASSERT_TRUE(w.AusStreamLesen(rw));
    EXPECT_EQ(w.Kontur(1).Anzahl(), 5);
    EXPECT_EQ(writeToBytes(w), wiederholt);

    TKonturen leer;
    EXPECT_EQ(writeToBytes(leer), stream({0}));
    TKonturen leerGelesen;
    const QByteArray leerBytes = writeToBytes(leer);
    ByteReader r0(leerBytes);
    ASSERT_TRUE(leerGelesen.AusStreamLesen(r0));
    EXPECT_EQ(leerGelesen.Anzahl(), 0);
    EXPECT_EQ(leerGelesen.Aktuell(), 0);
}

TEST(KonturenStream, ShortContourIsReadOpenWithTheClosingMessage)
{
    TKonturen set;
    const QByteArray bytes = stream({2, 2, 1, 1, 5, 5, -1});
    ByteReader r(bytes);
    const auto hinweise = set.AusStreamLesen(r);
    ASSERT_TRUE(hinweise);
    ASSERT_EQ(set.Anzahl(), 2);
    EXPECT_FALSE(set.Kontur(1).IstGeschlossen());
    EXPECT_EQ(set.Kontur(1).Anzahl(), 2);
    // An empty contour writes -1 as its count and comes back empty.
    EXPECT_EQ(set.Kontur(2).Anzahl(), 0);
    ASSERT_EQ(hinweise->size(), 2);
    EXPECT_TRUE(hinweise->last().startsWith(QStringLiteral("Eine Kontur kann erst dann geschlossen werden")));
}

TEST(KonturenStream, BadCountsAreRefusedAndLeaveTheSetAsItWas)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        const char *meldung;
    };
    const QList<Case> faelle = {
        {"twelve contours", stream({12}), "Die Anzahl der Konturen (12) ist ungültig"},
        {"negative contour count", stream({-1}), "Die Anzahl der Konturen (-1) ist ungültig"},
        {"huge contour count", stream({0x7fffffff}), "Die Anzahl der Konturen (2147483647)"},
        {"negative point count", stream({1, -2}), "Die Kontur Nr. 1 hat eine ungültige Punktanzahl (-2)"},
        {"point count above the limit", stream({1, 10001}), "Die Kontur Nr. 1 hat 10001 Punkte"},
        {"point count beyond the bytes", stream({1, 3, 0, 0, 1, 1}), "Unerwartetes Dateiende"},
        {"huge point count", stream({2, 3, 0, 0, 9, 0, 0, 9, 0x7fffffff}), "Die Kontur Nr. 2 hat 2147483647 Punkte"},
        {"count cut off", QByteArray("\x01\x00", 2), "Unerwartetes Dateiende"},
        {"point cut off", stream({1, 3, 0, 0, 1, 1, 2}), "Unerwartetes Dateiende"},
    };
    for (const Case &f : faelle) {
        SCOPED_TRACE(f.name);
            TKonturen set;
        addClosedContour(set, {{0, 0}, {10, 0}, {0, 10}});
        const QByteArray vorher = writeToBytes(set);
        ByteReader r(f.bytes);
        const auto gelesen = set.AusStreamLesen(r);
        EXPECT_FALSE(gelesen);
        EXPECT_EQ(gelesen.error(), r.error());
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.error().startsWith(QString::fromUtf8(f.meldung))) << r.error().toStdString();
        EXPECT_EQ(writeToBytes(set), vorher);
        EXPECT_EQ(set.Anzahl(), 1);
    }
}

TEST(KonturenStream, LargestContourFitsAndStaysClosable)
{
    ByteWriter w;
    w.int32(1);
    w.int32(10000);
    for (int i = 0; i < 10000; ++i) {
        w.int32(i);
        w.int32(i % 2 ? 1000 : -1000);
    }
    TKonturen set;
    ByteReader r(w.data());
    ASSERT_TRUE(set.AusStreamLesen(r)) << r.error().toStdString();
    EXPECT_TRUE(set.Kontur(1).IstGeschlossen());
    EXPECT_EQ(set.Kontur(1).Anzahl(), TKontur::MaxPunkte);
    EXPECT_EQ(writeToBytes(set), w.data());
}
