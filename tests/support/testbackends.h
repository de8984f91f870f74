#pragma once

#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QTest>

// Every test of the database layer and the windows runs on both engines: a
// test class calls TestBackends::addRows() in its initTestCase_data(), and
// each test function then runs once per engine, as a row of global data.
// The PostgreSQL rows work on a private server that CTest starts for the
// run (tests/support/testserver.sh); its address lies in a file of the build.
namespace TestBackends {

inline const QString sqlite = QStringLiteral("SQLite");
inline const QString postgresql = QStringLiteral("PostgreSQL");

inline bool &rowsAdded()
{
    static bool added = false;
    return added;
}

inline void addRows()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("SQLite") << sqlite;
    QTest::newRow("PostgreSQL") << postgresql;
    rowsAdded() = true;
}

// The engine of the running row; SQLite for a class without engine rows.
inline QString current()
{
    if (!rowsAdded())
        return sqlite;
    QFETCH_GLOBAL(QString, backend);
    return backend;
}

inline bool onServer()
{
    return current() == postgresql;
}

// The lines of the test server's file: URI (server and user, without a
// database), PGPASSFILE, FOLDER.
inline QHash<QString, QString> serverInfo()
{
    QHash<QString, QString> info;
    QFile file(QStringLiteral(VANDREL_TEST_SERVER));
    if (!file.open(QIODevice::ReadOnly))
        return info;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            info.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)).trimmed());
    }
    // libpq, also in programs the tests start, finds the password here.
    if (info.contains(QStringLiteral("PGPASSFILE")))
        qputenv("PGPASSFILE", info.value(QStringLiteral("PGPASSFILE")).toLocal8Bit());
    return info;
}

// The address of a database on the test server.
inline QString serverAddress(const QString &database)
{
    const QString uri = serverInfo().value(QStringLiteral("URI"));
    if (uri.isEmpty())
        QTest::qFail("Der Testserver läuft nicht; die Tests mit \"ctest\" oder \"./vandrel.sh test\" starten.",
                     __FILE__, __LINE__);
    return uri + QLatin1Char('/') + database;
}

} // namespace TestBackends
