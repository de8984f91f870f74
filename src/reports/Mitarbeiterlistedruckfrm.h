#pragma once

#include "Listedruckfrm.h"

// The printed list of employees, by department, then name, first name,
// postcode and street. Only employees of an existing department are listed.
class TMitarbeiterListeDruckForm : public TListeDruckForm
{
    Q_OBJECT

public:
    // DB is the care database.
    TMitarbeiterListeDruckForm(DbConnection *DB, QWidget *parent = nullptr);
    ~TMitarbeiterListeDruckForm() override;

    Dataset *qry_mitarbeiter;
};

// The one live employees list; empty while none exists.
extern TMitarbeiterListeDruckForm *MitarbeiterListeDruckForm;
