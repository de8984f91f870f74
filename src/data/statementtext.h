#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a dataset reads from the text of its statement: the parameters to
// bind, whether it selects one table whole (so that its rows can be written
// back), and the order it asks for.
namespace StatementText {

struct OrderTerm {
    QString column;
    bool descending = false;
};

// The named parameters (":name", returned without the colon), in order of
// first appearance and each once; names inside quotes do not count.
QStringList placeholders(const QString &sql);

// The table of a statement that selects all columns of exactly one table
// ("select * from TABLE" with at most a where and an order by), or an empty
// text.
QString singleTable(const QString &sql);

// The terms of the statement's closing "order by" when each is a plain column
// name, optionally followed by ASC or DESC; otherwise none.
QList<OrderTerm> orderBy(const QString &sql);

} // namespace StatementText
