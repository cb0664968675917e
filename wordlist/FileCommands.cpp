#include "FileCommands.h"

#include "Prompter.h"
#include "SystemError.h"

#include <QFileInfo>

namespace {

// Every slot back to empty: words typed past the end of the old list must not reappear in the
// next one.
void emptyAllSlots(WordList& list)
{
    list.ClearAnswers();
    list.Clear();
    for (WordSlot& slot : list.slots)
        slot = WordSlot{};
}

} // namespace

FileCommands::FileCommands(WordList& list, Prompter& prompter, FileCommandsView& view)
    : m_list(list), m_prompter(prompter), m_view(view)
{
}

QString FileCommands::untitledTitle() const
{
    return tr("Vokabo - Osparad ordlista");
}

QString FileCommands::fileTitle() const
{
    return QStringLiteral("Vokabo - ") + FileTitle(m_list.filePath);
}

QString FileCommands::filter()
{
    return tr("Vokabo filer (*.vkf)|*.vkf|Glosfiler (*.gls)|*.gls|Alla filer (*.*)|*.*");
}

QString FileCommands::openTitle()
{
    return tr("Öppna ordlista");
}

QString FileCommands::saveTitle()
{
    return tr("Spara ordlista som");
}

bool FileCommands::askToSave(const QString& question)
{
    if (m_list.changed != 1)
        return true;
    switch (m_prompter.message(question, QString(), Prompter::YesNoCancelQuestion)) {
    case Prompter::Yes:
        Save();
        return m_list.changed != 1;
    case Prompter::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::New()
{
    if (m_view.quizShowing()) {
        m_view.restartQuiz();
        return;
    }
    if (!askToSave(tr("Vill du spara ändringar i denna ordlista?")))
        return;
    emptyAllSlots(m_list);
    m_view.showEditorFromStart();
    m_list.heading.clear();
    m_view.showHeader();
    m_list.filePath.clear();
    dialogFileName = QStringLiteral("*.vkf");
    m_view.setTitle(untitledTitle());
    m_list.changed = 0;
}

void FileCommands::Open()
{
    if (!askToSave(tr("Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?")))
        return;
    Prompter::FileDialog dialog{openTitle(), filter(), QStringLiteral("vkf"), dialogFileName};
    const std::optional<QString> chosen = m_prompter.openFileName(dialog);
    if (!chosen || chosen->isEmpty())
        return;
    openFile(*chosen);
}

bool FileCommands::OpenPath(const QString& path)
{
    return openFile(path);
}

void FileCommands::OpenDropped(const QString& path)
{
    if (!askToSave(tr("Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?")))
        return;
    openFile(path);
}

bool FileCommands::openFile(const QString& given)
{
    const QString path = AbsolutePath(given);
    if (otherProgramsFile && otherProgramsFile(path))
        return false;
    // A file already among the recent ones is opened through its entry, which moves it up.
    for (int k = 1; k <= RecentCount; ++k) {
        if (recentFiles[size_t(k - 1)] == path) {
            openRecentEntry(k, false);
            return m_list.filePath == path;
        }
    }
    if (!readAndReplace(path))
        return false;
    finishOpen(0);
    return true;
}

void FileCommands::finishOpen(int recentEntry)
{
    m_view.showEditorPage();
    m_view.setTitle(fileTitle());
    if (recentEntry != 1)
        putRecentFirst(recentEntry == 0 ? RecentCount : recentEntry);
    else
        recentFiles[0] = m_list.filePath; // an entry stored relative by an older copy
    m_list.changed = 0;
}

bool FileCommands::readAndReplace(const QString& path)
{
    WordListFileContent content;
    if (const WordListFileError error = ReadWordListFile(path, content); error.failed()) {
        reportReadError(path, error);
        return false;
    }
    if (content.truncated) {
        // This notice has only ever existed in Swedish.
        m_prompter.message(QStringLiteral("Detta progran kan bara öppna de 100 första orden i en "
                                          "ordlistor med med än 100 ord."),
                           QStringLiteral("Öppna ordlista"), Prompter::InformationOk);
    }
    emptyAllSlots(m_list);
    ApplyWordListFile(content, m_list);
    m_list.filePath = AbsolutePath(path);
    dialogFileName = m_list.filePath;
    m_list.pageStart = 0;
    m_view.showHeader();
    m_list.changed = 0;
    return true;
}

void FileCommands::Restore(const WordListFileContent& content, const QString& path)
{
    emptyAllSlots(m_list);
    ApplyWordListFile(content, m_list);
    m_list.filePath = AbsolutePath(path);
    dialogFileName = path.isEmpty() ? QStringLiteral("*.vkf") : m_list.filePath;
    m_list.pageStart = 0;
    m_view.showHeader();
    m_view.showEditorFromStart();
    m_view.setTitle(path.isEmpty() ? untitledTitle() : fileTitle());
    m_list.changed = 1;
}

void FileCommands::fileNotFound()
{
    m_prompter.message(tr("Filen finns inte."), tr("Öppna fil"), Prompter::ExclamationOk);
}

void FileCommands::OpenRecent(int k)
{
    openRecentEntry(k, true);
}

void FileCommands::openRecentEntry(int k, bool ask)
{
    if (k < 1 || k > RecentCount)
        return;
    const QString entry = recentFiles[size_t(k - 1)];
    if (entry.isEmpty() || !FileExists(entry)) {
        fileNotFound();
        return;
    }
    if (ask &&
        !askToSave(tr("Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?")))
        return;
    // Another program's list that an older version took in as ours goes through Import, so a
    // Save never writes our format over it.
    if (ask && otherProgramsFile && otherProgramsFile(entry))
        return;
    if (readAndReplace(entry))
        finishOpen(k);
}

void FileCommands::PushRecent()
{
    putRecentFirst(RecentCount);
}

void FileCommands::putRecentFirst(int k)
{
    for (int i = k - 1; i > 0; --i)
        recentFiles[size_t(i)] = recentFiles[size_t(i - 1)];
    recentFiles[0] = m_list.filePath;
    m_view.RefreshRecentMenu();
}

bool FileCommands::Save()
{
    if (m_list.filePath.isEmpty())
        return SaveAs();
    if (const WordListFileError error = WriteWordListFile(m_list); error.failed()) {
        reportWriteError(m_list.filePath, error);
        return false;
    }
    return true;
}

bool FileCommands::SaveAs()
{
    Prompter::FileDialog dialog{saveTitle(), filter(), QStringLiteral("vkf"), dialogFileName};
    const std::optional<QString> chosen = m_prompter.saveFileName(dialog);
    if (!chosen || chosen->isEmpty())
        return false;
    const QString previous = m_list.filePath;
    m_list.filePath = AbsolutePath(*chosen);
    if (const WordListFileError error = WriteWordListFile(m_list); error.failed()) {
        m_list.filePath = previous;
        reportWriteError(*chosen, error);
        return false;
    }
    dialogFileName = m_list.filePath;
    m_view.setTitle(fileTitle());
    PushRecent();
    return true;
}

bool FileCommands::AutoSave()
{
    if (m_list.filePath.isEmpty()) {
        SaveAs();
        return true;
    }
    Save();
    return false;
}

bool FileCommands::OpenStartupFile(const QString& path)
{
    // Only a name with nothing behind it is not found; whatever is there but cannot be read
    // gets Open's message and reason.
    const QFileInfo info(path);
    if (path.isEmpty() || (!info.exists() && !info.isSymLink())) {
        fileNotFound();
        return false;
    }
    return openFile(path);
}

QString FileCommands::reason(const WordListFileError& error) const
{
    switch (error.kind) {
    case WordListFileError::IsFolder:
        return tr("Det är en mapp, inte en fil.");
    case WordListFileError::NotText:
        return tr("Filen är ingen textfil.");
    case WordListFileError::NotAFile:
        return tr("Det är ingen vanlig fil.");
    case WordListFileError::LineTooLong:
        return tr("Filen har en rad som är för lång för en ordlista.");
    case WordListFileError::TooLarge:
        return tr("Filen är för stor för en ordlista.");
    case WordListFileError::WriteProtected:
        return tr("Filen är skrivskyddad.");
    default:
        return error.systemError ? SystemError::text(error.systemError) : error.systemReason;
    }
}

void FileCommands::reportReadError(const QString& path, const WordListFileError& error)
{
    QString text = tr("Ordlistan %1 kunde inte öppnas.").arg(path);
    const QString why = reason(error);
    if (!why.isEmpty())
        text += u'\r' + why;
    m_prompter.message(text, tr("Öppna ordlista"), Prompter::ExclamationOk);
}

void FileCommands::reportWriteError(const QString& path, const WordListFileError& error)
{
    QString text = tr("Ordlistan kunde inte sparas som %1.").arg(path);
    const QString why = reason(error);
    if (!why.isEmpty())
        text += u'\r' + why;
    m_prompter.message(text, tr("Spara ordlista"), Prompter::ExclamationOk);
}
