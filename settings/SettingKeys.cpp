#include "SettingKeys.h"

const LanguageKeys& LanguageKeysFor(const QString& uiLanguage)
{
    static const LanguageKeys swedish{QStringLiteral("Inställningar"), QStringLiteral("Språk1"),
                                      QStringLiteral("Språk2"),        QStringLiteral("Engelska"),
                                      QStringLiteral("Svenska"),       QStringLiteral("Språk1"),
                                      QStringLiteral("Språk2"),        QStringLiteral("Antal")};
    static const LanguageKeys english{QStringLiteral("Options"),   QStringLiteral("Language1"),
                                      QStringLiteral("Language2"), QStringLiteral("Foreign"),
                                      QStringLiteral("English"),   QStringLiteral("Language1"),
                                      QStringLiteral("Language2"), QStringLiteral("Number")};
    static const LanguageKeys finnish{QStringLiteral("Asetukset"), QStringLiteral("Kieli1"),
                                      QStringLiteral("Kieli2"),    QStringLiteral("Englanti"),
                                      QStringLiteral("Suomi"),     QStringLiteral("Kieli1"),
                                      QStringLiteral("Kieli2"),    QStringLiteral("Luku")};
    if (uiLanguage == u"sve")
        return swedish;
    if (uiLanguage == u"fin")
        return finnish;
    return english;
}
