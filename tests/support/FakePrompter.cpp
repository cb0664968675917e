#include "FakePrompter.h"

int FakePrompter::message(const QString& text, const QString& title, int flags)
{
    messages.append({text, title, flags});
    if (!answers.isEmpty())
        return answers.dequeue();
    const int buttons = flags & 0x0F;
    return (buttons == 3 || buttons == 4) ? Yes : Ok;
}

std::optional<QString> FakePrompter::openFileName(const FileDialog& dialog)
{
    dialogs.append({Dialog::Open, dialog, {}, 0, 0});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> FakePrompter::saveFileName(const FileDialog& dialog)
{
    dialogs.append({Dialog::Save, dialog, {}, 0, 0});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QFont> FakePrompter::chooseFont(const QString& title, int minPoints, int maxPoints)
{
    dialogs.append({Dialog::Font, {}, title, minPoints, maxPoints});
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}

void FakePrompter::clear()
{
    messages.clear();
    dialogs.clear();
    beeps = 0;
    answers.clear();
    fileAnswers.clear();
    fontAnswers.clear();
}
