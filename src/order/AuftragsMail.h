#pragma once

#include "base/Desktop.h"

#include <QString>
#include <QStringList>

namespace qv {

/// The desktop's helper that opens the person's mail program with a new mail.
inline const QString kMailProgramm = QStringLiteral("xdg-email");

/// Subject of the order mail: the program and the file's name, no patient data.
QString AuftragsMailBetreff(const QString &datei);

/// The helper's arguments for a new mail to the maker's order address (none when empty) with
/// the saved order file attached.
QStringList AuftragsMailArgumente(const QString &adresse, const QString &datei);

/// Opens the person's mail program with the order mail; what became of it.
ProgrammLauf AuftragsMailVorbereiten(Desktop &desktop, const QString &adresse, const QString &datei);

} // namespace qv
