#pragma once

class DbConnection;

// Brings a care database written by an earlier version up to what this
// version expects: login names that compare without regard to letter case.
// Runs in one transaction; a database that cannot be changed (read-only,
// locked) is left as it is and the program works on with it.
void PflegedatenbankAktualisieren(DbConnection &DB);
