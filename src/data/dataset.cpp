#include "dataset.h"

#include "exception.h"
#include "germanorder.h"
#include "rowbuffer.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cstring>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Named parameters of a statement, in order of appearance, outside literals.
QStringList placeholdersOf(const QString &sql)
{
    QStringList names;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const QChar quote = c;
            for (++i; i < n && sql.at(i) != quote; ++i) {}
            continue;
        }
        if (c == u':' && i + 1 < n && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')
            && (i == 0 || (!sql.at(i - 1).isLetterOrNumber() && sql.at(i - 1) != u':'))) {
            qsizetype j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_'))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
            i = j - 1;
        }
    }
    return names;
}

// The table of a statement that selects all columns of exactly one table.
QString singleTableOf(const QString &sql)
{
    static const QRegularExpression re(
        uR"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\s*(?:$|;|where\b|order\b))"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(sql);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The terms of a statement's closing "order by" when each is a plain column
// name, optionally followed by ASC or DESC; otherwise none.
QList<std::pair<QString, bool>> orderByOf(const QString &sql)
{
    // Blank out literals so that a quoted "order by" is not taken for one.
    QString text = sql;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\'' && c != u'"')
            continue;
        for (++i; i < text.size() && text.at(i) != c; ++i)
            text[i] = u' ';
    }
    static const QRegularExpression orderBy(uR"(\border\s+by\b)"_s, QRegularExpression::CaseInsensitiveOption);
    qsizetype start = -1;
    for (auto it = orderBy.globalMatch(text); it.hasNext();)
        start = it.next().capturedEnd();
    if (start < 0)
        return {};
    QString terms = text.mid(start);
    const qsizetype end = terms.indexOf(u';');
    if (end >= 0) {
        if (!terms.mid(end + 1).trimmed().isEmpty())
            return {};
        terms.truncate(end);
    }
    static const QRegularExpression term(uR"(^\s*([A-Za-z_][A-Za-z0-9_]*)(?:\s+(ASC|DESC))?\s*$)"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    QList<std::pair<QString, bool>> result;
    for (const QString &part : terms.split(u',')) {
        const QRegularExpressionMatch m = term.match(part);
        if (!m.hasMatch())
            return {};
        result.append({m.captured(1), m.captured(2).compare(u"DESC"_s, Qt::CaseInsensitive) == 0});
    }
    return result;
}

QString engineMessage(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
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

// Orders values for sorting and compares them for locating: empty values
// first, numbers by value, date-times in time order, texts as German readers
// expect them ("Müller" beside "Muller").
int compareValues(const QVariant &a, const QVariant &b)
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
    // Numbers come before texts, as the database orders them.
    if (isNumber(a) != isNumber(b))
        return isNumber(a) ? -1 : 1;
    return GermanOrder::compare(a.toString(), b.toString());
}

// Appends the sort key of one value, so that keys compare byte for byte as
// their values do: empty values first, numbers and date-times by value, then
// texts in German order. A descending term has its bytes inverted.
void appendValueKey(QByteArray &key, const QVariant &value, bool descending,
                    GermanOrder::Ties ties = GermanOrder::Ties::ByExactText)
{
    const qsizetype start = key.size();
    if (value.isNull()) {
        key.append('\x01');
    } else if (isNumber(value) || value.typeId() == QMetaType::QDateTime) {
        const double number = value.typeId() == QMetaType::QDateTime
            ? double(value.toDateTime().toMSecsSinceEpoch())
            : value.toDouble();
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

    // The order of the rows by their keys; rows with equal keys keep their order.
    std::vector<int> order()
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

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_starts;
};

} // namespace

Dataset::Dataset(DbConnection *connection, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    if (connection) {
        connect(connection, &DbConnection::aboutToClose, this, &Dataset::forgetStatement);
        connect(connection, &DbConnection::schemaChanged, this, &Dataset::forgetStatement);
    }
}

void Dataset::forgetStatement()
{
    m_prepared.reset();
    m_writeStatements.clear();
    m_reloadSource.clear();
    m_layoutReady = false;
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString &sql)
{
    close();
    if (sql != m_sql)
        m_prepared.reset();
    m_layoutReady = false;
    m_sql = sql;
    m_placeholders = placeholdersOf(sql);
    m_table = singleTableOf(sql);
    m_orderBy.clear();
    for (const auto &[name, descending] : orderByOf(sql))
        m_orderBy.append({name, descending});
}

void Dataset::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.toLower(), value);
}

