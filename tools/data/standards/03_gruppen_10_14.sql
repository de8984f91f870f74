-- Sich kleiden
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1001, 1001),
(1002, 1002),
(1003, 1003),
(1004, 1004),
(1005, 1005),
(1006, 1006);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1001, 1001, 1001),
(1002, 1002, 1002),
(1003, 1003, 1003),
(1004, 1004, 1004),
(1005, 1005, 1005),
(1006, 1006, 1006);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1001, 1001, 1001),
(1002, 1001, 1002),
(1003, 1002, 1002),
(1004, 1003, 1003),
(1005, 1004, 1004),
(1006, 1004, 1005),
(1007, 1005, 1005),
(1008, 1006, 1006);
-- Wach sein, ruhen und schlafen
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1101, 1101),
(1102, 1102),
(1103, 1103),
(1104, 1104),
(1105, 1105),
(1106, 1106);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1101, 1101, 1101),
(1102, 1102, 1102),
(1103, 1103, 1103),
(1104, 1104, 1104),
(1105, 1105, 1105),
(1106, 1106, 1106);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1101, 1101, 1101),
(1102, 1101, 1102),
(1103, 1102, 1102),
(1104, 1103, 1103),
(1105, 1104, 1104),
(1106, 1104, 1105),
(1107, 1105, 1105),
(1108, 1106, 1106);
-- Sich beschäftigen, Raum und Zeit gestalten
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1201, 1201),
(1202, 1202),
(1203, 1203),
(1204, 1204),
(1205, 1205),
(1206, 1206);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1201, 1201, 1201),
(1202, 1202, 1202),
(1203, 1203, 1203),
(1204, 1204, 1204),
(1205, 1205, 1205),
(1206, 1206, 1206);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1201, 1201, 1201),
(1202, 1201, 1202),
(1203, 1202, 1202),
(1204, 1203, 1203),
(1205, 1204, 1204),
(1206, 1204, 1205),
(1207, 1205, 1205),
(1208, 1206, 1206);
-- Sich als Frau oder Mann fühlen und verhalten
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1301, 1301),
(1302, 1302),
(1303, 1303),
(1304, 1304),
(1305, 1305),
(1306, 1306);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1301, 1301, 1301),
(1302, 1302, 1302),
(1303, 1303, 1303),
(1304, 1304, 1304),
(1305, 1305, 1305),
(1306, 1306, 1306);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1301, 1301, 1301),
(1302, 1301, 1302),
(1303, 1302, 1302),
(1304, 1303, 1303),
(1305, 1304, 1304),
(1306, 1304, 1305),
(1307, 1305, 1305),
(1308, 1306, 1306);
-- Für eine sichere Umgebung sorgen, sich sicher fühlen
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(1401, 1401),
(1402, 1402),
(1403, 1403),
(1404, 1404),
(1405, 1405),
(1406, 1406);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(1401, 1401, 1401),
(1402, 1402, 1402),
(1403, 1403, 1403),
(1404, 1404, 1404),
(1405, 1405, 1405),
(1406, 1406, 1406);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(1401, 1401, 1401),
(1402, 1401, 1402),
(1403, 1402, 1402),
(1404, 1403, 1403),
(1405, 1404, 1404),
(1406, 1404, 1405),
(1407, 1405, 1405),
(1408, 1406, 1406);
