#include "dbdatepicker.h"

#include "dataset.h"
#include "fieldlink.h"

#include <QCalendarWidget>
#include <QEvent>

using namespace Qt::StringLiterals;

DbDatePicker::DbDatePicker(QWidget *parent)
    : QDateEdit(parent), m_link(new FieldLink(this, [this] { showField(); }, [this] { writeField(); }))
{
    setCalendarPopup(true);
    setDisplayFormat(u"dd.MM.yyyy"_s);
    setDate(QDate::currentDate());
    // The calendar lives in a pop-up of its own; its hiding is the close-up.
    calendarWidget()->window()->installEventFilter(this);
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (m_showing || !m_link->isBound())
            return;
        if (!m_link->beginEdit()) {
            showField();
            return;
        }
        m_link->setPending(true);
        m_link->writeNow(this);
    });
}

void DbDatePicker::bind(DataSource *source, const QString &field)
{
    m_link->bind(source, field);
}

bool DbDatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == calendarWidget()->window())
        emit closedUp();
    return QDateEdit::eventFilter(watched, event);
}

void DbDatePicker::showField()
{
    Dataset *ds = m_link->dataset();
    const QDateTime value = ds && ds->isOpen() ? ds->asDateTime(m_link->field()) : QDateTime();
    m_showing = true;
    setDate(value.isValid() ? value.date() : QDate::currentDate());
    m_showing = false;
}

void DbDatePicker::writeField()
{
    m_link->dataset()->setValue(m_link->field(), date().startOfDay());
}
