#include "germanorder.h"

namespace GermanOrder {

QString sortKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            key.append(u >= u'A' && u <= u'Z' ? QChar(u + 32) : c);
            continue;
        }
        switch (u) {
        case u'ä': case u'Ä':
            key.append(u'a');
            continue;
        case u'ö': case u'Ö':
            key.append(u'o');
            continue;
        case u'ü': case u'Ü':
            key.append(u'u');
            continue;
        case u'ß': case u'ẞ':
            key.append(u"ss");
            continue;
        default:
            break;
        }
        // A text typed as base letter plus combining mark sorts as the letter.
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.decompositionTag() == QChar::Canonical) {
            const QString parts = c.decomposition();
            key.append(parts.at(0).toCaseFolded());
            continue;
        }
        key.append(c.toCaseFolded());
    }
    return key;
}

int compare(QStringView a, QStringView b)
{
    return compareWithKeys(sortKey(a), a, sortKey(b), b);
}

} // namespace GermanOrder
