-- Application accounts: who may log in to the design, and with which rights.
-- Passwords are kept salted and hashed (SHA2-256), never as plain text.
CREATE TABLE account (
  user_id            VARCHAR(64)  NOT NULL,
  salt               CHAR(32)     NOT NULL,
  password_hash      CHAR(64)     NOT NULL,
  is_administrator   TINYINT(1)   NOT NULL DEFAULT 0,
  may_create_account TINYINT(1)   NOT NULL DEFAULT 0,
  may_create_domain  TINYINT(1)   NOT NULL DEFAULT 0,
  description        VARCHAR(1024) NOT NULL DEFAULT '',
  create_date        DATETIME     NOT NULL DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (user_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
