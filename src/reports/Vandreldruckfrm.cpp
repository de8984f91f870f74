#include "Vandreldruckfrm.h"

#include "Datenmodulfrm.h"
#include "Global.h"
#include "dataset.h"
#include "report.h"

using namespace Qt::StringLiterals;

TVandrelDruckForm *VandrelDruckForm = nullptr;

namespace {

const QColor hellgrau(0xE0, 0xE0, 0xE0);
constexpr ReportFont normal10{10, false, false};
constexpr ReportFont normal12{12, false, false};
constexpr ReportFont fett12{12, true, false};
constexpr ReportFont klein8{8, false, false};

// Left edges of the section's columns in millimetres; the last one closes
// the table at the right margin.
constexpr double spalten[] = {0, 59.0, 120.7, 131.8, 141.3, 203.2, 211.9, 222.5, 266.7, 277.0};

Dataset *klientenQuery(DbConnection *DB, const QString &sql, QObject *parent)
{
    auto *q = new Dataset(DB, parent);
    q->setSql(sql);
    return q;
}

void spaltenLinien(ReportBand *band)
{
    for (int i = 1; i < 9; ++i)
        band->addVerticalLine(u"Linie%1"_s.arg(i), spalten[i]);
}

ReportItem *spaltenText(ReportBand *band, const QString &name, int spalte, const QString &text, ReportFont font)
{
    // The first column holds the separator of 50 "-" on one line, so its
    // text reaches the column's right edge.
    const double links = spalten[spalte] + (spalte == 0 ? 0.1 : 0.8);
    const double breite = spalten[spalte + 1] - links - (spalte == 0 ? 0.0 : 0.8);
    ReportItem *item = band->addLabel(name, links, 0.8, breite, band->height - 1.6, text, font);
    item->wordWrap = true;
    return item;
}

} // namespace

TVandrelDruckForm::TVandrelDruckForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent)
    : QWidget(parent, Qt::Window),
      Bericht(new Report(this)),
      qry_aktivitaeten(new Dataset(ORG_DB, this)),
      qry_probleme(klientenQuery(DB, u"select * from tbl_klienten_probleme\nwhere\nklientprob_klient_id = :klient and\n"
                                     "klientprob_aktivitaeten_gruppe = :aktivitaet\norder by\nklientprob_problem_pos ;"_s,
                                 this)),
      qry_ressourcen(klientenQuery(DB, u"select * from tbl_klienten_ressourcen\nwhere\nklientres_klient_id = :klient and\n"
                                       "klientres_aktivitaeten_gruppe = :aktivitaet\norder by\nklientres_ressource_pos ;"_s,
                                   this)),
      qry_ziele(klientenQuery(DB, u"select * from tbl_klienten_ziele\nwhere\nklientziele_klient_id = :klient and\n"
                                  "klientziele_aktivitaeten_gruppe = :aktivitaet\norder by\nklientziele_ziel_pos ;"_s,
                              this)),
      qry_massnahmen(klientenQuery(DB, u"select * from tbl_klienten_massnahmen\nwhere\nklientmas_klient_id = :klient and\n"
                                       "klientmas_aktivitaeten_gruppe = :aktivitaet\norder by\nklientmas_massnahme_pos ;"_s,
                                   this)),
      qry_evaluationen(klientenQuery(DB, u"select * from tbl_klienten_evaluationen\nwhere\nklienteval_klient_id = :klient and\n"
                                         "klienteval_aktivitaeten_gruppe = :aktivitaet\norder by\nklienteval_eval_pos ;"_s,
                                     this))
{
    setObjectName(u"VandrelDruckForm"_s);
    setWindowTitle(u"Vandrel - drucken ..."_s);
    qry_aktivitaeten->setSql(u"select * from tbl_aktivitaeten_gruppen ;"_s);

    ReportDefinition &d = Bericht->definition();
    d.pageSize = QPageSize::A4;
    d.orientation = QPageLayout::Landscape;
    d.margins = QMarginsF(10, 20, 10, 10);
    d.fontFamily = u"Arial"_s;
    d.printIfEmpty = true;
    d.setRecords(std::make_unique<DatasetRecords>(qry_aktivitaeten));
    seitenkopfAnlegen();
    abschnittAnlegen();
    seitenfussAnlegen();
    VandrelDruckForm = this;
}

