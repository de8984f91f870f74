#pragma once

#include "Stammfrm.h"

class DbCheckBox;

// The declared fields of a doctors query, in list order: every column of
// tbl_aerzte_stamm the program knows, with the doctors list's titles and widths.
QList<FieldDef> AerzteFelder();

// The doctors window. After a doctor is stored, the doctor lists of an open
// care-planning window and an open clients window are read anew, so they
// offer the doctor as now stored.
class TAerzteStammForm : public TStammForm
{
    Q_OBJECT

public:
    // DB is the care database; benutzerId tells the logged-in employee.
    TAerzteStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent = nullptr);
    ~TAerzteStammForm() override;

    Dataset *const qry_aerzte = haupt;
    DataSource *const src_aerzte = src;
    DbLookupCombo *const ArztCombo = Combo;
    QPushButton *const ArztNeuBtn = NeuBtn;
    QPushButton *const ArztSpeicherBtn = SpeicherBtn;
    QPushButton *const ArztCancelBtn = CancelBtn;
    QPushButton *const AerzteListeDruckenBtn = ListeDruckenBtn;
    DbCheckBox *BestPerEmailCheckBox = nullptr;

protected:
    void gespeichert() override;
    QString loeschenVerhindert() override;
    TListeDruckForm *listeDruckForm() const override;
};

// The one live doctors window; empty while none exists.
extern TAerzteStammForm *AerzteStammForm;
