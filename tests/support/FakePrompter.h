#pragma once

#include "Prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

// A Prompter that records every question and answers from a script. With nothing queued a
// message is answered with its first button (OK or Yes) and a file or font dialog is cancelled.
class FakePrompter : public Prompter
{
public:
    struct Message
    {
        QString text;
        QString title;
        int flags = 0;
    };
    struct Dialog
    {
        enum Kind { Open, Save, Font } kind;
        FileDialog request;
        QString fontTitle;
        int minPoints = 0;
        int maxPoints = 0;
    };

    QList<Message> messages;
    QList<Dialog> dialogs;
    int beeps = 0;

    QQueue<int> answers;                        // for message()
    QQueue<std::optional<QString>> fileAnswers; // for openFileName() and saveFileName()
    QQueue<std::optional<QFont>> fontAnswers;   // for chooseFont()

    int message(const QString& text, const QString& title, int flags) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    std::optional<QFont> chooseFont(const QString& title, int minPoints, int maxPoints) override;
    void beep() override { ++beeps; }

    void clear();
};
