#include "dbconnection.h"

#include "exception.h"
#include "rowbuffer.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

QAtomicInt connectionCounter;

// Writers of other copies of the program hold the file only for the moment
// of one statement; a waiting writer gives up only after this long.
constexpr int busyTimeoutMs = 15000;

ColumnType typeFromDeclaration(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t.contains(u"INT"))
        return ColumnType::Integer;
    if (t.contains(u"BOOL") || t.contains(u"BIT"))
        return ColumnType::Boolean;
    if (t.contains(u"DATE") || t.contains(u"TIME"))
        return ColumnType::DateTime;
    if (t.contains(u"CHAR") || t.contains(u"TEXT") || t.contains(u"CLOB") || t.contains(u"MEMO"))
        return ColumnType::Text;
    if (t.contains(u"REAL") || t.contains(u"FLOA") || t.contains(u"DOUB") || t.contains(u"NUM")
        || t.contains(u"DEC"))
        return ColumnType::Real;
    if (t.contains(u"BLOB"))
        return ColumnType::Blob;
    return ColumnType::Unknown;
}

// LIKE as care staff expect it: letter case does not count, for umlauts
// and every other letter too ("müller" finds "MÜLLER"); "%" stands for any
// text, "_" for one character.
bool likeMatches(QStringView pattern, QStringView text, char16_t escape)
{
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size()) {
            const char16_t c = pattern[p].unicode();
            if (c == u'%') {
                starP = ++p;
                starT = t;
                continue;
            }
            if (c == escape && escape && p + 1 < pattern.size()) {
                if (pattern[p + 1] == text[t]) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (c == u'_' || pattern[p] == text[t]) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == u'%')
        ++p;
    return p == pattern.size();
}

QString foldedText(sqlite3_value *value)
{
    const auto *data = static_cast<const QChar *>(sqlite3_value_text16(value));
    const int bytes = sqlite3_value_bytes16(value);
    return QString(data, bytes / 2).toCaseFolded();
}

void sqlLike(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    char16_t escape = 0;
    if (argc == 3) {
        const QString e = foldedText(argv[2]);
        if (e.size() != 1)
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = e.at(0).unicode();
    }
    sqlite3_result_int(context, likeMatches(foldedText(argv[0]), foldedText(argv[1]), escape) ? 1 : 0);
}

// NOCASE as care staff expect it: letter case does not count for umlauts
// either, so the login name "MÜLLER" finds "müller". Only columns declared
// NOCASE compare this way; no index may use it, because other tools order
// with the engine's own NOCASE.
int compareNoCase(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const QString x = QString::fromUtf8(static_cast<const char *>(a), lengthA);
    const QString y = QString::fromUtf8(static_cast<const char *>(b), lengthB);
    return x.compare(y, Qt::CaseInsensitive);
}

sqlite3 *engineHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void installFunctions(const QSqlDatabase &db)
{
    sqlite3 *connection = engineHandle(db);
    if (!connection)
        return;
    for (int args : {2, 3})
        sqlite3_create_function_v2(connection, "like", args, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                   sqlLike, nullptr, nullptr, nullptr);
    sqlite3_create_collation_v2(connection, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr);
}

// Whether only blanks, semicolons and comments are left in the text.
bool onlySeparators(QByteArrayView rest)
{
    qsizetype i = 0;
    while (i < rest.size()) {
        const char c = rest[i];
        if (c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++i;
        } else if (rest.sliced(i).startsWith("--")) {
            const qsizetype end = rest.indexOf('\n', i);
            i = end < 0 ? rest.size() : end + 1;
        } else if (rest.sliced(i).startsWith("/*")) {
            // An unclosed comment runs to the end, as the engine reads it.
            const qsizetype end = rest.indexOf("*/", i + 2);
            i = end < 0 ? rest.size() : end + 2;
        } else {
            return false;
        }
    }
    return true;
}

const QString notCarriedOut = u"Die Datenbank hat die Änderung nicht ausgeführt."_s;

