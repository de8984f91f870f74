#include "dbgrid.h"

#include "dataset.h"
#include "datasetmodel.h"
#include "datasource.h"
#include "exception.h"
#include "messages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionViewItem>

using namespace Qt::StringLiterals;

DbGrid::DbGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    // Tab goes on to the next control; the arrows move within the list.
    setTabKeyNavigation(false);
    // A list without the focus shows its current row in a pale colour, so the
    // list that the keys act on stands out.
    QPalette colours = palette();
    const QColor strong = colours.color(QPalette::Active, QPalette::Highlight);
    const QColor base = colours.color(QPalette::Active, QPalette::Base);
    const QColor pale = QColor::fromRgbF(0.3f * strong.redF() + 0.7f * base.redF(),
                                         0.3f * strong.greenF() + 0.7f * base.greenF(),
                                         0.3f * strong.blueF() + 0.7f * base.blueF());
    colours.setColor(QPalette::Inactive, QPalette::Highlight, pale);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(true);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int logical) {
        emit titleClicked(logical);
    });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        // The model always shows the fields in their current order, so the
        // header's visual order is folded back into the dataset's field order.
        if (m_syncing)
            return;
        if (Dataset *ds = dataset())
            ds->moveField(from, to);
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        measureRowsLater();
        if (!m_syncing && dataset() && logical < dataset()->fieldCount())
            m_userWidths.insert(dataset()->fieldAt(logical).name.toLower(), size);
    });
}

void DbGrid::setTextColumnFills(bool fills)
{
    m_textColumnFills = fills;
    setWordWrap(fills);
    // Rows as high as their wrapped texts; they are measured once after a
    // change of the list, not for each row or field that an operation writes.
    verticalHeader()->setSectionResizeMode(fills ? QHeaderView::Interactive : QHeaderView::Fixed);
    layoutColumns();
    measureRowsLater();
}

void DbGrid::measureRowsLater()
{
    if (!m_textColumnFills || m_measurePending)
        return;
    m_measurePending = true;
    QMetaObject::invokeMethod(this, [this] {
        m_measurePending = false;
        resizeRowsToContents();
        if (currentIndex().isValid())
            scrollTo(currentIndex());
    }, Qt::QueuedConnection);
}

void DbGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    measureRowsLater();
}

void DbGrid::setDataSource(DataSource *source)
{
    m_source = source;
    m_model = new DatasetModel(source->dataset(), this);
    // While rows come and go the view moves its own current index; that is
    // no choice of the user and must not move the dataset. The holds are
    // connected before the view's own handlers, the releases after them.
    auto hold = [this] { m_changing = true; };
    auto release = [this] {
        m_changing = false;
        showCurrentRow();
    };
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, hold);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
    setModel(m_model);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this, release] {
        layoutColumns();
        release();
        measureRowsLater();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this, release] {
        release();
        measureRowsLater();
    });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, release);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &DbGrid::measureRowsLater);
    connect(source->dataset(), &Dataset::currentRowChanged, this, &DbGrid::showCurrentRow);
    layoutColumns();
    showCurrentRow();
}

Dataset *DbGrid::dataset() const
{
    return m_source ? m_source->dataset() : nullptr;
}

void DbGrid::layoutColumns()
{
    Dataset *ds = dataset();
    if (!ds)
        return;
    m_syncing = true;
    QHeaderView *header = horizontalHeader();
    // A model reset keeps the header's own moves; they are already in the field order.
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical != visual)
            header->moveSection(header->visualIndex(visual), visual);
    }
    // A width in characters means characters of the width of a digit, so a
    // date or a postcode of that many characters shows whole.
    const int charWidth = fontMetrics().horizontalAdvance(u'0');
    for (int c = 0; c < ds->fieldCount(); ++c) {
        const FieldDef &f = ds->fieldAt(c);
        setColumnHidden(c, !f.visible);
        const auto user = m_userWidths.constFind(f.name.toLower());
        if (user != m_userWidths.constEnd())
            setColumnWidth(c, user.value());
        else if (f.displayWidth > 0)
            setColumnWidth(c, f.displayWidth * charWidth + 8);
        else
            setColumnWidth(c, std::max(header->sectionSizeHint(c), 12 * charWidth));
    }
    if (m_textColumnFills) {
        int last = ds->fieldCount() - 1;
        while (last > 0 && isColumnHidden(last))
            --last;
        for (int c = 0; c < ds->fieldCount(); ++c)
            header->setSectionResizeMode(c, c == last ? QHeaderView::Stretch : QHeaderView::Interactive);
    }
    m_syncing = false;
}

void DbGrid::showCurrentRow()
{
    Dataset *ds = dataset();
    if (!ds || !selectionModel())
        return;
    const int row = ds->currentRow();
    m_syncing = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        int column = currentIndex().isValid() ? currentIndex().column() : 0;
        while (column < ds->fieldCount() && isColumnHidden(column))
            ++column;
        const QModelIndex index = m_model->index(row, std::min(column, std::max(0, ds->fieldCount() - 1)));
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    }
    m_syncing = false;
}

void DbGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    Dataset *ds = dataset();
    if (m_syncing || m_changing || !ds || !current.isValid() || current.row() == ds->currentRow())
        return;
    try {
        ds->setCurrentRow(current.row());
    } catch (const Exception &e) {
        // The row being edited could not be stored: it stays current.
        Messages::exception(this, e.message());
        showCurrentRow();
    }
}

void DbGrid::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTableView::selectionChanged(selected, deselected);
    // Whatever moved the highlight alone (a drag over a list that scrolled
    // under the mouse, a click beside the rows), it goes back to the current
    // row once the event is done; during a move the highlight goes first.
    if (m_syncing || m_changing || m_checkPending)
        return;
    m_checkPending = true;
    QMetaObject::invokeMethod(this, [this] {
        m_checkPending = false;
        if (!highlightIsCurrentRow())
            showCurrentRow();
    }, Qt::QueuedConnection);
}

bool DbGrid::highlightIsCurrentRow() const
{
    const Dataset *ds = dataset();
    if (!ds || !selectionModel())
        return true;
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (ds->currentRow() < 0)
        return rows.isEmpty();
    return rows.size() == 1 && rows.first().row() == ds->currentRow();
}

QModelIndex DbGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // The list is read by rows: Home and End go to the first and last row.
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && model() && model()->rowCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model()->index(cursorAction == MoveHome ? 0 : model()->rowCount() - 1, column);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void DbGrid::mouseMoveEvent(QMouseEvent *event)
{
    // A click picks the row under the mouse at the press. The list may scroll
    // that row into view meanwhile, so the pressed mouse moves nothing.
    if (event->buttons() & Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void DbGrid::initViewItemOption(QStyleOptionViewItem *option) const
{
    QTableView::initViewItemOption(option);
    if (!hasFocus())
        option->state &= ~QStyle::State_Active;
}

void DbGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void DbGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void DbGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        Dataset *ds = dataset();
        if (!m_deleteAction || !ds || !ds->isOpen() || ds->isEmpty())
            return;
        if (!Messages::confirm(this, u"Datensatz löschen?"_s))
            return;
        try {
            m_deleteAction();
        } catch (const Exception &e) {
            Messages::exception(this, e.message());
        }
        return;
    }
    QTableView::keyPressEvent(event);
}
