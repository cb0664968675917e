#pragma once

#include <QString>

// The system's language as the three-letter code Windows keeps in Win.ini ("sve", "nor", "dan",
// "isl", "fin", "enu", "deu", ...), derived from the locale the environment selects.
namespace SystemLocale {

// The locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; beside it, the first known
// language of LANGUAGE wins. Empty for the C locale, when nothing is set or the language is
// unknown.
QString languageCode();

// "sv_SE.UTF-8" -> "sve", "en_GB" -> "eng", "en" -> "enu"; empty when the language is unknown.
QString windowsCodeForLocale(const QString& localeName);

} // namespace SystemLocale
