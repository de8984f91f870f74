#include "Abtlistedruckfrm.h"

#include "dataset.h"

using namespace Qt::StringLiterals;

TAbtListeDruckForm *AbtListeDruckForm = nullptr;

TAbtListeDruckForm::TAbtListeDruckForm(DbConnection *DB, QWidget *parent)
    : TListeDruckForm(DB, u"select * from tbl_abteilungen\norder by \nabt_name, abt_plz, abt_strasse ;"_s,
                      u"Quendor - Abteilungenliste Druckvorschau"_s, parent),
      qry_abteilungen(abfrage())
{
    setObjectName(u"AbtListeDruckForm"_s);
    qry_abteilungen->setObjectName(u"qry_abteilungen"_s);

    titel(u"aktuelle Abteilungenliste"_s, 119.9);
    spalte(Zeile::Oben, 1.3, 52.1, u"Abteilung :"_s, u"abt_name"_s, true);
    spalte(Zeile::Oben, 56.1, 77.8, u"Ansprechpartner"_s, u"abt_ansprechpartner"_s);
    spalte(Zeile::Unten, 56.1, 38.1, u"Strasse"_s, u"abt_strasse"_s);
    spalte(Zeile::Unten, 95.2, 10.3, u"PLZ"_s, u"abt_plz"_s);
    spalte(Zeile::Unten, 106.4, 27.5, u"Ort"_s, u"abt_ort"_s);
    spalte(Zeile::Oben, 135.5, 43.7, u"Telefon 1"_s, u"abt_telefon_1"_s);
    spalte(Zeile::Unten, 135.5, 43.7, u"Mobil 1"_s, u"abt_mobil_1"_s);
    spalte(Zeile::Oben, 181.2, 43.7, u"Fax 1"_s, u"abt_fax_1"_s);
    spalte(Zeile::Unten, 181.2, 43.7, u"Email 1"_s, u"abt_email_1"_s);
    bemerkungen(u"abt_bemerkung"_s);
    trennlinien({55.0, 134.4, 179.9, 225.7});
}

TAbtListeDruckForm::~TAbtListeDruckForm()
{
    if (AbtListeDruckForm == this)
        AbtListeDruckForm = nullptr;
}
