#pragma once

#include "Datenmodulfrm.h"
#include "testdatabases.h"

#include <QSqlError>
#include <QSqlQuery>

// The small catalogue and care database of the care-planning tests, with the
// data module on them, on the engine of the running row.
struct CarePlanFixture
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;

    CarePlanFixture()
    {
        TestDatabases::runFile(*db.catalogue, QStringLiteral(VANDREL_FIXTURES "/katalog.sql"));
        TestDatabases::runFile(*db.care, QStringLiteral(VANDREL_FIXTURES "/pflege.sql"));
        TestDatabases::followKeys(*db.catalogue,
                                  {QStringLiteral("tbl_aktivitaeten_gruppen"), QStringLiteral("tbl_kategorien"),
                                   QStringLiteral("tbl_probleme"), QStringLiteral("tbl_ressourcen"),
                                   QStringLiteral("tbl_ziele"), QStringLiteral("tbl_massnahmen")});
        TestDatabases::followKeys(*db.care, {QStringLiteral("tbl_abteilungen"), QStringLiteral("tbl_aerzte_stamm"),
                                             QStringLiteral("tbl_klienten_stamm")});
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
    }

    // Makes the database refuse, with the message "Testfehler", to write the
    // rows of a table for which the condition on "new" holds (SQL that both
    // engines read). SQLite refuses as a rule of the table; the server
    // refuses with the given SQLSTATE, by default a broken rule as well.
    static void refuseWrites(DbConnection &connection, const QString &event, const QString &table,
                             const QString &condition, const QString &serverState = QStringLiteral("23514"))
    {
        if (connection.engine() == Dialect::Engine::SQLite) {
            TestDatabases::run(connection, QStringLiteral("create trigger testfehler before %1 on %2 when %3 "
                                                          "begin select raise(abort, 'Testfehler'); end")
                                               .arg(event, table, condition));
            return;
        }
        QSqlQuery q(connection.database());
        QVERIFY2(q.exec(QStringLiteral("create or replace function testfehler() returns trigger language plpgsql as "
                                       "$$ begin raise exception 'Testfehler' using errcode = tg_argv[0]; end $$")),
                 qPrintable(q.lastError().text()));
        QVERIFY2(q.exec(QStringLiteral("create trigger testfehler before %1 on %2 for each row when (%3) "
                                       "execute function testfehler('%4')")
                            .arg(event, table, condition, serverState)),
                 qPrintable(q.lastError().text()));
    }

    static void allowWrites(DbConnection &connection, const QString &table)
    {
        TestDatabases::run(connection, connection.engine() == Dialect::Engine::SQLite
                                           ? QStringLiteral("drop trigger testfehler")
                                           : QStringLiteral("drop trigger testfehler on %1").arg(table));
    }
};
