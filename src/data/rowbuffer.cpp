#include "rowbuffer.h"

#include <QDateTime>
#include <QtEndian>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

enum Tag : char {
    TagNull,
    TagInt32,
    TagInt64,
    TagReal,
    TagText,
    TagDateTime,
    TagFalse,
    TagTrue,
    TagBlob
};

template<typename T>
void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

template<typename T>
T get(const char *p)
{
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}

void putBytes(QByteArray &out, Tag tag, const QByteArray &bytes)
{
    out.append(tag);
    put<quint32>(out, quint32(bytes.size()));
    out.append(bytes);
}

// Size of the cell that starts at p (tag included).
qsizetype cellSize(const char *p)
{
    switch (Tag(*p)) {
    case TagInt32:
        return 1 + 4;
    case TagInt64:
    case TagReal:
    case TagDateTime:
        return 1 + 8;
    case TagText:
    case TagBlob:
        return 1 + 4 + get<quint32>(p + 1);
    default:
        return 1;
    }
}

QVariant decodeCell(const char *p)
{
    switch (Tag(*p)) {
    case TagInt32:
        return QVariant(qlonglong(get<qint32>(p + 1)));
    case TagInt64:
        return QVariant(qlonglong(get<qint64>(p + 1)));
    case TagReal:
        return QVariant(get<double>(p + 1));
    case TagText:
        return QVariant(QString::fromUtf8(p + 5, get<quint32>(p + 1)));
    case TagBlob:
        return QVariant(QByteArray(p + 5, get<quint32>(p + 1)));
    case TagDateTime:
        return QVariant(QDateTime::fromMSecsSinceEpoch(get<qint64>(p + 1)));
    case TagFalse:
        return QVariant(false);
    case TagTrue:
        return QVariant(true);
    default:
        return QVariant();
    }
}

QDateTime parseStoredDateTime(const QString &text)
{
    static const QString formats[] = {u"yyyy-MM-dd HH:mm:ss"_s, u"yyyy-MM-dd HH:mm:ss.zzz"_s,
                                      u"yyyy-MM-dd HH:mm"_s, u"yyyy-MM-ddTHH:mm:ss"_s,
                                      u"yyyy-MM-ddTHH:mm:ss.zzz"_s};
    for (const QString &format : formats) {
        const QDateTime dt = QDateTime::fromString(text, format);
        if (dt.isValid())
            return dt;
    }
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    if (date.isValid())
        return date.startOfDay();
    return {};
}

} // namespace

namespace RowBuffer {

QByteArray encode(const std::vector<QVariant> &values)
{
    QByteArray out;
    out.reserve(qsizetype(values.size()) * 6);
    for (const QVariant &v : values) {
        if (v.isNull()) {
            out.append(TagNull);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
            out.append(v.toBool() ? TagTrue : TagFalse);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::Short: {
            const qint64 n = v.toLongLong();
            if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max()) {
                out.append(TagInt32);
                put<qint32>(out, qint32(n));
            } else {
                out.append(TagInt64);
                put<qint64>(out, n);
            }
            break;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            out.append(TagReal);
            put<double>(out, v.toDouble());
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate: {
            const QDateTime dt = v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
            out.append(TagDateTime);
            put<qint64>(out, dt.toMSecsSinceEpoch());
            break;
        }
        case QMetaType::QByteArray:
            putBytes(out, TagBlob, v.toByteArray());
            break;
        default:
            putBytes(out, TagText, v.toString().toUtf8());
            break;
        }
    }
    return out;
}

QVariant decode(const QByteArray &row, int column)
{
    const char *p = row.constData();
    const char *end = p + row.size();
    for (int i = 0; i < column && p < end; ++i)
        p += cellSize(p);
    if (p >= end)
        return {};
    return decodeCell(p);
}

std::vector<QVariant> decodeAll(const QByteArray &row, int columnCount)
{
    std::vector<QVariant> values(static_cast<size_t>(columnCount));
    const char *p = row.constData();
    const char *end = p + row.size();
    for (int i = 0; i < columnCount && p < end; ++i) {
        values[size_t(i)] = decodeCell(p);
        p += cellSize(p);
    }
    return values;
}

QVariant normalize(const QVariant &value, ColumnType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case ColumnType::DateTime:
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().startOfDay();
        if (value.typeId() == QMetaType::QString) {
            if (value.toString().isEmpty())
                return {};
            const QDateTime dt = parseStoredDateTime(value.toString());
            return dt.isValid() ? QVariant(dt) : value;
        }
        return value;
    case ColumnType::Boolean:
        if (value.typeId() == QMetaType::QString) {
            const QString t = value.toString().trimmed().toLower();
            if (t.isEmpty())
                return {};
            return QVariant(t != u"0" && t != u"false" && t != u"nein");
        }
        return QVariant(value.toBool());
    case ColumnType::Integer:
        if (value.typeId() == QMetaType::QString) {
            bool ok = false;
            const qlonglong n = value.toString().trimmed().toLongLong(&ok);
            if (ok)
                return QVariant(n);
            return value.toString().isEmpty() ? QVariant() : value;
        }
        if (value.typeId() == QMetaType::Bool)
            return QVariant(qlonglong(value.toBool() ? 1 : 0));
        if (value.typeId() == QMetaType::Double)
            return value;
        return QVariant(value.toLongLong());
    case ColumnType::Text:
        if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
            return value;
        if (value.typeId() == QMetaType::QDateTime)
            return QVariant(value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s));
        return QVariant(value.toString());
    default:
        return value;
    }
}

QVariant toStorage(const QVariant &value)
{
    if (value.isNull())
        return value;
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return QVariant(value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s));
    case QMetaType::QDate:
        return QVariant(value.toDate().startOfDay().toString(u"yyyy-MM-dd HH:mm:ss"_s));
    case QMetaType::Bool:
        return QVariant(qlonglong(value.toBool() ? 1 : 0));
    default:
        return value;
    }
}

} // namespace RowBuffer
