-- Kommunizieren: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(11, 1, 1, 'Sprechen und Sprachverständnis'),
(12, 2, 1, 'Hören und Sehen'),
(13, 3, 1, 'Kommunikation bei kognitiven Einschränkungen');
-- Kommunizieren: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(101, 11, '$ kann sich nach einem Schlaganfall sprachlich nur eingeschränkt äußern (Aphasie).'),
(102, 11, '$ versteht längere Sätze und komplexe Fragen nur schwer.'),
(103, 11, '$ spricht undeutlich und wird von anderen oft nicht verstanden.'),
(104, 11, '$ spricht kaum Deutsch, die Verständigung im Alltag ist erschwert.'),
(105, 12, '$ ist schwerhörig und trägt das Hörgerät nicht regelmäßig.'),
(106, 12, '$ sieht durch eine Makuladegeneration nur noch eingeschränkt.'),
(107, 12, '$ kann das Hörgerät nicht selbstständig einsetzen und pflegen.'),
(108, 12, 'Wegen der Hör- und Sehminderung zieht sich $ aus Gesprächen zurück.'),
(109, 13, '$ kann Bedürfnisse aufgrund der Demenz nicht mehr sprachlich äußern.'),
(110, 13, '$ wiederholt ständig dieselben Fragen und ist dabei unruhig.'),
(111, 13, '$ reagiert auf Ansprache häufig ablehnend oder abwehrend.'),
(112, 13, '$ kann die Rufanlage nicht sinnvoll bedienen und macht sich durch Rufen bemerkbar.');
-- Kommunizieren: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(101, 11, '$ kann zuverlässig mit Ja und Nein antworten.'),
(102, 11, '$ nutzt Gestik und Mimik, um sich mitzuteilen.'),
(103, 11, '$ kann kurze Mitteilungen lesen und aufschreiben.'),
(104, 12, '$ versteht gut, wenn langsam, deutlich und von vorn gesprochen wird.'),
(105, 12, '$ trägt die Brille gern und regelmäßig.'),
(106, 12, '$ erkennt vertraute Personen an der Stimme.'),
(107, 13, '$ reagiert positiv auf Berührung und eine ruhige Stimme.'),
(108, 13, '$ erzählt gern von früher und singt bekannte Lieder mit.'),
(109, 13, 'Angehörige kennen die Gewohnheiten und nonverbalen Signale von $.');
-- Kommunizieren: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(101, 11, '$ kann Wünsche und Bedürfnisse mitteilen.'),
(102, 11, '$ beantwortet geschlossene Fragen eindeutig mit Ja oder Nein.'),
(103, 11, '$ nutzt die Kommunikationstafel, um Grundbedürfnisse anzuzeigen.'),
(104, 11, 'Die Verständigung zwischen $ und den Pflegenden gelingt im Alltag ohne Missverständnisse.'),
(105, 12, '$ trägt das Hörgerät tagsüber von morgens bis abends.'),
(106, 12, 'Brille und Hörgerät von $ sind sauber, funktionsfähig und in Reichweite.'),
(107, 12, '$ findet sich mit den vorhandenen Sehhilfen im eigenen Zimmer zurecht.'),
(108, 12, '$ nimmt mindestens einmal täglich an Gesprächen in der Gruppe teil.'),
(109, 13, 'Bedürfnisse von $ werden an Mimik, Gestik und Verhalten erkannt.'),
(110, 13, '$ wirkt im Gespräch entspannt und zugewandt.'),
(111, 13, '$ lässt die Pflege nach ruhiger Ankündigung zu.'),
(112, 13, '$ kann sich bei Bedarf bemerkbar machen und erhält zeitnah Hilfe.');
-- Kommunizieren: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(101, 11, 'In kurzen, einfachen Sätzen sprechen und geschlossene Fragen stellen, die $ mit Ja oder Nein beantworten kann.'),
(102, 11, 'Blickkontakt herstellen, langsam sprechen und $ ausreichend Zeit zum Antworten lassen, nicht vorzeitig unterbrechen.'),
(103, 11, 'Kommunikationstafel mit Bildern oder eine Schreibtafel am Bett bereitlegen und bei jedem Kontakt gemeinsam nutzen.'),
(104, 11, 'Mit Angehörigen eine Liste wichtiger Begriffe in der Muttersprache von $ anlegen und für wichtige Gespräche einen Dolmetscherdienst hinzuziehen.'),
(105, 11, 'Übungen aus der Logopädie nach Absprache täglich in den Alltag einbauen, zum Beispiel Gegenstände bei der Körperpflege benennen lassen.'),
(106, 12, 'Hörgerät morgens einsetzen, abends herausnehmen und reinigen, Batterie wöchentlich prüfen und bei Bedarf wechseln.'),
(107, 12, 'In der Gruppe einen Sitzplatz mit guter Sicht auf die Gesprächspartner anbieten und $ gezielt ins Gespräch einbeziehen.'),
(108, 12, 'Brille täglich reinigen und auf festen Sitz prüfen, bei Beschwerden einen Termin beim Augenarzt oder Optiker vereinbaren.'),
(109, 12, 'Von vorn und in Augenhöhe ansprechen, deutlich sprechen, ohne zu schreien, und Hintergrundgeräusche wie Radio oder Fernseher vermeiden.'),
(110, 12, 'Gegenstände im Zimmer immer am selben Platz belassen, für helle, blendfreie Beleuchtung sorgen und Veränderungen mit $ absprechen.'),
(111, 13, 'Biografische Informationen und typische nonverbale Signale mit den Angehörigen erheben und in der Pflegedokumentation festhalten.'),
(112, 13, 'Validierend auf Gefühle eingehen, Aussagen nicht korrigieren und wiederholte Fragen geduldig und gleichlautend beantworten.'),
(113, 13, 'Vor jeder Handlung mit Namen ansprechen, die Handlung in einfachen Worten ankündigen und eine Initialberührung an der Schulter geben.'),
(114, 13, 'Rufanlage in Reichweite legen, Bedienung einüben oder eine große Tastklingel einsetzen und mindestens stündlich nach $ sehen.'),
(115, 13, 'Täglich Gespräche über frühere Lebensabschnitte anbieten und vertraute Lieder oder Fotos als Zugang nutzen.');
-- Kommunizieren: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(101, 1, 'Ziel erreicht: $ kann Wünsche und Bedürfnisse verständlich mitteilen.'),
(102, 1, 'Ziel erreicht: $ trägt Hörgerät und Brille tagsüber und nimmt an Gesprächen teil.'),
(103, 1, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(104, 1, 'Ziel nicht erreicht, Logopädie wird mit dem Hausarzt besprochen und die Pflegeplanung angepasst.');
-- Sich bewegen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(21, 1, 2, 'Gehen, Stehen und Transfer'),
(22, 2, 2, 'Lagerung und Dekubitusprophylaxe'),
(23, 3, 2, 'Gelenkbeweglichkeit und Kontrakturprophylaxe');
-- Sich bewegen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(201, 21, '$ geht unsicher und mit kleinen Schritten, die Gehstrecke ist auf wenige Meter begrenzt.'),
(202, 21, '$ kann nicht selbstständig vom Bett in den Rollstuhl wechseln.'),
(203, 21, '$ darf das operierte Bein nach einem Oberschenkelhalsbruch nur teilweise belasten.'),
(204, 21, '$ kann sich nicht selbstständig aus dem Sitzen in den Stand bringen.'),
(205, 22, '$ kann die Lage im Bett nicht selbstständig verändern.'),
(206, 22, '$ hat nach der Braden-Skala ein hohes Dekubitusrisiko.'),
(207, 22, '$ hat am Kreuzbein eine nicht wegdrückbare Rötung (Dekubitus Kategorie 1).'),
(208, 22, '$ sitzt täglich viele Stunden im Rollstuhl und verändert die Sitzposition kaum.'),
(209, 23, '$ ist durch langes Liegen und Sitzen gefährdet, Kontrakturen in Knie- und Hüftgelenken zu entwickeln.'),
(210, 23, '$ ist durch Bettlägerigkeit spitzfußgefährdet.'),
(211, 23, '$ kann Arm und Bein der betroffenen Körperseite nach einem Schlaganfall nur eingeschränkt bewegen.'),
(212, 23, '$ hat durch Morbus Parkinson eine ausgeprägte Steifigkeit und Bewegungsarmut, besonders am Morgen.');
-- Sich bewegen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(201, 21, '$ kann mit Unterstützung einer Person sicher stehen.'),
(202, 21, '$ kann sich mit den Armen an Haltegriffen und Armlehnen abstützen.'),
(203, 21, '$ ist motiviert, täglich zu gehen und die eigene Mobilität zu verbessern.'),
(204, 22, '$ meldet sich, wenn Druck oder Schmerzen auftreten.'),
(205, 22, '$ unterstützt den Lagewechsel durch Mithilfe der Arme und Beine.'),
(206, 22, '$ akzeptiert die Weichlagerungsmatratze und die Lagerungshilfsmittel.'),
(207, 23, '$ führt einfache Bewegungsübungen nach Anleitung selbst aus.'),
(208, 23, '$ kann die nicht betroffene Körperseite gezielt einsetzen.'),
(209, 23, '$ nimmt regelmäßig an der Physiotherapie teil.');
-- Sich bewegen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(201, 21, '$ geht mit dem Rollator zweimal täglich sicher bis zum Speiseraum.'),
(202, 21, '$ wechselt mit Unterstützung einer Person sicher vom Bett in den Rollstuhl.'),
(203, 21, '$ hält die vorgegebene Teilbelastung ein und bewegt sich sicher mit dem Gehhilfsmittel.'),
(204, 21, '$ steht mit Anleitung selbstständig aus dem Sitzen auf.'),
(205, 22, 'Die Haut von $ bleibt intakt, es entsteht kein Dekubitus.'),
(206, 22, '$ wird regelmäßig nach Bewegungsplan umgelagert und liegt bequem.'),
(207, 22, 'Die Rötung am Kreuzbein bildet sich zurück, die Haut bleibt geschlossen.'),
(208, 22, '$ verändert im Rollstuhl regelmäßig die Sitzposition und hat keine Druckstellen am Gesäß.'),
(209, 23, 'Die Beweglichkeit der Knie- und Hüftgelenke bleibt erhalten, es entstehen keine Kontrakturen.'),
(210, 23, 'Die Sprunggelenke von $ bleiben frei beweglich, es entsteht kein Spitzfuß.'),
(211, 23, '$ bezieht die betroffene Körperseite in alltägliche Bewegungen ein.'),
(212, 23, '$ ist morgens nach Wirkungseintritt der Medikamente beweglich genug, um mit Unterstützung aufzustehen.');
-- Sich bewegen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(201, 21, 'Gehübungen mit dem Rollator zweimal täglich über den Flur begleiten und die Gehstrecke schrittweise steigern.'),
(202, 21, 'Transfer vom Bett in den Rollstuhl mit einer Pflegekraft nach kinästhetischen Grundsätzen durchführen, vorher die Bremsen feststellen.'),
(203, 21, 'Vorgaben zur Teilbelastung aus dem Entlassungsbericht umsetzen, die Belastung beim Gehen beobachten und nach Schmerzen fragen.'),
(204, 21, 'Aufstehen anleiten: an die Stuhlkante rutschen, Füße zurückstellen, Oberkörper nach vorn neigen und mit den Armen abstützen.'),
(205, 21, 'Physiotherapie nach ärztlicher Verordnung organisieren und die Übungen in den Pflegealltag einbeziehen.'),
(206, 22, 'Lagewechsel nach individuellem Bewegungsplan mindestens alle zwei bis drei Stunden durchführen, dazwischen Mikrolagerungen, und im Bewegungsprotokoll dokumentieren.'),
(207, 22, 'Haut an Kreuzbein, Fersen, Hüften und Ohren bei jedem Lagewechsel mit dem Fingertest auf Rötungen prüfen.'),
(208, 22, 'Weichlagerungsmatratze einsetzen und ihre Funktion täglich prüfen, Fersen mit einem Kissen unter den Unterschenkeln frei lagern.'),
(209, 22, 'Gerötete Hautstellen vollständig druckentlasten, nicht massieren, Befund mit Größe und Datum dokumentieren und die Pflegefachkraft informieren.'),
(210, 22, 'Sitzzeit im Rollstuhl mit $ absprechen, ein druckverteilendes Sitzkissen nutzen und $ zur stündlichen Gewichtsverlagerung anleiten.'),
(211, 23, 'Passive und assistive Bewegungsübungen der großen Gelenke zweimal täglich bei der Grundpflege durchführen.'),
(212, 23, 'Bettdecke locker oder mit einem Bettbogen über den Füßen lagern und die Sprunggelenke täglich aktiv oder passiv durchbewegen.'),
(213, 23, 'Pflegehandlungen von der betroffenen Seite aus durchführen, die betroffene Hand in Bewegungen einbeziehen und nach dem Bobath-Konzept lagern.'),
(214, 23, 'Parkinsonmedikamente pünktlich nach Plan verabreichen und Körperpflege und Mobilisation in die Zeiten guter Beweglichkeit legen.'),
(215, 23, 'Aktive Bewegungsübungen im Sitzen, zum Beispiel Sitzgymnastik, mindestens dreimal wöchentlich anbieten.');
-- Sich bewegen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(201, 2, 'Ziel erreicht: $ bewegt sich sicher mit dem Rollator im Wohnbereich.'),
(202, 2, 'Ziel erreicht: Die Haut von $ ist intakt, es ist kein Dekubitus entstanden.'),
(203, 2, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(204, 2, 'Ziel nicht erreicht, Physiotherapie wird beim Hausarzt angeregt und die Pflegeplanung angepasst.');
-- Vitale Funktionen des Lebens aufrechterhalten: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(31, 1, 3, 'Herz, Kreislauf und Vitalzeichen'),
(32, 2, 3, 'Schmerz'),
(33, 3, 3, 'Blutzucker und Stoffwechsel');
-- Vitale Funktionen des Lebens aufrechterhalten: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(301, 31, '$ hat einen schwankenden Blutdruck mit Schwindel beim Aufstehen.'),
(302, 31, '$ hat durch eine Herzinsuffizienz Wassereinlagerungen in beiden Beinen.'),
(303, 31, '$ hat einen Bluthochdruck mit Werten oberhalb des ärztlich vorgegebenen Bereichs.'),
(304, 31, '$ hat einen unregelmäßigen Puls bei Vorhofflimmern und nimmt blutverdünnende Medikamente ein, Blutungsgefahr.'),
(305, 32, '$ hat chronische Schmerzen in den Knie- und Hüftgelenken durch Arthrose.'),
(306, 32, '$ kann Schmerzen aufgrund der Demenz nicht mehr mit Worten äußern.'),
(307, 32, '$ hat bei Bewegung und bei der Pflege Schmerzen im Rücken.'),
(308, 32, '$ teilt Schmerzen aus Sorge, zur Last zu fallen, nicht von sich aus mit.'),
(309, 33, '$ hat einen insulinpflichtigen Diabetes mellitus und kann das Insulin nicht selbstständig verabreichen.'),
(310, 33, '$ ist durch schwankende Blutzuckerwerte unterzuckerungsgefährdet.'),
(311, 33, '$ hat bei Diabetes mellitus ein vermindertes Empfinden an den Füßen, Gefahr unbemerkter Verletzungen.'),
(312, 33, '$ kann die empfohlene Ernährung bei Diabetes mellitus nur schwer einhalten, die Blutzuckerwerte nach dem Essen sind oft erhöht.');
-- Vitale Funktionen des Lebens aufrechterhalten: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(301, 31, '$ meldet Schwindel und Unwohlsein zuverlässig.'),
(302, 31, '$ kennt die eigenen Blutdruckwerte und die ärztlich vorgegebenen Grenzwerte.'),
(303, 31, '$ trägt die Kompressionsstrümpfe ohne Widerstand.'),
(304, 32, '$ kann die Schmerzstärke auf einer Skala von 0 bis 10 angeben.'),
(305, 32, '$ nimmt die Schmerzmedikamente zuverlässig ein.'),
(306, 32, 'Wärme und Ruhe lindern die Schmerzen von $.'),
(307, 33, '$ erkennt Anzeichen einer Unterzuckerung wie Zittern, Schwitzen und Heißhunger.'),
(308, 33, '$ kann den Blutzucker mit Anleitung selbst messen.'),
(309, 33, '$ hat Traubenzucker immer griffbereit.');
-- Vitale Funktionen des Lebens aufrechterhalten: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(301, 31, 'Der Blutdruck von $ liegt im ärztlich vorgegebenen Bereich.'),
(302, 31, '$ steht ohne Schwindel auf und bleibt kreislaufstabil.'),
(303, 31, 'Die Ödeme an den Beinen gehen zurück, das Körpergewicht bleibt stabil.'),
(304, 31, 'Blutungszeichen bei $ werden frühzeitig erkannt und dem Arzt gemeldet.'),
(305, 32, '$ gibt eine Schmerzstärke von höchstens 3 auf der Skala an.'),
(306, 32, '$ kann sich trotz Schmerzen am Alltag beteiligen und bleibt in Bewegung.'),
(307, 32, 'Schmerzen von $ werden an Mimik, Körperhaltung und Verhalten frühzeitig erkannt und behandelt.'),
(308, 32, '$ teilt Schmerzen von sich aus den Pflegenden mit.'),
(309, 33, '$ erhält Insulin nach ärztlicher Verordnung, der Blutzucker liegt im vorgegebenen Zielbereich.'),
(310, 33, '$ hat keine Unterzuckerung, Anzeichen werden rechtzeitig erkannt und behandelt.'),
(311, 33, 'Verletzungen an den Füßen werden frühzeitig erkannt, die Haut bleibt intakt.'),
(312, 33, '$ kennt die Grundzüge der Ernährung bei Diabetes mellitus und wählt Speisen entsprechend aus.');
-- Vitale Funktionen des Lebens aufrechterhalten: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(301, 31, 'Blutdruck und Puls nach ärztlicher Anordnung, mindestens einmal täglich morgens, messen, dokumentieren und Abweichungen dem Hausarzt melden.'),
(302, 31, 'Vor dem Aufstehen kurz auf der Bettkante sitzen und die Beine bewegen lassen, beim ersten Stehen begleiten.'),
(303, 31, 'Kompressionsstrümpfe morgens vor dem Aufstehen anziehen und die Beine in Ruhephasen hochlagern.'),
(304, 31, 'Körpergewicht täglich morgens nach dem Toilettengang wiegen, bei Zunahme von mehr als 1 kg an einem Tag oder 2 kg in drei Tagen den Hausarzt informieren.'),
(305, 31, 'Herz- und Kreislaufmedikamente nach ärztlicher Verordnung verabreichen, auf Nebenwirkungen wie Schwindel, Blutdruckabfall oder Blutungszeichen achten und dokumentieren.'),
(306, 32, 'Schmerzen mindestens einmal täglich aktiv erfragen, die Stärke mit der Numerischen Rangskala einschätzen und dokumentieren.'),
(307, 32, 'Schmerzen bei Menschen mit Demenz mit einem Instrument zur Fremdeinschätzung einmal täglich und bei Verhaltensänderungen einschätzen.'),
(308, 32, 'Schmerzmedikamente nach ärztlicher Anordnung pünktlich verabreichen, Bedarfsmedikation anbieten und die Wirkung nach 30 bis 60 Minuten prüfen.'),
(309, 32, 'Mobilisation und belastende Pflegehandlungen nach dem Wirkungseintritt der Schmerzmedikamente planen und rückenschonend durchführen.'),
(310, 32, 'Nicht medikamentöse Maßnahmen nach Wunsch anbieten, zum Beispiel Wärmekissen, Einreibung oder entlastende Lagerung.'),
(311, 33, 'Blutzucker nach ärztlicher Anordnung vor den Mahlzeiten messen, Insulin nach Plan passend zur Mahlzeit verabreichen, Injektionsstellen wechseln und dokumentieren.'),
(312, 33, 'Bei Anzeichen einer Unterzuckerung sofort den Blutzucker messen, bei niedrigem Wert Traubenzucker oder Saft geben, nach 15 Minuten erneut messen und den Arzt informieren.'),
(313, 33, 'Füße täglich auf Rötungen, Blasen und Verletzungen inspizieren, Wassertemperatur beim Fußbad mit dem Thermometer prüfen und die Zehenzwischenräume gut abtrocknen.'),
(314, 33, 'Zur Ernährung bei Diabetes mellitus beraten, Zwischenmahlzeiten nach ärztlicher Vorgabe anbieten und die Wünsche von $ respektieren.'),
(315, 33, 'Auf weites, druckfreies Schuhwerk und nahtlose Strümpfe achten und die Fußpflege durch eine Podologin oder einen Podologen durchführen lassen.');
-- Vitale Funktionen des Lebens aufrechterhalten: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(301, 3, 'Ziel erreicht: Die Vitalwerte von $ sind stabil und liegen im vorgegebenen Bereich.'),
(302, 3, 'Ziel erreicht: $ ist schmerzarm und beteiligt sich am Alltag.'),
(303, 3, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(304, 3, 'Ziel nicht erreicht, Rücksprache mit dem Hausarzt ist erfolgt und die Pflegeplanung wird angepasst.');
-- Atmen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(41, 1, 4, 'Atmung und Atemnot'),
(42, 2, 4, 'Atemwege und Pneumonieprophylaxe'),
(43, 3, 4, 'Sauerstoff und Inhalation');
-- Atmen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(401, 41, '$ hat bei Belastung, zum Beispiel beim Gehen oder bei der Körperpflege, Atemnot.'),
(402, 41, '$ hat durch eine chronisch obstruktive Lungenerkrankung (COPD) zeitweise auch in Ruhe Atemnot.'),
(403, 41, '$ reagiert auf Atemnot mit Angst und Unruhe, wodurch sich die Atmung weiter verschlechtert.'),
(404, 41, '$ wacht nachts im flachen Liegen mit Atemnot auf.'),
(405, 42, '$ kann zähes Sekret nicht ausreichend abhusten.'),
(406, 42, '$ ist durch Bettlägerigkeit und flache Atmung pneumoniegefährdet.'),
(407, 42, '$ raucht trotz der Lungenerkrankung täglich mehrere Zigaretten.'),
(408, 42, '$ atmet wegen Schmerzen nach einem Rippenbruch flach und vermeidet das Husten.'),
(409, 43, '$ benötigt eine Sauerstoffgabe nach ärztlicher Verordnung.'),
(410, 43, '$ kann das Dosieraerosol oder den Pulverinhalator nicht korrekt anwenden.'),
(411, 43, '$ hat durch die Sauerstoffgabe trockene Nasenschleimhäute und Druckstellen an den Ohren.'),
(412, 43, '$ nimmt die Nasenbrille häufig ab und erhält dadurch nicht die verordnete Sauerstoffmenge.');
-- Atmen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(401, 41, '$ setzt bei Atemnot die Lippenbremse ein.'),
(402, 41, '$ kennt atemerleichternde Körperhaltungen wie den Kutschersitz.'),
(403, 41, '$ meldet Atemnot frühzeitig und bittet um Hilfe.'),
(404, 42, '$ kann gezielt tief einatmen und kräftig husten.'),
(405, 42, '$ trinkt ausreichend, wenn Getränke angeboten werden.'),
(406, 42, '$ sitzt gern aufrecht im Sessel und lässt sich mobilisieren.'),
(407, 43, '$ akzeptiert die Nasenbrille.'),
(408, 43, '$ erinnert selbst an die Inhalation.'),
(409, 43, '$ kennt die Warnzeichen einer Verschlechterung der Atmung.');
-- Atmen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(401, 41, '$ atmet in Ruhe frei und ohne Anstrengung.'),
(402, 41, '$ führt die Körperpflege mit Pausen ohne ausgeprägte Atemnot durch.'),
(403, 41, '$ wendet bei Atemnot Lippenbremse und atemerleichternde Haltungen selbstständig an und beruhigt sich.'),
(404, 41, '$ schläft nachts mit erhöhtem Oberkörper ohne Atemnot.'),
(405, 42, '$ hustet Sekret selbstständig ab, die Atemwege sind frei.'),
(406, 42, '$ entwickelt keine Pneumonie.'),
(407, 42, '$ raucht nur am vereinbarten Ort und ist über Hilfen zur Rauchentwöhnung informiert.'),
(408, 42, '$ atmet trotz Schmerzen ausreichend tief durch und hustet mit Unterstützung ab.'),
(409, 43, '$ erhält Sauerstoff in der verordneten Menge und Dauer.'),
(410, 43, '$ wendet das Inhalationsgerät korrekt nach Plan an.'),
(411, 43, 'Die Nasenschleimhaut von $ bleibt feucht und intakt, an den Ohren entstehen keine Druckstellen.'),
(412, 43, '$ versteht den Nutzen der Sauerstofftherapie und trägt die Nasenbrille wie verordnet.');
-- Atmen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(401, 41, 'Oberkörper erhöht lagern und mehrmals täglich für frische Luft im Zimmer sorgen, dabei Zugluft vermeiden.'),
(402, 41, 'Atemübungen mit Lippenbremse und atemerleichternde Sitzhaltungen wie den Kutschersitz zweimal täglich anleiten.'),
(403, 41, 'Atemfrequenz, Atemgeräusche, Hautfarbe und Sauerstoffsättigung nach ärztlicher Anordnung kontrollieren und Veränderungen dem Hausarzt melden.'),
(404, 41, 'Bei Atemnot ruhig bei $ bleiben, beengende Kleidung öffnen, zur Lippenbremse anleiten und die verordnete Bedarfsmedikation verabreichen.'),
(405, 41, 'Belastende Tätigkeiten in kleine Abschnitte teilen, Pausen im Sitzen einplanen und beim Waschen und Anziehen nach Bedarf unterstützen.'),
(406, 42, 'Zum Abhusten in aufrechter Sitzposition anleiten, Taschentücher und Abwurfbehälter bereitstellen und das Sekret nach Menge, Farbe und Beimengungen beobachten.'),
(407, 42, 'Täglich mindestens 1,5 Liter Flüssigkeit anbieten, sofern ärztlich nicht anders verordnet, um das Sekret zu verflüssigen.'),
(408, 42, 'Mehrmals täglich mobilisieren oder die Lage wechseln, zu tiefem Durchatmen anregen und eine atemstimulierende Einreibung anbieten.'),
(409, 42, 'Sachlich über die Folgen des Rauchens informieren, Hilfen zur Rauchentwöhnung anbieten und die Entscheidung von $ respektieren.'),
(410, 42, 'Rauchzeiten und einen sicheren Rauchplatz vereinbaren, in der Nähe von Sauerstoffgeräten nicht rauchen lassen und Feuerzeug nach Absprache verwahren.'),
(411, 43, 'Sauerstoff nach ärztlicher Verordnung einstellen, die Durchflussmenge bei jedem Kontakt prüfen und Füllstand und Funktion des Geräts täglich kontrollieren.'),
(412, 43, 'Inhalation morgens und abends begleiten, die korrekte Technik anleiten und nach kortisonhaltigen Sprays den Mund ausspülen lassen.'),
(413, 43, 'Inhalationsgerät und Zubehör nach Herstellerangabe reinigen und trocknen lassen, Nasenbrille und Schlauch regelmäßig wechseln.'),
(414, 43, 'Nasenschleimhaut mehrmals täglich mit wasserlöslichem Nasengel pflegen, keine fetthaltigen Salben verwenden und die Ohren mit Polstern vor Druckstellen schützen.'),
(415, 43, 'Nutzen der Sauerstofftherapie in einfachen Worten erklären, den Sitz der Nasenbrille regelmäßig prüfen und bei Ablehnung die Gründe erfragen und dokumentieren.');
-- Atmen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(401, 4, 'Ziel erreicht: $ atmet frei und ohne Atemnot.'),
(402, 4, 'Ziel erreicht: $ wendet Inhalation und Sauerstofftherapie wie verordnet an.'),
(403, 4, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(404, 4, 'Ziel nicht erreicht, der Hausarzt wurde informiert und die Pflegeplanung wird angepasst.');
-- Körpertemperatur regulieren: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(51, 1, 5, 'Fieber'),
(52, 2, 5, 'Frieren und Auskühlen'),
(53, 3, 5, 'Hitze und Raumklima');
-- Körpertemperatur regulieren: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(501, 51, '$ hat bei Infekten wiederholt erhöhte Körpertemperatur.'),
(502, 51, '$ kann aufgrund der Demenz Krankheitsgefühl und Fieber nicht mitteilen.'),
(503, 51, '$ ist bei Fieber stark geschwächt und trinkt zu wenig, Gefahr der Austrocknung.'),
(504, 51, '$ schwitzt bei Fieber und nachts stark und fühlt sich in der feuchten Wäsche unwohl.'),
(505, 52, '$ friert schnell und hat häufig kalte Hände und Füße.'),
(506, 52, '$ bewegt sich wenig und kühlt beim Sitzen und Liegen leicht aus.'),
(507, 52, '$ hat ein vermindertes Kälte- und Wärmeempfinden, Gefahr von Verbrennungen durch Wärmflaschen oder Heizkissen.'),
(508, 52, '$ heizt die Wohnung im Winter nur wenig, die Raumtemperatur ist zu niedrig.'),
(509, 53, '$ ist bei Hitze durch ein geringes Durstgefühl gefährdet auszutrocknen.'),
(510, 53, '$ kann die Raumtemperatur nicht selbst regulieren.'),
(511, 53, '$ nimmt Medikamente wie Entwässerungsmittel ein, die bei Hitze den Kreislauf zusätzlich belasten.'),
(512, 53, '$ hat bei Hitze Kreislaufbeschwerden mit Schwindel und Schwäche.');
-- Körpertemperatur regulieren: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(501, 51, '$ meldet, wenn ihr oder ihm kalt oder warm ist.'),
(502, 51, '$ trinkt bei Fieber ausreichend, wenn Getränke angeboten werden.'),
(503, 51, '$ lässt die Temperaturmessung ohne Widerstand zu.'),
(504, 52, '$ zieht sich bei Kälte selbst eine Strickjacke an.'),
(505, 52, '$ trinkt gern warme Getränke wie Tee oder Kaffee.'),
(506, 52, 'Angehörige kümmern sich um eine ausreichend beheizte Wohnung und warme Kleidung.'),
(507, 53, '$ kann sagen, ob das Zimmer zu warm oder zu kalt ist.'),
(508, 53, '$ trinkt gern gekühlten Tee oder Saftschorle.'),
(509, 53, '$ hält sich an heißen Tagen gern im Schatten oder in kühlen Räumen auf.');
-- Körpertemperatur regulieren: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(501, 51, 'Die Körpertemperatur von $ liegt im Normalbereich.'),
(502, 51, 'Fieber wird bei $ frühzeitig erkannt und ärztlich abgeklärt.'),
(503, 51, '$ trinkt bei Fieber ausreichend und zeigt keine Zeichen von Austrocknung.'),
(504, 51, '$ hat trockene Haut und Wäsche und fühlt sich wohl.'),
(505, 52, '$ fühlt sich warm und behaglich, Hände und Füße sind warm.'),
(506, 52, '$ ist auch in Ruhephasen ausreichend warm gekleidet und zugedeckt.'),
(507, 52, '$ erleidet keine Verbrennungen durch Wärmeanwendungen.'),
(508, 52, 'Die Wohnräume von $ sind im Winter ausreichend beheizt, die Raumtemperatur liegt tagsüber bei etwa 20 bis 22 Grad.'),
(509, 53, '$ trinkt an heißen Tagen ausreichend und zeigt keine Zeichen von Flüssigkeitsmangel.'),
(510, 53, 'Das Raumklima ist für $ angenehm, die Raumtemperatur liegt tagsüber möglichst unter 26 Grad.'),
(511, 53, 'Die Medikation von $ ist für Hitzeperioden ärztlich überprüft.'),
(512, 53, '$ übersteht Hitzeperioden ohne Kreislaufprobleme.');
-- Körpertemperatur regulieren: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(501, 51, 'Körpertemperatur bei Verdacht auf Fieber und bei bestehendem Fieber mindestens zweimal täglich messen, Wert und Messort dokumentieren.'),
(502, 51, 'Auf indirekte Fieberzeichen wie glänzende Augen, gerötetes Gesicht, Unruhe, Verwirrtheit oder schnelle Atmung achten und bei Auffälligkeiten die Temperatur messen.'),
(503, 51, 'Bei Fieber zusätzliche Getränke anbieten, die Trinkmenge dokumentieren und den Hausarzt informieren.'),
(504, 51, 'Bei Fieber mit warmen Händen und Füßen leichte Bettdecke verwenden und nach Rücksprache Wadenwickel anlegen, bei Schüttelfrost zudecken und warme Getränke reichen.'),
(505, 51, 'Verschwitzte Wäsche und Bettwäsche zeitnah wechseln, die Haut waschen und gut abtrocknen.'),
(506, 52, 'Kleidung in mehreren Schichten, warme Socken und bei Bedarf eine Decke anbieten, Hände und Füße regelmäßig auf Kälte prüfen.'),
(507, 52, 'In Ruhephasen im Sessel eine Decke über die Beine legen und zu Bewegung, zum Beispiel Fußkreisen, anregen.'),
(508, 52, 'Bei gestörtem Temperaturempfinden keine Heizkissen oder heißen Wärmflaschen verwenden, Wärmeanwendungen nur mit Hülle und geprüfter Temperatur, Haut danach kontrollieren.'),
(509, 52, 'Raumtemperatur bei jedem Einsatz prüfen und mit $ und den Angehörigen über ausreichendes Heizen und mögliche finanzielle Hilfen sprechen.'),
(510, 52, 'Warme Getränke und warme Mahlzeiten anbieten und bei anhaltendem Frieren die Körpertemperatur messen.'),
(511, 53, 'An heißen Tagen mindestens stündlich Getränke anbieten, wasserreiche Speisen wie Melone oder Gurke reichen und die Trinkmenge dokumentieren.'),
(512, 53, 'Zimmer morgens und abends lüften, tagsüber Fenster schließen und abdunkeln und die Raumtemperatur täglich messen.'),
(513, 53, 'Vor Hitzeperioden die Medikation, insbesondere Entwässerungs- und Blutdruckmittel, mit dem Hausarzt besprechen.'),
(514, 53, 'Leichte, luftige Kleidung aus Baumwolle anbieten und Arme und Nacken mit lauwarmem Wasser erfrischen.'),
(515, 53, 'Bei Hitze Puls und Blutdruck kontrollieren, auf Schwindel, Verwirrtheit und Schwäche achten und Aktivitäten in die kühlen Morgenstunden legen.');
-- Körpertemperatur regulieren: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(501, 5, 'Ziel erreicht: Die Körpertemperatur von $ liegt im Normalbereich.'),
(502, 5, 'Ziel erreicht: $ hat die Hitzeperiode ohne Flüssigkeitsmangel und Kreislaufprobleme überstanden.'),
(503, 5, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(504, 5, 'Ziel nicht erreicht, Rücksprache mit dem Hausarzt ist erfolgt und die Pflegeplanung wird angepasst.');
