#include "Listedruckfrm.h"

#include "Global.h"
#include "dataset.h"
#include "report.h"

#include <QCloseEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Millimetres. Texts of the upper line of a band start at oben, those of the
// lower line at unten.
constexpr double oben = 0.8;
constexpr double unten = 6.6;
// Room for one line of text: a band grows only when a text needs more lines.
constexpr double zeile12 = 5.2;
constexpr double zeile10 = 4.3;
constexpr double zeile6 = 2.6;

constexpr double blockHoehe = 12.7;
constexpr double bemerkungLinks = 227.0;
constexpr double bemerkungBreite = 49.5;

constexpr ReportFont fett12{12, true, false};
constexpr ReportFont normal10{10, false, false};
constexpr ReportFont fett10{10, true, false};
constexpr ReportFont kursiv6{6, false, true};

} // namespace

TListeDruckForm::TListeDruckForm(DbConnection *DB, const QString &sql, const QString &vorschauTitel,
                                 QWidget *parent)
    // A window of its own, so that showing the window that owns it never
    // shows this holder too.
    : QWidget(parent, Qt::Window),
      Bericht(new Report(this)),
      m_abfrage(new Dataset(DB, this)),
      m_vorschauTitel(vorschauTitel)
{
    m_abfrage->setSql(sql);

    ReportDefinition &d = Bericht->definition();
    d.pageSize = QPageSize::A4;
    d.orientation = QPageLayout::Landscape;
    d.margins = QMarginsF(10, 10, 10, 10);
    d.fontFamily = u"Arial"_s;
    d.printIfEmpty = true;
    d.setRecords(std::make_unique<DatasetRecords>(m_abfrage));

    kopfAnlegen();
    DetailBand1 = d.setDetail(u"DetailBand1"_s, blockHoehe);
    DetailBand1->frame = Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
    fussAnlegen();
}

TListeDruckForm::~TListeDruckForm() = default;

void TListeDruckForm::kopfAnlegen()
{
    PageHeaderBand1 = Bericht->definition().setPageHeader(u"PageHeaderBand1"_s, 7.7);
    PageHeaderBand1->frame = Qt::BottomEdge;
    PageHeaderBand1->beforePrint = [this] { return PageHeaderBand1BeforePrint(); };
    OrgNameLabel = PageHeaderBand1->addLabel(u"OrgNameLabel"_s, 1.3, oben, 105.0, zeile12, QString(), fett12);
    OrgNameLabel->wordWrap = true;
    PageHeaderBand1->addLabel(u"GedrucktAmLabel"_s, 207.2, oben, 20.9, zeile10, u"gedruckt am"_s, normal10);
    ReportItem *datum =
        PageHeaderBand1->addSystemField(ReportItem::Kind::Date, u"DatumField"_s, 228.1, oben, 20.1, zeile10, normal10);
    datum->alignment = Qt::AlignRight;
    PageHeaderBand1->addLabel(u"UmLabel"_s, 249.8, oben, 6.6, zeile10, u"um"_s, normal10);
    ReportItem *zeit =
        PageHeaderBand1->addSystemField(ReportItem::Kind::Time, u"ZeitField"_s, 256.4, oben, 12.2, zeile10, normal10);
    zeit->alignment = Qt::AlignRight;
    PageHeaderBand1->addLabel(u"UhrLabel"_s, 270.1, oben, 6.9, zeile10, u"Uhr"_s, normal10);

    ChildBand1 = PageHeaderBand1->addChild(u"ChildBand1"_s, blockHoehe);
    ChildBand1->frame = Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
}

void TListeDruckForm::fussAnlegen()
{
    PageFooterBand1 = Bericht->definition().setPageFooter(u"PageFooterBand1"_s, 6.4);
    PageFooterBand1->addLabel(u"SeiteLabel"_s, 254.5, oben, 9.8, zeile10, u"Seite"_s, normal10);
    ReportItem *seite = PageFooterBand1->addSystemField(ReportItem::Kind::PageNumber, u"SeitenzahlField"_s, 264.3,
                                                        oben, 11.4, zeile10, normal10);
    seite->alignment = Qt::AlignRight;

    ChildBand2 = PageFooterBand1->addChild(u"ChildBand2"_s, 4.0);
    ChildBand2->addLabel(u"ErstelltMitLabel"_s, 255.9, oben, 21.1, zeile6, u"Erstellt mit Quendor"_s, kursiv6);
}

void TListeDruckForm::titel(const QString &text, double links)
{
    PageHeaderBand1->addLabel(u"TitelLabel"_s, links, oben, 206.2 - links, zeile12, text, fett12);
}

ReportItem *TListeDruckForm::spaltenkopf(Zeile zeile, double links, double breite, const QString &text,
                                          const QString &spalte)
{
    const double top = zeile == Zeile::Oben ? oben : unten;
    return ChildBand1->addLabel(spalte + u"Label"_s, links, top, breite, zeile10, text, fett10);
}

ReportItem *TListeDruckForm::spalte(Zeile zeile, double links, double breite, const QString &ueberschrift,
                                    const QString &feld, bool fett)
{
    spaltenkopf(zeile, links, breite, ueberschrift, feld);
    const double top = zeile == Zeile::Oben ? oben : unten;
    ReportItem *wert = DetailBand1->addField(feld, links, top, breite, zeile10, feld, fett ? fett10 : normal10);
    wert->wordWrap = true;
    return wert;
}

ReportItem *TListeDruckForm::berechneteSpalte(Zeile zeile, double links, double breite, const QString &ueberschrift,
                                              const QString &name, std::function<QString()> wert)
{
    spaltenkopf(zeile, links, breite, ueberschrift, name);
    const double top = zeile == Zeile::Oben ? oben : unten;
    ReportItem *item = DetailBand1->addComputed(name, links, top, breite, zeile10, std::move(wert), normal10);
    item->wordWrap = true;
    return item;
}

ReportItem *TListeDruckForm::bemerkungen(const QString &feld)
{
    spaltenkopf(Zeile::Unten, bemerkungLinks, bemerkungBreite, u"Bemerkungen"_s, feld);
    // From the upper line down to where the lower line's texts end: two
    // lines fit, a third grows the block.
    ReportItem *wert = DetailBand1->addField(feld, bemerkungLinks, oben, bemerkungBreite, unten - oben + zeile10,
                                             feld, normal10);
    wert->wordWrap = true;
    return wert;
}

void TListeDruckForm::trennlinien(std::initializer_list<double> links)
{
    int nummer = 0;
    for (double x : links)
        DetailBand1->addVerticalLine(u"Trennlinie%1"_s.arg(++nummer), x);
}

void TListeDruckForm::ListeDrucken()
{
    // Read anew, so that the list shows everything saved so far.
    m_abfrage->close();
    m_abfrage->open();
    // Owned by this hidden form, the preview is an ordinary window that no
    // other window keeps below it; it goes when the form is released.
    Bericht->preview(m_vorschauTitel, this);
}

bool TListeDruckForm::PageHeaderBand1BeforePrint()
{
    QString org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2, org_email_1,
        org_email_2, org_web_1, org_web_2;
    OrgDatenLesen(org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2, org_email_1,
                  org_email_2, org_web_1, org_web_2);
    OrgNameLabel->text = org_name;
    return true;
}

void TListeDruckForm::closeEvent(QCloseEvent *event)
{
    event->accept();
}
