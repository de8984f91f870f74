#include "dbmemo.h"

#include "dataset.h"
#include "fieldlink.h"
#include "typedtext.h"

DbMemo::DbMemo(QWidget *parent)
    : QPlainTextEdit(parent), m_link(new FieldLink(this, [this] { showField(); }, [this] { writeField(); }))
{
    // Tab moves on to the next control, as in every other field of a window.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing || !m_link->isBound())
            return;
        if (!m_link->beginEdit()) {
            showField();
            return;
        }
        m_link->setPending(true);
    });
}

void DbMemo::bind(DataSource *source, const QString &field)
{
    m_link->bind(source, field);
}

void DbMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    m_link->writeNow(this);
}

void DbMemo::showField()
{
    Dataset *ds = m_link->dataset();
    m_showing = true;
    setPlainText(ds && ds->isOpen() ? ds->displayText(m_link->field()) : QString());
    m_showing = false;
}

void DbMemo::writeField()
{
    Dataset *ds = m_link->dataset();
    ds->setValue(m_link->field(), parseTypedText(toPlainText(), ds->fieldType(m_link->field())));
}
