#include "reportdocument.h"

#include <QColor>
#include <QTextStream>

using namespace Qt::StringLiterals;

ReportDocument::ReportDocument(QSizeF paperSize, QString fontFamily)
    : m_paperSize(paperSize), m_fontFamily(std::move(fontFamily))
{
}

int ReportDocument::addPage()
{
    m_pages.emplace_back();
    return int(m_pages.size()) - 1;
}

quint16 ReportDocument::fontIndex(const ReportFont &font)
{
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        const ReportFont &f = m_fonts[i];
        if (f.pointSize == font.pointSize && f.bold == font.bold && f.italic == font.italic)
            return quint16(i);
    }
    m_fonts.push_back(font);
    return quint16(m_fonts.size() - 1);
}

void ReportDocument::addText(int page, const QRectF &rect, const ReportFont &font, const QString &text)
{
    Primitive p{Kind::Text, fontIndex(font), 0, rect, text};
    m_pages[page].push_back(std::move(p));
}

void ReportDocument::addLine(int page, QPointF from, QPointF to)
{
    m_pages[page].push_back(Primitive{Kind::Line, 0, 0, QRectF(from, to), QString()});
}

void ReportDocument::addBox(int page, const QRectF &rect, QColor fill)
{
    m_pages[page].push_back(Primitive{Kind::Box, 0, fill.rgb(), rect, QString()});
}

QString ReportDocument::dump() const
{
    QString out;
    QTextStream s(&out);
    s.setRealNumberNotation(QTextStream::FixedNotation);
    s.setRealNumberPrecision(1);
    for (size_t page = 0; page < m_pages.size(); ++page) {
        for (const Primitive &p : m_pages[page]) {
            s << page + 1 << ' ';
            switch (p.kind) {
            case Kind::Text: {
                const ReportFont &f = m_fonts[p.font];
                s << "text " << p.rect.x() << ' ' << p.rect.y() << ' ' << p.rect.width() << ' ' << p.rect.height()
                  << ' ' << f.pointSize << (f.bold ? "b" : "") << (f.italic ? "i" : "") << " \"" << p.text << '"';
                break;
            }
            case Kind::Line:
                s << "line " << p.rect.left() << ' ' << p.rect.top() << ' ' << p.rect.right() << ' '
                  << p.rect.bottom();
                break;
            case Kind::Box:
                s << "box " << p.rect.x() << ' ' << p.rect.y() << ' ' << p.rect.width() << ' ' << p.rect.height()
                  << ' ' << QColor(p.color).name();
                break;
            }
            s << '\n';
        }
    }
    return out;
}
