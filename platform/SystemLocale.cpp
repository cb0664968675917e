#include "SystemLocale.h"

#include <QHash>
#include <QRegularExpression>
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
constexpr Code kEnglish[] = {{"GB", "eng"}, {"AU", "ena"}, {"CA", "enc"}, {"NZ", "enz"},
                             {"IE", "eni"}, {"ZA", "enl"}};

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
    const QStringList parts = name.split(QRegularExpression(QStringLiteral("[_-]")));
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
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        // LANGUAGE may list several languages in order of preference.
        for (const QString& entry : value.split(u':', Qt::SkipEmptyParts)) {
            const QString code = windowsCodeForLocale(entry);
            if (!code.isEmpty())
                return code;
        }
        if (value != u"C" && value != u"POSIX" && !value.startsWith(u"C."))
            return {};
    }
    return {};
}

} // namespace SystemLocale
