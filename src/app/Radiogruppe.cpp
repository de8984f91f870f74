#include "Radiogruppe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGruppe::RadioGruppe(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), m_items(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        m_items->addButton(button, i);
        // At its own width the button answers clicks only on its mark and text.
        m_layout->addWidget(button, i, 0, Qt::AlignLeft);
    }
    connect(m_items, &QButtonGroup::idClicked, this, &RadioGruppe::clicked);
}

int RadioGruppe::itemIndex() const
{
    return m_items->checkedId();
}

void RadioGruppe::setItemIndex(int index)
{
    if (QRadioButton *chosen = item(index)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; only a non-exclusive one
    // lets the last selection go.
    if (QAbstractButton *checked = m_items->checkedButton()) {
        m_items->setExclusive(false);
        checked->setChecked(false);
        m_items->setExclusive(true);
    }
}

QRadioButton *RadioGruppe::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_items->button(index));
}

void RadioGruppe::setBeside(int index, QWidget *widget)
{
    m_layout->addWidget(widget, index, 1);
}
