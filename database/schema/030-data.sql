-- Data items of the data domains: structures, aliases, enumerations and the scalar types of the SDK.
--
-- A reference to another data item (an alias, an alias field, a method's input or output data) is kept as the
-- key of the referenced item, (its domain id, its name), NULL for none. The key is what every caller sends and
-- what a document carries, so an import may name an item that arrives later in the same document; the
-- procedures resolve the key to the item through its unique index, and a rename carries its references along.
CREATE TABLE data_item (
  id             INT           NOT NULL AUTO_INCREMENT,
  domain_id      INT           NOT NULL,
  name           VARCHAR(128)  NOT NULL,
  user_id        VARCHAR(64)   NOT NULL,                -- author
  type           VARCHAR(32)   NOT NULL,                -- data type keyword
  physical       VARCHAR(128)  NOT NULL DEFAULT '',     -- physical quantity
  real_domain_id INT           NULL,                    -- alias: domain of the real data
  real_data_name VARCHAR(128)  NULL,                    -- alias: name of the real data
  scmin          VARCHAR(64)   NOT NULL DEFAULT '',     -- scaled types: minimum as typed
  scmax          VARCHAR(64)   NOT NULL DEFAULT '',     -- scaled types: maximum as typed
  description    TEXT          NOT NULL,
  create_date    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  last_update    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY data_item_name_in_domain (domain_id, name),
  KEY data_item_by_real_data (real_domain_id, real_data_name),
  KEY data_item_by_type (domain_id, type),
  KEY data_item_by_name (name),
  CONSTRAINT data_item_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Fields of a structure and constants of an enumeration (type 'const', value in scmin), in member order (seq).
CREATE TABLE data_field (
  id             INT           NOT NULL AUTO_INCREMENT,
  data_id        INT           NOT NULL,                -- the owning structure or enumeration
  seq            INT           NOT NULL,                -- member order within the owner, 1 upwards
  member_name    VARCHAR(128)  NOT NULL,
  type           VARCHAR(32)   NOT NULL,
  physical       VARCHAR(128)  NOT NULL DEFAULT '',
  bitsize        INT           NOT NULL DEFAULT 0,
  real_domain_id INT           NULL,                    -- alias field: domain of its data type
  real_data_name VARCHAR(128)  NULL,                    -- alias field: name of its data type
  scmin          VARCHAR(64)   NOT NULL DEFAULT '',     -- minimum, or the value of a constant
  scmax          VARCHAR(64)   NOT NULL DEFAULT '',
  arraytype      ENUM('NO','FIX','VARIABLE') NOT NULL DEFAULT 'NO',
  arraysize      INT           NOT NULL DEFAULT 0,
  description    TEXT          NOT NULL,
  last_update    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY data_field_name_in_item (data_id, member_name),
  UNIQUE KEY data_field_order (data_id, seq),
  KEY data_field_by_real_data (real_domain_id, real_data_name),
  CONSTRAINT data_field_item FOREIGN KEY (data_id) REFERENCES data_item (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
