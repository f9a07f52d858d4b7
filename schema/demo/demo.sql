-- Demo data for the local server on its first start: a small fleet, ten
-- people, services of today and tomorrow (some complete, some without
-- crew), a stand-by, qualifications, a course, clock records, stock,
-- shift slots, an event, donors, a specialist visit and a notice.
-- Applied after the schema files, on an empty database. No login is
-- created for the user of the workstation: the program does that.

SET NAMES utf8mb4;

INSERT INTO mezzi (ID, Siglamezzo, tipomezzo, Targamezzo, Marca, Modello, immatricolazione, Telaio, Stato, Revisione) VALUES
  (1, 'ALFA 11', 'AMBULANZA', 'FR123AB', 'Fiat', 'Ducato', '2019-04-12', 'ZFA25000001234567', 'Attivo', curdate() + interval 40 day),
  (2, 'ALFA 12', 'AMBULANZA', 'GA456CD', 'Volkswagen', 'Transporter', '2021-09-30', 'WV1ZZZ7HZ00012345', 'Attivo', curdate() + interval 300 day),
  (3, 'ALFA 13', 'AMBULANZA', 'EZ789EF', 'Fiat', 'Ducato', '2015-02-20', 'ZFA25000007654321', 'Dal Meccanico', curdate() - interval 10 day),
  (4, 'AUTO 21', 'AUTO', 'FK321GH', 'Fiat', 'Panda', '2018-06-01', 'ZFA31200000111222', 'Attivo', curdate() + interval 120 day),
  (5, 'AUTO 22', 'AUTO', 'GB654IL', 'Fiat', 'Doblò', '2022-03-15', 'ZFA26300000333444', 'Attivo', curdate() + interval 500 day),
  (6, 'PULMINO 31', 'PULMINO', 'FM987MN', 'Ford', 'Transit', '2017-11-08', 'WF0XXXTTGXHA55566', 'Attivo', curdate() + interval 20 day),
  (7, 'PULMINO 32', 'PULMINO', 'DX111OP', 'Renault', 'Trafic', '2010-01-25', 'VF1FL000000777888', 'Guasto', curdate() - interval 90 day);

