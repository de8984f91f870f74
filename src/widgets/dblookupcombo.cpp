#include "dblookupcombo.h"

#include "dataset.h"
#include "datasetmodel.h"
#include "fieldlink.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QTableView>

DbLookupCombo::DbLookupCombo(QWidget *parent)
    : QComboBox(parent), m_link(new FieldLink(this, [this] { showTarget(); }, [this] { writeTarget(); }))
{
    setMaxVisibleItems(20);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(10);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (!m_syncing && row >= 0)
            choose(row);
    });
}

void DbLookupCombo::setList(Dataset *list, const QString &keyField, const QStringList &shownFields)
{
    m_list = list;
    m_keyField = keyField;
    m_shownFields = shownFields;
    m_model = new DatasetModel(list, this);
    m_syncing = true;
    setModel(m_model);
    auto *view = new QTableView(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->hide();
    view->setShowGrid(false);
    view->setWordWrap(false);
    // One line per entry: rows need not be measured each time the list is read.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    setView(view);
    m_syncing = false;

    auto layoutColumns = [this, view] {
        if (!m_list)
            return;
        for (int c = 0; c < m_list->fieldCount(); ++c)
            view->setColumnHidden(c, !m_shownFields.contains(m_list->fieldAt(c).name, Qt::CaseInsensitive));
        const int first = m_shownFields.isEmpty() ? -1 : m_list->fieldPosition(m_shownFields.first());
        if (first >= 0)
            setModelColumn(first);
        if (m_shownFields.size() <= 1) {
            view->horizontalHeader()->setStretchLastSection(true);
        } else {
            // A column with a width of its own, in digits, keeps it; the
            // others fit what they show.
            view->resizeColumnsToContents();
            const int digit = view->fontMetrics().horizontalAdvance(u'0');
            for (int c = 0; c < m_list->fieldCount(); ++c) {
                if (!view->isColumnHidden(c) && m_list->fieldAt(c).displayWidth > 0)
                    view->setColumnWidth(c, m_list->fieldAt(c).displayWidth * digit + 8);
            }
        }
        syncToKey();
    };
    // While the list changes, the box's own choice of a row is no choice of the user.
    auto hold = [this] { m_syncing = true; };
    connect(list, &Dataset::aboutToReset, this, hold);
    connect(list, &Dataset::aboutToInsertRow, this, hold);
    connect(list, &Dataset::aboutToRemoveRow, this, hold);
    connect(list, &Dataset::reset, this, layoutColumns);
    connect(list, &Dataset::rowChanged, this, [this] { syncToKey(); });
    connect(list, &Dataset::rowInserted, this, [this] { syncToKey(); });
    connect(list, &Dataset::rowRemoved, this, [this] { syncToKey(); });
    layoutColumns();
}

void DbLookupCombo::bind(DataSource *target, const QString &targetField)
{
    m_link->bind(target, targetField);
}

void DbLookupCombo::setKeyValue(const QVariant &key)
{
    m_key = key;
    if (m_list && m_list->isOpen()) {
        const int row = key.isNull() ? -1 : m_list->findRow(m_keyField, key);
        if (row >= 0)
            m_list->setCurrentRow(row);
    }
    syncToKey();
}

QString DbLookupCombo::shownText() const
{
    return currentIndex() >= 0 ? currentText() : QString();
}

void DbLookupCombo::syncToKey()
{
    if (!m_list)
        return;
    const int row = (m_list->isOpen() && !m_key.isNull()) ? m_list->findRow(m_keyField, m_key) : -1;
    m_syncing = true;
    setCurrentIndex(row);
    m_syncing = false;
}

void DbLookupCombo::choose(int row)
{
    if (!m_list || !m_list->isOpen() || row >= m_list->recordCount())
        return;
    const int keyPosition = m_list->fieldPosition(m_keyField);
    m_key = keyPosition >= 0 ? m_list->valueAt(row, keyPosition) : QVariant();
    m_list->setCurrentRow(row);
    if (keyPosition < 0) {
        // The key field is not among the declared fields: read it from the row.
        m_key = m_list->value(m_keyField);
    }
    if (m_link->isBound() && m_link->beginEdit()) {
        m_link->setPending(true);
        m_link->writeNow(this);
    }
    syncToKey();
    emit keyChosen();
}

void DbLookupCombo::showTarget()
{
    Dataset *target = m_link->dataset();
    m_key = target && target->isOpen() ? target->value(m_link->field()) : QVariant();
    syncToKey();
}

void DbLookupCombo::writeTarget()
{
    m_link->dataset()->setValue(m_link->field(), m_key);
}

void DbLookupCombo::showPopup()
{
    const int width = std::max(m_dropDownWidth, this->width());
    view()->window()->setMinimumWidth(width);
    view()->setMinimumWidth(width);
    QComboBox::showPopup();
    if (m_alignRight) {
        QWidget *popup = view()->window();
        const QPoint rightEdge = mapToGlobal(QPoint(this->width(), 0));
        popup->move(std::max(0, rightEdge.x() - popup->width()), popup->y());
    }
}

void DbLookupCombo::hidePopup()
{
    // Qt also hides the list when the box itself is hidden or destroyed;
    // only a list that was open closes up.
    const bool wasOpen = view()->isVisible();
    QComboBox::hidePopup();
    // A choice made with the keyboard is taken over only after the list has
    // been hidden; the close-up follows once the choice has landed.
    if (wasOpen)
        QMetaObject::invokeMethod(this, &DbLookupCombo::closedUp, Qt::QueuedConnection);
}

void DbLookupCombo::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+L empties a box that allows it, without touching the list.
    if (m_clearable && event->key() == Qt::Key_L && event->modifiers() == Qt::ControlModifier) {
        m_key = QVariant();
        syncToKey();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}
