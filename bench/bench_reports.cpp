// Times the two long reports of the program: the printed care plan of one
// client with long texts in all 13 activity groups of AEDL, and the printed
// list of all clients. Layout is the report's own run with its band events;
// PDF output is timed against a bare QPainter pass on a QPdfWriter that
// paints the same texts, lines and boxes at the same places. Medians of a few
// samples; the targets are printed with "ok" or "MISSED".
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_reports [CLIENTS]   (default 10000)
#include "Datenmodulfrm.h"
#include "benchsupport.h"
#include "Klientenlistedruckfrm.h"
#include "Vandreldruckfrm.h"
#include "databasecreator.h"
#include "dataset.h"
#include "dbconnection.h"
#include "exception.h"
#include "report.h"
#include "reportdocument.h"
#include "reportoutput.h"
#include "textmeasurer.h"
#include "transaction.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int planSamples = 5;
constexpr int listSamples = 3;

// What the reports have to reach.
constexpr double targetLayoutPer100PagesMs = 200;
constexpr double targetPdfRatio = 2.0;
constexpr double targetPeakMB = 100;

void target(const char *what, bool met)
{
    std::printf("target %s: %s\n", what, met ? "ok" : "MISSED");
    std::fflush(stdout);
}

double statusMB(const QByteArray &key)
{
    return statusKiB(key) * 1024 / 1e6;
}

// Starts VmHWM afresh from the present resident size, so that a peak belongs
// to the work after it and not to the setup (creating the databases hashes
// the initial password with Argon2id, which takes 64 MiB for a moment).
bool resetPeak()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

void execute(DbConnection &connection, const QString &sql)
{
    QSqlQuery query(connection.database());
    if (!query.exec(sql))
        throw Exception(query.lastError().text() + u"\n"_s + sql);
}

void insert(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    execute(query);
}

// The activity groups of AEDL, in their order.
const QStringList aedl = {
    u"Kommunizieren"_s,
    u"Sich bewegen"_s,
    u"Vitale Funktionen des Lebens aufrechterhalten"_s,
    u"Sich pflegen"_s,
    u"Essen und trinken"_s,
    u"Ausscheiden"_s,
    u"Sich kleiden"_s,
    u"Ruhen und schlafen"_s,
    u"Sich beschäftigen"_s,
    u"Sich als Mann oder Frau fühlen und verhalten"_s,
    u"Für eine sichere Umgebung sorgen"_s,
    u"Soziale Bereiche des Lebens sichern"_s,
    u"Mit existenziellen Erfahrungen des Lebens umgehen"_s,
};
const QString aktivitaetenSql =
    u"select * from tbl_aktivitaeten_gruppen\nwhere\naktivitaet_aedl_sortierung <> 0\norder by\naktivitaet_aedl_sortierung"_s;

// Sentences a care plan is written in; a plan entry strings several together.
const QStringList saetze = {
    u"Frau Müller benötigt morgens Unterstützung beim Aufstehen, da die Kraft in den Beinen spürbar nachlässt."_s,
    u"Sie äußert Schmerzen im rechten Knie, vor allem beim Treppensteigen und nach längerem Sitzen."_s,
    u"Die Haut an beiden Fersen ist gerötet; eine Druckentlastung durch Lagerung ist dringend erforderlich."_s,
    u"Bei der Körperpflege übernimmt sie Gesicht und Oberkörper selbst, den Rücken und die Füße nicht."_s,
    u"Sie trinkt über den Tag zu wenig und vergisst die angebotenen Getränke häufig."_s,
    u"Nachts wird sie oft unruhig, steht auf und findet ohne Begleitung nicht zurück ins Zimmer."_s,
    u"Gespräche mit Mitbewohnern im Aufenthaltsraum tun ihr sichtlich gut und heben die Stimmung."_s,
    u"Der Rollator wird sicher benutzt, solange der Weg frei von Stolperfallen bleibt."_s,
    u"Die Tochter besucht sie zweimal wöchentlich und möchte über Veränderungen informiert werden."_s,
    u"Tabletten werden gerichtet angereicht, die Einnahme wird beobachtet und dokumentiert."_s,
    u"Beim Anziehen der Kompressionsstrümpfe ist sie vollständig auf Hilfe angewiesen."_s,
    u"Sie möchte ihre gewohnte Tagesstruktur mit Frühstück um acht Uhr und Mittagsruhe beibehalten."_s,
    u"Das Hörgerät wird morgens eingesetzt, die Batterie jeden Montag kontrolliert und bei Bedarf gewechselt."_s,
    u"Angst vor Stürzen führt dazu, dass sie sich kaum noch allein aus dem Sessel erhebt."_s,
    u"Sie isst gern Süßes, lehnt aber Gemüse meist ab; Wunschkost wird mit der Küche abgesprochen."_s,
    u"Der Blutzucker wird vor den Hauptmahlzeiten gemessen, Abweichungen werden dem Hausarzt gemeldet."_s,
    u"Sie singt gern alte Volkslieder und nimmt regelmäßig an der Singgruppe am Donnerstag teil."_s,
    u"Die Ausscheidung ist unregelmäßig; ein Trink- und Ausfuhrprotokoll wird für zwei Wochen geführt."_s,
    u"Über den Tod ihres Ehemannes spricht sie oft, sie wirkt dabei traurig, aber gefasst."_s,
    u"Zähneputzen gelingt nach Anleitung, die Zahnprothese wird abends von der Pflegekraft gereinigt."_s,
};

