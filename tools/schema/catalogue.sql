-- Catalogue database: organisation data, activity groups of the three care models,
-- categories and the formulations that care plans are built from.

CREATE TABLE tbl_org_parameter (
  org_id INTEGER PRIMARY KEY AUTOINCREMENT,
  org_name VARCHAR(255),
  org_strasse VARCHAR(255),
  org_plz_ort VARCHAR(255),
  org_telefon_1 VARCHAR(255),
  org_telefon_2 VARCHAR(255),
  org_fax_1 VARCHAR(255),
  org_fax_2 VARCHAR(255),
  org_email_1 VARCHAR(255),
  org_email_2 VARCHAR(255),
  org_web_1 VARCHAR(255),
  org_web_2 VARCHAR(255)
);

-- A sort value of 0 or empty leaves the group out of that care model.
CREATE TABLE tbl_aktivitaeten_gruppen (
  aktivitaet_id INTEGER PRIMARY KEY AUTOINCREMENT,
  aktivitaet_bezeichnung VARCHAR(255),
  aktivitaet_aedl_sortierung INTEGER,
  aktivitaet_atl_sortierung INTEGER,
  aktivitaet_gbd_sortierung INTEGER
);

CREATE TABLE tbl_kategorien (
  kategorie_id INTEGER PRIMARY KEY AUTOINCREMENT,
  kategorie_sortierung INTEGER,
  kategorie_aktivitaeten_gruppen_id INTEGER,
  kategorie_bezeichnung VARCHAR(255)
);

CREATE TABLE tbl_probleme (
  prob_id INTEGER PRIMARY KEY AUTOINCREMENT,
  prob_kategorie INTEGER,
  prob_bezeichnung TEXT
);

CREATE TABLE tbl_ressourcen (
  res_id INTEGER PRIMARY KEY AUTOINCREMENT,
  res_kategorie INTEGER,
  res_bezeichnung TEXT
);

CREATE TABLE tbl_ziele (
  ziel_id INTEGER PRIMARY KEY AUTOINCREMENT,
  ziel_kategorie INTEGER,
  ziel_bezeichnung TEXT
);

CREATE TABLE tbl_massnahmen (
  mas_id INTEGER PRIMARY KEY AUTOINCREMENT,
  mas_kategorie INTEGER,
  mas_bezeichnung TEXT
);

CREATE TABLE tbl_evaluationen (
  eval_id INTEGER PRIMARY KEY AUTOINCREMENT,
  eval_aktivitaet INTEGER,
  eval_bezeichnung TEXT
);

CREATE INDEX idx_kategorien_gruppe ON tbl_kategorien (kategorie_aktivitaeten_gruppen_id, kategorie_sortierung);
CREATE INDEX idx_probleme_kategorie ON tbl_probleme (prob_kategorie);
CREATE INDEX idx_ressourcen_kategorie ON tbl_ressourcen (res_kategorie);
CREATE INDEX idx_ziele_kategorie ON tbl_ziele (ziel_kategorie);
CREATE INDEX idx_massnahmen_kategorie ON tbl_massnahmen (mas_kategorie);
CREATE INDEX idx_evaluationen_gruppe ON tbl_evaluationen (eval_aktivitaet);
