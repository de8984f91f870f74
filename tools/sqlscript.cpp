#include "sqlscript.h"

QStringList splitSqlScript(const QString &script)
{
    QStringList statements;
    QString current;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        if (c == u'\'') {
            // A literal runs to the next lone quote; '' is a quote inside it.
            current += c;
            for (++i; i < n; ++i) {
                current += script.at(i);
                if (script.at(i) == u'\'') {
                    if (i + 1 < n && script.at(i + 1) == u'\'') {
                        current += script.at(++i);
                        continue;
                    }
                    break;
                }
            }
            continue;
        }
        if (c == u'-' && i + 1 < n && script.at(i + 1) == u'-') {
            while (i < n && script.at(i) != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}
