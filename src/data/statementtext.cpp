#include "statementtext.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace StatementText {

QStringList placeholders(const QString &sql)
{
    QStringList names;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const QChar quote = c;
            for (++i; i < n && sql.at(i) != quote; ++i) {}
            continue;
        }
        if (c == u':' && i + 1 < n && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')
            && (i == 0 || (!sql.at(i - 1).isLetterOrNumber() && sql.at(i - 1) != u':'))) {
            qsizetype j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_'))
                ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
            i = j - 1;
        }
    }
    return names;
}

QString singleTable(const QString &sql)
{
    static const QRegularExpression re(
        uR"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)\s*(?:$|;|where\b|order\b))"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(sql);
    return m.hasMatch() ? m.captured(1) : QString();
}

QList<OrderTerm> orderBy(const QString &sql)
{
    // Blank out literals so that a quoted "order by" is not taken for one.
    QString text = sql;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\'' && c != u'"')
            continue;
        for (++i; i < text.size() && text.at(i) != c; ++i)
            text[i] = u' ';
    }
    static const QRegularExpression keyword(uR"(\border\s+by\b)"_s, QRegularExpression::CaseInsensitiveOption);
    qsizetype start = -1;
    for (auto it = keyword.globalMatch(text); it.hasNext();)
        start = it.next().capturedEnd();
    if (start < 0)
        return {};
    QString terms = text.mid(start);
    const qsizetype end = terms.indexOf(u';');
    if (end >= 0) {
        if (!terms.mid(end + 1).trimmed().isEmpty())
            return {};
        terms.truncate(end);
    }
    static const QRegularExpression term(uR"(^\s*([A-Za-z_][A-Za-z0-9_]*)(?:\s+(ASC|DESC))?\s*$)"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    QList<OrderTerm> result;
    for (const QString &part : terms.split(u',')) {
        const QRegularExpressionMatch m = term.match(part);
        if (!m.hasMatch())
            return {};
        result.append({m.captured(1), m.captured(2).compare(u"DESC"_s, Qt::CaseInsensitive) == 0});
    }
    return result;
}

} // namespace StatementText
