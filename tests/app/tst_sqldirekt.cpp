#include "Sqldirektfrm.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "testdatabases.h"
#include "transaction.h"
#include "vandrelapplication.h"
#include "windowrule.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// Also notes whether the run button was still disabled when a message came.
class RunMessages : public RecordingMessages
{
public:
    explicit RunMessages(const QPushButton *button) : m_button(button) {}
    void show(QWidget *parent, Kind kind, const QString &title, const QString &text) override
    {
        RecordingMessages::show(parent, kind, title, text);
        buttonEnabled << m_button->isEnabled();
    }
    QList<bool> buttonEnabled;

private:
    const QPushButton *m_button;
};

// Every table and column of a database, to tell whether a script changed it;
// a column as "name type(length)" on both engines.
QString schema(DbConnection &connection)
{
    if (connection.engine() == Dialect::Engine::PostgreSQL)
        return TestDatabases::scalar(connection,
                                     u"select string_agg(table_name || ' ' || column_name || ' ' || udt_name || "
                                     "coalesce('(' || character_maximum_length || ')', ''), chr(10) "
                                     "order by table_name, ordinal_position) "
                                     "from information_schema.columns where table_schema = current_schema()"_s)
            .toString();
    return TestDatabases::scalar(connection, u"select group_concat(sql, char(10)) from "
                                              "(select sql from sqlite_master order by type, name)"_s)
        .toString();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

const QString twoStatementsRefused =
    u"Der SQL-Text enthält mehr als einen Befehl. Die Datenbank führt nur einen Befehl auf einmal aus; es "
    "wurde nichts ausgeführt.\n\nBitte die Befehle einzeln ausführen."_s;

} // namespace

