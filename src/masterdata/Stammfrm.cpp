#include "Stammfrm.h"

#include "Listedruckfrm.h"
#include "datasetmodel.h"
#include "datasource.h"
#include "dbedit.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "dbmemo.h"
#include "listenexport.h"
#include "messages.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TStammForm::TStammForm(DbConnection *DB, std::function<qint32()> benutzerId, StammArt art, QWidget *parent)
    : QWidget(parent, Qt::Window),
      haupt(new Dataset(DB, this)),
      src(new DataSource(haupt, this)),
      search_mitarbeiter(new Dataset(DB, this)),
      AuswahlLabel(new QLabel(art.auswahlText, this)),
      Combo(new DbLookupCombo(this)),
      NeuBtn(new QPushButton(art.neuText, this)),
      PageControl1(new QTabWidget(this)),
      DetailsSheet(new QWidget(PageControl1)),
      ListeSheet(new QWidget(PageControl1)),
      DBGrid1(new DbGrid(ListeSheet)),
      ListenExcelExportBtn(new QPushButton(u"Liste wie angezeigt nach Excel exportieren"_s, ListeSheet)),
      ListeDruckenBtn(new QPushButton(art.druckText, ListeSheet)),
      SpeicherBtn(new QPushButton(art.speicherText, this)),
      CancelBtn(new QPushButton(art.verwerfenText, this)),
      CloseBtn(new QPushButton(u"Fenster schließen"_s, this)),
      Statuszeile(new QStatusBar(this)),
      m_DB(DB),
      m_benutzerId(std::move(benutzerId)),
      m_art(std::move(art)),
      m_links(new QGridLayout),
      m_rechts(new QGridLayout)
{
    setObjectName(m_art.objektName);
    setWindowTitle(m_art.titel);
    haupt->setObjectName(m_art.abfrage);
    src->setObjectName(u"src_"_s + m_art.abfrage.mid(4));
    haupt->setSql(m_art.sql);
    search_mitarbeiter->setObjectName(u"search_mitarbeiter"_s);
    search_mitarbeiter->setSql(u"select * from tbl_mitarbeiter\nwhere ma_id = :id ;"_s);

    Combo->setObjectName(m_art.comboName);
    Combo->setList(haupt, m_art.schluessel, m_art.comboSpalten);
    Combo->setClearable(true);
    AuswahlLabel->setBuddy(Combo);
    NeuBtn->setObjectName(m_art.kuerzel + u"NeuBtn"_s);
    SpeicherBtn->setObjectName(m_art.kuerzel + u"SpeicherBtn"_s);
    CancelBtn->setObjectName(m_art.kuerzel + u"CancelBtn"_s);
    CloseBtn->setObjectName(u"CloseBtn"_s);
    ListenExcelExportBtn->setObjectName(u"ListenExcelExportBtn"_s);
    ListeDruckenBtn->setObjectName(m_art.druckName);
    PageControl1->setObjectName(u"PageControl1"_s);
    DetailsSheet->setObjectName(m_art.detailsName);
    ListeSheet->setObjectName(u"ListeSheet"_s);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setAccessibleName(u"Liste"_s);
    DBGrid1->setDataSource(src);
    DBGrid1->setDeleteAction([this] { Loeschen(); });
    Statuszeile->setObjectName(u"Statuszeile"_s);
    Statuszeile->setSizeGripEnabled(false);
    // Save is the default: Enter in an edit stores the record while it can.
    SpeicherBtn->setDefault(true);
    for (QPushButton *b : {NeuBtn, SpeicherBtn, CancelBtn})
        b->setEnabled(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(AuswahlLabel);
    oben->addWidget(Combo, 1);
    oben->addWidget(new QLabel(u"oder : "_s, this));
    oben->addWidget(NeuBtn);

    auto *details = new QHBoxLayout(DetailsSheet);
    details->addLayout(m_links, 3);
    details->addSpacing(24);
    details->addLayout(m_rechts, 2);
    PageControl1->addTab(DetailsSheet, u"Details"_s);

    auto *liste = new QVBoxLayout(ListeSheet);
    liste->addWidget(DBGrid1, 1);
    auto *listenKnoepfe = new QHBoxLayout;
    listenKnoepfe->addWidget(ListenExcelExportBtn);
    listenKnoepfe->addWidget(ListeDruckenBtn);
    listenKnoepfe->addStretch();
    liste->addLayout(listenKnoepfe);
    PageControl1->addTab(ListeSheet, u"Liste"_s);

    auto *unten = new QHBoxLayout;
    unten->addWidget(SpeicherBtn);
    unten->addWidget(CancelBtn);
    unten->addStretch();
    unten->addWidget(CloseBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(unten);
    layout->addWidget(Statuszeile);
    resize(900, 720);

    connect(src, &DataSource::stateChanged, this, &TStammForm::src_StateChange);
    connect(src, &DataSource::dataChanged, this, &TStammForm::src_DataChange);
    connect(NeuBtn, &QPushButton::clicked, this, &TStammForm::NeuBtnClick);
    connect(SpeicherBtn, &QPushButton::clicked, this, &TStammForm::SpeicherBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TStammForm::CancelBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TStammForm::CloseBtnClick);
    connect(ListenExcelExportBtn, &QPushButton::clicked, this, &TStammForm::ListenExcelExportBtnClick);
    connect(ListeDruckenBtn, &QPushButton::clicked, this, &TStammForm::ListeDruckenBtnClick);
    if (m_art.titelSortierung)
        connect(DBGrid1, &DbGrid::titleClicked, this, &TStammForm::DBGrid1TitleClick);
}

TStammForm::~TStammForm() = default;

void TStammForm::felderFestlegen(const QList<FieldDef> &felder)
{
    haupt->setFields(felder);
    for (const QString &spalte : {m_art.praefix + u"_erfasst_von"_s, m_art.praefix + u"_geaendert_von"_s})
        haupt->setGetText(spalte, [this](const QVariant &v) { return BenutzerGetText(v); });
    haupt->setGetText(m_art.bemerkung, &TStammForm::BemerkungGetText);
}

void TStammForm::oeffnen(std::initializer_list<Dataset *> nachschlagen)
{
    for (Dataset *d : nachschlagen) {
        m_nachschlagen.append(d);
        d->open();
    }
    // The window's details were created after the buttons below the pages;
    // Tab reaches those buttons last, as they stand.
    QWidget *letztes = this;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w != SpeicherBtn && w != CancelBtn && w != CloseBtn && isAncestorOf(w))
            letztes = w;
    }
    setTabOrder(letztes, SpeicherBtn);
    setTabOrder(SpeicherBtn, CancelBtn);
    setTabOrder(CancelBtn, CloseBtn);

    haupt->open();
    if (!haupt->isEmpty())
        Combo->setKeyValue(haupt->asInteger(m_art.schluessel));
    // An empty table stays in browse state without a notification.
    src_StateChange(haupt->state());
}

