#pragma once

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The declared kind of a column, as far as the program needs to tell values apart.
enum class ColumnType { Unknown, Integer, Real, Text, DateTime, Boolean, Blob };

// One database file opened through QtSql. Several copies of the program may
// work on the same file at once: writers wait for each other instead of failing.
// Everything that depends on the database engine stays inside this class.
class DbConnection : public QObject
{
    Q_OBJECT

public:
    enum class OpenMode {
        Existing,   // the file must exist and be a database; nothing is created
        CreateNew   // the file must not exist; an empty database is created
    };

    explicit DbConnection(QObject *parent = nullptr);
    ~DbConnection() override;

    // Opens the database file fileName. Raises Exception with a German message
    // when the file is missing (Existing), already present (CreateNew), empty,
    // or not a database.
    void open(const QString &fileName, OpenMode mode = OpenMode::Existing);
    void close();
    bool isOpen() const;
    QString fileName() const { return m_fileName; }

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
    void runTransactionStatement(const QString &statement);

    QString m_connectionName;
    QString m_fileName;
    mutable bool m_schemaRead = false;
    mutable QHash<QString, ColumnType> m_columnTypes;
    mutable QHash<QString, QString> m_primaryKeys;
};