// The German sentence for a failure of the engine while writing, by its
// result code; an empty text for a row refused as a duplicate by a unique key.
QString writeFailure(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (!ok)
        return notCarriedOut;
    // Only the detailed code tells a duplicate from other broken rules; a
    // bare constraint code is taken for the duplicate it usually is.
    if (code == SQLITE_CONSTRAINT || code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
        return {};
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
        return u"Die Datenbank hat den Datensatz abgelehnt, weil er eine Regel der Tabelle verletzt; die Änderung "
               "wurde nicht gespeichert."_s;
    case SQLITE_READONLY:
        return u"Die Datenbank ist schreibgeschützt; die Änderung wurde nicht gespeichert."_s;
    case SQLITE_FULL:
        return u"Der Datenträger der Datenbank ist voll; die Änderung wurde nicht gespeichert."_s;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"Die Datenbank ist gerade von einem anderen Arbeitsplatz gesperrt; die Änderung wurde nicht "
               "gespeichert. Bitte in einem Moment erneut versuchen."_s;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return u"Die Datenbankdatei kann nicht gelesen oder geschrieben werden; die Änderung wurde nicht gespeichert."_s;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return u"Die Datenbankdatei ist beschädigt; die Änderung wurde nicht gespeichert."_s;
    default:
        return notCarriedOut;
    }
}

QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

} // namespace

DbConnection::DbConnection(QObject *parent)
    : QObject(parent), m_connectionName(u"vandrel-%1"_s.arg(connectionCounter.fetchAndAddRelaxed(1)))
{}

DbConnection::~DbConnection()
{
    close();
}

void DbConnection::open(const QString &fileName, OpenMode mode)
{
    close();
    if (fileName.trimmed().isEmpty())
        throw Exception(u"Es wurde keine Datenbankdatei angegeben."_s);

    const QFileInfo info(fileName);
    if (mode == OpenMode::Existing) {
        if (!info.exists() || !info.isFile())
            throw Exception(u"Die Datenbank \"%1\" wurde nicht gefunden."_s.arg(fileName));
        if (info.size() == 0)
            throw Exception(u"Die Datei \"%1\" ist leer und keine Datenbank."_s.arg(fileName));
    } else if (info.exists()) {
        throw Exception(u"Die Datei \"%1\" gibt es schon; sie wird nicht überschrieben."_s.arg(fileName));
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
        // As a URI the file can be opened without being created when it is missing.
        QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded);
        uri += mode == OpenMode::Existing ? u"?mode=rw"_s : u"?mode=rwc"_s;
        db.setDatabaseName(uri);
        db.setConnectOptions(u"QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1"_s.arg(busyTimeoutMs));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw Exception(u"Die Datenbank \"%1\" kann nicht geöffnet werden:\n%2"_s.arg(fileName, reason));
        }
        // Write-ahead logging lets readers go on while another copy writes.
        // It is also the first read of the file, so a file that is no
        // database fails here.
        QSqlQuery pragma(db);
        if (!pragma.exec(u"PRAGMA journal_mode=WAL"_s)) {
            const QString reason = pragma.lastError().text();
            pragma = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throw Exception(u"Die Datei \"%1\" ist keine lesbare Datenbank:\n%2"_s.arg(fileName, reason));
        }
    }
    installFunctions(QSqlDatabase::database(m_connectionName, false));
    m_fileName = fileName;
    m_schemaRead = false;
}

void DbConnection::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    emit aboutToClose();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_fileName.clear();
    m_schemaRead = false;
    m_columnTypes.clear();
    m_primaryKeys.clear();
}

bool DbConnection::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName)
        && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase DbConnection::database() const
{
    if (!isOpen())
        throw Exception(u"Die Datenbankverbindung ist nicht geöffnet."_s);
    return QSqlDatabase::database(m_connectionName, false);
}

QString DbConnection::engineSql(const QString &sql) const
{
    return sql;
}

