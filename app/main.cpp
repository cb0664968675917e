#include "BakedPictures.h"
#include "MainWindow.h"
#include "MemoryTrim.h"
#include "ProgramSettings.h"
#include "ProgramStyle.h"
#include "Prompter.h"
#include "SessionGuard.h"
#include "SplashWindow.h"
#include "StartUp.h"
#include "StartUpLog.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QSessionManager>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    // --help and --version answer without a display, as a terminal user expects.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.action == CommandLine::Help) {
        std::fputs(qPrintable(CommandLineHelp()), stdout);
        return 0;
    }
    if (commandLine.action == CommandLine::Version) {
        std::printf("Vokabo %s\n", VOKABO_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    LogStartUpStep("application");
    // Qt has taken its own options (-style, -platform, -reverse ...) out of these by now.
    const QString wordListPath = ParseCommandLine(QCoreApplication::arguments()).wordListPath;
    // The style chosen for this desktop (or by -style), with the program's standard pictures.
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("Vokabo"));
    QApplication::setApplicationVersion(QStringLiteral(VOKABO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.vokabo.Vokabo"));

    ProgramSettings settings;
    PrepareInterfaceLanguage(settings);
    DialogPrompter prompter;

    // The splash hands over to the main window; no window is open for a moment in between.
    QApplication::setQuitOnLastWindowClosed(false);
    // Deleted once it has handed over, with the window memory the X server shares with it. Closed
    // early by the user, it only hides, and its timer still brings up the main window.
    auto* splash = new SplashWindow;
    // The splash and start-up's passing work leave freed memory behind.
    QObject::connect(splash, &QObject::destroyed, &MemoryTrim::ReleaseFreedMemorySoon);
    LogStartUpStepWhenIdle(splash, "splash-idle");
    splash->show();
    LogStartUpStep("splash-shown");
    std::unique_ptr<MainWindow> window;
    SessionGuard* guard = nullptr; // the main window's, once it is up
    // Before the main window there is nothing to keep.
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &app, [&] {
        if (guard)
            guard->EndNow();
        else
            QApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&](QSessionManager& manager) {
                         if (guard)
                             guard->CommitSession(manager);
                     });
    QObject::connect(splash, &SplashWindow::timeUp, &app, [&] {
        LogStartUpStep("tick");
        // The frameless splash shows no icon; the windows that do are made from here on.
        QApplication::setWindowIcon(BakedPictures::icon(QStringLiteral("vokabo")));
        window = std::make_unique<MainWindow>(settings, prompter);
        LogStartUpStep("main-built");
        prompter.setParent(window.get());
        QObject::connect(window.get(), &MainWindow::exited, &app, &QApplication::quit,
                         Qt::QueuedConnection);
        splash->close();
        splash->deleteLater();
        if (!window->load(wordListPath)) {
            QApplication::exit(0);
            return;
        }
        LogStartUpStep("main-loaded");
        LogStartUpStepWhenIdle(window.get(), "main-idle");
        guard = new SessionGuard(*window, prompter);
        window->showAndGreet();
        LogStartUpStep("main-shown");
        QTimer::singleShot(0, guard, [&window, guard] {
            guard->OfferRecovery();
            window->openDeferredImport();
        });
    });
    return app.exec();
}
