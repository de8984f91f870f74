#include "Datenmodulfrm.h"
#include "Global.h"
#include "exception.h"
#include "testdatabases.h"

using namespace Qt::StringLiterals;

class tst_Global : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> db;
    std::unique_ptr<TDatenModul> modul;

    void setParameter(const QString &name, const QVariant &value)
    {
        if (value.isNull() && value.typeId() == QMetaType::UnknownType) {
            TestDatabases::run(*db->care, u"delete from tbl_parameter where param_name = '%1'"_s.arg(name));
            return;
        }
        TestDatabases::run(*db->care,
            value.isNull() ? u"update tbl_parameter set param_wert_1 = NULL where param_name = '%1'"_s.arg(name)
                           : u"update tbl_parameter set param_wert_1 = '%2' where param_name = '%1'"_s.arg(name, value.toString()));
    }

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        db = std::make_unique<TestDatabases>();
        modul = std::make_unique<TDatenModul>(db->care.get(), db->catalogue.get());
        QCOMPARE(DatenModul, modul.get());
    }

    void cleanup()
    {
        modul.reset();
        QCOMPARE(DatenModul, nullptr);
        db.reset();
    }

    // An invalid QVariant deletes the parameter row; a null string empties its value.
    void parameterReaders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("care model") << u"AktivitaetTyp"_s << QVariant(u"GBD"_s) << u"GBD"_s;
        QTest::newRow("care model, other letter case") << u"AktivitaetTyp"_s << QVariant(u"atl"_s) << u"atl"_s;
        QTest::newRow("care model, empty value") << u"AktivitaetTyp"_s << QVariant(QMetaType(QMetaType::QString)) << QString();
        QTest::newRow("care model, row missing") << u"AktivitaetTyp"_s << QVariant() << u"NICHT angegeben !?!"_s;
        QTest::newRow("placeholder") << u"PlatzHalterErsetzenMit"_s << QVariant(u"$NAME"_s) << u"$NAME"_s;
        QTest::newRow("placeholder, free text") << u"PlatzHalterErsetzenMit"_s << QVariant(u"Der Bewohner"_s) << u"Der Bewohner"_s;
        QTest::newRow("placeholder, row missing") << u"PlatzHalterErsetzenMit"_s << QVariant() << QString();
    }

    void parameterReaders()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        setParameter(name, stored);
        const QString value = name == u"AktivitaetTyp" ? AktivitaetTypLesen() : PlatzHalterErsetzenMitLesen();
        QCOMPARE(value, read);
        QVERIFY(!DatenModul->qry_parameter->isOpen());
    }

    void orgDatenLesen_readsFirstRowInOrder()
    {
        TestDatabases::run(*db->catalogue, u"delete from tbl_org_parameter"_s);
        TestDatabases::run(*db->catalogue,
            u"insert into tbl_org_parameter (org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, "
            "org_fax_2, org_email_1, org_email_2, org_web_1, org_web_2) values "
            "('Pflege Nord', 'Weg 1', '12345 Ort', 't1', 't2', 'f1', 'f2', 'e1', 'e2', 'w1', NULL), "
            "('Zweite', '', '', '', '', '', '', '', '', '', '')"_s);
        QString v[11];
        OrgDatenLesen(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
        const QStringList expected = {u"Pflege Nord"_s, u"Weg 1"_s, u"12345 Ort"_s, u"t1"_s, u"t2"_s, u"f1"_s,
                                      u"f2"_s, u"e1"_s, u"e2"_s, u"w1"_s, QString()};
        for (int i = 0; i < 11; ++i)
            QCOMPARE(v[i], expected.at(i));
        QVERIFY(!DatenModul->qry_organisation->isOpen());
    }

    void orgDatenLesen_emptyTableRaisesAndLeavesOutputs()
    {
        TestDatabases::run(*db->catalogue, u"delete from tbl_org_parameter"_s);
        QString v[11];
        for (QString &s : v)
            s = u"vorher"_s;
        QString message;
        try {
            OrgDatenLesen(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
        } catch (const Exception &e) {
            message = e.message();
        }
        QCOMPARE(message, u"Schwerwiegender Fehler, bitte bei Programm-Hersteller melden"_s);
        for (const QString &s : v)
            QCOMPARE(s, u"vorher"_s);
        QVERIFY(!DatenModul->qry_organisation->isOpen());
    }

    void lookups_findOneRowByIdGivenAsText()
    {
        TestDatabases::run(*db->catalogue, u"insert into tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) values (99900, 1, '$ trinkt 1,5 l am Tag.')"_s);
        Dataset *q = DatenModul->search_ziel;
        q->close();
        q->setParam(u"id"_s, QString::number(99900));
        q->open();
        QCOMPARE(q->asText(u"ziel_bezeichnung"_s), u"$ trinkt 1,5 l am Tag."_s);
        QVERIFY(q->isUpdatable());
        q->edit();
        q->setValue(u"ziel_bezeichnung"_s, u"$ trinkt 2 l am Tag."_s);
        q->post();
        q->close();
        q->setParam(u"id"_s, 99901);
        q->open();
        QVERIFY(q->isEmpty());
        q->close();
        DatenModul->search_mitarbeiter->setParam(u"id"_s, 1);
        DatenModul->search_mitarbeiter->open();
        QCOMPARE(DatenModul->search_mitarbeiter->asText(u"ma_prog_name"_s), u"admin"_s);
    }

    void platzhalterErsetzen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("anredeName");
        QTest::addColumn<QString>("result");
        QTest::newRow("no placeholder") << u"Hilfe beim Waschen."_s << u"$NAME"_s << u"Frau Lindner"_s << u"Hilfe beim Waschen."_s;
        QTest::newRow("one, salutation and name") << u"$ braucht Hilfe beim Waschen."_s << u"$NAME"_s << u"Frau Lindner"_s
                                                  << u"Frau Lindner braucht Hilfe beim Waschen."_s;
        QTest::newRow("several") << u"$ isst, wenn $ Hilfe bekommt. $"_s << u"Der Bewohner"_s << u"Frau Lindner"_s
                                 << u"Der Bewohner isst, wenn Der Bewohner Hilfe bekommt. Der Bewohner"_s;
        QTest::newRow("empty replacement") << u"$ trinkt zu wenig"_s << QString() << u"Frau Lindner"_s << u" trinkt zu wenig"_s;
        QTest::newRow("empty salutation") << u"$ trinkt"_s << u"$NAME"_s << u" Lindner"_s << u" Lindner trinkt"_s;
        QTest::newRow("no client listed") << u"$ trinkt"_s << u"$NAME"_s << u" "_s << u"  trinkt"_s;
        QTest::newRow("setting in lower case holds a $") << u"$ und $"_s << u"$name"_s << u"Frau Lindner"_s << u"$name und $name"_s;
        QTest::newRow("name holds a $") << u"$$"_s << u"$NAME"_s << u"Herr $"_s << u"Herr $Herr $"_s;
        QTest::newRow("only placeholders") << u"$$$"_s << u"x"_s << QString() << u"xxx"_s;
        QTest::newRow("empty text") << QString() << u"$NAME"_s << u"Frau Lindner"_s << QString();
    }

    void platzhalterErsetzen()
    {
        QFETCH(QString, text);
        QFETCH(QString, setting);
        QFETCH(QString, anredeName);
        QFETCH(QString, result);
        QCOMPARE(PlatzhalterErsetzen(text, setting, anredeName), result);
    }
};

QTEST_GUILESS_MAIN(tst_Global)
#include "tst_global.moc"
