#include "SystemLocale.h"

#include <QHash>
#include <QStringList>

namespace SystemLocale {
namespace {

struct Code
{
    const char* iso;
    const char* windows;
};

// Windows' three-letter codes for the languages a learner is likely to run the program in.
constexpr Code kCodes[] = {
    {"sv", "sve"}, {"nb", "nor"}, {"no", "nor"}, {"nn", "non"}, {"da", "dan"}, {"is", "isl"},
    {"fi", "fin"}, {"en", "enu"}, {"de", "deu"}, {"fr", "fra"}, {"es", "esp"}, {"it", "ita"},
    {"nl", "nld"}, {"pt", "ptg"}, {"pl", "plk"}, {"cs", "csy"}, {"sk", "sky"}, {"hu", "hun"},
    {"ru", "rus"}, {"uk", "ukr"}, {"el", "ell"}, {"tr", "trk"}, {"et", "eti"}, {"lv", "lvi"},
    {"lt", "lth"}, {"ja", "jpn"}, {"zh", "chs"}, {"ko", "kor"}, {"ar", "ara"}, {"he", "heb"},
    {"ro", "rom"}, {"bg", "bgr"}, {"hr", "hrv"}, {"sl", "slv"}, {"sr", "srl"}, {"ca", "cat"},
    {"eu", "euq"}, {"fo", "fos"}, {"se", "sme"},
};

// English varies by country in Windows' codes.
constexpr Code kEnglish[] = {{"GB", "eng"}, {"AU", "ena"}, {"CA", "enc"},
                             {"NZ", "enz"}, {"IE", "eni"}, {"ZA", "enl"}};

} // namespace

QString windowsCodeForLocale(const QString& localeName)
{
    QString name = localeName.trimmed();
    for (QChar stop : {u'.', u'@'}) {
        const qsizetype at = name.indexOf(stop);
        if (at >= 0)
            name.truncate(at);
    }
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    const QStringList parts = name.replace(u'-', u'_').split(u'_');
    const QString language = parts.value(0).toLower();
    const QString country = parts.value(1).toUpper();
    if (language == u"en") {
        for (const Code& c : kEnglish) {
            if (country == QLatin1String(c.iso))
                return QLatin1String(c.windows);
        }
    }
    for (const Code& c : kCodes) {
        if (language == QLatin1String(c.iso))
            return QLatin1String(c.windows);
    }
    return {};
}

QString languageCode()
{
    // POSIX: the first of LC_ALL, LC_MESSAGES and LANG that is set names the locale.
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    const bool plainC = locale.isEmpty() || locale == u"C" || locale == u"POSIX" ||
                        locale.startsWith(u"C.") || locale.startsWith(u"C@");
    if (plainC)
        return {}; // LANGUAGE counts only beside a real locale, as in gettext
    // LANGUAGE may list several languages in order of preference; it comes before the locale.
    const QString preferred = qEnvironmentVariable("LANGUAGE");
    for (const QString& entry : preferred.split(u':', Qt::SkipEmptyParts)) {
        const QString code = windowsCodeForLocale(entry);
        if (!code.isEmpty())
            return code;
    }
    return windowsCodeForLocale(locale);
}

} // namespace SystemLocale
