#include "Eintragbearbeitenfrm.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dbdatepicker.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "careplanfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

const QString keinProblem = u"Es ist noch kein Problem zum Hinzufügen vorhanden!\n\nBitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
const QString problemDoppelt = u"Das ausgewählte Problem gibt es in der Liste für diesen Klienten schon!"_s;
const QString leererEintrag = u"Ein leerer Eintrag kann NICHT zur Liste hinzugefügt werden !?!\n\nBitte korrigieren und erneut versuchen ..."_s;

} // namespace

class tst_PlanOperationen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CarePlanFixture> fixture;
    TestDatabases *db = nullptr;
    std::unique_ptr<TKlientenVandrelForm> form;
    qint32 benutzer = 7;

    void openWindow()
    {
        form = std::make_unique<TKlientenVandrelForm>(db->care.get(), db->catalogue.get(), [this] { return benutzer; }, 1024);
    }

    void selectClient(int id) { QVERIFY(form->qry_klienten->locate(u"klient_id"_s, id)); }
    void selectGroup(int id)
    {
        form->AktivitaetenGruppenCombo->setKeyValue(id);
        form->AktivitaetenGruppenComboCloseUp();
    }
    void selectCategory(int id)
    {
        form->KategorienCombo->setKeyValue(id);
        form->KategorienComboCloseUp();
    }

    // The client's entries of one kind in the current group: "position:catalogue id:text".
    QStringList entries(Art art)
    {
        const EintragsArt &namen = eintragsArten()[art];
        Dataset *ds = form->Bereiche[art].klient;
        QStringList result;
        for (int row = 0; row < ds->recordCount(); ++row)
            result << u"%1:%2:%3"_s.arg(ds->valueAt(row, ds->fieldPosition(namen.position)).toString(),
                                        ds->valueAt(row, ds->fieldPosition(namen.katalogId)).toString(),
                                        ds->valueAt(row, ds->fieldPosition(namen.text)).toString());
        return result;
    }
    QStringList positions(Art art)
    {
        QStringList result;
        for (const QString &e : entries(art))
            result << e.section(u':', 0, 0);
        return result;
    }
    QVariant stored(const QString &sql, DbConnection *connection = nullptr)
    {
        return TestDatabases::scalar(connection ? *connection : *db->care, sql);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<CarePlanFixture>();
        db = &fixture->db;
    }

    void cleanup()
    {
        form.reset();
        QCOMPARE(EintragBearbeitenForm, nullptr);
        fixture.reset();
    }

    void positions_followTheLastEntryAndKeepGaps()
    {
        RecordingMessages messages;
        openWindow();
        // Problems of client 1 in "Sich pflegen" stand at 1 and 3.
        QCOMPARE(positions(Problem), QStringList({u"1"_s, u"3"_s}));
        form->ProblemeCombo->setKeyValue(9);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(positions(Problem), QStringList({u"1"_s, u"3"_s, u"4"_s}));
        // An empty list starts at 1.
        form->RessourceHinzufuegenBtnClick();
        QCOMPARE(entries(Ressource), QStringList{u"1:7:Frau Lindner wäscht das Gesicht selbst."_s});
        // Removing the middle entry leaves its gap; the next entry goes behind the last.
        form->qry_klient_probleme->setCurrentRow(1);
        form->ProblemAusListeEntfernenItemClick();
        QCOMPARE(positions(Problem), QStringList({u"1"_s, u"4"_s}));
        selectCategory(42);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(positions(Problem), QStringList({u"1"_s, u"4"_s, u"5"_s}));
        QVERIFY(messages.texts.isEmpty());
        // Removing from an empty list does nothing.
        form->RessourceAusListeEntfernenItemClick();
        form->RessourceAusListeEntfernenItemClick();
        QVERIFY(form->qry_klient_ressourcen->isEmpty());
    }

    void problem_bringsStandardsOnceAndDuplicateIsRefused()
    {
        RecordingMessages messages;
        openWindow();
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        form->ProblemHinzufuegenBtnClick();
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(entries(Problem), QStringList({u"1:1:Frau Lindner hört schlecht."_s, u"2:2:Hörgerät wird nicht getragen."_s}));
        // Goal 7 stands in the client's list of another group only; it joins this group too.
        QCOMPARE(entries(Ziel), QStringList({u"1:1:Frau Lindner trägt das Hörgerät tagsüber."_s,
                                             u"2:2:Verständigung ist gesichert."_s, u"3:7:Haut ist sauber und intakt."_s}));
        QCOMPARE(entries(Massnahme), QStringList({u"1:2:Langsam und deutlich mit Frau Lindner sprechen."_s,
                                                  u"2:7:Rücken waschen."_s}));
        QCOMPARE(stored(u"select count(*) from tbl_klienten_ziele where klientziele_klient_id = 1 and klientziele_ziel_id = 7"_s).toInt(), 2);

        form->qry_klient_ziele->first();
        form->ZielAusListeEntfernenItemClick();
        form->ProblemeCombo->setKeyValue(2);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(messages.texts, QStringList{problemDoppelt});
        QCOMPARE(entries(Problem).size(), 2);
        QCOMPARE(entries(Ziel).size(), 2);
        QVERIFY(!form->qry_klient_probleme->isEditing());
    }

    void problem_sameForAnotherClientIsAccepted()
    {
        RecordingMessages messages;
        openWindow();
        selectClient(4);
        form->ProblemHinzufuegenBtnClick();
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(entries(Problem), QStringList{u"1:7:Frau Müller kann den Rücken nicht waschen."_s});
        QCOMPARE(stored(u"select count(*) from tbl_klienten_probleme where klientprob_problem_id = 7"_s).toInt(), 3);
    }

    void problem_whoseStandardsArePresentAddsOnlyItself()
    {
        RecordingMessages messages;
        openWindow();
        selectGroup(1);
        form->ZielHinzufuegenBtnClick();
        QCOMPARE(entries(Ziel).size(), 1);
        selectCategory(11);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(entries(Problem).size(), 2);
        QCOMPARE(entries(Ziel).size(), 1);
        QVERIFY(form->qry_klient_massnahmen->isEmpty());
        QVERIFY(messages.texts.isEmpty());
    }

    void standards_namedTwiceAreAddedOnce()
    {
        // Older databases may lack the unique key of the standard measures.
        TestDatabases::run(*db->care, u"drop table tbl_standard_massnahmen"_s);
        TestDatabases::run(*db->care, u"create table tbl_standard_massnahmen (standardmas_lfd_nr integer primary key autoincrement, "
                                      "standardmas_problem_id integer, standardmas_massnahme_id integer)"_s);
        TestDatabases::run(*db->care, u"insert into tbl_standard_massnahmen (standardmas_problem_id, standardmas_massnahme_id) "
                                      "values (5, 7), (5, 1), (5, 7)"_s);
        openWindow();
        selectGroup(2);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(entries(Massnahme), QStringList({u"1:7:Rücken waschen."_s, u"2:1:Hörgerät morgens einsetzen."_s}));
    }

    void writtenTexts_followThePlaceholderSetting_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("person");
        QTest::newRow("salutation and name") << u"$NAME"_s << u"Frau Müller"_s;
        QTest::newRow("free text") << u"Die Bewohnerin"_s << u"Die Bewohnerin"_s;
    }

    void writtenTexts_followThePlaceholderSetting()
    {
        QFETCH(QString, setting);
        QFETCH(QString, person);
        TestDatabases::run(*db->care, u"update tbl_parameter set param_wert_1 = '%1' where param_name = 'PlatzHalterErsetzenMit'"_s.arg(setting));
        openWindow();
        selectClient(4);
        selectGroup(1);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(entries(Problem), QStringList{u"1:1:%1 hört schlecht."_s.arg(person)});
        // The standard goal whose catalogue row is gone is left out.
        QCOMPARE(entries(Ziel), QStringList{u"1:1:%1 trägt das Hörgerät tagsüber."_s.arg(person)});
        QCOMPARE(entries(Massnahme), QStringList({u"1:1:Hörgerät morgens einsetzen."_s,
                                                  u"2:2:Langsam und deutlich mit %1 sprechen."_s.arg(person)}));
    }

    void guards_refuseAndWriteNothing_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("message");
        const QString keinKlient = u"Es ist kein Klient ausgewählt!\n\nBitte erst einen Klienten anzeigen und auswählen und erneut versuchen ..."_s;
        QTest::newRow("no resource in the category") << 2 << QString() << int(Ressource)
            << u"Es ist noch keine Ressource zum Hinzufügen vorhanden!\n\nBitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
        QTest::newRow("no goal in the category") << 2 << QString() << int(Ziel)
            << u"Es ist noch kein Ziel zum Hinzufügen vorhanden!\n\nBitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
        QTest::newRow("no measure in the category") << 2 << QString() << int(Massnahme)
            << u"Es ist noch keine Maßnahme zum Hinzufügen vorhanden!\n\nBitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
        QTest::newRow("group without categories") << 5 << QString() << int(Problem) << keinProblem;
        QTest::newRow("no client listed") << 4 << u"Xaver"_s << int(Problem) << keinKlient;
    }

    void guards_refuseAndWriteNothing()
    {
        QFETCH(int, group);
        QFETCH(QString, search);
        QFETCH(int, art);
        QFETCH(QString, message);
        RecordingMessages messages;
        openWindow();
        selectGroup(group);
        if (!search.isNull()) {
            form->NameSuchEdit->setText(search);
            form->SuchBtnClick();
        }
        const QVariant before = stored(u"select count(*) from tbl_klienten_probleme"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_ressourcen"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_ziele"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_massnahmen"_s).toInt();
        form->Bereiche[art].hinzufuegenBtn->click();
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        const QVariant after = stored(u"select count(*) from tbl_klienten_probleme"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_ressourcen"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_ziele"_s).toInt()
            + stored(u"select count(*) from tbl_klienten_massnahmen"_s).toInt();
        QCOMPARE(after, before);
    }

    void removingProblem_leavesItsGoalsAndMeasures()
    {
        openWindow();
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        form->ProblemHinzufuegenBtnClick();
        form->qry_klient_probleme->last();
        form->ProblemAusListeEntfernenItemClick();
        QCOMPARE(entries(Problem).size(), 1);
        QCOMPARE(entries(Ziel).size(), 3);
        QCOMPARE(entries(Massnahme).size(), 2);
    }

    void ownFormulation_joinsCatalogueAndPlan()
    {
        RecordingMessages messages;
        openWindow();
        QLineEdit *edit = form->Bereiche[Massnahme].neuEdit;
        edit->setText(QString());
        form->MassnahmeNeuBtnClick();
        QCOMPARE(messages.texts, QStringList{leererEintrag});

        edit->setText(u"$ beim Eincremen der Beine helfen."_s);
        form->MassnahmeNeuBtnClick();
        edit->setText(u"$ beim Eincremen der Beine helfen."_s);
        form->MassnahmeNeuBtnClick();
        edit->setText(u"   "_s);
        form->MassnahmeNeuBtnClick();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(edit->text().isEmpty());

        QSqlQuery q(db->catalogue->database());
        QVERIFY(q.exec(u"select mas_id, mas_bezeichnung from tbl_massnahmen where mas_kategorie = 41 order by mas_id"_s));
        QStringList catalogue;
        QList<int> ids;
        while (q.next()) {
            ids << q.value(0).toInt();
            catalogue << q.value(1).toString();
        }
        QCOMPARE(catalogue, QStringList({u"Rücken waschen."_s, u"$ beim Eincremen der Beine helfen."_s,
                                         u"$ beim Eincremen der Beine helfen."_s, u"   "_s}));
        QCOMPARE(entries(Massnahme), QStringList({u"1:%1:Frau Lindner beim Eincremen der Beine helfen."_s.arg(ids[1]),
                                                  u"2:%1:Frau Lindner beim Eincremen der Beine helfen."_s.arg(ids[2]),
                                                  u"3:%1:   "_s.arg(ids[3])}));
        QCOMPARE(form->MassnahmenCombo->keyValue().toInt(), ids[3]);
        // Another client sees the new formulation with its own name.
        selectClient(2);
        form->MassnahmenCombo->setKeyValue(ids[1]);
        QCOMPARE(form->MassnahmenCombo->shownText(), u"Herr Brandt beim Eincremen der Beine helfen."_s);
    }

    void ownFormulation_withoutCategoryOrClientIsRefused()
    {
        RecordingMessages messages;
        openWindow();
        selectGroup(5);
        form->Bereiche[Problem].neuEdit->setText(u"$ friert."_s);
        form->ProblemNeuBtnClick();
        QVERIFY(messages.texts.value(0).startsWith(u"Es ist keine Kategorie ausgewählt!"_s));
        QCOMPARE(form->Bereiche[Problem].neuEdit->text(), u"$ friert."_s);
        selectGroup(4);
        form->NameSuchEdit->setText(u"Xaver"_s);
        form->SuchBtnClick();
        form->ProblemNeuBtnClick();
        QVERIFY(messages.texts.value(1).startsWith(u"Es ist kein Klient ausgewählt!"_s));
        QCOMPARE(stored(u"select count(*) from tbl_probleme where prob_bezeichnung = '$ friert.'"_s, db->catalogue.get()).toInt(), 0);
    }

    void textEdit_changesCatalogueAndOnlyTheSelectedEntry()
    {
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        openWindow();
        // Goal 7 stands in client 1's lists of two groups.
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        form->ProblemHinzufuegenBtnClick();
        selectGroup(4);
        QString offered;
        dialogs.steps << [&](QDialog *dialog) {
            auto *editor = qobject_cast<TEintragBearbeitenForm *>(dialog);
            offered = editor->EintragEdit->text();
            editor->EintragEdit->setText(u"Haut von $ ist sauber."_s);
            editor->SpeichernBtn->click();
            return editor->result();
        };
        form->MassnahmenCombo->setKeyValue(8);
        form->qry_klient_ziele->first();
        form->ZieltextBearbeitenItemClick();
        QCOMPARE(offered, u"Haut ist sauber und intakt."_s);
        QCOMPARE(stored(u"select ziel_bezeichnung from tbl_ziele where ziel_id = 7"_s, db->catalogue.get()).toString(),
                 u"Haut von $ ist sauber."_s);
        QCOMPARE(entries(Ziel), QStringList{u"1:7:Haut von Frau Lindner ist sauber."_s});
        selectGroup(1);
        QCOMPARE(entries(Ziel).last(), u"3:7:Haut ist sauber und intakt."_s);
        QVERIFY(messages.texts.isEmpty());
    }

    void textEdit_cancelChangesNothingAndSavingRestartsPickList()
    {
        ScriptedDialogs dialogs;
        openWindow();
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        dialogs.steps << [](QDialog *dialog) {
            auto *editor = qobject_cast<TEintragBearbeitenForm *>(dialog);
            editor->EintragEdit->setText(u"verworfen"_s);
            editor->CancelBtn->click();
            return editor->result();
        };
        form->ProblemtextBearbeitenItemClick();
        QCOMPARE(stored(u"select prob_bezeichnung from tbl_probleme where prob_id = 1"_s, db->catalogue.get()).toString(), u"$ hört schlecht."_s);
        QCOMPARE(entries(Problem), QStringList{u"1:1:Frau Lindner hört schlecht."_s});
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 2);

        dialogs.steps << [](QDialog *dialog) {
            auto *editor = qobject_cast<TEintragBearbeitenForm *>(dialog);
            editor->EintragEdit->setText(u"$ hört auf dem linken Ohr schlecht."_s);
            editor->SpeichernBtn->click();
            return editor->result();
        };
        form->ProblemtextBearbeitenItemClick();
        QCOMPARE(entries(Problem), QStringList{u"1:1:Frau Lindner hört auf dem linken Ohr schlecht."_s});
        QCOMPARE(form->ProblemeCombo->keyValue().toInt(), 1);
        QCOMPARE(form->ProblemeCombo->shownText(), u"Frau Lindner hört auf dem linken Ohr schlecht."_s);
    }

    void textEdit_withoutCatalogueRowOrEntryCreatesNothing()
    {
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TestDatabases::run(*db->catalogue, u"delete from tbl_probleme where prob_id = 8"_s);
        openWindow();
        QString offered;
        dialogs.steps << [&](QDialog *dialog) {
            auto *editor = qobject_cast<TEintragBearbeitenForm *>(dialog);
            offered = editor->EintragEdit->text();
            editor->EintragEdit->setText(u"Haut ist sehr trocken."_s);
            editor->SpeichernBtn->click();
            return editor->result();
        };
        form->qry_klient_probleme->last();
        form->ProblemtextBearbeitenItemClick();
        QCOMPARE(offered, u"Haut ist trocken."_s);
        QCOMPARE(entries(Problem).last(), u"3:8:Haut ist sehr trocken."_s);
        QCOMPARE(stored(u"select count(*) from tbl_probleme"_s, db->catalogue.get()).toInt(), 6);

        form->RessourcetextBearbeitenItemClick();
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(messages.texts.value(0).startsWith(u"Die Liste enthält keinen Eintrag zum Bearbeiten!"_s));
        QVERIFY(form->qry_klient_ressourcen->isEmpty());
    }

    void evaluationDate_isStoredWithUserAndTime()
    {
        openWindow();
        benutzer = 7;
        QCOMPARE(form->EvaluationsDatumCombo->date(), QDate(2027, 3, 1));
        for (int pass = 0; pass < 2; ++pass) {
            TestDatabases::run(*db->care, u"update tbl_klienten_stamm set klient_geaendert_von = NULL, klient_geaendert_am = NULL"_s);
            const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
            form->EvaluationsDatumCombo->setDate(QDate(2027, 6, 15));
            form->EvaluationsDatumComboCloseUp();
            QCOMPARE(stored(u"select klient_naechste_eval_ueberpruefung_am from tbl_klienten_stamm where klient_id = 1"_s).toString(),
                     u"2027-06-15 00:00:00"_s);
            QCOMPARE(stored(u"select klient_geaendert_von from tbl_klienten_stamm where klient_id = 1"_s).toInt(), 7);
            const QDateTime changed = form->qry_klienten->asDateTime(u"klient_geaendert_am"_s);
            QVERIFY2(changed >= before.addSecs(-1) && changed <= QDateTime::currentDateTime().addSecs(1), qPrintable(changed.toString()));
        }
        QCOMPARE(form->qry_klienten->state(), Dataset::State::Browse);
        // A client without a date shows today and nothing is stored.
        selectClient(4);
        QCOMPARE(form->EvaluationsDatumCombo->date(), QDate::currentDate());
        QCOMPARE(stored(u"select klient_naechste_eval_ueberpruefung_am is null from tbl_klienten_stamm where klient_id = 4"_s).toInt(), 1);
        // With no client listed nothing is written.
        form->NameSuchEdit->setText(u"Xaver"_s);
        form->SuchBtnClick();
        form->EvaluationsDatumComboCloseUp();
        QCOMPARE(stored(u"select count(*) from tbl_klienten_stamm"_s).toInt(), 5);
    }

    void ctrlDelete_asksBeforeRemoving()
    {
        RecordingMessages messages;
        openWindow();
        form->show();
        messages.answer = false;
        QTest::keyClick(form->ProblemeGrid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(entries(Problem).size(), 2);
        messages.answer = true;
        QTest::keyClick(form->ProblemeGrid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(messages.questions, QStringList({u"Datensatz löschen?"_s, u"Datensatz löschen?"_s}));
        QCOMPARE(positions(Problem), QStringList{u"3"_s});
    }
};

QTEST_MAIN(tst_PlanOperationen)
#include "tst_planoperationen.moc"
