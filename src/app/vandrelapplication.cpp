#include "vandrelapplication.h"

#include "Datenmodulfrm.h"
#include "Vandrelmainfrm.h"
#include "exception.h"
#include "messages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

VandrelApplication::VandrelApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"Vandrel"_s);
    setApplicationVersion(u"2.0"_s);
    setDesktopFileName(u"vandrel"_s);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The standard dialogs (files, printing, "Abbrechen") speak German too.
    auto *qtTexts = new QTranslator(this);
    if (qtTexts->load(QLocale(QLocale::German), u"qtbase"_s, u"_"_s,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
}

bool VandrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception &e) {
        Messages::exception(activeWindow(), e.message());
    } catch (const std::exception &e) {
        Messages::exception(activeWindow(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Messages::exception(activeWindow(), QString());
    }
    return false;
}

int VandrelApplication::run()
{
    try {
        // Closing the main window ends the event loop; the window goes with
        // its connections, then the data module.
        const auto mainForm = std::make_unique<TVandrelMainForm>(applicationDirPath());
        if (!mainForm->istBereit())
            return 1;
        TDatenModul datenModul(mainForm->DB, mainForm->ORG_DB);
        mainForm->show();
        return exec();
    } catch (const Exception &e) {
        Messages::exception(nullptr, e.message());
    } catch (...) {
        Messages::exception(nullptr, QString());
    }
    return 1;
}
