#pragma once

#include "dialogs.h"

#include <QDialog>
#include <QStringList>

#include <functional>

// Drives modal dialogs in tests: each exec() hands the dialog to the next
// scripted step, which fills it in and returns its result, so no test waits
// for a person. File dialogs answer with the prepared file names.
class ScriptedDialogs : public DialogHandler
{
public:
    using Step = std::function<int(QDialog *)>;

    ScriptedDialogs() { Dialogs::setHandler(this); }
    ~ScriptedDialogs() override { Dialogs::setHandler(nullptr); }

    int exec(QDialog *dialog) override
    {
        shown << dialog->objectName();
        if (steps.isEmpty())
            return QDialog::Rejected;
        const Step step = steps.takeFirst();
        const int result = step(dialog);
        dialog->setResult(result);
        // As QDialog::exec() does, a dialog that frees itself on closing is gone now.
        if (dialog->testAttribute(Qt::WA_DeleteOnClose))
            delete dialog;
        return result;
    }

    QString openFileName(QWidget *, const QString &directory, const QString &proposedName, const QString &filter,
                         const QString &defaultSuffix) override
    {
        fileRequests << directory + u'|' + proposedName + u'|' + filter + u'|' + defaultSuffix;
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    QString saveFileName(QWidget *, const QString &directory, const QString &filter,
                         const QString &defaultSuffix) override
    {
        fileRequests << directory + u'|' + filter + u'|' + defaultSuffix;
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    QList<Step> steps;
    QStringList shown;
    QStringList files;
    QStringList fileRequests;
};
