#pragma once

#include <QLineEdit>

class DataSource;
class FieldLink;

// A one-line edit bound to a field. It shows the field's text (its get-text
// hook included); typing puts the dataset into editing, and the typed text is
// written into the row when the edit is left or the row is stored.
class DbEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit DbEdit(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);
    QString field() const;

private:
    void showField();
    void writeField();

    FieldLink *m_link;
};
