#pragma once

#include "Listedruckfrm.h"

// The printed list of clients, by department, name and first name, with the
// family doctor. Only clients with an existing department and an existing
// family doctor are listed.
class TKlientenListeDruckForm : public TListeDruckForm
{
    Q_OBJECT

public:
    // DB is the care database.
    TKlientenListeDruckForm(DbConnection *DB, QWidget *parent = nullptr);
    ~TKlientenListeDruckForm() override;

    Dataset *qry_klienten;

    // The current client's family doctor: title, name and first name, as
    // "Dr. med. Albrecht, Friedrich" (a leading blank when he has no title).
    QString Hausarzt() const;
};

// The one live clients list; empty while none exists.
extern TKlientenListeDruckForm *KlientenListeDruckForm;