// A text of min to max characters, whole sentences where they fit and
// whole words to fill it up.
QString langerText(QRandomGenerator &random, int min, int max)
{
    const int length = min + random.bounded(max - min + 1);
    QString text;
    while (text.size() < length) {
        const QString &satz = saetze[random.bounded(int(saetze.size()))];
        const QString candidate = text.isEmpty() ? satz : text + u' ' + satz;
        if (candidate.size() <= length) {
            text = candidate;
            continue;
        }
        for (const QString &wort : satz.split(u' ')) {
            if (text.size() + 1 + wort.size() > max)
                break;
            text += u' ' + wort;
            if (text.size() >= length)
                break;
        }
        break;
    }
    return text;
}

// The catalogue's activity groups become the 13 groups of AEDL.
void fillGroups(DbConnection &catalogue)
{
    Transaction transaction(catalogue);
    execute(catalogue, u"delete from tbl_aktivitaeten_gruppen"_s);
    const auto q = prepared(catalogue, u"insert into tbl_aktivitaeten_gruppen (aktivitaet_id, aktivitaet_bezeichnung, "
                                       "aktivitaet_aedl_sortierung, aktivitaet_atl_sortierung, aktivitaet_gbd_sortierung) "
                                       "values (?, ?, ?, 0, 0)"_s);
    for (int i = 0; i < aedl.size(); ++i)
        insert(*q, {i + 1, aedl[i], i + 1});
    transaction.commit();
}

