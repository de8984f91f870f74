#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "datasource.h"

// What a bound control shares: its data source and field, showing the
// field's value when the row or its data changes, and writing its pending
// value when the dataset asks (before a post or before the row is left).
class FieldLink : public QObject
{
    Q_OBJECT

public:
    // show() puts the field's current value into the control; write() stores
    // the control's pending value into the row and may raise Exception.
    FieldLink(QObject *parent, std::function<void()> show, std::function<void()> write);

    void bind(DataSource *source, const QString &field);
    DataSource *dataSource() const { return m_source; }
    Dataset *dataset() const;
    QString field() const { return m_field; }
    bool isBound() const;

    // The user starts to change the control: puts the dataset into editing
    // (a new row when it is empty). Returns false when nothing can be edited.
    bool beginEdit();
    // Marks the control's text as not yet written into the row.
    void setPending(bool pending) { m_pending = pending; }
    bool isPending() const { return m_pending; }
    // Writes a pending value now; failures are shown in the exception dialog.
    void writeNow(QWidget *messageParent);

private:
    void refresh(const QString &changedField);

    QPointer<DataSource> m_source;
    QString m_field;
    std::function<void()> m_show;
    std::function<void()> m_write;
    bool m_pending = false;
    bool m_writing = false;
    bool m_beginning = false;
};
