#include "password.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Password : public QObject
{
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        const QString hash = passwordHash(u"Sommer2026"_s);
        QTest::newRow("hash, right password") << hash << u"Sommer2026"_s << true;
        QTest::newRow("hash, other letter case") << hash << u"sommer2026"_s << false;
        QTest::newRow("hash, empty typed") << hash << QString() << false;
        QTest::newRow("hash, the hash itself typed") << hash << hash << false;
        QTest::newRow("legacy, right password") << u"pflege"_s << u"pflege"_s << true;
        QTest::newRow("legacy, other letter case") << u"pflege"_s << u"Pflege"_s << false;
        QTest::newRow("legacy, trailing blank") << u"pflege"_s << u"pflege "_s << false;
        QTest::newRow("legacy, empty stored and typed") << QString() << QString() << true;
        QTest::newRow("legacy, empty stored") << QString() << u"x"_s << false;
        QTest::newRow("umlauts") << passwordHash(u"Grüße"_s) << u"Grüße"_s << true;
    }

    void matches()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QCOMPARE(passwordMatches(typed, stored), accepted);
    }

    void hash_isSaltedArgon2id()
    {
        const QString a = passwordHash(u"vandrel"_s);
        const QString b = passwordHash(u"vandrel"_s);
        QVERIFY(a.startsWith(u"$argon2id$"_s));
        QVERIFY(a != b);
        QVERIFY(isPasswordHash(a));
        QVERIFY(!isPasswordHash(u"vandrel"_s));
        QVERIFY(a.size() <= 255);
    }
};

QTEST_GUILESS_MAIN(tst_Password)
#include "tst_password.moc"
