#include "Vandrelmainfrm.h"

#include "Datenbankauswahlfrm.h"
#include "Abteilungenfrm.h"
#include "Aerztestammfrm.h"
#include "Klientenstammfrm.h"
#include "Klientenvandrelfrm.h"
#include "Konfiguration.h"
#include "Loginfrm.h"
#include "Mitarbeiterstammfrm.h"
#include "Parameterfrm.h"
#include "Sqldirektfrm.h"
#include "Vandrelaboutfrm.h"
#include "Standardzuordnungenfrm.h"
#include "Pflegedatenbank.h"
#include "dbconnection.h"
#include "desktop.h"
#include "dialogs.h"
#include "exception.h"
#include "inifile.h"
#include "messages.h"
#include "windowrule.h"

#include <memory>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

TVandrelMainForm *VandrelMainForm = nullptr;

namespace {

// The tables that tell a care database and a catalogue database apart from
// any other database file.
const QStringList careTables = {u"tbl_parameter"_s, u"tbl_mitarbeiter"_s, u"tbl_klienten_stamm"_s};
const QStringList catalogueTables = {u"tbl_org_parameter"_s, u"tbl_aktivitaeten_gruppen"_s, u"tbl_kategorien"_s};

void pruefeTabellen(const DbConnection &connection, const QStringList &tables, const QString &datei,
                    const QString &art)
{
    for (const QString &table : tables)
        if (!connection.hasTable(table))
            throw Exception(u"Die Datei \"%1\" ist keine %2 von Vandrel Tessaro (die Tabelle \"%3\" fehlt)."_s
                                .arg(datei, art, table));
}

} // namespace

