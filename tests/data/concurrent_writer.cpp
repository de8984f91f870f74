// Writes into a care database as another copy of the program would:
//   concurrent_writer LOCATION NAME COUNT            appends COUNT clients named NAME-1 ... NAME-COUNT
//   concurrent_writer LOCATION NUMBER COUNT plan     COUNT plan writes: each adds a problem at the next
//                                                    position of one of a few shared client lists
//   concurrent_writer LOCATION NUMBER COUNT standards
//                                                    COUNT problems, each for a client of its own, with
//                                                    their standard goals and measures
// The problems of writer NUMBER have catalogue keys NUMBER * 100000 + 1 ...;
// after each plan change the writer prints its count on a line of its own.
#include "dataset.h"
#include "dbconnection.h"
#include "exception.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Clients and activity groups that every writer of "plan" shares, so that
// they append to the same lists at once.
constexpr int sharedClients = 5;
constexpr int sharedGroups = 2;

void writeClients(DbConnection &connection, const QString &name, int count)
{
    Dataset clients(&connection);
    clients.setSql(u"select * from tbl_klienten_stamm where klient_id < 0"_s);
    clients.open();
    for (int i = 1; i <= count; ++i) {
        clients.append();
        clients.setValue(u"klient_name"_s, u"%1-%2"_s.arg(name).arg(i));
        clients.post();
        // Each copy also reads what the others wrote meanwhile.
        if (i % 25 == 0)
            clients.reopen();
    }
}

// One of a client's lists of an activity group, as the care-planning window
// shows it: by position.
struct PlanList
{
    PlanList(DbConnection &connection, const QString &table, const QString &prefix, const QString &kind)
        : rows(&connection), prefix(prefix), kind(kind)
    {
        rows.setSql(u"select * from %1\nwhere\n%2_klient_id = :klient_id and\n%2_aktivitaeten_gruppe = :aktivitaet\n"
                    "order by\n%2_%3_pos"_s.arg(table, prefix, kind));
    }

    void show(qint64 client, qint64 group)
    {
        rows.close();
        rows.setParam(u"klient_id"_s, client);
        rows.setParam(u"aktivitaet"_s, group);
        rows.open();
    }

    // Appends an entry after the last position of the list.
    void append(qint64 client, qint64 group, qint64 catalogueKey, const QString &text)
    {
        const QString position = u"%1_%2_pos"_s.arg(prefix, kind);
        const qint64 next = rows.isEmpty() ? 1 : rows.valueAt(rows.recordCount() - 1, rows.fieldPosition(position)).toLongLong() + 1;
        rows.append();
        rows.setValue(prefix + u"_klient_id"_s, client);
        rows.setValue(prefix + u"_aktivitaeten_gruppe"_s, group);
        rows.setValue(u"%1_%2_id"_s.arg(prefix, kind), catalogueKey);
        rows.setValue(position, next);
        rows.setValue(u"%1_%2_bezeichnung"_s.arg(prefix, kind), text);
        rows.post();
    }

    Dataset rows;
    QString prefix;
    QString kind;
};

void progress(int done)
{
    std::printf("%d\n", done);
    std::fflush(stdout);
}

void writePlan(DbConnection &connection, int writer, int count)
{
    PlanList problems(connection, u"tbl_klienten_probleme"_s, u"klientprob"_s, u"problem"_s);
    for (int i = 1; i <= count; ++i) {
        const qint64 client = 1 + i % sharedClients;
        const qint64 group = 1 + (i / sharedClients) % sharedGroups;
        // The last position is read inside the transaction: another copy
        // may have appended to the list meanwhile.
        Transaction transaction(connection);
        problems.show(client, group);
        problems.append(client, group, qint64(writer) * 100000 + i, u"Problem %1 von Schreiber %2"_s.arg(i).arg(writer));
        transaction.commit();
        progress(i);
    }
}

QList<qint64> standardKeys(DbConnection &connection, const QString &table, const QString &prefix,
                           const QString &column, qint64 problem)
{
    Dataset standards(&connection);
    standards.setSql(u"select * from %1 where %2_problem_id = :problem_id order by %3"_s.arg(table, prefix, column));
    standards.setParam(u"problem_id"_s, problem);
    standards.open();
    QList<qint64> keys;
    for (standards.first(); !standards.atEnd(); standards.next())
        keys << standards.asInteger(column);
    return keys;
}

void writeProblemsWithStandards(DbConnection &connection, int writer, int count)
{
    Dataset standardProblems(&connection);
    standardProblems.setSql(u"select * from tbl_standard_probleme order by standardprob_problem_id"_s);
    standardProblems.open();
    if (standardProblems.isEmpty())
        throw Exception(u"Die Datenbank hat keine Standardprobleme."_s);
    PlanList problems(connection, u"tbl_klienten_probleme"_s, u"klientprob"_s, u"problem"_s);
    PlanList goals(connection, u"tbl_klienten_ziele"_s, u"klientziele"_s, u"ziel"_s);
    PlanList measures(connection, u"tbl_klienten_massnahmen"_s, u"klientmas"_s, u"massnahme"_s);
    constexpr qint64 group = 1;
    for (int i = 1; i <= count; ++i) {
        standardProblems.setCurrentRow((i - 1) % standardProblems.recordCount());
        const qint64 problem = standardProblems.asInteger(u"standardprob_problem_id"_s);
        const qint64 client = qint64(writer) * 100000 + i;
        // The problem and its standards are one change of the plan, as in
        // the care-planning window.
        Transaction transaction(connection);
        problems.show(client, group);
        goals.show(client, group);
        measures.show(client, group);
        problems.append(client, group, problem, u"Problem %1"_s.arg(problem));
        for (qint64 goal : standardKeys(connection, u"tbl_standard_ziele"_s, u"standardziele"_s, u"standardziele_ziel_id"_s, problem))
            goals.append(client, group, goal, u"Ziel %1"_s.arg(goal));
        for (qint64 measure : standardKeys(connection, u"tbl_standard_massnahmen"_s, u"standardmas"_s,
                                           u"standardmas_massnahme_id"_s, problem))
            measures.append(client, group, measure, u"Maßnahme %1"_s.arg(measure));
        transaction.commit();
        progress(i);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5)
        return 2;
    const QString mode = args.value(4);
    try {
        DbConnection connection;
        connection.open(args.at(1));
        const int count = args.at(3).toInt();
        if (mode.isEmpty())
            writeClients(connection, args.at(2), count);
        else if (mode == u"plan")
            writePlan(connection, args.at(2).toInt(), count);
        else if (mode == u"standards")
            writeProblemsWithStandards(connection, args.at(2).toInt(), count);
        else
            return 2;
    } catch (const Exception &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
