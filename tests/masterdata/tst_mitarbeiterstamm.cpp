#include "Datenmodulfrm.h"
#include "Mitarbeiterstammfrm.h"
#include "dataset.h"
#include "dbedit.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "password.h"
#include "recordingmessages.h"
#include "testdatabases.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Pflichtmeldung = u"Alle Pflichtfelder müssen ausgefüllt werden !\n\nBitte ändern ... "_s;
const QString Kennwortmeldung = u"Kennwort und Kennwort Wiederholung müssen übereinstimmen !\n\nBitte ändern ... "_s;

// The employees window on the care database of fixtures/mitarbeiter.sql:
// 1 Administrator ("admin", hash of "vandrel"), 2 Berger ("aberger",
// "pflege"), 3 Claassen ("jclaassen", a long password, unknown department),
// 4 Dorn ("ödorn", no password, no department).
struct Fenster
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;
    RecordingMessages messages;
    qint32 benutzer = 1;
    std::unique_ptr<TMitarbeiterStammForm> form;

    Fenster()
    {
        TestDatabases::runFile(*db.care, QStringLiteral(VANDREL_FIXTURES "/mitarbeiter.sql"));
        TestDatabases::followKeys(*db.care, {u"tbl_abteilungen"_s, u"tbl_mitarbeiter"_s});
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
        form = std::make_unique<TMitarbeiterStammForm>(db.care.get(), [this] { return benutzer; });
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    QVariant wert(const QString &spalte, qint64 ma_id) const
    {
        return TestDatabases::scalar(*db.care,
                                     u"select %1 from tbl_mitarbeiter where ma_id = %2"_s.arg(spalte).arg(ma_id));
    }
    int anzahl() const { return TestDatabases::scalar(*db.care, u"select count(*) from tbl_mitarbeiter"_s).toInt(); }
    QLineEdit *edit(const QString &name) const { return form->findChild<QLineEdit *>(name); }

    void waehlen(qint64 ma_id) { form->MaCombo->setKeyValue(ma_id); }
    // Replaces a field's whole text, as a person selects it and types over it.
    void tippen(const QString &name, const QString &text)
    {
        QLineEdit *e = edit(name);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, text);
    }
    // Clicks behind the mask and types on, as a person who does not select first.
    void kennwortTippen(const QString &text)
    {
        QLineEdit *e = form->KennwortEdit;
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(e->width() - 4, e->height() / 2));
        QTest::keyClicks(e, text);
    }
    void speichern() { QTest::mouseClick(form->MaSpeicherBtn, Qt::LeftButton); }
    // A new employee with every mandatory field.
    void neu(const QString &login, const QString &kennwort, const QString &hdz)
    {
        QTest::mouseClick(form->MaNeuBtn, Qt::LeftButton);
        tippen(u"AnredeEdit"_s, u"Herr"_s);
        tippen(u"NameEdit"_s, u"Engel"_s);
        tippen(u"VornameEdit"_s, u"Paul"_s);
        tippen(u"ProgNameEdit"_s, login);
        tippen(u"KennwortEdit"_s, kennwort);
        tippen(u"WiederholungEdit"_s, kennwort);
        tippen(u"HdzEdit"_s, hdz);
    }
    int zeile(qint64 ma_id) const { return form->qry_mitarbeiter->findRow(u"ma_id"_s, ma_id); }
    void klickZeile(qint64 ma_id)
    {
        form->PageControl1->setCurrentWidget(form->ListeSheet);
        DbGrid *grid = form->DBGrid1;
        const QRect r = grid->visualRect(grid->model()->index(zeile(ma_id), 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
};

} // namespace

class tst_MitarbeiterStamm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }
    void refusedSaveNamesTheProblemAndMarksTheField_data();
    void refusedSaveNamesTheProblemAndMarksTheField();
    void repeatBelongsToTheWindowNotToTheRecord();
    void typingTheRepeatIntoAnEmptyListStartsAnEmployee();
    void newEmployeeStoredWithCreatorDepartmentAndAHandSignOfThree_data();
    void newEmployeeStoredWithCreatorDepartmentAndAHandSignOfThree();
    void onlyANewPasswordIsStoredAndOnlyAsHash_data();
    void onlyANewPasswordIsStoredAndOnlyAsHash();
    void maskBetraysNeitherPasswordNorLengthAndTheListShowsNone();
    void loginNameOfAnotherEmployeeIsRefusedWhateverTheCase_data();
    void loginNameOfAnotherEmployeeIsRefusedWhateverTheCase();
    void leavingTheRecordStoresOnlyAnEmployeeWhoCanLogIn();
    void listShowsDepartmentNameOrTheIdsDigits_data();
    void listShowsDepartmentNameOrTheIdsDigits();
    void loggedInEmployeeCannotBeDeleted_data();
    void loggedInEmployeeCannotBeDeleted();
};

