#include "recordingmessages.h"
#include "report.h"
#include "reportdefinition.h"
#include "reportdocument.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "reportpreview.h"
#include "reportprinter.h"
#include "scripteddialogs.h"
#include "textmeasurer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double eps = 0.01;

// The care plan's page: A4 landscape, 20 mm margin above, 10 mm elsewhere,
// a 30.2 mm page header and a footer of 8.7 + 5.6 mm.
constexpr double topMargin = 20;
constexpr double headerHeight = 30.2;
constexpr double footerHeight = 8.7;
constexpr double footerTop = 210 - 10 - footerHeight - 5.6;
constexpr double bodyTop = topMargin + headerHeight;

// Every band gets a background of its own, so each placed piece of a band is
// a box the test can attribute; what the layout emits after a box belongs to it.
const QStringList bandNames{u"Kopf"_s,   u"KopfKind"_s, u"Gruppe"_s, u"Spalten"_s,
                            u"Eintraege"_s, u"Detail"_s, u"Fuss"_s,   u"FussKind"_s};

QColor colour(const QString &band)
{
    return QColor(200, 220, 200 + int(bandNames.indexOf(band)));
}

ReportBand *tinted(ReportBand *band)
{
    band->background = colour(band->name);
    return band;
}

bool isPageBand(const QString &band)
{
    return band == "Kopf"_L1 || band == "KopfKind"_L1 || band == "Fuss"_L1 || band == "FussKind"_L1;
}

// Records the test drives, one row of named texts per record.
class ProgramRecords : public ReportRecords
{
public:
    using Row = QHash<QString, QString>;
    explicit ProgramRecords(QList<Row> rows) : m_rows(std::move(rows)) {}
    bool first() override
    {
        m_at = 0;
        return !m_rows.isEmpty();
    }
    bool next() override { return ++m_at < m_rows.size(); }
    QString text(const QString &field) const override { return m_rows.value(m_at).value(field); }

private:
    QList<Row> m_rows;
    qsizetype m_at = -1;
};

ProgramRecords *setRows(ReportDefinition &report, QList<ProgramRecords::Row> rows)
{
    auto records = std::make_unique<ProgramRecords>(std::move(rows));
    ProgramRecords *raw = records.get();
    report.setRecords(std::move(records));
    return raw;
}

// "prefix 1\nprefix 2 ..." as separate paragraphs.
QString numbered(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"%1 %2"_s.arg(prefix).arg(i);
    return lines.join(u'\n');
}

void setUpPage(ReportDefinition &report)
{
    report.orientation = QPageLayout::Landscape;
    report.margins = QMarginsF(10, topMargin, 10, 10);
    ReportBand *header = tinted(report.setPageHeader(u"Kopf"_s, headerHeight));
    header->addLabel(u"TitelLabel"_s, 119.9, 0.8, 60, 5, u"Vandrel"_s, {12, true});
    ReportBand *footer = tinted(report.setPageFooter(u"Fuss"_s, footerHeight));
    footer->addLabel(u"SeiteLabel"_s, 240, 1, 12, 4, u"Seite"_s, {8});
    footer->addSystemField(ReportItem::Kind::PageNumber, u"SeiteNr"_s, 255, 1, 20, 4, {8})->alignment =
        Qt::AlignRight;
    tinted(footer->addChild(u"FussKind"_s, 5.6))
        ->addLabel(u"ErstelltLabel"_s, 230, 1, 45, 3, u"Erstellt mit Vandrel Tessaro"_s, {6, false, true});
}

// A band of one wrapping text column 100 mm (50 characters) wide, 4 mm a
// line, growing from 8 mm; framed all round with two column lines.
void addEntries(ReportBand *band)
{
    tinted(band);
    band->frame = Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge;
    band->addField(u"TextMemo"_s, 1, 1, 100, band->height - 2, u"text"_s)->wordWrap = true;
    band->addVerticalLine(u"Linie1"_s, 59.0);
    band->addVerticalLine(u"Linie2"_s, 120.7);
}

