#pragma once

class QCoreApplication;

namespace planova {

/**
 * Installs Qt's own Japanese texts (Debian qt6-translations-l10n) on the application, so the file
 * dialogs, the standard buttons and the context menus of text fields speak Japanese like the rest
 * of the program, whatever the user's locale, and makes Japanese the default locale, so the dates
 * Qt formats are Japanese too. The translator is owned by the application.
 * Returns false when the translation file is missing; Qt's texts then stay English.
 */
bool InstallQtTranslations(QCoreApplication& application);

} // namespace planova
