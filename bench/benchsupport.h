#pragma once

// What the measurements share: where they run, timing, medians, the report
// line and reading the process's memory.
#include "databasecreator.h"
#include "dbconnection.h"
#include "dialect.h"
#include "exception.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

// The new, empty pair of databases a measurement runs on: files in a
// temporary folder, or with "--server postgresql://USER@HOST:PORT/DB" among
// the arguments (or that address in VANDREL_BENCH_SERVER) the database DB and
// "vandrelorg" on that server, which must not exist yet and are dropped after
// the run. The password comes from ~/.pgpass or PGPASSFILE.
class BenchDatabases
{
public:
    // Takes "--server ADDRESS" out of arguments.
    explicit BenchDatabases(QStringList &arguments)
    {
        QString server = QString::fromLocal8Bit(qgetenv("VANDREL_BENCH_SERVER"));
        const qsizetype named = arguments.indexOf(QStringLiteral("--server"));
        if (named >= 0 && named + 1 < arguments.size()) {
            server = arguments.at(named + 1);
            arguments.remove(named, 2);
        }
        m_care = server.isEmpty() ? QDir(m_dir.path()).filePath(QString::fromLatin1(DatabaseCreator::careFileName))
                                  : server;
        DatabaseCreator().create(server.isEmpty() ? m_dir.path() : server, false);
        m_onServer = !server.isEmpty();
    }
    ~BenchDatabases()
    {
        if (!m_onServer)
            return;
        try {
            DbConnection::dropServerDatabase(m_care);
            DbConnection::dropServerDatabase(catalogueLocation());
        } catch (const Exception &e) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(e.message()));
        }
    }
    BenchDatabases(const BenchDatabases &) = delete;
    BenchDatabases &operator=(const BenchDatabases &) = delete;

    QString careLocation() const { return m_care; }
    QString catalogueLocation() const { return Dialect::catalogueLocation(m_care); }
    // For the first line of the output.
    const char *engine() const { return m_onServer ? "PostgreSQL" : "SQLite"; }

private:
    QTemporaryDir m_dir;
    QString m_care;
    bool m_onServer = false;
};

inline double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One line per operation: the program's time, the raw engine's time for the
// same work in the same run, and their ratio.
inline void report(const char *operation, const std::vector<double> &project, const std::vector<double> &raw)
{
    const double p = median(project), r = median(raw);
    std::printf("%s: project %.1f ms, raw %.1f ms, ratio %.2f\n", operation, p, r, r > 0 ? p / r : 0.0);
    std::fflush(stdout);
}

// A value of /proc/self/status in KiB ("VmHWM", "VmRSS").
inline double statusKiB(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble();
    return 0;
}

inline std::unique_ptr<QSqlQuery> prepared(DbConnection &connection, const QString &sql)
{
    auto query = std::make_unique<QSqlQuery>(connection.database());
    query->setForwardOnly(true);
    // The raw twin runs the statement as the engine needs it ("like" ignores
    // letter case on every engine), or it would do other work.
    if (!query->prepare(connection.engineSql(sql)))
        throw Exception(query->lastError().text() + QStringLiteral("\n") + sql);
    return query;
}

inline void execute(QSqlQuery &query)
{
    if (!query.exec())
        throw Exception(query.lastError().text() + QStringLiteral("\n") + query.lastQuery());
}
