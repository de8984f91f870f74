#include "Eintragbearbeitenfrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

TEintragBearbeitenForm *EintragBearbeitenForm = nullptr;

TEintragBearbeitenForm::TEintragBearbeitenForm(QWidget *owner)
    : QDialog(owner),
      Label1(new QLabel(u"Text des Eintrages zur Bearbeitung ( falls der Platzhalter \"$\" enthalten ist, diesen bitte an der Stelle belassen !!! )"_s, this)),
      EintragEdit(new QLineEdit(this)),
      SpeichernBtn(new QPushButton(u"Eintrag abspeichern"_s, this)),
      CancelBtn(new QPushButton(u"abbrechen"_s, this))
{
    setObjectName(u"EintragBearbeitenForm"_s);
    setWindowTitle(u"Vandrel - Eintrag bearbeiten"_s);
    setModal(true);
    // The evaluations and standards windows stay on top; the editor, which
    // blocks everything else while it runs, must not open behind them.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QFont schrift(u"Tahoma"_s, 9);
    schrift.setFamilies({u"Tahoma"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s});
    setFont(schrift);
    EintragEdit->setObjectName(u"EintragEdit"_s);
    Label1->setBuddy(EintragEdit);
    Label1->setWordWrap(true);
    SpeichernBtn->setObjectName(u"SpeichernBtn"_s);
    SpeichernBtn->setDefault(true);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeichernBtn);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(EintragEdit);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(780, 189);

    setTabOrder(EintragEdit, SpeichernBtn);
    setTabOrder(SpeichernBtn, CancelBtn);
    connect(SpeichernBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TEintragBearbeitenForm::~TEintragBearbeitenForm()
{
    if (EintragBearbeitenForm == this)
        EintragBearbeitenForm = nullptr;
}

void TEintragBearbeitenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Scaling to the screen moves the dialog, after which Qt no longer places
    // it; the care worker expects it over the main window every time.
    if (!event->spontaneous())
        zentrieren();
}

void TEintragBearbeitenForm::zentrieren()
{
    if (!parentWidget())
        return;
    const QWidget *hauptfenster = parentWidget()->window();
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(hauptfenster->frameGeometry().center());
    // A main window near the edge of the screen must not push the dialog off it.
    if (const QScreen *bildschirm = hauptfenster->screen()) {
        const QRect arbeitsbereich = bildschirm->availableGeometry();
        rahmen.moveRight(std::min(rahmen.right(), arbeitsbereich.right()));
        rahmen.moveBottom(std::min(rahmen.bottom(), arbeitsbereich.bottom()));
        rahmen.moveLeft(std::max(rahmen.left(), arbeitsbereich.left()));
        rahmen.moveTop(std::max(rahmen.top(), arbeitsbereich.top()));
    }
    move(rahmen.topLeft());
}
