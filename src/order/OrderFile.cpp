#include "order/OrderFile.h"

#include "base/AtomicWriter.h"
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Logging.h"
#include "base/UtilsUnit.h"
#include "base/Zlib.h"
#include "base/image/ImageIO.h"
#include "order/OrderDocument.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {

// Sizes of the old customer record by file version.
constexpr int kKundenRecAltV1 = 3174;
constexpr int kKundenRecAltV2 = 3585;
constexpr int kKundenRecAltV4 = 3996;
constexpr int kProgrammVersionKapazitaet = 10;

QString vorV110() { return QStringLiteral("< V1_10"); }

void writePoint(qv::ByteWriter &w, QPoint p)
{
    w.int32(p.x());
    w.int32(p.y());
}

QPoint readPoint(qv::ByteReader &r, const char *what)
{
    const qint32 x = r.int32(what);
    const qint32 y = r.int32(what);
    return {x, y};
}

// True for a baseline stream (SOF0) that ends with its EOI marker: only such bytes may be
// stored again unchanged; anything else (progressive, trailing bytes) is encoded anew.
bool istBaselineJpeg(QByteArrayView jpeg)
{
    const auto at = [&](qsizetype i) { return quint8(jpeg[i]); };
    const qsizetype n = jpeg.size();
    if (n < 4 || at(0) != 0xFF || at(1) != 0xD8 || at(n - 2) != 0xFF || at(n - 1) != 0xD9)
        return false;
    qsizetype i = 2;
    while (i + 1 < n) {
        if (at(i) != 0xFF)
            return false;
        const quint8 marker = at(i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length field
            i += 2;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker == 0xC0;
        if (marker == 0xD9 || marker == 0xDA || i + 3 >= n) // scan or end before any frame header
            return false;
        i += 2 + ((qsizetype(at(i + 2)) << 8) | at(i + 3));
    }
    return false;
}

// The stored JPEG is the template's own (made from this very picture) and plain enough to be
// written again as it is.
bool gespeichertesJpegPasst(const qv::TAuftrag &doc)
{
    return !doc.VorlageJpeg.isEmpty() && doc.Vorlage.cacheKey() == doc.VorlageJpegSchluessel
           && istBaselineJpeg(doc.VorlageJpeg);
}

qv::Error damaged(const qv::ByteReader &r)
{
    return qv::Error{r.error()};
}

} // namespace

qv::Result<QByteArray> encodeOrderBody(const qv::TAuftrag &doc, const QString &programmVersion)
{
    qv::ByteWriter w;
    w.int32(AuftragsdateiVersion);
    w.shortString(programmVersion, kProgrammVersionKapazitaet);
    writePoint(w, doc.Isozentrum);
    doc.Konturen.InStreamSchreiben(w);
    writePoint(w, doc.Massstab.MassstabPunkt1);
    writePoint(w, doc.Massstab.MassstabPunkt2);
    w.int32(doc.Massstab.MassstabAbstand);
    writePoint(w, doc.FeldEcke1);
    writePoint(w, doc.FeldEcke2);
    w.byte(quint8(doc.Einschubrichtung));
    w.bytes(doc.Auftragsdaten.toBytes());
    doc.Kundendaten.Speichern(w);
    w.byte(quint8(doc.Auftragsart));
    const bool hatBild = doc.hatVorlage();
    w.boolean(hatBild);
    if (hatBild) {
        const QByteArray jpeg = gespeichertesJpegPasst(doc) ? doc.VorlageJpeg : qv::encodeJpeg(doc.Vorlage);
        if (jpeg.isEmpty())
            return qv::Error{QStringLiteral("Das Vorlagebild konnte nicht als JPEG kodiert werden")};
        w.bytes(jpeg);
    }
    return w.take();
}

