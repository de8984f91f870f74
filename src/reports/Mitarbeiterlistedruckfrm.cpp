#include "Mitarbeiterlistedruckfrm.h"

#include "dataset.h"

using namespace Qt::StringLiterals;

TMitarbeiterListeDruckForm *MitarbeiterListeDruckForm = nullptr;

TMitarbeiterListeDruckForm::TMitarbeiterListeDruckForm(DbConnection *DB, QWidget *parent)
    : TListeDruckForm(DB,
                      u"select * from tbl_mitarbeiter, tbl_abteilungen \nwhere\nabt_id = ma_abt\norder by \n"
                      "ma_abt, ma_name, ma_vorname, ma_plz, ma_strasse"_s,
                      u"Quendor - Mitarbeiterliste Druckvorschau"_s, parent),
      qry_mitarbeiter(abfrage())
{
    setObjectName(u"MitarbeiterListeDruckForm"_s);
    qry_mitarbeiter->setObjectName(u"qry_mitarbeiter"_s);

    titel(u"aktuelle Mitarbeiterliste"_s, 111.1);
    spalte(Zeile::Oben, 1.3, 24.3, u"Abteilung :"_s, u"abt_name"_s);
    spalte(Zeile::Oben, 27.3, 27.3, u"Name :"_s, u"ma_name"_s, true);
    spalte(Zeile::Unten, 30.4, 24.1, u"Vorname :"_s, u"ma_vorname"_s);
    spalte(Zeile::Oben, 56.1, 14.0, u"HDZ"_s, u"ma_hdz"_s);
    spalte(Zeile::Unten, 56.1, 38.1, u"Strasse"_s, u"ma_strasse"_s);
    spalte(Zeile::Oben, 95.2, 19.1, u"Geburtstag"_s, u"ma_geburtstag"_s);
    spalte(Zeile::Unten, 95.2, 10.3, u"PLZ"_s, u"ma_plz"_s);
    spalte(Zeile::Unten, 106.4, 27.5, u"Ort"_s, u"ma_ort"_s);
    spalte(Zeile::Oben, 135.5, 43.7, u"Telefon 1"_s, u"ma_telefon_1"_s);
    spalte(Zeile::Unten, 135.5, 43.7, u"Mobil 1"_s, u"ma_mobil_1"_s);
    spalte(Zeile::Oben, 181.2, 43.7, u"Fax 1"_s, u"ma_fax_1"_s);
    spalte(Zeile::Unten, 181.2, 43.7, u"Email 1"_s, u"ma_email_1"_s);
    bemerkungen(u"ma_bemerkung"_s);
    trennlinien({26.2, 55.0, 134.4, 179.9, 225.7});
}

TMitarbeiterListeDruckForm::~TMitarbeiterListeDruckForm()
{
    if (MitarbeiterListeDruckForm == this)
        MitarbeiterListeDruckForm = nullptr;
}
