#pragma once

#include <QString>

class DbConnection;

// Creates a new pair of databases: in a folder the care database
// "vandrel.accdb" and the catalogue database "vandrelorg.accdb" beside it, or
// for a server address the care database it names and the catalogue database
// "vandrelorg" on the same server. They get their tables, the program
// parameters, the organisation row, the initial employee and the starter
// catalogue; with demo set also demo master data and a small care plan.
// Existing files and server databases with tables are never overwritten.
// Raises Exception with a German message; on failure no half-written file
// or database is left.
class DatabaseCreator
{
public:
    static constexpr auto careFileName = "vandrel.accdb";
    static constexpr auto catalogueFileName = "vandrelorg.accdb";
    static constexpr auto initialLogin = "admin";
    static constexpr auto initialPassword = "vandrel";

    // organisation, when given, is the name printed in every report header.
    void create(const QString &location, bool demo, const QString &organisation = {});

    // The care database a folder or server address names.
    static QString careLocation(const QString &location);

    // The tables of a new, empty pair of databases, without any rows.
    static void createSchema(DbConnection &care, DbConnection &catalogue);

    // Closes a database that a failed creation opened with CreateNew and
    // removes it: its files, or the server database if it was created.
    static void discard(DbConnection &connection, const QString &location);
};
