#include "Klientenvandrelfrm.h"

#include "Eintragbearbeitenfrm.h"
#include "Global.h"
#include "Klientenevaluationenfrm.h"
#include "Planoperationen.h"
#include "Standardzuordnungenfrm.h"
#include "Vandreldruckfrm.h"
#include "dataset.h"
#include "datasource.h"
#include "dbdatepicker.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "messages.h"
#include "windowrule.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TKlientenVandrelForm *KlientenVandrelForm = nullptr;

namespace {

QLabel *label(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace

TKlientenVandrelForm::TKlientenVandrelForm(DbConnection *DB, DbConnection *ORG_DB,
                                           std::function<qint32()> benutzerId, int bildschirmHoehe,
                                           QWidget *parent)
    : QWidget(parent),
      qry_abteilungen(newQuery(DB, u"qry_abteilungen"_s, u"select * from tbl_abteilungen \norder by abt_name ;"_s, this)),
      qry_klienten(newQuery(DB, u"qry_klienten"_s,
                         u"select * from tbl_klienten_stamm\norder by klient_abt , klient_name, klient_vorname, klient_geburtstag ;"_s,
                         this)),
      src_klienten(new DataSource(qry_klienten, this)),
      qry_aerzte(newQuery(DB, u"qry_aerzte"_s,
                       u"select * from tbl_aerzte_stamm \norder by arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_plz, arzt_stamm_strasse\n"_s,
                       this)),
      search_abteilungen(newQuery(DB, u"search_abteilungen"_s, u"select * from tbl_abteilungen\nwhere abt_id = :id ;"_s, this)),
      search_aerzte(newQuery(DB, u"search_aerzte"_s, u"select * from tbl_aerzte_stamm\nwhere arzt_stamm_id = :id ;"_s, this)),
      qry_aktivitaeten_gruppen(newQuery(ORG_DB, u"qry_aktivitaeten_gruppen"_s, u"select * from tbl_aktivitaeten_gruppen ; "_s, this)),
      qry_kategorien(newQuery(ORG_DB, u"qry_kategorien"_s,
                           u"select * from tbl_kategorien\nwhere\nkategorie_aktivitaeten_gruppen_id = :aktivitaet_id\norder by\nkategorie_sortierung ;"_s,
                           this)),
      qry_standard_ziele(newQuery(DB, u"qry_standard_ziele"_s,
                               u"select * from tbl_standard_ziele\nwhere\nstandardziele_problem_id  = :problem_id ;"_s, this)),
      qry_standard_massnahmen(newQuery(DB, u"qry_standard_massnahmen"_s,
                                    u"select * from tbl_standard_massnahmen\nwhere\nstandardmas_problem_id  = :problem_id ;"_s,
                                    this)),
      AbtCombo(new DbLookupCombo(this)),
      AbtCheckBox(new QCheckBox(u"nur Klienten dieser Abt. anz."_s, this)),
      NameSuchEdit(new QLineEdit(this)),
      SuchBtn(new QPushButton(u"Klienten anzeigen"_s, this)),
      KlientenGrid(new DbGrid(this)),
      TypLabel(new QLabel(this)),
      AktivitaetenGruppenCombo(new DbLookupCombo(this)),
      EvaluationsDatumCombo(new DbDatePicker(this)),
      EvaluationenBearbeitenBtn(new QPushButton(u"Evaluationen nach Aktivitäten bearbeiten"_s, this)),
      KategorienCombo(new DbLookupCombo(this)),
      Button3(new QPushButton(u"Standardzuordnungen Ziele / Maßnahmen zu Problemen"_s, this)),
      Button1(new QPushButton(u"Vandrel Vorschau"_s, this)),
      Button2(new QPushButton(u"Vandrel ausdrucken"_s, this)),
      m_DB(DB),
      m_ORG_DB(ORG_DB),
      m_benutzerId(std::move(benutzerId)),
      m_bildschirmHoehe(bildschirmHoehe),
      m_plan(std::make_unique<PlanOperationen>(*this))
{
    setObjectName(u"KlientenVandrelForm"_s);
    setWindowTitle(u"Vandrel - Klienten Planung"_s);
    QFont schrift(u"Tahoma"_s, 9);
    // Tahoma is rarely installed on Linux desktops; these faces read alike.
    schrift.setFamilies({u"Tahoma"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s});
    setFont(schrift);

    if (!EintragBearbeitenForm) {
        EintragBearbeitenForm = new TEintragBearbeitenForm(this);
        WindowRule::scale(EintragBearbeitenForm, bildschirmHoehe);
    }
    if (!VandrelDruckForm)
        VandrelDruckForm = new TVandrelDruckForm(DB, ORG_DB, this);

    bereicheAnlegen();
    layoutAnlegen();
    oeffnen();
}

TKlientenVandrelForm::~TKlientenVandrelForm()
{
    if (KlientenVandrelForm == this)
        KlientenVandrelForm = nullptr;
}

void TKlientenVandrelForm::bereicheAnlegen()
{
    qry_klienten->setFields({
        FieldDef(u"klient_abt"_s, u"Abt."_s, 8), FieldDef(u"klient_name"_s, u"Name"_s, 15),
        FieldDef(u"klient_vorname"_s, u"Vorname"_s, 10), FieldDef(u"klient_geburtstag"_s, u"Geburtstag"_s, 10),
        FieldDef(u"klient_hausarzt"_s, u"Hausarzt"_s, 20), FieldDef(u"klient_strasse"_s, u"Strasse"_s, 15),
        FieldDef(u"klient_plz"_s, u"PLZ"_s, 5), FieldDef(u"klient_ort"_s, u"Ort"_s, 10),
        FieldDef(u"klient_telefon_1"_s, u"Telefon"_s, 10), FieldDef(u"klient_mobil_1"_s, u"Handy"_s, 10),
        FieldDef(u"klient_fax_1"_s, u"Fax"_s, 10), FieldDef(u"klient_email_1"_s, u"Email"_s, 15),
        FieldDef(u"klient_bemerkung"_s, u"Bemerkung"_s, 50), FieldDef(u"klient_geaendert_am"_s, u"geändert am"_s),
        FieldDef(u"klient_geaendert_von"_s, u"geändert_von"_s), FieldDef(u"klient_erfasst_am"_s, u"erfasst am"_s),
        FieldDef(u"klient_erfasst_von"_s, u"erfasst von"_s),
        FieldDef(u"klient_id"_s, {}, 0, false), FieldDef(u"klient_anrede"_s, {}, 0, false),
        FieldDef(u"klient_naechste_eval_ueberpruefung_am"_s, {}, 0, false),
    });
    // The look-ups read only what the list shows of a department and a doctor.
    search_abteilungen->setFields({FieldDef(u"abt_name"_s)});
    search_aerzte->setFields({FieldDef(u"arzt_stamm_name"_s), FieldDef(u"arzt_stamm_vorname"_s)});
    qry_klienten->setGetText(u"klient_abt"_s, [this](const QVariant &v) { return qry_klientenklient_abtGetText(v); });
    qry_klienten->setGetText(u"klient_hausarzt"_s, [this](const QVariant &v) { return qry_klientenklient_hausarztGetText(v); });
    // A remark may run over several lines; the list shows it on one.
    qry_klienten->setGetText(u"klient_bemerkung"_s, [](const QVariant &v) {
        return v.toString().replace(u'\n', u' ');
    });

    qry_kategorien->addMasterLink(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, u"aktivitaet_id"_s);

    const auto &arten = eintragsArten();
    for (int i = 0; i < 4; ++i) {
        const EintragsArt &art = arten[size_t(i)];
        Bereich &b = Bereiche[size_t(i)];
        b.katalog = newQuery(m_ORG_DB, art.katalogQuery, art.katalogSql, this);
        b.katalog->addMasterLink(qry_kategorien, u"kategorie_id"_s, u"kategorie_id"_s);
        // A catalogue text is shown for the client: "$" stands for the client.
        b.katalog->setGetText(art.katalogText, [this](const QVariant &v) {
            return PlatzhalterErsetzen(v.toString(), PlatzHalterErsetzenMit, AnredeName());
        });
        b.src_katalog = new DataSource(b.katalog, this);

        b.klient = newQuery(m_DB, art.klientQuery, art.klientSql, this);
        b.klient->setFields({FieldDef(art.position, u"Pos."_s, 3), FieldDef(art.text, art.bezeichnung, 500),
                             FieldDef(art.lfdNr, {}, 0, false), FieldDef(art.klientId, {}, 0, false),
                             FieldDef(art.katalogId, {}, 0, false), FieldDef(art.gruppe, {}, 0, false)});
        b.klient->setGetText(art.text, [](const QVariant &v) { return v.toString(); });
        b.klient->addMasterLink(qry_klienten, u"klient_id"_s, u"klient_id"_s);
        b.src_klient = new DataSource(b.klient, this);

        b.combo = new DbLookupCombo(this);
        b.combo->setObjectName(art.combo);
        b.combo->setAccessibleName(art.bezeichnung);
        b.combo->setList(b.katalog, art.katalogKey, {art.katalogText});
        b.combo->setDropDownWidth(i == Ziel ? 700 : 900);
        b.combo->setDropDownAlignRight(i == Ziel || i == Massnahme);
        b.hinzufuegenBtn = new QPushButton(art.hinzufuegenText, this);
        b.hinzufuegenBtn->setObjectName(art.hinzufuegenBtn);

        b.grid = new DbGrid(this);
        b.grid->setObjectName(art.grid);
        b.grid->setAccessibleName(art.mehrzahl.trimmed().chopped(2));
        b.grid->setDataSource(b.src_klient);
        b.grid->setTextColumnFills(true);
        b.popup = new QMenu(b.grid);
        b.popup->setObjectName(art.grid.chopped(4) + u"PopupMenu"_s);
        b.entfernenItem = b.popup->addAction(art.entfernenText);
        b.popup->addSeparator();
        b.bearbeitenItem = b.popup->addAction(art.bearbeitenText);
        b.grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b.grid, &QWidget::customContextMenuRequested, b.popup, [grid = b.grid, popup = b.popup](const QPoint &pos) {
            popup->popup(grid->viewport()->mapToGlobal(pos));
        });

        b.neuEdit = new QLineEdit(this);
        b.neuEdit->setObjectName(art.neuEdit);
        b.neuBtn = new QPushButton(u"Eigene Formulierung hinzufügen"_s, this);
        b.neuBtn->setObjectName(art.neuBtn);

        // The hints show a long text in full.
        connect(b.src_katalog, &DataSource::dataChanged, b.combo, [b, text = art.katalogText] {
            b.combo->setToolTip(b.katalog->currentRow() >= 0 ? b.katalog->displayText(text) : QString());
        });
        connect(b.src_klient, &DataSource::dataChanged, b.grid, [b, text = art.text] {
            b.grid->setToolTip(b.klient->currentRow() >= 0 ? b.klient->asText(text) : QString());
        });
    }

    AbtCombo->setObjectName(u"AbtCombo"_s);
    AbtCombo->setList(qry_abteilungen, u"abt_id"_s, {u"abt_name"_s});
    AktivitaetenGruppenCombo->setObjectName(u"AktivitaetenGruppenCombo"_s);
    AktivitaetenGruppenCombo->setList(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, {u"aktivitaet_bezeichnung"_s});
    KategorienCombo->setObjectName(u"KategorienCombo"_s);
    KategorienCombo->setList(qry_kategorien, u"kategorie_id"_s, {u"kategorie_bezeichnung"_s});
    KlientenGrid->setObjectName(u"KlientenGrid"_s);
    KlientenGrid->setAccessibleName(u"Klienten"_s);
    KlientenGrid->setDataSource(src_klienten);

    using Form = TKlientenVandrelForm;
    const std::array<void (Form::*)(), 4> hinzufuegen = {&Form::ProblemHinzufuegenBtnClick, &Form::RessourceHinzufuegenBtnClick,
                                                         &Form::ZielHinzufuegenBtnClick, &Form::MassnahmenHinzufuegenBtnClick};
    const std::array<void (Form::*)(), 4> entfernen = {&Form::ProblemAusListeEntfernenItemClick, &Form::RessourceAusListeEntfernenItemClick,
                                                       &Form::ZielAusListeEntfernenItemClick, &Form::MassnahmeAusListeEntfernenItemClick};
    const std::array<void (Form::*)(), 4> neu = {&Form::ProblemNeuBtnClick, &Form::RessourceNeuBtnClick, &Form::ZielNeuBtnClick,
                                                 &Form::MassnahmeNeuBtnClick};
    const std::array<void (Form::*)(), 4> bearbeiten = {&Form::ProblemtextBearbeitenItemClick, &Form::RessourcetextBearbeitenItemClick,
                                                        &Form::ZieltextBearbeitenItemClick, &Form::MassnahmentextBearbeitenItemClick};
    for (size_t i = 0; i < 4; ++i) {
        const Bereich &b = Bereiche[i];
        connect(b.hinzufuegenBtn, &QPushButton::clicked, this, hinzufuegen[i]);
        connect(b.entfernenItem, &QAction::triggered, this, entfernen[i]);
        connect(b.neuBtn, &QPushButton::clicked, this, neu[i]);
        connect(b.neuEdit, &QLineEdit::returnPressed, this, neu[i]);
        connect(b.bearbeitenItem, &QAction::triggered, this, bearbeiten[i]);
        // Ctrl+Delete asks first, then removes as the pop-up item does.
        b.grid->setDeleteAction([this, handler = entfernen[i]] { (this->*handler)(); });
    }
    connect(EvaluationsDatumCombo, &DbDatePicker::closedUp, this, &Form::EvaluationsDatumComboCloseUp);
    connect(EvaluationenBearbeitenBtn, &QPushButton::clicked, this, &Form::EvaluationenBearbeitenBtnClick);
    connect(Button3, &QPushButton::clicked, this, &Form::Button3Click);
    connect(SuchBtn, &QPushButton::clicked, this, &TKlientenVandrelForm::SuchBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TKlientenVandrelForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TKlientenVandrelForm::Button2Click);
    connect(NameSuchEdit, &QLineEdit::returnPressed, this, &TKlientenVandrelForm::SuchBtnClick);
    connect(src_klienten, &DataSource::dataChanged, this, &TKlientenVandrelForm::src_klientenDataChange);
    connect(AktivitaetenGruppenCombo, &DbLookupCombo::closedUp, this, &TKlientenVandrelForm::AktivitaetenGruppenComboCloseUp);
    connect(KategorienCombo, &DbLookupCombo::closedUp, this, &TKlientenVandrelForm::KategorienComboCloseUp);
}

void TKlientenVandrelForm::layoutAnlegen()
{
    const auto &arten = eintragsArten();

    // Client selection band: search on the left, the client list beside it.
    auto *suche = new QGridLayout;
    suche->addWidget(label(u"Abt. : "_s, AbtCombo, this), 0, 0);
    suche->addWidget(AbtCombo, 0, 1);
    suche->addWidget(AbtCheckBox, 1, 1);
    suche->addWidget(label(u"Name : "_s, NameSuchEdit, this), 2, 0);
    suche->addWidget(NameSuchEdit, 2, 1);
    suche->addWidget(SuchBtn, 3, 1);
    suche->setRowStretch(4, 1);
    AbtCombo->setMinimumWidth(200);
    SuchBtn->setDefault(false);
    auto *klientenBand = new QHBoxLayout;
    klientenBand->addLayout(suche);
    klientenBand->addWidget(KlientenGrid, 1);
    KlientenGrid->setMinimumHeight(190);

    // Activity band: care model, group, evaluation date, category.
    auto *zeile1 = new QHBoxLayout;
    auto *pflegemodell = new QLabel(u"Pflegemodell : "_s, this);
    TypLabel->setAccessibleName(u"Pflegemodell"_s);
    QFont fett = TypLabel->font();
    fett.setBold(true);
    TypLabel->setFont(fett);
    TypLabel->setObjectName(u"TypLabel"_s);
    TypLabel->setMinimumWidth(140);
    zeile1->addWidget(pflegemodell);
    zeile1->addWidget(TypLabel);
    zeile1->addWidget(label(u"Aktivität : "_s, AktivitaetenGruppenCombo, this));
    zeile1->addWidget(AktivitaetenGruppenCombo, 1);
    zeile1->addSpacing(16);
    zeile1->addWidget(label(u"Nächste Evaluation am :"_s, EvaluationsDatumCombo, this));
    zeile1->addWidget(EvaluationsDatumCombo);
    zeile1->addWidget(EvaluationenBearbeitenBtn);
    EvaluationsDatumCombo->setObjectName(u"EvaluationsDatumCombo"_s);
    EvaluationenBearbeitenBtn->setObjectName(u"EvaluationenBearbeitenBtn"_s);

    auto *zeile2 = new QHBoxLayout;
    auto *kategorie = label(u"Kategorie : "_s, KategorienCombo, this);
    kategorie->setMinimumWidth(pflegemodell->sizeHint().width() + TypLabel->minimumWidth()
                               + zeile1->spacing());
    kategorie->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zeile2->addWidget(kategorie);
    zeile2->addWidget(KategorienCombo, 1);
    zeile2->addSpacing(16);
    zeile2->addWidget(Button3);
    Button3->setObjectName(u"Button3"_s);

    // Pick lists, lists of the client's entries and own formulations, one
    // column per kind.
    auto *spalten = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const EintragsArt &art = arten[size_t(i)];
        Bereich &b = Bereiche[size_t(i)];
        auto *rahmen = new QGroupBox(art.mehrzahl, this);
        auto *rahmenLayout = new QVBoxLayout(rahmen);
        rahmenLayout->addWidget(b.combo);
        rahmenLayout->addWidget(b.hinzufuegenBtn, 0, Qt::AlignLeft);
        spalten->addWidget(rahmen, 0, i);
        spalten->addWidget(b.grid, 1, i);
        auto *eigene = new QVBoxLayout;
        eigene->addWidget(label(u"Eigene Formulierung : "_s, b.neuEdit, this));
        eigene->addWidget(b.neuEdit);
        eigene->addWidget(b.neuBtn, 0, Qt::AlignLeft);
        spalten->addLayout(eigene, 2, i);
        spalten->setColumnStretch(i, 1);
    }
    spalten->setRowStretch(1, 1);

