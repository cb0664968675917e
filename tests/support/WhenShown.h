#pragma once

#include <QApplication>
#include <QTimer>

// Acts on the next modal dialog of the given kind once it is up: tests answer real dialogs
// from a timer, since exec() does not return until the dialog closes.
template <class Dialog, class Act> void AnswerWhenShown(QObject* context, Act act, int triesLeft)
{
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        if (triesLeft > 0)
            QTimer::singleShot(20, context, [context, act, triesLeft] {
                AnswerWhenShown<Dialog>(context, act, triesLeft - 1);
            });
        return;
    }
    act(dialog);
}

template <class Dialog, class Act> void WhenShown(QObject* context, Act act)
{
    QTimer::singleShot(0, context, [context, act] { AnswerWhenShown<Dialog>(context, act, 100); });
}
