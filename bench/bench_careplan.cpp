// Times the care-planning window on a large care database against plain QtSql
// doing the same database work on the same connections; median of 5 samples each.
// A "-shown" line times the same operation until the window has laid out and
// painted it, against the same raw work: what a care worker waits for.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_careplan [CLIENTS] [--server postgresql://USER@HOST:PORT/DB]
// (default 100000 clients, in files; with --server on a new database of that server, see BenchDatabases)
#include "Datenmodulfrm.h"
#include "benchsupport.h"
#include "Klientenvandrelfrm.h"
#include "databasecreator.h"
#include "dataset.h"
#include "dbconnection.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "exception.h"
#include "messages.h"
#include "transaction.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Every operation is timed this often, alternating with its raw twin; the
// median is printed.
constexpr int samples = 5;
constexpr int clientRowsShown = 40;
// One repaint of the client list is too short to time alone.
constexpr int repaintsPerSample = 20;
constexpr int formulationCount = 20000;
constexpr int standardsPerKind = 5;
// Part of a rare surname: one client in 250 carries one of the names below,
// so the search finds a few hundred among 100000 clients.
const QString searchText = u"bröck"_s;

// Keeps the raw reads from being dropped by the optimiser.
volatile qint64 sink = 0;

// A refusal of the window becomes visible on stderr and the run goes on.
class StderrMessages : public MessageHandler
{
public:
    void show(QWidget *, Kind kind, const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "Meldung (%s%s): %s\n", kind == Kind::Error ? "Fehler" : "Information",
                     title.isEmpty() ? "" : qUtf8Printable(u", "_s + title), qUtf8Printable(text));
    }
    bool confirm(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "Frage, mit Abbrechen beantwortet: %s\n", qUtf8Printable(text));
        return false;
    }
};

// A value of /proc/self/status in MiB ("VmHWM", "VmRSS").
double statusMiB(const QByteArray &key)
{
    return statusKiB(key) / 1024.0;
}

// Lets the window lay out and paint what it has to, as it would before the
// user sees the result.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}


// Runs the statement with its bound values and reads every value of every
// row, as a list that shows the rows needs them. Returns the first row's
// value of column, when one is named.
QVariant readAll(QSqlQuery &query, const QString &column = {})
{
    execute(query);
    const QSqlRecord record = query.record();
    const int columns = record.count();
    const int wanted = column.isEmpty() ? -1 : record.indexOf(column);
    QVariant first;
    qint64 values = 0;
    bool firstRow = true;
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            const QVariant v = query.value(c);
            values += v.isNull() ? 0 : 1;
            if (firstRow && c == wanted)
                first = v;
        }
        firstRow = false;
    }
    query.finish();
    sink = sink + values;
    return first;
}

QVariant readAll(DbConnection &connection, const QString &sql, const QList<std::pair<QString, QVariant>> &values,
                 const QString &column = {})
{
    const auto query = prepared(connection, sql);
    for (const auto &[name, value] : values)
        query->bindValue(name, value);
    return readAll(*query, column);
}

QVariant scalar(DbConnection &connection, const QString &sql)
{
    QSqlQuery query(connection.database());
    if (!query.exec(sql) || !query.next())
        throw Exception(query.lastError().text() + u"\n"_s + sql);
    return query.value(0);
}

// The statements of the window, as it runs them.
const QString parameterSql = u"select * from tbl_parameter\nwhere\nparam_name = :param ;"_s;
const QString abteilungenSql = u"select * from tbl_abteilungen \norder by abt_name ;"_s;
const QString aerzteSql =
    u"select * from tbl_aerzte_stamm \norder by arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_plz, arzt_stamm_strasse\n"_s;
const QString klientenSql =
    u"select * from tbl_klienten_stamm\norder by klient_abt , klient_name, klient_vorname, klient_geburtstag ;"_s;
const QString sucheSql = u"select * from tbl_klienten_stamm where\nklient_name like :name\norder by klient_abt , klient_name, klient_vorname, klient_geburtstag"_s;
const QString kategorienSql =
    u"select * from tbl_kategorien\nwhere\nkategorie_aktivitaeten_gruppen_id = :aktivitaet_id\norder by\nkategorie_sortierung ;"_s;
const QString searchAbteilungSql = u"select * from tbl_abteilungen\nwhere abt_id = :id ;"_s;
const QString searchArztSql = u"select * from tbl_aerzte_stamm\nwhere arzt_stamm_id = :id ;"_s;
const QStringList katalogSql = {
    u"select * from tbl_probleme\nwhere\nprob_kategorie = :kategorie_id\norder by\nprob_id ;"_s,
    u"select * from tbl_ressourcen\nwhere\nres_kategorie = :kategorie_id\norder by\nres_id ;"_s,
    u"select * from tbl_ziele\nwhere\nziel_kategorie = :kategorie_id\norder by\nziel_id ;"_s,
    u"select * from tbl_massnahmen\nwhere\nmas_kategorie = :kategorie_id\norder by\nmas_id ;"_s,
};
const QStringList klientListenSql = {
    u"select * from tbl_klienten_probleme\nwhere\nklientprob_klient_id = :klient_id and\nklientprob_aktivitaeten_gruppe = :aktivitaet\norder by\nklientprob_problem_pos"_s,
    u"select * from tbl_klienten_ressourcen\nwhere\nklientres_klient_id = :klient_id and\nklientres_aktivitaeten_gruppe = :aktivitaet\norder by\nklientres_ressource_pos"_s,
    u"select * from tbl_klienten_ziele\nwhere\nklientziele_klient_id = :klient_id and\nklientziele_aktivitaeten_gruppe = :aktivitaet\norder by\nklientziele_ziel_pos"_s,
    u"select * from tbl_klienten_massnahmen\nwhere\nklientmas_klient_id = :klient_id and\nklientmas_aktivitaeten_gruppe = :aktivitaet\norder by\nklientmas_massnahme_pos"_s,
};

// The activity groups of the care model, in the window's order.
QString aktivitaetenSql(const QString &typ)
{
    for (const QString &modell : {u"AEDL"_s, u"ATL"_s, u"GBD"_s})
        if (typ == modell) {
            const QString spalte = u"aktivitaet_"_s + modell.toLower() + u"_sortierung"_s;
            return u"select * from tbl_aktivitaeten_gruppen\nwhere\n"_s + spalte + u" <> 0\norder by\n"_s + spalte;
        }
    return u"select * from tbl_aktivitaeten_gruppen ; "_s;
}

