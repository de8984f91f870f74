#include "testdatabases.h"

#include <QProcess>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

class tst_Concurrency : public QObject
{
    Q_OBJECT

private slots:
    void twoCopiesWritingAtOnce_loseNoRow()
    {
        TestDatabases db;
        constexpr int perWriter = 1000;
        QList<QProcess *> writers;
        for (const QString &name : {u"A"_s, u"B"_s, u"C"_s}) {
            auto *p = new QProcess(this);
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QString::fromUtf8(VANDREL_WRITER), {db.carePath(), name, QString::number(perWriter)});
            writers << p;
        }
        for (QProcess *p : std::as_const(writers)) {
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
};

QTEST_GUILESS_MAIN(tst_Concurrency)
#include "tst_concurrency.moc"
