#pragma once

#include "Listedruckfrm.h"

// The printed list of doctors, by name, first name, postcode and street.
class TAerzteListeDruckForm : public TListeDruckForm
{
    Q_OBJECT

public:
    // DB is the care database.
    TAerzteListeDruckForm(DbConnection *DB, QWidget *parent = nullptr);
    ~TAerzteListeDruckForm() override;

    Dataset *qry_aerzte;
};

// The one live doctors list; empty while none exists.
extern TAerzteListeDruckForm *AerzteListeDruckForm;
