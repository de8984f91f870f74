-- Care database: parameters, master data, care plans and standard assignments.
-- Every table has an auto id; references are plain integers (no enforced foreign keys).

CREATE TABLE tbl_parameter (
  param_id INTEGER PRIMARY KEY AUTOINCREMENT,
  param_name VARCHAR(255),
  param_wert_1 VARCHAR(255)
);

CREATE TABLE tbl_abteilungen (
  abt_id INTEGER PRIMARY KEY AUTOINCREMENT,
  abt_name VARCHAR(255),
  abt_strasse VARCHAR(255),
  abt_plz VARCHAR(255),
  abt_ort VARCHAR(255),
  abt_ansprechpartner VARCHAR(255),
  abt_telefon_1 VARCHAR(255),
  abt_telefon_2 VARCHAR(255),
  abt_mobil_1 VARCHAR(255),
  abt_mobil_2 VARCHAR(255),
  abt_fax_1 VARCHAR(255),
  abt_fax_2 VARCHAR(255),
  abt_email_1 VARCHAR(255),
  abt_email_2 VARCHAR(255),
  abt_bemerkung TEXT,
  abt_deaktiviert BOOLEAN,
  abt_deaktiviert_grund VARCHAR(255),
  abt_geaendert_am DATETIME,
  abt_geaendert_von INTEGER,
  abt_erfasst_am DATETIME,
  abt_erfasst_von INTEGER
);

CREATE TABLE tbl_mitarbeiter (
  ma_id INTEGER PRIMARY KEY AUTOINCREMENT,
  ma_abt INTEGER,
  ma_anrede VARCHAR(255),
  ma_name VARCHAR(255),
  ma_vorname VARCHAR(255),
  ma_prog_name VARCHAR(255) COLLATE NOCASE,
  ma_kennwort VARCHAR(255),
  ma_prog_berechtigung INTEGER DEFAULT 0,
  ma_hdz VARCHAR(255),
  ma_geburtstag DATETIME,
  ma_strasse VARCHAR(255),
  ma_plz VARCHAR(255),
  ma_ort VARCHAR(255),
  ma_telefon_1 VARCHAR(255),
  ma_telefon_2 VARCHAR(255),
  ma_mobil_1 VARCHAR(255),
  ma_mobil_2 VARCHAR(255),
  ma_fax_1 VARCHAR(255),
  ma_fax_2 VARCHAR(255),
  ma_email_1 VARCHAR(255),
  ma_email_2 VARCHAR(255),
  ma_bemerkung TEXT,
  ma_geaendert_von INTEGER,
  ma_geaendert_am DATETIME,
  ma_erfasst_von INTEGER,
  ma_erfasst_am DATETIME
);

CREATE TABLE tbl_aerzte_stamm (
  arzt_stamm_id INTEGER PRIMARY KEY AUTOINCREMENT,
  arzt_stamm_name VARCHAR(255),
  arzt_stamm_vorname VARCHAR(255),
  arzt_stamm_anrede VARCHAR(255),
  arzt_stamm_titel VARCHAR(255),
  arzt_stamm_fachrichtung VARCHAR(255),
  arzt_stamm_strasse VARCHAR(255),
  arzt_stamm_plz VARCHAR(255),
  arzt_stamm_ort VARCHAR(255),
  arzt_stamm_telefon_1 VARCHAR(255),
  arzt_stamm_telefon_2 VARCHAR(255),
  arzt_stamm_mobil_1 VARCHAR(255),
  arzt_stamm_mobil_2 VARCHAR(255),
  arzt_stamm_fax_1 VARCHAR(255),
  arzt_stamm_fax_2 VARCHAR(255),
  arzt_stamm_email_1 VARCHAR(255),
  arzt_stamm_email_2 VARCHAR(255),
  arzt_stamm_web VARCHAR(255),
  arzt_stamm_geburtstag DATETIME,
  arzt_stamm_bemerkung VARCHAR(255),
  arzt_stamm_best_per_email BOOLEAN,
  arzt_stamm_best_email VARCHAR(255),
  arzt_stamm_deaktiviert BOOLEAN,
  arzt_stamm_deaktiviert_grund VARCHAR(255),
  arzt_stamm_geaendert_von INTEGER,
  arzt_stamm_geaendert_am DATETIME,
  arzt_stamm_erfasst_von INTEGER,
  arzt_stamm_erfasst_am DATETIME
);

