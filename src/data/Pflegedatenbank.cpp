#include "Pflegedatenbank.h"

#include "dbconnection.h"
#include "exception.h"
#include "transaction.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

void ausfuehren(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw Exception(query.lastError().text());
}

QStringList werte(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw Exception(query.lastError().text());
    QStringList result;
    while (query.next())
        result << query.value(0).toString();
    return result;
}

// Earlier employees tables compared login names letter by letter. SQLite
// cannot change a column's comparison in place, so the table is built anew
// with the same rows, ids and id counter.
void loginNameOhneGrossKleinschreibung(DbConnection &DB)
{
    const QSqlDatabase db = DB.database();
    const QStringList tabelle = werte(db, u"select sql from sqlite_master where type = 'table' and name = 'tbl_mitarbeiter'"_s);
    if (tabelle.isEmpty())
        return;
    static const QRegularExpression spalte(uR"(\bma_prog_name\s+[A-Za-z]+(\s*\(\s*\d+\s*\))?)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression schonOhne(uR"(\bma_prog_name\b[^,]*\bcollate\s+nocase\b)"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    QString sql = tabelle.first();
    const QRegularExpressionMatch treffer = spalte.match(sql);
    if (!treffer.hasMatch() || schonOhne.match(sql).hasMatch())
        return;
    sql.insert(treffer.capturedEnd(), u" COLLATE NOCASE"_s);
    static const QRegularExpression name(uR"(^\s*create\s+table\s+"?tbl_mitarbeiter"?)"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    sql.replace(name, u"CREATE TABLE tbl_mitarbeiter_neu"_s);

    Transaction transaktion(DB);
    // The old index on the login name would order it by another rule than
    // the program compares with; it is not made again.
    const QStringList indizes = werte(db, u"select sql from sqlite_master where type = 'index' and "
                                          "tbl_name = 'tbl_mitarbeiter' and sql is not null and "
                                          "sql not like '%ma_prog_name%'"_s);
    const QStringList zaehler = werte(db, u"select seq from sqlite_sequence where name = 'tbl_mitarbeiter'"_s);
    ausfuehren(db, sql);
    ausfuehren(db, u"insert into tbl_mitarbeiter_neu select * from tbl_mitarbeiter"_s);
    ausfuehren(db, u"drop table tbl_mitarbeiter"_s);
    ausfuehren(db, u"alter table tbl_mitarbeiter_neu rename to tbl_mitarbeiter"_s);
    for (const QString &index : indizes)
        ausfuehren(db, index);
    // Ids of deleted employees are not given out again: audit columns name them.
    if (!zaehler.isEmpty())
        ausfuehren(db, u"update sqlite_sequence set seq = %1 where name = 'tbl_mitarbeiter'"_s
                           .arg(zaehler.first().toLongLong()));
    transaktion.commit();
    DB.forgetSchema();
}

} // namespace

void PflegedatenbankAktualisieren(DbConnection &DB)
{
    // Server databases were created with login names that ignore letter case.
    if (DB.engine() != Dialect::Engine::SQLite)
        return;
    try {
        loginNameOhneGrossKleinschreibung(DB);
    } catch (const Exception &) {
        // The transaction has undone its part; the login then compares
        // names letter by letter, as the earlier version did.
    }
}
