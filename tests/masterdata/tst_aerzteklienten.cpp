#include "Aerztestammfrm.h"
#include "Datenmodulfrm.h"
#include "Klientenstammfrm.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dbcheckbox.h"
#include "dbedit.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "recordingmessages.h"
#include "testdatabases.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The care database of these tests (see fixtures/aerzteklienten.sql), the
// data module on it, and the messages the windows would show.
struct Umgebung
{
    TestDatabases db;
    std::unique_ptr<TDatenModul> modul;
    RecordingMessages messages;

    Umgebung()
    {
        TestDatabases::runFile(*db.care, QStringLiteral(VANDREL_FIXTURES "/aerzteklienten.sql"));
        TestDatabases::followKeys(*db.care, {u"tbl_abteilungen"_s, u"tbl_aerzte_stamm"_s, u"tbl_klienten_stamm"_s});
        modul = std::make_unique<TDatenModul>(db.care.get(), db.catalogue.get());
    }

    template<class Form>
    std::unique_ptr<Form> oeffnen()
    {
        auto form = std::make_unique<Form>(db.care.get(), [] { return 1; });
        form->show();
        return form;
    }

    QVariant wert(const QString &sql) const { return TestDatabases::scalar(*db.care, sql); }
};

QString textIn(const Dataset *d, int row, const QString &feld)
{
    return d->displayTextAt(row, d->fieldPosition(feld));
}

// Opens a box's drop-down and clicks the entry in the given row, as a person chooses.
void waehlen(DbLookupCombo *box, int row)
{
    box->showPopup();
    QAbstractItemView *liste = box->view();
    const QModelIndex eintrag = liste->model()->index(row, box->modelColumn());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(eintrag).center());
}

} // namespace

class tst_AerzteKlienten : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { TestBackends::addRows(); }
    void savingADoctorRereadsTheDoctorListsOfOpenWindows_data();
    void savingADoctorRereadsTheDoctorListsOfOpenWindows();
    void emailRequestBoxStoresItsValueAndKeepsTheWebAddress_data();
    void emailRequestBoxStoresItsValueAndKeepsTheWebAddress();
    void clientListNamesDepartmentAndFamilyDoctor_data();
    void clientListNamesDepartmentAndFamilyDoctor();
    void choosingInTheClientBoxesStoresTheKeys();
    void deletingIsRefusedWhileOthersReferToTheRecord_data();
    void deletingIsRefusedWhileOthersReferToTheRecord();
};

void tst_AerzteKlienten::savingADoctorRereadsTheDoctorListsOfOpenWindows_data()
{
    QTest::addColumn<bool>("neu");
    QTest::addColumn<bool>("mitPlanung");
    QTest::addColumn<bool>("mitKlienten");
    QTest::newRow("neuer Arzt, Planung und Klientenliste offen") << true << true << true;
    QTest::newRow("umbenannter Arzt, Planung und Klientenliste offen") << false << true << true;
    QTest::newRow("umbenannter Arzt, nur Klientenliste offen") << false << false << true;
    QTest::newRow("neuer Arzt, kein anderes Fenster offen") << true << false << false;
}

