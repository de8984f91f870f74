#include "dbcommand.h"

#include "exception.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

void DbCommand::execute()
{
    if (!m_connection)
        throw Exception(u"Der Befehl hat keine Datenbankverbindung."_s);
    const QString statement = m_connection->singleStatement(m_text);
    if (statement.trimmed().isEmpty())
        throw Exception(u"Der SQL-Befehl ist leer."_s);
    QSqlQuery query(m_connection->database());
    const bool ok = query.exec(statement);
    const QSqlError error = query.lastError();
    query.finish();
    // A command may have changed tables; column types are read afresh.
    m_connection->forgetSchema();
    if (!ok) {
        const QString text = error.databaseText().trimmed();
        throw Exception(text.isEmpty() ? error.text() : text);
    }
}
