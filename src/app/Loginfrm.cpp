#include "Loginfrm.h"

#include "dataset.h"
#include "messages.h"
#include "password.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TLoginForm *LoginForm = nullptr;

TLoginForm::TLoginForm(DbConnection *DB, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Label1(new QLabel(u"Benutzername:"_s, this)),
      BenutzerEdit(new QLineEdit(this)),
      Label2(new QLabel(u"Kennwort:"_s, this)),
      KennwortEdit(new QLineEdit(this)),
      OkBtn(new QPushButton(u"OK"_s, this)),
      AbbruchBtn(new QPushButton(u"Abbruch"_s, this)),
      Statuszeile(new QFrame(this)),
      qry_benutzer(new Dataset(DB, this))
{
    setObjectName(u"LoginForm"_s);
    setWindowTitle(u"Vandrel - Login"_s);
    setModal(true);

    qry_benutzer->setSql(u"select * from tbl_mitarbeiter\nwhere \nma_prog_Name = :anmeldung"_s);

    BenutzerEdit->setObjectName(u"BenutzerEdit"_s);
    KennwortEdit->setObjectName(u"KennwortEdit"_s);
    KennwortEdit->setEchoMode(QLineEdit::Password);
    KennwortEdit->setStyleSheet(u"lineedit-password-character: 42;"_s);
    for (QLineEdit *edit : {BenutzerEdit, KennwortEdit})
        edit->setMinimumWidth(220);
    Label1->setBuddy(BenutzerEdit);
    Label2->setBuddy(KennwortEdit);
    OkBtn->setObjectName(u"OkBtn"_s);
    OkBtn->setDefault(true);
    AbbruchBtn->setObjectName(u"AbbruchBtn"_s);
    AbbruchBtn->setAutoDefault(false);
    Statuszeile->setFrameShape(QFrame::StyledPanel);
    Statuszeile->setFrameShadow(QFrame::Sunken);
    Statuszeile->setFixedHeight(18);

    auto *form = new QFormLayout;
    form->addRow(Label1, BenutzerEdit);
    form->addRow(Label2, KennwortEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AbbruchBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(Statuszeile);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(BenutzerEdit, KennwortEdit);
    setTabOrder(KennwortEdit, OkBtn);
    setTabOrder(OkBtn, AbbruchBtn);
    BenutzerEdit->setFocus();

    connect(OkBtn, &QPushButton::clicked, this, &TLoginForm::OkBtnClick);
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TLoginForm::~TLoginForm()
{
    if (LoginForm == this)
        LoginForm = nullptr;
}

void TLoginForm::OkBtnClick()
{
    qry_benutzer->close();
    qry_benutzer->setParam(u"anmeldung"_s, BenutzerEdit->text());
    qry_benutzer->open();
    if (qry_benutzer->isEmpty()) {
        qry_benutzer->close();
        Messages::box(this, u"Unbekannter Benutzer!"_s, u"Benutzername unbekannt!?!"_s);
        BenutzerEdit->setFocus();
        BenutzerEdit->selectAll();
        return;
    }
    qry_benutzer->first();
    if (passwordMatches(KennwortEdit->text(), qry_benutzer->asText(u"ma_kennwort"_s))) {
        MitarbeiterId = qint32(qry_benutzer->asInteger(u"ma_id"_s));
        ProgBerechtigung = qint32(qry_benutzer->asInteger(u"ma_Prog_Berechtigung"_s));
        qry_benutzer->close();
        accept();
        return;
    }
    qry_benutzer->close();
    Messages::box(this, u"Fehlerhaftes Kennwort!"_s, u"Das eingegebene Kennwort stimmt nicht mit dem gespeicherten überein!?!"_s);
    KennwortEdit->setFocus();
    KennwortEdit->selectAll();
}

void TLoginForm::keyPressEvent(QKeyEvent *event)
{
    // Esc does not end the login; only "Abbruch" or the close button do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
