#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QSet>

#include "dataset.h"

// Shows a dataset's fields as columns, in the dataset's field order, with
// their titles and the texts of their get-text hooks. Read-only.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DatasetModel(Dataset *dataset, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows the title of a field in bold (the column a list is sorted by).
    void setTitleBold(const QString &field, bool bold);

private:
    QPointer<Dataset> m_dataset;
    QSet<QString> m_boldTitles;
    bool m_fieldsPending = false;
};
