#include "testdatabases.h"

#include <QProcess>
#include <QSqlQuery>

#include <memory>

using namespace Qt::StringLiterals;

class tst_Concurrency : public QObject
{
    Q_OBJECT

private:
    QList<QProcess *> startWriters(const TestDatabases &db, const QStringList &names, int count, const QString &mode = {})
    {
        QList<QProcess *> writers;
        for (const QString &name : names) {
            auto *p = new QProcess(this);
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QStringList arguments{db.carePath(), name, QString::number(count)};
            if (!mode.isEmpty())
                arguments << mode;
            p->start(QString::fromUtf8(VANDREL_WRITER), arguments);
            writers << p;
        }
        return writers;
    }

    static int count(const TestDatabases &db, const QString &sql)
    {
        return TestDatabases::scalar(*db.care, sql).toInt();
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void twoCopiesWritingAtOnce_loseNoRow()
    {
        TestDatabases db;
        constexpr int perWriter = 1000;
        const QList<QProcess *> writers = startWriters(db, {u"A"_s, u"B"_s, u"C"_s}, perWriter);
        for (QProcess *p : writers) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        QSqlQuery q(db.care->database());
        QVERIFY(q.exec(u"select count(*), count(distinct klient_name), count(distinct klient_id) from tbl_klienten_stamm"_s));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 3 * perWriter);
        QCOMPARE(q.value(1).toInt(), 3 * perWriter);
        QCOMPARE(q.value(2).toInt(), 3 * perWriter);
    }

    // Ten workstations add problems to the same clients' lists at once: each
    // takes the next position in its transaction, so no position is given
    // twice and no row is lost.
    void manyCopiesAddingProblems_keepPositionsApart()
    {
        TestDatabases db;
        constexpr int writerCount = 10;
        constexpr int perWriter = 1000;
        QStringList numbers;
        for (int n = 1; n <= writerCount; ++n)
            numbers << QString::number(n);
        const QList<QProcess *> writers = startWriters(db, numbers, perWriter, u"plan"_s);
        for (QProcess *p : writers) {
            QVERIFY(p->waitForFinished(240000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(count(db, u"select count(*) from tbl_klienten_probleme"_s), writerCount * perWriter);
        QCOMPARE(count(db, u"select count(distinct klientprob_problem_id) from tbl_klienten_probleme"_s), writerCount * perWriter);
        // Every list holds the positions 1 to its length, each once.
        QCOMPARE(count(db, u"select count(*) from (select klientprob_klient_id from tbl_klienten_probleme "
                           "group by klientprob_klient_id, klientprob_aktivitaeten_gruppe "
                           "having count(distinct klientprob_problem_pos) <> count(*) or min(klientprob_problem_pos) <> 1 "
                           "or max(klientprob_problem_pos) <> count(*)) listen"_s), 0);
    }

    // A workstation that dies while it adds problems with their standard
    // goals and measures leaves every problem complete or not there at all.
    void killedCopy_leavesNoHalfAddedProblem()
    {
        TestDatabases db;
        constexpr int planned = 100000;
        const QList<QProcess *> writers = startWriters(db, {u"1"_s}, planned, u"standards"_s);
        QProcess *writer = writers.first();
        // Killed once it has added a number of problems, at any point of the next.
        int added = 0;
        while (added < 150 && writer->state() != QProcess::NotRunning) {
            if (!writer->canReadLine() && !writer->waitForReadyRead(30000))
                break;
            while (writer->canReadLine())
                added = writer->readLine().trimmed().toInt();
        }
        QVERIFY2(added >= 150, "the writer added too few problems before it was to be killed");
        writer->kill();
        QVERIFY(writer->waitForFinished(30000));
        QCOMPARE(writer->exitStatus(), QProcess::CrashExit);

        const int problems = count(db, u"select count(*) from tbl_klienten_probleme"_s);
        QVERIFY(problems >= added);
        QVERIFY(problems < planned);
        QVERIFY(count(db, u"select count(*) from tbl_klienten_ziele"_s) > problems);
        for (const auto &[table, prefix, standards, standardPrefix] :
             {std::tuple{u"tbl_klienten_ziele"_s, u"klientziele"_s, u"tbl_standard_ziele"_s, u"standardziele"_s},
              std::tuple{u"tbl_klienten_massnahmen"_s, u"klientmas"_s, u"tbl_standard_massnahmen"_s, u"standardmas"_s}}) {
            const QString sameList = u"e.%1_klient_id = p.klientprob_klient_id and e.%1_aktivitaeten_gruppe = "
                                     "p.klientprob_aktivitaeten_gruppe"_s.arg(prefix);
            // Each problem with all of its standards ...
            QCOMPARE(count(db, u"select count(*) from tbl_klienten_probleme p where (select count(*) from %1 e where %2) "
                               "<> (select count(*) from %3 s where s.%4_problem_id = p.klientprob_problem_id)"_s
                                   .arg(table, sameList, standards, standardPrefix)),
                     0);
            // ... and no standard without its problem.
            QCOMPARE(count(db, u"select count(*) from %1 e where not exists (select 1 from tbl_klienten_probleme p where %2)"_s
                                   .arg(table, sameList)),
                     0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_Concurrency)
#include "tst_concurrency.moc"
