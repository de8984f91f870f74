#include "Datenmodulfrm.h"
#include "Klientenvandrelfrm.h"
#include "Vandreldruckfrm.h"
#include "dataset.h"
#include "exception.h"
#include "recordingmessages.h"
#include "report.h"
#include "reportpreview.h"
#include "reportprinter.h"
#include "testdatabases.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString trenner(50, u'-');

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return u"<%1 failed: %2>"_s.arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QString info = run(u"pdfinfo"_s, {pdf});
    const auto m = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The page footer's "Seite" with the page's number.
bool seitenzahl(const QString &text, int seite)
{
    return QRegularExpression(u"Seite +%1\\n"_s.arg(seite)).match(text).hasMatch();
}

QString pageText(const QString &pdf, int page)
{
    return run(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, QString::number(page), u"-l"_s, QString::number(page), pdf,
                                u"-"_s});
}

// The care-planning window on a small plan, printing into a PDF file.
struct PlanDruck
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;
    std::unique_ptr<TKlientenVandrelForm> form;
    RecordingMessages messages;
    qint32 benutzer = 1;
    QString pdf;

    PlanDruck()
    {
        TestDatabases::runFile(*db.catalogue, QStringLiteral(VANDREL_FIXTURES "/plan_katalog.sql"));
        TestDatabases::runFile(*db.care, QStringLiteral(VANDREL_FIXTURES "/plan_pflege.sql"));
        TestDatabases::followKeys(*db.catalogue, {u"tbl_aktivitaeten_gruppen"_s});
        TestDatabases::followKeys(*db.care, {u"tbl_abteilungen"_s, u"tbl_klienten_stamm"_s});
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
        form = std::make_unique<TKlientenVandrelForm>(db.care.get(), db.catalogue.get(), [this] { return benutzer; },
                                                      1024);
        pdf = db.dir.filePath(u"plan.pdf"_s);
        ReportPrinter::setOutputFile(pdf);
    }
    ~PlanDruck() { ReportPrinter::setOutputFile(QString()); }

    // Prints the client's plan with the window's print button.
    void drucken(int klient)
    {
        form->show();
        QVERIFY(form->qry_klienten->locate(u"klient_id"_s, klient));
        QFile::remove(pdf);
        QTest::mouseClick(form->Button2, Qt::LeftButton);
    }
};

} // namespace

class tst_VandrelDruck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }
    void sectionsFollowTheCareModelOneGroupPerPage();
    void authorAndDepartmentLine_data();
    void authorAndDepartmentLine();
    void clientWithoutProblemsGetsHeaderAndFooterOnly();
    void reviewMonthStaysEmptyWithoutAReviewDate();
    void longSectionContinuesUnderTheRepeatedGroupName();
    void previewButtonOpensOnePreview();
    void emptyClientListPrintsNothing();
    void printingWithoutPrinterSaysSo();
    void reportWindowLivesWithThePlanningWindow();
    void missingOrganisationDataStopsTheReport();
};

