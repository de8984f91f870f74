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
                                bool wrap, QList<double> *widths) const
{
    QStringList result;
    QList<double> resultWidths;
    const QStringList paragraphs = QString(text).remove(u'\r').split(u'\n');
    for (const QString &paragraph : paragraphs) {
        if (wrap && !paragraph.isEmpty()) {
            wrapParagraph(paragraph, family, font, width, result, resultWidths);
        } else {
            result.append(paragraph);
            resultWidths.append(paragraph.isEmpty() ? 0.0 : this->width(paragraph, family, font));
        }
    }
    if (widths)
        *widths = std::move(resultWidths);
    return result;
}

void TextMeasurer::wrapParagraph(const QString &paragraph, const QString &family, const ReportFont &font,
                                 double width, QStringList &lines, QList<double> &widths) const
{
    // Lines are built from the widths of their words and blanks, so each
    // word is measured once.
    const double blank = this->width(u" "_s, family, font);
    QString line;
    double lineWidth = 0;
    // Blanks that open the paragraph are its indentation and stay.
    bool started = false;
    const QStringList words = paragraph.split(u' ');
    for (const QString &word : words) {
        const double wordWidth = word.isEmpty() ? 0.0 : this->width(word, family, font);
        const double candidateWidth = started ? lineWidth + blank + wordWidth : wordWidth;
        if (candidateWidth <= width) {
            if (started)
                line += u' ';
            line += word;
            lineWidth = candidateWidth;
            started = true;
            continue;
        }
        if (line.trimmed().isEmpty()) {
            if (started)
                line += u' ';
            line += word;
            lineWidth = candidateWidth;
        } else {
            lines.append(line);
            widths.append(lineWidth);
            line = word;
            lineWidth = wordWidth;
        }
        started = !line.isEmpty();
        // A word wider than the column is broken where it reaches the edge.
        while (line.size() > 1 && lineWidth > width) {
            qsizetype fit = 1;
            while (fit < line.size() && this->width(line.left(fit + 1), family, font) <= width)
                ++fit;
            lines.append(line.left(fit));
            widths.append(this->width(line.left(fit), family, font));
            line = line.mid(fit);
            lineWidth = this->width(line, family, font);
        }
    }
    lines.append(line);
    widths.append(lineWidth);
}

double FontTextMeasurer::width(const QString &text, const QString &family, const ReportFont &font) const
{
    Face &f = face(family, font);
    auto known = f.widths.constFind(text);
    if (known != f.widths.constEnd())
        return known.value();
    const double w = f.metrics->horizontalAdvance(text) / ReportUnits::perMm;
    // Long texts seldom come again; only words and short values are kept.
    if (text.size() <= 40)
        f.widths.insert(text, w);
    return w;
}

double FontTextMeasurer::lineHeight(const QString &family, const ReportFont &font) const
{
    return face(family, font).metrics->lineSpacing() / ReportUnits::perMm;
}

FontTextMeasurer::Face &FontTextMeasurer::face(const QString &family, const ReportFont &font) const
{
    for (const auto &f : m_faces) {
        if (f->font.pointSize == font.pointSize && f->font.bold == font.bold && f->font.italic == font.italic
            && f->family == family)
            return *f;
    }
    // Measured on an image of the report resolution, as the PDF writer measures.
    QImage reference(1, 1, QImage::Format_RGB32);
    reference.setDotsPerMeterX(qRound(ReportUnits::perMm * 1000));
    reference.setDotsPerMeterY(qRound(ReportUnits::perMm * 1000));
    auto f = std::make_unique<Face>();
    f->family = family;
    f->font = font;
    f->metrics = std::make_unique<QFontMetricsF>(ReportUnits::font(family, font), &reference);
    m_faces.push_back(std::move(f));
    return *m_faces.back();
}

double FixedPitchTextMeasurer::width(const QString &text, const QString &, const ReportFont &font) const
{
    return text.size() * font.pointSize / 5.0;
}

double FixedPitchTextMeasurer::lineHeight(const QString &, const ReportFont &font) const
{
    return font.pointSize * 2.0 / 5.0;
}
