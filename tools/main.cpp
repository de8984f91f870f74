#include "databasecreator.h"
#include "exception.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

// vandrel-db create DIR [--demo]: creates the two databases of a care organisation.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    const bool demo = args.contains(u"--demo"_s);
    QStringList rest = args;
    rest.removeAll(u"--demo"_s);
    if (rest.size() != 2 || rest.at(0) != u"create") {
        err << u"Aufruf: vandrel-db create ORDNER [--demo]\n"
               "Legt im ORDNER die Pflegedatenbank \"vandrel.accdb\" und die Katalogdatenbank\n"
               "\"vandrelorg.accdb\" an; mit --demo zusätzlich Beispieldaten.\n"_s;
        return 2;
    }
    try {
        DatabaseCreator().create(rest.at(1), demo);
    } catch (const Exception &e) {
        err << u"vandrel-db: "_s << e.message() << '\n';
        return 1;
    }
    out << u"Datenbanken angelegt in "_s << rest.at(1) << u"\nAnmeldung: "_s
        << DatabaseCreator::initialLogin << u" / Kennwort: "_s << DatabaseCreator::initialPassword << '\n';
    return 0;
}
