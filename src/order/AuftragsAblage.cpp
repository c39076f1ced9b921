#include "order/AuftragsAblage.h"

#include "base/IniFile.h"
#include "base/UtilsUnit.h"
#include "config/ArchivEinstellungen.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {

const QString kInit = QStringLiteral("Init");

QString ordnerMitStandard(const IniFile &einstellungen, const QString &schluessel)
{
    const QString ordner = einstellungen.readString(kInit, schluessel);
    return ordner.isEmpty() ? QDir::homePath() : ordner;
}

} // namespace

QString VorgeschlagenerName(const QDateTime &auftragszeit)
{
    return ZeitStempel(auftragszeit);
}

bool IstAuftragsdateiName(const QString &pfad)
{
    return pfad.right(4).toUpper() == QStringLiteral(".ORV");
}

QString MitAuftragsEndung(const QString &name)
{
    return IstAuftragsdateiName(name) ? name : name + QString::fromUtf16(kAuftragsEndung);
}

QString ArchivBasisAus(const QString &savePath)
{
    const qsizetype letzter = savePath.lastIndexOf(u'/');
    return letzter < 0 ? savePath : savePath.left(letzter + 1);
}

QString ArchivPfad(const QString &archivBasis, const QDateTime &auftragszeit)
{
    const QTime t = auftragszeit.time();
    return archivBasis + DatumsPfad(auftragszeit.date()) + ZweiStellig(t.hour()) + ZweiStellig(t.minute()) +
           ZweiStellig(t.second()) + QString::fromUtf16(kAuftragsEndung);
}

QString SavePathIndividuell(const IniFile &einstellungen)
{
    return ordnerMitStandard(einstellungen, QStringLiteral("SavePath_Individuell"));
}

QString OpenPath(const IniFile &einstellungen)
{
    return ordnerMitStandard(einstellungen, QStringLiteral("OpenPath"));
}

void SavePathIndividuellSetzen(IniFile &einstellungen, const QString &ordner)
{
    einstellungen.writeString(kInit, QStringLiteral("SavePath_Individuell"), ordner);
}

void OpenPathSetzen(IniFile &einstellungen, const QString &ordner)
{
    einstellungen.writeString(kInit, QStringLiteral("OpenPath"), ordner);
}

int AuftragEnde(const IniFile &einstellungen)
{
    return einstellungen.readInteger(kInit, QStringLiteral("AuftragEnde"), 2);
}

void AuftragEndeSetzen(IniFile &einstellungen, int wahl)
{
    einstellungen.writeInteger(kInit, QStringLiteral("AuftragEnde"), wahl);
}

QString OeffnenStartOrdner(bool kundenModus, const IniFile &einstellungen, const QDate &heute,
                           const std::function<bool(const QString &)> &ordnerExistiert)
{
    if (kundenModus)
        return OpenPath(einstellungen);
    const QString offline = archivBasis(einstellungen) + QStringLiteral("Offline/");
    const QString datiert = offline + DatumsPfad(heute);
    return ordnerExistiert(datiert) ? datiert : offline;
}

bool OrdnerAnlegen(const QString &pfad)
{
    const qsizetype letzter = pfad.lastIndexOf(u'/');
    if (letzter <= 0)
        return true;
    return QDir().mkpath(pfad.left(letzter));
}

} // namespace qv