void tst_AerzteKlienten::savingADoctorRereadsTheDoctorListsOfOpenWindows()
{
    QFETCH(bool, neu);
    QFETCH(bool, mitPlanung);
    QFETCH(bool, mitKlienten);
    Umgebung u;
    std::unique_ptr<TKlientenVandrelForm> planung;
    if (mitPlanung) {
        planung = std::make_unique<TKlientenVandrelForm>(u.db.care.get(), u.db.catalogue.get(), [] { return 1; }, 1024);
        KlientenVandrelForm = planung.get();
    }
    std::unique_ptr<TKlientenStammForm> klienten;
    if (mitKlienten) {
        klienten = u.oeffnen<TKlientenStammForm>();
        KlientenStammForm = klienten.get();
        // Frau Lindner, whose family doctor is Dr. Albrecht (id 1).
        klienten->KlientCombo->setKeyValue(1);
        QCOMPARE(klienten->DBLookupComboBox1->shownText(), u"Albrecht"_s);
    }

    auto aerzte = u.oeffnen<TAerzteStammForm>();
    if (neu)
        QTest::mouseClick(aerzte->ArztNeuBtn, Qt::LeftButton);
    else
        aerzte->ArztCombo->setKeyValue(1);
    auto *name = aerzte->findChild<DbEdit *>(u"NameEdit"_s);
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, u"Albrecht-Berg"_s);
    QTest::mouseClick(aerzte->ArztSpeicherBtn, Qt::LeftButton);
    QVERIFY2(u.messages.texts.isEmpty(), qPrintable(u.messages.texts.join(u'\n')));
    const qint64 arzt = aerzte->ArztCombo->keyValue().toLongLong();
    QCOMPARE(arzt == 1, !neu);
    QCOMPARE(textIn(aerzte->qry_aerzte, aerzte->qry_aerzte->currentRow(), u"arzt_stamm_name"_s), u"Albrecht-Berg"_s);

    if (planung) {
        const int row = planung->qry_aerzte->findRow(u"arzt_stamm_id"_s, arzt);
        QVERIFY(row >= 0);
        QCOMPARE(textIn(planung->qry_aerzte, row, u"arzt_stamm_name"_s), u"Albrecht-Berg"_s);
    }
    if (klienten) {
        QVERIFY(klienten->DBLookupComboBox1->findText(u"Albrecht-Berg"_s) >= 0);
        // The client keeps the family doctor the box shows.
        QCOMPARE(klienten->qry_klienten->asInteger(u"klient_id"_s), 1);
        QCOMPARE(klienten->DBLookupComboBox1->shownText(), neu ? u"Albrecht"_s : u"Albrecht-Berg"_s);
        QCOMPARE(klienten->qry_klienten->state(), Dataset::State::Browse);
    }
}

void tst_AerzteKlienten::emailRequestBoxStoresItsValueAndKeepsTheWebAddress_data()
{
    QTest::addColumn<int>("arzt");
    QTest::addColumn<bool>("vorher");
    QTest::newRow("angekreuzt wird abgewählt") << 1 << true;
    QTest::newRow("nicht angekreuzt wird angekreuzt") << 2 << false;
    QTest::newRow("leer zeigt nicht angekreuzt und wird angekreuzt") << 3 << false;
}

void tst_AerzteKlienten::emailRequestBoxStoresItsValueAndKeepsTheWebAddress()
{
    QFETCH(int, arzt);
    QFETCH(bool, vorher);
    Umgebung u;
    const auto spalte = [&](const QString &name) {
        return u.wert(u"select %1 from tbl_aerzte_stamm where arzt_stamm_id = %2"_s.arg(name).arg(arzt));
    };
    const QVariant web = spalte(u"arzt_stamm_web"_s);
    auto aerzte = u.oeffnen<TAerzteStammForm>();
    aerzte->ArztCombo->setKeyValue(arzt);
    DbCheckBox *box = aerzte->BestPerEmailCheckBox;
    QCOMPARE(box->isChecked(), vorher);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(aerzte->qry_aerzte->state(), Dataset::State::Edit);
    QVERIFY(aerzte->ArztSpeicherBtn->isEnabled());
    QTest::mouseClick(aerzte->ArztSpeicherBtn, Qt::LeftButton);

    QCOMPARE(spalte(u"arzt_stamm_best_per_email"_s).toBool(), !vorher);
    QCOMPARE(aerzte->ArztCombo->keyValue().toInt(), arzt);
    QCOMPARE(box->isChecked(), !vorher);
    QCOMPARE(spalte(u"arzt_stamm_web"_s), web);
}

void tst_AerzteKlienten::clientListNamesDepartmentAndFamilyDoctor_data()
{
    QTest::addColumn<int>("klient");
    QTest::addColumn<QString>("abteilung");
    QTest::addColumn<QString>("hausarzt");
    QTest::addColumn<QString>("hausarztBox");
    QTest::newRow("Hausarzt mit Titel") << 1 << u"Ambulant"_s << u"Dr. med. Albrecht, Friedrich"_s << u"Albrecht"_s;
    QTest::newRow("Hausarzt ohne Titel") << 2 << u"Betreutes Wohnen"_s << u" Vogel, Susanne"_s << u"Vogel"_s;
    QTest::newRow("Abteilung und Hausarzt unbekannt") << 3 << QString() << QString() << QString();
    QTest::newRow("ohne Abteilung und Hausarzt") << 4 << QString() << QString() << QString();
}

