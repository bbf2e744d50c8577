-- What a session read: an edit from a stale view is refused instead of writing back what a colleague changed.
--
-- Every row that an edit dialog changes has a state, the hash of the values that the dialog shows and the edit
-- writes (the views *_read_state). The readers whose rows the dialogs are filled from keep, for their session,
-- the state of each row they answer (remember_read_*); an edit of such a row first compares the row's state
-- with the kept one (require_unchanged_since_read) and refuses, changing nothing, when another session changed
-- the row since. After its change an edit keeps the row's new state (remember_own_change), so that its next
-- edit passes.
--
-- Which state is kept: the first one the session read since it last changed the row itself or was refused an
-- edit of it. A later read of the same row (a refresh, or a list that code generation or a diagram reads)
-- does not replace it, since the dialog may still be filled from the older record; after a refusal the next
-- read does, so the edit passes once the tree has shown the row again. A row the session never read (a script,
-- a document import, the first edits after the server ended the connection and the editor opened a new one)
-- is not judged: nothing tells what its values were taken from.
--
-- Where the states are kept: a temporary MEMORY table per connection (session_read_state). It belongs to the
-- connection, so no other session, trusted or not, can read or change it; it goes with the connection; it is
-- never written to the binary log in row format and never replicated by a cluster, whose connection ids are
-- per node. Being no InnoDB table, it is not undone with a transaction: a kept state is at worst newer than
-- the row after a rollback, which refuses that edit once, never one that should be refused.
--
-- An object has no state: its name, all that its edit changes, is how the edit finds it, so an edit from a
-- stale name finds no object.
--
-- A reference to a data item or an interface counts by the referenced row's id where it stands, so that a
-- rename, which the server carries into every reference, changes no referring row's state.
--
-- Readers read the states with SELECT ... INTO, a consistent read that never waits for another session's open
-- transaction; an INSERT ... SELECT from the tables would take shared locks under REPEATABLE READ.

CREATE VIEW domain_read_state AS
SELECT d.id, d.kind,
       MD5(CONCAT_WS(CHAR(31), d.name, d.public, d.standard_port, d.description)) AS state
  FROM domain d;

CREATE VIEW data_item_read_state AS
SELECT d.id, d.domain_id, d.name,
       MD5(CONCAT_WS(CHAR(31), d.name, d.type, d.physical, QUOTE(d.real_domain_id),
                     QUOTE(COALESCE(CONCAT('#', r.id), d.real_data_name)), d.scmin, d.scmax,
                     d.description)) AS state
  FROM data_item d
  LEFT JOIN data_item r ON r.domain_id = d.real_domain_id AND r.name = d.real_data_name;

CREATE VIEW data_field_read_state AS
SELECT f.id, f.data_id, f.member_name,
       MD5(CONCAT_WS(CHAR(31), f.member_name, f.type, f.physical, f.bitsize, QUOTE(f.real_domain_id),
                     QUOTE(COALESCE(CONCAT('#', r.id), f.real_data_name)), f.scmin, f.scmax, f.arraytype,
                     f.arraysize, f.description)) AS state
  FROM data_field f
  LEFT JOIN data_item r ON r.domain_id = f.real_domain_id AND r.name = f.real_data_name;

CREATE VIEW method_read_state AS
SELECT m.id, m.domain_id, m.name,
       MD5(CONCAT_WS(CHAR(31), m.name, m.type, m.code,
                     QUOTE(m.in_domain_id), QUOTE(COALESCE(CONCAT('#', i.id), m.in_data_name)),
                     QUOTE(m.out_domain_id), QUOTE(COALESCE(CONCAT('#', o.id), m.out_data_name)),
                     m.description)) AS state
  FROM method m
  LEFT JOIN data_item i ON i.domain_id = m.in_domain_id AND i.name = m.in_data_name
  LEFT JOIN data_item o ON o.domain_id = m.out_domain_id AND o.name = m.out_data_name;

CREATE VIEW interface_read_state AS
SELECT i.id, i.domain_id, i.name, MD5(CONCAT_WS(CHAR(31), i.name, i.description)) AS state
  FROM method_interface i;