    auto *berichte = new QHBoxLayout;
    Button1->setObjectName(u"Button1"_s);
    Button2->setObjectName(u"Button2"_s);
    berichte->addWidget(Button1);
    berichte->addWidget(Button2);
    berichte->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(klientenBand);
    layout->addLayout(zeile1);
    layout->addLayout(zeile2);
    layout->addLayout(spalten, 1);
    layout->addLayout(berichte);

    // Tab order follows the bands from top to bottom and, in the columns,
    // from pick list to own formulation.
    QWidget *vorher = AbtCombo;
    for (QWidget *w : std::initializer_list<QWidget *>{AbtCheckBox, NameSuchEdit, SuchBtn, KlientenGrid,
                                                        AktivitaetenGruppenCombo, EvaluationsDatumCombo,
                                                        EvaluationenBearbeitenBtn, KategorienCombo, Button3}) {
        setTabOrder(vorher, w);
        vorher = w;
    }
    for (const Bereich &b : Bereiche)
        for (QWidget *w : std::initializer_list<QWidget *>{b.combo, b.hinzufuegenBtn, b.grid, b.neuEdit, b.neuBtn}) {
            setTabOrder(vorher, w);
            vorher = w;
        }
    setTabOrder(vorher, Button1);
    setTabOrder(Button1, Button2);
}

