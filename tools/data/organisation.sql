-- The organisation printed in every report header; to be replaced by the
-- organisation's own data.
INSERT INTO tbl_org_parameter (org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2, org_email_1, org_email_2, org_web_1, org_web_2)
VALUES ('Pflegedienst Am Lindenpark', 'Lindenallee 12', '33602 Bielefeld', '0521 987650', '', '0521 987659', '', 'info@example.org', '', 'www.example.org', '');
