#pragma once

#include <QWidget>

class DataSource;
class Dataset;
class DbConnection;
class DbGrid;
class DbLookupCombo;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// One client's evaluations per activity group of the care model: picked from
// the group's catalogue or written anew (which adds them to the catalogue).
// The client's copy of a text has "$" replaced for that client; the
// care-plan report prints these copies. The care-planning window opens the
// window for its current client and turns it to another client later.
class TKlientenEvaluationenForm : public QWidget
{
    Q_OBJECT

public:
    // DB is the care database, ORG_DB the catalogue database; klientId the
    // client whose evaluations are shown (0 when no client is listed).
    TKlientenEvaluationenForm(DbConnection *DB, DbConnection *ORG_DB, qint64 klientId, QWidget *parent = nullptr);
    ~TKlientenEvaluationenForm() override;

    // Shows another client (or the same anew): anredeName replaces "$" for
    // him, bezeichnung is the label that names him. The activity group stays.
    void KlientAnzeigen(qint64 klientId, const QString &anredeName, const QString &bezeichnung);

    // Window state read once at creation, and the client shown.
    QString AktivitaetTyp;
    QString PlatzHalterErsetzenMit;
    qint64 KlientId;
    QString AnredeName;

    Dataset *qry_aktivitaeten_gruppen;
    Dataset *qry_evaluationen;
    DataSource *src_evaluationen;
    Dataset *qry_klient_evaluationen;
    DataSource *src_klient_evaluationen;

    QLabel *Label15;
    QLabel *TypLabel;
    QLabel *Label16;
    DbLookupCombo *AktivitaetenGruppenCombo;
    QLabel *Label1;
    QLabel *KlientLabel;
    QGroupBox *GroupBox1;
    DbLookupCombo *EvaluationenCombo;
    QPushButton *EvaluationHinzufuegenBtn;
    DbGrid *EvaluationenGrid;
    QMenu *EvaluationenPopupMenu;
    QAction *EvaluationAusListeEntfernenItem;
    QAction *EvaluationstextbearbeitenItem;
    QLabel *Label19;
    QLineEdit *EvaluationNeuEdit;
    QPushButton *EvaluationNeuBtn;
    QPushButton *BeendenBtn;

    void AktivitaetenGruppenComboCloseUp();
    void EvaluationHinzufuegenBtnClick();
    void EvaluationNeuBtnClick();
    void EvaluationAusListeEntfernenItemClick();
    void EvaluationstextbearbeitenItemClick();
    void BeendenBtnClick();

private:
    void layoutAnlegen();
    // Reads the client's list of the group shown in the activity box.
    void klientenListeLesen();
    // The text of a catalogue evaluation as this client's copy.
    QString ersetzt(const QString &text) const;
    // Appends the client's row for a catalogue evaluation at the next position.
    void anhaengen(qint64 evalId, const QString &text);
    // The refusal when no client or no activity group is chosen, or empty.
    QString auswahlFehlt() const;
};

// The one live evaluations window; empty while none exists.
extern TKlientenEvaluationenForm *KlientenEvaluationenForm;
