#include "inifile.h"

#include "exception.h"

#include <QByteArrayList>
#include <QFile>
#include <QSaveFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Editors on Windows often start a UTF-8 file with this mark.
const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// The lines of the file, each with its own line ending, so that joining them
// gives the file back byte for byte.
QByteArrayList splitLines(const QByteArray &content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        lines << content.mid(start, end - start);
        start = end;
    }
    return lines;
}

// A line without its "\n" or "\r\n".
QByteArray body(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    return text;
}

std::optional<QString> sectionName(const QByteArray &text)
{
    const QByteArray trimmed = text.trimmed();
    const qsizetype close = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || close < 0)
        return std::nullopt;
    return QString::fromUtf8(trimmed.mid(1, close - 1)).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isKey(const QByteArray &text, const QString &key)
{
    const qsizetype equals = text.indexOf('=');
    return equals >= 0 && sameName(QString::fromUtf8(text.left(equals)).trimmed(), key);
}

// Where a key stands in the file. Only the first section of the name counts,
// as on Windows; it ends at the next section line.
struct Place
{
    qsizetype section = -1;    // its "[...]" line
    qsizetype key = -1;        // the first line of the key
    qsizetype lastEntry = -1;  // the section's last line that is not blank
};

Place locate(const QByteArrayList &lines, const QString &section, const QString &key)
{
    Place place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray text = body(lines.at(i));
        if (i == 0 && text.startsWith(byteOrderMark))
            text.remove(0, byteOrderMark.size());
        if (const std::optional<QString> name = sectionName(text)) {
            if (place.section >= 0)
                break;
            if (sameName(*name, section))
                place.section = place.lastEntry = i;
            continue;
        }
        if (place.section < 0)
            continue;
        if (!text.trimmed().isEmpty())
            place.lastEntry = i;
        if (place.key < 0 && isKey(text, key))
            place.key = i;
    }
    return place;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw Exception(u"Die Ini-Datei \"%1\" kann nicht gelesen werden:\n%2"_s.arg(fileName, file.errorString()));
    return content;
}

} // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const QByteArrayList lines = splitLines(readAll(m_fileName));
    const Place place = locate(lines, section, key);
    if (place.key < 0)
        return {};
    const QByteArray text = body(lines.at(place.key));
    return QString::fromUtf8(text.mid(text.indexOf('=') + 1));
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value) const
{
    // A line break would end the entry early and turn the rest into a line of its own.
    if (value.contains(u'\n') || value.contains(u'\r'))
        throw Exception(u"Der Wert für \"%1\" enthält einen Zeilenumbruch und kann nicht in die Ini-Datei \"%2\" geschrieben werden."_s
                            .arg(key, m_fileName));

    QByteArrayList lines = QFile::exists(m_fileName) ? splitLines(readAll(m_fileName)) : QByteArrayList();
    // New lines end like the file's own lines.
    QByteArray lineEnd = QByteArrayLiteral("\n");
    for (const QByteArray &line : std::as_const(lines))
        if (line.endsWith('\n')) {
            if (line.endsWith("\r\n"))
                lineEnd = QByteArrayLiteral("\r\n");
            break;
        }
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    auto endLine = [&](qsizetype i) {
        if (!lines[i].endsWith('\n'))
            lines[i] += lineEnd;
    };

    const Place place = locate(lines, section, key);
    if (place.key >= 0) {
        const QByteArray &line = lines.at(place.key);
        const QByteArray ending = line.mid(body(line).size());
        lines[place.key] = line.left(line.indexOf('=') + 1) + value.toUtf8() + ending;
    } else if (place.section >= 0) {
        endLine(place.lastEntry);
        lines.insert(place.lastEntry + 1, entry + lineEnd);
    } else {
        if (!lines.isEmpty())
            endLine(lines.size() - 1);
        lines << '[' + section.toUtf8() + ']' + lineEnd << entry + lineEnd;
    }

    // The old file stays in place until the new one is complete.
    QSaveFile file(m_fileName);
    const QByteArray content = lines.join();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw Exception(u"Die Ini-Datei \"%1\" kann nicht geschrieben werden:\n%2"_s.arg(m_fileName, file.errorString()));
}
