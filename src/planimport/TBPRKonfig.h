#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace qv {

/// One accelerator configuration of the planning-system import: how the data of the files are
/// turned, mirrored and placed. BPRKonfig.cfg holds six of them, 52 bytes each.
struct TBPRKonfig
{
    static constexpr int Groesse = 52;
    static constexpr int Anzahl = 6;
    static constexpr int DateiGroesse = Groesse * Anzahl;

    QString Beschreibung = QStringLiteral("none"); // s[32]; "none" marks an unused record
    qint32 Drehung = 0;
    bool XSpiegelung = false;
    bool YSpiegelung = false;
    bool DatenInFBA = false;
    qint32 KolliDreh = 0;
    qint32 BlendeDreh = 0;

    bool Unbenutzt() const { return Beschreibung == u"none"; }
    bool operator==(const TBPRKonfig &) const = default;
};

using TBPRKonfigurationen = std::array<TBPRKonfig, TBPRKonfig::Anzahl>;

/// The file in the program folder.
QString BPRKonfigDatei(const QString &programmOrdner);
/// What a first start creates: "Linac 1" and five unused records, all values 0.
TBPRKonfigurationen BPRKonfigStandard();
/// Reads the six records; anything but exactly 312 bytes of a regular file is an error.
Result<TBPRKonfigurationen> BPRKonfigLesen(const QString &datei);
Result<TBPRKonfigurationen> BPRKonfigAusBytes(const QByteArray &bytes);
QByteArray BPRKonfigBytes(const TBPRKonfigurationen &konfig);
/// Whether a record's angles lie in their range (-360 to 360 degrees); an error naming the
/// configuration and the value otherwise (a damaged file must not turn the data).
Result<void> BPRKonfigPruefen(const TBPRKonfig &konfig);

/// The records a person can choose from (name not "none"), in record order: the list
/// position maps to the record index this gives.
QList<int> BPRKonfigAuswahl(const TBPRKonfigurationen &konfig);

} // namespace qv
