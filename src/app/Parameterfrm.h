#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class RadioGruppe;

// The window in which the user sets the three program parameters: the care
// model, whether the printed care plan shows the client's department, and
// what replaces "$" in catalogue texts. It reads and writes them through the
// data module's parameter query, one row at a time; a missing row is shown
// as its default and never created.
class TParameterForm : public QWidget
{
    Q_OBJECT

public:
    // Shows the stored values. A database error raises, and no window is made.
    explicit TParameterForm(QWidget *parent = nullptr);
    ~TParameterForm() override;

    RadioGruppe *VandrelTypenGruppe;
    RadioGruppe *AbteilungenAnzeigenGruppe;
    RadioGruppe *PlatzhalterErsetzenGruppe;
    QLineEdit *PlatzhalterFreiTextEdit;
    QPushButton *SpeichernBtn;

    void PlatzhalterErsetzenGruppeClick();
    // Writes the parameters whose rows exist, closes the window and emits
    // gespeichert(). A database error raises: what was written before it
    // stays written and the window stays open.
    void SpeichernBtnClick();

signals:
    // The parameters are stored and the window is closing: a care-planning
    // window opened now reads the new values.
    void gespeichert();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void laden();

    bool m_platziert = false;
};

// The one live parameter window; empty while none exists.
extern TParameterForm *ParameterForm;
