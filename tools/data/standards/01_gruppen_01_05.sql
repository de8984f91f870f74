-- Kommunizieren
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(101, 101),
(102, 102),
(103, 103),
(104, 104),
(105, 105),
(106, 106);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(101, 101, 101),
(102, 102, 102),
(103, 103, 103),
(104, 104, 104),
(105, 105, 105),
(106, 106, 106);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(101, 101, 101),
(102, 101, 102),
(103, 102, 102),
(104, 103, 103),
(105, 104, 104),
(106, 104, 105),
(107, 105, 105),
(108, 106, 106);
-- Sich bewegen
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(201, 201),
(202, 202),
(203, 203),
(204, 204),
(205, 205),
(206, 206);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(201, 201, 201),
(202, 202, 202),
(203, 203, 203),
(204, 204, 204),
(205, 205, 205),
(206, 206, 206);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(201, 201, 201),
(202, 201, 202),
(203, 202, 202),
(204, 203, 203),
(205, 204, 204),
(206, 204, 205),
(207, 205, 205),
(208, 206, 206);
-- Vitale Funktionen des Lebens aufrechterhalten
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(301, 301),
(302, 302),
(303, 303),
(304, 304),
(305, 305),
(306, 306);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(301, 301, 301),
(302, 302, 302),
(303, 303, 303),
(304, 304, 304),
(305, 305, 305),
(306, 306, 306);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(301, 301, 301),
(302, 301, 302),
(303, 302, 302),
(304, 303, 303),
(305, 304, 304),
(306, 304, 305),
(307, 305, 305),
(308, 306, 306);
-- Atmen
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(401, 401),
(402, 402),
(403, 403),
(404, 404),
(405, 405),
(406, 406);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(401, 401, 401),
(402, 402, 402),
(403, 403, 403),
(404, 404, 404),
(405, 405, 405),
(406, 406, 406);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(401, 401, 401),
(402, 401, 402),
(403, 402, 402),
(404, 403, 403),
(405, 404, 404),
(406, 404, 405),
(407, 405, 405),
(408, 406, 406);
-- Körpertemperatur regulieren
INSERT INTO tbl_standard_probleme (standardprob_lfd_nr, standardprob_problem_id) VALUES
(501, 501),
(502, 502),
(503, 503),
(504, 504),
(505, 505),
(506, 506);
INSERT INTO tbl_standard_ziele (standardziele_lfd_nr, standardziele_problem_id, standardziele_ziel_id) VALUES
(501, 501, 501),
(502, 502, 502),
(503, 503, 503),
(504, 504, 504),
(505, 505, 505),
(506, 506, 506);
INSERT INTO tbl_standard_massnahmen (standardmas_lfd_nr, standardmas_problem_id, standardmas_massnahme_id) VALUES
(501, 501, 501),
(502, 501, 502),
(503, 502, 502),
(504, 503, 503),
(505, 504, 504),
(506, 504, 505),
(507, 505, 505),
(508, 506, 506);
