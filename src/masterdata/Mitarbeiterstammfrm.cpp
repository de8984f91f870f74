#include "Mitarbeiterstammfrm.h"

#include "Mitarbeiterlistedruckfrm.h"
#include "datasource.h"
#include "dbedit.h"
#include "dblookupcombo.h"
#include "exception.h"
#include "messages.h"
#include "password.h"

#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TMitarbeiterStammForm *MitarbeiterStammForm = nullptr;

namespace {

// Stands for any stored password; it never depends on the stored value, so
// not even the length of a password can be read off the window.
const QString Kennwortmaske = u"********"_s;

StammArt mitarbeiter()
{
    StammArt a;
    a.objektName = u"MitarbeiterStammForm"_s;
    a.abfrage = u"qry_mitarbeiter"_s;
    a.titel = u"Vandrel - Mitarbeiterstamm"_s;
    a.sql = u"select * from tbl_mitarbeiter\norder by ma_name, ma_vorname, ma_plz, ma_strasse ;"_s;
    a.schluessel = u"ma_id"_s;
    a.praefix = u"ma"_s;
    a.bemerkung = u"ma_bemerkung"_s;
    a.kuerzel = u"Ma"_s;
    a.auswahlText = u"Mitarbeiter zur Bearbeitung auswählen : "_s;
    a.comboName = u"MaCombo"_s;
    a.comboSpalten = {u"ma_name"_s, u"ma_vorname"_s, u"ma_plz"_s, u"ma_strasse"_s};
    a.neuText = u"Neuen Mitarbeiter anlegen"_s;
    a.speicherText = u"Änderungen am Mitarbeiter speichern"_s;
    a.verwerfenText = u"Änderungen am Mitarbeiter verwerfen"_s;
    a.druckName = u"MitarbeiterListeDruckenBtn"_s;
    a.druckText = u"Mitarbeiterliste ausdrucken"_s;
    a.detailsName = u"DetailSheet"_s;
    a.exportTitel = u"Aktuelle Mitarbeiter-Liste"_s;
    a.titelSortierung = false;
    return a;
}

QLineEdit *kennwortFeld(QWidget *parent, const QString &objektName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objektName);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(u"lineedit-password-character: 42;"_s);
    return edit;
}

} // namespace

