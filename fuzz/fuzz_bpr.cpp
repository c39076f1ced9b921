// Planning-system files come from outside, and so do the format rows (the maker edits them):
// preparing and reading any text with any rows must never crash, loop for ever or allocate
// without bound, and what it gives must keep the reader's limits.
//
// Input: a line "!N" (N = 1..6, the format to read an unrecognised file as, and the file name
// that goes with it), the rows, one per line "value|tagstr|lineoffset|rowoffset|len|endchar|
// beginchar", then a line "%%", then the file.
#include "planimport/BPRFileBasic.h"
#include "planimport/BPRKatalog.h"
#include "planimport/BPRTools.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

namespace {

qv::BPRFormatZeilen zeilenLesen(const QByteArray &text)
{
    qv::BPRFormatZeilen zeilen;
    for (const QByteArray &zeile : text.split('\n')) {
        const QList<QByteArray> f = zeile.split('|');
        if (f.size() < 7)
            continue;
        bool ok = false;
        const int code = f[0].toInt(&ok);
        if (!ok || zeilen.contains(code))
            continue;
        qv::T_Werte w;
        w.tagstr = QString::fromLatin1(f[1]);
        w.lineoffset = f[2].toInt();
        w.rowoffset = f[3].toInt();
        w.len = f[4].toInt();
        w.endchar = f[5].isEmpty() ? QChar(u'0') : QChar::fromLatin1(f[5][0]);
        w.beginchar = f[6].isEmpty() ? QChar(u'0') : QChar::fromLatin1(f[6][0]);
        zeilen.insert(code, w);
    }
    return zeilen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    (void)quiet;

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype trenner = bytes.indexOf("\n%%\n");
    const QByteArray zeilenText = trenner < 0 ? QByteArray() : bytes.left(trenner);
    const QByteArray datei = trenner < 0 ? bytes : bytes.mid(trenner + 4);

    int format = 1;
    if (zeilenText.startsWith('!') && zeilenText.size() > 1)
        format = 1 + (quint8(zeilenText[1]) + 5) % 6; // '1' gives 1
    static const char *const namen[] = {"plan.txt", "plan.txt", "PLAN.A1", "plan.cif", "plan.DAT", "plan.txt"};
    qv::BPRVorbereitung v = qv::Vorbereiten(datei, QString::fromLatin1(namen[format - 1]));
    if (!v.Zeilen.isEmpty() && v.FormatCode == qv::BPRFormat::Keins)
        v.FormatCode = format; // reach every format's rules, whatever the first line says

    qv::BPRFileBasic leser(v, zeilenLesen(zeilenText), QStringLiteral("fuzz"));
    const int beams = std::min(leser.BeamsZurAuswahl(), 3);
    if (leser.BeamNumbers.size() != qv::BPRFileBasic::MaxBeams)
        std::abort();
    for (int n = 1; n <= beams; ++n) {
        leser.SetFBA(65.5);
        leser.SetFIA(100);
        const bool gueltig = leser.ReadBeam(n);
        if (leser.KonturenGelesen() > qv::BPRFileBasic::MaxKonturen)
            std::abort();
        bool flaeche = false;
        for (const QList<QPoint> &k : leser.GetContourPoints()) {
            if (k.size() > qv::CKonturenValue::MaxPunkte)
                std::abort();
            flaeche = flaeche || k.size() >= 3;
        }
        if (gueltig && !flaeche)
            std::abort();
        leser.MirrorX = (n & 1) != 0;
        leser.Rotation = 90.0 * n + 0.5;
        leser.CollimatorOffset = 15;
        leser.JawRotation = 90;
        leser.ApplyConfiguration(true);
        leser.MirrorY = true;
        leser.ApplyConfiguration(true);
        (void)leser.GetFBA();
        (void)leser.GetFIA();
        (void)leser.GetGantry();
        (void)leser.GetCollimator();
        (void)leser.GetPatientID();
        (void)leser.GetPatientName();
        (void)leser.GetTargetVolume();
        (void)leser.GetComment();
        (void)leser.GetField();
        for (int i = 1; i <= leser.KonturenGelesen(); ++i) {
            (void)leser.GetPoint(i, leser.GetPointCount(i));
            (void)qv::InIsozentrumsEbene(leser.GetPoint(i, 1).x(), true, 65.5, 100);
        }
    }
    return 0;
}
