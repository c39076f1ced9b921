// Settings files come from disk and may be damaged or not settings files at all: parsing and
// reading must never crash, and what is parsed must serialize back to a stable text.
#include "base/IniFile.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

namespace {

// Flips the case of ASCII letters only; other letters may change length when upper-cased.
QString swapAsciiCase(QString s)
{
    for (QChar &c : s) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return s;
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
    qv::IniFile ini{QString()};
    ini.parse(bytes);

    for (const QString &section : ini.sections()) {
        for (const QString &key : ini.keys(section)) {
            const QString value = ini.readString(section, key);
            if (value != value.trimmed())
                std::abort();
            (void)ini.readInteger(section, key, 0);
            (void)ini.readBool(section, key, false);
            if (!ini.valueExists(swapAsciiCase(section), swapAsciiCase(key)))
                std::abort();
        }
        if (!ini.sectionExists(section))
            std::abort();
    }
    (void)ini.readString(QStringLiteral("Init"), QStringLiteral("ModusIndex"), QStringLiteral("-"));

    // What the program would write back keeps every line as it was.
    const QByteArray once = ini.serialize();
    qv::IniFile again{QString()};
    again.parse(once);
    if (again.serialize() != once || again.sections() != ini.sections())
        std::abort();
    return 0;
}
