#include "LanguageListStore.h"
#include "Settings.h"
#include "StartUpSettings.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

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

// Every read of a start, in its order, each going to the file as the program does.
int readStartUpSettings(QWidget* window)
{
    ProgramSettings values;
    const InterfaceLanguageChoice choice = ChooseInterfaceLanguage();
    values.uiLanguage = choice.uiLanguage;
    ReadOnlyOne(values);
    const MainWindowSettings stored = ReadMainWindowSettings(window, values);
    int found = 0;
    for (const QString& path : stored.recentFiles)
        found += path.size();
    found += stored.language1.size() + stored.language2.size();
    for (int which : {1, 2})
        found += StoredLanguageList(values.uiLanguage, which).value_or(QStringList()).size();
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
            found = readStartUpSettings(&m_window);
        }
        QVERIFY(found > 200);
    }

    void fontReads()
    {
        ProgramSettings values;
        QBENCHMARK
        {
            ReadFonts(values);
        }
        QCOMPARE(values.font2Size, 10);
    }

private:
    QTemporaryDir m_dir;
    QWidget m_window; // the main window's position is read into a window
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchSettingsStartUp bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "BenchSettingsStartUp.moc"
