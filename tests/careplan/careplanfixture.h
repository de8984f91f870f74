#pragma once

#include "Datenmodulfrm.h"
#include "testdatabases.h"

// The small catalogue and care database of the care-planning tests, with the
// data module on them.
struct CarePlanFixture
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;

    CarePlanFixture()
    {
        TestDatabases::runFile(*db.catalogue, QStringLiteral(VANDREL_FIXTURES "/katalog.sql"));
        TestDatabases::runFile(*db.care, QStringLiteral(VANDREL_FIXTURES "/pflege.sql"));
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
    }
};