const QStringList nachnamen = {
    u"Müller"_s, u"Schmidt"_s, u"Schneider"_s, u"Fischer"_s, u"Weber"_s, u"Meyer"_s, u"Wagner"_s, u"Becker"_s,
    u"Schulz"_s, u"Hoffmann"_s, u"Schäfer"_s, u"Koch"_s, u"Bauer"_s, u"Richter"_s, u"Klein"_s, u"Wolf"_s,
    u"Schröder"_s, u"Neumann"_s, u"Schwarz"_s, u"Zimmermann"_s, u"Braun"_s, u"Krüger"_s, u"Hartmann"_s,
    u"Lange"_s, u"Werner"_s, u"Krause"_s, u"Lehmann"_s, u"Köhler"_s, u"König"_s, u"Walter"_s, u"Huber"_s,
    u"Kaiser"_s, u"Fuchs"_s, u"Peters"_s, u"Möller"_s, u"Weiß"_s, u"Jung"_s, u"Hahn"_s, u"Vogel"_s,
    u"Günther"_s, u"Berger"_s, u"Winkler"_s, u"Lorenz"_s, u"Böhm"_s, u"Jäger"_s, u"Groß"_s, u"Kühn"_s,
    u"Lüdtke-Brandenburger"_s, u"Özdemir"_s, u"von der Heydt"_s,
};
// Women's names first, then men's.
const QStringList vornamen = {
    u"Anneliese"_s, u"Gertrud"_s, u"Käthe"_s, u"Bärbel"_s, u"Hannelore"_s, u"Ingeborg"_s, u"Ursula"_s,
    u"Renate"_s, u"Helga"_s, u"Elfriede"_s, u"Jürgen"_s, u"Günter"_s, u"Jörg"_s, u"Heinz"_s, u"Klaus"_s,
    u"Wolfgang"_s, u"Horst"_s, u"Hans-Jürgen"_s, u"Karl-Heinz"_s, u"Rüdiger"_s,
};
const QStringList strassen = {
    u"Lindenallee"_s, u"Hauptstraße"_s, u"Am Mühlbach"_s, u"Schillerstraße"_s, u"Gartenweg"_s,
    u"Kirchplatz"_s, u"Bahnhofstraße"_s, u"Rosenstraße"_s, u"Goethestraße"_s, u"Auf der Höhe"_s,
};
const QList<std::pair<QString, QString>> orte = {
    {u"33602"_s, u"Bielefeld"_s}, {u"32052"_s, u"Herford"_s}, {u"33098"_s, u"Paderborn"_s},
    {u"32423"_s, u"Minden"_s}, {u"33330"_s, u"Gütersloh"_s}, {u"32756"_s, u"Detmold"_s},
};
const QStringList abteilungen = {
    u"Sonnenhügel"_s, u"Lindenhof"_s, u"Mühlenbach"_s, u"Tagespflege"_s, u"Ambulant Nord"_s,
    u"Ambulant Süd"_s, u"Wohngruppe Käthe-Kollwitz"_s, u"Kurzzeitpflege"_s, u"Rosengarten"_s, u"Ährenfeld"_s,
};
const QStringList kurzeBemerkungen = {
    u"Tochter ist Betreuerin."_s, u"Diabetes Typ 2, Insulin morgens und abends."_s,
    u"Hörgerät links, Brille für die Ferne."_s, u"Allergie gegen Pflaster (Zinkoxid)!"_s,
};
constexpr int aerzte = 50;