CREATE TABLE tbl_klienten_stamm (
  klient_id INTEGER PRIMARY KEY AUTOINCREMENT,
  klient_abt INTEGER,
  klient_anrede VARCHAR(255),
  klient_name VARCHAR(255),
  klient_vorname VARCHAR(255),
  klient_geburtstag DATETIME,
  klient_hausarzt INTEGER,
  klient_strasse VARCHAR(255),
  klient_plz VARCHAR(255),
  klient_ort VARCHAR(255),
  klient_telefon_1 VARCHAR(255),
  klient_telefon_2 VARCHAR(255),
  klient_mobil_1 VARCHAR(255),
  klient_mobil_2 VARCHAR(255),
  klient_fax_1 VARCHAR(255),
  klient_fax_2 VARCHAR(255),
  klient_email_1 VARCHAR(255),
  klient_email_2 VARCHAR(255),
  klient_bemerkung TEXT,
  klient_kk_name VARCHAR(255),
  klient_kk_vers_nr VARCHAR(255),
  klient_naechste_eval_ueberpruefung_am DATETIME,
  klient_deaktiviert BOOLEAN,
  klient_deaktiviert_grund VARCHAR(255),
  klient_geaendert_am DATETIME,
  klient_geaendert_von INTEGER,
  klient_erfasst_am DATETIME,
  klient_erfasst_von INTEGER
);

-- One client's list of one activity group holds a catalogue formulation once.
CREATE TABLE tbl_klienten_probleme (
  klientprob_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  klientprob_klient_id INTEGER,
  klientprob_problem_id INTEGER,
  klientprob_aktivitaeten_gruppe INTEGER,
  klientprob_problem_pos INTEGER,
  klientprob_problem_bezeichnung TEXT,
  UNIQUE (klientprob_klient_id, klientprob_aktivitaeten_gruppe, klientprob_problem_id)
);

CREATE TABLE tbl_klienten_ressourcen (
  klientres_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  klientres_klient_id INTEGER,
  klientres_ressource_id INTEGER,
  klientres_aktivitaeten_gruppe INTEGER,
  klientres_ressource_pos INTEGER,
  klientres_ressource_bezeichnung TEXT,
  UNIQUE (klientres_klient_id, klientres_aktivitaeten_gruppe, klientres_ressource_id)
);

CREATE TABLE tbl_klienten_ziele (
  klientziele_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  klientziele_klient_id INTEGER,
  klientziele_ziel_id INTEGER,
  klientziele_aktivitaeten_gruppe INTEGER,
  klientziele_ziel_pos INTEGER,
  klientziele_ziel_bezeichnung TEXT,
  UNIQUE (klientziele_klient_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_id)
);

CREATE TABLE tbl_klienten_massnahmen (
  klientmas_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  klientmas_klient_id INTEGER,
  klientmas_massnahme_id INTEGER,
  klientmas_aktivitaeten_gruppe INTEGER,
  klientmas_massnahme_pos INTEGER,
  klientmas_massnahme_bezeichnung TEXT,
  UNIQUE (klientmas_klient_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_id)
);

CREATE TABLE tbl_klienten_evaluationen (
  klienteval_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  klienteval_klient_id INTEGER,
  klienteval_eval_id INTEGER,
  klienteval_aktivitaeten_gruppe INTEGER,
  klienteval_eval_pos INTEGER,
  klienteval_eval_bezeichnung TEXT,
  UNIQUE (klienteval_klient_id, klienteval_aktivitaeten_gruppe, klienteval_eval_id)
);

CREATE TABLE tbl_standard_probleme (
  standardprob_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  standardprob_problem_id INTEGER,
  UNIQUE (standardprob_problem_id)
);

CREATE TABLE tbl_standard_ziele (
  standardziele_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  standardziele_problem_id INTEGER,
  standardziele_ziel_id INTEGER,
  UNIQUE (standardziele_problem_id, standardziele_ziel_id)
);

CREATE TABLE tbl_standard_massnahmen (
  standardmas_lfd_nr INTEGER PRIMARY KEY AUTOINCREMENT,
  standardmas_problem_id INTEGER,
  standardmas_massnahme_id INTEGER,
  UNIQUE (standardmas_problem_id, standardmas_massnahme_id)
);

-- Access paths of the windows: a client's list of one activity group by position;
-- the unique keys serve the standard assignments by problem. The login name
-- compares without regard to letter case and has no index, since other tools
-- would order it by another rule than the program.
CREATE INDEX idx_klientprob_liste ON tbl_klienten_probleme (klientprob_klient_id, klientprob_aktivitaeten_gruppe, klientprob_problem_pos);
CREATE INDEX idx_klientres_liste ON tbl_klienten_ressourcen (klientres_klient_id, klientres_aktivitaeten_gruppe, klientres_ressource_pos);
CREATE INDEX idx_klientziele_liste ON tbl_klienten_ziele (klientziele_klient_id, klientziele_aktivitaeten_gruppe, klientziele_ziel_pos);
CREATE INDEX idx_klientmas_liste ON tbl_klienten_massnahmen (klientmas_klient_id, klientmas_aktivitaeten_gruppe, klientmas_massnahme_pos);
CREATE INDEX idx_klienteval_liste ON tbl_klienten_evaluationen (klienteval_klient_id, klienteval_aktivitaeten_gruppe, klienteval_eval_pos);
CREATE INDEX idx_parameter_name ON tbl_parameter (param_name);
