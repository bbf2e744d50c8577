-- Domains of the three kinds: nested name spaces of data, of methods and interfaces, and of systems.
-- One table serves the three kinds, so that rights, memberships, paths and searches are written once.
CREATE TABLE domain (
  id            INT           NOT NULL AUTO_INCREMENT,
  kind          ENUM('data','method','system') NOT NULL,
  upper_id      INT           NOT NULL DEFAULT 0,        -- parent domain of the same kind, 0 at the top
  name          VARCHAR(128)  NOT NULL,
  user_id       VARCHAR(64)   NOT NULL,                  -- author
  public        TINYINT(1)    NOT NULL DEFAULT 1,
  standard_port INT           NOT NULL DEFAULT 0,        -- method domains only, 0..65535
  create_date   DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  last_update   DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  description   TEXT          NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY domain_name_under_parent (kind, upper_id, name),
  KEY domain_by_parent (upper_id),
  KEY domain_by_name (name),
  KEY domain_by_port (kind, standard_port)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Who belongs to a domain, and with which grade. An application to join waits as 'applicant' until a
-- manager gives it a grade.
CREATE TABLE domain_member (
  domain_id INT         NOT NULL,
  user_id   VARCHAR(64) NOT NULL,
  grade     ENUM('manager','member','guest','applicant') NOT NULL,
  join_date DATETIME    NOT NULL DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (domain_id, user_id),
  KEY member_by_user (user_id),
  CONSTRAINT member_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT member_account FOREIGN KEY (user_id) REFERENCES account (user_id) ON DELETE CASCADE ON UPDATE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Links between domains besides the tree: flag 0, a data domain's parent data domains (or a method domain's
-- parent method domains, whose headers it includes); flag 1, the data domains a method domain uses.
CREATE TABLE domain_parent (
  domain_id INT        NOT NULL,
  parent_id INT        NOT NULL,
  flag      TINYINT    NOT NULL DEFAULT 0,
  seq       INT        NOT NULL AUTO_INCREMENT,       -- keeps the order in which links were made
  PRIMARY KEY (seq),
  UNIQUE KEY parent_link (domain_id, parent_id, flag),
  KEY parent_by_parent (parent_id),
  CONSTRAINT parent_link_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT parent_link_parent FOREIGN KEY (parent_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