QVariant Dataset::param(const QString &name) const
{
    return m_params.value(name.toLower());
}

void Dataset::setFields(const QList<FieldDef> &fields)
{
    close();
    m_fields = fields;
    m_fieldsDeclared = !fields.isEmpty();
    m_layoutReady = false;
}

int Dataset::fieldPosition(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Dataset::moveField(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= m_fields.size() || to >= m_fields.size())
        return;
    emit aboutToReset();
    m_fields.move(from, to);
    if (isOpen())
        buildFieldColumns();
    emit reset();
    emit fieldsMoved();
}

void Dataset::setFieldVisible(const QString &name, bool visible)
{
    const int pos = fieldPosition(name);
    if (pos < 0)
        throw Exception(u"Das Feld \"%1\" gibt es in der Abfrage nicht."_s.arg(name));
    emit aboutToReset();
    m_fields[pos].visible = visible;
    emit reset();
    emit fieldsMoved();
}

void Dataset::setGetText(const QString &name, GetTextHook hook)
{
    m_hooks.insert(name.toLower(), std::move(hook));
    if (m_layoutReady)
        findHooks();
}

// Each column's hook is found once, not for every value shown.
void Dataset::findHooks()
{
    m_columnHooks.assign(m_columns.size(), GetTextHook());
    for (size_t c = 0; c < m_columns.size(); ++c) {
        const auto it = m_hooks.constFind(m_columns[c].name.toLower());
        if (it != m_hooks.constEnd()) {
            m_columnHooks[c] = it.value();
            continue;
        }
        for (const FieldDef &f : std::as_const(m_fields))
            if (f.name.compare(m_columns[c].name, Qt::CaseInsensitive) == 0)
                m_columnHooks[c] = f.getText;
    }
}

void Dataset::buildFieldColumns()
{
    m_fieldColumns.clear();
    for (const FieldDef &f : std::as_const(m_fields))
        m_fieldColumns.push_back(columnIndex(f.name));
}

int Dataset::columnIndex(const QString &name) const
{
    // The program names columns in lower case; other spellings are folded.
    auto it = m_columnByName.constFind(name);
    if (it == m_columnByName.constEnd())
        it = m_columnByName.constFind(name.toLower());
    if (it == m_columnByName.constEnd())
        throw Exception(u"Das Feld \"%1\" gibt es in der Abfrage nicht."_s.arg(name));
    return it.value();
}

void Dataset::open()
{
    if (!isOpen())
        load();
}

void Dataset::reopen()
{
    if (!isOpen()) {
        load();
        return;
    }
    try {
        load();
    } catch (const Exception &) {
        close();
        throw;
    }
}

void Dataset::load()
{
    if (!m_connection)
        throw Exception(u"Die Abfrage hat keine Datenbankverbindung."_s);

    QSqlQuery &query = preparedQuery();
    for (const QString &name : std::as_const(m_placeholders))
        query.bindValue(u":"_s + name, m_connection->engineValue(m_params.value(name.toLower())));
    if (!query.exec()) {
        const QString message = engineMessage(query.lastError());
        forgetStatement();
        throw Exception(message);
    }
    // A statement that stays prepared keeps its columns: look-ups that run
    // once per shown value do not work them out again.
    if (!m_layoutReady)
        readLayout(query);

    // Texts are put in German order while they are fetched; the engine's
    // order of texts is another one.
    const std::vector<SortTerm> terms = statementSortTerms();
    SortKeys keys;

    emit aboutToReset();
    m_rows.clear();
    m_sequence.clear();
    RowBuffer::Writer writer;
    while (query.next()) {
        writer.clear();
        for (size_t c = 0; c < m_columns.size(); ++c)
            writer.addFromEngine(query.value(m_source[c]), m_columns[c].type);
        m_rows.append(writer.row());
        if (!terms.empty()) {
            // Rows that file alike keep the engine's order, which tells them
            // apart by their exact letters, term by term.
            QByteArray &key = keys.next();
            for (const SortTerm &term : terms)
                appendValueKey(key, query.value(m_source[size_t(term.column)]), term.descending,
                               GermanOrder::Ties::Keep);
        }
    }
    query.finish();
    m_sequence.resize(m_rows.size());
    std::iota(m_sequence.begin(), m_sequence.end(), 0);
    if (!keys.isEmpty()) {
        m_current = -1;
        reorderRows(keys.order());
        // This is the statement's order from now on.
        std::iota(m_sequence.begin(), m_sequence.end(), 0);
    }
    m_nextSequence = int(m_rows.size());
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_atEnd = m_rows.isEmpty();
    m_sort.clear();
    // Reading anew drops what was being edited.
    m_buffer.clear();
    m_original.clear();
    const State before = m_state;
    m_state = State::Browse;
    emit reset();
    if (before != m_state)
        emit stateChanged(m_state);
    emit currentRowChanged();
}

