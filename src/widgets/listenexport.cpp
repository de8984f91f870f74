#include "listenexport.h"

#include "dataset.h"
#include "desktop.h"
#include "exception.h"
#include "messages.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString OrdnerName = u"Vandrel-Exporte"_s;
// Workbooks being written; a complete one gets its real name.
const QString ZwischenMuster = u".vandrel-export-*.xlsx"_s;
const QString ZwischenVorlage = u".vandrel-export-XXXXXX.xlsx"_s;

constexpr lxw_row_t TitelZeile = 0;
constexpr lxw_row_t KopfZeile = 2;
constexpr lxw_row_t ErsteDatenZeile = 3;

struct WorkbookFree
{
    void operator()(lxw_workbook *workbook) const { lxw_workbook_free(workbook); }
};
using Workbook = std::unique_ptr<lxw_workbook, WorkbookFree>;

QString grund(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return u"Der Text ist länger als die 32 767 Zeichen, die eine Zelle fasst."_s;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return u"Die Liste hat mehr Zeilen oder Spalten, als ein Tabellenblatt fasst."_s;
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return u"Der Arbeitsspeicher reicht nicht aus."_s;
    case LXW_ERROR_CREATING_XLSX_FILE:
        return u"Die Datei lässt sich nicht anlegen."_s;
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return u"Die Datei lässt sich nicht vollständig schreiben."_s;
    default:
        return QString::fromUtf8(lxw_strerror(error));
    }
}

[[noreturn]] void nichtGespeichert(const QString &folder, const QString &reason)
{
    throw Exception(u"Die Excel-Liste kann im Ordner \"%1\" nicht gespeichert werden: %2\n\n"
                    "Bitte prüfen, ob der Ordner beschrieben werden darf und der Datenträger Platz hat, "
                    "und erneut versuchen ..."_s
                        .arg(QDir::toNativeSeparators(folder), reason));
}

// A spreadsheet cell breaks its lines at line feeds only.
QString zellText(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

// Writes texts into cells. Each column is as wide as its longest line, so
// the list reads as it does in the window. A text of several lines wraps in
// its cell, and since the spreadsheet program does not fit rows to such texts
// by itself, its row grows to all lines.
class Blatt
{
public:
    Blatt(lxw_worksheet *sheet, lxw_format *umbruch) : m_sheet(sheet), m_umbruch(umbruch) {}

    void schreibe(lxw_row_t row, int position, const QString &text)
    {
        if (text.isEmpty())
            return;
        const QString cell = zellText(text);
        const auto column = lxw_col_t(position);
        const bool mehrzeilig = cell.contains(u'\n');
        const lxw_error error =
            worksheet_write_string(m_sheet, row, column, cell.toUtf8().constData(), mehrzeilig ? m_umbruch : nullptr);
        if (error != LXW_NO_ERROR) {
            char name[LXW_MAX_CELL_NAME_LENGTH];
            lxw_rowcol_to_cell(name, row, column);
            throw Exception(u"Die Zelle %1 der Excel-Liste kann nicht geschrieben werden: %2"_s
                                .arg(QString::fromLatin1(name), grund(error)));
        }
        // The title may reach over the empty cells beside it.
        if (row == TitelZeile)
            return;
        const QStringList lines = cell.split(u'\n');
        qsizetype longest = 0;
        for (const QString &line : lines)
            longest = std::max(longest, line.size());
        m_breiteste[column] = std::max(m_breiteste[column], double(longest) + 1);
        if (mehrzeilig)
            m_mehrzeilig.push_back({row, column, lines});
    }

    void passeAn()
    {
        for (auto &[column, width] : m_breiteste) {
            width = std::clamp(width, LXW_DEF_COL_WIDTH, MaxBreite);
            worksheet_set_column(m_sheet, column, column, width, nullptr);
        }
        std::map<lxw_row_t, int> zeilen;
        for (const Mehrzeilig &cell : m_mehrzeilig) {
            // Lines longer than their column wrap once more.
            const double width = m_breiteste[cell.column];
            int count = 0;
            for (const QString &line : cell.lines)
                count += std::max(1, int(std::ceil(double(line.size()) / width)));
            zeilen[cell.row] = std::max(zeilen[cell.row], count);
        }
        for (const auto &[row, count] : zeilen)
            worksheet_set_row(m_sheet, row, count * LXW_DEF_ROW_HEIGHT, nullptr);
    }

private:
    static constexpr double MaxBreite = 80;

    struct Mehrzeilig
    {
        lxw_row_t row;
        lxw_col_t column;
        QStringList lines;
    };

    lxw_worksheet *m_sheet;
    lxw_format *m_umbruch;
    std::map<lxw_col_t, double> m_breiteste;
    std::vector<Mehrzeilig> m_mehrzeilig;
};

// Title, header and one row per record, each text where the grid shows it.
void schreibeListe(Blatt &blatt, Dataset *dataset, const QString &title)
{
    blatt.schreibe(TitelZeile, 0, title);
    for (int position = 0; position < dataset->fieldCount(); ++position) {
        if (dataset->fieldAt(position).visible)
            blatt.schreibe(KopfZeile, position, dataset->fieldAt(position).title());
    }

    // Leaving the record being edited stores it, as moving in the list does.
    dataset->checkBrowseMode();
    // The rows are read where they stand; the list then shows the last one
    // current, as after walking through it.
    for (int record = 0; record < dataset->recordCount(); ++record) {
        for (int position = 0; position < dataset->fieldCount(); ++position) {
            if (dataset->fieldAt(position).visible)
                blatt.schreibe(lxw_row_t(ErsteDatenZeile + record), position, dataset->displayTextAt(record, position));
        }
    }
    dataset->last();
    blatt.passeAn();
}

// The title as a file name: no folder separators or characters that other
// systems refuse in names, and short enough for any file system.
QString dateiStamm(const QString &title)
{
    static const QRegularExpression verboten(uR"([/\\:*?"<>|\x00-\x1f])"_s);
    QString stem = title.simplified();
    stem.replace(verboten, u"-"_s);
    stem = stem.left(100).trimmed();
    while (stem.startsWith(u'.'))
        stem.remove(0, 1);
    return stem.isEmpty() ? u"Liste"_s : stem;
}

