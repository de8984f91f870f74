#include "Abteilungenfrm.h"

#include "Abtlistedruckfrm.h"
#include "Loeschpruefung.h"

#include <QGridLayout>

using namespace Qt::StringLiterals;

TAbteilungenForm *AbteilungenForm = nullptr;

namespace {

StammArt abteilungen()
{
    StammArt a;
    a.objektName = u"AbteilungenForm"_s;
    a.abfrage = u"qry_abteilungen"_s;
    a.titel = u"Vandrel - Abteilungen"_s;
    a.sql = u"select * from tbl_abteilungen\norder by abt_name ;"_s;
    a.schluessel = u"abt_id"_s;
    a.praefix = u"abt"_s;
    a.bemerkung = u"abt_bemerkung"_s;
    a.kuerzel = u"Abt"_s;
    a.auswahlText = u"Abteilung zur Bearbeitung auswählen : "_s;
    a.comboName = u"AbtCombo"_s;
    a.comboSpalten = {u"abt_name"_s};
    a.neuText = u"Neue Abteilung anlegen"_s;
    a.speicherText = u"Änderungen an der Abteilung speichern"_s;
    a.verwerfenText = u"Änderungen an der Abteilung verwerfen"_s;
    a.druckName = u"AbtListeDruckenBtn"_s;
    a.druckText = u"Abteilungenliste ausdrucken"_s;
    a.detailsName = u"DetailsSheet"_s;
    a.exportTitel = u"Aktuelle Abteilungen-Liste"_s;
    return a;
}

} // namespace

TAbteilungenForm::TAbteilungenForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent)
    : TStammForm(DB, std::move(benutzerId), abteilungen(), parent)
{
    const Qt::Alignment linksbuendig = Qt::AlignLeft | Qt::AlignVCenter;
    felderFestlegen({
        FieldDef(u"abt_name"_s, u"Abt. Name"_s, 15), FieldDef(u"abt_strasse"_s, u"Abt. Strasse"_s, 15),
        FieldDef(u"abt_plz"_s, u"Abt. PLZ"_s, 5), FieldDef(u"abt_ort"_s, u"Abt. Ort"_s, 15),
        FieldDef(u"abt_ansprechpartner"_s, u"Abt. Ansprechpartner"_s, 25),
        FieldDef(u"abt_telefon_1"_s, u"Abt. Telefon 1"_s, 15), FieldDef(u"abt_telefon_2"_s, u"Abt. Telefon 2"_s, 15),
        FieldDef(u"abt_mobil_1"_s, u"Abt. Mobil 1"_s, 15), FieldDef(u"abt_mobil_2"_s, u"Abt. Mobil 2"_s, 15),
        FieldDef(u"abt_fax_1"_s, u"Abt. Fax 1"_s, 15), FieldDef(u"abt_fax_2"_s, u"Abt. Fax 2"_s, 15),
        FieldDef(u"abt_email_1"_s, u"Abt. Email 1"_s, 25), FieldDef(u"abt_email_2"_s, u"Abt. Email 2"_s, 25),
        FieldDef(u"abt_bemerkung"_s, u"Abt. Bemerkung"_s, 50), FieldDef(u"abt_geaendert_am"_s, u"geändert am"_s),
        FieldDef(u"abt_geaendert_von"_s, u"geändert von"_s, 15, true, linksbuendig),
        FieldDef(u"abt_erfasst_am"_s, u"erfasst_am"_s), FieldDef(u"abt_erfasst_von"_s, u"erfasst von"_s, 0, true, linksbuendig),
        FieldDef(u"abt_id"_s, u"Abt. ID"_s, 5, false),
    });

    feld(links(), u"Name : "_s, u"abt_name"_s, u"NameEdit"_s);
    feld(links(), u"Strasse : "_s, u"abt_strasse"_s, u"StrasseEdit"_s);
    feld(links(), u"PLZ : "_s, u"abt_plz"_s, u"PlzEdit"_s);
    feld(links(), u"Ort : "_s, u"abt_ort"_s, u"OrtEdit"_s);
    feld(links(), u"Ansprechpartner : "_s, u"abt_ansprechpartner"_s, u"AnsprechpartnerEdit"_s);
    feld(links(), u"Telefon 1 : "_s, u"abt_telefon_1"_s, u"Telefon1Edit"_s);
    feld(links(), u"Telefon 2 : "_s, u"abt_telefon_2"_s, u"Telefon2Edit"_s);
    feld(links(), u"Mobil 1 :  "_s, u"abt_mobil_1"_s, u"Mobil1Edit"_s);
    feld(links(), u"Mobil 2 :  "_s, u"abt_mobil_2"_s, u"Mobil2Edit"_s);
    feld(links(), u"Fax 1 : "_s, u"abt_fax_1"_s, u"Fax1Edit"_s);
    feld(links(), u"Fax 2 : "_s, u"abt_fax_2"_s, u"Fax2Edit"_s);
    feld(links(), u"Email 1 : "_s, u"abt_email_1"_s, u"Email1Edit"_s);
    feld(links(), u"Email 2 : "_s, u"abt_email_2"_s, u"Email2Edit"_s);
    memo(links(), u"Bemerkungen zu dieser Abteilung : "_s, u"abt_bemerkung"_s, u"BemerkungMemo"_s);
    auditBlock(rechts());
    rechts()->setRowStretch(rechts()->rowCount(), 1);

    if (!AbtListeDruckForm)
        AbtListeDruckForm = new TAbtListeDruckForm(DB, this);
    oeffnen({});
}

TAbteilungenForm::~TAbteilungenForm()
{
    if (AbteilungenForm == this)
        AbteilungenForm = nullptr;
}

QString TAbteilungenForm::loeschenVerhindert()
{
    const qint64 abteilung = qry_abteilungen->asInteger(u"abt_id"_s);
    const qint64 klienten =
        Loeschpruefung::anzahl(db(), u"select count(*) as anzahl from tbl_klienten_stamm where klient_abt = :id"_s, abteilung);
    const qint64 mitarbeiter =
        Loeschpruefung::anzahl(db(), u"select count(*) as anzahl from tbl_mitarbeiter where ma_abt = :id"_s, abteilung);
    if (klienten == 0 && mitarbeiter == 0)
        return {};
    return u"Die Abteilung kann nicht gelöscht werden, weil ihr noch %1 angehören!\n\n"
           "Bitte erst alle einer anderen Abteilung zuordnen und erneut versuchen ..."_s
        .arg(Loeschpruefung::aufzaehlung({{klienten, u"Klient"_s, u"Klienten"_s},
                                          {mitarbeiter, u"Mitarbeiter"_s, u"Mitarbeiter"_s}}));
}

TListeDruckForm *TAbteilungenForm::listeDruckForm() const
{
    return AbtListeDruckForm;
}
