#include "Abtlistedruckfrm.h"
#include "Aerztelistedruckfrm.h"
#include "Datenmodulfrm.h"
#include "Klientenlistedruckfrm.h"
#include "Mitarbeiterlistedruckfrm.h"
#include "dataset.h"
#include "exception.h"
#include "report.h"
#include "reportoutput.h"
#include "reportpreview.h"
#include "testdatabases.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum Liste { Abteilungen, Mitarbeiter, Aerzte, Klienten };

const QString einrichtung = u"Pflege am Mühlenbach"_s;

// Three departments, employees and doctors, and clients; some employees and
// clients point at a department or family doctor that does not exist.
const QString stammdaten = uR"(
INSERT INTO tbl_abteilungen (abt_id, abt_name, abt_ansprechpartner, abt_strasse, abt_plz, abt_ort,
  abt_telefon_1, abt_mobil_1, abt_fax_1, abt_email_1, abt_bemerkung) VALUES
(1, 'Wohnbereich Sonnenhof', 'Martina Schulz', 'Mühlenweg 12', '32760', 'Hagenbrück',
  '05247 8830-100', '0170 4418200', '05247 8830-190', 'sonnenhof@example.org', 'Erdgeschoss'),
(2, 'Tagespflege', 'Anna Hoffmann', 'Kirchplatz 3', '32760', 'Hagenbrück',
  '05247 51060', '0170 4418203', '05247 51069', 'tagespflege@example.org', NULL),
(3, 'Ambulanter Dienst', 'Sabine Krüger', 'Bahnhofstraße 27', '32760', 'Hagenbrück',
  '05247 51020', '0170 4418202', '05247 51029', 'ambulant@example.org', NULL);
INSERT INTO tbl_mitarbeiter (ma_id, ma_abt, ma_name, ma_vorname, ma_hdz, ma_geburtstag) VALUES
(10, 3, 'Zander', 'Paula', 'PZ', '1980-01-02 00:00:00'),
(11, 2, 'Brandt', 'Jonas', 'JB', '1978-05-14 00:00:00'),
(12, 3, 'Albers', 'Karl', 'KA', NULL),
(13, 99, 'Ohnabteilung', 'Otto', 'OO', NULL);
INSERT INTO tbl_aerzte_stamm (arzt_stamm_id, arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_titel,
  arzt_stamm_fachrichtung, arzt_stamm_geburtstag) VALUES
(1, 'Albrecht', 'Friedrich', 'Dr. med.', 'Allgemeinmedizin', '1960-03-15 00:00:00'),
(2, 'Berger', 'Klara', NULL, 'Innere Medizin', NULL),
(3, 'Adler', 'Hans', 'Dr.', 'Kardiologie', NULL);
INSERT INTO tbl_klienten_stamm (klient_id, klient_abt, klient_name, klient_vorname, klient_hausarzt,
  klient_geburtstag) VALUES
(1, 2, 'Lindner', 'Hedwig', 1, '1931-07-04 00:00:00'),
(2, 1, 'Brandt', 'Walter', 2, NULL),
(3, 1, 'Arnold', 'Erika', 1, NULL),
(4, 99, 'Ohneabteilung', 'Ida', 1, NULL),
(5, 1, 'Ohnehausarzt', 'Emil', NULL, NULL),
(6, 1, 'Fremdarzt', 'Rita', 42, NULL);
)"_s;

// The care and catalogue databases with the data module, as the program has
// them when a master-data window prints its list.
struct ListenDaten
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;

    explicit ListenDaten(bool mitStammdaten)
    {
        TestDatabases::run(*db.catalogue, u"update tbl_org_parameter set org_name = '%1'"_s.arg(einrichtung));
        if (mitStammdaten) {
            for (const QString &statement : splitSqlScript(stammdaten))
                TestDatabases::run(*db.care, statement);
            TestDatabases::followKeys(*db.care, {u"tbl_abteilungen"_s, u"tbl_mitarbeiter"_s, u"tbl_aerzte_stamm"_s,
                                                 u"tbl_klienten_stamm"_s});
        }
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
    }
};

