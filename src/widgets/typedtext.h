#pragma once

#include "columntype.h"

#include <QString>
#include <QVariant>

// The value of what a person typed into a field of the given kind: dates as
// "31.12.2026" (a time may follow; "d.M.yy" means this century or the last),
// numbers as digits; an empty text is an empty value, other kinds take the
// text as typed. Raises Exception with a German message for text that does
// not fit the kind.
QVariant parseTypedText(const QString &text, ColumnType type);
