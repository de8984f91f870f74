#pragma once

#include "dbconnection.h"
#include "fielddef.h"
#include "rowwriter.h"
#include "statementtext.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QSqlQuery;

// A query on a connection with all its rows fetched (a static cursor), a
// current row, and editing of that row. A dataset that selects all columns of
// one table ("select * from TABLE ...") is updatable: post() writes the row
// back by its key. Texts are ordered as German readers expect them, both by
// the statement's "order by" and by setSort(). Failures raise Exception; a
// refused post raises DatabaseError, a post or removal that the database
// could not carry out raises DatabaseAccessError.
class Dataset : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit Dataset(DbConnection *connection, QObject *parent = nullptr);
    ~Dataset() override;

    DbConnection *connection() const { return m_connection; }

    // The statement, with named parameters written ":name". Setting it closes
    // the dataset.
    void setSql(const QString &sql);
    QString sql() const { return m_sql; }
    // Parameters are kept across close and open; unset ones are empty.
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;

    // Declares the fields (order, titles, widths, hooks). Only declared columns
    // are loaded; a declared column missing from the result makes open() fail.
    // Without a declaration every column of the result is a field.
    void setFields(const QList<FieldDef> &fields);
    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef &fieldAt(int position) const { return m_fields.at(position); }
    // Position of a field in the current order, or -1.
    int fieldPosition(const QString &name) const;
    // Moves a field to another place in the field order, for the rest of the
    // dataset's life.
    void moveField(int from, int to);
    void setFieldVisible(const QString &name, bool visible);
    void setGetText(const QString &name, GetTextHook hook);

    // Runs the statement and fetches every row; the first row becomes current.
    void open();
    // Discards the rows; pending changes of the current row are dropped.
    void close();
    // Reads the rows anew, keeping nothing of the old rows; views hear of it
    // as one reset. A failure leaves the dataset closed.
    void reopen();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The current row, or -1 when there is none.
    int currentRow() const { return m_current; }
    // Makes row current. A row being edited is stored first if a value
    // changed, otherwise its editing is dropped; a failed store raises and
    // leaves the current row where it was.
    void setCurrentRow(int row);
    void first();
    void last();
    void next();   // past the last row, atEnd() becomes true
    void prior();
    bool atEnd() const { return m_atEnd || m_rows.isEmpty(); }
    // Makes the first row whose column equals value current; returns whether
    // one was found.
    bool locate(const QString &name, const QVariant &value);
    // The first row whose column equals value, or -1; the current row stays.
    int findRow(const QString &name, const QVariant &value) const;

    // Values of the current row (the edited values while editing). Unknown
    // names raise Exception; an empty column reads as "" or 0.
    QVariant value(const QString &name) const;
    QString asText(const QString &name) const;
    qint64 asInteger(const QString &name) const;
    QDateTime asDateTime(const QString &name) const;
    bool asBool(const QString &name) const;
    bool isNull(const QString &name) const;
    // The text shown for the current row's field: its get-text hook, or the
    // value formatted for display.
    QString displayText(const QString &name) const;

    // Values of any row, by field position (for grids and exports).
    QVariant valueAt(int row, int position) const;
    QString displayTextAt(int row, int position) const;
    // The text shown for a value of a field without a hook.
    static QString formatValue(const QVariant &value);

    // Editing the current row.
    void append();   // a new empty row at the end; state Insert
    void edit();     // state Edit; on an empty dataset this appends
    void setValue(const QString &name, const QVariant &value);
    ColumnType fieldType(const QString &name) const;
    void post();
    void cancel();
    // Deletes the current row from the table. A row that another workstation
    // deleted meanwhile leaves the list and raises DatabaseAccessError.
    void remove();
    // Ends the editing of the current row as leaving it does: bound controls
    // write their text, a changed row is stored, an unchanged one dropped.
    void checkBrowseMode();
    // Whether a value of the row being edited differs from the stored one.
    bool isModified() const;

    // Re-orders the fetched rows by "FIELD ASC" or "FIELD DESC"; an empty
    // text restores the order of the statement. The current row stays current.
    void setSort(const QString &sort);
    QString sort() const { return m_sort; }

    // Binds parameter to a column of another dataset's current row: this
    // dataset is read again whenever that row changes.
    void addMasterLink(Dataset *master, const QString &masterField, const QString &parameter);

    // Whether post() can write rows, and to which table.
    bool isUpdatable() const { return !m_writer.table().isEmpty(); }
    QString updateTable() const { return m_writer.table(); }

