#pragma once

#include "databasecreator.h"
#include "dbcommand.h"
#include "dbconnection.h"
#include "sqlscript.h"
#include "testbackends.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QAtomicInt>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A fresh pair of databases, opened on two connections as the program opens
// them: on SQLite the care database and the catalogue beside it in a
// temporary folder, on the test server two new databases copied from the
// server's templates. The engine is the one of the running row.
struct TestDatabases
{
    QTemporaryDir dir;
    std::unique_ptr<DbConnection> care = std::make_unique<DbConnection>();
    std::unique_ptr<DbConnection> catalogue = std::make_unique<DbConnection>();

    // On the server each pair has a catalogue of its own name, so that tests
    // run side by side. Tests of how the program finds the catalogue ask for
    // Catalogue::AsDerived: the server's one "vandrelorg", which such tests
    // share and therefore take in turns (CTest's RESOURCE_LOCK vandrelorg).
    enum class Catalogue { Own, AsDerived };

    explicit TestDatabases(bool demo = false, const QString &backend = TestBackends::current(),
                           Catalogue catalogueName = Catalogue::Own)
    {
        if (backend == TestBackends::postgresql) {
            static QAtomicInt counter;
            const QString name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid())
                                     .arg(counter.fetchAndAddRelaxed(1));
            const QString org = catalogueName == Catalogue::AsDerived ? QStringLiteral("vandrelorg")
                                                                      : name + QStringLiteral("org");
            const QString from = demo ? QStringLiteral("vorlage_demo") : QStringLiteral("vorlage");
            m_care = TestBackends::serverAddress(name);
            m_catalogue = TestBackends::serverAddress(org);
            if (catalogueName == Catalogue::AsDerived)
                serverCommand(QStringLiteral("DROP DATABASE IF EXISTS vandrelorg WITH (FORCE)"));
            serverCommand(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(name, from));
            serverCommand(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2org").arg(org, from));
            m_serverNames = {name, org};
        } else {
            DatabaseCreator().create(dir.path(), demo);
            m_care = QDir(dir.path()).filePath(QStringLiteral("vandrel.accdb"));
            m_catalogue = QDir(dir.path()).filePath(QStringLiteral("vandrelorg.accdb"));
        }
        care->open(m_care);
        catalogue->open(m_catalogue);
    }

    ~TestDatabases()
    {
        care.reset();
        catalogue.reset();
        for (const QString &name : std::as_const(m_serverNames))
            serverCommand(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    }
    TestDatabases(const TestDatabases &) = delete;
    TestDatabases &operator=(const TestDatabases &) = delete;

    bool onServer() const { return !m_serverNames.isEmpty(); }
    // The care database as "vandrel.ini" names it: a file or a server address.
    QString carePath() const { return m_care; }
    QString cataloguePath() const { return m_catalogue; }

    // Runs a statement in the test server's maintenance database.
    static void serverCommand(const QString &sql)
    {
        const QString name = QStringLiteral("testserver-wartung");
        {
            QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            if (!db.isOpen()) {
                const QUrl url(TestBackends::serverAddress(QStringLiteral("postgres")));
                db.setHostName(url.host());
                db.setPort(url.port());
                db.setUserName(url.userName());
                db.setDatabaseName(QStringLiteral("postgres"));
                if (!db.open())
                    QTest::qFail(qPrintable(db.lastError().text()), __FILE__, __LINE__);
            }
            QSqlQuery query(db);
            if (!query.exec(sql))
                QTest::qFail(qPrintable(query.lastError().text() + QStringLiteral(": ") + sql), __FILE__, __LINE__);
        }
    }


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

    // Rows a fixture wrote with their own keys leave the server's key
    // sequence behind; rows added afterwards get keys past the highest.
    static void followKeys(DbConnection &connection, const QStringList &tables)
    {
        for (const QString &table : tables)
            connection.setKeyCounter(table, connection.keyCounter(table));
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

private:
    QString m_care;
    QString m_catalogue;
    QStringList m_serverNames;
};
