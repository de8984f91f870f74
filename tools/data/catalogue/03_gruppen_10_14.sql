-- Sich kleiden: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(101, 1, 10, 'An- und Auskleiden'),
(102, 2, 10, 'Kleidung auswählen und pflegen');
-- Sich kleiden: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1001, 101, '$ kann sich den Oberkörper nicht selbstständig ankleiden.'),
(1002, 101, '$ kann Schuhe und Strümpfe nicht allein anziehen.'),
(1003, 101, '$ zieht die Kleidung in falscher Reihenfolge an.'),
(1004, 102, '$ kann die Kleidung nicht der Tageszeit entsprechend auswählen.'),
(1005, 102, '$ achtet nicht auf verschmutzte Kleidung.'),
(1006, 102, '$ lehnt frische Kleidung ab.');
-- Sich kleiden: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1001, 101, '$ kann Knöpfe mit Zeit selbst schließen.'),
(1002, 101, '$ wählt die Kleidung gern selbst aus.'),
(1003, 101, '$ zieht Hosen im Sitzen selbst hoch.'),
(1004, 102, '$ legt Wert auf ein gepflegtes Äußeres.'),
(1005, 102, '$ hat Lieblingskleidungsstücke.'),
(1006, 102, 'Die Tochter kümmert sich um die Wäsche von $.');
-- Sich kleiden: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1001, 101, '$ kleidet sich mit Unterstützung vollständig an.'),
(1002, 101, '$ trägt saubere und passende Kleidung.'),
(1003, 101, '$ zieht den Oberkörper selbstständig an.'),
(1004, 102, '$ trägt täglich frische Kleidung.'),
(1005, 102, '$ wählt die Kleidung mit Hilfe selbst aus.'),
(1006, 102, '$ fühlt sich in der Kleidung wohl.');
-- Sich kleiden: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1001, 101, 'Kleidung in der richtigen Reihenfolge bereitlegen.'),
(1002, 101, 'Beim Anziehen von Schuhen und Strümpfen unterstützen, Anziehhilfe nutzen.'),
(1003, 101, 'Beim Ankleiden Zeit lassen und nur bei Bedarf helfen.'),
(1004, 102, 'Zwei passende Kleidungsstücke zur Auswahl anbieten.'),
(1005, 102, 'Verschmutzte Kleidung wechseln und in die Wäsche geben.'),
(1006, 102, 'Kleiderschrank wöchentlich mit $ ordnen.');
-- Sich kleiden: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1001, 10, 'Ziel erreicht: $ kleidet sich mit wenig Hilfe an.'),
(1002, 10, 'Ziel teilweise erreicht, die Unterstützung wird fortgeführt.'),
(1003, 10, 'Ziel nicht erreicht, der Unterstützungsbedarf wird neu eingeschätzt.');
-- Wach sein, ruhen und schlafen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(111, 1, 11, 'Schlaf'),
(112, 2, 11, 'Ruhe und Erholung');
-- Wach sein, ruhen und schlafen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1101, 111, '$ schläft abends schwer ein.'),
(1102, 111, '$ wacht nachts häufig auf und ist unruhig.'),
(1103, 111, '$ schläft tagsüber viel und ist nachts wach.'),
(1104, 112, '$ findet tagsüber keine Ruhephasen.'),
(1105, 112, '$ ist nach Anstrengung schnell erschöpft.'),
(1106, 112, '$ fühlt sich durch Lärm auf dem Wohnbereich gestört.');
-- Wach sein, ruhen und schlafen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1101, 111, '$ hat feste Einschlafgewohnheiten.'),
(1102, 111, '$ trinkt abends gern warme Milch.'),
(1103, 111, '$ geht gern zur gewohnten Zeit ins Bett.'),
(1104, 112, '$ zieht sich zur Erholung gern ins Zimmer zurück.'),
(1105, 112, '$ kann eigene Erschöpfung benennen.'),
(1106, 112, '$ entspannt bei leiser Musik.');
-- Wach sein, ruhen und schlafen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1101, 111, '$ schläft nachts mindestens sechs Stunden.'),
(1102, 111, '$ fühlt sich morgens ausgeruht.'),
(1103, 111, '$ hat einen geregelten Tag-Nacht-Rhythmus.'),
(1104, 112, '$ hat tägliche Ruhephasen nach Wunsch.'),
(1105, 112, '$ fühlt sich erholt.'),
(1106, 112, '$ erlebt die Umgebung als ruhig.');
-- Wach sein, ruhen und schlafen: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1101, 111, 'Abendritual nach den Gewohnheiten von $ einhalten.'),
(1102, 111, 'Nachts Licht gedämpft halten und Störungen vermeiden.'),
(1103, 111, 'Tagsüber Beschäftigung anbieten und lange Mittagsschlafphasen vermeiden.'),
(1104, 112, 'Ruhepause nach dem Mittagessen ermöglichen.'),
(1105, 112, 'Anstrengende Tätigkeiten über den Tag verteilen.'),
(1106, 112, 'Leise Musik nach Wunsch von $ anbieten.');
-- Wach sein, ruhen und schlafen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1101, 11, 'Ziel erreicht: $ schläft nachts ausreichend.'),
(1102, 11, 'Ziel teilweise erreicht, das Abendritual wird beibehalten.'),
(1103, 11, 'Ziel nicht erreicht, Schlafprotokoll wird geführt und mit dem Hausarzt besprochen.');
-- Sich beschäftigen, Raum und Zeit gestalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(121, 1, 12, 'Beschäftigung'),
(122, 2, 12, 'Orientierung in Zeit und Raum');
-- Sich beschäftigen, Raum und Zeit gestalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1201, 121, '$ langweilt sich und ist tagsüber antriebslos.'),
(1202, 121, '$ kann frühere Hobbys nicht mehr ausüben.'),
(1203, 121, '$ nimmt nicht an Gruppenangeboten teil.'),
(1204, 122, '$ ist zeitlich nicht orientiert.'),
(1205, 122, '$ findet das eigene Zimmer nicht.'),
(1206, 122, '$ verwechselt Tag und Nacht.');
-- Sich beschäftigen, Raum und Zeit gestalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1201, 121, '$ hört gern Volksmusik.'),
(1202, 121, '$ erzählt gern von früher.'),
(1203, 121, '$ hat Freude an Gartenarbeit.'),
(1204, 122, '$ erkennt das eigene Zimmer an Fotos an der Tür.'),
(1205, 122, '$ nutzt gern einen Kalender.'),
(1206, 122, '$ kennt die Namen der Bezugspflegekräfte.');
-- Sich beschäftigen, Raum und Zeit gestalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1201, 121, '$ nimmt mindestens zweimal wöchentlich an einem Angebot teil.'),
(1202, 121, '$ erlebt den Tag als sinnvoll gestaltet.'),
(1203, 121, '$ übt ein früheres Hobby in angepasster Form aus.'),
(1204, 122, '$ findet das eigene Zimmer selbstständig.'),
(1205, 122, '$ kennt Wochentag und Tageszeit.'),
(1206, 122, '$ fühlt sich sicher in der Umgebung.');
-- Sich beschäftigen, Raum und Zeit gestalten: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1201, 121, 'Wöchentlichen Beschäftigungsplan gemeinsam mit $ erstellen.'),
(1202, 121, 'Zur Singgruppe begleiten.'),
(1203, 121, 'Biografiegespräch führen und Interessen dokumentieren.'),
(1204, 122, 'Tageskalender und Uhr gut sichtbar im Zimmer anbringen.'),
(1205, 122, 'Zimmertür mit Foto und Namen kennzeichnen.'),
(1206, 122, 'Im Gespräch Datum und Tageszeit beiläufig nennen.');
-- Sich beschäftigen, Raum und Zeit gestalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1201, 12, 'Ziel erreicht: $ nimmt regelmäßig an Angeboten teil.'),
(1202, 12, 'Ziel teilweise erreicht, die Orientierungshilfen werden weiter genutzt.'),
(1203, 12, 'Ziel nicht erreicht, die Angebote werden an die Interessen von $ angepasst.');
-- Sich als Frau oder Mann fühlen und verhalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(131, 1, 13, 'Intimsphäre und Schamgefühl'),
(132, 2, 13, 'Äußeres Erscheinungsbild');
-- Sich als Frau oder Mann fühlen und verhalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1301, 131, '$ empfindet Scham bei der Intimpflege.'),
(1302, 131, '$ möchte nur von Pflegekräften des gleichen Geschlechts gepflegt werden.'),
(1303, 131, 'Die Intimsphäre von $ ist im Doppelzimmer eingeschränkt.'),
(1304, 132, '$ kann sich nicht mehr selbst schminken oder rasieren.'),
(1305, 132, '$ fühlt sich durch das veränderte Aussehen unsicher.'),
(1306, 132, '$ vermisst regelmäßige Friseurbesuche.');
-- Sich als Frau oder Mann fühlen und verhalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1301, 131, '$ äußert Wünsche zur Pflege deutlich.'),
(1302, 131, '$ übernimmt die Intimpflege teilweise selbst.'),
(1303, 131, '$ vertraut den Bezugspflegekräften.'),
(1304, 132, '$ legt Wert auf gepflegte Frisur und Kleidung.'),
(1305, 132, '$ freut sich über Komplimente.'),
(1306, 132, '$ trägt gern Schmuck.');
-- Sich als Frau oder Mann fühlen und verhalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1301, 131, 'Die Intimsphäre von $ wird gewahrt.'),
(1302, 131, '$ fühlt sich bei der Pflege respektiert.'),
(1303, 131, 'Der Wunsch nach gleichgeschlechtlicher Pflege wird berücksichtigt.'),
(1304, 132, '$ fühlt sich mit dem eigenen Aussehen wohl.'),
(1305, 132, '$ hat regelmäßig Friseurtermine.'),
(1306, 132, '$ ist täglich nach eigenen Wünschen zurechtgemacht.');
-- Sich als Frau oder Mann fühlen und verhalten: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1301, 131, 'Bei der Pflege Tür schließen und Sichtschutz verwenden.'),
(1302, 131, 'Pflege nach Möglichkeit durch eine Pflegekraft des gewünschten Geschlechts planen.'),
(1303, 131, 'Nur die zu waschenden Körperteile aufdecken.'),
(1304, 132, 'Beim Rasieren oder Schminken nach Wunsch unterstützen.'),
(1305, 132, 'Friseurtermin alle sechs Wochen vereinbaren.'),
(1306, 132, 'Schmuck nach Wunsch anlegen.');
-- Sich als Frau oder Mann fühlen und verhalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1301, 13, 'Ziel erreicht: $ fühlt sich bei der Pflege respektiert.'),
(1302, 13, 'Ziel teilweise erreicht, die Wünsche werden weiter berücksichtigt.'),
(1303, 13, 'Ziel nicht erreicht, Gespräch mit $ und den Angehörigen ist geplant.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(141, 1, 14, 'Sturzgefahr'),
(142, 2, 14, 'Medikamente und Sicherheit');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1401, 141, '$ ist durch Schwindel und Muskelschwäche sturzgefährdet.'),
(1402, 141, '$ steht nachts allein auf, ohne Hilfe zu rufen.'),
(1403, 141, '$ ist in den letzten drei Monaten zweimal gestürzt.'),
(1404, 142, '$ kann die Medikamente nicht selbstständig richten und einnehmen.'),
(1405, 142, '$ verweigert gelegentlich die Medikamenteneinnahme.'),
(1406, 142, '$ verlässt desorientiert den Wohnbereich.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1401, 141, '$ benutzt die Rufanlage zuverlässig.'),
(1402, 141, '$ trägt feste Hausschuhe.'),
(1403, 141, '$ ist über die Sturzgefahr informiert.'),
(1404, 142, '$ nimmt Medikamente mit Erinnerung ein.'),
(1405, 142, '$ kennt den Zweck der wichtigsten Medikamente.'),
(1406, 142, '$ lässt sich durch vertraute Personen beruhigen.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1401, 141, '$ erleidet keinen Sturz.'),
(1402, 141, '$ ruft nachts vor dem Aufstehen Hilfe.'),
(1403, 141, '$ bewegt sich sicher im Zimmer.'),
(1404, 142, '$ erhält die Medikamente wie verordnet.'),
(1405, 142, '$ nimmt die Medikamente vollständig ein.'),
(1406, 142, '$ verlässt den Wohnbereich nur in Begleitung.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Massnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1401, 141, 'Sturzrisiko monatlich einschätzen und dokumentieren.'),
(1402, 141, 'Nachtlicht einschalten und Rufanlage in Reichweite legen.'),
(1403, 141, 'Bett in niedrigste Position stellen und Stolperfallen entfernen.'),
(1404, 142, 'Medikamente nach ärztlicher Verordnung richten und die Einnahme beobachten.'),
(1405, 142, 'Bei Ablehnung später erneut anbieten und dokumentieren.'),
(1406, 142, 'Aufenthaltsort von $ stündlich prüfen und Angehörige über Hinlauftendenz informieren.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1401, 14, 'Ziel erreicht: $ ist im Berichtszeitraum nicht gestürzt.'),
(1402, 14, 'Ziel teilweise erreicht, die Sturzprophylaxe wird fortgeführt.'),
(1403, 14, 'Ziel nicht erreicht, Fallbesprechung ist geplant.');
