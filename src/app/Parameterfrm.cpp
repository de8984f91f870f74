#include "Parameterfrm.h"

#include "Datenmodulfrm.h"
#include "Radiogruppe.h"
#include "transaction.h"
#include "windowrule.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TParameterForm *ParameterForm = nullptr;

namespace {

// Stored values of the items of the care-model and department groups.
const QStringList aktivitaetTypen = {u"AEDL"_s, u"ATL"_s, u"GBD"_s};
const QStringList jaNein = {u"ja"_s, u"nein"_s};
const QString klientenName = u"$NAME"_s;

enum PlatzhalterItem { FreierText = 0, AnredeUndName = 1 };

// The value of a parameter row, or the empty text when the row is missing.
QString parameterLesen(const QString &name)
{
    Dataset *q = DatenModul->qry_parameter;
    q->close();
    q->setParam(u"param"_s, name);
    q->open();
    const QString wert = q->isEmpty() ? QString() : q->asText(u"param_wert_1"_s);
    q->close();
    return wert;
}

// Stores value in an existing parameter row; a missing row stays missing.
void parameterSchreiben(const QString &name, const QString &wert)
{
    Dataset *q = DatenModul->qry_parameter;
    q->close();
    const auto schliessen = qScopeGuard([q] { q->close(); });
    q->setParam(u"param"_s, name);
    q->open();
    if (q->isEmpty())
        return;
    q->edit();
    q->setValue(u"param_wert_1"_s, wert);
    q->post();
}

} // namespace

TParameterForm::TParameterForm(QWidget *parent)
    : QWidget(parent),
      VandrelTypenGruppe(new RadioGruppe(u" Typ der Vandrel "_s, {u"AEDL"_s, u"ATL"_s, u"Grundbedürfnisse"_s}, this)),
      AbteilungenAnzeigenGruppe(new RadioGruppe(u" Abteilungen beim Ausdruck anzeigen "_s, {u"ja"_s, u"nein"_s}, this)),
      PlatzhalterErsetzenGruppe(new RadioGruppe(u"Bezeichnungsplatzhalter ersetzen durch : "_s,
                                                {u"freien Text :"_s, u"Anrede und Name des jeweiligen Klienten"_s}, this)),
      PlatzhalterFreiTextEdit(new QLineEdit(this)),
      SpeichernBtn(new QPushButton(u"Parameter abspeichern und Fenster schließen"_s, this))
{
    setObjectName(u"ParameterForm"_s);
    setWindowTitle(u"Vandrel - Programmparameter eingeben ..."_s);

    PlatzhalterFreiTextEdit->setObjectName(u"PlatzhalterFreiTextEdit"_s);
    PlatzhalterFreiTextEdit->setAccessibleName(PlatzhalterErsetzenGruppe->item(FreierText)->text());
    PlatzhalterFreiTextEdit->setMinimumWidth(260);
    // Showing and hiding the field must not make the window jump in size.
    QSizePolicy policy = PlatzhalterFreiTextEdit->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    PlatzhalterFreiTextEdit->setSizePolicy(policy);
    PlatzhalterErsetzenGruppe->setBeside(FreierText, PlatzhalterFreiTextEdit);

    auto *oben = new QHBoxLayout;
    oben->addWidget(VandrelTypenGruppe);
    oben->addWidget(AbteilungenAnzeigenGruppe);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(SpeichernBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(PlatzhalterErsetzenGruppe);
    layout->addLayout(unten);
    // A fixed border: the window keeps its laid-out size.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(PlatzhalterErsetzenGruppe, &RadioGruppe::clicked, this, &TParameterForm::PlatzhalterErsetzenGruppeClick);
    connect(SpeichernBtn, &QPushButton::clicked, this, &TParameterForm::SpeichernBtnClick);

    laden();
}

TParameterForm::~TParameterForm()
{
    if (ParameterForm == this)
        ParameterForm = nullptr;
}

void TParameterForm::laden()
{
    VandrelTypenGruppe->setItemIndex(int(aktivitaetTypen.indexOf(parameterLesen(u"AktivitaetTyp"_s))));
    AbteilungenAnzeigenGruppe->setItemIndex(parameterLesen(u"AbteilungenAnzeigen"_s) == jaNein.first() ? 0 : 1);
    const QString platzhalter = parameterLesen(u"PlatzHalterErsetzenMit"_s);
    if (platzhalter == klientenName) {
        PlatzhalterErsetzenGruppe->setItemIndex(AnredeUndName);
        PlatzhalterFreiTextEdit->setVisible(false);
    } else {
        PlatzhalterErsetzenGruppe->setItemIndex(FreierText);
        PlatzhalterFreiTextEdit->setVisible(true);
        PlatzhalterFreiTextEdit->setText(platzhalter);
    }
}

void TParameterForm::PlatzhalterErsetzenGruppeClick()
{
    PlatzhalterFreiTextEdit->setVisible(PlatzhalterErsetzenGruppe->itemIndex() == FreierText);
}

void TParameterForm::SpeichernBtnClick()
{
    {
        // The three parameters are saved together or not at all: a plan
        // window must never read a care model of the new settings with a
        // placeholder of the old ones.
        Transaction transaktion(*DatenModul->qry_parameter->connection());
        // No model chosen is stored as the empty text, not as an empty column.
        parameterSchreiben(u"AktivitaetTyp"_s, aktivitaetTypen.value(VandrelTypenGruppe->itemIndex(), u""_s));
        parameterSchreiben(u"AbteilungenAnzeigen"_s, jaNein.value(AbteilungenAnzeigenGruppe->itemIndex()));
        parameterSchreiben(u"PlatzHalterErsetzenMit"_s, PlatzhalterErsetzenGruppe->itemIndex() == AnredeUndName
                                                            ? klientenName
                                                            : PlatzhalterFreiTextEdit->text());
        transaktion.commit();
    }
    WindowRule::close(this);
    emit gespeichert();
}

bool TParameterForm::event(QEvent *event)
{
    // The frame the work area puts around the window offers only closing;
    // set before it is shown, as changing the flags of a shown frame hides it.
    if (event->type() == QEvent::ParentChange) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        }
    }
    return QWidget::event(event);
}

void TParameterForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_platziert)
        return;
    m_platziert = true;
    // The frame keeps the window's laid-out size, in the middle of the main
    // window's work area.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()); frame && frame->mdiArea()) {
        frame->adjustSize();
        frame->setFixedSize(frame->size());
        frame->move(frame->mdiArea()->viewport()->rect().center() - frame->rect().center());
    }
}
