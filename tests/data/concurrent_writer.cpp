// Writes clients into a care database as a second copy of the program would:
// concurrent_writer FILE NAME COUNT appends COUNT clients named NAME-1 ... NAME-COUNT.
#include "dataset.h"
#include "dbconnection.h"
#include "exception.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    try {
        DbConnection connection;
        connection.open(args.at(1));
        Dataset clients(&connection);
        clients.setSql(u"select * from tbl_klienten_stamm where klient_id < 0"_s);
        clients.open();
        const int count = args.at(3).toInt();
        for (int i = 1; i <= count; ++i) {
            clients.append();
            clients.setValue(u"klient_name"_s, u"%1-%2"_s.arg(args.at(2)).arg(i));
            clients.post();
            // Each copy also reads what the others wrote meanwhile.
            if (i % 25 == 0)
                clients.reopen();
        }
    } catch (const Exception &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
