#include "Aerztestammfrm.h"

#include "Aerztelistedruckfrm.h"
#include "Klientenstammfrm.h"
#include "Klientenvandrelfrm.h"
#include "Loeschpruefung.h"
#include "dbcheckbox.h"
#include "dbgrid.h"

#include <QGridLayout>

using namespace Qt::StringLiterals;

TAerzteStammForm *AerzteStammForm = nullptr;

namespace {

StammArt aerzte()
{
    StammArt a;
    a.objektName = u"AerzteStammForm"_s;
    a.abfrage = u"qry_aerzte"_s;
    a.titel = u"Vandrel - Ärztestamm"_s;
    a.sql = u"select * from tbl_aerzte_stamm\norder by arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_fachrichtung, "
            "arzt_stamm_plz, arzt_stamm_strasse ;"_s;
    a.schluessel = u"arzt_stamm_id"_s;
    a.praefix = u"arzt_stamm"_s;
    a.bemerkung = u"arzt_stamm_bemerkung"_s;
    a.kuerzel = u"Arzt"_s;
    a.auswahlText = u"Arzt zur Bearbeitung auswählen : "_s;
    a.comboName = u"ArztCombo"_s;
    a.comboSpalten = {u"arzt_stamm_name"_s, u"arzt_stamm_vorname"_s, u"arzt_stamm_fachrichtung"_s,
                      u"arzt_stamm_plz"_s, u"arzt_stamm_strasse"_s};
    a.neuText = u"Neuen Arzt anlegen"_s;
    a.speicherText = u"Änderungen am Arzt speichern"_s;
    a.verwerfenText = u"Änderungen am Arzt verwerfen"_s;
    a.druckName = u"AerzteListeDruckenBtn"_s;
    a.druckText = u"Ärzteliste ausdrucken"_s;
    a.detailsName = u"DetailsSheet"_s;
    a.exportTitel = u"Aktuelle Ärzte-Liste"_s;
    return a;
}

} // namespace

QList<FieldDef> AerzteFelder()
{
    const Qt::Alignment linksbuendig = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        FieldDef(u"arzt_stamm_name"_s, u"Name"_s, 15), FieldDef(u"arzt_stamm_vorname"_s, u"Vorname"_s, 10),
        FieldDef(u"arzt_stamm_anrede"_s, u"Anrede"_s, 7), FieldDef(u"arzt_stamm_titel"_s, u"Titel"_s, 15),
        FieldDef(u"arzt_stamm_fachrichtung"_s, u"Fachrichtung"_s, 25),
        FieldDef(u"arzt_stamm_strasse"_s, u"Strasse"_s, 20), FieldDef(u"arzt_stamm_plz"_s, u"Plz"_s, 10),
        FieldDef(u"arzt_stamm_ort"_s, u"Ort"_s, 20),
        FieldDef(u"arzt_stamm_telefon_1"_s, u"Telefon 1"_s, 15), FieldDef(u"arzt_stamm_telefon_2"_s, u"Telefon 2"_s, 15),
        FieldDef(u"arzt_stamm_mobil_1"_s, u"Mobil 1"_s, 15), FieldDef(u"arzt_stamm_mobil_2"_s, u"Mobil 2"_s, 15),
        FieldDef(u"arzt_stamm_fax_1"_s, u"Fax 1"_s, 15), FieldDef(u"arzt_stamm_fax_2"_s, u"Fax 2"_s, 15),
        FieldDef(u"arzt_stamm_email_1"_s, u"Email 1"_s, 25), FieldDef(u"arzt_stamm_email_2"_s, u"Email 2"_s, 25),
        FieldDef(u"arzt_stamm_geburtstag"_s, u"Geburtstag"_s, 10),
        FieldDef(u"arzt_stamm_bemerkung"_s, u"Bemerkung"_s, 50),
        FieldDef(u"arzt_stamm_geaendert_von"_s, u"geändert von"_s, 15, true, linksbuendig),
        FieldDef(u"arzt_stamm_geaendert_am"_s, u"geändert am"_s),
        FieldDef(u"arzt_stamm_erfasst_von"_s, u"erfasst von"_s, 0, true, linksbuendig),
        FieldDef(u"arzt_stamm_erfasst_am"_s, u"erfasst am"_s),
        FieldDef(u"arzt_stamm_best_email"_s, {}, 0, false), FieldDef(u"arzt_stamm_best_per_email"_s, {}, 0, false),
        // Loaded so the list is the whole doctor, but shown and changed nowhere:
        // a stored doctor keeps the web address the database holds.
        FieldDef(u"arzt_stamm_web"_s, {}, 0, false), FieldDef(u"arzt_stamm_id"_s, {}, 0, false),
    };
}

