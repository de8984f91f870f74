#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>

class Dataset;
class DbConnection;
class Report;
class ReportBand;
class ReportItem;

// What the four printed master-data lists (departments, employees, doctors,
// clients) share: a form that is never shown and holds the list's query and
// its report, A4 landscape with the organisation's name, title and print time
// in the page header, the column captions below it on every page, one framed
// two-line block per record and the page number in the footer. A list form
// adds its title, captions, values and column lines.
class TListeDruckForm : public QWidget
{
    Q_OBJECT

public:
    ~TListeDruckForm() override;

    Report *Bericht;
    ReportBand *PageHeaderBand1;
    ReportBand *ChildBand1;        // column captions, under the page header on every page
    ReportBand *DetailBand1;       // one block per record
    ReportBand *PageFooterBand1;
    ReportBand *ChildBand2;        // "Erstellt mit Quendor"
    ReportItem *OrgNameLabel;

    // The list's query, in the order the list prints.
    Dataset *abfrage() const { return m_abfrage; }

    // Reads the list afresh and opens its preview; while the preview is open
    // a further request only brings it to the front. Raises the database
    // layer's exception when the query fails, and what the page header
    // raises; no preview opens then.
    void ListeDrucken();

    // Puts the organisation's name into the page header before every page;
    // raises what OrgDatenLesen raises. The header always prints.
    bool PageHeaderBand1BeforePrint();

protected:
    enum class Zeile { Oben, Unten };

    // sql is the list's own statement on the care database DB;
    // vorschauTitel names the preview window.
    TListeDruckForm(DbConnection *DB, const QString &sql, const QString &vorschauTitel, QWidget *parent);

    // The report's title in the page header, left mm from the margin.
    void titel(const QString &text, double links);
    // A column of the record block with its caption above it in the column
    // header; the value wraps at blanks and lets the block grow.
    ReportItem *spalte(Zeile zeile, double links, double breite, const QString &ueberschrift,
                       const QString &feld, bool fett = false);
    // A column whose value the form computes from the current record.
    ReportItem *berechneteSpalte(Zeile zeile, double links, double breite, const QString &ueberschrift,
                                 const QString &name, std::function<QString()> wert);
    // The remarks, over both lines at the right edge of the block.
    ReportItem *bemerkungen(const QString &feld);
    // Lines between the columns over the block's full, grown height.
    void trennlinien(std::initializer_list<double> links);

    // Closing only hides the form; the window that created it releases it.
    void closeEvent(QCloseEvent *event) override;

private:
    // The caption of a column, named after the column.
    ReportItem *spaltenkopf(Zeile zeile, double links, double breite, const QString &text, const QString &spalte);
    void kopfAnlegen();
    void fussAnlegen();

    Dataset *m_abfrage;
    QString m_vorschauTitel;
};
