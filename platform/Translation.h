#pragma once

#include <QString>

// Installs the translator of the interface language ("eng" or "fin") into the application.
// "sve" installs none: the Swedish texts are the source texts. Returns false when no
// translation was found for the language.
bool InstallInterfaceTranslator(const QString& uiLanguage);
