#include "order/TAuftragsdatenRec.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"

#include <cstring>

namespace qv {

namespace {

// One text field: its offset and capacity in the current and in the version-1 record.
struct TextField
{
    QString TAuftragsdatenRec::*member;
    const char *name;
    int offset;
    int offsetV1; // -1: not in version 1
    int capacity;
};

constexpr int kGueltig = 0;
constexpr int kDatum = 208;
constexpr int kMitCodierung = 539;
constexpr int kMitCodierungV1 = 488;

const TextField kTexts[] = {
    {&TAuftragsdatenRec::Kunde, "Kunde", 1, 1, 200},
    {&TAuftragsdatenRec::Beschleuniger, "Beschleuniger", 216, 216, 50},
    {&TAuftragsdatenRec::Bearbeiter, "Bearbeiter", 267, 267, 50},
    {&TAuftragsdatenRec::FBA, "FBA", 318, 318, 5},
    {&TAuftragsdatenRec::EFBA, "EFBA", 324, 324, 10},
    {&TAuftragsdatenRec::Modus, "Modus", 335, 335, 50},
    {&TAuftragsdatenRec::TragplatteRahmen, "TragplatteRahmen", 386, 386, 50},
    {&TAuftragsdatenRec::Herkunft, "Herkunft", 437, 437, 50},
    {&TAuftragsdatenRec::Legierung, "Legierung", 488, -1, 50},
    {&TAuftragsdatenRec::Codierung, "Codierung", 540, 489, 50},
    {&TAuftragsdatenRec::PatientenID, "PatientenID", 591, 540, 50},
    {&TAuftragsdatenRec::Zielvolumen, "Zielvolumen", 642, 591, 50},
    {&TAuftragsdatenRec::KurzKommentar, "KurzKommentar", 693, 642, 50},
    {&TAuftragsdatenRec::Kollimatorwinkel, "Kollimatorwinkel", 744, 693, 50},
    {&TAuftragsdatenRec::Gantrywinkel, "Gantrywinkel", 795, 744, 50},
    {&TAuftragsdatenRec::Gusshoehe, "Gusshoehe", 846, 795, 50},
    {&TAuftragsdatenRec::Transport, "Transport", 897, 846, 50},
};

double datumAt(QByteArrayView bytes)
{
    qv::ByteReader r(bytes.sliced(kDatum, 8));
    return r.float64();
}

TAuftragsdatenRec decode(QByteArrayView bytes, bool v1)
{
    TAuftragsdatenRec rec;
    rec.Gueltig = bytes[kGueltig] != 0;
    rec.Datum = datumAt(bytes);
    rec.MitCodierung = bytes[v1 ? kMitCodierungV1 : kMitCodierung] != 0;
    for (const TextField &f : kTexts) {
        const int offset = v1 ? f.offsetV1 : f.offset;
        if (offset >= 0)
            rec.*f.member = qv::decodeShortString(bytes.sliced(offset, f.capacity + 1));
    }
    if (v1)
        rec.Legierung = TAuftragsdatenRec::legierungV1();
    return rec;
}

} // namespace

QByteArray TAuftragsdatenRec::toBytes() const
{
    QByteArray out(kGroesse, '\0');
    out[kGueltig] = Gueltig ? 1 : 0;
    qv::ByteWriter datum;
    datum.float64(Datum);
    out.replace(kDatum, 8, datum.data());
    out[kMitCodierung] = MitCodierung ? 1 : 0;
    for (const TextField &f : kTexts)
        out.replace(f.offset, f.capacity + 1, qv::encodeShortString(this->*f.member, f.capacity));
    return out;
}

TAuftragsdatenRec TAuftragsdatenRec::fromBytes(QByteArrayView bytes)
{
    return bytes.size() >= kGroesse ? decode(bytes, false) : TAuftragsdatenRec{};
}

TAuftragsdatenRec TAuftragsdatenRec::fromBytesV1(QByteArrayView bytes)
{
    return bytes.size() >= kGroesseV1 ? decode(bytes, true) : TAuftragsdatenRec{};
}

QJsonObject TAuftragsdatenRec::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("Gueltig"), Gueltig);
    o.insert(QStringLiteral("Datum"), Datum);
    o.insert(QStringLiteral("MitCodierung"), MitCodierung);
    for (const TextField &f : kTexts)
        o.insert(QString::fromLatin1(f.name), this->*f.member);
    return o;
}

} // namespace qv
