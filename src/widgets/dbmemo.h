#pragma once

#include <QPlainTextEdit>

class DataSource;
class FieldLink;

// A multi-line text bound to a field, for remarks; works like DbEdit.
class DbMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DbMemo(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showField();
    void writeField();

    FieldLink *m_link;
    bool m_showing = false;
};