void tst_AerzteKlienten::clientListNamesDepartmentAndFamilyDoctor()
{
    QFETCH(int, klient);
    QFETCH(QString, abteilung);
    QFETCH(QString, hausarzt);
    QFETCH(QString, hausarztBox);
    Umgebung u;
    auto klienten = u.oeffnen<TKlientenStammForm>();
    const Dataset *d = klienten->qry_klienten;
    const int row = d->findRow(u"klient_id"_s, klient);
    const int abt = d->fieldPosition(u"klient_abt"_s);
    const int arzt = d->fieldPosition(u"klient_hausarzt"_s);

    QCOMPARE(d->displayTextAt(row, abt), abteilung);
    QCOMPARE(d->displayTextAt(row, arzt), hausarzt);
    const QAbstractItemModel *liste = klienten->DBGrid1->model();
    QCOMPARE(liste->index(row, abt).data().toString(), abteilung);
    QCOMPARE(liste->index(row, arzt).data().toString(), hausarzt);
    QCOMPARE(klienten->KlientCombo->model()->index(row, abt).data().toString(), abteilung);

    klienten->KlientCombo->setKeyValue(klient);
    QCOMPARE(klienten->AbtEditCombo->shownText(), abteilung);
    QCOMPARE(klienten->DBLookupComboBox1->shownText(), hausarztBox);
}

void tst_AerzteKlienten::choosingInTheClientBoxesStoresTheKeys()
{
    Umgebung u;
    auto klienten = u.oeffnen<TKlientenStammForm>();
    // Herr Sommer has neither department nor family doctor.
    klienten->KlientCombo->setKeyValue(4);
    QCOMPARE(klienten->AbtEditCombo->shownText(), QString());

    waehlen(klienten->AbtEditCombo, 1);
    QCOMPARE(klienten->qry_klienten->state(), Dataset::State::Edit);
    QVERIFY(klienten->KlientSpeicherBtn->isEnabled());
    QCOMPARE(klienten->AbtEditCombo->shownText(), u"Betreutes Wohnen"_s);
    klienten->DBLookupComboBox1->showPopup();
    QVERIFY(klienten->DBLookupComboBox1->view()->window()->width() >= 500);
    // Name, first name, speciality and street in columns 10, 8, 20 and 10
    // digits wide.
    {
        auto *liste = qobject_cast<QTableView *>(klienten->DBLookupComboBox1->view());
        const int ziffer = liste->fontMetrics().horizontalAdvance(u'0');
        const Dataset *aerzte = klienten->qry_aerzte;
        const QList<std::pair<QString, int>> breiten{{u"arzt_stamm_name"_s, 10},
                                                     {u"arzt_stamm_vorname"_s, 8},
                                                     {u"arzt_stamm_fachrichtung"_s, 20},
                                                     {u"arzt_stamm_strasse"_s, 10}};
        for (const auto &[feld, zeichen] : breiten)
            QCOMPARE(liste->columnWidth(aerzte->fieldPosition(feld)), zeichen * ziffer + 8);
    }
    klienten->DBLookupComboBox1->hidePopup();
    waehlen(klienten->DBLookupComboBox1, 2);
    QCOMPARE(klienten->DBLookupComboBox1->shownText(), u"Hartmann"_s);
    QTest::mouseClick(klienten->KlientSpeicherBtn, Qt::LeftButton);

    QVERIFY2(u.messages.texts.isEmpty(), qPrintable(u.messages.texts.join(u'\n')));
    QCOMPARE(u.wert(u"select klient_abt from tbl_klienten_stamm where klient_id = 4"_s).toInt(), 2);
    QCOMPARE(u.wert(u"select klient_hausarzt from tbl_klienten_stamm where klient_id = 4"_s).toInt(), 3);
    QCOMPARE(klienten->qry_klienten->displayText(u"klient_hausarzt"_s), u"Dr. Hartmann, Stefan"_s);
}

