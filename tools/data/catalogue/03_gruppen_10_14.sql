-- Sich kleiden: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(101, 1, 10, 'An- und Auskleiden'),
(102, 2, 10, 'Auswahl der Kleidung'),
(103, 3, 10, 'Schuhe, Strümpfe und Anziehhilfen');
-- Sich kleiden: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1001, 101, '$ kann den Oberkörper aufgrund eingeschränkter Beweglichkeit der Arme und Schultern nicht selbstständig an- und auskleiden.'),
(1002, 101, '$ kann Unterwäsche, Hose, Strümpfe und Schuhe wegen eingeschränkter Rumpfbeugung nicht selbstständig anziehen.'),
(1003, 101, '$ verwechselt die Reihenfolge der Kleidungsstücke und zieht Kleidung verkehrt herum an.'),
(1004, 101, 'Erhöhte Sturzgefahr beim An- und Auskleiden im Stehen durch Gleichgewichtsstörungen.'),
(1005, 102, '$ kann die Kleidung nicht mehr dem Wetter, der Raumtemperatur und dem Anlass entsprechend auswählen.'),
(1006, 102, '$ trägt verschmutzte Kleidung und lehnt den Wechsel der Kleidung ab.'),
(1007, 102, '$ kann sich aufgrund kognitiver Einschränkungen nicht zwischen mehreren Kleidungsstücken entscheiden.'),
(1008, 102, '$ fühlt sich in der eigenen Kleidung unwohl, da sie nach Gewichtsveränderung nicht mehr passt.'),
(1009, 103, '$ kann die ärztlich verordneten Kompressionsstrümpfe nicht selbstständig an- und ausziehen.'),
(1010, 103, '$ trägt ungeeignetes, nicht fest sitzendes Schuhwerk und ist dadurch sturzgefährdet.'),
(1011, 103, '$ kann wegen geschwollener Füße die eigenen Schuhe nicht mehr anziehen.'),
(1012, 103, 'Abhängigkeit von fremder Hilfe beim Anziehen, da der Umgang mit Anziehhilfen nicht bekannt ist.');
-- Sich kleiden: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1001, 101, '$ kann Knöpfe und Reißverschlüsse an der Vorderseite selbstständig schließen.'),
(1002, 101, '$ kann im Sitzen auf der Bettkante aktiv beim Ankleiden mitarbeiten.'),
(1003, 101, '$ kleidet sich mit verbaler Anleitung Schritt für Schritt selbst an.'),
(1004, 102, '$ legt Wert auf ein gepflegtes Äußeres und hat eigene Vorlieben bei Farben und Stil.'),
(1005, 102, '$ kann zwischen zwei angebotenen Kleidungsstücken wählen.'),
(1006, 102, 'Angehörige unterstützen bei der Beschaffung passender Kleidung.'),
(1007, 103, '$ kann mit einem Strumpfanzieher die Strümpfe selbstständig anziehen.'),
(1008, 103, '$ trägt die Kompressionsstrümpfe zuverlässig und kennt deren Nutzen.'),
(1009, 103, 'Motivation, den Umgang mit Anziehhilfen zu erlernen, ist vorhanden.');
-- Sich kleiden: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1001, 101, '$ kleidet den Oberkörper mit Unterstützung bei den Ärmeln selbstständig an.'),
(1002, 101, '$ ist morgens vollständig und der Witterung entsprechend angekleidet.'),
(1003, 101, '$ zieht die Kleidungsstücke mit Anleitung in der richtigen Reihenfolge an.'),
(1004, 101, '$ kleidet sich im Sitzen ohne Sturz an und aus.'),
(1005, 102, '$ trägt der Witterung und der Raumtemperatur angepasste Kleidung.'),
(1006, 102, '$ trägt täglich saubere Kleidung.'),
(1007, 102, '$ wählt die Kleidung aus einer kleinen Auswahl selbst aus.'),
(1008, 102, 'Gut sitzende, bequeme Kleidung ist vorhanden und wird gern getragen.'),
(1009, 103, '$ trägt die Kompressionsstrümpfe tagsüber faltenfrei und ohne Druckstellen.'),
(1010, 103, '$ trägt fest sitzende, geschlossene Schuhe mit rutschfester Sohle.'),
(1011, 103, 'Die Füße sind frei von Druckstellen durch das Schuhwerk.'),
(1012, 103, '$ benutzt Schuhlöffel, Strumpfanzieher und Greifzange selbstständig.');
-- Sich kleiden: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1001, 101, 'Unterstützung beim Ankleiden des Oberkörpers, beim Anziehen zuerst den bewegungseingeschränkten Arm, beim Ausziehen zuerst den beweglichen Arm.'),
(1002, 101, 'Unterwäsche, Hose, Strümpfe und Schuhe morgens im Sitzen anziehen, $ schließt Knöpfe und Reißverschluss selbst.'),
(1003, 101, 'Kleidungsstücke in der Reihenfolge des Anziehens bereitlegen und $ mit kurzen, einzelnen Handlungsschritten anleiten.'),
(1004, 101, 'An- und Auskleiden im Sitzen auf einem stabilen Stuhl mit Armlehnen durchführen, beim Hochziehen der Hose den Stand absichern.'),
(1005, 101, 'Ausreichend Zeit einplanen, $ zur Eigenaktivität ermutigen und nur die Handgriffe übernehmen, die $ nicht selbst ausführen kann.'),
(1006, 102, 'Morgens gemeinsam mit $ das Wetter und das Thermometer anschauen und die Kleidung entsprechend auswählen.'),
(1007, 102, 'Zwei passende Kleidungsstücke zur Auswahl anbieten und den Kleiderschrank übersichtlich und nach Jahreszeit sortiert halten.'),
(1008, 102, 'Kleidung täglich und bei Verschmutzung sofort wechseln, den Wechsel ruhig und ohne Zeitdruck anbieten und bei Ablehnung später erneut anbieten.'),
(1009, 102, 'Gewohnheiten und Vorlieben zur Kleidung (Farben, Schmuck, Hut, Krawatte, Halstuch) erfragen und in der Biografie festhalten.'),
(1010, 102, 'Passform der Kleidung monatlich überprüfen und Angehörige bei Bedarf um die Beschaffung passender Kleidung bitten.'),
(1011, 103, 'Kompressionsstrümpfe morgens vor dem Aufstehen im Liegen anziehen und abends ausziehen, dabei die Haut auf Druckstellen und Falten kontrollieren.'),
(1012, 103, 'Schuhwerk auf festen Sitz, Fersenhalt und rutschfeste Sohle prüfen und $ sowie Angehörige zu geeigneten Schuhen beraten.'),
(1013, 103, 'Bei geschwollenen Füßen weite, verstellbare Schuhe mit Klettverschluss anbieten und die Füße täglich auf Druckstellen kontrollieren.'),
(1014, 103, 'Umgang mit Strumpfanzieher, langem Schuhlöffel und Greifzange anleiten und täglich beim Ankleiden üben, bis $ sie sicher anwendet.'),
(1015, 103, 'Bei Bedarf Kontakt zum Sanitätshaus aufnehmen und die Versorgung mit Anziehhilfen für Strümpfe und Kompressionsstrümpfe veranlassen.');
-- Sich kleiden: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1001, 10, 'Ziel erreicht: $ kleidet sich mit geringer Unterstützung selbstständig an und aus.'),
(1002, 10, 'Ziel erreicht: $ trägt täglich saubere, der Witterung angepasste Kleidung.'),
(1003, 10, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1004, 10, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Wach sein, ruhen und schlafen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(111, 1, 11, 'Schlaf-Wach-Rhythmus'),
(112, 2, 11, 'Ein- und Durchschlafen'),
(113, 3, 11, 'Ruhe und Erholung');
-- Wach sein, ruhen und schlafen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1101, 111, '$ hat einen gestörten Schlaf-Wach-Rhythmus, ist nachts wach und schläft tagsüber viel.'),
(1102, 111, '$ ist nachts unruhig, steht häufig auf und läuft umher.'),
(1103, 111, '$ schläft tagsüber häufig im Sessel ein und nimmt dadurch kaum am Tagesgeschehen teil.'),
(1104, 111, 'Der gewohnte Schlafrhythmus stimmt nicht mit den festen Abläufen der Einrichtung überein.'),
(1105, 112, '$ hat Einschlafstörungen und liegt abends lange wach.'),
(1106, 112, '$ wacht nachts mehrmals auf und kann nicht wieder einschlafen.'),
(1107, 112, '$ kann aufgrund von Schmerzen nachts nicht durchschlafen.'),
(1108, 112, 'Gefahr von Gewöhnung, Benommenheit und nächtlichen Stürzen durch langfristige Einnahme von Schlafmitteln.'),
(1109, 113, '$ ist rasch erschöpft und benötigt tagsüber mehrere Ruhepausen.'),
(1110, 113, '$ findet wegen Lärm und Unruhe in der Umgebung keine ausreichenden Ruhephasen.'),
(1111, 113, '$ überschätzt die eigene Belastbarkeit und legt keine Pausen ein.'),
(1112, 113, '$ kann die Liegeposition im Bett nicht selbstständig verändern und findet keine entspannte Ruheposition.');
-- Wach sein, ruhen und schlafen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1101, 111, '$ kann die eigenen Schlafgewohnheiten und Rituale benennen.'),
(1102, 111, '$ nimmt gern an Aktivitäten am Vormittag teil.'),
(1103, 111, '$ findet nach nächtlichem Aufstehen mit Begleitung ins Bett zurück.'),
(1104, 112, '$ hat feste Einschlafrituale, zum Beispiel eine Tasse Tee oder Lesen.'),
(1105, 112, '$ äußert Schmerzen und bittet nachts um Unterstützung.'),
(1106, 112, 'Entspannende Angebote wie Atemübungen oder eine Einreibung werden angenommen.'),
(1107, 113, '$ erkennt eigene Zeichen der Erschöpfung und bittet um eine Pause.'),
(1108, 113, '$ hat einen bevorzugten, bequemen Ruheplatz im Zimmer.'),
(1109, 113, 'Entspannung gelingt bei Musik oder leiser Unterhaltung.');
-- Wach sein, ruhen und schlafen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1101, 111, '$ hat einen geregelten Tag-Nacht-Rhythmus und schläft nachts mindestens 6 Stunden.'),
(1102, 111, '$ ist nachts ruhig und verbringt die Nacht überwiegend im Bett.'),
(1103, 111, '$ ist tagsüber wach und nimmt an den Mahlzeiten und Angeboten teil.'),
(1104, 111, '$ geht zu den gewohnten Zeiten zu Bett und steht zu den gewohnten Zeiten auf.'),
(1105, 112, '$ schläft innerhalb von 30 Minuten nach dem Zubettgehen ein.'),
(1106, 112, '$ schläft nachts überwiegend durch und fühlt sich morgens ausgeruht.'),
(1107, 112, '$ gibt nachts Schmerzen von höchstens 3 auf einer Skala von 0 bis 10 an.'),
(1108, 112, 'Ausreichender Schlaf mit möglichst geringer Schlafmitteldosis und ohne nächtlichen Sturz.'),
(1109, 113, '$ hält tagsüber feste Ruhepausen ein und ist für Aktivitäten ausreichend belastbar.'),
(1110, 113, '$ hat täglich eine ungestörte Mittagsruhe.'),
(1111, 113, '$ verteilt Aktivitäten über den Tag und plant Pausen selbst ein.'),
(1112, 113, '$ liegt entspannt und bequem und äußert Wohlbefinden.');
-- Wach sein, ruhen und schlafen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1101, 111, 'Schlafprotokoll über 14 Tage führen (Zubettgehen, Wachphasen, Aufstehen, Tagschlaf) und mit der Pflegefachkraft auswerten.'),
(1102, 111, 'Tagesstruktur mit festen Zeiten für Aufstehen, Mahlzeiten und Aktivitäten anbieten und den Tagschlaf auf eine Mittagsruhe von höchstens einer Stunde begrenzen.'),
(1103, 111, 'Bei nächtlicher Unruhe ruhig ansprechen, nach Ursachen wie Harndrang, Hunger, Durst, Schmerzen oder Angst fragen und bei Bedarf ins Bett zurückbegleiten.'),
(1104, 111, 'Gewohnte Zeiten für Zubettgehen und Aufstehen erfragen und in der Ablaufplanung des Wohnbereichs berücksichtigen.'),
(1105, 111, 'Tagsüber für Aufenthalt bei Tageslicht sorgen, zum Beispiel Spaziergang oder Sitzen am Fenster am Vormittag.'),
(1106, 112, 'Einschlafrituale nach Wunsch ermöglichen, zum Beispiel warmes Getränk, Musik, Lesen oder beruhigende Rückeneinreibung am Abend.'),
(1107, 112, 'Schlafumgebung vorbereiten: Zimmer vor dem Zubettgehen lüften, Raumtemperatur um 18 Grad, Licht und Lärm reduzieren, Nachtlicht nach Wunsch.'),
(1108, 112, 'Schmerzen vor dem Zubettgehen und bei nächtlichem Erwachen erfragen, Bedarfsmedikation nach ärztlicher Anordnung verabreichen und die Wirkung nach 30 bis 60 Minuten kontrollieren.'),
(1109, 112, 'Nach Absprache mit $ am Abend auf koffeinhaltige Getränke und schwere Mahlzeiten verzichten.'),
(1110, 112, 'Einnahme, Wirkung und Nebenwirkungen von Schlafmitteln wie Benommenheit am Morgen beobachten, dokumentieren und regelmäßig mit dem behandelnden Arzt besprechen.'),
(1111, 113, 'Belastende Tätigkeiten wie Körperpflege und Therapien über den Tag verteilen und nach jeder Belastung eine Ruhepause von mindestens 15 Minuten ermöglichen.'),
(1112, 113, 'Mittagsruhe von 13 bis 14 Uhr ermöglichen, Tür schließen, Hinweisschild an der Tür anbringen und in dieser Zeit keine Pflegehandlungen einplanen.'),
(1113, 113, 'Gemeinsam mit $ einen Tagesplan mit Aktivitäten und festen Pausen erstellen und gut sichtbar aufhängen.'),
(1114, 113, 'Ruheposition nach Wunsch mit Kissen unterstützen, Lage mindestens alle 2 bis 3 Stunden oder nach Bedarf verändern und nach dem Wohlbefinden fragen.'),
(1115, 113, 'In Ruhephasen entspannende Angebote wie Lieblingsmusik, Handmassage oder Atemübungen anbieten.');
-- Wach sein, ruhen und schlafen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1101, 11, 'Ziel erreicht: $ schläft nachts durch und fühlt sich morgens ausgeruht.'),
(1102, 11, 'Ziel teilweise erreicht: $ schläft besser ein, wacht nachts jedoch weiterhin auf. Maßnahmen werden fortgeführt.'),
(1103, 11, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1104, 11, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Sich beschäftigen, Raum und Zeit gestalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(121, 1, 12, 'Tagesstruktur und Zeitgestaltung'),
(122, 2, 12, 'Beschäftigung und Interessen'),
(123, 3, 12, 'Wohnraum und persönliche Umgebung');
-- Sich beschäftigen, Raum und Zeit gestalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1201, 121, '$ kann den Tagesablauf nicht mehr selbstständig strukturieren.'),
(1202, 121, '$ langweilt sich und empfindet die Tage als lang und eintönig.'),
(1203, 121, '$ zieht sich zurück und verbringt den Tag überwiegend im Zimmer.'),
(1204, 121, 'Der Bezug zu Wochentagen, Feiertagen und Jahreszeiten ist verloren gegangen.'),
(1205, 122, '$ kann frühere Hobbys wie Handarbeiten oder Lesen wegen nachlassender Sehkraft und Fingerfertigkeit nicht mehr ausüben.'),
(1206, 122, '$ zeigt wenig Eigeninitiative und beschäftigt sich nicht selbstständig.'),
(1207, 122, '$ ist durch kognitive Einschränkungen in großen Gruppenangeboten überfordert und reagiert unruhig.'),
(1208, 122, 'Teilnahme an Angeboten außerhalb des Zimmers ist wegen Bettlägerigkeit nicht möglich.'),
(1209, 123, '$ fühlt sich nach dem Einzug im neuen Zimmer fremd und nicht zu Hause.'),
(1210, 123, '$ kann das Zimmer aufgrund eingeschränkter Mobilität nicht selbst gestalten und ordnen.'),
(1211, 123, '$ sammelt Gegenstände und verderbliche Lebensmittel im Zimmer.'),
(1212, 123, '$ kann Radio, Fernseher und Telefon nicht mehr selbstständig bedienen.');
-- Sich beschäftigen, Raum und Zeit gestalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1201, 121, '$ hält sich gern an feste Gewohnheiten im Tagesablauf.'),
(1202, 121, '$ nutzt Kalender und Uhr zur Orientierung.'),
(1203, 121, 'Angebote werden nach persönlicher Einladung angenommen.'),
(1204, 122, '$ hat Freude an Musik und singt bekannte Lieder mit.'),
(1205, 122, '$ erzählt gern über frühere Interessen und den Beruf.'),
(1206, 122, '$ übernimmt gern kleine Aufgaben wie Tischdecken oder Blumengießen.'),
(1207, 123, 'Persönliche Möbel, Fotos und Erinnerungsstücke sind vorhanden.'),
(1208, 123, '$ äußert Wünsche zur Einrichtung und Gestaltung des Zimmers.'),
(1209, 123, 'Angehörige sind bereit, bei der Gestaltung des Zimmers zu helfen.');
-- Sich beschäftigen, Raum und Zeit gestalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1201, 121, '$ hat eine feste Tagesstruktur und findet sich darin zurecht.'),
(1202, 121, '$ äußert Zufriedenheit mit der Gestaltung des Tages.'),
(1203, 121, '$ verlässt mindestens einmal täglich das Zimmer und hält sich in den Gemeinschaftsräumen auf.'),
(1204, 121, '$ benennt den aktuellen Wochentag und die Jahreszeit.'),
(1205, 122, '$ übt mindestens dreimal wöchentlich eine den Fähigkeiten angepasste Beschäftigung aus.'),
(1206, 122, '$ beschäftigt sich nach Anregung täglich mindestens 30 Minuten selbstständig.'),
(1207, 122, '$ nimmt an Einzel- oder Kleingruppenangeboten teil und wirkt dabei entspannt.'),
(1208, 122, 'Beschäftigungsangebote im Zimmer finden regelmäßig statt und werden angenommen.'),
(1209, 123, '$ fühlt sich im eigenen Zimmer wohl und zu Hause.'),
(1210, 123, 'Das Zimmer ist nach den Wünschen von $ eingerichtet und geordnet.'),
(1211, 123, 'Im Zimmer werden keine verdorbenen Lebensmittel aufbewahrt.'),
(1212, 123, '$ bedient Radio, Fernseher und Telefon mit vereinfachter Technik selbstständig.');
-- Sich beschäftigen, Raum und Zeit gestalten: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1201, 121, 'Gemeinsam mit $ einen Wochenplan mit festen Zeiten für Mahlzeiten, Pflege und Angebote erstellen und im Zimmer gut sichtbar aufhängen.'),
(1202, 121, 'Täglich persönlich zu mindestens einem Gruppenangebot einladen und bei Bedarf dorthin begleiten.'),
(1203, 121, 'Gründe für den Rückzug behutsam erfragen und dreimal wöchentlich ein Einzelgespräch von mindestens 15 Minuten anbieten.'),
(1204, 121, 'Großen Kalender und gut lesbare Uhr im Blickfeld anbringen und Datum, Jahreszeit und anstehende Feste täglich im Gespräch aufgreifen.'),
(1205, 121, 'Jahreszeitliche Dekoration und Feste wie Ostern, Erntedank oder Advent gemeinsam mit $ vorbereiten.'),
(1206, 122, 'Interessen, Hobbys und frühere Tätigkeiten mit $ und den Angehörigen erheben und im Biografiebogen festhalten.'),
(1207, 122, 'Hilfsmittel für Hobbys bereitstellen, zum Beispiel Bücher in Großdruck, Hörbücher, Lupe oder dicke Wolle und Stricknadeln.'),
(1208, 122, 'Kleine alltagsnahe Aufgaben nach Wunsch übertragen, zum Beispiel Wäsche falten, Tisch decken oder Blumen gießen, und Anerkennung aussprechen.'),
(1209, 122, 'Angebote in Kleingruppen von höchstens 4 Personen oder als Einzelbetreuung in ruhiger Umgebung planen und die Dauer an die Konzentrationsfähigkeit anpassen.'),
(1210, 122, 'Zweimal wöchentlich Einzelbetreuung im Zimmer anbieten, zum Beispiel Vorlesen, Musik hören, Fotos anschauen oder basale Stimulation.'),
(1211, 123, 'Mit $ und den Angehörigen das Zimmer mit eigenen Möbeln, Fotos und Erinnerungsstücken gestalten und Lieblingsgegenstände in Sichtweite platzieren.'),
(1212, 123, 'Ordnung im Zimmer nach den Vorstellungen von $ herstellen und Gegenstände immer an denselben Platz zurücklegen.'),
(1213, 123, 'Schrank und Nachttisch einmal täglich gemeinsam mit $ auf verderbliche Lebensmittel durchsehen, respektvoll vorgehen und Tauschangebote machen.'),
(1214, 123, 'Bedienung von Fernseher, Radio und Telefon mit vereinfachten Geräten oder Seniorenfernbedienung üben und wichtige Tasten farbig markieren.'),
(1215, 123, 'Wünsche zu Raumtemperatur, Licht, Vorhängen und Geräuschen im Zimmer erfragen und berücksichtigen.');
-- Sich beschäftigen, Raum und Zeit gestalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1201, 12, 'Ziel erreicht: $ nimmt regelmäßig an Angeboten teil und äußert Zufriedenheit mit dem Tagesablauf.'),
(1202, 12, 'Ziel erreicht: $ fühlt sich im eigenen Zimmer wohl.'),
(1203, 12, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1204, 12, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Sich als Frau oder Mann fühlen und verhalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(131, 1, 13, 'Selbstbild und Erscheinungsbild'),
(132, 2, 13, 'Intimsphäre und Schamgefühl'),
(133, 3, 13, 'Sexualität und Partnerschaft');
-- Sich als Frau oder Mann fühlen und verhalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1301, 131, '$ fühlt sich durch die Pflegebedürftigkeit im Selbstverständnis als Frau oder Mann beeinträchtigt.'),
(1302, 131, '$ kann gewohnte Rituale wie Rasur, Schminken oder Frisieren nicht mehr selbstständig ausführen.'),
(1303, 131, '$ leidet unter Veränderungen des Körperbildes, zum Beispiel nach Brustentfernung, Anlage eines Stomas oder durch Haarausfall.'),
(1304, 131, 'Gewohnte Rollen und Aufgaben, zum Beispiel für andere zu sorgen oder Entscheidungen zu treffen, können nicht mehr ausgefüllt werden.'),
(1305, 132, '$ empfindet bei der Intimpflege starke Scham.'),
(1306, 132, '$ wünscht die Intimpflege ausschließlich durch Pflegepersonen des gleichen Geschlechts.'),
(1307, 132, 'Die Intimsphäre ist im Doppelzimmer eingeschränkt.'),
(1308, 132, '$ entblößt sich in Gemeinschaftsräumen und kann die eigene Intimsphäre aufgrund kognitiver Einschränkungen nicht mehr wahren.'),
(1309, 133, '$ leidet unter der räumlichen Trennung von der Partnerin oder dem Partner.'),
(1310, 133, '$ hat ein unerfülltes Bedürfnis nach Nähe, Berührung und Zärtlichkeit.'),
(1311, 133, '$ zeigt sexuell enthemmtes Verhalten gegenüber Pflegenden und Mitbewohnern.'),
(1312, 133, 'Verunsicherung durch krankheits- oder medikamentenbedingte Veränderungen der Sexualität.');
-- Sich als Frau oder Mann fühlen und verhalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1301, 131, '$ legt Wert auf ein gepflegtes, der eigenen Persönlichkeit entsprechendes Aussehen.'),
(1302, 131, '$ äußert Wünsche zu Frisur, Kosmetik, Schmuck und Rasur.'),
(1303, 131, '$ spricht offen über Veränderungen des eigenen Körpers.'),
(1304, 132, '$ sagt klar, von welchen Pflegepersonen die Intimpflege übernommen werden soll.'),
(1305, 132, '$ führt die Intimpflege mit Anleitung teilweise selbst durch.'),
(1306, 132, 'Ruhige, erklärende Ansprache wirkt entspannend.'),
(1307, 133, '$ hat eine vertrauensvolle Beziehung zur Partnerin oder zum Partner.'),
(1308, 133, '$ kann Bedürfnisse nach Nähe und Berührung mitteilen.'),
(1309, 133, 'Bei enthemmtem Verhalten gelingt Ablenkung durch ruhige, klare Ansprache.');
-- Sich als Frau oder Mann fühlen und verhalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1301, 131, '$ äußert, sich als Frau oder Mann angenommen und respektiert zu fühlen.'),
(1302, 131, '$ ist nach eigenen Vorstellungen rasiert, frisiert oder geschminkt.'),
(1303, 131, '$ spricht über das veränderte Körperbild und äußert zunehmende Akzeptanz.'),
(1304, 131, '$ übernimmt Aufgaben, die dem eigenen Rollenverständnis entsprechen.'),
(1305, 132, '$ äußert, sich bei der Intimpflege respektiert zu fühlen.'),
(1306, 132, '$ wird bei der Intimpflege nach eigenem Wunsch von Pflegepersonen des gleichen Geschlechts versorgt.'),
(1307, 132, 'Die Intimsphäre ist bei allen Pflegehandlungen gewahrt.'),
(1308, 132, '$ ist in den Gemeinschaftsräumen angemessen bekleidet.'),
(1309, 133, '$ hat regelmäßig ungestörte Zeit mit der Partnerin oder dem Partner.'),
(1310, 133, '$ erlebt Nähe und Berührung in angemessener Form und wirkt ausgeglichen.'),
(1311, 133, 'Grenzüberschreitendes Verhalten tritt seltener auf, Pflegende und Mitbewohner fühlen sich sicher.'),
(1312, 133, '$ kann über Sorgen zur Sexualität sprechen und kennt Ansprechpartner.');
-- Sich als Frau oder Mann fühlen und verhalten: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1301, 131, 'Tägliche Rasur nach der Gewohnheit von $ übernehmen oder unterstützen, bevorzugt mit eigenem Rasierer und Rasierwasser.'),
(1302, 131, 'Beim Frisieren, Schminken und Anlegen von Schmuck nach den Wünschen von $ unterstützen und regelmäßige Termine für Friseur und Fußpflege vereinbaren.'),
(1303, 131, 'Gesprächsbereitschaft zu Veränderungen des Körperbildes zeigen, Gefühle ernst nehmen und bei Bedarf Kontakt zu Selbsthilfegruppen oder Beratungsstellen vermitteln.'),
(1304, 131, 'Aufgaben entsprechend Biografie und Rollenverständnis anbieten, zum Beispiel kleine Reparaturen, Handarbeiten, Kochen oder Gartenarbeit.'),
(1305, 131, 'Gewohnheiten zu Aussehen, Körperpflege und Rollenverständnis erfragen, in der Biografie festhalten und bei allen Pflegehandlungen berücksichtigen.'),
(1306, 132, 'Bei der Intimpflege Tür schließen, Sichtschutz aufstellen, nicht gewaschene Körperteile mit einem Handtuch bedecken und vor dem Betreten des Zimmers anklopfen.'),
(1307, 132, 'Wunsch nach gleichgeschlechtlicher Pflege in der Pflegeplanung vermerken und bei der Dienst- und Tourenplanung berücksichtigen.'),
(1308, 132, '$ die Intimpflege so weit wie möglich selbst durchführen lassen, den Waschlappen anreichen und nur bei Bedarf unterstützen.'),
(1309, 132, 'Jeden Pflegeschritt vorher ankündigen und erklären, die Zustimmung von $ einholen und eine sachliche Sprache verwenden.'),
(1310, 132, 'Bei Entblößen ruhig und ohne Vorwurf reagieren, $ in einen geschützten Raum begleiten und Ursachen wie Harndrang, Wärme oder drückende Kleidung prüfen.'),
(1311, 133, 'Ungestörte Besuchszeiten mit der Partnerin oder dem Partner ermöglichen, Hinweisschild an der Tür anbringen und das Zimmer nicht unangekündigt betreten.'),
(1312, 133, 'Körperkontakt nach Wunsch anbieten, zum Beispiel Handmassage, Halten der Hand oder Umarmung durch Angehörige, und die Reaktionen beobachten.'),
(1313, 133, 'Bei enthemmtem Verhalten ruhig und klar Grenzen setzen, die Situation ohne Bloßstellung beenden, ablenken und das Vorkommnis sachlich dokumentieren.'),
(1314, 133, 'Auslöser für enthemmtes Verhalten in einer Fallbesprechung analysieren und eine ärztliche Abklärung, zum Beispiel von Nebenwirkungen der Medikamente, anregen.'),
(1315, 133, 'Gespräch zu Sexualität und Partnerschaft in geschütztem Rahmen anbieten und bei Bedarf ärztliche oder psychologische Beratung vermitteln.');
-- Sich als Frau oder Mann fühlen und verhalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1301, 13, 'Ziel erreicht: $ fühlt sich respektiert, die Intimsphäre ist gewahrt.'),
(1302, 13, 'Ziel erreicht: $ ist nach eigenen Vorstellungen gepflegt und äußert Wohlbefinden.'),
(1303, 13, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1304, 13, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(141, 1, 14, 'Sturzgefahr'),
(142, 2, 14, 'Orientierung und Weglauftendenz'),
(143, 3, 14, 'Sicherheit bei der Medikamenteneinnahme');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1401, 141, '$ ist aufgrund von Gangunsicherheit und Gleichgewichtsstörungen sturzgefährdet.'),
(1402, 141, '$ ist in den letzten 12 Monaten mehrfach gestürzt und hat Angst vor erneuten Stürzen.'),
(1403, 141, 'Erhöhte Sturzgefahr durch Medikamente mit beruhigender oder blutdrucksenkender Wirkung.'),
(1404, 141, '$ steht nachts ohne Hilfe auf und schätzt die eigenen Fähigkeiten falsch ein.'),
(1405, 142, '$ ist zeitlich, örtlich und situativ desorientiert und findet sich in der Umgebung nicht zurecht.'),
(1406, 142, '$ verlässt unbemerkt die Einrichtung oder Wohnung und findet nicht allein zurück.'),
(1407, 142, '$ erkennt Gefahren wie heiße Getränke, Herdplatten oder Reinigungsmittel nicht.'),
(1408, 142, 'Unsicherheit und Angst in fremder oder unübersichtlicher Umgebung.'),
(1409, 143, '$ kann die Medikamente nicht selbstständig richten.'),
(1410, 143, '$ vergisst die Einnahme der Medikamente oder nimmt sie doppelt ein.'),
(1411, 143, 'Erhöhtes Risiko für Neben- und Wechselwirkungen durch die Einnahme von mehr als fünf Medikamenten täglich.'),
(1412, 143, '$ kann Tabletten und Kapseln wegen Schluckbeschwerden nur schwer einnehmen.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1401, 141, '$ ist über die eigene Sturzgefahr informiert.'),
(1402, 141, '$ nutzt den Rollator innerhalb des Zimmers zuverlässig.'),
(1403, 141, '$ kann die Rufanlage bedienen und klingelt bei Bedarf.'),
(1404, 142, '$ erkennt das eigene Zimmer am Namensschild und an einem vertrauten Foto.'),
(1405, 142, '$ lässt sich von vertrauten Bezugspersonen beruhigen und begleiten.'),
(1406, 142, 'Ansprache mit dem eigenen Namen wird wahrgenommen und beantwortet.'),
(1407, 143, '$ kennt die eigenen Medikamente und deren Wirkung.'),
(1408, 143, '$ nimmt die gerichteten Medikamente nach Aufforderung zuverlässig ein.'),
(1409, 143, '$ meldet Nebenwirkungen wie Schwindel oder Übelkeit.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1401, 141, '$ bewegt sich sicher mit Hilfsmittel und erleidet keinen Sturz.'),
(1402, 141, '$ kennt die eigenen Risikofaktoren und wendet Maßnahmen zur Sturzvermeidung an.'),
(1403, 141, '$ äußert weniger Angst vor Stürzen und bewegt sich wieder mehr.'),
(1404, 141, '$ klingelt vor dem nächtlichen Aufstehen und nimmt Begleitung an.'),
(1405, 142, '$ findet das eigene Zimmer, den Speiseraum und die Toilette mit Orientierungshilfen.'),
(1406, 142, '$ bewegt sich sicher im Wohnbereich und verlässt die Einrichtung nur in Begleitung.'),
(1407, 142, 'Keine Verletzungen durch Verbrühungen, Verbrennungen oder Vergiftungen.'),
(1408, 142, '$ äußert, sich in der Umgebung sicher und geborgen zu fühlen.'),
(1409, 143, '$ erhält die verordneten Medikamente zur richtigen Zeit in der richtigen Dosis.'),
(1410, 143, '$ nimmt die Medikamente mit Hilfe eines Wochendispensers selbstständig ein.'),
(1411, 143, 'Neben- und Wechselwirkungen der Medikamente werden frühzeitig erkannt.'),
(1412, 143, '$ schluckt die Medikamente in geeigneter Darreichungsform sicher.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1401, 141, 'Sturzrisiko bei Aufnahme, nach jedem Sturz und bei Veränderungen des Zustands einschätzen und das Ergebnis dokumentieren.'),
(1402, 141, 'Umgebung sicher gestalten: Stolperfallen wie Teppichkanten und Kabel entfernen, Bett niedrig einstellen, Bremsen von Bett und Rollstuhl feststellen.'),
(1403, 141, 'Nachts Orientierungslicht einschalten und Rufanlage, Brille und Rollator in Reichweite am Bett bereitstellen.'),
(1404, 141, 'Nach jedem Sturz ein Sturzprotokoll ausfüllen, den Arzt informieren und die Maßnahmen in der Fallbesprechung überprüfen.'),
(1405, 141, 'Zweimal wöchentlich Kraft- und Balancetraining anbieten und nach Beratung und Einwilligung Hüftprotektoren anlegen.'),
(1406, 142, 'Orientierungshilfen anbringen: Namensschild und Foto an der Zimmertür, Symbol an der Toilettentür, Wegweiser in Flur und Wohnbereich.'),
(1407, 142, 'Aktuelles Foto und Personenbeschreibung in der Dokumentation hinterlegen und das Vorgehen bei Vermissen mit allen Mitarbeitenden abstimmen.'),
(1408, 142, 'Bewegungsdrang durch begleitete Spaziergänge mindestens einmal täglich aufnehmen und den Aufenthaltsort von $ regelmäßig überprüfen.'),
(1409, 142, 'Reinigungsmittel und Medikamente verschlossen aufbewahren, Getränke auf Trinktemperatur abkühlen lassen und nach Absprache eine Herdsicherung installieren.'),
(1410, 142, 'Bei Unsicherheit und Angst ruhig ansprechen, mit Namen anreden, die Situation einfach erklären und feste Bezugspersonen einsetzen.'),
(1411, 143, 'Medikamente nach ärztlicher Verordnung wöchentlich im Dispenser richten, durch eine zweite Pflegefachkraft kontrollieren lassen und im Medikamentenplan abzeichnen.'),
(1412, 143, 'Medikamente zu den verordneten Zeiten anreichen, die Einnahme beobachten und in der Dokumentation abzeichnen.'),
(1413, 143, 'Wirkung und Nebenwirkungen wie Schwindel, Müdigkeit, Blutdruckabfall oder Stürze beobachten, dokumentieren und dem Arzt mitteilen.'),
(1414, 143, 'Medikationsplan bei mehr als fünf Dauermedikamenten vom Arzt oder der Apotheke auf Wechselwirkungen prüfen lassen.'),
(1415, 143, 'Vor dem Teilen oder Mörsern von Tabletten die Eignung mit der Apotheke klären und die Einnahme in aufrechter Sitzposition mit ausreichend Flüssigkeit unterstützen.');
-- Für eine sichere Umgebung sorgen, sich sicher fühlen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1401, 14, 'Ziel erreicht: $ ist im Bewertungszeitraum nicht gestürzt.'),
(1402, 14, 'Ziel erreicht: $ erhält die Medikamente zuverlässig nach Verordnung.'),
(1403, 14, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1404, 14, 'Ziel nicht erreicht: $ ist erneut gestürzt, das Sturzrisiko wird neu eingeschätzt und die Pflegeplanung angepasst.');