TMitarbeiterStammForm::TMitarbeiterStammForm(DbConnection *DB, std::function<qint32()> benutzerId, QWidget *parent)
    : TStammForm(DB, benutzerId, mitarbeiter(), parent),
      qry_abteilungen(new Dataset(DB, this)),
      src_abteilungen(new DataSource(qry_abteilungen, this)),
      search_abteilungen(new Dataset(DB, this)),
      m_benutzerId(std::move(benutzerId))
{
    qry_abteilungen->setObjectName(u"qry_abteilungen"_s);
    qry_abteilungen->setSql(u"select * from tbl_abteilungen\norder by abt_name ;"_s);
    search_abteilungen->setObjectName(u"search_abteilungen"_s);
    search_abteilungen->setSql(u"select * from tbl_abteilungen\nwhere abt_id = :id ;"_s);

    const Qt::Alignment linksbuendig = Qt::AlignLeft | Qt::AlignVCenter;
    felderFestlegen({
        FieldDef(u"ma_abt"_s, u"Abt."_s, 0, true, linksbuendig), FieldDef(u"ma_anrede"_s, u"Anrede"_s, 7),
        FieldDef(u"ma_name"_s, u"Name"_s, 25), FieldDef(u"ma_vorname"_s, u"Vorname"_s, 20),
        FieldDef(u"ma_prog_name"_s, u"Anmelde-Name"_s, 20), FieldDef(u"ma_kennwort"_s, u"Kennwort"_s, 10, false),
        FieldDef(u"ma_prog_berechtigung"_s, u"Prog.-Berechtigung"_s, 0, false), FieldDef(u"ma_hdz"_s, u"HDZ"_s, 5),
        FieldDef(u"ma_geburtstag"_s, u"Geburtstag"_s, 10), FieldDef(u"ma_strasse"_s, u"Strasse"_s, 20),
        FieldDef(u"ma_plz"_s, u"PLZ"_s, 5), FieldDef(u"ma_ort"_s, u"Ort"_s, 25),
        FieldDef(u"ma_telefon_1"_s, u"Telefon 1"_s, 15), FieldDef(u"ma_telefon_2"_s, u"Telefon 2"_s, 15),
        FieldDef(u"ma_mobil_1"_s, u"Mobil 1"_s, 15), FieldDef(u"ma_mobil_2"_s, u"Mobil 2"_s, 15),
        FieldDef(u"ma_fax_1"_s, u"Fax 1"_s, 15), FieldDef(u"ma_fax_2"_s, u"Fax 2"_s, 15),
        FieldDef(u"ma_email_1"_s, u"Email 1"_s, 25), FieldDef(u"ma_email_2"_s, u"Email 2"_s, 25),
        FieldDef(u"ma_bemerkung"_s, u"Bermerkung"_s, 50),
        FieldDef(u"ma_geaendert_von"_s, u"geändert von"_s, 15, true, linksbuendig),
        FieldDef(u"ma_geaendert_am"_s, u"geändert am"_s),
        FieldDef(u"ma_erfasst_von"_s, u"erfasst von"_s, 15, true, linksbuendig),
        FieldDef(u"ma_erfasst_am"_s, u"erfasst am"_s), FieldDef(u"ma_id"_s, {}, 0, false),
    });
    qry_mitarbeiter->setGetText(u"ma_abt"_s, [this](const QVariant &v) { return qry_mitarbeiterma_abtGetText(v); });
    // Neither the list, nor the export, nor the selection box ever shows a password or its hash.
    qry_mitarbeiter->setGetText(u"ma_kennwort"_s, [](const QVariant &) { return QString(); });

    AnredeEdit = feld(links(), u"Anrede (*) : "_s, u"ma_anrede"_s, u"AnredeEdit"_s);
    NameEdit = feld(links(), u"Name (*) : "_s, u"ma_name"_s, u"NameEdit"_s);
    VornameEdit = feld(links(), u"Vorname (*) : "_s, u"ma_vorname"_s, u"VornameEdit"_s);
    ProgNameEdit = feld(links(), u"Anmeldename für Login (*) : "_s, u"ma_prog_name"_s, u"ProgNameEdit"_s);
    KennwortEdit = kennwortFeld(DetailsSheet, u"KennwortEdit"_s);
    // Pasting or dropping into the mask would make it part of a password.
    KennwortEdit->setContextMenuPolicy(Qt::NoContextMenu);
    KennwortEdit->setAcceptDrops(false);
    KennwortEdit->installEventFilter(this);
    zeile(links(), u"Kennwort für Login (*) : "_s, KennwortEdit);
    WiederholungEdit = kennwortFeld(DetailsSheet, u"WiederholungEdit"_s);
    zeile(links(), u"Kennwort Wiederholung (*) : "_s, WiederholungEdit);
    HdzEdit = feld(links(), u"Handzeichen, max. 3 Zeichen (*) : "_s, u"ma_hdz"_s, u"HdzEdit"_s);
    HdzEdit->setMaxLength(3);
    AbteilungenCombo = new DbLookupCombo(DetailsSheet);
    AbteilungenCombo->setObjectName(u"AbteilungenCombo"_s);
    AbteilungenCombo->setList(qry_abteilungen, u"abt_id"_s, {u"abt_name"_s});
    AbteilungenCombo->bind(src_mitarbeiter, u"ma_abt"_s);
    zeile(links(), u"Mitarbeiter gehört zur Abteilung : "_s, AbteilungenCombo);
    feld(links(), u"Geburtstag : "_s, u"ma_geburtstag"_s, u"GeburtstagEdit"_s);
    feld(links(), u"Strasse : "_s, u"ma_strasse"_s, u"StrasseEdit"_s);
    feld(links(), u"PLZ : "_s, u"ma_plz"_s, u"PlzEdit"_s);
    feld(links(), u"Ort : "_s, u"ma_ort"_s, u"OrtEdit"_s);
    feld(links(), u"Telefon 1 : "_s, u"ma_telefon_1"_s, u"Telefon1Edit"_s);
    feld(links(), u"Telefon 2 : "_s, u"ma_telefon_2"_s, u"Telefon2Edit"_s);
    feld(links(), u"Mobil 1 : "_s, u"ma_mobil_1"_s, u"Mobil1Edit"_s);
    feld(links(), u"Mobil 2 : "_s, u"ma_mobil_2"_s, u"Mobil2Edit"_s);
    feld(links(), u"Fax 1 : "_s, u"ma_fax_1"_s, u"Fax1Edit"_s);
    feld(links(), u"Fax 2 : "_s, u"ma_fax_2"_s, u"Fax2Edit"_s);
    feld(links(), u"Email 1 : "_s, u"ma_email_1"_s, u"Email1Edit"_s);
    feld(links(), u"Email 2 : "_s, u"ma_email_2"_s, u"Email2Edit"_s);
    links()->setRowStretch(links()->rowCount(), 1);
    auditBlock(rechts());
    memo(rechts(), u"Bemerkungen zu diesem Mitarbeiter : "_s, u"ma_bemerkung"_s, u"BemerkungMemo"_s);
    rechts()->addWidget(new QLabel(u" (*) = Pflichtfelder "_s, DetailsSheet), rechts()->rowCount(), 0, 1, 2);

    connect(KennwortEdit, &QLineEdit::textEdited, this, &TMitarbeiterStammForm::KennwortEditChange);
    connect(WiederholungEdit, &QLineEdit::textChanged, this, &TMitarbeiterStammForm::WiederholungEditChange);
    // A typed password belongs to the record it was typed for: moving,
    // storing and discarding bring back the mask of what is stored.
    connect(qry_mitarbeiter, &Dataset::currentRowChanged, this, [this] { kennwortZeigen(true); });
    connect(src_mitarbeiter, &DataSource::stateChanged, this, [this](Dataset::State state) {
        if (state != Dataset::State::Edit && state != Dataset::State::Insert)
            kennwortZeigen(true);
    });
    connect(src_mitarbeiter, &DataSource::dataChanged, this, [this](const QString &field) {
        if (field.isEmpty() || field.compare(u"ma_kennwort"_s, Qt::CaseInsensitive) == 0)
            kennwortZeigen(false);
    });
    connect(src_abteilungen, &DataSource::stateChanged, this, [this] { src_StateChange(qry_mitarbeiter->state()); });
    // Leaving an edited employee stores it without the save button and
    // without the repeat of an unchanged password, but never an employee
    // who could not log in or whose login name is taken, and never drops a
    // new password. The bound edits have written their text by now, being
    // connected first.
    connect(src_mitarbeiter, &DataSource::updateRecordRequested, this, [this] {
        if (!qry_mitarbeiter->isModified() && !m_kennwortNeu)
            return;
        if (const Einwand einwand = pruefen(Pruefung::Verlassen); einwand.feld) {
            markieren(einwand.feld);
            throw Exception(einwand.text);
        }
        kennwortUebernehmen();
    });

    if (!MitarbeiterListeDruckForm)
        MitarbeiterListeDruckForm = new TMitarbeiterListeDruckForm(DB, this);
    oeffnen({qry_abteilungen});
}

