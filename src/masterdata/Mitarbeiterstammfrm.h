#pragma once

#include "Stammfrm.h"

class QLineEdit;

// The employees, who are also the program's users. Before a record is stored
// the seven mandatory fields must be filled, the password repeat must fit the
// password and the login name must be free. Passwords are stored as hashes
// and never shown: the password field shows a fixed mask for a stored one.
class TMitarbeiterStammForm : public TStammForm
{
    Q_OBJECT

public:
    // DB is the care database; benutzerId tells the logged-in employee.
    TMitarbeiterStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent = nullptr);
    ~TMitarbeiterStammForm() override;

    Dataset *const qry_mitarbeiter = haupt;
    DataSource *const src_mitarbeiter = src;
    Dataset *qry_abteilungen;
    DataSource *src_abteilungen;
    Dataset *search_abteilungen;
    DbLookupCombo *const MaCombo = Combo;
    QPushButton *const MaNeuBtn = NeuBtn;
    QPushButton *const MaSpeicherBtn = SpeicherBtn;
    QPushButton *const MaCancelBtn = CancelBtn;
    QPushButton *const MitarbeiterListeDruckenBtn = ListeDruckenBtn;
    QWidget *const DetailSheet = DetailsSheet;

    DbEdit *AnredeEdit;
    DbEdit *NameEdit;
    DbEdit *VornameEdit;
    DbEdit *ProgNameEdit;
    // Not bound: shows a mask for a stored password, or what is typed anew.
    QLineEdit *KennwortEdit;
    // Not bound: belongs to the window and keeps its text across records.
    QLineEdit *WiederholungEdit;
    DbEdit *HdzEdit;
    DbLookupCombo *AbteilungenCombo;

    // Typing the repeat puts the employee into editing.
    void WiederholungEditChange();
    // The department's name, or the id's own digits when none has it.
    QString qry_mitarbeiterma_abtGetText(const QVariant &value);

protected:
    // The mandatory fields, the password repeat and the free login name; a
    // newly typed password is put into the record as its hash.
    bool speichernErlaubt() override;
    // The logged-in employee stays.
    QString loeschenVerhindert() override;
    TListeDruckForm *listeDruckForm() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void KennwortEditChange();
    // Shows the mask or nothing; forget drops a newly typed password.
    void kennwortZeigen(bool forget);
    // The user starts a new password: the mask goes, the employee is edited.
    void neuesKennwort();
    void bearbeiten();
    // The refusal when another employee already logs in with name.
    QString anmeldenameVergeben(const QString &name) const;
    enum class Pruefung { Speichern, Verlassen };
    // Why the employee cannot be stored as the fields stand, and the field
    // to correct; no field when nothing stands against it.
    struct Einwand
    {
        QString text;
        QLineEdit *feld = nullptr;
    };
    Einwand pruefen(Pruefung pruefung) const;
    // A newly typed and confirmed password goes into the record as its hash.
    void kennwortUebernehmen();
    void markieren(QLineEdit *edit);

    std::function<qint32()> m_benutzerId;
    bool m_kennwortNeu = false;
    bool m_maske = false;
    bool m_beginnt = false;
};

// The one live employees window; empty while none exists.
extern TMitarbeiterStammForm *MitarbeiterStammForm;
