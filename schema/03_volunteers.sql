-- Volunteer register: clothing, clock records, qualifications.

-- Clothing handed out to a person (IDV = volontari.ID).
CREATE TABLE Vestiti (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDV INT NOT NULL DEFAULT 0,
  CAPO VARCHAR(100) NOT NULL DEFAULT '',
  TAGLIA VARCHAR(20) NOT NULL DEFAULT '',
  DATACONS DATETIME NULL DEFAULT NULL,
  DATARESO DATETIME NULL DEFAULT NULL,
  KEY ix_vestiti_idv (IDV, DATACONS)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Clock records of the time clock: a person is on duty while uscita is NULL.
-- tipo is the activity code chosen at clock-in (three characters).
CREATE TABLE cartellini (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codice INT NOT NULL DEFAULT 0,
  nome VARCHAR(100) NOT NULL DEFAULT '',
  entrata DATETIME NULL DEFAULT NULL,
  uscita DATETIME NULL DEFAULT NULL,
  tempo TIME NULL DEFAULT NULL,
  tipo VARCHAR(3) NOT NULL DEFAULT '',
  KEY ix_cartellini_codice (codice, entrata),
  KEY ix_cartellini_uscita (uscita)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Qualifications of a person. CODICE is a code of list A of Elenchi.
-- SCADENZA is NULL when the qualification does not expire.
CREATE TABLE Titoli (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDVOLONTARIO INT NOT NULL DEFAULT 0,
  CODICE VARCHAR(20) NOT NULL DEFAULT '',
  DATAESAME DATE NULL DEFAULT NULL,
  LUOGO VARCHAR(100) NOT NULL DEFAULT '',
  NMRATTESTATO VARCHAR(50) NOT NULL DEFAULT '',
  SCADENZA DATE NULL DEFAULT NULL,
  KEY ix_titoli_idvolontario (IDVOLONTARIO, DATAESAME),
  KEY ix_titoli_codice (CODICE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
