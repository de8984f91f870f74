#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

class DialogHandler : public MessageHandler
{
public:
    void show(QWidget *parent, Kind kind, const QString &title, const QString &text) override
    {
        QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::Information,
                        title.isEmpty() ? QApplication::applicationName() : title, text,
                        QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(u"OK"_s);
        box.exec();
    }

    bool confirm(QWidget *parent, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Ok)->setText(u"OK"_s);
        box.button(QMessageBox::Cancel)->setText(u"Abbrechen"_s);
        box.setDefaultButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }
};

DialogHandler dialogs;
MessageHandler *current = &dialogs;

} // namespace

namespace Messages {

void error(QWidget *parent, const QString &text)
{
    current->show(parent, MessageHandler::Kind::Error, QString(), text);
}

void information(QWidget *parent, const QString &text)
{
    current->show(parent, MessageHandler::Kind::Information, QString(), text);
}

void box(QWidget *parent, const QString &title, const QString &text)
{
    current->show(parent, MessageHandler::Kind::Error, title, text);
}

bool confirm(QWidget *parent, const QString &text)
{
    return current->confirm(parent, text);
}

void exception(QWidget *parent, const QString &message)
{
    current->show(parent, MessageHandler::Kind::Error, QString(), message);
}

void setHandler(MessageHandler *handler)
{
    current = handler ? handler : &dialogs;
}

} // namespace Messages
