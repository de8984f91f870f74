#include "Datenmodulfrm.h"

using namespace Qt::StringLiterals;

TDatenModul *DatenModul = nullptr;

namespace {

Dataset *query(DbConnection *connection, const QString &sql, QObject *parent)
{
    auto *dataset = new Dataset(connection, parent);
    dataset->setSql(sql);
    return dataset;
}

} // namespace

TDatenModul::TDatenModul(DbConnection *DB, DbConnection *ORG_DB, QObject *parent)
    : QObject(parent),
      qry_parameter(query(DB, u"select * from tbl_parameter\nwhere\nparam_name = :param ;"_s, this)),
      qry_organisation(query(ORG_DB, u"select * from tbl_org_parameter ;"_s, this)),
      search_problem(query(ORG_DB, u"select * from tbl_probleme\nwhere\nprob_id = :id ;"_s, this)),
      search_ressource(query(ORG_DB, u"select * from tbl_ressourcen\nwhere\nres_id = :id ;"_s, this)),
      search_ziel(query(ORG_DB, u"select * from tbl_ziele\nwhere\nziel_id = :id ;"_s, this)),
      search_massnahme(query(ORG_DB, u"select * from tbl_massnahmen\nwhere\nmas_id = :id ;"_s, this)),
      search_evaluation(query(ORG_DB, u"select * from tbl_evaluationen\nwhere\neval_id = :id ;"_s, this)),
      search_mitarbeiter(query(DB, u"select * from tbl_mitarbeiter\nwhere\nma_id = :id ;"_s, this))
{
    DatenModul = this;
}

TDatenModul::~TDatenModul()
{
    if (DatenModul == this)
        DatenModul = nullptr;
}
