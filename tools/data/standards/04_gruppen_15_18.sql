-- Soziale Bereiche des Lebens sichern: Standardprobleme
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1501, 1501),
(1502, 1503),
(1503, 1504),
(1504, 1505),
(1505, 1506),
(1506, 1507),
(1507, 1509),
(1508, 1510),
(1509, 1511);
-- Soziale Bereiche des Lebens sichern: Standardziele
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1501, 1501, 1501),
(1502, 1501, 1502),
(1503, 1503, 1503),
(1504, 1504, 1504),
(1505, 1505, 1505),
(1506, 1506, 1506),
(1507, 1506, 1502),
(1508, 1507, 1507),
(1509, 1509, 1509),
(1510, 1510, 1510),
(1511, 1511, 1511);
-- Soziale Bereiche des Lebens sichern: Standardmaßnahmen
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1501, 1501, 1501),
(1502, 1501, 1503),
(1503, 1501, 1505),
(1504, 1503, 1501),
(1505, 1503, 1502),
(1506, 1504, 1504),
(1507, 1504, 1505),
(1508, 1505, 1506),
(1509, 1505, 1507),
(1510, 1505, 1508),
(1511, 1506, 1505),
(1512, 1506, 1503),
(1513, 1507, 1507),
(1514, 1507, 1509),
(1515, 1509, 1511),
(1516, 1509, 1514),
(1517, 1509, 1515),
(1518, 1510, 1512),
(1519, 1510, 1511),
(1520, 1511, 1513),
(1521, 1511, 1511);
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Standardprobleme
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1601, 1601),
(1602, 1602),
(1603, 1604),
(1604, 1605),
(1605, 1606),
(1606, 1608),
(1607, 1609),
(1608, 1610),
(1609, 1611);
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Standardziele
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1601, 1601, 1601),
(1602, 1602, 1602),
(1603, 1604, 1604),
(1604, 1605, 1605),
(1605, 1605, 1607),
(1606, 1606, 1606),
(1607, 1608, 1607),
(1608, 1608, 1605),
(1609, 1609, 1609),
(1610, 1610, 1610),
(1611, 1610, 1609),
(1612, 1611, 1611);
-- Mit existenziellen Erfahrungen umgehen, Sinn finden: Standardmaßnahmen
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1601, 1601, 1601),
(1602, 1601, 1602),
(1603, 1602, 1603),
(1604, 1602, 1604),
(1605, 1604, 1605),
(1606, 1604, 1603),
(1607, 1605, 1606),
(1608, 1605, 1607),
(1609, 1606, 1608),
(1610, 1606, 1606),
(1611, 1608, 1606),
(1612, 1608, 1610),
(1613, 1609, 1611),
(1614, 1609, 1612),
(1615, 1610, 1612),
(1616, 1610, 1614),
(1617, 1610, 1615),
(1618, 1611, 1613),
(1619, 1611, 1615);
-- Sinnvoll tätig sein: Standardprobleme
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1701, 1701),
(1702, 1702),
(1703, 1704),
(1704, 1705),
(1705, 1706),
(1706, 1708),
(1707, 1709),
(1708, 1710),
(1709, 1711);
-- Sinnvoll tätig sein: Standardziele
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1701, 1701, 1701),
(1702, 1702, 1702),
(1703, 1704, 1704),
(1704, 1705, 1705),
(1705, 1706, 1706),
(1706, 1706, 1707),
(1707, 1708, 1708),
(1708, 1709, 1709),
(1709, 1710, 1710),
(1710, 1711, 1711);
-- Sinnvoll tätig sein: Standardmaßnahmen
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1701, 1701, 1701),
(1702, 1701, 1705),
(1703, 1702, 1703),
(1704, 1702, 1702),
(1705, 1704, 1702),
(1706, 1704, 1701),
(1707, 1705, 1707),
(1708, 1705, 1706),
(1709, 1706, 1708),
(1710, 1706, 1709),
(1711, 1706, 1710),
(1712, 1708, 1706),
(1713, 1708, 1710),
(1714, 1709, 1711),
(1715, 1709, 1712),
(1716, 1710, 1712),
(1717, 1710, 1715),
(1718, 1711, 1713),
(1719, 1711, 1714);
-- Lernen, entdecken, Neugier befriedigen: Standardprobleme
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1801, 1801),
(1802, 1802),
(1803, 1804),
(1804, 1805),
(1805, 1806),
(1806, 1807),
(1807, 1809),
(1808, 1810),
(1809, 1812);
-- Lernen, entdecken, Neugier befriedigen: Standardziele
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1801, 1801, 1801),
(1802, 1802, 1802),
(1803, 1804, 1804),
(1804, 1805, 1805),
(1805, 1806, 1806),
(1806, 1807, 1807),
(1807, 1809, 1809),
(1808, 1809, 1811),
(1809, 1810, 1810),
(1810, 1812, 1812);
-- Lernen, entdecken, Neugier befriedigen: Standardmaßnahmen
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1801, 1801, 1801),
(1802, 1801, 1805),
(1803, 1802, 1802),
(1804, 1802, 1803),
(1805, 1804, 1804),
(1806, 1804, 1805),
(1807, 1805, 1806),
(1808, 1805, 1810),
(1809, 1806, 1807),
(1810, 1806, 1810),
(1811, 1807, 1808),
(1812, 1807, 1809),
(1813, 1809, 1811),
(1814, 1809, 1814),
(1815, 1809, 1815),
(1816, 1810, 1812),
(1817, 1810, 1814),
(1818, 1812, 1811),
(1819, 1812, 1815);
