#include "dataset.h"

#include "exception.h"
#include "rowbuffer.h"
#include "valueorder.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

QString engineMessage(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

} // namespace

Dataset::Dataset(DbConnection *connection, QObject *parent)
    : QObject(parent), m_connection(connection), m_writer(connection)
{
    if (connection) {
        connect(connection, &DbConnection::aboutToClose, this, &Dataset::forgetStatement);
        connect(connection, &DbConnection::schemaChanged, this, &Dataset::forgetStatement);
    }
}

void Dataset::forgetStatement()
{
    m_prepared.reset();
    m_writer.forgetStatements();
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
    m_placeholders = StatementText::placeholders(sql);
    m_writer.setTable(StatementText::singleTable(sql));
    m_orderBy = StatementText::orderBy(sql);
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
    ValueOrder::SortKeys keys;

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
                ValueOrder::appendKey(key, query.value(m_source[size_t(term.column)]), term.descending,
                                      GermanOrder::Ties::Keep);
            // An engine that orders such rows by its language's rules
            // (lower case first) leaves the exact letters to decide here.
            if (!m_connection->ordersTiesByExactText())
                for (const SortTerm &term : terms)
                    ValueOrder::appendKey(key, query.value(m_source[size_t(term.column)]), term.descending,
                                          GermanOrder::Ties::ByExactText);
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
    auto addColumn = [&](const QString &name, int recordIndex) {
        m_columnByName.insert(name.toLower(), int(m_columns.size()));
        m_columns.push_back({name, m_connection->columnType(name)});
        m_source.push_back(recordIndex);
    };
    // Rows are written back only to a table with a key that travels with them.
    const QString table = m_writer.table();
    const QString keyColumn = table.isEmpty() ? QString() : m_connection->primaryKey(table);
    m_writer.setTable(keyColumn.isEmpty() ? QString() : table, keyColumn);
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
        if (!keyColumn.isEmpty() && !m_columnByName.contains(keyColumn.toLower())) {
            const int index = record.indexOf(keyColumn);
            if (index >= 0)
                addColumn(record.fieldName(index), index);
            else
                m_writer.setTable(QString());
        }
        // So do the columns the rows are ordered by.
        for (const StatementText::OrderTerm &term : std::as_const(m_orderBy)) {
            const int index = record.indexOf(term.column);
            if (index >= 0 && !m_columnByName.contains(term.column.toLower()))
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
        if (!keyColumn.isEmpty() && !m_columnByName.contains(keyColumn.toLower()))
            m_writer.setTable(QString());
    }
    buildFieldColumns();
    findHooks();
    m_layoutReady = true;
}

QSqlQuery &Dataset::preparedQuery()
{
    if (!m_prepared) {
        auto query = std::make_unique<QSqlQuery>(m_connection->database());
        query->setForwardOnly(m_connection->streamsRows());
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
        if (!v.isNull() && ValueOrder::compare(v, wanted) == 0)
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
    const int key = columnIndex(m_writer.keyColumn());
    QStringList names;
    QList<QVariant> values;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (int(c) == key || m_buffer[c].isNull())
            continue;
        names << m_columns[c].name;
        values << m_buffer[c];
    }
    m_buffer[size_t(key)] = RowBuffer::normalize(m_writer.insert(names, values), m_columns[size_t(key)].type);
    reloadRow();
}

void Dataset::postUpdate()
{
    const int key = columnIndex(m_writer.keyColumn());
    QStringList names;
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
        names << m_columns[c].name;
        values << a;
    }
    if (names.isEmpty())
        return;
    if (!m_writer.update(names, values, m_original[size_t(key)]))
        throw DatabaseAccessError(u"Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht und kann nicht gespeichert werden."_s);
}

// Takes the row back as the database stored it, with the values the
// database filled in itself.
void Dataset::reloadRow()
{
    const int key = columnIndex(m_writer.keyColumn());
    QStringList names;
    for (const Column &column : m_columns)
        names << column.name;
    const std::vector<std::optional<QVariant>> stored = m_writer.readRow(m_buffer[size_t(key)], names);
    for (size_t c = 0; c < stored.size(); ++c)
        if (stored[c])
            m_buffer[c] = RowBuffer::normalize(*stored[c], m_columns[c].type);
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
    const bool wasStored = m_writer.remove(rowValue(m_current, columnIndex(m_writer.keyColumn())));
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
    ValueOrder::SortKeys keys(m_rows.size());
    for (const QByteArray &row : std::as_const(m_rows)) {
        QByteArray &key = keys.next();
        for (const SortTerm &term : terms)
            ValueOrder::appendKey(key, RowBuffer::decode(row, term.column), term.descending);
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
    for (const StatementText::OrderTerm &term : std::as_const(m_orderBy)) {
        const auto it = m_columnByName.constFind(term.column.toLower());
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
