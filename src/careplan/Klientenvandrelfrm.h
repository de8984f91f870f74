#pragma once

#include "Eintragsarten.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class DataSource;
class Dataset;
class DbConnection;
class DbDatePicker;
class DbGrid;
class DbLookupCombo;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class PlanOperationen;

// The care-planning window: the user picks a client, an activity group of
// the care model and a category, and builds the client's plan of that group
// from the catalogue's pick lists.
class TKlientenVandrelForm : public QWidget
{
    Q_OBJECT

public:
    // DB is the care database, ORG_DB the catalogue database; benutzerId
    // tells the logged-in employee at the moment a change is stored; the
    // windows this one creates are scaled for bildschirmHoehe.
    TKlientenVandrelForm(DbConnection *DB, DbConnection *ORG_DB, std::function<qint32()> benutzerId,
                         int bildschirmHoehe, QWidget *parent = nullptr);
    ~TKlientenVandrelForm() override;

    // The lists and controls of one kind of entry (problems, resources, goals, measures).
    struct Bereich
    {
        Dataset *katalog = nullptr;       // qry_probleme ...
        DataSource *src_katalog = nullptr;
        DbLookupCombo *combo = nullptr;   // ProblemeCombo ...
        QPushButton *hinzufuegenBtn = nullptr;
        Dataset *klient = nullptr;        // qry_klient_probleme ...
        DataSource *src_klient = nullptr;
        DbGrid *grid = nullptr;           // ProblemeGrid ...
        QMenu *popup = nullptr;           // ProblemePopupMenu ...
        QAction *entfernenItem = nullptr;
        QAction *bearbeitenItem = nullptr;
        QLineEdit *neuEdit = nullptr;     // ProblemNeuEdit ...
        QPushButton *neuBtn = nullptr;
    };
    std::array<Bereich, 4> Bereiche;

    // Window state read once at creation.
    QString PlatzHalterErsetzenMit;
    QString AktivitaetTyp;

    Dataset *qry_abteilungen;
    Dataset *qry_klienten;
    DataSource *src_klienten;
    Dataset *qry_aerzte;
    Dataset *search_abteilungen;
    Dataset *search_aerzte;
    Dataset *qry_aktivitaeten_gruppen;
    Dataset *qry_kategorien;
    Dataset *qry_standard_ziele;
    Dataset *qry_standard_massnahmen;
    Dataset *&qry_probleme = Bereiche[Problem].katalog;
    Dataset *&qry_ressourcen = Bereiche[Ressource].katalog;
    Dataset *&qry_ziele = Bereiche[Ziel].katalog;
    Dataset *&qry_massnahmen = Bereiche[Massnahme].katalog;
    Dataset *&qry_klient_probleme = Bereiche[Problem].klient;
    Dataset *&qry_klient_ressourcen = Bereiche[Ressource].klient;
    Dataset *&qry_klient_ziele = Bereiche[Ziel].klient;
    Dataset *&qry_klient_massnahmen = Bereiche[Massnahme].klient;

    DbLookupCombo *AbtCombo;
    QCheckBox *AbtCheckBox;
    QLineEdit *NameSuchEdit;
    QPushButton *SuchBtn;
    DbGrid *KlientenGrid;
    QLabel *TypLabel;
    DbLookupCombo *AktivitaetenGruppenCombo;
    DbDatePicker *EvaluationsDatumCombo;
    QPushButton *EvaluationenBearbeitenBtn;
    DbLookupCombo *KategorienCombo;
    QPushButton *Button3;
    QPushButton *Button1;
    QPushButton *Button2;

    DbLookupCombo *&ProblemeCombo = Bereiche[Problem].combo;
    DbLookupCombo *&RessourcenCombo = Bereiche[Ressource].combo;
    DbLookupCombo *&ZieleCombo = Bereiche[Ziel].combo;
    DbLookupCombo *&MassnahmenCombo = Bereiche[Massnahme].combo;
    DbGrid *&ProblemeGrid = Bereiche[Problem].grid;
    DbGrid *&RessourcenGrid = Bereiche[Ressource].grid;
    DbGrid *&ZieleGrid = Bereiche[Ziel].grid;
    DbGrid *&MassnahmenGrid = Bereiche[Massnahme].grid;

    // The client's salutation name: salutation, a blank, surname of the
    // current client (a single blank when no client is listed).
    QString AnredeName() const;
    // The client's full label: salutation, first name and surname, each
    // after a single blank.
    QString KlientBezeichnung() const;

    void SuchBtnClick();
    void Button1Click();
    void Button2Click();
    void ProblemHinzufuegenBtnClick();
    void RessourceHinzufuegenBtnClick();
    void ZielHinzufuegenBtnClick();
    void MassnahmenHinzufuegenBtnClick();
    void ProblemAusListeEntfernenItemClick();
    void RessourceAusListeEntfernenItemClick();
    void ZielAusListeEntfernenItemClick();
    void MassnahmeAusListeEntfernenItemClick();
    void ProblemNeuBtnClick();
    void RessourceNeuBtnClick();
    void ZielNeuBtnClick();
    void MassnahmeNeuBtnClick();
    void ProblemtextBearbeitenItemClick();
    void RessourcetextBearbeitenItemClick();
    void ZieltextBearbeitenItemClick();
    void MassnahmentextBearbeitenItemClick();
    void EvaluationsDatumComboCloseUp();
    void EvaluationenBearbeitenBtnClick();
    void Button3Click();
    void src_klientenDataChange();
    void AktivitaetenGruppenComboCloseUp();
    void KategorienComboCloseUp();
    QString qry_klientenklient_abtGetText(const QVariant &value);
    QString qry_klientenklient_hausarztGetText(const QVariant &value);

    // Tells the status line in one short sentence what an operation did.
    void statusMelden(const QString &text);

signals:
    void Statusmeldung(const QString &text);

private:
    void bereicheAnlegen();
    void layoutAnlegen();
    void oeffnen();
    void klientenListenLesen();
    void pickListenAufErsteZeile();
    void pickListenAufAktuelleZeile();
    void melden(const QString &meldung);
    // Sets the care-plan report up for the current client; tells the user
    // and answers false when no client is listed.
    bool berichtVorbereiten();

    DbConnection *m_DB;
    DbConnection *m_ORG_DB;
    std::function<qint32()> m_benutzerId;
    int m_bildschirmHoehe;
    std::unique_ptr<PlanOperationen> m_plan;
};

// The one live care-planning window; empty while none exists.
extern TKlientenVandrelForm *KlientenVandrelForm;
