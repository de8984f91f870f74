#include "valueorder.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace ValueOrder {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

int compare(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime) {
        const QDateTime x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (isNumber(a) != isNumber(b))
        return isNumber(a) ? -1 : 1;
    return GermanOrder::compare(a.toString(), b.toString());
}

void appendKey(QByteArray &key, const QVariant &value, bool descending, GermanOrder::Ties ties)
{
    const qsizetype start = key.size();
    if (value.isNull()) {
        key.append('\x01');
    } else if (isNumber(value) || value.typeId() == QMetaType::QDateTime) {
        const double number = value.typeId() == QMetaType::QDateTime
            ? double(value.toDateTime().toMSecsSinceEpoch())
            : value.toDouble();
        // The bits of a double, sign flipped for positive numbers and all
        // inverted for negative ones, compare byte for byte as the numbers do.
        quint64 bits;
        std::memcpy(&bits, &number, sizeof bits);
        bits = (bits & 0x8000000000000000ull) ? ~bits : (bits | 0x8000000000000000ull);
        key.append('\x02');
        for (int shift = 56; shift >= 0; shift -= 8)
            key.append(char(bits >> shift));
    } else {
        key.append('\x03');
        GermanOrder::appendSortKey(key, value.toString(), ties);
    }
    if (descending)
        for (qsizetype i = start; i < key.size(); ++i)
            key[i] = char(~key[i]);
}

std::vector<int> SortKeys::order()
{
    m_starts.push_back(m_bytes.size());
    const char *bytes = m_bytes.constData();
    std::vector<int> order(m_starts.size() - 1);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const qsizetype la = m_starts[size_t(a) + 1] - m_starts[size_t(a)];
        const qsizetype lb = m_starts[size_t(b) + 1] - m_starts[size_t(b)];
        const int c = std::memcmp(bytes + m_starts[size_t(a)], bytes + m_starts[size_t(b)], size_t(std::min(la, lb)));
        return c != 0 ? c < 0 : la < lb;
    });
    return order;
}

} // namespace ValueOrder
