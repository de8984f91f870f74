#include "datasetmodel.h"

#include "dataset.h"

#include <QFont>

DatasetModel::DatasetModel(Dataset *dataset, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset)
{
    connect(dataset, &Dataset::aboutToReset, this, [this] { beginResetModel(); });
    connect(dataset, &Dataset::reset, this, [this] { endResetModel(); });
    connect(dataset, &Dataset::aboutToInsertRow, this, [this](int row) { beginInsertRows({}, row, row); });
    connect(dataset, &Dataset::rowInserted, this, [this] { endInsertRows(); });
    connect(dataset, &Dataset::aboutToRemoveRow, this, [this](int row) { beginRemoveRows({}, row, row); });
    connect(dataset, &Dataset::rowRemoved, this, [this] { endRemoveRows(); });
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && columnCount() > 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    // An operation sets many fields of a row one after the other; the views
    // hear of it once, when the operation is done.
    connect(dataset, &Dataset::fieldChanged, this, [this] {
        if (m_fieldsPending)
            return;
        m_fieldsPending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_fieldsPending = false;
            const int row = m_dataset ? m_dataset->currentRow() : -1;
            if (row >= 0 && row < rowCount() && columnCount() > 0)
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        }, Qt::QueuedConnection);
    });
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataset || !m_dataset->isOpen())
        return 0;
    return m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataset)
        return 0;
    return m_dataset->fieldCount();
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataset || !m_dataset->isOpen())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return m_dataset->displayTextAt(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_dataset->fieldAt(index.column()).alignment);
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_dataset || section < 0 || section >= m_dataset->fieldCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto &field = m_dataset->fieldAt(section);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return field.title();
    case Qt::FontRole:
        if (m_boldTitles.contains(field.name.toLower())) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

void DatasetModel::setTitleBold(const QString &field, bool bold)
{
    if (bold)
        m_boldTitles.insert(field.toLower());
    else
        m_boldTitles.remove(field.toLower());
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
