#include "ProgramSettings.h"

#include "DesignFont.h"
#include "SettingNumbers.h"

ProgramSettings::ProgramSettings()
    : font1Name(DesignFont::name()), font2Name(DesignFont::name()),
      font1Size(Settings::RoundHalfEven(DesignFont::points)),
      font2Size(Settings::RoundHalfEven(DesignFont::points))
{
}

bool ProgramSettings::IsNordic(const QString& systemLanguage)
{
    return systemLanguage == u"sve" || systemLanguage == u"nor" || systemLanguage == u"dan" ||
           systemLanguage == u"isl";
}