TAerzteStammForm::TAerzteStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent)
    : TStammForm(DB, std::move(benutzerId), aerzte(), parent)
{
    felderFestlegen(AerzteFelder());

    feld(links(), u"Anrede : "_s, u"arzt_stamm_anrede"_s, u"AnredeEdit"_s);
    feld(links(), u"Titel : "_s, u"arzt_stamm_titel"_s, u"TitelEdit"_s);
    feld(links(), u"Name : "_s, u"arzt_stamm_name"_s, u"NameEdit"_s);
    feld(links(), u"Vorname : "_s, u"arzt_stamm_vorname"_s, u"VornameEdit"_s);
    feld(links(), u"Fachrichtung : "_s, u"arzt_stamm_fachrichtung"_s, u"FachrichtungEdit"_s);
    feld(links(), u"Strasse : "_s, u"arzt_stamm_strasse"_s, u"StrasseEdit"_s);
    feld(links(), u"PLZ : "_s, u"arzt_stamm_plz"_s, u"PlzEdit"_s);
    feld(links(), u"Ort : "_s, u"arzt_stamm_ort"_s, u"OrtEdit"_s);
    feld(links(), u"Telefon 1 : "_s, u"arzt_stamm_telefon_1"_s, u"Telefon1Edit"_s);
    feld(links(), u"Telefon 2 : "_s, u"arzt_stamm_telefon_2"_s, u"Telefon2Edit"_s);
    feld(links(), u"Mobil 1 :  "_s, u"arzt_stamm_mobil_1"_s, u"Mobil1Edit"_s);
    feld(links(), u"Mobil 2 :  "_s, u"arzt_stamm_mobil_2"_s, u"Mobil2Edit"_s);
    feld(links(), u"Fax 1 : "_s, u"arzt_stamm_fax_1"_s, u"Fax1Edit"_s);
    feld(links(), u"Fax 2 : "_s, u"arzt_stamm_fax_2"_s, u"Fax2Edit"_s);
    feld(links(), u"Email 1 : "_s, u"arzt_stamm_email_1"_s, u"Email1Edit"_s);
    feld(links(), u"Email 2 : "_s, u"arzt_stamm_email_2"_s, u"Email2Edit"_s);
    // The caption stands left of the box, in the column of the other labels.
    BestPerEmailCheckBox = new DbCheckBox(QString(), DetailsSheet);
    BestPerEmailCheckBox->setObjectName(u"BestPerEmailCheckBox"_s);
    BestPerEmailCheckBox->bind(src_aerzte, u"arzt_stamm_best_per_email"_s);
    zeile(links(), u"Anforderungen ( Rezepte/VO ) per Email : "_s, BestPerEmailCheckBox);
    feld(links(), u"Email für Anforderungen ( Rezepte/VO ) : "_s, u"arzt_stamm_best_email"_s, u"BestEmailEdit"_s);
    feld(links(), u"Geburtstag : "_s, u"arzt_stamm_geburtstag"_s, u"GeburtstagEdit"_s);
    links()->setRowStretch(links()->rowCount(), 1);
    auditBlock(rechts());
    memo(rechts(), u"Bemerkungen zu diesem Arzt : "_s, u"arzt_stamm_bemerkung"_s, u"BemerkungMemo"_s);

    if (!AerzteListeDruckForm)
        AerzteListeDruckForm = new TAerzteListeDruckForm(DB, this);
    oeffnen({});
}

TAerzteStammForm::~TAerzteStammForm()
{
    if (AerzteStammForm == this)
        AerzteStammForm = nullptr;
}

void TAerzteStammForm::gespeichert()
{
    if (KlientenVandrelForm) {
        KlientenVandrelForm->qry_aerzte->reopen();
        // Its client list names the family doctors; a renamed one shows at once.
        KlientenVandrelForm->KlientenGrid->viewport()->update();
    }
    // The family-doctor box offers the stored doctor and keeps the client's own.
    if (KlientenStammForm)
        KlientenStammForm->qry_aerzte->reopen();
}

QString TAerzteStammForm::loeschenVerhindert()
{
    const qint64 klienten = Loeschpruefung::anzahl(
        db(), u"select count(*) as anzahl from tbl_klienten_stamm where klient_hausarzt = :id"_s,
        qry_aerzte->asInteger(u"arzt_stamm_id"_s));
    if (klienten == 0)
        return {};
    return u"Der Arzt kann nicht gelöscht werden, weil er noch bei %1 Klienten als Hausarzt eingetragen ist!\n\n"
           "Bitte erst in der Klientenliste einen anderen Hausarzt eintragen und erneut versuchen ..."_s
        .arg(klienten);
}

TListeDruckForm *TAerzteStammForm::listeDruckForm() const
{
    return AerzteListeDruckForm;
}