void tst_MitarbeiterStamm::refusedSaveNamesTheProblemAndMarksTheField_data()
{
    QTest::addColumn<QString>("leeren");
    QTest::addColumn<QString>("kennwort");
    QTest::addColumn<QString>("wiederholung");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("fokus");

    QTest::newRow("repeat empty") << QString() << QString() << QString() << Pflichtmeldung << u"AnredeEdit"_s;
    QTest::newRow("hand sign emptied") << u"HdzEdit"_s << QString() << u"pflege"_s << Pflichtmeldung
                                       << u"AnredeEdit"_s;
    QTest::newRow("password emptied") << u"KennwortEdit"_s << QString() << u"pflege"_s << Pflichtmeldung
                                      << u"AnredeEdit"_s;
    QTest::newRow("repeat in other case than stored") << QString() << QString() << u"Pflege"_s << Kennwortmeldung
                                                      << u"WiederholungEdit"_s;
    QTest::newRow("new password, other repeat") << QString() << u"neu123"_s << u"neu124"_s << Kennwortmeldung
                                                << u"WiederholungEdit"_s;
    QTest::newRow("new password, stored one repeated") << QString() << u"neu123"_s << u"pflege"_s
                                                       << Kennwortmeldung << u"WiederholungEdit"_s;
}

