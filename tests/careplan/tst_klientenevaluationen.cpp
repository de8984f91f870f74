#include "Eintragbearbeitenfrm.h"
#include "Klientenevaluationenfrm.h"
#include "Klientenvandrelfrm.h"
#include "Standardzuordnungenfrm.h"
#include "dataset.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "careplanfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString keineEvaluation = u"Es ist noch keine Evaluation zum Hinzufügen vorhanden!\n\n"
                                "Bitte erst eigene Formulierung(en) hinzufügen und erneut versuchen ..."_s;
const QString doppelt = u"Die ausgewählte Evaluation gibt es in der Liste für diesen Klienten schon!"_s;
const QString leererEintrag = u"Ein leerer Eintrag kann NICHT zur Liste hinzugefügt werden !?!\n\n"
                              "Bitte korrigieren und erneut versuchen ..."_s;
const QString keinKlient = u"Es ist kein Klient ausgewählt!\n\n"
                           "Bitte erst einen Klienten anzeigen und auswählen und erneut versuchen ..."_s;

// Catalogue evaluations: three of the first group of the care model ("Sich
// pflegen"), one of "Kommunizieren", none of "Sich bewegen".
const QString evaluationen =
    u"INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES "
    "(1, 4, '$ trinkt zu wenig, $ isst zu wenig.'), (2, 4, 'Haut ist intakt.'), (3, 4, 'Duscht mit Hilfe.'), "
    "(4, 1, 'Hört mit Hörgerät besser.')"_s;

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

