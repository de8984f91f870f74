#include "Standardzuordnungenfrm.h"

#include "Datenmodulfrm.h"
#include "Global.h"
#include "dataset.h"
#include "datasource.h"
#include "dbgrid.h"
#include "dblookupcombo.h"
#include "exception.h"
#include "messages.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

TStandardZuordnungenForm *StandardZuordnungenForm = nullptr;

namespace {

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

DbLookupCombo *combo(const QString &name, QWidget *parent)
{
    auto *c = new DbLookupCombo(parent);
    c->setObjectName(name);
    return c;
}

// A pick list of catalogue formulations: the texts are long, so the list
// drops down wide and shows twenty of them.
DbLookupCombo *formulierungen(const QString &name, Dataset *liste, const QString &key, const QString &text,
                              QWidget *parent)
{
    DbLookupCombo *c = combo(name, parent);
    c->setList(liste, key, {text});
    c->setDropDownWidth(900);
    c->setMaxVisibleItems(20);
    return c;
}

DbGrid *grid(const QString &name, DataSource *source, QWidget *parent)
{
    auto *g = new DbGrid(parent);
    g->setObjectName(name);
    g->setDataSource(source);
    return g;
}

// The pop-up menu of a list with its one item; the menu key opens it too.
QMenu *popupMenu(DbGrid *grid, const QString &name)
{
    auto *popup = new QMenu(grid);
    popup->setObjectName(name);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, popup, [grid, popup](const QPoint &pos) {
        popup->popup(grid->viewport()->mapToGlobal(pos));
    });
    return popup;
}

QAction *menuItem(QMenu *popup, const QString &name, const QString &text)
{
    QAction *item = popup->addAction(text);
    item->setObjectName(name);
    return item;
}

// The catalogue text of the formulation whose key a standard row holds,
// read through a look-up of the data module; empty when the catalogue row is
// gone. The look-up keeps its statement prepared, so a long list paints
// without preparing it for each cell.
GetTextHook katalogText(Dataset *suche, const QString &textFeld)
{
    auto zuletzt = std::make_shared<QHash<qint64, QString>>();
    return [suche, textFeld, zuletzt](const QVariant &id) {
        // The entry editor of the care-planning window keeps its look-up open
        // while it runs; a list painted meanwhile leaves that look-up alone
        // and shows the text it found before.
        if (suche->isOpen())
            return zuletzt->value(id.toLongLong());
        suche->setParam(u"id"_s, id);
        suche->open();
        const QString text = suche->isEmpty() ? QString() : suche->asText(textFeld);
        suche->close();
        zuletzt->insert(id.toLongLong(), text);
        return text;
    };
}

void aufErsteZeile(DbLookupCombo *combo, Dataset *liste, const QString &key)
{
    if (liste->isEmpty())
        return;
    liste->first();
    combo->setKeyValue(liste->value(key));
}

// Whether a pick list shows an entry of its list. After a category without
// entries it still holds the key chosen before, but shows no text.
bool hatAuswahl(const DbLookupCombo *combo)
{
    return combo->keyValue().toLongLong() > 0 && !combo->shownText().isEmpty();
}

} // namespace

