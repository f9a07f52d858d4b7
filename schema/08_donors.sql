-- Blood donors and their donations.

-- Donors. IDAGENDA is the code of the donor in the booking agenda.
CREATE TABLE donatori (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  stato VARCHAR(20) NOT NULL DEFAULT 'ATTIVO',
  Nome VARCHAR(100) NOT NULL DEFAULT '',
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
  Datadinascita DATE NULL DEFAULT NULL,
  Codicefiscale VARCHAR(32) NOT NULL DEFAULT '',
  Note TEXT NOT NULL DEFAULT '',
  IDAGENDA VARCHAR(20) NOT NULL DEFAULT '',
  GRUPPO VARCHAR(10) NOT NULL DEFAULT '',
  KEY ix_donatori_nome (Nome),
  KEY ix_donatori_codicefiscale (Codicefiscale),
  KEY ix_donatori_idagenda (IDAGENDA),
  KEY ix_donatori_stato (stato),
  KEY ix_donatori_gruppo (GRUPPO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Donations. TIPO is a code of list D of Elenchi.
CREATE TABLE donazioni (
  ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDDONATORE INT NOT NULL DEFAULT 0,
  DATA DATE NULL DEFAULT NULL,
  QUANTITA INT NOT NULL DEFAULT 0,
  TIPO VARCHAR(5) NOT NULL DEFAULT '',
  KEY ix_donazioni_iddonatore (IDDONATORE, DATA),
  KEY ix_donazioni_data (DATA)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
