#include "dbconnection.h"

#include "exception.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/vfs.h>

using namespace Qt::StringLiterals;

namespace {

QAtomicInt connectionCounter;

// Writers of other copies of the program hold the file only for the moment
// of one statement; a waiting writer gives up only after this long.
constexpr int busyTimeoutMs = 15000;

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

QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}


// The server's own name for the connection's login, so the driver never
// prompts and libpq finds the password in ~/.pgpass or PGPASSFILE.
void configure(QSqlDatabase &db, const Dialect::ServerAddress &address, const QString &database)
{
    db.setHostName(address.host);
    if (address.port > 0)
        db.setPort(address.port);
    db.setUserName(address.user);
    db.setDatabaseName(database);
    QStringList options = address.options;
    options << u"connect_timeout=15"_s;
    db.setConnectOptions(options.join(u';'));
}

// Asks the server once more, through libpq itself, whether a password was
// missing or refused: the driver's message does not tell it in any language.
QString refusedConnection(const Dialect::ServerAddress &address, const QString &database, const QString &reason)
{
    QByteArrayList keys{"host", "port", "user", "dbname", "connect_timeout"};
    QByteArrayList values{address.host.toUtf8(), address.port > 0 ? QByteArray::number(address.port) : QByteArray(),
                          address.user.toUtf8(), database.toUtf8(), "15"};
    for (const QString &option : address.options) {
        const qsizetype eq = option.indexOf(u'=');
        keys << option.left(eq).toUtf8();
        values << option.mid(eq + 1).toUtf8();
    }
    std::vector<const char *> k, v;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (values.at(i).isEmpty())
            continue;
        k.push_back(keys.at(i).constData());
        v.push_back(values.at(i).constData());
    }
    k.push_back(nullptr);
    v.push_back(nullptr);
    PGconn *probe = PQconnectdbParams(k.data(), v.data(), 0);
    const bool password = PQstatus(probe) != CONNECTION_OK
        && (PQconnectionNeedsPassword(probe) || PQconnectionUsedPassword(probe));
    const QString serverText = QString::fromUtf8(PQerrorMessage(probe)).trimmed();
    PQfinish(probe);
    QString message = u"Die Datenbank \"%1\" auf dem Server %2 kann nicht geöffnet werden:\n%3"_s.arg(
        database, address.server(), serverText.isEmpty() ? reason : serverText);
    if (password)
        message += u"\n\nDer Server hat die Anmeldung als \"%1\" abgelehnt: Das Kennwort fehlt oder ist falsch. Das "
                   "Kennwort steht nie in der INI-Datei, sondern in der Kennwortdatei von PostgreSQL: ~/.pgpass im "
                   "Home-Ordner (oder die Datei, die die Umgebungsvariable PGPASSFILE nennt), eine Zeile "
                   "server:port:datenbank:benutzer:kennwort, nur für den eigenen Benutzer lesbar (chmod 600 "
                   "~/.pgpass)."_s.arg(address.user);
    return message;
}

QString quotedName(const QString &name)
{
    return u"\""_s + QString(name).replace(u'"', u"\"\""_s) + u"\""_s;
}

// A short connection to the server's maintenance database, for creating and
// removing databases.
class MaintenanceConnection
{
public:
    explicit MaintenanceConnection(const Dialect::ServerAddress &address)
        : m_name(u"vandrel-wartung-%1"_s.arg(connectionCounter.fetchAndAddRelaxed(1)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_name);
        configure(db, address, u"postgres"_s);
        if (!db.open()) {
            const QString reason = engineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw Exception(refusedConnection(address, u"postgres"_s, reason));
        }
    }
    ~MaintenanceConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    MaintenanceConnection(const MaintenanceConnection &) = delete;
    MaintenanceConnection &operator=(const MaintenanceConnection &) = delete;

    bool exists(const QString &database) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        query.prepare(u"select 1 from pg_database where datname = ?"_s);
        query.addBindValue(database);
        if (!query.exec())
            throw Exception(engineText(query.lastError()));
        return query.next();
    }
    void run(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(sql))
            throw Exception(engineText(query.lastError()));
    }

private:
    QString m_name;
};

// A new care or catalogue database on the server: texts in German order, by
// ICU's German rules, whatever the server's own language is.
bool createServerDatabase(const Dialect::ServerAddress &address)
{
    MaintenanceConnection server(address);
    if (server.exists(address.database))
        return false;
    try {
        server.run(u"CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8' LOCALE_PROVIDER icu ICU_LOCALE 'de-DE' "
                   "LOCALE 'C.UTF-8'"_s.arg(quotedName(address.database)));
    } catch (const Exception &e) {
        throw Exception(u"Die Datenbank \"%1\" kann auf dem Server %2 nicht angelegt werden:\n%3\n\nDer "
                        "Datenbankbenutzer braucht dafür das Recht CREATEDB, oder ein Verwalter legt die leere "
                        "Datenbank vorher an."_s.arg(address.database, address.server(), e.message()));
    }
    return true;
}

QString (*fileSystemProbe)(const QString &) = nullptr;

} // namespace

