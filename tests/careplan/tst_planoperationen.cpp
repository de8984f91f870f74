#include "Eintragbearbeitenfrm.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dbdatepicker.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "careplanfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {

const QString keinProblem = u"Es ist noch kein Problem zum Hinzufügen vorhanden!\n\nBitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
const QString problemDoppelt = u"Das ausgewählte Problem gibt es in der Liste für diesen Klienten schon!"_s;
const QString leererEintrag = u"Ein leerer Eintrag kann NICHT zur Liste hinzugefügt werden !?!\n\nBitte korrigieren und erneut versuchen ..."_s;
const QString keineGruppe = u"Es ist keine Aktivität ausgewählt!\n\nBitte erst eine Aktivität auswählen und erneut versuchen ..."_s;
const QString anderswoGeloescht = u"Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht."_s;
const QString eigeneUebernommen = u"Eigene Formulierung in den Katalog und in die Liste übernommen."_s;

// What a care worker does with one kind of entry in the window.
enum Aktion { Hinzufuegen, EigeneFormulierung, TextBearbeiten, Entfernen };

// A text that needs pages of its own in the database file.
const QString langerText = u"$ "_s + QString(20000, u'x');

// A stored value as text; the server hands over a date-time, which is
// written as SQLite holds it.
QString storedText(const QVariant &value)
{
    return value.typeId() == QMetaType::QDateTime ? value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s)
                                                  : value.toString();
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &arguments : spy)
        result << arguments.at(0).toString();
    return result;
}