QString TKlientenVandrelForm::AnredeName() const
{
    if (!qry_klienten->isOpen() || qry_klienten->currentRow() < 0)
        return u" "_s;
    return qry_klienten->asText(u"klient_anrede"_s) + u" "_s + qry_klienten->asText(u"klient_name"_s);
}

void TKlientenVandrelForm::Button3Click()
{
    WindowRule::open(StandardZuordnungenForm, [this] {
        return new TStandardZuordnungenForm(m_DB, m_ORG_DB, this);
    }, WindowRule::Kind::StaysOnTop, m_bildschirmHoehe);
}

QString TKlientenVandrelForm::KlientBezeichnung() const
{
    if (!qry_klienten->isOpen() || qry_klienten->currentRow() < 0)
        return u"  "_s;
    return qry_klienten->asText(u"klient_anrede"_s) + u" "_s + qry_klienten->asText(u"klient_vorname"_s) + u" "_s
        + qry_klienten->asText(u"klient_name"_s);
}

void TKlientenVandrelForm::EvaluationenBearbeitenBtnClick()
{
    const qint64 klientId = qry_klienten->isOpen() && qry_klienten->currentRow() >= 0
        ? qry_klienten->asInteger(u"klient_id"_s)
        : 0;
    // An open window comes to the front and turns to the current client; a
    // new one starts with it.
    WindowRule::open(KlientenEvaluationenForm, [&] {
        return new TKlientenEvaluationenForm(m_DB, m_ORG_DB, klientId, this);
    }, WindowRule::Kind::StaysOnTop, m_bildschirmHoehe)
        ->KlientAnzeigen(klientId, AnredeName(), KlientBezeichnung());
}