QVariant DbConnection::engineValue(const QVariant &value) const
{
    return RowBuffer::toStorage(value);
}

void DbConnection::raiseWriteError(const QSqlError &error) const
{
    const QString failure = writeFailure(error);
    if (failure.isEmpty())
        throw DatabaseError(engineText(error));
    throw DatabaseAccessError(failure + u"\n\nMeldung der Datenbank: "_s + engineText(error));
}

void DbConnection::runTransactionStatement(const QString &statement)
{
    QSqlQuery query(database());
    if (!query.exec(statement)) {
        const QSqlError error = query.lastError();
        const QString failure = writeFailure(error);
        throw DatabaseAccessError((failure.isEmpty() ? notCarriedOut : failure)
                                  + u"\n\nMeldung der Datenbank: "_s + engineText(error));
    }
}

void DbConnection::beginTransaction()
{
    // IMMEDIATE takes the write lock at once, so a transaction never has to
    // give up half-way because another copy started writing meanwhile.
    runTransactionStatement(u"BEGIN IMMEDIATE"_s);
}

void DbConnection::commit()
{
    runTransactionStatement(u"COMMIT"_s);
}

void DbConnection::rollback()
{
    runTransactionStatement(u"ROLLBACK"_s);
}

QString DbConnection::singleStatement(const QString &text) const
{
    sqlite3 *connection = engineHandle(database());
    if (!connection)
        return text;
    const QByteArray utf8 = text.toUtf8();
    sqlite3_stmt *statement = nullptr;
    const char *tail = nullptr;
    const int result = sqlite3_prepare_v2(connection, utf8.constData(), int(utf8.size()), &statement, &tail);
    sqlite3_finalize(statement);
    if (result != SQLITE_OK)
        return text;
    if (!statement)
        return {};
    const qsizetype end = tail - utf8.constData();
    if (!onlySeparators(QByteArrayView(utf8).sliced(end)))
        throw Exception(u"Der SQL-Text enthält mehr als einen Befehl. Die Datenbank führt nur einen Befehl auf "
                        "einmal aus; es wurde nichts ausgeführt.\n\nBitte die Befehle einzeln ausführen."_s);
    return QString::fromUtf8(utf8.first(end));
}

void DbConnection::forgetSchema()
{
    m_schemaRead = false;
    m_columnTypes.clear();
    m_primaryKeys.clear();
    emit schemaChanged();
}

void DbConnection::readSchema() const
{
    if (m_schemaRead)
        return;
    const QSqlDatabase db = database();
    QSqlQuery tables(db);
    if (!tables.exec(u"select name from sqlite_master where type = 'table'"_s))
        throw Exception(tables.lastError().text());
    QStringList names;
    while (tables.next())
        names << tables.value(0).toString();
    for (const QString &table : std::as_const(names)) {
        QSqlQuery info(db);
        if (!info.exec(u"PRAGMA table_info(\"%1\")"_s.arg(QString(table).replace(u'"', u"\"\""_s))))
            throw Exception(info.lastError().text());
        QString key;
        int keyColumns = 0;
        while (info.next()) {
            const QString column = info.value(1).toString();
            m_columnTypes.insert(column.toLower(), typeFromDeclaration(info.value(2).toString()));
            if (info.value(5).toInt() > 0) {
                key = column;
                ++keyColumns;
            }
        }
        m_primaryKeys.insert(table.toLower(), keyColumns == 1 ? key : QString());
    }
    m_schemaRead = true;
}

ColumnType DbConnection::columnType(const QString &column) const
{
    readSchema();
    return m_columnTypes.value(column.toLower(), ColumnType::Unknown);
}

QString DbConnection::primaryKey(const QString &table) const
{
    readSchema();
    return m_primaryKeys.value(table.toLower());
}

bool DbConnection::hasTable(const QString &table) const
{
    readSchema();
    return m_primaryKeys.contains(table.toLower());
}
