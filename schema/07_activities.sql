-- Activities and courses, their sessions and participants, events and
-- missions with their volunteers.

-- Activities. CODICE is a code of list C of Elenchi, TITOLO the description
-- of an entry of list A. CHIUSO is X for a closed course, a blank otherwise.
CREATE TABLE Attivita (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  CODICE VARCHAR(20) NOT NULL DEFAULT '',
  DATAI DATE NULL DEFAULT NULL,
  DATAF DATE NULL DEFAULT NULL,
  LUOGO VARCHAR(100) NOT NULL DEFAULT '',
  DESCRIZIONE VARCHAR(255) NOT NULL DEFAULT '',
  TITOLO VARCHAR(100) NOT NULL DEFAULT '',
  CHIUSO VARCHAR(1) NOT NULL DEFAULT ' ',
  KEY ix_attivita_dataf (DATAF),
  KEY ix_attivita_codice (CODICE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Sessions of an activity. TIPO is a code of list I, TITOLO a code of
-- list A: the qualification the session awards to the participants
-- judged fit (IDONEO), see the view Titolic.
CREATE TABLE incontri (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDAttivita INT NOT NULL DEFAULT 0,
  TIPO VARCHAR(20) NOT NULL DEFAULT '',
  DATA DATE NULL DEFAULT NULL,
  LUOGO VARCHAR(100) NOT NULL DEFAULT '',
  DESCRIZIONE VARCHAR(255) NOT NULL DEFAULT '',
  TITOLO VARCHAR(20) NOT NULL DEFAULT '',
  KEY ix_incontri_idattivita (IDAttivita, TIPO),
  KEY ix_incontri_titolo (TITOLO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Participants of a session with their result (ISCRITTO, PRESENTE, IDONEO
-- or another description of list R) and certificate number.
CREATE TABLE Partecipanti (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDINCONTRI INT NOT NULL DEFAULT 0,
  IdVolontario INT NOT NULL DEFAULT 0,
  Risultato VARCHAR(50) NOT NULL DEFAULT '',
  NMRATTESTATO VARCHAR(50) NOT NULL DEFAULT '',
  KEY ix_partecipanti_idincontri (IDINCONTRI),
  KEY ix_partecipanti_idvolontario (IdVolontario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Events and missions. EVENTO and MISSIONE hold SI or the empty text.
-- ORAI and ORAF are hh:mm texts as typed (a mission leaves them blank).
CREATE TABLE Eventi (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  EVENTO VARCHAR(5) NOT NULL DEFAULT '',
  MISSIONE VARCHAR(5) NOT NULL DEFAULT '',
  DATA DATE NULL DEFAULT NULL,
  DATAF DATE NULL DEFAULT NULL,
  LUOGO VARCHAR(100) NOT NULL DEFAULT '',
  DESCRIZIONE VARCHAR(255) NOT NULL DEFAULT '',
  ORAI VARCHAR(10) NOT NULL DEFAULT '',
  ORAF VARCHAR(10) NOT NULL DEFAULT '',
  MINIMO INT NOT NULL DEFAULT 0,
  MASSIMO INT NOT NULL DEFAULT 0,
  NOTE TEXT NOT NULL DEFAULT '',
  KEY ix_eventi_data (DATA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Volunteers assigned to an event (ID_EV = Eventi.ID, ID_VOL = volontari.ID).
CREATE TABLE Eve_Vol (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  ID_EV INT NOT NULL DEFAULT 0,
  ID_VOL INT NOT NULL DEFAULT 0,
  ORAI VARCHAR(10) NOT NULL DEFAULT '',
  ORAF VARCHAR(10) NOT NULL DEFAULT '',
  DATA_SER DATE NULL DEFAULT NULL,
  KEY ix_eve_vol_id_ev (ID_EV, ORAI),
  KEY ix_eve_vol_id_vol (ID_VOL)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
