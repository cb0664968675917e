#include "ImportCommand.h"

#include "FileCommands.h"
#include "ImportDialog.h"
#include "MemoryTrim.h"
#include "Prompter.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QDir>
#include <QFileInfo>

ImportCommand::ImportCommand(WordList& list, Prompter& prompter, FileCommands& files,
                             std::function<void()> showList, QWidget* dialogParent)
    : m_list(list), m_prompter(prompter), m_files(files), m_showList(std::move(showList)),
      m_dialogParent(dialogParent)
{
    m_chooser = [this](const QString& path, const QByteArray& bytes,
                       const ImportOptions& detected) -> std::optional<ImportOptions> {
        ImportDialog dialog(path, bytes, detected, m_dialogParent);
        const int result = dialog.exec();
        MemoryTrim::ReleaseFreedMemorySoon();
        if (result != QDialog::Accepted)
            return std::nullopt;
        return dialog.options();
    };
}

QString ImportCommand::title()
{
    return tr("Importera ordlista");
}

QString ImportCommand::filter()
{
    return tr("Ordlistor från andra program (*.kvtml *.csv *.tsv *.txt)|*.kvtml;*.csv;*.tsv;*.txt|"
              "KVTML (*.kvtml)|*.kvtml|CSV (*.csv)|*.csv|"
              "Tabbseparerad text (*.tsv *.txt)|*.tsv;*.txt|Alla filer (*.*)|*.*");
}

void ImportCommand::Import()
{
    if (!m_files.askToSave(
            tr("Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?")))
        return;
    const Prompter::FileDialog dialog{title(), filter(), QString(), QString()};
    const std::optional<QString> chosen = m_prompter.openFileName(dialog);
    if (!chosen || chosen->isEmpty())
        return;
    const QString suffix = QFileInfo(*chosen).suffix().toLower();
    // The program's own lists are opened as Open opens them.
    if (suffix == QLatin1String("vkf") || suffix == QLatin1String("gls")) {
        m_files.OpenPath(*chosen);
        return;
    }
    ImportFile(*chosen);
}

bool ImportCommand::OfferFile(const QString& path)
{
    if (DetectFileFormat(path) == ExchangeFormat::WordList)
        return false;
    ImportFile(path);
    return true;
}

bool ImportCommand::ImportFile(const QString& path)
{
    QByteArray bytes;
    if (const ExchangeError error = ReadImportBytes(path, bytes)) {
        report(path, error);
        return false;
    }
    const std::optional<ImportOptions> options =
        m_chooser(path, bytes, DetectImportOptions(path, bytes));
    if (!options)
        return false;
    ImportedList imported;
    if (const ExchangeError error = ReadImport(bytes, *options, imported)) {
        report(path, error);
        return false;
    }
    if (imported.pairs.empty()) {
        m_prompter.message(tr("Filen innehåller inga ordpar."), title(), Prompter::ExclamationOk);
        return false;
    }

    // Every slot back to empty, then the list as read: nothing of the old list stays.
    m_list.ClearAnswers();
    m_list.Clear();
    for (WordSlot& slot : m_list.slots)
        slot = WordSlot{};
    WordListFileContent content;
    content.heading = imported.heading.value_or(QString());
    content.language1 = imported.language1;
    content.language2 = imported.language2;
    content.pairs = imported.pairs;
    ApplyWordListFile(content, m_list);
    m_list.filePath.clear();
    m_list.pageStart = 0;
    const QFileInfo source(path);
    m_files.dialogFileName =
        source.dir().filePath(source.completeBaseName() + QStringLiteral(".vkf"));
    m_showList();
    m_list.changed = 1;
    if (imported.leftOut() > 0) {
        m_prompter.message(tr("Listan har %1 ordpar. En ordlista rymmer 100, så de första 100 "
                              "har lästs in och %2 har utelämnats.")
                               .arg(imported.total)
                               .arg(imported.leftOut()),
                           title(), Prompter::InformationOk);
    }
    return true;
}

void ImportCommand::report(const QString& path, const ExchangeError& error)
{
    QString text = tr("Listan %1 kunde inte importeras.").arg(path);
    const QString why = ImportDialog::reason(error);
    if (!why.isEmpty())
        text += u'\r' + why;
    m_prompter.message(text, title(), Prompter::ExclamationOk);
}
