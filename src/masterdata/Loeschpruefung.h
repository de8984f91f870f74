#pragma once

#include <QString>

#include <initializer_list>

class DbConnection;

// Counting what still refers to a record before it may be deleted, and
// saying so in a sentence.
namespace Loeschpruefung {

// The count a statement "select count(*) as anzahl ... = :id" gives for id.
qint64 anzahl(DbConnection *DB, const QString &sql, qint64 id);

struct Posten
{
    qint64 anzahl;
    QString einzahl;
    QString mehrzahl;
};
// "3 Klienten und 1 Mitarbeiter": the counts that are not 0, joined.
QString aufzaehlung(std::initializer_list<Posten> posten);

} // namespace Loeschpruefung