TStandardZuordnungenForm::TStandardZuordnungenForm(DbConnection *DB, DbConnection *ORG_DB, QWidget *parent)
    : QWidget(parent, Qt::Window),
      qry_aktivitaeten_gruppen(newQuery(ORG_DB, u"qry_aktivitaeten_gruppen"_s, u"select * from tbl_aktivitaeten_gruppen ; "_s, this)),
      qry_kategorien(newQuery(ORG_DB, u"qry_kategorien"_s,
                           u"select * from tbl_kategorien\nwhere\nkategorie_aktivitaeten_gruppen_id = :aktivitaet_id \norder by\nkategorie_sortierung ; "_s,
                           this)),
      qry_probleme(newQuery(ORG_DB, u"qry_probleme"_s,
                         u"select * from tbl_probleme\nwhere\nprob_kategorie = :kategorie_id \norder by\nprob_id ; "_s, this)),
      qry_ziele(newQuery(ORG_DB, u"qry_ziele"_s,
                      u"select * from tbl_ziele\nwhere\nziel_kategorie = :kategorie_id \norder by\nziel_id ; "_s, this)),
      qry_massnahmen(newQuery(ORG_DB, u"qry_massnahmen"_s,
                           u"select * from tbl_massnahmen\nwhere\nmas_kategorie = :kategorie_id \norder by\nmas_id ; "_s, this)),
      qry_standard_probleme(newQuery(DB, u"qry_standard_probleme"_s, u"select * from tbl_standard_probleme ;"_s, this)),
      qry_standard_ziele(newQuery(DB, u"qry_standard_ziele"_s,
                               u"select * from tbl_standard_ziele\nwhere\nstandardziele_problem_id  = :standardprob_problem_id ;"_s,
                               this)),
      qry_standard_massnahmen(newQuery(DB, u"qry_standard_massnahmen"_s,
                                    u"select * from tbl_standard_massnahmen \nwhere\nstandardmas_problem_id = :standardprob_problem_id ;"_s,
                                    this)),
      src_standard_probleme(new DataSource(qry_standard_probleme, this)),
      src_standard_ziele(new DataSource(qry_standard_ziele, this)),
      src_standard_massnahmen(new DataSource(qry_standard_massnahmen, this)),
      Label15(label(u"Label15"_s, u"Pflegemodell : "_s, this)),
      TypLabel(label(u"TypLabel"_s, QString(), this)),
      Label16(label(u"Label16"_s, u"Aktivität : "_s, this)),
      AktivitaetenGruppenCombo(combo(u"AktivitaetenGruppenCombo"_s, this)),
      Label21(label(u"Label21"_s, u"Kategorie : "_s, this)),
      KategorienCombo(combo(u"KategorienCombo"_s, this)),
      ProblemeCombo(formulierungen(u"ProblemeCombo"_s, qry_probleme, u"prob_id"_s, u"prob_bezeichnung"_s, this)),
      ProblemHinzufuegenBtn(button(u"ProblemHinzufuegenBtn"_s, u"Problem hinzufügen"_s, this)),
      ZieleCombo(formulierungen(u"ZieleCombo"_s, qry_ziele, u"ziel_id"_s, u"ziel_bezeichnung"_s, this)),
      ZielHinzufuegenBtn(button(u"ZielHinzufuegenBtn"_s, u"Ziel hinzufügen"_s, this)),
      MassnahmenCombo(formulierungen(u"MassnahmenCombo"_s, qry_massnahmen, u"mas_id"_s, u"mas_bezeichnung"_s, this)),
      MassnahmenHinzufuegenBtn(button(u"MassnahmenHinzufuegenBtn"_s, u"Maßnahmen hinzufügen"_s, this)),
      ProblemeGrid(grid(u"ProblemeGrid"_s, src_standard_probleme, this)),
      ZieleGrid(grid(u"ZieleGrid"_s, src_standard_ziele, this)),
      MassnahmenGrid(grid(u"MassnahmenGrid"_s, src_standard_massnahmen, this)),
      ProblemePopupMenu(popupMenu(ProblemeGrid, u"ProblemePopupMenu"_s)),
      ZielePopupMenu(popupMenu(ZieleGrid, u"ZielePopupMenu"_s)),
      MassnahmenPopupMenu(popupMenu(MassnahmenGrid, u"MassnahmenPopupMenu"_s)),
      ProblemAusListeEntfernenItem(menuItem(ProblemePopupMenu, u"ProblemAusListeEntfernenItem"_s,
                                            u"Problem aus Liste entfernen"_s)),
      ZielAusListeEntfernenItem(menuItem(ZielePopupMenu, u"ZielAusListeEntfernenItem"_s, u"Ziel aus Liste entfernen"_s)),
      MassnahmeAusListeEntfernenItem(menuItem(MassnahmenPopupMenu, u"MassnahmeAusListeEntfernenItem"_s,
                                              u"Maßnahme aus Liste entfernen"_s)),
      Button1(button(u"Button1"_s, u"Fenster schließen"_s, this))
{
    setObjectName(u"StandardZuordnungenForm"_s);
    setWindowTitle(u"Vandrel - Standardzuordnungen von Zielen und Maßnahmen zu Problemen"_s);
    resize(1259, 829);
    move(1, 75);

    abfragenAnlegen();
    steuerelementeAnlegen();
    layoutAnlegen();
    oeffnen();
}

