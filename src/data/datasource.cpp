#include "datasource.h"

DataSource::DataSource(Dataset *dataset, QObject *parent) : QObject(parent), m_dataset(dataset)
{
    connect(dataset, &Dataset::stateChanged, this, &DataSource::stateChanged);
    connect(dataset, &Dataset::currentRowChanged, this, [this] { emit dataChanged(QString()); });
    connect(dataset, &Dataset::fieldChanged, this, &DataSource::dataChanged);
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row == m_dataset->currentRow())
            emit dataChanged(QString());
    });
    connect(dataset, &Dataset::updateRecordRequested, this, &DataSource::updateRecordRequested);
}
