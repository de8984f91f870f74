#include "textmeasurer.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace ReportUnits {

QFont font(const QString &family, const ReportFont &font)
{
    QFont f(family);
    f.setPixelSize(qRound(font.pointSize * dpi / 72.0));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

} // namespace ReportUnits

QStringList TextMeasurer::lines(const QString &text, const QString &family, const ReportFont &font, double width,
                                bool wrap) const
{
    QStringList result;
    const QStringList paragraphs = QString(text).remove(u'\r').split(u'\n');
    for (const QString &paragraph : paragraphs) {
        if (!wrap || paragraph.isEmpty() || this->width(paragraph, family, font) <= width)
            result.append(paragraph);
        else
            wrapParagraph(paragraph, family, font, width, result);
    }
    return result;
}

void TextMeasurer::wrapParagraph(const QString &paragraph, const QString &family, const ReportFont &font,
                                 double width, QStringList &lines) const
{
    QString line;
    // Blanks that open the paragraph are its indentation and stay.
    bool started = false;
    const QStringList words = paragraph.split(u' ');
    for (const QString &word : words) {
        const QString candidate = started ? line + u' ' + word : word;
        if (this->width(candidate, family, font) <= width) {
            line = candidate;
            started = true;
            continue;
        }
        if (line.trimmed().isEmpty()) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
        started = !line.isEmpty();
        // A word wider than the column is broken where it reaches the edge.
        while (line.size() > 1 && this->width(line, family, font) > width) {
            qsizetype fit = 1;
            while (fit < line.size() && this->width(line.left(fit + 1), family, font) <= width)
                ++fit;
            lines.append(line.left(fit));
            line = line.mid(fit);
        }
    }
    lines.append(line);
}

double FontTextMeasurer::width(const QString &text, const QString &family, const ReportFont &font) const
{
    return metrics(family, font).horizontalAdvance(text) / ReportUnits::perMm;
}

double FontTextMeasurer::lineHeight(const QString &family, const ReportFont &font) const
{
    return metrics(family, font).lineSpacing() / ReportUnits::perMm;
}

const QFontMetricsF &FontTextMeasurer::metrics(const QString &family, const ReportFont &font) const
{
    const QString key = u"%1|%2|%3|%4"_s.arg(family).arg(font.pointSize).arg(font.bold).arg(font.italic);
    auto &slot = m_metrics[key];
    if (!slot) {
        // Measured on an image of the report resolution, as the PDF writer measures.
        QImage reference(1, 1, QImage::Format_RGB32);
        reference.setDotsPerMeterX(qRound(ReportUnits::perMm * 1000));
        reference.setDotsPerMeterY(qRound(ReportUnits::perMm * 1000));
        slot = std::make_shared<QFontMetricsF>(ReportUnits::font(family, font), &reference);
    }
    return *slot;
}

double FixedPitchTextMeasurer::width(const QString &text, const QString &, const ReportFont &font) const
{
    return text.size() * font.pointSize / 5.0;
}

double FixedPitchTextMeasurer::lineHeight(const QString &, const ReportFont &font) const
{
    return font.pointSize * 2.0 / 5.0;
}
