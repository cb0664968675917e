#pragma once

#include "FileCommands.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The four menus of the main window and one action per command; the window connects them.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainMenus(QMenuBar* bar);

    QMenu* arkivmeny;
    QAction* nymeny;
    QAction* openfile;
    QAction* importfile;
    QAction* savefile;
    QAction* save_as;
    QAction* exportfile;
    QAction* mnuSS;
    QAction* instmeny;
    QAction* avslutameny;
    std::array<QAction*, FileCommands::RecentCount> recent; // filett, filtva, filtre, filfyra

    QMenu* redigerameny;
    QAction* klipput;
    QAction* kopiera;
    QAction* klistrain;
    QAction* radera;

    QMenu* Glosormeny;
    QAction* editmeny;
    QAction* forhormeny;

    QMenu* helpmeny;
    QAction* inihelp;
    QAction* mnuHemsida;
    QAction* ommeny;

    void SetCaptions();
};
