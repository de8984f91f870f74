#include "Klientenstammfrm.h"

#include "Aerztestammfrm.h"
#include "Klientenlistedruckfrm.h"
#include "Loeschpruefung.h"
#include "dbgrid.h"
#include "dblookupcombo.h"

#include <QGridLayout>

using namespace Qt::StringLiterals;

TKlientenStammForm *KlientenStammForm = nullptr;

namespace {

StammArt klienten()
{
    StammArt a;
    a.objektName = u"KlientenStammForm"_s;
    a.abfrage = u"qry_klienten"_s;
    a.titel = u"Vandrel - Klientenliste"_s;
    a.sql = u"select * from tbl_klienten_stamm\norder by klient_abt, klient_name, klient_vorname ;"_s;
    a.schluessel = u"klient_id"_s;
    a.praefix = u"klient"_s;
    a.bemerkung = u"klient_bemerkung"_s;
    a.kuerzel = u"Klient"_s;
    a.auswahlText = u"Klient zur Bearbeitung auswählen : "_s;
    a.comboName = u"KlientCombo"_s;
    a.comboSpalten = {u"klient_name"_s, u"klient_vorname"_s, u"klient_abt"_s};
    a.neuText = u"Neuen Klienten anlegen"_s;
    a.speicherText = u"Änderungen am Klienten speichern"_s;
    a.verwerfenText = u"Änderungen am Klienten verwerfen"_s;
    a.druckName = u"KlientenListeDruckenBtn"_s;
    a.druckText = u"Klientenliste ausdrucken"_s;
    a.detailsName = u"DetailsSheet"_s;
    a.exportTitel = u"Aktuelle Klienten-Liste"_s;
    return a;
}

Dataset *abfrage(DbConnection *DB, const QString &name, const QString &sql, QObject *parent)
{
    auto *d = new Dataset(DB, parent);
    d->setObjectName(name);
    d->setSql(sql);
    return d;
}

} // namespace

