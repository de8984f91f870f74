#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// A framed group of radio buttons of which at most one is selected; the
// selection is told by the item's position, -1 when none is selected.
class RadioGruppe : public QGroupBox
{
    Q_OBJECT

public:
    RadioGruppe(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const;
    // Selects the item at index; -1 leaves every item unselected.
    void setItemIndex(int index);
    QRadioButton *item(int index) const;
    // Places widget on the line of the item at index, to its right.
    void setBeside(int index, QWidget *widget);

signals:
    // The user chose the item at index, by mouse or keyboard.
    void clicked(int index);

private:
    QButtonGroup *m_items;
    QGridLayout *m_layout;
};