std::unique_ptr<TListeDruckForm> listenForm(int liste, DbConnection *DB)
{
    switch (liste) {
    case Abteilungen:
        return std::make_unique<TAbtListeDruckForm>(DB);
    case Mitarbeiter:
        return std::make_unique<TMitarbeiterListeDruckForm>(DB);
    case Aerzte:
        return std::make_unique<TAerzteListeDruckForm>(DB);
    default:
        return std::make_unique<TKlientenListeDruckForm>(DB);
    }
}

// Lays the list out over its freshly read query and writes it as a PDF file.
std::shared_ptr<const ReportDocument> alsPdf(TListeDruckForm &form, const QString &datei)
{
    form.abfrage()->close();
    form.abfrage()->open();
    auto document = form.Bericht->run();
    ReportOutput::writePdf(*document, datei, u"Liste"_s);
    return document;
}

QString ausfuehren(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return u"<%1 gescheitert: %2>"_s.arg(programm, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages' text as poppler reads it, one form feed after each page.
QString pdfText(const QString &datei)
{
    return ausfuehren(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, datei, u"-"_s});
}

// "Pages" and "Page size" (in points, rounded) of the file.
struct PdfInfo
{
    int seiten = 0;
    QSize punkte;
};

PdfInfo pdfInfo(const QString &datei)
{
    const QString info = ausfuehren(u"pdfinfo"_s, {datei});
    PdfInfo result;
    const auto seiten = QRegularExpression(u"^Pages:\\s+(\\d+)"_s, QRegularExpression::MultilineOption).match(info);
    const auto groesse =
        QRegularExpression(u"^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"_s, QRegularExpression::MultilineOption)
            .match(info);
    if (seiten.hasMatch())
        result.seiten = seiten.captured(1).toInt();
    if (groesse.hasMatch())
        result.punkte = QSize(qRound(groesse.captured(1).toDouble()), qRound(groesse.captured(2).toDouble()));
    return result;
}

// The lines of one page of a laid-out report: x1, y1, x2, y2 in millimetres.
QList<QLineF> linien(const ReportDocument &document, int seite)
{
    QList<QLineF> result;
    static const QRegularExpression zeile(u"^(\\d+) line ([\\d.]+) ([\\d.]+) ([\\d.]+) ([\\d.]+)$"_s,
                                          QRegularExpression::MultilineOption);
    for (const auto &m : zeile.globalMatch(document.dump())) {
        if (m.captured(1).toInt() == seite)
            result << QLineF(m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble(),
                             m.captured(5).toDouble());
    }
    return result;
}

bool gleich(double a, double b)
{
    return qAbs(a - b) < 0.06;
}

// The ruled lines across the whole printable width (10 to 287 mm).
QList<double> querlinien(const QList<QLineF> &linien)
{
    QList<double> result;
    for (const QLineF &l : linien) {
        if (gleich(l.y1(), l.y2()) && gleich(l.x1(), 10) && gleich(l.x2(), 287))
            result << l.y1();
    }
    return result;
}

// The vertical lines at x, as (top, bottom) from the top of the page down.
QList<QPointF> senkrechte(const QList<QLineF> &linien, double x)
{
    QList<QPointF> result;
    for (const QLineF &l : linien) {
        if (gleich(l.x1(), x) && gleich(l.x2(), x))
            result << QPointF(l.y1(), l.y2());
    }
    std::sort(result.begin(), result.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    return result;
}

// Empty when the texts of folge stand in text in this order; otherwise which
// one is missing or out of place.
QString reihenfolgeFehler(const QString &text, const QStringList &folge)
{
    qsizetype ab = 0;
    for (const QString &wert : folge) {
        const qsizetype bei = text.indexOf(wert, ab);
        if (bei < 0)
            return u"\"%1\" fehlt nach \"%2\""_s.arg(wert, text.mid(std::max<qsizetype>(0, ab - 30), 30));
        ab = bei + wert.size();
    }
    return {};
}

QList<ReportPreview *> offeneVorschauen()
{
    QList<ReportPreview *> result;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *v = qobject_cast<ReportPreview *>(w); v && v->isVisible())
            result << v;
    }
    return result;
}

} // namespace

