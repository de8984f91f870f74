#pragma once

#include <QColor>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class Dataset;

// A font of a report: the report's family at a size in points.
struct ReportFont
{
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
};

// One thing a band prints. Positions are millimetres from the band's top
// left corner.
class ReportItem
{
public:
    enum class Kind {
        Label,        // text set from code
        Field,        // a column of the current record, as the database layer shows it
        Computed,     // text computed when the band prints
        Date,         // the date of printing
        Time,         // the time of printing
        PageNumber,   // the number of the page
        VerticalLine  // a line at left over the band's full (grown) height
    };

    ReportItem(Kind kind, QString name) : kind(kind), name(std::move(name)) {}

    Kind kind;
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    // Breaks the text into lines at blanks to fit the width and lets the band
    // grow for them; otherwise the text is one line per line break.
    bool wordWrap = false;
    bool visible = true;
    QString text;                          // Label
    QString field;                         // Field
    std::function<QString()> compute;      // Computed
};

// A horizontal strip of a page. A band grows downwards when its wrapping
// texts need more lines than its height holds; its frame, background and
// vertical lines follow the grown height.
class ReportBand
{
public:
    enum class Kind { PageHeader, PageFooter, GroupHeader, Detail, Child };

    ReportBand(Kind kind, QString name, double height) : kind(kind), name(std::move(name)), height(height) {}

    Kind kind;
    QString name;
    double height;                       // millimetres, at least
    Qt::Edges frame;                     // sides drawn around the band
    QColor background;                   // none when invalid
    // A switched-off band prints nothing; its children still print.
    bool enabled = true;

    // Asked before the band prints; false vetoes it (it takes no space).
    std::function<bool()> beforePrint;
    // Told after the band printed, before its child prints.
    std::function<void()> afterPrint;

    // Group headers: print when the value changes between records, and start
    // a new page first when newPage is set and the page already has content.
    std::function<QVariant()> breakValue;
    bool newPage = false;

    // The band printed right after this one (and switched with it).
    ReportBand *child() const { return m_child.get(); }
    ReportBand *addChild(const QString &name, double height);

    const std::vector<std::unique_ptr<ReportItem>> &items() const { return m_items; }
    ReportItem *item(const QString &name) const;

    ReportItem *addLabel(const QString &name, double left, double top, double width, double height,
                         const QString &text, ReportFont font = {});
    ReportItem *addField(const QString &name, double left, double top, double width, double height,
                         const QString &field, ReportFont font = {});
    ReportItem *addComputed(const QString &name, double left, double top, double width, double height,
                            std::function<QString()> compute, ReportFont font = {});
    ReportItem *addSystemField(ReportItem::Kind kind, const QString &name, double left, double top,
                               double width, double height, ReportFont font = {});
    ReportItem *addVerticalLine(const QString &name, double left);

private:
    ReportItem *add(std::unique_ptr<ReportItem> item);

    std::vector<std::unique_ptr<ReportItem>> m_items;
    std::unique_ptr<ReportBand> m_child;
};

// The records a report runs over: a dataset of the database layer or a
// sequence the program drives.
class ReportRecords
{
public:
    virtual ~ReportRecords() = default;
    // Moves to the first record; false when there is none.
    virtual bool first() = 0;
    // Moves to the next record; false past the last.
    virtual bool next() = 0;
    // A column of the current record as it is shown.
    virtual QString text(const QString &field) const = 0;
};

// The rows of an open dataset, in its order, with values as it shows them.
class DatasetRecords : public ReportRecords
{
public:
    explicit DatasetRecords(Dataset *dataset) : m_dataset(dataset) {}
    bool first() override;
    bool next() override;
    QString text(const QString &field) const override;

private:
    Dataset *m_dataset;
};

// What a report prints and how: the page, the bands and the records. Page
// header and footer print on every page; a group header breaks on its value;
// the detail band prints once per record.
class ReportDefinition
{
public:
    ReportDefinition();
    ~ReportDefinition();

    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};   // millimetres: left, top, right, bottom
    QString fontFamily = QStringLiteral("Arial");
    // Prints a page with header and footer when there are no records.
    bool printIfEmpty = true;

    // The paper in millimetres, as oriented.
    QSizeF paperSize() const;
    double usableWidth() const { return paperSize().width() - margins.left() - margins.right(); }

    ReportBand *pageHeader() const { return m_pageHeader.get(); }
    ReportBand *pageFooter() const { return m_pageFooter.get(); }
    ReportBand *groupHeader() const { return m_groupHeader.get(); }
    ReportBand *detail() const { return m_detail.get(); }
    ReportBand *setPageHeader(const QString &name, double height);
    ReportBand *setPageFooter(const QString &name, double height);
    ReportBand *setGroupHeader(const QString &name, double height);
    ReportBand *setDetail(const QString &name, double height);

    // The report runs over these records; none means one pass without records.
    void setRecords(std::unique_ptr<ReportRecords> records);
    ReportRecords *records() const { return m_records.get(); }

    // Any band of the report by name, children included; nullptr if none.
    ReportBand *band(const QString &name) const;

private:
    std::unique_ptr<ReportBand> m_pageHeader;
    std::unique_ptr<ReportBand> m_pageFooter;
    std::unique_ptr<ReportBand> m_groupHeader;
    std::unique_ptr<ReportBand> m_detail;
    std::unique_ptr<ReportRecords> m_records;
};
