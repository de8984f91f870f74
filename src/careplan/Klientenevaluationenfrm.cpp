#include "Klientenevaluationenfrm.h"

#include "Datenmodulfrm.h"
#include "Eintragbearbeitenfrm.h"
#include "Global.h"
#include "Planoperationen.h"
#include "dataset.h"
#include "datasource.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "dialogs.h"
#include "exception.h"
#include "messages.h"
#include "transaction.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

using namespace Qt::StringLiterals;

TKlientenEvaluationenForm *KlientenEvaluationenForm = nullptr;

namespace {

QString duplikat()
{
    return u"Die ausgewählte Evaluation gibt es in der Liste für diesen Klienten schon!"_s;
}

// Reads a list anew after a failed change, so it shows what the database holds.
void neuLesen(Dataset *liste)
{
    const int zeile = liste->currentRow();
    try {
        liste->reopen();
        liste->setCurrentRow(std::min(zeile, liste->recordCount() - 1));
    } catch (const Exception &) {
        // The failure that led here is what the user is told.
    }
}

} // namespace

TKlientenEvaluationenForm::TKlientenEvaluationenForm(DbConnection *DB, DbConnection *ORG_DB, qint64 klientId,
                                                     QWidget *parent)
    : QWidget(parent, Qt::Window),
      KlientId(klientId),
      AnredeName(u" "_s),
      qry_aktivitaeten_gruppen(
          newQuery(ORG_DB, u"qry_aktivitaeten_gruppen"_s, u"select * from tbl_aktivitaeten_gruppen ; "_s, this)),
      qry_evaluationen(newQuery(ORG_DB, u"qry_evaluationen"_s,
                             u"select * from tbl_evaluationen\nwhere\neval_aktivitaet = :aktivitaet_id \norder by\neval_id "_s,
                             this)),
      src_evaluationen(new DataSource(qry_evaluationen, this)),
      qry_klient_evaluationen(newQuery(DB, u"qry_klient_evaluationen"_s,
                                    u"select * from tbl_klienten_evaluationen\nwhere\nklienteval_klient_id = :klient_id and\n"
                                    "klienteval_aktivitaeten_gruppe = :aktivitaet \norder by\nklienteval_eval_pos  "_s,
                                    this)),
      src_klient_evaluationen(new DataSource(qry_klient_evaluationen, this)),
      Label15(new QLabel(u"Pflegemodell : "_s, this)),
      TypLabel(new QLabel(this)),
      Label16(new QLabel(u"Aktivität : "_s, this)),
      AktivitaetenGruppenCombo(new DbLookupCombo(this)),
      Label1(new QLabel(u"Klient : "_s, this)),
      KlientLabel(new QLabel(this)),
      GroupBox1(new QGroupBox(u" Evalutationen : "_s, this)),
      EvaluationenCombo(new DbLookupCombo(GroupBox1)),
      EvaluationHinzufuegenBtn(new QPushButton(u"Evaluation hinzufügen"_s, GroupBox1)),
      EvaluationenGrid(new DbGrid(this)),
      EvaluationenPopupMenu(new QMenu(EvaluationenGrid)),
      Label19(new QLabel(u"Eigene Formulierung : "_s, this)),
      EvaluationNeuEdit(new QLineEdit(this)),
      EvaluationNeuBtn(new QPushButton(u"Eigene Formulierung hinzufügen"_s, this)),
      BeendenBtn(new QPushButton(u"Evaluationen bearbeiten beenden"_s, this))
{
    setObjectName(u"KlientenEvaluationenForm"_s);
    Label15->setObjectName(u"Label15"_s);
    Label16->setObjectName(u"Label16"_s);
    Label1->setObjectName(u"Label1"_s);
    Label19->setObjectName(u"Label19"_s);
    setWindowTitle(u"Vandrel - Klienten-Evaluationen"_s);
    // The care-planning window that opens this one has made the entry
    // editor; a window of its own serves otherwise.
    if (!EintragBearbeitenForm)
        EintragBearbeitenForm = new TEintragBearbeitenForm(this);

    qry_evaluationen->addMasterLink(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, u"aktivitaet_id"_s);
    // The pick list shows each catalogue text for the client shown.
    qry_evaluationen->setGetText(u"eval_bezeichnung"_s, [this](const QVariant &v) { return ersetzt(v.toString()); });
    qry_klient_evaluationen->setFields({FieldDef(u"klienteval_eval_bezeichnung"_s, u"Evaluation"_s, 75),
                                        FieldDef(u"klienteval_lfd_nr"_s, {}, 0, false),
                                        FieldDef(u"klienteval_klient_id"_s, {}, 0, false),
                                        FieldDef(u"klienteval_aktivitaeten_gruppe"_s, {}, 0, false),
                                        FieldDef(u"klienteval_eval_id"_s, {}, 0, false),
                                        FieldDef(u"klienteval_eval_pos"_s, {}, 0, false)});
    qry_klient_evaluationen->setGetText(u"klienteval_eval_bezeichnung"_s, [](const QVariant &v) { return v.toString(); });

    AktivitaetenGruppenCombo->setObjectName(u"AktivitaetenGruppenCombo"_s);
    AktivitaetenGruppenCombo->setList(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, {u"aktivitaet_bezeichnung"_s});
    EvaluationenCombo->setObjectName(u"EvaluationenCombo"_s);
    EvaluationenCombo->setAccessibleName(u"Evaluationen"_s);
    EvaluationenCombo->setList(qry_evaluationen, u"eval_id"_s, {u"eval_bezeichnung"_s});
    EvaluationenCombo->setMaxVisibleItems(20);
    EvaluationenGrid->setObjectName(u"EvaluationenGrid"_s);
    EvaluationenGrid->setAccessibleName(u"Evaluationen des Klienten"_s);
    EvaluationenGrid->setDataSource(src_klient_evaluationen);
    EvaluationenGrid->setTextColumnFills(true);
    EvaluationenPopupMenu->setObjectName(u"EvaluationenPopupMenu"_s);
    EvaluationAusListeEntfernenItem = EvaluationenPopupMenu->addAction(u"Evaluation aus Liste entfernen"_s);
    EvaluationAusListeEntfernenItem->setObjectName(u"EvaluationAusListeEntfernenItem"_s);
    EvaluationenPopupMenu->addSeparator();
    EvaluationstextbearbeitenItem = EvaluationenPopupMenu->addAction(u"Evaluationstext bearbeiten"_s);
    EvaluationstextbearbeitenItem->setObjectName(u"EvaluationstextbearbeitenItem"_s);
    EvaluationenGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(EvaluationenGrid, &QWidget::customContextMenuRequested, EvaluationenPopupMenu, [this](const QPoint &pos) {
        EvaluationenPopupMenu->popup(EvaluationenGrid->viewport()->mapToGlobal(pos));
    });
    // Ctrl+Delete asks first, then removes as the pop-up item does.
    EvaluationenGrid->setDeleteAction([this] { EvaluationAusListeEntfernenItemClick(); });

    // The hints show a long text in full.
    connect(src_evaluationen, &DataSource::dataChanged, EvaluationenCombo, [this] {
        EvaluationenCombo->setToolTip(qry_evaluationen->currentRow() >= 0
                                          ? qry_evaluationen->displayText(u"eval_bezeichnung"_s)
                                          : QString());
    });
    connect(src_klient_evaluationen, &DataSource::dataChanged, EvaluationenGrid, [this] {
        EvaluationenGrid->setToolTip(qry_klient_evaluationen->currentRow() >= 0
                                         ? qry_klient_evaluationen->asText(u"klienteval_eval_bezeichnung"_s)
                                         : QString());
    });

    layoutAnlegen();

    connect(AktivitaetenGruppenCombo, &DbLookupCombo::closedUp, this,
            &TKlientenEvaluationenForm::AktivitaetenGruppenComboCloseUp);
    connect(EvaluationHinzufuegenBtn, &QPushButton::clicked, this,
            &TKlientenEvaluationenForm::EvaluationHinzufuegenBtnClick);
    connect(EvaluationNeuBtn, &QPushButton::clicked, this, &TKlientenEvaluationenForm::EvaluationNeuBtnClick);
    connect(EvaluationNeuEdit, &QLineEdit::returnPressed, this, &TKlientenEvaluationenForm::EvaluationNeuBtnClick);
    connect(EvaluationAusListeEntfernenItem, &QAction::triggered, this,
            &TKlientenEvaluationenForm::EvaluationAusListeEntfernenItemClick);
    connect(EvaluationstextbearbeitenItem, &QAction::triggered, this,
            &TKlientenEvaluationenForm::EvaluationstextbearbeitenItemClick);
    connect(BeendenBtn, &QPushButton::clicked, this, &TKlientenEvaluationenForm::BeendenBtnClick);

    AktivitaetTyp = AktivitaetTypLesen();
    TypLabel->setText(AktivitaetTyp);
    PlatzHalterErsetzenMit = PlatzHalterErsetzenMitLesen();
    qry_aktivitaeten_gruppen->setSql(AktivitaetenGruppenSql(AktivitaetTyp));
    qry_aktivitaeten_gruppen->open();
    if (!qry_aktivitaeten_gruppen->isEmpty())
        AktivitaetenGruppenCombo->setKeyValue(qry_aktivitaeten_gruppen->value(u"aktivitaet_id"_s));
    qry_evaluationen->open();
    if (!qry_evaluationen->isEmpty())
        EvaluationenCombo->setKeyValue(qry_evaluationen->value(u"eval_id"_s));
    klientenListeLesen();
}

