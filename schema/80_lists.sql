-- Starting content: the coded lists, the places offered for transports and
-- the texts of the branch kept in Dati.
--
-- Keys of Dati created here (change the values to those of the branch):
--   MAIL_SCADENZE_FARMACI      recipients of the medicines and checklist
--                              expiry notice, addresses separated by a semicolon
--   MAIL_SCADENZE_PATENTI      recipients of the driving licence expiry notice
--   MAIL_VOLONTARI             mailbox of the volunteers, main recipient of
--                              the mail to the listed volunteers
--   TUTOR_TELEFONO_FERIALI     phone number of the branch to call on weekdays
--   TUTOR_REFERENTE_FERIALI_1  first name of the first weekday coordinator
--   TUTOR_REFERENTE_FERIALI_2  first name of the second weekday coordinator
--   TUTOR_REFERENTE_FESTIVI    surname and name of the weekend coordinator
--   TUTOR_TELEFONO_FESTIVI     phone number of the weekend coordinator
--   TUTOR_INCARICATO           surname and name of the person in charge of
--                              trainees, who signs the tutor mail
--   TUTOR_TELEFONO_INCARICATO  phone number of the person in charge
--   CALENDARIO                 event template address of the web calendar
--                              used by the calendar links of the crew mails
-- The keys INVIOSCADENZE, INVIOPATENTI and INVIOTUTOR (dates of the last
-- mails) are written by the program itself when it first sends.

SET NAMES utf8mb4;

-- A: qualifications (titles a person can hold or a course session awards)
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('A', 'BLSD', 'BLSD - Rianimazione e Defibrillazione'),
  ('A', 'TSS', 'Trasporto Sanitario Semplice'),
  ('A', 'SAV', 'Soccorritore Avanzato 118'),
  ('A', 'TSOC', 'Trasporto Sociale'),
  ('A', 'PTC', 'PTC - Trauma Care'),
  ('A', 'GUIDA', 'Guida Mezzi di Soccorso'),
  ('A', 'OPEM', 'Operatore Emergenze Protezione Civile'),
  ('A', 'DIU', 'Diritto Internazionale Umanitario'),
  ('A', 'ISTR', 'Istruttore di Primo Soccorso');

-- C: kinds of activity and course
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('C', 'CBASE', 'Corso Base Volontari'),
  ('C', 'CTSS', 'Corso Trasporto Sanitario'),
  ('C', 'CSAV', 'Corso Soccorritore Avanzato'),
  ('C', 'CBLSD', 'Corso BLSD'),
  ('C', 'CGUIDA', 'Corso Guida Sicura'),
  ('C', 'RETR', 'Aggiornamento Periodico'),
  ('C', 'ESERC', 'Esercitazione di Protezione Civile'),
  ('C', 'RIUN', 'Riunione di Gruppo'),
  ('C', 'SCUOLE', 'Attività nelle Scuole');

-- D: kinds of blood donation
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('D', '00', 'Sangue Intero'),
  ('D', '01', 'Plasmaferesi'),
  ('D', '02', 'Piastrinoaferesi'),
  ('D', '03', 'Multicomponent');

-- E: activities of the time clock, shown in ID order (EM first)
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('E', 'EM', 'Servizio Sanitario di Emergenza'),
  ('E', 'OR', 'Servizio Sanitario Ordinario'),
  ('E', 'SO', 'Servizio Sociale'),
  ('E', 'RI', 'Riunione'),
  ('E', 'PC', 'Protezione Civile'),
  ('E', 'SE', 'Segreteria'),
  ('E', 'FO', 'Formazione'),
  ('E', 'TT', 'Tirocinio'),
  ('E', 'TS', 'Turno in Sede'),
  ('E', 'EV', 'Eventi e Manifestazioni');

-- G: kinds of day of the shift slots, 1 to 7 the weekdays from Sunday
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('G', '1', 'Domenica'),
  ('G', '2', 'Lunedì'),
  ('G', '3', 'Martedì'),
  ('G', '4', 'Mercoledì'),
  ('G', '5', 'Giovedì'),
  ('G', '6', 'Venerdì'),
  ('G', '7', 'Sabato'),
  ('G', '8', 'Feriali'),
  ('G', '9', 'Festivi'),
  ('G', '10', 'Prefestivi');

-- I: kinds of course session. These codes occur in no other list: the
-- session list of an activity joins Elenchi on the code alone.
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('I', 'IS', 'ISCRIZIONE'),
  ('I', 'LEZ', 'LEZIONE'),
  ('I', 'ESA', 'ESAME'),
  ('I', 'ESE', 'ESERCITAZIONE PRATICA'),
  ('I', 'RTR', 'RETRAINING');

-- R: results of a participant in a session
INSERT INTO Elenchi (TIPO, CODICE, DESCRIZIONE) VALUES
  ('R', 'ISC', 'ISCRITTO'),
  ('R', 'PRE', 'PRESENTE'),
  ('R', 'ASS', 'ASSENTE'),
  ('R', 'IDO', 'IDONEO'),
  ('R', 'NID', 'NON IDONEO'),
  ('R', 'RIT', 'RITIRATO');

-- Places offered as departure and destination of a transport
INSERT INTO destinazioni (destinaz) VALUES
  ('Sede Velmora Valdrena'),
  ('Domicilio'),
  ('Ospedale Civile di Valdrena'),
  ('Pronto Soccorso Valdrena'),
  ('Poliambulatorio ASL Valdrena'),
  ('Centro Dialisi Valdrena'),
  ('RSA San Giuseppe'),
  ('Casa di Cura Villa dei Pini'),
  ('Ospedale di Careggi - Firenze'),
  ('Ospedale Santa Maria Nuova - Firenze'),
  ('Ospedale Pediatrico Meyer - Firenze'),
  ('Ospedale San Giovanni di Dio - Torregalli'),
  ('Policlinico Le Scotte - Siena'),
  ('Ospedale Santo Stefano - Prato'),
  ('Ospedale di Cisanello - Pisa');

-- Texts of the branch. The recipient lists are joined with CHAR(59), the
-- semicolon, so that no statement of these files holds one in a literal.
INSERT INTO Dati (NOME, VALORE) VALUES
  ('MAIL_SCADENZE_FARMACI', CONCAT_WS(CHAR(59 USING utf8mb4),
      'farmacia@valdrena.velmora.example',
      'magazzino@valdrena.velmora.example',
      'direzione.sanitaria@valdrena.velmora.example')),
  ('MAIL_SCADENZE_PATENTI', CONCAT_WS(CHAR(59 USING utf8mb4),
      'autoparco@valdrena.velmora.example',
      'segreteria@valdrena.velmora.example')),
  ('MAIL_VOLONTARI', 'volontari@valdrena.velmora.example'),
  ('TUTOR_TELEFONO_FERIALI', '0577 100200'),
  ('TUTOR_REFERENTE_FERIALI_1', 'Giulia'),
  ('TUTOR_REFERENTE_FERIALI_2', 'Marco'),
  ('TUTOR_REFERENTE_FESTIVI', 'Bianchi Paolo'),
  ('TUTOR_TELEFONO_FESTIVI', '333 1002003'),
  ('TUTOR_INCARICATO', 'Conti Elena'),
  ('TUTOR_TELEFONO_INCARICATO', '333 4005006'),
  ('CALENDARIO', 'https://calendar.google.com/calendar/event');