TVandrelDruckForm::~TVandrelDruckForm()
{
    if (VandrelDruckForm == this)
        VandrelDruckForm = nullptr;
}

void TVandrelDruckForm::seitenkopfAnlegen()
{
    PageHeaderBand1 = Bericht->definition().setPageHeader(u"PageHeaderBand1"_s, 30.2);
    ReportBand *b = PageHeaderBand1;
    OrgNameLabel = b->addLabel(u"OrgNameLabel"_s, 1.3, 0.8, 99.0, 5.3, QString(), fett12);
    OrgNameLabel->wordWrap = true;
    AbteilungLabel = b->addLabel(u"AbteilungLabel"_s, 1.3, 15.3, 99.0, 4.5, QString(), {10, true, false});
    b->addLabel(u"QRLabel1"_s, 119.9, 0.8, 30.0, 5.3, u"Vandrel"_s, fett12);
    b->addLabel(u"QRLabel15"_s, 119.9, 9.3, 19.5, 5.3, u"Name : "_s, normal12);
    KlientNameLabel = b->addLabel(u"KlientNameLabel"_s, 139.4, 9.3, 69.0, 5.3, QString(), normal12);
    KlientNameLabel->wordWrap = true;
    b->addLabel(u"QRLabel17"_s, 119.9, 15.3, 33.3, 5.3, u"Geburtsdatum : "_s, normal12);
    KlientGeburtstagLabel = b->addLabel(u"KlientGeburtstagLabel"_s, 153.2, 15.3, 40.0, 5.3, QString(), normal12);
    b->addLabel(u"QRLabel3"_s, 209.6, 1.1, 20.6, 4.5, u"Gedruckt am"_s, normal10);
    b->addSystemField(ReportItem::Kind::Date, u"QRSysData2"_s, 230.2, 1.1, 18.0, 4.5, normal10)->alignment =
        Qt::AlignRight;
    b->addLabel(u"QRLabel4"_s, 249.8, 1.1, 6.6, 4.5, u"um"_s, normal10);
    b->addSystemField(ReportItem::Kind::Time, u"QRSysData3"_s, 256.4, 1.1, 12.2, 4.5, normal10)->alignment =
        Qt::AlignRight;
    b->addLabel(u"QRLabel5"_s, 270.1, 1.1, 6.9, 4.5, u"Uhr"_s, normal10);
    b->addLabel(u"QRLabel16"_s, 209.6, 7.7, 20.6, 4.5, u"Erstellt von : "_s, normal10);
    ErstelltVonLabel = b->addLabel(u"ErstelltVonLabel"_s, 230.2, 7.7, 45.5, 4.5, QString(), normal10);
    ErstelltVonLabel->alignment = Qt::AlignRight;
    ErstelltVonLabel->wordWrap = true;
    b->beforePrint = [this] { return PageHeaderBand1BeforePrint(); };

    // On the further pages of a section the group's name stands here.
    PageHeaderChildBand = b->addChild(u"PageHeaderChildBand"_s, 7.1);
    PageHeaderChildBand->background = hellgrau;
    PageHeaderChildBand->frame = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    PageHeaderChildBand->enabled = false;
    PageHeaderChildBand->addField(u"QRDBText2"_s, 1.3, 0.8, 270.0, 5.3, u"aktivitaet_bezeichnung"_s, fett12);
}

