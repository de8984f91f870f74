#include "Datenmodulfrm.h"
#include "Listedruckfrm.h"
#include "Stammfrm.h"
#include "dataset.h"
#include "datasetmodel.h"
#include "dbedit.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "report.h"
#include "reportpreview.h"
#include "stammfenster.h"
#include "testdatabases.h"
#include "windowrule.h"

#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A master-data window on a fresh care database with three records, the
// logged-in employee being the initial one (id 1, login "admin").
struct Offen
{
    const StammFenster &art;
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;
    RecordingMessages messages;
    qint32 benutzer = 1;
    QPointer<TStammForm> form;

    explicit Offen(const StammFenster &art) : art(art)
    {
        TestDatabases::run(*db.care, art.fixture);
        TestDatabases::followKeys(*db.care, {art.tabelle});
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
        form = art.erzeugen(db.care.get(), [this] { return benutzer; });
        form->show();
    }
    ~Offen() { delete form.data(); }

    QVariant wert(const QString &spalte, qint64 schluessel) const
    {
        return TestDatabases::scalar(*db.care, u"select %1 from %2 where %3 = %4"_s.arg(spalte, art.tabelle,
                                                                                     art.schluessel)
                                                   .arg(schluessel));
    }
    QList<qint64> reihenfolge() const
    {
        QList<qint64> keys;
        const int pos = form->haupt->fieldPosition(art.schluessel);
        for (int row = 0; row < form->haupt->recordCount(); ++row)
            keys << form->haupt->valueAt(row, pos).toLongLong();
        return keys;
    }
    QList<qint64> sqlReihenfolge(const QString &orderBy) const
    {
        QList<qint64> keys;
        QSqlQuery q(db.care->database());
        q.exec(u"select %1 from %2 order by %3"_s.arg(art.schluessel, art.tabelle, orderBy));
        while (q.next())
            keys << q.value(0).toLongLong();
        return keys;
    }
    DbEdit *textEdit() const { return form->findChild<DbEdit *>(art.textEdit); }
    DbEdit *auditEdit(const QString &suffix) const
    {
        return form->findChild<DbEdit *>(art.praefix + suffix + u"Edit"_s);
    }
    // Types into the text edit, as a person starts changing a record.
    void tippen(const QString &text)
    {
        textEdit()->setFocus();
        QTest::keyClick(textEdit(), Qt::Key_End);
        QTest::keyClicks(textEdit(), text);
    }
    QVector<bool> knoepfe() const
    {
        return {form->NeuBtn->isEnabled(), form->SpeicherBtn->isEnabled(), form->CancelBtn->isEnabled()};
    }
    void klickZeile(int row)
    {
        DbGrid *grid = form->DBGrid1;
        const QRect r = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
};

void fensterDaten()
{
    QTest::addColumn<int>("fenster");
    for (int i = 0; i < stammFenster().size(); ++i)
        QTest::newRow(qPrintable(stammFenster()[i].name)) << i;
}

} // namespace

class tst_Stammdaten : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }
    void buttonsFollowTheRecordState_data() { fensterDaten(); }
    void buttonsFollowTheRecordState();
    void savingStampsOnlyTheRightPair_data() { fensterDaten(); }
    void savingStampsOnlyTheRightPair();
    void auditColumnsShowLoginNameDigitsOrNothing_data() { fensterDaten(); }
    void auditColumnsShowLoginNameDigitsOrNothing();
    void selectionBoxFollowsTheListOnlyOnTheListPage_data() { fensterDaten(); }
    void selectionBoxFollowsTheListOnlyOnTheListPage();
    void titleClicksSortAndASaveBringsBackTheQueryOrder_data() { fensterDaten(); }
    void titleClicksSortAndASaveBringsBackTheQueryOrder();
    void enterInAnEditSaves_data() { fensterDaten(); }
    void enterInAnEditSaves();
    void leavingAnEditedRecordStoresItWithoutStamps_data() { fensterDaten(); }
    void leavingAnEditedRecordStoresItWithoutStamps();
    void closingDiscardsAndTheNextOpeningIsAFreshWindow_data() { fensterDaten(); }
    void closingDiscardsAndTheNextOpeningIsAFreshWindow();
    void deletingAsksAndRefusesARecordOthersReferTo_data() { fensterDaten(); }
    void deletingAsksAndRefusesARecordOthersReferTo();
    void printButtonOpensTheListReport_data() { fensterDaten(); }
    void printButtonOpensTheListReport();
};

