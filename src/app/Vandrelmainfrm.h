#pragma once

#include <QMainWindow>
#include <QString>

class DbConnection;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;

// The main window: finds and opens the two databases when it is created,
// holds the logged-in user, and opens every other window from its menu.
class TVandrelMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // programmVerzeichnis is where "vandrel.ini" lies: the executable's folder.
    explicit TVandrelMainForm(const QString &programmVerzeichnis);
    ~TVandrelMainForm() override;

    // Whether the databases are open; false when start-up ended the program.
    bool istBereit() const { return m_bereit; }

    // Opens the care database of DatenbankPfad, then the catalogue database
    // beside it. Raises Exception when either cannot be opened or is no
    // Vandrel database.
    void Verbinden();
    // Once per start: a shared file on a network drive is not the safe way
    // for several computers.
    void netzlaufwerkHinweisen();

    // Shows the login and takes over its result (first showing and log-on).
    void Anmelden();

    DbConnection *DB;
    DbConnection *ORG_DB;
    bool ErsteAnzeige = true;
    qint32 BenutzerId = 0;
    QString BenutzerName;
    int BildschirmHoehe = 0;
    QString DatenbankPfad;
    QString OrgDatenbankPfad;

    QMdiArea *Arbeitsflaeche;
    QLabel *Statuszeile[3];

    QMenu *Datei1;
    QMenu *Stammdaten1;
    QMenu *K1;
    QMenu *Hilfe1;
    QAction *Parametereingeben1;
    QAction *SQLSkripteausfhren1;
    QAction *aktuelleBenutzerabmelden1;
    QAction *Beenden1;
    QAction *Abteilungen1;
    QAction *Mitarbeiter1;
    QAction *Klienten2;
    QAction *rzte1;
    QAction *StandardZuordnungenvon1;
    QAction *Klienten1;
    QAction *OnlineHilfe1;
    QAction *berQuendor1;

    void Klienten1Click();
    void Abteilungen1Click();
    void Mitarbeiter1Click();
    void Klienten2Click();
    void StandardZuordnungenvon1Click();
    void rzte1Click();
    void aktuelleBenutzerabmelden1Click();
    void Parametereingeben1Click();
    void SQLSkripteausfhren1Click();
    void Beenden1Click();
    void OnlineHilfe1Click();
    void berQuendor1Click();
    void FormShow();

signals:
    // A user has logged in.
    void Angemeldet();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Closes the care-planning window, if one is open, at once.
    void planungSchliessen();
    void menueAnlegen();
    void datenbankenFinden();
    void setBenutzerAnzeige(const QString &text);

    QString m_programmVerzeichnis;
    bool m_bereit = false;
};

// The one main window; empty while none exists.
extern TVandrelMainForm *VandrelMainForm;
