#include "MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* item(QMenu* menu, const char* name)
{
    auto* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) : QObject(bar)
{
    setObjectName(QStringLiteral("mainMenus"));
    arkivmeny = bar->addMenu(QString());
    arkivmeny->setObjectName(QStringLiteral("arkivmeny"));
    nymeny = item(arkivmeny, "nymeny");
    openfile = item(arkivmeny, "openfile");
    importfile = item(arkivmeny, "importfile");
    savefile = item(arkivmeny, "savefile");
    save_as = item(arkivmeny, "save_as");
    exportfile = item(arkivmeny, "exportfile");
    separator(arkivmeny, "sep1");
    mnuSS = item(arkivmeny, "mnuSS");
    separator(arkivmeny, "sep2");
    instmeny = item(arkivmeny, "instmeny");
    separator(arkivmeny, "sep3");
    avslutameny = item(arkivmeny, "avslutameny");
    separator(arkivmeny, "sepRecent");
    const std::array<const char*, FileCommands::RecentCount> recentNames = {"filett", "filtva",
                                                                            "filtre", "filfyra"};
    for (int k = 0; k < FileCommands::RecentCount; ++k)
        recent[size_t(k)] = item(arkivmeny, recentNames[k]);

    redigerameny = bar->addMenu(QString());
    redigerameny->setObjectName(QStringLiteral("redigerameny"));
    klipput = item(redigerameny, "klipput");
    kopiera = item(redigerameny, "kopiera");
    klistrain = item(redigerameny, "klistrain");
    radera = item(redigerameny, "radera");

    Glosormeny = bar->addMenu(QString());
    Glosormeny->setObjectName(QStringLiteral("Glosormeny"));
    editmeny = item(Glosormeny, "editmeny");
    forhormeny = item(Glosormeny, "forhormeny");

    helpmeny = bar->addMenu(QString());
    helpmeny->setObjectName(QStringLiteral("helpmeny"));
    inihelp = item(helpmeny, "inihelp");
    separator(helpmeny, "mnuHS1");
    mnuHemsida = item(helpmeny, "mnuHemsida");
    separator(helpmeny, "sep4");
    ommeny = item(helpmeny, "ommeny");

    SetCaptions();

    // The desktop's own keys for these commands; the Edit items leave theirs to the text boxes.
    nymeny->setShortcut(QKeySequence::New);
    openfile->setShortcut(QKeySequence::Open);
    savefile->setShortcut(QKeySequence::Save);
    save_as->setShortcut(QKeySequence::SaveAs);
    mnuSS->setShortcut(QKeySequence::Print);
    avslutameny->setShortcut(QKeySequence::Quit);
    inihelp->setShortcut(QKeySequence::HelpContents);
}

void MainMenus::SetCaptions()
{
    arkivmeny->setTitle(tr("&Arkiv"));
    nymeny->setText(tr("&Nytt"));
    openfile->setText(tr("&Öppna..."));
    importfile->setText(tr("Impor&tera..."));
    savefile->setText(tr("S&para"));
    save_as->setText(tr("Spara so&m..."));
    exportfile->setText(tr("&Exportera..."));
    mnuSS->setText(tr("Skriv &ut..."));
    instmeny->setText(tr("&Inställningar..."));
    avslutameny->setText(tr("&Avsluta"));
    redigerameny->setTitle(tr("&Redigera"));
    klipput->setText(tr("&Klipp ut"));
    kopiera->setText(tr("Ko&piera"));
    klistrain->setText(tr("K&listra in"));
    radera->setText(tr("&Radera"));
    Glosormeny->setTitle(tr("&Ord"));
    editmeny->setText(tr("&Skriv ord..."));
    forhormeny->setText(tr("&Förhör ord..."));
    helpmeny->setTitle(tr("&Hjälp"));
    inihelp->setText(tr("&Hjälpavsnitt"));
    mnuHemsida->setText(tr("&Gå till programmets hemsida"));
    ommeny->setText(tr("&Om Vokabo"));
}