void TKlientenVandrelForm::oeffnen()
{
    PlatzHalterErsetzenMit = PlatzHalterErsetzenMitLesen();

    qry_abteilungen->open();
    if (!qry_abteilungen->isEmpty())
        AbtCombo->setKeyValue(qry_abteilungen->value(u"abt_id"_s));
    qry_aerzte->open();

    qry_klienten->open();

    AktivitaetTyp = AktivitaetTypLesen();
    TypLabel->setText(AktivitaetTyp);

    qry_aktivitaeten_gruppen->close();
    qry_aktivitaeten_gruppen->setSql(AktivitaetenGruppenSql(AktivitaetTyp));
    qry_aktivitaeten_gruppen->open();
    if (!qry_aktivitaeten_gruppen->isEmpty())
        AktivitaetenGruppenCombo->setKeyValue(qry_aktivitaeten_gruppen->value(u"aktivitaet_id"_s));

    qry_kategorien->open();
    if (!qry_kategorien->isEmpty())
        KategorienCombo->setKeyValue(qry_kategorien->value(u"kategorie_id"_s));
    for (const Bereich &b : Bereiche)
        b.katalog->open();
    pickListenAufErsteZeile();

    klientenListenLesen();
}

void TKlientenVandrelForm::klientenListenLesen()
{
    const QVariant gruppe = qry_aktivitaeten_gruppen->currentRow() >= 0
        ? QVariant(qry_aktivitaeten_gruppen->asInteger(u"aktivitaet_id"_s))
        : QVariant(0);
    for (const Bereich &b : Bereiche) {
        b.klient->close();
        b.klient->setParam(u"aktivitaet"_s, gruppe);
        b.klient->open();
    }
}