// Departments, family doctors and clients, each client in an existing
// department with an existing doctor; three in ten have a short remark,
// one in ten a long one. Returns the first client's id.
qint64 fillClients(DbConnection &care, int clients)
{
    QRandomGenerator random(4711);
    Transaction transaction(care);
    const auto abt = prepared(care, u"insert into tbl_abteilungen (abt_name, abt_ort) values (?, ?)"_s);
    for (int i = 0; i < abteilungen.size(); ++i)
        insert(*abt, {abteilungen[i], orte[i % orte.size()].second});
    const auto arzt = prepared(care, u"insert into tbl_aerzte_stamm (arzt_stamm_name, arzt_stamm_vorname, "
                                     "arzt_stamm_titel, arzt_stamm_fachrichtung) values (?, ?, ?, ?)"_s);
    for (int i = 0; i < aerzte; ++i)
        insert(*arzt, {nachnamen[(i * 13 + 5) % nachnamen.size()], vornamen[i % vornamen.size()],
                       i % 4 == 3 ? QVariant() : QVariant(u"Dr. med."_s), u"Allgemeinmedizin"_s});

    const auto klient = prepared(care, u"insert into tbl_klienten_stamm (klient_abt, klient_anrede, klient_name, "
                                       "klient_vorname, klient_geburtstag, klient_hausarzt, klient_strasse, klient_plz, "
                                       "klient_ort, klient_telefon_1, klient_mobil_1, klient_email_1, klient_bemerkung, "
                                       "klient_naechste_eval_ueberpruefung_am, klient_deaktiviert) "
                                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"_s);
    const QVariant none;
    for (int i = 0; i < clients; ++i) {
        const auto &[plz, ort] = orte[random.bounded(int(orte.size()))];
        const int bemerkung = random.bounded(100);
        const int vorname = random.bounded(100) < 68 ? random.bounded(10) : 10 + random.bounded(10);
        insert(*klient,
               {1 + random.bounded(int(abteilungen.size())), vorname < 10 ? u"Frau"_s : u"Herr"_s,
                nachnamen[random.bounded(int(nachnamen.size()))], vornamen[vorname],
                QDate(1925, 1, 1).addDays(random.bounded(365 * 28)).toString(u"yyyy-MM-dd 00:00:00"_s),
                1 + random.bounded(aerzte),
                strassen[random.bounded(int(strassen.size()))] + u" %1"_s.arg(1 + random.bounded(120)), plz, ort,
                u"0521 %1"_s.arg(100000 + i), random.bounded(100) < 30 ? QVariant(u"0171 %1"_s.arg(2000000 + i)) : none,
                random.bounded(100) < 15 ? QVariant(u"angehoerige.%1@web.de"_s.arg(i)) : none,
                bemerkung < 10   ? QVariant(langerText(random, 150, 300))
                : bemerkung < 40 ? QVariant(kurzeBemerkungen[random.bounded(int(kurzeBemerkungen.size()))])
                                 : none,
                u"2026-%1-15 00:00:00"_s.arg(1 + random.bounded(12), 2, 10, QChar(u'0'))});
    }
    transaction.commit();
    QSqlQuery first(care.database());
    if (!first.exec(u"select min(klient_id) from tbl_klienten_stamm"_s) || !first.next())
        throw Exception(first.lastError().text());
    return first.value(0).toLongLong();
}

struct PlanKind
{
    const char *table;
    const char *prefix;   // of the client, group and position columns
    const char *entry;    // of the catalogue id and text columns
    int count;            // entries per activity group
};
const PlanKind planKinds[] = {
    {"tbl_klienten_probleme", "klientprob", "problem", 8},
    {"tbl_klienten_ressourcen", "klientres", "ressource", 5},
    {"tbl_klienten_ziele", "klientziele", "ziel", 8},
    {"tbl_klienten_massnahmen", "klientmas", "massnahme", 10},
    {"tbl_klienten_evaluationen", "klienteval", "eval", 4},
};

// The client's plan: in every group of AEDL the entries of planKinds, each
// a text of 150 to 300 characters. Returns the number of entries.
int fillPlan(DbConnection &care, qint64 klient)
{
    QRandomGenerator random(815);
    Transaction transaction(care);
    int entries = 0;
    for (const PlanKind &kind : planKinds) {
        const QString prefix = QString::fromLatin1(kind.prefix), entry = QString::fromLatin1(kind.entry);
        const auto q = prepared(care, u"insert into %1 (%2_klient_id, %2_%3_id, %2_aktivitaeten_gruppe, %2_%3_pos, "
                                      "%2_%3_bezeichnung) values (?, ?, ?, ?, ?)"_s
                                          .arg(QString::fromLatin1(kind.table), prefix, entry));
        for (int gruppe = 1; gruppe <= aedl.size(); ++gruppe)
            for (int i = 1; i <= kind.count; ++i, ++entries)
                insert(*q, {klient, gruppe * 100 + i, gruppe, i, langerText(random, 150, 300)});
    }
    transaction.commit();
    return entries;
}

// The bare twin of the PDF output: the document's texts in their fonts,
// lines and boxes painted with plain QPainter calls on a PDF writer of the
// report resolution, A4 landscape without margins.
void barePdf(const ReportDocument &document, const QString &fileName)
{
    constexpr double k = ReportUnits::perMm;
    QPdfWriter writer(fileName);
    writer.setResolution(int(ReportUnits::dpi));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    QPainter painter(&writer);
    std::vector<QFont> fonts;
    std::vector<double> ascents;
    for (const ReportFont &f : document.fonts()) {
        fonts.push_back(ReportUnits::font(document.fontFamily(), f));
        ascents.push_back(QFontMetricsF(fonts.back(), &writer).ascent());
    }
    painter.setPen(QPen(Qt::black, 0.25 * k));
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0)
            writer.newPage();
        int font = -1;
        for (const ReportDocument::Primitive &p : document.page(page)) {
            const QRectF r(p.rect.x() * k, p.rect.y() * k, p.rect.width() * k, p.rect.height() * k);
            switch (p.kind) {
            case ReportDocument::Kind::Text:
                if (font != p.font) {
                    font = p.font;
                    painter.setFont(fonts[font]);
                }
                painter.drawText(QPointF(r.x(), r.y() + ascents[font]), p.text);
                break;
            case ReportDocument::Kind::Line:
                painter.drawLine(r.topLeft(), r.bottomRight());
                break;
            case ReportDocument::Kind::Box:
                painter.fillRect(r, QColor(p.color));
                break;
            }
        }
    }
    if (!painter.end())
        throw Exception(u"Die PDF-Datei \"%1\" konnte nicht geschrieben werden."_s.arg(fileName));
}

