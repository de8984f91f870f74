#pragma once

#include "dataset.h"

#include <QObject>
#include <QPointer>

// Connects a dataset to the controls and handlers of a window: the state
// change and data change notifications that windows react to.
class DataSource : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(Dataset *dataset, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }

signals:
    void stateChanged(Dataset::State state);
    // The current row moved or its data changed. field names the changed
    // field while the row is edited; it is empty otherwise.
    void dataChanged(const QString &field);
    // Bound controls write their pending text into the row now.
    void updateRecordRequested();

private:
    QPointer<Dataset> m_dataset;
};
