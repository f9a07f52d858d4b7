-- Visiting specialists, their visits and the appointment slots.

CREATE TABLE Medici (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Nome VARCHAR(100) NOT NULL DEFAULT '',
  Specializzazione VARCHAR(100) NOT NULL DEFAULT '',
  Stato VARCHAR(20) NOT NULL DEFAULT 'ATTIVO',
  Note TEXT NOT NULL DEFAULT '',
  KEY ix_medici_stato (Stato, Nome)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Visits. MEDICO is the name of the specialist (not a key). DURATA is the
-- length of one appointment slot in minutes.
CREATE TABLE Visite (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  MEDICO VARCHAR(100) NOT NULL DEFAULT '',
  DATA DATE NULL DEFAULT NULL,
  ORAINIZIO TIME NULL DEFAULT NULL,
  ORAFINE TIME NULL DEFAULT NULL,
  LUOGO VARCHAR(20) NOT NULL DEFAULT '',
  DESCRIZIONE TEXT NOT NULL DEFAULT '',
  DURATA INT NOT NULL DEFAULT 0,
  KEY ix_visite_medico (MEDICO, DATA),
  KEY ix_visite_data (DATA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Appointment slots of a visit. ORA is the hh:mm text of the slot, a slot
-- is free while NOME is the empty text.
CREATE TABLE Appuntamenti (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDVISITA INT NOT NULL DEFAULT 0,
  ORA VARCHAR(10) NOT NULL DEFAULT '',
  NOME VARCHAR(100) NOT NULL DEFAULT '',
  TELEFONO VARCHAR(50) NOT NULL DEFAULT '',
  NOTE VARCHAR(255) NOT NULL DEFAULT '',
  KEY ix_appuntamenti_idvisita (IDVISITA, ORA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
