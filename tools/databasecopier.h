#pragma once

#include <QList>
#include <QString>

// Moves a whole care organisation, both databases, from one place to another:
// SQLite files to a PostgreSQL server and back. The care database is named as
// in "vandrel.ini" (a file or a server address); its catalogue goes along as
// the program finds it. The target gets its tables from the program's schema
// and every row with its key; new keys follow the highest one given out.
// A target that already holds data is refused. Raises Exception with a German
// message; on failure no half-written target is left.
class DatabaseCopier
{
public:
    struct TableCount {
        QString database;   // the care or catalogue database
        QString table;
        qint64 rows = 0;
    };

    // The row count of every table, each counted again in the target and
    // found equal to the source.
    QList<TableCount> copy(const QString &from, const QString &to);
};