void TVandrelDruckForm::abschnittAnlegen()
{
    ReportDefinition &d = Bericht->definition();
    AktivitaetGruppe = d.setGroupHeader(u"AktivitaetGruppe"_s, 7.9);
    AktivitaetGruppe->background = hellgrau;
    AktivitaetGruppe->frame = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    AktivitaetGruppe->newPage = true;
    AktivitaetGruppe->breakValue = [this] { return QVariant(qry_aktivitaeten->asText(u"aktivitaet_bezeichnung"_s)); };
    AktivitaetGruppe->addField(u"QRDBText1"_s, 1.3, 0.8, 270.0, 5.3, u"aktivitaet_bezeichnung"_s, fett12);
    AktivitaetGruppe->beforePrint = [this] { return AktivitaetGruppeBeforePrint(); };
    AktivitaetGruppe->afterPrint = [this] { AktivitaetGruppeAfterPrint(); };

    const Qt::Edges offenOben = Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
    AktivitaetChild = AktivitaetGruppe->addChild(u"AktivitaetChild"_s, 11.1);
    AktivitaetChild->frame = offenOben;
    spaltenText(AktivitaetChild, u"QRLabel6"_s, 0, u"Probleme /\nRessourcen"_s, normal10);
    spaltenText(AktivitaetChild, u"QRLabel7"_s, 1, u"Ziele"_s, normal10);
    spaltenText(AktivitaetChild, u"QRLabel8"_s, 2, u"Prüfen"_s, klein8);
    spaltenText(AktivitaetChild, u"QRLabel9"_s, 3, u"HDZ"_s, klein8);
    spaltenText(AktivitaetChild, u"QRLabel10"_s, 4, u"Maßnahmen"_s, normal10);
    spaltenText(AktivitaetChild, u"QRLabel11"_s, 5, u"HDZ"_s, klein8);
    spaltenText(AktivitaetChild, u"QRLabel12"_s, 6, u"Datum"_s, klein8);
    spaltenText(AktivitaetChild, u"QRLabel13"_s, 7, u"Evaluationen"_s, normal10);
    spaltenText(AktivitaetChild, u"QRLabel18"_s, 8, u"HDZ"_s, klein8);
    spaltenLinien(AktivitaetChild);

    AktivitaetChild2 = AktivitaetChild->addChild(u"AktivitaetChild2"_s, 11.1);
    AktivitaetChild2->frame = offenOben;
    ProblemeRessourcenMemo = spaltenText(AktivitaetChild2, u"ProblemeRessourcenMemo"_s, 0, QString(), normal10);
    ZieleMemo = spaltenText(AktivitaetChild2, u"ZieleMemo"_s, 1, QString(), normal10);
    PruefDatumLabel = spaltenText(AktivitaetChild2, u"PruefDatumLabel"_s, 2, QString(), klein8);
    HdzLabel1 = spaltenText(AktivitaetChild2, u"HdzLabel1"_s, 3, QString(), klein8);
    MassnahmenMemo = spaltenText(AktivitaetChild2, u"MassnahmenMemo"_s, 4, QString(), normal10);
    HdzLabel2 = spaltenText(AktivitaetChild2, u"HdzLabel2"_s, 5, QString(), klein8);
    EvaluationenMemo = spaltenText(AktivitaetChild2, u"EvaluationenMemo"_s, 7, QString(), normal10);
    HdzLabel3 = spaltenText(AktivitaetChild2, u"HdzLabel3"_s, 8, QString(), klein8);
    spaltenLinien(AktivitaetChild2);
}

void TVandrelDruckForm::seitenfussAnlegen()
{
    PageFooterBand1 = Bericht->definition().setPageFooter(u"PageFooterBand1"_s, 8.7);
    PageFooterBand1->addLabel(u"QRLabel14"_s, 262.0, 3.0, 8.0, 3.5, u"Seite"_s, klein8);
    PageFooterBand1->addSystemField(ReportItem::Kind::PageNumber, u"QRSysData1"_s, 270.0, 3.0, 7.0, 3.5, klein8)
        ->alignment = Qt::AlignRight;
    ChildBand2 = PageFooterBand1->addChild(u"ChildBand2"_s, 5.6);
    ChildBand2->addLabel(u"QRLabel2"_s, 197.0, 1.0, 80.0, 3.0, u"Erstellt mit Vandrel Tessaro"_s, {6, false, true})
        ->alignment = Qt::AlignRight;
}