qv::Result<void> decodeOrderBody(QByteArrayView body, OrderDocument &dokument)
{
    qv::ByteReader r(body);
    dokument.Gelesen = {};
    dokument.Hinweise.clear();
    qv::TAuftrag &doc = dokument.Auftrag;
    const qint32 version = r.int32("Version");
    if (!r.ok())
        return damaged(r);
    dokument.Version = version;
    if (version >= 2) {
        const QString programmVersion = r.shortString(kProgrammVersionKapazitaet, "ProgrammVersion");
        if (!r.ok())
            return damaged(r);
        dokument.GeladeneVersion = programmVersion;
    } else {
        dokument.GeladeneVersion = vorV110();
    }
    // No writer ever wrote a version below 1 (a block of zeros reads as version 0); a newer
    // writer may have changed anything after the version text.
    if (version < 1 || version > AuftragsdateiVersion)
        return qv::Error{QStringLiteral("Die Auftragsdatei hat die unbekannte Version %1 (unterstützt 1 bis %2)")
                             .arg(version)
                             .arg(AuftragsdateiVersion)};

    if (version <= 4 && r.byte("Bildkennung") != 0) {
        // An embedded BMP file; its own header gives its length.
        if (!r.need(14, "BMP-Dateikopf"))
            return damaged(r);
        const qint64 bmpSize = qv::bmpFileSize(body.sliced(r.pos()));
        if (bmpSize < 14)
            return qv::Error{QStringLiteral("Das eingebettete Bild ist keine BMP-Datei")};
        const QByteArrayView bmp = r.view(qsizetype(qMin<qint64>(bmpSize, body.size())), "BMP-Bild");
        if (!r.ok() || qint64(bmp.size()) != bmpSize)
            return damaged(r);
        auto image = qv::decodeBmp(bmp);
        if (!image)
            return qv::Error{image.error()};
        doc.Vorlage = std::move(image).value();
        doc.VorlageJpeg.clear();
        dokument.Gelesen.Vorlage = true;
    }
    if (!r.ok())
        return damaged(r);

    const QPoint iso = readPoint(r, "Isozentrum");
    if (!r.ok())
        return damaged(r);
    doc.Isozentrum = iso;
    doc.IsozentrumGesetzt = true;
    dokument.Gelesen.Isozentrum = true;

    qv::TKonturen konturen;
    auto konturenGelesen = konturen.AusStreamLesen(r);
    if (!konturenGelesen || !r.ok())
        return damaged(r);
    dokument.Hinweise += *konturenGelesen;
    doc.Konturen = std::move(konturen);
    dokument.Gelesen.Konturen = true;

    const QPoint p1 = readPoint(r, "MassstabPunkt1");
    const QPoint p2 = readPoint(r, "MassstabPunkt2");
    const qint32 abstand = r.int32("MassstabAbstand");
    if (!r.ok())
        return damaged(r);
    // Distance first, then point 1, then point 2: so the scale factor is computed anew.
    doc.Massstab.MassstabAbstandSetzen(abstand);
    doc.MassstabPunktSetzen(1, p1);
    doc.MassstabPunktSetzen(2, p2);
    dokument.Gelesen.Massstab = true;

    const QPoint f1 = readPoint(r, "FeldEcke1");
    const QPoint f2 = readPoint(r, "FeldEcke2");
    if (!r.ok())
        return damaged(r);
    doc.FeldEcke1 = f1;
    doc.FeldEcke2 = f2;
    dokument.Gelesen.Feld = true;

    const quint8 richtung = r.byte("Einschubrichtung");
    if (!r.ok())
        return damaged(r);
    dokument.EinschubrichtungsCode = richtung;
    // Any other code leaves the direction the order had.
    if (qv::istBekannteEinschubrichtung(qv::TEinschubrichtung(richtung)))
        doc.Einschubrichtung = qv::TEinschubrichtung(richtung);
    dokument.Gelesen.Einschubrichtung = true;

    if (version >= 2) {
        const QByteArrayView rec = r.view(TAuftragsdatenRec::kGroesse, "Auftragsdaten");
        if (!r.ok())
            return damaged(r);
        doc.Auftragsdaten = TAuftragsdatenRec::fromBytes(rec);
    } else {
        const QByteArrayView rec = r.view(TAuftragsdatenRec::kGroesseV1, "Auftragsdaten");
        if (!r.ok())
            return damaged(r);
        doc.Auftragsdaten = TAuftragsdatenRec::fromBytesV1(rec);
    }
    dokument.Gelesen.Auftragsdaten = true;

    if (version >= 6) {
        TKundenDaten kunde;
        if (!kunde.Laden(r) || !r.ok())
            return damaged(r);
        kunde.AusAuftrag = true;
        doc.Kundendaten = std::move(kunde);
        doc.OhneAbholadresse = false;
    } else {
        const int size = version >= 4 ? kKundenRecAltV4 : version >= 2 ? kKundenRecAltV2 : kKundenRecAltV1;
        const QByteArrayView alt = r.view(size, "Kundendaten");
        if (!r.ok())
            return damaged(r);
        TKundenDaten kunde;
        if (!kunde.AusAltemAuftrag(alt, doc.Auftragsdaten))
            return qv::Error{QStringLiteral("Die Kundendaten der Auftragsdatei sind unlesbar")};
        doc.Kundendaten = std::move(kunde);
        doc.OhneAbholadresse = true;
    }
    dokument.Gelesen.Kundendaten = true;

    if (version >= 3) {
        const quint8 art = r.byte("Auftragsart");
        if (!r.ok())
            return damaged(r);
        // Kept as the file holds it, also a byte the program does not know.
        doc.Auftragsart = qv::TAuftragsart(art);
        dokument.Gelesen.Auftragsart = true;
    }

    if (version >= 5) {
        const bool hatBild = r.boolean("Bildkennung");
        if (!r.ok())
            return damaged(r);
        if (hatBild) {
            // The JPEG runs to the end of the body.
            const QByteArrayView jpeg = r.view(r.remaining(), "JPEG-Bild");
            auto image = qv::decodeJpeg(jpeg);
            if (!image)
                return qv::Error{image.error()};
            doc.Vorlage = std::move(image).value();
            doc.VorlageJpeg = jpeg.toByteArray();
            doc.VorlageJpegSchluessel = doc.Vorlage.cacheKey();
            dokument.Gelesen.Vorlage = true;
        }
    }
    return {};
}