INSERT INTO volontari (ID, Nome, stato, TIPO, LivelloA1, Utente, Password,
    LivelloF, LivelloM, LivelloS, LivelloV, LivelloA, LivelloP, Livello,
    Cellulare, Telefono, Indirizzo, CAP, Citta, Provincia, Mail, Sesso,
    Luogodinascita, Datadinascita, Codicefiscale, Area1, Area2, Area3, Ordinarie, Emergenza,
    TipoDoc, Documento, EnteDoc, DataDoc, ScadDoc,
    PATVLM, PATVLMN, ESAMEPATVLM, SCADPATVLM, STATOPATVLM, Peso, Altezza, Note, TUTOR) VALUES
  (1, 'Rossi Mario', 'Attivo', 'Volontario', 'TS', 'RossiM', '9573',
    9, 9, 9, 9, 9, 9, 3,
    '333 1112233', '0577 123456', 'Via Roma 12', '53036', 'Valdrena', 'SI', 'mario.rossi@example.org', 'M ',
    'Siena', '12/05/1970', 'RSSMRA70E12I726X', 'SI', '', 'SI', 'SI', 'SI',
    'Carta d''identità', 'CA12345AB', 'Comune di Valdrena', '2020-05-10', '2031-05-12',
    '45', 'VLM1001', '2012-03-01', curdate() + interval 200 day, 'Valida', 80, 178, 'Capo squadra del martedì', ''),
  (2, 'Bianchi Laura', 'Attivo', 'Volontario', 'SA', 'BianchiL', '9573',
    6, 4, 8, 4, 4, 4, 2,
    '334 2223344', '', 'Via del Poggio 3', '53036', 'Valdrena', 'SI', 'laura.bianchi@example.org', 'F',
    'Firenze', '03/09/1985', 'BNCLRA85P43D612K', 'SI', 'SI', '', 'SI', '',
    'Patente', 'SI5551234X', 'Motorizzazione Siena', '2019-01-15', '2029-01-15',
    '4', 'VLM1002', '2016-06-10', curdate() + interval 20 day, 'Valida', 60, 165, '', ''),
  (3, 'D''Angelo Francesca', 'Attivo', 'Volontario', 'TS', 'D''AngeloF', '9573',
    4, 4, 6, 4, 4, 4, 1,
    '335 3334455', '', 'Piazza Garibaldi 1', '53036', 'Valdrena', 'SI', 'francesca.dangelo@example.org', 'F',
    'Napoli', '21/11/1992', 'DNGFNC92S61F839Y', 'SI', '', 'SI', '', 'SI',
    '', '', '', '1000-01-01', '1000-01-01',
    '', '', NULL, NULL, NULL, 0, 0, '', ''),
  (4, 'Esposito Luca', 'Dipendente', 'Dipendente ', 'SA', 'EspositoL', '9573',
    8, 8, 8, 8, 4, 4, 4,
    '336 4445566', '0577 654321', 'Via dei Mille 40', '53036', 'Valdrena', 'SI', 'luca.esposito@example.org', 'M ',
    'Siena', '07/02/1980', 'SPSLCU80B07I726Q', 'SI', 'SI', 'SI', 'SI', 'SI',
    'Carta d''identità', 'CA99887CC', 'Comune di Valdrena', '2021-02-07', '2032-02-07',
    '45', 'VLM1004', '2010-09-20', curdate() - interval 5 day, 'Valida', 85, 182, 'Autista dipendente', ''),
  (5, 'Ferrari Giovanni', 'Riserva', 'Volontario', 'TS', 'FerrariG', '9573',
    4, 4, 4, 4, 4, 4, 1,
    '337 5556677', '', 'Via Petrarca 8', '53037', 'San Lorenzo', 'SI', 'giovanni.ferrari@example.org', 'M ',
    'Prato', '30/06/1958', 'FRRGNN58H30G999W', '', 'SI', '', '', '',
    '', '', '', '1000-01-01', '1000-01-01',
    '4', 'VLM1005', '2005-05-05', curdate() + interval 700 day, 'Valida', 75, 170, '', ''),
  (6, 'Romano Chiara', 'Attivo', 'Volontario', 'Tirocinio TS', 'RomanoC', '9573',
    3, 3, 3, 3, 3, 3, 0,
    '338 6667788', '', 'Via Verdi 22', '53036', 'Valdrena', 'SI', 'chiara.romano@example.org', 'F',
    'Valdrena', '14/04/2003', 'RMNCHR03D54L000Z', 'SI', '', '', 'SI', '',
    '', '', '', '1000-01-01', '1000-01-01',
    '', '', NULL, NULL, NULL, 55, 160, '', 'Rossi Mario'),
  (7, 'Colombo Andrea', 'Attivo', 'Volontario', 'Accesso', 'ColomboA', '9573',
    3, 6, 6, 3, 3, 3, 1,
    '339 7778899', '', 'Via Dante 5', '53036', 'Valdrena', 'SI', 'andrea.colombo@example.org', 'M ',
    'Grosseto', '09/10/1966', 'CLMNDR66R09E202V', '', 'SI', '', 'SI', '',
    '', '', '', '1000-01-01', '1000-01-01',
    '4', 'VLM1007', '2014-02-14', curdate() - interval 40 day, 'Sospesa', 90, 175, 'Solo servizi sociali', ''),
  (8, 'Ricci Sara', 'Sospeso', 'Volontario', 'SA', 'RicciS', '9573',
    4, 4, 4, 4, 4, 4, 0,
    '340 8889900', '', 'Via Leopardi 17', '53036', 'Valdrena', 'SI', 'sara.ricci@example.org', 'F',
    'Arezzo', '25/12/1990', 'RCCSRA90T65A390U', 'SI', '', '', '', '',
    '', '', '', '1000-01-01', '1000-01-01',
    '', '', NULL, NULL, NULL, 0, 0, '', ''),
  (9, 'Marino Paolo', 'Dismesso ', 'Volontario', 'TS', 'MarinoP', '9573',
    4, 4, 4, 4, 4, 4, 0,
    '', '0577 777888', 'Via Manzoni 2', '53036', 'Valdrena', 'SI', '', 'M ',
    'Siena', '01/01/1950', 'MRNPLA50A01I726T', '', '', '', '', '',
    '', '', '', '1000-01-01', '1000-01-01',
    '4', 'VLM0990', '1998-04-04', '2019-04-04', 'Ritirata', 0, 0, '', ''),
  (10, 'Greco Anna', 'Attivo', 'Volontario', 'SA', 'GrecoA', '9573',
    7, 7, 7, 7, 9, 8, 3,
    '341 9990011', '', 'Viale Europa 90', '53036', 'Valdrena', 'SI', 'anna.greco@example.org', 'F',
    'Siena', '18/08/1978', 'GRCNNA78M58I726S', 'SI', '', 'SI', 'SI', 'SI',
    'Passaporto', 'YA1234567', 'Questura di Siena', '2018-08-18', curdate() + interval 60 day,
    '45', 'VLM1010', '2011-11-11', curdate() + interval 400 day, 'Valida', 58, 168, '', '');