DbConnection::DbConnection(QObject *parent)
    : QObject(parent), m_connectionName(u"vandrel-%1"_s.arg(connectionCounter.fetchAndAddRelaxed(1)))
{}

DbConnection::~DbConnection()
{
    close();
}

void DbConnection::open(const QString &location, OpenMode mode)
{
    close();
    if (location.trimmed().isEmpty())
        throw Exception(u"Es wurde keine Datenbankdatei angegeben."_s);
    if (Dialect::isServerAddress(location))
        openServer(location, mode);
    else
        openFile(location, mode);
    m_fileName = location;
    m_schemaRead = false;
}

void DbConnection::openFile(const QString &fileName, OpenMode mode)
{
    const QFileInfo info(fileName);
    if (mode == OpenMode::Existing) {
        if (!info.exists() || !info.isFile())
            throw Exception(u"Die Datenbank \"%1\" wurde nicht gefunden."_s.arg(fileName));
        if (info.size() == 0)
            throw Exception(u"Die Datei \"%1\" ist leer und keine Datenbank."_s.arg(fileName));
    } else if (info.exists()) {
        throw Exception(u"Die Datei \"%1\" gibt es schon; sie wird nicht überschrieben."_s.arg(fileName));
    }
    m_engine = Dialect::Engine::SQLite;
    m_createdDatabase = false;
    m_onNetworkShare = !networkFileSystem(info.absolutePath()).isEmpty();
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
            removeConnection();
            throw Exception(u"Die Datenbank \"%1\" kann nicht geöffnet werden:\n%2"_s.arg(fileName, reason));
        }
        // Write-ahead logging lets readers go on while another copy writes,
        // but only on one computer: its shared memory does not travel over a
        // network share, where the rollback journal locks through the file
        // server instead. The pragma is also the first read of the file, so
        // a file that is no database fails here.
        QSqlQuery pragma(db);
        if (!pragma.exec(m_onNetworkShare ? u"PRAGMA journal_mode=DELETE"_s : u"PRAGMA journal_mode=WAL"_s)) {
            const QString reason = pragma.lastError().text();
            pragma = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            removeConnection();
            throw Exception(u"Die Datei \"%1\" ist keine lesbare Datenbank:\n%2"_s.arg(fileName, reason));
        }
    }
    installFunctions(QSqlDatabase::database(m_connectionName, false));
    m_createdDatabase = mode == OpenMode::CreateNew;
}

void DbConnection::openServer(const QString &location, OpenMode mode)
{
    const Dialect::ServerAddress address = Dialect::ServerAddress::parse(location);
    m_engine = Dialect::Engine::PostgreSQL;
    m_onNetworkShare = false;
    m_createdDatabase = mode == OpenMode::CreateNew && createServerDatabase(address);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_connectionName);
        configure(db, address, address.database);
        if (!db.open()) {
            const QString reason = engineText(db.lastError());
            db = QSqlDatabase();
            removeConnection();
            throw Exception(refusedConnection(address, address.database, reason));
        }
        // Notices of the server (e.g. about the lock function) are no news to anyone.
        QSqlQuery quiet(db);
        quiet.exec(u"SET client_min_messages = warning"_s);
    }
    if (mode == OpenMode::CreateNew) {
        m_fileName = location;
        readServerSchema();
        const bool empty = m_primaryKeys.isEmpty();
        m_schemaRead = false;
        m_primaryKeys.clear();
        m_columnTypes.clear();
        if (!empty) {
            removeConnection();
            throw Exception(u"Die Datenbank \"%1\" auf dem Server %2 enthält schon Tabellen; sie wird nicht "
                            "überschrieben."_s.arg(address.database, address.server()));
        }
    }
}

void DbConnection::removeConnection()
{
    QSqlDatabase::removeDatabase(m_connectionName);
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
    removeConnection();
    m_fileName.clear();
    m_onNetworkShare = false;
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
    return Dialect::statement(m_engine, sql);
}

QVariant DbConnection::engineValue(const QVariant &value) const
{
    return Dialect::boundValue(m_engine, value);
}

QString DbConnection::networkFileSystem(const QString &folder)
{
    if (fileSystemProbe)
        return fileSystemProbe(folder);
    struct statfs info {};
    if (statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969ul:       // NFS
        return u"NFS"_s;
    case 0x517Bul:       // SMB
    case 0xFF534D42ul:   // CIFS
    case 0xFE534D42ul:   // SMB2
        return u"SMB/CIFS"_s;
    default:
        return {};
    }
}

void DbConnection::setFileSystemProbe(QString (*probe)(const QString &))
{
    fileSystemProbe = probe;
}

void DbConnection::dropServerDatabase(const QString &location)
{
    const Dialect::ServerAddress address = Dialect::ServerAddress::parse(location);
    MaintenanceConnection server(address);
    if (server.exists(address.database))
        server.run(u"DROP DATABASE %1"_s.arg(quotedName(address.database)));
}

