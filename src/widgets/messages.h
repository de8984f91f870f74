#pragma once

#include <QString>

class QWidget;
class Exception;

// The one way the program speaks to the user in message dialogs. Dialogs are
// German, with the single button "OK" (or "OK" and "Abbrechen" for a
// question). Tests install a handler that records instead of showing.
class MessageHandler
{
public:
    enum class Kind { Error, Information };
    virtual ~MessageHandler() = default;
    // A message with a title of its own; an empty title uses the program's.
    virtual void show(QWidget *parent, Kind kind, const QString &title, const QString &text) = 0;
    // A question answered with "OK" (true) or "Abbrechen" (false).
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
};

namespace Messages {

void error(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &text);
void box(QWidget *parent, const QString &title, const QString &text);
bool confirm(QWidget *parent, const QString &text);
// The standard exception dialog: the failure's message, and the program goes on.
void exception(QWidget *parent, const QString &message);

// Replaces the dialogs (nullptr restores them); the caller keeps ownership.
void setHandler(MessageHandler *handler);

} // namespace Messages