void TStammForm::zeile(QGridLayout *spalte, const QString &label, QWidget *control)
{
    const int row = spalte->rowCount();
    auto *l = new QLabel(label, DetailsSheet);
    l->setBuddy(control);
    spalte->addWidget(l, row, 0);
    spalte->addWidget(control, row, 1);
}

DbEdit *TStammForm::feld(QGridLayout *spalte, const QString &label, const QString &field, const QString &objektName)
{
    auto *edit = new DbEdit(DetailsSheet);
    edit->setObjectName(objektName);
    edit->bind(src, field);
    zeile(spalte, label, edit);
    return edit;
}

DbMemo *TStammForm::memo(QGridLayout *spalte, const QString &label, const QString &field, const QString &objektName)
{
    auto *m = new DbMemo(DetailsSheet);
    m->setObjectName(objektName);
    m->bind(src, field);
    const int row = spalte->rowCount();
    auto *l = new QLabel(label, DetailsSheet);
    l->setBuddy(m);
    spalte->addWidget(l, row, 0, 1, 2);
    spalte->addWidget(m, row + 1, 0, 1, 2);
    spalte->setRowStretch(row + 1, 1);
    return m;
}

void TStammForm::auditBlock(QGridLayout *spalte)
{
    const QString p = m_art.praefix;
    const QList<std::pair<QString, QString>> felder{{u"zuletzt geändert von : "_s, p + u"_geaendert_von"_s},
                                                    {u"zuletzt geändert am : "_s, p + u"_geaendert_am"_s},
                                                    {u"erfasst von :"_s, p + u"_erfasst_von"_s},
                                                    {u"erfasst am :"_s, p + u"_erfasst_am"_s}};
    for (const auto &[label, field] : felder)
        feld(spalte, label, field, field + u"Edit"_s)->setEnabled(false);
}