TKlientenStammForm::TKlientenStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent)
    : TStammForm(DB, std::move(benutzerId), klienten(), parent),
      qry_abteilungen(abfrage(DB, u"qry_abteilungen"_s, u"select * from tbl_abteilungen \norder by abt_name ;"_s, this)),
      qry_aerzte(abfrage(DB, u"qry_aerzte"_s, u"select * from tbl_aerzte_stamm ;"_s, this)),
      search_abteilungen(abfrage(DB, u"search_abteilungen"_s, u"select * from tbl_abteilungen\nwhere abt_id = :id ;"_s, this)),
      search_aerzte(abfrage(DB, u"search_aerzte"_s, u"select * from tbl_aerzte_stamm\nwhere arzt_stamm_id = :id ;"_s, this))
{
    const Qt::Alignment linksbuendig = Qt::AlignLeft | Qt::AlignVCenter;
    felderFestlegen({
        FieldDef(u"klient_abt"_s, u"Abteilung"_s, 0, true, linksbuendig),
        FieldDef(u"klient_anrede"_s, u"Anrede"_s, 5), FieldDef(u"klient_name"_s, u"Name"_s, 15),
        FieldDef(u"klient_vorname"_s, u"Vorname"_s, 10), FieldDef(u"klient_geburtstag"_s, u"Geburtstag"_s, 10),
        FieldDef(u"klient_hausarzt"_s, u"Hausarzt"_s, 30, true, linksbuendig),
        FieldDef(u"klient_strasse"_s, u"Strasse"_s, 20), FieldDef(u"klient_plz"_s, u"PLZ"_s, 5),
        FieldDef(u"klient_ort"_s, u"Ort"_s, 20),
        FieldDef(u"klient_telefon_1"_s, u"Telefon 1"_s, 15), FieldDef(u"klient_telefon_2"_s, u"Telefon 2"_s, 15),
        FieldDef(u"klient_mobil_1"_s, u"Mobil 1"_s, 15), FieldDef(u"klient_mobil_2"_s, u"Mobil 2"_s, 15),
        FieldDef(u"klient_fax_1"_s, u"Fax 1"_s, 15), FieldDef(u"klient_fax_2"_s, u"Fax 2"_s, 15),
        FieldDef(u"klient_email_1"_s, u"Email 1"_s, 25), FieldDef(u"klient_email_2"_s, u"Email 2"_s, 25),
        FieldDef(u"klient_bemerkung"_s, u"Bemerkung"_s, 50),
        FieldDef(u"klient_kk_name"_s, u"Krankenkasse (KK)"_s, 25), FieldDef(u"klient_kk_vers_nr"_s, u"KK Vers.-Nr."_s, 10),
        FieldDef(u"klient_geaendert_am"_s, u"geändert am"_s),
        // These three carry no title of their own: the list shows the column names.
        FieldDef(u"klient_geaendert_von"_s, {}, 0, true, linksbuendig), FieldDef(u"klient_erfasst_am"_s),
        FieldDef(u"klient_erfasst_von"_s, {}, 0, true, linksbuendig),
        FieldDef(u"klient_id"_s, {}, 0, false),
    });
    qry_klienten->setGetText(u"klient_abt"_s, [this](const QVariant &v) { return qry_klientenklient_abtGetText(v); });
    qry_klienten->setGetText(u"klient_hausarzt"_s,
                             [this](const QVariant &v) { return qry_klientenklient_hausarztGetText(v); });

    // The family-doctor box's drop-down columns are narrower than the doctors list's.
    QList<FieldDef> aerzte = AerzteFelder();
    for (FieldDef &f : aerzte) {
        if (f.name == u"arzt_stamm_name")
            f.displayWidth = 10;
        else if (f.name == u"arzt_stamm_vorname")
            f.displayWidth = 8;
        else if (f.name == u"arzt_stamm_fachrichtung")
            f.displayWidth = 20;
        else if (f.name == u"arzt_stamm_strasse")
            f.displayWidth = 10;
    }
    qry_aerzte->setFields(aerzte);
    // The look-ups read only what the list shows of a department and a doctor.
    search_abteilungen->setFields({FieldDef(u"abt_name"_s)});
    search_aerzte->setFields({FieldDef(u"arzt_stamm_titel"_s), FieldDef(u"arzt_stamm_name"_s),
                              FieldDef(u"arzt_stamm_vorname"_s)});

    feld(links(), u"Anrede : "_s, u"klient_anrede"_s, u"AnredeEdit"_s);
    feld(links(), u"Name : "_s, u"klient_name"_s, u"NameEdit"_s);
    feld(links(), u"Vorname : "_s, u"klient_vorname"_s, u"VornameEdit"_s);
    // Created in their place on the page, so Tab reaches them in layout order.
    AbtEditCombo = new DbLookupCombo(DetailsSheet);
    AbtEditCombo->setObjectName(u"AbtEditCombo"_s);
    AbtEditCombo->setList(qry_abteilungen, u"abt_id"_s, {u"abt_name"_s});
    AbtEditCombo->bind(src_klienten, u"klient_abt"_s);
    DBLookupComboBox1 = new DbLookupCombo(DetailsSheet);
    DBLookupComboBox1->setObjectName(u"DBLookupComboBox1"_s);
    DBLookupComboBox1->setList(qry_aerzte, u"arzt_stamm_id"_s,
                               {u"arzt_stamm_name"_s, u"arzt_stamm_vorname"_s, u"arzt_stamm_fachrichtung"_s,
                                u"arzt_stamm_strasse"_s});
    DBLookupComboBox1->bind(src_klienten, u"klient_hausarzt"_s);
    DBLookupComboBox1->setDropDownWidth(500);
    zeile(links(), u"Abteilung : "_s, AbtEditCombo);
    zeile(links(), u"Hausarzt : "_s, DBLookupComboBox1);
    feld(links(), u"Strasse : "_s, u"klient_strasse"_s, u"StrasseEdit"_s);
    feld(links(), u"PLZ : "_s, u"klient_plz"_s, u"PlzEdit"_s);
    feld(links(), u"Ort : "_s, u"klient_ort"_s, u"OrtEdit"_s);
    feld(links(), u"Telefon 1 : "_s, u"klient_telefon_1"_s, u"Telefon1Edit"_s);
    feld(links(), u"Telefon 2 : "_s, u"klient_telefon_2"_s, u"Telefon2Edit"_s);
    feld(links(), u"Mobil 1 :  "_s, u"klient_mobil_1"_s, u"Mobil1Edit"_s);
    feld(links(), u"Mobil 2 :  "_s, u"klient_mobil_2"_s, u"Mobil2Edit"_s);
    feld(links(), u"Fax 1 : "_s, u"klient_fax_1"_s, u"Fax1Edit"_s);
    feld(links(), u"Fax 2 : "_s, u"klient_fax_2"_s, u"Fax2Edit"_s);
    feld(links(), u"Email 1 : "_s, u"klient_email_1"_s, u"Email1Edit"_s);
    feld(links(), u"Email 2 : "_s, u"klient_email_2"_s, u"Email2Edit"_s);
    feld(links(), u"Geburtstag : "_s, u"klient_geburtstag"_s, u"GeburtstagEdit"_s);
    feld(links(), u"Krankenkasse (KK) : "_s, u"klient_kk_name"_s, u"KKNameEdit"_s);
    feld(links(), u"KK Vers.-Nr. : "_s, u"klient_kk_vers_nr"_s, u"KKVersNrEdit"_s);
    links()->setRowStretch(links()->rowCount(), 1);
    auditBlock(rechts());
    memo(rechts(), u"Bemerkungen zu diesem Klienten : "_s, u"klient_bemerkung"_s, u"BemerkungMemo"_s);

    // The doctors window reads the doctors anew after a save; the list then
    // names a renamed family doctor as he is now.
    connect(qry_aerzte, &Dataset::reset, DBGrid1->viewport(), qOverload<>(&QWidget::update));

    if (!KlientenListeDruckForm)
        KlientenListeDruckForm = new TKlientenListeDruckForm(DB, this);
    oeffnen({qry_abteilungen, qry_aerzte});
}