void tst_MitarbeiterStamm::refusedSaveNamesTheProblemAndMarksTheField()
{
    QFETCH(QString, leeren);
    QFETCH(QString, kennwort);
    QFETCH(QString, wiederholung);
    QFETCH(QString, meldung);
    QFETCH(QString, fokus);
    Fenster t;
    t.waehlen(2);
    t.tippen(u"Telefon1Edit"_s, u"0511 4711"_s);
    if (!leeren.isEmpty())
        t.tippen(leeren, QString());
    if (!kennwort.isEmpty())
        t.tippen(u"KennwortEdit"_s, kennwort);
    if (!wiederholung.isEmpty())
        t.tippen(u"WiederholungEdit"_s, wiederholung);
    t.speichern();

    QCOMPARE(t.messages.texts, QStringList{meldung});
    QCOMPARE(t.messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
    QLineEdit *markiert = t.edit(fokus);
    QCOMPARE(QApplication::focusWidget(), markiert);
    QVERIFY(!markiert->text().isEmpty());
    QCOMPARE(markiert->selectedText(), markiert->text());
    QCOMPARE(t.form->qry_mitarbeiter->state(), Dataset::State::Edit);
    QVERIFY(t.wert(u"ma_telefon_1"_s, 2).isNull());
    QCOMPARE(t.wert(u"ma_kennwort"_s, 2).toString(), u"pflege"_s);
}

void tst_MitarbeiterStamm::repeatBelongsToTheWindowNotToTheRecord()
{
    Fenster t;
    t.waehlen(2);
    QVERIFY(!t.form->MaSpeicherBtn->isEnabled());
    t.tippen(u"WiederholungEdit"_s, u"pflege"_s);
    QCOMPARE(t.form->qry_mitarbeiter->state(), Dataset::State::Edit);
    QVERIFY(t.form->MaSpeicherBtn->isEnabled());
    QVERIFY(t.form->MaCancelBtn->isEnabled());
    t.tippen(u"Telefon1Edit"_s, u"0511 4711"_s);
    t.speichern();
    QCOMPARE(t.messages.texts, QStringList());
    QCOMPARE(t.wert(u"ma_telefon_1"_s, 2).toString(), u"0511 4711"_s);
    QCOMPARE(t.form->WiederholungEdit->text(), u"pflege"_s);

    // The next employee has another password: the kept repeat does not fit it.
    t.klickZeile(3);
    QCOMPARE(t.form->WiederholungEdit->text(), u"pflege"_s);
    t.form->PageControl1->setCurrentWidget(t.form->DetailSheet);
    t.tippen(u"Telefon1Edit"_s, u"0511 0815"_s);
    t.speichern();
    QCOMPARE(t.messages.texts, QStringList{Kennwortmeldung});
    QTest::mouseClick(t.form->MaCancelBtn, Qt::LeftButton);
    QCOMPARE(t.form->WiederholungEdit->text(), u"pflege"_s);
    QVERIFY(t.wert(u"ma_telefon_1"_s, 3).isNull());
}

void tst_MitarbeiterStamm::typingTheRepeatIntoAnEmptyListStartsAnEmployee()
{
    Fenster t;
    t.form.reset();
    TestDatabases::run(*t.db.care, u"DELETE FROM tbl_mitarbeiter"_s);
    t.form = std::make_unique<TMitarbeiterStammForm>(t.db.care.get(), [] { return 1; });
    t.form->show();
    QVERIFY(t.form->MaNeuBtn->isEnabled());
    QTest::keyClicks(t.form->WiederholungEdit, u"x"_s);
    QCOMPARE(t.form->qry_mitarbeiter->state(), Dataset::State::Insert);
    QVERIFY(t.form->MaSpeicherBtn->isEnabled());
}

void tst_MitarbeiterStamm::newEmployeeStoredWithCreatorDepartmentAndAHandSignOfThree_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("three blanks, a fourth character refused") << u"   X"_s << u"   "_s;
    QTest::newRow("four letters") << u"PENG"_s << u"PEN"_s;
}

void tst_MitarbeiterStamm::newEmployeeStoredWithCreatorDepartmentAndAHandSignOfThree()
{
    QFETCH(QString, getippt);
    QFETCH(QString, gespeichert);
    Fenster t;
    t.benutzer = 2;
    t.neu(u"pengel"_s, u"Winter24"_s, getippt);
    QCOMPARE(t.form->HdzEdit->text(), gespeichert);
    // The department is chosen from its drop-down; departments are listed by name.
    DbLookupCombo *abteilung = t.form->AbteilungenCombo;
    abteilung->showPopup();
    QAbstractItemView *liste = abteilung->view();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualRect(liste->model()->index(1, abteilung->modelColumn())).center());
    t.speichern();

    QCOMPARE(t.messages.texts, QStringList());
    QCOMPARE(t.anzahl(), 5);
    const qint64 ma_id = t.form->MaCombo->keyValue().toLongLong();
    QCOMPARE(t.wert(u"ma_prog_name"_s, ma_id).toString(), u"pengel"_s);
    QCOMPARE(t.wert(u"ma_hdz"_s, ma_id).toString(), gespeichert);
    QCOMPARE(t.wert(u"ma_abt"_s, ma_id).toInt(), 2);
    QCOMPARE(t.wert(u"ma_erfasst_von"_s, ma_id).toInt(), 2);
    QVERIFY(t.wert(u"ma_geaendert_von"_s, ma_id).isNull());
    QVERIFY(passwordMatches(u"Winter24"_s, t.wert(u"ma_kennwort"_s, ma_id).toString()));
}

