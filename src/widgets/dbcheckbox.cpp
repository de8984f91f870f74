#include "dbcheckbox.h"

#include "dataset.h"
#include "fieldlink.h"

DbCheckBox::DbCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent), m_link(new FieldLink(this, [this] { showField(); }, [this] { writeField(); }))
{
    connect(this, &QCheckBox::clicked, this, [this] {
        if (!m_link->isBound())
            return;
        if (!m_link->beginEdit()) {
            showField();
            return;
        }
        m_link->setPending(true);
        m_link->writeNow(this);
    });
}

void DbCheckBox::bind(DataSource *source, const QString &field)
{
    m_link->bind(source, field);
}

void DbCheckBox::showField()
{
    Dataset *ds = m_link->dataset();
    setChecked(ds && ds->isOpen() && ds->asBool(m_link->field()));
}

void DbCheckBox::writeField()
{
    m_link->dataset()->setValue(m_link->field(), isChecked());
}
