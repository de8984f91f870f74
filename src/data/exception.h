#pragma once

#include <QString>

#include <exception>

// The program's exception kind: every failure carries a message text that the
// standard exception dialog shows as it stands.
class Exception : public std::exception
{
public:
    explicit Exception(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Raised when the database refuses to store a row because it breaks a rule
// of its table, above all a unique key: the row is a duplicate. The message
// is the engine's own text. The windows that add care-plan entries report
// exactly this kind as a duplicate.
class DatabaseError : public Exception
{
public:
    using Exception::Exception;
};

// Raised when a row cannot be stored or deleted for any other reason: the
// file is read-only, the disk is full, another workstation holds the lock,
// the row was deleted meanwhile. The message says so in a German sentence
// with the engine's own text.
class DatabaseAccessError : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};
