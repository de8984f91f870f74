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

// Texts keep the engine's UTF-16, so fetching and showing them copies
// without converting.
void putText(QByteArray &out, const QString &text)
{
    out.append(TagText);
    put<quint32>(out, quint32(text.size() * 2));
    out.append(reinterpret_cast<const char *>(text.constData()), text.size() * 2);
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
    case TagText: {
        QString text(qsizetype(get<quint32>(p + 1) / 2), Qt::Uninitialized);
        std::memcpy(text.data(), p + 5, size_t(text.size()) * 2);
        return QVariant(text);
    }
    case TagBlob:
        return QVariant(QByteArray(p + 5, get<quint32>(p + 1)));
    case TagDateTime:
        return QVariant(QDateTime(QDate::fromJulianDay(get<qint32>(p + 1)),
                                  QTime::fromMSecsSinceStartOfDay(get<qint32>(p + 5))));
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
    for (const QString &format : {u"yyyy-MM-dd HH:mm:ss"_s, u"yyyy-MM-dd HH:mm"_s, u"yyyy-MM-dd HH:mm:ss.zzz"_s,
                                  u"yyyy-MM-ddTHH:mm:ss"_s, u"yyyy-MM-ddTHH:mm:ss.zzz"_s}) {
        const QDateTime dt = QDateTime::fromString(text, format);
        if (dt.isValid())
            return dt;
    }
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    return date.isValid() ? date.startOfDay() : QDateTime();
}

} // namespace

namespace RowBuffer {

void Writer::addDateTime(qint64 julianDay, int msecsOfDay)
{
    m_out.append(TagDateTime);
    put<qint32>(m_out, qint32(julianDay));
    put<qint32>(m_out, qint32(msecsOfDay));
}

void Writer::add(const QVariant &v)
{
    if (v.isNull()) {
        m_out.append(TagNull);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        m_out.append(v.toBool() ? TagTrue : TagFalse);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::Short: {
        const qint64 n = v.toLongLong();
        if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max()) {
            m_out.append(TagInt32);
            put<qint32>(m_out, qint32(n));
        } else {
            m_out.append(TagInt64);
            put<qint64>(m_out, n);
        }
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        m_out.append(TagReal);
        put<double>(m_out, v.toDouble());
        break;
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        addDateTime(dt.date().toJulianDay(), dt.time().msecsSinceStartOfDay());
        break;
    }
    case QMetaType::QDate:
        addDateTime(v.toDate().toJulianDay(), 0);
        break;
    case QMetaType::QByteArray:
        putBytes(m_out, TagBlob, v.toByteArray());
        break;
    default:
        putText(m_out, v.toString());
        break;
    }
}

namespace {

// Reads "yyyy-MM-dd", optionally followed by " HH:mm" or " HH:mm:ss", the
// way date-times are stored; false for anything else.
bool parseStoredParts(QStringView t, qint64 &julianDay, int &msecs)
{
    auto digits = [&](qsizetype from, qsizetype count, int &out) {
        out = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = t[i].unicode();
            if (c < u'0' || c > u'9')
                return false;
            out = out * 10 + (c - u'0');
        }
        return true;
    };
    int y, mo, d, h = 0, mi = 0, sec = 0;
    if (t.size() < 10 || t[4] != u'-' || t[7] != u'-' || !digits(0, 4, y) || !digits(5, 2, mo) || !digits(8, 2, d))
        return false;
    if (t.size() > 10) {
        if ((t[10] != u' ' && t[10] != u'T') || t.size() < 16 || t[13] != u':' || !digits(11, 2, h) || !digits(14, 2, mi))
            return false;
        if (t.size() > 16 && (t.size() < 19 || t[16] != u':' || !digits(17, 2, sec)))
            return false;
        if (t.size() > 19)
            return false;
    }
    const QDate date(y, mo, d);
    const QTime time(h, mi, sec);
    if (!date.isValid() || !time.isValid())
        return false;
    julianDay = date.toJulianDay();
    msecs = time.msecsSinceStartOfDay();
    return true;
}

} // namespace

void Writer::addFromEngine(const QVariant &value, ColumnType type)
{
    if (value.isNull()) {
        m_out.append(TagNull);
        return;
    }
    if (type == ColumnType::DateTime && value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        qint64 julianDay = 0;
        int msecs = 0;
        if (text.isEmpty()) {
            m_out.append(TagNull);
            return;
        }
        if (parseStoredParts(text, julianDay, msecs)) {
            addDateTime(julianDay, msecs);
            return;
        }
    }
    if (type == ColumnType::Text && value.typeId() == QMetaType::QString) {
        putText(m_out, value.toString());
        return;
    }
    add(normalize(value, type));
}

QByteArray encode(const std::vector<QVariant> &values)
{
    Writer writer;
    for (const QVariant &v : values)
        writer.add(v);
    return writer.row();
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
