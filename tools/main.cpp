#include "databasecopier.h"
#include "databasecreator.h"
#include "exception.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QString usage =
    u"Aufruf:\n"
    "  vandrel-db create ORDNER|postgresql://BENUTZER@SERVER:PORT/DATENBANK [--demo] [--organisation NAME]\n"
    "      Legt die Pflegedatenbank und die Katalogdatenbank an: im ORDNER die Dateien\n"
    "      \"vandrel.accdb\" und \"vandrelorg.accdb\", auf einem PostgreSQL-Server die genannte\n"
    "      Datenbank und \"vandrelorg\"; mit --demo zusätzlich Beispieldaten, mit --organisation\n"
    "      den Namen der Einrichtung für die Kopfzeile der Ausdrucke.\n"
    "  vandrel-db copy VON NACH\n"
    "      Kopiert eine ganze Einrichtung (beide Datenbanken, jede Zeile mit ihrem Schlüssel).\n"
    "      VON und NACH nennen die Pflegedatenbank wie \"DateiPfadName\" in vandrel.ini: eine\n"
    "      Datei (…/vandrel.accdb) oder eine Serveradresse; die Katalogdatenbank geht mit.\n"
    "      Das Ziel muss neu oder leer sein.\n"
    "Kennwörter für den Server stehen in ~/.pgpass, nie im Aufruf.\n"_s;

int create(QStringList rest, QTextStream &out)
{
    const bool demo = rest.removeAll(u"--demo"_s) > 0;
    QString organisation;
    const qsizetype named = rest.indexOf(u"--organisation"_s);
    if (named >= 0) {
        if (named + 1 >= rest.size())
            return 2;
        organisation = rest.at(named + 1);
        rest.remove(named, 2);
    }
    if (rest.size() != 1)
        return 2;
    DatabaseCreator().create(rest.at(0), demo, organisation);
    out << u"Datenbanken angelegt: "_s << rest.at(0) << u"\nAnmeldung: "_s << DatabaseCreator::initialLogin
        << u" / Kennwort: "_s << DatabaseCreator::initialPassword << '\n';
    return 0;
}

int copy(const QStringList &rest, QTextStream &out)
{
    if (rest.size() != 2)
        return 2;
    const QList<DatabaseCopier::TableCount> counts = DatabaseCopier().copy(rest.at(0), rest.at(1));
    QString database;
    for (const DatabaseCopier::TableCount &count : counts) {
        if (count.database != database) {
            database = count.database;
            out << database << u":\n"_s;
        }
        out << u"  "_s << count.table.leftJustified(28) << QString::number(count.rows).rightJustified(8)
            << (count.rows == 1 ? u" Zeile\n"_s : u" Zeilen\n"_s);
    }
    out << u"Kopie geprüft: jede Tabelle hat im Ziel so viele Zeilen wie in der Quelle.\n"_s;
    return 0;
}

} // namespace

// vandrel-db create …: creates the two databases of a care organisation;
// vandrel-db copy …: moves them to another place.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.value(0);
    int result = 2;
    try {
        if (command == u"create")
            result = create(arguments.mid(1), out);
        else if (command == u"copy")
            result = copy(arguments.mid(1), out);
    } catch (const Exception &e) {
        err << u"vandrel-db: "_s << e.message() << '\n';
        return 1;
    }
    if (result == 2)
        err << usage;
    return result;
}
