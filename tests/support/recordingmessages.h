#pragma once

#include "messages.h"

#include <QStringList>

// Records the messages a window would show, and answers its questions.
class RecordingMessages : public MessageHandler
{
public:
    RecordingMessages() { Messages::setHandler(this); }
    ~RecordingMessages() override { Messages::setHandler(nullptr); }

    void show(QWidget *, Kind kind, const QString &title, const QString &text) override
    {
        kinds << kind;
        titles << title;
        texts << text;
    }
    bool confirm(QWidget *, const QString &text) override
    {
        questions << text;
        return answer;
    }

    QList<Kind> kinds;
    QStringList titles;
    QStringList texts;
    QStringList questions;
    bool answer = true;
};
