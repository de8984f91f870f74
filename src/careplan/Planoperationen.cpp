#include "Planoperationen.h"

#include "Datenmodulfrm.h"
#include "Eintragbearbeitenfrm.h"
#include "Global.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dblookupcombo.h"
#include "dialogs.h"
#include "exception.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

Dataset *katalogSuche(Art art)
{
    switch (art) {
    case Problem:
        return DatenModul->search_problem;
    case Ressource:
        return DatenModul->search_ressource;
    case Ziel:
        return DatenModul->search_ziel;
    case Massnahme:
        return DatenModul->search_massnahme;
    }
    return nullptr;
}

// Whether a pick list holds an entry of the listed rows (a key left from
// another category shows no text).
bool hatAuswahl(const DbLookupCombo *combo)
{
    return combo->keyValue().toLongLong() > 0 && !combo->shownText().isEmpty();
}

} // namespace

PlanOperationen::PlanOperationen(TKlientenVandrelForm &form) : m_form(form) {}

QString PlanOperationen::ersetzt(const QString &text) const
{
    return PlatzhalterErsetzen(text, m_form.PlatzHalterErsetzenMit, m_form.AnredeName());
}

QString PlanOperationen::klientFehlt() const
{
    if (m_form.qry_klienten->isOpen() && m_form.qry_klienten->currentRow() >= 0)
        return {};
    return u"Es ist kein Klient ausgewählt!\n\nBitte erst einen Klienten anzeigen und auswählen und erneut versuchen ..."_s;
}

int PlanOperationen::naechstePosition(Art art) const
{
    const Dataset *liste = m_form.Bereiche[art].klient;
    if (liste->isEmpty())
        return 1;
    const int position = liste->fieldPosition(eintragsArten()[art].position);
    return int(liste->valueAt(liste->recordCount() - 1, position).toLongLong()) + 1;
}

void PlanOperationen::eintragAnhaengen(Art art, qint64 katalogId, const QString &text)
{
    const EintragsArt &namen = eintragsArten()[art];
    Dataset *liste = m_form.Bereiche[art].klient;
    const int position = naechstePosition(art);
    liste->append();
    liste->setValue(namen.klientId, m_form.qry_klienten->asInteger(u"klient_id"_s));
    liste->setValue(namen.katalogId, katalogId);
    liste->setValue(namen.text, text);
    liste->setValue(namen.position, position);
    liste->setValue(namen.gruppe, m_form.AktivitaetenGruppenCombo->keyValue().toLongLong());
}

QString PlanOperationen::hinzufuegen(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    if (!hatAuswahl(b.combo))
        return namen.nichtsZumHinzufuegen;
    if (const QString fehlt = klientFehlt(); !fehlt.isEmpty())
        return fehlt;

    const qint64 katalogId = b.combo->keyValue().toLongLong();
    eintragAnhaengen(art, katalogId, b.katalog->displayText(namen.katalogText));
    try {
        b.klient->post();
    } catch (const DatabaseError &) {
        b.klient->cancel();
        return namen.schonVorhanden;
    } catch (const Exception &e) {
        b.klient->cancel();
        return e.message();
    }
    if (art == Problem) {
        standardsUebernehmen(Ziel, m_form.qry_standard_ziele, u"standardziele_ziel_id"_s, katalogId);
        standardsUebernehmen(Massnahme, m_form.qry_standard_massnahmen, u"standardmas_massnahme_id"_s, katalogId);
    }
    return {};
}

void PlanOperationen::standardsUebernehmen(Art art, Dataset *standards, const QString &spalte, qint64 problemId)
{
    const EintragsArt &namen = eintragsArten()[art];
    Dataset *liste = m_form.Bereiche[art].klient;
    Dataset *suche = katalogSuche(art);
    standards->close();
    standards->setParam(u"problem_id"_s, problemId);
    standards->open();
    for (standards->first(); !standards->atEnd(); standards->next()) {
        const qint64 id = standards->asInteger(spalte);
        // Each stored entry counts at once, so a standard named twice is added once.
        if (liste->findRow(namen.katalogId, id) >= 0)
            continue;
        suche->close();
        suche->setParam(u"id"_s, id);
        suche->open();
        // A standard whose formulation is no longer in the catalogue adds nothing.
        if (suche->isEmpty()) {
            suche->close();
            continue;
        }
        const QString text = ersetzt(suche->asText(namen.katalogText));
        suche->close();
        eintragAnhaengen(art, id, text);
        liste->post();
    }
    standards->close();
}

QString PlanOperationen::eigeneFormulierung(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    const QString text = b.neuEdit->text();
    if (text.isEmpty())
        return u"Ein leerer Eintrag kann NICHT zur Liste hinzugefügt werden !?!\n\nBitte korrigieren und erneut versuchen ..."_s;
    if (const QString fehlt = klientFehlt(); !fehlt.isEmpty())
        return fehlt;
    if (!hatAuswahl(m_form.KategorienCombo))
        return u"Es ist keine Kategorie ausgewählt!\n\nBitte erst eine Aktivität mit Kategorien und eine Kategorie auswählen und erneut versuchen ..."_s;

    b.katalog->append();
    b.katalog->setValue(namen.katalogKategorie, m_form.KategorienCombo->keyValue().toLongLong());
    b.katalog->setValue(namen.katalogText, text);
    b.katalog->post();
    const qint64 katalogId = b.katalog->asInteger(namen.katalogKey);
    b.combo->setKeyValue(katalogId);

    eintragAnhaengen(art, katalogId, b.katalog->displayText(namen.katalogText));
    b.klient->post();
    b.neuEdit->clear();
    return {};
}

void PlanOperationen::entfernen(Art art)
{
    Dataset *liste = m_form.Bereiche[art].klient;
    if (liste->isOpen() && !liste->isEmpty())
        liste->remove();
}

QString PlanOperationen::textBearbeiten(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    if (!b.klient->isOpen() || b.klient->currentRow() < 0)
        return u"Die Liste enthält keinen Eintrag zum Bearbeiten!\n\nBitte erst einen Eintrag hinzufügen oder auswählen und erneut versuchen ..."_s;

    Dataset *suche = katalogSuche(art);
    suche->close();
    suche->setParam(u"id"_s, b.klient->asInteger(namen.katalogId));
    suche->open();
    // Without its catalogue formulation an entry keeps a text of its own,
    // which is edited alone.
    const bool imKatalog = !suche->isEmpty();
    TEintragBearbeitenForm *editor = EintragBearbeitenForm;
    editor->EintragEdit->setText(imKatalog ? suche->asText(namen.katalogText) : b.klient->asText(namen.text));
    if (Dialogs::exec(editor) != QDialog::Accepted) {
        suche->close();
        return {};
    }

    QString eintrag = editor->EintragEdit->text();
    if (imKatalog) {
        suche->edit();
        suche->setValue(namen.katalogText, eintrag);
        suche->post();
        eintrag = ersetzt(suche->asText(namen.katalogText));
    }
    suche->close();

    b.klient->edit();
    b.klient->setValue(namen.text, eintrag);
    b.klient->post();

    b.katalog->reopen();
    if (!b.katalog->isEmpty())
        b.combo->setKeyValue(b.katalog->value(namen.katalogKey));
    return {};
}
