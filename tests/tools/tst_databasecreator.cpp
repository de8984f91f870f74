#include "dataset.h"
#include "dialect.h"
#include "exception.h"
#include "password.h"
#include "sqlscript.h"
#include "testdatabases.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every table and column the windows rely on, by database.
const QList<std::pair<QString, QStringList>> careTables = {
    {u"tbl_parameter"_s, {u"param_name"_s, u"param_wert_1"_s}},
    {u"tbl_abteilungen"_s, {u"abt_id"_s, u"abt_name"_s, u"abt_strasse"_s, u"abt_plz"_s, u"abt_ort"_s, u"abt_ansprechpartner"_s,
        u"abt_telefon_1"_s, u"abt_telefon_2"_s, u"abt_mobil_1"_s, u"abt_mobil_2"_s, u"abt_fax_1"_s, u"abt_fax_2"_s,
        u"abt_email_1"_s, u"abt_email_2"_s, u"abt_bemerkung"_s, u"abt_deaktiviert"_s, u"abt_deaktiviert_grund"_s,
        u"abt_geaendert_am"_s, u"abt_geaendert_von"_s, u"abt_erfasst_am"_s, u"abt_erfasst_von"_s}},
    {u"tbl_mitarbeiter"_s, {u"ma_id"_s, u"ma_abt"_s, u"ma_anrede"_s, u"ma_name"_s, u"ma_vorname"_s, u"ma_prog_name"_s,
        u"ma_kennwort"_s, u"ma_prog_berechtigung"_s, u"ma_hdz"_s, u"ma_geburtstag"_s, u"ma_strasse"_s, u"ma_plz"_s,
        u"ma_ort"_s, u"ma_telefon_1"_s, u"ma_telefon_2"_s, u"ma_mobil_1"_s, u"ma_mobil_2"_s, u"ma_fax_1"_s, u"ma_fax_2"_s,
        u"ma_email_1"_s, u"ma_email_2"_s, u"ma_bemerkung"_s, u"ma_geaendert_von"_s, u"ma_geaendert_am"_s,
        u"ma_erfasst_von"_s, u"ma_erfasst_am"_s}},
    {u"tbl_aerzte_stamm"_s, {u"arzt_stamm_id"_s, u"arzt_stamm_name"_s, u"arzt_stamm_vorname"_s, u"arzt_stamm_anrede"_s,
        u"arzt_stamm_titel"_s, u"arzt_stamm_fachrichtung"_s, u"arzt_stamm_strasse"_s, u"arzt_stamm_plz"_s,
        u"arzt_stamm_ort"_s, u"arzt_stamm_telefon_1"_s, u"arzt_stamm_telefon_2"_s, u"arzt_stamm_mobil_1"_s,
        u"arzt_stamm_mobil_2"_s, u"arzt_stamm_fax_1"_s, u"arzt_stamm_fax_2"_s, u"arzt_stamm_email_1"_s,
        u"arzt_stamm_email_2"_s, u"arzt_stamm_web"_s, u"arzt_stamm_geburtstag"_s, u"arzt_stamm_bemerkung"_s,
        u"arzt_stamm_best_per_email"_s, u"arzt_stamm_best_email"_s, u"arzt_stamm_deaktiviert"_s,
        u"arzt_stamm_deaktiviert_grund"_s, u"arzt_stamm_geaendert_von"_s, u"arzt_stamm_geaendert_am"_s,
        u"arzt_stamm_erfasst_von"_s, u"arzt_stamm_erfasst_am"_s}},
    {u"tbl_klienten_stamm"_s, {u"klient_id"_s, u"klient_abt"_s, u"klient_anrede"_s, u"klient_name"_s, u"klient_vorname"_s,
        u"klient_geburtstag"_s, u"klient_hausarzt"_s, u"klient_strasse"_s, u"klient_plz"_s, u"klient_ort"_s,
        u"klient_telefon_1"_s, u"klient_telefon_2"_s, u"klient_mobil_1"_s, u"klient_mobil_2"_s, u"klient_fax_1"_s,
        u"klient_fax_2"_s, u"klient_email_1"_s, u"klient_email_2"_s, u"klient_bemerkung"_s, u"klient_kk_name"_s,
        u"klient_kk_vers_nr"_s, u"klient_naechste_eval_ueberpruefung_am"_s, u"klient_deaktiviert"_s,
        u"klient_deaktiviert_grund"_s, u"klient_geaendert_am"_s, u"klient_geaendert_von"_s, u"klient_erfasst_am"_s,
        u"klient_erfasst_von"_s}},
    {u"tbl_klienten_probleme"_s, {u"klientprob_lfd_nr"_s, u"klientprob_klient_id"_s, u"klientprob_problem_id"_s,
        u"klientprob_aktivitaeten_gruppe"_s, u"klientprob_problem_pos"_s, u"klientprob_problem_bezeichnung"_s}},
    {u"tbl_klienten_ressourcen"_s, {u"klientres_lfd_nr"_s, u"klientres_klient_id"_s, u"klientres_ressource_id"_s,
        u"klientres_aktivitaeten_gruppe"_s, u"klientres_ressource_pos"_s, u"klientres_ressource_bezeichnung"_s}},
    {u"tbl_klienten_ziele"_s, {u"klientziele_lfd_nr"_s, u"klientziele_klient_id"_s, u"klientziele_ziel_id"_s,
        u"klientziele_aktivitaeten_gruppe"_s, u"klientziele_ziel_pos"_s, u"klientziele_ziel_bezeichnung"_s}},
    {u"tbl_klienten_massnahmen"_s, {u"klientmas_lfd_nr"_s, u"klientmas_klient_id"_s, u"klientmas_massnahme_id"_s,
        u"klientmas_aktivitaeten_gruppe"_s, u"klientmas_massnahme_pos"_s, u"klientmas_massnahme_bezeichnung"_s}},
    {u"tbl_klienten_evaluationen"_s, {u"klienteval_lfd_nr"_s, u"klienteval_klient_id"_s, u"klienteval_eval_id"_s,
        u"klienteval_aktivitaeten_gruppe"_s, u"klienteval_eval_pos"_s, u"klienteval_eval_bezeichnung"_s}},
    {u"tbl_standard_probleme"_s, {u"standardprob_lfd_nr"_s, u"standardprob_problem_id"_s}},
    {u"tbl_standard_ziele"_s, {u"standardziele_lfd_nr"_s, u"standardziele_problem_id"_s, u"standardziele_ziel_id"_s}},
    {u"tbl_standard_massnahmen"_s, {u"standardmas_lfd_nr"_s, u"standardmas_problem_id"_s, u"standardmas_massnahme_id"_s}},
};

