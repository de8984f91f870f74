#pragma once

#include "reportdefinition.h"

#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>

#include <vector>

// A laid-out report: pages of placed texts, lines and filled boxes, in
// millimetres from the paper's top left corner. It is measured once and
// painted as it is on every device.
class ReportDocument
{
public:
    enum class Kind : quint8 { Text, Line, Box };

    struct Primitive
    {
        Kind kind;
        quint16 font = 0;         // Text: index into fonts()
        QRgb color = 0;           // Box: fill
        QRectF rect;              // Text: the line's box; Line: from topLeft to bottomRight; Box
        QString text;             // Text: one line
    };
    using Page = std::vector<Primitive>;

    ReportDocument(QSizeF paperSize, QString fontFamily);

    QSizeF paperSize() const { return m_paperSize; }
    QString fontFamily() const { return m_fontFamily; }
    const std::vector<ReportFont> &fonts() const { return m_fonts; }
    int pageCount() const { return int(m_pages.size()); }
    const Page &page(int index) const { return m_pages.at(index); }

    // One line per primitive: page, kind, position and size in millimetres, text.
    QString dump() const;

    // Building, for the layout only.
    int addPage();
    void addText(int page, const QRectF &rect, const ReportFont &font, const QString &text);
    void addLine(int page, QPointF from, QPointF to);
    void addBox(int page, const QRectF &rect, QColor fill);

private:
    quint16 fontIndex(const ReportFont &font);

    QSizeF m_paperSize;
    QString m_fontFamily;
    std::vector<ReportFont> m_fonts;
    std::vector<Page> m_pages;
};