QString parameter(DbConnection &care, const QString &name)
{
    const auto q = prepared(care, parameterSql);
    q->bindValue(u":param"_s, name);
    execute(*q);
    return q->next() ? q->value(u"param_wert_1"_s).toString() : QString();
}


const QStringList nachnamen = {
    u"Müller"_s, u"Schmidt"_s, u"Schneider"_s, u"Fischer"_s, u"Weber"_s, u"Meyer"_s, u"Wagner"_s, u"Becker"_s,
    u"Schulz"_s, u"Hoffmann"_s, u"Schäfer"_s, u"Koch"_s, u"Bauer"_s, u"Richter"_s, u"Klein"_s, u"Wolf"_s,
    u"Schröder"_s, u"Neumann"_s, u"Schwarz"_s, u"Zimmermann"_s, u"Braun"_s, u"Krüger"_s, u"Hofmann"_s,
    u"Hartmann"_s, u"Lange"_s, u"Schmitt"_s, u"Werner"_s, u"Schmitz"_s, u"Krause"_s, u"Meier"_s, u"Lehmann"_s,
    u"Köhler"_s, u"Herrmann"_s, u"König"_s, u"Walter"_s, u"Mayer"_s, u"Huber"_s, u"Kaiser"_s, u"Fuchs"_s,
    u"Peters"_s, u"Scholz"_s, u"Möller"_s, u"Weiß"_s, u"Jung"_s, u"Hahn"_s, u"Schubert"_s, u"Vogel"_s,
    u"Friedrich"_s, u"Keller"_s, u"Günther"_s, u"Frank"_s, u"Berger"_s, u"Winkler"_s, u"Roth"_s, u"Beck"_s,
    u"Lorenz"_s, u"Baumann"_s, u"Franke"_s, u"Albrecht"_s, u"Schuster"_s, u"Böhm"_s, u"Winter"_s, u"Kraus"_s,
    u"Schumacher"_s, u"Krämer"_s, u"Vogt"_s, u"Stein"_s, u"Jäger"_s, u"Otto"_s, u"Sommer"_s, u"Groß"_s,
    u"Seidel"_s, u"Heinrich"_s, u"Brandt"_s, u"Haas"_s, u"Schreiber"_s, u"Graf"_s, u"Dietrich"_s, u"Ziegler"_s,
    u"Kühn"_s, u"Pohl"_s, u"Engel"_s, u"Horn"_s, u"Busch"_s, u"Bergmann"_s, u"Voigt"_s, u"Sauer"_s,
    u"Arnold"_s, u"Pfeiffer"_s, u"Lüdtke"_s, u"Özdemir"_s, u"Kowalski"_s, u"Nowak"_s, u"Dück"_s, u"Görtz"_s,
};
const QStringList seltenNamen = {u"Bröcker"_s, u"BRÖCKELMANN"_s, u"Fürstenbröck"_s, u"bröckling"_s};
const QStringList namensVorsatz = {u"von"_s, u"van der"_s, u"de"_s, u"zur"_s};
const QStringList vornamenFrau = {
    u"Anneliese"_s, u"Gertrud"_s, u"Käthe"_s, u"Bärbel"_s, u"Hannelore"_s, u"Ingeborg"_s, u"Ursula"_s,
    u"Renate"_s, u"Helga"_s, u"Elfriede"_s, u"Margot"_s, u"Irmgard"_s, u"Lieselotte"_s, u"Jutta"_s, u"Erika"_s,
    u"Gisela"_s, u"Christa"_s, u"Hildegard"_s, u"Marlies"_s, u"Dörte"_s,
};
const QStringList vornamenHerr = {
    u"Jürgen"_s, u"Günter"_s, u"Jörg"_s, u"Heinz"_s, u"Klaus"_s, u"Wolfgang"_s, u"Horst"_s, u"Manfred"_s,
    u"Dieter"_s, u"Werner"_s, u"Gerhard"_s, u"Hans-Jürgen"_s, u"Karl-Heinz"_s, u"Uwe"_s, u"Rüdiger"_s,
    u"Bernd"_s, u"Siegfried"_s, u"Helmut"_s, u"Björn"_s, u"Ernst"_s,
};
const QStringList strassen = {
    u"Lindenallee"_s, u"Hauptstraße"_s, u"Am Mühlbach"_s, u"Schillerstraße"_s, u"Gartenweg"_s,
    u"Kirchplatz"_s, u"Bahnhofstraße"_s, u"Rosenstraße"_s, u"Goethestraße"_s, u"Auf der Höhe"_s,
    u"Brückenstraße"_s, u"Schloßallee"_s,
};
const QList<std::pair<QString, QString>> orte = {
    {u"33602"_s, u"Bielefeld"_s}, {u"32052"_s, u"Herford"_s}, {u"33098"_s, u"Paderborn"_s},
    {u"32423"_s, u"Minden"_s}, {u"33330"_s, u"Gütersloh"_s}, {u"32756"_s, u"Detmold"_s},
    {u"49074"_s, u"Osnabrück"_s}, {u"59555"_s, u"Lippstadt"_s},
};
const QStringList bemerkungen = {
    u"Tochter ist Betreuerin,\nbitte bei Änderungen informieren."_s,
    u"Diabetes Typ 2, Insulin morgens und abends."_s,
    u"Hörgerät links, Brille für die Ferne."_s,
    u"Allergie gegen Pflaster (Zinkoxid)!"_s,
    u"Möchte nur von Pflegerinnen gewaschen werden."_s,
    u"Schlüssel beim Nachbarn, Fam. Größer, Erdgeschoss."_s,
};
const QStringList abteilungen = {
    u"Wohnbereich Sonnenhügel"_s, u"Wohnbereich Lindenhof"_s, u"Station Mühlenbach"_s,
    u"Tagespflege Am Schloßpark"_s, u"Ambulanter Dienst Nord"_s, u"Ambulanter Dienst Süd"_s,
    u"Wohngruppe Käthe-Kollwitz"_s, u"Kurzzeitpflege"_s, u"Beschützter Bereich Rosengarten"_s,
    u"Betreutes Wohnen Ährenfeld"_s,
};
const QStringList fachrichtungen = {u"Allgemeinmedizin"_s, u"Innere Medizin"_s, u"Neurologie"_s,
                                    u"Allgemeinmedizin / Geriatrie"_s};

