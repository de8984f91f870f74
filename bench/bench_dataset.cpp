// Opens a client list of many rows the way the care-planning window does and
// compares it with reading the same rows through QtSql alone: time and memory.
// Run: build/bench/bench_dataset [ROWS] [--server postgresql://USER@HOST:PORT/DB]
#include "benchsupport.h"
#include "databasecreator.h"
#include "dataset.h"
#include "dbconnection.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

qint64 residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(char(32)).value(0).toLongLong();
    return 0;
}

void fill(DbConnection &care, int rows)
{
    Transaction transaction(care);
    QSqlQuery insert(care.database());
    insert.prepare(u"insert into tbl_klienten_stamm (klient_abt, klient_anrede, klient_name, klient_vorname, "
                   "klient_geburtstag, klient_hausarzt, klient_strasse, klient_plz, klient_ort, klient_telefon_1, "
                   "klient_bemerkung, klient_kk_name, klient_kk_vers_nr, klient_erfasst_am, klient_erfasst_von) "
                   "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(i % 7 + 1);
        insert.addBindValue(i % 2 ? u"Frau"_s : u"Herr"_s);
        insert.addBindValue(u"Mustermann-%1"_s.arg(i));
        insert.addBindValue(u"Erika"_s);
        insert.addBindValue(u"1941-03-%1 00:00:00"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')));
        insert.addBindValue(i % 12 + 1);
        insert.addBindValue(u"Lindenallee %1"_s.arg(i % 200));
        insert.addBindValue(u"33602"_s);
        insert.addBindValue(u"Bielefeld"_s);
        insert.addBindValue(u"0521 %1"_s.arg(100000 + i));
        insert.addBindValue(i % 3 ? QVariant() : QVariant(u"Tochter ist Betreuerin, bitte bei Änderungen informieren."_s));
        insert.addBindValue(u"AOK Nordwest"_s);
        insert.addBindValue(u"A%1"_s.arg(100000000 + i));
        insert.addBindValue(u"2026-01-02 08:00:00"_s);
        insert.addBindValue(1);
        execute(insert);
    }
    transaction.commit();
}

// Times reading the list through QtSql alone and through the dataset.
void measure(const BenchDatabases &place, int rows)
{
    QTextStream out(stdout);
    out << u"engine: %1\n"_s.arg(QString::fromLatin1(place.engine()));
    DbConnection care;
    care.open(place.careLocation());
    fill(care, rows);

    QElapsedTimer timer;
    timer.start();
    double rawMs = 0;
    {
        QSqlQuery q(care.database());
        q.setForwardOnly(true);
        if (!q.exec(u"select * from tbl_klienten_stamm order by klient_abt, klient_name, klient_vorname, klient_geburtstag"_s))
            throw Exception(q.lastError().text());
        const int columns = q.record().count();
        qint64 n = 0;
        while (q.next())
            for (int c = 0; c < columns; ++c)
                n += q.value(c).isNull() ? 0 : 1;
        rawMs = msSince(timer);
        out << u"QtSql alone:   %1 rows in %2 ms\n"_s.arg(rows).arg(timer.elapsed());
    }

    const qint64 before = residentKiB();
    timer.restart();
    Dataset clients(&care);
    clients.setSql(u"select * from tbl_klienten_stamm\norder by klient_abt , klient_name, klient_vorname, klient_geburtstag ;"_s);
    clients.open();
    const double openMs = msSince(timer);
    out << u"Dataset::open: %1 rows in %2 ms, %3 MiB more memory\n"_s.arg(clients.recordCount()).arg(qint64(openMs))
               .arg((residentKiB() - before) / 1024.0, 0, 'f', 1);
    timer.restart();
    clients.setSort(u"klient_name DESC"_s);
    out << u"setSort:       %1 ms\n"_s.arg(timer.elapsed());
    out.flush();
    report("open-clients", {openMs}, {rawMs});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    try {
        const BenchDatabases place(arguments);
        measure(place, arguments.isEmpty() ? 100000 : arguments.first().toInt());
    } catch (const Exception &e) {
        std::fprintf(stderr, "Fehler: %s\n", qUtf8Printable(e.message()));
        return 1;
    }
    return 0;
}