ReportDocument layout(ReportDefinition &report)
{
    const FixedPitchTextMeasurer measurer;
    return layoutReport(report, measurer, QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
}

struct Piece
{
    QString band;
    QRectF rect;
    std::vector<const ReportDocument::Primitive *> content;

    QStringList texts() const
    {
        QStringList result;
        for (const auto *p : content) {
            if (p->kind == ReportDocument::Kind::Text)
                result << p->text;
        }
        return result;
    }
};

// The band pieces of a page in the order they were laid out.
QList<Piece> pieces(const ReportDocument &document, int page)
{
    QList<Piece> result;
    for (const ReportDocument::Primitive &p : document.page(page)) {
        if (p.kind == ReportDocument::Kind::Box) {
            const QColor c(p.color);
            result.append({bandNames.value(c.blue() - 200), p.rect, {}});
        } else if (result.isEmpty()) {
            result.append({QString(), QRectF(), {}});
            result.last().content.push_back(&p);
        } else {
            result.last().content.push_back(&p);
        }
    }
    return result;
}

bool inside(const QRectF &inner, const QRectF &outer)
{
    const QRectF r = inner.normalized();
    return r.left() >= outer.left() - eps && r.right() <= outer.right() + eps && r.top() >= outer.top() - eps
        && r.bottom() <= outer.bottom() + eps;
}

QString describe(const Piece &piece)
{
    return u"%1 (%2..%3)"_s.arg(piece.band).arg(piece.rect.top(), 0, 'f', 2).arg(piece.rect.bottom(), 0, 'f', 2);
}

// The first rule of the page a document breaks, or an empty text: page
// header first at the top, footer at one height with "Seite" and the page's
// number, body bands above the footer, no two pieces overlapping, every
// text and line inside its band.
QString pageRuleViolation(const ReportDocument &document)
{
    for (int page = 0; page < document.pageCount(); ++page) {
        const QString where = u"Seite %1: "_s.arg(page + 1);
        const QList<Piece> list = pieces(document, page);
        if (list.isEmpty() || list.first().band != "Kopf"_L1 || qAbs(list.first().rect.top() - topMargin) > eps)
            return where + u"Seitenkopf nicht zuerst oben"_s;
        bool footer = false;
        for (const Piece &piece : list) {
            if (piece.band.isEmpty())
                return where + u"Inhalt ohne Band"_s;
            if (piece.band == "Fuss"_L1) {
                footer = true;
                if (qAbs(piece.rect.top() - footerTop) > eps)
                    return where + u"Seitenfuß auf anderer Höhe: "_s + describe(piece);
                if (piece.texts() != QStringList{u"Seite"_s, QString::number(page + 1)})
                    return where + u"Seitenfuß zeigt "_s + piece.texts().join(u' ');
            } else if (piece.band == "FussKind"_L1) {
                if (qAbs(piece.rect.top() - footerTop - footerHeight) > eps)
                    return where + u"Fußzeile auf anderer Höhe: "_s + describe(piece);
            } else if (!isPageBand(piece.band) && piece.rect.bottom() > footerTop + eps) {
                return where + u"Band ragt in den Seitenfuß: "_s + describe(piece);
            }
            for (const auto *p : piece.content) {
                if (!inside(p->rect, piece.rect))
                    return where + u"\"%1\" außerhalb von "_s.arg(p->text) + describe(piece);
            }
        }
        if (!footer)
            return where + u"kein Seitenfuß"_s;
        for (qsizetype i = 0; i < list.size(); ++i) {
            for (qsizetype j = i + 1; j < list.size(); ++j) {
                const QRectF overlap = list[i].rect.intersected(list[j].rect);
                if (overlap.height() > eps && overlap.width() > eps)
                    return where + describe(list[i]) + u" überlappt "_s + describe(list[j]);
            }
        }
    }
    return {};
}

// The texts of the body bands, page by page, in reading order.
QList<QStringList> bodyTexts(const ReportDocument &document)
{
    QList<QStringList> result;
    for (int page = 0; page < document.pageCount(); ++page) {
        QStringList texts;
        for (const Piece &piece : pieces(document, page)) {
            if (!isPageBand(piece.band))
                texts << piece.texts();
        }
        result << texts;
    }
    return result;
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(u"\\s"_s));
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfFacts
{
    int pages = 0;
    QSize points;
};

PdfFacts pdfInfo(const QString &file)
{
    const QString info = run(u"pdfinfo"_s, {file});
    PdfFacts facts;
    facts.pages = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info).captured(1).toInt();
    const auto size = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+) pts"_s).match(info);
    facts.points = QSize(qRound(size.captured(1).toDouble()), qRound(size.captured(2).toDouble()));
    return facts;
}

QString pdfPageText(const QString &file, int page)
{
    const QString n = QString::number(page);
    return run(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, n, u"-l"_s, n, file, u"-"_s});
}

// One page per group: three groups make three pages whatever the fonts.
void setUpThreePages(ReportDefinition &report, const QString &lastEntry = u"- schläft unruhig"_s)
{
    setUpPage(report);
    ProgramRecords *records = setRows(report, {{{u"gruppe"_s, u"Ernährung"_s}, {u"text"_s, u"- isst wenig"_s}},
                                               {{u"gruppe"_s, u"Mobilität"_s}, {u"text"_s, u"- Sturzgefahr"_s}},
                                               {{u"gruppe"_s, u"Schlafen"_s}, {u"text"_s, lastEntry}}});
    ReportBand *group = tinted(report.setGroupHeader(u"Gruppe"_s, 7.9));
    group->newPage = true;
    group->breakValue = [records] { return QVariant(records->text(u"gruppe"_s)); };
    group->addField(u"GruppeLabel"_s, 1, 1, 100, 5, u"gruppe"_s, {12, true});
    addEntries(report.setDetail(u"Detail"_s, 8));
}

} // namespace

