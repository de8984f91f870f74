#pragma once

#include "dbconnection.h"

#include <QString>

// Runs one SQL text on a connection as one command. Any result it returns is
// released unread. Raises Exception with the engine's message on failure, and
// without running anything when the text is empty or holds several statements.
class DbCommand
{
public:
    explicit DbCommand(DbConnection *connection = nullptr) : m_connection(connection) {}

    void setConnection(DbConnection *connection) { m_connection = connection; }
    void setText(const QString &text) { m_text = text; }
    QString text() const { return m_text; }

    void execute();

private:
    DbConnection *m_connection;
    QString m_text;
};