TStandardZuordnungenForm::~TStandardZuordnungenForm()
{
    if (StandardZuordnungenForm == this)
        StandardZuordnungenForm = nullptr;
}

void TStandardZuordnungenForm::abfragenAnlegen()
{
    qry_kategorien->addMasterLink(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, u"aktivitaet_id"_s);
    for (Dataset *formulierungen : {qry_probleme, qry_ziele, qry_massnahmen})
        formulierungen->addMasterLink(qry_kategorien, u"kategorie_id"_s, u"kategorie_id"_s);
    for (Dataset *standards : {qry_standard_ziele, qry_standard_massnahmen})
        standards->addMasterLink(qry_standard_probleme, u"standardprob_problem_id"_s, u"standardprob_problem_id"_s);

    // Each list shows one column, the catalogue text behind its key.
    qry_standard_probleme->setFields({FieldDef(u"standardprob_problem_id"_s, u"Problem"_s, 100),
                                      FieldDef(u"standardprob_lfd_nr"_s, {}, 0, false)});
    qry_standard_ziele->setFields({FieldDef(u"standardziele_ziel_id"_s, u"Ziel"_s, 100),
                                   FieldDef(u"standardziele_lfd_nr"_s, {}, 0, false),
                                   FieldDef(u"standardziele_problem_id"_s, {}, 0, false)});
    qry_standard_massnahmen->setFields({FieldDef(u"standardmas_massnahme_id"_s, u"Maßnahme"_s, 100),
                                        FieldDef(u"standardmas_lfd_nr"_s, {}, 0, false),
                                        FieldDef(u"standardmas_problem_id"_s, {}, 0, false)});
    qry_standard_probleme->setGetText(u"standardprob_problem_id"_s,
                                      katalogText(DatenModul->search_problem, u"prob_bezeichnung"_s));
    qry_standard_ziele->setGetText(u"standardziele_ziel_id"_s, katalogText(DatenModul->search_ziel, u"ziel_bezeichnung"_s));
    qry_standard_massnahmen->setGetText(u"standardmas_massnahme_id"_s,
                                        katalogText(DatenModul->search_massnahme, u"mas_bezeichnung"_s));
}

void TStandardZuordnungenForm::steuerelementeAnlegen()
{
    AktivitaetenGruppenCombo->setList(qry_aktivitaeten_gruppen, u"aktivitaet_id"_s, {u"aktivitaet_bezeichnung"_s});
    KategorienCombo->setList(qry_kategorien, u"kategorie_id"_s, {u"kategorie_bezeichnung"_s});
    Label16->setBuddy(AktivitaetenGruppenCombo);
    Label21->setBuddy(KategorienCombo);
    TypLabel->setAccessibleName(Label15->text().chopped(3));
    QFont fett = TypLabel->font();
    fett.setBold(true);
    TypLabel->setFont(fett);
    TypLabel->setMinimumWidth(140);

    // The lists and pick lists are named by their column titles.
    for (auto [auswahl, liste] : {std::pair{ProblemeCombo, ProblemeGrid}, std::pair{ZieleCombo, ZieleGrid},
                                  std::pair{MassnahmenCombo, MassnahmenGrid}}) {
        const QString titel = liste->model()->headerData(0, Qt::Horizontal).toString();
        auswahl->setAccessibleName(titel);
        liste->setAccessibleName(titel);
    }

    connect(AktivitaetenGruppenCombo, &DbLookupCombo::closedUp, this,
            &TStandardZuordnungenForm::AktivitaetenGruppenComboCloseUp);
    connect(KategorienCombo, &DbLookupCombo::closedUp, this, &TStandardZuordnungenForm::KategorienComboCloseUp);
    connect(ProblemHinzufuegenBtn, &QPushButton::clicked, this, &TStandardZuordnungenForm::ProblemHinzufuegenBtnClick);
    connect(ZielHinzufuegenBtn, &QPushButton::clicked, this, &TStandardZuordnungenForm::ZielHinzufuegenBtnClick);
    connect(MassnahmenHinzufuegenBtn, &QPushButton::clicked, this,
            &TStandardZuordnungenForm::MassnahmenHinzufuegenBtnClick);
    connect(ProblemAusListeEntfernenItem, &QAction::triggered, this,
            &TStandardZuordnungenForm::ProblemAusListeEntfernenItemClick);
    connect(ZielAusListeEntfernenItem, &QAction::triggered, this,
            &TStandardZuordnungenForm::ZielAusListeEntfernenItemClick);
    connect(MassnahmeAusListeEntfernenItem, &QAction::triggered, this,
            &TStandardZuordnungenForm::MassnahmeAusListeEntfernenItemClick);
    connect(Button1, &QPushButton::clicked, this, &TStandardZuordnungenForm::Button1Click);
}

