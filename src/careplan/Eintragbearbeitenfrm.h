#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the text of one catalogue formulation. The caller puts the text into
// EintragEdit, runs the dialog and, on Accepted ("Eintrag abspeichern"),
// reads EintragEdit back. Closing only hides the dialog; it lives as long as
// its owner.
class TEintragBearbeitenForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEintragBearbeitenForm(QWidget *owner);
    ~TEintragBearbeitenForm() override;

    QLabel *Label1;
    QLineEdit *EintragEdit;
    QPushButton *SpeichernBtn;
    QPushButton *CancelBtn;
};

// The one live entry editor; empty while none exists.
extern TEintragBearbeitenForm *EintragBearbeitenForm;
