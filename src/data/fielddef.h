#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// Supplies the text shown for a stored value wherever a field is shown: in
// grids, bound edits, pick lists and exports.
using GetTextHook = std::function<QString(const QVariant &value)>;

// A declared field of a dataset: which column it shows and how. The order of
// a dataset's fields is the column order of grids and exports.
struct FieldDef
{
    FieldDef() = default;
    FieldDef(QString name, QString label = {}, int displayWidth = 0, bool visible = true,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
        : name(std::move(name)), label(std::move(label)), displayWidth(displayWidth), visible(visible),
          alignment(alignment)
    {}

    QString name;              // column name; matched without regard to letter case
    QString label;             // column title; the name when empty
    int displayWidth = 0;      // in characters; 0 means the default width
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    GetTextHook getText;       // optional

    QString title() const { return label.isEmpty() ? name : label; }
};