TKlientenEvaluationenForm::~TKlientenEvaluationenForm()
{
    if (KlientenEvaluationenForm == this)
        KlientenEvaluationenForm = nullptr;
}

void TKlientenEvaluationenForm::layoutAnlegen()
{
    resize(550, 793);
    QFont fett = TypLabel->font();
    fett.setBold(true);
    TypLabel->setFont(fett);
    TypLabel->setObjectName(u"TypLabel"_s);
    TypLabel->setAccessibleName(u"Pflegemodell"_s);
    KlientLabel->setFont(fett);
    KlientLabel->setObjectName(u"KlientLabel"_s);
    KlientLabel->setAccessibleName(u"Klient"_s);
    Label16->setBuddy(AktivitaetenGruppenCombo);
    Label19->setBuddy(EvaluationNeuEdit);
    EvaluationNeuEdit->setObjectName(u"EvaluationNeuEdit"_s);
    EvaluationHinzufuegenBtn->setObjectName(u"EvaluationHinzufuegenBtn"_s);
    EvaluationNeuBtn->setObjectName(u"EvaluationNeuBtn"_s);
    BeendenBtn->setObjectName(u"BeendenBtn"_s);
    GroupBox1->setObjectName(u"GroupBox1"_s);

    auto *kopf = new QGridLayout;
    kopf->addWidget(Label15, 0, 0);
    kopf->addWidget(TypLabel, 0, 1);
    kopf->addWidget(Label16, 1, 0);
    kopf->addWidget(AktivitaetenGruppenCombo, 1, 1);
    kopf->addWidget(Label1, 2, 0);
    kopf->addWidget(KlientLabel, 2, 1);
    kopf->setColumnStretch(1, 1);

    auto *auswahl = new QVBoxLayout(GroupBox1);
    auswahl->addWidget(EvaluationenCombo);
    auswahl->addWidget(EvaluationHinzufuegenBtn, 0, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(GroupBox1);
    layout->addWidget(EvaluationenGrid, 1);
    layout->addWidget(Label19);
    layout->addWidget(EvaluationNeuEdit);
    layout->addWidget(EvaluationNeuBtn, 0, Qt::AlignLeft);
    layout->addWidget(BeendenBtn, 0, Qt::AlignRight);

    QWidget *vorher = AktivitaetenGruppenCombo;
    for (QWidget *w : std::initializer_list<QWidget *>{EvaluationenCombo, EvaluationHinzufuegenBtn, EvaluationenGrid,
                                                        EvaluationNeuEdit, EvaluationNeuBtn, BeendenBtn}) {
        setTabOrder(vorher, w);
        vorher = w;
    }
}

void TKlientenEvaluationenForm::KlientAnzeigen(qint64 klientId, const QString &anredeName, const QString &bezeichnung)
{
    KlientId = klientId;
    AnredeName = anredeName;
    KlientLabel->setText(bezeichnung);
    klientenListeLesen();
    // The pick list's texts now stand for this client.
    const QVariant auswahl = EvaluationenCombo->keyValue();
    neuLesen(qry_evaluationen);
    EvaluationenCombo->setKeyValue(auswahl);
}

void TKlientenEvaluationenForm::klientenListeLesen()
{
    qry_klient_evaluationen->close();
    qry_klient_evaluationen->setParam(u"klient_id"_s, KlientId);
    qry_klient_evaluationen->setParam(u"aktivitaet"_s, AktivitaetenGruppenCombo->keyValue().toLongLong());
    qry_klient_evaluationen->open();
}

QString TKlientenEvaluationenForm::ersetzt(const QString &text) const
{
    return PlatzhalterErsetzen(text, PlatzHalterErsetzenMit, AnredeName);
}

QString TKlientenEvaluationenForm::auswahlFehlt() const
{
    if (KlientId <= 0)
        return Planmeldungen::keinKlient();
    if (AktivitaetenGruppenCombo->keyValue().toLongLong() <= 0)
        return Planmeldungen::keineAktivitaet();
    return {};
}

void TKlientenEvaluationenForm::anhaengen(qint64 evalId, const QString &text)
{
    const int position = qry_klient_evaluationen->isEmpty()
        ? 1
        : int(qry_klient_evaluationen->valueAt(qry_klient_evaluationen->recordCount() - 1,
                                               qry_klient_evaluationen->fieldPosition(u"klienteval_eval_pos"_s))
                  .toLongLong())
            + 1;
    qry_klient_evaluationen->append();
    qry_klient_evaluationen->setValue(u"klienteval_klient_id"_s, KlientId);
    qry_klient_evaluationen->setValue(u"klienteval_eval_id"_s, evalId);
    qry_klient_evaluationen->setValue(u"klienteval_eval_bezeichnung"_s, text);
    qry_klient_evaluationen->setValue(u"klienteval_eval_pos"_s, position);
    qry_klient_evaluationen->setValue(u"klienteval_aktivitaeten_gruppe"_s,
                                      AktivitaetenGruppenCombo->keyValue().toLongLong());
}

void TKlientenEvaluationenForm::AktivitaetenGruppenComboCloseUp()
{
    if (!qry_evaluationen->isEmpty()) {
        qry_evaluationen->first();
        EvaluationenCombo->setKeyValue(qry_evaluationen->value(u"eval_id"_s));
    }
    klientenListeLesen();
}

void TKlientenEvaluationenForm::EvaluationHinzufuegenBtnClick()
{
    // A key left from another group shows no text and is no choice.
    if (EvaluationenCombo->keyValue().toLongLong() <= 0 || EvaluationenCombo->shownText().isEmpty()) {
        Messages::error(this, u"Es ist noch keine Evaluation zum Hinzufügen vorhanden!\n\n"
                              "Bitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s);
        return;
    }
    if (const QString fehlt = auswahlFehlt(); !fehlt.isEmpty()) {
        Messages::error(this, fehlt);
        return;
    }
    const qint64 evalId = EvaluationenCombo->keyValue().toLongLong();
    const int zeile = qry_evaluationen->findRow(u"eval_id"_s, evalId);
    anhaengen(evalId, ersetzt(qry_evaluationen->valueAt(zeile, qry_evaluationen->fieldPosition(u"eval_bezeichnung"_s))
                                  .toString()));
    try {
        qry_klient_evaluationen->post();
    } catch (const DatabaseAccessError &e) {
        qry_klient_evaluationen->cancel();
        Messages::error(this, e.message());
    } catch (const DatabaseError &) {
        qry_klient_evaluationen->cancel();
        Messages::error(this, duplikat());
    } catch (const Exception &e) {
        qry_klient_evaluationen->cancel();
        Messages::error(this, e.message());
    }
}

void TKlientenEvaluationenForm::EvaluationNeuBtnClick()
{
    const QString text = EvaluationNeuEdit->text();
    if (text.isEmpty()) {
        Messages::error(this, Planmeldungen::leererEintrag());
        return;
    }
    if (const QString fehlt = auswahlFehlt(); !fehlt.isEmpty()) {
        Messages::error(this, fehlt);
        return;
    }
    const QVariant auswahlVorher = EvaluationenCombo->keyValue();
    try {
        // The new formulation and the client's copy live in two databases;
        // both are written or neither. The catalogue commits first: should
        // the client's commit fail after it, the catalogue has merely gained
        // a formulation.
        Transaction katalog(*qry_evaluationen->connection());
        Transaction plan(*qry_klient_evaluationen->connection());
        qry_evaluationen->append();
        qry_evaluationen->setValue(u"eval_aktivitaet"_s, AktivitaetenGruppenCombo->keyValue().toLongLong());
        qry_evaluationen->setValue(u"eval_bezeichnung"_s, text);
        qry_evaluationen->post();
        const qint64 evalId = qry_evaluationen->asInteger(u"eval_id"_s);
        EvaluationenCombo->setKeyValue(evalId);
        anhaengen(evalId, ersetzt(text));
        qry_klient_evaluationen->post();
        katalog.commit();
        plan.commit();
    } catch (const Exception &e) {
        neuLesen(qry_evaluationen);
        neuLesen(qry_klient_evaluationen);
        EvaluationenCombo->setKeyValue(auswahlVorher);
        Messages::exception(this, e.message());
        return;
    }
    EvaluationNeuEdit->clear();
}

void TKlientenEvaluationenForm::EvaluationAusListeEntfernenItemClick()
{
    if (!qry_klient_evaluationen->isOpen() || qry_klient_evaluationen->isEmpty())
        return;
    try {
        qry_klient_evaluationen->remove();
    } catch (const Exception &e) {
        Messages::error(this, e.message());
    }
}

void TKlientenEvaluationenForm::EvaluationstextbearbeitenItemClick()
{
    if (!qry_klient_evaluationen->isOpen() || qry_klient_evaluationen->currentRow() < 0) {
        Messages::error(this, Planmeldungen::keinEintragZumBearbeiten());
        return;
    }
    Dataset *suche = DatenModul->search_evaluation;
    suche->close();
    suche->setParam(u"id"_s, qry_klient_evaluationen->asInteger(u"klienteval_eval_id"_s));
    suche->open();
    // Without its catalogue formulation the client's copy is a text of its
    // own, which is edited alone.
    const bool imKatalog = !suche->isEmpty();
    TEintragBearbeitenForm *editor = EintragBearbeitenForm;
    editor->EintragEdit->setText(imKatalog ? suche->asText(u"eval_bezeichnung"_s)
                                           : qry_klient_evaluationen->asText(u"klienteval_eval_bezeichnung"_s));
    if (Dialogs::exec(editor) != QDialog::Accepted) {
        suche->close();
        return;
    }

    QString eintrag = editor->EintragEdit->text();
    try {
        // The catalogue text is written first: when it fails, the client's
        // copy stays as it was.
        std::optional<Transaction> katalog;
        if (imKatalog) {
            katalog.emplace(*suche->connection());
            suche->edit();
            suche->setValue(u"eval_bezeichnung"_s, eintrag);
            suche->post();
            eintrag = ersetzt(suche->asText(u"eval_bezeichnung"_s));
        }
        Transaction plan(*qry_klient_evaluationen->connection());
        qry_klient_evaluationen->edit();
        qry_klient_evaluationen->setValue(u"klienteval_eval_bezeichnung"_s, eintrag);
        qry_klient_evaluationen->post();
        if (katalog)
            katalog->commit();
        plan.commit();
    } catch (const Exception &e) {
        suche->close();
        neuLesen(qry_klient_evaluationen);
        Messages::exception(this, e.message());
        return;
    }
    suche->close();

    qry_evaluationen->reopen();
    if (!qry_evaluationen->isEmpty())
        EvaluationenCombo->setKeyValue(qry_evaluationen->value(u"eval_id"_s));
}

void TKlientenEvaluationenForm::BeendenBtnClick()
{
    close();
}