void TKlientenVandrelForm::pickListenAufErsteZeile()
{
    const auto &arten = eintragsArten();
    for (int i = 0; i < 4; ++i) {
        const Bereich &b = Bereiche[size_t(i)];
        if (b.katalog->isOpen() && !b.katalog->isEmpty()) {
            b.katalog->first();
            b.combo->setKeyValue(b.katalog->value(arten[size_t(i)].katalogKey));
        }
    }
}

void TKlientenVandrelForm::pickListenAufAktuelleZeile()
{
    const auto &arten = eintragsArten();
    for (int i = 0; i < 4; ++i) {
        const Bereich &b = Bereiche[size_t(i)];
        if (b.katalog->isOpen() && !b.katalog->isEmpty())
            b.combo->setKeyValue(b.katalog->value(arten[size_t(i)].katalogKey));
    }
}

void TKlientenVandrelForm::SuchBtnClick()
{
    qry_klienten->close();
    QStringList zeilen{u"select * from tbl_klienten_stamm where"_s};
    // Without any department the box holds no key; the search then ignores
    // the department instead of failing.
    bool abteilungGewaehlt = false;
    const qint64 abteilung = AbtCombo->keyValue().toLongLong(&abteilungGewaehlt);
    if (AbtCheckBox->isChecked() && abteilungGewaehlt)
        zeilen << u"klient_abt = "_s + QString::number(abteilung) + u" and "_s;
    zeilen << u"klient_name like :name"_s << u"order by klient_abt , klient_name, klient_vorname, klient_geburtstag"_s;
    qry_klienten->setSql(zeilen.join(u'\n'));
    qry_klienten->setParam(u"name"_s, u"%"_s + NameSuchEdit->text() + u"%"_s);
    qry_klienten->open();
    qry_klienten->first();
    const int gefunden = qry_klienten->recordCount();
    if (gefunden == 0)
        statusMelden(u"Keine Klienten gefunden."_s);
    else if (gefunden == 1)
        statusMelden(u"1 Klient gefunden."_s);
    else
        statusMelden(u"%1 Klienten gefunden."_s.arg(gefunden));
    if (qry_klienten->isEmpty())
        NameSuchEdit->setFocus();
}

