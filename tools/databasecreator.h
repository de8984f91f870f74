#pragma once

#include <QString>

// Creates a new pair of databases in a folder: the care database
// "vandrel.accdb" and the catalogue database "vandrelorg.accdb" beside it,
// with their tables, the program parameters, the organisation row, the
// initial employee and the starter catalogue; with demo set also demo master
// data and a small care plan. Existing files are never overwritten. Raises
// Exception with a German message; on failure no half-written file is left.
class DatabaseCreator
{
public:
    static constexpr auto careFileName = "vandrel.accdb";
    static constexpr auto catalogueFileName = "vandrelorg.accdb";
    static constexpr auto initialLogin = "admin";
    static constexpr auto initialPassword = "vandrel";

    // organisation, when given, is the name printed in every report header.
    void create(const QString &folder, bool demo, const QString &organisation = {});
};
