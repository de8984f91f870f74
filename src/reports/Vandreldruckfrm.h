#pragma once

#include <QDateTime>
#include <QWidget>

class Dataset;
class DbConnection;
class Report;
class ReportBand;
class ReportItem;

// The printed care plan of one client: a section per activity group of the
// care model in which the client has a problem, each a boxed table of
// problems and resources, goals, review month, measures and evaluations.
// The window itself is never shown; it holds the report and its queries.
class TVandrelDruckForm : public QWidget
{
    Q_OBJECT

public:
    // What the care-planning window's current client row tells the report.
    struct Klient
    {
        qint32 klient_id = 0;
        QString klient_anrede;
        QString klient_vorname;
        QString klient_name;
        QDateTime klient_geburtstag;
        QDateTime klient_naechste_eval_ueberpruefung_am;
        QString abteilung;   // the department's name as the client list shows it
    };

    // DB is the care database, ORG_DB the catalogue database.
    TVandrelDruckForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent = nullptr);
    ~TVandrelDruckForm() override;

    // Sets the report up for the client: name, birth date, review month,
    // department line as the parameter "AbteilungenAnzeigen" wants it, the
    // author and short sign of the logged-in employee, and the activity
    // groups of the care model (aktivitaetenSql) in their order.
    void BerichtVorbereiten(const Klient &klient, const QString &aktivitaetenSql, qint32 benutzerId);
    // Opens the prepared report in the preview window.
    void Vorschau();
    // Prints the prepared report on the default printer; whether it was printed.
    bool Drucken();

    bool PageHeaderBand1BeforePrint();
    bool AktivitaetGruppeBeforePrint();
    void AktivitaetGruppeAfterPrint();

    Report *Bericht;
    Dataset *qry_aktivitaeten;
    Dataset *qry_probleme;
    Dataset *qry_ressourcen;
    Dataset *qry_ziele;
    Dataset *qry_massnahmen;
    Dataset *qry_evaluationen;
    qint32 KlientId = 0;

    ReportBand *PageHeaderBand1;
    ReportBand *PageHeaderChildBand;
    ReportBand *AktivitaetGruppe;
    ReportBand *AktivitaetChild;
    ReportBand *AktivitaetChild2;
    ReportBand *PageFooterBand1;
    ReportBand *ChildBand2;

    ReportItem *OrgNameLabel;
    ReportItem *AbteilungLabel;
    ReportItem *KlientNameLabel;
    ReportItem *KlientGeburtstagLabel;
    ReportItem *ErstelltVonLabel;
    ReportItem *ProblemeRessourcenMemo;
    ReportItem *ZieleMemo;
    ReportItem *PruefDatumLabel;
    ReportItem *HdzLabel1;
    ReportItem *MassnahmenMemo;
    ReportItem *HdzLabel2;
    ReportItem *EvaluationenMemo;
    ReportItem *HdzLabel3;

private:
    void seitenkopfAnlegen();
    void abschnittAnlegen();
    void seitenfussAnlegen();
    // The client's entries of one kind in the current group, one "- " line each.
    QStringList eintraege(Dataset *query, const QString &textField);
    QString m_dateiname;
};

// The one live care-plan report window; empty while none exists.
extern TVandrelDruckForm *VandrelDruckForm;
