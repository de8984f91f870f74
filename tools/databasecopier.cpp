#include "databasecopier.h"

#include "databasecreator.h"
#include "dbconnection.h"
#include "dialect.h"
#include "exception.h"
#include "rowbuffer.h"
#include "transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {

qint64 rowCount(DbConnection &connection, const QString &table)
{
    QSqlQuery query(connection.database());
    if (!query.exec(u"select count(*) from %1"_s.arg(table)) || !query.next())
        throw Exception(query.lastError().text());
    return query.value(0).toLongLong();
}

QStringList columnsOf(DbConnection &connection, const QString &table)
{
    const QSqlRecord record = connection.database().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i).toLower();
    return names;
}

// Rows of one table, in key order, with their keys.
void copyTable(DbConnection &source, DbConnection &target, const QString &table)
{
    const QStringList targetColumns = columnsOf(target, table);
    const QStringList sourceColumns = columnsOf(source, table);
    QStringList unknown;
    for (const QString &column : sourceColumns)
        if (!targetColumns.contains(column))
            unknown << column;
    // A column added by a script would be lost on the way; nothing is copied.
    if (!unknown.isEmpty())
        throw Exception(u"Die Tabelle \"%1\" hat Spalten, die das Programm nicht kennt: %2.\n\nEs wurde nichts "
                        "kopiert, damit keine Daten verloren gehen."_s.arg(table, unknown.join(u", "_s)));

    QSqlQuery read(source.database());
    read.setForwardOnly(source.streamsRows());
    if (!read.exec(u"select %1 from %2 order by %3"_s.arg(sourceColumns.join(u", "_s), table,
                                                           source.primaryKey(table))))
        throw Exception(read.lastError().text());
    QSqlQuery write(target.database());
    const QStringList marks(sourceColumns.size(), u"?"_s);
    if (!write.prepare(u"insert into %1 (%2) values (%3)"_s.arg(table, sourceColumns.join(u", "_s),
                                                                 marks.join(u", "_s))))
        target.raiseWriteError(write.lastError());
    std::vector<ColumnType> types;
    for (const QString &column : sourceColumns)
        types.push_back(source.columnType(column));
    while (read.next()) {
        for (int i = 0; i < sourceColumns.size(); ++i)
            write.bindValue(i, target.engineValue(RowBuffer::normalize(read.value(i), types[size_t(i)])));
        if (!write.exec())
            target.raiseWriteError(write.lastError());
    }
    if (read.lastError().isValid())
        throw Exception(read.lastError().text());
}

void copyDatabase(DbConnection &source, DbConnection &target, const QString &name,
                  QList<DatabaseCopier::TableCount> &counts)
{
    Transaction transaction(target);
    for (const QString &table : target.tables()) {
        if (!source.hasTable(table))
            throw Exception(u"Der Quelle fehlt die Tabelle \"%1\"; sie passt nicht zu diesem Programm."_s.arg(table));
        const qint64 rows = rowCount(source, table);
        copyTable(source, target, table);
        target.setKeyCounter(table, source.keyCounter(table));
        const qint64 copied = rowCount(target, table);
        if (copied != rows)
            throw Exception(u"In der Tabelle \"%1\" kamen %2 von %3 Zeilen an; es wurde nichts kopiert."_s
                                .arg(table)
                                .arg(copied)
                                .arg(rows));
        counts.append({name, table, rows});
    }
    for (const QString &table : source.tables())
        if (!target.hasTable(table))
            throw Exception(u"Die Tabelle \"%1\" der Quelle kennt das Programm nicht; es wurde nichts kopiert, "
                            "damit keine Daten verloren gehen."_s.arg(table));
    transaction.commit();
}

} // namespace

QList<DatabaseCopier::TableCount> DatabaseCopier::copy(const QString &from, const QString &to)
{
    const QString fromCatalogue = Dialect::catalogueLocation(from);
    const QString toCatalogue = Dialect::catalogueLocation(to);
    DbConnection sourceCare, sourceCatalogue;
    sourceCare.open(from);
    sourceCatalogue.open(fromCatalogue);

    DbConnection care, catalogue;
    QList<TableCount> counts;
    try {
        care.open(to, DbConnection::OpenMode::CreateNew);
        catalogue.open(toCatalogue, DbConnection::OpenMode::CreateNew);
        DatabaseCreator::createSchema(care, catalogue);
        copyDatabase(sourceCare, care, to, counts);
        copyDatabase(sourceCatalogue, catalogue, toCatalogue, counts);
    } catch (...) {
        DatabaseCreator::discard(care, to);
        DatabaseCreator::discard(catalogue, toCatalogue);
        throw;
    }
    return counts;
}