ScriptedDialogs::Step speichern(const QString &text)
{
    return [text](QDialog *dialog) {
        auto *editor = qobject_cast<TEintragBearbeitenForm *>(dialog);
        editor->EintragEdit->setText(text);
        editor->SpeichernBtn->click();
        return editor->result();
    };
}

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

    // The client's entries of one kind in the window's group as the database
    // holds them, in the form of entries().
    QStringList storedEntries(Art art)
    {
        const EintragsArt &namen = eintragsArten()[art];
        QSqlQuery q(db->care->database());
        q.prepare(u"select %1, %2, %3 from %4 where %5 = ? and %6 = ? order by %1"_s.arg(
            namen.position, namen.katalogId, namen.text, form->Bereiche[art].klient->updateTable(), namen.klientId,
            namen.gruppe));
        q.addBindValue(form->qry_klienten->currentRow() >= 0 ? form->qry_klienten->asInteger(u"klient_id"_s) : 0);
        q.addBindValue(form->AktivitaetenGruppenCombo->keyValue().toLongLong());
        if (!q.exec())
            return {q.lastError().text()};
        QStringList result;
        while (q.next())
            result << u"%1:%2:%3"_s.arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        return result;
    }

    // Whether each of the window's four lists shows exactly what the database holds.
    void verifyListsMatchDatabase()
    {
        for (Art art : {Problem, Ressource, Ziel, Massnahme})
            QCOMPARE(entries(art), storedEntries(art));
    }

    // Every row of the client lists and of the catalogue, to tell whether an
    // operation left anything behind.
    QStringList allRows()
    {
        QStringList result;
        const auto dump = [&result](DbConnection &connection, const QString &table) {
            QSqlQuery q(connection.database());
            if (!q.exec(u"select * from %1 order by 1"_s.arg(table))) {
                result << q.lastError().text();
                return;
            }
            while (q.next()) {
                QStringList values{table};
                for (int c = 0; c < q.record().count(); ++c)
                    values << q.value(c).toString();
                result << values.join(u'|');
            }
        };
        for (const QString &table : {u"tbl_klienten_probleme"_s, u"tbl_klienten_ressourcen"_s, u"tbl_klienten_ziele"_s,
                                     u"tbl_klienten_massnahmen"_s})
            dump(*db->care, table);
        for (const QString &table : {u"tbl_probleme"_s, u"tbl_ressourcen"_s, u"tbl_ziele"_s, u"tbl_massnahmen"_s})
            dump(*db->catalogue, table);
        return result;
    }

    // Makes the care database full or read-only, or lifts that again. A full
    // file takes no further pages; the server's full disk is stood in for by
    // refusing, with its SQLSTATE, the texts that need pages of their own.
    void limitCareDatabase(bool full, bool on)
    {
        QSqlQuery q(db->care->database());
        const bool server = db->care->engine() == Dialect::Engine::PostgreSQL;
        if (full && server) {
            for (Art art : {Problem, Ressource, Ziel, Massnahme}) {
                const QString table = form->Bereiche[art].klient->updateTable();
                if (on)
                    CarePlanFixture::refuseWrites(*db->care, u"insert or update"_s, table,
                                                  u"length(new.%1) > 10000"_s.arg(eintragsArten()[art].text), u"53100"_s);
                else
                    CarePlanFixture::allowWrites(*db->care, table);
            }
        } else if (full && on) {
            QVERIFY(q.exec(u"PRAGMA page_count"_s) && q.next());
            const int seiten = q.value(0).toInt();
            QVERIFY(q.exec(u"PRAGMA max_page_count = %1"_s.arg(seiten)));
        } else if (full) {
            QVERIFY(q.exec(u"PRAGMA max_page_count = 1073741823"_s));
        } else if (server) {
            QVERIFY2(q.exec(u"set default_transaction_read_only = %1"_s.arg(on ? u"on"_s : u"off"_s)),
                     qPrintable(q.lastError().text()));
        } else {
            QVERIFY(q.exec(u"PRAGMA query_only = %1"_s.arg(on ? 1 : 0)));
        }
    }

    // Runs one operation on a kind as the window offers it: the add button,
    // the own formulation with the typed text, the pop-up items (the entry
    // editor saves the text, or is cancelled for a null text).
    void perform(Aktion aktion, Art art, const QString &eingabe, ScriptedDialogs &dialogs)
    {
        const TKlientenVandrelForm::Bereich &b = form->Bereiche[art];
        switch (aktion) {
        case Hinzufuegen:
            b.hinzufuegenBtn->click();
            break;
        case EigeneFormulierung:
            b.neuEdit->setText(eingabe);
            b.neuBtn->click();
            break;
        case TextBearbeiten:
            if (!eingabe.isNull())
                dialogs.steps << speichern(eingabe);
            b.bearbeitenItem->trigger();
            break;
        case Entfernen:
            b.entfernenItem->trigger();
            break;
        }
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
        TestDatabases::run(*db->care, Dialect::schemaStatement(db->care->engine(),
                                      u"create table tbl_standard_massnahmen (standardmas_lfd_nr integer primary key autoincrement, "
                                      "standardmas_problem_id integer, standardmas_massnahme_id integer)"_s));
        TestDatabases::run(*db->care, u"insert into tbl_standard_massnahmen (standardmas_problem_id, standardmas_massnahme_id) "
                                      "values (5, 7), (5, 1), (5, 7)"_s);
        openWindow();
        selectGroup(2);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);
        form->ProblemHinzufuegenBtnClick();
        QCOMPARE(entries(Massnahme), QStringList({u"1:7:Rücken waschen."_s, u"2:1:Hörgerät morgens einsetzen."_s}));
        // The second naming of a measure added a moment ago was not "already there".
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().first().toString(), u"Problem mit 2 Maßnahmen übernommen."_s);
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
            QCOMPARE(storedText(stored(u"select klient_naechste_eval_ueberpruefung_am from tbl_klienten_stamm where klient_id = 1"_s)),
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

    void problem_failingStandardLeavesNoPartOfTheProblemBehind_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("condition");
        QTest::newRow("first standard goal") << u"tbl_klienten_ziele"_s << u"new.klientziele_ziel_id = 1"_s;
        QTest::newRow("last standard goal") << u"tbl_klienten_ziele"_s << u"new.klientziele_ziel_id = 7"_s;
        QTest::newRow("last standard measure") << u"tbl_klienten_massnahmen"_s << u"new.klientmas_massnahme_id = 7"_s;
        QTest::newRow("the problem row itself") << u"tbl_klienten_probleme"_s << u"new.klientprob_problem_id = 2"_s;
    }

    void problem_failingStandardLeavesNoPartOfTheProblemBehind()
    {
        QFETCH(QString, table);
        QFETCH(QString, condition);
        RecordingMessages messages;
        openWindow();
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        const QStringList before = allRows();
        CarePlanFixture::refuseWrites(*db->care, u"insert"_s, table, condition);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        form->Bereiche[Problem].hinzufuegenBtn->click();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(u"Testfehler"_s), qPrintable(messages.texts[0]));
        QVERIFY(messages.texts[0] != problemDoppelt);
        QCOMPARE(allRows(), before);
        verifyListsMatchDatabase();
        QCOMPARE(entries(Problem), QStringList{u"1:1:Frau Lindner hört schlecht."_s});
        QVERIFY(!form->qry_klient_ziele->isEditing());
        QVERIFY(!form->qry_klient_massnahmen->isEditing());
        QVERIFY(texts(status).isEmpty());

        // Once the database takes the rows again, the same click adds all of them.
        CarePlanFixture::allowWrites(*db->care, table);
        messages.texts.clear();
        form->Bereiche[Problem].hinzufuegenBtn->click();
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(entries(Problem), QStringList({u"1:1:Frau Lindner hört schlecht."_s, u"2:2:Hörgerät wird nicht getragen."_s}));
        QCOMPARE(entries(Ziel), QStringList({u"1:1:Frau Lindner trägt das Hörgerät tagsüber."_s,
                                             u"2:2:Verständigung ist gesichert."_s, u"3:7:Haut ist sauber und intakt."_s}));
        QCOMPARE(entries(Massnahme), QStringList({u"1:2:Langsam und deutlich mit Frau Lindner sprechen."_s,
                                                  u"2:7:Rücken waschen."_s}));
        verifyListsMatchDatabase();
        QCOMPARE(texts(status), QStringList{u"Problem mit 3 Zielen und 2 Maßnahmen übernommen."_s});
    }

    // Another workstation added one of the standard goals a moment ago.
    void problem_standardAddedElsewhereMeanwhileLeavesNothingAndIsNoProblemDuplicate()
    {
        RecordingMessages messages;
        openWindow();
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        TestDatabases::run(*db->care, u"insert into tbl_klienten_ziele (klientziele_klient_id, klientziele_ziel_id, "
                                      "klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) "
                                      "values (1, 2, 1, 9, 'Verständigung ist gesichert.')"_s);
        const QStringList before = allRows();
        form->Bereiche[Problem].hinzufuegenBtn->click();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith(u"Die Datenbank hat einen Eintrag als doppelt abgelehnt"_s),
                 qPrintable(messages.texts[0]));
        QCOMPARE(allRows(), before);
        verifyListsMatchDatabase();
    }

    void ownFormulation_failingClientRowStoresNoCatalogueEntry_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("problem") << int(Problem);
        QTest::newRow("resource") << int(Ressource);
        QTest::newRow("goal") << int(Ziel);
        QTest::newRow("measure") << int(Massnahme);
    }

    void ownFormulation_failingClientRowStoresNoCatalogueEntry()
    {
        QFETCH(int, art);
        const EintragsArt &namen = eintragsArten()[art];
        RecordingMessages messages;
        openWindow();
        const TKlientenVandrelForm::Bereich &bereich = form->Bereiche[art];
        const QString typed = u"$ braucht Hilfe beim Testen."_s;
        const QString katalogZeilen = u"select count(*) from %1 where %2 = '%3'"_s.arg(bereich.katalog->updateTable(),
                                                                                        namen.katalogText, typed);
        const QStringList before = allRows();
        CarePlanFixture::refuseWrites(*db->care, u"insert"_s, bereich.klient->updateTable(), u"1 = 1"_s);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        bereich.neuEdit->setText(typed);
        bereich.neuBtn->click();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(u"Testfehler"_s), qPrintable(messages.texts[0]));
        QCOMPARE(allRows(), before);
        QCOMPARE(stored(katalogZeilen, db->catalogue.get()).toInt(), 0);
        QCOMPARE(bereich.neuEdit->text(), typed);
        QCOMPARE(bereich.katalog->findRow(namen.katalogText, typed), -1);
        verifyListsMatchDatabase();
        QVERIFY(texts(status).isEmpty());

        CarePlanFixture::allowWrites(*db->care, bereich.klient->updateTable());
        messages.texts.clear();
        bereich.neuBtn->click();
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(stored(katalogZeilen, db->catalogue.get()).toInt(), 1);
        const QString id = stored(u"select %1 from %2 where %3 = '%4'"_s.arg(namen.katalogKey, bereich.katalog->updateTable(),
                                                                             namen.katalogText, typed),
                                  db->catalogue.get()).toString();
        QCOMPARE(entries(Art(art)).last().section(u':', 1), id + u":Frau Lindner braucht Hilfe beim Testen."_s);
        QCOMPARE(bereich.combo->keyValue().toString(), id);
        QVERIFY(bereich.neuEdit->text().isEmpty());
        verifyListsMatchDatabase();
        QCOMPARE(texts(status), QStringList{eigeneUebernommen});
    }

    void ownFormulation_failureLeavesPickListOnAStoredEntry_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("problem") << int(Problem);
        QTest::newRow("resource") << int(Ressource);
        QTest::newRow("goal") << int(Ziel);
        QTest::newRow("measure") << int(Massnahme);
    }

    void ownFormulation_failureLeavesPickListOnAStoredEntry()
    {
        QFETCH(int, art);
        RecordingMessages messages;
        openWindow();
        const TKlientenVandrelForm::Bereich &b = form->Bereiche[art];
        QVERIFY(!b.combo->shownText().isEmpty());
        CarePlanFixture::refuseWrites(*db->care, u"insert"_s, b.klient->updateTable(),
                                      u"new.%1 like '%Testen%'"_s.arg(eintragsArten()[art].text));

        b.neuEdit->setText(u"$ braucht Hilfe beim Testen."_s);
        b.neuBtn->click();
        QCOMPARE(messages.texts.size(), 1);
        // The formulation that was not stored must not stay selected: the
        // pick list would show nothing and refuse to add anything from it.
        const QVariant key = b.combo->keyValue();
        QVERIFY2(b.katalog->findRow(eintragsArten()[art].katalogKey, key) >= 0,
                 qPrintable(u"the pick list selects %1, which the catalogue does not hold"_s.arg(key.toString())));
        QVERIFY(!b.combo->shownText().isEmpty());
    }

    void textEdit_failureOnEitherSideChangesNeither_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("katalogVerweigert");
        QTest::newRow("problem, catalogue refuses") << int(Problem) << true;
        QTest::newRow("problem, client entry refuses") << int(Problem) << false;
        QTest::newRow("goal, catalogue refuses") << int(Ziel) << true;
        QTest::newRow("goal, client entry refuses") << int(Ziel) << false;
    }

    void textEdit_failureOnEitherSideChangesNeither()
    {
        QFETCH(int, art);
        QFETCH(bool, katalogVerweigert);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        openWindow();
        const TKlientenVandrelForm::Bereich &b = form->Bereiche[art];
        b.klient->first();
        const QStringList before = allRows();
        const QStringList shownBefore = entries(Art(art));
        if (katalogVerweigert)
            CarePlanFixture::refuseWrites(*db->catalogue, u"update"_s, b.katalog->updateTable(), u"1 = 1"_s);
        else
            CarePlanFixture::refuseWrites(*db->care, u"update"_s, b.klient->updateTable(), u"1 = 1"_s);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        perform(TextBearbeiten, Art(art), u"$ hat einen neuen Text."_s, dialogs);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(u"Testfehler"_s), qPrintable(messages.texts[0]));
        QCOMPARE(allRows(), before);
        QCOMPARE(entries(Art(art)), shownBefore);
        verifyListsMatchDatabase();
        QVERIFY(!b.klient->isEditing());
        QVERIFY(texts(status).isEmpty());
    }

    void writeFailures_areNotCalledDuplicates_data()
    {
        QTest::addColumn<bool>("voll");
        QTest::addColumn<int>("aktion");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("katalogSql");
        const QString langesProblem = u"update tbl_probleme set prob_bezeichnung = '%1' where prob_id = 2"_s.arg(langerText);
        const QString langeRessource = u"update tbl_ressourcen set res_bezeichnung = '%1' where res_id = 1"_s.arg(langerText);
        const QString langesZiel = u"update tbl_ziele set ziel_bezeichnung = '%1' where ziel_id = 1"_s.arg(langerText);
        const QString langeMassnahme = u"update tbl_massnahmen set mas_bezeichnung = '%1' where mas_id = 1"_s.arg(langerText);
        const QString langesStandardziel = u"update tbl_ziele set ziel_bezeichnung = '%1' where ziel_id = 7"_s.arg(langerText);
        for (bool voll : {false, true}) {
            const char *zustand = voll ? "full" : "read-only";
            QTest::addRow("%s: add problem", zustand) << voll << int(Hinzufuegen) << int(Problem) << langesProblem;
            QTest::addRow("%s: add resource", zustand) << voll << int(Hinzufuegen) << int(Ressource) << langeRessource;
            QTest::addRow("%s: add goal", zustand) << voll << int(Hinzufuegen) << int(Ziel) << langesZiel;
            QTest::addRow("%s: add measure", zustand) << voll << int(Hinzufuegen) << int(Massnahme) << langeMassnahme;
            QTest::addRow("%s: own problem", zustand) << voll << int(EigeneFormulierung) << int(Problem) << QString();
            QTest::addRow("%s: own measure", zustand) << voll << int(EigeneFormulierung) << int(Massnahme) << QString();
            QTest::addRow("%s: problem text", zustand) << voll << int(TextBearbeiten) << int(Problem) << QString();
        }
        QTest::newRow("full: half-way through the standards") << true << int(Hinzufuegen) << int(Problem) << langesStandardziel;
        QTest::newRow("read-only: remove problem") << false << int(Entfernen) << int(Problem) << QString();
    }

    void writeFailures_areNotCalledDuplicates()
    {
        QFETCH(bool, voll);
        QFETCH(int, aktion);
        QFETCH(int, art);
        QFETCH(QString, katalogSql);
        if (!katalogSql.isEmpty())
            TestDatabases::run(*db->catalogue, katalogSql);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        openWindow();
        // Client 1 holds problem 1 in "Kommunizieren"; the pick lists offer
        // entries the client does not hold yet.
        selectGroup(1);
        form->ProblemeCombo->setKeyValue(2);
        const QStringList before = allRows();
        limitCareDatabase(voll, true);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        perform(Aktion(aktion), Art(art), langerText, dialogs);
        QCOMPARE(messages.texts.size(), 1);
        const QString meldung = messages.texts[0];
        QVERIFY2(!meldung.contains(u"gibt es in der Liste für diesen Klienten schon"_s), qPrintable(meldung));
        QVERIFY2(meldung.contains(voll ? u"voll"_s : u"schreibgeschützt"_s), qPrintable(meldung));
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        QCOMPARE(allRows(), before);
        verifyListsMatchDatabase();
        if (aktion == EigeneFormulierung)
            QCOMPARE(form->Bereiche[art].neuEdit->text(), langerText);
        QVERIFY(texts(status).isEmpty());

        // Nothing of the failed attempt stands in the way of the next one.
        limitCareDatabase(voll, false);
        messages.texts.clear();
        perform(Aktion(aktion), Art(art), langerText, dialogs);
        QCOMPARE(messages.texts, QStringList());
        QVERIFY(allRows() != before);
        verifyListsMatchDatabase();
        QCOMPARE(texts(status).size(), 1);
    }

    void removal_ofEntryDeletedElsewhereTellsAndDropsIt_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("problem") << int(Problem);
        QTest::newRow("resource") << int(Ressource);
        QTest::newRow("goal") << int(Ziel);
        QTest::newRow("measure") << int(Massnahme);
    }

    void removal_ofEntryDeletedElsewhereTellsAndDropsIt()
    {
        QFETCH(int, art);
        const EintragsArt &namen = eintragsArten()[art];
        TestDatabases::run(*db->care, u"insert into tbl_klienten_ressourcen (klientres_klient_id, klientres_ressource_id, "
                                      "klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) "
                                      "values (1, 7, 4, 1, 'Frau Lindner wäscht das Gesicht selbst.')"_s);
        TestDatabases::run(*db->care, u"insert into tbl_klienten_massnahmen (klientmas_klient_id, klientmas_massnahme_id, "
                                      "klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) "
                                      "values (1, 7, 4, 1, 'Rücken waschen.')"_s);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        openWindow();
        Dataset *liste = form->Bereiche[art].klient;
        liste->first();
        const QString weg = entries(Art(art)).first();
        TestDatabases::run(*db->care, u"delete from %1 where %2 = %3"_s.arg(liste->updateTable(), namen.lfdNr,
                                                                             QString::number(liste->asInteger(namen.lfdNr))));
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        perform(Entfernen, Art(art), QString(), dialogs);
        QCOMPARE(messages.texts, QStringList{anderswoGeloescht});
        QVERIFY(!entries(Art(art)).contains(weg));
        verifyListsMatchDatabase();
        QVERIFY(texts(status).isEmpty());
    }

    void noActivityGroup_refusesEveryAddAndWritesNothing_data()
    {
        QTest::addColumn<QString>("pflegeSql");
        QTest::addColumn<QString>("katalogSql");
        QTest::newRow("catalogue without groups") << QString() << u"delete from tbl_aktivitaeten_gruppen"_s;
        QTest::newRow("care model without groups")
            << u"update tbl_parameter set param_wert_1 = 'GBD' where param_name = 'AktivitaetTyp'"_s
            << u"update tbl_aktivitaeten_gruppen set aktivitaet_gbd_sortierung = 0"_s;
    }

    void noActivityGroup_refusesEveryAddAndWritesNothing()
    {
        QFETCH(QString, pflegeSql);
        QFETCH(QString, katalogSql);
        if (!pflegeSql.isEmpty())
            TestDatabases::run(*db->care, pflegeSql);
        TestDatabases::run(*db->catalogue, katalogSql);
        RecordingMessages messages;
        openWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->AktivitaetenGruppenCombo->shownText(), QString());
        const QStringList before = allRows();
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        QStringList expected;
        for (Art art : {Problem, Ressource, Ziel, Massnahme}) {
            const TKlientenVandrelForm::Bereich &b = form->Bereiche[art];
            QTest::mouseClick(b.hinzufuegenBtn, Qt::LeftButton);
            expected << eintragsArten()[art].nichtsZumHinzufuegen;
            QTest::keyClicks(b.neuEdit, u"Eigene Formulierung ohne Gruppe."_s);
            QTest::mouseClick(b.neuBtn, Qt::LeftButton);
            expected << keineGruppe;
            QCOMPARE(b.neuEdit->text(), u"Eigene Formulierung ohne Gruppe."_s);
        }
        QCOMPARE(messages.texts, expected);
        QCOMPARE(allRows(), before);
        QVERIFY(texts(status).isEmpty());
    }

    void statusLine_tellsWhatCameWithTheProblem_data()
    {
        QTest::addColumn<QString>("vorhandenSql");
        QTest::addColumn<QList<int>>("ziele");
        QTest::addColumn<QList<int>>("massnahmen");
        QTest::addColumn<QString>("expected");
        // Client 1 holds goal 7 in "Sich pflegen"; problem 9 has no standards
        // until a row sets them.
        const QString massnahme8 = u"insert into tbl_klienten_massnahmen (klientmas_klient_id, klientmas_massnahme_id, "
                                   "klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) "
                                   "values (1, 8, 4, 1, 'Haut eincremen.')"_s;
        const QString massnahmen7und8 = massnahme8 + u", (1, 7, 4, 2, 'Rücken waschen.')"_s;
        const QString ziel1 = u"insert into tbl_klienten_ziele (klientziele_klient_id, klientziele_ziel_id, "
                              "klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) "
                              "values (1, 1, 4, 2, 'Frau Lindner trägt das Hörgerät tagsüber.')"_s;
        QTest::newRow("no standards") << QString() << QList<int>() << QList<int>() << u"Problem übernommen."_s;
        QTest::newRow("standard no longer in the catalogue") << QString() << QList<int>{99} << QList<int>()
                                                             << u"Problem übernommen."_s;
        QTest::newRow("one measure") << QString() << QList<int>() << QList<int>{7} << u"Problem mit 1 Maßnahme übernommen."_s;
        QTest::newRow("two measures") << QString() << QList<int>() << QList<int>{7, 8}
                                      << u"Problem mit 2 Maßnahmen übernommen."_s;
        QTest::newRow("two goals") << QString() << QList<int>{1, 2} << QList<int>() << u"Problem mit 2 Zielen übernommen."_s;
        QTest::newRow("one goal and one measure") << QString() << QList<int>{1} << QList<int>{8}
                                                  << u"Problem mit 1 Ziel und 1 Maßnahme übernommen."_s;
        QTest::newRow("only a goal present") << QString() << QList<int>{7} << QList<int>()
                                             << u"Problem übernommen, 1 Ziel war schon vorhanden."_s;
        QTest::newRow("new and present") << QString() << QList<int>{1, 2, 7} << QList<int>{1, 2, 7}
                                         << u"Problem mit 2 Zielen und 3 Maßnahmen übernommen, 1 Ziel war schon vorhanden."_s;
        QTest::newRow("one measure present") << massnahme8 << QList<int>() << QList<int>{8}
                                             << u"Problem übernommen, 1 Maßnahme war schon vorhanden."_s;
        QTest::newRow("two measures present") << massnahmen7und8 << QList<int>() << QList<int>{7, 8}
                                              << u"Problem übernommen, 2 Maßnahmen waren schon vorhanden."_s;
        QTest::newRow("goals and a measure present") << ziel1 + u";"_s + massnahme8 << QList<int>{1, 7} << QList<int>{8, 7}
            << u"Problem mit 1 Maßnahme übernommen, 2 Ziele und 1 Maßnahme waren schon vorhanden."_s;
    }

    void statusLine_tellsWhatCameWithTheProblem()
    {
        QFETCH(QString, vorhandenSql);
        QFETCH(QList<int>, ziele);
        QFETCH(QList<int>, massnahmen);
        QFETCH(QString, expected);
        for (const QString &statement : vorhandenSql.split(u';', Qt::SkipEmptyParts))
            TestDatabases::run(*db->care, statement);
        for (int ziel : ziele)
            TestDatabases::run(*db->care, u"insert into tbl_standard_ziele (standardziele_problem_id, standardziele_ziel_id) "
                                          "values (9, %1)"_s.arg(ziel));
        for (int massnahme : massnahmen)
            TestDatabases::run(*db->care, u"insert into tbl_standard_massnahmen (standardmas_problem_id, standardmas_massnahme_id) "
                                          "values (9, %1)"_s.arg(massnahme));
        RecordingMessages messages;
        openWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->ProblemeCombo->setKeyValue(9);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);

        QTest::mouseClick(form->Bereiche[Problem].hinzufuegenBtn, Qt::LeftButton);
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(entries(Problem).last(), u"4:9:Frau Lindner braucht Hilfe beim Duschen."_s);
        QCOMPARE(texts(status), QStringList{expected});
    }

    void statusLine_namesWhatEachOperationDid_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("aktion");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("resource added") << 4 << int(Hinzufuegen) << int(Ressource) << QString()
                                        << QStringList{u"Ressource übernommen."_s};
        QTest::newRow("goal added") << 1 << int(Hinzufuegen) << int(Ziel) << QString() << QStringList{u"Ziel übernommen."_s};
        QTest::newRow("measure added") << 4 << int(Hinzufuegen) << int(Massnahme) << QString()
                                       << QStringList{u"Maßnahme übernommen."_s};
        QTest::newRow("problem removed") << 4 << int(Entfernen) << int(Problem) << QString()
                                         << QStringList{u"Problem aus der Liste entfernt."_s};
        QTest::newRow("goal removed") << 4 << int(Entfernen) << int(Ziel) << QString()
                                      << QStringList{u"Ziel aus der Liste entfernt."_s};
        QTest::newRow("problem text edited") << 4 << int(TextBearbeiten) << int(Problem) << u"$ kann sich nicht waschen."_s
                                             << QStringList{u"Problemtext geändert."_s};
        QTest::newRow("goal text edited") << 4 << int(TextBearbeiten) << int(Ziel) << u"Haut ist sauber."_s
                                          << QStringList{u"Zieltext geändert."_s};
        QTest::newRow("own problem") << 4 << int(EigeneFormulierung) << int(Problem) << u"$ friert."_s
                                     << QStringList{eigeneUebernommen};
        QTest::newRow("own measure") << 4 << int(EigeneFormulierung) << int(Massnahme) << u"Decke bringen."_s
                                     << QStringList{eigeneUebernommen};
        // Refused, cancelled or empty operations change nothing and say nothing.
        QTest::newRow("duplicate problem") << 4 << int(Hinzufuegen) << int(Problem) << QString() << QStringList();
        QTest::newRow("nothing to add") << 2 << int(Hinzufuegen) << int(Ressource) << QString() << QStringList();
        QTest::newRow("empty own formulation") << 4 << int(EigeneFormulierung) << int(Ziel) << u""_s << QStringList();
        QTest::newRow("text edit cancelled") << 4 << int(TextBearbeiten) << int(Problem) << QString() << QStringList();
        QTest::newRow("removal from empty list") << 4 << int(Entfernen) << int(Ressource) << QString() << QStringList();
        QTest::newRow("text edit of empty list") << 4 << int(TextBearbeiten) << int(Massnahme) << u"Neu."_s << QStringList();
    }

    void statusLine_namesWhatEachOperationDid()
    {
        QFETCH(int, group);
        QFETCH(int, aktion);
        QFETCH(int, art);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, expected);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        openWindow();
        selectGroup(group);
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);
        perform(Aktion(aktion), Art(art), eingabe, dialogs);
        QCOMPARE(texts(status), expected);
        // A sentence in the status line and a message box never come together.
        if (!expected.isEmpty())
            QVERIFY(messages.texts.isEmpty());
    }

    void statusLine_countsFoundClients_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << u"Xaver"_s << u"Keine Klienten gefunden."_s;
        QTest::newRow("one") << u"Lindner"_s << u"1 Klient gefunden."_s;
        QTest::newRow("two") << u"müller"_s << u"2 Klienten gefunden."_s;
    }

    void statusLine_countsFoundClients()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        openWindow();
        QSignalSpy status(form.get(), &TKlientenVandrelForm::Statusmeldung);
        form->NameSuchEdit->setText(name);
        form->SuchBtnClick();
        QCOMPARE(texts(status), QStringList{expected});
    }
};

QTEST_MAIN(tst_PlanOperationen)
#include "tst_planoperationen.moc"
