#pragma once

// What the measurements share: timing, medians, the report line and reading
// the process's memory.
#include "dbconnection.h"
#include "exception.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

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
    if (!query->prepare(sql))
        throw Exception(query->lastError().text() + QStringLiteral("\n") + sql);
    return query;
}

inline void execute(QSqlQuery &query)
{
    if (!query.exec())
        throw Exception(query.lastError().text() + QStringLiteral("\n") + query.lastQuery());
}