void TVandrelDruckForm::BerichtVorbereiten(const Klient &klient, const QString &aktivitaetenSql, qint32 benutzerId)
{
    KlientNameLabel->text = klient.klient_anrede + u" "_s + klient.klient_vorname + u" "_s + klient.klient_name;
    KlientId = klient.klient_id;
    // The group's name under the page header belongs to the further pages of
    // a section; the last run left it switched on.
    PageHeaderChildBand->enabled = false;
    KlientGeburtstagLabel->text = klient.klient_geburtstag.isValid()
        ? klient.klient_geburtstag.date().toString(u"dd.MM.yyyy"_s)
        : QString();
    // Without a review date the field stays empty for a handwritten month.
    PruefDatumLabel->text = klient.klient_naechste_eval_ueberpruefung_am.isValid()
        ? klient.klient_naechste_eval_ueberpruefung_am.date().toString(u"MM / yyyy"_s)
        : QString();
    AbteilungLabel->text = klient.abteilung;

    Dataset *parameter = DatenModul->qry_parameter;
    parameter->close();
    parameter->setParam(u"param"_s, u"AbteilungenAnzeigen"_s);
    parameter->open();
    if (!parameter->isEmpty()) {
        const bool anzeigen = parameter->asText(u"param_wert_1"_s) == u"ja"_s;
        AbteilungLabel->visible = anzeigen;
        if (!anzeigen)
            AbteilungLabel->text.clear();
    }
    parameter->close();

    Dataset *mitarbeiter = DatenModul->search_mitarbeiter;
    mitarbeiter->close();
    mitarbeiter->setParam(u"id"_s, benutzerId);
    mitarbeiter->open();
    QString hdz;
    if (mitarbeiter->isEmpty()) {
        ErstelltVonLabel->text = u"MA-ID-FEHLER"_s;
        hdz = u"???"_s;
    } else {
        ErstelltVonLabel->text = mitarbeiter->asText(u"ma_vorname"_s) + u" "_s + mitarbeiter->asText(u"ma_name"_s);
        hdz = mitarbeiter->asText(u"ma_hdz"_s);
    }
    mitarbeiter->close();
    HdzLabel1->text = hdz;
    HdzLabel2->text = hdz;
    HdzLabel3->text = hdz;

    qry_aktivitaeten->close();
    qry_aktivitaeten->setSql(aktivitaetenSql);
    qry_aktivitaeten->open();

    QString name = klient.klient_name + u" "_s + klient.klient_vorname;
    name.replace(u'/', u'-').replace(u'\\', u'-');
    Bericht->setProposedFileName(u"Pflegeplanung %1.pdf"_s.arg(name.simplified()));
}

void TVandrelDruckForm::Vorschau()
{
    Bericht->preview(u"Vandrel - Vorschau"_s, this);
}

bool TVandrelDruckForm::Drucken()
{
    // The care-planning window is what the user sees; its messages belong there.
    return Bericht->print(windowTitle(), parentWidget());
}

bool TVandrelDruckForm::PageHeaderBand1BeforePrint()
{
    QString org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2, org_email_1,
        org_email_2, org_web_1, org_web_2;
    OrgDatenLesen(org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2,
                  org_email_1, org_email_2, org_web_1, org_web_2);
    OrgNameLabel->text = org_name;
    return true;
}

QStringList TVandrelDruckForm::eintraege(Dataset *query, const QString &textField)
{
    query->close();
    query->setParam(u"klient"_s, KlientId);
    query->setParam(u"aktivitaet"_s, qry_aktivitaeten->asInteger(u"aktivitaet_id"_s));
    query->open();
    QStringList lines;
    for (query->first(); !query->atEnd(); query->next())
        lines.append(u"- "_s + query->asText(textField));
    query->close();
    return lines;
}

bool TVandrelDruckForm::AktivitaetGruppeBeforePrint()
{
    PageHeaderChildBand->enabled = false;
    const QStringList probleme = eintraege(qry_probleme, u"klientprob_problem_bezeichnung"_s);
    const bool drucken = !probleme.isEmpty();
    AktivitaetChild->enabled = drucken;
    AktivitaetChild2->enabled = drucken;

    QStringList spalte1 = probleme;
    spalte1 << QString() << QString(50, u'-') << QString();
    spalte1 << eintraege(qry_ressourcen, u"klientres_ressource_bezeichnung"_s);
    ProblemeRessourcenMemo->text = spalte1.join(u'\n');
    ZieleMemo->text = eintraege(qry_ziele, u"klientziele_ziel_bezeichnung"_s).join(u'\n');
    MassnahmenMemo->text = eintraege(qry_massnahmen, u"klientmas_massnahme_bezeichnung"_s).join(u'\n');
    const QStringList evaluationen = eintraege(qry_evaluationen, u"klienteval_eval_bezeichnung"_s);
    EvaluationenMemo->text = evaluationen.join(u'\n');
    HdzLabel3->visible = !evaluationen.isEmpty();
    return drucken;
}

void TVandrelDruckForm::AktivitaetGruppeAfterPrint()
{
    PageHeaderChildBand->enabled = true;
}