TMitarbeiterStammForm::~TMitarbeiterStammForm()
{
    if (MitarbeiterStammForm == this)
        MitarbeiterStammForm = nullptr;
}

void TMitarbeiterStammForm::WiederholungEditChange()
{
    bearbeiten();
}

QString TMitarbeiterStammForm::qry_mitarbeiterma_abtGetText(const QVariant &value)
{
    search_abteilungen->close();
    search_abteilungen->setParam(u"id"_s, value.isNull() ? 0 : value.toLongLong());
    search_abteilungen->open();
    search_abteilungen->first();
    const QString text = search_abteilungen->isEmpty() ? Dataset::formatValue(value)
                                                       : search_abteilungen->asText(u"abt_name"_s);
    search_abteilungen->close();
    return text;
}

void TMitarbeiterStammForm::bearbeiten()
{
    if (qry_mitarbeiter->isEditing())
        return;
    // Editing an empty list starts a new record; what is being typed stays.
    m_beginnt = true;
    const auto ende = qScopeGuard([this] { m_beginnt = false; });
    qry_mitarbeiter->edit();
}

void TMitarbeiterStammForm::kennwortZeigen(bool forget)
{
    if (m_beginnt)
        return;
    if (forget)
        m_kennwortNeu = false;
    if (m_kennwortNeu)
        return;
    m_maske = qry_mitarbeiter->isOpen() && qry_mitarbeiter->currentRow() >= 0
        && !qry_mitarbeiter->asText(u"ma_kennwort"_s).isEmpty();
    KennwortEdit->setText(m_maske ? Kennwortmaske : QString());
}

void TMitarbeiterStammForm::neuesKennwort()
{
    m_maske = false;
    m_kennwortNeu = true;
    // Setting the text also forgets the undo steps, so the mask cannot come back.
    KennwortEdit->setText(QString());
    bearbeiten();
}

void TMitarbeiterStammForm::KennwortEditChange()
{
    // Input that came past the key filter (an input method, say) while the
    // mask was shown: the field starts empty and the user types anew.
    if (m_maske) {
        neuesKennwort();
        return;
    }
    m_kennwortNeu = true;
    bearbeiten();
}

