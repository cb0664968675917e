#include "LanguageLists.h"
#include "ProgramSettings.h"
#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A settings file as it looks after some months of use with the Swedish interface.
const char kIni[] = "[Spr\xe5k1]\r\nAntal=6\r\n0=Engelska\r\n1=Tyska\r\n2=Franska\r\n3=Spanska\r\n"
                    "4=Italienska\r\n5=Finska\r\n6=Svenska\r\n"
                    "[Spr\xe5k2]\r\nAntal=6\r\n0=Svenska\r\n1=Engelska\r\n2=Tyska\r\n3=Finska\r\n"
                    "4=Franska\r\n5=Spanska\r\n6=Italienska\r\n"
                    "[Options]\r\nWelcome=0\r\nShowRw=-1\r\nPrgLanguage=sve\r\n"
                    "[Position]\r\nX=1200\r\nY=900\r\n"
                    "[Inst\xe4llningar]\r\nSpr\xe5k1=Tyska\r\nSpr\xe5k2=Svenska\r\n"
                    "[Files]\r\n1=/home/ola/Dokument/Glosor/tyska kapitel 12.vkf\r\n"
                    "2=/home/ola/Dokument/Glosor/tyska kapitel 11.vkf\r\n"
                    "3=/home/ola/Dokument/Glosor/engelska vecka 7.vkf\r\n"
                    "4=/media/usb/glosor/franska.gls\r\n"
                    "[Font]\r\nFont1Name=DejaVu Sans\r\nFont2Name=DejaVu Sans\r\n"
                    "Font1Size=10\r\nFont2Size=10\r\n";

// Every read of the main window's load step, in its order.
int readStartUpSettings()
{
    int found = 0;
    found += Settings::ReadSetting(Keys::OnlyOne).size();
    found += Settings::ReadSetting(Keys::PositionSection, QStringLiteral("X"), QStringLiteral("0"))
                 .size();
    found += Settings::ReadSetting(Keys::PositionSection, QStringLiteral("Y"), QStringLiteral("0"))
                 .size();
    const InterfaceLanguageChoice choice =
        ChooseInterfaceLanguage(); // sLanguage, PrgLanguage, Offbox
    ProgramSettings values;
    ReadSwitches(values); // Welcome, ShowRw
    ReadFonts(values);
    found += Settings::ReadSetting(Keys::Maximize).size();
    for (int k = 1; k <= 4; ++k)
        found += Settings::ReadSetting(Keys::RecentFile(k)).size();
    const LanguageKeys& keys = LanguageKeysFor(choice.uiLanguage);
    found +=
        Settings::ReadSetting(keys.pairSection, keys.language1Key, keys.language1Default).size();
    found +=
        Settings::ReadSetting(keys.pairSection, keys.language2Key, keys.language2Default).size();
    for (const QString& section : {keys.learnedListSection, keys.knownListSection})
        found += ReadStoredLanguageList(section, keys.lastIndexKey).value_or(QStringList()).size();
    return found + values.font1Size;
}

} // namespace

// The settings reads of a start, each going to the file as the program does.
class BenchSettingsStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        qputenv("LANGUAGE", "");
        qputenv("LC_ALL", "");
        qputenv("LC_MESSAGES", "");
        qputenv("LANG", "sv_SE.UTF-8");
        QFile file(Settings::SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kIni);
    }

    void startUpReads()
    {
        int found = 0;
        QBENCHMARK
        {
            found = readStartUpSettings();
        }
        QVERIFY(found > 200);
    }

    void oneRead()
    {
        QString value;
        QBENCHMARK
        {
            value = Settings::ReadSetting(Keys::Font2Size);
        }
        QCOMPARE(value, QStringLiteral("10"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(BenchSettingsStartUp)
#include "BenchSettingsStartUp.moc"
