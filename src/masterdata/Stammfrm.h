#pragma once

#include "dataset.h"

#include <QWidget>

#include <functional>

class DataSource;
class DbConnection;
class DbEdit;
class DbGrid;
class DbLookupCombo;
class DbMemo;
class QGridLayout;
class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class TListeDruckForm;

// What one master-data window tells the shared editing pattern: its table,
// query, names and captions.
struct StammArt
{
    QString objektName;       // "AbteilungenForm"
    QString titel;            // window caption
    QString sql;              // the main query
    QString abfrage;          // its name, "qry_abteilungen"
    QString schluessel;       // key column, "abt_id"
    QString praefix;          // column prefix of the audit columns, "abt"
    QString bemerkung;        // the remark column
    QString kuerzel;          // prefix of the button names, "Abt"
    QString auswahlText;      // label of the selection box
    QString comboName;        // "AbtCombo"
    QStringList comboSpalten; // columns the selection box shows
    QString neuText;
    QString speicherText;
    QString verwerfenText;
    QString druckName;        // "AbtListeDruckenBtn"
    QString druckText;
    QString detailsName;      // "DetailsSheet"
    QString exportTitel;
    bool titelSortierung = true;
};

// The editing pattern the master-data windows share: a selection box over
// the records, a details page with bound controls and the audit block, a list
// page with a grid, export and printed list, and buttons to create, save and
// discard. Saving stamps who created or last changed a record and when.
// A window adds its fields, its details layout and its particulars.
class TStammForm : public QWidget
{
    Q_OBJECT

public:
    ~TStammForm() override;

    // The main dataset over the window's table and its data source.
    Dataset *haupt;
    DataSource *src;
    Dataset *search_mitarbeiter;

    QLabel *AuswahlLabel;
    DbLookupCombo *Combo;
    QPushButton *NeuBtn;
    QTabWidget *PageControl1;
    QWidget *DetailsSheet;
    QWidget *ListeSheet;
    DbGrid *DBGrid1;
    QPushButton *ListenExcelExportBtn;
    QPushButton *ListeDruckenBtn;
    QPushButton *SpeicherBtn;
    QPushButton *CancelBtn;
    QPushButton *CloseBtn;
    QStatusBar *Statuszeile;

    // Pattern steps, also reached from the window's buttons and notifications.
    void NeuBtnClick();
    // Runs the window's test, stamps the audit columns, stores the record,
    // reads the list anew and selects the stored record again.
    void SpeicherBtnClick();
    void CancelBtnClick();
    void CloseBtnClick();
    void ListenExcelExportBtnClick();
    void ListeDruckenBtnClick();
    void DBGrid1TitleClick(int position);
    void src_StateChange(Dataset::State state);
    void src_DataChange();
    // The login name of the employee whose id a value holds, or the value's
    // own text (digits, or empty).
    QString BenutzerGetText(const QVariant &value);
    // The remark column shows its whole text.
    static QString BemerkungGetText(const QVariant &value);

    // The field position of the list column that was sorted last.
    int SortierteSpalte = 0;

protected:
    // DB is the care database; benutzerId tells the logged-in employee's id
    // when a record is stored.
    TStammForm(DbConnection *DB, std::function<qint32()> benutzerId, StammArt art, QWidget *parent);

    // The window declares its fields; the audit and remark hooks are set here.
    void felderFestlegen(const QList<FieldDef> &felder);
    // Opens the lookup datasets, then the main one, and shows the first record.
    void oeffnen(std::initializer_list<Dataset *> nachschlagen);

    // The details page's two columns; a window fills them top to bottom.
    QGridLayout *links() const { return m_links; }
    QGridLayout *rechts() const { return m_rechts; }
    // A label and a bound edit in the next row of a column.
    DbEdit *feld(QGridLayout *spalte, const QString &label, const QString &field, const QString &objektName);
    DbMemo *memo(QGridLayout *spalte, const QString &label, const QString &field, const QString &objektName);
    // Puts a label and any control in the next row of a column.
    void zeile(QGridLayout *spalte, const QString &label, QWidget *control);
    // The four disabled edits of who created and who last changed the record.
    void auditBlock(QGridLayout *spalte);
    DbConnection *db() const { return m_DB; }

    // A window's test before storing; false stops the save without a change.
    virtual bool speichernErlaubt() { return true; }
    // Runs after a record was stored and the list read anew.
    virtual void gespeichert() {}
    // Why the current record must not be deleted, or an empty text.
    virtual QString loeschenVerhindert() { return {}; }
    // The window's printed list.
    virtual TListeDruckForm *listeDruckForm() const = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Ctrl+Del in the list, after the list asked "Datensatz löschen?".
    void Loeschen();
    void audit(const QString &wer, const QString &wann);

    DbConnection *m_DB;
    std::function<qint32()> m_benutzerId;
    StammArt m_art;
    QList<Dataset *> m_nachschlagen;
    QGridLayout *m_links;
    QGridLayout *m_rechts;
};