void Dataset::readLayout(QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    m_columns.clear();
    m_columnByName.clear();
    m_source.clear();
    m_reloadSource.clear();
    auto addColumn = [&](const QString &name, int recordIndex) {
        m_columnByName.insert(name.toLower(), int(m_columns.size()));
        m_columns.push_back({name, m_connection->columnType(name)});
        m_source.push_back(recordIndex);
    };
    m_keyColumn = m_table.isEmpty() ? QString() : m_connection->primaryKey(m_table);
    if (!m_table.isEmpty() && m_keyColumn.isEmpty())
        m_table.clear();
    if (m_fieldsDeclared) {
        for (const FieldDef &f : std::as_const(m_fields)) {
            const int index = record.indexOf(f.name);
            if (index < 0) {
                query.finish();
                throw Exception(u"Das Feld \"%1\" fehlt in der Tabelle.\n\nDie Datenbank passt nicht zu diesem Programm."_s.arg(f.name));
            }
            if (!m_columnByName.contains(f.name.toLower()))
                addColumn(record.fieldName(index), index);
        }
        // The key travels with the row even when no field shows it.
        if (!m_keyColumn.isEmpty() && !m_columnByName.contains(m_keyColumn.toLower())) {
            const int index = record.indexOf(m_keyColumn);
            if (index >= 0)
                addColumn(record.fieldName(index), index);
            else
                m_table.clear();
        }
        // So do the columns the rows are ordered by.
        for (const OrderTerm &term : std::as_const(m_orderBy)) {
            const int index = record.indexOf(term.name);
            if (index >= 0 && !m_columnByName.contains(term.name.toLower()))
                addColumn(record.fieldName(index), index);
        }
    } else {
        m_fields.clear();
        for (int i = 0; i < record.count(); ++i) {
            if (m_columnByName.contains(record.fieldName(i).toLower()))
                continue;
            addColumn(record.fieldName(i), i);
            FieldDef f;
            f.name = record.fieldName(i);
            m_fields << f;
        }
        if (!m_keyColumn.isEmpty() && !m_columnByName.contains(m_keyColumn.toLower()))
            m_table.clear();
    }
    buildFieldColumns();
    findHooks();
    m_layoutReady = true;
}

QSqlQuery &Dataset::preparedQuery()
{
    if (!m_prepared) {
        auto query = std::make_unique<QSqlQuery>(m_connection->database());
        query->setForwardOnly(true);
        if (!query->prepare(m_connection->engineSql(m_sql)))
            throw Exception(engineMessage(query->lastError()));
        m_prepared = std::move(query);
    }
    return *m_prepared;
}

void Dataset::close()
{
    if (!isOpen())
        return;
    emit aboutToReset();
    m_rows.clear();
    m_sequence.clear();
    m_buffer.clear();
    m_original.clear();
    m_current = -1;
    m_atEnd = true;
    m_sort.clear();
    m_state = State::Inactive;
    emit reset();
    emit stateChanged(m_state);
    emit currentRowChanged();
}

void Dataset::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void Dataset::checkBrowseMode()
{
    if (!isEditing())
        return;
    emit updateRecordRequested();
    if (isModified())
        post();
    else
        cancel();
}

void Dataset::setCurrentRow(int row)
{
    if (!isOpen() || row < 0 || row >= m_rows.size())
        return;
    m_atEnd = false;
    if (row == m_current)
        return;
    checkBrowseMode();
    // Dropping an unchanged new row removes it, which shifts the rows behind it.
    if (row >= m_rows.size())
        row = int(m_rows.size()) - 1;
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged();
}

void Dataset::first()
{
    if (m_rows.isEmpty()) {
        m_atEnd = true;
        return;
    }
    setCurrentRow(0);
}

