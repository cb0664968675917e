#include "WebCommands.h"

#include "Browser.h"
#include "Prompter.h"

#include <QCoreApplication>

namespace {

class WebCommands
{
    Q_DECLARE_TR_FUNCTIONS(WebCommands)

public:
    static QString notFoundTitle() { return tr("Www-bläddraren hittades inte"); }
    static QString notFound(const QString& address)
    {
        return tr("Vokabo hittar inte din www-bläddrare, starta den på vanligt sätt och gå till: "
                  "%1\rför att komma till denna programs hemsida.")
            .arg(address);
    }
};

} // namespace

QString HomePageAddress(const QString& uiLanguage)
{
    const QString folder = HomePageFolder.toString();
    if (uiLanguage == u"sve")
        return folder + QStringLiteral("/svenska.htm");
    if (uiLanguage == u"fin")
        return folder + QStringLiteral("/suomi.htm");
    return folder + u'/';
}

QString FindBrowser()
{
    return DefaultBrowser();
}

void OpenInBrowser(Prompter& prompter, const QString& address, const QString& notFoundText,
                   const QString& notFoundTitle)
{
    const QString browser = FindBrowser();
    if (!browser.isEmpty() && StartBrowser(browser, address))
        return;
    prompter.message(notFoundText, notFoundTitle, Prompter::ExclamationOk);
}

void GoToHomePage(Prompter& prompter, const QString& uiLanguage)
{
    OpenInBrowser(prompter, HomePageAddress(uiLanguage),
                  WebCommands::notFound(HomePageFolder.toString()), WebCommands::notFoundTitle());
}
