#include "dataset.h"
#include "listenexport.h"
#include "recordingdesktop.h"
#include "recordingmessages.h"
#include "testdatabases.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>

#include <sys/resource.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// A workbook as a spreadsheet program reads it: the cells of the first sheet
// by name ("B4"), whether each is a text cell and whether it wraps its lines.
struct Workbook
{
    int sheets = 0;
    bool firstSheetActive = false;
    QMap<QString, QString> texts;
    QStringList notText;
    QStringList wrapped;
    QMap<int, double> rowHeights;         // rows of their own height
    QMap<QString, double> columnWidths;   // columns of their own width
};

// The cells a list of rows gives from row startRow on, by name, without the
// empty ones.
QMap<QString, QString> cellsOf(const QList<QStringList> &rows, int startRow)
{
    QMap<QString, QString> cells;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            if (!rows[r][c].isEmpty())
                cells.insert(QChar(u'A' + c) + QString::number(startRow + r), rows[r][c]);
        }
    }
    return cells;
}

// The cells of one row.
QMap<QString, QString> cellsInRow(const QMap<QString, QString> &cells, int row)
{
    static const QRegularExpression name(uR"(^[A-Z]+(\d+)$)"_s);
    QMap<QString, QString> inRow;
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        if (name.match(it.key()).captured(1).toInt() == row)
            inRow.insert(it.key(), it.value());
    }
    return inRow;
}

// Debian's interpreter, where the package python3-openpyxl puts its reader,
// before any other.
QString python()
{
    const QString debian = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s});
    return debian.isEmpty() ? QStandardPaths::findExecutable(u"python3"_s) : debian;
}

// Reads the workbook with openpyxl, as a spreadsheet program would.
Workbook readWorkbook(const QString &path)
{
    static const QString script = uR"(
import json, sys
import openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = [[c.coordinate, c.value, c.data_type, bool(c.alignment.wrap_text)]
         for row in sheet.iter_rows() for c in row if c.value is not None]
heights = {r: d.height for r, d in sheet.row_dimensions.items() if d.height}
widths = {c: d.width for c, d in sheet.column_dimensions.items() if d.customWidth}
print(json.dumps({"sheets": len(book.worksheets), "active": book.active.title == sheet.title,
                  "cells": cells, "heights": heights, "widths": widths}, default=str))
)"_s;
    QProcess process;
    process.start(python(), {u"-c"_s, script, path});
    Workbook book;
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning("%s", process.readAllStandardError().constData());
        return book;
    }
    const QJsonObject result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    book.sheets = result.value(u"sheets"_s).toInt();
    book.firstSheetActive = result.value(u"active"_s).toBool();
    const QJsonArray cells = result.value(u"cells"_s).toArray();
    for (const QJsonValue &value : cells) {
        const QJsonArray cell = value.toArray();
        const QString name = cell.at(0).toString();
        book.texts.insert(name, cell.at(1).toVariant().toString());
        if (cell.at(2).toString() != u"s"_s)
            book.notText << name;
        if (cell.at(3).toBool())
            book.wrapped << name;
    }
    const QJsonObject heights = result.value(u"heights"_s).toObject();
    for (auto it = heights.begin(); it != heights.end(); ++it)
        book.rowHeights.insert(it.key().toInt(), it.value().toDouble());
    const QJsonObject widths = result.value(u"widths"_s).toObject();
    for (auto it = widths.begin(); it != widths.end(); ++it)
        book.columnWidths.insert(it.key(), it.value().toDouble());
    return book;
}

} // namespace

