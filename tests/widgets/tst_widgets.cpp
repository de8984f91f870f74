#include "datasetmodel.h"
#include "datasource.h"
#include "dbcheckbox.h"
#include "dbdatepicker.h"
#include "dbedit.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "dbmemo.h"
#include "exception.h"
#include "recordingmessages.h"
#include "testdatabases.h"
#include "typedtext.h"

#include <QCalendarWidget>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class tst_Widgets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> db;
    std::unique_ptr<QWidget> window;
    Dataset *departments = nullptr;
    DataSource *source = nullptr;

    // A stored value as SQLite holds it, whichever engine returned it: the
    // server hands over date-times and flags as such.
    QString stored(const QString &sql)
    {
        const QVariant value = TestDatabases::scalar(*db->care, sql);
        switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
        case QMetaType::Bool:
            return value.toBool() ? u"1"_s : u"0"_s;
        default:
            return value.toString();
        }
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        db = std::make_unique<TestDatabases>();
        TestDatabases::run(*db->care,
            u"insert into tbl_abteilungen (abt_id, abt_name, abt_ort, abt_bemerkung) values "
            "(1, 'Ambulanter Dienst', 'Bielefeld', 'Zeile 1\nZeile 2'), (2, 'Tagespflege', 'Herford', NULL), "
            "(3, 'Wohnbereich Nord', NULL, NULL)"_s);
        window = std::make_unique<QWidget>();
        new QVBoxLayout(window.get());
        departments = new Dataset(db->care.get(), window.get());
        departments->setSql(u"select * from tbl_abteilungen\norder by abt_name ;"_s);
        departments->setFields({FieldDef(u"abt_name"_s, u"Abt. Name"_s, 15), FieldDef(u"abt_ort"_s, u"Abt. Ort"_s, 15),
                                FieldDef(u"abt_bemerkung"_s, u"Abt. Bemerkung"_s, 50),
                                FieldDef(u"abt_id"_s, u"Abt. ID"_s, 5, false)});
        source = new DataSource(departments, window.get());
    }

    void cleanup()
    {
        window.reset();
        db.reset();
    }

    void model_showsTitlesAndHookTexts()
    {
        departments->setGetText(u"abt_ort"_s, [](const QVariant &v) { return v.isNull() ? u"–"_s : v.toString(); });
        departments->open();
        DatasetModel model(departments);
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), u"Abt. Ort"_s);
        QCOMPARE(model.data(model.index(2, 1)).toString(), u"–"_s);
        QCOMPARE(model.data(model.index(0, 2)).toString(), u"Zeile 1\nZeile 2"_s);
        model.setTitleBold(u"abt_ort"_s, true);
        QVERIFY(model.headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::FontRole).isValid());
    }

    void grid_followsAndMovesCurrentRow()
    {
        auto *grid = new DbGrid(window.get());
        grid->setDataSource(source);
        departments->open();
        window->show();
        QVERIFY(grid->isColumnHidden(3));
        QCOMPARE(grid->currentIndex().row(), 0);
        departments->last();
        QCOMPARE(grid->currentIndex().row(), 2);
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QCOMPARE(departments->currentRow(), 1);
        QCOMPARE(departments->asText(u"abt_name"_s), u"Tagespflege"_s);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void grid_movingColumnMovesField()
    {
        auto *grid = new DbGrid(window.get());
        grid->setDataSource(source);
        departments->open();
        QSignalSpy titles(grid, &DbGrid::titleClicked);
        grid->horizontalHeader()->moveSection(1, 0);
        QCOMPARE(departments->fieldAt(0).name, u"abt_ort"_s);
        QCOMPARE(departments->fieldAt(1).name, u"abt_name"_s);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), u"Abt. Ort"_s);
        QCOMPARE(grid->horizontalHeader()->logicalIndex(0), 0);
        emit grid->horizontalHeader()->sectionClicked(1);
        QCOMPARE(titles.size(), 1);
        QCOMPARE(titles.at(0).at(0).toInt(), 1);
    }

    void grid_ctrlDeleteRunsOnlyTheWindowsAction_data()
    {
        QTest::addColumn<bool>("withAction");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("no action: a list deletes nothing") << false << true << false;
        QTest::newRow("action, OK deletes") << true << true << true;
        QTest::newRow("action, Abbrechen keeps") << true << false << false;
    }

    void grid_ctrlDeleteRunsOnlyTheWindowsAction()
    {
        QFETCH(bool, withAction);
        QFETCH(bool, answer);
        QFETCH(bool, deleted);
        RecordingMessages messages;
        messages.answer = answer;
        auto *grid = new DbGrid(window.get());
        grid->setDataSource(source);
        if (withAction)
            grid->setDeleteAction([this] { departments->remove(); });
        departments->open();
        departments->next();
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(messages.questions, withAction ? QStringList{u"Datensatz löschen?"_s} : QStringList{});
        QCOMPARE(departments->recordCount(), deleted ? 2 : 3);
        QCOMPARE(stored(u"select count(*) from tbl_abteilungen where abt_name = 'Tagespflege'"_s), deleted ? u"0"_s : u"1"_s);
    }

    void grid_tabLeavesListAndArrowsMoveInside()
    {
        auto *grid = new DbGrid(window.get());
        auto *after = new QLineEdit(window.get());
        window->layout()->addWidget(grid);
        window->layout()->addWidget(after);
        grid->setDataSource(source);
        departments->open();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(departments->currentRow(), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QCOMPARE(departments->currentRow(), 1);
    }

    void grid_focusedListStandsOutFromTheOthers()
    {
        auto *other = new Dataset(db->care.get(), window.get());
        other->setSql(departments->sql());
        auto *focused = new DbGrid(window.get());
        auto *unfocused = new DbGrid(window.get());
        window->layout()->addWidget(focused);
        window->layout()->addWidget(unfocused);
        focused->setDataSource(source);
        unfocused->setDataSource(new DataSource(other, window.get()));
        departments->open();
        other->open();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        focused->setFocus();
        QTRY_VERIFY(focused->hasFocus());
        // The colour in the middle of the current row's first cell, as drawn.
        auto rowColour = [](DbGrid *grid) {
            const QRect cell = grid->visualRect(grid->model()->index(0, 0));
            return grid->viewport()->grab().toImage().pixelColor(cell.right() - 2, cell.center().y());
        };
        const QColor strong = rowColour(focused);
        const QColor pale = rowColour(unfocused);
        QVERIFY2(strong != pale, qPrintable(strong.name() + u" = "_s + pale.name()));
        unfocused->setFocus();
        QTRY_COMPARE(rowColour(unfocused), strong);
        QCOMPARE(rowColour(focused), pale);
    }

    void edit_typingEditsAndPostStoresText()
    {
        auto *edit = new DbEdit(window.get());
        window->layout()->addWidget(edit);
        edit->bind(source, u"abt_ort"_s);
        departments->open();
        window->show();
        QCOMPARE(edit->text(), u"Bielefeld"_s);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, u"Minden"_s);
        QCOMPARE(departments->state(), Dataset::State::Edit);
        departments->post();
        QCOMPARE(stored(u"select abt_ort from tbl_abteilungen where abt_id = 1"_s), u"Minden"_s);
        departments->next();
        QCOMPARE(edit->text(), u"Herford"_s);
    }

    // Leaving an edited row through the list stores the typed text first.
    void edit_leavingRowThroughGridStoresTypedText()
    {
        auto *grid = new DbGrid(window.get());
        auto *edit = new DbEdit(window.get());
        window->layout()->addWidget(grid);
        window->layout()->addWidget(edit);
        grid->setDataSource(source);
        edit->bind(source, u"abt_name"_s);
        departments->open();
        window->show();
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, u" Ost"_s);
        grid->setCurrentIndex(grid->model()->index(2, 0));
        QCOMPARE(departments->state(), Dataset::State::Browse);
        QCOMPARE(departments->currentRow(), 2);
        QCOMPARE(stored(u"select abt_name from tbl_abteilungen where abt_id = 1"_s), u"Ambulanter Dienst Ost"_s);
    }

    void edit_badDateIsRefusedWithMessageAndKept()
    {
        RecordingMessages messages;
        TestDatabases::run(*db->care, u"update tbl_abteilungen set abt_erfasst_am = '2026-01-05 00:00:00' where abt_id = 1"_s);
        auto *edit = new DbEdit(window.get());
        window->layout()->addWidget(edit);
        edit->bind(source, u"abt_erfasst_am"_s);
        departments->setFields({});
        departments->open();
        window->show();
        QCOMPARE(edit->text(), u"05.01.2026"_s);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, u"32.13.2026"_s);
        bool refused = false;
        try {
            departments->post();
        } catch (const Exception &e) {
            refused = e.message().contains(u"kein gültiges Datum"_s);
        }
        QVERIFY(refused);
        QCOMPARE(departments->state(), Dataset::State::Edit);
        QCOMPARE(edit->text(), u"32.13.2026"_s);
        QCOMPARE(stored(u"select abt_erfasst_am from tbl_abteilungen where abt_id = 1"_s), u"2026-01-05 00:00:00"_s);
    }

    void typedText_takesGermanDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("full date") << u"31.12.1950"_s << QDateTime(QDate(1950, 12, 31), QTime(0, 0)) << false;
        QTest::newRow("short date") << u"1.2.1950"_s << QDateTime(QDate(1950, 2, 1), QTime(0, 0)) << false;
        QTest::newRow("two-digit year lies in the past") << u"01.02.50"_s << QDateTime(QDate(1950, 2, 1), QTime(0, 0)) << false;
        QTest::newRow("with time") << u"01.02.2026 14:30"_s << QDateTime(QDate(2026, 2, 1), QTime(14, 30)) << false;
        QTest::newRow("empty empties") << u""_s << QDateTime() << false;
        QTest::newRow("no date") << u"morgen"_s << QDateTime() << true;
        QTest::newRow("impossible day") << u"31.02.2026"_s << QDateTime() << true;
    }

    void typedText_takesGermanDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDateTime, stored);
        QFETCH(bool, refused);
        const QString field = u"abt_erfasst_am"_s;
        TestDatabases::run(*db->care, u"update tbl_abteilungen set abt_erfasst_am = '2026-03-01 08:15:00' where abt_id = 1"_s);
        departments->setFields({});
        departments->open();
        QVERIFY(departments->locate(u"abt_id"_s, 1));
        departments->edit();
        try {
            departments->setValue(field, parseTypedText(typed, departments->fieldType(field)));
            QVERIFY(!refused);
        } catch (const Exception &e) {
            QVERIFY2(refused, qPrintable(e.message()));
            QVERIFY(e.message().contains(u"kein gültiges Datum"_s));
            return;
        }
        departments->post();
        departments->reopen();
        QVERIFY(departments->locate(u"abt_id"_s, 1));
        QCOMPARE(departments->asDateTime(field), stored);
    }

    void typedText_takesNumbersAndKeepsText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ColumnType>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("whole number") << u" 42 "_s << ColumnType::Integer << QVariant(qlonglong(42)) << QString();
        QTest::newRow("no whole number") << u"4a"_s << ColumnType::Integer << QVariant() << u"Bitte nur Ziffern"_s;
        QTest::newRow("empty number empties") << u" "_s << ColumnType::Integer << QVariant() << QString();
        QTest::newRow("decimal comma") << u"2,5"_s << ColumnType::Real << QVariant(2.5) << QString();
        QTest::newRow("no decimal") << u"zwei"_s << ColumnType::Real << QVariant() << u"keine gültige Zahl"_s;
        QTest::newRow("text as typed") << u" Haus 2 "_s << ColumnType::Text << QVariant(u" Haus 2 "_s) << QString();
    }

    void typedText_takesNumbersAndKeepsText()
    {
        QFETCH(QString, typed);
        QFETCH(ColumnType, type);
        QFETCH(QVariant, value);
        QFETCH(QString, refusal);
        try {
            QCOMPARE(parseTypedText(typed, type), value);
            QVERIFY(refusal.isEmpty());
        } catch (const Exception &e) {
            QVERIFY2(!refusal.isEmpty() && e.message().contains(refusal), qPrintable(e.message()));
        }
    }

    void memoAndCheckBox_writeTheirFields()
    {
        auto *memo = new DbMemo(window.get());
        auto *check = new DbCheckBox(u"deaktiviert"_s, window.get());
        window->layout()->addWidget(memo);
        window->layout()->addWidget(check);
        departments->setFields({});
        memo->bind(source, u"abt_bemerkung"_s);
        check->bind(source, u"abt_deaktiviert"_s);
        departments->open();
        window->show();
        QCOMPARE(memo->toPlainText(), u"Zeile 1\nZeile 2"_s);
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(check->isChecked());
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, u" und mehr"_s);
        departments->post();
        QCOMPARE(stored(u"select abt_deaktiviert from tbl_abteilungen where abt_id = 1"_s), u"1"_s);
        QCOMPARE(stored(u"select abt_bemerkung from tbl_abteilungen where abt_id = 1"_s), u"Zeile 1\nZeile 2 und mehr"_s);
    }

    void lookupCombo_keyMovesListAndShowsText()
    {
        auto *combo = new DbLookupCombo(window.get());
        combo->setList(departments, u"abt_id"_s, {u"abt_name"_s});
        departments->open();
        QCOMPARE(combo->shownText(), QString());
        combo->setKeyValue(3);
        QCOMPARE(combo->shownText(), u"Wohnbereich Nord"_s);
        QCOMPARE(departments->asInteger(u"abt_id"_s), 3);
        // A key without a row is kept and shows no text.
        combo->setKeyValue(99);
        QCOMPARE(combo->shownText(), QString());
        QCOMPARE(combo->keyValue().toInt(), 99);
        QCOMPARE(departments->asInteger(u"abt_id"_s), 3);
        QSignalSpy chosen(combo, &DbLookupCombo::keyChosen);
        combo->setCurrentIndex(1);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(combo->keyValue().toInt(), 2);
        QCOMPARE(departments->currentRow(), 1);
        departments->reopen();
        QCOMPARE(combo->shownText(), u"Tagespflege"_s);
    }

    void lookupCombo_ctrlLEmptiesOnlyWhenTheWindowAllowsIt_data()
    {
        QTest::addColumn<bool>("clearable");
        QTest::newRow("selection box of a list") << false;
        QTest::newRow("clearable box") << true;
    }

    void lookupCombo_ctrlLEmptiesOnlyWhenTheWindowAllowsIt()
    {
        QFETCH(bool, clearable);
        auto *combo = new DbLookupCombo(window.get());
        combo->setList(departments, u"abt_id"_s, {u"abt_name"_s});
        combo->setClearable(clearable);
        departments->open();
        combo->setKeyValue(2);
        QTest::keyClick(combo, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(combo->keyValue().isNull(), clearable);
        QCOMPARE(combo->shownText(), clearable ? QString() : u"Tagespflege"_s);
    }

    void lookupCombo_boundWritesChosenKeyIntoTarget()
    {
        TestDatabases::run(*db->care, u"insert into tbl_mitarbeiter (ma_id, ma_name, ma_abt) values (5, 'Kaya', 2), (6, 'Roth', 77)"_s);
        auto *employees = new Dataset(db->care.get(), window.get());
        employees->setSql(u"select * from tbl_mitarbeiter where ma_id >= 5 order by ma_id"_s);
        auto *employeeSource = new DataSource(employees, window.get());
        auto *combo = new DbLookupCombo(window.get());
        combo->setList(departments, u"abt_id"_s, {u"abt_name"_s});
        combo->bind(employeeSource, u"ma_abt"_s);
        departments->open();
        employees->open();
        QCOMPARE(combo->shownText(), u"Tagespflege"_s);
        employees->next();
        QCOMPARE(combo->shownText(), QString());
        combo->setCurrentIndex(0);
        QCOMPARE(employees->state(), Dataset::State::Edit);
        QCOMPARE(employees->asInteger(u"ma_abt"_s), 1);
        employees->post();
        QCOMPARE(stored(u"select ma_abt from tbl_mitarbeiter where ma_id = 6"_s), u"1"_s);
    }

    void datePicker_reportsCloseUpAndWritesBoundDate()
    {
        TestDatabases::run(*db->care, u"update tbl_abteilungen set abt_erfasst_am = '2026-05-04 00:00:00' where abt_id = 2"_s);
        departments->setFields({});
        auto *picker = new DbDatePicker(window.get());
        window->layout()->addWidget(picker);
        picker->bind(source, u"abt_erfasst_am"_s);
        departments->open();
        window->show();
        QCOMPARE(picker->date(), QDate::currentDate());
        departments->next();
        QCOMPARE(picker->date(), QDate(2026, 5, 4));
        QSignalSpy closed(picker, &DbDatePicker::closedUp);
        QWidget *popup = picker->calendarWidget()->window();
        popup->show();
        picker->setDate(QDate(2026, 6, 1));
        popup->hide();
        QCOMPARE(closed.size(), 1);
        departments->post();
        QCOMPARE(stored(u"select abt_erfasst_am from tbl_abteilungen where abt_id = 2"_s), u"2026-06-01 00:00:00"_s);
    }
};

QTEST_MAIN(tst_Widgets)
#include "tst_widgets.moc"
