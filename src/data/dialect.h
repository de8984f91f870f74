#pragma once

#include "columntype.h"

#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

// Everything in which the two database engines differ, in one place: how a
// care database is named, how statements, values and schemas are written for
// each engine, and what its failures mean. The program's statements are
// written once; this is where they meet the engine.
namespace Dialect {

enum class Engine { SQLite, PostgreSQL };

// Whether a care database is named as a PostgreSQL server database
// ("postgresql://pflege@pflegeserver:5432/vandrel") rather than as a file.
bool isServerAddress(const QString &location);

// The catalogue database that belongs to a care database: "vandrelorg.accdb"
// in the care database's folder, or the database "vandrelorg" on the care
// database's server.
QString catalogueLocation(const QString &careLocation);

// A server address taken apart for the driver. Raises Exception with a
// German message for an address the program cannot use, above all one that
// holds a password: passwords belong in PostgreSQL's password file.
struct ServerAddress {
    QString host;
    int port = -1;
    QString user;
    QString database;
    QStringList options;   // "key=value" of the address's query
    QString location;      // the address as given

    static ServerAddress parse(const QString &location);
    // The same server and user, another database.
    QString withDatabase(const QString &database) const;
    // "pflegeserver:5432" for messages.
    QString server() const;
};

// The German sentence of a failed write, by the engine's result code; an
// empty text when the row was refused as a duplicate by a unique key.
QString writeFailure(Engine engine, const QSqlError &error);

// Statements that begin a writing transaction. Writers take turns, as they
// do on a shared file: a transaction never has to give up half-way because
// another workstation wrote meanwhile.
QStringList beginStatements(Engine engine);

// A statement of the program as the engine runs it: "like" ignores letter
// case of every letter on both engines.
QString statement(Engine engine, const QString &sql);

// A value as it is bound for the engine: date-times as their text without a
// time zone, flags as the engine's own kind.
QVariant boundValue(Engine engine, const QVariant &value);

// A statement of the schema files (written for SQLite) for the engine.
QString schemaStatement(Engine engine, const QString &sql);
// Statements that must run before the schema on a new database.
QStringList schemaPreamble(Engine engine);
// The one statement of a text on a server, as DbConnection::singleStatement
// describes; the server's quoting rules ('…', "…", $tag$…$tag$, comments).
QString singleServerStatement(const QString &text);

// The kind of a column from the type its table declares.
ColumnType columnTypeOf(const QString &declared);

} // namespace Dialect
