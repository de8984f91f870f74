#pragma once

#include "Stammfrm.h"

#include <QList>
#include <QString>

#include <functional>

class DbConnection;

// One master-data window as the pattern tests drive it.
struct StammFenster
{
    QString name;
    std::function<TStammForm *(DbConnection *DB, std::function<qint32()> benutzer)> erzeugen;
    QString tabelle;
    QString schluessel;
    QString praefix;
    QString bemerkung;
    // Three records (and what they need) in a fresh care database.
    QString fixture;
    // A text column with an edit on the details page, and that edit's name.
    QString textFeld;
    QString textEdit;
    // Columns A, B and C of the title-click sequence; empty when the list
    // has no title-click sort.
    QStringList sortierFelder;
    // Types what the window requires before it stores a record.
    std::function<void(TStammForm *)> pflichtfelder;
    // Makes the record with key 1 referred to, so it must not be deleted.
    QString referenzSql;
    QString vorschauTitel;
};

// The four windows, each a row of the pattern tests.
const QList<StammFenster> &stammFenster();
