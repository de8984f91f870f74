-- Program parameters of a new care database: care model AEDL, the client's
-- department on the printed plan, and "$" replaced by salutation and name.
INSERT INTO tbl_parameter (param_name, param_wert_1) VALUES ('AktivitaetTyp', 'AEDL');
INSERT INTO tbl_parameter (param_name, param_wert_1) VALUES ('AbteilungenAnzeigen', 'ja');
INSERT INTO tbl_parameter (param_name, param_wert_1) VALUES ('PlatzHalterErsetzenMit', '$NAME');
