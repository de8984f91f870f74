#pragma once

#include "Eintragsarten.h"

#include <QString>

class Dataset;
class TKlientenVandrelForm;

// The changes of a client's care plan that the care-planning window offers:
// entries from the pick lists (a problem with its standard goals and
// measures), own formulations, removing and rewording entries. An operation
// that refuses returns the message to show and changes nothing; failures of
// the database while storing raise.
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
    void entfernen(Art art);
    // Rewords the catalogue formulation behind the selected entry in the
    // entry editor and rewrites the entry from it.
    QString textBearbeiten(Art art);

private:
    void eintragAnhaengen(Art art, qint64 katalogId, const QString &text);
    void standardsUebernehmen(Art art, Dataset *standards, const QString &spalte, qint64 problemId);
    QString klientFehlt() const;
    QString ersetzt(const QString &text) const;

    TKlientenVandrelForm &m_form;
};