struct Primitives
{
    qint64 texts = 0, lines = 0, boxes = 0, characters = 0;
};

Primitives count(const ReportDocument &document)
{
    Primitives n;
    for (int page = 0; page < document.pageCount(); ++page)
        for (const ReportDocument::Primitive &p : document.page(page)) {
            switch (p.kind) {
            case ReportDocument::Kind::Text:
                ++n.texts;
                n.characters += p.text.size();
                break;
            case ReportDocument::Kind::Line:
                ++n.lines;
                break;
            case ReportDocument::Kind::Box:
                ++n.boxes;
                break;
            }
        }
    return n;
}

struct Figures
{
    int pages = 0;
    double layoutMs = 0;
    double pdfVsBare = 0;
};

// Times PDF output of the laid-out document against its bare twin, prints
// both file sizes, and returns the ratio of the medians.
double timePdf(const char *name, const ReportDocument &document, const QString &dir, int samples)
{
    const QString projectFile = QDir(dir).filePath(QString::fromLatin1(name) + u".pdf"_s);
    const QString bareFile = QDir(dir).filePath(QString::fromLatin1(name) + u"-bare.pdf"_s);
    std::vector<double> project, raw;
    for (int s = 0; s < samples; ++s) {
        QElapsedTimer t;
        t.start();
        ReportOutput::writePdf(document, projectFile, QString::fromLatin1(name));
        project.push_back(msSince(t));
        t.restart();
        barePdf(document, bareFile);
        raw.push_back(msSince(t));
    }
    const QByteArray line = QByteArray(name) + "-pdf";
    report(line.constData(), project, raw);
    std::printf("%s-pdf file: %.2f MB, bare %.2f MB\n", name, QFileInfo(projectFile).size() / 1e6,
                QFileInfo(bareFile).size() / 1e6);
    return median(project) / median(raw);
}

void printLayout(const char *name, const ReportDocument &document, const std::vector<double> &layout)
{
    const Primitives n = count(document);
    const double ms = median(layout);
    std::printf("%s: %d pages, %lld texts (%lld characters), %lld lines, %lld boxes\n", name, document.pageCount(),
                n.texts, n.characters, n.lines, n.boxes);
    std::printf("%s-layout: %.1f ms, %.1f ms per 100 pages\n", name, ms, ms * 100 / document.pageCount());
    std::fflush(stdout);
}

Figures carePlan(DbConnection &care, DbConnection &catalogue, qint64 klientId, const QString &dir)
{
    TVandrelDruckForm form(&care, &catalogue);
    Dataset klient(&care);
    klient.setSql(u"select * from tbl_klienten_stamm, tbl_abteilungen\nwhere\nabt_id = klient_abt and klient_id = :id"_s);
    klient.setParam(u"id"_s, klientId);
    klient.open();
    if (klient.isEmpty())
        throw Exception(u"Der Klient %1 fehlt."_s.arg(klientId));
    TVandrelDruckForm::Klient k;
    k.klient_id = qint32(klientId);
    k.klient_anrede = klient.asText(u"klient_anrede"_s);
    k.klient_vorname = klient.asText(u"klient_vorname"_s);
    k.klient_name = klient.asText(u"klient_name"_s);
    k.klient_geburtstag = klient.asDateTime(u"klient_geburtstag"_s);
    k.klient_naechste_eval_ueberpruefung_am = klient.asDateTime(u"klient_naechste_eval_ueberpruefung_am"_s);
    k.abteilung = klient.asText(u"abt_name"_s);

    // Each sample prepares the plan as the care-planning window does before
    // every preview or printout.
    std::vector<double> layout;
    std::shared_ptr<const ReportDocument> document;
    for (int s = 0; s < planSamples; ++s) {
        document.reset();
        QElapsedTimer t;
        t.start();
        form.BerichtVorbereiten(k, aktivitaetenSql, 1);
        document = form.Bericht->run();
        layout.push_back(msSince(t));
    }
    printLayout("careplan", *document, layout);
    Figures f{document->pageCount(), median(layout), 0};
    f.pdfVsBare = timePdf("careplan", *document, dir, planSamples);
    return f;
}