signals:
    void stateChanged(Dataset::State state);
    // The current row moved to another row (also on open and close).
    void currentRowChanged();
    // A value of the current row changed while it is edited.
    void fieldChanged(const QString &name);
    // The stored values of a row changed (after a post).
    void rowChanged(int row);
    void aboutToReset();
    void reset();   // opened, closed, re-sorted
    void aboutToInsertRow(int row);
    void rowInserted(int row);
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);
    void fieldsMoved();
    // Asks bound controls to write their pending text into the row.
    void updateRecordRequested();

private:
    struct Column {
        QString name;
        ColumnType type = ColumnType::Unknown;
    };
    struct SortTerm {
        int column;
        bool descending;
    };
    struct MasterLink {
        QPointer<Dataset> master;
        QString field;
        QString parameter;
    };

    int columnIndex(const QString &name) const;
    int columnOfField(int position) const { return m_fieldColumns.at(position); }
    void requireRow() const;
    void setState(State state);
    void buildFieldColumns();
    // Runs the statement and takes its rows in place of the present ones.
    void load();
    // Re-orders the fetched rows by the terms; the current row stays current.
    void sortRows(const std::vector<SortTerm> &terms);
    // Puts the rows in the given order of their present places.
    void reorderRows(const std::vector<int> &order);
    // The terms of the statement's own order when its texts must be put in
    // German order after fetching; none when the engine's order is right.
    std::vector<SortTerm> statementSortTerms() const;
    QVariant rowValue(int row, int column) const;
    void postInsert();
    void postUpdate();
    void reloadRow();
    void refreshFromMasters();
    QString fieldName(int column) const { return m_columns.at(column).name; }
    void findHooks();

    QSqlQuery &preparedQuery();
    // Works out the columns of the result and which of them are loaded.
    void readLayout(QSqlQuery &query);
    void forgetStatement();

    DbConnection *m_connection;
    // The statement stays prepared across openings: look-ups that run once
    // per shown value only bind and run it.
    std::unique_ptr<QSqlQuery> m_prepared;
    bool m_layoutReady = false;
    RowWriter m_writer;
    std::vector<int> m_source;            // column -> place in the result
    QString m_sql;
    QStringList m_placeholders;
    QHash<QString, QVariant> m_params;
    QList<StatementText::OrderTerm> m_orderBy;   // the statement's "order by", when it names plain columns

    QList<FieldDef> m_fields;
    bool m_fieldsDeclared = false;
    std::vector<int> m_fieldColumns;      // field position -> column
    std::vector<Column> m_columns;
    QHash<QString, int> m_columnByName;   // lower-case name -> column

    QList<QByteArray> m_rows;
    QList<int> m_sequence;               // each row's place in the statement's order
    int m_nextSequence = 0;
    int m_current = -1;
    bool m_atEnd = true;
    State m_state = State::Inactive;
    QString m_sort;

    std::vector<QVariant> m_buffer;
    std::vector<QVariant> m_original;
    std::vector<bool> m_assigned;        // columns set while editing; post writes them
    int m_rowBeforeInsert = -1;

    QHash<QString, GetTextHook> m_hooks;  // lower-case field name -> hook
    std::vector<GetTextHook> m_columnHooks;
    QList<MasterLink> m_masterLinks;
};

// A dataset named as the windows name their queries, with its statement.
Dataset *newQuery(DbConnection *connection, const QString &name, const QString &sql, QObject *parent);
