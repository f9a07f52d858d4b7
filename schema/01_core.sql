-- Core tables: people and user accounts, vehicles, coded lists, settings,
-- audit log and the places offered for transports.
-- Every table: InnoDB, utf8mb4 with a case-insensitive collation, an integer
-- key assigned by the server. No foreign key constraints: the program stores
-- 0 for "none" in its key columns.
-- Text columns are NOT NULL with the empty text as default: the program
-- binds an empty text as an empty string, never as NULL.
-- Dates and times that may be missing are NULL.

CREATE TABLE volontari (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Nome VARCHAR(100) NOT NULL DEFAULT '',
  stato VARCHAR(30) NOT NULL DEFAULT 'Attivo',
  TIPO VARCHAR(30) NOT NULL DEFAULT '',
  LivelloA1 VARCHAR(30) NOT NULL DEFAULT '',
  Utente VARCHAR(100) NOT NULL DEFAULT '',
  Password VARCHAR(100) NOT NULL DEFAULT '',
  LivelloF INT NOT NULL DEFAULT 0,
  LivelloM INT NOT NULL DEFAULT 0,
  LivelloS INT NOT NULL DEFAULT 0,
  LivelloV INT NOT NULL DEFAULT 0,
  LivelloA INT NOT NULL DEFAULT 0,
  LivelloP INT NOT NULL DEFAULT 0,
  Livello SMALLINT NOT NULL DEFAULT 0,
  Cellulare VARCHAR(50) NOT NULL DEFAULT '',
  Cellulare2 VARCHAR(50) NOT NULL DEFAULT '',
  Telefono VARCHAR(50) NOT NULL DEFAULT '',
  Indirizzo VARCHAR(150) NOT NULL DEFAULT '',
  CAP VARCHAR(10) NOT NULL DEFAULT '',
  Citta VARCHAR(100) NOT NULL DEFAULT '',
  Provincia VARCHAR(10) NOT NULL DEFAULT '',
  Mail VARCHAR(150) NOT NULL DEFAULT '',
  Mail2 VARCHAR(150) NOT NULL DEFAULT '',
  Sesso VARCHAR(5) NOT NULL DEFAULT '',
  Luogodinascita VARCHAR(100) NOT NULL DEFAULT '',
  -- the date of birth is kept as the text typed (dd/mm/yyyy)
  Datadinascita VARCHAR(20) NOT NULL DEFAULT '',
  Titolodistudio VARCHAR(100) NOT NULL DEFAULT '',
  Professione VARCHAR(100) NOT NULL DEFAULT '',
  Codicefiscale VARCHAR(32) NOT NULL DEFAULT '',
  -- yes-flags: SI or the empty text
  Area1 VARCHAR(5) NOT NULL DEFAULT '',
  Area2 VARCHAR(5) NOT NULL DEFAULT '',
  Area3 VARCHAR(5) NOT NULL DEFAULT '',
  Area4 VARCHAR(5) NOT NULL DEFAULT '',
  Area5 VARCHAR(5) NOT NULL DEFAULT '',
  Area6 VARCHAR(5) NOT NULL DEFAULT '',
  Ordinarie VARCHAR(5) NOT NULL DEFAULT '',
  Emergenza VARCHAR(5) NOT NULL DEFAULT '',
  Opem VARCHAR(5) NOT NULL DEFAULT '',
  OpemN VARCHAR(5) NOT NULL DEFAULT '',
  NoAmbulanza VARCHAR(5) NOT NULL DEFAULT '',
  SerCivile VARCHAR(5) NOT NULL DEFAULT '',
  -- identity documents: an empty date is kept as 1000-01-01
  TipoDoc VARCHAR(50) NOT NULL DEFAULT '',
  Documento VARCHAR(50) NOT NULL DEFAULT '',
  EnteDoc VARCHAR(100) NOT NULL DEFAULT '',
  DataDoc DATE NULL DEFAULT '1000-01-01',
  ScadDoc DATE NULL DEFAULT '1000-01-01',
  TipoDoc2 VARCHAR(50) NOT NULL DEFAULT '',
  Documento2 VARCHAR(50) NOT NULL DEFAULT '',
  EnteDoc2 VARCHAR(100) NOT NULL DEFAULT '',
  DataDoc2 DATE NULL DEFAULT '1000-01-01',
  ScadDoc2 DATE NULL DEFAULT '1000-01-01',
  -- driving licence of the organisation: categories as digits, e.g. 4 or 45
  PATVLM VARCHAR(20) NOT NULL DEFAULT '',
  PATVLMN VARCHAR(50) NOT NULL DEFAULT '',
  ESAMEPATVLM DATE NULL DEFAULT NULL,
  SCADPATVLM DATE NULL DEFAULT NULL,
  -- NULL while the person never had a licence state ("No Patente" lists them)
  STATOPATVLM VARCHAR(30) NULL DEFAULT NULL,
  NOTEP TEXT NOT NULL DEFAULT '',
  Peso SMALLINT NOT NULL DEFAULT 0,
  Altezza SMALLINT NOT NULL DEFAULT 0,
  Note TEXT NOT NULL DEFAULT '',
  NoteI TEXT NOT NULL DEFAULT '',
  MOBILE_UTN VARCHAR(100) NOT NULL DEFAULT '',
  MOBILE_PAS VARCHAR(100) NOT NULL DEFAULT '',
  TUTOR VARCHAR(100) NOT NULL DEFAULT '',
  KEY ix_volontari_nome (Nome),
  KEY ix_volontari_utente (Utente),
  KEY ix_volontari_codicefiscale (Codicefiscale),
  KEY ix_volontari_stato (stato, Nome),
  KEY ix_volontari_livelloa1 (LivelloA1),
  KEY ix_volontari_scadpatvlm (SCADPATVLM),
  KEY ix_volontari_statopatvlm (STATOPATVLM)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE mezzi (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Siglamezzo VARCHAR(50) NOT NULL DEFAULT '',
  tipomezzo VARCHAR(50) NOT NULL DEFAULT '',
  Targamezzo VARCHAR(20) NOT NULL DEFAULT '',
  Marca VARCHAR(50) NOT NULL DEFAULT '',
  Modello VARCHAR(50) NOT NULL DEFAULT '',
  immatricolazione DATE NULL DEFAULT NULL,
  Telaio VARCHAR(50) NOT NULL DEFAULT '',
  Stato VARCHAR(30) NOT NULL DEFAULT 'Attivo',
  Revisione DATE NULL DEFAULT NULL,
  KEY ix_mezzi_siglamezzo (Siglamezzo),
  KEY ix_mezzi_stato (Stato, tipomezzo),
  KEY ix_mezzi_revisione (Revisione)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Coded lists, one per TIPO letter (see 80_lists.sql). The ID gives the
-- display order of list E.
CREATE TABLE Elenchi (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  CODICE VARCHAR(20) NOT NULL DEFAULT '',
  DESCRIZIONE VARCHAR(100) NOT NULL DEFAULT '',
  TIPO VARCHAR(1) NOT NULL DEFAULT '',
  KEY ix_elenchi_codice (TIPO, CODICE),
  KEY ix_elenchi_descrizione (TIPO, DESCRIZIONE),
  KEY ix_elenchi_codice_only (CODICE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Settings shared by every workstation: one row per key.
CREATE TABLE Dati (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  NOME VARCHAR(50) NOT NULL DEFAULT '',
  VALORE TEXT NOT NULL DEFAULT '',
  UNIQUE KEY ux_dati_nome (NOME)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Audit log: the program inserts POSTAZIONE and TESTO, the server the rest.
CREATE TABLE LogVlm (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  DATAORA DATETIME NOT NULL DEFAULT CURRENT_TIMESTAMP,
  POSTAZIONE VARCHAR(100) NOT NULL DEFAULT '',
  TESTO TEXT NOT NULL DEFAULT '',
  KEY ix_logvlm_dataora (DATAORA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Places offered as departure and destination of a transport.
CREATE TABLE destinazioni (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  destinaz VARCHAR(150) NOT NULL DEFAULT '',
  KEY ix_destinazioni_destinaz (destinaz)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
