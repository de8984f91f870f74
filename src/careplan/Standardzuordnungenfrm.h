#pragma once

#include <QList>
#include <QVariant>
#include <QWidget>

#include <utility>

class DataSource;
class Dataset;
class DbConnection;
class DbGrid;
class DbLookupCombo;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The standard assignments: which catalogue goals and measures a problem
// brings into a client's care plan. The user picks problems, goals and
// measures from the catalogue by activity group and category, lists problems
// and files goals and measures under the problem chosen in the list.
class TStandardZuordnungenForm : public QWidget
{
    Q_OBJECT

public:
    // DB is the care database that holds the assignments, ORG_DB the
    // catalogue they point into.
    TStandardZuordnungenForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent = nullptr);
    ~TStandardZuordnungenForm() override;

    // Window state read once at creation.
    QString AktivitaetTyp;

    Dataset *qry_aktivitaeten_gruppen;
    Dataset *qry_kategorien;
    Dataset *qry_probleme;
    Dataset *qry_ziele;
    Dataset *qry_massnahmen;
    Dataset *qry_standard_probleme;
    Dataset *qry_standard_ziele;
    Dataset *qry_standard_massnahmen;
    DataSource *src_standard_probleme;
    DataSource *src_standard_ziele;
    DataSource *src_standard_massnahmen;

    QLabel *Label15;
    QLabel *TypLabel;
    QLabel *Label16;
    DbLookupCombo *AktivitaetenGruppenCombo;
    QLabel *Label21;
    DbLookupCombo *KategorienCombo;
    DbLookupCombo *ProblemeCombo;
    QPushButton *ProblemHinzufuegenBtn;
    DbLookupCombo *ZieleCombo;
    QPushButton *ZielHinzufuegenBtn;
    DbLookupCombo *MassnahmenCombo;
    QPushButton *MassnahmenHinzufuegenBtn;
    DbGrid *ProblemeGrid;
    DbGrid *ZieleGrid;
    DbGrid *MassnahmenGrid;
    QMenu *ProblemePopupMenu;
    QMenu *ZielePopupMenu;
    QMenu *MassnahmenPopupMenu;
    QAction *ProblemAusListeEntfernenItem;
    QAction *ZielAusListeEntfernenItem;
    QAction *MassnahmeAusListeEntfernenItem;
    QPushButton *Button1;

    void AktivitaetenGruppenComboCloseUp();
    void KategorienComboCloseUp();
    void ProblemHinzufuegenBtnClick();
    void ZielHinzufuegenBtnClick();
    void MassnahmenHinzufuegenBtnClick();
    void ProblemAusListeEntfernenItemClick();
    void ZielAusListeEntfernenItemClick();
    void MassnahmeAusListeEntfernenItemClick();
    void Button1Click();

private:
    void abfragenAnlegen();
    void steuerelementeAnlegen();
    void layoutAnlegen();
    void oeffnen();
    void formulierungenAufErsteZeile();
    // Tells the user and answers true when the problem list has no current
    // problem to file a goal or measure under.
    bool problemFehlt();
    // Appends a standard row with these values and stores it. A row that
    // cannot be stored is discarded; the database's refusal is told as
    // schonVorhanden, any other failure with its own text.
    void zuordnen(Dataset *standard, const QList<std::pair<QString, QVariant>> &werte, const QString &schonVorhanden);
    void entfernen(Dataset *standard);
};

// The one live standard assignments window; empty while none exists.
extern TStandardZuordnungenForm *StandardZuordnungenForm;