const QStringList taetigkeiten = {
    u"Waschen des Oberkörpers"_s, u"Anziehen der Kompressionsstrümpfe"_s, u"Zähneputzen"_s,
    u"Aufstehen aus dem Sessel"_s, u"Gang zur Toilette"_s, u"Trinken über den Tag"_s,
    u"Essen der Hauptmahlzeiten"_s, u"Lesen der Tageszeitung"_s, u"Gespräch mit Mitbewohnern"_s,
    u"Gehen mit dem Rollator"_s, u"Einnehmen der Medikamente"_s, u"Duschen"_s, u"Rasieren"_s,
    u"Kämmen der Haare"_s, u"Eincremen der Füße"_s, u"Umlagern im Bett"_s, u"Treppensteigen"_s,
    u"Einsetzen des Hörgeräts"_s, u"Bedienen der Rufanlage"_s, u"Spaziergang im Garten"_s,
};
const QStringList gruende = {
    u"da die Kraft in den Händen nachlässt"_s, u"wegen Schwindel am Morgen"_s,
    u"nach einem Sturz im Frühjahr"_s, u"aufgrund der fortschreitenden Demenz"_s,
    u"wegen starker Gelenkschmerzen"_s, u"da die Sehkraft abnimmt"_s, u"wegen Atemnot bei Belastung"_s,
    u"nach der Hüftoperation"_s, u"wegen einer Halbseitenlähmung rechts"_s, u"aus Angst vor Stürzen"_s,
    u"wegen zittriger Hände (Parkinson)"_s, u"da die Konzentration rasch nachlässt"_s,
};
// Four kinds (problem, resource, goal, measure) with three phrasings each;
// %1 is the activity, %2 the reason.
const QList<QStringList> vorlagen = {
    {u"$ braucht Hilfe beim %1, %2."_s, u"$ kann das %1 nicht mehr selbstständig übernehmen, %2."_s,
     u"Beim %1 ist $ unsicher, %2."_s},
    {u"$ kann beim %1 mit Anleitung vieles selbst übernehmen."_s,
     u"$ ist motiviert und nimmt Hilfe beim %1 gern an."_s, u"$ kennt die eigenen Grenzen beim %1 gut."_s},
    {u"$ übernimmt das %1 so selbstständig wie möglich."_s, u"$ fühlt sich beim %1 sicher und wohl."_s,
     u"Das %1 gelingt $ ohne Schmerzen."_s},
    {u"Beim %1 anleiten und nur so viel wie nötig übernehmen (%2)."_s,
     u"Hilfsmittel für das %1 bereitstellen und deren Gebrauch üben."_s,
     u"$ beim %1 Zeit lassen, loben und ermutigen."_s},
};

QString formulierung(int art, int n)
{
    const QString &vorlage = vorlagen[art][(n / (taetigkeiten.size() * gruende.size())) % vorlagen[art].size()];
    QString text = vorlage;
    text.replace(u"%1"_s, taetigkeiten[n % taetigkeiten.size()]);
    text.replace(u"%2"_s, gruende[(n / taetigkeiten.size()) % gruende.size()]);
    return text;
}

// Where the window starts: the first two activity groups of the care model
// and the first category of the first group.
struct WindowStart
{
    QList<qint64> gruppen;
    qint64 kategorie = 0;
};

WindowStart windowStart(DbConnection &care, DbConnection &catalogue)
{
    WindowStart start;
    const auto gruppen = prepared(catalogue, aktivitaetenSql(parameter(care, u"AktivitaetTyp"_s)));
    execute(*gruppen);
    while (gruppen->next() && start.gruppen.size() < 2)
        start.gruppen << gruppen->value(u"aktivitaet_id"_s).toLongLong();
    gruppen->finish();
    if (start.gruppen.size() < 2)
        throw Exception(u"Das Pflegemodell hat weniger als zwei Aktivitäten."_s);
    start.kategorie = readAll(catalogue, kategorienSql, {{u":aktivitaet_id"_s, start.gruppen.first()}},
                              u"kategorie_id"_s).toLongLong();
    if (start.kategorie <= 0)
        throw Exception(u"Die erste Aktivität hat keine Kategorie."_s);
    return start;
}

const QStringList katalogTabellen = {u"tbl_probleme"_s, u"tbl_ressourcen"_s, u"tbl_ziele"_s, u"tbl_massnahmen"_s};
const QStringList katalogPraefix = {u"prob"_s, u"res"_s, u"ziel"_s, u"mas"_s};

// The problem whose standards add-problem copies, and those standards.
struct Standard
{
    qint64 problem = 0;
    QString problemText;
    QList<qint64> ziele, massnahmen;
};

qint64 insertFormulierung(QSqlQuery &insert, qint64 kategorie, const QString &text)
{
    insert.bindValue(0, kategorie);
    insert.bindValue(1, text);
    execute(insert);
    return insert.lastInsertId().toLongLong();
}

Standard fillCatalogue(DbConnection &catalogue, const WindowStart &start)
{
    Transaction transaction(catalogue);
    QList<qint64> kategorien;
    {
        QSqlQuery q(catalogue.database());
        if (!q.exec(u"select kategorie_id from tbl_kategorien order by kategorie_aktivitaeten_gruppen_id, kategorie_sortierung"_s))
            throw Exception(q.lastError().text());
        while (q.next())
            kategorien << q.value(0).toLongLong();
    }
    std::vector<std::unique_ptr<QSqlQuery>> inserts;
    for (int art = 0; art < 4; ++art)
        inserts.push_back(prepared(catalogue, u"insert into %1 (%2_kategorie, %2_bezeichnung) values (?, ?)"_s
                                                  .arg(katalogTabellen[art], katalogPraefix[art])));
    for (int i = 0; i < formulationCount; ++i) {
        const int art = i % 4;
        insertFormulierung(*inserts[art], kategorien[(i / 4) % kategorien.size()], formulierung(art, i / 4));
    }

    // Standards of their own, so that no client holds them before add-problem.
    Standard standard;
    standard.problemText = u"$ hat seit dem Krankenhausaufenthalt große Angst vor Stürzen und traut sich kaum noch aufzustehen."_s;
    standard.problem = insertFormulierung(*inserts[0], start.kategorie, standard.problemText);
    const QStringList ziele = {u"$ steht mit Hilfe zweimal täglich auf."_s, u"$ äußert weniger Angst vor Stürzen."_s,
                               u"$ benutzt den Rollator sicher."_s, u"$ bleibt ohne Sturzverletzung."_s,
                               u"$ kennt die Gefahrenquellen im Zimmer."_s};
    const QStringList massnahmen = {u"Aufstehen täglich üben, dabei Sicherheit geben."_s,
                                    u"Stolperfallen im Zimmer beseitigen."_s,
                                    u"Rutschfeste Schuhe bereitstellen, $ beim Anziehen helfen."_s,
                                    u"Nachtlicht einschalten."_s, u"Sturzprotokoll führen und auswerten."_s};
    for (const QString &text : ziele)
        standard.ziele << insertFormulierung(*inserts[2], start.kategorie, text);
    for (const QString &text : massnahmen)
        standard.massnahmen << insertFormulierung(*inserts[3], start.kategorie, text);
    inserts.clear();
    transaction.commit();
    return standard;
}

