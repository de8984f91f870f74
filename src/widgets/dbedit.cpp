#include "dbedit.h"

#include "dataset.h"
#include "fieldlink.h"
#include "typedtext.h"

DbEdit::DbEdit(QWidget *parent)
    : QLineEdit(parent), m_link(new FieldLink(this, [this] { showField(); }, [this] { writeField(); }))
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!m_link->isBound())
            return;
        if (!m_link->beginEdit()) {
            showField();
            return;
        }
        m_link->setPending(true);
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { m_link->writeNow(this); });
}

void DbEdit::bind(DataSource *source, const QString &field)
{
    m_link->bind(source, field);
}

QString DbEdit::field() const
{
    return m_link->field();
}

void DbEdit::showField()
{
    Dataset *ds = m_link->dataset();
    setText(ds && ds->isOpen() ? ds->displayText(m_link->field()) : QString());
    setCursorPosition(0);
}

void DbEdit::writeField()
{
    Dataset *ds = m_link->dataset();
    ds->setValue(m_link->field(), parseTypedText(text(), ds->fieldType(m_link->field())));
}