TVandrelMainForm::TVandrelMainForm(const QString &programmVerzeichnis)
    : DB(new DbConnection(this)),
      ORG_DB(new DbConnection(this)),
      Arbeitsflaeche(new QMdiArea(this)),
      m_programmVerzeichnis(programmVerzeichnis)
{
    VandrelMainForm = this;
    setObjectName(u"VandrelMainForm"_s);
    ErsteAnzeige = true;
    QScreen *bildschirm = QGuiApplication::primaryScreen();
    // The restored size is the whole work area too, so the window fills the
    // screen also where no window manager maximizes it.
    if (bildschirm)
        setGeometry(bildschirm->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    BildschirmHoehe = bildschirm ? bildschirm->size().height() : 1024;
    setWindowTitle(u"Morvane - Vandrel Tessaro 2.0"_s);
    DatenbankPfad.clear();

    Arbeitsflaeche->setObjectName(u"Arbeitsflaeche"_s);
    setCentralWidget(Arbeitsflaeche);
    menueAnlegen();
    for (int i = 0; i < 3; ++i) {
        Statuszeile[i] = new QLabel(this);
        Statuszeile[i]->setMinimumWidth(350);
        // The planning's sentences take the room they need.
        statusBar()->addWidget(Statuszeile[i], i == 1 ? 1 : 0);
    }
    Statuszeile[0]->setAccessibleName(u"Benutzer"_s);

    datenbankenFinden();
}

TVandrelMainForm::~TVandrelMainForm()
{
    if (VandrelMainForm == this)
        VandrelMainForm = nullptr;
}

void TVandrelMainForm::menueAnlegen()
{
    auto action = [this](QMenu *menu, const QString &caption, const QString &name) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto separator = [](QMenu *menu, const QString &name) { menu->addSeparator()->setObjectName(name); };

    Datei1 = menuBar()->addMenu(u"&Datei"_s);
    Datei1->setObjectName(u"Datei1"_s);
    Parametereingeben1 = action(Datei1, u"Parameter eingeben"_s, u"Parametereingeben1"_s);
    SQLSkripteausfhren1 = action(Datei1, u"SQL-Skripte ausführen"_s, u"SQLSkripteausfhren1"_s);
    separator(Datei1, u"N6"_s);
    aktuelleBenutzerabmelden1 = action(Datei1, u"aktuellen Benutzer abmelden"_s, u"aktuelleBenutzerabmelden1"_s);
    separator(Datei1, u"N1"_s);
    Beenden1 = action(Datei1, u"Beenden"_s, u"Beenden1"_s);

    Stammdaten1 = menuBar()->addMenu(u"&Stammdaten"_s);
    Stammdaten1->setObjectName(u"Stammdaten1"_s);
    Abteilungen1 = action(Stammdaten1, u"Abteilungen"_s, u"Abteilungen1"_s);
    Mitarbeiter1 = action(Stammdaten1, u"Mitarbeiter"_s, u"Mitarbeiter1"_s);
    Klienten2 = action(Stammdaten1, u"Klienten"_s, u"Klienten2"_s);
    separator(Stammdaten1, u"N4"_s);
    rzte1 = action(Stammdaten1, u"Ärzte"_s, u"rzte1"_s);
    separator(Stammdaten1, u"N2"_s);
    StandardZuordnungenvon1 = action(Stammdaten1, u"Standardzuordnungen Ziele / Maßnahmen zu Problemen"_s,
                                     u"StandardZuordnungenvon1"_s);

    K1 = menuBar()->addMenu(u"&Klientenverwaltung"_s);
    K1->setObjectName(u"K1"_s);
    Klienten1 = action(K1, u"Klienten - Vandrel"_s, u"Klienten1"_s);

    Hilfe1 = menuBar()->addMenu(u"&Hilfe"_s);
    Hilfe1->setObjectName(u"Hilfe1"_s);
    OnlineHilfe1 = action(Hilfe1, u"Online-Hilfe"_s, u"OnlineHilfe1"_s);
    separator(Hilfe1, u"N7"_s);
    berQuendor1 = action(Hilfe1, u"Über Vandrel Tessaro"_s, u"berQuendor1"_s);

    connect(Klienten1, &QAction::triggered, this, &TVandrelMainForm::Klienten1Click);
    connect(Abteilungen1, &QAction::triggered, this, &TVandrelMainForm::Abteilungen1Click);
    connect(Mitarbeiter1, &QAction::triggered, this, &TVandrelMainForm::Mitarbeiter1Click);
    connect(Klienten2, &QAction::triggered, this, &TVandrelMainForm::Klienten2Click);
    connect(rzte1, &QAction::triggered, this, &TVandrelMainForm::rzte1Click);
    connect(Parametereingeben1, &QAction::triggered, this, &TVandrelMainForm::Parametereingeben1Click);
    connect(SQLSkripteausfhren1, &QAction::triggered, this, &TVandrelMainForm::SQLSkripteausfhren1Click);
    connect(StandardZuordnungenvon1, &QAction::triggered, this, &TVandrelMainForm::StandardZuordnungenvon1Click);
    connect(aktuelleBenutzerabmelden1, &QAction::triggered, this, &TVandrelMainForm::aktuelleBenutzerabmelden1Click);
    connect(Beenden1, &QAction::triggered, this, &TVandrelMainForm::Beenden1Click);
    connect(OnlineHilfe1, &QAction::triggered, this, &TVandrelMainForm::OnlineHilfe1Click);
    connect(berQuendor1, &QAction::triggered, this, &TVandrelMainForm::berQuendor1Click);
}

void TVandrelMainForm::datenbankenFinden()
{
    const QString IniDateiPfad = QDir(m_programmVerzeichnis).filePath(Konfiguration::IniDateiName);
    if (!QFileInfo::exists(IniDateiPfad)) {
        Messages::error(this, u"Ini-Datei 'vandrel.ini' nicht gefunden, Abbruch ..."_s);
        return;
    }
    const IniFile ini(IniDateiPfad);
    try {
        DatenbankPfad = ini.value(Konfiguration::DatenbankAbschnitt, Konfiguration::DatenbankPfadSchluessel);
    } catch (const Exception &e) {
        Messages::error(this, e.message());
        return;
    }

    if (QFileInfo(DatenbankPfad).isFile() || Dialect::isServerAddress(DatenbankPfad)) {
        try {
            Verbinden();
        } catch (const Exception &e) {
            DB->close();
            Messages::error(this, e.message());
            return;
        }
        m_bereit = true;
        netzlaufwerkHinweisen();
        return;
    }

    if (!DatenbankAuswahlForm)
        DatenbankAuswahlForm = new TDatenbankAuswahlForm(m_programmVerzeichnis, this);
    // The dialog exists only for this choice.
    const std::unique_ptr<TDatenbankAuswahlForm> dialog(DatenbankAuswahlForm);
    dialog->DbAusIniDateiEdit->setText(DatenbankPfad);
    const int ergebnis = Dialogs::exec(dialog.get());
    const QString gewaehlt = dialog->DatenBankEdit->text();
    if (ergebnis != QDialog::Accepted)
        return;

    DatenbankPfad = gewaehlt;
    try {
        Verbinden();
        ini.setValue(Konfiguration::DatenbankAbschnitt, Konfiguration::DatenbankPfadSchluessel, DatenbankPfad);
    } catch (const Exception &e) {
        DB->close();
        Messages::error(this, e.message());
        return;
    }
    m_bereit = true;
    netzlaufwerkHinweisen();
}

void TVandrelMainForm::netzlaufwerkHinweisen()
{
    const QString art = DbConnection::networkFileSystem(QFileInfo(DatenbankPfad).absolutePath());
    if (Dialect::isServerAddress(DatenbankPfad) || art.isEmpty())
        return;
    Messages::information(
        this, u"Die Datenbank liegt auf einem Netzlaufwerk (%1). Vandrel arbeitet dort ohne Write-Ahead-Log und "
              "sperrt die Datenbank über den Dateiserver; das ist nur so sicher, wie der Dateiserver Sperren "
              "zuverlässig weitergibt.\n\nWenn mehrere Computer mit denselben Daten arbeiten, ist ein "
              "PostgreSQL-Datenbankserver der sichere Weg (siehe README, \"Mehrere Computer\")."_s.arg(art));
}

void TVandrelMainForm::Verbinden()
{
    DB->close();
    DB->open(DatenbankPfad);
    pruefeTabellen(*DB, careTables, DatenbankPfad, u"Pflegedatenbank"_s);
    PflegedatenbankAktualisieren(*DB);
    OrgDatenbankPfad = Konfiguration::OrgDatenbankPfadZu(DatenbankPfad);
    ORG_DB->close();
    ORG_DB->open(OrgDatenbankPfad);
    pruefeTabellen(*ORG_DB, catalogueTables, OrgDatenbankPfad, u"Katalogdatenbank"_s);
}

void TVandrelMainForm::setBenutzerAnzeige(const QString &text)
{
    Statuszeile[0]->setText(text);
}

void TVandrelMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The login runs once the window is on the screen, from the event loop.
    if (ErsteAnzeige)
        QTimer::singleShot(0, this, &TVandrelMainForm::FormShow);
}