// Formulations of an activity group's categories that plan entries copy.
QList<std::pair<qint64, QString>> gruppenFormulierungen(DbConnection &catalogue, int art, qint64 gruppe,
                                                        const Standard &standard)
{
    const auto q = prepared(catalogue, u"select %1_id, %1_bezeichnung from %2 where %1_kategorie in "
                                       "(select kategorie_id from tbl_kategorien where kategorie_aktivitaeten_gruppen_id = ?) "
                                       "order by %1_id limit 60"_s.arg(katalogPraefix[art], katalogTabellen[art]));
    q->bindValue(0, gruppe);
    execute(*q);
    QList<std::pair<qint64, QString>> result;
    while (q->next()) {
        const qint64 id = q->value(0).toLongLong();
        if (id != standard.problem && !standard.ziele.contains(id) && !standard.massnahmen.contains(id))
            result.append({id, q->value(1).toString()});
    }
    if (result.size() < 3)
        throw Exception(u"Zu wenige Formulierungen in der Aktivität %1."_s.arg(gruppe));
    return result;
}

qint64 fillCare(DbConnection &care, DbConnection &catalogue, int clients, const WindowStart &start,
                const Standard &standard)
{
    QList<QList<std::pair<qint64, QString>>> formulierungen[2];
    for (int g = 0; g < 2; ++g)
        for (int art = 0; art < 4; ++art)
            formulierungen[g] << gruppenFormulierungen(catalogue, art, start.gruppen[g], standard);

    QRandomGenerator random(4711);
    const QString erfasst = u"2025-11-03 09:15:00"_s;
    Transaction transaction(care);

    const auto abt = prepared(care, u"insert into tbl_abteilungen (abt_name, abt_strasse, abt_plz, abt_ort, "
                                    "abt_ansprechpartner, abt_telefon_1, abt_erfasst_am, abt_erfasst_von) values (?, ?, ?, ?, ?, ?, ?, 1)"_s);
    for (int i = 0; i < abteilungen.size(); ++i) {
        const auto &[plz, ort] = orte[i % orte.size()];
        for (const QVariant &v : {QVariant(abteilungen[i]), QVariant(strassen[i % strassen.size()] + u" 1"_s),
                                  QVariant(plz), QVariant(ort), QVariant(u"Frau "_s + nachnamen[i * 7 % nachnamen.size()]),
                                  QVariant(u"0521 9870-%1"_s.arg(i + 10)), QVariant(erfasst)})
            abt->addBindValue(v);
        execute(*abt);
    }

    constexpr int aerzte = 50;
    const auto arzt = prepared(care, u"insert into tbl_aerzte_stamm (arzt_stamm_name, arzt_stamm_vorname, "
                                     "arzt_stamm_anrede, arzt_stamm_titel, arzt_stamm_fachrichtung, arzt_stamm_strasse, "
                                     "arzt_stamm_plz, arzt_stamm_ort, arzt_stamm_telefon_1, arzt_stamm_erfasst_am, "
                                     "arzt_stamm_erfasst_von) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1)"_s);
    for (int i = 0; i < aerzte; ++i) {
        const bool frau = i % 3 == 0;
        const auto &[plz, ort] = orte[i % orte.size()];
        for (const QVariant &v : {QVariant(nachnamen[(i * 13 + 5) % nachnamen.size()]),
                                  QVariant((frau ? vornamenFrau : vornamenHerr)[i % 20]),
                                  QVariant(frau ? u"Frau"_s : u"Herr"_s), QVariant(u"Dr. med."_s),
                                  QVariant(fachrichtungen[i % fachrichtungen.size()]),
                                  QVariant(strassen[(i + 3) % strassen.size()] + u" %1"_s.arg(i + 2)), QVariant(plz),
                                  QVariant(ort), QVariant(u"0521 44%1"_s.arg(1000 + i)), QVariant(erfasst)})
            arzt->addBindValue(v);
        execute(*arzt);
    }

    const auto klient = prepared(care, u"insert into tbl_klienten_stamm (klient_abt, klient_anrede, klient_name, "
                                       "klient_vorname, klient_geburtstag, klient_hausarzt, klient_strasse, klient_plz, klient_ort, "
                                       "klient_telefon_1, klient_mobil_1, klient_email_1, klient_bemerkung, klient_kk_name, "
                                       "klient_kk_vers_nr, klient_naechste_eval_ueberpruefung_am, klient_deaktiviert, "
                                       "klient_geaendert_am, klient_geaendert_von, klient_erfasst_am, klient_erfasst_von) "
                                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, false, ?, ?, ?, 1)"_s);
    const QStringList kassen = {u"AOK Nordwest"_s, u"Techniker Krankenkasse"_s, u"BARMER"_s, u"DAK-Gesundheit"_s,
                                u"IKK classic"_s, u"BKK Gildemeister Seidensticker"_s};
    std::vector<std::pair<QString, QString>> anredeName(size_t(clients) + 1);
    for (int i = 0; i < clients; ++i) {
        const bool frau = random.bounded(100) < 68;
        QString name;
        if (i % 250 == 7) {
            name = seltenNamen[(i / 250) % seltenNamen.size()];
        } else {
            name = nachnamen[random.bounded(int(nachnamen.size()))];
            const int art = random.bounded(100);
            if (art < 8)
                name += u"-"_s + nachnamen[random.bounded(int(nachnamen.size()))];
            else if (art < 11)
                name = namensVorsatz[random.bounded(int(namensVorsatz.size()))] + u" "_s + name;
            if (random.bounded(100) < 3)
                name = name.toUpper();
        }
        QString vorname = (frau ? vornamenFrau : vornamenHerr)[random.bounded(20)];
        if (random.bounded(100) < 2)
            vorname = vorname.toLower();
        const QString anrede = frau ? u"Frau"_s : u"Herr"_s;
        // A few clients were recorded without a name.
        const QVariant nameWert = i % 997 == 500 ? QVariant() : QVariant(name);
        anredeName[size_t(i) + 1] = {anrede, nameWert.toString()};
        const auto &[plz, ort] = orte[random.bounded(int(orte.size()))];
        const QDate geburtstag = QDate(1925, 1, 1).addDays(random.bounded(365 * 28));
        const bool geaendert = random.bounded(100) < 40;
        const QVariant none;
        for (const QVariant &v : {
                 QVariant(1 + random.bounded(int(abteilungen.size()))), QVariant(anrede), nameWert, QVariant(vorname),
                 QVariant(geburtstag.toString(u"yyyy-MM-dd 00:00:00"_s)),
                 random.bounded(100) < 3 ? none : QVariant(1 + random.bounded(aerzte)),
                 QVariant(strassen[random.bounded(int(strassen.size()))] + u" %1"_s.arg(1 + random.bounded(120))),
                 QVariant(plz), QVariant(ort), QVariant(u"0521 %1"_s.arg(100000 + i)),
                 random.bounded(100) < 30 ? QVariant(u"0171 %1"_s.arg(2000000 + i)) : none,
                 random.bounded(100) < 15 ? QVariant(u"angehoerige.%1@web.de"_s.arg(i)) : none,
                 random.bounded(100) < 30 ? QVariant(bemerkungen[random.bounded(int(bemerkungen.size()))]) : none,
                 QVariant(kassen[random.bounded(int(kassen.size()))]), QVariant(u"A%1"_s.arg(100000000 + i)),
                 random.bounded(100) < 50 ? QVariant(u"2026-%1-15 00:00:00"_s.arg(1 + random.bounded(12), 2, 10, QChar(u'0'))) : none,
                 geaendert ? QVariant(u"2026-01-%1 14:30:00"_s.arg(1 + random.bounded(28), 2, 10, QChar(u'0'))) : none,
                 geaendert ? QVariant(1) : none, QVariant(erfasst)})
            klient->addBindValue(v);
        execute(*klient);
    }

    // Every third client has a plan in the first two activity groups.
    static const char *const tabellen[4][5] = {
        {"tbl_klienten_probleme", "klientprob_klient_id", "klientprob_problem_id", "klientprob_aktivitaeten_gruppe", "klientprob_problem"},
        {"tbl_klienten_ressourcen", "klientres_klient_id", "klientres_ressource_id", "klientres_aktivitaeten_gruppe", "klientres_ressource"},
        {"tbl_klienten_ziele", "klientziele_klient_id", "klientziele_ziel_id", "klientziele_aktivitaeten_gruppe", "klientziele_ziel"},
        {"tbl_klienten_massnahmen", "klientmas_klient_id", "klientmas_massnahme_id", "klientmas_aktivitaeten_gruppe", "klientmas_massnahme"},
    };
    std::vector<std::unique_ptr<QSqlQuery>> eintraege;
    for (const auto &t : tabellen)
        eintraege.push_back(prepared(care, u"insert into %1 (%2, %3, %4, %5_pos, %5_bezeichnung) values (?, ?, ?, ?, ?)"_s
                                               .arg(QString::fromLatin1(t[0]), QString::fromLatin1(t[1]),
                                                    QString::fromLatin1(t[2]), QString::fromLatin1(t[3]),
                                                    QString::fromLatin1(t[4]))));
    qint64 planEntries = 0;
    for (int id = 3; id <= clients; id += 3) {
        const QString ersatz = anredeName[size_t(id)].first + u" "_s + anredeName[size_t(id)].second;
        for (int g = 0; g < 2; ++g)
            for (int art = 0; art < 4; ++art) {
                const auto &liste = formulierungen[g][art];
                const int anzahl = 1 + (id / 3 + art + g) % 3;
                const int anfang = (id * 7 + art) % int(liste.size());
                for (int j = 0; j < anzahl; ++j) {
                    const auto &[katalogId, text] = liste[(anfang + j) % liste.size()];
                    QSqlQuery &q = *eintraege[size_t(art)];
                    q.bindValue(0, id);
                    q.bindValue(1, katalogId);
                    q.bindValue(2, start.gruppen[g]);
                    q.bindValue(3, 1 + 2 * j);   // removed entries leave gaps
                    q.bindValue(4, QString(text).replace(u'$', ersatz));
                    execute(q);
                    ++planEntries;
                }
            }
    }
    eintraege.clear();

    const auto probleme = prepared(care, u"insert into tbl_standard_probleme (standardprob_problem_id) values (?)"_s);
    probleme->addBindValue(standard.problem);
    execute(*probleme);
    const auto ziele = prepared(care, u"insert into tbl_standard_ziele (standardziele_problem_id, standardziele_ziel_id) values (?, ?)"_s);
    for (qint64 ziel : standard.ziele) {
        ziele->bindValue(0, standard.problem);
        ziele->bindValue(1, ziel);
        execute(*ziele);
    }
    const auto massnahmen = prepared(care, u"insert into tbl_standard_massnahmen (standardmas_problem_id, standardmas_massnahme_id) values (?, ?)"_s);
    for (qint64 massnahme : standard.massnahmen) {
        massnahmen->bindValue(0, standard.problem);
        massnahmen->bindValue(1, massnahme);
        execute(*massnahmen);
    }
    transaction.commit();
    return planEntries;
}


