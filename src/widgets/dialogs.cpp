#include "dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>

namespace {

class RealDialogs : public DialogHandler
{
public:
    int exec(QDialog *dialog) override { return dialog->exec(); }

    QString openFileName(QWidget *parent, const QString &directory, const QString &proposedName,
                         const QString &filter, const QString &defaultSuffix) override
    {
        QFileDialog dialog(parent, QString(), directory, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(proposedName);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString saveFileName(QWidget *parent, const QString &directory, const QString &filter,
                         const QString &defaultSuffix) override
    {
        QFileDialog dialog(parent, QString(), directory, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

RealDialogs realDialogs;
DialogHandler *current = &realDialogs;

} // namespace

namespace Dialogs {

int exec(QDialog *dialog)
{
    return current->exec(dialog);
}

QString openFileName(QWidget *parent, const QString &directory, const QString &proposedName,
                     const QString &filter, const QString &defaultSuffix)
{
    return current->openFileName(parent, directory, proposedName, filter, defaultSuffix);
}

QString saveFileName(QWidget *parent, const QString &directory, const QString &filter,
                     const QString &defaultSuffix)
{
    return current->saveFileName(parent, directory, filter, defaultSuffix);
}

void setHandler(DialogHandler *handler)
{
    current = handler ? handler : &realDialogs;
}

} // namespace Dialogs
