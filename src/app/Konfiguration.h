#pragma once

#include <QString>

using namespace Qt::StringLiterals;

// What the program keeps outside its databases, and where.
namespace Konfiguration {

// "vandrel.ini" beside the executable holds the full file name of the care
// database; nothing else is read from or written to it.
inline const QString IniDateiName = u"vandrel.ini"_s;
inline const QString DatenbankSchluessel = u"Datenbank/DateiPfadName"_s;

// The catalogue database always lies beside the care database.
inline const QString OrgDatenbankName = u"vandrelorg.accdb"_s;

// The online help page of the product's web site.
inline const QString HilfeAdresse =
    u"https://www.vandrel-tessaro.example.org/index.php?option=com_content&task=view&id=14&Itemid=40"_s;

} // namespace Konfiguration
