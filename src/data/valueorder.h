#pragma once

#include "germanorder.h"

#include <QByteArray>
#include <QVariant>

#include <vector>

// The order of a dataset's values, for sorting rows and for locating one:
// empty values first, numbers by value, date-times in time order, texts as
// German readers expect them ("Müller" beside "Muller").
namespace ValueOrder {

// Whether the value is a number (flags count as 0 and 1).
bool isNumber(const QVariant &value);

// Negative, zero or positive as a comes before, with or after b. Numbers come
// before texts, as the database orders them.
int compare(const QVariant &a, const QVariant &b);

// Appends the sort key of one value, so that keys compare byte for byte as
// their values do. A descending term has its bytes inverted.
void appendKey(QByteArray &key, const QVariant &value, bool descending,
               GermanOrder::Ties ties = GermanOrder::Ties::ByExactText);

// The sort keys of many rows, one after the other in one block of memory.
class SortKeys
{
public:
    explicit SortKeys(qsizetype rows = 0) { m_starts.reserve(size_t(rows) + 1); }

    // The key of the next row is what is appended to the returned bytes.
    QByteArray &next()
    {
        m_starts.push_back(m_bytes.size());
        return m_bytes;
    }
    bool isEmpty() const { return m_starts.empty(); }

    // The order of the rows by their keys; rows with equal keys keep their
    // order. Called once, after the last row's key.
    std::vector<int> order();

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_starts;
};

} // namespace ValueOrder