qv::Result<QByteArray> encodeOrderFile(const qv::TAuftrag &doc, const QString &programmVersion)
{
    auto body = encodeOrderBody(doc, programmVersion);
    if (!body)
        return qv::Error{body.error()};
    QByteArray file = qv::deflateZlib(*body, 1);
    if (file.isEmpty())
        return qv::Error{QStringLiteral("Die Auftragsdaten konnten nicht komprimiert werden")};
    return file;
}

qv::Result<void> decodeOrderFile(QByteArrayView fileBytes, OrderDocument &doc)
{
    auto body = qv::inflateZlib(fileBytes, kMaxOrderBodySize);
    if (!body)
        return qv::Error{body.error()};
    return decodeOrderBody(*body, doc);
}

qv::Result<void> VorlageJpegBereitstellen(qv::TAuftrag &auftrag)
{
    if (!auftrag.hatVorlage() || gespeichertesJpegPasst(auftrag))
        return {};
    QByteArray jpeg = qv::encodeJpeg(auftrag.Vorlage);
    if (jpeg.isEmpty())
        return qv::Error{QStringLiteral("Das Vorlagebild konnte nicht als JPEG kodiert werden")};
    auftrag.VorlageJpeg = std::move(jpeg);
    auftrag.VorlageJpegSchluessel = auftrag.Vorlage.cacheKey();
    return {};
}

qv::Result<void> AuftragsdateiSchreiben(const QString &fileName, const qv::TAuftrag &auftrag)
{
    auto file = encodeOrderFile(auftrag, VersionsText());
    if (!file)
        return qv::Error{file.error()};
    return qv::writeFileAtomically(fileName, *file);
}

OrderLoadResult AuftragsdateiLesen(const QString &fileName, OrderDocument &doc)
{
    // Anything that exists goes on to the reader, which says why a folder or FIFO is refused.
    if (qv::pathKind(fileName) == qv::PathKind::Missing)
        return {OrderLoadResult::NichtGefunden, {}, {}};
    auto bytes = qv::readWholeFile(fileName, kMaxOrderBodySize);
    if (!bytes)
        return {OrderLoadResult::Fehler, bytes.error(), {}};
    auto read = decodeOrderFile(*bytes, doc);
    if (!read)
        return {OrderLoadResult::Fehler, read.error(), doc.GeladeneVersion};
    return {OrderLoadResult::Geladen, {}, doc.GeladeneVersion};
}

} // namespace qv