void tst_Stammdaten::buttonsFollowTheRecordState()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    using B = QVector<bool>;
    QCOMPARE(t.form->PageControl1->currentWidget(), t.form->DetailsSheet);
    QCOMPARE(t.knoepfe(), (B{true, false, false}));
    QCOMPARE(t.form->Combo->keyValue().toLongLong(), t.sqlReihenfolge(u"1"_s).isEmpty() ? 0 : t.reihenfolge().first());

    t.tippen(u"x"_s);
    QCOMPARE(t.form->haupt->state(), Dataset::State::Edit);
    QCOMPARE(t.knoepfe(), (B{false, true, true}));
    QTest::mouseClick(t.form->CancelBtn, Qt::LeftButton);
    QCOMPARE(t.knoepfe(), (B{true, false, false}));

    QTest::mouseClick(t.form->NeuBtn, Qt::LeftButton);
    QCOMPARE(t.form->haupt->state(), Dataset::State::Insert);
    QCOMPARE(t.form->PageControl1->currentWidget(), t.form->DetailsSheet);
    QCOMPARE(t.knoepfe(), (B{false, true, true}));
    t.tippen(u"Neu"_s);
    t.art.pflichtfelder(t.form);
    QTest::mouseClick(t.form->SpeicherBtn, Qt::LeftButton);
    QVERIFY2(t.messages.texts.isEmpty(), qPrintable(t.messages.texts.join(u'\n')));
    QCOMPARE(t.knoepfe(), (B{true, false, false}));
    QCOMPARE(t.form->haupt->recordCount(), 4);
}

void tst_Stammdaten::savingStampsOnlyTheRightPair()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    const QString p = t.art.praefix;
    const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);

    QTest::mouseClick(t.form->NeuBtn, Qt::LeftButton);
    t.tippen(u"Neu"_s);
    t.art.pflichtfelder(t.form);
    QTest::mouseClick(t.form->SpeicherBtn, Qt::LeftButton);
    const qint64 neu = t.form->Combo->keyValue().toLongLong();
    QCOMPARE(t.form->haupt->asInteger(t.art.schluessel), neu);
    QVERIFY(neu > 3);
    QCOMPARE(t.wert(p + u"_erfasst_von"_s, neu).toInt(), 1);
    const QDateTime erfasst = QDateTime::fromString(t.wert(p + u"_erfasst_am"_s, neu).toString(), Qt::ISODate);
    QVERIFY2(erfasst >= vorher && erfasst <= QDateTime::currentDateTime(), qPrintable(erfasst.toString()));
    QCOMPARE(erfasst.time().msec(), 0);
    QVERIFY(t.wert(p + u"_geaendert_von"_s, neu).isNull());
    QVERIFY(t.wert(p + u"_geaendert_am"_s, neu).isNull());

    // Another user changes the record: only the changed pair moves.
    t.benutzer = 7;
    t.tippen(u"2"_s);
    t.art.pflichtfelder(t.form);
    QTest::mouseClick(t.form->SpeicherBtn, Qt::LeftButton);
    QCOMPARE(t.wert(p + u"_geaendert_von"_s, neu).toInt(), 7);
    QVERIFY(!t.wert(p + u"_geaendert_am"_s, neu).isNull());
    QCOMPARE(t.wert(p + u"_erfasst_von"_s, neu).toInt(), 1);
    QCOMPARE(QDateTime::fromString(t.wert(p + u"_erfasst_am"_s, neu).toString(), Qt::ISODate), erfasst);
    QCOMPARE(t.wert(t.art.textFeld, neu).toString(), u"Neu2"_s);
}

