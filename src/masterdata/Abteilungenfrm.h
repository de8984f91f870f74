#pragma once

#include "Stammfrm.h"

class TAbteilungenForm : public TStammForm
{
    Q_OBJECT

public:
    // DB is the care database; benutzerId tells the logged-in employee.
    TAbteilungenForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent = nullptr);
    ~TAbteilungenForm() override;

    Dataset *const qry_abteilungen = haupt;
    DataSource *const src_abteilungen = src;
    DbLookupCombo *const AbtCombo = Combo;
    QPushButton *const AbtNeuBtn = NeuBtn;
    QPushButton *const AbtSpeicherBtn = SpeicherBtn;
    QPushButton *const AbtCancelBtn = CancelBtn;
    QPushButton *const AbtListeDruckenBtn = ListeDruckenBtn;

protected:
    QString loeschenVerhindert() override;
    TListeDruckForm *listeDruckForm() const override;
};

// The one live departments window; empty while none exists.
extern TAbteilungenForm *AbteilungenForm;