void Dataset::last()
{
    if (m_rows.isEmpty()) {
        m_atEnd = true;
        return;
    }
    setCurrentRow(int(m_rows.size()) - 1);
}

void Dataset::next()
{
    if (m_current + 1 < m_rows.size())
        setCurrentRow(m_current + 1);
    else
        m_atEnd = true;
}

void Dataset::prior()
{
    if (m_current > 0)
        setCurrentRow(m_current - 1);
}

int Dataset::findRow(const QString &name, const QVariant &value) const
{
    const int column = columnIndex(name);
    const QVariant wanted = RowBuffer::normalize(value, m_columns[size_t(column)].type);
    if (wanted.isNull())
        return -1;
    for (int row = 0; row < m_rows.size(); ++row) {
        const QVariant v = rowValue(row, column);
        if (!v.isNull() && compareValues(v, wanted) == 0)
            return row;
    }
    return -1;
}

bool Dataset::locate(const QString &name, const QVariant &value)
{
    const int row = findRow(name, value);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

QVariant Dataset::rowValue(int row, int column) const
{
    if (row == m_current && isEditing())
        return m_buffer[size_t(column)];
    if (row < 0 || row >= m_rows.size())
        return {};
    return RowBuffer::decode(m_rows.at(row), column);
}

QVariant Dataset::value(const QString &name) const
{
    return rowValue(m_current, columnIndex(name));
}

QString Dataset::asText(const QString &name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QDateTime)
        return formatValue(v);
    return v.isNull() ? QString() : v.toString();
}

qint64 Dataset::asInteger(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return 0;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        throw Exception(u"\"%1\" ist kein gültiger Ganzzahlwert für das Feld \"%2\"."_s.arg(v.toString(), name));
    return n;
}

QDateTime Dataset::asDateTime(const QString &name) const
{
    const QVariant v = value(name);
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime() : QDateTime();
}

bool Dataset::asBool(const QString &name) const
{
    return value(name).toBool();
}

bool Dataset::isNull(const QString &name) const
{
    return value(name).isNull();
}