// The four printed master-data lists as a care organisation gets them on
// paper: their page, headers, captions, the records of their own query and
// the page numbers.
class tst_ListenBerichte : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }
    void listeZeigtKopfSpaltenUndNurDieDatensaetzeIhrerAbfrage_data();
    void listeZeigtKopfSpaltenUndNurDieDatensaetzeIhrerAbfrage();
    void langeBemerkungMachtDenBlockHoeherUndLinienUndRahmenFolgen();
    void vieleDatensaetzeGebenSeitenMitKopfUndNummernAbEins();
    void listeDruckenLiestNeuUndOeffnetEineVorschau_data();
    void listeDruckenLiestNeuUndOeffnetEineVorschau();
    void listeDruckenOhneLesbareDatenOeffnetKeineVorschau_data();
    void listeDruckenOhneLesbareDatenOeffnetKeineVorschau();
};

void tst_ListenBerichte::listeZeigtKopfSpaltenUndNurDieDatensaetzeIhrerAbfrage_data()
{
    QTest::addColumn<int>("liste");
    QTest::addColumn<bool>("mitStammdaten");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QStringList>("ueberschriften");
    QTest::addColumn<int>("datensaetze");
    // In reading order: record by record, upper line before lower line.
    QTest::addColumn<QStringList>("werte");
    QTest::addColumn<QStringList>("fehlen");
    // Texts as the laid-out document holds them: size, style, exact text.
    QTest::addColumn<QStringList>("gesetzt");

    const QStringList abteilungsKoepfe{u"Abteilung :"_s, u"Ansprechpartner"_s, u"Telefon 1"_s, u"Fax 1"_s,
                                       u"Strasse"_s,     u"PLZ"_s,             u"Ort"_s,       u"Mobil 1"_s,
                                       u"Email 1"_s,     u"Bemerkungen"_s};
    const QStringList mitarbeiterKoepfe{u"Abteilung :"_s, u"Name :"_s,   u"HDZ"_s,     u"Geburtstag"_s,
                                        u"Telefon 1"_s,   u"Fax 1"_s,    u"Vorname :"_s, u"Strasse"_s,
                                        u"PLZ"_s,         u"Ort"_s,      u"Mobil 1"_s, u"Email 1"_s,
                                        u"Bemerkungen"_s};

    QTest::newRow("Abteilungen nach Name")
        << int(Abteilungen) << true << u"aktuelle Abteilungenliste"_s << abteilungsKoepfe << 3
        << QStringList{u"Ambulanter Dienst"_s, u"Sabine Krüger"_s, u"05247 51020"_s, u"Bahnhofstraße 27"_s,
                       u"ambulant@example.org"_s, u"Tagespflege"_s, u"Wohnbereich Sonnenhof"_s, u"Erdgeschoss"_s,
                       u"Mühlenweg 12"_s, u"32760"_s, u"Hagenbrück"_s, u"0170 4418200"_s}
        << QStringList{} << QStringList{u"10.0b \"Ambulanter Dienst\""_s, u"10.0 \"Sabine Krüger\""_s};
    QTest::newRow("Mitarbeiter ohne Abteilung fehlen")
        << int(Mitarbeiter) << true << u"aktuelle Mitarbeiterliste"_s << mitarbeiterKoepfe << 3
        << QStringList{u"Tagespflege"_s, u"Brandt"_s, u"JB"_s, u"14.05.1978"_s, u"Jonas"_s,
                       u"Albers"_s, u"Karl"_s, u"Zander"_s, u"02.01.1980"_s, u"Paula"_s}
        << QStringList{u"Ohnabteilung"_s} << QStringList{u"10.0b \"Brandt\""_s, u"10.0 \"Jonas\""_s};
    QTest::newRow("Aerzte nach Name")
        << int(Aerzte) << true << u"aktuelle Ärzteliste"_s
        << QStringList{u"Name :"_s, u"Titel :"_s, u"Fachrichtung"_s, u"Geburtstag"_s, u"Telefon 1"_s,
                       u"Fax 1"_s, u"Vorname :"_s, u"Strasse"_s, u"PLZ"_s, u"Ort"_s, u"Mobil 1"_s,
                       u"Email 1"_s, u"Bemerkungen"_s}
        << 3
        << QStringList{u"Adler"_s, u"Dr."_s, u"Kardiologie"_s, u"Hans"_s, u"Albrecht"_s, u"Dr. med."_s,
                       u"Allgemeinmedizin"_s, u"15.03.1960"_s, u"Friedrich"_s, u"Berger"_s, u"Innere Medizin"_s,
                       u"Klara"_s}
        << QStringList{} << QStringList{u"10.0b \"Adler\""_s};
    QTest::newRow("Klienten ohne Abteilung oder Hausarzt fehlen")
        << int(Klienten) << true << u"aktuelle Klientenliste"_s
        << QStringList{u"Abteilung :"_s, u"Name :"_s, u"Geburtstag"_s, u"Hausarzt"_s, u"Telefon 1"_s,
                       u"Fax 1"_s, u"Vorname :"_s, u"Strasse"_s, u"PLZ"_s, u"Ort"_s, u"Mobil 1"_s,
                       u"Email 1"_s, u"Bemerkungen"_s}
        << 3
        << QStringList{u"Arnold"_s, u"Dr. med. Albrecht, Friedrich"_s, u"Erika"_s, u"Brandt"_s,
                       u"Berger, Klara"_s, u"Walter"_s, u"Tagespflege"_s, u"Lindner"_s, u"04.07.1931"_s,
                       u"Dr. med. Albrecht, Friedrich"_s, u"Hedwig"_s}
        << QStringList{u"Ohneabteilung"_s, u"Ohnehausarzt"_s, u"Fremdarzt"_s}
        // A family doctor without title keeps the blank before his name.
        << QStringList{u"10.0b \"Arnold\""_s, u"10.0 \" Berger, Klara\""_s};
    QTest::newRow("Abteilungen leer")
        << int(Abteilungen) << false << u"aktuelle Abteilungenliste"_s << abteilungsKoepfe << 0 << QStringList{}
        << QStringList{} << QStringList{};
    // The administrator of a new database has no department.
    QTest::newRow("Mitarbeiter nur ohne Abteilung")
        << int(Mitarbeiter) << false << u"aktuelle Mitarbeiterliste"_s << mitarbeiterKoepfe << 0
        << QStringList{} << QStringList{u"Administrator"_s} << QStringList{};
}

