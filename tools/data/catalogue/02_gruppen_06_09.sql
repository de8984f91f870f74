-- Sich pflegen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(61, 1, 6, 'Körperpflege'),
(62, 2, 6, 'Hautpflege und Hautzustand'),
(63, 3, 6, 'Mund- und Zahnpflege');
-- Sich pflegen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(601, 61, '$ kann die Körperpflege aufgrund eingeschränkter Beweglichkeit nicht selbstständig durchführen.'),
(602, 61, '$ kann den Rücken, die Beine und die Füße nicht selbstständig waschen.'),
(603, 61, '$ vernachlässigt die Körperpflege und lehnt Unterstützung häufig ab.'),
(604, 61, 'Erhöhte Sturzgefahr bei der Körperpflege durch Unsicherheit im Stand.'),
(605, 62, '$ hat trockene, schuppige Haut mit Juckreiz.'),
(606, 62, 'Erhöhtes Risiko für Hautschäden im Intimbereich durch Feuchtigkeit bei Inkontinenz (inkontinenzassoziierte Dermatitis).'),
(607, 62, '$ hat gerötete Hautfalten unter der Brust und in der Leiste, Intertrigogefahr.'),
(608, 62, '$ hat eine dünne, leicht verletzliche Altershaut mit Neigung zu Hämatomen und Hauteinrissen.'),
(609, 63, '$ kann die Zahnprothese nicht selbstständig reinigen.'),
(610, 63, '$ hat eine trockene Mundschleimhaut und rissige Lippen.'),
(611, 63, '$ ist durch geringe Trinkmenge und Mundtrockenheit soor- und parotitisgefährdet.'),
(612, 63, '$ hat Druckstellen durch eine schlecht sitzende Zahnprothese.');
-- Sich pflegen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(601, 61, '$ kann Gesicht, Hände und Oberkörper selbstständig waschen.'),
(602, 61, '$ äußert Wünsche zum Ablauf der Körperpflege und zu Pflegeprodukten.'),
(603, 61, '$ kann am Waschbecken sitzend aktiv mitarbeiten.'),
(604, 62, '$ meldet Juckreiz und Schmerzen an der Haut.'),
(605, 62, '$ cremt Gesicht und Arme selbstständig ein.'),
(606, 62, 'Die Haut ist bis auf die beschriebenen Stellen intakt.'),
(607, 63, '$ putzt die eigenen Zähne nach Aufforderung selbst.'),
(608, 63, '$ kann den Mund selbstständig ausspülen.'),
(609, 63, '$ trägt die Zahnprothese gern und achtet auf ein gepflegtes Aussehen.');
-- Sich pflegen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(601, 61, '$ ist gepflegt und fühlt sich wohl.'),
(602, 61, '$ wäscht Gesicht, Hände und Oberkörper täglich selbstständig.'),
(603, 61, '$ nimmt Unterstützung bei der Körperpflege an.'),
(604, 61, '$ führt die Körperpflege ohne Sturz durch.'),
(605, 62, '$ hat eine geschmeidige, intakte Haut ohne Juckreiz.'),
(606, 62, 'Die Haut im Intimbereich ist intakt und ohne Rötung.'),
(607, 62, '$ hat trockene, reizfreie Hautfalten.'),
(608, 62, '$ erleidet bei der Pflege keine Hautverletzungen.'),
(609, 63, '$ hat eine saubere, gut sitzende Zahnprothese.'),
(610, 63, '$ hat eine feuchte, intakte Mundschleimhaut und geschmeidige Lippen.'),
(611, 63, 'Die Mundschleimhaut ist frei von Belägen und Entzündungen.'),
(612, 63, '$ kann schmerzfrei kauen.');
-- Sich pflegen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(601, 61, 'Unterstützung bei der Ganzkörperwäsche am Waschbecken täglich morgens, $ wäscht Gesicht und Hände selbst.'),
(602, 61, 'Wäsche von Rücken, Beinen und Füßen übernehmen, Intimpflege nach Wunsch selbst durchführen lassen.'),
(603, 61, 'Pflegeutensilien in Reichweite bereitstellen und ausreichend Zeit für die Eigenaktivität einplanen.'),
(604, 61, 'Körperpflege zur von $ gewünschten Uhrzeit anbieten, bei Ablehnung später erneut anbieten und im Pflegebericht dokumentieren.'),
(605, 61, 'Vor der Körperpflege Stuhl mit Armlehnen und rutschfeste Matte bereitstellen, während der Pflege in Reichweite bleiben.'),
(606, 62, 'Haut nach dem Waschen mit rückfettender Wasser-in-Öl-Lotion eincremen, Waschwasser nicht zu heiß und ohne Zusätze verwenden.'),
(607, 62, 'Hautzustand bei jeder Körperpflege beobachten, Veränderungen im Pflegebericht dokumentieren und an die Pflegefachkraft weitergeben.'),
(608, 62, 'Intimbereich nach jeder Ausscheidung mit pH-hautneutralem Reinigungsschaum reinigen und Hautschutzcreme dünn auftragen.'),
(609, 62, 'Hautfalten täglich waschen, sorgfältig trocken tupfen und Baumwollkompressen einlegen.'),
(610, 62, 'Haut nur abtupfen, nicht reiben, beim Transfer Arme und Beine flächig unterstützen statt festhalten.'),
(611, 63, 'Zahnprothese morgens und abends herausnehmen, mit Prothesenbürste reinigen, Mund ausspülen lassen und Prothese wieder einsetzen.'),
(612, 63, 'Mundschleimhaut täglich bei der Mundpflege mit einer Lampe inspizieren und auf Beläge, Rötungen und Druckstellen achten.'),
(613, 63, 'Mehrmals täglich Mundpflege mit Tee oder Wasser anbieten, Lippen mit Lippenpflegestift eincremen.'),
(614, 63, 'Zum Kauen anregen, etwa mit Brotrinde oder zuckerfreiem Kaugummi, sofern kein Verschluckungsrisiko besteht.'),
(615, 63, 'Bei Druckstellen Zahnarzt informieren und Termin zur Prothesenanpassung vereinbaren, Angehörige einbeziehen.');
-- Sich pflegen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(601, 6, 'Ziel erreicht: $ ist gepflegt und die Haut ist intakt.'),
(602, 6, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(603, 6, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.'),
(604, 6, 'Hautzustand hat sich verbessert, Hautpflege wird fortgeführt und in vier Wochen erneut überprüft.');
-- Sich waschen und kleiden: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(71, 1, 7, 'Waschen und Duschen'),
(72, 2, 7, 'An- und Auskleiden'),
(73, 3, 7, 'Haar-, Bart- und Nagelpflege');
-- Sich waschen und kleiden: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(701, 71, '$ kann nicht selbstständig duschen und hat Angst vor dem Ausrutschen.'),
(702, 71, '$ kann sich aufgrund einer Halbseitenlähmung nur mit einer Hand waschen.'),
(703, 71, '$ vergisst einzelne Handlungsschritte beim Waschen.'),
(704, 71, '$ ermüdet bei der Körperwäsche schnell und braucht Pausen.'),
(705, 72, '$ kann Strümpfe, Schuhe und Hose nicht selbstständig anziehen.'),
(706, 72, '$ kann Knöpfe und Reißverschlüsse wegen eingeschränkter Feinmotorik nicht schließen.'),
(707, 72, '$ wählt Kleidung, die nicht zur Jahreszeit oder Tageszeit passt.'),
(708, 72, '$ kann die Kompressionsstrümpfe nicht selbstständig an- und ausziehen.'),
(709, 73, '$ kann die Haare nicht selbstständig waschen und frisieren.'),
(710, 73, '$ kann sich nicht selbstständig rasieren.'),
(711, 73, '$ kann die Fußnägel nicht selbst schneiden, Verletzungsgefahr bei Diabetes mellitus.'),
(712, 73, 'Verdickte und eingewachsene Fußnägel mit Entzündungsgefahr.');
-- Sich waschen und kleiden: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(701, 71, '$ kann mit dem nicht betroffenen Arm Gesicht und Oberkörper waschen.'),
(702, 71, '$ duscht gern und genießt warmes Wasser.'),
(703, 71, '$ folgt kurzen, einfachen Aufforderungen.'),
(704, 72, '$ kann die Oberbekleidung im Sitzen selbst anziehen.'),
(705, 72, '$ legt Wert auf ein gepflegtes Äußeres und wählt die Kleidung gern selbst aus.'),
(706, 72, '$ nutzt Anziehhilfen nach Anleitung.'),
(707, 73, '$ kämmt sich nach Aufforderung selbst.'),
(708, 73, '$ rasiert sich mit dem Elektrorasierer teilweise selbst.'),
(709, 73, 'Regelmäßige Termine bei Friseur und Fußpflege werden von Angehörigen organisiert.');
-- Sich waschen und kleiden: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(701, 71, '$ duscht einmal wöchentlich sicher mit Duschstuhl.'),
(702, 71, '$ wäscht Gesicht, Hände und Oberkörper mit Anleitung selbst.'),
(703, 71, '$ führt die Waschhandlungen in vertrauter Reihenfolge durch.'),
(704, 71, '$ beendet die Körperpflege ohne Erschöpfung.'),
(705, 72, '$ ist der Witterung und Tageszeit entsprechend gekleidet.'),
(706, 72, '$ zieht den Oberkörper selbstständig an und nimmt Hilfe beim Unterkörper an.'),
(707, 72, '$ kleidet sich mit Hilfsmitteln selbstständig an.'),
(708, 72, 'Die Kompressionsstrümpfe werden täglich korrekt und faltenfrei getragen.'),
(709, 73, '$ hat saubere Haare und ist nach eigenen Wünschen frisiert.'),
(710, 73, '$ ist täglich nach eigenem Wunsch rasiert.'),
(711, 73, '$ hat kurze, gepflegte Finger- und Fußnägel ohne Verletzungen.'),
(712, 73, 'Die Füße sind frei von Entzündungen und Druckstellen.');
-- Sich waschen und kleiden: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(701, 71, 'Einmal wöchentlich Duschen mit Duschstuhl und Haltegriff, Wassertemperatur vorher prüfen, rutschfeste Matte einlegen.'),
(702, 71, 'Waschen nach dem Bobath-Konzept, Pflegeperson steht auf der betroffenen Seite, $ bezieht die betroffene Hand mit Anleitung ein.'),
(703, 71, 'Handlungsschritte einzeln und in kurzen Sätzen ansagen, Waschlappen in die Hand geben und die Bewegung anbahnen.'),
(704, 71, 'Körperpflege auf morgens und abends aufteilen, Oberkörper und Unterkörper getrennt waschen, Pausen im Sitzen ermöglichen.'),
(705, 71, 'Intimpflege sowie Wäsche von Rücken und Füßen übernehmen, dabei die Haut auf Rötungen beobachten.'),
(706, 72, 'Kleidung am Vorabend gemeinsam mit $ auswählen und in Anziehreihenfolge bereitlegen.'),
(707, 72, 'Beim Anziehen von Hose, Strümpfen und Schuhen unterstützen, $ zieht die Oberbekleidung im Sitzen selbst an.'),
(708, 72, 'Anziehhilfen wie Strumpfanzieher, langen Schuhlöffel und Knöpfhilfe bereitstellen und den Gebrauch anleiten.'),
(709, 72, 'Kompressionsstrümpfe morgens vor dem Aufstehen anziehen und abends ausziehen, Beine dabei auf Druckstellen prüfen.'),
(710, 72, 'Kleidung mit Klettverschluss oder Gummizug mit $ und Angehörigen besprechen und beschaffen lassen.'),
(711, 73, 'Haare einmal wöchentlich beim Duschen waschen, täglich kämmen und nach Wunsch frisieren.'),
(712, 73, 'Elektrorasierer täglich morgens bereitlegen, Nachrasur übernehmen, Rasierwasser nach Wunsch auftragen.'),
(713, 73, 'Fingernägel einmal wöchentlich nach dem Duschen kürzen und feilen.'),
(714, 73, 'Fußpflege durch eine Podologin oder einen Podologen alle vier bis sechs Wochen organisieren, bei Diabetes mellitus Fußnägel nicht selbst schneiden.'),
(715, 73, 'Füße täglich inspizieren, Zehenzwischenräume gut abtrocknen und auf Rötungen und Verletzungen achten.');
-- Sich waschen und kleiden: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(701, 7, 'Ziel erreicht: $ wäscht und kleidet sich mit geringer Unterstützung.'),
(702, 7, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(703, 7, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.'),
(704, 7, 'Selbstständigkeit beim Ankleiden hat zugenommen, Unterstützung wird schrittweise reduziert.');
-- Essen und trinken: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(81, 1, 8, 'Nahrungsaufnahme'),
(82, 2, 8, 'Flüssigkeitszufuhr'),
(83, 3, 8, 'Schlucken und Kauen');
-- Essen und trinken: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(801, 81, '$ isst zu wenig, Gewichtsabnahme von mehr als 5 % in drei Monaten.'),
(802, 81, '$ kann die Mahlzeiten nicht selbstständig vorbereiten und mundgerecht zerkleinern.'),
(803, 81, '$ vergisst zu essen und lässt Mahlzeiten stehen.'),
(804, 81, '$ hat wenig Appetit und lehnt Mahlzeiten häufig ab.'),
(805, 82, '$ trinkt weniger als 1 Liter täglich, Gefahr der Dehydratation.'),
(806, 82, '$ verspürt kaum Durst und vergisst zu trinken.'),
(807, 82, '$ kann Trinkgefäße wegen eines Tremors nicht sicher halten.'),
(808, 82, '$ trinkt abends wenig aus Angst vor nächtlichem Harndrang.'),
(809, 83, '$ verschluckt sich häufig beim Trinken, Aspirationsgefahr.'),
(810, 83, '$ kann feste Speisen wegen fehlender Zähne nicht ausreichend kauen.'),
(811, 83, 'Schluckstörung nach Schlaganfall, Flüssigkeiten können nur angedickt sicher geschluckt werden.'),
(812, 83, '$ behält Speisen lange im Mund und schluckt verzögert.');
-- Essen und trinken: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(801, 81, '$ isst selbstständig mit Besteck, wenn das Essen mundgerecht vorbereitet ist.'),
(802, 81, '$ äußert Vorlieben und Abneigungen bei Speisen.'),
(803, 81, '$ isst gern in Gesellschaft am gemeinsamen Tisch.'),
(804, 82, '$ trinkt gern Kaffee, Saftschorle und Früchtetee.'),
(805, 82, '$ trinkt selbstständig, wenn das Getränk in Reichweite steht.'),
(806, 82, '$ nimmt Erinnerungen zum Trinken gut an.'),
(807, 83, '$ hustet bei Verschlucken kräftig ab.'),
(808, 83, '$ kann beim Essen aufrecht am Tisch sitzen.'),
(809, 83, 'Weiche und pürierte Kost wird gern gegessen.');
-- Essen und trinken: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(801, 81, '$ hält das Körpergewicht stabil, Kontrolle einmal monatlich.'),
(802, 81, '$ isst die angebotenen Mahlzeiten mindestens zu drei Vierteln.'),
(803, 81, '$ isst selbstständig, wenn die Speisen mundgerecht vorbereitet sind.'),
(804, 81, '$ äußert Appetit und nimmt Zwischenmahlzeiten an.'),
(805, 82, '$ trinkt täglich mindestens 1,5 Liter.'),
(806, 82, '$ hat eine feuchte Mundschleimhaut und zeigt keine Zeichen von Flüssigkeitsmangel.'),
(807, 82, '$ trinkt mit Hilfsmitteln selbstständig und ohne Verschütten.'),
(808, 82, '$ verteilt die Trinkmenge über den Tag, die Hauptmenge wird bis 18 Uhr getrunken.'),
(809, 83, '$ isst und trinkt ohne Verschlucken.'),
(810, 83, '$ nimmt ausreichend Nahrung in weicher Kostform zu sich.'),
(811, 83, '$ trinkt angedickte Getränke in der festgelegten Konsistenz.'),
(812, 83, 'Es tritt keine Aspirationspneumonie auf.');
-- Essen und trinken: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(801, 81, 'Körpergewicht einmal monatlich morgens vor dem Frühstück wiegen und dokumentieren, bei weiterer Abnahme Hausarzt informieren.'),
(802, 81, 'Ernährungsprotokoll über drei Tage führen und mit der Pflegefachkraft auswerten.'),
(803, 81, 'Lieblingsspeisen erfragen, energiereiche Zwischenmahlzeiten am Vormittag, Nachmittag und Spätabend anbieten.'),
(804, 81, 'Speisen mundgerecht vorbereiten, Brot streichen und schneiden, Getränke eingießen, $ isst dann selbst.'),
(805, 81, 'Zu den Mahlzeiten begleiten, an das Essen erinnern und zum Weiteressen ermutigen, Teller nicht vorzeitig abräumen.'),
(806, 82, 'Trinkprotokoll führen und Tagesbilanz in der Übergabe besprechen.'),
(807, 82, 'Stündlich ein Getränk nach Wunsch anbieten und das Glas gut sichtbar in Reichweite stellen.'),
(808, 82, 'Trinkbecher mit zwei Griffen und Deckel bereitstellen, Gefäß nur zur Hälfte füllen.'),
(809, 82, 'Trinkplan mit $ besprechen, größere Mengen am Vormittag und Nachmittag anbieten, abends kleinere Mengen.'),
(810, 82, 'Auf Zeichen von Flüssigkeitsmangel wie Verwirrtheit, trockene Schleimhäute und konzentrierten Urin achten und Hausarzt informieren.'),
(811, 83, 'Zu den Mahlzeiten aufrechte Sitzposition mit leicht nach vorn geneigtem Kopf herstellen, nach dem Essen 30 Minuten aufrecht sitzen lassen.'),
(812, 83, 'Getränke nach logopädischer Empfehlung andicken und in kleinen Schlucken mit Teelöffel oder Becher anbieten.'),
(813, 83, 'Weiche oder pürierte Kost bei der Küche bestellen, Komponenten getrennt und ansprechend anrichten.'),
(814, 83, 'Essen in ruhiger Umgebung langsam anreichen, vor dem nächsten Bissen das Schlucken abwarten und die Mundhöhle kontrollieren.'),
(815, 83, 'Nach dem Essen Mundpflege durchführen, Speisereste aus den Wangentaschen entfernen, Atmung und Husten beobachten.');
-- Essen und trinken: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(801, 8, 'Ziel erreicht: $ trinkt täglich mindestens 1,5 Liter.'),
(802, 8, 'Ziel erreicht: $ hält das Körpergewicht seit drei Monaten stabil.'),
(803, 8, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(804, 8, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Ausscheiden: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(91, 1, 9, 'Urinausscheidung'),
(92, 2, 9, 'Stuhlausscheidung'),
(93, 3, 9, 'Inkontinenzversorgung');
-- Ausscheiden: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(901, 91, '$ hat eine Dranginkontinenz und erreicht die Toilette nicht rechtzeitig.'),
(902, 91, '$ hat eine Belastungsinkontinenz beim Husten, Niesen und Aufstehen.'),
(903, 91, 'Infektionsgefahr durch transurethralen Dauerkatheter.'),
(904, 91, '$ muss nachts mehrmals zur Toilette, Sturzgefahr auf dem Weg.'),
(905, 92, '$ leidet unter Obstipation, Stuhlgang seltener als alle drei Tage.'),
(906, 92, '$ hat eine Stuhlinkontinenz und ist dadurch stark verunsichert.'),
(907, 92, '$ hat wiederholt Durchfall, Gefahr von Flüssigkeitsverlust und Hautschäden.'),
(908, 92, '$ hat Schmerzen und Angst beim Stuhlgang durch Hämorrhoiden.'),
(909, 93, '$ benötigt Hilfe beim Wechsel der Inkontinenzmaterialien.'),
(910, 93, '$ schämt sich wegen der Inkontinenz und zieht sich zurück.'),
(911, 93, '$ lehnt Inkontinenzmaterial ab, Kleidung und Bett sind häufig nass.'),
(912, 93, '$ kann den Toilettengang nicht selbstständig durchführen, Hilfe beim Richten der Kleidung und bei der Intimreinigung.');
-- Ausscheiden: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(901, 91, '$ spürt den Harndrang und meldet sich.'),
(902, 91, '$ kann mit Unterstützung die Toilette aufsuchen.'),
(903, 91, '$ wechselt Vorlagen selbstständig.'),
(904, 92, '$ nimmt ballaststoffreiche Kost und ausreichend Flüssigkeit an.'),
(905, 92, 'Stuhlgang erfolgt meist nach dem Frühstück.'),
(906, 92, '$ geht gern spazieren und bewegt sich täglich.'),
(907, 93, '$ ist über die Ursachen der Inkontinenz und die Hilfsmittel informiert.'),
(908, 93, '$ akzeptiert Inkontinenzvorlagen tagsüber.'),
(909, 93, '$ kann sich am Haltegriff neben der Toilette festhalten.');
-- Ausscheiden: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(901, 91, '$ erreicht die Toilette rechtzeitig und bleibt tagsüber kontinent.'),
(902, 91, '$ geht nachts sicher und ohne Sturz zur Toilette.'),
(903, 91, '$ hat keine Harnwegsinfektion.'),
(904, 91, '$ kennt Übungen des Beckenbodentrainings und wendet sie täglich an.'),
(905, 92, '$ hat mindestens alle zwei Tage weichen, geformten Stuhlgang.'),
(906, 92, 'Die Haut im Analbereich ist intakt.'),
(907, 92, '$ fühlt sich sicher und nimmt am Gemeinschaftsleben teil.'),
(908, 92, '$ setzt den Stuhlgang ohne starkes Pressen und schmerzfrei ab.'),
(909, 93, '$ ist trocken versorgt, Kleidung und Bett bleiben sauber.'),
(910, 93, '$ spricht offen über die Inkontinenz und nimmt Hilfsmittel an.'),
(911, 93, '$ nutzt tagsüber und nachts das passende Inkontinenzmaterial.'),
(912, 93, '$ wird bei der Intimreinigung diskret unterstützt und fühlt sich sauber.');
-- Ausscheiden: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(901, 91, 'Toilettengänge nach individuellem Ausscheidungsmuster alle zwei bis drei Stunden anbieten und begleiten.'),
(902, 91, 'Miktionsprotokoll über 72 Stunden führen und mit der Pflegefachkraft auswerten.'),
(903, 91, 'Katheter hygienisch versorgen: Ableitungssystem geschlossen halten, Beutel unter Blasenniveau anbringen, Intimpflege zweimal täglich, Urin auf Farbe und Trübung beobachten.'),
(904, 91, 'Nachtlicht einschalten, Weg zur Toilette frei halten und Toilettenstuhl oder Urinflasche neben dem Bett bereitstellen.'),
(905, 91, 'Zu Beckenbodenübungen anleiten und motivieren, Übungen mit der Physiotherapie abstimmen.'),
(906, 92, 'Stuhlgang täglich im Ausscheidungsprotokoll dokumentieren, nach drei Tagen ohne Stuhlgang Pflegefachkraft informieren.'),
(907, 92, 'Ballaststoffreiche Kost, eingeweichte Trockenpflaumen und ausreichend Flüssigkeit anbieten, tägliche Bewegung fördern.'),
(908, 92, 'Nach dem Frühstück feste Toilettenzeit einplanen, für ungestörte Atmosphäre sorgen und die Füße auf eine Fußbank stellen.'),
(909, 92, 'Abführmittel nur nach ärztlicher Verordnung verabreichen und Wirkung im Ausscheidungsprotokoll dokumentieren.'),
(910, 92, 'Bei Durchfall Flüssigkeitsbilanz führen, Analbereich schonend reinigen und Hautschutz auftragen, ab dem zweiten Tag Hausarzt informieren.'),
(911, 93, 'Inkontinenzmaterial nach Ausscheidungsmenge auswählen, tagsüber Vorlagen und nachts Pants, Wechsel bei Bedarf, mindestens viermal täglich.'),
(912, 93, 'Wechsel diskret im Badezimmer bei geschlossener Tür durchführen und die Intimsphäre wahren.'),
(913, 93, 'Gespräch über Ursachen und Hilfsmittel anbieten, verschiedene Produkte zur Probe geben und Wünsche von $ berücksichtigen.'),
(914, 93, 'Beim Toilettengang Kleidung richten und Intimreinigung von vorn nach hinten übernehmen, $ hält sich am Haltegriff fest.'),
(915, 93, 'Verbrauch an Inkontinenzmaterial monatlich prüfen und Verordnung beim Hausarzt anfordern.');
-- Ausscheiden: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(901, 9, 'Ziel erreicht: $ ist tagsüber kontinent und geht regelmäßig zur Toilette.'),
(902, 9, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(903, 9, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.'),
(904, 9, 'Stuhlgang ist regelmäßig, Abführmittel werden nicht mehr benötigt.');
