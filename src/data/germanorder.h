#pragma once

#include <QByteArray>
#include <QStringView>

// Orders texts as German readers expect them in lists of names: letter case
// does not count, Ä is filed with A, Ö with O, Ü with U and ß with ss, and
// accented letters with their base letter. Texts that are equal in this way
// keep a fixed order by their exact characters, so an order never depends on
// which workstation wrote a row.
namespace GermanOrder {

// Whether texts that file alike are told apart by their exact characters.
enum class Ties { Keep, ByExactText };

// Appends a sort key of text to key: byte for byte, keys compare as their
// texts do in German order. Each part ends with a zero byte, so texts that
// begin alike sort the shorter one first, and keys of several texts can be
// joined into one. With Ties::Keep texts that file alike have equal keys.
void appendSortKey(QByteArray &key, QStringView text, Ties ties = Ties::ByExactText);

// Negative, zero or positive as a comes before, with or after b.
int compare(QStringView a, QStringView b);

} // namespace GermanOrder