class tst_ListenExport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> db;
    std::unique_ptr<QTemporaryDir> out;
    std::unique_ptr<QObject> owner;
    Dataset *departments = nullptr;
    Dataset *searchEmployee = nullptr;
    Dataset *searchDepartment = nullptr;

    const QString title = u"Aktuelle Abteilungen-Liste"_s;

    // The windows' rule for audit ids: the employee's login name, the id's
    // digits when there is no such employee.
    GetTextHook loginName()
    {
        return [this](const QVariant &id) {
            searchEmployee->close();
            searchEmployee->setParam(u"id"_s, id.toLongLong());
            searchEmployee->open();
            const QString text = searchEmployee->isEmpty() ? Dataset::formatValue(id)
                                                           : searchEmployee->asText(u"ma_prog_name"_s);
            searchEmployee->close();
            return text;
        };
    }

    GetTextHook departmentName()
    {
        return [this](const QVariant &id) {
            searchDepartment->close();
            searchDepartment->setParam(u"id"_s, id.toLongLong());
            searchDepartment->open();
            const QString text = searchDepartment->isEmpty() ? Dataset::formatValue(id)
                                                             : searchDepartment->asText(u"abt_name"_s);
            searchDepartment->close();
            return text;
        };
    }

    static GetTextHook wholeText()
    {
        return [](const QVariant &v) { return v.toString(); };
    }

    void openLookups()
    {
        searchEmployee = new Dataset(db->care.get(), owner.get());
        searchEmployee->setSql(u"select * from tbl_mitarbeiter\nwhere ma_id = :id ;"_s);
        searchDepartment = new Dataset(db->care.get(), owner.get());
        searchDepartment->setSql(u"select * from tbl_abteilungen\nwhere abt_id = :id ;"_s);
    }

    // Every file in the export folder, hidden ones included.
    QStringList filesInFolder(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // The one workbook an export left in the folder, read back.
    Workbook exportedWorkbook()
    {
        const QStringList files = filesInFolder(out->path());
        if (files.size() != 1) {
            qWarning("%s", qPrintable(u"Statt einer Datei: "_s + files.join(u", "_s)));
            return {};
        }
        return readWorkbook(QDir(out->path()).filePath(files.first()));
    }

    QString stem(const QDateTime &time) const
    {
        return title + u' ' + time.toString(u"yyyy-MM-dd HH-mm-ss"_s);
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void initTestCase()
    {
        QProcess process;
        process.start(python(), {u"-c"_s, u"import openpyxl"_s});
        QVERIFY2(process.waitForFinished(60000) && process.exitCode() == 0,
                 "The workbooks are read back with openpyxl: apt-get install python3-openpyxl");
    }

    void init()
    {
        db = std::make_unique<TestDatabases>();
        out = std::make_unique<QTemporaryDir>();
        owner = std::make_unique<QObject>();
        TestDatabases::run(*db->care,
            u"insert into tbl_abteilungen (abt_id, abt_name, abt_ort, abt_telefon_1, abt_bemerkung, abt_erfasst_von) values "
            "(1, 'Ambulanter Dienst', 'Bielefeld', '0521 100', 'Zeile 1\nZeile 2', 1), "
            "(2, 'Tagespflege', 'Herford', '05221 200', 'Zeile A\r\nZeile B', 99), "
            "(3, 'Wohnbereich Nord', NULL, NULL, NULL, NULL)"_s);
        openLookups();
        departments = new Dataset(db->care.get(), owner.get());
        departments->setSql(u"select * from tbl_abteilungen\norder by abt_name ;"_s);
        // A hidden field between visible ones and one after the last visible one.
        departments->setFields({FieldDef(u"abt_name"_s, u"Abt. Name"_s, 15),
                                FieldDef(u"abt_id"_s, u"Abt. ID"_s, 5, false),
                                FieldDef(u"abt_ort"_s, u"Abt. Ort"_s, 15),
                                FieldDef(u"abt_bemerkung"_s, u"Abt. Bemerkung"_s, 50),
                                FieldDef(u"abt_erfasst_von"_s, u"erfasst von"_s),
                                FieldDef(u"abt_telefon_1"_s, u"Abt. Telefon 1"_s, 15, false)});
        departments->setGetText(u"abt_bemerkung"_s, wholeText());
        departments->setGetText(u"abt_erfasst_von"_s, loginName());
    }

    void cleanup()
    {
        owner.reset();
        out.reset();
        db.reset();
    }

    void export_writesCellsAsTheListShowsThem_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<int>("moveFrom");
        QTest::addColumn<int>("moveTo");
        QTest::addColumn<QList<QStringList>>("rows");

        const QStringList header{u"Abt. Name"_s, {}, u"Abt. Ort"_s, u"Abt. Bemerkung"_s, u"erfasst von"_s};
        const QStringList ambulant{u"Ambulanter Dienst"_s, {}, u"Bielefeld"_s, u"Zeile 1\nZeile 2"_s, u"admin"_s};
        // A line break written on Windows is one break in the cell.
        const QStringList tagespflege{u"Tagespflege"_s, {}, u"Herford"_s, u"Zeile A\nZeile B"_s, u"99"_s};
        const QStringList nord{u"Wohnbereich Nord"_s, {}, {}, {}, {}};
        QTest::newRow("query order") << QString() << 0 << 0
                                     << QList<QStringList>{header, ambulant, tagespflege, nord};
        QTest::newRow("title click ascending") << u"abt_ort ASC"_s << 0 << 0
                                               << QList<QStringList>{header, nord, ambulant, tagespflege};
        QTest::newRow("title click descending") << u"abt_ort DESC"_s << 0 << 0
                                                << QList<QStringList>{header, tagespflege, ambulant, nord};
        QTest::newRow("town dragged to the first place")
            << QString() << 2 << 0
            << QList<QStringList>{{u"Abt. Ort"_s, u"Abt. Name"_s, {}, u"Abt. Bemerkung"_s, u"erfasst von"_s},
                                  {u"Bielefeld"_s, u"Ambulanter Dienst"_s, {}, u"Zeile 1\nZeile 2"_s, u"admin"_s},
                                  {u"Herford"_s, u"Tagespflege"_s, {}, u"Zeile A\nZeile B"_s, u"99"_s},
                                  {{}, u"Wohnbereich Nord"_s, {}, {}, {}}};
    }

    void export_writesCellsAsTheListShowsThem()
    {
        QFETCH(QString, sort);
        QFETCH(int, moveFrom);
        QFETCH(int, moveTo);
        QFETCH(QList<QStringList>, rows);
        RecordingMessages messages;
        RecordingDesktop desktop;
        departments->open();
        if (!sort.isEmpty())
            departments->setSort(sort);
        departments->moveField(moveFrom, moveTo);

        ExcelListenExport(departments, title, out->path());

        QCOMPARE(messages.texts, QStringList());
        const Workbook book = exportedWorkbook();
        QCOMPARE(book.sheets, 1);
        QVERIFY(book.firstSheetActive);
        QMap<QString, QString> expected = cellsOf(rows, 3);
        expected.insert(u"A1"_s, title);
        QCOMPARE(book.texts, expected);
        // Digits and towns stay texts, as the list shows them. Every column
        // is wide enough for its lines; only a remark of several lines wraps,
        // in a row tall enough to show them.
        QCOMPARE(book.notText, QStringList());
        QStringList multiLine;
        QList<int> tallRows;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QStringList lines = it.value().split(u'\n');
            if (it.key() != u"A1"_s) {
                for (const QString &line : lines)
                    QVERIFY2(book.columnWidths.value(it.key().left(1)) >= std::min<qsizetype>(line.size(), 80),
                             qPrintable(it.key()));
            }
            if (lines.size() < 2)
                continue;
            multiLine << it.key();
            const int row = it.key().mid(1).toInt();
            tallRows << row;
            QVERIFY2(book.rowHeights.value(row) >= lines.size() * 15.0, qPrintable(it.key()));
        }
        QCOMPARE(book.wrapped, multiLine);
        QCOMPARE(book.rowHeights.keys(), tallRows);
        // The walk ends on the last record of the list's order, which stays.
        QCOMPARE(departments->currentRow(), departments->recordCount() - 1);
        QCOMPARE(departments->sort(), sort);
    }

    void export_employeesListLeavesPasswordAndHiddenColumnsEmpty()
    {
        db = std::make_unique<TestDatabases>(true);
        openLookups();
        RecordingMessages messages;
        RecordingDesktop desktop;
        auto *employees = new Dataset(db->care.get(), owner.get());
        employees->setSql(u"select * from tbl_mitarbeiter\norder by ma_name, ma_vorname, ma_plz, ma_strasse ;"_s);
        employees->setFields({
            FieldDef(u"ma_abt"_s, u"Abt."_s), FieldDef(u"ma_anrede"_s, u"Anrede"_s, 7),
            FieldDef(u"ma_name"_s, u"Name"_s, 25), FieldDef(u"ma_vorname"_s, u"Vorname"_s, 20),
            FieldDef(u"ma_prog_name"_s, u"Anmelde-Name"_s, 20), FieldDef(u"ma_kennwort"_s, u"Kennwort"_s, 10, false),
            FieldDef(u"ma_prog_berechtigung"_s, u"Prog.-Berechtigung"_s, 0, false), FieldDef(u"ma_hdz"_s, u"HDZ"_s, 5),
            FieldDef(u"ma_geburtstag"_s, u"Geburtstag"_s, 10), FieldDef(u"ma_strasse"_s, u"Strasse"_s, 20),
            FieldDef(u"ma_plz"_s, u"PLZ"_s, 5), FieldDef(u"ma_ort"_s, u"Ort"_s, 25),
            FieldDef(u"ma_telefon_1"_s, u"Telefon 1"_s, 15), FieldDef(u"ma_telefon_2"_s, u"Telefon 2"_s, 15),
            FieldDef(u"ma_mobil_1"_s, u"Mobil 1"_s, 15), FieldDef(u"ma_mobil_2"_s, u"Mobil 2"_s, 15),
            FieldDef(u"ma_fax_1"_s, u"Fax 1"_s, 15), FieldDef(u"ma_fax_2"_s, u"Fax 2"_s, 15),
            FieldDef(u"ma_email_1"_s, u"Email 1"_s, 25), FieldDef(u"ma_email_2"_s, u"Email 2"_s, 25),
            FieldDef(u"ma_bemerkung"_s, u"Bermerkung"_s, 50), FieldDef(u"ma_geaendert_von"_s, u"geändert von"_s, 15),
            FieldDef(u"ma_geaendert_am"_s, u"geändert am"_s), FieldDef(u"ma_erfasst_von"_s, u"erfasst von"_s, 15),
            FieldDef(u"ma_erfasst_am"_s, u"erfasst am"_s), FieldDef(u"ma_id"_s, {}, 0, false)});
        employees->setGetText(u"ma_abt"_s, departmentName());
        employees->setGetText(u"ma_bemerkung"_s, wholeText());
        employees->setGetText(u"ma_geaendert_von"_s, loginName());
        employees->setGetText(u"ma_erfasst_von"_s, loginName());
        employees->open();

        ExcelListenExport(employees, u"Aktuelle Mitarbeiter-Liste"_s, out->path());

        QCOMPARE(messages.texts, QStringList());
        const Workbook book = exportedWorkbook();
        const QStringList header{u"Abt."_s, u"Anrede"_s, u"Name"_s, u"Vorname"_s, u"Anmelde-Name"_s, {}, {},
                                 u"HDZ"_s, u"Geburtstag"_s, u"Strasse"_s, u"PLZ"_s, u"Ort"_s, u"Telefon 1"_s,
                                 u"Telefon 2"_s, u"Mobil 1"_s, u"Mobil 2"_s, u"Fax 1"_s, u"Fax 2"_s, u"Email 1"_s,
                                 u"Email 2"_s, u"Bermerkung"_s, u"geändert von"_s, u"geändert am"_s,
                                 u"erfasst von"_s, u"erfasst am"_s};
        QCOMPARE(cellsInRow(book.texts, 3), cellsOf({header}, 3));
        QCOMPARE(book.texts.value(u"Y3"_s), u"erfasst am"_s);

        const int last = 3 + employees->recordCount();
        QCOMPARE(employees->recordCount(), 7);
        int schulz = 0;
        for (int row = 4; row <= last; ++row) {
            for (const QString &column : {u"F"_s, u"G"_s, u"Z"_s})
                QVERIFY2(!book.texts.contains(column + QString::number(row)), qPrintable(column));
            if (book.texts.value(u"C%1"_s.arg(row)) == u"Schulz"_s)
                schulz = row;
        }
        QVERIFY(!book.texts.contains(u"A%1"_s.arg(last + 1)));

        // No stored password check value reaches any cell.
        QSqlQuery stored(db->care->database());
        QVERIFY(stored.exec(u"select ma_kennwort from tbl_mitarbeiter"_s));
        while (stored.next()) {
            const QString hash = stored.value(0).toString();
            QVERIFY(!hash.isEmpty());
            for (const QString &text : std::as_const(book.texts))
                QVERIFY(!text.contains(hash));
        }

        QVERIFY(schulz > 0);
        const QList<QStringList> expected{{u"Wohnbereich Sonnenhof"_s, u"Frau"_s, u"Schulz"_s, u"Martina"_s,
                                           u"mschulz"_s, {}, {}, u"MS"_s, u"14.05.1978"_s, u"Ahornweg 3"_s,
                                           u"32760"_s, u"Hagenbrück"_s, u"05247 31984"_s, {}, u"0170 4418273"_s,
                                           {}, {}, {}, u"m.schulz@example.org"_s, {},
                                           u"Wohnbereichsleitung Sonnenhof"_s, {}, {}, u"admin"_s,
                                           u"03.03.2025 10:00:00"_s}};
        QCOMPARE(cellsInRow(book.texts, schulz), cellsOf(expected, schulz));
        QCOMPARE(book.notText, QStringList());
    }

    void export_emptyDatasetWritesTitleAndHeaderOnly()
    {
        RecordingMessages messages;
        RecordingDesktop desktop;
        TestDatabases::run(*db->care, u"delete from tbl_abteilungen"_s);
        departments->open();

        ExcelListenExport(departments, title, out->path());

        QCOMPARE(messages.texts, QStringList());
        QMap<QString, QString> expected = cellsOf(
            {{u"Abt. Name"_s, {}, u"Abt. Ort"_s, u"Abt. Bemerkung"_s, u"erfasst von"_s}}, 3);
        expected.insert(u"A1"_s, title);
        QCOMPARE(exportedWorkbook().texts, expected);
        QCOMPARE(desktop.urls.size(), 1);
    }

    void export_storesTheRecordBeingEditedFirst()
    {
        RecordingMessages messages;
        RecordingDesktop desktop;
        departments->open();
        departments->edit();
        departments->setValue(u"abt_ort"_s, u"Gütersloh"_s);

        ExcelListenExport(departments, title, out->path());

        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(exportedWorkbook().texts.value(u"C4"_s), u"Gütersloh"_s);
        QCOMPARE(departments->state(), Dataset::State::Browse);
        QCOMPARE(TestDatabases::scalar(*db->care, u"select abt_ort from tbl_abteilungen where abt_id = 1"_s).toString(),
                 u"Gütersloh"_s);
    }

    void export_handsTheFileToTheDesktop_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::newRow("spreadsheet program opens it") << true;
        QTest::newRow("no program opens it") << false;
    }

    void export_handsTheFileToTheDesktop()
    {
        QFETCH(bool, opened);
        RecordingMessages messages;
        RecordingDesktop desktop;
        desktop.answer = opened;
        departments->open();

        ExcelListenExport(departments, title, out->path());

        const QStringList files = filesInFolder(out->path());
        QCOMPARE(files.size(), 1);
        static const QRegularExpression name(
            uR"(^Aktuelle Abteilungen-Liste \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.xlsx$)"_s);
        QVERIFY2(name.match(files.first()).hasMatch(), qPrintable(files.first()));
        const QString path = QDir(out->path()).filePath(files.first());
        QCOMPARE(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        // Care data: the workbook is for the user's eyes only.
        QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        if (opened) {
            QCOMPARE(messages.texts, QStringList());
        } else {
            QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Information});
            QCOMPARE(messages.texts.first(),
                     u"Die Liste ist gespeichert, aber kein Tabellenprogramm hat sie geöffnet.\n\n"
                     "Bitte die Datei mit LibreOffice Calc öffnen:\n"_s + path);
        }
    }

    void export_neverReplacesAnExistingFile()
    {
        RecordingMessages messages;
        RecordingDesktop desktop;
        departments->open();
        // Earlier lists of this second and the next ones are in the folder.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList earlier;
        for (int s = 0; s < 3; ++s) {
            const QString path = QDir(out->path()).filePath(stem(now.addSecs(s)) + u".xlsx"_s);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("frueher");
            earlier << path;
        }

        ExcelListenExport(departments, title, out->path());

        QCOMPARE(messages.texts, QStringList());
        for (const QString &path : std::as_const(earlier)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("frueher"));
        }
        QCOMPARE(desktop.urls.size(), 1);
        const QString written = desktop.urls.first().toLocalFile();
        QVERIFY2(!earlier.contains(written), qPrintable(written));
        QVERIFY2(written.endsWith(u" (2).xlsx"_s), qPrintable(written));
        QCOMPARE(readWorkbook(written).texts.value(u"A1"_s), title);
        QCOMPARE(filesInFolder(out->path()).size(), 4);
    }

    void export_removesWorkbooksLeftHalfWritten()
    {
        RecordingMessages messages;
        RecordingDesktop desktop;
        const QDir dir(out->path());
        const QDateTime now = QDateTime::currentDateTime();
        for (const auto &[name, age] : {std::pair{u".vandrel-export-Alt123.xlsx"_s, 7200},
                                        std::pair{u".vandrel-export-Neu123.xlsx"_s, 60}}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Pflegedaten");
            QVERIFY(file.flush());
            QVERIFY(file.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime));
        }
        departments->open();

        ExcelListenExport(departments, title, out->path());

        QCOMPARE(messages.texts, QStringList());
        QVERIFY(!dir.exists(u".vandrel-export-Alt123.xlsx"_s));
        // One that young may still be written by another copy of the program.
        QVERIFY(dir.exists(u".vandrel-export-Neu123.xlsx"_s));
    }

    void export_failureShowsErrorAndLeavesNoFile_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<int>("remarkLength");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::addColumn<QString>("message");
        const QString notSaved = u"Die Excel-Liste kann im Ordner \"%1\" nicht gespeichert werden: "_s;
        QTest::newRow("folder cannot be created") << true << 0 << 0 << notSaved;
        QTest::newRow("remark longer than a cell holds")
            << false << 40000 << 0 << u"Die Zelle D4 der Excel-Liste kann nicht geschrieben werden: "_s;
        // The disk fills up while the workbook is being written.
        QTest::newRow("disk full") << false << 0 << 2000 << notSaved;
    }

    void export_failureShowsErrorAndLeavesNoFile()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(int, remarkLength);
        QFETCH(int, fileSizeLimit);
        QFETCH(QString, message);
        RecordingMessages messages;
        RecordingDesktop desktop;
        QString folder = out->path();
        if (folderIsAFile) {
            folder = QDir(out->path()).filePath(u"Vandrel-Exporte"_s);
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (remarkLength > 0) {
            TestDatabases::run(*db->care, u"update tbl_abteilungen set abt_bemerkung = '%1' where abt_id = 1"_s
                                              .arg(QString(remarkLength, u'x')));
        }
        const QStringList before = filesInFolder(out->path());
        departments->open();

        rlimit unlimited{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        if (fileSizeLimit > 0) {
            // Past the limit a write fails as on a full disk instead of ending the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limited{rlim_t(fileSizeLimit), unlimited.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        }
        ExcelListenExport(departments, title, folder);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &unlimited), 0);

        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        if (message.contains(u"%1"_s))
            message = message.arg(QDir::toNativeSeparators(folder));
        QVERIFY2(messages.texts.first().startsWith(message), qPrintable(messages.texts.first()));
        QCOMPARE(filesInFolder(out->path()), before);
        QCOMPARE(desktop.urls, QList<QUrl>());
    }

    void exportFolder_isInDocumentsOrElseHome_data()
    {
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("folder");
        QTest::newRow("documents folder of the desktop")
            << u"Dokumente"_s << u"Dokumente/Vandrel-Exporte"_s;
        QTest::newRow("no documents folder") << QString() << u"Vandrel-Exporte"_s;
    }

    void exportFolder_isInDocumentsOrElseHome()
    {
        QFETCH(QString, documents);
        QFETCH(QString, folder);
        RecordingMessages messages;
        RecordingDesktop desktop;
        const QByteArray home = qgetenv("HOME");
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            if (configHome.isNull())
                qunsetenv("XDG_CONFIG_HOME");
            else
                qputenv("XDG_CONFIG_HOME", configHome);
        });
        const QDir newHome(out->path());
        qputenv("HOME", QFile::encodeName(newHome.path()));
        qunsetenv("XDG_CONFIG_HOME");
        if (!documents.isEmpty()) {
            QVERIFY(newHome.mkpath(documents));
            QVERIFY(newHome.mkpath(u".config"_s));
            QFile dirs(newHome.filePath(u".config/user-dirs.dirs"_s));
            QVERIFY(dirs.open(QIODevice::WriteOnly));
            dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/" + documents.toUtf8() + "\"\n");
        }
        QCOMPARE(ListenExportOrdner(), newHome.filePath(folder));
        departments->open();

        ExcelListenExport(departments, title);

        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(desktop.urls.size(), 1);
        QCOMPARE(QFileInfo(desktop.urls.first().toLocalFile()).absolutePath(), newHome.filePath(folder));
        QVERIFY(QFileInfo::exists(desktop.urls.first().toLocalFile()));
    }
};

QTEST_MAIN(tst_ListenExport)
#include "tst_listenexport.moc"
