#pragma once

#include "dbcommand.h"

#include <QWidget>

class DbConnection;
class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// Runs an SQL script loaded from a file as one command, inside a transaction,
// against the care database or the catalogue database. The script cannot be
// typed in the window; it is loaded from a file and can be saved again.
class TSqlDirektForm : public QWidget
{
    Q_OBJECT

public:
    // DB is the care database, ORG_DB the catalogue database.
    TSqlDirektForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent = nullptr);
    ~TSqlDirektForm() override;

    // The chosen database: 0 the care database, 1 the catalogue database.
    int AuswahlIndex() const;

    QGroupBox *AuswahlGroup;
    QPushButton *DateiOeffnenBtn;
    QPushButton *DateiSpeicherBtn;
    QPlainTextEdit *SqlMemo;
    QPushButton *AusfuehrenBtn;
    QPushButton *LeerenBtn;
    QStatusBar *Statuszeile;

    // Loading and saving raise Exception when the file cannot be read or written.
    void DateiOeffnenBtnClick();
    void DateiSpeicherBtnClick();
    void AusfuehrenBtnClick();
    void LeerenBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void zentrieren();

    DbConnection *m_DB;
    DbConnection *m_ORG_DB;
    QButtonGroup *m_auswahl;
    DbCommand sql_command_dbkomm;
    bool m_platziert = false;
};

// The one live SQL window; empty while none exists.
extern TSqlDirektForm *SqlDirektForm;