class tst_KlientenEvaluationen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CarePlanFixture> fixture;
    TestDatabases *db = nullptr;
    RecordingMessages messages;
    std::unique_ptr<TKlientenEvaluationenForm> form;

    // The window for Frau Lindner (client 1) or another client of the fixture.
    void oeffnen(qint64 klient = 1, const QString &anrede = u"Frau Lindner"_s,
                 const QString &bezeichnung = u"Frau Hedwig Lindner"_s)
    {
        form = std::make_unique<TKlientenEvaluationenForm>(db->care.get(), db->catalogue.get(), klient);
        form->KlientAnzeigen(klient, anrede, bezeichnung);
        form->show();
    }
    void gruppe(qint64 id)
    {
        form->AktivitaetenGruppenCombo->setKeyValue(id);
        form->AktivitaetenGruppenComboCloseUp();
    }
    void hinzufuegen(qint64 evalId)
    {
        form->EvaluationenCombo->setKeyValue(evalId);
        QTest::mouseClick(form->EvaluationHinzufuegenBtn, Qt::LeftButton);
    }
    void eigeneFormulierung(const QString &text)
    {
        form->EvaluationNeuEdit->setFocus();
        QTest::keyClick(form->EvaluationNeuEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form->EvaluationNeuEdit, text);
        QTest::mouseClick(form->EvaluationNeuBtn, Qt::LeftButton);
    }
    // Clicks a row of the client's list, as a person does before the pop-up.
    void zeileWaehlen(int row)
    {
        DbGrid *grid = form->EvaluationenGrid;
        const QRect r = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The stored evaluations of a client in a group: "position:catalogue id:text".
    QStringList gespeichert(qint64 klient, qint64 gruppe = 4)
    {
        QSqlQuery q(db->care->database());
        q.exec(u"select klienteval_eval_pos, klienteval_eval_id, klienteval_eval_bezeichnung "
               "from tbl_klienten_evaluationen where klienteval_klient_id = %1 and "
               "klienteval_aktivitaeten_gruppe = %2 order by klienteval_eval_pos"_s.arg(klient).arg(gruppe));
        QStringList result;
        while (q.next())
            result << u"%1:%2:%3"_s.arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        return result;
    }
    // What the window's list shows, in the same form.
    QStringList angezeigt()
    {
        Dataset *ds = form->qry_klient_evaluationen;
        QStringList result;
        for (int row = 0; row < ds->recordCount(); ++row)
            result << u"%1:%2:%3"_s.arg(ds->valueAt(row, ds->fieldPosition(u"klienteval_eval_pos"_s)).toString(),
                                        ds->valueAt(row, ds->fieldPosition(u"klienteval_eval_id"_s)).toString(),
                                        ds->displayTextAt(row, 0));
        return result;
    }
    QVariant katalog(const QString &sql) { return TestDatabases::scalar(*db->catalogue, sql); }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        fixture = std::make_unique<CarePlanFixture>();
        db = &fixture->db;
        TestDatabases::run(*db->catalogue, evaluationen);
        TestDatabases::followKeys(*db->catalogue, {u"tbl_evaluationen"_s});
        messages.texts.clear();
    }
    void cleanup()
    {
        form.reset();
        fixture.reset();
    }

    void opensOnTheFirstGroupWithItsCatalogue()
    {
        oeffnen();
        QCOMPARE(form->windowTitle(), u"Vandrel - Klienten-Evaluationen"_s);
        QCOMPARE(form->TypLabel->text(), u"AEDL"_s);
        QCOMPARE(form->KlientLabel->text(), u"Frau Hedwig Lindner"_s);
        QCOMPARE(form->AktivitaetenGruppenCombo->shownText(), u"Sich pflegen"_s);
        QCOMPARE(form->GroupBox1->title(), u" Evalutationen : "_s);
        // The pick list speaks of the client; its hint shows the whole text.
        QCOMPARE(form->EvaluationenCombo->shownText(), u"Frau Lindner trinkt zu wenig, Frau Lindner isst zu wenig."_s);
        QCOMPARE(form->EvaluationenCombo->toolTip(), form->EvaluationenCombo->shownText());
        QCOMPARE(form->qry_klient_evaluationen->fieldAt(0).title(), u"Evaluation"_s);
        for (QLabel *label : form->findChildren<QLabel *>()) {
            if (label->text().endsWith(u": "_s) && label != form->Label15 && label != form->Label1)
                QVERIFY2(label->buddy(), qPrintable(label->text()));
        }
    }

    // Adding twice is refused; removing leaves a gap and the next entry
    // goes after the last position.
    void duplicateRefusedAndPositionsKeepTheirGaps()
    {
        oeffnen();
        hinzufuegen(1);
        hinzufuegen(1);
        QCOMPARE(messages.texts, QStringList{doppelt});
        const QString ersteZeile = u"1:1:Frau Lindner trinkt zu wenig, Frau Lindner isst zu wenig."_s;
        QCOMPARE(gespeichert(1), QStringList{ersteZeile});
        QCOMPARE(angezeigt(), gespeichert(1));

        hinzufuegen(2);
        hinzufuegen(3);
        zeileWaehlen(1);
        form->EvaluationAusListeEntfernenItem->trigger();
        QCOMPARE(gespeichert(1), (QStringList{ersteZeile, u"3:3:Duscht mit Hilfe."_s}));
        hinzufuegen(2);
        QCOMPARE(gespeichert(1), (QStringList{ersteZeile, u"3:3:Duscht mit Hilfe."_s, u"4:2:Haut ist intakt."_s}));
        QCOMPARE(angezeigt(), gespeichert(1));
        QCOMPARE(messages.texts.size(), 1);
    }

    // A group without catalogue evaluations leaves the box without text;
    // the key the box still holds from the other group is no choice.
    void groupWithoutEvaluationsOffersNothingToAdd()
    {
        oeffnen();
        gruppe(2);
        QCOMPARE(form->EvaluationenCombo->keyValue().toLongLong(), 1);
        QCOMPARE(form->EvaluationenCombo->shownText(), QString());
        QTest::mouseClick(form->EvaluationHinzufuegenBtn, Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{keineEvaluation});
        QCOMPARE(gespeichert(1, 2), QStringList());
        QCOMPARE(gespeichert(1, 4), QStringList());
        // Back in a group with evaluations, its first one is chosen, also
        // when the group is chosen again after another evaluation.
        gruppe(4);
        form->EvaluationenCombo->setKeyValue(3);
        gruppe(4);
        QCOMPARE(form->EvaluationenCombo->keyValue().toLongLong(), 1);
        gruppe(1);
        QCOMPARE(form->EvaluationenCombo->keyValue().toLongLong(), 4);
        hinzufuegen(4);
        QCOMPARE(gespeichert(1, 1), QStringList{u"1:4:Hört mit Hörgerät besser."_s});
    }

    void placeholderIsReplacedInTheClientsCopy_data()
    {
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QString>("kopie");
        QTest::newRow("$NAME") << u"update tbl_parameter set param_wert_1 = '$NAME' where param_name = 'PlatzHalterErsetzenMit'"_s
                               << u"Frau Lindner trinkt zu wenig, Frau Lindner isst zu wenig."_s;
        QTest::newRow("free text") << u"update tbl_parameter set param_wert_1 = 'Bewohner' where param_name = 'PlatzHalterErsetzenMit'"_s
                                   << u"Bewohner trinkt zu wenig, Bewohner isst zu wenig."_s;
        QTest::newRow("no parameter row") << u"delete from tbl_parameter where param_name = 'PlatzHalterErsetzenMit'"_s
                                          << u" trinkt zu wenig,  isst zu wenig."_s;
    }

    void placeholderIsReplacedInTheClientsCopy()
    {
        QFETCH(QString, parameter);
        QFETCH(QString, kopie);
        TestDatabases::run(*db->care, parameter);
        oeffnen();
        hinzufuegen(1);
        QCOMPARE(gespeichert(1), QStringList{u"1:1:"_s + kopie});
        // The catalogue keeps its placeholder.
        QCOMPARE(katalog(u"select eval_bezeichnung from tbl_evaluationen where eval_id = 1"_s).toString(),
                 u"$ trinkt zu wenig, $ isst zu wenig."_s);
    }

    // An own formulation joins the catalogue of the group, with "$", and the
    // client's list, for him; afterwards every client is offered it.
    void ownFormulationJoinsTheCatalogueForEveryClient()
    {
        oeffnen();
        eigeneFormulierung(u"$ schlaeft durch."_s);
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'\n')));
        const qint64 neu = katalog(u"select max(eval_id) from tbl_evaluationen"_s).toLongLong();
        QCOMPARE(katalog(u"select eval_aktivitaet || ':' || eval_bezeichnung from tbl_evaluationen where eval_id = %1"_s.arg(neu))
                     .toString(),
                 u"4:$ schlaeft durch."_s);
        QCOMPARE(gespeichert(1), QStringList{u"1:%1:Frau Lindner schlaeft durch."_s.arg(neu)});
        QCOMPARE(form->EvaluationenCombo->keyValue().toLongLong(), neu);
        QCOMPARE(form->EvaluationNeuEdit->text(), QString());

        form->KlientAnzeigen(2, u"Herr Brandt"_s, u"Herr Walter Brandt"_s);
        form->EvaluationenCombo->setKeyValue(neu);
        QCOMPARE(form->EvaluationenCombo->shownText(), u"Herr Brandt schlaeft durch."_s);
        QTest::mouseClick(form->EvaluationHinzufuegenBtn, Qt::LeftButton);
        QCOMPARE(gespeichert(2), QStringList{u"1:%1:Herr Brandt schlaeft durch."_s.arg(neu)});
    }

    // What is refused writes nothing to either database.
    void refusalsWriteNothing_data()
    {
        QTest::addColumn<qint64>("klient");
        QTest::addColumn<bool>("eigene");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("empty own formulation") << qint64(1) << true << QString() << leererEintrag;
        QTest::newRow("own formulation without client") << qint64(0) << true << u"Schlaeft durch."_s << keinKlient;
        QTest::newRow("catalogue evaluation without client") << qint64(0) << false << QString() << keinKlient;
    }

    void refusalsWriteNothing()
    {
        QFETCH(qint64, klient);
        QFETCH(bool, eigene);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        oeffnen(klient, u" "_s, u"  "_s);
        if (eigene)
            eigeneFormulierung(text);
        else
            hinzufuegen(1);
        QCOMPARE(messages.texts, QStringList{meldung});
        QCOMPARE(TestDatabases::scalar(*db->care, u"select count(*) from tbl_klienten_evaluationen"_s).toInt(), 0);
        QCOMPARE(katalog(u"select count(*) from tbl_evaluationen"_s).toInt(), 4);
        QCOMPARE(form->EvaluationNeuEdit->text(), text);
    }

    // Rewording changes the catalogue and this client's copy; other clients
    // keep theirs. A copy whose catalogue row is gone is reworded alone.
    void rewordingChangesTheCatalogueAndThisCopyOnly()
    {
        TestDatabases::run(*db->care,
                           u"INSERT INTO tbl_klienten_evaluationen (klienteval_klient_id, klienteval_eval_id, "
                           "klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES "
                           "(2, 2, 4, 1, 'Haut ist intakt.'), (1, 2, 4, 1, 'Haut ist intakt.'), "
                           "(1, 77, 4, 2, 'Aus einem alten Katalog.')"_s);
        oeffnen();
        ScriptedDialogs dialogs;
        dialogs.steps << speichern(u"Haut von $ ist intakt."_s) << speichern(u"Neu gefasst."_s);
        zeileWaehlen(0);
        form->EvaluationstextbearbeitenItem->trigger();
        zeileWaehlen(1);
        form->EvaluationstextbearbeitenItem->trigger();
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'\n')));
        QCOMPARE(dialogs.shown.size(), 2);
        // The editor opens above this window, which stays on top itself.
        QVERIFY(EintragBearbeitenForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(katalog(u"select eval_bezeichnung from tbl_evaluationen where eval_id = 2"_s).toString(),
                 u"Haut von $ ist intakt."_s);
        QCOMPARE(gespeichert(1), (QStringList{u"1:2:Haut von Frau Lindner ist intakt."_s, u"2:77:Neu gefasst."_s}));
        QCOMPARE(gespeichert(2), QStringList{u"1:2:Haut ist intakt."_s});
        QCOMPARE(katalog(u"select count(*) from tbl_evaluationen"_s).toInt(), 4);
        QCOMPARE(angezeigt(), gespeichert(1));
    }

    // The care-planning window opens one evaluations window, turns it to
    // its current client on the next press, and takes it along when it goes,
    // as it does with the standard assignments.
    void planningWindowOpensAndRetargetsOneWindow()
    {
        TestDatabases::run(*db->care, u"update tbl_parameter set param_wert_1 = '$NAME' where param_name = 'PlatzHalterErsetzenMit'"_s);
        auto planung = std::make_unique<TKlientenVandrelForm>(db->care.get(), db->catalogue.get(), [] { return 1; }, 1024);
        planung->show();
        QVERIFY(planung->qry_klienten->locate(u"klient_id"_s, 1));
        QTest::mouseClick(planung->EvaluationenBearbeitenBtn, Qt::LeftButton);
        QPointer<TKlientenEvaluationenForm> fenster = KlientenEvaluationenForm;
        QVERIFY(fenster);
        QVERIFY(fenster->isVisible());
        QVERIFY(fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(fenster->size(), QSize(550, 793));
        QCOMPARE(fenster->KlientLabel->text(), u"Frau Hedwig Lindner"_s);
        fenster->EvaluationenCombo->setKeyValue(2);
        QTest::mouseClick(fenster->EvaluationHinzufuegenBtn, Qt::LeftButton);

        QVERIFY(planung->qry_klienten->locate(u"klient_id"_s, 2));
        QTest::mouseClick(planung->EvaluationenBearbeitenBtn, Qt::LeftButton);
        QCOMPARE(KlientenEvaluationenForm, fenster.data());
        QCOMPARE(fenster->KlientLabel->text(), u"Herr Walter Brandt"_s);
        QCOMPARE(fenster->qry_klient_evaluationen->recordCount(), 0);
        fenster->EvaluationenCombo->setKeyValue(1);
        QTest::mouseClick(fenster->EvaluationHinzufuegenBtn, Qt::LeftButton);
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'\n')));
        QCOMPARE(gespeichert(1), QStringList{u"1:2:Haut ist intakt."_s});
        QCOMPARE(gespeichert(2), QStringList{u"1:1:Herr Brandt trinkt zu wenig, Herr Brandt isst zu wenig."_s});

        // The standard assignments are one window too, and go with it as well.
        QTest::mouseClick(planung->Button3, Qt::LeftButton);
        QPointer<TStandardZuordnungenForm> standards = StandardZuordnungenForm;
        QVERIFY(standards && standards->isVisible());
        QVERIFY(standards->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTest::mouseClick(planung->Button3, Qt::LeftButton);
        QCOMPARE(StandardZuordnungenForm, standards.data());

        planung.reset();
        QVERIFY(!fenster);
        QCOMPARE(KlientenEvaluationenForm, nullptr);
        QVERIFY(!standards);
        QCOMPARE(StandardZuordnungenForm, nullptr);
    }

    // With no client listed the window opens for client 0 and refuses to add.
    void withoutClientTheWindowOpensForNobody()
    {
        auto planung = std::make_unique<TKlientenVandrelForm>(db->care.get(), db->catalogue.get(), [] { return 1; }, 1024);
        planung->show();
        planung->NameSuchEdit->setText(u"Niemand"_s);
        planung->SuchBtnClick();
        QCOMPARE(planung->qry_klienten->recordCount(), 0);
        QTest::mouseClick(planung->EvaluationenBearbeitenBtn, Qt::LeftButton);
        QVERIFY(KlientenEvaluationenForm);
        QCOMPARE(KlientenEvaluationenForm->KlientId, 0);
        QCOMPARE(KlientenEvaluationenForm->AnredeName, u" "_s);
        QTest::mouseClick(KlientenEvaluationenForm->EvaluationHinzufuegenBtn, Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{keinKlient});
        QCOMPARE(TestDatabases::scalar(*db->care, u"select count(*) from tbl_klienten_evaluationen"_s).toInt(), 0);
    }
};

QTEST_MAIN(tst_KlientenEvaluationen)
#include "tst_klientenevaluationen.moc"
