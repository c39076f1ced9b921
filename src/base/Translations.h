#pragma once

#include <QString>

class QCoreApplication;

namespace qv {

/// Makes Qt's own texts German (file dialogs, Yes/No buttons, context menus of text fields),
/// whatever the system language: the program speaks German throughout. The copy in
/// ownFolder (shipped with the program) comes first, then Qt's own. Returns false when neither
/// is there; the texts then stay English.
bool installGermanQtTranslations(QCoreApplication &app, const QString &ownFolder = {});

} // namespace qv