void TVandrelMainForm::FormShow()
{
    if (!ErsteAnzeige)
        return;
    ErsteAnzeige = false;
    Anmelden();
}

void TVandrelMainForm::Anmelden()
{
    if (!LoginForm)
        LoginForm = new TLoginForm(DB, this);
    // Every login starts with empty fields: the dialog lives for one login.
    const std::unique_ptr<TLoginForm> login(LoginForm);
    if (Dialogs::exec(login.get()) != QDialog::Accepted) {
        login->close();
        close();
        return;
    }
    BenutzerId = login->MitarbeiterId;
    BenutzerName = login->BenutzerEdit->text();
    setBenutzerAnzeige(u"Benutzer : "_s + BenutzerName);
    login->close();
    emit Angemeldet();
    Klienten1Click();
}

void TVandrelMainForm::Klienten1Click()
{
    WindowRule::open(KlientenVandrelForm, [this] {
        auto *form = new TKlientenVandrelForm(DB, ORG_DB, [this] { return BenutzerId; }, BildschirmHoehe);
        // What the planning did last stands in the status line, no dialog needed.
        connect(form, &TKlientenVandrelForm::Statusmeldung, Statuszeile[1], &QLabel::setText);
        return form;
    }, WindowRule::Kind::MdiChildMaximized, BildschirmHoehe, Arbeitsflaeche);
}