-- Services of today and tomorrow (and one of yesterday for the history).
-- convenzione: S social, N private, Y under agreement.
INSERT INTO servizi (dataservizio, orariopartenza, durata, orariovisita,
    cognomepz, nomepz, codicefiscale, cognomecampanello, indirizzoabitazione, comuneabitazione,
    pianoabitazione, telefonoab, pesopz, luogoprelievo, destinazionepz, servizio, tipomezzo,
    Idmezzo, IdAutista, IdVolontario1, IdVolontario2, IdVolontario3, persone,
    pzcammina, portantina, barella, seggiolina, convenzione, NRE, note) VALUES
  (curdate() - interval 1 day, '09:00', '02:00', '10:00',
    'Neri', 'Giuseppe', 'NRIGPP40A01I726A', 'Neri', 'Via Roma 40', 'Valdrena',
    '2', '0577 111111', '78', 'Domicilio', 'Policlinico Le Scotte - Siena', 'VISITA CARDIOLOGICA', 'AMBULANZA',
    1, 1, 2, 0, 0, 2,
    'N', 'Y', 'N', 'N', 'Y', '0900A1234567890', 'Scale strette'),
  (curdate(), '08:00', '01:30', '08:45',
    'Dell''Acqua', 'Maria', 'DLLMRA38C41I726B', 'Dell''Acqua', 'Via del Poggio 15', 'Valdrena',
    '3', '0577 222222', '65', 'Domicilio', 'Ospedale Civile di Valdrena', 'VISITA OCULISTICA', 'AMBULANZA',
    1, 1, 2, 3, 0, 3,
    'Y', 'N', 'N', 'N', 'N', '', 'Accompagnata dalla figlia'),
  (curdate(), '09:30', '02:00', '10:30',
    'Galli', 'Franco', 'GLLFNC45D10I726C', 'Galli', 'Via Dante 30', 'San Lorenzo',
    'T', '0577 333333', '90', 'Ospedale di Careggi - Firenze', 'Domicilio', 'DIMISSIONE', 'AMBULANZA',
    2, 4, 10, 0, 0, 2,
    'N', 'N', 'Y', 'N', 'Y', '0900B2345678901', ''),
  (curdate(), '10:00', '01:00', '10:15',
    'Fontana', 'Rosa', '', 'Fontana', 'Via Verdi 3', 'Valdrena',
    '1', '0577 444444', '0', '', '', 'SPESA', 'AUTO',
    4, 7, 5, 0, 0, 2,
    'Y', 'N', 'N', 'N', 'S', '', 'Supermercato e farmacia'),
  (curdate(), '14:30', '03:00', '15:30',
    'Barbieri', 'Luigi', 'BRBLGU36E05I726D', 'Barbieri', 'Via Petrarca 9', 'Valdrena',
    '4', '0577 555555', '95', 'Domicilio', 'Ospedale Santo Stefano - Prato', 'RICOVERO', 'AMB. ORD.',
    0, 0, 6, 0, 0, 2,
    'N', 'Y', 'Y', 'N', 'Y', '0900C3456789012', 'Manca autista e mezzo'),
  (curdate() + interval 1 day, '07:30', '02:30', '08:30',
    'Moretti', 'Elena', 'MRTLNE50H50I726E', 'Moretti', 'Via Leopardi 2', 'Valdrena',
    '1', '0577 666666', '70', 'Domicilio', 'Centro Dialisi Valdrena', 'DIALISI', 'AMBULANZA',
    1, 10, 1, 0, 0, 2,
    'Y', 'N', 'N', 'Y', 'Y', '0900D4567890123', ''),
  (curdate() + interval 1 day, '11:00', '01:30', '11:30',
    'Lombardi', 'Teresa', '', 'Lombardi', 'Piazza Garibaldi 7', 'Valdrena',
    '2', '0577 777777', '0', '', '', 'ACCOMPAGNAMENTO', 'PULMINO',
    6, 0, 0, 0, 0, 2,
    'Y', 'N', 'N', 'N', 'S', '', 'Da completare'),
  (curdate() + interval 1 day, '15:00', '01:00', '15:30',
    'Costa', 'Alberto', 'CSTLRT42B15I726F', 'Costa', 'Via Manzoni 11', 'Valdrena',
    '0', '0577 888888', '82', 'Domicilio', 'Poliambulatorio ASL Valdrena', 'VISITA ORTOPEDICA', 'AUTO',
    5, 2, 3, 0, 0, 2,
    'Y', 'N', 'N', 'N', 'N', '', '');

