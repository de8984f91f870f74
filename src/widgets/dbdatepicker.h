#pragma once

#include <QDateEdit>

class DataSource;
class FieldLink;

// A date field with a calendar drop-down. Bound to a date field it shows and
// writes that field; unbound, the window reads date() when closedUp() tells
// that the calendar was closed.
class DbDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DbDatePicker(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);

signals:
    // The calendar drop-down was closed (by picking a day or otherwise).
    void closedUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showField();
    void writeField();

    FieldLink *m_link;
    bool m_showing = false;
};