bool TKlientenVandrelForm::berichtVorbereiten()
{
    // An empty list would print an empty plan for nobody.
    if (const QString fehlt = m_plan->klientFehlt(); !fehlt.isEmpty()) {
        Messages::error(this, fehlt);
        return false;
    }
    TVandrelDruckForm::Klient klient;
    klient.klient_id = qint32(qry_klienten->asInteger(u"klient_id"_s));
    klient.klient_anrede = qry_klienten->asText(u"klient_anrede"_s);
    klient.klient_vorname = qry_klienten->asText(u"klient_vorname"_s);
    klient.klient_name = qry_klienten->asText(u"klient_name"_s);
    klient.klient_geburtstag = qry_klienten->asDateTime(u"klient_geburtstag"_s);
    klient.klient_naechste_eval_ueberpruefung_am = qry_klienten->asDateTime(u"klient_naechste_eval_ueberpruefung_am"_s);
    klient.abteilung = qry_klienten->displayText(u"klient_abt"_s);
    VandrelDruckForm->BerichtVorbereiten(klient, qry_aktivitaeten_gruppen->sql(), m_benutzerId());
    return true;
}

void TKlientenVandrelForm::Button1Click()
{
    if (berichtVorbereiten())
        VandrelDruckForm->Vorschau();
}

