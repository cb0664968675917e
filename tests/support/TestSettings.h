#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points the settings folder (XDG_CONFIG_HOME) and the system language at a fresh temporary
// place for the life of the object, so no test touches the user's Vokabo.ini.
class TestSettings
{
public:
    // systemLocale: what LANG holds, such as "sv_SE.UTF-8"; empty for none.
    explicit TestSettings(const QByteArray& systemLocale = QByteArray());
    ~TestSettings();

    QString folder() const { return m_dir.path(); }
    QString iniPath() const;
    // The settings file's text, decoded; empty when there is no file.
    QString iniText() const;
    QByteArray iniBytes() const;
    void writeIni(const QByteArray& bytes) const;
    void setSystemLocale(const QByteArray& locale);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldLang;
};
