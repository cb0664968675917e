#include "Browser.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

// A path to run, or "" when the program does not exist or cannot be run.
QString resolveProgram(const QString& program)
{
    if (program.isEmpty())
        return QString();
    if (program.contains(u'/') || program.contains(u'\\')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

bool isFieldCode(const QString& token)
{
    return token.size() == 2 && token.at(0) == u'%';
}

QString desktopEntryExec(const QString& desktopId)
{
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]";
        else if (inEntry && line.startsWith(u"Exec="))
            return line.mid(5);
    }
    return QString();
}

// The whole lookup runs while the window waits, so all its queries together get this long.
constexpr int kLookupMilliseconds = 600;

QString defaultDesktopEntry(const QString& mimeType, const QDeadlineTimer& deadline)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || deadline.hasExpired())
        return QString();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    // A hanging helper must not freeze the program.
    if (!query.waitForFinished(int(std::max<qint64>(1, deadline.remainingTime())))) {
        query.kill();
        query.waitForFinished(100);
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

QString BrowserFromOpenCommand(const QString& openCommand)
{
    const QString lower = openCommand.toLower();
    // Only ".exe" that ends the program's name counts, not one inside a folder name.
    for (qsizetype pos = lower.indexOf(u".exe"); pos >= 0; pos = lower.indexOf(u".exe", pos + 1)) {
        const qsizetype end = pos + 4;
        if (end < openCommand.size() && !openCommand.at(end).isSpace() &&
            openCommand.at(end) != u'"')
            continue;
        QString program = openCommand.left(end);
        if (program.startsWith(u'"'))
            program.remove(0, 1);
        return program;
    }
    return QProcess::splitCommand(openCommand).value(0);
}

QString BrowserFromDesktopExec(const QString& exec)
{
    QStringList tokens = QProcess::splitCommand(exec);
    if (tokens.value(0) == u"env") {
        tokens.removeFirst();
        while (!tokens.isEmpty() && tokens.first().contains(u'=') &&
               !tokens.first().startsWith(u'='))
            tokens.removeFirst();
    }
    if (tokens.isEmpty())
        return QString();
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        if (!isFieldCode(tokens.at(i)))
            return QString();
    }
    return tokens.first();
}

QString DefaultBrowser()
{
    const QString fromEnvironment = qEnvironmentVariable("BROWSER");
    for (const QString& command : fromEnvironment.split(u':', Qt::SkipEmptyParts)) {
        const QString program = resolveProgram(BrowserFromOpenCommand(command));
        if (!program.isEmpty())
            return program;
    }
#ifdef Q_OS_WIN
    // The open command of the file type that ".htm" pages are registered to.
    const QString type =
        QSettings(QStringLiteral("HKEY_CLASSES_ROOT\\.htm"), QSettings::NativeFormat)
            .value(QStringLiteral("Default"))
            .toString();
    if (!type.isEmpty()) {
        const QString command = QSettings(QStringLiteral("HKEY_CLASSES_ROOT\\") + type +
                                              QStringLiteral("\\shell\\open\\command"),
                                          QSettings::NativeFormat)
                                    .value(QStringLiteral("Default"))
                                    .toString();
        const QString program = resolveProgram(BrowserFromOpenCommand(command));
        if (!program.isEmpty())
            return program;
    }
#endif
    const QDeadlineTimer deadline(kLookupMilliseconds);
    for (const QString& mimeType :
         {QStringLiteral("x-scheme-handler/http"), QStringLiteral("text/html")}) {
        const QString entry = defaultDesktopEntry(mimeType, deadline);
        if (entry.isEmpty())
            continue;
        const QString program = resolveProgram(BrowserFromDesktopExec(desktopEntryExec(entry)));
        if (!program.isEmpty())
            return program;
    }
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

bool StartBrowser(const QString& program, const QString& address)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {address});
}
