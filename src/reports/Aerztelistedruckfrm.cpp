#include "Aerztelistedruckfrm.h"

#include "dataset.h"

using namespace Qt::StringLiterals;

TAerzteListeDruckForm *AerzteListeDruckForm = nullptr;

TAerzteListeDruckForm::TAerzteListeDruckForm(DbConnection *DB, QWidget *parent)
    : TListeDruckForm(DB,
                      u"select * from tbl_aerzte_stamm\norder by\n"
                      "arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_plz, arzt_stamm_strasse ;"_s,
                      u"Quendor - Ärzteliste Druckvorschau"_s, parent),
      qry_aerzte(abfrage())
{
    setObjectName(u"AerzteListeDruckForm"_s);
    qry_aerzte->setObjectName(u"qry_aerzte"_s);

    titel(u"aktuelle Ärzteliste"_s, 114.8);
    spalte(Zeile::Oben, 1.6, 27.3, u"Name :"_s, u"arzt_stamm_name"_s, true);
    spalte(Zeile::Oben, 30.4, 24.1, u"Titel :"_s, u"arzt_stamm_titel"_s);
    spalte(Zeile::Unten, 30.4, 24.1, u"Vorname :"_s, u"arzt_stamm_vorname"_s);
    spalte(Zeile::Oben, 56.1, 58.5, u"Fachrichtung"_s, u"arzt_stamm_fachrichtung"_s);
    spalte(Zeile::Unten, 56.1, 38.1, u"Strasse"_s, u"arzt_stamm_strasse"_s);
    spalte(Zeile::Unten, 95.2, 10.3, u"PLZ"_s, u"arzt_stamm_plz"_s);
    spalte(Zeile::Unten, 106.4, 27.5, u"Ort"_s, u"arzt_stamm_ort"_s);
    spalte(Zeile::Oben, 114.8, 19.1, u"Geburtstag"_s, u"arzt_stamm_geburtstag"_s);
    spalte(Zeile::Oben, 135.5, 43.7, u"Telefon 1"_s, u"arzt_stamm_telefon_1"_s);
    spalte(Zeile::Unten, 135.5, 43.7, u"Mobil 1"_s, u"arzt_stamm_mobil_1"_s);
    spalte(Zeile::Oben, 181.2, 43.7, u"Fax 1"_s, u"arzt_stamm_fax_1"_s);
    spalte(Zeile::Unten, 181.2, 43.7, u"Email 1"_s, u"arzt_stamm_email_1"_s);
    bemerkungen(u"arzt_stamm_bemerkung"_s);
    trennlinien({55.0, 134.4, 179.9, 225.7});
}

TAerzteListeDruckForm::~TAerzteListeDruckForm()
{
    if (AerzteListeDruckForm == this)
        AerzteListeDruckForm = nullptr;
}
