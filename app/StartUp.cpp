#include "StartUp.h"

#include "StartUpSettings.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void PrepareInterfaceLanguage(ProgramSettings& settings)
{
    const InterfaceLanguageChoice choice = ChooseInterfaceLanguage();
    settings.uiLanguage = choice.uiLanguage;
    settings.systemLanguage = choice.systemLanguage;
    InstallInterfaceTranslator(settings.uiLanguage);

    // Qt's own dialogs (the file and font choosers) in the interface language: Qt's catalogue
    // where the system has it, and beneath our own, which fills its gaps.
    static bool qtTranslated = false;
    if (!qtTranslated && settings.uiLanguage != u"eng") {
        qtTranslated = true;
        const bool finnish = settings.uiLanguage == u"fin";
        auto* system = new QTranslator(QCoreApplication::instance());
        if (system->load(finnish ? QStringLiteral("qtbase_fi") : QStringLiteral("qt_sv"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(system);
        auto* own = new QTranslator(QCoreApplication::instance());
        if (own->load(finnish ? QStringLiteral("qt_vokabo_fi") : QStringLiteral("qt_vokabo_sv"),
                      QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(own);
    }
}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    const QStringList args = arguments.mid(1);
    if (args.size() == 1 && (args[0] == u"--help" || args[0] == u"-h")) {
        result.action = CommandLine::Help;
        return result;
    }
    if (args.size() == 1 && (args[0] == u"--version" || args[0] == u"-v")) {
        result.action = CommandLine::Version;
        return result;
    }
    result.wordListPath = args.join(u' ');
    return result;
}

QString CommandLineHelp()
{
    return QStringLiteral("Usage: vokabo [WORDLIST]\n"
                          "A vocabulary trainer: write word pairs, save them, drill them.\n\n"
                          "  WORDLIST         a word list file (.vkf or .gls) to open at start\n"
                          "  -h, --help       show this help and exit\n"
                          "  -v, --version    show the version and exit\n");
}