class tst_ReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaking_keepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columnChars");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("passt") << u"eins zwei"_s << 9 << true << QStringList{u"eins zwei"_s};
        QTest::newRow("bricht an Leerzeichen")
            << u"eins zwei drei vier fünf"_s << 9 << true
            << QStringList{u"eins zwei"_s, u"drei vier"_s, u"fünf"_s};
        QTest::newRow("zu langes Wort zwischen Zeichen")
            << u"Oberschenkelhalsfraktur"_s << 10 << true
            << QStringList{u"Oberschenk"_s, u"elhalsfrak"_s, u"tur"_s};
        QTest::newRow("zu langes Wort zwischen Wörtern")
            << u"bei Oberschenkelhalsfraktur links"_s << 10 << true
            << QStringList{u"bei"_s, u"Oberschenk"_s, u"elhalsfrak"_s, u"tur links"_s};
        QTest::newRow("Zeilenumbrüche bleiben")
            << u"- Problem\n\n--------\r\n- Ressource"_s << 40 << true
            << QStringList{u"- Problem"_s, QString(), u"--------"_s, u"- Ressource"_s};
        QTest::newRow("Umbruch und Absatz")
            << u"eins zwei drei\nvier"_s << 9 << true << QStringList{u"eins zwei"_s, u"drei"_s, u"vier"_s};
        QTest::newRow("Einrückung bleibt")
            << u"  - eins zwei"_s << 8 << true << QStringList{u"  - eins"_s, u"zwei"_s};
        QTest::newRow("ohne Umbruch eine Zeile je Absatz")
            << u"eins zwei drei\nvier"_s << 4 << false << QStringList{u"eins zwei drei"_s, u"vier"_s};
    }

    void lineBreaking_keepsEveryCharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, columnChars);
        QFETCH(bool, wrap);
        QFETCH(QStringList, lines);
        // 10 pt: two millimetres a character.
        const FixedPitchTextMeasurer measurer;
        QCOMPARE(measurer.lines(text, u"Arial"_s, ReportFont{}, columnChars * 2.0, wrap), lines);
    }

    void pageHeaderFillingThePage_stillEndsWithEveryLine()
    {
        ReportDefinition report;
        setUpPage(report);
        // An organisation name so long that the header leaves no body.
        report.pageHeader()->addLabel(u"OrgNameLabel"_s, 1, 1, 40, 4, numbered(u"Name"_s, 60))->wordWrap = true;
        addEntries(report.setDetail(u"Detail"_s, 8));
        setRows(report, {{{u"text"_s, numbered(u"Zeile"_s, 3)}}});
        const ReportDocument document = layout(report);
        QVERIFY(document.pageCount() <= 4);
        const QString dump = document.dump();
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(dump.count(u"\"Zeile %1\""_s.arg(i)), 1);
    }

    void grownText_pushesTheTextBelowItDownButNotItsNeighbour()
    {
        ReportDefinition report;
        setUpPage(report);
        ReportBand *detail = report.setDetail(u"Detail"_s, 12.7);
        detail->addField(u"NameText"_s, 1, 0.8, 20, 4.3, u"name"_s)->wordWrap = true;
        detail->addField(u"VornameText"_s, 1, 6.6, 20, 4.3, u"vorname"_s)->wordWrap = true;
        detail->addField(u"OrtText"_s, 30, 6.6, 20, 4.3, u"ort"_s)->wordWrap = true;
        setRows(report, {{{u"name"_s, u"Kampmann-Rüther"_s}, {u"vorname"_s, u"Ingrid"_s}, {u"ort"_s, u"Lindholz"_s}},
                         {{u"name"_s, u"Graf"_s}, {u"vorname"_s, u"Otto"_s}, {u"ort"_s, u"Hagenbrück"_s}}});
        const ReportDocument document = layout(report);

        QHash<QString, QRectF> at;
        for (const ReportDocument::Primitive &p : document.page(0)) {
            if (p.kind == ReportDocument::Kind::Text)
                at.insert(p.text, p.rect);
        }
        // Two lines of the name: the first name keeps its designed 1.5 mm below the second.
        QVERIFY(at.contains(u"üther"_s));
        QCOMPARE(at[u"Ingrid"_s].top(), at[u"üther"_s].bottom() + 1.5);
        QCOMPARE(at[u"Lindholz"_s].top(), at[u"Kampmann-R"_s].top() + 5.8);
        // The grown block ends below the pushed text and the next one starts there.
        QVERIFY(at[u"Graf"_s].top() >= at[u"Ingrid"_s].bottom());
        QCOMPARE(at[u"Otto"_s].top(), at[u"Graf"_s].top() + 5.8);
    }

    void layout_keepsBandsInsideTheBodyAndEveryLineOnce_data()
    {
        QTest::addColumn<QStringList>("texts");   // one record each
        QTest::addColumn<bool>("printIfEmpty");
        QTest::addColumn<int>("pages");

        const auto times = [](int n, const QString &text) { return QStringList(qsizetype(n), text); };
        QStringList growing;
        for (int i = 0; i < 40; ++i)
            growing << numbered(u"Datensatz %1 Zeile"_s.arg(i), i % 5 + 1);
        QTest::newRow("ohne Datensätze") << QStringList() << true << 1;
        QTest::newRow("ohne Datensätze nicht drucken") << QStringList() << false << 0;
        QTest::newRow("ein Datensatz") << QStringList{u"Zeile 1"_s} << true << 1;
        QTest::newRow("Seite voll") << times(16, u"kurz"_s) << true << 1;
        QTest::newRow("einer mehr als passt") << times(17, u"kurz"_s) << true << 2;
        QTest::newRow("wachsende Bänder") << growing << true << 5;
        QTest::newRow("Band länger als eine Seite")
            << times(5, u"davor"_s) + QStringList{numbered(u"Zeile"_s, 80)} + times(5, u"danach"_s) << true << 4;
        QTest::newRow("Wort breiter als die Spalte") << QStringList{QString(170, u'x')} << true << 1;
    }

    void layout_keepsBandsInsideTheBodyAndEveryLineOnce()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, printIfEmpty);
        QFETCH(int, pages);

        ReportDefinition report;
        setUpPage(report);
        report.printIfEmpty = printIfEmpty;
        QList<ProgramRecords::Row> rows;
        for (const QString &text : texts)
            rows.append({{u"text"_s, text}});
        setRows(report, rows);
        addEntries(report.setDetail(u"Detail"_s, 8));

        const ReportDocument document = layout(report);
        QCOMPARE(document.pageCount(), pages);
        const QString violation = pageRuleViolation(document);
        QVERIFY2(violation.isEmpty(), qPrintable(violation));
        QStringList printed;
        for (const QStringList &page : bodyTexts(document))
            printed << page;
        QCOMPARE(withoutBlanks(printed.join(QString())), withoutBlanks(texts.join(QString())));
        for (const QString &line : std::as_const(printed))
            QVERIFY2(line.size() <= 50, qPrintable(line));
    }

    void withoutRecords_printsTheBandsOnce()
    {
        ReportDefinition report;
        setUpPage(report);
        tinted(report.setDetail(u"Detail"_s, 8))->addLabel(u"Einmal"_s, 1, 1, 50, 5, u"Einmal"_s);
        const ReportDocument document = layout(report);
        QCOMPARE(bodyTexts(document), QList<QStringList>{{u"Einmal"_s}});
    }

    void bandEvents_vetoTakesNoSpaceAndAfterPrintRunsOncePerPrintedBand_data()
    {
        QTest::addColumn<QString>("vetoed");   // 'x' refuses the record's band

        QTest::newRow("keiner") << u"............"_s;
        QTest::newRow("jeder zweite") << u"x.x.x.x.x.x."_s;
        QTest::newRow("langer abgelehnt") << u"....x......."_s;
        QTest::newRow("alle") << u"xxxxxxxxxxxx"_s;
    }

    void bandEvents_vetoTakesNoSpaceAndAfterPrintRunsOncePerPrintedBand()
    {
        QFETCH(QString, vetoed);

        // Some records are longer than a page, so split bands count as well.
        QList<ProgramRecords::Row> all, kept;
        for (int i = 0; i < vetoed.size(); ++i) {
            const ProgramRecords::Row row{{u"text"_s, numbered(u"Datensatz %1 Zeile"_s.arg(i), i % 4 == 0 ? 45 : 3)},
                                          {u"veto"_s, vetoed.mid(i, 1)}};
            all << row;
            if (vetoed.at(i) != u'x')
                kept << row;
        }
        const auto build = [](ReportDefinition &report, const QList<ProgramRecords::Row> &rows, int *asked,
                              int *printed, int *headers, int *footers) {
            setUpPage(report);
            ProgramRecords *records = setRows(report, rows);
            ReportBand *detail = report.setDetail(u"Detail"_s, 8);
            addEntries(detail);
            detail->beforePrint = [records, asked] {
                ++*asked;
                return records->text(u"veto"_s) != "x"_L1;
            };
            detail->afterPrint = [printed] { ++*printed; };
            report.pageHeader()->afterPrint = [headers] { ++*headers; };
            report.pageFooter()->afterPrint = [footers] { ++*footers; };
        };

        int asked = 0, printed = 0, headers = 0, footers = 0;
        ReportDefinition report;
        build(report, all, &asked, &printed, &headers, &footers);
        const ReportDocument document = layout(report);

        int unused[4] = {};
        ReportDefinition expected;
        build(expected, kept, &unused[0], &unused[1], &unused[2], &unused[3]);
        QCOMPARE(document.dump(), layout(expected).dump());
        QCOMPARE(asked, int(vetoed.size()));
        QCOMPARE(printed, int(kept.size()));
        QCOMPARE(headers, document.pageCount());
        QCOMPARE(footers, document.pageCount());
    }

    void groupHeader_printsOnChangeAndStartsItsPage_data()
    {
        QTest::addColumn<QStringList>("groups");   // of each record
        QTest::addColumn<bool>("newPage");
        QTest::addColumn<QString>("vetoed");       // the group its event refuses
        QTest::addColumn<QString>("pages");        // body texts, pages separated by "|"

        const QStringList aabba{u"A"_s, u"A"_s, u"B"_s, u"B"_s, u"A"_s};
        const QStringList aabc{u"A"_s, u"A"_s, u"B"_s, u"C"_s};
        QTest::newRow("nur bei Wechsel") << aabba << false << QString() << u"A 1 2 B 3 4 A 5"_s;
        QTest::newRow("neue Seite je Gruppe") << aabc << true << QString() << u"A 1 2 | B 3 | C 4"_s;
        QTest::newRow("abgelehnte Gruppe beginnt keine Seite") << aabc << true << u"B"_s << u"A 1 2 3 | C 4"_s;
        QTest::newRow("erste Gruppe abgelehnt") << aabc << true << u"A"_s << u"1 2 | B 3 | C 4"_s;
    }

    void groupHeader_printsOnChangeAndStartsItsPage()
    {
        QFETCH(QStringList, groups);
        QFETCH(bool, newPage);
        QFETCH(QString, vetoed);
        QFETCH(QString, pages);

        ReportDefinition report;
        setUpPage(report);
        QList<ProgramRecords::Row> rows;
        for (qsizetype i = 0; i < groups.size(); ++i)
            rows.append({{u"gruppe"_s, groups[i]}, {u"text"_s, QString::number(i + 1)}});
        ProgramRecords *records = setRows(report, rows);
        ReportBand *group = tinted(report.setGroupHeader(u"Gruppe"_s, 7.9));
        group->newPage = newPage;
        group->breakValue = [records] { return QVariant(records->text(u"gruppe"_s)); };
        group->beforePrint = [records, vetoed] { return records->text(u"gruppe"_s) != vetoed; };
        group->addField(u"GruppeLabel"_s, 1, 1, 100, 5, u"gruppe"_s, {12, true});
        addEntries(report.setDetail(u"Detail"_s, 8));

        const ReportDocument document = layout(report);
        QStringList perPage;
        for (const QStringList &page : bodyTexts(document))
            perPage << page.join(u' ');
        QCOMPARE(perPage.join(u" | "_s), pages);
        const QString violation = pageRuleViolation(document);
        QVERIFY2(violation.isEmpty(), qPrintable(violation));
    }

    void grownBand_frameAndColumnLinesSpanTheGrownHeight_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("firstHeight");   // of the band's first piece

        QTest::newRow("Entwurfshöhe") << 1 << 8.0;
        QTest::newRow("gewachsen") << 10 << 42.0;
        // Its first piece fills the body (135.5 mm) below the 8 mm record before it.
        QTest::newRow("über Seiten gewachsen") << 80 << 127.5;
    }

    void grownBand_frameAndColumnLinesSpanTheGrownHeight()
    {
        QFETCH(int, lines);
        QFETCH(double, firstHeight);

        ReportDefinition report;
        setUpPage(report);
        setRows(report, {{{u"text"_s, u"davor"_s}}, {{u"text"_s, numbered(u"Zeile"_s, lines)}}, {{u"text"_s, u"danach"_s}}});
        addEntries(report.setDetail(u"Detail"_s, 8));
        const ReportDocument document = layout(report);
        const QString violation = pageRuleViolation(document);
        QVERIFY2(violation.isEmpty(), qPrintable(violation));

        QList<Piece> grown;
        for (int page = 0; page < document.pageCount(); ++page) {
            for (const Piece &piece : pieces(document, page)) {
                if (piece.band == "Detail"_L1 && piece.texts().join(u' ').contains(u"Zeile"_s))
                    grown << piece;
            }
        }
        QVERIFY(!grown.isEmpty());
        QCOMPARE(grown.first().rect.top(), bodyTop + 8);
        QVERIFY2(qAbs(grown.first().rect.height() - firstHeight) < eps, qPrintable(describe(grown.first())));
        for (const Piece &piece : std::as_const(grown)) {
            const QRectF box = piece.rect;
            QList<double> verticals;
            int horizontals = 0;
            for (const auto *p : piece.content) {
                if (p->kind != ReportDocument::Kind::Line)
                    continue;
                const QRectF line = p->rect.normalized();
                if (qAbs(line.width()) < eps) {
                    QVERIFY2(qAbs(line.top() - box.top()) < eps && qAbs(line.bottom() - box.bottom()) < eps,
                             qPrintable(describe(piece)));
                    verticals << line.left() - box.left();
                } else {
                    QVERIFY(qAbs(line.top() - box.top()) < eps || qAbs(line.top() - box.bottom()) < eps);
                    QVERIFY(qAbs(line.width() - box.width()) < eps);
                    ++horizontals;
                }
            }
            std::sort(verticals.begin(), verticals.end());
            QCOMPARE(verticals.size(), 4);
            QVERIFY(qAbs(verticals[1] - 59.0) < eps && qAbs(verticals[2] - 120.7) < eps);
            QVERIFY(qAbs(verticals[0]) < eps && qAbs(verticals[3] - box.width()) < eps);
            QCOMPARE(horizontals, 2);
        }
    }

    void bandThatFitsAFreshPage_movesWhole_data()
    {
        QTest::addColumn<int>("before");      // one-line records before the long one
        QTest::addColumn<int>("lines");       // of the long one
        QTest::addColumn<int>("firstPage");   // of its lines
        QTest::addColumn<int>("lastPage");

        // The body holds 135.5 mm; one-line records take 8 mm, n lines 4 n + 2.
        QTest::newRow("passt in den Rest") << 5 << 20 << 1 << 1;
        QTest::newRow("passt nur auf eine neue Seite") << 12 << 20 << 2 << 2;
        QTest::newRow("passt auf keine Seite") << 12 << 40 << 1 << 2;
    }

    void bandThatFitsAFreshPage_movesWhole()
    {
        QFETCH(int, before);
        QFETCH(int, lines);
        QFETCH(int, firstPage);
        QFETCH(int, lastPage);

        ReportDefinition report;
        setUpPage(report);
        QList<ProgramRecords::Row> rows(before, ProgramRecords::Row{{u"text"_s, u"kurz"_s}});
        rows.append({{u"text"_s, numbered(u"Zeile"_s, lines)}});
        rows.append({{u"text"_s, u"danach"_s}});
        setRows(report, rows);
        addEntries(report.setDetail(u"Detail"_s, 8));

        const ReportDocument document = layout(report);
        const QString violation = pageRuleViolation(document);
        QVERIFY2(violation.isEmpty(), qPrintable(violation));
        const QList<QStringList> texts = bodyTexts(document);
        int first = 0, last = 0;
        for (int page = 0; page < texts.size(); ++page) {
            if (texts[page].contains(u"Zeile 1"_s))
                first = page + 1;
            if (texts[page].contains(u"Zeile %1"_s.arg(lines)))
                last = page + 1;
        }
        QCOMPARE(first, firstPage);
        QCOMPARE(last, lastPage);
        // What follows goes on right under it.
        QCOMPARE(texts[last - 1].indexOf(u"danach"_s), texts[last - 1].indexOf(u"Zeile %1"_s.arg(lines)) + 1);
    }

    void longEntries_continueUnderPageHeaderWithTheGroupName()
    {
        ReportDefinition report;
        setUpPage(report);
        const QList<ProgramRecords::Row> rows{{{u"gruppe"_s, u"Ernährung"_s}, {u"text"_s, numbered(u"Zeile"_s, 200)}},
                                              {{u"gruppe"_s, u"Mobilität"_s}, {u"text"_s, numbered(u"Zeile"_s, 200)}},
                                              {{u"gruppe"_s, u"Schlafen"_s}, {u"text"_s, u"Zeile 1"_s}}};
        ProgramRecords *records = setRows(report, rows);
        ReportBand *groupName = tinted(report.pageHeader()->addChild(u"KopfKind"_s, 7.1));
        groupName->enabled = false;
        groupName->frame = Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge;
        groupName->addField(u"KopfGruppeLabel"_s, 1, 1, 100, 5, u"gruppe"_s, {12, true});
        ReportBand *group = tinted(report.setGroupHeader(u"Gruppe"_s, 7.9));
        group->newPage = true;
        group->breakValue = [records] { return QVariant(records->text(u"gruppe"_s)); };
        group->beforePrint = [groupName] {
            groupName->enabled = false;
            return true;
        };
        group->afterPrint = [groupName] { groupName->enabled = true; };
        group->addField(u"GruppeLabel"_s, 1, 1, 100, 5, u"gruppe"_s, {12, true});
        tinted(group->addChild(u"Spalten"_s, 11.1))->addLabel(u"Ueberschrift"_s, 1, 1, 50, 5, u"Probleme"_s);
        addEntries(group->child()->addChild(u"Eintraege"_s, 11.1));

        const ReportDocument document = layout(report);
        const QString violation = pageRuleViolation(document);
        QVERIFY2(violation.isEmpty(), qPrintable(violation));

        QStringList entries;
        QString current;
        for (int page = 0; page < document.pageCount(); ++page) {
            const QList<Piece> list = pieces(document, page);
            const bool startsGroup = std::any_of(list.begin(), list.end(),
                                                 [](const Piece &p) { return p.band == "Gruppe"_L1; });
            if (startsGroup) {
                QVERIFY2(list.value(1).band == "Gruppe"_L1, qPrintable(describe(list.value(1))));
                current = list.value(1).texts().value(0);
            } else {
                // A continuation: the group's name in the grey band, the entries right below.
                QCOMPARE(list.value(1).band, u"KopfKind"_s);
                QCOMPARE(list.value(1).rect.top(), bodyTop);
                QCOMPARE(list.value(1).texts(), QStringList{current});
                QCOMPARE(list.value(2).band, u"Eintraege"_s);
                QCOMPARE(list.value(2).rect.top(), bodyTop + 7.1);
            }
            for (const Piece &piece : list) {
                if (piece.band == "Eintraege"_L1)
                    entries << current + u':' + piece.texts().join(u',');
            }
        }
        QCOMPARE(current, u"Schlafen"_s);

        QStringList expected, printed;
        for (const ProgramRecords::Row &row : rows)
            expected << row.value(u"gruppe"_s) + u':' + row.value(u"text"_s).split(u'\n').join(u',');
        // Pieces of one group joined again must give its lines once, in order.
        for (const QString &piece : std::as_const(entries)) {
            const QString group = piece.section(u':', 0, 0);
            if (!printed.isEmpty() && printed.last().startsWith(group + u':'))
                printed.last() += u',' + piece.section(u':', 1);
            else
                printed << piece;
        }
        QCOMPARE(printed, expected);
    }

    void writePdf_landscapePagesCarryTheirTextsInsideTheColumn()
    {
        // Measured with the real fonts, as the program prints.
        ReportDefinition report;
        const QString longEntry = u"- braucht Hilfe beim Waschen am Morgen und am Abend, beim Ankleiden, beim "
                                  "Aufstehen aus dem Bett und beim Gang zur Toilette; Angehörige unterstützen "
                                  "an den Wochenenden, der Pflegedienst kommt dreimal täglich und dokumentiert "
                                  "Hautzustand, Trinkmenge und Stimmung"_s;
        setUpThreePages(report, longEntry);
        const FontTextMeasurer measurer;
        const ReportDocument document = layoutReport(report, measurer, QDateTime::currentDateTime());
        QCOMPARE(document.pageCount(), 3);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(u"pflegeplan.pdf"_s);
        ReportOutput::writePdf(document, file, u"Pflegeplanung"_s);
        const PdfFacts facts = pdfInfo(file);
        QCOMPARE(facts.pages, 3);
        QCOMPARE(facts.points, QSize(842, 595));
        const QStringList groups{u"Ernährung"_s, u"Mobilität"_s, u"Schlafen"_s};
        const QStringList entries{u"- isst wenig"_s, u"- Sturzgefahr"_s, longEntry};
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfPageText(file, page);
            QVERIFY2(text.contains(u"Vandrel"_s), qPrintable(text));
            QVERIFY2(text.contains(groups[page - 1]), qPrintable(text));
            QVERIFY2(withoutBlanks(text).contains(withoutBlanks(entries[page - 1])), qPrintable(text));
            QVERIFY2(text.contains(QRegularExpression(u"Seite\\s+%1\\b"_s.arg(page))), qPrintable(text));
            QVERIFY2(text.contains(u"Erstellt mit Vandrel Tessaro"_s), qPrintable(text));
        }

        // The entry's column ends 10 + 1 + 100 mm from the paper's edge; the
        // words left of it are the group's name and the wrapped entry.
        const double columnEnd = 111 / 25.4 * 72;
        const QString boxes = run(u"pdftotext"_s, {u"-bbox-layout"_s, u"-f"_s, u"3"_s, u"-l"_s, u"3"_s, file, u"-"_s});
        const QRegularExpression word(u"<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)<"_s);
        int inColumn = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto match = it.next();
            if (match.captured(1).toDouble() >= columnEnd)
                continue;
            ++inColumn;
            QVERIFY2(match.captured(2).toDouble() <= columnEnd + 0.5,
                     qPrintable(match.captured(3) + u" endet bei "_s + match.captured(2)));
        }
        QVERIFY(inColumn > 30);
    }

    void preview_opensOnceAtHundredPercentAndTurnsPages()
    {
        Report report;
        setUpThreePages(report.definition());
        const QString title = u"Vandrel - Vorschau"_s;
        report.preview(title, nullptr);
        ReportPreview *preview = report.previewWindow();
        QVERIFY(preview);
        const auto closing = qScopeGuard([&] { delete report.previewWindow(); });
        QVERIFY(QTest::qWaitForWindowActive(preview));

        QCOMPARE(preview->windowTitle(), title);
        QCOMPARE(preview->size(), QSize(1000, 750));
        QCOMPARE(preview->zoomPercent(), 100);
        QCOMPARE(preview->ZoomCombo->currentText(), u"100 %"_s);
        QCOMPARE(preview->SeitenzahlLabel->text(), u"von 3"_s);
        const QList<QWidget *> views = preview->findChildren<QWidget *>();
        const auto view = std::find_if(views.begin(), views.end(),
                                       [](QWidget *w) { return w->accessibleName() == "Seite"_L1; });
        QVERIFY(view != views.end());
        QCOMPARE((*view)->width(), qRound(297 / 25.4 * (*view)->logicalDpiX()));

        // PageDown and PageUp turn pages wherever the focus is when the window opens.
        const auto press = [&](Qt::Key key) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : preview, key);
        };
        press(Qt::Key_PageDown);
        QCOMPARE(preview->currentPage(), 1);
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        QCOMPARE(preview->currentPage(), 2);
        press(Qt::Key_PageUp);
        QCOMPARE(preview->currentPage(), 1);

        const QList<std::pair<QPushButton *, int>> clicks{{preview->ErsteSeiteBtn, 0},
                                                          {preview->NaechsteSeiteBtn, 1},
                                                          {preview->LetzteSeiteBtn, 2},
                                                          {preview->NaechsteSeiteBtn, 2},
                                                          {preview->VorherigeSeiteBtn, 1}};
        for (const auto &[button, page] : clicks) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(preview->currentPage(), page);
            QCOMPARE(preview->SeiteSpin->value(), page + 1);
        }

        report.preview(title, nullptr);
        QCOMPARE(report.previewWindow(), preview);
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        QCOMPARE(int(std::count_if(windows.begin(), windows.end(),
                                   [](QWidget *w) { return qobject_cast<ReportPreview *>(w) && w->isVisible(); })),
                 1);

        QTest::mouseClick(preview->SchliessenBtn, Qt::LeftButton);
        QTRY_VERIFY(!report.previewWindow());
    }

    void preview_printWithoutPrinterTellsAndWritesNothing()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        RecordingMessages messages;
        Report report;
        setUpThreePages(report.definition());
        report.preview(u"Vandrel - Vorschau"_s, nullptr);
        const std::unique_ptr<ReportPreview> preview(report.previewWindow());

        QTest::mouseClick(preview->DruckenBtn, Qt::LeftButton);
        QCOMPARE(messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
        QVERIFY2(messages.texts.value(0).startsWith(u"Es ist kein Drucker eingerichtet!"_s),
                 qPrintable(messages.texts.value(0)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    void preview_printAndSaveWriteEveryPage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString printed = dir.filePath(u"gedruckt.pdf"_s);
        const QString saved = dir.filePath(u"gespeichert.pdf"_s);
        ReportPrinter::setOutputFile(printed);
        const auto restore = qScopeGuard([] { ReportPrinter::setOutputFile(QString()); });
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        dialogs.files << saved;
        Report report;
        setUpThreePages(report.definition());
        report.preview(u"Vandrel - Vorschau"_s, nullptr);
        const std::unique_ptr<ReportPreview> preview(report.previewWindow());

        QTest::mouseClick(preview->DruckenBtn, Qt::LeftButton);
        QTest::mouseClick(preview->PdfSpeichernBtn, Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QVERIFY2(dialogs.fileRequests[0].endsWith(u"|PDF-Dateien (*.pdf)|pdf"_s), qPrintable(dialogs.fileRequests[0]));

        for (const QString &file : {printed, saved}) {
            const PdfFacts facts = pdfInfo(file);
            QCOMPARE(facts.pages, 3);
            QCOMPARE(facts.points, QSize(842, 595));
        }
        // The printout shows what the saved file shows, line for line.
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfPageText(printed, page);
            QVERIFY2(text.contains(QRegularExpression(u"Seite\\s+%1\\b"_s.arg(page))), qPrintable(text));
            QCOMPARE(text, pdfPageText(saved, page));
        }
    }
};

QTEST_MAIN(tst_ReportEngine)
#include "tst_reportengine.moc"
