#include "TestSettings.h"

#include "TextCodec.h"

#include <QDir>
#include <QFile>

TestSettings::TestSettings(const QByteArray& systemLocale)
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_oldLang(qgetenv("LANG"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    setSystemLocale(systemLocale);
}

TestSettings::~TestSettings()
{
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("LANG", m_oldLang);
}

void TestSettings::setSystemLocale(const QByteArray& locale)
{
    qputenv("LANGUAGE", "");
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "");
    qputenv("LANG", locale);
}

QString TestSettings::iniPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Vokabo.ini"));
}

QByteArray TestSettings::iniBytes() const
{
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString TestSettings::iniText() const
{
    return TextCodec::decode(iniBytes());
}

void TestSettings::writeIni(const QByteArray& bytes) const
{
    QFile file(iniPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
