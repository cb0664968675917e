#include "HelpCommand.h"

#include "HelpViewer.h"
#include "Prompter.h"
#include "WordList.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

namespace {

class HelpCommand
{
    Q_DECLARE_TR_FUNCTIONS(HelpCommand)

public:
    static QString notFoundTitle() { return tr("Hjälpfilen hittades inte"); }
    static QString notFound(const QString& name)
    {
        return tr("Filen %1 hittades inte, därför kan du inte använda hjälpen.").arg(name);
    }
    // The anchor of the help file's part in the interface language.
    static QString part() { return tr("svenska", "anchor of the help part in this language"); }
};

QPointer<HelpViewer> g_viewer;

} // namespace

QString ProgramFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString HelpFileName()
{
    return QStringLiteral("Vokabo.hlp");
}

QString HelpFilePath()
{
    const QString beside = ProgramFolder() + HelpFileName();
    if (FileExists(beside))
        return beside;
    // An installed program keeps its data apart from its executable.
    const QString installed =
        QDir::cleanPath(ProgramFolder() + QStringLiteral("../share/vokabo/") + HelpFileName());
    return FileExists(installed) ? installed : beside;
}

void OpenHelpContents(Prompter& prompter, QWidget* owner)
{
    OpenHelpFile(HelpFilePath(), prompter, owner);
}

void OpenHelpFile(const QString& path, Prompter& prompter, QWidget* owner)
{
    if (!FileExists(path)) {
        prompter.message(HelpCommand::notFound(FileTitle(path)), HelpCommand::notFoundTitle(),
                         Prompter::ExclamationOk);
        return;
    }
    if (!g_viewer)
        g_viewer = new HelpViewer(owner);
    g_viewer->showFile(path, HelpCommand::part());
    g_viewer->show();
    g_viewer->raise();
    g_viewer->activateWindow();
}

void CloseHelp()
{
    if (g_viewer)
        g_viewer->close();
    delete g_viewer.data();
}

HelpViewer* CurrentHelpViewer()
{
    return g_viewer.data();
}