void DbConnection::raiseWriteError(const QSqlError &error) const
{
    const QString failure = Dialect::writeFailure(m_engine, error);
    if (failure.isEmpty())
        throw DatabaseError(engineText(error));
    throw DatabaseAccessError(failure + u"\n\nMeldung der Datenbank: "_s + engineText(error));
}

void DbConnection::runTransactionStatement(const QString &statement)
{
    QSqlQuery query(database());
    if (!query.exec(statement)) {
        const QSqlError error = query.lastError();
        const QString failure = Dialect::writeFailure(m_engine, error);
        throw DatabaseAccessError((failure.isEmpty() ? u"Die Datenbank hat die Änderung nicht ausgeführt."_s : failure)
                                  + u"\n\nMeldung der Datenbank: "_s + engineText(error));
    }
}

void DbConnection::beginTransaction()
{
    const QStringList statements = Dialect::beginStatements(m_engine);
    runTransactionStatement(statements.first());
    try {
        for (qsizetype i = 1; i < statements.size(); ++i)
            runTransactionStatement(statements.at(i));
    } catch (const Exception &) {
        runTransactionStatement(u"ROLLBACK"_s);
        throw;
    }
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
    if (m_engine == Dialect::Engine::PostgreSQL)
        return Dialect::singleServerStatement(text);
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
    if (m_engine == Dialect::Engine::PostgreSQL) {
        readServerSchema();
        m_schemaRead = true;
        return;
    }
    const QSqlDatabase db = database();
    QSqlQuery tables(db);
    if (!tables.exec(u"select name from sqlite_master where type = 'table' and substr(name, 1, 7) <> 'sqlite_'"_s))
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
            m_columnTypes.insert(column.toLower(), Dialect::columnTypeOf(info.value(2).toString()));
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

void DbConnection::readServerSchema() const
{
    const QSqlDatabase db = database();
    QSqlQuery columns(db);
    if (!columns.exec(u"select table_name, column_name, data_type from information_schema.columns "
                      "where table_schema = current_schema()"_s))
        throw Exception(engineText(columns.lastError()));
    while (columns.next()) {
        m_columnTypes.insert(columns.value(1).toString().toLower(), Dialect::columnTypeOf(columns.value(2).toString()));
        m_primaryKeys.insert(columns.value(0).toString().toLower(), QString());
    }
    QSqlQuery keys(db);
    if (!keys.exec(u"select tc.table_name, min(kcu.column_name), count(*) "
                   "from information_schema.table_constraints tc "
                   "join information_schema.key_column_usage kcu on kcu.constraint_name = tc.constraint_name "
                   "and kcu.table_schema = tc.table_schema "
                   "where tc.constraint_type = 'PRIMARY KEY' and tc.table_schema = current_schema() "
                   "group by tc.table_name"_s))
        throw Exception(engineText(keys.lastError()));
    while (keys.next())
        m_primaryKeys.insert(keys.value(0).toString().toLower(),
                             keys.value(2).toInt() == 1 ? keys.value(1).toString() : QString());
}

QStringList DbConnection::tables() const
{
    readSchema();
    QStringList names = m_primaryKeys.keys();
    names.sort();
    return names;
}

qint64 DbConnection::keyCounter(const QString &table) const
{
    const QString key = primaryKey(table);
    QString sql;
    if (m_engine == Dialect::Engine::SQLite) {
        sql = u"select max(coalesce((select seq from sqlite_sequence where name = '%1'), 0), "
              "coalesce((select max(%2) from %1), 0))"_s.arg(table, key);
    } else {
        // The sequence is named by a function; its name is read first.
        QSqlQuery name(database());
        if (!name.exec(u"select pg_get_serial_sequence('%1', '%2')"_s.arg(table, key)) || !name.next())
            throw Exception(engineText(name.lastError()));
        sql = u"select greatest(coalesce((select max(%2) from %1), 0), (select case when is_called then "
              "last_value else 0 end from %3))"_s.arg(table, key, name.value(0).toString());
    }
    QSqlQuery query(database());
    if (!query.exec(sql))
        throw Exception(engineText(query.lastError()));
    return query.next() ? query.value(0).toLongLong() : 0;
}

void DbConnection::setKeyCounter(const QString &table, qint64 highest)
{
    const QString key = primaryKey(table);
    QSqlQuery query(database());
    QStringList statements;
    if (m_engine == Dialect::Engine::SQLite) {
        statements << u"insert into sqlite_sequence (name, seq) select '%1', 0 where not exists "
                      "(select 1 from sqlite_sequence where name = '%1')"_s.arg(table)
                   << u"update sqlite_sequence set seq = max(seq, %2) where name = '%1'"_s.arg(table).arg(highest);
    } else {
        statements << u"select setval(pg_get_serial_sequence('%1', '%2'), greatest(%3, coalesce((select max(%2) "
                      "from %1), 0), 1), greatest(%3, coalesce((select max(%2) from %1), 0)) > 0)"_s
                          .arg(table, key)
                          .arg(highest);
    }
    for (const QString &statement : std::as_const(statements))
        if (!query.exec(statement))
            raiseWriteError(query.lastError());
}