QString Dataset::formatValue(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.toString(u"dd.MM.yyyy"_s);
        return dt.toString(u"dd.MM.yyyy HH:mm:ss"_s);
    }
    case QMetaType::Bool:
        return value.toBool() ? u"ja"_s : u"nein"_s;
    case QMetaType::Double:
        return QLocale().toString(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

QString Dataset::displayText(const QString &name) const
{
    const int column = columnIndex(name);
    const QVariant v = rowValue(m_current, column);
    if (const GetTextHook &hook = m_columnHooks[size_t(column)])
        return hook(v);
    return formatValue(v);
}

QVariant Dataset::valueAt(int row, int position) const
{
    return rowValue(row, columnOfField(position));
}

QString Dataset::displayTextAt(int row, int position) const
{
    const int column = columnOfField(position);
    const QVariant v = rowValue(row, column);
    if (const GetTextHook &hook = m_columnHooks[size_t(column)])
        return hook(v);
    return formatValue(v);
}

void Dataset::append()
{
    if (!isOpen())
        throw Exception(u"Die Abfrage ist nicht geöffnet."_s);
    checkBrowseMode();
    m_rowBeforeInsert = m_current;
    m_buffer.assign(m_columns.size(), QVariant());
    m_original = m_buffer;
    m_assigned.assign(m_columns.size(), false);
    const int row = int(m_rows.size());
    emit aboutToInsertRow(row);
    m_rows.append(RowBuffer::encode(m_buffer));
    m_sequence.append(m_nextSequence++);
    m_current = row;
    m_atEnd = false;
    // The state is Insert before anyone hears of the new row.
    m_state = State::Insert;
    emit rowInserted(row);
    emit stateChanged(m_state);
    emit currentRowChanged();
}

void Dataset::edit()
{
    if (!isOpen())
        throw Exception(u"Die Abfrage ist nicht geöffnet."_s);
    if (isEditing())
        return;
    if (m_rows.isEmpty()) {
        append();
        return;
    }
    m_buffer = RowBuffer::decodeAll(m_rows.at(m_current), int(m_columns.size()));
    m_original = m_buffer;
    m_assigned.assign(m_columns.size(), false);
    setState(State::Edit);
}

void Dataset::setValue(const QString &name, const QVariant &value)
{
    if (!isEditing())
        throw Exception(u"Der Datensatz wird gerade nicht bearbeitet; das Feld \"%1\" kann nicht geändert werden."_s.arg(name));
    const int column = columnIndex(name);
    m_buffer[size_t(column)] = RowBuffer::normalize(value, m_columns[size_t(column)].type);
    m_assigned[size_t(column)] = true;
    emit fieldChanged(m_columns[size_t(column)].name);
}

ColumnType Dataset::fieldType(const QString &name) const
{
    return m_columns[size_t(columnIndex(name))].type;
}

void Dataset::setText(const QString &name, const QString &text)
{
    const QString t = text.trimmed();
    switch (fieldType(name)) {
    case ColumnType::DateTime: {
        if (t.isEmpty()) {
            setValue(name, QVariant());
            return;
        }
        static const QString formats[] = {u"d.M.yyyy H:mm:ss"_s, u"d.M.yyyy H:mm"_s, u"d.M.yyyy"_s,
                                          u"d.M.yy"_s, u"yyyy-MM-dd HH:mm:ss"_s, u"yyyy-MM-dd"_s};
        for (const QString &format : formats) {
            QDateTime dt = QDateTime::fromString(t, format);
            if (dt.isValid()) {
                // Two-digit years mean this century or the last one, never the future.
                if (format == u"d.M.yy" && dt.date().year() > QDate::currentDate().year())
                    dt = dt.addYears(-100);
                setValue(name, dt);
                return;
            }
        }
        throw Exception(u"\"%1\" ist kein gültiges Datum.\n\nBitte im Format TT.MM.JJJJ eingeben, z.B. 31.12.1950."_s.arg(text));
    }
    case ColumnType::Integer: {
        if (t.isEmpty()) {
            setValue(name, QVariant());
            return;
        }
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (!ok)
            throw Exception(u"\"%1\" ist keine gültige Zahl.\n\nBitte nur Ziffern eingeben."_s.arg(text));
        setValue(name, n);
        return;
    }
    case ColumnType::Real: {
        if (t.isEmpty()) {
            setValue(name, QVariant());
            return;
        }
        bool ok = false;
        const double d = QLocale().toDouble(t, &ok);
        if (!ok)
            throw Exception(u"\"%1\" ist keine gültige Zahl."_s.arg(text));
        setValue(name, d);
        return;
    }
    default:
        setValue(name, text);
    }
}

bool Dataset::isModified() const
{
    if (!isEditing())
        return false;
    for (size_t c = 0; c < m_buffer.size(); ++c) {
        const QVariant &a = m_buffer[c];
        const QVariant &b = m_original[c];
        if (a.isNull() != b.isNull() || (!a.isNull() && a != b))
            return true;
    }
    return false;
}

void Dataset::post()
{
    if (!isEditing())
        throw Exception(u"Der Datensatz wird gerade nicht bearbeitet und kann nicht gespeichert werden."_s);
    emit updateRecordRequested();
    if (!isUpdatable())
        throw Exception(u"Diese Abfrage kann keine Datensätze speichern."_s);
    if (m_state == State::Insert)
        postInsert();
    else
        postUpdate();
    m_rows[m_current] = RowBuffer::encode(m_buffer);
    m_buffer.clear();
    m_original.clear();
    setState(State::Browse);
    emit rowChanged(m_current);
}

void Dataset::postInsert()
{
    const int key = columnIndex(m_keyColumn);
    QStringList names;
    QList<QVariant> values;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (int(c) == key || m_buffer[c].isNull())
            continue;
        names << m_columns[c].name;
        values << m_connection->engineValue(m_buffer[c]);
    }
    QString sql;
    if (names.isEmpty()) {
        sql = u"insert into %1 default values"_s.arg(m_table);
    } else {
        QStringList marks(names.size(), u"?"_s);
        sql = u"insert into %1 (%2) values (%3)"_s.arg(m_table, names.join(u", "_s), marks.join(u", "_s));
    }
    QSqlQuery &query = writeStatement(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        m_connection->raiseWriteError(error);
    }
    m_buffer[size_t(key)] = RowBuffer::normalize(query.lastInsertId(), m_columns[size_t(key)].type);
    query.finish();
    reloadRow();
}

