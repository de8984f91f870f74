#pragma once

#include "dbconnection.h"

#include <QByteArray>
#include <QVariant>

#include <vector>

// Packs the values of one fetched row into a single byte array, so that a
// list of many thousand rows costs little more memory than its texts.
namespace RowBuffer {

// Builds one row cell by cell.
class Writer
{
public:
    // Keeps the buffer's capacity for the next row.
    void clear() { m_out.resize(0); }
    void add(const QVariant &value);
    // A value as the engine returned it for a column of the given kind;
    // stored date-time texts are taken apart without building a QDateTime.
    void addFromEngine(const QVariant &value, ColumnType type);
    // The row, in an array of exactly its size.
    QByteArray row() const { return QByteArray(m_out.constData(), m_out.size()); }

private:
    void addDateTime(qint64 julianDay, int msecsOfDay);
    QByteArray m_out;
};

QByteArray encode(const std::vector<QVariant> &values);
QVariant decode(const QByteArray &row, int column);
std::vector<QVariant> decodeAll(const QByteArray &row, int columnCount);

// Turns a value read from the engine or set by the program into the kind the
// column is declared as (dates from their stored text, flags from numbers).
QVariant normalize(const QVariant &value, ColumnType type);

// The value as the engine stores it: date-times as "yyyy-MM-dd HH:mm:ss" text.
QVariant toStorage(const QVariant &value);

} // namespace RowBuffer
