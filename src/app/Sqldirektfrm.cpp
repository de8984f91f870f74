#include "Sqldirektfrm.h"

#include "dbconnection.h"
#include "dialogs.h"
#include "exception.h"
#include "messages.h"
#include "transaction.h"

#include <QButtonGroup>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStringDecoder>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TSqlDirektForm *SqlDirektForm = nullptr;

namespace {

const QString skriptFilter = u"SQL-Skripte (*.sql)"_s;
const QString skriptEndung = u"sql"_s;

// Scripts are written in UTF-8; older ones come from Windows editors in
// Windows-1252. A byte-order mark is dropped.
QString skriptText(const QByteArray &inhalt)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(inhalt);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows(inhalt);
    return QString::fromLatin1(inhalt);
}

// The lines of the file, joined with line breaks whatever ends them there.
QString skriptLaden(const QString &datei)
{
    QFile file(datei);
    const auto fehler = [&] {
        return Exception(u"Die Datei \"%1\" kann nicht gelesen werden:\n%2"_s.arg(datei, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw fehler();
    QString text = skriptText(file.readAll());
    if (file.error() != QFileDevice::NoError)
        throw fehler();
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    // The break after the last line ends that line; it is no empty line of its own.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// Every line ends with a line break.
void skriptSpeichern(const QString &datei, const QString &text)
{
    // The script replaces the file only once it is written whole: a failure
    // leaves the old script as it was and no part of the new one behind.
    QSaveFile file(datei);
    const auto fehler = [&] {
        return Exception(u"Die Datei \"%1\" kann nicht geschrieben werden:\n%2"_s.arg(datei, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw fehler();
    const QByteArray inhalt = text.isEmpty() ? QByteArray() : (text + u'\n').toUtf8();
    if (file.write(inhalt) != inhalt.size() || !file.commit())
        throw fehler();
}

} // namespace

TSqlDirektForm::TSqlDirektForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent)
    : QWidget(parent, Qt::Window),
      AuswahlGroup(new QGroupBox(u" SQL-Befehl / Skript für "_s, this)),
      DateiOeffnenBtn(new QPushButton(u"Skript aus Datei laden"_s, this)),
      DateiSpeicherBtn(new QPushButton(u"Skript abspeichern"_s, this)),
      SqlMemo(new QPlainTextEdit(this)),
      AusfuehrenBtn(new QPushButton(u"Sql-Befehl / Skript ausführen ..."_s, this)),
      LeerenBtn(new QPushButton(u"Sql-Befehl / Skript leeren ..."_s, this)),
      Statuszeile(new QStatusBar(this)),
      m_DB(DB),
      m_ORG_DB(ORG_DB),
      m_auswahl(new QButtonGroup(this))
{
    setObjectName(u"SqlDirektForm"_s);
    setWindowTitle(u"Morvane Vandrel - SQL Direkt-Formular"_s);
    setFixedSize(1000, 850);

    AuswahlGroup->setObjectName(u"AuswahlGroup"_s);
    auto *vandrel = new QRadioButton(u"vandrel.accdb ausführen"_s, AuswahlGroup);
    auto *vandrelorg = new QRadioButton(u"vandrelorg.accdb ausführen"_s, AuswahlGroup);
    m_auswahl->addButton(vandrel, 0);
    m_auswahl->addButton(vandrelorg, 1);
    vandrel->setChecked(true);
    auto *auswahl = new QVBoxLayout(AuswahlGroup);
    auswahl->addWidget(vandrel);
    auswahl->addWidget(vandrelorg);

    DateiOeffnenBtn->setObjectName(u"DateiOeffnenBtn"_s);
    DateiSpeicherBtn->setObjectName(u"DateiSpeicherBtn"_s);
    AusfuehrenBtn->setObjectName(u"AusfuehrenBtn"_s);
    LeerenBtn->setObjectName(u"LeerenBtn"_s);
    SqlMemo->setObjectName(u"SqlMemo"_s);
    // The script comes only from a file, so what runs is what was checked there.
    SqlMemo->setEnabled(false);
    SqlMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    SqlMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SqlMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SqlMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Statuszeile->setObjectName(u"Statuszeile"_s);
    Statuszeile->setSizeGripEnabled(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(AuswahlGroup);
    oben->addStretch();
    oben->addWidget(DateiOeffnenBtn);
    oben->addWidget(DateiSpeicherBtn);

    auto *hinweis = new QLabel(
        u"Sql-Befehl / Skript ( nur Datendefinitionen möglich, z.B. 'alter Table, create table' usw. )"_s, this);
    hinweis->setFrameShape(QFrame::StyledPanel);
    hinweis->setBuddy(SqlMemo);

    auto *unten = new QHBoxLayout;
    unten->addWidget(AusfuehrenBtn);
    unten->addStretch();
    unten->addWidget(LeerenBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(hinweis);
    layout->addWidget(SqlMemo, 1);
    layout->addLayout(unten);
    layout->addWidget(Statuszeile);

    connect(DateiOeffnenBtn, &QPushButton::clicked, this, &TSqlDirektForm::DateiOeffnenBtnClick);
    connect(DateiSpeicherBtn, &QPushButton::clicked, this, &TSqlDirektForm::DateiSpeicherBtnClick);
    connect(AusfuehrenBtn, &QPushButton::clicked, this, &TSqlDirektForm::AusfuehrenBtnClick);
    connect(LeerenBtn, &QPushButton::clicked, this, &TSqlDirektForm::LeerenBtnClick);
}

TSqlDirektForm::~TSqlDirektForm()
{
    if (SqlDirektForm == this)
        SqlDirektForm = nullptr;
}

int TSqlDirektForm::AuswahlIndex() const
{
    return m_auswahl->checkedId();
}

void TSqlDirektForm::DateiOeffnenBtnClick()
{
    const QString datei = Dialogs::openFileName(this, QString(), QString(), skriptFilter, skriptEndung);
    if (datei.isEmpty())
        return;
    SqlMemo->setPlainText(skriptLaden(datei));
    Statuszeile->showMessage(QFileInfo(datei).fileName());
}

void TSqlDirektForm::DateiSpeicherBtnClick()
{
    const QString datei = Dialogs::saveFileName(this, QString(), skriptFilter, skriptEndung);
    if (datei.isEmpty())
        return;
    skriptSpeichern(datei, SqlMemo->toPlainText());
    Statuszeile->showMessage(QFileInfo(datei).fileName());
}

void TSqlDirektForm::AusfuehrenBtnClick()
{
    AusfuehrenBtn->setEnabled(false);
    const auto freigeben = qScopeGuard([this] { AusfuehrenBtn->setEnabled(true); });

    DbConnection *verbindung = AuswahlIndex() == 1 ? m_ORG_DB : m_DB;
    sql_command_dbkomm.setConnection(verbindung);
    sql_command_dbkomm.setText(SqlMemo->toPlainText());
    try {
        Transaction transaktion(*verbindung);
        sql_command_dbkomm.execute();
        transaktion.commit();
    } catch (const Exception &e) {
        // The guard has rolled back by now: a failed script leaves the database as it was.
        Messages::error(this, e.message());
        return;
    }
    Messages::information(this, u"Skript erfolgreich ausgeführt."_s);
}

void TSqlDirektForm::LeerenBtnClick()
{
    SqlMemo->clear();
    Statuszeile->clearMessage();
}

void TSqlDirektForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Placed once, at its scaled size; later the window stays where the user put it.
    if (!event->spontaneous() && !m_platziert) {
        zentrieren();
        m_platziert = true;
    }
}

void TSqlDirektForm::zentrieren()
{
    const QScreen *bildschirm = screen();
    if (!bildschirm)
        return;
    const QRect arbeitsbereich = bildschirm->availableGeometry();
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(arbeitsbereich.center());
    // A window taller or wider than the screen keeps its title bar on it.
    rahmen.moveLeft(std::max(rahmen.left(), arbeitsbereich.left()));
    rahmen.moveTop(std::max(rahmen.top(), arbeitsbereich.top()));
    move(rahmen.topLeft());
}
