-- Transport services and vehicle stand-bys.

-- One row per transport service. Data is the insertion day, filled by the
-- server. dataservizio holds the day of the service at midnight: it is a
-- DATETIME so that the day plus a departure TIME gives the start moment
-- (as the history of a person does), while comparisons with a date and
-- date(dataservizio) keep working. Times are TIME values written as hh:mm.
-- Flags pzcammina, portantina, barella, seggiolina hold Y or N.
-- convenzione: S social, N private, Y under agreement. It has no NULL:
-- a save without a kind of service fails.
CREATE TABLE servizi (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Data DATE NULL DEFAULT (curdate()),
  dataservizio DATETIME NULL DEFAULT NULL,
  orariopartenza TIME NULL DEFAULT NULL,
  durata TIME NULL DEFAULT NULL,
  orariovisita TIME NULL DEFAULT NULL,
  cognomepz VARCHAR(100) NOT NULL DEFAULT '',
  nomepz VARCHAR(100) NOT NULL DEFAULT '',
  codicefiscale VARCHAR(32) NOT NULL DEFAULT '',
  cognomecampanello VARCHAR(100) NOT NULL DEFAULT '',
  indirizzoabitazione VARCHAR(150) NOT NULL DEFAULT '',
  comuneabitazione VARCHAR(100) NOT NULL DEFAULT '',
  pianoabitazione VARCHAR(30) NOT NULL DEFAULT '',
  telefonoab VARCHAR(50) NOT NULL DEFAULT '',
  pesopz VARCHAR(10) NOT NULL DEFAULT '0',
  luogoprelievo VARCHAR(150) NOT NULL DEFAULT '',
  destinazionepz VARCHAR(150) NOT NULL DEFAULT '',
  servizio VARCHAR(100) NOT NULL DEFAULT '',
  tipomezzo VARCHAR(50) NOT NULL DEFAULT '',
  Idmezzo INT NOT NULL DEFAULT 0,
  IdAutista INT NOT NULL DEFAULT 0,
  IdVolontario1 INT NOT NULL DEFAULT 0,
  IdVolontario2 INT NOT NULL DEFAULT 0,
  IdVolontario3 INT NOT NULL DEFAULT 0,
  persone INT NOT NULL DEFAULT 2,
  pzcammina VARCHAR(1) NOT NULL DEFAULT 'N',
  portantina VARCHAR(1) NOT NULL DEFAULT 'N',
  barella VARCHAR(1) NOT NULL DEFAULT 'N',
  seggiolina VARCHAR(1) NOT NULL DEFAULT 'N',
  convenzione VARCHAR(1) NOT NULL DEFAULT 'N',
  NRE VARCHAR(50) NOT NULL DEFAULT '',
  note TEXT NOT NULL DEFAULT '',
  OraPS TIME NULL DEFAULT NULL,
  OraAO TIME NULL DEFAULT NULL,
  OraPO TIME NULL DEFAULT NULL,
  OraAD TIME NULL DEFAULT NULL,
  OraLO TIME NULL DEFAULT NULL,
  OraRS TIME NULL DEFAULT NULL,
  KEY ix_servizi_data (dataservizio, orariopartenza),
  KEY ix_servizi_convenzione (convenzione, dataservizio),
  KEY ix_servizi_mezzo (Idmezzo, dataservizio),
  KEY ix_servizi_autista (IdAutista, dataservizio),
  KEY ix_servizi_vol1 (IdVolontario1, dataservizio),
  KEY ix_servizi_vol2 (IdVolontario2, dataservizio),
  KEY ix_servizi_vol3 (IdVolontario3, dataservizio),
  KEY ix_servizi_cognomepz (cognomepz),
  KEY ix_servizi_servizio (servizio)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Stand-by of a vehicle on a day: durata is the end time, not a length.
-- siglamezzo is the code of the vehicle as written in mezzi, not its key.
CREATE TABLE standby (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  dataservizio DATETIME NULL DEFAULT NULL,
  orainizio TIME NULL DEFAULT NULL,
  durata TIME NULL DEFAULT NULL,
  siglamezzo VARCHAR(50) NOT NULL DEFAULT '',
  tiposervizio VARCHAR(50) NOT NULL DEFAULT '',
  KEY ix_standby_data (dataservizio),
  KEY ix_standby_siglamezzo (siglamezzo, dataservizio)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
