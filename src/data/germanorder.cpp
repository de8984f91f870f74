#include "germanorder.h"

#include <QString>

#include <cstring>

namespace GermanOrder {

namespace {

char *putUtf8(char *out, char32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

// The letter a character is filed under.
char *putFolded(char *out, QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80) {
        *out++ = char(u >= u'A' && u <= u'Z' ? u + 32 : u);
        return out;
    }
    switch (u) {
    case u'ä': case u'Ä':
        *out++ = 'a';
        return out;
    case u'ö': case u'Ö':
        *out++ = 'o';
        return out;
    case u'ü': case u'Ü':
        *out++ = 'u';
        return out;
    case u'ß': case u'ẞ':
        *out++ = 's';
        *out++ = 's';
        return out;
    default:
        break;
    }
    // A text typed as base letter plus combining mark sorts as the letter.
    if (c.category() == QChar::Mark_NonSpacing)
        return out;
    if (c.decompositionTag() == QChar::Canonical)
        c = c.decomposition().at(0);
    return putUtf8(out, c.toCaseFolded().unicode());
}

} // namespace

void appendSortKey(QByteArray &key, QStringView text, Ties ties)
{
    // Each UTF-16 unit takes at most three bytes, twice over, and two ends.
    const qsizetype start = key.size();
    key.resize(start + 6 * text.size() + 2);
    char *const begin = key.data();
    char *out = begin + start;
    for (const QChar c : text)
        out = putFolded(out, c);
    *out++ = '\0';
    if (ties == Ties::ByExactText) {
        // The exact characters decide between texts that file alike; UTF-8
        // orders by code point.
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t c = text[i].unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
            out = putUtf8(out, c);
        }
        *out++ = '\0';
    }
    key.resize(out - begin);
}

int compare(QStringView a, QStringView b)
{
    QByteArray x, y;
    appendSortKey(x, a);
    appendSortKey(y, b);
    const int c = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    return c != 0 ? c : int(x.size() > y.size()) - int(x.size() < y.size());
}

} // namespace GermanOrder