void tst_Stammdaten::auditColumnsShowLoginNameDigitsOrNothing()
{
    QFETCH(int, fenster);
    const StammFenster &art = stammFenster()[fenster];
    Offen t(art);
    TestDatabases::run(*t.db.care, u"update %1 set %2_erfasst_von = 1, %2_geaendert_von = 99, %2_bemerkung = "
                                   "'Zeile 1\nZeile 2' where %3 = 1"_s
                                       .arg(art.tabelle, art.praefix, art.schluessel));
    TestDatabases::run(*t.db.care, u"update %1 set %2_erfasst_von = NULL where %3 = 2"_s.arg(art.tabelle, art.praefix,
                                                                                         art.schluessel));
    t.form->haupt->reopen();
    t.form->Combo->setKeyValue(1);
    QCOMPARE(t.auditEdit(u"_erfasst_von"_s)->text(), u"admin"_s);
    QCOMPARE(t.auditEdit(u"_geaendert_von"_s)->text(), u"99"_s);
    QVERIFY(!t.auditEdit(u"_erfasst_von"_s)->isEnabled());
    const Dataset *d = t.form->haupt;
    const int row1 = d->findRow(art.schluessel, 1);
    const int row2 = d->findRow(art.schluessel, 2);
    QCOMPARE(d->displayTextAt(row1, d->fieldPosition(art.praefix + u"_erfasst_von"_s)), u"admin"_s);
    QCOMPARE(d->displayTextAt(row2, d->fieldPosition(art.praefix + u"_erfasst_von"_s)), QString());
    QCOMPARE(d->displayTextAt(row1, d->fieldPosition(art.bemerkung)), u"Zeile 1\nZeile 2"_s);
}

void tst_Stammdaten::selectionBoxFollowsTheListOnlyOnTheListPage()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    const QList<qint64> keys = t.reihenfolge();
    // On the details page the box keeps its record.
    t.form->haupt->setCurrentRow(2);
    QCOMPARE(t.form->Combo->keyValue().toLongLong(), keys[0]);

    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    t.klickZeile(1);
    QCOMPARE(t.form->Combo->keyValue().toLongLong(), keys[1]);
    QTest::keyClick(t.form->DBGrid1, Qt::Key_Down);
    QCOMPARE(t.form->Combo->keyValue().toLongLong(), keys[2]);
    // While a record is edited the box stays.
    t.form->haupt->edit();
    t.form->haupt->setValue(t.art.textFeld, u"geändert"_s);
    QCOMPARE(t.form->Combo->keyValue().toLongLong(), keys[2]);
}

void tst_Stammdaten::titleClicksSortAndASaveBringsBackTheQueryOrder()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    const QList<qint64> abfrage = t.reihenfolge();
    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    QHeaderView *kopf = t.form->DBGrid1->horizontalHeader();
    auto klick = [&](const QString &feld) {
        const int section = t.form->haupt->fieldPosition(feld);
        const int x = kopf->sectionViewportPosition(section) + kopf->sectionSize(section) / 2;
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    };
    const QStringList &f = t.art.sortierFelder;
    if (f.isEmpty()) {
        klick(t.art.textFeld);
        QCOMPARE(t.form->haupt->sort(), QString());
        QCOMPARE(t.reihenfolge(), abfrage);
        return;
    }
    const QList<std::pair<QString, QString>> folge{{f[0], u"ASC"_s}, {f[0], u"DESC"_s}, {f[1], u"ASC"_s},
                                                   {f[2], u"DESC"_s}};
    for (const auto &[feld, richtung] : folge) {
        klick(feld);
        QCOMPARE(t.form->haupt->sort(), feld + u" "_s + richtung);
        QCOMPARE(t.reihenfolge(), t.sqlReihenfolge(feld + u" "_s + richtung));
        QVERIFY(t.form->DBGrid1->model()->headerData(t.form->haupt->fieldPosition(feld), Qt::Horizontal,
                                                     Qt::FontRole).value<QFont>().bold());
    }
    QVERIFY(!t.form->DBGrid1->model()->headerData(t.form->haupt->fieldPosition(f[0]), Qt::Horizontal,
                                                  Qt::FontRole).value<QFont>().bold());
    t.form->PageControl1->setCurrentWidget(t.form->DetailsSheet);
    t.tippen(u"x"_s);
    t.art.pflichtfelder(t.form);
    QTest::mouseClick(t.form->SpeicherBtn, Qt::LeftButton);
    QCOMPARE(t.form->haupt->sort(), QString());
    QCOMPARE(t.reihenfolge().size(), abfrage.size());
    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    klick(f[1]);
    QCOMPARE(t.form->haupt->sort(), f[1] + u" ASC"_s);
}