void Dataset::postUpdate()
{
    const int key = columnIndex(m_keyColumn);
    QStringList assignments;
    QList<QVariant> values;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (int(c) == key)
            continue;
        // A value set again is written again: what another copy of the
        // program stored meanwhile does not survive a deliberate change.
        const QVariant &a = m_buffer[c];
        const QVariant &b = m_original[c];
        if (!m_assigned[c] && a.isNull() == b.isNull() && (a.isNull() || a == b))
            continue;
        assignments << m_columns[c].name + u" = ?"_s;
        values << m_connection->engineValue(a);
    }
    if (assignments.isEmpty())
        return;
    QSqlQuery &query = writeStatement(u"update %1 set %2 where %3 = ?"_s.arg(m_table, assignments.join(u", "_s), m_keyColumn));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    query.bindValue(int(values.size()), m_original[size_t(key)]);
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    const int changed = query.numRowsAffected();
    query.finish();
    if (!ok)
        m_connection->raiseWriteError(error);
    if (changed == 0)
        throw DatabaseAccessError(u"Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht und kann nicht gespeichert werden."_s);
}

// Reads the row back as the database stored it, with the values the
// database filled in itself.
void Dataset::reloadRow()
{
    const int key = columnIndex(m_keyColumn);
    QSqlQuery *query = nullptr;
    try {
        query = &writeStatement(u"select * from %1 where %2 = ?"_s.arg(m_table, m_keyColumn));
    } catch (const Exception &) {
        return;
    }
    query->bindValue(0, m_buffer[size_t(key)]);
    if (query->exec() && query->next()) {
        if (m_reloadSource.empty()) {
            const QSqlRecord record = query->record();
            for (const Column &column : m_columns)
                m_reloadSource.push_back(record.indexOf(column.name));
        }
        for (size_t c = 0; c < m_columns.size(); ++c)
            if (m_reloadSource[c] >= 0)
                m_buffer[c] = RowBuffer::normalize(query->value(m_reloadSource[c]), m_columns[c].type);
    }
    query->finish();
}

// Statements that store rows stay prepared: an operation that writes many
// rows prepares each kind once.
QSqlQuery &Dataset::writeStatement(const QString &sql)
{
    auto it = m_writeStatements.find(sql);
    if (it == m_writeStatements.end()) {
        auto query = std::make_unique<QSqlQuery>(m_connection->database());
        query->setForwardOnly(true);
        if (!query->prepare(sql))
            m_connection->raiseWriteError(query->lastError());
        it = m_writeStatements.emplace(sql, std::move(query)).first;
    }
    return *it->second;
}

void Dataset::cancel()
{
    if (m_state == State::Insert) {
        const int row = m_current;
        emit aboutToRemoveRow(row);
        m_rows.removeAt(row);
        m_sequence.removeAt(row);
        m_buffer.clear();
        m_original.clear();
        m_state = State::Browse;
        m_current = m_rows.isEmpty() ? -1 : std::clamp(m_rowBeforeInsert, 0, int(m_rows.size()) - 1);
        m_atEnd = m_rows.isEmpty();
        emit rowRemoved(row);
        emit stateChanged(m_state);
        emit currentRowChanged();
    } else if (m_state == State::Edit) {
        m_buffer.clear();
        m_original.clear();
        setState(State::Browse);
        emit rowChanged(m_current);
    }
}

void Dataset::remove()
{
    if (!isOpen())
        throw Exception(u"Die Abfrage ist nicht geöffnet."_s);
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_rows.isEmpty())
        throw Exception(u"Die Liste ist leer; es gibt keinen Datensatz zum Löschen."_s);
    if (!isUpdatable())
        throw Exception(u"Diese Abfrage kann keine Datensätze löschen."_s);
    const QVariant key = rowValue(m_current, columnIndex(m_keyColumn));
    QSqlQuery &query = writeStatement(u"delete from %1 where %2 = ?"_s.arg(m_table, m_keyColumn));
    query.bindValue(0, key);
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    const bool wasStored = query.numRowsAffected() > 0;
    query.finish();
    if (!ok)
        m_connection->raiseWriteError(error);
    const int row = m_current;
    emit aboutToRemoveRow(row);
    m_rows.removeAt(row);
    m_sequence.removeAt(row);
    m_current = m_rows.isEmpty() ? -1 : std::min(row, int(m_rows.size()) - 1);
    m_atEnd = m_rows.isEmpty();
    emit rowRemoved(row);
    emit currentRowChanged();
    // The list now agrees with the database either way; the user still
    // learns that someone else was quicker.
    if (!wasStored)
        throw DatabaseAccessError(u"Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht."_s);
}

