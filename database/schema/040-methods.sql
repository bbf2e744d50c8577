-- Methods of the method domains, and the interfaces that group them.
--
-- A method's input and output data are kept as the key of the data item, (data domain id, data name), NULL
-- for none, as the data references are (030-data.sql).
CREATE TABLE method (
  id             INT           NOT NULL AUTO_INCREMENT,
  domain_id      INT           NOT NULL,
  name           VARCHAR(128)  NOT NULL,
  type           VARCHAR(32)   NOT NULL,                -- method type keyword
  code           INT           NOT NULL,                -- 16-bit message code, unique within the domain
  in_domain_id   INT           NULL,
  in_data_name   VARCHAR(128)  NULL,
  out_domain_id  INT           NULL,
  out_data_name  VARCHAR(128)  NULL,
  user_id        VARCHAR(64)   NOT NULL,                -- author
  description    TEXT          NOT NULL,
  create_date    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  last_update    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY method_name_in_domain (domain_id, name),
  UNIQUE KEY method_code_in_domain (domain_id, code),
  KEY method_by_input (in_domain_id, in_data_name),
  KEY method_by_output (out_domain_id, out_data_name),
  KEY method_by_name (name),
  CONSTRAINT method_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT method_code_range CHECK (code BETWEEN 0 AND 65535)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Interfaces of a method domain. Classes of the system domains bind to an interface by its key
-- (domain_id, name): a foreign key to interface_name_in_domain with ON UPDATE CASCADE follows a rename.
CREATE TABLE method_interface (
  id             INT           NOT NULL AUTO_INCREMENT,
  domain_id      INT           NOT NULL,
  name           VARCHAR(128)  NOT NULL,
  user_id        VARCHAR(64)   NOT NULL,
  description    TEXT          NOT NULL,
  create_date    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  last_update    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY interface_name_in_domain (domain_id, name),
  KEY interface_by_name (name),
  CONSTRAINT interface_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- The member methods of an interface, in member order (seq grows with every addition).
CREATE TABLE interface_member (
  seq            INT           NOT NULL AUTO_INCREMENT,
  interface_id   INT           NOT NULL,
  method_id      INT           NOT NULL,
  member_text    VARCHAR(128)  NOT NULL DEFAULT '',     -- the free text the member dialog sends with a member
  PRIMARY KEY (seq),
  UNIQUE KEY member_once (interface_id, method_id),
  KEY member_by_method (method_id),
  CONSTRAINT member_interface FOREIGN KEY (interface_id) REFERENCES method_interface (id) ON DELETE CASCADE,
  CONSTRAINT member_method FOREIGN KEY (method_id) REFERENCES method (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- The parent (base) interfaces of an interface, in base order.
CREATE TABLE interface_parent (
  seq            INT           NOT NULL AUTO_INCREMENT,
  interface_id   INT           NOT NULL,
  parent_id      INT           NOT NULL,
  PRIMARY KEY (seq),
  UNIQUE KEY parent_once (interface_id, parent_id),
  KEY parent_by_parent (parent_id),
  CONSTRAINT parent_interface FOREIGN KEY (interface_id) REFERENCES method_interface (id) ON DELETE CASCADE,
  CONSTRAINT parent_interface_parent FOREIGN KEY (parent_id) REFERENCES method_interface (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