const QList<std::pair<QString, QStringList>> catalogueTables = {
    {u"tbl_org_parameter"_s, {u"org_name"_s, u"org_strasse"_s, u"org_plz_ort"_s, u"org_telefon_1"_s, u"org_telefon_2"_s,
        u"org_fax_1"_s, u"org_fax_2"_s, u"org_email_1"_s, u"org_email_2"_s, u"org_web_1"_s, u"org_web_2"_s}},
    {u"tbl_aktivitaeten_gruppen"_s, {u"aktivitaet_id"_s, u"aktivitaet_bezeichnung"_s, u"aktivitaet_aedl_sortierung"_s,
        u"aktivitaet_atl_sortierung"_s, u"aktivitaet_gbd_sortierung"_s}},
    {u"tbl_kategorien"_s, {u"kategorie_id"_s, u"kategorie_sortierung"_s, u"kategorie_aktivitaeten_gruppen_id"_s,
        u"kategorie_bezeichnung"_s}},
    {u"tbl_probleme"_s, {u"prob_id"_s, u"prob_kategorie"_s, u"prob_bezeichnung"_s}},
    {u"tbl_ressourcen"_s, {u"res_id"_s, u"res_kategorie"_s, u"res_bezeichnung"_s}},
    {u"tbl_ziele"_s, {u"ziel_id"_s, u"ziel_kategorie"_s, u"ziel_bezeichnung"_s}},
    {u"tbl_massnahmen"_s, {u"mas_id"_s, u"mas_kategorie"_s, u"mas_bezeichnung"_s}},
    {u"tbl_evaluationen"_s, {u"eval_id"_s, u"eval_aktivitaet"_s, u"eval_bezeichnung"_s}},
};

QVariant scalar(DbConnection &connection, const QString &sql)
{
    return TestDatabases::scalar(connection, sql);
}

bool runs(DbConnection &connection, const QString &sql)
{
    try {
        TestDatabases::run(connection, sql);
    } catch (const Exception &) {
        return false;
    }
    return true;
}

QSet<qint64> keys(DbConnection &connection, const QString &sql)
{
    QSet<qint64> result;
    QSqlQuery q(connection.database());
    if (!q.exec(sql))
        QTest::qFail(qPrintable(q.lastError().text()), __FILE__, __LINE__);
    while (q.next())
        result.insert(q.value(0).toLongLong());
    return result;
}

