#include "Standardzuordnungenfrm.h"
#include "dataset.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "windowrule.h"
#include "careplanfixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

const QString problemDoppelt = u"Das ausgewählte Problem gibt es in der Liste schon!"_s;
const QString zielDoppelt = u"Das ausgewählte Ziel gibt es in der Liste schon!"_s;
const QString massnahmeDoppelt = u"Die ausgewählte Maßnahme gibt es in der Liste schon!"_s;
const QString keinProblemInListe = u"Es ist noch kein Problem in der Liste!\n\nBitte erst ein Problem hinzufügen und auswählen und erneut versuchen ..."_s;

// The standard problems 1, 2 and 3 of the fixture as the problem list shows them.
const QStringList alleProbleme = {u"$ hört schlecht."_s, u"Hörgerät wird nicht getragen."_s,
                                  u"$ spricht undeutlich, $ wird oft nicht verstanden."_s};

// What a list shows in its one visible column, row by row.
QStringList shown(const DbGrid *grid)
{
    const QAbstractItemModel *model = grid->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->data(model->index(row, 0)).toString();
    return texts;
}

// Chooses a row in a pick list as the user does: the row, then the drop-down closes.
void choose(DbLookupCombo *combo, int row)
{
    QSignalSpy closed(combo, &DbLookupCombo::closedUp);
    combo->showPopup();
    combo->setCurrentIndex(row);
    combo->hidePopup();
    QVERIFY(closed.wait(1000));
}

void clickRow(DbGrid *grid, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 0)).center());
}

} // namespace