void tst_ListenBerichte::listeZeigtKopfSpaltenUndNurDieDatensaetzeIhrerAbfrage()
{
    QFETCH(int, liste);
    QFETCH(bool, mitStammdaten);
    QFETCH(QString, titel);
    QFETCH(QStringList, ueberschriften);
    QFETCH(int, datensaetze);
    QFETCH(QStringList, werte);
    QFETCH(QStringList, fehlen);
    QFETCH(QStringList, gesetzt);

    ListenDaten daten(mitStammdaten);
    auto form = listenForm(liste, daten.db.care.get());
    const QString datei = daten.db.dir.filePath(u"liste.pdf"_s);
    const auto document = alsPdf(*form, datei);

    const PdfInfo info = pdfInfo(datei);
    QCOMPARE(info.punkte, QSize(842, 595));
    QCOMPARE(info.seiten, 1);

    const QString text = pdfText(datei);
    QStringList kopf{einrichtung, titel};
    kopf << ueberschriften;
    for (const QString &t : std::as_const(kopf))
        QVERIFY2(text.contains(t), qPrintable(t + u" fehlt in:\n"_s + text));
    QVERIFY2(text.contains(QRegularExpression(u"gedruckt am +\\d\\d\\.\\d\\d\\.\\d{4} +um +\\d\\d:\\d\\d +Uhr"_s)),
             qPrintable(text));
    QVERIFY(text.contains(QRegularExpression(u"Seite +1\\b"_s)));
    QVERIFY(text.contains(u"Erstellt mit Quendor"_s));
    const QString fehler = reihenfolgeFehler(text, werte);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler + u"\n"_s + text));
    for (const QString &t : std::as_const(fehlen))
        QVERIFY2(!text.contains(t), qPrintable(t));
    const QString dump = document->dump();
    for (const QString &t : std::as_const(gesetzt))
        QVERIFY2(dump.contains(t), qPrintable(t + u" fehlt in:\n"_s + dump));

    // Page header and column header close with a ruled line each, every
    // record block with one more; a list without records has no block.
    const QList<QLineF> l = linien(*document, 1);
    QCOMPARE(querlinien(l).size(), 2 + datensaetze);
    QCOMPARE(senkrechte(l, 10 + 55.0).size(), datensaetze);
}

