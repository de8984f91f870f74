-- Activity groups of daily living. One set serves all three care models: the
-- sort columns give a group's place in AEDL (13 groups), ATL (12 groups) and
-- the basic needs GBD (14 groups); 0 leaves a group out of that model.
INSERT INTO tbl_aktivitaeten_gruppen (aktivitaet_id, aktivitaet_bezeichnung, aktivitaet_aedl_sortierung, aktivitaet_atl_sortierung, aktivitaet_gbd_sortierung) VALUES
(1, 'Kommunizieren', 1, 10, 10),
(2, 'Sich bewegen', 2, 2, 4),
(3, 'Vitale Funktionen des Lebens aufrechterhalten', 3, 0, 0),
(4, 'Atmen', 0, 7, 1),
(5, 'Körpertemperatur regulieren', 0, 6, 7),
(6, 'Sich pflegen', 4, 0, 8),
(7, 'Sich waschen und kleiden', 0, 3, 0),
(8, 'Essen und trinken', 5, 4, 2),
(9, 'Ausscheiden', 6, 5, 3),
(10, 'Sich kleiden', 7, 0, 6),
(11, 'Wach sein, ruhen und schlafen', 8, 1, 5),
(12, 'Sich beschäftigen, Raum und Zeit gestalten', 9, 9, 13),
(13, 'Sich als Frau oder Mann fühlen und verhalten', 10, 11, 0),
(14, 'Für eine sichere Umgebung sorgen, sich sicher fühlen', 11, 8, 9),
(15, 'Soziale Bereiche des Lebens sichern', 12, 0, 0),
(16, 'Mit existenziellen Erfahrungen umgehen, Sinn finden', 13, 12, 11),
(17, 'Sinnvoll tätig sein', 0, 0, 12),
(18, 'Lernen, entdecken, Neugier befriedigen', 0, 0, 14);
