#pragma once

#include <QString>

#include <array>

// The names of the four kinds of care-plan entries: problem, resource, goal
// and measure. Every list, pick list and operation of the care-planning
// window exists once per kind.
struct EintragsArt
{
    QString bezeichnung;       // "Problem", ... as the window shows it
    QString mehrzahl;          // caption of the framed group
    QString klientQuery;       // query of the client's list
    QString klientSql;
    QString lfdNr, klientId, katalogId, gruppe, position, text;
    QString katalogQuery;      // query of the pick list
    QString katalogSql;
    QString katalogKey, katalogKategorie, katalogText;
    QString grid, combo, hinzufuegenBtn, hinzufuegenText, neuEdit, neuBtn;
    QString entfernenText, bearbeitenText;
    QString uebernommen;            // status line after adding, "Problem übernommen."
    QString entfernt;               // status line after removing
    QString textGeaendert;          // status line after rewording
    QString nichtsZumHinzufuegen;   // message when the pick list holds nothing
    QString schonVorhanden;         // message when the database refuses the entry
};

enum Art { Problem, Ressource, Ziel, Massnahme };

const std::array<EintragsArt, 4> &eintragsArten();
