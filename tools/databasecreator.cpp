#include "databasecreator.h"

#include "dataset.h"
#include "dbcommand.h"
#include "dbconnection.h"
#include "dialect.h"
#include "exception.h"
#include "password.h"
#include "sqlscript.h"
#include "transaction.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString resourceText(const QString &name)
{
    QFile file(u":/"_s + name);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(u"Die Datei \"%1\" fehlt im Programm."_s.arg(name));
    return QString::fromUtf8(file.readAll());
}

void runStatements(DbConnection &connection, const QString &name, const QStringList &statements)
{
    DbCommand command(&connection);
    for (const QString &statement : statements) {
        command.setText(statement);
        try {
            command.execute();
        } catch (const Exception &e) {
            throw Exception(u"Fehler in %1:\n%2\n\n%3"_s.arg(name, e.message(), statement.left(300)));
        }
    }
}

void runScript(DbConnection &connection, const QString &name)
{
    runStatements(connection, name, splitSqlScript(resourceText(name)));
}

// The schema files are written once; each engine gets them in its dialect.
void runSchema(DbConnection &connection, const QString &name)
{
    QStringList statements = Dialect::schemaPreamble(connection.engine());
    for (const QString &statement : splitSqlScript(resourceText(name)))
        statements << Dialect::schemaStatement(connection.engine(), statement);
    runStatements(connection, name, statements);
}

// Rows written with their keys leave new keys to follow the highest one.
void setKeyCounters(DbConnection &connection)
{
    for (const QString &table : connection.tables())
        connection.setKeyCounter(table, connection.keyCounter(table));
}

// Runs every script of a resource folder, in the order of their file names.
void runScripts(DbConnection &connection, const QString &folder)
{
    const QStringList names = QDir(u":/"_s + folder).entryList({u"*.sql"_s}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        runScript(connection, folder + u"/"_s + name);
}

void addInitialEmployee(DbConnection &care)
{
    Dataset employees(&care);
    employees.setSql(u"select * from tbl_mitarbeiter ;"_s);
    employees.open();
    employees.append();
    employees.setValue(u"ma_anrede"_s, u"Team"_s);
    employees.setValue(u"ma_name"_s, u"Administrator"_s);
    employees.setValue(u"ma_vorname"_s, u"Pflegeplanung"_s);
    employees.setValue(u"ma_prog_name"_s, QString::fromLatin1(DatabaseCreator::initialLogin));
    employees.setValue(u"ma_kennwort"_s, passwordHash(QString::fromLatin1(DatabaseCreator::initialPassword)));
    employees.setValue(u"ma_prog_berechtigung"_s, 0);
    employees.setValue(u"ma_hdz"_s, u"ADM"_s);
    employees.setValue(u"ma_erfasst_am"_s, QDateTime::currentDateTime());
    employees.post();
    // The first employee records itself as the one who created the row.
    employees.edit();
    employees.setValue(u"ma_erfasst_von"_s, employees.asInteger(u"ma_id"_s));
    employees.post();
}

// Passwords written by the demo script are stored as hashes like every other.
void hashPlainPasswords(DbConnection &care)
{
    Dataset employees(&care);
    employees.setSql(u"select * from tbl_mitarbeiter ;"_s);
    employees.open();
    for (employees.first(); !employees.atEnd(); employees.next()) {
        const QString stored = employees.asText(u"ma_kennwort"_s);
        if (stored.isEmpty() || isPasswordHash(stored))
            continue;
        employees.edit();
        employees.setValue(u"ma_kennwort"_s, passwordHash(stored));
        employees.post();
    }
}

} // namespace

void DatabaseCreator::discard(DbConnection &connection, const QString &location)
{
    const bool created = connection.createdDatabase();
    connection.close();
    // A file that was there before, or a database a server administrator
    // prepared, stays.
    if (!created)
        return;
    if (!Dialect::isServerAddress(location)) {
        for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s, u"-journal"_s})
            QFile::remove(location + suffix);
        return;
    }
    try {
        DbConnection::dropServerDatabase(location);
    } catch (const Exception &) {
        // The failure that led here is what the user is told.
    }
}

QString DatabaseCreator::careLocation(const QString &location)
{
    if (Dialect::isServerAddress(location))
        return location;
    return QDir(location).absoluteFilePath(QString::fromLatin1(careFileName));
}

void DatabaseCreator::createSchema(DbConnection &care, DbConnection &catalogue)
{
    runSchema(care, u"schema/care.sql"_s);
    runSchema(catalogue, u"schema/catalogue.sql"_s);
}

void DatabaseCreator::create(const QString &location, bool demo, const QString &organisation)
{
    const bool server = Dialect::isServerAddress(location);
    if (!server) {
        const QDir dir(location);
        if (!dir.exists() && !QDir().mkpath(location))
            throw Exception(u"Der Ordner \"%1\" kann nicht angelegt werden."_s.arg(location));
    }
    const QString carePath = careLocation(location);
    const QString cataloguePath = Dialect::catalogueLocation(carePath);
    if (!server)
        for (const QString &path : {carePath, cataloguePath})
            if (QFile::exists(path))
                throw Exception(u"Die Datei \"%1\" gibt es schon; sie wird nicht überschrieben."_s.arg(path));

    DbConnection care;
    DbConnection catalogue;
    try {
        care.open(carePath, DbConnection::OpenMode::CreateNew);
        catalogue.open(cataloguePath, DbConnection::OpenMode::CreateNew);
        {
            Transaction transaction(care);
            runSchema(care, u"schema/care.sql"_s);
            runScript(care, u"data/parameters.sql"_s);
            addInitialEmployee(care);
            runScripts(care, u"data/standards"_s);
            if (demo) {
                runScript(care, u"demo/master.sql"_s);
                runScript(care, u"demo/plan.sql"_s);
                hashPlainPasswords(care);
            }
            setKeyCounters(care);
            transaction.commit();
        }
        {
            Transaction transaction(catalogue);
            runSchema(catalogue, u"schema/catalogue.sql"_s);
            runScript(catalogue, u"data/organisation.sql"_s);
            if (!organisation.trimmed().isEmpty()) {
                Dataset org(&catalogue);
                org.setSql(u"select * from tbl_org_parameter ;"_s);
                org.open();
                org.edit();
                org.setValue(u"org_name"_s, organisation.trimmed());
                org.post();
            }
            runScripts(catalogue, u"data/catalogue"_s);
            setKeyCounters(catalogue);
            transaction.commit();
        }
    } catch (...) {
        discard(care, carePath);
        discard(catalogue, cataloguePath);
        throw;
    }
}
