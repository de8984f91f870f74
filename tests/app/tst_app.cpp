#include "Datenbankauswahlfrm.h"
#include "Datenmodulfrm.h"
#include "Konfiguration.h"
#include "Klientenvandrelfrm.h"
#include "Parameterfrm.h"
#include "Standardzuordnungenfrm.h"
#include "dblookupcombo.h"
#include "Loginfrm.h"
#include "Vandrelmainfrm.h"
#include "databasecreator.h"
#include "dbconnection.h"
#include "exception.h"
#include "inifile.h"
#include "password.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "testdatabases.h"
#include "vandrelapplication.h"
#include "windowrule.h"

#include <QMenuBar>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// A window class of the program's kind, for the opening rule.
class ProbeWindow : public QWidget
{
public:
    explicit ProbeWindow(QWidget *owner) : QWidget(owner, Qt::Window)
    {
        ++created;
        resize(800, 400);
        QFont font = this->font();
        font.setPointSizeF(12);
        setFont(font);
        auto *label = new QLabel(u"Probe"_s, this);
        label->setFixedWidth(200);
        auto *auswahl = new DbLookupCombo(this);
        auswahl->setDropDownWidth(900);
        auto *link = new QLabel(u"Link"_s, this);
        link->setObjectName(u"link"_s);
        QFont unterstrichen;
        unterstrichen.setUnderline(true);
        unterstrichen.setResolveMask(QFont::UnderlineResolved);
        link->setFont(unterstrichen);
    }
    ~ProbeWindow() override
    {
        if (ProbeForm == this)
            ProbeForm = nullptr;
    }
    static inline ProbeWindow *ProbeForm = nullptr;
    static inline int created = 0;
};

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl &url) { urls << url; }
};

// Fills in the login dialog and presses "OK"; the dialog's result is the
// result of the login.
ScriptedDialogs::Step login(const QString &name, const QString &password)
{
    return [name, password](QDialog *dialog) {
        auto *form = qobject_cast<TLoginForm *>(dialog);
        if (!form)
            return int(QDialog::Rejected);
        form->BenutzerEdit->setText(name);
        form->KennwortEdit->setText(password);
        form->OkBtn->click();
        return form->result();
    };
}

// What the file-system probe says of every folder.
QString &gemeldetesDateisystem()
{
    static QString art;
    return art;
}

QString probe(const QString &)
{
    return gemeldetesDateisystem();
}

// The program's folder with its "vandrel.ini", as both test classes write it.
class ProgramFolderTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<QTemporaryDir> programDir;

    QString iniPath() const { return programDir->filePath(u"vandrel.ini"_s); }

    void writeIni(const QByteArray &content)
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void configure(const QString &path) { writeIni("[Datenbank]\nDateiPfadName=" + path.toUtf8() + "\n"); }
    QString iniValue() const { return IniFile(iniPath()).value(u"Datenbank"_s, u"DateiPfadName"_s); }

    // The start-up leaves none of the program's windows behind.
    static void noWindowLeft()
    {
        QCOMPARE(VandrelMainForm, nullptr);
        QCOMPARE(KlientenVandrelForm, nullptr);
        QCOMPARE(DatenbankAuswahlForm, nullptr);
    }
};

} // namespace

// The start-up through "vandrel.ini" with database files as such (folders,
// the selection dialog, files that are no database), with the server's
// counterparts where there is one; and the program's windows and messages
// that need no database.
class tst_AppStart : public ProgramFolderTest
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dataDir;

    QString carePath() const { return dataDir->filePath(u"vandrel.accdb"_s); }

