#pragma once

#include <QComboBox>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include "dataset.h"

class DataSource;
class DatasetModel;
class FieldLink;

// A selection box over the rows of a list dataset: it holds a key (a value of
// the key field) and shows the row with that key through the shown fields.
// Choosing a row makes it the list dataset's current row; bound to a target
// field, the box also writes the chosen key into that field of the current row
// and shows the key the field holds. A key without a row shows no text.
class DbLookupCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit DbLookupCombo(QWidget *parent = nullptr);

    void setList(Dataset *list, const QString &keyField, const QStringList &shownFields);
    void bind(DataSource *target, const QString &targetField);

    QVariant keyValue() const { return m_key; }
    // Sets the key; the row with that key becomes the list's current row.
    void setKeyValue(const QVariant &key);
    // The text shown for the key: its first shown field, or empty.
    QString shownText() const;

    // Width of the drop-down list in pixels (at least the box's own width),
    // and whether it opens aligned to the right edge of the box.
    void setDropDownWidth(int pixels) { m_dropDownWidth = pixels; }
    int dropDownWidth() const { return m_dropDownWidth; }
    void setDropDownAlignRight(bool right) { m_alignRight = right; }
    // Whether Ctrl+L empties the box (off unless a window asks for it).
    void setClearable(bool clearable) { m_clearable = clearable; }

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user chose a row; the key is set and the list moved to that row.
    void keyChosen();
    // The drop-down list closed, after a choice was taken over; delivered
    // from the event loop.
    void closedUp();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(int row);
    void syncToKey();
    void showTarget();
    void writeTarget();

    QPointer<Dataset> m_list;
    DatasetModel *m_model = nullptr;
    QString m_keyField;
    QStringList m_shownFields;
    QVariant m_key;
    FieldLink *m_link;
    bool m_syncing = false;
    int m_dropDownWidth = 0;
    bool m_alignRight = false;
    bool m_clearable = false;
};
