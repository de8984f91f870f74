#include "typedtext.h"

#include "exception.h"

#include <QDateTime>
#include <QLocale>

using namespace Qt::StringLiterals;

QVariant parseTypedText(const QString &text, ColumnType type)
{
    const QString t = text.trimmed();
    switch (type) {
    case ColumnType::DateTime: {
        if (t.isEmpty())
            return QVariant();
        static const QString formats[] = {u"d.M.yyyy H:mm:ss"_s, u"d.M.yyyy H:mm"_s, u"d.M.yyyy"_s,
                                          u"d.M.yy"_s, u"yyyy-MM-dd HH:mm:ss"_s, u"yyyy-MM-dd"_s};
        for (const QString &format : formats) {
            QDateTime dt = QDateTime::fromString(t, format);
            if (dt.isValid()) {
                // Two-digit years mean this century or the last one, never the future.
                if (format == u"d.M.yy" && dt.date().year() > QDate::currentDate().year())
                    dt = dt.addYears(-100);
                return dt;
            }
        }
        throw Exception(u"\"%1\" ist kein gültiges Datum.\n\nBitte im Format TT.MM.JJJJ eingeben, z.B. 31.12.1950."_s.arg(text));
    }
    case ColumnType::Integer: {
        if (t.isEmpty())
            return QVariant();
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (!ok)
            throw Exception(u"\"%1\" ist keine gültige Zahl.\n\nBitte nur Ziffern eingeben."_s.arg(text));
        return n;
    }
    case ColumnType::Real: {
        if (t.isEmpty())
            return QVariant();
        bool ok = false;
        const double d = QLocale().toDouble(t, &ok);
        if (!ok)
            throw Exception(u"\"%1\" ist keine gültige Zahl."_s.arg(text));
        return d;
    }
    default:
        return text;
    }
}
