-- Ten years of a branch's data, for the list-refresh benchmark.
-- Applied to a database created from schema/: 800 people, 25 vehicles, 30 services a day
-- for ten years (about 110,000), with crews spread over the people.
-- Uses MariaDB's built-in sequence tables (seq_1_to_N).

INSERT INTO volontari(Nome, stato, TIPO, PATVLM, Area1, Mail, Utente, Codicefiscale)
SELECT CONCAT(ELT(1 + seq % 10, 'Rossi', 'Bianchi', 'Verdi', 'Neri', 'Russo', 'Ferrari', 'Esposito', 'Romano', 'Colombo', 'Ricci'),
              ' ', ELT(1 + seq % 7, 'Anna', 'Marco', 'Luca', 'Giulia', 'Paolo', 'Sara', 'Elena'), ' ', LPAD(seq, 4, '0')),
       ELT(1 + seq % 5, 'Attivo', 'Attivo', 'Attivo', 'Riserva', 'Dismesso '),
       'Volontario',
       ELT(1 + seq % 3, '45', '4', ''),
       IF(seq % 2 = 0, 'SI', ''),
       CONCAT('vol', seq, '@example.org'), '', CONCAT('RSSMRA80A01H', LPAD(seq, 3, '0'), 'U')
FROM seq_1_to_800;

INSERT INTO mezzi(Siglamezzo, tipomezzo, Targamezzo, Stato)
SELECT CONCAT('MZ', LPAD(seq, 2, '0')), ELT(1 + seq % 3, 'AUTO', 'AMBULANZA', 'PULMINO'), CONCAT('AB', LPAD(seq, 3, '0'), 'CD'),
       IF(seq % 8 = 0, 'Dismesso', 'Attivo')
FROM seq_1_to_25;

SET @v0 = (SELECT MIN(ID) FROM volontari WHERE Nome LIKE '% 0001');
SET @m0 = (SELECT MIN(ID) FROM mezzi WHERE Siglamezzo = 'MZ01');

INSERT INTO servizi(dataservizio, orariopartenza, durata, orariovisita, cognomepz, nomepz, codicefiscale,
                    luogoprelievo, destinazionepz, servizio, tipomezzo, Idmezzo, IdAutista, IdVolontario1,
                    IdVolontario2, IdVolontario3, persone, convenzione, note)
SELECT CURDATE() - INTERVAL 3650 DAY + INTERVAL (seq DIV 30) DAY,
       SEC_TO_TIME(6 * 3600 + (seq % 30) * 1200),
       SEC_TO_TIME(1800 + (seq % 5) * 900),
       SEC_TO_TIME(7 * 3600 + (seq % 30) * 1200),
       ELT(1 + seq % 8, 'Conti', 'Gallo', 'Costa', 'Fontana', 'Marino', 'Greco', 'Bruno', 'Galli'),
       ELT(1 + seq % 5, 'Mario', 'Lucia', 'Giorgio', 'Rosa', 'Franco'),
       CONCAT('PZNTST', LPAD(seq % 100000, 5, '0'), 'X'),
       'Domicilio', ELT(1 + seq % 4, 'Ospedale di Valdrena', 'Policlinico', 'Casa di cura', 'Poliambulatorio'),
       ELT(1 + seq % 4, 'VISITA OCULISTICA', 'DIMISSIONE', 'RICOVERO', 'DIALISI'),
       ELT(1 + seq % 3, 'AUTO', 'AMB. ORD.', 'PULMINO'),
       IF(seq % 17 = 0, 0, @m0 + seq % 25),
       IF(seq % 13 = 0, 0, @v0 + (seq * 7) % 800),
       @v0 + (seq * 11) % 800,
       IF(seq % 3 = 0, @v0 + (seq * 19) % 800, 0),
       0, 2, ELT(1 + seq % 4, 'Y', 'N', 'S', 'Y'), ''
FROM seq_1_to_110000;
