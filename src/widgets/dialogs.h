#pragma once

#include <QString>

class QDialog;
class QWidget;

// The one way the program runs modal dialogs and file dialogs. Tests install
// a handler that drives a dialog (fills its fields, presses its buttons) and
// returns its result, so no test waits for a person.
class DialogHandler
{
public:
    virtual ~DialogHandler() = default;
    // Runs the dialog modally and returns its result (QDialog::Accepted ...).
    virtual int exec(QDialog *dialog) = 0;
    // Asks for an existing file; an empty text when the user cancels.
    // filter uses Qt's form "Text (*.ext);;Text (*.ext)".
    virtual QString openFileName(QWidget *parent, const QString &directory, const QString &proposedName,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // Asks for a file to write; an empty text when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &directory, const QString &filter,
                                 const QString &defaultSuffix) = 0;
};

namespace Dialogs {

int exec(QDialog *dialog);
QString openFileName(QWidget *parent, const QString &directory, const QString &proposedName,
                     const QString &filter, const QString &defaultSuffix);
QString saveFileName(QWidget *parent, const QString &directory, const QString &filter,
                     const QString &defaultSuffix);

// Replaces the real dialogs (nullptr restores them); the caller keeps ownership.
void setHandler(DialogHandler *handler);

} // namespace Dialogs
