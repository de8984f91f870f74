#include "Planoperationen.h"

#include "Datenmodulfrm.h"
#include "Eintragbearbeitenfrm.h"
#include "Global.h"
#include "Klientenvandrelfrm.h"
#include "dataset.h"
#include "dblookupcombo.h"
#include "dialogs.h"
#include "exception.h"
#include "transaction.h"

#include <QLineEdit>
#include <QSet>

#include <optional>
#include <typeinfo>

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

// "1 Ziel", "2 Ziele"; after "mit" the plural reads "2 Zielen".
QString anzahl(int n, const QString &einzahl, const QString &mehrzahl)
{
    return QString::number(n) + u' ' + (n == 1 ? einzahl : mehrzahl);
}

// The message for a failed change of the plan. A row refused as a duplicate
// half-way through (another workstation was quicker) is said in German too.
QString fehlermeldung(const Exception &e)
{
    if (typeid(e) != typeid(DatabaseError))
        return e.message();
    return u"Die Datenbank hat einen Eintrag als doppelt abgelehnt; vielleicht hat ein anderer Arbeitsplatz ihn "
           "gerade hinzugefügt. Es wurde nichts gespeichert.\n\nMeldung der Datenbank: "_s + e.message();
}

QString aufzaehlung(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return a + b;
    return a + u" und "_s + b;
}

} // namespace

namespace Planmeldungen {

QString keinKlient()
{
    return u"Es ist kein Klient ausgewählt!\n\nBitte erst einen Klienten anzeigen und auswählen und erneut versuchen ..."_s;
}

QString keineAktivitaet()
{
    return u"Es ist keine Aktivität ausgewählt!\n\nBitte erst eine Aktivität auswählen und erneut versuchen ..."_s;
}

QString leererEintrag()
{
    return u"Ein leerer Eintrag kann NICHT zur Liste hinzugefügt werden !?!\n\nBitte korrigieren und erneut versuchen ..."_s;
}

QString keinEintragZumBearbeiten()
{
    return u"Die Liste enthält keinen Eintrag zum Bearbeiten!\n\nBitte erst einen Eintrag hinzufügen oder auswählen und erneut versuchen ..."_s;
}

} // namespace Planmeldungen

PlanOperationen::PlanOperationen(TKlientenVandrelForm &form) : m_form(form) {}

QString PlanOperationen::ersetzt(const QString &text) const
{
    return PlatzhalterErsetzen(text, m_form.PlatzHalterErsetzenMit, m_form.AnredeName());
}

QString PlanOperationen::klientFehlt() const
{
    if (m_form.qry_klienten->isOpen() && m_form.qry_klienten->currentRow() >= 0)
        return {};
    return Planmeldungen::keinKlient();
}

