#include "export/BlockExportZiel.h"

#include "base/FileNames.h"
#include "base/UtilsUnit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace qv {

bool KundeErkannt(const QString &kbez)
{
    return kbez.size() <= kKBezMaxLaenge;
}

bool IstSichererNamensteil(const QString &text)
{
    if (text.isEmpty() || text == u"." || text == u"..")
        return false;
    for (QChar c : text) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

std::optional<QString> AutomatischesBlockZiel(const QString &basis, const QString &kbez, const QString &patientenID,
                                              const QDate &datum,
                                              const std::function<bool(const QString &)> &existiert)
{
    if (!IstSichererNamensteil(kbez) || !IstSichererNamensteil(patientenID))
        return std::nullopt;
    QString ordner = basis;
    if (!ordner.isEmpty() && !ordner.endsWith(u'/'))
        ordner += u'/';
    ordner += kbez + QStringLiteral("/Offline/") + DatumsPfad(datum);
    // Bounded so that a folder that answers "exists" for everything cannot hang the export.
    for (int n = 1; n <= 100000; ++n) {
        const QString ziel = ordner + patientenID + u'_' + QString::number(n) + QStringLiteral(".cif");
        if (!existiert(ziel))
            return ziel;
    }
    return std::nullopt;
}

bool IstAlsExportiertMarkiert(const QString &pfad)
{
    return QFileInfo(pfad).fileName().left(3).toUpper() == u"_B_";
}

Result<QString> AlsExportiertMarkieren(const QString &auftragsdatei)
{
    if (auftragsdatei.isEmpty() || IstAlsExportiertMarkiert(auftragsdatei))
        return auftragsdatei;
    const QFileInfo info(auftragsdatei);
    const QString neu = info.dir().filePath(QStringLiteral("_b_") + info.fileName());
    if (QFileInfo::exists(neu))
        return Error{QStringLiteral("Die Datei \"%1\" existiert bereits.").arg(QDir::toNativeSeparators(neu))};
    // In the same folder a rename never copies; the system's reason is told in German.
    if (::rename(QFile::encodeName(auftragsdatei).constData(), QFile::encodeName(neu).constData()) != 0)
        return Error{QStringLiteral("Die Datei \"%1\" konnte nicht umbenannt werden: %2")
                         .arg(QDir::toNativeSeparators(auftragsdatei), systemErrorText(errno))};
    return neu;
}

} // namespace qv