void Dataset::setSort(const QString &sort)
{
    if (!isOpen())
        throw Exception(u"Die Abfrage ist nicht geöffnet."_s);
    static const QRegularExpression re(uR"(^\s*([A-Za-z_][A-Za-z0-9_]*)(?:\s+(ASC|DESC))?\s*$)"_s,
                                       QRegularExpression::CaseInsensitiveOption);
    const QString spec = sort.trimmed();
    int column = -1;
    bool descending = false;
    if (!spec.isEmpty()) {
        const QRegularExpressionMatch m = re.match(spec);
        if (!m.hasMatch())
            throw Exception(u"Die Sortierung \"%1\" ist ungültig."_s.arg(sort));
        column = columnIndex(m.captured(1));
        descending = m.captured(2).compare(u"DESC"_s, Qt::CaseInsensitive) == 0;
    }
    checkBrowseMode();

    emit aboutToReset();
    if (column < 0) {
        std::vector<int> order(size_t(m_rows.size()));
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](int a, int b) { return m_sequence.at(a) < m_sequence.at(b); });
        reorderRows(order);
    } else {
        sortRows({{column, descending}});
    }
    m_sort = spec;
    emit reset();
    emit currentRowChanged();
}

void Dataset::sortRows(const std::vector<SortTerm> &terms)
{
    SortKeys keys(m_rows.size());
    for (const QByteArray &row : std::as_const(m_rows)) {
        QByteArray &key = keys.next();
        for (const SortTerm &term : terms)
            appendValueKey(key, RowBuffer::decode(row, term.column), term.descending);
    }
    reorderRows(keys.order());
}

void Dataset::reorderRows(const std::vector<int> &order)
{
    const int currentSequence = m_current >= 0 ? m_sequence.at(m_current) : -1;
    QList<QByteArray> rows;
    QList<int> sequence;
    rows.reserve(m_rows.size());
    sequence.reserve(m_rows.size());
    for (int i : order) {
        rows.append(std::move(m_rows[i]));
        sequence.append(m_sequence.at(i));
    }
    m_rows = std::move(rows);
    m_sequence = std::move(sequence);
    m_current = currentSequence < 0 ? -1 : int(m_sequence.indexOf(currentSequence));
}

std::vector<Dataset::SortTerm> Dataset::statementSortTerms() const
{
    std::vector<SortTerm> terms;
    bool ordersTexts = false;
    for (const OrderTerm &term : std::as_const(m_orderBy)) {
        const auto it = m_columnByName.constFind(term.name.toLower());
        if (it == m_columnByName.constEnd())
            return {};
        terms.push_back({it.value(), term.descending});
        const ColumnType type = m_columns[size_t(it.value())].type;
        ordersTexts = ordersTexts || type == ColumnType::Text || type == ColumnType::Unknown;
    }
    // The engine orders numbers and dates as readers do; only texts differ.
    return ordersTexts ? terms : std::vector<SortTerm>();
}

void Dataset::addMasterLink(Dataset *master, const QString &masterField, const QString &parameter)
{
    m_masterLinks.append({master, masterField, parameter});
    connect(master, &Dataset::currentRowChanged, this, &Dataset::refreshFromMasters);
    connect(master, &Dataset::rowChanged, this, [this, master](int row) {
        if (row == master->currentRow())
            refreshFromMasters();
    });
    if (master->isOpen() && !master->isEmpty())
        setParam(parameter, master->value(masterField));
}

void Dataset::refreshFromMasters()
{
    for (const MasterLink &link : std::as_const(m_masterLinks)) {
        if (!link.master)
            continue;
        const bool hasRow = link.master->isOpen() && link.master->currentRow() >= 0;
        setParam(link.parameter, hasRow ? link.master->value(link.field) : QVariant());
    }
    if (isOpen())
        reopen();
}

Dataset *newQuery(DbConnection *connection, const QString &name, const QString &sql, QObject *parent)
{
    auto *dataset = new Dataset(connection, parent);
    dataset->setObjectName(name);
    dataset->setSql(sql);
    return dataset;
}