QString PlanOperationen::gruppeFehlt() const
{
    if (m_form.AktivitaetenGruppenCombo->keyValue().toLongLong() > 0)
        return {};
    return Planmeldungen::keineAktivitaet();
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

void PlanOperationen::neuLesen(std::initializer_list<Dataset *> listen)
{
    for (Dataset *liste : listen) {
        const int zeile = liste->currentRow();
        try {
            liste->reopen();
            liste->setCurrentRow(std::min(zeile, liste->recordCount() - 1));
        } catch (const Exception &) {
            // The failure that led here is what the user is told; a list that
            // cannot be read now stays empty until the next change of client.
        }
    }
}

QString PlanOperationen::hinzufuegen(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    if (!hatAuswahl(b.combo))
        return namen.nichtsZumHinzufuegen;
    if (const QString fehlt = klientFehlt(); !fehlt.isEmpty())
        return fehlt;
    if (const QString fehlt = gruppeFehlt(); !fehlt.isEmpty())
        return fehlt;

    const qint64 katalogId = b.combo->keyValue().toLongLong();
    Uebernahme ziele, massnahmen;
    try {
        // The problem and its standards are one change of the plan: a
        // failure half-way leaves none of them behind.
        Transaction transaktion(*b.klient->connection());
        eintragAnhaengen(art, katalogId, b.katalog->displayText(namen.katalogText));
        try {
            b.klient->post();
        } catch (const DatabaseAccessError &) {
            throw;
        } catch (const DatabaseError &) {
            b.klient->cancel();
            return namen.schonVorhanden;
        }
        if (art == Problem) {
            ziele = standardsUebernehmen(Ziel, m_form.qry_standard_ziele, u"standardziele_ziel_id"_s, katalogId);
            massnahmen = standardsUebernehmen(Massnahme, m_form.qry_standard_massnahmen,
                                              u"standardmas_massnahme_id"_s, katalogId);
        }
        transaktion.commit();
    } catch (const Exception &e) {
        neuLesen({b.klient, m_form.qry_klient_ziele, m_form.qry_klient_massnahmen});
        return fehlermeldung(e);
    }
    m_form.statusMelden(art == Problem ? problemMeldung(ziele, massnahmen) : namen.uebernommen);
    return {};
}

QString PlanOperationen::problemMeldung(const Uebernahme &ziele, const Uebernahme &massnahmen)
{
    QString meldung = eintragsArten()[Problem].uebernommen;
    const QString mit = aufzaehlung(ziele.neu ? anzahl(ziele.neu, u"Ziel"_s, u"Zielen"_s) : QString(),
                                    massnahmen.neu ? anzahl(massnahmen.neu, u"Maßnahme"_s, u"Maßnahmen"_s) : QString());
    if (!mit.isEmpty())
        meldung = u"Problem mit %1 übernommen."_s.arg(mit);
    const QString vorhanden = aufzaehlung(
        ziele.vorhanden ? anzahl(ziele.vorhanden, u"Ziel"_s, u"Ziele"_s) : QString(),
        massnahmen.vorhanden ? anzahl(massnahmen.vorhanden, u"Maßnahme"_s, u"Maßnahmen"_s) : QString());
    if (!vorhanden.isEmpty()) {
        meldung.chop(1);
        const bool einzeln = ziele.vorhanden + massnahmen.vorhanden == 1;
        meldung += u", %1 %2 schon vorhanden."_s.arg(vorhanden, einzeln ? u"war"_s : u"waren"_s);
    }
    return meldung;
}

PlanOperationen::Uebernahme PlanOperationen::standardsUebernehmen(Art art, Dataset *standards, const QString &spalte,
                                                                   qint64 problemId)
{
    const EintragsArt &namen = eintragsArten()[art];
    Dataset *liste = m_form.Bereiche[art].klient;
    Dataset *suche = katalogSuche(art);
    Uebernahme uebernahme;
    QSet<qint64> jetztHinzugefuegt;
    standards->close();
    standards->setParam(u"problem_id"_s, problemId);
    standards->open();
    for (standards->first(); !standards->atEnd(); standards->next()) {
        const qint64 id = standards->asInteger(spalte);
        // Each stored entry counts at once, so a standard named twice is added once.
        if (liste->findRow(namen.katalogId, id) >= 0) {
            // Only what the list held before counts as already there.
            if (!jetztHinzugefuegt.contains(id))
                ++uebernahme.vorhanden;
            continue;
        }
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
        jetztHinzugefuegt.insert(id);
        ++uebernahme.neu;
    }
    standards->close();
    return uebernahme;
}

QString PlanOperationen::eigeneFormulierung(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    const QString text = b.neuEdit->text();
    if (text.isEmpty())
        return Planmeldungen::leererEintrag();
    if (const QString fehlt = klientFehlt(); !fehlt.isEmpty())
        return fehlt;
    if (const QString fehlt = gruppeFehlt(); !fehlt.isEmpty())
        return fehlt;
    if (!hatAuswahl(m_form.KategorienCombo))
        return u"Es ist keine Kategorie ausgewählt!\n\nBitte erst eine Aktivität mit Kategorien und eine Kategorie auswählen und erneut versuchen ..."_s;

    const QVariant auswahlVorher = b.combo->keyValue();
    try {
        // The new formulation and the client's entry live in two databases;
        // both are written or neither. The catalogue commits first: should
        // the client's commit fail after it, the catalogue has merely gained
        // a formulation.
        Transaction katalog(*b.katalog->connection());
        Transaction plan(*b.klient->connection());
        b.katalog->append();
        b.katalog->setValue(namen.katalogKategorie, m_form.KategorienCombo->keyValue().toLongLong());
        b.katalog->setValue(namen.katalogText, text);
        b.katalog->post();
        const qint64 katalogId = b.katalog->asInteger(namen.katalogKey);
        b.combo->setKeyValue(katalogId);
        eintragAnhaengen(art, katalogId, b.katalog->displayText(namen.katalogText));
        b.klient->post();
        katalog.commit();
        plan.commit();
    } catch (const Exception &e) {
        neuLesen({b.katalog, b.klient});
        // The new formulation is gone again; the pick list shows what it showed.
        b.combo->setKeyValue(auswahlVorher);
        return fehlermeldung(e);
    }
    b.neuEdit->clear();
    m_form.statusMelden(u"Eigene Formulierung in den Katalog und in die Liste übernommen."_s);
    return {};
}

QString PlanOperationen::entfernen(Art art)
{
    Dataset *liste = m_form.Bereiche[art].klient;
    if (!liste->isOpen() || liste->isEmpty())
        return {};
    try {
        liste->remove();
    } catch (const Exception &e) {
        return e.message();
    }
    m_form.statusMelden(eintragsArten()[art].entfernt);
    return {};
}

QString PlanOperationen::textBearbeiten(Art art)
{
    const EintragsArt &namen = eintragsArten()[art];
    const TKlientenVandrelForm::Bereich &b = m_form.Bereiche[art];
    if (!b.klient->isOpen() || b.klient->currentRow() < 0)
        return Planmeldungen::keinEintragZumBearbeiten();

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
    try {
        // The catalogue text is written first: when it fails, the client's
        // entry stays as it was. Its commit comes first too, so the entry is
        // never worded from a catalogue text that was not stored.
        std::optional<Transaction> katalog;
        if (imKatalog) {
            katalog.emplace(*suche->connection());
            suche->edit();
            suche->setValue(namen.katalogText, eintrag);
            suche->post();
            eintrag = ersetzt(suche->asText(namen.katalogText));
        }
        Transaction plan(*b.klient->connection());
        b.klient->edit();
        b.klient->setValue(namen.text, eintrag);
        b.klient->post();
        if (katalog)
            katalog->commit();
        plan.commit();
    } catch (const Exception &e) {
        suche->close();
        neuLesen({b.klient});
        return fehlermeldung(e);
    }
    suche->close();

    b.katalog->reopen();
    if (!b.katalog->isEmpty())
        b.combo->setKeyValue(b.katalog->value(namen.katalogKey));
    m_form.statusMelden(namen.textGeaendert);
    return {};
}
