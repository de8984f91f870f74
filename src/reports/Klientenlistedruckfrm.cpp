#include "Klientenlistedruckfrm.h"

#include "dataset.h"

using namespace Qt::StringLiterals;

TKlientenListeDruckForm *KlientenListeDruckForm = nullptr;

TKlientenListeDruckForm::TKlientenListeDruckForm(DbConnection *DB, QWidget *parent)
    : TListeDruckForm(DB,
                      u"select * from tbl_klienten_stamm, tbl_abteilungen, tbl_aerzte_stamm\nwhere\n"
                      "abt_id = klient_abt and\narzt_stamm_id = klient_hausarzt\n"
                      "order by klient_abt, klient_name, klient_vorname ;"_s,
                      u"Quendor - Klientenliste Druckvorschau"_s, parent),
      qry_klienten(abfrage())
{
    setObjectName(u"KlientenListeDruckForm"_s);
    qry_klienten->setObjectName(u"qry_klienten"_s);

    titel(u"aktuelle Klientenliste"_s, 119.9);
    spalte(Zeile::Oben, 1.3, 24.3, u"Abteilung :"_s, u"abt_name"_s);
    spalte(Zeile::Oben, 27.3, 27.3, u"Name :"_s, u"klient_name"_s, true);
    spalte(Zeile::Unten, 30.4, 24.1, u"Vorname :"_s, u"klient_vorname"_s);
    spalte(Zeile::Oben, 56.1, 19.1, u"Geburtstag"_s, u"klient_geburtstag"_s);
    spalte(Zeile::Unten, 56.1, 38.1, u"Strasse"_s, u"klient_strasse"_s);
    berechneteSpalte(Zeile::Oben, 75.4, 58.5, u"Hausarzt"_s, u"Hausarzt"_s, [this] { return Hausarzt(); });
    spalte(Zeile::Unten, 95.2, 10.3, u"PLZ"_s, u"klient_plz"_s);
    spalte(Zeile::Unten, 106.4, 27.5, u"Ort"_s, u"klient_ort"_s);
    spalte(Zeile::Oben, 135.5, 43.7, u"Telefon 1"_s, u"klient_telefon_1"_s);
    spalte(Zeile::Unten, 135.5, 43.7, u"Mobil 1"_s, u"klient_mobil_1"_s);
    spalte(Zeile::Oben, 181.2, 43.7, u"Fax 1"_s, u"klient_fax_1"_s);
    spalte(Zeile::Unten, 181.2, 43.7, u"Email 1"_s, u"klient_email_1"_s);
    bemerkungen(u"klient_bemerkung"_s);
    trennlinien({26.2, 55.0, 134.4, 179.9, 225.7});
}

TKlientenListeDruckForm::~TKlientenListeDruckForm()
{
    if (KlientenListeDruckForm == this)
        KlientenListeDruckForm = nullptr;
}

QString TKlientenListeDruckForm::Hausarzt() const
{
    return qry_klienten->asText(u"arzt_stamm_titel"_s) + u' ' + qry_klienten->asText(u"arzt_stamm_name"_s)
           + u", "_s + qry_klienten->asText(u"arzt_stamm_vorname"_s);
}
