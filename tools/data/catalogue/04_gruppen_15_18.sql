-- Soziale Bereiche des Lebens sichern: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(151, 1, 15, 'Soziale Kontakte und Beziehungen'),
(152, 2, 15, 'Familie und Angehörige'),
(153, 3, 15, 'Finanzielle und rechtliche Angelegenheiten');
-- Soziale Bereiche des Lebens sichern: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1501, 151, '$ lebt sozial zurückgezogen und hat kaum Kontakte außerhalb des Zimmers.'),
(1502, 151, '$ kann bestehende Kontakte aufgrund eingeschränkter Mobilität nicht selbstständig pflegen.'),
(1503, 151, '$ hat Schwierigkeiten, Kontakt zu Mitbewohnern aufzunehmen.'),
(1504, 151, '$ leidet unter Einsamkeit nach dem Verlust des Lebenspartners.'),
(1505, 152, 'Die Angehörigen sind durch die Pflegesituation stark belastet.'),
(1506, 152, '$ hat keine Angehörigen, die regelmäßig Kontakt halten.'),
(1507, 152, 'Zwischen $ und den Angehörigen bestehen Konflikte, Besuche verlaufen angespannt.'),
(1508, 152, '$ befürchtet, der Familie zur Last zu fallen.'),
(1509, 153, '$ kann finanzielle Angelegenheiten nicht mehr selbstständig regeln.'),
(1510, 153, '$ kann Behördenangelegenheiten und Schriftverkehr nicht allein erledigen.'),
(1511, 153, 'Es liegt keine Vorsorgevollmacht vor, obwohl $ Entscheidungen nicht mehr sicher treffen kann.'),
(1512, 153, '$ macht sich Sorgen um die Finanzierung der Pflege.');
-- Soziale Bereiche des Lebens sichern: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1501, 151, '$ freut sich über Besuch und Gespräche.'),
(1502, 151, '$ kann telefonieren und Bekannte selbst anrufen.'),
(1503, 151, 'Ehemalige Nachbarn und Freunde besuchen $ regelmäßig.'),
(1504, 152, 'Die Angehörigen besuchen $ regelmäßig und beteiligen sich an der Pflege.'),
(1505, 152, '$ hat eine gute Beziehung zu Kindern und Enkeln.'),
(1506, 152, 'Die Angehörigen sind bereit, an Pflegegesprächen teilzunehmen.'),
(1507, 153, 'Ein Angehöriger ist bevollmächtigt und regelt die finanziellen Angelegenheiten.'),
(1508, 153, 'Eine rechtliche Betreuung mit dem Aufgabenkreis Vermögenssorge ist eingerichtet.'),
(1509, 153, '$ kann kleinere Geldbeträge selbst verwalten.');
-- Soziale Bereiche des Lebens sichern: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1501, 151, '$ nimmt mindestens einmal pro Woche an einem Gruppenangebot teil.'),
(1502, 151, '$ hat regelmäßig Kontakt zu Angehörigen oder Freunden.'),
(1503, 151, '$ kennt mindestens einen Mitbewohner mit Namen und sucht das Gespräch.'),
(1504, 151, '$ äußert, sich weniger einsam zu fühlen.'),
(1505, 152, 'Die Angehörigen kennen Entlastungsangebote und nehmen sie bei Bedarf in Anspruch.'),
(1506, 152, '$ hat eine feste Bezugsperson, die regelmäßig Kontakt hält.'),
(1507, 152, 'Besuche der Angehörigen verlaufen ruhig und ohne Streit.'),
(1508, 152, '$ äußert, sich von der Familie angenommen zu fühlen.'),
(1509, 153, 'Die finanziellen Angelegenheiten von $ sind geregelt.'),
(1510, 153, 'Anträge und Schreiben für $ werden fristgerecht bearbeitet.'),
(1511, 153, 'Die rechtliche Vertretung von $ ist geklärt und in der Pflegedokumentation hinterlegt.'),
(1512, 153, '$ ist über die Finanzierung der Pflege informiert und äußert weniger Sorgen.');
-- Soziale Bereiche des Lebens sichern: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1501, 151, 'Gruppenangebote der Woche mit $ besprechen, persönlich einladen und zur Teilnahme begleiten.'),
(1502, 151, 'Platz im Speiseraum neben einem Mitbewohner mit ähnlichen Interessen anbieten und erstes Gespräch anbahnen.'),
(1503, 151, 'Telefonate und Videoanrufe mit Angehörigen und Freunden ermöglichen, bei Bedarf Nummer wählen und Gerät halten.'),
(1504, 151, 'Täglich ein Einzelgespräch von mindestens 10 Minuten anbieten und Befinden im Pflegebericht dokumentieren.'),
(1505, 151, 'Kontakt zum ehrenamtlichen Besuchsdienst herstellen und feste Besuchszeiten im Wochenplan eintragen.'),
(1506, 152, 'Angehörige über Entlastungsangebote wie Pflegekurse, Tagespflege und Selbsthilfegruppen informieren und Informationsmaterial aushändigen.'),
(1507, 152, 'Angehörigengespräche mindestens vierteljährlich anbieten und Absprachen in der Pflegedokumentation festhalten.'),
(1508, 152, 'Angehörige auf Wunsch in die Pflege einbeziehen, z. B. beim Anreichen der Mahlzeiten oder bei Spaziergängen.'),
(1509, 152, 'Bei Konflikten neutral und vermittelnd auftreten, bei Bedarf den Sozialdienst zu einem gemeinsamen Gespräch hinzuziehen.'),
(1510, 152, 'Mit $ in Ruhe über Sorgen bezüglich der Familie sprechen und die Gefühle ernst nehmen.'),
(1511, 153, 'Kontaktdaten von Bevollmächtigten oder Betreuern im Stammblatt hinterlegen und bei jeder Evaluation auf Aktualität prüfen.'),
(1512, 153, 'Eingehende Post gemeinsam mit $ öffnen und besprechen, bei Bedarf an Bevollmächtigte oder Betreuer weiterleiten.'),
(1513, 153, 'Gespräch mit $ und Angehörigen über Vorsorgevollmacht und Betreuungsverfahren führen und Ergebnis dokumentieren.'),
(1514, 153, 'Kontakt zu Sozialdienst oder Pflegeberatung herstellen, um Anträge bei Pflegekasse oder Sozialamt zu stellen.'),
(1515, 153, 'Barbetrag nach Absprache verwalten, Ein- und Ausgaben quittieren lassen und Belege aufbewahren.');
-- Soziale Bereiche des Lebens sichern: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1501, 15, 'Ziel erreicht: $ nimmt regelmäßig an Gruppenangeboten teil und pflegt soziale Kontakte.'),
(1502, 15, 'Ziel erreicht: Die finanziellen und rechtlichen Angelegenheiten von $ sind geregelt.'),
(1503, 15, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1504, 15, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(161, 1, 16, 'Glaube und Spiritualität'),
(162, 2, 16, 'Verlust und Trauer'),
(163, 3, 16, 'Ängste und Lebensende');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1601, 161, '$ kann aufgrund eingeschränkter Mobilität Gottesdienste nicht mehr besuchen.'),
(1602, 161, '$ kann religiöse Rituale wie Gebet oder Kommunion nicht mehr selbstständig ausüben.'),
(1603, 161, '$ zweifelt am Glauben und fragt nach dem Sinn der eigenen Situation.'),
(1604, 161, '$ benötigt Rücksicht auf religiöse Speise- und Waschvorschriften.'),
(1605, 162, '$ trauert um den verstorbenen Ehepartner und zieht sich zurück.'),
(1606, 162, '$ leidet unter dem Verlust der eigenen Wohnung und der gewohnten Umgebung.'),
(1607, 162, '$ kann den Verlust körperlicher Fähigkeiten nur schwer annehmen.'),
(1608, 162, '$ zeigt Anzeichen anhaltender Trauer mit Appetitlosigkeit und Schlafstörungen.'),
(1609, 163, '$ äußert Angst vor dem Sterben und vor Schmerzen.'),
(1610, 163, '$ befindet sich in der letzten Lebensphase und benötigt palliative Begleitung.'),
(1611, 163, 'Die Wünsche von $ für die letzte Lebensphase sind nicht bekannt.'),
(1612, 163, '$ äußert Zukunftsängste und sieht keinen Sinn mehr im Leben.');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1601, 161, '$ findet Halt und Trost im Glauben.'),
(1602, 161, '$ betet täglich und kennt Gebete und Kirchenlieder auswendig.'),
(1603, 161, '$ hat Kontakt zur Seelsorge der eigenen Religionsgemeinschaft.'),
(1604, 162, '$ kann über den Verlust sprechen und Gefühle zeigen.'),
(1605, 162, '$ hat Fotos und Erinnerungsstücke, die Halt geben.'),
(1606, 162, 'Die Familie steht $ in der Trauer bei.'),
(1607, 163, '$ kann Ängste und Wünsche benennen.'),
(1608, 163, '$ hat eine Patientenverfügung verfasst.'),
(1609, 163, 'Die Angehörigen möchten $ in der Sterbephase begleiten.');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1601, 161, '$ nimmt regelmäßig am Gottesdienst in der Einrichtung oder über Radio und Fernsehen teil.'),
(1602, 161, '$ kann religiöse Rituale nach den eigenen Wünschen ausüben.'),
(1603, 161, '$ äußert, Trost und inneren Frieden zu finden.'),
(1604, 161, 'Die religiösen Speise- und Waschvorschriften von $ werden eingehalten.'),
(1605, 162, '$ kann Trauer ausdrücken und fühlt sich darin angenommen.'),
(1606, 162, '$ hat das Zimmer mit persönlichen Gegenständen gestaltet und äußert, sich wohler zu fühlen.'),
(1607, 162, '$ nimmt die Mahlzeiten wieder in Gemeinschaft ein.'),
(1608, 162, '$ nutzt verbliebene Fähigkeiten und äußert Zufriedenheit über Erreichtes.'),
(1609, 163, '$ äußert, sich sicher und gut begleitet zu fühlen.'),
(1610, 163, '$ ist schmerzarm und wirkt entspannt.'),
(1611, 163, 'Die Wünsche von $ für die letzte Lebensphase sind bekannt und dokumentiert.'),
(1612, 163, '$ benennt Dinge, die Freude und Halt geben.');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1601, 161, '$ zum Gottesdienst in der Einrichtung abholen und begleiten, Termine im Wochenplan eintragen.'),
(1602, 161, 'Übertragungen von Gottesdiensten im Radio oder Fernsehen nach Wunsch von $ einschalten.'),
(1603, 161, 'Auf Wunsch Kontakt zum Seelsorger der Religionsgemeinschaft von $ herstellen und ungestörte Besuche ermöglichen.'),
(1604, 161, 'Religiöse Gegenstände wie Kreuz, Rosenkranz oder Gebetsbuch in Reichweite von $ bereitlegen.'),
(1605, 161, 'Religiöse Speise- und Waschvorschriften in der Pflegedokumentation vermerken und an Küche und Team weitergeben.'),
(1606, 162, 'Gesprächsbereitschaft signalisieren, aktiv zuhören und Trauerreaktionen wie Weinen oder Wut zulassen.'),
(1607, 162, 'Gedenktage wie Todestag oder Hochzeitstag im Kalender vermerken und $ an diesen Tagen besondere Zuwendung anbieten.'),
(1608, 162, 'Zimmer gemeinsam mit $ und Angehörigen mit eigenen Möbeln, Bildern und Erinnerungsstücken gestalten.'),
(1609, 162, 'Kleine Fortschritte gemeinsam mit $ würdigen und vorhandene Fähigkeiten bewusst benennen.'),
(1610, 162, 'Bei anhaltender Niedergeschlagenheit, Appetitlosigkeit oder Schlafstörungen den Hausarzt informieren.'),
(1611, 163, 'Ängste von $ ernst nehmen, in Ruhe darüber sprechen und Nähe durch Anwesenheit oder Handhalten anbieten.'),
(1612, 163, 'Schmerzeinschätzung mindestens einmal pro Schicht durchführen und Bedarfsmedikation nach ärztlicher Anordnung verabreichen.'),
(1613, 163, 'Gespräch zur Versorgungsplanung für die letzte Lebensphase mit $, Angehörigen und Hausarzt führen und Wünsche dokumentieren.'),
(1614, 163, 'In der Sterbephase Mundpflege, Lagerung und Zuwendung nach den Wünschen von $ durchführen und Angehörige einbeziehen.'),
(1615, 163, 'Bei Bedarf Kontakt zum ambulanten Hospizdienst oder zum Team der spezialisierten ambulanten Palliativversorgung herstellen.');
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1601, 16, 'Ziel erreicht: $ äußert, Halt und Trost zu finden.'),
(1602, 16, 'Ziel erreicht: Die Wünsche von $ für die letzte Lebensphase sind bekannt und werden umgesetzt.'),
(1603, 16, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1604, 16, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Sinnvoll tätig sein: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(171, 1, 17, 'Alltagsaufgaben und Mithilfe'),
(172, 2, 17, 'Hobbys und Interessen'),
(173, 3, 17, 'Tagesstruktur');
-- Sinnvoll tätig sein: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1701, 171, '$ fühlt sich nutzlos, da frühere Aufgaben im Haushalt weggefallen sind.'),
(1702, 171, '$ kann hauswirtschaftliche Tätigkeiten aufgrund eingeschränkter Feinmotorik nur teilweise ausführen.'),
(1703, 171, '$ möchte im Alltag mithelfen, überschätzt dabei aber die eigenen Kräfte.'),
(1704, 171, '$ kann Tätigkeiten aufgrund kognitiver Einschränkungen nicht ohne Anleitung beginnen.'),
(1705, 172, '$ kann frühere Hobbys aufgrund einer Sehbeeinträchtigung nicht mehr ausüben.'),
(1706, 172, '$ zeigt wenig Eigeninitiative und verbringt den Tag überwiegend ohne Beschäftigung im Zimmer.'),
(1707, 172, '$ lehnt Gruppenangebote ab, die nicht den eigenen Interessen entsprechen.'),
(1708, 172, 'Frühere Interessen und Hobbys von $ sind nicht bekannt.'),
(1709, 173, '$ hat keine feste Tagesstruktur und wirkt tagsüber antriebslos.'),
(1710, 173, '$ verliert die Orientierung im Tagesablauf.'),
(1711, 173, '$ ist tagsüber unruhig und läuft ziellos umher.'),
(1712, 173, '$ kann den eigenen Tag nicht selbstständig planen.');
-- Sinnvoll tätig sein: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1701, 171, '$ hat Freude an hauswirtschaftlichen Tätigkeiten wie Tischdecken oder Wäschefalten.'),
(1702, 171, '$ kann einfache Tätigkeiten nach Anleitung ausführen.'),
(1703, 171, '$ ist hilfsbereit und übernimmt gern Verantwortung.'),
(1704, 172, '$ hat Freude an Musik und singt gern mit.'),
(1705, 172, '$ kann frühere Interessen wie Gartenarbeit oder Handarbeit benennen.'),
(1706, 172, '$ nimmt gern an Angeboten in kleinen Gruppen teil.'),
(1707, 173, '$ hat feste Gewohnheiten im Tagesablauf.'),
(1708, 173, '$ orientiert sich an Uhr und Kalender.'),
(1709, 173, '$ bewegt sich gern und geht gern spazieren.');
-- Sinnvoll tätig sein: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1701, 171, '$ übernimmt täglich eine feste Aufgabe im Wohnbereich.'),
(1702, 171, '$ führt ausgewählte Tätigkeiten mit Hilfsmitteln selbstständig aus.'),
(1703, 171, '$ legt bei Tätigkeiten Pausen ein und zeigt keine Zeichen von Überlastung.'),
(1704, 171, '$ führt eine Tätigkeit nach Anleitung in einzelnen Schritten bis zum Ende aus.'),
(1705, 172, '$ übt ein früheres Hobby in angepasster Form aus.'),
(1706, 172, '$ nimmt mindestens dreimal pro Woche an einem Beschäftigungsangebot teil.'),
(1707, 172, '$ wählt Angebote nach eigenen Interessen aus.'),
(1708, 172, 'Die Interessen und Hobbys von $ sind in der Biografie erfasst.'),
(1709, 173, '$ hat eine feste Tagesstruktur mit Aktivitäts- und Ruhephasen.'),
(1710, 173, '$ kennt den Tagesablauf und findet sich darin zurecht.'),
(1711, 173, '$ wirkt tagsüber ausgeglichen und zeigt weniger Unruhe.'),
(1712, 173, '$ plant den Tag gemeinsam mit der Pflegekraft.');
-- Sinnvoll tätig sein: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1701, 171, 'Mit $ eine feste Aufgabe vereinbaren, z. B. Tischdecken oder Blumen gießen, und im Tagesplan eintragen.'),
(1702, 171, 'Tätigkeiten in kleine Schritte aufteilen, jeden Schritt einzeln erklären und vormachen.'),
(1703, 171, 'Arbeitsplatz im Sitzen einrichten und Hilfsmittel wie rutschfeste Unterlagen oder Griffverdickungen bereitstellen.'),
(1704, 171, 'Auf Zeichen von Erschöpfung achten und nach 20 bis 30 Minuten eine Pause anbieten.'),
(1705, 171, 'Mithilfe von $ ausdrücklich anerkennen und das Ergebnis gemeinsam würdigen.'),
(1706, 172, 'Biografiegespräch mit $ und Angehörigen führen und Interessen, Hobbys und frühere Berufstätigkeit dokumentieren.'),
(1707, 172, 'Angepasste Angebote machen, z. B. Hörbücher statt Lesen oder Hochbeet statt Garten.'),
(1708, 172, 'Wochenplan der Beschäftigungsangebote gemeinsam mit $ durchgehen und passende Angebote auswählen.'),
(1709, 172, 'Einzelbeschäftigung durch die Betreuungskraft zweimal wöchentlich anbieten, z. B. Musik hören oder Fotoalben ansehen.'),
(1710, 172, 'Teilnahme, Reaktion und Befinden von $ bei Angeboten im Betreuungsnachweis dokumentieren.'),
(1711, 173, 'Gemeinsam mit $ einen Tagesplan mit festen Zeiten für Mahlzeiten, Aktivität und Ruhe erstellen und gut sichtbar aufhängen.'),
(1712, 173, 'Morgens den Tagesablauf mit $ besprechen und im Laufe des Tages daran erinnern.'),
(1713, 173, 'Bei Unruhe Bewegung anbieten, z. B. einen gemeinsamen Spaziergang im Garten oder auf dem Flur.'),
(1714, 173, 'Tätigkeiten mit Bezug zum früheren Beruf von $ anbieten, z. B. Sortieren, Falten oder Werken.'),
(1715, 173, 'Große Uhr und Tageskalender im Zimmer von $ anbringen und den Kalender täglich aktualisieren.');
-- Sinnvoll tätig sein: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1701, 17, 'Ziel erreicht: $ übernimmt regelmäßig Aufgaben und nimmt an Angeboten teil.'),
(1702, 17, 'Ziel erreicht: $ hat eine feste Tagesstruktur und wirkt ausgeglichen.'),
(1703, 17, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1704, 17, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
-- Lernen, entdecken, Neugier befriedigen: Kategorien
INSERT INTO tbl_kategorien (kategorie_id, kategorie_sortierung, kategorie_aktivitaeten_gruppen_id, kategorie_bezeichnung) VALUES
(181, 1, 18, 'Gesundheitswissen und Selbstmanagement'),
(182, 2, 18, 'Umgang mit Hilfsmitteln und Technik'),
(183, 3, 18, 'Geistige Anregung und Neugier');
-- Lernen, entdecken, Neugier befriedigen: Probleme
INSERT INTO tbl_probleme (prob_id, prob_kategorie, prob_bezeichnung) VALUES
(1801, 181, '$ hat wenig Wissen über die eigene Erkrankung und deren Behandlung.'),
(1802, 181, '$ kann die Blutzuckerselbstkontrolle noch nicht sicher durchführen.'),
(1803, 181, '$ vergisst neu erlernte Abläufe schnell und benötigt Wiederholung.'),
(1804, 181, '$ kennt Wirkung und Einnahmezeiten der eigenen Medikamente nicht.'),
(1805, 182, '$ kann das neue Hörgerät noch nicht selbstständig einsetzen und bedienen.'),
(1806, 182, '$ ist im Umgang mit dem Rollator unsicher.'),
(1807, 182, '$ möchte Smartphone oder Tablet nutzen, kennt die Bedienung aber nicht.'),
(1808, 182, '$ lehnt neue Hilfsmittel aus Unsicherheit ab.'),
(1809, 183, '$ wirkt gelangweilt und erhält im Alltag wenig geistige Anregung.'),
(1810, 183, '$ interessiert sich für das Tagesgeschehen, kann wegen einer Sehbeeinträchtigung aber keine Zeitung lesen.'),
(1811, 183, '$ traut sich Neues aus Angst vor Versagen nicht zu.'),
(1812, 183, '$ zeigt nachlassende Merkfähigkeit und Konzentration.');
-- Lernen, entdecken, Neugier befriedigen: Ressourcen
INSERT INTO tbl_ressourcen (res_id, res_kategorie, res_bezeichnung) VALUES
(1801, 181, '$ ist interessiert und stellt Fragen zur eigenen Gesundheit.'),
(1802, 181, '$ kann schriftliche Informationen lesen und verstehen.'),
(1803, 181, '$ ist motiviert, im Umgang mit der Erkrankung selbstständig zu werden.'),
(1804, 182, '$ ist offen für neue Hilfsmittel und Technik.'),
(1805, 182, 'Angehörige üben mit $ den Umgang mit Tablet oder Smartphone.'),
(1806, 182, '$ hat eine gute Feinmotorik in den Händen.'),
(1807, 183, '$ ist neugierig und interessiert sich für Neues.'),
(1808, 183, '$ hat Freude an Rätseln, Quizspielen und Gesprächen über das Tagesgeschehen.'),
(1809, 183, '$ kann sich an Ereignisse aus früheren Zeiten gut erinnern.');
-- Lernen, entdecken, Neugier befriedigen: Ziele
INSERT INTO tbl_ziele (ziel_id, ziel_kategorie, ziel_bezeichnung) VALUES
(1801, 181, '$ kann die wichtigsten Krankheitszeichen benennen und weiß, wann Hilfe zu holen ist.'),
(1802, 181, '$ führt die Blutzuckermessung selbstständig und korrekt durch.'),
(1803, 181, '$ führt einen neu erlernten Ablauf mithilfe einer Merkhilfe richtig aus.'),
(1804, 181, '$ kann die eigenen Medikamente mit Wirkung und Einnahmezeit benennen.'),
(1805, 182, '$ setzt das Hörgerät selbstständig ein und wechselt die Batterie.'),
(1806, 182, '$ geht sicher mit dem Rollator und benutzt die Bremsen richtig.'),
(1807, 182, '$ führt Videoanrufe mit Angehörigen selbstständig durch.'),
(1808, 182, '$ probiert das neue Hilfsmittel aus und nutzt es im Alltag.'),
(1809, 183, '$ nimmt mindestens einmal pro Woche an einem Angebot zur geistigen Aktivierung teil.'),
(1810, 183, '$ ist über das aktuelle Tagesgeschehen informiert und spricht darüber.'),
(1811, 183, '$ probiert ein neues Angebot aus und äußert sich dazu.'),
(1812, 183, '$ beteiligt sich aktiv am Gedächtnistraining.');
-- Lernen, entdecken, Neugier befriedigen: Maßnahmen
INSERT INTO tbl_massnahmen (mas_id, mas_kategorie, mas_bezeichnung) VALUES
(1801, 181, 'Schulungsgespräch zur Erkrankung in kurzen Einheiten von höchstens 15 Minuten führen und Inhalte dokumentieren.'),
(1802, 181, 'Blutzuckermessung zunächst vormachen, dann von $ unter Anleitung durchführen lassen, bis sie sicher gelingt.'),
(1803, 181, 'Merkhilfe mit den einzelnen Arbeitsschritten in großer Schrift erstellen und gut sichtbar anbringen.'),
(1804, 181, 'Medikamentenplan in verständlicher Form mit $ durchgehen und Fragen beantworten.'),
(1805, 181, 'Lernfortschritt wöchentlich überprüfen und Inhalte bei Bedarf wiederholen.'),
(1806, 182, 'Einsetzen, Reinigen und Batteriewechsel des Hörgerätes täglich mit $ üben, bis es selbstständig gelingt.'),
(1807, 182, 'Gehtraining mit dem Rollator zweimal täglich auf dem Flur, dabei Bremsen, Hinsetzen und Aufstehen üben.'),
(1808, 182, 'Bedienung von Smartphone oder Tablet Schritt für Schritt erklären und eine bebilderte Kurzanleitung bereitlegen.'),
(1809, 182, 'Nutzen des Hilfsmittels mit $ besprechen und zum Ausprobieren in ruhiger Atmosphäre ermutigen.'),
(1810, 182, 'Bei Fragen zur Anpassung Kontakt zu Sanitätshaus, Hörakustiker oder Physiotherapie herstellen.'),
(1811, 183, 'Gedächtnistraining in der Gruppe einmal wöchentlich anbieten und $ persönlich dazu einladen.'),
(1812, 183, 'Zeitung vorlesen oder Nachrichten im Radio anbieten und anschließend mit $ über die Inhalte sprechen.'),
(1813, 183, 'Neue Angebote in kleinen Schritten und ohne Leistungsdruck einführen und Erfolge positiv hervorheben.'),
(1814, 183, 'Gesprächsrunde zum Tagesgeschehen einmal wöchentlich anbieten und $ zur Teilnahme begleiten.'),
(1815, 183, 'Biografisch angelehnte Quiz- und Erinnerungsrunden anbieten, Beteiligung und Stimmung dokumentieren.');
-- Lernen, entdecken, Neugier befriedigen: Evaluationen
INSERT INTO tbl_evaluationen (eval_id, eval_aktivitaet, eval_bezeichnung) VALUES
(1801, 18, 'Ziel erreicht: $ wendet das Gelernte sicher und selbstständig an.'),
(1802, 18, 'Ziel erreicht: $ nimmt regelmäßig an Angeboten zur geistigen Anregung teil.'),
(1803, 18, 'Ziel teilweise erreicht, Maßnahmen werden unverändert fortgeführt.'),
(1804, 18, 'Ziel nicht erreicht, Pflegeplanung wird angepasst.');