void tst_ListenBerichte::langeBemerkungMachtDenBlockHoeherUndLinienUndRahmenFolgen()
{
    ListenDaten daten(true);
    TestDatabases::run(*daten.db.care,
                       u"update tbl_abteilungen set abt_bemerkung = 'Bürozeiten Montag bis Freitag von 8:00 bis "
                       "16:00 Uhr, außerhalb dieser Zeiten Rufbereitschaft über das Mobiltelefon der "
                       "diensthabenden Pflegefachkraft' where abt_id = 3"_s);
    TAbtListeDruckForm form(daten.db.care.get());
    const auto document = alsPdf(form, daten.db.dir.filePath(u"liste.pdf"_s));

    const QList<QLineF> l = linien(*document, 1);
    const QList<QPointF> erste = senkrechte(l, 10 + 55.0);
    QCOMPARE(erste.size(), 3);
    const double oben = erste[0].x();
    const double unten = erste[0].y();
    QVERIFY2(unten - oben > 12.7 + 1, qPrintable(document->dump()));
    // Every column line and both sides of the grown block run down to its
    // bottom rule, and the next record starts there.
    for (double x : {10.0, 10 + 55.0, 10 + 134.4, 10 + 179.9, 10 + 225.7, 287.0}) {
        const QList<QPointF> s = senkrechte(l, x);
        const bool reicht = std::any_of(s.begin(), s.end(), [&](QPointF p) {
            return gleich(p.x(), oben) && gleich(p.y(), unten);
        });
        QVERIFY2(reicht, qPrintable(u"Linie bei %1 mm\n"_s.arg(x) + document->dump()));
    }
    const QList<double> regeln = querlinien(l);
    QVERIFY(std::any_of(regeln.begin(), regeln.end(), [&](double y) { return gleich(y, unten); }));
    QVERIFY(gleich(erste[1].x(), unten));
    QVERIFY(gleich(erste[1].y() - erste[1].x(), 12.7));

    // The remark's lines stay inside its block, right of the last column line.
    const QRegularExpression bemerkung(u"^1 text ([\\d.]+) ([\\d.]+) [\\d.]+ ([\\d.]+) 10\\.0 \"(.*)\"$"_s,
                                       QRegularExpression::MultilineOption);
    QStringList zeilen;
    for (const auto &m : bemerkung.globalMatch(document->dump())) {
        if (!gleich(m.captured(1).toDouble(), 10 + 227.0) || m.captured(2).toDouble() > unten)
            continue;
        QVERIFY(m.captured(2).toDouble() + m.captured(3).toDouble() <= unten + 0.06);
        zeilen << m.captured(4);
    }
    QVERIFY2(zeilen.size() >= 3, qPrintable(zeilen.join(u'|')));
    QCOMPARE(zeilen.join(u' '), u"Bürozeiten Montag bis Freitag von 8:00 bis 16:00 Uhr, außerhalb dieser Zeiten "
                                "Rufbereitschaft über das Mobiltelefon der diensthabenden Pflegefachkraft"_s);
}

