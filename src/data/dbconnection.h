#pragma once

#include "columntype.h"
#include "dialect.h"

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// One database opened through QtSql: a file, or a database on a PostgreSQL
// server when it is named by a server address ("postgresql://…"). Several
// copies of the program may work on the same database at once: writers wait
// for each other instead of failing. Everything that depends on the database
// engine stays inside this class and the dialect.
class DbConnection : public QObject
{
    Q_OBJECT

public:
    enum class OpenMode {
        Existing,   // the database must exist; nothing is created
        CreateNew   // a new, empty database: a file that must not exist yet, or a
                    // server database that is created or has no tables yet
    };

    explicit DbConnection(QObject *parent = nullptr);
    ~DbConnection() override;

    // Opens the database at location, a file name or a server address.
    // Raises Exception with a German message when the file is missing
    // (Existing), already present (CreateNew), empty, or not a database, and
    // when the server refuses the connection (with where the password goes).
    void open(const QString &location, OpenMode mode = OpenMode::Existing);
    void close();
    bool isOpen() const;
    QString fileName() const { return m_fileName; }
    Dialect::Engine engine() const { return m_engine; }
    // Whether the file lies on a network file system (NFS, SMB/CIFS); it is
    // then opened with the rollback journal, which locks through the server.
    bool onNetworkShare() const { return m_onNetworkShare; }

    // The kind of network file system a folder lies on ("NFS", "SMB/CIFS"),
    // or an empty text for a local one.
    static QString networkFileSystem(const QString &folder);
    // Tests stand in for the file system of a folder.
    static void setFileSystemProbe(QString (*probe)(const QString &folder));

    // Removes a server database that CreateNew created, after a failed
    // creation; other databases are refused.
    static void dropServerDatabase(const QString &location);

    // Raises the exception for a row the engine did not store or delete:
    // DatabaseError when the row breaks a rule of its table (a unique key),
    // DatabaseAccessError with a German sentence for every other failure
    // (read-only file, full disk, lock held by another workstation, ...).
    [[noreturn]] void raiseWriteError(const QSqlError &error) const;

    // Transactions; each raises DatabaseAccessError with the engine's message
    // on failure.
    void beginTransaction();
    void commit();
    void rollback();

    // The QtSql handle for the data-access objects of this layer.
    QSqlDatabase database() const;

    // A statement of the program as this engine runs it, so that it behaves
    // alike on every engine ("like" ignores letter case).
    QString engineSql(const QString &sql) const;
    // Whether a dataset's statement may hand over its rows one by one while
    // they are read (forward only). The server's driver then holds the
    // connection until the last row, and any other statement run meanwhile,
    // even a look at the schema, would cut the rows off; there the whole
    // result comes at once.
    bool streamsRows() const { return m_engine == Dialect::Engine::SQLite; }
    // Whether rows whose texts file alike come in the order of their exact
    // letters, as a file orders them; the server orders them by its
    // language's rules instead.
    bool ordersTiesByExactText() const { return m_engine == Dialect::Engine::SQLite; }
    // A value as it is handed to this engine for a parameter or column.
    QVariant engineValue(const QVariant &value) const;

    // The declared type of a column, found by its name without regard to
    // letter case. Column names carry their table's prefix and are unique in
    // a database, so the name alone identifies the column.
    ColumnType columnType(const QString &column) const;
    // The primary-key column of a table, or an empty text when it has none.
    QString primaryKey(const QString &table) const;
    // Whether a table of that name exists (letter case ignored).
    bool hasTable(const QString &table) const;
    // The tables of the database, in lower case, sorted.
    QStringList tables() const;
    // The highest key a table has given out so far (also of rows deleted
    // since), and setting it after rows were written with their own keys:
    // new rows then get keys past it.
    qint64 keyCounter(const QString &table) const;
    void setKeyCounter(const QString &table, qint64 highest);
    // Whether open(…, CreateNew) created the file or server database (and a
    // failed creation may therefore remove it again).
    bool createdDatabase() const { return m_createdDatabase; }
    // The one statement of text, without the blanks, semicolons and comments
    // that may follow it; an empty text when text holds no statement. Raises
    // Exception with a German message when a further statement follows, as
    // the engine runs only one per command. A first statement the engine
    // cannot read is returned as it is, for the engine to report when run.
    QString singleStatement(const QString &text) const;
    // Forgets what was read of the tables, after a script may have changed them.
    void forgetSchema();

signals:
    // The connection closes now; statements prepared on it must be released.
    void aboutToClose();
    // A command may have changed tables; prepared statements are made anew.
    void schemaChanged();

private:
    void readSchema() const;
    void readServerSchema() const;
    void runTransactionStatement(const QString &statement);
    void openFile(const QString &fileName, OpenMode mode);
    void openServer(const QString &address, OpenMode mode);
    void removeConnection();

    QString m_connectionName;
    QString m_fileName;
    Dialect::Engine m_engine = Dialect::Engine::SQLite;
    bool m_onNetworkShare = false;
    bool m_createdDatabase = false;
    mutable bool m_schemaRead = false;
    mutable QHash<QString, ColumnType> m_columnTypes;
    mutable QHash<QString, QString> m_primaryKeys;
};
