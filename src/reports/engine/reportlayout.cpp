#include "reportlayout.h"

#include "textmeasurer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double epsilon = 0.001;
// Room kept between a split text's last line and the band's lower edge.
constexpr double splitPadding = 0.8;

struct MeasuredText
{
    const ReportItem *item;
    QStringList lines;
    QList<double> widths;
    double lineHeight;
    double padding;       // design room below the item inside the band
    double top = 0;       // where the next piece places it, pushed down by grown texts above it
    qsizetype next = 0;   // first line not placed yet

    qsizetype remaining() const { return lines.size() - next; }
    // How far the unplaced lines reach below the item's designed bottom.
    double growth() const
    {
        return top + std::max(item->height, remaining() * lineHeight) - (item->top + item->height);
    }
};

struct MeasuredBand
{
    const ReportBand *band;
    std::vector<MeasuredText> texts;
    bool started = false;   // a piece of it has been placed

    // The height the band's unplaced lines need.
    double needed() const
    {
        double h = band->height;
        for (const MeasuredText &t : texts) {
            if (t.remaining() > 0)
                h = std::max(h, t.top + t.remaining() * t.lineHeight + t.padding);
        }
        return h;
    }

    // Places each text with unplaced lines at its designed height, or lower
    // when a text above it in the same columns has grown, so that it keeps
    // its designed distance below that text and never overlaps it.
    void arrange()
    {
        std::vector<MeasuredText *> order;
        for (MeasuredText &t : texts) {
            if (t.remaining() > 0)
                order.push_back(&t);
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const MeasuredText *a, const MeasuredText *b) { return a->item->top < b->item->top; });
        for (size_t j = 0; j < order.size(); ++j) {
            MeasuredText &lower = *order[j];
            lower.top = lower.item->top;
            for (size_t i = 0; i < j; ++i) {
                const MeasuredText &upper = *order[i];
                const ReportItem &u = *upper.item;
                const ReportItem &l = *lower.item;
                const bool above = u.top + u.height <= l.top + epsilon;
                const bool sameColumns = u.left < l.left + l.width - epsilon && l.left < u.left + u.width - epsilon;
                if (above && sameColumns)
                    lower.top = std::max(lower.top, l.top + upper.growth());
            }
        }
    }
    bool done() const
    {
        return std::all_of(texts.begin(), texts.end(), [](const MeasuredText &t) { return t.remaining() == 0; });
    }
};

class Layouter
{
public:
    Layouter(ReportDefinition &report, const TextMeasurer &measurer, const QDateTime &printedAt)
        : m_report(report), m_measurer(measurer), m_printedAt(printedAt),
          m_document(report.paperSize(), report.fontFamily), m_paper(report.paperSize())
    {
    }

    ReportDocument run()
    {
        ReportRecords *records = m_report.records();
        // Without records the bands print once.
        const bool any = records ? records->first() : true;
        if (!any && !m_report.printIfEmpty)
            return std::move(m_document);
        startPage();
        QVariant lastBreak;
        bool firstRecord = true;
        for (bool more = any; more; more = records && records->next()) {
            if (ReportBand *group = m_report.groupHeader()) {
                const QVariant value = group->breakValue ? group->breakValue() : QVariant();
                if (firstRecord || value != lastBreak)
                    printBody(group);
                lastBreak = value;
            }
            if (ReportBand *detail = m_report.detail())
                printBody(detail);
            firstRecord = false;
        }
        finishPage();
        return std::move(m_document);
    }

private:
    double left() const { return m_report.margins.left(); }
    double width() const { return m_report.usableWidth(); }

    double footerHeight() const
    {
        double h = 0;
        for (const ReportBand *band = m_report.pageFooter(); band; band = band->child()) {
            if (band->enabled)
                h += band->height;
        }
        return h;
    }

    void startPage()
    {
        m_page = m_document.addPage();
        m_y = m_report.margins.top();
        m_bodyBottom = m_paper.height() - m_report.margins.bottom() - footerHeight();
        for (ReportBand *band = m_report.pageHeader(); band; band = band->child()) {
            if (!printable(band))
                continue;
            MeasuredBand measured = measure(*band);
            const double h = measured.needed();
            emitPiece(measured, h);
            m_y += h;
            if (band->afterPrint)
                band->afterPrint();
        }
        m_bodyTop = m_y;
        m_pageHasBody = false;
        m_lastPlaced = nullptr;
    }

    void finishPage()
    {
        m_y = m_paper.height() - m_report.margins.bottom() - footerHeight();
        for (ReportBand *band = m_report.pageFooter(); band; band = band->child()) {
            if (!band->enabled)
                continue;
            // Footers keep their height, so every page has the same body;
            // a text taller than its footer still prints whole.
            if (!band->beforePrint || band->beforePrint()) {
                MeasuredBand measured = measure(*band);
                emitPiece(measured, band->height, std::numeric_limits<int>::max());
                if (band->afterPrint)
                    band->afterPrint();
            }
            m_y += band->height;
        }
    }

    void newPage()
    {
        finishPage();
        startPage();
    }

    static bool printable(ReportBand *band)
    {
        return band->enabled && (!band->beforePrint || band->beforePrint());
    }

    void printBody(ReportBand *first)
    {
        for (ReportBand *band = first; band; band = band->child()) {
            if (!printable(band))
                continue;
            if (band->newPage && m_pageHasBody)
                newPage();
            MeasuredBand measured = measure(*band);
            place(measured);
            m_pageHasBody = true;
            m_lastPlaced = band;
            if (band->afterPrint)
                band->afterPrint();
        }
    }

