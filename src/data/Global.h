#pragma once

#include <QString>

// Operations shared by the windows, on the queries of the data module.

// The care model ("AEDL", "ATL", "GBD" or any other stored text), or
// "NICHT angegeben !?!" when its parameter row is missing.
QString AktivitaetTypLesen();

// The statement that selects the activity groups of a care model: those the
// model numbers, in its order; every group when the model is none of "AEDL",
// "ATL" and "GBD".
QString AktivitaetenGruppenSql(const QString &aktivitaetTyp);

// What replaces "$" in catalogue texts ("$NAME" or a free text), or the empty
// text when its parameter row is missing.
QString PlatzHalterErsetzenMitLesen();

// Reads the organisation's address data from the first row of the
// organisation table. Raises Exception "Schwerwiegender Fehler, bitte bei
// Programm-Hersteller melden" when the table is empty; the outputs are then
// left as they were.
void OrgDatenLesen(QString &org_name, QString &org_strasse, QString &org_plz_ort,
                   QString &org_telefon_1, QString &org_telefon_2, QString &org_fax_1,
                   QString &org_fax_2, QString &org_email_1, QString &org_email_2,
                   QString &org_web_1, QString &org_web_2);

// Replaces every "$" of a catalogue text: by the client's salutation name
// (salutation, a blank, surname) when the setting is exactly "$NAME",
// otherwise by the setting itself. A replacement is inserted once; a "$" it
// holds stays as it is.
QString PlatzhalterErsetzen(const QString &text, const QString &setting, const QString &anredeName);
