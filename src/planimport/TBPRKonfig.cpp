#include "planimport/TBPRKonfig.h"

#include "base/AtomicWriter.h"
#include "base/Cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

namespace qv {

namespace {

// Offsets inside one record.
constexpr int kBeschreibung = 0; // s[32]
constexpr int kDrehung = 36;
constexpr int kXSpiegelung = 40;
constexpr int kYSpiegelung = 41;
constexpr int kDatenInFBA = 42;
constexpr int kKolliDreh = 44;
constexpr int kBlendeDreh = 48;

qint32 int32An(const char *p)
{
    return qFromLittleEndian<qint32>(p);
}

void int32Nach(char *p, qint32 v)
{
    qToLittleEndian<qint32>(v, p);
}

QString lesefehler(const QString &datei)
{
    return QStringLiteral("Das BPR-Konfigfile (%1) kann nicht gelesen werden.").arg(QDir::toNativeSeparators(datei));
}

} // namespace

QString BPRKonfigDatei(const QString &programmOrdner)
{
    return QDir(programmOrdner).filePath(QStringLiteral("BPRKonfig.cfg"));
}

TBPRKonfigurationen BPRKonfigStandard()
{
    TBPRKonfigurationen k;
    k[0].Beschreibung = QStringLiteral("Linac 1");
    return k;
}

Result<TBPRKonfigurationen> BPRKonfigAusBytes(const QByteArray &bytes)
{
    if (bytes.size() != TBPRKonfig::DateiGroesse)
        return Error{QStringLiteral("Die Datei hat %1 Bytes statt %2.").arg(bytes.size()).arg(TBPRKonfig::DateiGroesse)};
    TBPRKonfigurationen k;
    for (int i = 0; i < TBPRKonfig::Anzahl; ++i) {
        const char *r = bytes.constData() + i * TBPRKonfig::Groesse;
        TBPRKonfig &c = k[size_t(i)];
        c.Beschreibung = decodeShortString(QByteArrayView(r + kBeschreibung, 33));
        c.Drehung = int32An(r + kDrehung);
        c.XSpiegelung = r[kXSpiegelung] != 0;
        c.YSpiegelung = r[kYSpiegelung] != 0;
        c.DatenInFBA = r[kDatenInFBA] != 0;
        c.KolliDreh = int32An(r + kKolliDreh);
        c.BlendeDreh = int32An(r + kBlendeDreh);
    }
    return k;
}

QByteArray BPRKonfigBytes(const TBPRKonfigurationen &konfig)
{
    QByteArray bytes(TBPRKonfig::DateiGroesse, '\0');
    for (int i = 0; i < TBPRKonfig::Anzahl; ++i) {
        char *r = bytes.data() + i * TBPRKonfig::Groesse;
        const TBPRKonfig &c = konfig[size_t(i)];
        const QByteArray name = encodeShortString(c.Beschreibung, 32);
        std::copy(name.begin(), name.end(), r + kBeschreibung);
        int32Nach(r + kDrehung, c.Drehung);
        r[kXSpiegelung] = c.XSpiegelung ? 1 : 0;
        r[kYSpiegelung] = c.YSpiegelung ? 1 : 0;
        r[kDatenInFBA] = c.DatenInFBA ? 1 : 0;
        int32Nach(r + kKolliDreh, c.KolliDreh);
        int32Nach(r + kBlendeDreh, c.BlendeDreh);
    }
    return bytes;
}

Result<TBPRKonfigurationen> BPRKonfigLesen(const QString &datei)
{
    if (!QFileInfo(datei).isFile())
        return Error{lesefehler(datei)};
    auto bytes = readWholeFile(datei, TBPRKonfig::DateiGroesse);
    if (!bytes)
        return Error{lesefehler(datei) + u'\r' + bytes.error()};
    auto k = BPRKonfigAusBytes(*bytes);
    if (!k)
        return Error{lesefehler(datei) + u'\r' + k.error()};
    return k;
}

Result<void> BPRKonfigPruefen(const TBPRKonfig &k)
{
    const std::pair<const char *, qint32> winkel[] = {{"Drehung", k.Drehung}, {"Kolli Dreh", k.KolliDreh}, {"Blende Dreh", k.BlendeDreh}};
    for (const auto &[name, wert] : winkel) {
        if (wert < -360 || wert > 360)
            return Error{QStringLiteral("Die BPR-Konfiguration \"%1\" ist beschädigt: %2 ist %3, erlaubt sind -360 bis 360 Grad. "
                                        "Sie wird nicht verwendet.")
                             .arg(k.Beschreibung, QString::fromLatin1(name))
                             .arg(wert)};
    }
    return {};
}

QList<int> BPRKonfigAuswahl(const TBPRKonfigurationen &konfig)
{
    QList<int> liste;
    for (int i = 0; i < TBPRKonfig::Anzahl; ++i) {
        if (!konfig[size_t(i)].Unbenutzt())
            liste << i;
    }
    return liste;
}

} // namespace qv
