#include "rowwriter.h"

#include "dbconnection.h"
#include "exception.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

RowWriter::RowWriter(DbConnection *connection)
    : m_connection(connection)
{
}

RowWriter::~RowWriter() = default;

void RowWriter::setTable(const QString &table, const QString &keyColumn)
{
    m_table = table;
    m_keyColumn = keyColumn;
    m_readColumns.clear();
    m_readSource.clear();
}

void RowWriter::forgetStatements()
{
    m_statements.clear();
    m_readColumns.clear();
    m_readSource.clear();
}

QSqlQuery &RowWriter::statement(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        auto query = std::make_unique<QSqlQuery>(m_connection->database());
        query->setForwardOnly(m_connection->streamsRows());
        if (!query->prepare(sql))
            m_connection->raiseWriteError(query->lastError());
        it = m_statements.emplace(sql, std::move(query)).first;
    }
    return *it->second;
}

QVariant RowWriter::insert(const QStringList &columns, const QList<QVariant> &values)
{
    QString sql;
    if (columns.isEmpty()) {
        sql = u"insert into %1 default values"_s.arg(m_table);
    } else {
        const QStringList marks(columns.size(), u"?"_s);
        sql = u"insert into %1 (%2) values (%3)"_s.arg(m_table, columns.join(u", "_s), marks.join(u", "_s));
    }
    QSqlQuery &query = statement(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, m_connection->engineValue(values.at(i)));
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        m_connection->raiseWriteError(error);
    }
    const QVariant key = query.lastInsertId();
    query.finish();
    return key;
}

bool RowWriter::update(const QStringList &columns, const QList<QVariant> &values, const QVariant &key)
{
    QStringList assignments;
    for (const QString &column : columns)
        assignments << column + u" = ?"_s;
    QSqlQuery &query = statement(u"update %1 set %2 where %3 = ?"_s.arg(m_table, assignments.join(u", "_s), m_keyColumn));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, m_connection->engineValue(values.at(i)));
    query.bindValue(int(values.size()), m_connection->engineValue(key));
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    const int changed = query.numRowsAffected();
    query.finish();
    if (!ok)
        m_connection->raiseWriteError(error);
    return changed != 0;
}

bool RowWriter::remove(const QVariant &key)
{
    QSqlQuery &query = statement(u"delete from %1 where %2 = ?"_s.arg(m_table, m_keyColumn));
    query.bindValue(0, m_connection->engineValue(key));
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    const bool wasStored = query.numRowsAffected() > 0;
    query.finish();
    if (!ok)
        m_connection->raiseWriteError(error);
    return wasStored;
}

std::vector<std::optional<QVariant>> RowWriter::readRow(const QVariant &key, const QStringList &columns)
{
    QSqlQuery *query = nullptr;
    try {
        query = &statement(u"select * from %1 where %2 = ?"_s.arg(m_table, m_keyColumn));
    } catch (const Exception &) {
        return {};
    }
    query->bindValue(0, m_connection->engineValue(key));
    std::vector<std::optional<QVariant>> values;
    if (query->exec() && query->next()) {
        // Where each column lies in the row is worked out once, not for
        // every row written.
        if (m_readSource.empty() || columns != m_readColumns) {
            const QSqlRecord record = query->record();
            m_readColumns = columns;
            m_readSource.clear();
            for (const QString &column : columns)
                m_readSource.push_back(record.indexOf(column));
        }
        values.reserve(m_readSource.size());
        for (int source : m_readSource)
            values.push_back(source >= 0 ? std::optional<QVariant>(query->value(source)) : std::nullopt);
    }
    query->finish();
    return values;
}