// Every table of a database with its columns, its rows in key order and
// every value as text: two databases of one engine with equal dumps hold
// the same data.
QStringList dump(DbConnection &connection)
{
    QStringList lines;
    for (const QString &table : connection.tables()) {
        QSqlQuery q(connection.database());
        if (!q.exec(u"select * from %1 order by %2"_s.arg(table, connection.primaryKey(table)))) {
            lines << table + u": "_s + q.lastError().text();
            continue;
        }
        const QSqlRecord record = q.record();
        QStringList columns;
        for (int c = 0; c < record.count(); ++c)
            columns << record.fieldName(c);
        lines << table + u": "_s + columns.join(u", "_s);
        while (q.next()) {
            QStringList values;
            for (int c = 0; c < record.count(); ++c)
                values << (q.value(c).isNull() ? u"NULL"_s : q.value(c).toString());
            lines << values.join(u" | "_s);
        }
    }
    return lines;
}

QStringList dumpPair(const QString &care)
{
    DbConnection connection;
    connection.open(care);
    QStringList lines = dump(connection);
    connection.open(Dialect::catalogueLocation(care));
    return lines + dump(connection);
}

// The highest key each table of a pair has given out.
QHash<QString, qint64> keyCounters(const QString &care)
{
    QHash<QString, qint64> counters;
    DbConnection connection;
    for (const QString &location : {care, Dialect::catalogueLocation(care)}) {
        connection.open(location);
        for (const QString &table : connection.tables())
            counters.insert(table, connection.keyCounter(table));
    }
    return counters;
}

// The tables of a pair where a new row does not get a key past the highest
// one given out before.
QStringList keysNotFollowing(const QString &care, const QHash<QString, qint64> &highest)
{
    QStringList failures;
    DbConnection connection;
    for (const QString &location : {care, Dialect::catalogueLocation(care)}) {
        connection.open(location);
        for (const QString &table : connection.tables()) {
            TestDatabases::run(connection, u"insert into %1 default values"_s.arg(table));
            const qint64 key = scalar(connection, u"select max(%1) from %2"_s.arg(connection.primaryKey(table), table)).toLongLong();
            if (key <= highest.value(table, -1))
                failures << u"%1: %2 <= %3"_s.arg(table).arg(key).arg(highest.value(table, -1));
        }
    }
    return failures;
}

struct ToolRun
{
    int exitCode = -1;
    QString errors;
};

// vandrel-db as a care home's administrator runs it.
ToolRun runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QString::fromUtf8(VANDREL_DB_TOOL), arguments);
    if (!tool.waitForFinished(300000) || tool.exitStatus() != QProcess::NormalExit)
        return {-1, QString::fromUtf8(tool.readAllStandardError())};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

// Drops a pair that vandrel-db made on the test server: the named care
// database and the one derived catalogue.
void dropServerPair(const QString &care)
{
    for (const QString &name : {care, u"vandrelorg"_s})
        TestDatabases::serverCommand(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(name));
}

} // namespace