void tst_Stammdaten::enterInAnEditSaves()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    const qint64 key = t.reihenfolge().first();
    t.art.pflichtfelder(t.form);
    t.tippen(u"Z"_s);
    QTest::keyClick(t.textEdit(), Qt::Key_Return);
    QVERIFY2(t.messages.texts.isEmpty(), qPrintable(t.messages.texts.join(u'\n')));
    QCOMPARE(t.form->haupt->state(), Dataset::State::Browse);
    QVERIFY(t.wert(t.art.textFeld, key).toString().endsWith(u'Z'));
    QCOMPARE(t.wert(t.art.praefix + u"_geaendert_von"_s, key).toInt(), 1);
}

void tst_Stammdaten::leavingAnEditedRecordStoresItWithoutStamps()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    const QList<qint64> keys = t.reihenfolge();
    t.tippen(u"Y"_s);
    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    t.klickZeile(1);
    QCOMPARE(t.form->haupt->state(), Dataset::State::Browse);
    QCOMPARE(t.knoepfe(), (QVector<bool>{true, false, false}));
    QVERIFY(t.wert(t.art.textFeld, keys[0]).toString().endsWith(u'Y'));
    QVERIFY(t.wert(t.art.praefix + u"_geaendert_von"_s, keys[0]).isNull());
}

void tst_Stammdaten::closingDiscardsAndTheNextOpeningIsAFreshWindow()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    delete t.form.data();
    TStammForm *global = nullptr;
    QWidget besitzer;
    auto oeffnen = [&] {
        return WindowRule::open(global, [&] { return t.art.erzeugen(t.db.care.get(), [] { return 1; }); },
                                WindowRule::Kind::TopLevel, 1024);
    };
    TStammForm *erstes = oeffnen();
    const qint64 key = erstes->haupt->asInteger(t.art.schluessel);
    const QString vorher = t.wert(t.art.textFeld, key).toString();
    QTest::keyClicks(erstes->findChild<DbEdit *>(t.art.textEdit), u"verworfen"_s);
    QCOMPARE(oeffnen(), erstes);
    QTest::mouseClick(erstes->CloseBtn, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!global);
    QCOMPARE(t.wert(t.art.textFeld, key).toString(), vorher);
    TStammForm *zweites = oeffnen();
    QCOMPARE(zweites->haupt->asInteger(t.art.schluessel), key);
    QCOMPARE(zweites->haupt->state(), Dataset::State::Browse);
    zweites->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Stammdaten::deletingAsksAndRefusesARecordOthersReferTo()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    TestDatabases::run(*t.db.care, t.art.referenzSql);
    t.form->Combo->setKeyValue(1);
    t.form->DBGrid1->setFocus();
    QTest::keyClick(t.form->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(t.messages.questions, QStringList{u"Datensatz löschen?"_s});
    QCOMPARE(t.messages.texts.size(), 1);
    QVERIFY(t.messages.texts[0].contains(u"nicht gelöscht"_s));
    QCOMPARE(t.form->haupt->recordCount(), 3);

    t.form->Combo->setKeyValue(2);
    t.messages.answer = false;
    QTest::keyClick(t.form->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(t.messages.questions.size(), 2);
    QCOMPARE(t.messages.texts.size(), 1);
    QCOMPARE(t.form->haupt->recordCount(), 3);
    t.messages.answer = true;
    QTest::keyClick(t.form->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(t.form->haupt->recordCount(), 2);
    QCOMPARE(t.wert(u"count(*)"_s, 2).toInt(), 0);
}

void tst_Stammdaten::printButtonOpensTheListReport()
{
    QFETCH(int, fenster);
    Offen t(stammFenster()[fenster]);
    t.form->PageControl1->setCurrentWidget(t.form->ListeSheet);
    QTest::mouseClick(t.form->ListeDruckenBtn, Qt::LeftButton);
    const auto druck = t.form->findChildren<TListeDruckForm *>();
    QCOMPARE(druck.size(), 1);
    ReportPreview *vorschau = druck[0]->Bericht->previewWindow();
    QVERIFY(vorschau);
    QCOMPARE(vorschau->windowTitle(), t.art.vorschauTitel);
    QCOMPARE(vorschau->document().pageCount(), 1);
}

QTEST_MAIN(tst_Stammdaten)
#include "tst_stammdaten.moc"
