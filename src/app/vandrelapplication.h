#pragma once

#include <QApplication>

// The program's application object. An exception that escapes an event
// handler is shown in the standard exception dialog and the program goes on.
class VandrelApplication : public QApplication
{
    Q_OBJECT

public:
    VandrelApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Start-up: main window with its databases, data module, event loop.
    // Returns the program's exit code.
    int run();
};
