#include "Datenmodulfrm.h"
#include "Parameterfrm.h"
#include "Radiogruppe.h"
#include "exception.h"
#include "recordingmessages.h"
#include "testdatabases.h"
#include "windowrule.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// Stands for a parameter row that does not exist.
const QString fehlt = u"<fehlt>"_s;

// A care database, the data module on it, and a main window whose work area
// takes the parameter window.
struct Umgebung
{
    TestDatabases db;
    TDatenModul datenModul{db.care.get(), db.catalogue.get()};
    RecordingMessages messages;
    QMainWindow hauptfenster;
    QMdiArea *flaeche = new QMdiArea;

    Umgebung()
    {
        hauptfenster.setCentralWidget(flaeche);
        hauptfenster.resize(1280, 1000);
        hauptfenster.show();
    }
};

void klicken(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Closed windows are destroyed once the event loop gets to them.
void aufraeumen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_Parameter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Umgebung> u;

    TParameterForm *oeffnen()
    {
        return WindowRule::open(ParameterForm, [] { return new TParameterForm; }, WindowRule::Kind::MdiChild,
                                WindowRule::designHeight, u->flaeche);
    }

    void setzen(const QString &name, const QString &wert)
    {
        if (wert == fehlt)
            TestDatabases::run(*u->db.care, u"delete from tbl_parameter where param_name = '%1'"_s.arg(name));
        else
            TestDatabases::run(*u->db.care,
                               u"update tbl_parameter set param_wert_1 = '%2' where param_name = '%1'"_s.arg(name, wert));
    }

    // The stored value; "<NULL>" for an empty column, fehlt for a missing row.
    QString gespeichert(const QString &name) const
    {
        QSqlQuery q(u->db.care->database());
        q.prepare(u"select coalesce(param_wert_1, '<NULL>') from tbl_parameter where param_name = ?"_s);
        q.addBindValue(name);
        if (!q.exec())
            return q.lastError().text();
        return q.next() ? q.value(0).toString() : fehlt;
    }

    QStringList alleGespeichert() const
    {
        return {gespeichert(u"AktivitaetTyp"_s), gespeichert(u"AbteilungenAnzeigen"_s),
                gespeichert(u"PlatzHalterErsetzenMit"_s)};
    }

    void setzenAlle(const QStringList &werte)
    {
        setzen(u"AktivitaetTyp"_s, werte.at(0));
        setzen(u"AbteilungenAnzeigen"_s, werte.at(1));
        setzen(u"PlatzHalterErsetzenMit"_s, werte.at(2));
    }

    static QStringList items(const RadioGruppe *gruppe)
    {
        QStringList texte;
        for (int i = 0; gruppe->item(i); ++i)
            texte << gruppe->item(i)->text();
        return texte;
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        u = std::make_unique<Umgebung>();
    }

    void cleanup()
    {
        // Missing rows and everything else pass without a message.
        QCOMPARE(u->messages.texts, QStringList());
        u.reset();
        aufraeumen();
        QCOMPARE(ParameterForm, nullptr);
    }

    void fenster_zeigtTexteFestenRahmenUndNurSchliessen()
    {
        TParameterForm *form = oeffnen();
        auto *rahmen = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        QVERIFY(rahmen);
        QVERIFY(QTest::qWaitForWindowExposed(&u->hauptfenster));

        QCOMPARE(form->windowTitle(), u"Vandrel - Programmparameter eingeben ..."_s);
        QCOMPARE(form->VandrelTypenGruppe->title(), u" Typ der Vandrel "_s);
        QCOMPARE(items(form->VandrelTypenGruppe), (QStringList{u"AEDL"_s, u"ATL"_s, u"Grundbedürfnisse"_s}));
        QCOMPARE(form->AbteilungenAnzeigenGruppe->title(), u" Abteilungen beim Ausdruck anzeigen "_s);
        QCOMPARE(items(form->AbteilungenAnzeigenGruppe), (QStringList{u"ja"_s, u"nein"_s}));
        QCOMPARE(form->PlatzhalterErsetzenGruppe->title(), u"Bezeichnungsplatzhalter ersetzen durch : "_s);
        QCOMPARE(items(form->PlatzhalterErsetzenGruppe),
                 (QStringList{u"freien Text :"_s, u"Anrede und Name des jeweiligen Klienten"_s}));
        QCOMPARE(form->SpeichernBtn->text(), u"Parameter abspeichern und Fenster schließen"_s);
        QCOMPARE(form->PlatzhalterFreiTextEdit->accessibleName(), u"freien Text :"_s);

        const Qt::WindowFlags flags = rahmen->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QSize groesse = rahmen->size();
        rahmen->resize(groesse + QSize(200, 200));
        QCOMPARE(rahmen->size(), groesse);
        QVERIFY((rahmen->geometry().center() - u->flaeche->viewport()->rect().center()).manhattanLength() <= 2);
    }

    void oeffnenUndSpeichern_zeigtGespeichertesUndSchreibtEsZurueck_data()
    {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<int>("typItem");
        QTest::addColumn<int>("abtItem");
        QTest::addColumn<int>("platzItem");
        QTest::addColumn<QString>("freiText");
        QTest::addColumn<QStringList>("nachher");

        QTest::newRow("GBD, ja, Anrede und Name")
            << QStringList{u"GBD"_s, u"ja"_s, u"$NAME"_s} << 2 << 0 << 1 << u""_s
            << QStringList{u"GBD"_s, u"ja"_s, u"$NAME"_s};
        QTest::newRow("unknown model selects none, saved as empty text")
            << QStringList{u"xyz"_s, u"nein"_s, u"Bewohner"_s} << -1 << 1 << 0 << u"Bewohner"_s
            << QStringList{u""_s, u"nein"_s, u"Bewohner"_s};
        QTest::newRow("capital Ja counts as nein")
            << QStringList{u"AEDL"_s, u"Ja"_s, u""_s} << 0 << 1 << 0 << u""_s
            << QStringList{u"AEDL"_s, u"nein"_s, u""_s};
        QTest::newRow("letter case of atl and $name counts")
            << QStringList{u"atl"_s, u"ja"_s, u"$name"_s} << -1 << 0 << 0 << u"$name"_s
            << QStringList{u""_s, u"ja"_s, u"$name"_s};
        QTest::newRow("missing rows stay missing")
            << QStringList{fehlt, fehlt, fehlt} << -1 << 1 << 0 << u""_s
            << QStringList{fehlt, fehlt, fehlt};
        QTest::newRow("only the model row exists")
            << QStringList{u"ATL"_s, fehlt, fehlt} << 1 << 1 << 0 << u""_s
            << QStringList{u"ATL"_s, fehlt, fehlt};
    }

    void oeffnenUndSpeichern_zeigtGespeichertesUndSchreibtEsZurueck()
    {
        QFETCH(QStringList, vorher);
        QFETCH(int, typItem);
        QFETCH(int, abtItem);
        QFETCH(int, platzItem);
        QFETCH(QString, freiText);
        QFETCH(QStringList, nachher);
        setzenAlle(vorher);

        TParameterForm *form = oeffnen();
        QCOMPARE(form->VandrelTypenGruppe->itemIndex(), typItem);
        QCOMPARE(form->AbteilungenAnzeigenGruppe->itemIndex(), abtItem);
        QCOMPARE(form->PlatzhalterErsetzenGruppe->itemIndex(), platzItem);
        QCOMPARE(form->PlatzhalterFreiTextEdit->isVisible(), platzItem == 0);
        QCOMPARE(form->PlatzhalterFreiTextEdit->text(), freiText);

        QSignalSpy gespeichertSpy(form, &TParameterForm::gespeichert);
        klicken(form->SpeichernBtn);
        QCOMPARE(gespeichertSpy.size(), 1);
        QCOMPARE(alleGespeichert(), nachher);
        QVERIFY(!DatenModul->qry_parameter->isOpen());
        aufraeumen();
        QCOMPARE(ParameterForm, nullptr);
        QVERIFY(u->flaeche->subWindowList().isEmpty());
    }

    void auswahlAendern_wirdGespeichertUndBeimNaechstenOeffnenGezeigt_data()
    {
        QTest::addColumn<int>("typItem");
        QTest::addColumn<int>("abtItem");
        QTest::addColumn<int>("platzItem");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QStringList>("nachher");
        QTest::addColumn<int>("platzItemDanach");

        QTest::newRow("ATL, nein, free text")
            << 1 << 1 << 0 << u"Bewohner"_s << QStringList{u"ATL"_s, u"nein"_s, u"Bewohner"_s} << 0;
        QTest::newRow("GBD, ja, salutation and name")
            << 2 << 0 << 1 << u""_s << QStringList{u"GBD"_s, u"ja"_s, u"$NAME"_s} << 1;
        QTest::newRow("typed $NAME reopens as salutation and name")
            << 0 << 0 << 0 << u"$NAME"_s << QStringList{u"AEDL"_s, u"ja"_s, u"$NAME"_s} << 1;
        QTest::newRow("blanks kept as typed")
            << 0 << 1 << 0 << u"  Herr  "_s << QStringList{u"AEDL"_s, u"nein"_s, u"  Herr  "_s} << 0;
    }

    void auswahlAendern_wirdGespeichertUndBeimNaechstenOeffnenGezeigt()
    {
        QFETCH(int, typItem);
        QFETCH(int, abtItem);
        QFETCH(int, platzItem);
        QFETCH(QString, getippt);
        QFETCH(QStringList, nachher);
        QFETCH(int, platzItemDanach);

        TParameterForm *form = oeffnen();
        klicken(form->VandrelTypenGruppe->item(typItem));
        klicken(form->AbteilungenAnzeigenGruppe->item(abtItem));
        klicken(form->PlatzhalterErsetzenGruppe->item(platzItem));
        if (platzItem == 0) {
            QVERIFY(form->PlatzhalterFreiTextEdit->isVisible());
            QTest::keyClicks(form->PlatzhalterFreiTextEdit, getippt);
        }
        klicken(form->SpeichernBtn);
        QCOMPARE(alleGespeichert(), nachher);
        aufraeumen();

        form = oeffnen();
        QCOMPARE(form->VandrelTypenGruppe->itemIndex(), typItem);
        QCOMPARE(form->AbteilungenAnzeigenGruppe->itemIndex(), abtItem);
        QCOMPARE(form->PlatzhalterErsetzenGruppe->itemIndex(), platzItemDanach);
        QCOMPARE(form->PlatzhalterFreiTextEdit->isVisible(), platzItemDanach == 0);
        WindowRule::close(form);
    }

    void freierText_bleibtBeimUmschalten_data()
    {
        QTest::addColumn<bool>("tastatur");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }

    void freierText_bleibtBeimUmschalten()
    {
        QFETCH(bool, tastatur);
        setzen(u"PlatzHalterErsetzenMit"_s, u"Bewohner"_s);
        TParameterForm *form = oeffnen();
        QVERIFY(QTest::qWaitForWindowActive(&u->hauptfenster));
        QRadioButton *freierText = form->PlatzhalterErsetzenGruppe->item(0);
        QRadioButton *anredeUndName = form->PlatzhalterErsetzenGruppe->item(1);
        QTest::keyClicks(form->PlatzhalterFreiTextEdit, u"in"_s);

        if (tastatur) {
            freierText->setFocus();
            QTest::keyClick(freierText, Qt::Key_Down);
        } else {
            klicken(anredeUndName);
        }
        QCOMPARE(form->PlatzhalterErsetzenGruppe->itemIndex(), 1);
        QVERIFY(!form->PlatzhalterFreiTextEdit->isVisible());

        if (tastatur)
            QTest::keyClick(anredeUndName, Qt::Key_Up);
        else
            klicken(freierText);
        QCOMPARE(form->PlatzhalterErsetzenGruppe->itemIndex(), 0);
        QVERIFY(form->PlatzhalterFreiTextEdit->isVisible());
        QCOMPARE(form->PlatzhalterFreiTextEdit->text(), u"Bewohnerin"_s);

        klicken(form->SpeichernBtn);
        QCOMPARE(gespeichert(u"PlatzHalterErsetzenMit"_s), u"Bewohnerin"_s);
    }

    void schliessenOhneSpeichern_schreibtNichts()
    {
        const QStringList vorher = alleGespeichert();
        TParameterForm *form = oeffnen();
        QSignalSpy gespeichertSpy(form, &TParameterForm::gespeichert);
        klicken(form->VandrelTypenGruppe->item(2));
        klicken(form->AbteilungenAnzeigenGruppe->item(1));
        klicken(form->PlatzhalterErsetzenGruppe->item(0));
        QTest::keyClicks(form->PlatzhalterFreiTextEdit, u"Gast"_s);

        form->parentWidget()->close();
        aufraeumen();
        QCOMPARE(ParameterForm, nullptr);
        QVERIFY(gespeichertSpy.isEmpty());
        QCOMPARE(alleGespeichert(), vorher);
    }

    void speicherFehler_laesstFensterOffenUndNichtsGeschrieben()
    {
        // The database refuses to store the department parameter.
        const QStringList sperre =
            TestBackends::onServer()
                ? QStringList{u"create function gesperrt() returns trigger language plpgsql as "
                              "$$ begin raise exception 'gesperrt'; end $$"_s,
                              u"create trigger gesperrt before update on tbl_parameter for each row "
                              "when (new.param_name = 'AbteilungenAnzeigen') execute function gesperrt()"_s}
                : QStringList{u"create trigger gesperrt before update on tbl_parameter "
                              "when new.param_name = 'AbteilungenAnzeigen' "
                              "begin select raise(abort, 'gesperrt'); end"_s};
        // Straight to the engine: the function body holds a ";".
        for (const QString &sql : sperre) {
            QSqlQuery q(u->db.care->database());
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        }
        TParameterForm *form = oeffnen();
        QSignalSpy gespeichertSpy(form, &TParameterForm::gespeichert);
        klicken(form->VandrelTypenGruppe->item(1));
        klicken(form->AbteilungenAnzeigenGruppe->item(1));
        klicken(form->PlatzhalterErsetzenGruppe->item(0));

        const QStringList vorher = alleGespeichert();
        QVERIFY_THROWS_EXCEPTION(Exception, form->SpeichernBtnClick());
        // The model written before the refused row is taken back with it.
        QCOMPARE(alleGespeichert(), vorher);
        QCOMPARE(vorher.first(), u"AEDL"_s);
        QVERIFY(!DatenModul->qry_parameter->isOpen());
        aufraeumen();
        QCOMPARE(ParameterForm, form);
        QVERIFY(form->isVisible());
        QVERIFY(gespeichertSpy.isEmpty());
        WindowRule::close(form);
    }

    void ladeFehler_oeffnetKeinFenster()
    {
        TestDatabases::run(*u->db.care, u"drop table tbl_parameter"_s);
        QVERIFY_THROWS_EXCEPTION(Exception, oeffnen());
        QCOMPARE(ParameterForm, nullptr);
        QVERIFY(u->flaeche->subWindowList().isEmpty());
    }
};

QTEST_MAIN(tst_Parameter)
#include "tst_parameter.moc"