void TVandrelMainForm::Abteilungen1Click()
{
    WindowRule::open(AbteilungenForm, [this] {
        return new TAbteilungenForm(DB, [this] { return BenutzerId; }, this);
    }, WindowRule::Kind::TopLevel, BildschirmHoehe);
}

void TVandrelMainForm::Mitarbeiter1Click()
{
    WindowRule::open(MitarbeiterStammForm, [this] {
        return new TMitarbeiterStammForm(DB, [this] { return BenutzerId; }, this);
    }, WindowRule::Kind::TopLevel, BildschirmHoehe);
}

void TVandrelMainForm::Klienten2Click()
{
    WindowRule::open(KlientenStammForm, [this] {
        return new TKlientenStammForm(DB, [this] { return BenutzerId; }, this);
    }, WindowRule::Kind::TopLevel, BildschirmHoehe);
}

void TVandrelMainForm::rzte1Click()
{
    WindowRule::open(AerzteStammForm, [this] {
        return new TAerzteStammForm(DB, [this] { return BenutzerId; }, this);
    }, WindowRule::Kind::TopLevel, BildschirmHoehe);
}

void TVandrelMainForm::StandardZuordnungenvon1Click()
{
    WindowRule::open(StandardZuordnungenForm, [this] {
        return new TStandardZuordnungenForm(DB, ORG_DB, this);
    }, WindowRule::Kind::StaysOnTop, BildschirmHoehe);
}

void TVandrelMainForm::planungSchliessen()
{
    if (KlientenVandrelForm) {
        WindowRule::close(KlientenVandrelForm);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The care-planning window reads the parameters when it is created: it is
// closed while they change and opened anew once they are saved.
void TVandrelMainForm::Parametereingeben1Click()
{
    planungSchliessen();
    WindowRule::open(ParameterForm, [this] {
        auto *form = new TParameterForm;
        connect(form, &TParameterForm::gespeichert, this, &TVandrelMainForm::Klienten1Click);
        return form;
    }, WindowRule::Kind::MdiChild, BildschirmHoehe, Arbeitsflaeche);
}

// A script may change the tables the care-planning window shows.
void TVandrelMainForm::SQLSkripteausfhren1Click()
{
    planungSchliessen();
    WindowRule::open(SqlDirektForm, [this] {
        return new TSqlDirektForm(DB, ORG_DB, this);
    }, WindowRule::Kind::TopLevel, BildschirmHoehe);
}

void TVandrelMainForm::aktuelleBenutzerabmelden1Click()
{
    // The care-planning window of the user who leaves is gone before the
    // next user logs on, so the log-on opens a fresh one.
    planungSchliessen();
    setBenutzerAnzeige(u"Benutzer : "_s);
    // What the last user did is no news for the next one.
    Statuszeile[1]->clear();
    Anmelden();
}

void TVandrelMainForm::Beenden1Click()
{
    close();
}

// The about window frees itself when it closes.
void TVandrelMainForm::berQuendor1Click()
{
    if (!VandrelAboutForm) {
        VandrelAboutForm = new TVandrelAboutForm(this);
        WindowRule::scale(VandrelAboutForm, BildschirmHoehe);
    }
    Dialogs::exec(VandrelAboutForm);
}

void TVandrelMainForm::OnlineHilfe1Click()
{
    Desktop::openUrl(QUrl(Konfiguration::HilfeAdresse));
}