void TKlientenVandrelForm::Button2Click()
{
    if (berichtVorbereiten())
        VandrelDruckForm->Drucken();
}

void TKlientenVandrelForm::statusMelden(const QString &text)
{
    emit Statusmeldung(text);
}

void TKlientenVandrelForm::src_klientenDataChange()
{
    if (!qry_klienten->isEditing()) {
        const QDateTime naechste = qry_klienten->asDateTime(u"klient_naechste_eval_ueberpruefung_am"_s);
        EvaluationsDatumCombo->setDate(naechste.isValid() ? naechste.date() : QDate::currentDate());
    }
    // The pick lists show their texts for the new client.
    for (const Bereich &b : Bereiche)
        b.katalog->reopen();
    pickListenAufErsteZeile();
}

void TKlientenVandrelForm::AktivitaetenGruppenComboCloseUp()
{
    if (!qry_kategorien->isEmpty())
        KategorienCombo->setKeyValue(qry_kategorien->value(u"kategorie_id"_s));
    pickListenAufAktuelleZeile();
    klientenListenLesen();
}

void TKlientenVandrelForm::KategorienComboCloseUp()
{
    pickListenAufAktuelleZeile();
}

QString TKlientenVandrelForm::qry_klientenklient_abtGetText(const QVariant &value)
{
    search_abteilungen->close();
    search_abteilungen->setParam(u"id"_s, value);
    search_abteilungen->open();
    const QString text = search_abteilungen->isEmpty() ? QString() : search_abteilungen->asText(u"abt_name"_s);
    search_abteilungen->close();
    return text;
}

