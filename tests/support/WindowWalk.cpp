#include "WindowWalk.h"

#include "AboutBox.h"
#include "HelpViewer.h"
#include "ImportDialog.h"
#include "OptionsDialog.h"
#include "PortalWindow.h"
#include "SplashWindow.h"
#include "StartUp.h"
#include "Translation.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

WindowWalk::WindowWalk(const QString& uiLanguage)
{
    m_folder.writeIni(QByteArrayLiteral("[Options]\r\nPrgLanguage=") + uiLanguage.toLatin1() +
                      QByteArrayLiteral("\r\nWelcome=0\r\n"));
    PrepareInterfaceLanguage(settings);
    window = std::make_unique<MainWindow>(settings, prompter);
    window->load(QString());
    window->show();
}

WindowWalk::~WindowWalk()
{
    window.reset();
    InstallInterfaceTranslator(QStringLiteral("sve"));
}

QStringList WindowWalk::Names()
{
    return {QStringLiteral("main menu"), QStringLiteral("editor"), QStringLiteral("quiz"),
            QStringLiteral("options"),   QStringLiteral("about"),  QStringLiteral("portal"),
            QStringLiteral("splash"),    QStringLiteral("secret"), QStringLiteral("help"),
            QStringLiteral("import")};
}

bool WindowWalk::visit(const QString& name, const std::function<void(QWidget*)>& check)
{
    const auto trigger = [this](const char* action) {
        window->findChild<QAction*>(QLatin1String(action))->trigger();
    };
    bool ran = false;
    const auto run = [&](QWidget* shown) {
        shown->show();
        if (!QTest::qWaitForWindowExposed(shown))
            return;
        check(shown);
        ran = !QTest::currentTestFailed();
    };
    if (name == u"main menu") {
        run(window.get());
    } else if (name == u"editor") {
        trigger("editmeny");
        run(window.get());
    } else if (name == u"quiz") {
        trigger("editmeny");
        // The quiz needs a pair to show.
        window->findChild<QLineEdit*>(QStringLiteral("g1_0"))->setText(QStringLiteral("dog"));
        window->findChild<QLineEdit*>(QStringLiteral("g2_0"))->setText(QStringLiteral("hund"));
        trigger("forhormeny");
        run(window.get());
    } else if (name == u"options") {
        OptionsDialog dialog(settings, prompter, window.get(), {}, {});
        run(&dialog);
    } else if (name == u"about") {
        AboutBox box(
            settings, prompter, m_clicks, [] { return QString(); }, window.get());
        run(&box);
    } else if (name == u"portal") {
        PortalWindow portal(prompter, window.get());
        run(&portal);
    } else if (name == u"splash") {
        SplashWindow splash(3600000);
        run(&splash);
    } else if (name == u"secret") {
        SecretWindow secret(settings.uiLanguage, m_clicks, window.get());
        run(&secret);
    } else if (name == u"help") {
        auto* viewer = new HelpViewer(window.get());
        run(viewer);
        delete viewer;
    } else if (name == u"import") {
        const QByteArray bytes("Svenska;Engelska\r\nhund;dog\r\nkatt;cat\r\n");
        ImportDialog dialog(QStringLiteral("/tmp/glosor.csv"), bytes,
                            DetectImportOptions(QStringLiteral("glosor.csv"), bytes), window.get());
        run(&dialog);
    }
    return ran;
}

QList<QWidget*> VisibleWidgets(QWidget* top)
{
    QList<QWidget*> widgets{top};
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->window() == top && w->isVisibleTo(top))
            widgets.append(w);
    }
    return widgets;
}

QString Where(const QWidget* widget)
{
    return widget->window()->objectName() + QLatin1Char('/') + widget->objectName() +
           QLatin1Char('(') + QLatin1String(widget->metaObject()->className()) + QLatin1Char(')');
}