void tst_VandrelDruck::sectionsFollowTheCareModelOneGroupPerPage()
{
    PlanDruck t;
    // The second print of the same window must look like the first.
    t.drucken(1);
    t.drucken(1);
    QVERIFY(t.messages.texts.isEmpty());
    QCOMPARE(pageCount(t.pdf), 3);
    QVERIFY(run(u"pdfinfo"_s, {t.pdf}).contains(u"842 x 595 pts"_s));

    const QStringList gruppen{u"Kommunizieren"_s, u"Sich pflegen"_s, u"Essen und trinken"_s};
    for (int seite = 1; seite <= 3; ++seite) {
        const QString text = pageText(t.pdf, seite);
        for (const QString &kopf : {u"Pflegedienst Sonnenhof"_s, u"Vandrel"_s, u"Name : Frau Hedwig Lindner"_s,
                                    u"Geburtsdatum : 17.05.1931"_s, u"Gedruckt am"_s, u"Erstellt von :"_s,
                                    u"Pflegeplanung Administrator"_s, u"Tagespflege"_s, u"Probleme /"_s,
                                    u"Ressourcen"_s, u"Prüfen"_s, u"Maßnahmen"_s, u"Evaluationen"_s, trenner,
                                    u"Erstellt mit Vandrel Tessaro"_s})
            QVERIFY2(text.contains(kopf), qPrintable(u"Seite %1 ohne \"%2\":\n%3"_s.arg(seite).arg(kopf, text)));
        QVERIFY(seitenzahl(text, seite));
        // The review month is wider than its column and stands in two lines there.
        QVERIFY(QRegularExpression(u"03 /.*\\n.* 2012"_s).match(text).hasMatch());
        // The section's own heading, and no repeated group name above it.
        QCOMPARE(text.count(gruppen[seite - 1]), 1);
        for (const QString &andere : gruppen)
            QVERIFY(andere == gruppen[seite - 1] || !text.contains(andere));
    }
    const QString seite1 = pageText(t.pdf, 1);
    QVERIFY(seite1.indexOf(u"- Frau Lindner hört schlecht."_s) < seite1.indexOf(u"- Frau Lindner spricht leise."_s));
    // Every column follows the entries' positions.
    QVERIFY(seite1.indexOf(u"- Verständigung ist gesichert."_s) < seite1.indexOf(u"- Hört im Gespräch gut zu."_s));
    QVERIFY(seite1.indexOf(u"- Hörgerät morgens einsetzen."_s) < seite1.indexOf(u"- Deutlich und langsam sprechen."_s));
    // The short sign stands in the goals' and the measures' column, and in
    // the evaluations' column only where there are evaluations.
    QCOMPARE(seite1.count(u"ADM"_s), 2);
    const QString seite2 = pageText(t.pdf, 2);
    QCOMPARE(seite2.count(u"ADM"_s), 3);
    QVERIFY(seite2.indexOf(trenner) < seite2.indexOf(u"- Cremt das Gesicht selbst ein."_s));
    QVERIFY(seite2.indexOf(u"- Cremt das Gesicht selbst ein."_s) < seite2.indexOf(u"- Wäscht die Hände selbst."_s));
    QVERIFY(seite2.indexOf(u"- Haut ist weniger"_s) >= 0 && seite2.indexOf(u"- Haut ist weniger"_s) < seite2.indexOf(u"- Juckreiz"_s));
    // Two neighbouring groups of one name form one section with the entries of the first.
    const QString seite3 = pageText(t.pdf, 3);
    QVERIFY(seite3.contains(u"- Trinkt zu wenig."_s));
    QVERIFY(!seite3.contains(u"Isst zu wenig."_s));
    const QString alles = run(u"pdftotext"_s, {t.pdf, u"-"_s});
    for (const QString &fehlt : {u"Sich bewegen"_s, u"Geht mit Rollator"_s, u"Nicht im Pflegemodell"_s,
                                 u"Vitale Funktionen"_s, u"Sich kleiden"_s})
        QVERIFY2(!alles.contains(fehlt), qPrintable(fehlt));
}

void tst_VandrelDruck::authorAndDepartmentLine_data()
{
    QTest::addColumn<qint32>("benutzer");
    QTest::addColumn<QString>("parameter");   // empty: no parameter row
    QTest::addColumn<QString>("autor");
    QTest::addColumn<QString>("hdz");
    QTest::addColumn<bool>("abteilung");

    QTest::newRow("known user, department shown") << 1 << u"ja"_s << u"Pflegeplanung Administrator"_s << u"ADM"_s << true;
    QTest::newRow("user missing from the staff") << 99 << u"ja"_s << u"MA-ID-FEHLER"_s << u"???"_s << true;
    QTest::newRow("department switched off") << 1 << u"nein"_s << u"Pflegeplanung Administrator"_s << u"ADM"_s << false;
    QTest::newRow("other value than ja") << 1 << u"Ja"_s << u"Pflegeplanung Administrator"_s << u"ADM"_s << false;
    QTest::newRow("parameter row missing") << 1 << QString() << u"Pflegeplanung Administrator"_s << u"ADM"_s << true;
}