void tst_MitarbeiterStamm::onlyANewPasswordIsStoredAndOnlyAsHash_data()
{
    QTest::addColumn<qint64>("ma_id");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QString>("wiederholung");

    QTest::newRow("hash unchanged, repeat verified by it") << qint64(1) << QString() << u"vandrel"_s;
    QTest::newRow("plain text unchanged, repeat verified by it") << qint64(2) << QString() << u"pflege"_s;
    QTest::newRow("new password over a hash") << qint64(1) << u"Sommer25"_s << u"Sommer25"_s;
    QTest::newRow("new password over plain text") << qint64(2) << u"Sommer25"_s << u"Sommer25"_s;
    QTest::newRow("first password") << qint64(4) << u"Sommer25"_s << u"Sommer25"_s;
}

void tst_MitarbeiterStamm::onlyANewPasswordIsStoredAndOnlyAsHash()
{
    QFETCH(qint64, ma_id);
    QFETCH(QString, neu);
    QFETCH(QString, wiederholung);
    Fenster t;
    t.waehlen(ma_id);
    const QVariant vorher = t.wert(u"ma_kennwort"_s, ma_id);
    if (!neu.isEmpty())
        t.kennwortTippen(neu);
    t.tippen(u"WiederholungEdit"_s, wiederholung);
    t.speichern();

    QCOMPARE(t.messages.texts, QStringList());
    QCOMPARE(t.form->qry_mitarbeiter->state(), Dataset::State::Browse);
    QCOMPARE(t.wert(u"ma_geaendert_von"_s, ma_id).toInt(), 1);
    const QString gespeichert = t.wert(u"ma_kennwort"_s, ma_id).toString();
    if (neu.isEmpty()) {
        QCOMPARE(gespeichert.toUtf8(), vorher.toString().toUtf8());
    } else {
        QVERIFY2(isPasswordHash(gespeichert), "a new password is stored as its hash");
        QVERIFY(!gespeichert.contains(neu));
        QVERIFY(passwordMatches(neu, gespeichert));
    }
    QCOMPARE(t.form->KennwortEdit->text().size(), 8);
}

void tst_MitarbeiterStamm::maskBetraysNeitherPasswordNorLengthAndTheListShowsNone()
{
    Fenster t;
    QStringList masken;
    for (qint64 ma_id : {1, 2, 3}) {
        t.waehlen(ma_id);
        masken << t.form->KennwortEdit->text();
    }
    QCOMPARE(masken[1], masken[0]);
    QCOMPARE(masken[2], masken[0]);
    QVERIFY(!masken[0].isEmpty());
    QVERIFY(!masken.contains(u"pflege"_s));
    t.waehlen(4);
    QCOMPARE(t.form->KennwortEdit->text(), QString());

    const Dataset *d = t.form->qry_mitarbeiter;
    const int kennwort = d->fieldPosition(u"ma_kennwort"_s);
    QVERIFY(t.form->DBGrid1->isColumnHidden(kennwort));
    for (int row = 0; row < d->recordCount(); ++row) {
        QCOMPARE(d->displayTextAt(row, kennwort), QString());
        QCOMPARE(t.form->DBGrid1->model()->index(row, kennwort).data().toString(), QString());
    }
}

void tst_MitarbeiterStamm::loginNameOfAnotherEmployeeIsRefusedWhateverTheCase_data()
{
    QTest::addColumn<bool>("neu");
    QTest::addColumn<QString>("login");
    QTest::addColumn<bool>("abgelehnt");

    QTest::newRow("another's name in capitals") << false << u"ADMIN"_s << true;
    QTest::newRow("another's name with a capital umlaut") << false << u"ÖDORN"_s << true;
    QTest::newRow("new employee with a taken name") << true << u"ABerger"_s << true;
    QTest::newRow("own name in capitals") << false << u"ABERGER"_s << false;
    QTest::newRow("free name") << true << u"pengel"_s << false;
}

