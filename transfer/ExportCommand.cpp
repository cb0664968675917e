#include "ExportCommand.h"

#include "ExchangeExport.h"
#include "ImportDialog.h"
#include "Prompter.h"
#include "WordList.h"

#include <QDir>
#include <QFileInfo>

ExportCommand::ExportCommand(const WordList& list, Prompter& prompter)
    : m_list(list), m_prompter(prompter)
{
}

QString ExportCommand::title()
{
    return tr("Exportera ordlista");
}

QString ExportCommand::filter()
{
    return tr(
        "Tabbseparerad text för Anki och Quizlet (*.tsv *.txt)|*.tsv;*.txt|"
        "CSV för kalkylprogram (*.csv)|*.csv|KVTML för KWordQuiz och Parley (*.kvtml)|*.kvtml");
}

bool ExportCommand::Export()
{
    // The list's own name, so the exported file sits beside it.
    QString proposal;
    if (!m_list.filePath.isEmpty()) {
        const QFileInfo info(m_list.filePath);
        proposal = info.dir().filePath(info.completeBaseName() + QStringLiteral(".tsv"));
    }
    const Prompter::FileDialog dialog{title(), filter(), QStringLiteral("tsv"), proposal};
    const std::optional<QString> chosen = m_prompter.saveFileName(dialog);
    if (!chosen || chosen->isEmpty())
        return false;
    if (const ExchangeError error = WriteExport(m_list, ExportFormatForPath(*chosen), *chosen)) {
        QString text = tr("Ordlistan kunde inte exporteras som %1.").arg(*chosen);
        const QString why = ImportDialog::reason(error);
        if (!why.isEmpty())
            text += u'\r' + why;
        m_prompter.message(text, title(), Prompter::ExclamationOk);
        return false;
    }
    return true;
}
