#pragma once

class QCoreApplication;

namespace qv {

/// Makes Qt's own texts German (file dialogs, Yes/No buttons, context menus of text fields),
/// whatever the system language: the program speaks German throughout. Returns false when
/// Qt's German translations are not installed; the texts then stay English.
bool installGermanQtTranslations(QCoreApplication &app);

} // namespace qv
