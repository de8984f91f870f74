-- The organisation printed in every report header. vandrel-db sets the name
-- given with --organisation; the address fields are filled in by the
-- organisation itself.
INSERT INTO tbl_org_parameter (org_name, org_strasse, org_plz_ort, org_telefon_1, org_telefon_2, org_fax_1, org_fax_2, org_email_1, org_email_2, org_web_1, org_web_2)
VALUES ('Pflegeeinrichtung (Name bitte anpassen)', '', '', '', '', '', '', '', '', '', '');
