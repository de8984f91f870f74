#pragma once

#include <QDialog>

class Dataset;
class DbConnection;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Checks login name and password against the employees of the care
// database. Ends with Accepted once they match; the employee is then in
// MitarbeiterId. "Abbruch" and the close button end it with Rejected.
class TLoginForm : public QDialog
{
    Q_OBJECT

public:
    TLoginForm(DbConnection *DB, QWidget *owner);
    ~TLoginForm() override;

    QLabel *Label1;
    QLineEdit *BenutzerEdit;
    QLabel *Label2;
    QLineEdit *KennwortEdit;
    QPushButton *OkBtn;
    QPushButton *AbbruchBtn;
    QFrame *Statuszeile;
    Dataset *qry_benutzer;

    qint32 MitarbeiterId = 0;
    qint32 ProgBerechtigung = 0;

    void OkBtnClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The one live login dialog; empty while none exists.
extern TLoginForm *LoginForm;