class tst_StandardZuordnungen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CarePlanFixture> fixture;
    TestDatabases *db = nullptr;
    std::unique_ptr<TStandardZuordnungenForm> form;

    void openWindow()
    {
        form = std::make_unique<TStandardZuordnungenForm>(db->care.get(), db->catalogue.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Every row of the three standard tables, to tell whether anything was stored.
    QStringList standardRows()
    {
        QStringList rows;
        for (const QString &sql : {u"select 'P', standardprob_problem_id, 0 from tbl_standard_probleme"_s,
                                   u"select 'Z', standardziele_problem_id, standardziele_ziel_id from tbl_standard_ziele"_s,
                                   u"select 'M', standardmas_problem_id, standardmas_massnahme_id from tbl_standard_massnahmen"_s}) {
            QSqlQuery q(db->care->database());
            if (!q.exec(sql + u" order by 2, 3"_s))
                return {q.lastError().text()};
            while (q.next())
                rows << u"%1 %2:%3"_s.arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        }
        return rows;
    }

    QList<QStringList> shownLists()
    {
        return {shown(form->ProblemeGrid), shown(form->ZieleGrid), shown(form->MassnahmenGrid)};
    }

    QPushButton *addButton(const QString &name) { return form->findChild<QPushButton *>(name); }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        fixture = std::make_unique<CarePlanFixture>();
        db = &fixture->db;
        TestDatabases::runFile(*db->care, QStringLiteral(VANDREL_FIXTURES "/standardzuordnungen.sql"));
    }

    void cleanup()
    {
        form.reset();
        fixture.reset();
    }

    void creation_showsFirstChoicesAndCatalogueTextsWithPlaceholder()
    {
        openWindow();
        QCOMPARE(form->TypLabel->text(), u"AEDL"_s);
        QCOMPARE(form->AktivitaetenGruppenCombo->shownText(), u"Sich pflegen"_s);
        QCOMPARE(form->KategorienCombo->shownText(), u"Waschen"_s);
        QCOMPARE(form->ProblemeCombo->shownText(), u"$ kann den Rücken nicht waschen."_s);
        QCOMPARE(form->ZieleCombo->shownText(), u"Haut ist sauber und intakt."_s);
        QCOMPARE(form->MassnahmenCombo->shownText(), u"Rücken waschen."_s);
        // The first standard problem is current; goal 99 is no longer in the catalogue.
        QCOMPARE(shown(form->ProblemeGrid), alleProbleme);
        QCOMPARE(shown(form->ZieleGrid), QStringList({u"$ trägt das Hörgerät tagsüber."_s, QString()}));
        QCOMPARE(shown(form->MassnahmenGrid),
                 QStringList({u"Hörgerät morgens einsetzen."_s, u"Langsam und deutlich mit $ sprechen."_s}));
        for (DbGrid *grid : {form->ProblemeGrid, form->ZieleGrid, form->MassnahmenGrid})
            for (int c = 1; c < grid->model()->columnCount(); ++c)
                QVERIFY(grid->isColumnHidden(c));
        QCOMPARE(form->MassnahmenGrid->model()->headerData(0, Qt::Horizontal).toString(), u"Maßnahme"_s);
    }

    void catalogueRowGone_leavesItsCellEmpty_data()
    {
        QTest::addColumn<QString>("katalogSql");
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("problem") << u"delete from tbl_probleme where prob_id = 2"_s << u"ProblemeGrid"_s
                                 << QStringList({alleProbleme[0], QString(), alleProbleme[2]});
        QTest::newRow("goal") << u"delete from tbl_ziele where ziel_id = 1"_s << u"ZieleGrid"_s
                              << QStringList({QString(), QString()});
        QTest::newRow("measure") << u"delete from tbl_massnahmen where mas_id = 2"_s << u"MassnahmenGrid"_s
                                 << QStringList({u"Hörgerät morgens einsetzen."_s, QString()});
    }

    void catalogueRowGone_leavesItsCellEmpty()
    {
        QFETCH(QString, katalogSql);
        QFETCH(QString, gridName);
        QFETCH(QStringList, expected);
        TestDatabases::run(*db->catalogue, katalogSql);
        openWindow();
        QCOMPARE(shown(form->findChild<DbGrid *>(gridName)), expected);
    }

    void problemList_showsEveryStandardProblemWhateverIsChosen_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("category");
        QTest::newRow("Kommunizieren, Sprechen") << 1 << 1;
        QTest::newRow("Sich bewegen, Gehen") << 2 << 0;
        QTest::newRow("group without categories") << 3 << -1;
    }

    void problemList_showsEveryStandardProblemWhateverIsChosen()
    {
        QFETCH(int, group);
        QFETCH(int, category);
        openWindow();
        choose(form->AktivitaetenGruppenCombo, group);
        if (category >= 0)
            choose(form->KategorienCombo, category);
        QCOMPARE(shown(form->ProblemeGrid), alleProbleme);
    }

    void choosingGroupOrCategory_setsPickListsToTheirFirstRow()
    {
        openWindow();
        choose(form->AktivitaetenGruppenCombo, 1);
        QCOMPARE(form->KategorienCombo->shownText(), u"Hören"_s);
        QCOMPARE(form->ProblemeCombo->shownText(), u"$ hört schlecht."_s);
        QCOMPARE(form->ZieleCombo->shownText(), u"$ trägt das Hörgerät tagsüber."_s);
        QCOMPARE(form->MassnahmenCombo->shownText(), u"Hörgerät morgens einsetzen."_s);
        choose(form->ProblemeCombo, 1);
        choose(form->KategorienCombo, 1);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 3);
        // Without goals in "Sprechen" the box shows nothing but keeps its goal.
        QCOMPARE(form->ZieleCombo->shownText(), QString());
        QCOMPARE(form->ZieleCombo->keyValue().toInt(), 1);
    }

    void duplicate_isRefusedWithItsMessageAndListsStay_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("problem") << u"ProblemHinzufuegenBtn"_s << problemDoppelt;
        QTest::newRow("goal") << u"ZielHinzufuegenBtn"_s << zielDoppelt;
        QTest::newRow("measure") << u"MassnahmenHinzufuegenBtn"_s << massnahmeDoppelt;
    }

    void duplicate_isRefusedWithItsMessageAndListsStay()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        RecordingMessages messages;
        openWindow();
        // "Hören" offers problem 1, goal 1 and measure 1, all filed already.
        choose(form->AktivitaetenGruppenCombo, 1);
        const QStringList before = standardRows();
        const QList<QStringList> listsBefore = shownLists();

        QTest::mouseClick(addButton(button), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        QCOMPARE(standardRows(), before);
        QCOMPARE(shownLists(), listsBefore);
        for (Dataset *ds : {form->qry_standard_probleme, form->qry_standard_ziele, form->qry_standard_massnahmen})
            QVERIFY(!ds->isEditing());
    }

    // "Haut ist sauber und intakt." and "Rücken waschen." belong to "Waschen"
    // and stand under problem 2 already; problems 1 and 3 are of "Hören" and
    // "Sprechen".
    void goalOrMeasure_filesUnderChosenProblemFromAnyCategory_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<QString>("stored");
        QTest::newRow("goal") << u"ZielHinzufuegenBtn"_s << u"ZieleGrid"_s << u"Z %1:7"_s;
        QTest::newRow("measure") << u"MassnahmenHinzufuegenBtn"_s << u"MassnahmenGrid"_s << u"M %1:7"_s;
    }

    void goalOrMeasure_filesUnderChosenProblemFromAnyCategory()
    {
        QFETCH(QString, button);
        QFETCH(QString, gridName);
        QFETCH(QString, stored);
        RecordingMessages messages;
        openWindow();
        auto *liste = form->findChild<DbGrid *>(gridName);
        const QString text = form->findChild<DbLookupCombo *>(gridName.chopped(4) + u"Combo"_s)->shownText();
        const QStringList before = standardRows();
        QStringList expected = before;
        for (int problemRow : {2, 0}) {
            clickRow(form->ProblemeGrid, problemRow);
            const QStringList listed = shown(liste);
            QTest::mouseClick(addButton(button), Qt::LeftButton);
            QCOMPARE(shown(liste), listed + QStringList{text});
            expected << stored.arg(problemRow + 1);
        }
        QCOMPARE(messages.texts, QStringList());
        expected.sort();
        QStringList after = standardRows();
        after.sort();
        QCOMPARE(after, expected);
        QVERIFY(after.contains(stored.arg(2)));
    }

    void removingProblem_andAddingItAgain_bringsBackItsGoalsAndMeasures()
    {
        RecordingMessages messages;
        openWindow();
        clickRow(form->ProblemeGrid, 1);
        const QList<QStringList> problem2 = shownLists();
        QCOMPARE(problem2[1], QStringList({u"$ trägt das Hörgerät tagsüber."_s, u"Verständigung ist gesichert."_s,
                                           u"Haut ist sauber und intakt."_s}));

        // The menu key opens the list's pop-up menu; its item removes at once.
        form->ProblemeGrid->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10), form->ProblemeGrid->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(form->ProblemeGrid, &menuKey);
        QTRY_VERIFY(form->ProblemePopupMenu->isVisible());
        QTest::keyClick(form->ProblemePopupMenu, Qt::Key_Down);
        QTest::keyClick(form->ProblemePopupMenu, Qt::Key_Return);
        QCOMPARE(shown(form->ProblemeGrid), QStringList({alleProbleme[0], alleProbleme[2]}));
        QCOMPARE(messages.questions, QStringList());
        QVERIFY(!standardRows().contains(u"P 2:0"_s));
        QVERIFY(standardRows().contains(u"Z 2:2"_s));

        choose(form->AktivitaetenGruppenCombo, 1);
        choose(form->ProblemeCombo, 1);
        QTest::mouseClick(form->ProblemHinzufuegenBtn, Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(shown(form->ProblemeGrid), QStringList({alleProbleme[0], alleProbleme[2], alleProbleme[1]}));
        QCOMPARE(form->qry_standard_probleme->currentRow(), 2);
        QCOMPARE(shownLists(), QList<QStringList>({shown(form->ProblemeGrid), problem2[1], problem2[2]}));
    }

    void removal_fromEmptyListChangesNothing()
    {
        RecordingMessages messages;
        TestDatabases::run(*db->care, u"delete from tbl_standard_ziele"_s);
        openWindow();
        const QStringList before = standardRows();
        form->ZielAusListeEntfernenItem->trigger();
        QCOMPARE(standardRows(), before);
        QCOMPARE(messages.texts, QStringList());
    }

    void refusal_toldAndNothingStored_data()
    {
        QTest::addColumn<QString>("pflegeSql");
        QTest::addColumn<QString>("katalogSql");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        const QString keinProblem = u"Es ist noch kein Problem zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Problemen auswählen und erneut versuchen ..."_s;
        const QString keinZiel = u"Es ist noch kein Ziel zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Zielen auswählen und erneut versuchen ..."_s;
        const QString keineMassnahme = u"Es ist noch keine Maßnahme zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Maßnahmen auswählen und erneut versuchen ..."_s;
        // "Gehen" of "Sich bewegen" has a problem but neither goals nor measures.
        QTest::newRow("goal box keeps a key of another category") << QString() << QString() << 2
                                                                  << u"ZielHinzufuegenBtn"_s << keinZiel;
        QTest::newRow("measure box keeps a key of another category") << QString() << QString() << 2
                                                                     << u"MassnahmenHinzufuegenBtn"_s << keineMassnahme;
        QTest::newRow("group without categories") << QString() << QString() << 3 << u"ProblemHinzufuegenBtn"_s
                                                  << keinProblem;
        QTest::newRow("goal box never held a key") << QString() << u"delete from tbl_ziele"_s << -1
                                                   << u"ZielHinzufuegenBtn"_s << keinZiel;
        QTest::newRow("goal without problem in the list") << u"delete from tbl_standard_probleme"_s << QString() << -1
                                                          << u"ZielHinzufuegenBtn"_s << keinProblemInListe;
        QTest::newRow("measure without problem in the list") << u"delete from tbl_standard_probleme"_s << QString() << -1
                                                             << u"MassnahmenHinzufuegenBtn"_s << keinProblemInListe;
    }

    void refusal_toldAndNothingStored()
    {
        QFETCH(QString, pflegeSql);
        QFETCH(QString, katalogSql);
        QFETCH(int, group);
        QFETCH(QString, button);
        QFETCH(QString, message);
        if (!pflegeSql.isEmpty())
            TestDatabases::run(*db->care, pflegeSql);
        if (!katalogSql.isEmpty())
            TestDatabases::run(*db->catalogue, katalogSql);
        RecordingMessages messages;
        openWindow();
        if (group >= 0)
            choose(form->AktivitaetenGruppenCombo, group);
        const QStringList before = standardRows();
        const QList<QStringList> listsBefore = shownLists();

        QTest::mouseClick(addButton(button), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        QCOMPARE(standardRows(), before);
        QCOMPARE(shownLists(), listsBefore);
    }

    // Only a row refused by a unique key reads as a duplicate; a file that
    // cannot be written or another rule of the table is told as it is.
    // Either way the row is discarded.
    void storeFailure_isToldByItsKind_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read-only database: problem") << true << u"ProblemHinzufuegenBtn"_s << u"schreibgeschützt"_s;
        QTest::newRow("other rule of the table: goal") << false << u"ZielHinzufuegenBtn"_s << u"Regel der Tabelle"_s;
    }

    void storeFailure_isToldByItsKind()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, button);
        QFETCH(QString, expected);
        RecordingMessages messages;
        openWindow();
        const QStringList before = standardRows();
        const QList<QStringList> listsBefore = shownLists();
        const bool server = db->care->engine() == Dialect::Engine::PostgreSQL;
        QSqlQuery q(db->care->database());
        if (readOnly)
            QVERIFY2(q.exec(server ? u"set default_transaction_read_only = on"_s : u"PRAGMA query_only = 1"_s),
                     qPrintable(q.lastError().text()));
        else
            CarePlanFixture::refuseWrites(*db->care, u"insert"_s, u"tbl_standard_ziele"_s, u"1 = 1"_s);

        QTest::mouseClick(addButton(button), Qt::LeftButton);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(expected), qPrintable(messages.texts[0]));
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        if (readOnly)
            QVERIFY(q.exec(server ? u"set default_transaction_read_only = off"_s : u"PRAGMA query_only = 0"_s));
        QCOMPARE(standardRows(), before);
        QCOMPARE(shownLists(), listsBefore);
    }

    void longList_paintsEveryRowThroughTheLookUp()
    {
        TestDatabases::run(*db->catalogue, u"with recursive n(i) as (select 1001 union all select i + 1 from n where i < 1200) "
                                           "insert into tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) "
                                           "select i, 12, '$ Problem ' || i from n"_s);
        TestDatabases::run(*db->care, u"with recursive n(i) as (select 1001 union all select i + 1 from n where i < 1200) "
                                      "insert into tbl_standard_probleme (standardprob_problem_id) select i from n"_s);
        openWindow();
        QVERIFY(!form->grab().isNull());
        form->qry_standard_probleme->last();
        QVERIFY(!form->ProblemeGrid->grab().isNull());
        const QStringList texts = shown(form->ProblemeGrid);
        QCOMPARE(texts.size(), 203);
        QCOMPARE(texts.last(), u"$ Problem 1200"_s);
        QVERIFY(!DatenModul->search_problem->isOpen());
    }

    // The entry editor of the care-planning window holds a look-up open
    // while it runs; a list painted meanwhile must not move or close it.
    void painting_whileLookUpIsHeld_leavesItAlone()
    {
        openWindow();
        QVERIFY(!form->ProblemeGrid->grab().isNull());
        Dataset *suche = DatenModul->search_problem;
        suche->setParam(u"id"_s, 2);
        suche->open();
        QVERIFY(!form->ProblemeGrid->grab().isNull());
        QCOMPARE(shown(form->ProblemeGrid), alleProbleme);
        QVERIFY(suche->isOpen());
        QCOMPARE(suche->asInteger(u"prob_id"_s), 2);
        suche->close();
    }

    void tab_runsDownEachColumnAndLeavesTheLists()
    {
        openWindow();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->AktivitaetenGruppenCombo->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({u"AktivitaetenGruppenCombo"_s, u"KategorienCombo"_s, u"ProblemeCombo"_s,
                                     u"ProblemHinzufuegenBtn"_s, u"ProblemeGrid"_s, u"ZieleCombo"_s,
                                     u"ZielHinzufuegenBtn"_s, u"ZieleGrid"_s, u"MassnahmenCombo"_s,
                                     u"MassnahmenHinzufuegenBtn"_s, u"MassnahmenGrid"_s, u"Button1"_s}));
    }

    void opening_placesTheWindowAndClosingFreesIt()
    {
        QWidget owner;
        owner.setGeometry(300, 200, 600, 400);
        TStandardZuordnungenForm *window = WindowRule::open(StandardZuordnungenForm, [&] {
            return new TStandardZuordnungenForm(db->care.get(), db->catalogue.get(), &owner);
        }, WindowRule::Kind::StaysOnTop, 1024);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), u"Vandrel - Standardzuordnungen von Zielen und Maßnahmen zu Problemen"_s);
        QCOMPARE(window->pos(), QPoint(1, 75));
        QCOMPARE(window->size(), QSize(1259, 829));
        QTest::mouseClick(window->Button1, Qt::LeftButton);
        QTRY_COMPARE(StandardZuordnungenForm, nullptr);
    }
};

QTEST_MAIN(tst_StandardZuordnungen)
#include "tst_standardzuordnungen.moc"
