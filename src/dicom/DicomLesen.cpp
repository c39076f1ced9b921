#include "dicom/DicomLesen.h"

#include "base/FileNames.h"

#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcdict.h>
#include <dcmtk/dcmdata/dcfilefo.h>
#include <dcmtk/dcmdata/dcistrmb.h>
#include <dcmtk/dcmdata/dcxfer.h>
#include <dcmtk/oflog/oflog.h>

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <mutex>

namespace qv {

namespace {

QString anzeige(const QString &pfad)
{
    return fileNameForDisplay(pfad);
}

QString keineDicomDatei(const QString &name)
{
    return QStringLiteral("Die Datei %1 kann nicht als DICOM-Datei gelesen werden.").arg(name);
}

// The defined terms of the single-byte and the Unicode character sets, without code extensions.
const char *codecFuer(const QByteArray &term)
{
    struct Eintrag
    {
        const char *term;
        const char *codec;
    };
    static const Eintrag tabelle[] = {
        {"ISO_IR 6", "ISO-8859-1"},    {"ISO_IR 100", "ISO-8859-1"}, {"ISO_IR 101", "ISO-8859-2"},
        {"ISO_IR 109", "ISO-8859-3"},  {"ISO_IR 110", "ISO-8859-4"}, {"ISO_IR 144", "ISO-8859-5"},
        {"ISO_IR 127", "ISO-8859-6"},  {"ISO_IR 126", "ISO-8859-7"}, {"ISO_IR 138", "ISO-8859-8"},
        {"ISO_IR 148", "ISO-8859-9"},  {"ISO_IR 203", "ISO-8859-15"}, {"ISO_IR 166", "TIS-620"},
        {"ISO_IR 192", "UTF-8"},       {"GB18030", "GB18030"},        {"GBK", "GBK"},
    };
    for (const Eintrag &e : tabelle) {
        if (term == e.term)
            return e.codec;
    }
    return nullptr;
}

} // namespace

void DicomProtokollAbschalten()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        OFLog::getLogger("dcmtk").setLogLevel(OFLogger::OFF_LOG_LEVEL);
        dcmtk::log4cplus::Logger::getRoot().setLogLevel(OFLogger::OFF_LOG_LEVEL);
    });
}

Result<std::shared_ptr<DcmFileFormat>> DicomDateiLaden(const QString &pfad)
{
    DicomProtokollAbschalten();
    const QFileInfo info(pfad);
    if (!info.exists())
        return Error{QStringLiteral("Die Datei %1 ist nicht vorhanden.").arg(anzeige(pfad))};
    if (!info.isFile())
        return Error{QStringLiteral("%1 ist keine gewöhnliche Datei.").arg(anzeige(pfad))};
    if (info.size() > kDicomDateiGrenze)
        return Error{QStringLiteral("Die Datei %1 ist zu groß (%2 Bytes; höchstens %3).")
                         .arg(anzeige(pfad))
                         .arg(info.size())
                         .arg(kDicomDateiGrenze)};
    if (!dcmDataDict.isDictionaryLoaded())
        return Error{QStringLiteral("Das DICOM-Wörterbuch der Bibliothek ist nicht geladen (Debian-Paket libdcmtk17).")};
    auto datei = std::make_shared<DcmFileFormat>();
    const OFCondition ok = datei->loadFile(OFFilename(QFile::encodeName(pfad).constData()), EXS_Unknown, EGL_noChange,
                                           DCM_MaxReadLength, ERM_autoDetect);
    if (ok.bad())
        return Error{keineDicomDatei(anzeige(pfad))};
    return datei;
}

Result<std::shared_ptr<DcmFileFormat>> DicomBytesLaden(const QByteArray &bytes, const QString &anzeigeName)
{
    DicomProtokollAbschalten();
    if (!dcmDataDict.isDictionaryLoaded())
        return Error{QStringLiteral("Das DICOM-Wörterbuch der Bibliothek ist nicht geladen (Debian-Paket libdcmtk17).")};
    DcmInputBufferStream strom;
    strom.setBuffer(bytes.constData(), offile_off_t(bytes.size()));
    strom.setEos();
    auto datei = std::make_shared<DcmFileFormat>();
    datei->transferInit();
    const OFCondition ok = datei->read(strom, EXS_Unknown, EGL_noChange, DCM_MaxReadLength);
    datei->transferEnd();
    if (ok.bad())
        return Error{keineDicomDatei(anzeigeName)};
    return datei;
}

Result<QString> DicomTextDekodieren(const QByteArray &roh, const QByteArray &zeichensatz)
{
    // Plain ASCII reads the same in every character set without code extensions.
    const bool ascii = std::all_of(roh.begin(), roh.end(), [](char c) { return c > 0 && c != '\x1b'; });
    if (ascii)
        return QString::fromLatin1(roh);
    QByteArray term = zeichensatz.trimmed();
    // "ISO 2022 IR 100" without escape sequences in the text is the same repertoire as "ISO_IR 100".
    if (term.startsWith("ISO 2022 IR ") && !term.contains('\\') && !roh.contains('\x1b'))
        term = "ISO_IR " + term.mid(12);
    const char *codec = term.isEmpty() ? "ISO-8859-1" : codecFuer(term);
    if (!codec)
        return Error{QStringLiteral("Der Zeichensatz \"%1\" der DICOM-Datei wird nicht unterstützt.")
                         .arg(QString::fromLatin1(zeichensatz))};
    QStringDecoder dekoder(codec);
    if (!dekoder.isValid())
        return Error{QStringLiteral("Der Zeichensatz \"%1\" der DICOM-Datei wird nicht unterstützt.")
                         .arg(QString::fromLatin1(zeichensatz))};
    return QString(dekoder.decode(roh));
}

} // namespace qv
