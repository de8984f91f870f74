#pragma once

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

// The catalogue database always lies beside the care database.
inline const QString OrgDatenbankName = u"vandrelorg.accdb"_s;

// The catalogue database beside the care database DatenbankPfad: its folder
// up to its last "/" or backslash (a path written on Windows may use either),
// then OrgDatenbankName; only that name when the path holds no folder.
inline QString OrgDatenbankPfadZu(const QString &DatenbankPfad)
{
    const qsizetype trenner = std::max(DatenbankPfad.lastIndexOf(u'/'), DatenbankPfad.lastIndexOf(u'\\'));
    return DatenbankPfad.left(trenner + 1) + OrgDatenbankName;
}

// The product's web site, shown in the about window; the online help is one
// of its pages.
inline const QString ProduktAdresse = u"https://www.vandrel-tessaro.example.org"_s;

// The online help page of the product's web site.
inline const QString HilfeAdresse =
    ProduktAdresse + u"/index.php?option=com_content&task=view&id=14&Itemid=40"_s;

} // namespace Konfiguration