    void place(MeasuredBand &measured)
    {
        const ReportBand *band = measured.band;
        const bool followsItsOwner = m_lastPlaced && m_lastPlaced->child() == band;
        double need = measured.needed();
        if (need > m_bodyBottom - m_y + epsilon && m_pageHasBody && !followsItsOwner
            && need <= m_bodyBottom - m_bodyTop + epsilon)
            newPage();
        for (;;) {
            // A split band whose lines are all placed is done, even when its
            // design height would ask for more room.
            if (measured.started && measured.done())
                return;
            need = measured.needed();
            const double room = m_bodyBottom - m_y;
            if (need <= room + epsilon) {
                emitPiece(measured, need);
                m_y += need;
                return;
            }
            // The first piece holds every item at its place, so it needs the
            // band's own height; a later piece needs one line at least.
            const bool tooSmall = !measured.started ? room + epsilon < band->height : !fitsOneLine(measured, room);
            if (tooSmall && m_pageHasBody) {
                newPage();
                continue;
            }
            emitPiece(measured, std::max(room, 0.0), m_pageHasBody ? 0 : 1);
            m_y = m_bodyBottom;
            m_pageHasBody = true;
            newPage();
        }
    }

    bool fitsOneLine(const MeasuredBand &measured, double room) const
    {
        for (const MeasuredText &t : measured.texts) {
            if (t.remaining() > 0 && t.top + t.lineHeight + std::min(t.padding, splitPadding) <= room + epsilon)
                return true;
        }
        return false;
    }

    QString itemText(const ReportItem &item) const
    {
        switch (item.kind) {
        case ReportItem::Kind::Label:
            return item.text;
        case ReportItem::Kind::Field:
            return m_report.records() ? m_report.records()->text(item.field) : QString();
        case ReportItem::Kind::Computed:
            return item.compute ? item.compute() : QString();
        case ReportItem::Kind::Date:
            return m_printedAt.date().toString(u"dd.MM.yyyy"_s);
        case ReportItem::Kind::Time:
            return m_printedAt.time().toString(u"HH:mm"_s);
        case ReportItem::Kind::PageNumber:
            return QString::number(m_page + 1);
        case ReportItem::Kind::VerticalLine:
            break;
        }
        return {};
    }

    MeasuredBand measure(const ReportBand &band) const
    {
        MeasuredBand measured{&band, {}};
        for (const auto &owned : band.items()) {
            const ReportItem &item = *owned;
            if (!item.visible || item.kind == ReportItem::Kind::VerticalLine)
                continue;
            const QString text = itemText(item);
            if (text.isEmpty())
                continue;
            MeasuredText t{&item, {}, {}, m_measurer.lineHeight(m_report.fontFamily, item.font),
                           std::max(0.0, band.height - item.top - std::max(item.height, 0.0))};
            t.lines = m_measurer.lines(text, m_report.fontFamily, item.font, item.width, item.wordWrap, &t.widths);
            measured.texts.push_back(std::move(t));
        }
        measured.arrange();
        return measured;
    }

    // Places the unplaced lines of the band that fit in height (all of them
    // when the height was measured for them) as one piece at the current
    // height; forced lines are placed even when they do not fit.
    void emitPiece(MeasuredBand &measured, double height, int forced = 0)
    {
        const ReportBand &band = *measured.band;
        const double x0 = left();
        const double y0 = m_y;
        if (band.background.isValid())
            m_document.addBox(m_page, QRectF(x0, y0, width(), height), band.background);
        for (MeasuredText &t : measured.texts) {
            if (t.remaining() == 0)
                continue;
            const double room = height - t.top - std::min(t.padding, splitPadding);
            qsizetype count = room <= 0 ? 0 : qsizetype(std::floor((room + epsilon) / t.lineHeight));
            count = std::clamp<qsizetype>(std::max<qsizetype>(count, forced), 0, t.remaining());
            for (qsizetype i = 0; i < count; ++i) {
                const QString &line = t.lines.at(t.next + i);
                const double w = t.widths.at(t.next + i);
                double x = x0 + t.item->left;
                if (t.item->alignment & Qt::AlignRight)
                    x += t.item->width - w;
                else if (t.item->alignment & Qt::AlignHCenter)
                    x += (t.item->width - w) / 2;
                m_document.addText(m_page, QRectF(x, y0 + t.top + i * t.lineHeight, w, t.lineHeight),
                                   t.item->font, line);
            }
            t.next += count;
        }
        for (const auto &item : band.items()) {
            if (item->visible && item->kind == ReportItem::Kind::VerticalLine)
                m_document.addLine(m_page, {x0 + item->left, y0}, {x0 + item->left, y0 + height});
        }
        const double x1 = x0 + width();
        const double y1 = y0 + height;
        if (band.frame & Qt::TopEdge)
            m_document.addLine(m_page, {x0, y0}, {x1, y0});
        if (band.frame & Qt::BottomEdge)
            m_document.addLine(m_page, {x0, y1}, {x1, y1});
        if (band.frame & Qt::LeftEdge)
            m_document.addLine(m_page, {x0, y0}, {x0, y1});
        if (band.frame & Qt::RightEdge)
            m_document.addLine(m_page, {x1, y0}, {x1, y1});
        measured.started = true;
        // What is left continues at the top of the next piece.
        measured.arrange();
    }

    ReportDefinition &m_report;
    const TextMeasurer &m_measurer;
    QDateTime m_printedAt;
    ReportDocument m_document;
    QSizeF m_paper;
    int m_page = -1;
    double m_y = 0;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    bool m_pageHasBody = false;
    const ReportBand *m_lastPlaced = nullptr;
};

} // namespace

ReportDocument layoutReport(ReportDefinition &report, const TextMeasurer &measurer, const QDateTime &printedAt)
{
    return Layouter(report, measurer, printedAt).run();
}
