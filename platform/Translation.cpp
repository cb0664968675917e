#include "Translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
QTranslator* g_translator = nullptr;
}

bool InstallInterfaceTranslator(const QString& uiLanguage)
{
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator);
        delete g_translator;
        g_translator = nullptr;
    }
    QString file;
    if (uiLanguage == u"eng")
        file = QStringLiteral("vokabo_en");
    else if (uiLanguage == u"fin")
        file = QStringLiteral("vokabo_fi");
    else
        return uiLanguage == u"sve";
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, QStringLiteral(":/i18n"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_translator = translator;
    return true;
}
