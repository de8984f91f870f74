#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the care database when the one named in "vandrel.ini" is missing.
// "Datenbank übernehmen und in INI-Datei abspeichern" ends the dialog with
// Accepted, "abbrechen" with Rejected after its message.
class TDatenbankAuswahlForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDatenbankAuswahlForm(const QString &programmVerzeichnis, QWidget *owner);
    ~TDatenbankAuswahlForm() override;

    QLabel *Label4;
    QLineEdit *DbAusIniDateiEdit;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label1;
    QPushButton *DbAuswahlBtn;
    QLineEdit *DatenBankEdit;
    QPushButton *UebernehmenBtn;
    QPushButton *CancelBtn;
    QFrame *Panel1;

    void DbAuswahlBtnClick();
    void CancelBtnClick();

private:
    QString m_programmVerzeichnis;
};

// The one live selection dialog; empty while none exists.
extern TDatenbankAuswahlForm *DatenbankAuswahlForm;
