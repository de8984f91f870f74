#pragma once

#include <QCheckBox>

class DataSource;
class FieldLink;

// A check box bound to a yes/no field; ticked means true.
class DbCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit DbCheckBox(const QString &text, QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);

private:
    void showField();
    void writeField();

    FieldLink *m_link;
};
