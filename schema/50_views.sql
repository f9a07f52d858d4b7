-- Read views.

-- servizic: every column of servizi with the vehicle code and plate and the
-- names and mail addresses of the crew (driver first). Outer joins keep one
-- row per service also when the vehicle or crew keys are 0: the missing
-- values then read as empty texts.
CREATE SQL SECURITY INVOKER VIEW servizic AS
SELECT s.*,
  COALESCE(m.Siglamezzo, '') AS siglamezzo,
  COALESCE(m.Targamezzo, '') AS targamezzo,
  COALESCE(va.Nome, '') AS Autista,
  COALESCE(v1.Nome, '') AS Volontario1,
  COALESCE(v2.Nome, '') AS Volontario2,
  COALESCE(v3.Nome, '') AS Volontario3,
  COALESCE(va.Mail, '') AS Mail1,
  COALESCE(v1.Mail, '') AS Mail2,
  COALESCE(v2.Mail, '') AS Mail3,
  COALESCE(v3.Mail, '') AS Mail4
FROM servizi s
  LEFT OUTER JOIN mezzi m ON m.ID = s.Idmezzo
  LEFT OUTER JOIN volontari va ON va.ID = s.IdAutista
  LEFT OUTER JOIN volontari v1 ON v1.ID = s.IdVolontario1
  LEFT OUTER JOIN volontari v2 ON v2.ID = s.IdVolontario2
  LEFT OUTER JOIN volontari v3 ON v3.ID = s.IdVolontario3;

-- Titolic: the qualifications of every person.
-- TIP T: the rows of Titoli, with the description of their code in list A.
-- TIP C: the qualifications earned in courses, one row per participant
-- judged fit (Risultato IDONEO) in a session that awards a title (TITOLO,
-- a code of list A). These rows carry the negated key of Partecipanti, so
-- that a key never names a row of both kinds and no statement on Titoli
-- can reach them. Only T rows are edited by the program.
CREATE SQL SECURITY INVOKER VIEW Titolic AS
SELECT t.ID AS ID,
  t.IDVOLONTARIO AS IDVOLONTARIO,
  t.CODICE AS CODICE,
  COALESCE(e.DESCRIZIONE, '') AS DESCRIZIONE,
  t.DATAESAME AS DATAESAME,
  t.LUOGO AS LUOGO,
  t.NMRATTESTATO AS NMRATTESTATO,
  t.SCADENZA AS SCADENZA,
  'T' AS TIP
FROM Titoli t
  LEFT OUTER JOIN Elenchi e ON e.TIPO = 'A' AND e.CODICE = t.CODICE
UNION ALL
SELECT -p.ID AS ID,
  p.IdVolontario AS IDVOLONTARIO,
  i.TITOLO AS CODICE,
  e.DESCRIZIONE AS DESCRIZIONE,
  i.DATA AS DATAESAME,
  i.LUOGO AS LUOGO,
  p.NMRATTESTATO AS NMRATTESTATO,
  NULL AS SCADENZA,
  'C' AS TIP
FROM Partecipanti p
  JOIN incontri i ON i.ID = p.IDINCONTRI
  JOIN Elenchi e ON e.TIPO = 'A' AND e.CODICE = i.TITOLO
WHERE TRIM(p.Risultato) = 'IDONEO' AND i.TITOLO <> '' AND p.IdVolontario > 0;
