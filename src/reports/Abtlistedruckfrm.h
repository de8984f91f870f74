#pragma once

#include "Listedruckfrm.h"

// The printed list of departments, ordered by name, postcode and street.
class TAbtListeDruckForm : public TListeDruckForm
{
    Q_OBJECT

public:
    // DB is the care database.
    TAbtListeDruckForm(DbConnection *DB, QWidget *parent = nullptr);
    ~TAbtListeDruckForm() override;

    Dataset *qry_abteilungen;
};

// The one live departments list; empty while none exists.
extern TAbtListeDruckForm *AbtListeDruckForm;
