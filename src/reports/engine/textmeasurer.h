#pragma once

#include "reportdefinition.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <memory>

// Reports are measured and painted in units of 1/1200 inch, the resolution
// of the PDF writer, so every device shows the same line breaks.
namespace ReportUnits {
constexpr double dpi = 1200.0;
constexpr double perMm = dpi / 25.4;
// The font a report text is measured and painted with, sized in report units.
QFont font(const QString &family, const ReportFont &font);
} // namespace ReportUnits

// Measures report texts in millimetres and breaks them into lines.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const QString &text, const QString &family, const ReportFont &font) const = 0;
    virtual double lineHeight(const QString &family, const ReportFont &font) const = 0;

    // The lines of text: one per line break, and with wrap also broken at
    // blanks so that each fits width; a word wider than width is broken
    // between characters. No character is dropped except the blank a line
    // breaks at. widths, when given, receives the width of each line.
    QStringList lines(const QString &text, const QString &family, const ReportFont &font, double width,
                      bool wrap, QList<double> *widths = nullptr) const;

private:
    void wrapParagraph(const QString &paragraph, const QString &family, const ReportFont &font, double width,
                       QStringList &lines, QList<double> &widths) const;
};

// Measures with the real fonts at the report resolution.
class FontTextMeasurer : public TextMeasurer
{
public:
    double width(const QString &text, const QString &family, const ReportFont &font) const override;
    double lineHeight(const QString &family, const ReportFont &font) const override;

private:
    // A font's metrics and the widths of the words measured in it so far:
    // lists repeat their words, and shaping a word costs more than finding it.
    struct Face
    {
        QString family;
        ReportFont font;
        std::unique_ptr<QFontMetricsF> metrics;
        QHash<QString, double> widths;
    };
    Face &face(const QString &family, const ReportFont &font) const;
    mutable std::vector<std::unique_ptr<Face>> m_faces;
};

// Every character as wide as a fifth of the point size in millimetres, lines
// two fifths of it high: layouts that do not depend on installed fonts.
class FixedPitchTextMeasurer : public TextMeasurer
{
public:
    double width(const QString &text, const QString &family, const ReportFont &font) const override;
    double lineHeight(const QString &family, const ReportFont &font) const override;
};
