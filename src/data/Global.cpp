#include "Global.h"

#include "Datenmodulfrm.h"
#include "exception.h"

#include <QHash>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString parameterLesen(const QString &name, const QString &missingRow)
{
    Dataset *q = DatenModul->qry_parameter;
    q->close();
    q->setParam(u"param"_s, name);
    q->open();
    const QString value = q->isEmpty() ? missingRow : q->asText(u"param_wert_1"_s);
    q->close();
    return value;
}

} // namespace

QString AktivitaetTypLesen()
{
    return parameterLesen(u"AktivitaetTyp"_s, u"NICHT angegeben !?!"_s);
}

QString AktivitaetenGruppenSql(const QString &aktivitaetTyp)
{
    static const QHash<QString, QString> sortierung = {{u"AEDL"_s, u"aktivitaet_aedl_sortierung"_s},
                                                        {u"ATL"_s, u"aktivitaet_atl_sortierung"_s},
                                                        {u"GBD"_s, u"aktivitaet_gbd_sortierung"_s}};
    const auto spalte = sortierung.constFind(aktivitaetTyp);
    if (spalte == sortierung.constEnd())
        return u"select * from tbl_aktivitaeten_gruppen ; "_s;
    return QStringList{u"select * from tbl_aktivitaeten_gruppen"_s, u"where"_s, spalte.value() + u" <> 0"_s,
                       u"order by"_s, spalte.value()}
        .join(u'\n');
}

QString PlatzHalterErsetzenMitLesen()
{
    return parameterLesen(u"PlatzHalterErsetzenMit"_s, QString());
}

void OrgDatenLesen(QString &org_name, QString &org_strasse, QString &org_plz_ort,
                   QString &org_telefon_1, QString &org_telefon_2, QString &org_fax_1,
                   QString &org_fax_2, QString &org_email_1, QString &org_email_2,
                   QString &org_web_1, QString &org_web_2)
{
    Dataset *q = DatenModul->qry_organisation;
    q->close();
    q->open();
    if (q->isEmpty()) {
        q->close();
        throw Exception(u"Schwerwiegender Fehler, bitte bei Programm-Hersteller melden"_s);
    }
    q->first();
    org_name = q->asText(u"org_name"_s);
    org_strasse = q->asText(u"org_strasse"_s);
    org_plz_ort = q->asText(u"org_plz_ort"_s);
    org_telefon_1 = q->asText(u"org_telefon_1"_s);
    org_telefon_2 = q->asText(u"org_telefon_2"_s);
    org_fax_1 = q->asText(u"org_fax_1"_s);
    org_fax_2 = q->asText(u"org_fax_2"_s);
    org_email_1 = q->asText(u"org_email_1"_s);
    org_email_2 = q->asText(u"org_email_2"_s);
    org_web_1 = q->asText(u"org_web_1"_s);
    org_web_2 = q->asText(u"org_web_2"_s);
    q->close();
}

QString PlatzhalterErsetzen(const QString &text, const QString &setting, const QString &anredeName)
{
    const QString replacement = setting == u"$NAME"_s ? anredeName : setting;
    QString result = text;
    // The search goes on behind each inserted replacement, so a "$" inside
    // the replacement is never replaced again and the loop always ends.
    qsizetype p = result.indexOf(u'$');
    while (p >= 0) {
        result.replace(p, 1, replacement);
        p = result.indexOf(u'$', p + replacement.size());
    }
    return result;
}
