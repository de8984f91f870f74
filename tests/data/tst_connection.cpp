#include "Pflegedatenbank.h"
#include "dataset.h"
#include "exception.h"
#include "testdatabases.h"
#include "transaction.h"

#include <QFile>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    // Opening must never create a file: an empty file in place of the care
    // database would look like a working, empty database.
    void open_refusesWhatIsNoDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("createFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << false << u"nicht gefunden"_s;
        QTest::newRow("empty file") << QByteArray() << true << u"leer"_s;
        QTest::newRow("text file") << QByteArray(4096, 'x') << true << u"keine lesbare Datenbank"_s;
    }

    void open_refusesWhatIsNoDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, createFile);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"vandrel.accdb"_s);
        if (createFile) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        DbConnection connection;
        QString raised;
        try {
            connection.open(path);
        } catch (const Exception &e) {
            raised = e.message();
        }
        QVERIFY2(raised.contains(message), qPrintable(raised));
        QVERIFY(!connection.isOpen());
        QCOMPARE(QFile::exists(path), createFile);
        QCOMPARE(QFileInfo(path).size(), qint64(content.size()));
    }

    void open_emptyFileNameIsRefused()
    {
        DbConnection connection;
        bool refused = false;
        try {
            connection.open(QString());
        } catch (const Exception &) {
            refused = true;
        }
        QVERIFY(refused);
    }

    void open_usesWriteAheadLog()
    {
        TestDatabases db;
        QSqlQuery q(db.care->database());
        QVERIFY(q.exec(u"PRAGMA journal_mode"_s) && q.next());
        QCOMPARE(q.value(0).toString(), u"wal"_s);
    }

    void like_ignoresLetterCaseOfEveryLetter_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("umlaut in lower case") << u"%müller%"_s << QStringList({u"MÜLLER"_s, u"Müller"_s, u"Müller-Lüdenscheidt"_s});
        QTest::newRow("umlaut in upper case") << u"%ÖZ%"_s << QStringList({u"Öztürk"_s});
        QTest::newRow("sharp s") << u"weiß"_s << QStringList({u"Weiß"_s});
        QTest::newRow("ascii") << u"%MEIER%"_s << QStringList({u"Meier"_s});
        QTest::newRow("one-character wildcard") << u"m_ller"_s << QStringList({u"MÜLLER"_s, u"Müller"_s, u"Muller"_s});
        QTest::newRow("any text") << u"%"_s << QStringList({u""_s, u"MÜLLER"_s, u"Meier"_s, u"Muller"_s, u"Müller"_s,
                                                         u"Müller-Lüdenscheidt"_s, u"Weiß"_s, u"Öztürk"_s});
        QTest::newRow("empty name") << u""_s << QStringList({u""_s});
        QTest::newRow("nothing") << u"%xyz%"_s << QStringList();
    }

    void like_ignoresLetterCaseOfEveryLetter()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, found);
        TestDatabases db;
        TestDatabases::run(*db.care, u"insert into tbl_klienten_stamm (klient_name) values ('Müller'), ('MÜLLER'), "
                                     "('Muller'), ('Meier'), ('Öztürk'), ('Weiß'), ('Müller-Lüdenscheidt'), (''), (NULL)"_s);
        Dataset ds(db.care.get());
        ds.setSql(u"select * from tbl_klienten_stamm where\nklient_name like :name\norder by klient_name"_s);
        ds.setParam(u"name"_s, pattern);
        ds.open();
        QStringList names;
        for (ds.first(); !ds.atEnd(); ds.next())
            names << ds.asText(u"klient_name"_s);
        names.sort();
        found.sort();
        QCOMPARE(names, found);
    }

    void transaction_rollsBackUnlessCommitted()
    {
        TestDatabases db;
        {
            Transaction transaction(*db.care);
            TestDatabases::run(*db.care, u"insert into tbl_abteilungen (abt_name) values ('verworfen')"_s);
        }
        {
            Transaction transaction(*db.care);
            TestDatabases::run(*db.care, u"insert into tbl_abteilungen (abt_name) values ('behalten')"_s);
            transaction.commit();
        }
        Dataset ds(db.care.get());
        ds.setSql(u"select * from tbl_abteilungen"_s);
        ds.open();
        QCOMPARE(ds.recordCount(), 1);
        QCOMPARE(ds.asText(u"abt_name"_s), u"behalten"_s);
    }

    void command_reportsEngineMessageAndRefusesEmptyText()
    {
        TestDatabases db;
        QString message;
        try {
            TestDatabases::run(*db.care, u"alter table tbl_gibt_es_nicht add column x integer"_s);
        } catch (const Exception &e) {
            message = e.message();
        }
        QVERIFY2(message.contains(u"tbl_gibt_es_nicht"_s), qPrintable(message));
        bool refused = false;
        try {
            TestDatabases::run(*db.care, u"  \n"_s);
        } catch (const Exception &) {
            refused = true;
        }
        QVERIFY(refused);
        // A changed table is known to the datasets opened afterwards.
        TestDatabases::run(*db.care, u"alter table tbl_abteilungen add column abt_notiz_am DATETIME"_s);
        TestDatabases::run(*db.care, u"insert into tbl_abteilungen (abt_name, abt_notiz_am) values ('a', '2026-01-02 00:00:00')"_s);
        Dataset ds(db.care.get());
        ds.setSql(u"select * from tbl_abteilungen"_s);
        ds.open();
        QCOMPARE(ds.asDateTime(u"abt_notiz_am"_s).date(), QDate(2026, 1, 2));
    }

    // A care database of an earlier version compared login names letter by
    // letter; opening it with this version lets "MÜLLER" find "müller" and
    // keeps every employee, id and the id counter.
    void careDatabaseOfEarlierVersion_findsLoginNameInAnyLetterCase()
    {
        TestDatabases db;
        DbConnection &care = *db.care;
        const QString heute = TestDatabases::scalar(care, u"select sql from sqlite_master where name = 'tbl_mitarbeiter'"_s).toString();
        QVERIFY(heute.contains(u" COLLATE NOCASE"_s));
        TestDatabases::run(care, u"alter table tbl_mitarbeiter rename to m_alt"_s);
        TestDatabases::run(care, QString(heute).remove(u" COLLATE NOCASE"_s));
        TestDatabases::run(care, u"insert into tbl_mitarbeiter select * from m_alt"_s);
        TestDatabases::run(care, u"drop table m_alt"_s);
        TestDatabases::run(care, u"create index idx_mitarbeiter_login on tbl_mitarbeiter (ma_prog_name)"_s);
        TestDatabases::run(care, u"create index idx_mitarbeiter_abt on tbl_mitarbeiter (ma_abt)"_s);
        TestDatabases::run(care, u"insert into tbl_mitarbeiter (ma_id, ma_prog_name, ma_name) values (5, 'müller', 'Müller'), (7, 'weg', 'Weg')"_s);
        TestDatabases::run(care, u"delete from tbl_mitarbeiter where ma_id = 7"_s);
        auto gefunden = [&care] {
            return TestDatabases::scalar(care, u"select count(*) from tbl_mitarbeiter where ma_prog_name = 'MÜLLER'"_s).toInt();
        };
        QCOMPARE(gefunden(), 0);
        const QVariant zeilen = TestDatabases::scalar(care, u"select group_concat(ma_id || ma_prog_name) from tbl_mitarbeiter"_s);

        for (int mal = 0; mal < 2; ++mal) {
            PflegedatenbankAktualisieren(care);
            QCOMPARE(gefunden(), 1);
            QCOMPARE(TestDatabases::scalar(care, u"select group_concat(ma_id || ma_prog_name) from tbl_mitarbeiter"_s), zeilen);
            QCOMPARE(TestDatabases::scalar(care, u"select seq from sqlite_sequence where name = 'tbl_mitarbeiter'"_s).toInt(), 7);
            QCOMPARE(TestDatabases::scalar(care, u"select group_concat(name) from sqlite_master where type = 'index' "
                                                 "and tbl_name = 'tbl_mitarbeiter' and sql is not null"_s).toString(),
                     u"idx_mitarbeiter_abt"_s);
            QCOMPARE(TestDatabases::scalar(care, u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
        }
        TestDatabases::run(care, u"insert into tbl_mitarbeiter (ma_name) values ('Neu')"_s);
        QCOMPARE(TestDatabases::scalar(care, u"select max(ma_id) from tbl_mitarbeiter"_s).toInt(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_Connection)
#include "tst_connection.moc"
