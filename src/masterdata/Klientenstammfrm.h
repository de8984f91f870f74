#pragma once

#include "Stammfrm.h"

// The clients master window: a client's personal data, the department that
// cares for the client and the family doctor, both chosen from boxes and
// shown by name in the list.
class TKlientenStammForm : public TStammForm
{
    Q_OBJECT

public:
    // DB is the care database; benutzerId tells the logged-in employee.
    TKlientenStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent = nullptr);
    ~TKlientenStammForm() override;

    Dataset *const qry_klienten = haupt;
    DataSource *const src_klienten = src;
    DbLookupCombo *const KlientCombo = Combo;
    QPushButton *const KlientNeuBtn = NeuBtn;
    QPushButton *const KlientSpeicherBtn = SpeicherBtn;
    QPushButton *const KlientCancelBtn = CancelBtn;
    QPushButton *const KlientenListeDruckenBtn = ListeDruckenBtn;

    // The departments and doctors the two boxes offer.
    Dataset *qry_abteilungen;
    Dataset *qry_aerzte;
    Dataset *search_abteilungen;
    Dataset *search_aerzte;
    DbLookupCombo *AbtEditCombo = nullptr;
    DbLookupCombo *DBLookupComboBox1 = nullptr;

    // The department's name, or empty when the id names none.
    QString qry_klientenklient_abtGetText(const QVariant &value);
    // The family doctor as "Titel Name, Vorname" (a leading blank when he has
    // no title), or empty when the id names none.
    QString qry_klientenklient_hausarztGetText(const QVariant &value);

protected:
    QString loeschenVerhindert() override;
    TListeDruckForm *listeDruckForm() const override;
};

// The one live clients master window; empty while none exists.
extern TKlientenStammForm *KlientenStammForm;