QString zielName(const QString &stem, int counter)
{
    return counter == 1 ? stem + u".xlsx"_s : u"%1 (%2).xlsx"_s.arg(stem).arg(counter);
}

// Moves the finished workbook to the first free name; another workbook of
// the same second, even one written by another workstation meanwhile, keeps
// its file.
QString alsFreienNamenAblegen(const QDir &dir, const QString &written, const QString &stem)
{
    for (int counter = 1; counter < 1000; ++counter) {
        const QString target = dir.filePath(zielName(stem, counter));
        if (QFileInfo::exists(target))
            continue;
        QFile file(written);
        if (file.rename(target))
            return target;
        if (!QFileInfo::exists(target))
            nichtGespeichert(dir.path(), file.errorString());
    }
    nichtGespeichert(dir.path(), grund(LXW_ERROR_CREATING_XLSX_FILE));
}

// A workbook that a program ending while it wrote left behind holds care
// data; one younger than an hour may still be written by another copy.
void alteResteEntfernen(const QDir &dir)
{
    const QDateTime vorEinerStunde = QDateTime::currentDateTime().addSecs(-3600);
    const QFileInfoList reste = dir.entryInfoList({ZwischenMuster}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &rest : reste) {
        if (rest.lastModified() < vorEinerStunde)
            QFile::remove(rest.filePath());
    }
}

} // namespace

QString ListenExportOrdner()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString base = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(base).filePath(OrdnerName);
}

void ExcelListenExport(Dataset *dataset, const QString &title)
{
    ExcelListenExport(dataset, title, ListenExportOrdner());
}

void ExcelListenExport(Dataset *dataset, const QString &title, const QString &folder)
{
    QWidget *parent = QApplication::activeWindow();
    QString target;
    try {
        if (!QDir().mkpath(folder))
            nichtGespeichert(folder, u"Der Ordner lässt sich nicht anlegen."_s);
        const QDir dir(folder);
        alteResteEntfernen(dir);
        const QString stem =
            dateiStamm(title) + u' ' + QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH-mm-ss"_s);

        // The workbook is written under a name of its own in the same folder
        // and only renamed when complete, so a failure leaves no part of a
        // list behind. The file is the user's alone, as it holds care data.
        QTemporaryFile written(dir.filePath(ZwischenVorlage));
        if (!written.open())
            nichtGespeichert(folder, written.errorString());
        written.close();

        lxw_workbook_options options{};
        Workbook workbook(workbook_new_opt(QFile::encodeName(written.fileName()).constData(), &options));
        if (!workbook)
            nichtGespeichert(folder, grund(LXW_ERROR_MEMORY_MALLOC_FAILED));
        lxw_worksheet *sheet = workbook_add_worksheet(workbook.get(), "Tabelle1");
        lxw_format *umbruch = workbook_add_format(workbook.get());
        if (!sheet || !umbruch)
            nichtGespeichert(folder, grund(LXW_ERROR_MEMORY_MALLOC_FAILED));
        format_set_text_wrap(umbruch);

        Blatt blatt(sheet, umbruch);
        schreibeListe(blatt, dataset, title);

        // Closing writes the file and frees the workbook, whatever it returns.
        const lxw_error closed = workbook_close(workbook.release());
        if (closed != LXW_NO_ERROR)
            nichtGespeichert(folder, grund(closed));
        target = alsFreienNamenAblegen(dir, written.fileName(), stem);
    } catch (const Exception &e) {
        Messages::exception(parent, e.message());
        return;
    }

    if (!Desktop::openUrl(QUrl::fromLocalFile(target))) {
        Messages::information(parent, u"Die Liste ist gespeichert, aber kein Tabellenprogramm hat sie geöffnet.\n\n"
                                      "Bitte die Datei mit LibreOffice Calc öffnen:\n%1"_s
                                          .arg(QDir::toNativeSeparators(target)));
    }
}