private slots:
    void init()
    {
        programDir = std::make_unique<QTemporaryDir>();
        dataDir = std::make_unique<QTemporaryDir>();
        DatabaseCreator().create(dataDir->path(), false);
    }

    void cleanup() { noWindowLeft(); }

    void startup_withoutIniFileEnds()
    {
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY(!form.istBereit());
        QCOMPARE(messages.texts, QStringList{u"Ini-Datei 'vandrel.ini' nicht gefunden, Abbruch ..."_s});
        QCOMPARE(messages.kinds.value(0), MessageHandler::Kind::Error);
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(!form.DB->isOpen());
    }

    // Folder names a care organisation may well use; the stored name is
    // taken exactly as written, whatever line ends the ini file has.
    void startup_databaseInAnyFolderOpensWithoutSelection_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("comma and blanks") << u"Pflege, Haus A"_s << QByteArray("\n");
        QTest::newRow("umlaut, Windows line ends") << u"Wohnbereich Süd"_s << QByteArray("\r\n");
        QTest::newRow("equals sign and semicolon") << u"Haus=Nord; alt"_s << QByteArray("\n");
        QTest::newRow("backslash in a folder name") << u"Haus\\Nord"_s << QByteArray("\r\n");
    }

    void startup_databaseInAnyFolderOpensWithoutSelection()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, lineEnd);
        const QString dir = dataDir->filePath(folder);
        DatabaseCreator().create(dir, false);
        const QString path = QDir(dir).filePath(u"vandrel.accdb"_s);
        writeIni("[Datenbank]" + lineEnd + "DateiPfadName=" + path.toUtf8() + lineEnd);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'\n')));
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(form.istBereit());
        QCOMPARE(form.DatenbankPfad, path);
        QCOMPARE(form.OrgDatenbankPfad, QDir(dir).filePath(u"vandrelorg.accdb"_s));
        QVERIFY(form.ORG_DB->isOpen());
    }

    void startup_unreadableIniEnds()
    {
        QVERIFY(QDir(programDir->path()).mkdir(u"vandrel.ini"_s));
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY(!form.istBereit());
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains(u"kann nicht gelesen werden"_s), qPrintable(messages.texts.first()));
    }

    // The catalogue lies beside the care database, also where the stored
    // name was written on Windows, or on the care database's server.
    void catalogueLiesBesideCareDatabase_data()
    {
        QTest::addColumn<QString>("care");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("slashes") << u"/srv/Pflege, Haus A/vandrel.accdb"_s << u"/srv/Pflege, Haus A/vandrelorg.accdb"_s;
        QTest::newRow("backslashes") << u"C:\\Pflege\\vandrel.mdb"_s << u"C:\\Pflege\\vandrelorg.accdb"_s;
        QTest::newRow("network share") << u"\\\\server\\pflege\\vandrel.accdb"_s
                                       << u"\\\\server\\pflege\\vandrelorg.accdb"_s;
        QTest::newRow("backslash after the last slash") << u"C:/Daten\\Pflege\\vandrel.accdb"_s
                                                        << u"C:/Daten\\Pflege\\vandrelorg.accdb"_s;
        QTest::newRow("slash after the last backslash") << u"C:\\Daten/Pflege/vandrel.accdb"_s
                                                        << u"C:\\Daten/Pflege/vandrelorg.accdb"_s;
        QTest::newRow("no folder") << u"vandrel.accdb"_s << u"vandrelorg.accdb"_s;
        QTest::newRow("server address") << u"postgresql://pflege@pflegeserver:5432/vandrel"_s
                                        << u"postgresql://pflege@pflegeserver:5432/vandrelorg"_s;
    }

    void catalogueLiesBesideCareDatabase()
    {
        QFETCH(QString, care);
        QFETCH(QString, catalogue);
        QCOMPARE(Konfiguration::OrgDatenbankPfadZu(care), catalogue);
    }

    void startup_missingOrEmptyKeyOffersEmptySelection_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("key missing") << QByteArray("[Datenbank]\n");
        QTest::newRow("key empty") << QByteArray("[Datenbank]\nDateiPfadName=\n");
        QTest::newRow("other section") << QByteArray("[Anderes]\nDateiPfadName=/tmp\n");
    }

    void startup_missingOrEmptyKeyOffersEmptySelection()
    {
        QFETCH(QByteArray, ini);
        writeIni(ini);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        QString shownPath = u"<nicht gezeigt>"_s;
        QString title;
        dialogs.steps << [&](QDialog *dialog) {
            auto *form = qobject_cast<TDatenbankAuswahlForm *>(dialog);
            shownPath = form->DbAusIniDateiEdit->text();
            title = form->windowTitle();
            return int(QDialog::Rejected);
        };
        TVandrelMainForm form(programDir->path());
        QCOMPARE(shownPath, QString());
        QCOMPARE(title, u"Vandrel - Datenbankauswahl"_s);
        // Closing the dialog by its window button ends without a message.
        QVERIFY(!form.istBereit());
        QVERIFY(messages.texts.isEmpty());
    }

    void startup_staleNameIsShownAndChoiceStored()
    {
        const QString stale = dataDir->filePath(u"alt/vandrel.accdb"_s);
        configure(stale);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        dialogs.files << carePath();
        QString shownPath;
        dialogs.steps << [&](QDialog *dialog) {
            auto *form = qobject_cast<TDatenbankAuswahlForm *>(dialog);
            shownPath = form->DbAusIniDateiEdit->text();
            form->DbAuswahlBtn->click();
            form->UebernehmenBtn->click();
            return form->result();
        };
        {
            TVandrelMainForm form(programDir->path());
            QVERIFY(form.istBereit());
            QCOMPARE(shownPath, stale);
            QCOMPARE(dialogs.fileRequests.value(0),
                     programDir->path() + u"|vandrel.accdb|Access 2007 (*.accdb);;Access 2000-2003  (*.mdb)|accdb"_s);
            QVERIFY(form.DB->isOpen() && form.ORG_DB->isOpen());
        }
        QCOMPARE(iniValue(), carePath());
        TVandrelMainForm again(programDir->path());
        QVERIFY(again.istBereit());
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(messages.texts.isEmpty());
    }

    // What the selection ends with when it does not give a usable database.
    void startup_failedSelectionEndsAndKeepsIni_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("accept without a file") << u"accept"_s << u"Es wurde keine Datenbankdatei angegeben."_s;
        QTest::newRow("abbrechen") << u"cancel"_s
            << u"Keine Datenbank ausgewählt !?!\n\nProgramm kann OHNE Datenbank NICHT gestartet werden, ABBRUCH !"_s;
        QTest::newRow("a file that is no database") << u"textfile"_s << u"keine lesbare Datenbank"_s;
        QTest::newRow("a database of another program") << u"otherdb"_s << u"keine Pflegedatenbank"_s;
        QTest::newRow("care database without catalogue") << u"nocatalogue"_s << u"vandrelorg.accdb"_s;
    }

    void startup_failedSelectionEndsAndKeepsIni()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        const QString stale = u"/gibt/es/nicht/vandrel.accdb"_s;
        configure(stale);
        QString chosen;
        if (action == u"textfile") {
            chosen = dataDir->filePath(u"notiz.accdb"_s);
            QFile f(chosen);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2048, 'x'));
        } else if (action == u"otherdb") {
            chosen = dataDir->filePath(u"fremd.accdb"_s);
            DbConnection other;
            other.open(chosen, DbConnection::OpenMode::CreateNew);
            TestDatabases::run(other, u"create table kunden (id integer primary key)"_s);
        } else if (action == u"nocatalogue") {
            chosen = QDir(programDir->path()).filePath(u"vandrel.accdb"_s);
            QVERIFY(QFile::copy(carePath(), chosen));
        }
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        if (!chosen.isEmpty())
            dialogs.files << chosen;
        dialogs.steps << [&](QDialog *dialog) {
            auto *form = qobject_cast<TDatenbankAuswahlForm *>(dialog);
            if (!chosen.isEmpty())
                form->DbAuswahlBtn->click();
            if (action == u"cancel")
                form->CancelBtn->click();
            else
                form->UebernehmenBtn->click();
            return form->result();
        };
        TVandrelMainForm form(programDir->path());
        QVERIFY(!form.istBereit());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains(message), qPrintable(messages.texts.first()));
        QVERIFY(!form.DB->isOpen());
        QCOMPARE(iniValue(), stale);
    }

    // A stored database that cannot be opened ends the program with the
    // database layer's message and without the selection: a file, or a
    // database on the server.
    void startup_storedDatabaseThatCannotBeOpenedEnds_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("message");
        QTest::newRow("catalogue file missing") << u"catalogue file"_s << u"vandrelorg.accdb\" wurde nicht gefunden"_s;
        QTest::newRow("file is no database") << u"no database"_s << u"ist keine lesbare Datenbank"_s;
        QTest::newRow("care database missing on the server")
            << u"server care"_s << u"Die Datenbank \"gibt_es_nicht\" auf dem Server "_s;
        QTest::newRow("catalogue missing on the server")
            << u"server catalogue"_s << u"Die Datenbank \"vandrelorg\" auf dem Server "_s;
    }

    void startup_storedDatabaseThatCannotBeOpenedEnds()
    {
        QFETCH(QString, fall);
        QFETCH(QString, message);
        std::unique_ptr<TestDatabases> server;
        QString path = carePath();
        QString catalogue = dataDir->filePath(u"vandrelorg.accdb"_s);
        if (fall == u"catalogue file") {
            QVERIFY(QFile::remove(catalogue));
        } else if (fall == u"no database") {
            path = dataDir->filePath(u"kaputt.accdb"_s);
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("kein SQLite");
        } else if (fall == u"server care") {
            path = TestBackends::serverAddress(u"gibt_es_nicht"_s);
        } else {
            server = std::make_unique<TestDatabases>(false, TestBackends::postgresql,
                                                     TestDatabases::Catalogue::AsDerived);
            path = server->carePath();
            catalogue = server->cataloguePath();
            server->catalogue->close();
            TestDatabases::serverCommand(u"DROP DATABASE vandrelorg WITH (FORCE)"_s);
        }
        configure(path);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY(!form.istBereit());
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts.first().contains(message), qPrintable(messages.texts.first()));
        QCOMPARE(messages.kinds.value(0), MessageHandler::Kind::Error);
        QVERIFY(!form.DB->isOpen());
        // A missing catalogue is not created in passing.
        if (fall.contains(u"catalogue"))
            QVERIFY_THROWS_EXCEPTION(Exception, DbConnection().open(catalogue));
    }

    // Only a care file on a network drive earns the hint, once; a server
    // address never, whatever its text looks like to the file system.
    void startup_networkDriveHintOnlyForAFileOnOne_data()
    {
        QTest::addColumn<QString>("dateisystem");
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("hinweis");
        QTest::newRow("care file on NFS") << u"NFS"_s << false << true;
        QTest::newRow("local care file") << QString() << false << false;
        QTest::newRow("server address") << u"NFS"_s << true << false;
    }

    void startup_networkDriveHintOnlyForAFileOnOne()
    {
        QFETCH(QString, dateisystem);
        QFETCH(bool, server);
        QFETCH(bool, hinweis);
        std::unique_ptr<TestDatabases> db;
        if (server) {
            db = std::make_unique<TestDatabases>(false, TestBackends::postgresql, TestDatabases::Catalogue::AsDerived);
            configure(db->carePath());
        } else {
            configure(carePath());
        }
        gemeldetesDateisystem() = dateisystem;
        DbConnection::setFileSystemProbe(probe);
        const auto echt = qScopeGuard([] { DbConnection::setFileSystemProbe(nullptr); });
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY(form.istBereit());
        QVERIFY(form.DB->isOpen() && form.ORG_DB->isOpen());
        QVERIFY(dialogs.shown.isEmpty());
        if (!hinweis) {
            QCOMPARE(messages.texts, QStringList());
            return;
        }
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(messages.kinds.value(0), MessageHandler::Kind::Information);
        QVERIFY2(messages.texts.first().startsWith(u"Die Datenbank liegt auf einem Netzlaufwerk (NFS)."_s),
                 qPrintable(messages.texts.first()));
        QVERIFY(messages.texts.first().contains(u"PostgreSQL-Datenbankserver"_s));
    }

    void windowRule_showsOneWindowAndScalesNewOnes_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("fontSize");
        QTest::newRow("1024 pixels") << 1024 << 800 << 12.0;
        QTest::newRow("768 pixels") << 768 << 600 << 9.0;
    }

    void windowRule_showsOneWindowAndScalesNewOnes()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, width);
        QFETCH(double, fontSize);
        QWidget owner;
        ProbeWindow::created = 0;
        auto create = [&] { return new ProbeWindow(&owner); };
        ProbeWindow *first = WindowRule::open(ProbeWindow::ProbeForm, create, WindowRule::Kind::TopLevel, screenHeight);
        QCOMPARE(first->width(), width);
        QCOMPARE(first->height(), width / 2);
        QCOMPARE(first->font().pointSizeF(), fontSize);
        QCOMPARE(first->findChild<QLabel *>()->width(), 200 * screenHeight / 1024);
        QCOMPARE(first->findChild<DbLookupCombo *>()->dropDownWidth(), 900 * screenHeight / 1024);
        // A control that set only underline keeps the window's size.
        QCOMPARE(first->findChild<QLabel *>(u"link"_s)->font().pointSizeF(), fontSize);
        QVERIFY(first->isVisible());
        ProbeWindow *second = WindowRule::open(ProbeWindow::ProbeForm, create, WindowRule::Kind::TopLevel, 768);
        QCOMPARE(second, first);
        QCOMPARE(ProbeWindow::created, 1);
        QCOMPARE(second->width(), width);
        first->close();
        QTRY_COMPARE(ProbeWindow::ProbeForm, nullptr);
        ProbeWindow *third = WindowRule::open(ProbeWindow::ProbeForm, create, WindowRule::Kind::TopLevel, screenHeight);
        QCOMPARE(ProbeWindow::created, 2);
        QCOMPARE(ProbeWindow::ProbeForm, third);
        third->close();
        QTRY_COMPARE(ProbeWindow::ProbeForm, nullptr);
    }

    // A free window opens over the middle of its owner, unless it placed
    // itself; then it keeps its place, scaled like its size.
    void windowRule_centresFreeWindowsThatDidNotPlaceThemselves()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 1000, 600);
        for (const bool placed : {false, true}) {
            ProbeWindow *window = WindowRule::open(ProbeWindow::ProbeForm, [&] {
                auto *probe = new ProbeWindow(&owner);
                if (placed)
                    probe->move(1, 75);
                return probe;
            }, WindowRule::Kind::StaysOnTop, 768);
            QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            if (placed)
                QCOMPARE(window->pos(), QPoint(0, 56));
            else
                QVERIFY((window->geometry().center() - owner.geometry().center()).manhattanLength() <= 2);
            window->close();
            QTRY_COMPARE(ProbeWindow::ProbeForm, nullptr);
        }
    }

    void windowRule_mdiChildLivesInWorkArea()
    {
        QMdiArea area;
        area.resize(1000, 700);
        area.show();
        ProbeWindow *window = WindowRule::open(ProbeWindow::ProbeForm, [&] { return new ProbeWindow(nullptr); },
                                               WindowRule::Kind::MdiChildMaximized, 1024, &area);
        QCOMPARE(area.subWindowList().size(), 1);
        QVERIFY(area.subWindowList().first()->isMaximized());
        QCOMPARE(area.subWindowList().first()->widget(), window);
        WindowRule::close(window);
        QTRY_COMPARE(ProbeWindow::ProbeForm, nullptr);
        QTRY_COMPARE(area.subWindowList().size(), 0);
    }

    // An exception escaping an event handler is shown, and the program goes on.
    void exceptionFromHandlerIsShownAndProgramGoesOn()
    {
        RecordingMessages messages;
        QPushButton button(u"Speichern"_s);
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, &button, [&] {
            ++clicks;
            throw Exception(u"Der Datensatz ist gesperrt."_s);
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(messages.texts, QStringList({u"Der Datensatz ist gesperrt."_s, u"Der Datensatz ist gesperrt."_s}));
    }

    void standardDialogsSpeakGerman()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
        QCOMPARE(QCoreApplication::applicationName(), u"Vandrel"_s);
    }
};