INSERT INTO standby (dataservizio, orainizio, durata, siglamezzo, tiposervizio) VALUES
  (curdate(), '20:00', '23:30', 'ALFA 12', 'BRAVO 1'),
  (curdate() + interval 1 day, '08:00', '14:00', 'ALFA 11', 'ORDINARIA 2');

INSERT INTO Titoli (IDVOLONTARIO, CODICE, DATAESAME, LUOGO, NMRATTESTATO, SCADENZA) VALUES
  (1, 'BLSD', '2023-03-10', 'Valdrena', 'BLSD-2023-001', '2025-03-10'),
  (1, 'TSS', '2012-02-15', 'Siena', 'TSS-0112', NULL),
  (2, 'SAV', '2016-05-20', 'Siena', 'SAV-0420', NULL),
  (4, 'GUIDA', '2010-09-20', 'Valdrena', 'GD-077', NULL),
  (10, 'BLSD', '2024-01-12', 'Valdrena', 'BLSD-2024-014', '2026-01-12');

INSERT INTO Attivita (ID, CODICE, DATAI, DATAF, LUOGO, DESCRIZIONE, TITOLO, CHIUSO) VALUES
  (1, 'CTSS', curdate() - interval 60 day, curdate() - interval 20 day, 'Sede Velmora Valdrena', 'Corso TSS primavera', 'Trasporto Sanitario Semplice', 'X'),
  (2, 'CBLSD', curdate() + interval 10 day, curdate() + interval 10 day, 'Sede Velmora Valdrena', 'BLSD retraining', 'BLSD - Rianimazione e Defibrillazione', ' ');

INSERT INTO incontri (ID, IDAttivita, TIPO, DATA, LUOGO, DESCRIZIONE, TITOLO) VALUES
  (1, 1, 'IS', curdate() - interval 60 day, 'Sede Velmora Valdrena', 'Iscrizioni', ''),
  (2, 1, 'LEZ', curdate() - interval 50 day, 'Sede Velmora Valdrena', 'Barelle e presidi', ''),
  (3, 1, 'ESA', curdate() - interval 20 day, 'Sede Velmora Valdrena', 'Esame finale', 'TSS'),
  (4, 2, 'IS', curdate() - interval 5 day, 'Sede Velmora Valdrena', 'Iscrizioni', '');

INSERT INTO Partecipanti (IDINCONTRI, IdVolontario, Risultato, NMRATTESTATO) VALUES
  (1, 3, 'ISCRITTO', ''),
  (1, 6, 'ISCRITTO', ''),
  (2, 3, 'PRESENTE', ''),
  (2, 6, 'PRESENTE', ''),
  (3, 3, 'IDONEO', 'TSS-2025-031'),
  (3, 6, 'NON IDONEO', ''),
  (4, 2, 'ISCRITTO', '');

-- Clock records: one closed, one person still on duty.
INSERT INTO cartellini (codice, nome, entrata, uscita, tempo, tipo) VALUES
  (1, 'Rossi Mario', curdate() - interval 1 day + interval 8 hour, curdate() - interval 1 day + interval 13 hour, '05:00:00', 'EM '),
  (2, 'Bianchi Laura', now() - interval 2 hour, NULL, NULL, 'OR ');

INSERT INTO Farmaci (ID, CODICE, NOME, DESCRIZIONE, PRODUTTORE, EAN, SCORTA, QUANTITA) VALUES
  (1, 'GARZ01', 'Garze sterili 10x10', 'Confezione da 100 garze sterili', 'Sanitas', '8034567890127', 5, 12),
  (2, 'GUAN02', 'Guanti nitrile M', 'Scatola da 100 guanti in nitrile taglia M', 'MediPro', '8001234567895', 10, 4),
  (3, 'FISI03', 'Soluzione fisiologica 500 ml', 'Flacone di sodio cloruro 0,9%', 'Farmalab', '8009876543217', 6, 0);

INSERT INTO Movimenti (ID, IDF, IDV, QUANTITA, Q_USATA, RIFE, SCADENZA, IDM) VALUES
  (1, 1, 1, 12, 0, 'L2401', curdate() + interval 300 day, NULL),
  (2, 2, 1, 10, 6, 'G778', curdate() + interval 2 day, NULL),
  (3, 2, 2, -6, 0, 'G778', curdate() + interval 2 day, 2);

