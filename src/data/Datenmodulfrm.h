#pragma once

#include "dataset.h"

#include <QObject>

class DbConnection;

// The queries that several windows share: program parameters, organisation
// data and single-row look-ups of catalogue formulations and employees.
// Every use closes the query, sets its parameter, opens, reads and closes it.
class TDatenModul : public QObject
{
    Q_OBJECT

public:
    // DB is the care database, ORG_DB the catalogue database.
    TDatenModul(DbConnection *DB, DbConnection *ORG_DB, QObject *parent = nullptr);
    ~TDatenModul() override;

    Dataset *qry_parameter;
    Dataset *qry_organisation;
    Dataset *search_problem;
    Dataset *search_ressource;
    Dataset *search_ziel;
    Dataset *search_massnahme;
    Dataset *search_evaluation;
    Dataset *search_mitarbeiter;
};

// The one live data module of the program; empty while none exists.
extern TDatenModul *DatenModul;
