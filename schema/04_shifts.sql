-- Shift roster, its import staging table, shift slots and availability.

-- One row per volunteer, shift and day of the imported roster.
-- ORAI and ORAF are the texts of the sheet normalised to hh:mm (a cell
-- without a dash leaves the start empty), so they are kept as text.
-- IDV is 0 when no volunteer matched the name of the sheet.
CREATE TABLE Turni (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  DATA DATE NULL DEFAULT NULL,
  TIPO VARCHAR(50) NOT NULL DEFAULT '',
  ORAI VARCHAR(10) NOT NULL DEFAULT '',
  ORAF VARCHAR(10) NOT NULL DEFAULT '',
  IDV INT NOT NULL DEFAULT 0,
  MEZZO VARCHAR(50) NOT NULL DEFAULT '',
  KEY ix_turni_data (DATA, MEZZO, ORAI),
  KEY ix_turni_idv (IDV, DATA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Staging table of the roster import: one row per line of the sheet, in
-- file order (the key follows the order of loading).
CREATE TABLE TurniTmp (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Giorno VARCHAR(255) NOT NULL DEFAULT '',
  `WEEKDAY` VARCHAR(255) NOT NULL DEFAULT '',
  TIPO VARCHAR(255) NOT NULL DEFAULT '',
  T1 VARCHAR(255) NOT NULL DEFAULT '',
  T2 VARCHAR(255) NOT NULL DEFAULT '',
  T3 VARCHAR(255) NOT NULL DEFAULT '',
  T4 VARCHAR(255) NOT NULL DEFAULT '',
  T5 VARCHAR(255) NOT NULL DEFAULT '',
  T6 VARCHAR(255) NOT NULL DEFAULT '',
  T7 VARCHAR(255) NOT NULL DEFAULT '',
  T8 VARCHAR(255) NOT NULL DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Shift slots. GIORNO: 1 to 10 a code of list G of Elenchi (1 Sunday to
-- 7 Saturday), from 11 on a date as days counted from 30/12/1899.
-- ATTIVO N marks a slot no longer offered, any other value an active one.
CREATE TABLE OrariTurni (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  TIPO VARCHAR(20) NOT NULL DEFAULT '',
  DESCRIZ VARCHAR(100) NOT NULL DEFAULT '',
  GIORNO INT NOT NULL DEFAULT 0,
  ORAI TIME NULL DEFAULT NULL,
  ORAF TIME NULL DEFAULT NULL,
  ATTIVO VARCHAR(1) NOT NULL DEFAULT 'S',
  KEY ix_orariturni_giorno (ATTIVO, GIORNO, TIPO, ORAI)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Availability. Slot rows: IDV and IDT (OrariTurni.ID). Period rows: IDV,
-- the dates, the times and the weekday flags (S or N, Monday to Sunday),
-- IDT NULL. TIPO tells a period of availability ('Disponibile') from a
-- period of absence ('Assente'); slot rows are availabilities.
CREATE TABLE disponibilita (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDV INT NOT NULL DEFAULT 0,
  IDT INT NULL DEFAULT NULL,
  TIPO VARCHAR(15) NOT NULL DEFAULT 'Disponibile',
  DATAI DATE NULL DEFAULT NULL,
  DATAF DATE NULL DEFAULT NULL,
  ORAI TIME NULL DEFAULT NULL,
  ORAF TIME NULL DEFAULT NULL,
  GSLU VARCHAR(1) NOT NULL DEFAULT 'N',
  GSMA VARCHAR(1) NOT NULL DEFAULT 'N',
  GSME VARCHAR(1) NOT NULL DEFAULT 'N',
  GSGI VARCHAR(1) NOT NULL DEFAULT 'N',
  GSVE VARCHAR(1) NOT NULL DEFAULT 'N',
  GSSA VARCHAR(1) NOT NULL DEFAULT 'N',
  GSDO VARCHAR(1) NOT NULL DEFAULT 'N',
  KEY ix_disponibilita_idv (IDV, IDT),
  KEY ix_disponibilita_idt (IDT)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
