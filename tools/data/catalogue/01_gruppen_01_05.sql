-- Kommunizieren: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(11, 1, 1, 'Sprechen und Verstehen'),
(12, 2, 1, 'Sehen und Hören');
-- Kommunizieren: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(101, 11, '$ kann sich nach dem Schlaganfall sprachlich nur eingeschränkt äußern.'),
(102, 11, '$ versteht längere Sätze und Fragen nur schwer.'),
(103, 11, '$ spricht sehr leise und wird oft nicht verstanden.'),
(104, 12, '$ hört schlecht und trägt das Hörgerät nicht regelmäßig.'),
(105, 12, '$ sieht durch eine Makuladegeneration nur noch eingeschränkt.'),
(106, 12, '$ zieht sich wegen der Hörminderung aus Gesprächen zurück.');
-- Kommunizieren: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(101, 11, '$ kann mit Ja und Nein antworten.'),
(102, 11, '$ nutzt Gestik und Mimik, um sich mitzuteilen.'),
(103, 11, '$ hört aufmerksam zu, wenn langsam gesprochen wird.'),
(104, 12, '$ kann das Hörgerät mit Anleitung selbst einsetzen.'),
(105, 12, '$ erkennt Personen an der Stimme.'),
(106, 12, '$ trägt die Brille gern und regelmäßig.');
-- Kommunizieren: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(101, 11, '$ kann Wünsche und Bedürfnisse mitteilen.'),
(102, 11, 'Verständigung zwischen $ und den Pflegenden ist gesichert.'),
(103, 11, '$ fühlt sich verstanden und ernst genommen.'),
(104, 12, '$ trägt das Hörgerät tagsüber.'),
(105, 12, '$ findet sich mit den vorhandenen Sehhilfen im Alltag zurecht.'),
(106, 12, '$ nimmt an Gesprächen in der Gruppe teil.');
-- Kommunizieren: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(101, 11, 'In kurzen, einfachen Sätzen sprechen und geschlossene Fragen stellen.'),
(102, 11, 'Blickkontakt herstellen und $ ausreichend Zeit zum Antworten lassen.'),
(103, 11, 'Kommunikationstafel mit Bildern bereitlegen und gemeinsam nutzen.'),
(104, 12, 'Hörgerät morgens einsetzen, abends reinigen und Batterie wöchentlich prüfen.'),
(105, 12, 'Brille täglich reinigen und in Reichweite ablegen.'),
(106, 12, 'Von vorn und in Augenhöhe ansprechen, Hintergrundgeräusche vermeiden.');
-- Kommunizieren: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(101, 1, 'Ziel erreicht: $ kann Wünsche und Bedürfnisse verständlich mitteilen.'),
(102, 1, 'Ziel teilweise erreicht, die Kommunikationshilfen werden weiter genutzt.'),
(103, 1, 'Ziel nicht erreicht, Logopädie wird mit dem Hausarzt besprochen.');
-- Sich bewegen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(21, 1, 2, 'Gehen und Transfer'),
(22, 2, 2, 'Lagerung und Dekubitusprophylaxe');
-- Sich bewegen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(201, 21, '$ ist gangunsicher und sturzgefährdet.'),
(202, 21, '$ kann nicht selbstständig vom Bett in den Rollstuhl wechseln.'),
(203, 21, '$ kann nur kurze Strecken mit dem Rollator gehen.'),
(204, 22, '$ kann die Lage im Bett nicht selbstständig verändern.'),
(205, 22, '$ hat ein hohes Dekubitusrisiko nach Braden-Skala.'),
(206, 22, '$ neigt zu Kontrakturen in Knie- und Hüftgelenken.');
-- Sich bewegen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(201, 21, '$ kann mit Unterstützung einer Person stehen.'),
(202, 21, '$ benutzt den Rollator sicher.'),
(203, 21, '$ ist motiviert, täglich zu gehen.'),
(204, 22, '$ meldet sich, wenn Druck oder Schmerzen auftreten.'),
(205, 22, '$ unterstützt den Lagewechsel durch Mithilfe der Arme.'),
(206, 22, '$ akzeptiert die Weichlagerungsmatratze.');
-- Sich bewegen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(201, 21, '$ geht mit dem Rollator sicher über den Flur.'),
(202, 21, '$ wechselt mit Hilfe einer Person sicher in den Rollstuhl.'),
(203, 21, '$ erleidet keinen Sturz.'),
(204, 22, 'Die Haut von $ bleibt intakt, es entsteht kein Dekubitus.'),
(205, 22, 'Die Beweglichkeit der Gelenke bleibt erhalten.'),
(206, 22, '$ liegt bequem und schmerzfrei.');
-- Sich bewegen: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(201, 21, 'Täglich zweimal Gehübungen mit dem Rollator über den Flur begleiten.'),
(202, 21, 'Transfer vom Bett in den Rollstuhl mit einer Pflegekraft nach kinästhetischen Grundsätzen durchführen.'),
(203, 21, 'Festes Schuhwerk anziehen und den Weg von Stolperfallen freihalten.'),
(204, 22, 'Lagewechsel alle zwei Stunden nach Bewegungsplan durchführen und dokumentieren.'),
(205, 22, 'Haut an Kreuzbein und Fersen bei jedem Lagewechsel auf Rötungen prüfen.'),
(206, 22, 'Passive Bewegungsübungen der großen Gelenke täglich durchführen.');
-- Sich bewegen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(201, 2, 'Ziel erreicht: $ bewegt sich sicher mit dem Rollator.'),
(202, 2, 'Ziel teilweise erreicht, die Gehübungen werden fortgeführt.'),
(203, 2, 'Ziel nicht erreicht, Physiotherapie wird beim Hausarzt angeregt.');
-- Vitale Funktionen des Lebens aufrechterhalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(31, 1, 3, 'Kreislauf und Vitalzeichen'),
(32, 2, 3, 'Schmerz');
-- Vitale Funktionen des Lebens aufrechterhalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(301, 31, '$ hat einen schwankenden Blutdruck mit Schwindel beim Aufstehen.'),
(302, 31, '$ hat Wassereinlagerungen in beiden Beinen.'),
(303, 31, '$ vergisst die Einnahme der Herzmedikamente.'),
(304, 32, '$ hat chronische Schmerzen in den Kniegelenken.'),
(305, 32, '$ äußert Schmerzen nicht von sich aus.'),
(306, 32, '$ hat bei Bewegung Schmerzen im Rücken.');
-- Vitale Funktionen des Lebens aufrechterhalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(301, 31, '$ meldet Schwindel und Unwohlsein zuverlässig.'),
(302, 31, '$ kennt die eigenen Blutdruckwerte.'),
(303, 31, '$ trägt die Kompressionsstrümpfe ohne Widerstand.'),
(304, 32, '$ kann die Schmerzstärke auf einer Skala angeben.'),
(305, 32, '$ nimmt die Schmerzmedikamente zuverlässig ein.'),
(306, 32, 'Wärme lindert die Schmerzen von $.');
-- Vitale Funktionen des Lebens aufrechterhalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(301, 31, 'Der Blutdruck von $ liegt im ärztlich vorgegebenen Bereich.'),
(302, 31, '$ steht ohne Schwindel auf.'),
(303, 31, 'Die Ödeme an den Beinen gehen zurück.'),
(304, 32, '$ gibt eine Schmerzstärke von höchstens 3 auf der Skala an.'),
(305, 32, '$ kann sich trotz Schmerzen am Alltag beteiligen.'),
(306, 32, 'Schmerzen von $ werden frühzeitig erkannt.');
-- Vitale Funktionen des Lebens aufrechterhalten: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(301, 31, 'Blutdruck und Puls morgens und abends messen und dokumentieren.'),
(302, 31, 'Vor dem Aufstehen kurz auf der Bettkante sitzen lassen und begleiten.'),
(303, 31, 'Kompressionsstrümpfe morgens vor dem Aufstehen anziehen.'),
(304, 32, 'Schmerzeinschätzung täglich mit der Numerischen Rangskala durchführen und dokumentieren.'),
(305, 32, 'Bedarfsmedikation nach ärztlicher Anordnung anbieten und Wirkung nach 30 Minuten prüfen.'),
(306, 32, 'Wärmekissen nach Wunsch auf die schmerzende Stelle legen.');
-- Vitale Funktionen des Lebens aufrechterhalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(301, 3, 'Ziel erreicht: Die Vitalwerte von $ sind stabil.'),
(302, 3, 'Ziel teilweise erreicht, die Schmerzeinschätzung wird fortgeführt.'),
(303, 3, 'Ziel nicht erreicht, Rücksprache mit dem Hausarzt ist erfolgt.');
-- Atmen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(41, 1, 4, 'Atmung und Atemwege'),
(42, 2, 4, 'Sauerstoff und Inhalation');
-- Atmen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(401, 41, '$ hat bei Belastung Atemnot.'),
(402, 41, '$ kann Sekret nicht ausreichend abhusten.'),
(403, 41, '$ ist durch Bettlägerigkeit pneumoniegefährdet.'),
(404, 42, '$ benötigt eine Sauerstoffgabe nach ärztlicher Verordnung.'),
(405, 42, '$ kann das Inhalationsgerät nicht korrekt anwenden.'),
(406, 42, '$ hat durch die Sauerstoffgabe trockene Nasenschleimhäute.');
-- Atmen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(401, 41, '$ kann gezielt tief einatmen.'),
(402, 41, '$ setzt die Lippenbremse ein.'),
(403, 41, '$ sitzt gern aufrecht im Sessel.'),
(404, 42, '$ akzeptiert die Nasenbrille.'),
(405, 42, '$ erinnert selbst an die Inhalation.'),
(406, 42, '$ kennt die Warnzeichen einer Verschlechterung.');
-- Atmen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(401, 41, '$ atmet frei und ohne Anstrengung.'),
(402, 41, '$ kann Sekret selbstständig abhusten.'),
(403, 41, '$ entwickelt keine Pneumonie.'),
(404, 42, '$ erhält Sauerstoff wie verordnet.'),
(405, 42, '$ inhaliert korrekt nach Plan.'),
(406, 42, 'Die Nasenschleimhaut von $ bleibt feucht und intakt.');
-- Atmen: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(401, 41, 'Oberkörper erhöht lagern und für frische Luft im Zimmer sorgen.'),
(402, 41, 'Atemübungen mit Lippenbremse zweimal täglich anleiten.'),
(403, 41, 'Atemfrequenz und Sauerstoffsättigung nach ärztlicher Anordnung kontrollieren.'),
(404, 42, 'Sauerstoffgabe nach Verordnung einstellen und den Füllstand täglich prüfen.'),
(405, 42, 'Inhalation morgens und abends begleiten und das Gerät nach Herstellerangabe reinigen.'),
(406, 42, 'Nasenschleimhaut mit pflegender Salbe schützen.');
-- Atmen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(401, 4, 'Ziel erreicht: $ atmet frei und ohne Atemnot.'),
(402, 4, 'Ziel teilweise erreicht, die Atemübungen werden fortgeführt.'),
(403, 4, 'Ziel nicht erreicht, der Hausarzt wurde informiert.');
-- Körpertemperatur regulieren: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(51, 1, 5, 'Fieber und Wärmehaushalt'),
(52, 2, 5, 'Raumklima und Kleidung');
-- Körpertemperatur regulieren: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(501, 51, '$ hat wiederholt erhöhte Temperatur.'),
(502, 51, '$ friert schnell und hat kalte Hände und Füße.'),
(503, 51, '$ schwitzt nachts stark.'),
(504, 52, '$ kann die Raumtemperatur nicht selbst regulieren.'),
(505, 52, '$ wählt Kleidung, die nicht zur Witterung passt.'),
(506, 52, '$ ist bei Hitze gefährdet auszutrocknen.');
-- Körpertemperatur regulieren: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(501, 51, '$ meldet, wenn ihr oder ihm kalt oder warm ist.'),
(502, 51, '$ trinkt bei Fieber ausreichend.'),
(503, 51, '$ zieht sich bei Kälte eine Strickjacke an.'),
(504, 52, '$ kann sagen, ob das Zimmer zu warm ist.'),
(505, 52, '$ lässt sich bei der Kleiderwahl beraten.'),
(506, 52, '$ trinkt gern gekühlten Tee.');
-- Körpertemperatur regulieren: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(501, 51, 'Die Körpertemperatur von $ liegt im Normalbereich.'),
(502, 51, '$ fühlt sich warm und behaglich.'),
(503, 51, '$ schläft ohne starkes Schwitzen durch.'),
(504, 52, 'Das Raumklima ist für $ angenehm.'),
(505, 52, '$ trägt der Witterung angepasste Kleidung.'),
(506, 52, '$ übersteht Hitzeperioden ohne Kreislaufprobleme.');
-- Körpertemperatur regulieren: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(501, 51, 'Temperatur bei Verdacht auf Fieber messen und dokumentieren.'),
(502, 51, 'Kleidung und Bettdecke der Raumtemperatur anpassen.'),
(503, 51, 'Bei Fieber zusätzliche Getränke anbieten und den Hausarzt informieren.'),
(504, 52, 'Raumtemperatur täglich prüfen und Zimmer morgens lüften.'),
(505, 52, 'Bei der Kleiderwahl die Witterung besprechen.'),
(506, 52, 'An heißen Tagen stündlich Getränke anbieten und das Zimmer abdunkeln.');
-- Körpertemperatur regulieren: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(501, 5, 'Ziel erreicht: Die Körpertemperatur von $ ist normal.'),
(502, 5, 'Ziel teilweise erreicht, die Maßnahmen werden fortgeführt.'),
(503, 5, 'Ziel nicht erreicht, Rücksprache mit dem Hausarzt.');