void TStammForm::src_StateChange(Dataset::State state)
{
    if (state == Dataset::State::Inactive)
        return;
    const bool bearbeitet = state == Dataset::State::Edit || state == Dataset::State::Insert;
    SpeicherBtn->setEnabled(bearbeitet);
    CancelBtn->setEnabled(bearbeitet);
    NeuBtn->setEnabled(!bearbeitet);
}

void TStammForm::src_DataChange()
{
    if (PageControl1->currentWidget() == ListeSheet && haupt->state() == Dataset::State::Browse
        && haupt->currentRow() >= 0)
        Combo->setKeyValue(haupt->asInteger(m_art.schluessel));
}

void TStammForm::NeuBtnClick()
{
    haupt->append();
}

void TStammForm::audit(const QString &wer, const QString &wann)
{
    haupt->setValue(m_art.praefix + wer, m_benutzerId());
    const QDateTime jetzt = QDateTime::currentDateTime();
    haupt->setValue(m_art.praefix + wann, jetzt.addMSecs(-jetzt.time().msec()));
}

void TStammForm::SpeicherBtnClick()
{
    if (!speichernErlaubt())
        return;
    if (haupt->state() == Dataset::State::Edit)
        audit(u"_geaendert_von"_s, u"_geaendert_am"_s);
    else if (haupt->state() == Dataset::State::Insert)
        audit(u"_erfasst_von"_s, u"_erfasst_am"_s);
    haupt->post();
    const qint64 schluessel = haupt->asInteger(m_art.schluessel);
    haupt->close();
    haupt->open();
    Combo->setKeyValue(schluessel);
    gespeichert();
}

void TStammForm::CancelBtnClick()
{
    haupt->cancel();
}

void TStammForm::CloseBtnClick()
{
    close();
}

void TStammForm::ListenExcelExportBtnClick()
{
    ExcelListenExport(haupt, m_art.exportTitel);
}

void TStammForm::ListeDruckenBtnClick()
{
    listeDruckForm()->ListeDrucken();
}

void TStammForm::DBGrid1TitleClick(int position)
{
    DatasetModel *model = DBGrid1->datasetModel();
    if (SortierteSpalte >= 0 && SortierteSpalte < haupt->fieldCount())
        model->setTitleBold(haupt->fieldAt(SortierteSpalte).name, false);
    const QString field = haupt->fieldAt(position).name;
    model->setTitleBold(field, true);
    SortierteSpalte = position;
    haupt->setSort(field + (haupt->sort().contains(u"ASC"_s) ? u" DESC"_s : u" ASC"_s));
}

QString TStammForm::BenutzerGetText(const QVariant &value)
{
    search_mitarbeiter->close();
    search_mitarbeiter->setParam(u"id"_s, value.isNull() ? 0 : value.toLongLong());
    search_mitarbeiter->open();
    const QString text = search_mitarbeiter->isEmpty() ? Dataset::formatValue(value)
                                                       : search_mitarbeiter->asText(u"ma_prog_name"_s);
    search_mitarbeiter->close();
    return text;
}

QString TStammForm::BemerkungGetText(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

void TStammForm::Loeschen()
{
    // A record that others still refer to stays, and the user hears why.
    if (const QString grund = loeschenVerhindert(); !grund.isEmpty()) {
        Messages::error(this, grund);
        return;
    }
    haupt->remove();
}

void TStammForm::keyPressEvent(QKeyEvent *event)
{
    // Enter in an edit reaches the window because edits pass it on.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && SpeicherBtn->isEnabled()) {
        SpeicherBtn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TStammForm::closeEvent(QCloseEvent *event)
{
    // Unsaved changes go with the window.
    haupt->close();
    for (Dataset *d : std::as_const(m_nachschlagen))
        d->close();
    if (TListeDruckForm *druck = listeDruckForm(); druck && druck->parent() == this)
        druck->deleteLater();
    event->accept();
}