bool TMitarbeiterStammForm::eventFilter(QObject *watched, QEvent *event)
{
    // The first key that changes the mask replaces it as a whole.
    if (watched == KennwortEdit && m_maske) {
        bool aendert = false;
        if (event->type() == QEvent::KeyPress) {
            const auto *taste = static_cast<QKeyEvent *>(event);
            aendert = (!taste->text().isEmpty() && taste->text().at(0).isPrint())
                || taste->key() == Qt::Key_Backspace || taste->key() == Qt::Key_Delete
                || taste->matches(QKeySequence::Paste) || taste->matches(QKeySequence::Cut);
        } else if (event->type() == QEvent::InputMethod) {
            aendert = !static_cast<QInputMethodEvent *>(event)->commitString().isEmpty();
        }
        if (aendert)
            neuesKennwort();
    }
    return TStammForm::eventFilter(watched, event);
}

QString TMitarbeiterStammForm::anmeldenameVergeben(const QString &name) const
{
    Dataset andere(db());
    andere.setSql(u"select ma_id, ma_prog_name from tbl_mitarbeiter\nwhere ma_id <> :id ;"_s);
    andere.setParam(u"id"_s, qry_mitarbeiter->asInteger(u"ma_id"_s));
    andere.open();
    // Letter case is no difference to a person; umlauts included, which the
    // database's own comparison would miss.
    for (andere.first(); !andere.atEnd(); andere.next()) {
        if (andere.asText(u"ma_prog_name"_s).compare(name, Qt::CaseInsensitive) == 0)
            return u"Der Anmeldename \"%1\" ist schon an einen anderen Mitarbeiter vergeben !\n\n"
                   "Bitte einen anderen Anmeldenamen eingeben ... "_s
                .arg(name);
    }
    return {};
}

void TMitarbeiterStammForm::markieren(QLineEdit *edit)
{
    // The field must be seen to be corrected.
    PageControl1->setCurrentWidget(DetailSheet);
    edit->setFocus();
    edit->selectAll();
}

TMitarbeiterStammForm::Einwand TMitarbeiterStammForm::pruefen(Pruefung pruefung) const
{
    // Saving asks for all seven; leaving a record for what a login needs.
    const QList<QLineEdit *> pflichtfelder = pruefung == Pruefung::Speichern
        ? QList<QLineEdit *>{AnredeEdit, NameEdit, VornameEdit, ProgNameEdit, KennwortEdit, WiederholungEdit, HdzEdit}
        : QList<QLineEdit *>{AnredeEdit, NameEdit, VornameEdit, ProgNameEdit, KennwortEdit};
    for (QLineEdit *edit : pflichtfelder) {
        if (edit->text().isEmpty())
            return {u"Alle Pflichtfelder müssen ausgefüllt werden !\n\nBitte ändern ... "_s, AnredeEdit};
    }
    // An unchanged password is confirmed against what is stored, a hash or
    // the plain text of older databases; a new one against what was typed.
    const bool bestaetigt = m_kennwortNeu
        ? KennwortEdit->text() == WiederholungEdit->text()
        : pruefung == Pruefung::Verlassen
            || passwordMatches(WiederholungEdit->text(), qry_mitarbeiter->asText(u"ma_kennwort"_s));
    if (!bestaetigt)
        return {u"Kennwort und Kennwort Wiederholung müssen übereinstimmen !\n\nBitte ändern ... "_s, WiederholungEdit};
    if (const QString grund = anmeldenameVergeben(ProgNameEdit->text()); !grund.isEmpty())
        return {grund, ProgNameEdit};
    return {};
}

void TMitarbeiterStammForm::kennwortUebernehmen()
{
    if (m_kennwortNeu)
        qry_mitarbeiter->setValue(u"ma_kennwort"_s, passwordHash(KennwortEdit->text()));
}

bool TMitarbeiterStammForm::speichernErlaubt()
{
    if (const Einwand einwand = pruefen(Pruefung::Speichern); einwand.feld) {
        Messages::error(this, einwand.text);
        markieren(einwand.feld);
        return false;
    }
    kennwortUebernehmen();
    return true;
}

QString TMitarbeiterStammForm::loeschenVerhindert()
{
    if (qry_mitarbeiter->asInteger(u"ma_id"_s) != m_benutzerId())
        return {};
    return u"Der angemeldete Mitarbeiter kann nicht gelöscht werden !\n\n"
           "Bitte als anderer Mitarbeiter anmelden und erneut versuchen ... "_s;
}

TListeDruckForm *TMitarbeiterStammForm::listeDruckForm() const
{
    return MitarbeiterListeDruckForm;
}
