#include "dialect.h"

#include "exception.h"
#include "rowbuffer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace Dialect {

namespace {

const QString catalogueFile = u"vandrelorg.accdb"_s;
const QString catalogueDatabase = u"vandrelorg"_s;

const QString notCarriedOut = u"Die Datenbank hat die Änderung nicht ausgeführt."_s;
const QString ruleBroken = u"Die Datenbank hat den Datensatz abgelehnt, weil er eine Regel der Tabelle verletzt; die "
                           "Änderung wurde nicht gespeichert."_s;
const QString readOnly = u"Die Datenbank ist schreibgeschützt; die Änderung wurde nicht gespeichert."_s;
const QString diskFull = u"Der Datenträger der Datenbank ist voll; die Änderung wurde nicht gespeichert."_s;
const QString locked = u"Die Datenbank ist gerade von einem anderen Arbeitsplatz gesperrt; die Änderung wurde nicht "
                       "gespeichert. Bitte in einem Moment erneut versuchen."_s;

QString sqliteFailure(const QSqlError &error)
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
        return ruleBroken;
    case SQLITE_READONLY:
        return readOnly;
    case SQLITE_FULL:
        return diskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return locked;
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

// The server names its failures by SQLSTATE: two characters for the class,
// three for the case.
QString serverFailure(const QSqlError &error)
{
    const QString state = error.nativeErrorCode().trimmed();
    if (state == u"23505")
        return {};
    if (state.startsWith(u"23"))
        return ruleBroken;
    // A file takes any length; the server holds a column to its declared one.
    if (state == u"22001")
        return u"Ein Text ist länger, als das Feld der Datenbank erlaubt (höchstens 255 Zeichen); die Änderung "
               "wurde nicht gespeichert.\n\nBitte den Text kürzen."_s;
    if (state == u"25006")
        return readOnly;
    if (state.startsWith(u"53"))
        return diskFull;
    if (state == u"40001" || state == u"40P01" || state == u"55P03")
        return locked;
    if (state == u"42501")
        return u"Der Datenbankbenutzer darf diese Tabelle nicht ändern; die Änderung wurde nicht gespeichert."_s;
    if (state.startsWith(u"08") || state.startsWith(u"57"))
        return u"Die Verbindung zum Datenbankserver ist unterbrochen; die Änderung wurde nicht gespeichert."_s;
    return notCarriedOut;
}

// Calls visit(position, length) for every stretch of a statement that is
// neither a literal, a quoted name nor a comment.
template<typename Visit>
void forEachCodeStretch(const QString &sql, Visit visit)
{
    const qsizetype n = sql.size();
    qsizetype start = 0;
    qsizetype i = 0;
    auto skipTo = [&](qsizetype end) {
        visit(start, i - start);
        i = end;
        start = end;
    };
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            skipTo(std::min(n, j + 1));
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            skipTo(end < 0 ? n : end);
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype end = sql.indexOf(u"*/", i + 2);
            skipTo(end < 0 ? n : end + 2);
        } else {
            ++i;
        }
    }
    visit(start, n - start);
}

} // namespace

bool isServerAddress(const QString &location)
{
    const QString t = location.trimmed();
    return t.startsWith(u"postgresql://", Qt::CaseInsensitive) || t.startsWith(u"postgres://", Qt::CaseInsensitive);
}

QString catalogueLocation(const QString &careLocation)
{
    if (isServerAddress(careLocation))
        return ServerAddress::parse(careLocation).withDatabase(catalogueDatabase);
    // Everything up to and including the last "/" or backslash (a path
    // written on Windows may use either) is the folder; a name without one
    // means the current folder.
    const qsizetype cut = std::max(careLocation.lastIndexOf(u'/'), careLocation.lastIndexOf(u'\\'));
    return careLocation.left(cut + 1) + catalogueFile;
}

ServerAddress ServerAddress::parse(const QString &location)
{
    const QUrl url(location.trimmed(), QUrl::StrictMode);
    const auto unusable = [&](const QString &why) {
        return Exception(u"Die Serveradresse \"%1\" ist nicht verwendbar: %2\n\nBeispiel: "
                         "postgresql://pflege@pflegeserver:5432/vandrel"_s.arg(location, why));
    };
    if (!url.isValid() || !isServerAddress(location))
        throw unusable(u"Sie ist keine PostgreSQL-Adresse."_s);
    if (!url.password().isEmpty())
        throw Exception(u"Die Serveradresse in der INI-Datei enthält ein Kennwort. Kennwörter gehören nicht in "
                        "die INI-Datei, die jeder lesen kann.\n\nBitte das Kennwort aus \"DateiPfadName\" entfernen "
                        "und in die Kennwortdatei von PostgreSQL eintragen (~/.pgpass)."_s);
    ServerAddress address;
    address.location = location.trimmed();
    address.host = url.host();
    address.port = url.port(-1);
    address.user = url.userName();
    address.database = url.path().mid(1);
    if (address.database.isEmpty() || address.database.contains(u'/'))
        throw unusable(u"Nach dem Server muss der Name der Datenbank stehen."_s);
    const QList<std::pair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto &[key, value] : items) {
        if (key.compare(u"password"_s, Qt::CaseInsensitive) == 0)
            throw unusable(u"Kennwörter gehören nicht in die Adresse, sondern in ~/.pgpass."_s);
        address.options << key + u"="_s + value;
    }
    return address;
}

