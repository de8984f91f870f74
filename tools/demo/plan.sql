-- Demo-Pflegeplanung für Frau Lindner, Herrn Brandt und Frau Öztürk
-- Frau Lindner, Sich pflegen: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(1, 1, 601, 6, 1, 'Frau Lindner kann die Körperpflege aufgrund eingeschränkter Beweglichkeit nicht selbstständig durchführen.'),
(2, 1, 605, 6, 2, 'Frau Lindner hat trockene, schuppige Haut mit Juckreiz.');
-- Frau Lindner, Sich pflegen: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(1, 1, 601, 6, 1, 'Frau Lindner kann Gesicht, Hände und Oberkörper selbstständig waschen.'),
(2, 1, 604, 6, 2, 'Frau Lindner meldet Juckreiz und Schmerzen an der Haut.');
-- Frau Lindner, Sich pflegen: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(1, 1, 602, 6, 1, 'Frau Lindner wäscht Gesicht, Hände und Oberkörper täglich selbstständig.'),
(2, 1, 601, 6, 2, 'Frau Lindner ist gepflegt und fühlt sich wohl.'),
(3, 1, 605, 6, 3, 'Frau Lindner hat eine geschmeidige, intakte Haut ohne Juckreiz.');
-- Frau Lindner, Sich pflegen: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(1, 1, 601, 6, 1, 'Unterstützung bei der Ganzkörperwäsche am Waschbecken täglich morgens, Frau Lindner wäscht Gesicht und Hände selbst.'),
(2, 1, 603, 6, 2, 'Pflegeutensilien in Reichweite bereitstellen und ausreichend Zeit für die Eigenaktivität einplanen.'),
(3, 1, 606, 6, 3, 'Haut nach dem Waschen mit rückfettender Wasser-in-Öl-Lotion eincremen, Waschwasser nicht zu heiß und ohne Zusätze verwenden.'),
(4, 1, 607, 6, 4, 'Hautzustand bei jeder Körperpflege beobachten, Veränderungen im Pflegebericht dokumentieren und an die Pflegefachkraft weitergeben.');
-- Frau Lindner, Sich pflegen: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(1, 1, 604, 6, 1, 'Hautzustand hat sich verbessert, Hautpflege wird fortgeführt und in vier Wochen erneut überprüft.');
-- Frau Lindner, Essen und trinken: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(3, 1, 803, 8, 1, 'Frau Lindner vergisst zu essen und lässt Mahlzeiten stehen.'),
(4, 1, 806, 8, 2, 'Frau Lindner verspürt kaum Durst und vergisst zu trinken.');
-- Frau Lindner, Essen und trinken: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(3, 1, 802, 8, 1, 'Frau Lindner äußert Vorlieben und Abneigungen bei Speisen.'),
(4, 1, 806, 8, 2, 'Frau Lindner nimmt Erinnerungen zum Trinken gut an.');
-- Frau Lindner, Essen und trinken: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(4, 1, 802, 8, 1, 'Frau Lindner isst die angebotenen Mahlzeiten mindestens zu drei Vierteln.'),
(5, 1, 805, 8, 2, 'Frau Lindner trinkt täglich mindestens 1,5 Liter.');
-- Frau Lindner, Essen und trinken: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(5, 1, 805, 8, 1, 'Zu den Mahlzeiten begleiten, an das Essen erinnern und zum Weiteressen ermutigen, Teller nicht vorzeitig abräumen.'),
(6, 1, 802, 8, 2, 'Ernährungsprotokoll über drei Tage führen und mit der Pflegefachkraft auswerten.'),
(7, 1, 807, 8, 3, 'Stündlich ein Getränk nach Wunsch anbieten und das Glas gut sichtbar in Reichweite stellen.'),
(8, 1, 806, 8, 4, 'Trinkprotokoll führen und Tagesbilanz in der Übergabe besprechen.');
-- Frau Lindner, Essen und trinken: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(2, 1, 801, 8, 1, 'Ziel erreicht: Frau Lindner trinkt täglich mindestens 1,5 Liter.'),
(3, 1, 803, 8, 2, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
-- Frau Lindner, Ausscheiden: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(5, 1, 901, 9, 1, 'Frau Lindner hat eine Dranginkontinenz und erreicht die Toilette nicht rechtzeitig.'),
(6, 1, 909, 9, 2, 'Frau Lindner benötigt Hilfe beim Wechsel der Inkontinenzmaterialien.');
-- Frau Lindner, Ausscheiden: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(5, 1, 901, 9, 1, 'Frau Lindner spürt den Harndrang und meldet sich.'),
(6, 1, 908, 9, 2, 'Frau Lindner akzeptiert Inkontinenzvorlagen tagsüber.');
-- Frau Lindner, Ausscheiden: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(6, 1, 901, 9, 1, 'Frau Lindner erreicht die Toilette rechtzeitig und bleibt tagsüber kontinent.'),
(7, 1, 909, 9, 2, 'Frau Lindner ist trocken versorgt, Kleidung und Bett bleiben sauber.');
-- Frau Lindner, Ausscheiden: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(9, 1, 901, 9, 1, 'Toilettengänge nach individuellem Ausscheidungsmuster alle zwei bis drei Stunden anbieten und begleiten.'),
(10, 1, 902, 9, 2, 'Miktionsprotokoll über 72 Stunden führen und mit der Pflegefachkraft auswerten.'),
(11, 1, 911, 9, 3, 'Inkontinenzmaterial nach Ausscheidungsmenge auswählen, tagsüber Vorlagen und nachts Pants, Wechsel bei Bedarf, mindestens viermal täglich.'),
(12, 1, 912, 9, 4, 'Wechsel diskret im Badezimmer bei geschlossener Tür durchführen und die Intimsphäre wahren.');
-- Frau Lindner, Ausscheiden: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(4, 1, 902, 9, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
-- Herr Brandt, Essen und trinken: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(7, 2, 809, 8, 1, 'Herr Brandt verschluckt sich häufig beim Trinken, Aspirationsgefahr.'),
(8, 2, 812, 8, 2, 'Herr Brandt behält Speisen lange im Mund und schluckt verzögert.');
-- Herr Brandt, Essen und trinken: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(7, 2, 807, 8, 1, 'Herr Brandt hustet bei Verschlucken kräftig ab.'),
(8, 2, 808, 8, 2, 'Herr Brandt kann beim Essen aufrecht am Tisch sitzen.');
-- Herr Brandt, Essen und trinken: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(8, 2, 809, 8, 1, 'Herr Brandt isst und trinkt ohne Verschlucken.'),
(9, 2, 812, 8, 2, 'Es tritt keine Aspirationspneumonie auf.');
-- Herr Brandt, Essen und trinken: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(13, 2, 811, 8, 1, 'Zu den Mahlzeiten aufrechte Sitzposition mit leicht nach vorn geneigtem Kopf herstellen, nach dem Essen 30 Minuten aufrecht sitzen lassen.'),
(14, 2, 812, 8, 2, 'Getränke nach logopädischer Empfehlung andicken und in kleinen Schlucken mit Teelöffel oder Becher anbieten.'),
(15, 2, 815, 8, 3, 'Nach dem Essen Mundpflege durchführen, Speisereste aus den Wangentaschen entfernen, Atmung und Husten beobachten.'),
(16, 2, 814, 8, 4, 'Essen in ruhiger Umgebung langsam anreichen, vor dem nächsten Bissen das Schlucken abwarten und die Mundhöhle kontrollieren.');
-- Herr Brandt, Essen und trinken: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(5, 2, 803, 8, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
-- Herr Brandt, Ausscheiden: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(9, 2, 904, 9, 1, 'Herr Brandt muss nachts mehrmals zur Toilette, Sturzgefahr auf dem Weg.'),
(10, 2, 912, 9, 2, 'Herr Brandt kann den Toilettengang nicht selbstständig durchführen, Hilfe beim Richten der Kleidung und bei der Intimreinigung.');
-- Herr Brandt, Ausscheiden: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(9, 2, 901, 9, 1, 'Herr Brandt spürt den Harndrang und meldet sich.'),
(10, 2, 909, 9, 2, 'Herr Brandt kann sich am Haltegriff neben der Toilette festhalten.');
-- Herr Brandt, Ausscheiden: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(10, 2, 902, 9, 1, 'Herr Brandt geht nachts sicher und ohne Sturz zur Toilette.'),
(11, 2, 912, 9, 2, 'Herr Brandt wird bei der Intimreinigung diskret unterstützt und fühlt sich sauber.');
-- Herr Brandt, Ausscheiden: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(17, 2, 904, 9, 1, 'Nachtlicht einschalten, Weg zur Toilette frei halten und Toilettenstuhl oder Urinflasche neben dem Bett bereitstellen.'),
(18, 2, 901, 9, 2, 'Toilettengänge nach individuellem Ausscheidungsmuster alle zwei bis drei Stunden anbieten und begleiten.'),
(19, 2, 914, 9, 3, 'Beim Toilettengang Kleidung richten und Intimreinigung von vorn nach hinten übernehmen, Herr Brandt hält sich am Haltegriff fest.'),
(20, 2, 912, 9, 4, 'Wechsel diskret im Badezimmer bei geschlossener Tür durchführen und die Intimsphäre wahren.');
-- Herr Brandt, Ausscheiden: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(6, 2, 902, 9, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
-- Frau Öztürk, Essen und trinken: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(11, 3, 801, 8, 1, 'Frau Öztürk isst zu wenig, Gewichtsabnahme von mehr als 5 % in drei Monaten.'),
(12, 3, 804, 8, 2, 'Frau Öztürk hat wenig Appetit und lehnt Mahlzeiten häufig ab.');
-- Frau Öztürk, Essen und trinken: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(11, 3, 802, 8, 1, 'Frau Öztürk äußert Vorlieben und Abneigungen bei Speisen.'),
(12, 3, 803, 8, 2, 'Frau Öztürk isst gern in Gesellschaft am gemeinsamen Tisch.');
-- Frau Öztürk, Essen und trinken: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(12, 3, 801, 8, 1, 'Frau Öztürk hält das Körpergewicht stabil, Kontrolle einmal monatlich.'),
(13, 3, 802, 8, 2, 'Frau Öztürk isst die angebotenen Mahlzeiten mindestens zu drei Vierteln.'),
(14, 3, 804, 8, 3, 'Frau Öztürk äußert Appetit und nimmt Zwischenmahlzeiten an.');
-- Frau Öztürk, Essen und trinken: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(21, 3, 801, 8, 1, 'Körpergewicht einmal monatlich morgens vor dem Frühstück wiegen und dokumentieren, bei weiterer Abnahme Hausarzt informieren.'),
(22, 3, 802, 8, 2, 'Ernährungsprotokoll über drei Tage führen und mit der Pflegefachkraft auswerten.'),
(23, 3, 803, 8, 3, 'Lieblingsspeisen erfragen, energiereiche Zwischenmahlzeiten am Vormittag, Nachmittag und Spätabend anbieten.'),
(24, 3, 805, 8, 4, 'Zu den Mahlzeiten begleiten, an das Essen erinnern und zum Weiteressen ermutigen, Teller nicht vorzeitig abräumen.');
-- Frau Öztürk, Essen und trinken: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(7, 3, 803, 8, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
-- Frau Öztürk, Ausscheiden: Probleme
INSERT INTO tbl_klienten_probleme (klientprob_lfd_nr, klientprob_klient_id, klientprob_problem_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) VALUES
(13, 3, 902, 9, 1, 'Frau Öztürk hat eine Belastungsinkontinenz beim Husten, Niesen und Aufstehen.'),
(14, 3, 910, 9, 2, 'Frau Öztürk schämt sich wegen der Inkontinenz und zieht sich zurück.');
-- Frau Öztürk, Ausscheiden: Ressourcen
INSERT INTO tbl_klienten_ressourcen (klientres_lfd_nr, klientres_klient_id, klientres_ressource_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos, klientres_ressource_bezeichnung) VALUES
(13, 3, 903, 9, 1, 'Frau Öztürk wechselt Vorlagen selbstständig.'),
(14, 3, 907, 9, 2, 'Frau Öztürk ist über die Ursachen der Inkontinenz und die Hilfsmittel informiert.');
-- Frau Öztürk, Ausscheiden: Ziele
INSERT INTO tbl_klienten_ziele (klientziele_lfd_nr, klientziele_klient_id, klientziele_ziel_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos, klientziele_ziel_bezeichnung) VALUES
(15, 3, 904, 9, 1, 'Frau Öztürk kennt Übungen des Beckenbodentrainings und wendet sie täglich an.'),
(16, 3, 910, 9, 2, 'Frau Öztürk spricht offen über die Inkontinenz und nimmt Hilfsmittel an.');
-- Frau Öztürk, Ausscheiden: Maßnahmen
INSERT INTO tbl_klienten_massnahmen (klientmas_lfd_nr, klientmas_klient_id, klientmas_massnahme_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos, klientmas_massnahme_bezeichnung) VALUES
(25, 3, 905, 9, 1, 'Zu Beckenbodenübungen anleiten und motivieren, Übungen mit der Physiotherapie abstimmen.'),
(26, 3, 902, 9, 2, 'Miktionsprotokoll über 72 Stunden führen und mit der Pflegefachkraft auswerten.'),
(27, 3, 913, 9, 3, 'Gespräch über Ursachen und Hilfsmittel anbieten, verschiedene Produkte zur Probe geben und Wünsche von Frau Öztürk berücksichtigen.'),
(28, 3, 912, 9, 4, 'Wechsel diskret im Badezimmer bei geschlossener Tür durchführen und die Intimsphäre wahren.');
-- Frau Öztürk, Ausscheiden: Evaluationen
INSERT INTO tbl_klienten_evaluationen (klienteval_lfd_nr, klienteval_klient_id, klienteval_eval_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos, klienteval_eval_bezeichnung) VALUES
(8, 3, 902, 9, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.');
