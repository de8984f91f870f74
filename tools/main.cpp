#include "databasecreator.h"
#include "exception.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

// vandrel-db create DIR [--demo] [--organisation NAME]: creates the two
// databases of a care organisation.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList rest = app.arguments().mid(1);
    const bool demo = rest.removeAll(u"--demo"_s) > 0;
    QString organisation;
    const qsizetype named = rest.indexOf(u"--organisation"_s);
    const bool nameMissing = named >= 0 && named + 1 >= rest.size();
    if (named >= 0 && !nameMissing) {
        organisation = rest.at(named + 1);
        rest.remove(named, 2);
    }
    if (rest.size() != 2 || rest.at(0) != u"create" || nameMissing) {
        err << u"Aufruf: vandrel-db create ORDNER [--demo] [--organisation NAME]\n"
               "Legt im ORDNER die Pflegedatenbank \"vandrel.accdb\" und die Katalogdatenbank\n"
               "\"vandrelorg.accdb\" an; mit --demo zusätzlich Beispieldaten, mit --organisation\n"
               "den Namen der Einrichtung für die Kopfzeile der Ausdrucke.\n"_s;
        return 2;
    }
    try {
        DatabaseCreator().create(rest.at(1), demo, organisation);
    } catch (const Exception &e) {
        err << u"vandrel-db: "_s << e.message() << '\n';
        return 1;
    }
    out << u"Datenbanken angelegt in "_s << rest.at(1) << u"\nAnmeldung: "_s
        << DatabaseCreator::initialLogin << u" / Kennwort: "_s << DatabaseCreator::initialPassword << '\n';
    return 0;
}
