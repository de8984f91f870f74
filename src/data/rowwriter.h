#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class DbConnection;
class QSqlQuery;

// Writes the rows of one table of a connection, each found by its key
// column. Every value is bound as the connection hands it to its engine; a
// write the database refuses raises as DbConnection::raiseWriteError() does.
// The statements stay prepared until forgetStatements(): an operation that
// writes many rows prepares each kind once.
class RowWriter
{
public:
    explicit RowWriter(DbConnection *connection);
    ~RowWriter();
    RowWriter(const RowWriter &) = delete;
    RowWriter &operator=(const RowWriter &) = delete;

    // The table the rows are written to, and its key column; an empty table
    // when they cannot be written.
    void setTable(const QString &table, const QString &keyColumn = QString());
    QString table() const { return m_table; }
    QString keyColumn() const { return m_keyColumn; }

    // Inserts a row with values for the named columns, the others taking
    // their defaults, and returns the key the database gave it.
    QVariant insert(const QStringList &columns, const QList<QVariant> &values);
    // Sets the named columns of the row with key. Returns false when no row
    // has that key any more.
    bool update(const QStringList &columns, const QList<QVariant> &values, const QVariant &key);
    // Deletes the row with key. Returns false when no row had that key any more.
    bool remove(const QVariant &key);
    // The row with key as the database stored it, with the values it filled
    // in itself: for each of columns its value, nothing for a column the
    // table lacks. Empty when the row cannot be read; never raises.
    std::vector<std::optional<QVariant>> readRow(const QVariant &key, const QStringList &columns);

    // Releases the prepared statements; the connection closes or its tables
    // may have changed.
    void forgetStatements();

private:
    QSqlQuery &statement(const QString &sql);

    DbConnection *m_connection;
    QString m_table;
    QString m_keyColumn;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_statements;
    QStringList m_readColumns;
    std::vector<int> m_readSource;   // column -> place in the re-read row
};
