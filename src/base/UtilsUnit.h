#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace qv {

/// The program's version as "V%d.%d%d" (2.1.3 -> "V2.13"), at most 10 characters.
QString VersionsText();
QString VersionsTextFor(int major, int minor, int release);

/// Relative dated folder "YYYY/MM/DD/".
QString DatumsPfad(const QDate &date);
/// "YYYYMMDD_hhmmss".
QString ZeitStempel(const QDateTime &dateTime);
/// n with a leading zero for 0..9.
QString ZweiStellig(int n);
/// True for backspace and the digits 0..9: the key filter of the step and settings fields.
bool ZifferOderRuecktaste(QChar c);

} // namespace qv
