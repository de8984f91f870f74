#pragma once

#include "dbconnection.h"

#include <QByteArray>
#include <QVariant>

#include <vector>

// Packs the values of one fetched row into a single byte array, so that a
// list of many thousand rows costs little more memory than its texts.
namespace RowBuffer {

QByteArray encode(const std::vector<QVariant> &values);
QVariant decode(const QByteArray &row, int column);
std::vector<QVariant> decodeAll(const QByteArray &row, int columnCount);

// Turns a value read from the engine or set by the program into the kind the
// column is declared as (dates from their stored text, flags from numbers).
QVariant normalize(const QVariant &value, ColumnType type);

// The value as the engine stores it: date-times as "yyyy-MM-dd HH:mm:ss" text.
QVariant toStorage(const QVariant &value);

} // namespace RowBuffer
