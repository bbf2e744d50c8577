-- Systems: the content of the system domains.
--
-- A system domain has physical ports, grouped into logical ports. Its nodes (routers, switches, computers,
-- sensors and sub-systems) have ports and IP settings, and network links join a node port to another node
-- port of the domain or to one of the domain's own (external) ports. A "sub_system" or "sensor" node stands
-- for another system domain: it has that domain's ports, and it carries a lock ("Y") with which the parent
-- system freezes what it uses of that domain. Components have proxy classes (interfaces they call) and stub
-- classes (interfaces they serve), each bound to an interface of a method domain, with named objects.
-- Installing a component on a node is a deployment; each object of the component's classes gets an
-- installed entry there with its object id, its public flag and, for a proxy, the stub it calls (stub
-- object id and IP). A public entry in a domain is cloned onto every sub-system node that stands for that
-- domain, so that the parent system sees it; the clone remembers its source.

-- Physical ports of a system domain (the table name is the key prefix the exporters read).
CREATE TABLE domain_system_port (
  seq          INT           NOT NULL AUTO_INCREMENT,
  domain_id    INT           NOT NULL,
  port_num     INT           NOT NULL,
  port_group   INT           NOT NULL,                  -- the logical port the port belongs to
  description  TEXT          NOT NULL,
  PRIMARY KEY (seq),
  UNIQUE KEY port_in_domain (domain_id, port_num),
  KEY port_by_group (domain_id, port_group),
  CONSTRAINT port_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Logical ports (port groups) of a system domain.
CREATE TABLE domain_logical_port (
  domain_id    INT           NOT NULL,
  port_group   INT           NOT NULL,
  PRIMARY KEY (domain_id, port_group),
  CONSTRAINT logical_port_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Nodes. Only "sub_system" and "sensor" nodes stand for a domain (sub_system_domain_id, NULL otherwise);
-- the lock flag counts only for them.
CREATE TABLE node (
  id                    INT           NOT NULL AUTO_INCREMENT,
  domain_id             INT           NOT NULL,
  name                  VARCHAR(128)  NOT NULL,
  type                  VARCHAR(16)   NOT NULL,
  description           TEXT          NOT NULL,
  sub_system_domain_id  INT           NULL,
  lock_flag             CHAR(1)       NOT NULL DEFAULT 'N',
  PRIMARY KEY (id),
  UNIQUE KEY node_name_in_domain (domain_id, name),
  KEY node_by_sub_system (sub_system_domain_id),
  KEY node_by_name (name),
  CONSTRAINT node_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT node_sub_system FOREIGN KEY (sub_system_domain_id) REFERENCES domain (id) ON DELETE SET NULL,
  CONSTRAINT node_type_word CHECK (type IN ('urouter', 'switch', 'computer', 'sub_system', 'sensor')),
  CONSTRAINT node_lock_word CHECK (lock_flag IN ('Y', 'N'))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Ports of a node, made from the ports of the system domain the node was created with (for a sub-system
-- node: the domain it stands for, whose port changes they follow).
CREATE TABLE node_port (
  id           INT           NOT NULL AUTO_INCREMENT,
  node_id      INT           NOT NULL,
  port_num     INT           NOT NULL,
  port_group   INT           NOT NULL,
  description  TEXT          NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY node_port_number (node_id, port_num),
  CONSTRAINT node_port_node FOREIGN KEY (node_id) REFERENCES node (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- IP settings of a node, one row per address on a node port (the port as the text the dialog keeps). The
-- rows of a sub-system node are rebuilt from its domain and name the node port inside that domain that
-- reaches the external port (linked_*).
CREATE TABLE node_ip (
  id           INT           NOT NULL AUTO_INCREMENT,
  node_id      INT           NOT NULL,
  ip           VARCHAR(15)   NOT NULL,
  mask         VARCHAR(15)   NOT NULL,
  pattern      VARCHAR(64)   NOT NULL,                  -- network pattern, e.g. 192.168.1.X
  gateway      VARCHAR(15)   NOT NULL,
  dns          VARCHAR(15)   NOT NULL,
  port         VARCHAR(16)   NOT NULL,
  description  TEXT          NOT NULL,
  linked_domain VARCHAR(128) NULL,
  linked_node  VARCHAR(128)  NULL,
  linked_port  VARCHAR(16)   NULL,
  PRIMARY KEY (id),
  UNIQUE KEY ip_on_port (node_id, ip, port),
  KEY ip_by_port (node_id, port),
  KEY ip_by_address (ip),
  CONSTRAINT ip_node FOREIGN KEY (node_id) REFERENCES node (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Network links, keyed by their source node port. The destination is a node port of the same domain, or,
-- with d_node_id NULL, one of the domain's own ports (d_domain_id).
CREATE TABLE network_link (
  id           INT           NOT NULL AUTO_INCREMENT,
  domain_id    INT           NOT NULL,                  -- the source node's domain
  s_node_id    INT           NOT NULL,
  s_port       INT           NOT NULL,
  d_node_id    INT           NULL,
  d_domain_id  INT           NULL,
  d_port       INT           NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY link_source (s_node_id, s_port),
  KEY link_by_domain (domain_id),
  KEY link_by_destination (d_node_id, d_port),
  KEY link_by_external_port (d_domain_id, d_port),
  CONSTRAINT link_domain FOREIGN KEY (domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT link_source_node FOREIGN KEY (s_node_id) REFERENCES node (id) ON DELETE CASCADE,
  CONSTRAINT link_destination_node FOREIGN KEY (d_node_id) REFERENCES node (id) ON DELETE CASCADE,
  CONSTRAINT link_external_domain FOREIGN KEY (d_domain_id) REFERENCES domain (id) ON DELETE CASCADE,
  CONSTRAINT link_one_destination CHECK ((d_node_id IS NULL) <> (d_domain_id IS NULL))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

CREATE TABLE component (
  id              INT           NOT NULL AUTO_INCREMENT,
  systemdomain_id INT           NOT NULL,
  name            VARCHAR(128)  NOT NULL,
  description     TEXT          NOT NULL,
  create_date     DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  last_update     DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY component_name_in_domain (systemdomain_id, name),
  KEY component_by_name (name),
  CONSTRAINT component_domain FOREIGN KEY (systemdomain_id) REFERENCES domain (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Proxy and stub classes of a component, bound to an interface by its key: a rename of the interface
-- follows; an interface that a class uses cannot be deleted.
CREATE TABLE component_class (
  id               INT           NOT NULL AUTO_INCREMENT,
  component_id     INT           NOT NULL,
  kind             VARCHAR(5)    NOT NULL,
  method_domain_id INT           NOT NULL,
  interface_name   VARCHAR(128)  NOT NULL,
  class_name       VARCHAR(128)  NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY class_name_in_component (component_id, kind, class_name),
  KEY class_by_interface (method_domain_id, interface_name),
  CONSTRAINT class_component FOREIGN KEY (component_id) REFERENCES component (id) ON DELETE CASCADE,
  CONSTRAINT class_interface FOREIGN KEY (method_domain_id, interface_name)
    REFERENCES method_interface (domain_id, name) ON UPDATE CASCADE ON DELETE RESTRICT,
  CONSTRAINT class_kind_word CHECK (kind IN ('proxy', 'stub'))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Named objects of a class (component_id repeats the class's component, as the lists report it).
CREATE TABLE class_object (
  id           INT           NOT NULL AUTO_INCREMENT,
  class_id     INT           NOT NULL,
  component_id INT           NOT NULL,
  object_name  VARCHAR(128)  NOT NULL,
  PRIMARY KEY (id),
  UNIQUE KEY object_name_in_class (class_id, object_name),
  KEY object_by_component (component_id),
  CONSTRAINT object_class FOREIGN KEY (class_id) REFERENCES component_class (id) ON DELETE CASCADE,
  CONSTRAINT object_component FOREIGN KEY (component_id) REFERENCES component (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- A component installed on a node. A clone (source_deployment_id set) carries the public entries of a
-- deployment inside a sub-system domain onto a node that stands for that domain.
CREATE TABLE deployment (
  id                   INT      NOT NULL AUTO_INCREMENT,
  node_id              INT      NOT NULL,
  component_id         INT      NOT NULL,
  source_deployment_id INT      NULL,
  PRIMARY KEY (id),
  KEY deployment_by_node (node_id, component_id),
  KEY deployment_by_component (component_id),
  KEY deployment_by_source (source_deployment_id),
  CONSTRAINT deployment_node FOREIGN KEY (node_id) REFERENCES node (id) ON DELETE CASCADE,
  CONSTRAINT deployment_component FOREIGN KEY (component_id) REFERENCES component (id) ON DELETE CASCADE,
  CONSTRAINT deployment_source FOREIGN KEY (source_deployment_id) REFERENCES deployment (id) ON DELETE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- Installed (custom) entries: one per object of the deployed component's classes. kind repeats the class's
-- kind. object_id is the object id number (0 until it is set); a proxy entry names the stub it calls.
CREATE TABLE custom_entry (
  id              INT          NOT NULL AUTO_INCREMENT,
  deployment_id   INT          NOT NULL,
  object_ref      INT          NOT NULL,
  kind            VARCHAR(5)   NOT NULL,
  object_id       INT          NOT NULL DEFAULT 0,
  public          TINYINT      NOT NULL DEFAULT 0,
  stub_object_id  INT          NOT NULL DEFAULT 0,
  stub_ip         VARCHAR(15)  NOT NULL DEFAULT '0.0.0.0',
  source_entry_id INT          NULL,
  PRIMARY KEY (id),
  UNIQUE KEY entry_of_object (deployment_id, object_ref),
  KEY entry_by_object (object_ref),
  KEY entry_by_source (source_entry_id),
  KEY entry_by_stub (stub_object_id, stub_ip),
  KEY entry_by_object_id (object_id),
  CONSTRAINT entry_deployment FOREIGN KEY (deployment_id) REFERENCES deployment (id) ON DELETE CASCADE,
  CONSTRAINT entry_object FOREIGN KEY (object_ref) REFERENCES class_object (id) ON DELETE CASCADE,
  CONSTRAINT entry_source FOREIGN KEY (source_entry_id) REFERENCES custom_entry (id) ON DELETE CASCADE,
  CONSTRAINT entry_kind_word CHECK (kind IN ('proxy', 'stub'))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;
