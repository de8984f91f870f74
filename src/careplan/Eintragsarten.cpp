#include "Eintragsarten.h"

using namespace Qt::StringLiterals;

const std::array<EintragsArt, 4> &eintragsArten()
{
    static const std::array<EintragsArt, 4> arten = {{
        {u"Problem"_s, u"Probleme : "_s, u"qry_klient_probleme"_s,
         u"select * from tbl_klienten_probleme\nwhere\nklientprob_klient_id = :klient_id and\nklientprob_aktivitaeten_gruppe = :aktivitaet\norder by\nklientprob_problem_pos"_s,
         u"klientprob_lfd_nr"_s, u"klientprob_klient_id"_s, u"klientprob_problem_id"_s,
         u"klientprob_aktivitaeten_gruppe"_s, u"klientprob_problem_pos"_s, u"klientprob_problem_bezeichnung"_s,
         u"qry_probleme"_s,
         u"select * from tbl_probleme\nwhere\nprob_kategorie = :kategorie_id\norder by\nprob_id ;"_s,
         u"prob_id"_s, u"prob_kategorie"_s, u"prob_bezeichnung"_s,
         u"ProblemeGrid"_s, u"ProblemeCombo"_s, u"ProblemHinzufuegenBtn"_s, u"Problem hinzufügen"_s,
         u"ProblemNeuEdit"_s, u"ProblemNeuBtn"_s,
         u"Problem aus Liste entfernen"_s, u"Problemtext bearbeiten"_s},
        {u"Ressource"_s, u" Ressourcen : "_s, u"qry_klient_ressourcen"_s,
         u"select * from tbl_klienten_ressourcen\nwhere\nklientres_klient_id = :klient_id and\nklientres_aktivitaeten_gruppe = :aktivitaet\norder by\nklientres_ressource_pos"_s,
         u"klientres_lfd_nr"_s, u"klientres_klient_id"_s, u"klientres_ressource_id"_s,
         u"klientres_aktivitaeten_gruppe"_s, u"klientres_ressource_pos"_s, u"klientres_ressource_bezeichnung"_s,
         u"qry_ressourcen"_s,
         u"select * from tbl_ressourcen\nwhere\nres_kategorie = :kategorie_id\norder by\nres_id ;"_s,
         u"res_id"_s, u"res_kategorie"_s, u"res_bezeichnung"_s,
         u"RessourcenGrid"_s, u"RessourcenCombo"_s, u"RessourceHinzufuegenBtn"_s, u"Ressource hinzufügen"_s,
         u"RessourceNeuEdit"_s, u"RessourceNeuBtn"_s,
         u"Ressource aus Liste entfernen"_s, u"Ressourcetext bearbeiten"_s},
        {u"Ziel"_s, u" Ziele : "_s, u"qry_klient_ziele"_s,
         u"select * from tbl_klienten_ziele\nwhere\nklientziele_klient_id = :klient_id and\nklientziele_aktivitaeten_gruppe = :aktivitaet\norder by\nklientziele_ziel_pos"_s,
         u"klientziele_lfd_nr"_s, u"klientziele_klient_id"_s, u"klientziele_ziel_id"_s,
         u"klientziele_aktivitaeten_gruppe"_s, u"klientziele_ziel_pos"_s, u"klientziele_ziel_bezeichnung"_s,
         u"qry_ziele"_s,
         u"select * from tbl_ziele\nwhere\nziel_kategorie = :kategorie_id\norder by\nziel_id ;"_s,
         u"ziel_id"_s, u"ziel_kategorie"_s, u"ziel_bezeichnung"_s,
         u"ZieleGrid"_s, u"ZieleCombo"_s, u"ZielHinzufuegenBtn"_s, u"Ziel hinzufügen"_s,
         u"ZielNeuEdit"_s, u"ZielNeuBtn"_s,
         u"Ziel aus Liste entfernen"_s, u"Zieltext bearbeiten"_s},
        {u"Maßnahme"_s, u" Maßnahmen : "_s, u"qry_klient_massnahmen"_s,
         u"select * from tbl_klienten_massnahmen\nwhere\nklientmas_klient_id = :klient_id and\nklientmas_aktivitaeten_gruppe = :aktivitaet\norder by\nklientmas_massnahme_pos"_s,
         u"klientmas_lfd_nr"_s, u"klientmas_klient_id"_s, u"klientmas_massnahme_id"_s,
         u"klientmas_aktivitaeten_gruppe"_s, u"klientmas_massnahme_pos"_s, u"klientmas_massnahme_bezeichnung"_s,
         u"qry_massnahmen"_s,
         u"select * from tbl_massnahmen\nwhere\nmas_kategorie = :kategorie_id\norder by\nmas_id ;"_s,
         u"mas_id"_s, u"mas_kategorie"_s, u"mas_bezeichnung"_s,
         u"MassnahmenGrid"_s, u"MassnahmenCombo"_s, u"MassnahmenHinzufuegenBtn"_s, u"Maßnahmen hinzufügen"_s,
         u"MassnahmeNeuEdit"_s, u"MassnahmeNeuBtn"_s,
         u"Maßnahme aus Liste entfernen"_s, u"Maßnahmentext bearbeiten"_s},
    }};
    return arten;
}