void TStandardZuordnungenForm::layoutAnlegen()
{
    auto *zeile1 = new QHBoxLayout;
    zeile1->addWidget(Label15);
    zeile1->addWidget(TypLabel);
    zeile1->addWidget(Label16);
    zeile1->addWidget(AktivitaetenGruppenCombo, 1);

    auto *zeile2 = new QHBoxLayout;
    Label21->setMinimumWidth(Label15->sizeHint().width() + TypLabel->minimumWidth() + zeile1->spacing());
    Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zeile2->addWidget(Label21);
    zeile2->addWidget(KategorienCombo, 1);

    // One column each for problems, goals and measures: the frame with the
    // pick list above the list of standards.
    auto *spalten = new QGridLayout;
    struct Spalte
    {
        QString rahmen;
        DbLookupCombo *combo;
        QPushButton *hinzufuegenBtn;
        DbGrid *liste;
    };
    const Spalte spaltenInhalt[] = {{u"Probleme : "_s, ProblemeCombo, ProblemHinzufuegenBtn, ProblemeGrid},
                                    {u" Ziele : "_s, ZieleCombo, ZielHinzufuegenBtn, ZieleGrid},
                                    {u" Maßnahmen : "_s, MassnahmenCombo, MassnahmenHinzufuegenBtn, MassnahmenGrid}};
    int nr = 0;
    QWidget *vorher = KategorienCombo;
    setTabOrder(AktivitaetenGruppenCombo, KategorienCombo);
    for (const Spalte &s : spaltenInhalt) {
        auto *rahmen = new QGroupBox(s.rahmen, this);
        auto *rahmenLayout = new QVBoxLayout(rahmen);
        rahmenLayout->addWidget(s.combo);
        rahmenLayout->addWidget(s.hinzufuegenBtn, 0, Qt::AlignLeft);
        spalten->addWidget(rahmen, 0, nr);
        spalten->addWidget(s.liste, 1, nr);
        spalten->setColumnStretch(nr, 1);
        ++nr;
        // Tab runs down each column, from the pick list to the list.
        for (QWidget *w : std::initializer_list<QWidget *>{s.combo, s.hinzufuegenBtn, s.liste}) {
            setTabOrder(vorher, w);
            vorher = w;
        }
    }
    spalten->setRowStretch(1, 1);
    setTabOrder(vorher, Button1);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(Button1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(zeile1);
    layout->addLayout(zeile2);
    layout->addLayout(spalten, 1);
    layout->addLayout(unten);
}

void TStandardZuordnungenForm::oeffnen()
{
    AktivitaetTyp = AktivitaetTypLesen();
    TypLabel->setText(AktivitaetTyp);

    qry_aktivitaeten_gruppen->close();
    qry_aktivitaeten_gruppen->setSql(AktivitaetenGruppenSql(AktivitaetTyp));
    qry_aktivitaeten_gruppen->open();
    aufErsteZeile(AktivitaetenGruppenCombo, qry_aktivitaeten_gruppen, u"aktivitaet_id"_s);

    qry_kategorien->open();
    aufErsteZeile(KategorienCombo, qry_kategorien, u"kategorie_id"_s);

    qry_probleme->open();
    qry_ziele->open();
    qry_massnahmen->open();
    formulierungenAufErsteZeile();

    qry_standard_probleme->open();
    qry_standard_ziele->open();
    qry_standard_massnahmen->open();
}

void TStandardZuordnungenForm::formulierungenAufErsteZeile()
{
    aufErsteZeile(ProblemeCombo, qry_probleme, u"prob_id"_s);
    aufErsteZeile(ZieleCombo, qry_ziele, u"ziel_id"_s);
    aufErsteZeile(MassnahmenCombo, qry_massnahmen, u"mas_id"_s);
}

void TStandardZuordnungenForm::AktivitaetenGruppenComboCloseUp()
{
    aufErsteZeile(KategorienCombo, qry_kategorien, u"kategorie_id"_s);
    formulierungenAufErsteZeile();
}

void TStandardZuordnungenForm::KategorienComboCloseUp()
{
    formulierungenAufErsteZeile();
}

bool TStandardZuordnungenForm::problemFehlt()
{
    if (qry_standard_probleme->currentRow() >= 0)
        return false;
    Messages::error(this, u"Es ist noch kein Problem in der Liste!\n\nBitte erst ein Problem hinzufügen und auswählen und erneut versuchen ..."_s);
    return true;
}

void TStandardZuordnungenForm::zuordnen(Dataset *standard, const QList<std::pair<QString, QVariant>> &werte,
                                        const QString &schonVorhanden)
{
    try {
        standard->append();
        for (const auto &[feld, wert] : werte)
            standard->setValue(feld, wert);
        standard->post();
    } catch (const Exception &e) {
        if (standard->state() == Dataset::State::Insert)
            standard->cancel();
        // The database's refusal of the row is what a duplicate looks like; a
        // file it cannot write to is told as it is.
        const bool abgelehnt = dynamic_cast<const DatabaseError *>(&e) && !dynamic_cast<const DatabaseAccessError *>(&e);
        Messages::error(this, abgelehnt ? schonVorhanden : e.message());
    }
}

void TStandardZuordnungenForm::ProblemHinzufuegenBtnClick()
{
    if (!hatAuswahl(ProblemeCombo)) {
        Messages::error(this, u"Es ist noch kein Problem zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Problemen auswählen und erneut versuchen ..."_s);
        return;
    }
    zuordnen(qry_standard_probleme, {{u"standardprob_problem_id"_s, ProblemeCombo->keyValue().toLongLong()}},
             u"Das ausgewählte Problem gibt es in der Liste schon!"_s);
}

void TStandardZuordnungenForm::ZielHinzufuegenBtnClick()
{
    if (!hatAuswahl(ZieleCombo)) {
        Messages::error(this, u"Es ist noch kein Ziel zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Zielen auswählen und erneut versuchen ..."_s);
        return;
    }
    if (problemFehlt())
        return;
    zuordnen(qry_standard_ziele,
             {{u"standardziele_problem_id"_s, qry_standard_probleme->asInteger(u"standardprob_problem_id"_s)},
              {u"standardziele_ziel_id"_s, ZieleCombo->keyValue().toLongLong()}},
             u"Das ausgewählte Ziel gibt es in der Liste schon!"_s);
}

void TStandardZuordnungenForm::MassnahmenHinzufuegenBtnClick()
{
    if (!hatAuswahl(MassnahmenCombo)) {
        Messages::error(this, u"Es ist noch keine Maßnahme zum Hinzufügen vorhanden!\n\nBitte erst eine Kategorie mit Maßnahmen auswählen und erneut versuchen ..."_s);
        return;
    }
    if (problemFehlt())
        return;
    zuordnen(qry_standard_massnahmen,
             {{u"standardmas_problem_id"_s, qry_standard_probleme->asInteger(u"standardprob_problem_id"_s)},
              {u"standardmas_massnahme_id"_s, MassnahmenCombo->keyValue().toLongLong()}},
             u"Die ausgewählte Maßnahme gibt es in der Liste schon!"_s);
}

void TStandardZuordnungenForm::entfernen(Dataset *standard)
{
    if (!standard->isOpen() || standard->isEmpty())
        return;
    try {
        standard->remove();
    } catch (const Exception &e) {
        Messages::error(this, e.message());
    }
}

void TStandardZuordnungenForm::ProblemAusListeEntfernenItemClick() { entfernen(qry_standard_probleme); }
void TStandardZuordnungenForm::ZielAusListeEntfernenItemClick() { entfernen(qry_standard_ziele); }
void TStandardZuordnungenForm::MassnahmeAusListeEntfernenItemClick() { entfernen(qry_standard_massnahmen); }

void TStandardZuordnungenForm::Button1Click()
{
    close();
}