CREATE VIEW node_read_state AS
SELECT n.id, n.domain_id,
       MD5(CONCAT_WS(CHAR(31), n.name, n.type, n.description, QUOTE(n.sub_system_domain_id), n.lock_flag)) AS state
  FROM node n;

CREATE VIEW node_ip_read_state AS
SELECT ip.id, ip.node_id,
       MD5(CONCAT_WS(CHAR(31), ip.ip, ip.mask, ip.pattern, ip.gateway, ip.dns, ip.port, ip.description)) AS state
  FROM node_ip ip;

CREATE VIEW system_port_read_state AS
SELECT p.seq AS id, p.domain_id, p.port_num,
       MD5(CONCAT_WS(CHAR(31), p.port_num, p.port_group, p.description)) AS state
  FROM domain_system_port p;

CREATE VIEW network_link_read_state AS
SELECT l.id, l.domain_id, l.s_node_id, l.s_port,
       MD5(CONCAT_WS(CHAR(31), l.s_node_id, l.s_port, QUOTE(l.d_node_id), QUOTE(l.d_domain_id), l.d_port)) AS state
  FROM network_link l;

CREATE VIEW component_read_state AS
SELECT c.id, c.systemdomain_id AS domain_id, MD5(CONCAT_WS(CHAR(31), c.name, c.description)) AS state
  FROM component c;

CREATE VIEW class_read_state AS
SELECT a.id, a.component_id, a.kind,
       MD5(CONCAT_WS(CHAR(31), a.kind, a.method_domain_id, COALESCE(CONCAT('#', i.id), a.interface_name),
                     a.class_name)) AS state
  FROM component_class a
  LEFT JOIN method_interface i ON i.domain_id = a.method_domain_id AND i.name = a.interface_name;

CREATE VIEW entry_read_state AS
SELECT e.id, e.deployment_id, e.kind,
       MD5(CONCAT_WS(CHAR(31), e.object_id, e.public, e.stub_object_id, e.stub_ip)) AS state
  FROM custom_entry e;

-- Accounts are keyed by name; their key among the kept states is a 60-bit number made from it.
CREATE VIEW account_read_state AS
SELECT CAST(CONV(LEFT(MD5(a.user_id), 15), 16, 10) AS SIGNED) AS id, a.user_id,
       MD5(CONCAT_WS(CHAR(31), a.is_administrator, a.may_create_account, a.may_create_domain)) AS state
  FROM account a;

DELIMITER $$

CREATE PROCEDURE open_session_reads()
  MODIFIES SQL DATA
BEGIN
  DECLARE v_limit BIGINT UNSIGNED DEFAULT @@SESSION.max_heap_table_size;
  -- A MEMORY table holds what max_heap_table_size allows when it is made: room for about a million rows.
  SET SESSION max_heap_table_size = 67108864;
  CREATE TEMPORARY TABLE IF NOT EXISTS session_read_state (
    kind    VARCHAR(16) CHARACTER SET ascii NOT NULL,
    id      BIGINT      NOT NULL,
    state   BINARY(16)  NOT NULL,
    refused TINYINT     NOT NULL DEFAULT 0,
    PRIMARY KEY (kind, id)
  ) ENGINE = MEMORY;
  SET SESSION max_heap_table_size = v_limit;
  -- The readers hand over the states of a list as one text.
  SET SESSION group_concat_max_len = GREATEST(@@SESSION.group_concat_max_len, 1073741824);
END$$

-- Keeps the states of rows a reader answers: p_rows is a JSON array of [id, state] pairs (NULL for none).
-- A row whose state is kept already keeps it, unless an edit of it was refused since.
CREATE PROCEDURE keep_read_rows(p_kind VARCHAR(16), p_rows LONGTEXT)
  MODIFIES SQL DATA
  INSERT INTO session_read_state (kind, id, state)
  SELECT p_kind, j.row_id, UNHEX(j.row_state)
    FROM JSON_TABLE(p_rows, '$[*]' COLUMNS (row_id BIGINT PATH '$[0]', row_state CHAR(32) PATH '$[1]')) j
      ON DUPLICATE KEY UPDATE session_read_state.state = IF(session_read_state.refused, VALUES(state),
                                                            session_read_state.state),
                              session_read_state.refused = 0$$

