#include "reportdefinition.h"

#include "dataset.h"

ReportBand *ReportBand::addChild(const QString &name, double height)
{
    m_child = std::make_unique<ReportBand>(Kind::Child, name, height);
    return m_child.get();
}

ReportItem *ReportBand::item(const QString &name) const
{
    for (const auto &item : m_items) {
        if (item->name == name)
            return item.get();
    }
    return nullptr;
}

ReportItem *ReportBand::add(std::unique_ptr<ReportItem> item)
{
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

ReportItem *ReportBand::addLabel(const QString &name, double left, double top, double width, double height,
                                 const QString &text, ReportFont font)
{
    auto item = std::make_unique<ReportItem>(ReportItem::Kind::Label, name);
    item->left = left;
    item->top = top;
    item->width = width;
    item->height = height;
    item->text = text;
    item->font = font;
    return add(std::move(item));
}

ReportItem *ReportBand::addField(const QString &name, double left, double top, double width, double height,
                                 const QString &field, ReportFont font)
{
    ReportItem *item = addLabel(name, left, top, width, height, QString(), font);
    item->kind = ReportItem::Kind::Field;
    item->field = field;
    return item;
}

ReportItem *ReportBand::addComputed(const QString &name, double left, double top, double width, double height,
                                    std::function<QString()> compute, ReportFont font)
{
    ReportItem *item = addLabel(name, left, top, width, height, QString(), font);
    item->kind = ReportItem::Kind::Computed;
    item->compute = std::move(compute);
    return item;
}

ReportItem *ReportBand::addSystemField(ReportItem::Kind kind, const QString &name, double left, double top,
                                       double width, double height, ReportFont font)
{
    ReportItem *item = addLabel(name, left, top, width, height, QString(), font);
    item->kind = kind;
    return item;
}

ReportItem *ReportBand::addVerticalLine(const QString &name, double left)
{
    auto item = std::make_unique<ReportItem>(ReportItem::Kind::VerticalLine, name);
    item->left = left;
    return add(std::move(item));
}

bool DatasetRecords::first()
{
    m_dataset->first();
    return !m_dataset->isEmpty();
}

bool DatasetRecords::next()
{
    m_dataset->next();
    return !m_dataset->atEnd();
}

QString DatasetRecords::text(const QString &field) const
{
    return m_dataset->displayText(field);
}

ReportDefinition::ReportDefinition() = default;
ReportDefinition::~ReportDefinition() = default;

QSizeF ReportDefinition::paperSize() const
{
    const QSizeF size = QPageSize(pageSize).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

ReportBand *ReportDefinition::setPageHeader(const QString &name, double height)
{
    m_pageHeader = std::make_unique<ReportBand>(ReportBand::Kind::PageHeader, name, height);
    return m_pageHeader.get();
}

ReportBand *ReportDefinition::setPageFooter(const QString &name, double height)
{
    m_pageFooter = std::make_unique<ReportBand>(ReportBand::Kind::PageFooter, name, height);
    return m_pageFooter.get();
}

ReportBand *ReportDefinition::setGroupHeader(const QString &name, double height)
{
    m_groupHeader = std::make_unique<ReportBand>(ReportBand::Kind::GroupHeader, name, height);
    return m_groupHeader.get();
}

ReportBand *ReportDefinition::setDetail(const QString &name, double height)
{
    m_detail = std::make_unique<ReportBand>(ReportBand::Kind::Detail, name, height);
    return m_detail.get();
}

void ReportDefinition::setRecords(std::unique_ptr<ReportRecords> records)
{
    m_records = std::move(records);
}

ReportBand *ReportDefinition::band(const QString &name) const
{
    for (ReportBand *band : {m_pageHeader.get(), m_pageFooter.get(), m_groupHeader.get(), m_detail.get()}) {
        for (; band; band = band->child()) {
            if (band->name == name)
                return band;
        }
    }
    return nullptr;
}