class tst_DatabaseCreator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void create_writesEveryTableAndColumn()
    {
        TestDatabases db;
        for (const auto &[connection, tables] : {std::pair{db.care.get(), careTables}, std::pair{db.catalogue.get(), catalogueTables}}) {
            for (const auto &[table, columns] : tables) {
                QVERIFY2(connection->hasTable(table), qPrintable(table));
                Dataset ds(connection);
                ds.setSql(u"select * from %1"_s.arg(table));
                ds.open();
                for (const QString &column : columns)
                    QVERIFY2(ds.fieldPosition(column) >= 0, qPrintable(table + u"."_s + column));
            }
        }
        QCOMPARE(db.care->columnType(u"klient_geburtstag"_s), ColumnType::DateTime);
        QCOMPARE(db.care->columnType(u"abt_deaktiviert"_s), ColumnType::Boolean);
        QCOMPARE(db.care->primaryKey(u"tbl_klienten_ziele"_s), u"klientziele_lfd_nr"_s);
        QCOMPARE(db.catalogue->primaryKey(u"tbl_probleme"_s), u"prob_id"_s);
    }

    void create_writesStartingRows()
    {
        TestDatabases db;
        QSqlQuery q(db.care->database());
        QVERIFY(q.exec(u"select param_name, param_wert_1 from tbl_parameter order by param_name"_s));
        QStringList params;
        while (q.next())
            params << q.value(0).toString() + u"="_s + q.value(1).toString();
        QCOMPARE(params, QStringList({u"AbteilungenAnzeigen=ja"_s, u"AktivitaetTyp=AEDL"_s, u"PlatzHalterErsetzenMit=$NAME"_s}));
        QCOMPARE(scalar(*db.care, u"select count(*) from tbl_mitarbeiter"_s).toInt(), 1);
        const QString stored = scalar(*db.care, u"select ma_kennwort from tbl_mitarbeiter where ma_prog_name = 'admin'"_s).toString();
        QVERIFY(isPasswordHash(stored));
        QVERIFY(passwordMatches(QString::fromLatin1(DatabaseCreator::initialPassword), stored));
        QCOMPARE(scalar(*db.care, u"select count(*) from tbl_klienten_stamm"_s).toInt(), 0);
        QCOMPARE(scalar(*db.catalogue, u"select count(*) from tbl_org_parameter"_s).toInt(), 1);
    }

    // The starter catalogue serves each care model with groups in contiguous
    // order, and every group and category can be planned with.
    void create_installsUsableCatalogue_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("groups");
        QTest::newRow("AEDL") << u"aktivitaet_aedl_sortierung"_s << 13;
        QTest::newRow("ATL") << u"aktivitaet_atl_sortierung"_s << 12;
        QTest::newRow("GBD") << u"aktivitaet_gbd_sortierung"_s << 14;
    }

    void create_installsUsableCatalogue()
    {
        QFETCH(QString, column);
        QFETCH(int, groups);
        TestDatabases db;
        DbConnection &org = *db.catalogue;
        QCOMPARE(scalar(org, u"select count(*) from tbl_aktivitaeten_gruppen where %1 <> 0"_s.arg(column)).toInt(), groups);
        QCOMPARE(scalar(org, u"select count(distinct %1) || '/' || min(%1) || '/' || max(%1) from tbl_aktivitaeten_gruppen where %1 <> 0"_s.arg(column)).toString(),
                 u"%1/1/%1"_s.arg(groups));
        QCOMPARE(scalar(org, u"select count(*) from tbl_aktivitaeten_gruppen g where %1 <> 0 and "
                             "(select count(*) from tbl_kategorien where kategorie_aktivitaeten_gruppen_id = g.aktivitaet_id) < 2"_s.arg(column)).toInt(), 0);
        QCOMPARE(scalar(org, u"select count(*) from tbl_aktivitaeten_gruppen g where %1 <> 0 and "
                             "(select count(*) from tbl_evaluationen where eval_aktivitaet = g.aktivitaet_id) < 2"_s.arg(column)).toInt(), 0);
        for (const QString &kind : {u"prob"_s, u"res"_s, u"ziel"_s, u"mas"_s}) {
            const QString table = kind == u"prob" ? u"tbl_probleme"_s : kind == u"res" ? u"tbl_ressourcen"_s
                                : kind == u"ziel" ? u"tbl_ziele"_s : u"tbl_massnahmen"_s;
            QCOMPARE(scalar(org, u"select count(*) from tbl_kategorien k where "
                                 "(select count(*) from %1 where %2_kategorie = k.kategorie_id) < 3"_s.arg(table, kind)).toInt(), 0);
        }
        QVERIFY(scalar(org, u"select count(*) from tbl_probleme where prob_bezeichnung like '%$%'"_s).toInt() > 50);
    }

    void create_standardsPointAtCatalogueRows()
    {
        TestDatabases db;
        // The two databases meet only in the program, so their keys are compared here.
        const QSet<qint64> problems = keys(*db.catalogue, u"select prob_id from tbl_probleme"_s);
        QVERIFY(scalar(*db.care, u"select count(*) from tbl_standard_probleme"_s).toInt() > 50);
        QVERIFY(problems.contains(keys(*db.care, u"select standardprob_problem_id from tbl_standard_probleme"_s)));
        QVERIFY(problems.contains(keys(*db.care, u"select standardziele_problem_id from tbl_standard_ziele"_s)));
        QVERIFY(problems.contains(keys(*db.care, u"select standardmas_problem_id from tbl_standard_massnahmen"_s)));
        QVERIFY(keys(*db.catalogue, u"select ziel_id from tbl_ziele"_s)
                    .contains(keys(*db.care, u"select standardziele_ziel_id from tbl_standard_ziele"_s)));
        QVERIFY(keys(*db.catalogue, u"select mas_id from tbl_massnahmen"_s)
                    .contains(keys(*db.care, u"select standardmas_massnahme_id from tbl_standard_massnahmen"_s)));
    }

    void uniqueKeys_refuseDuplicatesOnly_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("accepted");
        const QString prob = u"insert into tbl_klienten_probleme (klientprob_klient_id, klientprob_aktivitaeten_gruppe, klientprob_problem_id) values (%1)"_s;
        QTest::newRow("problem twice") << prob.arg(u"1, 2, 3"_s) << prob.arg(u"1, 2, 3"_s) << false;
        QTest::newRow("problem, other client") << prob.arg(u"1, 2, 3"_s) << prob.arg(u"4, 2, 3"_s) << true;
        QTest::newRow("problem, other group") << prob.arg(u"1, 2, 3"_s) << prob.arg(u"1, 5, 3"_s) << true;
        for (const auto &[table, prefix, column] : {std::tuple{u"tbl_klienten_ressourcen"_s, u"klientres"_s, u"ressource_id"_s},
                                                     std::tuple{u"tbl_klienten_ziele"_s, u"klientziele"_s, u"ziel_id"_s},
                                                     std::tuple{u"tbl_klienten_massnahmen"_s, u"klientmas"_s, u"massnahme_id"_s},
                                                     std::tuple{u"tbl_klienten_evaluationen"_s, u"klienteval"_s, u"eval_id"_s}}) {
            const QString sql = u"insert into %1 (%2_klient_id, %2_aktivitaeten_gruppe, %2_%3) values (%4)"_s.arg(table, prefix, column);
            QTest::newRow(qPrintable(table + u" twice"_s)) << sql.arg(u"1, 2, 3"_s) << sql.arg(u"1, 2, 3"_s) << false;
            QTest::newRow(qPrintable(table + u", other group"_s)) << sql.arg(u"1, 2, 3"_s) << sql.arg(u"1, 6, 3"_s) << true;
            QTest::newRow(qPrintable(table + u", other client"_s)) << sql.arg(u"1, 2, 3"_s) << sql.arg(u"7, 2, 3"_s) << true;
        }
        const QString sp = u"insert into tbl_standard_probleme (standardprob_problem_id) values (%1)"_s;
        QTest::newRow("standard problem twice") << sp.arg(9) << sp.arg(9) << false;
        const QString sz = u"insert into tbl_standard_ziele (standardziele_problem_id, standardziele_ziel_id) values (%1)"_s;
        QTest::newRow("standard goal twice") << sz.arg(u"9, 1"_s) << sz.arg(u"9, 1"_s) << false;
        QTest::newRow("standard goal, other problem") << sz.arg(u"9, 1"_s) << sz.arg(u"8, 1"_s) << true;
        const QString sm = u"insert into tbl_standard_massnahmen (standardmas_problem_id, standardmas_massnahme_id) values (%1)"_s;
        QTest::newRow("standard measure twice") << sm.arg(u"9, 1"_s) << sm.arg(u"9, 1"_s) << false;
        QTest::newRow("standard measure, other measure") << sm.arg(u"9, 1"_s) << sm.arg(u"9, 2"_s) << true;
    }

    void uniqueKeys_refuseDuplicatesOnly()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, accepted);
        TestDatabases db;
        TestDatabases::run(*db.care, u"delete from tbl_standard_probleme"_s);
        TestDatabases::run(*db.care, u"delete from tbl_standard_ziele"_s);
        TestDatabases::run(*db.care, u"delete from tbl_standard_massnahmen"_s);
        QVERIFY(runs(*db.care, first));
        QCOMPARE(runs(*db.care, second), accepted);
    }

    void create_demoAddsMasterDataAndPlan()
    {
        TestDatabases db(true);
        QCOMPARE(scalar(*db.care, u"select count(*) from tbl_klienten_stamm"_s).toInt(), 20);
        QVERIFY(scalar(*db.care, u"select count(*) from tbl_abteilungen"_s).toInt() >= 3);
        QVERIFY(scalar(*db.care, u"select count(*) from tbl_aerzte_stamm"_s).toInt() >= 3);
        QVERIFY(scalar(*db.care, u"select count(*) from tbl_klienten_probleme where klientprob_klient_id = 1"_s).toInt() > 0);
        QCOMPARE(scalar(*db.care, u"select count(*) from tbl_klienten_probleme where klientprob_problem_bezeichnung like '%$%'"_s).toInt(), 0);
        QSqlQuery q(db.care->database());
        QVERIFY(q.exec(u"select ma_kennwort from tbl_mitarbeiter"_s));
        int employees = 0;
        while (q.next()) {
            QVERIFY(isPasswordHash(q.value(0).toString()));
            ++employees;
        }
        QVERIFY(employees > 1);
    }

    // On the server the tool names the catalogue "vandrelorg" itself.
    void tool_refusesToOverwriteExistingFiles()
    {
        QTemporaryDir dir;
        const QString serverName = u"neu_%1"_s.arg(QCoreApplication::applicationPid());
        const QString location = TestBackends::onServer() ? TestBackends::serverAddress(serverName) : dir.path();
        if (TestBackends::onServer())
            dropServerPair(serverName);
        const auto dropCreated = qScopeGuard([&] {
            if (TestBackends::onServer())
                dropServerPair(serverName);
        });
        QProcess tool;
        tool.start(QString::fromUtf8(VANDREL_DB_TOOL), {u"create"_s, location});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QString care = DatabaseCreator::careLocation(location);
        const QStringList rows = dumpPair(care);
        // A file stays as it was to the byte.
        const auto fileBytes = [&] {
            QFile f(dir.filePath(u"vandrel.accdb"_s));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = fileBytes();
        tool.start(QString::fromUtf8(VANDREL_DB_TOOL), {u"create"_s, location, u"--demo"_s});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(u"wird nicht überschrieben"_s));
        QCOMPARE(fileBytes(), before);
        QCOMPARE(dumpPair(care), rows);

        tool.start(QString::fromUtf8(VANDREL_DB_TOOL), {u"anlegen"_s});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
    }

    // The demo organisation goes to the other engine and back and arrives
    // as it was: every row, key and text. New rows get keys past the highest
    // one given out, on the way and back.
    void copy_toOtherEngineAndBackKeepsEveryRow()
    {
        const bool server = TestBackends::onServer();
        const QString serverName = u"kopie_%1"_s.arg(QCoreApplication::applicationPid());
        const QString address = TestBackends::serverAddress(serverName);
        dropServerPair(serverName);
        const auto dropCopy = qScopeGuard([&] { dropServerPair(serverName); });
        auto origin = std::make_unique<TestDatabases>(true, TestBackends::current(), TestDatabases::Catalogue::AsDerived);
        const QStringList before = dump(*origin->care) + dump(*origin->catalogue);
        const QHash<QString, qint64> highest = keyCounters(origin->carePath());

        QTemporaryDir dir;
        const QString file = dir.filePath(u"vandrel.accdb"_s);
        const QString there = server ? file : address;
        ToolRun run = runTool({u"copy"_s, origin->carePath(), there});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QString back = dir.filePath(u"zurueck/vandrel.accdb"_s);
        if (server) {
            // The server has one derived catalogue: the way back needs it.
            origin.reset();
            back = address;
        } else {
            QVERIFY(QDir(dir.path()).mkdir(u"zurueck"_s));
        }
        run = runTool({u"copy"_s, there, back});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

        const QStringList after = dumpPair(back);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after, before);
        QCOMPARE(keysNotFollowing(there, highest), QStringList());
        QCOMPARE(keysNotFollowing(back, highest), QStringList());
    }

    // A target that holds data (a file that exists, a server database with
    // tables) is refused and stays as it was.
    void copy_refusesTargetThatHoldsData()
    {
        TestDatabases source(true, TestBackends::sqlite);
        TestDatabases target;
        TestDatabases::run(*target.care, u"insert into tbl_abteilungen (abt_name) values ('Bleibt')"_s);
        const QStringList before = dump(*target.care) + dump(*target.catalogue);
        const ToolRun run = runTool({u"copy"_s, source.carePath(), target.carePath()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(u"wird nicht überschrieben"_s), qPrintable(run.errors));
        QCOMPARE(dump(*target.care) + dump(*target.catalogue), before);
    }

    void splitSqlScript_keepsLiteralsWhole()
    {
        const QStringList statements = splitSqlScript(
            u"-- Kommentar; mit Semikolon\ninsert into t values ('a;b', 'It''s -- kein Kommentar');\n\n"
            "insert into t values (1);  \n-- Ende"_s);
        QCOMPARE(statements, QStringList({u"insert into t values ('a;b', 'It''s -- kein Kommentar')"_s,
                                          u"insert into t values (1)"_s}));
    }
};

QTEST_GUILESS_MAIN(tst_DatabaseCreator)
#include "tst_databasecreator.moc"
