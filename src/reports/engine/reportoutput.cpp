#include "reportoutput.h"

#include "exception.h"
#include "reportdocument.h"
#include "textmeasurer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <vector>

using namespace Qt::StringLiterals;

namespace ReportOutput {

namespace {

// Frames and column lines are a quarter millimetre wide.
constexpr double lineWidthMm = 0.25;

struct PaintFont
{
    QFont font;
    double ascent;
};

std::vector<PaintFont> paintFonts(const ReportDocument &document)
{
    std::vector<PaintFont> fonts;
    for (const ReportFont &f : document.fonts()) {
        QFont font = ReportUnits::font(document.fontFamily(), f);
        fonts.push_back({font, QFontMetricsF(font).ascent()});
    }
    return fonts;
}

void paint(QPainter &painter, const ReportDocument &document, const std::vector<PaintFont> &fonts, int page,
           double dpi)
{
    constexpr double k = ReportUnits::perMm;
    painter.save();
    painter.scale(dpi / ReportUnits::dpi, dpi / ReportUnits::dpi);
    QPen pen(Qt::black, lineWidthMm * k);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    int currentFont = -1;
    for (const ReportDocument::Primitive &p : document.page(page)) {
        const QRectF r(p.rect.x() * k, p.rect.y() * k, p.rect.width() * k, p.rect.height() * k);
        switch (p.kind) {
        case ReportDocument::Kind::Box:
            painter.fillRect(r, QColor(p.color));
            break;
        case ReportDocument::Kind::Line:
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case ReportDocument::Kind::Text:
            if (currentFont != p.font) {
                currentFont = p.font;
                painter.setFont(fonts[p.font].font);
            }
            painter.drawText(QPointF(r.x(), r.y() + fonts[p.font].ascent), p.text);
            break;
        }
    }
    painter.restore();
}

} // namespace

QPageLayout pageLayout(const ReportDocument &document)
{
    const QSizeF paper = document.paperSize();
    const bool landscape = paper.width() > paper.height();
    return QPageLayout(QPageSize(landscape ? paper.transposed() : paper, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

void paintPage(QPainter &painter, const ReportDocument &document, int page, double dpi)
{
    paint(painter, document, paintFonts(document), page, dpi);
}

bool paintPages(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &document, double dpi,
                const std::function<bool(int page)> &progress)
{
    const std::vector<PaintFont> fonts = paintFonts(document);
    for (int page = 0; page < document.pageCount(); ++page) {
        if (progress && !progress(page))
            return false;
        if (page > 0)
            device.newPage();
        paint(painter, document, fonts, page, dpi);
    }
    return true;
}

void writePdf(const ReportDocument &document, const QString &fileName, const QString &title)
{
    const QString failed = u"Die PDF-Datei \"%1\" konnte nicht geschrieben werden.\n\n"
                           "Bitte einen anderen Ordner oder Dateinamen wählen und erneut versuchen ..."_s
                               .arg(QFileInfo(fileName).fileName());
    QPdfWriter writer(fileName);
    writer.setResolution(int(ReportUnits::dpi));
    writer.setPageLayout(pageLayout(document));
    writer.setTitle(title);
    writer.setCreator(u"Vandrel Tessaro"_s);
    QPainter painter;
    if (!painter.begin(&writer))
        throw Exception(failed);
    paintPages(painter, writer, document, ReportUnits::dpi);
    if (!painter.end())
        throw Exception(failed);
}

} // namespace ReportOutput
