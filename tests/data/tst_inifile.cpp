#include "exception.h"
#include "inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_IniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path() const { return dir.filePath(u"vandrel.ini"_s); }

    void write(const QByteArray &content)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
    }

    QByteArray content() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
    }

    QString stored() const { return IniFile(path()).value(u"Datenbank"_s, u"DateiPfadName"_s); }

private slots:
    void init()
    {
        QFile::remove(path());
    }

    // Care database file names that must come back exactly as they were stored.
    void writeThenRead_keepsValueExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("comma in a folder name") << u"/srv/Pflege, Haus A/vandrel.accdb"_s;
        QTest::newRow("blanks before and after") << u"  /srv/Pflege/vandrel.accdb  "_s;
        QTest::newRow("Windows path with backslashes") << u"C:\\Pflege\\neu\\tabs\\vandrel.accdb"_s;
        QTest::newRow("network share") << u"\\\\server\\pflege\\vandrel.accdb"_s;
        QTest::newRow("umlauts and sharp s") << u"/home/jürgen/Größe Übung/vandrel.accdb"_s;
        QTest::newRow("equals sign and semicolon") << u"/srv/a=b;c #1/vandrel.accdb"_s;
        QTest::newRow("quotes and brackets") << u"\"/srv/[alt]/'x'.accdb\""_s;
        QTest::newRow("empty") << QString();
    }

    void writeThenRead_keepsValueExactly()
    {
        QFETCH(QString, value);
        const IniFile ini(path());
        // Written first into a missing file, then over an existing value.
        for (const QString &v : {value, u"/tmp/vorher.accdb"_s, value}) {
            ini.setValue(u"Datenbank"_s, u"DateiPfadName"_s, v);
            QCOMPARE(stored(), v);
        }
    }

    void read_handWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::newRow("comma")
            << QByteArray("[Datenbank]\nDateiPfadName=/srv/Pflege, Haus A/vandrel.accdb\n")
            << u"/srv/Pflege, Haus A/vandrel.accdb"_s;
        QTest::newRow("blanks around the value are kept")
            << QByteArray("[Datenbank]\nDateiPfadName= /srv/x.accdb \t\n") << u" /srv/x.accdb \t"_s;
        QTest::newRow("blanks around the key and section name")
            << QByteArray("  [ Datenbank ]  \n  DateiPfadName  =/srv/x.accdb\n") << u"/srv/x.accdb"_s;
        QTest::newRow("backslashes")
            << QByteArray("[Datenbank]\nDateiPfadName=C:\\Pflege\\neu\\vandrel.accdb\n")
            << u"C:\\Pflege\\neu\\vandrel.accdb"_s;
        QTest::newRow("umlauts in UTF-8")
            << QByteArray("[Datenbank]\nDateiPfadName=/srv/Pflegeheim M\xC3\xBChlenbach/vandrel.accdb\n")
            << u"/srv/Pflegeheim Mühlenbach/vandrel.accdb"_s;
        QTest::newRow("equals sign in the value")
            << QByteArray("[Datenbank]\nDateiPfadName=/srv/a=b/vandrel.accdb\n") << u"/srv/a=b/vandrel.accdb"_s;
        QTest::newRow("Windows line endings")
            << QByteArray("[Datenbank]\r\nDateiPfadName=C:\\Pflege\\vandrel.accdb\r\nAnders=1\r\n")
            << u"C:\\Pflege\\vandrel.accdb"_s;
        QTest::newRow("last line without line end")
            << QByteArray("[Datenbank]\r\nDateiPfadName=/srv/x.accdb") << u"/srv/x.accdb"_s;
        QTest::newRow("byte order mark of a Windows editor")
            << QByteArray("\xEF\xBB\xBF[Datenbank]\r\nDateiPfadName=/srv/x.accdb\r\n") << u"/srv/x.accdb"_s;
        QTest::newRow("section and key in other letter case")
            << QByteArray("[DATENBANK]\ndateipfadname=/srv/x.accdb\n") << u"/srv/x.accdb"_s;
        QTest::newRow("among other sections and keys")
            << QByteArray("; Vandrel\n[Drucker]\nDateiPfadName=/falsch\n\n[Datenbank]\nDateiPfadNameAlt=/alt\n"
                          ";DateiPfadName=/kommentar\nDateiPfadName=/srv/x.accdb\nDateiPfadName=/zweite\n[Ende]\n")
            << u"/srv/x.accdb"_s;
        QTest::newRow("empty value") << QByteArray("[Datenbank]\nDateiPfadName=\n") << QString();
        QTest::newRow("key missing") << QByteArray("[Datenbank]\nAnders=/srv/x.accdb\n") << QString();
        QTest::newRow("key only in another section")
            << QByteArray("DateiPfadName=/vorne\n[Datenbank]\n[Anderes]\nDateiPfadName=/srv/x.accdb\n") << QString();
        QTest::newRow("section missing") << QByteArray("[Anderes]\nDateiPfadName=/srv/x.accdb\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void read_handWrittenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        write(file);
        QCOMPARE(stored(), value);
    }

    // A write changes the one value and leaves the rest of the file as it was.
    void write_changesOnlyItsValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("value replaced, everything else kept byte for byte")
            << QByteArray("\xEF\xBB\xBF; Vandrel\r\n[Drucker]\r\nName = Stati\xF6n 2 \r\n\r\n[datenbank]\r\n"
                          "  dateipfadname = C:\\alt, Haus A\\vandrel.accdb\r\nWeiteres=1\r\n\r\n[Ende]\r\nx=y")
            << QByteArray("\xEF\xBB\xBF; Vandrel\r\n[Drucker]\r\nName = Stati\xF6n 2 \r\n\r\n[datenbank]\r\n"
                          "  dateipfadname =/srv/Pflege, Haus \xC3\x84/vandrel.accdb\r\nWeiteres=1\r\n\r\n[Ende]\r\nx=y");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Datenbank]\r\nAnders=1\r\n\r\n[Ende]\r\n")
            << QByteArray("[Datenbank]\r\nAnders=1\r\nDateiPfadName=/srv/Pflege, Haus \xC3\x84/vandrel.accdb\r\n"
                          "\r\n[Ende]\r\n");
        QTest::newRow("key added to a last section without line end")
            << QByteArray("[Datenbank]\nAnders=1")
            << QByteArray("[Datenbank]\nAnders=1\nDateiPfadName=/srv/Pflege, Haus \xC3\x84/vandrel.accdb\n");
        QTest::newRow("section added at the end")
            << QByteArray("[Drucker]\r\nName=2")
            << QByteArray("[Drucker]\r\nName=2\r\n[Datenbank]\r\nDateiPfadName=/srv/Pflege, Haus \xC3\x84/vandrel.accdb\r\n");
        QTest::newRow("empty file")
            << QByteArray() << QByteArray("[Datenbank]\nDateiPfadName=/srv/Pflege, Haus \xC3\x84/vandrel.accdb\n");
    }

    void write_changesOnlyItsValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        write(before);
        IniFile(path()).setValue(u"Datenbank"_s, u"DateiPfadName"_s, u"/srv/Pflege, Haus Ä/vandrel.accdb"_s);
        QCOMPARE(content(), after);
    }

    // What cannot be read or written is reported, and the file stays as it was.
    void failures_raiseAndLeaveFileAsItWas_data()
    {
        QTest::addColumn<QString>("file");       // relative to the temporary folder
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("read, file missing") << u"fehlt.ini"_s << false << QString() << u"kann nicht gelesen werden"_s;
        QTest::newRow("read, a folder") << u"ordner"_s << false << QString() << u"kann nicht gelesen werden"_s;
        QTest::newRow("write, folder missing") << u"fehlt/vandrel.ini"_s << true << u"/srv/x.accdb"_s
                                               << u"kann nicht geschrieben werden"_s;
        QTest::newRow("write over a folder") << u"ordner"_s << true << u"/srv/x.accdb"_s
                                             << u"kann nicht gelesen werden"_s;
        QTest::newRow("write, value with line break") << u"vandrel.ini"_s << true << u"/srv/x.accdb\n[Böse]"_s
                                                      << u"Zeilenumbruch"_s;
    }

    void failures_raiseAndLeaveFileAsItWas()
    {
        QFETCH(QString, file);
        QFETCH(bool, writing);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const QByteArray before("[Datenbank]\nDateiPfadName=/srv/alt.accdb\n");
        write(before);
        QVERIFY(QDir(dir.path()).mkpath(u"ordner"_s));
        const IniFile ini(dir.filePath(file));
        QString raised;
        try {
            if (writing)
                ini.setValue(u"Datenbank"_s, u"DateiPfadName"_s, value);
            else
                ini.value(u"Datenbank"_s, u"DateiPfadName"_s);
        } catch (const Exception &e) {
            raised = e.message();
        }
        QVERIFY2(raised.contains(message), qPrintable(raised));
        QVERIFY2(raised.contains(dir.filePath(file)), qPrintable(raised));
        QCOMPARE(content(), before);
        QVERIFY(!QFile::exists(dir.filePath(u"fehlt"_s)));
        QVERIFY(QFileInfo(dir.filePath(u"ordner"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"vandrel.ini"_s});
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