QString TKlientenVandrelForm::qry_klientenklient_hausarztGetText(const QVariant &value)
{
    search_aerzte->close();
    search_aerzte->setParam(u"id"_s, value);
    search_aerzte->open();
    const QString text = search_aerzte->isEmpty()
        ? QString()
        : search_aerzte->asText(u"arzt_stamm_name"_s) + u", "_s + search_aerzte->asText(u"arzt_stamm_vorname"_s);
    search_aerzte->close();
    return text;
}

void TKlientenVandrelForm::melden(const QString &meldung)
{
    if (!meldung.isEmpty())
        Messages::error(this, meldung);
}

void TKlientenVandrelForm::ProblemHinzufuegenBtnClick() { melden(m_plan->hinzufuegen(Problem)); }
void TKlientenVandrelForm::RessourceHinzufuegenBtnClick() { melden(m_plan->hinzufuegen(Ressource)); }
void TKlientenVandrelForm::ZielHinzufuegenBtnClick() { melden(m_plan->hinzufuegen(Ziel)); }
void TKlientenVandrelForm::MassnahmenHinzufuegenBtnClick() { melden(m_plan->hinzufuegen(Massnahme)); }

void TKlientenVandrelForm::ProblemAusListeEntfernenItemClick() { melden(m_plan->entfernen(Problem)); }
void TKlientenVandrelForm::RessourceAusListeEntfernenItemClick() { melden(m_plan->entfernen(Ressource)); }
void TKlientenVandrelForm::ZielAusListeEntfernenItemClick() { melden(m_plan->entfernen(Ziel)); }
void TKlientenVandrelForm::MassnahmeAusListeEntfernenItemClick() { melden(m_plan->entfernen(Massnahme)); }

void TKlientenVandrelForm::ProblemNeuBtnClick() { melden(m_plan->eigeneFormulierung(Problem)); }
void TKlientenVandrelForm::RessourceNeuBtnClick() { melden(m_plan->eigeneFormulierung(Ressource)); }
void TKlientenVandrelForm::ZielNeuBtnClick() { melden(m_plan->eigeneFormulierung(Ziel)); }
void TKlientenVandrelForm::MassnahmeNeuBtnClick() { melden(m_plan->eigeneFormulierung(Massnahme)); }

void TKlientenVandrelForm::ProblemtextBearbeitenItemClick() { melden(m_plan->textBearbeiten(Problem)); }
void TKlientenVandrelForm::RessourcetextBearbeitenItemClick() { melden(m_plan->textBearbeiten(Ressource)); }
void TKlientenVandrelForm::ZieltextBearbeitenItemClick() { melden(m_plan->textBearbeiten(Ziel)); }
void TKlientenVandrelForm::MassnahmentextBearbeitenItemClick() { melden(m_plan->textBearbeiten(Massnahme)); }

void TKlientenVandrelForm::EvaluationsDatumComboCloseUp()
{
    // With no client listed there is no row to write the date to.
    if (!qry_klienten->isOpen() || qry_klienten->currentRow() < 0)
        return;
    qry_klienten->edit();
    qry_klienten->setValue(u"klient_naechste_eval_ueberpruefung_am"_s, EvaluationsDatumCombo->date().startOfDay());
    qry_klienten->setValue(u"klient_geaendert_von"_s, m_benutzerId());
    qry_klienten->setValue(u"klient_geaendert_am"_s, QDateTime::currentDateTime());
    qry_klienten->post();
}
