#pragma once

#include <QHash>
#include <QPointer>
#include <QTableView>

#include <functional>

#include "datasource.h"

class DatasetModel;

// A read-only list of a dataset's rows: one column per visible field with its
// title and width, whole-row selection that follows and moves the dataset's
// current row, clickable titles, and columns that can be dragged to another
// place (which moves the field in the dataset's field order). The highlighted
// row is always the dataset's current row. Arrows move inside the list, Tab
// leaves it; the list that has the focus shows its row in the strong colour.
// A list deletes nothing by itself: only a window that hands it a delete
// action makes Ctrl+Delete ask "Datensatz löschen?" and run that action.
class DbGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DbGrid(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    Dataset *dataset() const;
    DatasetModel *datasetModel() const { return m_model; }

    // Lets the last visible column fill the list and wraps its long texts
    // over several lines, for lists of formulations.
    void setTextColumnFills(bool fills);

    // What Ctrl+Delete does after the question; without one the key does nothing.
    void setDeleteAction(std::function<void()> action) { m_deleteAction = std::move(action); }

signals:
    // A column title was clicked; position is the field's place in the field order.
    void titleClicked(int position);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layoutColumns();
    void showCurrentRow();
    bool highlightIsCurrentRow() const;
    void measureRowsLater();

    QPointer<DataSource> m_source;
    DatasetModel *m_model = nullptr;
    QHash<QString, int> m_userWidths;   // lower-case field name -> pixels
    std::function<void()> m_deleteAction;
    bool m_syncing = false;
    bool m_changing = false;
    bool m_checkPending = false;
    bool m_measurePending = false;
    bool m_textColumnFills = false;
};