void tst_MitarbeiterStamm::loginNameOfAnotherEmployeeIsRefusedWhateverTheCase()
{
    QFETCH(bool, neu);
    QFETCH(QString, login);
    QFETCH(bool, abgelehnt);
    Fenster t;
    if (neu) {
        t.neu(login, u"Winter24"_s, u"PE"_s);
    } else {
        t.waehlen(2);
        t.tippen(u"ProgNameEdit"_s, login);
        t.tippen(u"WiederholungEdit"_s, u"pflege"_s);
    }
    t.speichern();

    if (!abgelehnt) {
        QCOMPARE(t.messages.texts, QStringList());
        QCOMPARE(t.anzahl(), neu ? 5 : 4);
        QCOMPARE(t.wert(u"ma_prog_name"_s, t.form->MaCombo->keyValue().toLongLong()).toString(), login);
        return;
    }
    QCOMPARE(t.messages.texts,
             QStringList{u"Der Anmeldename \"%1\" ist schon an einen anderen Mitarbeiter vergeben !\n\n"
                         "Bitte einen anderen Anmeldenamen eingeben ... "_s.arg(login)});
    QCOMPARE(QApplication::focusWidget(), t.form->ProgNameEdit);
    QCOMPARE(t.form->ProgNameEdit->selectedText(), login);
    QVERIFY(t.form->qry_mitarbeiter->isEditing());
    QCOMPARE(t.anzahl(), 4);
    QCOMPARE(t.wert(u"ma_prog_name"_s, 2).toString(), u"aberger"_s);
    QVERIFY(t.wert(u"ma_geaendert_von"_s, 2).isNull());
}

void tst_MitarbeiterStamm::leavingTheRecordStoresOnlyAnEmployeeWhoCanLogIn()
{
    // Clicking another employee in the list stores the edited one without
    // the save button, so the window's own rules must hold there as well.
    struct Fall
    {
        const char *name;
        std::function<void(Fenster &)> bearbeiten;
        QString meldung;   // empty: stored
        qint64 ma_id;      // the employee whose password is checked
        QString kennwort;  // what logs him in afterwards
    };
    const QList<Fall> faelle{
        {"taken login name", [](Fenster &t) { t.waehlen(2); t.tippen(u"ProgNameEdit"_s, u"Admin"_s); },
         u"Der Anmeldename \"Admin\" ist schon an einen anderen Mitarbeiter vergeben !\n\n"
         "Bitte einen anderen Anmeldenamen eingeben ... "_s,
         2, u"pflege"_s},
        {"new password without repeat", [](Fenster &t) { t.waehlen(2); t.kennwortTippen(u"Sommer25"_s); },
         Kennwortmeldung, 2, u"pflege"_s},
        {"new password repeated",
         [](Fenster &t) {
             t.waehlen(2);
             t.kennwortTippen(u"Sommer25"_s);
             t.tippen(u"WiederholungEdit"_s, u"Sommer25"_s);
         },
         QString(), 2, u"Sommer25"_s},
        {"another field, unchanged password needs no repeat",
         [](Fenster &t) { t.waehlen(2); t.tippen(u"Telefon1Edit"_s, u"0521 1234"_s); }, QString(), 2, u"pflege"_s},
        {"employee without password", [](Fenster &t) { t.waehlen(4); t.tippen(u"Telefon1Edit"_s, u"0521"_s); },
         Pflichtmeldung, 4, QString()},
        {"new employee without password",
         [](Fenster &t) {
             t.neu(u"pengel"_s, u"x"_s, u"PE"_s);
             t.tippen(u"KennwortEdit"_s, QString());
             t.tippen(u"WiederholungEdit"_s, QString());
         },
         Pflichtmeldung, 0, QString()},
        {"new employee", [](Fenster &t) { t.neu(u"pengel"_s, u"Herbst26"_s, u"PE"_s); }, QString(), 5,
         u"Herbst26"_s},
    };
    for (const Fall &fall : faelle) {
        Fenster t;
        const int vorher = t.anzahl();
        const bool neu = fall.ma_id == 0 || fall.ma_id > 4;
        fall.bearbeiten(t);
        t.klickZeile(3);
        if (fall.meldung.isEmpty()) {
            QVERIFY2(t.messages.texts.isEmpty(), fall.name);
            QCOMPARE(t.form->qry_mitarbeiter->asInteger(u"ma_id"_s), 3);
            QCOMPARE(t.anzahl(), vorher + (neu ? 1 : 0));
        } else {
            QCOMPARE(t.messages.texts, QStringList{fall.meldung});
            QVERIFY2(t.form->qry_mitarbeiter->isEditing(), fall.name);
            QVERIFY2(t.form->qry_mitarbeiter->asInteger(u"ma_id"_s) != 3, fall.name);
            QCOMPARE(t.anzahl(), vorher);
        }
        if (fall.ma_id == 0)
            continue;
        const QString gespeichert = t.wert(u"ma_kennwort"_s, fall.ma_id).toString();
        if (fall.kennwort.isEmpty())
            QVERIFY2(gespeichert.isEmpty(), fall.name);
        else
            QVERIFY2(passwordMatches(fall.kennwort, gespeichert), fall.name);
        // A password typed here is only ever stored as its hash.
        if (fall.kennwort != u"pflege"_s)
            QVERIFY2(gespeichert != fall.kennwort || gespeichert.isEmpty(), fall.name);
        QCOMPARE(t.wert(u"ma_prog_name"_s, 2).toString(), u"aberger"_s);
    }
}

