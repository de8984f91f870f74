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

// Raised only when the database refuses to store a row (a duplicate, a locked
// file, a violated constraint); the message is the engine's own text. The
// windows that add care-plan entries report exactly this kind as a duplicate.
class DatabaseError : public Exception
{
public:
    using Exception::Exception;
};