void tst_VandrelDruck::authorAndDepartmentLine()
{
    QFETCH(qint32, benutzer);
    QFETCH(QString, parameter);
    QFETCH(QString, autor);
    QFETCH(QString, hdz);
    QFETCH(bool, abteilung);

    PlanDruck t;
    t.benutzer = benutzer;
    if (parameter.isEmpty())
        TestDatabases::run(*t.db.care, u"delete from tbl_parameter where param_name = 'AbteilungenAnzeigen'"_s);
    else
        TestDatabases::run(*t.db.care, u"update tbl_parameter set param_wert_1 = '%1' where param_name = 'AbteilungenAnzeigen'"_s.arg(parameter));
    t.drucken(1);
    const QString text = pageText(t.pdf, 1);
    QVERIFY2(text.contains(autor), qPrintable(text));
    QCOMPARE(text.count(hdz), 2);
    QCOMPARE(text.contains(u"Tagespflege"_s), abteilung);
}

void tst_VandrelDruck::clientWithoutProblemsGetsHeaderAndFooterOnly()
{
    PlanDruck t;
    t.drucken(2);
    QCOMPARE(pageCount(t.pdf), 1);
    const QString text = pageText(t.pdf, 1);
    QVERIFY(text.contains(u"Name : Herr Walter Brandt"_s));
    QVERIFY(seitenzahl(text, 1));
    QVERIFY(text.contains(u"Erstellt mit Vandrel Tessaro"_s));
    QVERIFY(!text.contains(u"Probleme"_s));
    QVERIFY(!text.contains(u"1899"_s));
}

void tst_VandrelDruck::reviewMonthStaysEmptyWithoutAReviewDate()
{
    PlanDruck t;
    t.drucken(3);
    QCOMPARE(pageCount(t.pdf), 1);
    const QString text = pageText(t.pdf, 1);
    QVERIFY(text.contains(u"- Frau Berg hört schlecht."_s));
    QCOMPARE(text.count(u"ADM"_s), 2);
    QVERIFY(!QRegularExpression(u"\\d\\d /"_s).match(text).hasMatch());
    QVERIFY(!text.contains(u"1899"_s));
}

void tst_VandrelDruck::longSectionContinuesUnderTheRepeatedGroupName()
{
    PlanDruck t;
    QStringList werte;
    for (int i = 1; i <= 40; ++i)
        werte << u"(1, %1, 1, %1, 'Problem %2 mit einer längeren Beschreibung, die in der schmalen Spalte "
                  "über mehrere Zeilen umbricht und so den Abschnitt wachsen lässt')"_s
                     .arg(100 + i)
                     .arg(i, 2, 10, QChar(u'0'));
    TestDatabases::run(*t.db.care, u"insert into tbl_klienten_probleme (klientprob_klient_id, klientprob_problem_id, "
                                   "klientprob_aktivitaeten_gruppe, klientprob_problem_pos, "
                                   "klientprob_problem_bezeichnung) values "_s + werte.join(u", "_s));
    t.drucken(1);
    const int seiten = pageCount(t.pdf);
    QVERIFY2(seiten > 3, qPrintable(QString::number(seiten)));
    const QString seite2 = pageText(t.pdf, 2);
    // The group's name is repeated under the page header, and the table goes on.
    QCOMPARE(seite2.count(u"Kommunizieren"_s), 1);
    QVERIFY(seite2.indexOf(u"Erstellt von :"_s) < seite2.indexOf(u"Kommunizieren"_s));
    QVERIFY(seitenzahl(seite2, 2));
    const QString alles = run(u"pdftotext"_s, {t.pdf, u"-"_s});
    for (int i = 1; i <= 40; ++i)
        QCOMPARE(alles.count(u"- Problem %1 mit"_s.arg(i, 2, 10, QChar(u'0'))), 1);
    QCOMPARE(alles.count(trenner), 3);
}

