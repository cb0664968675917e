#pragma once

#include <QString>

// The system's language as the three-letter code Windows keeps in Win.ini ("sve", "nor", "dan",
// "isl", "fin", "enu", "deu", ...), derived from the locale the environment selects.
namespace SystemLocale {

// Looks at LANGUAGE, LC_ALL, LC_MESSAGES and LANG in that order; empty for the C locale or when
// nothing is set.
QString languageCode();

// "sv_SE.UTF-8" -> "sve", "en_GB" -> "eng", "en" -> "enu"; empty when the language is unknown.
QString windowsCodeForLocale(const QString& localeName);

} // namespace SystemLocale