// Sizes the window so that the client list shows clientRowsShown rows, then
// shows it and lets it paint.
void showWindow(TKlientenVandrelForm &form)
{
    DbGrid *grid = form.KlientenGrid;
    grid->setMinimumHeight(clientRowsShown * grid->verticalHeader()->defaultSectionSize()
                           + grid->horizontalHeader()->sizeHint().height()
                           + grid->horizontalScrollBar()->sizeHint().height() + 2 * grid->frameWidth());
    form.resize(1600, form.minimumSizeHint().height() + 300);
    form.show();
    settle();
}

std::unique_ptr<TKlientenVandrelForm> openWindow(DbConnection &care, DbConnection &catalogue)
{
    auto form = std::make_unique<TKlientenVandrelForm>(&care, &catalogue, [] { return qint32(1); }, 1024);
    showWindow(*form);
    return form;
}

// The client list's rows in view, first and count.
std::pair<int, int> shownClientRows(DbGrid *grid)
{
    const int first = std::max(0, grid->rowAt(0));
    int last = grid->rowAt(grid->viewport()->height() - 1);
    if (last < 0)
        last = grid->model()->rowCount() - 1;
    return {first, last - first + 1};
}

QVariant clientValue(const TKlientenVandrelForm &form, int row, const QString &field)
{
    return form.qry_klienten->valueAt(row, form.qry_klienten->fieldPosition(field));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const qsizetype server = arguments.indexOf(u"--server"_s);
    const int clients = arguments.value(server == 0 ? 2 : 0, u"100000"_s).toInt();
    if (clients < 100) {
        std::fprintf(stderr, "Aufruf: bench_careplan [KLIENTEN] [--server postgresql://BENUTZER@SERVER:PORT/DATENBANK], "
                             "mindestens 100 Klienten\n");
        return 2;
    }
    StderrMessages messages;
    Messages::setHandler(&messages);

    try {
        QElapsedTimer total;
        total.start();
        const BenchDatabases place(arguments);
        std::printf("engine: %s\n", place.engine());
        DbConnection care, catalogue;
        care.open(place.careLocation());
        catalogue.open(place.catalogueLocation());

        const WindowStart start = windowStart(care, catalogue);
        const Standard standard = fillCatalogue(catalogue, start);
        const qint64 planEntries = fillCare(care, catalogue, clients, start, standard);
        qint64 formulations = 0;
        for (const QString &tabelle : katalogTabellen)
            formulations += scalar(catalogue, u"select count(*) from "_s + tabelle).toLongLong();
        const qint64 found = readAll(care, u"select count(*) as anzahl from tbl_klienten_stamm where klient_name like :name"_s,
                                     {{u":name"_s, u"%"_s + searchText + u"%"_s}}, u"anzahl"_s).toLongLong();
        const qint64 firstCategorySize = readAll(catalogue, u"select count(*) as anzahl from tbl_probleme where prob_kategorie = :k"_s,
                                                 {{u":k"_s, start.kategorie}}, u"anzahl"_s).toLongLong();
        std::printf("clients: %lld, formulations: %lld (problems in the first category: %lld), plan entries: %lld\n",
                    scalar(care, u"select count(*) from tbl_klienten_stamm"_s).toLongLong(), formulations,
                    firstCategorySize, planEntries);
        std::printf("filled in %.1f s; medians of %d samples; search \"%s\" finds %lld clients; "
                    "repaint-clients times %d repaints\n",
                    msSince(total) / 1000, samples, qUtf8Printable(searchText), found, repaintsPerSample);
        std::fflush(stdout);

        TDatenModul datenModul(&care, &catalogue);
        const double residentBefore = statusMiB("VmRSS");

        // open-window: the window's creation reads both parameters, the
        // departments, doctors, all clients, the activity groups, their
        // categories, the four pick lists of the first category and the four
        // lists of the first client.
        std::vector<double> project, raw;
        double peakMiB = 0;
        for (int s = 0; s < samples; ++s) {
            QElapsedTimer t;
            t.start();
            auto form = openWindow(care, catalogue);
            project.push_back(msSince(t));
            if (s == 0)
                peakMiB = statusMiB("VmHWM");
            form.reset();
            settle();

            t.restart();
            const QString platzhalter = parameter(care, u"PlatzHalterErsetzenMit"_s);
            readAll(care, abteilungenSql, {});
            readAll(care, aerzteSql, {});
            const QVariant ersterKlient = readAll(care, klientenSql, {}, u"klient_id"_s);
            const QString typ = parameter(care, u"AktivitaetTyp"_s);
            const QVariant gruppe = readAll(catalogue, aktivitaetenSql(typ), {}, u"aktivitaet_id"_s);
            const QVariant kategorie = readAll(catalogue, kategorienSql, {{u":aktivitaet_id"_s, gruppe}}, u"kategorie_id"_s);
            for (const QString &sql : katalogSql)
                readAll(catalogue, sql, {{u":kategorie_id"_s, kategorie}});
            for (const QString &sql : klientListenSql)
                readAll(care, sql, {{u":klient_id"_s, ersterKlient}, {u":aktivitaet"_s, gruppe}});
            raw.push_back(msSince(t));
            sink = sink + platzhalter.size();
        }
        report("open-window", project, raw);
        std::printf("peak-memory: %.1f MiB\n", peakMiB);
        std::printf("resident before the window: %.1f MiB\n", residentBefore);
        std::fflush(stdout);

        auto form = openWindow(care, catalogue);
        const auto [firstShown, rowsShown] = shownClientRows(form->KlientenGrid);
        if (rowsShown != clientRowsShown)
            std::fprintf(stderr, "Hinweis: die Klientenliste zeigt %d statt %d Zeilen\n", rowsShown, clientRowsShown);

        // change-client: shown clients that have a plan, so that their lists
        // are not empty; each sample moves to another one.
        QList<int> mitPlan;
        for (int row = firstShown; row < firstShown + rowsShown; ++row)
            if (clientValue(*form, row, u"klient_id"_s).toLongLong() % 3 == 0 && row != form->qry_klienten->currentRow())
                mitPlan << row;
        if (mitPlan.size() < 2)
            throw Exception(u"Zu wenige Klienten mit Plan in der Liste."_s);
        {
            std::vector<std::unique_ptr<QSqlQuery>> kataloge, listen;
            for (const QString &sql : katalogSql)
                kataloge.push_back(prepared(catalogue, sql));
            for (const QString &sql : klientListenSql)
                listen.push_back(prepared(care, sql));
            const qint64 gruppe = form->AktivitaetenGruppenCombo->keyValue().toLongLong();
            const qint64 kategorie = form->KategorienCombo->keyValue().toLongLong();
            project.clear();
            raw.clear();
            std::vector<double> shown;
            for (int s = 0; s < samples; ++s) {
                const int row = mitPlan[s % mitPlan.size()];
                QElapsedTimer t;
                t.start();
                form->qry_klienten->setCurrentRow(row);
                project.push_back(msSince(t));
                settle();
                shown.push_back(msSince(t));

                const QVariant klient = clientValue(*form, row, u"klient_id"_s);
                t.restart();
                for (const auto &q : kataloge) {
                    q->bindValue(u":kategorie_id"_s, kategorie);
                    readAll(*q);
                }
                for (const auto &q : listen) {
                    q->bindValue(u":klient_id"_s, klient);
                    q->bindValue(u":aktivitaet"_s, gruppe);
                    readAll(*q);
                }
                raw.push_back(msSince(t));
            }
            if (form->ProblemeGrid->model()->rowCount() == 0)
                std::fprintf(stderr, "Hinweis: die Problemliste des gewählten Klienten ist leer\n");
            report("change-client", project, raw);
            report("change-client-shown", shown, raw);
        }

        // repaint-clients: each shown row asks for its department and its
        // family doctor by key.
        {
            QList<std::pair<QVariant, QVariant>> keys;
            for (int row = firstShown; row < firstShown + rowsShown; ++row)
                keys.append({clientValue(*form, row, u"klient_abt"_s), clientValue(*form, row, u"klient_hausarzt"_s)});
            const auto abteilung = prepared(care, searchAbteilungSql);
            const auto arzt = prepared(care, searchArztSql);
            // Columns by position, found once: "select *" gives the table's columns in order.
            const int abtName = care.database().record(u"tbl_abteilungen"_s).indexOf(u"abt_name"_s);
            const QSqlRecord aerzte = care.database().record(u"tbl_aerzte_stamm"_s);
            const int arztName = aerzte.indexOf(u"arzt_stamm_name"_s);
            const int arztVorname = aerzte.indexOf(u"arzt_stamm_vorname"_s);
            // What the list shows in its cells, as a repaint draws it.
            DbGrid *grid = form->KlientenGrid;
            QList<int> columns;
            for (int c = 0; c < grid->model()->columnCount(); ++c)
                if (!grid->isColumnHidden(c) && grid->columnViewportPosition(c) < grid->viewport()->width())
                    columns << c;
            struct Cell { QRect rect; QString text; };
            QList<Cell> cells;
            for (int row = firstShown; row < firstShown + rowsShown; ++row)
                for (int c : std::as_const(columns))
                    cells.append({grid->visualRect(grid->model()->index(row, c)),
                                  grid->model()->index(row, c).data().toString()});
            QImage canvas(grid->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
            const auto lookUp = [&](qint64 &length) {
                for (const auto &[abt, hausarzt] : keys) {
                    abteilung->bindValue(u":id"_s, abt);
                    execute(*abteilung);
                    if (abteilung->next())
                        length += abteilung->value(abtName).toString().size();
                    abteilung->finish();
                    arzt->bindValue(u":id"_s, hausarzt);
                    execute(*arzt);
                    if (arzt->next())
                        length += (arzt->value(arztName).toString() + u", "_s + arzt->value(arztVorname).toString()).size();
                    arzt->finish();
                }
            };

            std::vector<double> texts, rawTexts;
            project.clear();
            raw.clear();
            for (int s = 0; s < samples; ++s) {
                QElapsedTimer t;
                t.start();
                for (int r = 0; r < repaintsPerSample; ++r)
                    grid->viewport()->repaint();
                project.push_back(msSince(t));

                // Raw: the look-ups, and the same texts drawn at the same places.
                t.restart();
                qint64 length = 0;
                for (int r = 0; r < repaintsPerSample; ++r) {
                    lookUp(length);
                    canvas.fill(Qt::white);
                    QPainter painter(&canvas);
                    painter.setFont(grid->font());
                    const QFontMetrics metrics(grid->font());
                    for (const Cell &cell : std::as_const(cells))
                        painter.drawText(cell.rect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                         metrics.elidedText(cell.text, Qt::ElideRight, cell.rect.width() - 8));
                }
                raw.push_back(msSince(t));

                // The texts alone, as the list asks its model for them.
                t.restart();
                for (int r = 0; r < repaintsPerSample; ++r)
                    for (int row = firstShown; row < firstShown + rowsShown; ++row)
                        for (int c : std::as_const(columns))
                            length += grid->model()->index(row, c).data().toString().size();
                texts.push_back(msSince(t));
                t.restart();
                for (int r = 0; r < repaintsPerSample; ++r)
                    lookUp(length);
                rawTexts.push_back(msSince(t));
                sink = sink + length;
            }
            report("client-texts", texts, rawTexts);
            report("repaint-clients", project, raw);
        }

        // add-problem: the problem with five standard goals and five standard
        // measures, each sample for another client of the shown rows; raw
        // writes the same eleven rows for other clients.
        {
            const qint64 gruppe = form->AktivitaetenGruppenCombo->keyValue().toLongLong();
            const auto naechste = [&](const QString &tabelle, const QString &praefix, const QString &position) {
                return prepared(care, u"select max(%3) from %1 where %2_klient_id = :klient_id and "
                                      "%2_aktivitaeten_gruppe = :aktivitaet"_s.arg(tabelle, praefix, position));
            };
            const auto posProblem = naechste(u"tbl_klienten_probleme"_s, u"klientprob"_s, u"klientprob_problem_pos"_s);
            const auto posZiel = naechste(u"tbl_klienten_ziele"_s, u"klientziele"_s, u"klientziele_ziel_pos"_s);
            const auto posMassnahme = naechste(u"tbl_klienten_massnahmen"_s, u"klientmas"_s, u"klientmas_massnahme_pos"_s);
            const auto insProblem = prepared(care, u"insert into tbl_klienten_probleme (klientprob_klient_id, klientprob_problem_id, "
                                                   "klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) "
                                                   "values (?, ?, ?, ?, ?)"_s);
            const auto insZiel = prepared(care, u"insert into tbl_klienten_ziele (klientziele_klient_id, klientziele_ziel_id, "
                                                "klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) "
                                                "values (?, ?, ?, ?, ?)"_s);
            const auto insMassnahme = prepared(care, u"insert into tbl_klienten_massnahmen (klientmas_klient_id, klientmas_massnahme_id, "
                                                     "klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) "
                                                     "values (?, ?, ?, ?, ?)"_s);
            const auto stdZiele = prepared(care, u"select * from tbl_standard_ziele\nwhere\nstandardziele_problem_id  = :problem_id ;"_s);
            const auto stdMassnahmen = prepared(care, u"select * from tbl_standard_massnahmen\nwhere\nstandardmas_problem_id  = :problem_id ;"_s);
            const auto textZiel = prepared(catalogue, u"select * from tbl_ziele\nwhere\nziel_id = :id ;"_s);
            const auto textMassnahme = prepared(catalogue, u"select * from tbl_massnahmen\nwhere\nmas_id = :id ;"_s);

            const auto position = [](QSqlQuery &q, const QVariant &klient, qint64 aktivitaet) {
                q.bindValue(u":klient_id"_s, klient);
                q.bindValue(u":aktivitaet"_s, aktivitaet);
                execute(q);
                const qint64 p = q.next() ? q.value(0).toLongLong() + 1 : 1;
                q.finish();
                return p;
            };
            const auto insert = [](QSqlQuery &q, const QVariant &klient, qint64 katalogId, qint64 aktivitaet, qint64 pos,
                                   const QString &text) {
                for (const QVariant &v : {klient, QVariant(katalogId), QVariant(aktivitaet), QVariant(pos), QVariant(text)})
                    q.addBindValue(v);
                execute(q);
            };
            // Standards of one kind: read them, then per standard its
            // catalogue text, the next position and the new row.
            const auto standards = [&](QSqlQuery &std, const QString &spalte, QSqlQuery &text, const QString &textSpalte,
                                       QSqlQuery &pos, QSqlQuery &ins, const QVariant &klient, const QString &ersatz) {
                std.bindValue(u":problem_id"_s, standard.problem);
                execute(std);
                QList<qint64> ids;
                while (std.next())
                    ids << std.value(spalte).toLongLong();
                std.finish();
                for (qint64 id : ids) {
                    text.bindValue(u":id"_s, id);
                    execute(text);
                    if (!text.next())
                        continue;
                    QString eintrag = text.value(textSpalte).toString();
                    text.finish();
                    insert(ins, klient, id, gruppe, position(pos, klient, gruppe), eintrag.replace(u'$', ersatz));
                }
            };

            project.clear();
            raw.clear();
            std::vector<double> shown;
            for (int s = 0; s < samples; ++s) {
                // The window's clients from the top of the shown rows, raw ones from the bottom.
                const int row = firstShown + s;
                form->qry_klienten->setCurrentRow(row);
                settle();
                form->ProblemeCombo->setKeyValue(standard.problem);
                if (form->ProblemeCombo->shownText().isEmpty())
                    std::fprintf(stderr, "Hinweis: das Problem %lld steht nicht in der Auswahlliste\n", standard.problem);
                QElapsedTimer t;
                t.start();
                form->ProblemHinzufuegenBtnClick();
                project.push_back(msSince(t));
                settle();
                shown.push_back(msSince(t));

                const int rawRow = firstShown + rowsShown - 1 - s;
                const QVariant klient = clientValue(*form, rawRow, u"klient_id"_s);
                const QString ersatz = clientValue(*form, rawRow, u"klient_anrede"_s).toString() + u" "_s
                                       + clientValue(*form, rawRow, u"klient_name"_s).toString();
                QString problemText = standard.problemText;
                problemText.replace(u'$', ersatz);
                t.restart();
                {
                    Transaction transaction(care);
                    insert(*insProblem, klient, standard.problem, gruppe, position(*posProblem, klient, gruppe), problemText);
                    standards(*stdZiele, u"standardziele_ziel_id"_s, *textZiel, u"ziel_bezeichnung"_s, *posZiel, *insZiel,
                              klient, ersatz);
                    standards(*stdMassnahmen, u"standardmas_massnahme_id"_s, *textMassnahme, u"mas_bezeichnung"_s,
                              *posMassnahme, *insMassnahme, klient, ersatz);
                    transaction.commit();
                }
                raw.push_back(msSince(t));
            }
            report("add-problem", project, raw);
            report("add-problem-shown", shown, raw);

            const qint64 expected = 2 * samples * (1 + 2 * standardsPerKind);
            // The goals and measures of the standard were written one after the other, so their ids follow on.
            const qint64 written =
                scalar(care, u"select count(*) from tbl_klienten_probleme where klientprob_problem_id = %1"_s.arg(standard.problem)).toLongLong()
                + scalar(care, u"select count(*) from tbl_klienten_ziele where klientziele_ziel_id between %1 and %2"_s
                                   .arg(standard.ziele.first()).arg(standard.ziele.last())).toLongLong()
                + scalar(care, u"select count(*) from tbl_klienten_massnahmen where klientmas_massnahme_id between %1 and %2"_s
                                   .arg(standard.massnahmen.first()).arg(standard.massnahmen.last())).toLongLong();
            if (written != expected)
                std::fprintf(stderr, "Hinweis: add-problem schrieb %lld statt %lld Zeilen\n", written, expected);
        }

        // search: a part of a name, in any letter case; the list's first row
        // becomes the current client.
        {
            const auto suche = prepared(care, sucheSql);
            project.clear();
            raw.clear();
            std::vector<double> shown;
            for (int s = 0; s < samples; ++s) {
                form->NameSuchEdit->setText(searchText);
                QElapsedTimer t;
                t.start();
                form->SuchBtnClick();
                project.push_back(msSince(t));
                settle();
                shown.push_back(msSince(t));
                if (form->qry_klienten->recordCount() != found)
                    std::fprintf(stderr, "Hinweis: die Suche zeigt %d statt %lld Klienten\n",
                                 form->qry_klienten->recordCount(), found);

                t.restart();
                suche->bindValue(u":name"_s, u"%"_s + searchText + u"%"_s);
                readAll(*suche);
                raw.push_back(msSince(t));
            }
            report("search", project, raw);
            report("search-shown", shown, raw);
        }

        form.reset();
        std::printf("total run time: %.1f s\n", msSince(total) / 1000);
    } catch (const Exception &e) {
        std::fprintf(stderr, "Fehler: %s\n", qUtf8Printable(e.message()));
        return 1;
    }
    return 0;
}