-- What a session read is kept where it can be: a reader never fails for it. When the session's table is full,
-- what it kept is forgotten (those rows are then judged as never read) and the new rows are kept.
CREATE PROCEDURE remember_read_rows(p_kind VARCHAR(16), p_rows LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_retry TINYINT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  IF p_rows IS NOT NULL THEN
    BEGIN
      DECLARE EXIT HANDLER FOR 1146 BEGIN CALL open_session_reads(); SET v_retry = 1; END;
      DECLARE EXIT HANDLER FOR 1114 BEGIN DELETE FROM session_read_state; SET v_retry = 1; END;
      CALL keep_read_rows(p_kind, p_rows);
    END;
    IF v_retry THEN
      CALL keep_read_rows(p_kind, p_rows);
    END IF;
  END IF;
END$$

-- The state of one row now, read with a lock inside a transaction, so that no other change of the row
-- passes between the check and the edit's own write; NULL for a row that is gone.
CREATE PROCEDURE current_read_state(p_kind VARCHAR(16), p_id BIGINT, OUT p_state BINARY(16))
  READS SQL DATA
BEGIN
  DECLARE v_state CHAR(32);
  CASE p_kind
    WHEN 'domain' THEN SELECT s.state INTO v_state FROM domain_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'data_item' THEN SELECT s.state INTO v_state FROM data_item_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'data_field' THEN SELECT s.state INTO v_state FROM data_field_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'method' THEN SELECT s.state INTO v_state FROM method_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'interface' THEN SELECT s.state INTO v_state FROM interface_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'node' THEN SELECT s.state INTO v_state FROM node_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'node_ip' THEN SELECT s.state INTO v_state FROM node_ip_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'system_port' THEN
      SELECT s.state INTO v_state FROM system_port_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'network_link' THEN
      SELECT s.state INTO v_state FROM network_link_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'component' THEN SELECT s.state INTO v_state FROM component_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'class' THEN SELECT s.state INTO v_state FROM class_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'entry' THEN SELECT s.state INTO v_state FROM entry_read_state s WHERE s.id = p_id FOR UPDATE;
    WHEN 'account' THEN SELECT s.state INTO v_state FROM account_read_state s WHERE s.id = p_id FOR UPDATE;
  END CASE;
  SET p_state = UNHEX(v_state);
END$$

-- The edit's check: refused, changing nothing, when another session changed the row since this session read
-- it. The refusal is remembered: the same edit is refused again until the session reads the row anew.
CREATE PROCEDURE require_unchanged_since_read(p_kind VARCHAR(16), p_id BIGINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_read BINARY(16);
  DECLARE v_refused TINYINT;
  DECLARE v_now BINARY(16);
  BEGIN
    -- No table yet: the session read nothing.
    DECLARE CONTINUE HANDLER FOR 1146 SET v_read = NULL;
    SELECT r.state, r.refused INTO v_read, v_refused
      FROM session_read_state r WHERE r.kind = p_kind AND r.id = p_id;
  END;
  IF v_read IS NOT NULL THEN
    CALL current_read_state(p_kind, p_id, v_now);
    IF v_now IS NOT NULL AND (v_refused OR v_now <> v_read) THEN
      UPDATE session_read_state r SET r.refused = 1 WHERE r.kind = p_kind AND r.id = p_id;
      CALL refuse('다른 사용자가 이 항목을 먼저 변경했습니다. 바뀐 내용을 확인하고 다시 해 주세요.');
    END IF;
  END IF;
END$$

-- After an edit: the session knows the row as it left it.
CREATE PROCEDURE remember_own_change(p_kind VARCHAR(16), p_id BIGINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_state CHAR(32);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  CASE p_kind
    WHEN 'domain' THEN SELECT s.state INTO v_state FROM domain_read_state s WHERE s.id = p_id;
    WHEN 'data_item' THEN SELECT s.state INTO v_state FROM data_item_read_state s WHERE s.id = p_id;
    WHEN 'data_field' THEN SELECT s.state INTO v_state FROM data_field_read_state s WHERE s.id = p_id;
    WHEN 'method' THEN SELECT s.state INTO v_state FROM method_read_state s WHERE s.id = p_id;
    WHEN 'interface' THEN SELECT s.state INTO v_state FROM interface_read_state s WHERE s.id = p_id;
    WHEN 'node' THEN SELECT s.state INTO v_state FROM node_read_state s WHERE s.id = p_id;
    WHEN 'node_ip' THEN SELECT s.state INTO v_state FROM node_ip_read_state s WHERE s.id = p_id;
    WHEN 'system_port' THEN SELECT s.state INTO v_state FROM system_port_read_state s WHERE s.id = p_id;
    WHEN 'network_link' THEN SELECT s.state INTO v_state FROM network_link_read_state s WHERE s.id = p_id;
    WHEN 'component' THEN SELECT s.state INTO v_state FROM component_read_state s WHERE s.id = p_id;
    WHEN 'class' THEN SELECT s.state INTO v_state FROM class_read_state s WHERE s.id = p_id;
    WHEN 'entry' THEN SELECT s.state INTO v_state FROM entry_read_state s WHERE s.id = p_id;
    WHEN 'account' THEN SELECT s.state INTO v_state FROM account_read_state s WHERE s.id = p_id;
  END CASE;
  IF v_state IS NOT NULL THEN
    BEGIN
      DECLARE EXIT HANDLER FOR 1146 CALL open_session_reads();
      DELETE FROM session_read_state WHERE kind = p_kind AND id = p_id;
    END;
    CALL keep_read_rows(p_kind, JSON_ARRAY(JSON_ARRAY(p_id, v_state)));
  END IF;
END$$

-- The keys of accounts among the kept states.
CREATE FUNCTION account_read_key(p_user_id VARCHAR(255)) RETURNS BIGINT
  NOT DETERMINISTIC
  NO SQL
  RETURN CAST(CONV(LEFT(MD5(p_user_id), 15), 16, 10) AS SIGNED)$$

-- The ids of rows that their edits name otherwise (NULL when there is none).
CREATE FUNCTION data_field_row_id(p_domain_id INT, p_data_name VARCHAR(256), p_member_name VARCHAR(256)) RETURNS INT
  NOT DETERMINISTIC
  READS SQL DATA
  RETURN (SELECT f.id FROM data_item d JOIN data_field f ON f.data_id = d.id
           WHERE d.domain_id = p_domain_id AND d.name = p_data_name AND f.member_name = p_member_name)$$

CREATE FUNCTION method_row_id(p_domain_id INT, p_name VARCHAR(256)) RETURNS INT
  NOT DETERMINISTIC
  READS SQL DATA
  RETURN (SELECT m.id FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name)$$

CREATE FUNCTION system_port_row_id(p_domain_id INT, p_port INT) RETURNS INT
  NOT DETERMINISTIC
  READS SQL DATA
  RETURN (SELECT p.seq FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_port)$$

-- An alias that has its real data keeps one: an edit that names none (real data id 0, which a dialog sends
-- when it could not find the real data it shows) is refused instead of storing an alias of nothing.
CREATE PROCEDURE require_kept_real_data(p_domain_id INT, p_name VARCHAR(256), p_type VARCHAR(64), p_real_data_id INT)
  READS SQL DATA
BEGIN
  IF p_type = 'alias' AND COALESCE(p_real_data_id, 0) = 0
     AND EXISTS (SELECT 1 FROM data_item d
                  WHERE d.domain_id = p_domain_id AND d.name = p_name AND d.type = 'alias'
                    AND d.real_data_name IS NOT NULL) THEN
    CALL refuse('선택한 실제 데이타가 없습니다.');
  END IF;
END$$

-- What the readers whose rows fill the edit dialogs keep, one procedure per list. Each reads the states as
-- one JSON array (the statement's own limit on its length lifted) and keeps them.

CREATE PROCEDURE remember_read_domains(p_kind VARCHAR(16))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM domain_read_state s WHERE s.kind = p_kind;
  CALL remember_read_rows('domain', v_rows);
END$$

-- The items of a domain, or the one named ("%" signs alone: every item).
CREATE PROCEDURE remember_read_data_items(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM data_item_read_state s
   WHERE s.domain_id = p_domain_id AND (v_every_name OR s.name = p_name);
  CALL remember_read_rows('data_item', v_rows);
END$$

-- The fields or constants of the item (p_domain_id, p_name).
CREATE PROCEDURE remember_read_data_fields(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM data_item d
    JOIN data_field_read_state s ON s.data_id = d.id
   WHERE d.domain_id = p_domain_id AND d.name = p_name;
  CALL remember_read_rows('data_field', v_rows);
END$$

CREATE PROCEDURE remember_read_methods(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM method_read_state s
   WHERE s.domain_id = p_domain_id AND (v_every_name OR s.name = p_name);
  CALL remember_read_rows('method', v_rows);
END$$

CREATE PROCEDURE remember_read_interfaces(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM interface_read_state s
   WHERE s.domain_id = p_domain_id AND (v_every_name OR s.name = p_name);
  CALL remember_read_rows('interface', v_rows);
END$$

-- The nodes of a domain, or one node (p_domain_id NULL).
CREATE PROCEDURE remember_read_nodes(p_domain_id INT, p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  IF p_domain_id IS NULL THEN
    SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
      FROM node_read_state s WHERE s.id = p_node_id;
  ELSE
      SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
        FROM node_read_state s WHERE s.domain_id = p_domain_id;
  END IF;
  CALL remember_read_rows('node', v_rows);
END$$

CREATE PROCEDURE remember_read_node_ips(p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM node_ip_read_state s WHERE s.node_id = p_node_id;
  CALL remember_read_rows('node_ip', v_rows);
END$$

CREATE PROCEDURE remember_read_system_ports(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM system_port_read_state s WHERE s.domain_id = p_domain_id;
  CALL remember_read_rows('system_port', v_rows);
END$$

CREATE PROCEDURE remember_read_network_links(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM network_link_read_state s WHERE s.domain_id = p_domain_id;
  CALL remember_read_rows('network_link', v_rows);
END$$

CREATE PROCEDURE remember_read_components(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM component_read_state s WHERE s.domain_id = p_domain_id;
  CALL remember_read_rows('component', v_rows);
END$$

-- The classes of one kind of a component.
CREATE PROCEDURE remember_read_classes(p_component_id INT, p_kind VARCHAR(5))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM class_read_state s WHERE s.component_id = p_component_id AND s.kind = p_kind;
  CALL remember_read_rows('class', v_rows);
END$$

-- The installed entries of one kind of a component on a node.
CREATE PROCEDURE remember_read_entries(p_node_id INT, p_component_id INT, p_kind VARCHAR(5))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM deployment dp
    JOIN entry_read_state s ON s.deployment_id = dp.id
   WHERE dp.node_id = p_node_id AND dp.component_id = p_component_id AND s.kind = p_kind;
  CALL remember_read_rows('entry', v_rows);
END$$

-- Everything systemDomainViewLevelLists answers of the domains in its table sys_tree_level.
CREATE PROCEDURE remember_read_system_level()
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM sys_tree_level l JOIN node_read_state s ON s.domain_id = l.id;
  CALL remember_read_rows('node', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM sys_tree_level l JOIN component_read_state s ON s.domain_id = l.id;
  CALL remember_read_rows('component', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM sys_tree_level l
    JOIN component c ON c.systemdomain_id = l.id
    JOIN class_read_state s ON s.component_id = c.id;
  CALL remember_read_rows('class', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows
    FROM sys_tree_level l
    JOIN node n ON n.domain_id = l.id
    JOIN deployment dp ON dp.node_id = n.id
    JOIN entry_read_state s ON s.deployment_id = dp.id;
  CALL remember_read_rows('entry', v_rows);
END$$

-- The accounts of the account list (every account: the list's pattern only narrows what it shows), or the
-- session's own.
CREATE PROCEDURE remember_read_accounts()
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN END;
  SELECT CONCAT('[', GROUP_CONCAT('[', s.id, ',"', s.state, '"]'), ']') INTO v_rows FROM account_read_state s;
  CALL remember_read_rows('account', v_rows);
END$$

DELIMITER ;
