#include "Loeschpruefung.h"

#include "dataset.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Loeschpruefung {

qint64 anzahl(DbConnection *DB, const QString &sql, qint64 id)
{
    Dataset zaehlung(DB);
    zaehlung.setSql(sql);
    zaehlung.setParam(u"id"_s, id);
    zaehlung.open();
    return zaehlung.asInteger(u"anzahl"_s);
}

QString aufzaehlung(std::initializer_list<Posten> posten)
{
    QStringList teile;
    for (const Posten &p : posten) {
        if (p.anzahl > 0)
            teile << u"%1 %2"_s.arg(p.anzahl).arg(p.anzahl == 1 ? p.einzahl : p.mehrzahl);
    }
    if (teile.size() <= 1)
        return teile.join(QString());
    const QString letzter = teile.takeLast();
    return teile.join(u", "_s) + u" und "_s + letzter;
}

} // namespace Loeschpruefung