void tst_ListenBerichte::vieleDatensaetzeGebenSeitenMitKopfUndNummernAbEins()
{
    ListenDaten daten(false);
    QStringList zeilen, namen;
    for (int i = 1; i <= 40; ++i) {
        namen << u"Abteilung %1"_s.arg(i, 2, 10, QChar(u'0'));
        zeilen << u"('%1')"_s.arg(namen.last());
    }
    TestDatabases::run(*daten.db.care, u"insert into tbl_abteilungen (abt_name) values "_s + zeilen.join(u", "_s));
    TAbtListeDruckForm form(daten.db.care.get());

    // The second print counts from 1 again.
    const QString datei = daten.db.dir.filePath(u"liste.pdf"_s);
    alsPdf(form, datei);
    alsPdf(form, datei);

    const int seiten = pdfInfo(datei).seiten;
    QVERIFY2(seiten >= 3, qPrintable(QString::number(seiten)));
    const QString text = pdfText(datei);
    const QStringList seitenTexte = text.split(u'\f');
    QVERIFY(seitenTexte.size() >= seiten);
    for (int s = 0; s < seiten; ++s) {
        const QString &seite = seitenTexte.at(s);
        for (const QString &t : {einrichtung, u"aktuelle Abteilungenliste"_s, u"Ansprechpartner"_s,
                                 u"Bemerkungen"_s, u"Erstellt mit Quendor"_s})
            QVERIFY2(seite.contains(t), qPrintable(u"Seite %1 ohne %2"_s.arg(s + 1).arg(t)));
        QVERIFY2(seite.contains(QRegularExpression(u"Seite +%1\\b"_s.arg(s + 1))), qPrintable(seite));
    }
    const QString fehler = reihenfolgeFehler(text, namen);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void tst_ListenBerichte::listeDruckenLiestNeuUndOeffnetEineVorschau_data()
{
    QTest::addColumn<int>("liste");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QString>("name");

    QTest::newRow("Abteilungen") << int(Abteilungen) << u"Quendor - Abteilungenliste Druckvorschau"_s
                                 << u"insert into tbl_abteilungen (abt_name) values ('Nachtdienst')"_s
                                 << u"Nachtdienst"_s;
    QTest::newRow("Mitarbeiter") << int(Mitarbeiter) << u"Quendor - Mitarbeiterliste Druckvorschau"_s
                                 << u"insert into tbl_mitarbeiter (ma_abt, ma_name) values (1, 'Neumann')"_s
                                 << u"Neumann"_s;
    QTest::newRow("Aerzte") << int(Aerzte) << u"Quendor - Ärzteliste Druckvorschau"_s
                            << u"insert into tbl_aerzte_stamm (arzt_stamm_name) values ('Neumann')"_s
                            << u"Neumann"_s;
    QTest::newRow("Klienten")
        << int(Klienten) << u"Quendor - Klientenliste Druckvorschau"_s
        << u"insert into tbl_klienten_stamm (klient_abt, klient_name, klient_hausarzt) values (1, 'Neumann', 1)"_s
        << u"Neumann"_s;
}

void tst_ListenBerichte::listeDruckenLiestNeuUndOeffnetEineVorschau()
{
    QFETCH(int, liste);
    QFETCH(QString, titel);
    QFETCH(QString, neu);
    QFETCH(QString, name);

    ListenDaten daten(true);
    auto form = listenForm(liste, daten.db.care.get());
    // A list printed before, and a record saved after that.
    form->abfrage()->open();
    TestDatabases::run(*daten.db.care, neu);

    form->ListeDrucken();
    ReportPreview *vorschau = form->Bericht->previewWindow();
    QVERIFY(vorschau);
    QCOMPARE(vorschau->windowTitle(), titel);
    QCOMPARE(vorschau->size(), QSize(1000, 750));
    QCOMPARE(vorschau->zoomPercent(), 100);
    QVERIFY(vorschau->isVisible());
    QVERIFY(!form->isVisible());
    QVERIFY2(vorschau->document().dump().contains(u"\"%1\""_s.arg(name)), qPrintable(name));

    form->ListeDrucken();
    QCOMPARE(form->Bericht->previewWindow(), vorschau);
    QCOMPARE(offeneVorschauen(), QList<ReportPreview *>{vorschau});
}

void tst_ListenBerichte::listeDruckenOhneLesbareDatenOeffnetKeineVorschau_data()
{
    QTest::addColumn<int>("liste");
    QTest::addColumn<bool>("imKatalog");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("meldung");

    QTest::newRow("Abfrage scheitert") << int(Klienten) << false << u"drop table tbl_aerzte_stamm"_s
                                       << u"tbl_aerzte_stamm"_s;
    QTest::newRow("Einrichtung fehlt") << int(Abteilungen) << true << u"delete from tbl_org_parameter"_s
                                       << u"Schwerwiegender Fehler, bitte bei Programm-Hersteller melden"_s;
}

void tst_ListenBerichte::listeDruckenOhneLesbareDatenOeffnetKeineVorschau()
{
    QFETCH(int, liste);
    QFETCH(bool, imKatalog);
    QFETCH(QString, sql);
    QFETCH(QString, meldung);

    ListenDaten daten(true);
    auto form = listenForm(liste, daten.db.care.get());
    TestDatabases::run(imKatalog ? *daten.db.catalogue : *daten.db.care, sql);

    QString gemeldet;
    try {
        form->ListeDrucken();
    } catch (const Exception &e) {
        gemeldet = e.message();
    }
    QVERIFY2(gemeldet.contains(meldung), qPrintable(gemeldet));
    QVERIFY(!form->Bericht->previewWindow());
    QVERIFY(offeneVorschauen().isEmpty());
}

QTEST_MAIN(tst_ListenBerichte)
#include "tst_listenberichte.moc"
