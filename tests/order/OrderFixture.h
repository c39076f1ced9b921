#pragma once

// Order files of every version, written byte by byte from the documented layout. Unused tails
// of s[n] strings and padding bytes are filled with garbage, so a reader that depends on them
// shows up.

#include <QByteArray>
#include <QList>
#include <QPoint>

#include <zlib.h>

namespace qv::test {

constexpr char kGarbage = char(0xA5);

class Bytes
{
public:
    Bytes &i32(qint32 v)
    {
        for (int i = 0; i < 4; ++i)
            m_b.append(char((quint32(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes &u8(int v)
    {
        m_b.append(char(v));
        return *this;
    }
    Bytes &point(QPoint p) { return i32(p.x()).i32(p.y()); }
    Bytes &raw(const QByteArray &b)
    {
        m_b.append(b);
        return *this;
    }
    /// s[n]: length byte, the (Windows-1252) text, garbage up to n.
    Bytes &s(int n, const QByteArray &text) { return raw(sn(n, text)); }

    static QByteArray sn(int n, const QByteArray &text)
    {
        QByteArray r(n + 1, kGarbage);
        const int len = int(qMin<qsizetype>(text.size(), n));
        r[0] = char(len);
        r.replace(1, len, text.left(len));
        return r;
    }

    const QByteArray &data() const { return m_b; }

private:
    QByteArray m_b;
};

/// Puts bytes at an offset of a record.
inline void place(QByteArray &rec, int offset, const QByteArray &bytes)
{
    rec.replace(offset, bytes.size(), bytes);
}

inline QByteArray f64(double v)
{
    QByteArray r(8, '\0');
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i)
        r[i] = char((bits >> (8 * i)) & 0xFF);
    return r;
}

struct FixtureContact
{
    QByteArray geschlecht, titel, name, telefon, fax, email;
};

struct FixtureAddress
{
    QByteArray anp, institut, abteilung, strasse, plz, ort;
};

inline QByteArray contactBytes(const FixtureContact &c) // 306
{
    return Bytes().s(50, c.geschlecht).s(50, c.titel).s(50, c.name).s(50, c.telefon).s(50, c.fax).s(50, c.email).data();
}

inline QByteArray addressBytes(const FixtureAddress &a) // 411
{
    return Bytes().s(200, a.anp).s(50, a.institut).s(50, a.abteilung).s(50, a.strasse).s(5, a.plz).s(50, a.ort).data();
}

/// The values of one order as the fixtures write them.
struct FixtureOrder
{
    QByteArray programmVersion = "V1.45";
    QPoint iso{12, -34};
    // A closed square (stored without its closing point) and an open two-point contour.
    QList<QList<QPoint>> contours{{{0, 0}, {100, 0}, {100, 100}, {0, 100}}, {{5, 5}, {60, 70}}};
    QPoint scale1{-300, 0}, scale2{300, 0};
    qint32 distance = 200;
    QPoint field1{-50, -60}, field2{70, 80};
    int direction = 3;

    bool gueltig = true;
    QByteArray kunde = "Klinik am See\r\nStrahlentherapie";
    double datum = 45123.75;
    QByteArray beschleuniger = "Varian Clinac 2100";
    QByteArray bearbeiter = "Frau Dr. Muster, Erika";
    QByteArray fba = "60,0";
    QByteArray efba = "95";
    QByteArray modus = "Photonen (Bl\xF6" "cke)";
    QByteArray tragplatte = "Tragplatte 20x20";
    QByteArray herkunft = "vom Kunden";
    QByteArray legierung = "zur\xFC" "ck an Kunden";
    bool mitCodierung = true;
    QByteArray codierung = "Code 7";
    QByteArray patientenId = "PAT-0815";
    QByteArray zielvolumen = "PTV Lunge";
    QByteArray kurzKommentar = "eilig";
    QByteArray kollimator = "90";
    QByteArray gantry = "270";
    QByteArray gusshoehe = "8,0 cm";
    QByteArray transport = "Kurier";

    QList<FixtureContact> contacts{
        {"Herr", "", "Alt, Anton", "0711 1", "0711 2", "anton@example.org"},
        {"Frau", "Dr.", "Muster, Erika", "0711 3", "", "erika@example.org"},
        {"", "", "   ", "", "", ""}, // a blank name counts as empty
        {"Herr", "", "Zweit, Zeno", "", "", ""},
        {"", "", "", "", "", ""},
    };
    QList<FixtureAddress> addresses{
        {"Liefer AnP", "Liefer Institut", "Liefer Abt", "Lieferweg 1", "11111", "Lieferstadt"},
        {"Rechnung AnP", "Rechnung Institut", "Rechnung Abt", "Rechnungsweg 2", "22222", "Rechnungsstadt"},
        {"Slot2", "", "", "", "", ""},
        {"Vertrag AnP", "Vertrag Institut", "Vertrag Abt", "Vertragsweg 3", "33333", "Vertragsstadt"},
        {"Slot4", "", "", "", "", ""},
        {"Slot5", "", "", "", "", ""},
    };

    int auftragsart = 1;
    QByteArray image; // a BMP file for versions 1-4, a JPEG for 5-6; empty: no image
};

/// TAuftragsdatenRec, 952 bytes.
inline QByteArray recordV6(const FixtureOrder &o)
{
    QByteArray r(952, kGarbage);
    place(r, 0, QByteArray(1, o.gueltig ? char(7) : char(0))); // any non-zero byte is true
    place(r, 1, Bytes::sn(200, o.kunde));
    place(r, 208, f64(o.datum));
    place(r, 216, Bytes::sn(50, o.beschleuniger));
    place(r, 267, Bytes::sn(50, o.bearbeiter));
    place(r, 318, Bytes::sn(5, o.fba));
    place(r, 324, Bytes::sn(10, o.efba));
    place(r, 335, Bytes::sn(50, o.modus));
    place(r, 386, Bytes::sn(50, o.tragplatte));
    place(r, 437, Bytes::sn(50, o.herkunft));
    place(r, 488, Bytes::sn(50, o.legierung));
    place(r, 539, QByteArray(1, o.mitCodierung ? char(1) : char(0)));
    place(r, 540, Bytes::sn(50, o.codierung));
    place(r, 591, Bytes::sn(50, o.patientenId));
    place(r, 642, Bytes::sn(50, o.zielvolumen));
    place(r, 693, Bytes::sn(50, o.kurzKommentar));
    place(r, 744, Bytes::sn(50, o.kollimator));
    place(r, 795, Bytes::sn(50, o.gantry));
    place(r, 846, Bytes::sn(50, o.gusshoehe));
    place(r, 897, Bytes::sn(50, o.transport));
    return r;
}

/// TAuftragsdatenRecV1, 904 bytes: no Legierung, the later fields moved up by 51.
inline QByteArray recordV1(const FixtureOrder &o)
{
    QByteArray r = recordV6(o).left(488);
    r.resize(904);
    place(r, 488, QByteArray(1, o.mitCodierung ? char(1) : char(0)));
    place(r, 489, Bytes::sn(50, o.codierung));
    place(r, 540, Bytes::sn(50, o.patientenId));
    place(r, 591, Bytes::sn(50, o.zielvolumen));
    place(r, 642, Bytes::sn(50, o.kurzKommentar));
    place(r, 693, Bytes::sn(50, o.kollimator));
    place(r, 744, Bytes::sn(50, o.gantry));
    place(r, 795, Bytes::sn(50, o.gusshoehe));
    place(r, 846, Bytes::sn(50, o.transport));
    place(r, 897, QByteArray(7, kGarbage));
    return r;
}

/// TKundenRecAlt: five contacts, then 4, 5 or 6 addresses.
inline QByteArray oldCustomerRecord(const FixtureOrder &o, int addressSlots)
{
    QByteArray r;
    for (int i = 0; i < 5; ++i)
        r.append(contactBytes(o.contacts.value(i)));
    for (int i = 0; i < addressSlots; ++i)
        r.append(addressBytes(o.addresses.value(i)));
    return r;
}

/// A version-6 customer block: FFA 80 cm, one department with two contacts, one accelerator.
inline QByteArray customerBlock()
{
    Bytes b;
    b.i32(1);
    b.raw(QByteArray::fromHex("00000000000000a00540")); // 80.0 as 80-bit extended
    b.raw(contactBytes({"Frau", "Prof.", "Vertrag, Vera", "1", "2", "vera@example.org"}));
    b.raw(addressBytes({"Frau Prof. Vertrag, Vera", "Uniklinik", "Radioonkologie", "Hauptstr. 1", "12345", "Ulm"}));
    b.i32(1); // departments
    b.i32(0); // current department
    b.i32(1);
    b.raw(addressBytes({"L", "Lieferinstitut", "", "Weg 1", "11111", "A"}));
    b.raw(addressBytes({"R", "Rechnungsinstitut", "", "Weg 2", "22222", "B"}));
    b.raw(addressBytes({"H", "Abholinstitut", "", "Weg 3", "33333", "C"}));
    b.i32(2);
    b.raw(contactBytes({"Herr", "", "Eins, Emil", "", "", ""}));
    b.raw(contactBytes({"Frau", "Dr.", "Zwei, Zoe", "", "", ""}));
    b.i32(1);
    b.s(50, "Elekta").s(50, "Linac 3").s(50, "Synergy").s(10, "65,5").s(10, "100").s(10, "7,5 cm");
    b.s(50, "Spedition").s(50, "vom Kunden").s(50, "zur\xFC" "ck").s(50, "Strahlenklinik");
    b.i32(1); // current contact
    b.i32(0); // current accelerator
    return b.data();
}

inline QByteArray contourStream(const QList<QList<QPoint>> &contours)
{
    Bytes b;
    b.i32(qint32(contours.size()));
    for (const auto &c : contours) {
        b.i32(qint32(c.size()));
        for (QPoint p : c)
            b.point(p);
    }
    return b.data();
}

/// The inflated body of an order file of the given version.
inline QByteArray orderBody(int version, const FixtureOrder &o)
{
    Bytes b;
    b.i32(version);
    if (version >= 2)
        b.s(10, o.programmVersion);
    if (version <= 4) {
        b.u8(o.image.isEmpty() ? 0 : 1);
        b.raw(o.image);
    }
    b.point(o.iso);
    b.raw(contourStream(o.contours));
    b.point(o.scale1).point(o.scale2).i32(o.distance);
    b.point(o.field1).point(o.field2);
    b.u8(o.direction);
    b.raw(version >= 2 ? recordV6(o) : recordV1(o));
    if (version >= 6)
        b.raw(customerBlock());
    else
        b.raw(oldCustomerRecord(o, version >= 4 ? 6 : version >= 2 ? 5 : 4));
    if (version >= 3)
        b.u8(o.auftragsart);
    if (version >= 5) {
        b.u8(o.image.isEmpty() ? 0 : 1);
        b.raw(o.image);
    }
    return b.data();
}

/// A zlib stream of the body, as the order files carry it.
inline QByteArray compressed(const QByteArray &body, int level = 1)
{
    uLongf size = compressBound(uLong(body.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(body.constData()),
              uLong(body.size()), level);
    out.resize(qsizetype(size));
    return out;
}

} // namespace qv::test