Figures clientsList(DbConnection &care, const QString &dir)
{
    TKlientenListeDruckForm form(&care);
    std::vector<double> query, layout;
    std::shared_ptr<const ReportDocument> document;
    for (int s = 0; s < listSamples; ++s) {
        document.reset();
        QElapsedTimer t;
        t.start();
        // Read anew, as the list does before every preview.
        form.qry_klienten->close();
        form.qry_klienten->open();
        query.push_back(msSince(t));
        t.restart();
        document = form.Bericht->run();
        layout.push_back(msSince(t));
    }
    std::printf("clients-query: %.1f ms for %d clients\n", median(query), form.qry_klienten->recordCount());
    printLayout("clients", *document, layout);
    std::printf("clients peak memory after layout: %.1f MB\n", statusMB("VmHWM"));
    Figures f{document->pageCount(), median(layout), 0};
    f.pdfVsBare = timePdf("clients", *document, dir, listSamples);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clients = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    if (clients < 1) {
        std::fprintf(stderr, "Aufruf: bench_reports [KLIENTEN], mindestens 1\n");
        return 2;
    }

    try {
        QElapsedTimer total;
        total.start();
        QTemporaryDir dir;
        DatabaseCreator().create(dir.path(), false);
        DbConnection care, catalogue;
        care.open(QDir(dir.path()).filePath(QString::fromLatin1(DatabaseCreator::careFileName)));
        catalogue.open(QDir(dir.path()).filePath(QString::fromLatin1(DatabaseCreator::catalogueFileName)));
        fillGroups(catalogue);
        const qint64 klient = fillClients(care, clients);
        const int entries = fillPlan(care, klient);
        std::printf("clients: %d, plan entries of the first client: %d in %lld activity groups; filled in %.1f s\n",
                    clients, entries, qint64(aedl.size()), msSince(total) / 1000);
        std::printf("medians of %d samples (care plan) and %d samples (clients list)\n", planSamples, listSamples);
        std::fflush(stdout);

        const double setupPeak = statusMB("VmHWM");
        TDatenModul datenModul(&care, &catalogue);
        const bool ownPeaks = resetPeak();
        const Figures plan = carePlan(care, catalogue, klient, dir.path());
        std::printf("careplan peak memory: %.1f MB\n", statusMB("VmHWM"));
        resetPeak();
        const double residentBefore = statusMB("VmRSS");
        const Figures list = clientsList(care, dir.path());
        const double peak = statusMB("VmHWM");
        std::printf("peak-memory after the clients list (%d pages): %.1f MB (%.1f MiB); resident before it %.1f MB\n",
                    list.pages, peak, peak * 1e6 / 1024 / 1024, residentBefore);
        if (ownPeaks)
            std::printf("peak of the setup before (databases created and filled): %.1f MB\n", setupPeak);
        else
            std::printf("note: VmHWM could not be reset, the peaks include the setup\n");

        for (const auto &[name, f] : {std::pair{"careplan", plan}, std::pair{"clients", list}}) {
            const double per100 = f.layoutMs * 100 / f.pages;
            const QByteArray layoutTarget =
                QByteArray(name) + " layout of 100 pages under " + QByteArray::number(targetLayoutPer100PagesMs / 1000)
                + " s (" + QByteArray::number(per100, 'f', 1) + " ms)";
            target(layoutTarget.constData(), per100 < targetLayoutPer100PagesMs);
            const QByteArray pdfTarget = QByteArray(name) + " PDF within " + QByteArray::number(targetPdfRatio)
                                         + "x the bare pass (" + QByteArray::number(f.pdfVsBare, 'f', 2) + "x)";
            target(pdfTarget.constData(), f.pdfVsBare <= targetPdfRatio);
        }
        const QByteArray memoryTarget = "memory under " + QByteArray::number(targetPeakMB) + " MB for "
                                        + QByteArray::number(list.pages) + " pages ("
                                        + QByteArray::number(peak, 'f', 1) + " MB)";
        target(memoryTarget.constData(), peak < targetPeakMB);
        std::printf("total run time: %.1f s\n", msSince(total) / 1000);
    } catch (const Exception &e) {
        std::fprintf(stderr, "Fehler: %s\n", qUtf8Printable(e.message()));
        return 1;
    }
    return 0;
}