// The program on its care database, run on both engines: on the server the
// ini holds the care database's address and the program derives
// "vandrelorg" on the same server.
class tst_App : public ProgramFolderTest
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabases> m_db;

private slots:
    void initTestCase_data() { TestBackends::addRows(); }

    void init()
    {
        programDir = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<TestDatabases>(false, TestBackends::current(), TestDatabases::Catalogue::AsDerived);
    }

    void cleanup()
    {
        m_db.reset();
        noWindowLeft();
    }

    void startup_configuredDatabaseOpensBoth()
    {
        configure(m_db->carePath());
        const QByteArray before = [&] { QFile f(iniPath()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QVERIFY(form.istBereit());
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(form.DB->isOpen());
        QVERIFY(form.ORG_DB->isOpen());
        QCOMPARE(form.OrgDatenbankPfad, m_db->cataloguePath());
        QCOMPARE(form.windowTitle(), u"Morvane - Vandrel Tessaro 2.0"_s);
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void login_checksNameAndPassword_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("employee");   // login name of the expected employee, empty when refused
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString unknownTitle = u"Unbekannter Benutzer!"_s, unknownText = u"Benutzername unbekannt!?!"_s;
        const QString wrongTitle = u"Fehlerhaftes Kennwort!"_s;
        const QString wrongText = u"Das eingegebene Kennwort stimmt nicht mit dem gespeicherten überein!?!"_s;
        QTest::newRow("hashed password") << u"admin"_s << u"vandrel"_s << u"admin"_s << QString() << QString();
        QTest::newRow("unknown name") << u"niemand"_s << u"vandrel"_s << QString() << unknownTitle << unknownText;
        QTest::newRow("empty name") << QString() << QString() << QString() << unknownTitle << unknownText;
        QTest::newRow("wrong password") << u"admin"_s << u"falsch"_s << QString() << wrongTitle << wrongText;
        QTest::newRow("password in other letter case") << u"admin"_s << u"VANDREL"_s << QString() << wrongTitle << wrongText;
        QTest::newRow("legacy plain password") << u"alt"_s << u"pflege"_s << u"alt"_s << QString() << QString();
        QTest::newRow("legacy, other letter case") << u"alt"_s << u"Pflege"_s << QString() << wrongTitle << wrongText;
        QTest::newRow("empty stored password") << u"leer"_s << QString() << u"leer"_s << QString() << QString();
        QTest::newRow("empty stored, typed one") << u"leer"_s << u"x"_s << QString() << wrongTitle << wrongText;
        QTest::newRow("same name, first employee") << u"doppelt"_s << u"eins"_s << u"doppelt"_s << QString() << QString();
        QTest::newRow("same name, second employee") << u"doppelt"_s << u"zwei"_s << QString() << wrongTitle << wrongText;
        QTest::newRow("name in capitals") << u"ADMIN"_s << u"vandrel"_s << u"admin"_s << QString() << QString();
        QTest::newRow("umlaut name, other letter case") << u"MÜLLER"_s << u"pflege"_s << u"müller"_s << QString() << QString();
        QTest::newRow("umlaut is no base letter") << u"muller"_s << u"pflege"_s << QString() << unknownTitle << unknownText;
    }

    void login_checksNameAndPassword()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, employee);
        QFETCH(QString, title);
        QFETCH(QString, text);
        DbConnection &db = *m_db->care;
        TestDatabases::run(db, u"insert into tbl_mitarbeiter (ma_id, ma_prog_name, ma_kennwort, ma_prog_berechtigung) values "
                               "(20, 'alt', 'pflege', 3), (21, 'leer', NULL, NULL), (22, 'doppelt', '%1', 0), (23, 'doppelt', '%2', 0), "
                               "(24, 'müller', 'pflege', 0)"_s
                                   .arg(passwordHash(u"eins"_s), passwordHash(u"zwei"_s)));
        const QHash<QString, int> ids = {{u"admin"_s, 1}, {u"alt"_s, 20}, {u"leer"_s, 21}, {u"doppelt"_s, 22}, {u"müller"_s, 24}};
        RecordingMessages messages;
        TLoginForm form(&db, nullptr);
        form.show();
        QApplication::setActiveWindow(&form);
        form.BenutzerEdit->setText(name);
        form.KennwortEdit->setText(password);
        QTest::keyClick(form.KennwortEdit, Qt::Key_Return);
        if (employee.isEmpty()) {
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QVERIFY(form.isVisible());
            QCOMPARE(messages.titles, QStringList{title});
            QCOMPARE(messages.texts, QStringList{text});
            QLineEdit *focused = title == u"Unbekannter Benutzer!" ? form.BenutzerEdit : form.KennwortEdit;
            QTRY_VERIFY(focused->hasFocus());
            QCOMPARE(focused->selectedText(), focused->text());
        } else {
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QVERIFY(messages.texts.isEmpty());
            QCOMPARE(form.MitarbeiterId, ids.value(employee));
            QCOMPARE(form.ProgBerechtigung, employee == u"alt" ? 3 : 0);
        }
    }

    void login_escapeDoesNothing()
    {
        TLoginForm form(m_db->care.get(), nullptr);
        form.show();
        QApplication::setActiveWindow(&form);
        QTest::keyClick(form.KennwortEdit, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowTitle(), u"Vandrel - Login"_s);
        QCOMPARE(form.KennwortEdit->echoMode(), QLineEdit::Password);
        QVERIFY(form.OkBtn->isDefault());
    }

    void mainWindow_loginShowsUserAndLogOffLogsOnAgain()
    {
        configure(m_db->carePath());
        TestDatabases::run(*m_db->care, u"insert into tbl_mitarbeiter (ma_id, ma_prog_name, ma_kennwort) values (30, 'pflege', 'geheim')"_s);
        RecordingMessages messages;
        ScriptedDialogs dialogs;
        dialogs.steps << [](QDialog *dialog) {
            login(u"admin"_s, u"falsch"_s)(dialog);
            return login(u"admin"_s, u"vandrel"_s)(dialog);
        };
        auto form = std::make_unique<TVandrelMainForm>(programDir->path());
        TDatenModul modul(form->DB, form->ORG_DB);
        QSignalSpy loggedIn(form.get(), &TVandrelMainForm::Angemeldet);
        form->show();
        // The wrong password keeps the dialog open; the next attempt succeeds.
        QTRY_COMPARE(loggedIn.size(), 1);
        QCOMPARE(form->BenutzerId, 1);
        QCOMPARE(form->Statuszeile[0]->text(), u"Benutzer : admin"_s);
        QCOMPARE(messages.titles, QStringList{u"Fehlerhaftes Kennwort!"_s});
        // The care-planning window opens maximized in the work area.
        QVERIFY(KlientenVandrelForm);
        QCOMPARE(form->Arbeitsflaeche->subWindowList().size(), 1);
        QVERIFY(form->Arbeitsflaeche->subWindowList().first()->isMaximized());
        const QPointer<TKlientenVandrelForm> planning = KlientenVandrelForm;
        form->Klienten1->trigger();
        QCOMPARE(KlientenVandrelForm, planning.data());
        // The menu and the planning window's button share one standards window.
        form->StandardZuordnungenvon1->trigger();
        const QPointer<TStandardZuordnungenForm> standards = StandardZuordnungenForm;
        QVERIFY(standards && standards->isVisible());
        QTest::mouseClick(planning->Button3, Qt::LeftButton);
        QCOMPARE(StandardZuordnungenForm, standards.data());
        standards->close();
        QTRY_VERIFY(!standards);
        // Every item of the menu works.
        for (QAction *menu : form->menuBar()->actions())
            for (QAction *item : menu->menu()->actions())
                QVERIFY2(item->isSeparator() || item->isEnabled(), qPrintable(item->text()));
        // The parameters are changed while no planning window is open; saving
        // opens a new one, which reads them.
        form->Parametereingeben1->trigger();
        QVERIFY(!planning);
        QVERIFY(ParameterForm);
        QTest::mouseClick(ParameterForm->SpeichernBtn, Qt::LeftButton);
        QTRY_VERIFY(!ParameterForm);
        QVERIFY(KlientenVandrelForm);
        const QPointer<TKlientenVandrelForm> planning2 = KlientenVandrelForm;
        // A planning window opened meanwhile is only brought to the front.
        form->Parametereingeben1->trigger();
        QVERIFY(!planning2);
        form->Klienten1->trigger();
        const QPointer<TKlientenVandrelForm> zwischendurch = KlientenVandrelForm;
        QTest::mouseClick(ParameterForm->SpeichernBtn, Qt::LeftButton);
        QTRY_VERIFY(!ParameterForm);
        QCOMPARE(KlientenVandrelForm, zwischendurch.data());
        // What the planning did last stands in the status line.
        zwischendurch->NameSuchEdit->setText(u"niemand"_s);
        QTest::keyClick(zwischendurch->NameSuchEdit, Qt::Key_Return);
        QCOMPARE(form->Statuszeile[1]->text(), u"Keine Klienten gefunden."_s);

        QString duringLogOff;
        bool planningGoneDuringLogOff = false;
        dialogs.steps << [&](QDialog *dialog) {
            duringLogOff = form->Statuszeile[0]->text();
            planningGoneDuringLogOff = zwischendurch.isNull() && !KlientenVandrelForm;
            return login(u"pflege"_s, u"geheim"_s)(dialog);
        };
        form->aktuelleBenutzerabmelden1->trigger();
        QCOMPARE(duringLogOff, u"Benutzer : "_s);
        QVERIFY(planningGoneDuringLogOff);
        QVERIFY(KlientenVandrelForm);
        QCOMPARE(loggedIn.size(), 2);
        QCOMPARE(form->BenutzerId, 30);
        QCOMPARE(form->BenutzerName, u"pflege"_s);
        QCOMPARE(form->Statuszeile[0]->text(), u"Benutzer : pflege"_s);
        QVERIFY(form->isVisible());
        QCOMPARE(LoginForm, nullptr);

        // Showing the window again does not repeat the login.
        form->hide();
        form->show();
        QTest::qWait(20);
        QCOMPARE(dialogs.shown.size(), 2);
    }

    void mainWindow_cancelledLoginClosesIt()
    {
        configure(m_db->carePath());
        ScriptedDialogs dialogs;
        dialogs.steps << [](QDialog *dialog) {
            qobject_cast<TLoginForm *>(dialog)->AbbruchBtn->click();
            return dialog->result();
        };
        auto form = std::make_unique<TVandrelMainForm>(programDir->path());
        QSignalSpy loggedIn(form.get(), &TVandrelMainForm::Angemeldet);
        form->show();
        QTRY_VERIFY(!form->isVisible());
        QCOMPARE(loggedIn.size(), 0);
        QCOMPARE(dialogs.shown, QStringList{u"LoginForm"_s});
    }

    void mainWindow_menuAndStatusBar()
    {
        configure(m_db->carePath());
        ScriptedDialogs dialogs;
        TVandrelMainForm form(programDir->path());
        QStringList menus;
        for (QMenu *menu : {form.Datei1, form.Stammdaten1, form.K1, form.Hilfe1}) {
            QStringList items;
            for (QAction *a : menu->actions())
                items << (a->isSeparator() ? u"-"_s : a->text());
            menus << menu->objectName() + u": "_s + items.join(u" | "_s);
        }
        QCOMPARE(menus, QStringList({
            u"Datei1: Parameter eingeben | SQL-Skripte ausführen | - | aktuellen Benutzer abmelden | - | Beenden"_s,
            u"Stammdaten1: Abteilungen | Mitarbeiter | Klienten | - | Ärzte | - | Standardzuordnungen Ziele / Maßnahmen zu Problemen"_s,
            u"K1: Klienten - Vandrel"_s,
            u"Hilfe1: Online-Hilfe | - | Über Vandrel Tessaro"_s}));
        QCOMPARE(form.findChild<QAction *>(u"berQuendor1"_s), form.berQuendor1);
        for (QLabel *panel : form.Statuszeile)
            QCOMPARE(panel->width(), 350);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
        form.OnlineHilfe1->trigger();
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().path(), u"/index.php"_s);
        QCOMPARE(catcher.urls.first().query(), u"option=com_content&task=view&id=14&Itemid=40"_s);
    }
};

int main(int argc, char *argv[])
{
    VandrelApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int status = 0;
    {
        tst_AppStart start;
        status |= QTest::qExec(&start, argc, argv);
    }
    {
        tst_App test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_app.moc"
