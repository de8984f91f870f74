#pragma once

#include "Eintragsarten.h"

#include <QString>

#include <initializer_list>

class Dataset;
class TKlientenVandrelForm;

// The refusals that every window changing a client's plan gives alike.
namespace Planmeldungen {
QString keinKlient();
QString keineAktivitaet();
QString leererEintrag();
QString keinEintragZumBearbeiten();
} // namespace Planmeldungen

// The changes of a client's care plan that the care-planning window offers:
// entries from the pick lists (a problem with its standard goals and
// measures), own formulations, removing and rewording entries. Each operation
// writes all of its rows or none: it returns the message to show when it
// refuses or fails, and then the plan is as it was; after success it tells
// the window's status line what it did.
class PlanOperationen
{
public:
    explicit PlanOperationen(TKlientenVandrelForm &form);

    // The last position of the client's list of that kind plus 1, or 1.
    int naechstePosition(Art art) const;

    // Adds the entry selected in the kind's pick list; for a problem also its
    // standard goals and measures that the client's lists do not hold yet.
    QString hinzufuegen(Art art);
    // Adds the typed text to the catalogue of the selected category and to
    // the client's list; empties the field.
    QString eigeneFormulierung(Art art);
    // Deletes the selected entry of the client's list; nothing when it is empty.
    QString entfernen(Art art);
    // Rewords the catalogue formulation behind the selected entry in the
    // entry editor and rewrites the entry from it.
    QString textBearbeiten(Art art);

    // The refusal when no client is listed, or an empty text.
    QString klientFehlt() const;

private:
    // How many standards of a kind were added, and how many the list held already.
    struct Uebernahme
    {
        int neu = 0;
        int vorhanden = 0;
    };

    void eintragAnhaengen(Art art, qint64 katalogId, const QString &text);
    Uebernahme standardsUebernehmen(Art art, Dataset *standards, const QString &spalte, qint64 problemId);
    // Reads the lists again after a failed operation, so they show what the
    // database holds.
    void neuLesen(std::initializer_list<Dataset *> listen);
    QString gruppeFehlt() const;
    QString ersetzt(const QString &text) const;
    static QString problemMeldung(const Uebernahme &ziele, const Uebernahme &massnahmen);

    TKlientenVandrelForm &m_form;
};