INSERT INTO checklist (IDM, IDV, QUANTITA, IDF, SCADENZA, POSIZIONE) VALUES
  (1, 0, 10, 1, curdate() + interval 200 day, 'Cassetto 1'),
  (1, 0, 2, 2, curdate() + interval 1 day, 'Vano laterale'),
  (2, 0, 4, 3, curdate() - interval 3 day, 'Zaino');

INSERT INTO OrariTurni (TIPO, DESCRIZ, GIORNO, ORAI, ORAF) VALUES
  ('BRAVO', 'Mattina feriale', 2, '08:00', '14:00'),
  ('BRAVO', 'Pomeriggio feriale', 2, '14:00', '20:00'),
  ('OSCAR', 'Notte del sabato', 7, '20:00', '08:00'),
  ('INDIA', 'Domenica mattina', 1, '08:00', '13:00');

INSERT INTO disponibilita (IDV, IDT) VALUES (1, 1), (2, 1), (10, 3);

INSERT INTO Eventi (ID, EVENTO, MISSIONE, DATA, DATAF, LUOGO, DESCRIZIONE, ORAI, ORAF, MINIMO, MASSIMO, NOTE) VALUES
  (1, 'SI', '', curdate() + interval 7 day, curdate() + interval 7 day, 'Piazza del Comune', 'Assistenza festa patronale', '16:00', '23:00', 4, 6, 'Ritrovo in sede alle 15:30');

INSERT INTO Eve_Vol (ID_EV, ID_VOL, ORAI, ORAF, DATA_SER) VALUES
  (1, 1, '16:00', '23:00', curdate() + interval 7 day),
  (1, 10, '18:00', '23:00', curdate() + interval 7 day);

INSERT INTO donatori (stato, Nome, Cellulare, Indirizzo, CAP, Citta, Provincia, Mail, Sesso, Luogodinascita, Datadinascita, Codicefiscale, IDAGENDA, GRUPPO) VALUES
  ('ATTIVO', 'Santoro Marco', '347 1231234', 'Via Roma 5', '53036', 'Valdrena', 'SI', 'marco.santoro@example.org', 'M', 'Siena', '1982-04-02', 'SNTMRC82D02I726G', 'SIR0001', '0+'),
  ('ATTIVO', 'Dell''Orto Giulia', '348 3213214', 'Via Dante 12', '53036', 'Valdrena', 'SI', 'giulia.dellorto@example.org', 'F', 'Firenze', '1990-07-19', 'DLLGLI90L59D612H', 'SIR0002', 'A-'),
  ('SOSPESO', 'Rinaldi Pietro', '349 5556667', 'Via Verdi 1', '53037', 'San Lorenzo', 'SI', '', 'M', 'Prato', '1975-12-30', 'RNLPTR75T30G999J', 'SIR0003', 'B+');

INSERT INTO donazioni (IDDONATORE, DATA, QUANTITA, TIPO) VALUES
  (1, curdate() - interval 20 day, 450, '00'),
  (1, curdate() - interval 130 day, 450, '00'),
  (2, curdate() - interval 45 day, 600, '01');

INSERT INTO Medici (Nome, Specializzazione, Stato, Note) VALUES
  ('Dott. Ferri Luca', 'Cardiologia', 'ATTIVO', 'Riceve il martedì'),
  ('Dott.ssa Pace Irene', 'Dermatologia', 'ATTIVO', '');

INSERT INTO Visite (ID, MEDICO, DATA, ORAINIZIO, ORAFINE, LUOGO, DESCRIZIONE, DURATA) VALUES
  (1, 'Dott. Ferri Luca', curdate() + interval 3 day, '09:00', '10:00', 'STANZA 1', 'Portare gli esami recenti', 20);

INSERT INTO Appuntamenti (IDVISITA, ORA, NOME, TELEFONO, NOTE) VALUES
  (1, '09:00', 'Bruni Carla', '0577 121212', 'Controllo'),
  (1, '09:20', '', '', ''),
  (1, '09:40', '', '', ''),
  (1, '10:00', 'D''Amico Sergio', '0577 343434', '');

INSERT INTO Notizie (Data, Notizia) VALUES
  (curdate(), 'Da lunedì la sede apre alle 7:30. Ricordarsi di firmare il foglio presenze.');

INSERT INTO Protocollo (DATAREG, TITOLO, OPERATORE, NOMEFILE) VALUES
  (curdate() - interval 2 day, 'Convenzione trasporti ASL', '', ''),
  (curdate(), 'Richiesta contributo Comune di Valdrena', '', '');
