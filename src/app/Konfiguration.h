#pragma once

#include "dialect.h"

#include <QString>

#include <algorithm>

using namespace Qt::StringLiterals;

// What the program keeps outside its databases, and where.
namespace Konfiguration {

// "vandrel.ini" beside the executable holds the full file name of the care
// database; nothing else is read from or written to it.
inline const QString IniDateiName = u"vandrel.ini"_s;
inline const QString DatenbankAbschnitt = u"Datenbank"_s;
inline const QString DatenbankPfadSchluessel = u"DateiPfadName"_s;

// The catalogue database beside the care database DatenbankPfad:
// "vandrelorg.accdb" in its folder, or "vandrelorg" on its server.
inline QString OrgDatenbankPfadZu(const QString &DatenbankPfad)
{
    return Dialect::catalogueLocation(DatenbankPfad);
}

// The product's web site, shown in the about window; the online help is one
// of its pages.
inline const QString ProduktAdresse = u"https://www.vandrel-tessaro.example.org"_s;

// The online help page of the product's web site.
inline const QString HilfeAdresse =
    ProduktAdresse + u"/index.php?option=com_content&task=view&id=14&Itemid=40"_s;

} // namespace Konfiguration