TKlientenStammForm::~TKlientenStammForm()
{
    if (KlientenStammForm == this)
        KlientenStammForm = nullptr;
}

QString TKlientenStammForm::qry_klientenklient_abtGetText(const QVariant &value)
{
    search_abteilungen->close();
    search_abteilungen->setParam(u"id"_s, value.isNull() ? 0 : value.toLongLong());
    search_abteilungen->open();
    const QString text = search_abteilungen->isEmpty() ? QString() : search_abteilungen->asText(u"abt_name"_s);
    search_abteilungen->close();
    return text;
}

QString TKlientenStammForm::qry_klientenklient_hausarztGetText(const QVariant &value)
{
    search_aerzte->close();
    // An empty id stays empty and so names no doctor.
    search_aerzte->setParam(u"id"_s, value);
    search_aerzte->open();
    const QString text = search_aerzte->isEmpty()
        ? QString()
        : search_aerzte->asText(u"arzt_stamm_titel"_s) + u' ' + search_aerzte->asText(u"arzt_stamm_name"_s) + u", "_s
            + search_aerzte->asText(u"arzt_stamm_vorname"_s);
    search_aerzte->close();
    return text;
}

QString TKlientenStammForm::loeschenVerhindert()
{
    const qint64 klient = qry_klienten->asInteger(u"klient_id"_s);
    auto anzahl = [&](const QString &sql) { return Loeschpruefung::anzahl(db(), sql, klient); };
    const qint64 probleme =
        anzahl(u"select count(*) as anzahl from tbl_klienten_probleme where klientprob_klient_id = :id"_s);
    const qint64 ressourcen =
        anzahl(u"select count(*) as anzahl from tbl_klienten_ressourcen where klientres_klient_id = :id"_s);
    const qint64 ziele = anzahl(u"select count(*) as anzahl from tbl_klienten_ziele where klientziele_klient_id = :id"_s);
    const qint64 massnahmen =
        anzahl(u"select count(*) as anzahl from tbl_klienten_massnahmen where klientmas_klient_id = :id"_s);
    const qint64 evaluationen =
        anzahl(u"select count(*) as anzahl from tbl_klienten_evaluationen where klienteval_klient_id = :id"_s);
    if (probleme + ressourcen + ziele + massnahmen + evaluationen == 0)
        return {};
    return u"Der Klient kann nicht gelöscht werden, weil seine Pflegeplanung noch %1 enthält!\n\n"
           "Bitte erst in der Klienten Planung alle seine Einträge entfernen und erneut versuchen ..."_s
        .arg(Loeschpruefung::aufzaehlung({{probleme, u"Problem"_s, u"Probleme"_s},
                                          {ressourcen, u"Ressource"_s, u"Ressourcen"_s},
                                          {ziele, u"Ziel"_s, u"Ziele"_s},
                                          {massnahmen, u"Maßnahme"_s, u"Maßnahmen"_s},
                                          {evaluationen, u"Evaluation"_s, u"Evaluationen"_s}}));
}

TListeDruckForm *TKlientenStammForm::listeDruckForm() const
{
    return KlientenListeDruckForm;
}
