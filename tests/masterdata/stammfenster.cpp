#include "stammfenster.h"

#include "Abteilungenfrm.h"
#include "Aerztestammfrm.h"
#include "Klientenstammfrm.h"
#include "Mitarbeiterstammfrm.h"
#include "databasecreator.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

const QList<StammFenster> &stammFenster()
{
    static const QList<StammFenster> fenster{
        {u"Abteilungen"_s,
         [](DbConnection *DB, std::function<qint32()> benutzer) { return new TAbteilungenForm(DB, std::move(benutzer)); },
         u"tbl_abteilungen"_s, u"abt_id"_s, u"abt"_s, u"abt_bemerkung"_s,
         u"INSERT INTO tbl_abteilungen (abt_id, abt_name, abt_ort, abt_plz, abt_bemerkung) VALUES "
         "(1, 'Ambulant', 'Zell', '30000', 'Zeile 1\nZeile 2'), (2, 'Betreutes Wohnen', 'Aachen', '50000', NULL), "
         "(3, 'Cafe', 'Mitte', '10000', NULL);"_s,
         u"abt_name"_s, u"NameEdit"_s, {u"abt_name"_s, u"abt_ort"_s, u"abt_plz"_s},
         [](TStammForm *) {},
         u"INSERT INTO tbl_klienten_stamm (klient_abt, klient_name) VALUES (1, 'Lindner');"_s,
         u"Quendor - Abteilungenliste Druckvorschau"_s},
        // Beside the initial employee (id 1, "admin"), two whose passwords are
        // still plain text, as older databases hold them; all three are "vandrel".
        {u"Mitarbeiter"_s,
         [](DbConnection *DB, std::function<qint32()> benutzer) {
             return new TMitarbeiterStammForm(DB, std::move(benutzer));
         },
         u"tbl_mitarbeiter"_s, u"ma_id"_s, u"ma"_s, u"ma_bemerkung"_s,
         u"INSERT INTO tbl_mitarbeiter (ma_id, ma_abt, ma_anrede, ma_name, ma_vorname, ma_prog_name, ma_kennwort, "
         "ma_hdz, ma_plz) VALUES (2, 1, 'Frau', 'Berger', 'Anna', 'aberger', 'vandrel', 'AB', '50000'), "
         "(3, 2, 'Herr', 'Zander', 'Jan', 'jzander', 'vandrel', 'JZ', '10000');"_s,
         u"ma_name"_s, u"NameEdit"_s, {},
         [](TStammForm *form) {
             const QString kennwort = QString::fromLatin1(DatabaseCreator::initialPassword);
             auto tippen = [form](const QString &edit, const QString &text) {
                 auto *e = form->findChild<QLineEdit *>(edit);
                 e->setFocus();
                 QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
                 QTest::keyClicks(e, text);
             };
             if (form->haupt->state() == Dataset::State::Insert) {
                 const QList<std::pair<QString, QString>> neu{
                     {u"AnredeEdit"_s, u"Frau"_s}, {u"NameEdit"_s, u"Neu"_s},     {u"VornameEdit"_s, u"Nina"_s},
                     {u"ProgNameEdit"_s, u"nneu"_s}, {u"KennwortEdit"_s, kennwort}, {u"HdzEdit"_s, u"NN"_s}};
                 for (const auto &[edit, text] : neu) {
                     if (form->findChild<QLineEdit *>(edit)->text().isEmpty())
                         tippen(edit, text);
                 }
             }
             // The repeat keeps its text across records; it is typed anew.
             tippen(u"WiederholungEdit"_s, kennwort);
         },
         // Employee 1 is the one logged in, which is what keeps it.
         u"UPDATE tbl_mitarbeiter SET ma_erfasst_von = 1 WHERE ma_id = 2;"_s,
         u"Quendor - Mitarbeiterliste Druckvorschau"_s},
        {u"Ärzte"_s,
         [](DbConnection *DB, std::function<qint32()> benutzer) { return new TAerzteStammForm(DB, std::move(benutzer)); },
         u"tbl_aerzte_stamm"_s, u"arzt_stamm_id"_s, u"arzt_stamm"_s, u"arzt_stamm_bemerkung"_s,
         u"INSERT INTO tbl_aerzte_stamm (arzt_stamm_id, arzt_stamm_name, arzt_stamm_vorname, arzt_stamm_titel, "
         "arzt_stamm_ort, arzt_stamm_plz) VALUES (1, 'Albrecht', 'Friedrich', 'Dr. med.', 'Zell', '30000'), "
         "(2, 'Brinkmann', 'Klaus', NULL, 'Aachen', '50000'), (3, 'Claassen', 'Maria', 'Dr.', 'Mitte', '10000');"_s,
         u"arzt_stamm_name"_s, u"NameEdit"_s, {u"arzt_stamm_name"_s, u"arzt_stamm_ort"_s, u"arzt_stamm_plz"_s},
         [](TStammForm *) {},
         u"INSERT INTO tbl_klienten_stamm (klient_hausarzt, klient_name) VALUES (1, 'Lindner');"_s,
         u"Quendor - Ärzteliste Druckvorschau"_s},
        // Sorting by the family doctor orders by the doctor's id, whatever name the list shows.
        {u"Klienten"_s,
         [](DbConnection *DB, std::function<qint32()> benutzer) { return new TKlientenStammForm(DB, std::move(benutzer)); },
         u"tbl_klienten_stamm"_s, u"klient_id"_s, u"klient"_s, u"klient_bemerkung"_s,
         u"INSERT INTO tbl_klienten_stamm (klient_id, klient_abt, klient_name, klient_vorname, klient_ort, "
         "klient_hausarzt) VALUES (1, 1, 'Lindner', 'Erna', 'Zell', 3), (2, 2, 'Adler', 'Hans', 'Aachen', 1), "
         "(3, 1, 'Berger', 'Rita', 'Mitte', 2);"_s,
         u"klient_name"_s, u"NameEdit"_s, {u"klient_name"_s, u"klient_ort"_s, u"klient_hausarzt"_s},
         [](TStammForm *) {},
         u"INSERT INTO tbl_klienten_probleme (klientprob_klient_id, klientprob_problem_id, "
         "klientprob_aktivitaeten_gruppe, klientprob_problem_pos, klientprob_problem_bezeichnung) "
         "VALUES (1, 1, 1, 1, 'Frau Lindner kann den Rücken nicht waschen.');"_s,
         u"Quendor - Klientenliste Druckvorschau"_s},
    };
    return fenster;
}
