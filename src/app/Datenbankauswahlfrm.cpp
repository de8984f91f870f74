#include "Datenbankauswahlfrm.h"

#include "dialogs.h"
#include "messages.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TDatenbankAuswahlForm *DatenbankAuswahlForm = nullptr;

TDatenbankAuswahlForm::TDatenbankAuswahlForm(const QString &programmVerzeichnis, QWidget *owner)
    : QDialog(owner),
      Label4(new QLabel(u"Vandrel-Datenbank aus INI-Datei : "_s, this)),
      DbAusIniDateiEdit(new QLineEdit(this)),
      Label2(new QLabel(u"Vandrel-Datenbank aus INI-Datei nicht gefunden, bitte Datenbank \"vandrel.accdb\" auswählen !"_s, this)),
      Label3(new QLabel(u"( Die 2. Datenbank \"vandrelorg.accdb\" MUSS im selben Verzeichnis liegen !)"_s, this)),
      Label1(new QLabel(u"Vandrel-Datenbank \"vandrel.accdb\" :"_s, this)),
      DbAuswahlBtn(new QPushButton(u"auswählen"_s, this)),
      DatenBankEdit(new QLineEdit(this)),
      UebernehmenBtn(new QPushButton(u"Datenbank übernehmen und in INI-Datei abspeichern"_s, this)),
      CancelBtn(new QPushButton(u"abbrechen"_s, this)),
      Panel1(new QFrame(this)),
      m_programmVerzeichnis(programmVerzeichnis)
{
    setObjectName(u"DatenbankAuswahlForm"_s);
    setWindowTitle(u"Vandrel - Datenbankauswahl"_s);
    setModal(true);

    // Both names are shown only; read-only instead of disabled keeps them
    // readable and reachable for screen readers.
    for (QLineEdit *edit : {DbAusIniDateiEdit, DatenBankEdit}) {
        edit->setReadOnly(true);
        edit->setMinimumWidth(520);
    }
    DbAusIniDateiEdit->setObjectName(u"DbAusIniDateiEdit"_s);
    DatenBankEdit->setObjectName(u"DatenBankEdit"_s);
    DbAuswahlBtn->setObjectName(u"DbAuswahlBtn"_s);
    UebernehmenBtn->setObjectName(u"UebernehmenBtn"_s);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    Label4->setBuddy(DbAusIniDateiEdit);
    Label1->setBuddy(DatenBankEdit);
    Label2->setWordWrap(true);
    QFont strong = Label2->font();
    strong.setBold(true);
    Label2->setFont(strong);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedHeight(18);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(DbAusIniDateiEdit);
    layout->addSpacing(12);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(12);
    layout->addWidget(Label1);
    auto *choose = new QHBoxLayout;
    choose->addWidget(DbAuswahlBtn);
    choose->addWidget(DatenBankEdit, 1);
    layout->addLayout(choose);
    layout->addSpacing(12);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(UebernehmenBtn);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    layout->addWidget(Panel1);

    setTabOrder(DbAusIniDateiEdit, DbAuswahlBtn);
    setTabOrder(DbAuswahlBtn, DatenBankEdit);
    setTabOrder(DatenBankEdit, UebernehmenBtn);
    setTabOrder(UebernehmenBtn, CancelBtn);
    DbAuswahlBtn->setFocus();

    connect(DbAuswahlBtn, &QPushButton::clicked, this, &TDatenbankAuswahlForm::DbAuswahlBtnClick);
    connect(UebernehmenBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TDatenbankAuswahlForm::CancelBtnClick);
}

TDatenbankAuswahlForm::~TDatenbankAuswahlForm()
{
    if (DatenbankAuswahlForm == this)
        DatenbankAuswahlForm = nullptr;
}

void TDatenbankAuswahlForm::DbAuswahlBtnClick()
{
    const QString datei = Dialogs::openFileName(this, m_programmVerzeichnis, u"vandrel.accdb"_s,
                                                u"Access 2007 (*.accdb);;Access 2000-2003  (*.mdb)"_s, u"accdb"_s);
    if (!datei.isEmpty())
        DatenBankEdit->setText(datei);
}

void TDatenbankAuswahlForm::CancelBtnClick()
{
    Messages::error(this, u"Keine Datenbank ausgewählt !?!\n\nProgramm kann OHNE Datenbank NICHT gestartet werden, ABBRUCH !"_s);
    reject();
}