class tst_SqlDirekt : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> dbs;
    std::unique_ptr<ScriptedDialogs> dialogs;

    TSqlDirektForm *open(int screenHeight = WindowRule::designHeight)
    {
        return WindowRule::open(SqlDirektForm, [this] {
            return new TSqlDirektForm(dbs->care.get(), dbs->catalogue.get());
        }, WindowRule::Kind::TopLevel, screenHeight);
    }

    // Loads the script through the window's open dialog.
    void load(TSqlDirektForm *form, const QString &path)
    {
        dialogs->files << path;
        QTest::mouseClick(form->DateiOeffnenBtn, Qt::LeftButton);
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        dbs = std::make_unique<TestDatabases>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }

    // The window goes before the connections it uses.
    void cleanup()
    {
        if (SqlDirektForm)
            SqlDirektForm->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(SqlDirektForm, nullptr);
        dialogs.reset();
        dbs.reset();
    }

    void window_isCentredFixedAndScaled()
    {
        TSqlDirektForm *form = open(512);
        QCOMPARE(form->windowTitle(), u"Morvane Vandrel - SQL Direkt-Formular"_s);
        QVERIFY(form->isWindow());
        QVERIFY(!form->isModal());
        QCOMPARE(form->size(), QSize(500, 425));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->frameGeometry().center(), form->screen()->availableGeometry().center());
        QCOMPARE(form->AuswahlGroup->title(), u" SQL-Befehl / Skript für "_s);
        QCOMPARE(form->AuswahlIndex(), 0);
        QVERIFY(!form->SqlMemo->isEnabled());
        QCOMPARE(open(), form);
    }

    void run_changesOnlyTheChosenDatabaseAndOnlyOnSuccess_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<QString>("skript");
        QTest::addColumn<QString>("meldung");
        // The engine's own words where they differ on the server.
        QTest::addColumn<QString>("serverMeldung");
        QTest::addColumn<QString>("spur");

        const QString ok = u"Skript erfolgreich ausgeführt."_s;
        QTest::newRow("empty memo") << 0 << QString() << u"Der SQL-Befehl ist leer."_s << QString() << QString();
        QTest::newRow("two statements fail as a whole")
            << 0 << u"create table tbl_sql_a (a_id integer);\ncreate table tbl_sql_b (b_id integer);\n"_s
            << twoStatementsRefused << QString() << QString();
        QTest::newRow("two statements in the catalogue")
            << 1 << u"create table tbl_sql_a (a_id integer); drop table tbl_probleme"_s << twoStatementsRefused
            << QString() << QString();
        QTest::newRow("second statement after a comment")
            << 0 << u"create table tbl_sql_a (a_id integer); /* dann */ drop table tbl_abteilungen"_s
            << twoStatementsRefused << QString() << QString();
        QTest::newRow("syntax error") << 0 << u"alter tabel tbl_abteilungen add column abt_x text"_s
                                      << u"near \"tabel\": syntax error"_s
                                      << u"ERROR:  syntax error at or near \"tabel\"\nLINE 1: alter tabel "
                                         "tbl_abteilungen add column abt_x text\n              ^\n(42601)"_s
                                      << QString();
        QTest::newRow("missing table") << 0 << u"alter table tbl_fehlt add column x text"_s
                                       << u"no such table: tbl_fehlt"_s
                                       << u"ERROR:  relation \"tbl_fehlt\" does not exist\n(42P01)"_s << QString();
        QTest::newRow("alter table") << 0 << u"alter table tbl_abteilungen\n  add column abt_zusatz varchar(255);\n"_s
                                     << ok << QString() << u"abt_zusatz varchar(255)"_s;
        QTest::newRow("semicolon in a text separates nothing")
            << 0 << u"alter table tbl_abteilungen add column abt_trenner varchar(20) default 'a;b'"_s << ok
            << QString() << u"abt_trenner varchar(20)"_s;
        QTest::newRow("create table, comment after it")
            << 0 << u"create table tbl_sql_probe (probe_id integer primary key);\n-- Ende\n"_s << ok << QString()
            << u"tbl_sql_probe"_s;
        QTest::newRow("catalogue") << 1 << u"create table tbl_org_probe (probe_id integer primary key)"_s << ok
                                   << QString() << u"tbl_org_probe"_s;
    }

    void run_changesOnlyTheChosenDatabaseAndOnlyOnSuccess()
    {
        QFETCH(int, auswahl);
        QFETCH(QString, skript);
        QFETCH(QString, meldung);
        QFETCH(QString, serverMeldung);
        QFETCH(QString, spur);
        if (TestBackends::onServer() && !serverMeldung.isEmpty())
            meldung = serverMeldung;

        TSqlDirektForm *form = open();
        RunMessages messages(form->AusfuehrenBtn);
        if (!skript.isEmpty()) {
            const QString path = dbs->dir.filePath(u"skript.sql"_s);
            writeFile(path, skript.toUtf8());
            load(form, path);
        }
        QRadioButton *entry = form->AuswahlGroup->findChildren<QRadioButton *>().value(auswahl);
        QTest::mouseClick(entry, Qt::LeftButton, {}, QPoint(entry->height() / 2, entry->height() / 2));
        QCOMPARE(form->AuswahlIndex(), auswahl);
        const QString careBefore = schema(*dbs->care);
        const QString catalogueBefore = schema(*dbs->catalogue);

        QTest::mouseClick(form->AusfuehrenBtn, Qt::LeftButton);

        QCOMPARE(messages.texts, QStringList{meldung});
        QCOMPARE(messages.buttonEnabled, QList<bool>{false});
        QVERIFY(form->AusfuehrenBtn->isEnabled());
        QCOMPARE(form->SqlMemo->toPlainText(), skript.chopped(skript.endsWith(u'\n') ? 1 : 0));
        const bool success = !spur.isEmpty();
        QCOMPARE(messages.kinds.value(0),
                 success ? MessageHandler::Kind::Information : MessageHandler::Kind::Error);
        DbConnection &chosen = auswahl == 1 ? *dbs->catalogue : *dbs->care;
        DbConnection &other = auswahl == 1 ? *dbs->care : *dbs->catalogue;
        const QString &chosenBefore = auswahl == 1 ? catalogueBefore : careBefore;
        const QString &otherBefore = auswahl == 1 ? careBefore : catalogueBefore;
        QCOMPARE(schema(other), otherBefore);
        if (success)
            QVERIFY2(schema(chosen).contains(spur), qPrintable(schema(chosen)));
        else
            QCOMPARE(schema(chosen), chosenBefore);
    }

    // A failed run is rolled back whole and ends its transaction: another
    // workstation can write at once, and the next run is committed.
    void run_failureRollsBackAndTheNextRunCommits()
    {
        TSqlDirektForm *form = open();
        RecordingMessages messages;
        const QString path = dbs->dir.filePath(u"skript.sql"_s);
        auto ausfuehren = [&](const QByteArray &skript) {
            writeFile(path, skript);
            load(form, path);
            QTest::mouseClick(form->AusfuehrenBtn, Qt::LeftButton);
        };
        DbConnection andere;
        andere.open(dbs->carePath());
        auto anzahl = [&](int abt_id) {
            return TestDatabases::scalar(andere, u"select count(*) from tbl_abteilungen where abt_id = %1"_s.arg(abt_id))
                .toInt();
        };

        ausfuehren("insert into tbl_abteilungen (abt_id, abt_name) values (7, 'Nachtdienst'), (7, 'Doppelt')");
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        QCOMPARE(anzahl(7), 0);
        {
            Transaction schreiben(andere);
            TestDatabases::run(andere, u"insert into tbl_abteilungen (abt_id, abt_name) values (8, 'Tagdienst')"_s);
            schreiben.commit();
        }
        ausfuehren("insert into tbl_abteilungen (abt_id, abt_name) values (9, 'Frühdienst')");
        QCOMPARE(messages.kinds,
                 (QList<MessageHandler::Kind>{MessageHandler::Kind::Error, MessageHandler::Kind::Information}));
        QCOMPARE(anzahl(8), 1);
        QCOMPARE(anzahl(9), 1);
    }

    // Scripts from Windows editors, with or without a byte-order mark, read
    // as written; saving writes UTF-8 and shows only the file's own name.
    void scriptFile_readsEncodingsAndSavesUtf8_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("text");

        const QString text = u"-- Größe für Bewohnerzimmer\nalter table tbl_abteilungen add column abt_größe text;"_s;
        QTest::newRow("UTF-8") << (text + u'\n').toUtf8() << text;
        QTest::newRow("UTF-8 with byte-order mark") << "\xEF\xBB\xBF" + (text + u'\n').toUtf8() << text;
        QTest::newRow("Windows-1252, Windows line ends")
            << QByteArray("-- \x80 Gr\xF6\xDF" "e\r\nalter table x add column \xC4nderung text;\r\n")
            << u"-- € Größe\nalter table x add column Änderung text;"_s;
        QTest::newRow("no line end after the last line") << text.toUtf8() << text;
    }

    void scriptFile_readsEncodingsAndSavesUtf8()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, text);

        QVERIFY(QDir(dbs->dir.path()).mkdir(u"Skripte Süd"_s));
        const QString loaded = dbs->dir.filePath(u"Skripte Süd/änderung.sql"_s);
        const QString saved = dbs->dir.filePath(u"Skripte Süd/kopie.sql"_s);
        writeFile(loaded, datei);
        TSqlDirektForm *form = open();

        load(form, loaded);
        QCOMPARE(form->SqlMemo->toPlainText(), text);
        QCOMPARE(form->Statuszeile->currentMessage(), u"änderung.sql"_s);

        dialogs->files << saved;
        QTest::mouseClick(form->DateiSpeicherBtn, Qt::LeftButton);
        QCOMPARE(readFile(saved), (text + u'\n').toUtf8());
        QCOMPARE(form->Statuszeile->currentMessage(), u"kopie.sql"_s);
        QCOMPARE(dialogs->fileRequests,
                 QStringList({u"||SQL-Skripte (*.sql)|sql"_s, u"|SQL-Skripte (*.sql)|sql"_s}));

        QTest::mouseClick(form->LeerenBtn, Qt::LeftButton);
        QCOMPARE(form->SqlMemo->toPlainText(), QString());
        QCOMPARE(form->Statuszeile->currentMessage(), QString());
    }

    // The failure goes to the program's error display; the window keeps its script.
    void scriptFile_failureIsReportedAndKeepsScript_data()
    {
        QTest::addColumn<bool>("speichern");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("load a missing file") << false << u"fehlt.sql"_s << u"kann nicht gelesen werden:"_s;
        QTest::newRow("save into a missing folder") << true << u"fehlt/kopie.sql"_s
                                                    << u"kann nicht geschrieben werden:"_s;
    }

    void scriptFile_failureIsReportedAndKeepsScript()
    {
        QFETCH(bool, speichern);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        TSqlDirektForm *form = open();
        const QString path = dbs->dir.filePath(u"skript.sql"_s);
        writeFile(path, "select 1");
        load(form, path);
        RecordingMessages messages;

        const QString target = dbs->dir.filePath(datei);
        dialogs->files << target;
        QTest::mouseClick(speichern ? form->DateiSpeicherBtn : form->DateiOeffnenBtn, Qt::LeftButton);

        QCOMPARE(messages.texts.value(0).section(u'\n', 0, 0), u"Die Datei \"%1\" %2"_s.arg(target, meldung));
        QCOMPARE(form->SqlMemo->toPlainText(), u"select 1"_s);
        QCOMPARE(form->Statuszeile->currentMessage(), u"skript.sql"_s);
    }

    void scriptFile_cancelledDialogsChangeNothing()
    {
        TSqlDirektForm *form = open();
        const QString path = dbs->dir.filePath(u"skript.sql"_s);
        writeFile(path, "select 1\n");
        load(form, path);

        QTest::mouseClick(form->DateiOeffnenBtn, Qt::LeftButton);
        QTest::mouseClick(form->DateiSpeicherBtn, Qt::LeftButton);

        QCOMPARE(form->SqlMemo->toPlainText(), u"select 1"_s);
        QCOMPARE(form->Statuszeile->currentMessage(), u"skript.sql"_s);
        QCOMPARE(QDir(dbs->dir.path()).entryList({u"*.sql"_s}), QStringList{u"skript.sql"_s});
    }
};

int main(int argc, char *argv[])
{
    // The program's application object shows what escapes a handler.
    VandrelApplication app(argc, argv);
    tst_SqlDirekt test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sqldirekt.moc"