void tst_VandrelDruck::previewButtonOpensOnePreview()
{
    PlanDruck t;
    t.form->show();
    QVERIFY(t.form->qry_klienten->locate(u"klient_id"_s, 1));
    QTest::mouseClick(t.form->Button1, Qt::LeftButton);
    QVERIFY(VandrelDruckForm);
    ReportPreview *preview = VandrelDruckForm->Bericht->previewWindow();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->windowTitle(), u"Vandrel - Vorschau"_s);
    QCOMPARE(preview->size(), QSize(1000, 750));
    QCOMPARE(preview->zoomPercent(), 100);
    QCOMPARE(preview->document().pageCount(), 3);
    QVERIFY(!VandrelDruckForm->isVisible());

    QTest::mouseClick(t.form->Button1, Qt::LeftButton);
    int previews = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        previews += qobject_cast<ReportPreview *>(w) && w->isVisible();
    QCOMPARE(previews, 1);
    QCOMPARE(VandrelDruckForm->Bericht->previewWindow(), preview);
    QVERIFY(t.messages.texts.isEmpty());
}

void tst_VandrelDruck::emptyClientListPrintsNothing()
{
    PlanDruck t;
    t.form->show();
    QTest::keyClicks(t.form->NameSuchEdit, u"Niemand"_s);
    QTest::mouseClick(t.form->SuchBtn, Qt::LeftButton);
    QVERIFY(t.form->qry_klienten->isEmpty());
    QTest::mouseClick(t.form->Button1, Qt::LeftButton);
    QTest::mouseClick(t.form->Button2, Qt::LeftButton);
    QCOMPARE(t.messages.texts.size(), 2);
    QVERIFY(t.messages.texts[0].startsWith(u"Es ist kein Klient ausgewählt!"_s));
    QVERIFY(!VandrelDruckForm->Bericht->previewWindow());
    QVERIFY(!QFile::exists(t.pdf));
}

void tst_VandrelDruck::printingWithoutPrinterSaysSo()
{
    PlanDruck t;
    ReportPrinter::setOutputFile(QString());
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("This machine has a printer.");
    t.drucken(1);
    QCOMPARE(t.messages.texts.size(), 1);
    QVERIFY(t.messages.texts[0].startsWith(u"Es ist kein Drucker eingerichtet!"_s));
    QVERIFY(!QFile::exists(t.pdf));
}

void tst_VandrelDruck::reportWindowLivesWithThePlanningWindow()
{
    PlanDruck t;
    QVERIFY(VandrelDruckForm);
    QCOMPARE(VandrelDruckForm->parent(), t.form.get());
    QCOMPARE(VandrelDruckForm->windowTitle(), u"Vandrel - drucken ..."_s);
    t.form.reset();
    QVERIFY(!VandrelDruckForm);
}

void tst_VandrelDruck::missingOrganisationDataStopsTheReport()
{
    PlanDruck t;
    TestDatabases::run(*t.db.catalogue, u"delete from tbl_org_parameter"_s);
    QVERIFY(t.form->qry_klienten->locate(u"klient_id"_s, 1));
    TVandrelDruckForm::Klient klient;
    klient.klient_id = 1;
    VandrelDruckForm->BerichtVorbereiten(klient, t.form->qry_aktivitaeten_gruppen->sql(), 1);
    try {
        VandrelDruckForm->Bericht->run();
        QFAIL("Der Bericht lief ohne Organisationsdaten.");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), u"Schwerwiegender Fehler, bitte bei Programm-Hersteller melden"_s);
    }
}

QTEST_MAIN(tst_VandrelDruck)
#include "tst_vandreldruck.moc"
