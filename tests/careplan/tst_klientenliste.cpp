#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "careplanfixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

// The client list of the care-planning window as a care worker uses it:
// whichever way a client is reached, the highlighted row is the client whose
// plan the lists below show and change.
class tst_KlientenListe : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CarePlanFixture> fixture;
    std::unique_ptr<TKlientenVandrelForm> form;

    DbGrid *grid() const { return form->KlientenGrid; }
    Dataset *klienten() const { return form->qry_klienten; }

    // The highlight, the grid's current row and the lists of the plan all
    // stand on the dataset's current client.
    void verifyHighlightIsClientBeingPlanned()
    {
        QCoreApplication::processEvents();
        const int row = klienten()->currentRow();
        QVERIFY(row >= 0);
        const QModelIndexList selected = grid()->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), row);
        QCOMPARE(grid()->currentIndex().row(), row);
        QVERIFY(grid()->viewport()->rect().intersects(grid()->visualRect(grid()->currentIndex())));
        const qint64 klient = klienten()->asInteger(u"klient_id"_s);
        for (const auto &b : form->Bereiche)
            QCOMPARE(b.klient->param(u"klient_id"_s).toLongLong(), klient);
        // The pick lists speak of the highlighted client.
        QVERIFY2(form->ProblemeCombo->shownText().contains(form->AnredeName()),
                 qPrintable(form->ProblemeCombo->shownText() + u" / "_s + form->AnredeName()));
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        fixture = std::make_unique<CarePlanFixture>();
        QStringList rows;
        for (int i = 0; i < 60; ++i)
            rows << u"(%1, 1, 'Herr', 'Klient %2', 'Test', NULL)"_s.arg(100 + i).arg(i, 2, 10, QChar(u'0'));
        TestDatabases::run(*fixture->db.care,
                           u"insert into tbl_klienten_stamm (klient_id, klient_abt, klient_anrede, klient_name, "
                           "klient_vorname, klient_hausarzt) values "_s + rows.join(u", "_s));
        // The first category's first problem speaks of the client.
        TestDatabases::run(*fixture->db.catalogue,
                           u"update tbl_probleme set prob_bezeichnung = '$ braucht Hilfe.' where prob_id = "
                           "(select min(prob_id) from tbl_probleme)"_s);
        form = std::make_unique<TKlientenVandrelForm>(fixture->db.care.get(), fixture->db.catalogue.get(),
                                                      [] { return 1; }, 1024);
        form->resize(1400, 900);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup()
    {
        form.reset();
        fixture.reset();
    }

    void clickOnPartlyVisibleLastRow_highlightsTheClientBeingPlanned_data()
    {
        QTest::addColumn<bool>("handMoves");
        QTest::newRow("clean click") << false;
        QTest::newRow("hand moves while pressing") << true;
    }

    void clickOnPartlyVisibleLastRow_highlightsTheClientBeingPlanned()
    {
        QFETCH(bool, handMoves);
        QWidget *viewport = grid()->viewport();
        for (int step = 0; step < 3; ++step) {
            // The last row that shows only its upper part.
            int row = grid()->rowAt(viewport->height() - 1);
            const QRect rect = grid()->visualRect(grid()->model()->index(row, 1));
            QVERIFY(row > 0);
            if (rect.bottom() < viewport->height()) {
                grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->value() + 3);
                row = grid()->rowAt(viewport->height() - 1);
            }
            const QPoint at(grid()->visualRect(grid()->model()->index(row, 1)).center().x(), viewport->height() - 3);
            QCOMPARE(grid()->rowAt(at.y()), row);
            if (handMoves) {
                QTest::mousePress(viewport, Qt::LeftButton, {}, at);
                QTest::mouseMove(viewport, at + QPoint(2, 1));
                QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + QPoint(2, 1));
            } else {
                QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            }
            QCOMPARE(klienten()->currentRow(), row);
            verifyHighlightIsClientBeingPlanned();
        }
    }

    void keys_keepHighlightOnClientBeingPlanned()
    {
        grid()->setFocus();
        const QList<Qt::Key> keys = {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_End,
                                     Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Down};
        for (Qt::Key key : keys) {
            QTest::keyClick(grid(), key);
            verifyHighlightIsClientBeingPlanned();
        }
        QTest::keyClick(grid(), Qt::Key_End);
        QCOMPARE(klienten()->currentRow(), klienten()->recordCount() - 1);
    }

    void searchAndResort_keepHighlightOnClientBeingPlanned()
    {
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_PageDown);
        form->NameSuchEdit->setText(u"Klient 4"_s);
        QTest::keyClick(form->NameSuchEdit, Qt::Key_Return);
        QCOMPARE(klienten()->recordCount(), 10);
        verifyHighlightIsClientBeingPlanned();
        klienten()->last();
        verifyHighlightIsClientBeingPlanned();
        klienten()->setSort(u"klient_name DESC"_s);
        QCOMPARE(klienten()->currentRow(), 0);
        verifyHighlightIsClientBeingPlanned();
    }

    void tab_leavesClientListForTheActivityGroup()
    {
        grid()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->AktivitaetenGruppenCombo);
        QCOMPARE(klienten()->currentRow(), 1);
    }

    // The department box starts at the department a German reader finds first.
    void departmentBox_startsAtFirstDepartmentInGermanOrder()
    {
        form.reset();
        TestDatabases::run(*fixture->db.care, u"delete from tbl_abteilungen"_s);
        TestDatabases::run(*fixture->db.care, u"insert into tbl_abteilungen (abt_id, abt_name) values "
                                              "(1, 'Zentrale'), (2, 'Ärztehaus'), (3, 'ambulant Nord')"_s);
        form = std::make_unique<TKlientenVandrelForm>(fixture->db.care.get(), fixture->db.catalogue.get(),
                                                      [] { return 1; }, 1024);
        QCOMPARE(form->AbtCombo->shownText(), u"ambulant Nord"_s);
        QCOMPARE(form->AbtCombo->keyValue().toInt(), 3);
    }

    void ctrlDelete_inClientListDeletesNoClient()
    {
        RecordingMessages messages;
        const qint64 before = TestDatabases::scalar(*fixture->db.care, u"select count(*) from tbl_klienten_stamm"_s).toLongLong();
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(messages.questions, QStringList{});
        QCOMPARE(TestDatabases::scalar(*fixture->db.care, u"select count(*) from tbl_klienten_stamm"_s).toLongLong(), before);
        QCOMPARE(klienten()->recordCount(), int(before));
    }
};

QTEST_MAIN(tst_KlientenListe)
#include "tst_klientenliste.moc"
