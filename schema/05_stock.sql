-- Stock of medicines and materials, their lots and the vehicle checklists.

-- Articles. QUANTITA is the running total changed by every load and unload.
CREATE TABLE Farmaci (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  CODICE VARCHAR(50) NOT NULL DEFAULT '',
  NOME VARCHAR(100) NOT NULL DEFAULT '',
  DESCRIZIONE VARCHAR(255) NOT NULL DEFAULT '',
  PRODUTTORE VARCHAR(100) NOT NULL DEFAULT '',
  EAN VARCHAR(30) NOT NULL DEFAULT '',
  SCORTA INT NOT NULL DEFAULT 0,
  QUANTITA INT NOT NULL DEFAULT 0,
  KEY ix_farmaci_nome (NOME),
  KEY ix_farmaci_codice (CODICE),
  KEY ix_farmaci_ean (EAN)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Movements. A lot row has QUANTITA 0 or more and IDM NULL. An unload row
-- has a negative QUANTITA and IDM = the ID of its lot row. Q_USATA is the
-- quantity already taken from a lot. DATA is the moment of insertion,
-- filled by the server.
CREATE TABLE Movimenti (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDF INT NOT NULL DEFAULT 0,
  IDV INT NOT NULL DEFAULT 0,
  QUANTITA INT NOT NULL DEFAULT 0,
  Q_USATA INT NOT NULL DEFAULT 0,
  RIFE VARCHAR(100) NOT NULL DEFAULT '',
  SCADENZA DATE NULL DEFAULT NULL,
  IDM INT NULL DEFAULT NULL,
  DATA DATETIME NOT NULL DEFAULT CURRENT_TIMESTAMP,
  KEY ix_movimenti_idf (IDF, DATA),
  KEY ix_movimenti_idm (IDM),
  KEY ix_movimenti_scadenza (SCADENZA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Equipment list of each vehicle (IDM = mezzi.ID, IDF = Farmaci.ID).
CREATE TABLE checklist (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDM INT NOT NULL DEFAULT 0,
  IDV INT NOT NULL DEFAULT 0,
  QUANTITA INT NOT NULL DEFAULT 0,
  IDF INT NOT NULL DEFAULT 0,
  SCADENZA DATE NULL DEFAULT NULL,
  POSIZIONE VARCHAR(50) NOT NULL DEFAULT '',
  KEY ix_checklist_idm (IDM, SCADENZA),
  KEY ix_checklist_idf (IDF),
  KEY ix_checklist_scadenza (SCADENZA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
