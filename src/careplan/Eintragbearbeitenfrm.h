#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the text of one catalogue formulation. The caller puts the text into
// EintragEdit, runs the dialog and, on Accepted ("Eintrag abspeichern"),
// reads EintragEdit back. Closing only hides the dialog; it lives as long as
// its owner. Each time it is shown it stands centred on the main window (the
// top-level window of its owner), inside that window's screen.
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void zentrieren();
};

// The one live entry editor; empty while none exists.
extern TEintragBearbeitenForm *EintragBearbeitenForm;
