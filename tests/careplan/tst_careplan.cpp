#include "Eintragbearbeitenfrm.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "datasetmodel.h"
#include "dbdatepicker.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "exception.h"
#include "careplanfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QList<qint64> column(Dataset *ds, const QString &field)
{
    QList<qint64> values;
    for (int row = 0; row < ds->recordCount(); ++row)
        values << ds->valueAt(row, ds->fieldPosition(field)).toLongLong();
    return values;
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

} // namespace

class tst_CarePlan : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CarePlanFixture> fixture;
    TestDatabases *db = nullptr;

    std::unique_ptr<TKlientenVandrelForm> openWindow()
    {
        auto form = std::make_unique<TKlientenVandrelForm>(db->care.get(), db->catalogue.get(), [] { return 1; }, 1024);
        form->resize(1400, 900);
        return form;
    }

    void setParameter(const QString &name, const QString &value)
    {
        if (value.isNull())
            TestDatabases::run(*db->care, u"delete from tbl_parameter where param_name = '%1'"_s.arg(name));
        else
            TestDatabases::run(*db->care, u"update tbl_parameter set param_wert_1 = '%2' where param_name = '%1'"_s.arg(name, value));
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        fixture = std::make_unique<CarePlanFixture>();
        db = &fixture->db;
    }

    void cleanup()
    {
        fixture.reset();
    }

    void creation_showsFirstClientGroupCategoryAndEntries()
    {
        auto form = openWindow();
        QCOMPARE(form->windowTitle(), u"Vandrel - Klienten Planung"_s);
        QCOMPARE(form->font().families().value(0), u"Tahoma"_s);
        QCOMPARE(form->TypLabel->text(), u"AEDL"_s);
        QCOMPARE(form->AbtCombo->shownText(), u"Ambulant"_s);
        QCOMPARE(form->qry_klienten->asInteger(u"klient_id"_s), 1);
        QCOMPARE(form->AktivitaetenGruppenCombo->shownText(), u"Sich pflegen"_s);
        QCOMPARE(form->KategorienCombo->shownText(), u"Waschen"_s);
        QCOMPARE(form->ProblemeCombo->shownText(), u"Frau Lindner kann den Rücken nicht waschen."_s);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 7);
        QCOMPARE(form->RessourcenCombo->shownText(), u"Frau Lindner wäscht das Gesicht selbst."_s);
        QCOMPARE(form->ZieleCombo->keyValue().toInt(), 7);
        QCOMPARE(form->MassnahmenCombo->keyValue().toInt(), 7);
        QCOMPARE(column(form->qry_klient_probleme, u"klientprob_problem_pos"_s), QList<qint64>({1, 3}));
        QCOMPARE(form->qry_klient_ziele->recordCount(), 1);
        QVERIFY(form->qry_klient_ressourcen->isOpen() && form->qry_klient_ressourcen->isEmpty());
        QCOMPARE(form->EvaluationsDatumCombo->date(), QDate(2027, 3, 1));
        QCOMPARE(form->ProblemeCombo->toolTip(), u"Frau Lindner kann den Rücken nicht waschen."_s);
        QCOMPARE(form->ProblemeGrid->toolTip(), u"Frau Lindner kann den Rücken nicht waschen."_s);

        QAbstractItemModel *entries = form->ProblemeGrid->model();
        QCOMPARE(entries->headerData(0, Qt::Horizontal).toString(), u"Pos."_s);
        QCOMPARE(entries->headerData(1, Qt::Horizontal).toString(), u"Problem"_s);
        for (int c = 2; c < entries->columnCount(); ++c)
            QVERIFY(form->ProblemeGrid->isColumnHidden(c));
        QCOMPARE(form->KlientenGrid->model()->columnCount() - 3, 17);
    }

    // The groups a care model offers, in the order it offers them.
    void careModel_selectsAndOrdersGroups_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<qint64>>("groups");
        QTest::newRow("AEDL, negative sort first") << u"AEDL"_s << u"AEDL"_s << QList<qint64>({4, 1, 2, 5});
        QTest::newRow("ATL") << u"ATL"_s << u"ATL"_s << QList<qint64>({2, 3, 1});
        QTest::newRow("GBD, empty and 0 left out") << u"GBD"_s << u"GBD"_s << QList<qint64>({3, 4});
        QTest::newRow("lower case lists all") << u"aedl"_s << u"aedl"_s << QList<qint64>({1, 2, 3, 4, 5});
        QTest::newRow("row missing") << QString() << u"NICHT angegeben !?!"_s << QList<qint64>({1, 2, 3, 4, 5});
    }

    void careModel_selectsAndOrdersGroups()
    {
        QFETCH(QString, model);
        QFETCH(QString, shown);
        QFETCH(QList<qint64>, groups);
        setParameter(u"AktivitaetTyp"_s, model);
        auto form = openWindow();
        QCOMPARE(form->TypLabel->text(), shown);
        QCOMPARE(column(form->qry_aktivitaeten_gruppen, u"aktivitaet_id"_s), groups);
        QCOMPARE(form->AktivitaetenGruppenCombo->keyValue().toLongLong(), groups.first());
    }

    void search_filtersByNameAndDepartment_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("department");
        QTest::addColumn<QList<qint64>>("clients");
        QTest::newRow("empty name lists every client with a name") << QString() << false << QList<qint64>({1, 4, 2, 5});
        QTest::newRow("umlaut in other letter case") << u"müller"_s << false << QList<qint64>({4, 5});
        QTest::newRow("part of the name") << u"ind"_s << false << QList<qint64>({1});
        QTest::newRow("typed wildcards work") << u"M_ll%r"_s << false << QList<qint64>({4, 5});
        QTest::newRow("only the shown department") << QString() << true << QList<qint64>({2, 5});
        QTest::newRow("name and department") << u"müller"_s << true << QList<qint64>({5});
        QTest::newRow("nothing found") << u"Xaver"_s << false << QList<qint64>();
    }

    void search_filtersByNameAndDepartment()
    {
        QFETCH(QString, name);
        QFETCH(bool, department);
        QFETCH(QList<qint64>, clients);
        auto form = openWindow();
        form->show();
        QCOMPARE(form->qry_klienten->recordCount(), 5);
        form->NameSuchEdit->setText(name);
        form->AbtCheckBox->setChecked(department);
        form->SuchBtn->click();
        QCOMPARE(column(form->qry_klienten, u"klient_id"_s), clients);
        if (clients.isEmpty()) {
            for (const auto &b : form->Bereiche)
                QVERIFY(b.klient->isOpen() && b.klient->isEmpty());
            QTRY_VERIFY(form->NameSuchEdit->hasFocus());
        } else {
            QCOMPARE(form->qry_klienten->asInteger(u"klient_id"_s), clients.first());
        }
    }

    void search_withoutDepartmentsIgnoresTheFilter()
    {
        TestDatabases::run(*db->care, u"delete from tbl_abteilungen"_s);
        auto form = openWindow();
        form->AbtCheckBox->setChecked(true);
        form->SuchBtn->click();
        QCOMPARE(form->qry_klienten->recordCount(), 4);
    }

    void choosingGroupOrCategory_resetsPickLists()
    {
        auto form = openWindow();
        form->show();
        // Another category of the same group: the entry lists stay.
        choose(form->KategorienCombo, 1);
        QCOMPARE(form->KategorienCombo->shownText(), u"Haut"_s);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 8);
        QCOMPARE(form->MassnahmenCombo->keyValue().toInt(), 8);
        QCOMPARE(form->RessourcenCombo->shownText(), QString());
        QCOMPARE(form->qry_klient_probleme->recordCount(), 2);

        // Another group: its first category, first entries and the client's entries of that group.
        choose(form->AktivitaetenGruppenCombo, 1);
        QCOMPARE(form->AktivitaetenGruppenCombo->shownText(), u"Kommunizieren"_s);
        QCOMPARE(form->KategorienCombo->shownText(), u"Hören"_s);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 1);
        QCOMPARE(form->ProblemeCombo->shownText(), u"Frau Lindner hört schlecht."_s);
        QCOMPARE(form->ZieleCombo->keyValue().toInt(), 1);
        QCOMPARE(column(form->qry_klient_probleme, u"klientprob_problem_id"_s), QList<qint64>({1}));
        QVERIFY(form->qry_klient_ziele->isEmpty());

        choose(form->ProblemeCombo, 1);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 2);
        choose(form->KategorienCombo, 1);
        QCOMPARE(form->ProblemeCombo->shownText(), u"Frau Lindner spricht undeutlich, Frau Lindner wird oft nicht verstanden."_s);

        // A group without categories leaves every pick list without text.
        choose(form->AktivitaetenGruppenCombo, 3);
        QVERIFY(form->qry_kategorien->isEmpty());
        QCOMPARE(form->KategorienCombo->shownText(), QString());
        QCOMPARE(form->ProblemeCombo->shownText(), QString());
        QVERIFY(form->qry_klient_probleme->isEmpty());
    }

    void movingToAnotherClient_showsItsTextsAndDate()
    {
        auto form = openWindow();
        form->show();
        choose(form->ProblemeCombo, 0);
        choose(form->KategorienCombo, 1);
        choose(form->KategorienCombo, 0);
        form->KlientenGrid->setCurrentIndex(form->KlientenGrid->model()->index(2, 1));
        QCOMPARE(form->qry_klienten->asInteger(u"klient_id"_s), 2);
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 7);
        QCOMPARE(form->ProblemeCombo->shownText(), u"Herr Brandt kann den Rücken nicht waschen."_s);
        QCOMPARE(column(form->qry_klient_probleme, u"klientprob_problem_pos"_s), QList<qint64>({1}));
        QCOMPARE(form->EvaluationsDatumCombo->date(), QDate::currentDate());
        // An empty salutation keeps the blank before the name.
        form->KlientenGrid->setCurrentIndex(form->KlientenGrid->model()->index(3, 1));
        QCOMPARE(form->ProblemeCombo->shownText(), u" MÜLLER kann den Rücken nicht waschen."_s);
        QVERIFY(form->qry_klient_probleme->isEmpty());
    }

    void placeholderSetting_isReadAtCreation_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("shown");
        QTest::newRow("salutation and name") << u"$NAME"_s << u"Frau Lindner kann den Rücken nicht waschen."_s;
        QTest::newRow("free text") << u"Die Bewohnerin"_s << u"Die Bewohnerin kann den Rücken nicht waschen."_s;
        QTest::newRow("empty") << u""_s << u" kann den Rücken nicht waschen."_s;
        QTest::newRow("row missing") << QString() << u" kann den Rücken nicht waschen."_s;
    }

    void placeholderSetting_isReadAtCreation()
    {
        QFETCH(QString, setting);
        QFETCH(QString, shown);
        setParameter(u"PlatzHalterErsetzenMit"_s, setting);
        auto form = openWindow();
        QCOMPARE(form->ProblemeCombo->shownText(), shown);
        QCOMPARE(form->qry_probleme->asText(u"prob_bezeichnung"_s), u"$ kann den Rücken nicht waschen."_s);
    }

    void clientList_showsDepartmentAndDoctorByName()
    {
        auto form = openWindow();
        QAbstractItemModel *list = form->KlientenGrid->model();
        QMap<qint64, QString> departments, doctors;
        for (int row = 0; row < list->rowCount(); ++row) {
            const qint64 id = form->qry_klienten->valueAt(row, form->qry_klienten->fieldPosition(u"klient_id"_s)).toLongLong();
            departments[id] = list->data(list->index(row, 0)).toString();
            doctors[id] = list->data(list->index(row, 4)).toString();
        }
        QCOMPARE(departments.value(1), u"Tagespflege"_s);
        QCOMPARE(departments.value(2), u"Ambulant"_s);
        QCOMPARE(departments.value(3), QString());
        QCOMPARE(doctors.value(1), u"Albrecht, Friedrich"_s);
        QCOMPARE(doctors.value(2), QString());
        QCOMPARE(doctors.value(4), QString());
        QCOMPARE(list->headerData(14, Qt::Horizontal).toString(), u"geändert_von"_s);
    }

    // The entry editor stands over the main window each time it is shown,
    // also when it was scaled to a screen of another height; it never leaves
    // the screen when the main window lies at its edge.
    void entryEditor_isCentredOnMainWindowEachTime_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::newRow("laid-out size") << 1024;
        QTest::newRow("scaled to a smaller screen") << 768;
    }

    void entryEditor_isCentredOnMainWindowEachTime()
    {
        QFETCH(int, screenHeight);
        QMainWindow mainWindow;
        auto *area = new QMdiArea(&mainWindow);
        mainWindow.setCentralWidget(area);
        const QRect screen = mainWindow.screen()->availableGeometry();
        mainWindow.setGeometry(screen);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        auto *planning = new TKlientenVandrelForm(db->care.get(), db->catalogue.get(), [] { return 1; }, screenHeight);
        area->addSubWindow(planning)->showMaximized();
        TEintragBearbeitenForm *editor = EintragBearbeitenForm;
        QVERIFY(editor);
        QCOMPARE(editor->parentWidget(), planning);

        const QSize half(screen.width(), screen.height() / 2);
        const QList<QRect> places = {screen, QRect(screen.topLeft(), half),
                                     QRect(QPoint(screen.left(), screen.top() + half.height()), half)};
        for (const QRect &place : places) {
            mainWindow.setGeometry(place);
            QTRY_COMPARE(mainWindow.geometry(), place);
            editor->show();
            QVERIFY(QTest::qWaitForWindowExposed(editor));
            const QPoint offset = editor->frameGeometry().center() - mainWindow.frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(u"Editor %1,%2 bei Hauptfenster %3,%4 %5x%6"_s.arg(editor->x()).arg(editor->y())
                                    .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())));
            editor->hide();
        }

        const QRect corner(screen.right() - 100, screen.bottom() - 80, 400, 300);
        mainWindow.setGeometry(corner);
        QTRY_COMPARE(mainWindow.geometry(), corner);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QVERIFY(screen.contains(editor->frameGeometry()));
        editor->hide();
    }
};

QTEST_MAIN(tst_CarePlan)
#include "tst_careplan.moc"
