#pragma once

#include <QString>
#include <QStringView>

// Orders texts as German readers expect them in lists of names: letter case
// does not count, Ä is filed with A, Ö with O, Ü with U and ß with ss, and
// accented letters with their base letter. Texts that are equal in this way
// keep a fixed order by their exact characters, so an order never depends on
// which workstation wrote a row.
namespace GermanOrder {

// The text as it is compared: folded to lower-case base letters.
QString sortKey(QStringView text);

// Negative, zero or positive as a comes before, with or after b.
int compare(QStringView a, QStringView b);

// Compares two texts whose sort keys were computed before.
inline int compareWithKeys(QStringView keyA, QStringView a, QStringView keyB, QStringView b)
{
    const int c = keyA.compare(keyB);
    return c != 0 ? c : a.compare(b);
}

} // namespace GermanOrder
