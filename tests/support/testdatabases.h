#pragma once

#include "databasecreator.h"
#include "dbcommand.h"
#include "dbconnection.h"
#include "sqlscript.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A fresh pair of databases in a temporary folder, opened on two connections,
// as the program finds them: the care database and the catalogue beside it.
struct TestDatabases
{
    QTemporaryDir dir;
    std::unique_ptr<DbConnection> care = std::make_unique<DbConnection>();
    std::unique_ptr<DbConnection> catalogue = std::make_unique<DbConnection>();

    explicit TestDatabases(bool demo = false)
    {
        DatabaseCreator().create(dir.path(), demo);
        care->open(carePath());
        catalogue->open(cataloguePath());
    }

    QString carePath() const { return QDir(dir.path()).filePath(QStringLiteral("vandrel.accdb")); }
    QString cataloguePath() const { return QDir(dir.path()).filePath(QStringLiteral("vandrelorg.accdb")); }

    static void run(DbConnection &connection, const QString &sql)
    {
        DbCommand command(&connection);
        command.setText(sql);
        command.execute();
    }

    // The first value of a statement's first row, or "<...>" with the error.
    static QVariant scalar(DbConnection &connection, const QString &sql)
    {
        QSqlQuery q(connection.database());
        if (!q.exec(sql) || !q.next())
            return QStringLiteral("<%1>").arg(q.lastError().text());
        return q.value(0);
    }

    // Runs every statement of an SQL file, e.g. a fixture beside the tests.
    static void runFile(DbConnection &connection, const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            QFAIL(qPrintable(QStringLiteral("Fixture fehlt: ") + path));
        const QStringList statements = splitSqlScript(QString::fromUtf8(file.readAll()));
        for (const QString &statement : statements)
            run(connection, statement);
    }
};