void tst_AerzteKlienten::deletingIsRefusedWhileOthersReferToTheRecord_data()
{
    QTest::addColumn<bool>("aerzte");
    QTest::addColumn<int>("schluessel");
    QTest::addColumn<QStringList>("verweise");
    QTest::addColumn<QString>("meldung");

    // An entry of client 1's plan in activity group 1, at position n.
    const auto eintrag = [](const QString &art, int n) {
        static const QHash<QString, std::pair<QString, QString>> tabellen{
            {u"probleme"_s, {u"klientprob"_s, u"problem"_s}},     {u"ressourcen"_s, {u"klientres"_s, u"ressource"_s}},
            {u"ziele"_s, {u"klientziele"_s, u"ziel"_s}},          {u"massnahmen"_s, {u"klientmas"_s, u"massnahme"_s}},
            {u"evaluationen"_s, {u"klienteval"_s, u"eval"_s}}};
        const auto [p, e] = tabellen.value(art);
        return u"INSERT INTO tbl_klienten_%1 (%2_klient_id, %2_%3_id, %2_aktivitaeten_gruppe, %2_%3_pos, "
               "%2_%3_bezeichnung) VALUES (1, %4, 1, %4, 'Eintrag');"_s.arg(art, p, e).arg(n);
    };
    const QString klient = u"Der Klient kann nicht gelöscht werden, weil seine Pflegeplanung noch %1 enthält!\n\n"
                           "Bitte erst in der Klienten Planung alle seine Einträge entfernen und erneut versuchen ..."_s;
    const QString arzt = u"Der Arzt kann nicht gelöscht werden, weil er noch bei %1 Klienten als Hausarzt eingetragen "
                         "ist!\n\nBitte erst in der Klientenliste einen anderen Hausarzt eintragen und erneut versuchen ..."_s;
    QTest::newRow("Klient mit einem Problem")
        << false << 1 << QStringList{eintrag(u"probleme"_s, 1)} << klient.arg(u"1 Problem"_s);
    QTest::newRow("Klient mit Ressourcen und einer Evaluation")
        << false << 1
        << QStringList{eintrag(u"ressourcen"_s, 1), eintrag(u"ressourcen"_s, 2),
                       eintrag(u"evaluationen"_s, 1)}
        << klient.arg(u"2 Ressourcen und 1 Evaluation"_s);
    QTest::newRow("Klient mit Ziel, Maßnahmen und Evaluationen")
        << false << 1
        << QStringList{eintrag(u"ziele"_s, 1), eintrag(u"massnahmen"_s, 1),
                       eintrag(u"massnahmen"_s, 2), eintrag(u"evaluationen"_s, 1),
                       eintrag(u"evaluationen"_s, 2)}
        << klient.arg(u"1 Ziel, 2 Maßnahmen und 2 Evaluationen"_s);
    // Another client's plan does not hold this one back.
    QTest::newRow("Klient ohne eigene Pflegeplanung")
        << false << 4 << QStringList{eintrag(u"probleme"_s, 1)} << QString();
    QTest::newRow("Hausarzt eines Klienten") << true << 2 << QStringList{} << arzt.arg(1);
    QTest::newRow("Hausarzt zweier Klienten")
        << true << 1 << QStringList{u"UPDATE tbl_klienten_stamm SET klient_hausarzt = 1 WHERE klient_id = 4;"_s}
        << arzt.arg(2);
    QTest::newRow("Arzt ohne Klienten") << true << 3 << QStringList{} << QString();
}

void tst_AerzteKlienten::deletingIsRefusedWhileOthersReferToTheRecord()
{
    QFETCH(bool, aerzte);
    QFETCH(int, schluessel);
    QFETCH(QStringList, verweise);
    QFETCH(QString, meldung);
    Umgebung u;
    for (const QString &sql : std::as_const(verweise))
        TestDatabases::run(*u.db.care, sql);
    std::unique_ptr<TStammForm> form;
    if (aerzte)
        form = u.oeffnen<TAerzteStammForm>();
    else
        form = u.oeffnen<TKlientenStammForm>();
    const QString tabelle = aerzte ? u"tbl_aerzte_stamm"_s : u"tbl_klienten_stamm"_s;
    const QString spalte = aerzte ? u"arzt_stamm_id"_s : u"klient_id"_s;
    const int vorher = form->haupt->recordCount();

    form->PageControl1->setCurrentWidget(form->ListeSheet);
    form->Combo->setKeyValue(schluessel);
    form->DBGrid1->setFocus();
    QTest::keyClick(form->DBGrid1, Qt::Key_Delete, Qt::ControlModifier);

    QCOMPARE(u.messages.questions, QStringList{u"Datensatz löschen?"_s});
    const bool geloescht = meldung.isEmpty();
    QCOMPARE(u.messages.texts, geloescht ? QStringList() : QStringList{meldung});
    if (!geloescht)
        QCOMPARE(u.messages.kinds, QList<MessageHandler::Kind>{MessageHandler::Kind::Error});
    QCOMPARE(form->haupt->recordCount(), vorher - (geloescht ? 1 : 0));
    QCOMPARE(u.wert(u"select count(*) from %1 where %2 = %3"_s.arg(tabelle, spalte).arg(schluessel)).toInt(),
             geloescht ? 0 : 1);
}

QTEST_MAIN(tst_AerzteKlienten)
#include "tst_aerzteklienten.moc"