QString ServerAddress::withDatabase(const QString &name) const
{
    QUrl url(location, QUrl::StrictMode);
    url.setPath(u"/"_s + name);
    return url.toString(QUrl::FullyEncoded);
}

QString ServerAddress::server() const
{
    const QString h = host.isEmpty() ? u"localhost"_s : host;
    return port > 0 ? u"%1:%2"_s.arg(h).arg(port) : h;
}

QString writeFailure(Engine engine, const QSqlError &error)
{
    return engine == Engine::SQLite ? sqliteFailure(error) : serverFailure(error);
}

QStringList beginStatements(Engine engine)
{
    if (engine == Engine::SQLite)
        // IMMEDIATE takes the file's write lock at once.
        return {u"BEGIN IMMEDIATE"_s};
    // One lock per database for writing transactions: they read the last
    // position and append after it, so they must not overlap.
    return {u"BEGIN"_s, u"SELECT pg_advisory_xact_lock(2026051401)"_s};
}

QString statement(Engine engine, const QString &sql)
{
    if (engine == Engine::SQLite)
        return sql;
    static const QRegularExpression like(uR"(\blike\b)"_s, QRegularExpression::CaseInsensitiveOption);
    // Literals and comments between the stretches of code stay as written.
    qsizetype code = 0;
    QString rebuilt;
    forEachCodeStretch(sql, [&](qsizetype from, qsizetype length) {
        rebuilt += sql.mid(code, from - code);
        QString part = sql.mid(from, length);
        part.replace(like, u"ILIKE"_s);
        rebuilt += part;
        code = from + length;
    });
    rebuilt += sql.mid(code);
    return rebuilt;
}

QVariant boundValue(Engine engine, const QVariant &value)
{
    // Date-times go as their text on both engines: the server then takes the
    // local time as written, where a date-time would carry a time zone that
    // the column drops. Flags stay flags for the server's boolean columns.
    if (engine == Engine::PostgreSQL && value.typeId() == QMetaType::Bool)
        return value;
    return RowBuffer::toStorage(value);
}

QString schemaStatement(Engine engine, const QString &sql)
{
    if (engine == Engine::SQLite)
        return sql;
    struct Replacement {
        QRegularExpression pattern;
        QString text;
    };
    static const Replacement replacements[] = {
        {QRegularExpression(uR"(\bINTEGER\s+PRIMARY\s+KEY\s+AUTOINCREMENT\b)"_s, QRegularExpression::CaseInsensitiveOption),
         u"INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"_s},
        {QRegularExpression(uR"(\bDATETIME\b)"_s, QRegularExpression::CaseInsensitiveOption), u"TIMESTAMP(0)"_s},
        {QRegularExpression(uR"(\bCOLLATE\s+NOCASE\b)"_s, QRegularExpression::CaseInsensitiveOption),
         u"COLLATE ohne_gross_klein"_s},
        {QRegularExpression(uR"(\bBLOB\b)"_s, QRegularExpression::CaseInsensitiveOption), u"BYTEA"_s},
        {QRegularExpression(uR"(\bREAL\b)"_s, QRegularExpression::CaseInsensitiveOption), u"DOUBLE PRECISION"_s},
    };
    QString result = sql;
    for (const Replacement &r : replacements)
        result.replace(r.pattern, r.text);
    return result;
}

QStringList schemaPreamble(Engine engine)
{
    if (engine == Engine::SQLite)
        return {};
    // Login names compare without letter case, umlauts included, as on SQLite.
    return {u"CREATE COLLATION ohne_gross_klein (provider = icu, locale = 'und-u-ks-level2', deterministic = false)"_s};
}

QString singleServerStatement(const QString &text)
{
    QString first;
    QString rest;
    bool past = false;
    qsizetype last = 0;
    // Literals and comments are taken along as they are; only a ";" in code
    // ends the statement. Dollar quotes are treated as code here, so a
    // function body with ";" is refused rather than cut in two.
    forEachCodeStretch(text, [&](qsizetype from, qsizetype length) {
        const QString between = text.mid(last, from - last);
        (past ? rest : first) += between;
        const QString code = text.mid(from, length);
        if (!past) {
            const qsizetype semicolon = code.indexOf(u';');
            if (semicolon >= 0) {
                first += code.left(semicolon);
                rest += code.mid(semicolon);
                past = true;
            } else {
                first += code;
            }
        } else {
            rest += code;
        }
        last = from + length;
    });
    // Only separators and comments may follow.
    QString restCode;
    forEachCodeStretch(rest, [&](qsizetype from, qsizetype length) { restCode += rest.mid(from, length); });
    for (const QChar c : std::as_const(restCode))
        if (c != u';' && !c.isSpace())
            throw Exception(u"Der SQL-Text enthält mehr als einen Befehl. Die Datenbank führt nur einen Befehl auf "
                            "einmal aus; es wurde nichts ausgeführt.\n\nBitte die Befehle einzeln ausführen."_s);
    // A comment before the statement is a comment of the text, not a statement.
    QString firstCode;
    forEachCodeStretch(first, [&](qsizetype from, qsizetype length) { firstCode += first.mid(from, length); });
    if (firstCode.trimmed().isEmpty() && !first.contains(u'\'') && !first.contains(u'"'))
        return {};
    return first.trimmed();
}

ColumnType columnTypeOf(const QString &declared)
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
    if (t.contains(u"BLOB") || t.contains(u"BYTEA"))
        return ColumnType::Blob;
    return ColumnType::Unknown;
}

} // namespace Dialect
