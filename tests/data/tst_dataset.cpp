#include "dataset.h"
#include "exception.h"
#include "testdatabases.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

class tst_Dataset : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> db;

    Dataset *departments(QObject *parent)
    {
        auto *ds = new Dataset(db->care.get(), parent);
        ds->setSql(u"select * from tbl_abteilungen\norder by abt_name ;"_s);
        ds->open();
        return ds;
    }

    int count(const QString &sql) { return TestDatabases::scalar(*db->care, sql).toInt(); }

    // The field's values of all rows, in list order.
    static QStringList texts(const Dataset *ds, const QString &field)
    {
        QStringList result;
        for (int r = 0; r < ds->recordCount(); ++r)
            result << ds->valueAt(r, ds->fieldPosition(field)).toString();
        return result;
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        db = std::make_unique<TestDatabases>();
        TestDatabases::run(*db->care,
            u"insert into tbl_abteilungen (abt_id, abt_name, abt_ort, abt_erfasst_am) values "
            "(1, 'Wohnbereich Nord', 'Bielefeld', '2026-03-01 08:15:00'), (2, 'Ambulanter Dienst', NULL, NULL), "
            "(3, 'Tagespflege', 'Herford', NULL)"_s);
        // Rows written with their own keys; new rows follow them on every engine.
        db->care->setKeyCounter(u"tbl_abteilungen"_s, 3);
    }

    void cleanup() { db.reset(); }

    void states_followEditPostAndCancel()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        QSignalSpy states(ds, &Dataset::stateChanged);
        QCOMPARE(ds->state(), Dataset::State::Browse);
        QCOMPARE(ds->asText(u"abt_name"_s), u"Ambulanter Dienst"_s);

        ds->edit();
        ds->setValue(u"abt_name"_s, u"Ambulante Pflege"_s);
        QCOMPARE(ds->state(), Dataset::State::Edit);
        QVERIFY(ds->isModified());
        ds->cancel();
        QCOMPARE(ds->state(), Dataset::State::Browse);
        QCOMPARE(ds->asText(u"abt_name"_s), u"Ambulanter Dienst"_s);

        ds->edit();
        ds->setValue(u"abt_name"_s, u"Ambulante Pflege"_s);
        ds->post();
        QCOMPARE(ds->asText(u"abt_name"_s), u"Ambulante Pflege"_s);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen where abt_name = 'Ambulante Pflege' and abt_id = 2"_s), 1);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen where abt_name = 'Tagespflege'"_s), 1);

        ds->append();
        QCOMPARE(ds->state(), Dataset::State::Insert);
        QCOMPARE(ds->recordCount(), 4);
        ds->cancel();
        QCOMPARE(ds->recordCount(), 3);
        QCOMPARE(ds->asText(u"abt_name"_s), u"Ambulante Pflege"_s);

        const QList<Dataset::State> expected = {Dataset::State::Edit, Dataset::State::Browse, Dataset::State::Edit,
                                                Dataset::State::Browse, Dataset::State::Insert, Dataset::State::Browse};
        QCOMPARE(states.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(states.at(i).at(0).value<Dataset::State>(), expected.at(i));
    }

    void post_insertHoldsAssignedKeyAndStoredDefaults()
    {
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_mitarbeiter ;"_s);
        ds->open();
        ds->append();
        ds->setValue(u"ma_name"_s, u"Neumann"_s);
        ds->post();
        const qint64 first = ds->asInteger(u"ma_id"_s);
        QVERIFY(first > 1);
        // The database's own default is shown at once, not only after reopening.
        QCOMPARE(ds->isNull(u"ma_prog_berechtigung"_s), false);
        ds->append();
        ds->setValue(u"ma_name"_s, u"Okafor"_s);
        ds->post();
        QCOMPARE(ds->asInteger(u"ma_id"_s), first + 1);
        QCOMPARE(count(u"select count(*) from tbl_mitarbeiter where ma_id = %1 and ma_name = 'Okafor'"_s.arg(first + 1)), 1);
    }

    void post_refusedDuplicateRaisesDatabaseError_data()
    {
        QTest::addColumn<int>("client");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same client, same group") << 1 << 10 << true;
        QTest::newRow("other client") << 2 << 10 << false;
        QTest::newRow("other activity group") << 1 << 11 << false;
    }

    void post_refusedDuplicateRaisesDatabaseError()
    {
        QFETCH(int, client);
        QFETCH(int, group);
        QFETCH(bool, refused);
        TestDatabases::run(*db->care,
            u"insert into tbl_klienten_probleme (klientprob_klient_id, klientprob_problem_id, "
            "klientprob_aktivitaeten_gruppe, klientprob_problem_pos) values (1, 7, 10, 1)"_s);
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_klienten_probleme\nwhere\nklientprob_klient_id = :klient_id and\n"
                   "klientprob_aktivitaeten_gruppe = :aktivitaet\norder by\nklientprob_problem_pos"_s);
        ds->setParam(u"klient_id"_s, client);
        ds->setParam(u"aktivitaet"_s, group);
        ds->open();
        ds->append();
        ds->setValue(u"klientprob_klient_id"_s, client);
        ds->setValue(u"klientprob_problem_id"_s, 7);
        ds->setValue(u"klientprob_aktivitaeten_gruppe"_s, group);
        ds->setValue(u"klientprob_problem_pos"_s, 2);
        bool databaseError = false;
        QString message;
        try {
            ds->post();
        } catch (const DatabaseError &e) {
            databaseError = true;
            message = e.message();
        }
        QCOMPARE(databaseError, refused);
        if (refused) {
            QVERIFY2(message.contains(u"unique"_s, Qt::CaseInsensitive), qPrintable(message));
            QCOMPARE(ds->state(), Dataset::State::Insert);
            ds->cancel();
            QCOMPARE(ds->recordCount(), 1);
        }
        QCOMPARE(count(u"select count(*) from tbl_klienten_probleme"_s), refused ? 1 : 2);
    }

    void failuresOtherThanPost_raiseGeneralException()
    {
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_gibt_es_nicht ;"_s);
        auto kindOf = [](auto &&action) {
            try {
                action();
            } catch (const DatabaseError &) {
                return u"database error"_s;
            } catch (const Exception &e) {
                return e.message().isEmpty() ? u"empty"_s : u"exception"_s;
            }
            return u"none"_s;
        };
        QCOMPARE(kindOf([&] { ds->open(); }), u"exception"_s);
        ds->setSql(u"select * from tbl_abteilungen where abt_id = 99 ;"_s);
        ds->open();
        QCOMPARE(kindOf([&] { ds->remove(); }), u"exception"_s);
        QCOMPARE(kindOf([&] { ds->value(u"abt_gibt_es_nicht"_s); }), u"exception"_s);
        QCOMPARE(kindOf([&] { ds->post(); }), u"exception"_s);
    }

    void fields_readByNameWithoutLetterCase()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        QVERIFY(ds->locate(u"abt_id"_s, 1));
        QCOMPARE(ds->asText(u"ABT_Name"_s), u"Wohnbereich Nord"_s);
        QCOMPARE(ds->asDateTime(u"abt_erfasst_am"_s), QDateTime(QDate(2026, 3, 1), QTime(8, 15)));
        QCOMPARE(ds->displayText(u"abt_erfasst_am"_s), u"01.03.2026 08:15:00"_s);
        QVERIFY(ds->locate(u"abt_id"_s, u"2"_s));
        QCOMPARE(ds->asText(u"abt_ort"_s), QString());
        QCOMPARE(ds->asInteger(u"abt_erfasst_von"_s), 0);
        QVERIFY(!ds->asDateTime(u"abt_erfasst_am"_s).isValid());
        QVERIFY(!ds->locate(u"abt_id"_s, 42));
        QCOMPARE(ds->asInteger(u"abt_id"_s), 2);
    }

    void sort_reordersFetchedRowsAndKeepsCurrent()
    {
        TestDatabases::run(*db->care, u"insert into tbl_abteilungen (abt_id, abt_name) values (4, 'Ärztlicher Dienst')"_s);
        QObject owner;
        Dataset *ds = departments(&owner);
        auto names = [ds] { return texts(ds, u"abt_name"_s); };
        QVERIFY(ds->locate(u"abt_name"_s, u"Tagespflege"_s));
        ds->setSort(u"abt_name DESC"_s);
        QCOMPARE(names(), QStringList({u"Wohnbereich Nord"_s, u"Tagespflege"_s, u"Ärztlicher Dienst"_s, u"Ambulanter Dienst"_s}));
        QCOMPARE(ds->asText(u"abt_name"_s), u"Tagespflege"_s);
        QCOMPARE(ds->sort(), u"abt_name DESC"_s);
        ds->setSort(u"abt_ort ASC"_s);
        QCOMPARE(ds->valueAt(0, ds->fieldPosition(u"abt_ort"_s)), QVariant());
        ds->setSort(QString());
        QCOMPARE(names(), QStringList({u"Ambulanter Dienst"_s, u"Ärztlicher Dienst"_s, u"Tagespflege"_s, u"Wohnbereich Nord"_s}));
        bool refused = false;
        try {
            ds->setSort(u"abt_gibt_es_nicht ASC"_s);
        } catch (const Exception &) {
            refused = true;
        }
        QVERIFY(refused);
    }

    void order_textsAsGermanReadersExpect_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("names") << QStringList{u"Zander"_s, u"Özdemir"_s, u"Müller"_s, u"adler"_s, u"Lindner"_s, u"Bauer"_s}
                               << QStringList{u"adler"_s, u"Bauer"_s, u"Lindner"_s, u"Müller"_s, u"Özdemir"_s, u"Zander"_s};
        QTest::newRow("departments")
            << QStringList{u"Zentrale"_s, u"ambulant Nord"_s, u"Tagespflege"_s, u"Ärztehaus"_s, u"Ambulant"_s}
            << QStringList{u"Ambulant"_s, u"ambulant Nord"_s, u"Ärztehaus"_s, u"Tagespflege"_s, u"Zentrale"_s};
        QTest::newRow("ß as ss") << QStringList{u"Strauß"_s, u"Strausberg"_s, u"Straub"_s, u"Strasser"_s}
                                 << QStringList{u"Strasser"_s, u"Straub"_s, u"Strausberg"_s, u"Strauß"_s};
        QTest::newRow("Ü with U, accents with base letter")
            << QStringList{u"Uhl"_s, u"Übel"_s, u"Ulbrich"_s, u"Éclair"_s, u"Ebert"_s, u"Fink"_s}
            << QStringList{u"Ebert"_s, u"Éclair"_s, u"Fink"_s, u"Übel"_s, u"Uhl"_s, u"Ulbrich"_s};
        // Equal but for case and umlaut: a fixed order by the exact letters.
        QTest::newRow("same letters") << QStringList{u"Müller"_s, u"MÜLLER"_s, u"Muller"_s, u"müller"_s}
                                      << QStringList{u"Muller"_s, u"MÜLLER"_s, u"Müller"_s, u"müller"_s};
    }

    // The statement's order by, the title-click sort and the order of a list
    // whose rows came in any order are all the same German order.
    void order_textsAsGermanReadersExpect()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        TestDatabases::run(*db->care, u"delete from tbl_abteilungen"_s);
        for (int i = 0; i < stored.size(); ++i)
            TestDatabases::run(*db->care, u"insert into tbl_abteilungen (abt_id, abt_name) values (%1, '%2')"_s.arg(i + 1).arg(stored.at(i)));
        QObject owner;
        Dataset *ds = departments(&owner);
        auto names = [ds] { return texts(ds, u"abt_name"_s); };
        QCOMPARE(names(), expected);
        ds->setSort(u"abt_name DESC"_s);
        QStringList descending = expected;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(names(), descending);
        ds->setSort(u"abt_name ASC"_s);
        QCOMPARE(names(), expected);
        ds->setSort(u"abt_id ASC"_s);
        ds->setSort(QString());
        QCOMPARE(names(), expected);

        // Several columns: numbers by value first, then the texts.
        auto *clients = new Dataset(db->care.get(), &owner);
        QStringList rows;
        for (int i = 0; i < stored.size(); ++i)
            rows << u"(%1, %2, '%3', 'Anna')"_s.arg(i + 1).arg(i % 2).arg(stored.at(i));
        TestDatabases::run(*db->care, u"insert into tbl_klienten_stamm (klient_id, klient_abt, klient_name, klient_vorname) values "_s
                                          + rows.join(u", "_s));
        clients->setSql(u"select * from tbl_klienten_stamm\norder by klient_abt , klient_name, klient_vorname, klient_geburtstag ;"_s);
        clients->setFields({FieldDef(u"klient_name"_s)});
        clients->open();
        QStringList byDepartment;
        for (int abt : {0, 1})
            for (const QString &name : expected)
                if (stored.indexOf(name) % 2 == abt)
                    byDepartment << name;
        QCOMPARE(texts(clients, u"klient_name"_s), byDepartment);
    }

    // Rows written by another tool (sqlite3 on a file, psql on the server)
    // keep their German order in the program, and the file stays sound for both.
    void order_holdsForRowsWrittenByOtherTools()
    {
        const QString program = QStandardPaths::findExecutable(db->onServer() ? u"psql"_s : u"sqlite3"_s);
        if (program.isEmpty())
            QSKIP("the engine's command-line tool (sqlite3, psql) is not installed");
        QObject owner;
        Dataset *ds = departments(&owner);
        ds->append();
        ds->setValue(u"abt_name"_s, u"Ärztehaus"_s);
        ds->post();
        db->care->close();
        const QString statements = u"insert into tbl_abteilungen (abt_name) values ('ambulant Nord'), ('Zentrale');"
                                   "insert into tbl_mitarbeiter (ma_prog_name) values ('Öztürk');"
                                   "select count(*) from tbl_mitarbeiter where ma_prog_name = 'admin';"_s;
        QProcess tool;
        tool.start(program, db->onServer() ? QStringList{u"-qtA"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-d"_s, db->carePath(), u"-c"_s, statements}
                                           : QStringList{db->carePath(), statements});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput().trimmed(), QByteArray("1"));
        db->care->open(db->carePath());
        ds = departments(&owner);
        QCOMPARE(texts(ds, u"abt_name"_s), QStringList({u"ambulant Nord"_s, u"Ambulanter Dienst"_s, u"Ärztehaus"_s, u"Tagespflege"_s,
                                     u"Wohnbereich Nord"_s, u"Zentrale"_s}));
        QCOMPARE(TestDatabases::scalar(*db->care, u"select count(*) from tbl_mitarbeiter where ma_prog_name = 'ÖZTÜRK'"_s).toInt(), 1);
        if (db->onServer())
            return;
        db->care->close();
        tool.start(u"sqlite3"_s, {db->carePath(), u"PRAGMA integrity_check;"_s});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.readAllStandardOutput().trimmed(), QByteArray("ok"));
    }

    // Each failure as the engine brings it about: a full disk on the server
    // is its SQLSTATE, raised by a trigger.
    void writeFailures_tellDuplicatesFromOtherFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("serverSetup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        const QString longText = QString(200000, u'x');
        QTest::newRow("duplicate") << QString() << QString() << u"Tagespflege"_s << u"duplicate"_s << u"unique"_s;
        QTest::newRow("read-only file") << u"PRAGMA query_only = 1"_s << u"SET default_transaction_read_only = on"_s
                                        << u"Neu"_s << u"access"_s << u"schreibgeschützt"_s;
        QTest::newRow("disk full") << u"PRAGMA max_page_count = %1"_s
                                   << u"create function f_test() returns trigger language plpgsql as $$ begin raise "
                                      "exception 'Testfehler' using errcode = 'disk_full'; end $$;\n"
                                      "create trigger t_test before insert on tbl_abteilungen for each row execute "
                                      "function f_test()"_s
                                   << longText << u"access"_s << u"voll"_s;
        QTest::newRow("other broken rule") << u"create trigger t_test before insert on tbl_abteilungen "
                                              "begin select raise(abort, 'Testfehler'); end"_s
                                           << u"alter table tbl_abteilungen add constraint c_test check (abt_name <> 'Neu')"_s
                                           << u"Neu"_s << u"access"_s << u"Regel der Tabelle"_s;
    }

    void writeFailures_tellDuplicatesFromOtherFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, serverSetup);
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QFETCH(QString, says);
        TestDatabases::run(*db->care, u"create unique index idx_test_abt_name on tbl_abteilungen (abt_name)"_s);
        QObject owner;
        Dataset *ds = departments(&owner);
        if (db->onServer()) {
            for (const QString &statement : serverSetup.split(u";\n"_s, Qt::SkipEmptyParts))
                QVERIFY2(QSqlQuery(db->care->database()).exec(statement), qPrintable(statement));
        } else if (!setup.isEmpty()) {
            const int pages = TestDatabases::scalar(*db->care, u"PRAGMA page_count"_s).toInt();
            QSqlQuery(db->care->database()).exec(setup.contains(u"%1") ? setup.arg(pages) : setup);
        }
        ds->append();
        // The long text fills a file past its page limit; a server column
        // holds at most 255 letters, and the server's trigger needs no length.
        ds->setValue(u"abt_name"_s, db->onServer() ? text.left(255) : text);
        QString caught, message;
        try {
            ds->post();
        } catch (const DatabaseAccessError &e) {
            caught = u"access"_s;
            message = e.message();
        } catch (const DatabaseError &e) {
            caught = u"duplicate"_s;
            message = e.message();
        }
        QCOMPARE(caught, kind);
        QVERIFY2(message.contains(says, Qt::CaseInsensitive), qPrintable(message));
        ds->cancel();
        QCOMPARE(ds->recordCount(), 3);
    }

    void remove_rowDeletedElsewhereLeavesListAndIsReported()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        QVERIFY(ds->locate(u"abt_name"_s, u"Tagespflege"_s));
        TestDatabases::run(*db->care, u"delete from tbl_abteilungen where abt_name = 'Tagespflege'"_s);
        QString message;
        try {
            ds->remove();
        } catch (const DatabaseAccessError &e) {
            message = e.message();
        }
        QCOMPARE(message, u"Der Datensatz wurde inzwischen von einem anderen Benutzer gelöscht."_s);
        QCOMPARE(ds->recordCount(), 2);
        QCOMPARE(ds->findRow(u"abt_name"_s, u"Tagespflege"_s), -1);
    }

    void masterLink_rereadsDetailWhenMasterRowChanges()
    {
        TestDatabases::run(*db->care,
            u"insert into tbl_klienten_stamm (klient_id, klient_name) values (1, 'Lindner'), (2, 'Brandt'), (3, 'Jäger')"_s);
        TestDatabases::run(*db->care,
            u"insert into tbl_klienten_ziele (klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, "
            "klientziele_ziel_pos, klientziele_ziel_bezeichnung) values (1, 1, 5, 1, 'a'), (1, 2, 5, 2, 'b'), (2, 1, 5, 1, 'c'), "
            "(2, 3, 6, 1, 'other group')"_s);
        QObject owner;
        auto *clients = new Dataset(db->care.get(), &owner);
        clients->setSql(u"select * from tbl_klienten_stamm order by klient_id"_s);
        auto *goals = new Dataset(db->care.get(), &owner);
        goals->setSql(u"select * from tbl_klienten_ziele\nwhere\nklientziele_klient_id = :klient_id and\n"
                      "klientziele_aktivitaeten_gruppe = :aktivitaet\norder by\nklientziele_ziel_pos"_s);
        goals->addMasterLink(clients, u"klient_id"_s, u"klient_id"_s);
        goals->setParam(u"aktivitaet"_s, 5);
        clients->open();
        goals->open();
        QCOMPARE(goals->recordCount(), 2);
        clients->next();
        QCOMPARE(goals->recordCount(), 1);
        QCOMPARE(goals->asText(u"klientziele_ziel_bezeichnung"_s), u"c"_s);
        clients->next();
        QVERIFY(goals->isOpen());
        QVERIFY(goals->isEmpty());
        clients->close();
        QVERIFY(goals->isEmpty());
    }

    void declaredFields_loadOnlyThemInTheirOrder()
    {
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_abteilungen\norder by abt_name ;"_s);
        FieldDef ort{u"abt_ort"_s, u"Abt. Ort"_s, 15};
        FieldDef name{u"abt_name"_s, u"Abt. Name"_s, 15};
        FieldDef id{u"abt_id"_s, u"Abt. ID"_s, 5, false};
        ds->setFields({name, ort, id});
        ds->open();
        QCOMPARE(ds->fieldCount(), 3);
        QCOMPARE(ds->fieldAt(1).title(), u"Abt. Ort"_s);
        bool unknown = false;
        try {
            ds->value(u"abt_strasse"_s);
        } catch (const Exception &) {
            unknown = true;
        }
        QVERIFY(unknown);
        ds->moveField(1, 0);
        QCOMPARE(ds->fieldAt(0).name, u"abt_ort"_s);
        QCOMPARE(ds->displayTextAt(2, 0), u"Bielefeld"_s);

        auto *missing = new Dataset(db->care.get(), &owner);
        missing->setSql(u"select * from tbl_abteilungen ;"_s);
        missing->setFields({FieldDef{u"abt_gibt_es_nicht"_s}});
        bool failed = false;
        try {
            missing->open();
        } catch (const Exception &e) {
            failed = e.message().contains(u"abt_gibt_es_nicht"_s);
        }
        QVERIFY(failed);
    }

    void getTextHook_suppliesShownText()
    {
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_abteilungen order by abt_id ;"_s);
        ds->setGetText(u"abt_ort"_s, [](const QVariant &v) { return v.isNull() ? u"(kein Ort)"_s : v.toString().toUpper(); });
        ds->open();
        QCOMPARE(ds->displayText(u"abt_ort"_s), u"BIELEFELD"_s);
        QCOMPARE(ds->displayTextAt(1, ds->fieldPosition(u"abt_ort"_s)), u"(kein Ort)"_s);
        QCOMPARE(ds->asText(u"abt_ort"_s), u"Bielefeld"_s);
    }

    // Leaving a row that is being edited stores it when a value changed and
    // drops the editing otherwise.
    void leavingEditedRow_storesOnlyChanges()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        ds->edit();
        ds->setValue(u"abt_ort"_s, u"Gütersloh"_s);
        ds->next();
        QCOMPARE(ds->state(), Dataset::State::Browse);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen where abt_id = 2 and abt_ort = 'Gütersloh'"_s), 1);

        ds->edit();
        ds->setValue(u"abt_ort"_s, ds->value(u"abt_ort"_s));
        ds->prior();
        QCOMPARE(ds->state(), Dataset::State::Browse);

        ds->append();
        ds->first();
        QCOMPARE(ds->recordCount(), 3);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen"_s), 3);
    }

    void remove_deletesCurrentRowOnly()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        ds->next();
        ds->remove();
        QCOMPARE(ds->recordCount(), 2);
        QCOMPARE(ds->asText(u"abt_name"_s), u"Wohnbereich Nord"_s);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen where abt_name = 'Tagespflege'"_s), 0);
        QCOMPARE(count(u"select count(*) from tbl_abteilungen"_s), 2);
    }

    void navigation_reachesEndAndEmptyResult()
    {
        QObject owner;
        Dataset *ds = departments(&owner);
        int seen = 0;
        for (ds->first(); !ds->atEnd(); ds->next())
            ++seen;
        QCOMPARE(seen, 3);
        QCOMPARE(ds->currentRow(), 2);
        ds->setSql(u"select * from tbl_abteilungen where abt_id < 0"_s);
        ds->open();
        QVERIFY(ds->isEmpty());
        QVERIFY(ds->atEnd());
        QCOMPARE(ds->currentRow(), -1);
        QCOMPARE(ds->asText(u"abt_name"_s), QString());
        // Typing into an empty list starts a new row.
        ds->edit();
        QCOMPARE(ds->state(), Dataset::State::Insert);
    }

    void parameters_boundByNameAndKeptAcrossReopen()
    {
        QObject owner;
        auto *ds = new Dataset(db->care.get(), &owner);
        ds->setSql(u"select * from tbl_abteilungen where abt_id = :id or abt_name = ':id' ;"_s);
        ds->setParam(u"id"_s, u"3"_s);
        ds->open();
        QCOMPARE(ds->recordCount(), 1);
        QCOMPARE(ds->asText(u"abt_name"_s), u"Tagespflege"_s);
        ds->reopen();
        QCOMPARE(ds->recordCount(), 1);
        QVERIFY(!ds->isUpdatable() || ds->updateTable() == u"tbl_abteilungen");

        auto *joined = new Dataset(db->care.get(), &owner);
        joined->setSql(u"select * from tbl_abteilungen, tbl_mitarbeiter where abt_id = ma_abt"_s);
        joined->open();
        QVERIFY(!joined->isUpdatable());
    }
};

QTEST_GUILESS_MAIN(tst_Dataset)
#include "tst_dataset.moc"