void tst_MitarbeiterStamm::listShowsDepartmentNameOrTheIdsDigits_data()
{
    QTest::addColumn<qint64>("ma_id");
    QTest::addColumn<QString>("liste");
    QTest::addColumn<QString>("box");

    QTest::newRow("department") << qint64(2) << u"Wohnbereich Sonnenhof"_s << u"Wohnbereich Sonnenhof"_s;
    QTest::newRow("unknown department") << qint64(3) << u"99"_s << QString();
    QTest::newRow("no department") << qint64(4) << QString() << QString();
}

void tst_MitarbeiterStamm::listShowsDepartmentNameOrTheIdsDigits()
{
    QFETCH(qint64, ma_id);
    QFETCH(QString, liste);
    QFETCH(QString, box);
    Fenster t;
    const int spalte = t.form->qry_mitarbeiter->fieldPosition(u"ma_abt"_s);
    QCOMPARE(spalte, 0);
    QCOMPARE(t.form->DBGrid1->model()->index(t.zeile(ma_id), spalte).data().toString(), liste);
    t.waehlen(ma_id);
    QCOMPARE(t.form->AbteilungenCombo->shownText(), box);
}

void tst_MitarbeiterStamm::loggedInEmployeeCannotBeDeleted_data()
{
    QTest::addColumn<qint32>("benutzer");
    QTest::addColumn<qint64>("ma_id");
    QTest::addColumn<bool>("geloescht");

    QTest::newRow("the logged-in employee") << 2 << qint64(2) << false;
    QTest::newRow("the initial employee, while another is logged in") << 2 << qint64(1) << true;
}

void tst_MitarbeiterStamm::loggedInEmployeeCannotBeDeleted()
{
    QFETCH(qint32, benutzer);
    QFETCH(qint64, ma_id);
    QFETCH(bool, geloescht);
    Fenster t;
    t.benutzer = benutzer;
    t.klickZeile(ma_id);
    QTest::keyClick(t.form->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);

    QCOMPARE(t.messages.questions, QStringList{u"Datensatz löschen?"_s});
    QCOMPARE(t.wert(u"count(*)"_s, ma_id).toInt(), geloescht ? 0 : 1);
    QCOMPARE(t.messages.texts,
             geloescht ? QStringList()
                       : QStringList{u"Der angemeldete Mitarbeiter kann nicht gelöscht werden !\n\n"
                                     "Bitte als anderer Mitarbeiter anmelden und erneut versuchen ... "_s});
}

QTEST_MAIN(tst_MitarbeiterStamm)
#include "tst_mitarbeiterstamm.moc"
