#include "databasecreator.h"

#include "dataset.h"
#include "dbcommand.h"
#include "dbconnection.h"
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

void runScript(DbConnection &connection, const QString &name)
{
    DbCommand command(&connection);
    const QStringList statements = splitSqlScript(resourceText(name));
    for (const QString &statement : statements) {
        command.setText(statement);
        try {
            command.execute();
        } catch (const Exception &e) {
            throw Exception(u"Fehler in %1:\n%2\n\n%3"_s.arg(name, e.message(), statement.left(300)));
        }
    }
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

void DatabaseCreator::create(const QString &folder, bool demo, const QString &organisation)
{
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        throw Exception(u"Der Ordner \"%1\" kann nicht angelegt werden."_s.arg(folder));
    const QString carePath = dir.absoluteFilePath(QString::fromLatin1(careFileName));
    const QString cataloguePath = dir.absoluteFilePath(QString::fromLatin1(catalogueFileName));
    for (const QString &path : {carePath, cataloguePath})
        if (QFile::exists(path))
            throw Exception(u"Die Datei \"%1\" gibt es schon; sie wird nicht überschrieben."_s.arg(path));

    try {
        DbConnection care;
        care.open(carePath, DbConnection::OpenMode::CreateNew);
        {
            Transaction transaction(care);
            runScript(care, u"schema/care.sql"_s);
            runScript(care, u"data/parameters.sql"_s);
            addInitialEmployee(care);
            runScripts(care, u"data/standards"_s);
            if (demo) {
                runScript(care, u"demo/master.sql"_s);
                runScript(care, u"demo/plan.sql"_s);
                hashPlainPasswords(care);
            }
            transaction.commit();
        }
        care.close();

        DbConnection catalogue;
        catalogue.open(cataloguePath, DbConnection::OpenMode::CreateNew);
        {
            Transaction transaction(catalogue);
            runScript(catalogue, u"schema/catalogue.sql"_s);
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
            transaction.commit();
        }
        catalogue.close();
    } catch (...) {
        for (const QString &path : {carePath, cataloguePath})
            for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s})
                QFile::remove(path + suffix);
        throw;
    }
}
