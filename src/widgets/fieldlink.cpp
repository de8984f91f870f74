#include "fieldlink.h"

#include "datasource.h"
#include "exception.h"
#include "messages.h"

FieldLink::FieldLink(QObject *parent, std::function<void()> show, std::function<void()> write)
    : QObject(parent), m_show(std::move(show)), m_write(std::move(write))
{}

void FieldLink::bind(DataSource *source, const QString &field)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    m_field = field;
    m_pending = false;
    if (!source)
        return;
    connect(source, &DataSource::dataChanged, this, &FieldLink::refresh);
    connect(source, &DataSource::updateRecordRequested, this, [this] {
        if (m_pending && !m_writing) {
            m_writing = true;
            try {
                m_write();
            } catch (...) {
                m_writing = false;
                throw;
            }
            m_writing = false;
            m_pending = false;
        }
    });
    refresh(QString());
}

Dataset *FieldLink::dataset() const
{
    return m_source ? m_source->dataset() : nullptr;
}

bool FieldLink::isBound() const
{
    return m_source && dataset() && !m_field.isEmpty();
}

bool FieldLink::beginEdit()
{
    Dataset *ds = dataset();
    if (!ds || !ds->isOpen())
        return false;
    if (!ds->isEditing()) {
        // Editing may start a new row; this control keeps what is being typed.
        m_beginning = true;
        try {
            ds->edit();
        } catch (...) {
            m_beginning = false;
            throw;
        }
        m_beginning = false;
    }
    return true;
}

void FieldLink::writeNow(QWidget *messageParent)
{
    if (!m_pending || !isBound() || !dataset()->isEditing())
        return;
    try {
        m_writing = true;
        m_write();
        m_writing = false;
        m_pending = false;
    } catch (const Exception &e) {
        m_writing = false;
        Messages::exception(messageParent, e.message());
    }
}

void FieldLink::refresh(const QString &changedField)
{
    if (!isBound() || m_writing || m_beginning)
        return;
    // The control's own change comes back as a change of its field; the
    // control already shows it.
    if (!changedField.isEmpty() && changedField.compare(m_field, Qt::CaseInsensitive) != 0)
        return;
    if (!changedField.isEmpty() && m_pending)
        return;
    m_pending = false;
    m_show();
}
