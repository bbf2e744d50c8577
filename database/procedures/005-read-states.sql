-- What a session read: an edit from a stale view is refused instead of writing back what a colleague changed.
--
-- Every row that an edit dialog changes counts its changes (row_version, schema/095-row-versions.sql). The
-- readers whose rows the dialogs are filled from keep, for their session, the version of each row they answer
-- (remember_read_*); an edit of such a row first compares the row's version with the kept one
-- (require_unchanged_since_read) and refuses, changing nothing, when another session changed the row since.
-- After its change an edit keeps the row's new version (remember_own_change), so that its next edit passes.
--
-- Which version is kept: the last one the session read or wrote, so that an edit passes once the tree has shown
-- the row again (after a refusal, or a refresh). A read that does not refill the tree (code generation, a
-- diagram) counts the same: a tree item still showing an older record is not caught after it. A row the
-- session never read (a script, a document import) is not judged: nothing tells what its values were taken from.
--
-- A connection that the editor opened anew after the server ended its last one (the login sets
-- @tamoreconnected) has read nothing, but its dialogs and trees were filled from the connection that is gone:
-- there an edit of a standing row that this connection has not read is refused until it has read the row. Only
-- the session that sets the variable is refused so; no other client does.
--
-- Where the versions are kept: a temporary table per connection (session_read_state). It belongs to the
-- connection, so no other session, trusted or not, can read or change it; it goes with the connection; it is
-- never written to the binary log in row format and never replicated by a cluster, whose connection ids are
-- per node. It is an InnoDB table, undone with the transaction it was written in like the rows it speaks of: a
-- table that no rollback undoes makes the server answer a change undone by a conflict with "not all could be
-- rolled back" (1196) in place of the conflict. It holds a row for each editable row the session read, no
-- more: its keys are the ids of rows that stand.
--
-- An object keeps no version: its name, all that its edit changes, is how the edit finds it, so an edit from a
-- stale name finds no object.
--
-- Readers read the versions with SELECT ... INTO, a consistent read that never waits for another session's
-- open transaction; an INSERT ... SELECT from the tables would take shared locks under REPEATABLE READ.

DELIMITER $$

CREATE PROCEDURE open_session_reads()
  MODIFIES SQL DATA
BEGIN
  CREATE TEMPORARY TABLE IF NOT EXISTS session_read_state (
    kind    VARCHAR(16) CHARACTER SET ascii NOT NULL,
    id      BIGINT       NOT NULL,
    version INT UNSIGNED NOT NULL,
    PRIMARY KEY (kind, id)
  ) ENGINE = InnoDB;
  -- The readers hand over the versions of a list as one text.
  SET SESSION group_concat_max_len = GREATEST(@@SESSION.group_concat_max_len, 1073741824);
END$$

-- The handler of the keepers below, as its first statement: what is kept never fails its caller, but a failure
-- that undid the caller's transaction (a deadlock, a cluster's abort for another node's change) is raised again
-- as it came, so that the caller does not go on as if its changes before it still stood.
--   DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
CREATE PROCEDURE pass_over_read_state_failure()
BEGIN
  DECLARE v_errno INT;
  DECLARE v_text VARCHAR(512);
  GET DIAGNOSTICS CONDITION 1 v_errno = MYSQL_ERRNO, v_text = MESSAGE_TEXT;
  IF database_error_undid_transaction(v_errno) THEN
    SIGNAL SQLSTATE '40001' SET MYSQL_ERRNO = v_errno, MESSAGE_TEXT = v_text;
  END IF;
END$$

-- Keeps the versions of rows a reader answers: p_rows is a JSON array of [id, version] pairs (NULL for none).
CREATE PROCEDURE keep_read_rows(p_kind VARCHAR(16), p_rows LONGTEXT)
  MODIFIES SQL DATA
  INSERT INTO session_read_state (kind, id, version)
  SELECT p_kind, j.row_id, j.row_version
    FROM JSON_TABLE(p_rows, '$[*]' COLUMNS (row_id BIGINT PATH '$[0]', row_version INT UNSIGNED PATH '$[1]')) j
      ON DUPLICATE KEY UPDATE session_read_state.version = VALUES(version)$$

-- What a session read is kept where it can be: a reader never fails for it (but for what undid its transaction,
-- above). When the session's table is full, what it kept is forgotten (those rows are then judged as never read)
-- and the new rows are kept.
CREATE PROCEDURE remember_read_rows(p_kind VARCHAR(16), p_rows LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_retry TINYINT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
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

-- The keys of accounts among the kept versions: a 60-bit number made from the name.
CREATE FUNCTION account_read_key(p_user_id VARCHAR(255)) RETURNS BIGINT
  NOT DETERMINISTIC
  NO SQL
  RETURN CAST(CONV(LEFT(MD5(p_user_id), 15), 16, 10) AS SIGNED)$$

-- The version of one row now, read with a lock inside a transaction, so that no other change of the row
-- passes between the check and the edit's own write; NULL for a row that is gone.
CREATE PROCEDURE current_row_version(p_kind VARCHAR(16), p_id BIGINT, OUT p_version INT UNSIGNED)
  READS SQL DATA
  CASE p_kind
    WHEN 'domain' THEN SELECT t.row_version INTO p_version FROM domain t WHERE t.id = p_id FOR UPDATE;
    WHEN 'data_item' THEN SELECT t.row_version INTO p_version FROM data_item t WHERE t.id = p_id FOR UPDATE;
    WHEN 'data_field' THEN SELECT t.row_version INTO p_version FROM data_field t WHERE t.id = p_id FOR UPDATE;
    WHEN 'method' THEN SELECT t.row_version INTO p_version FROM method t WHERE t.id = p_id FOR UPDATE;
    WHEN 'interface' THEN SELECT t.row_version INTO p_version FROM method_interface t WHERE t.id = p_id FOR UPDATE;
    WHEN 'node' THEN SELECT t.row_version INTO p_version FROM node t WHERE t.id = p_id FOR UPDATE;
    WHEN 'node_ip' THEN SELECT t.row_version INTO p_version FROM node_ip t WHERE t.id = p_id FOR UPDATE;
    WHEN 'system_port' THEN
      SELECT t.row_version INTO p_version FROM domain_system_port t WHERE t.seq = p_id FOR UPDATE;
    WHEN 'network_link' THEN SELECT t.row_version INTO p_version FROM network_link t WHERE t.id = p_id FOR UPDATE;
    WHEN 'component' THEN SELECT t.row_version INTO p_version FROM component t WHERE t.id = p_id FOR UPDATE;
    WHEN 'class' THEN SELECT t.row_version INTO p_version FROM component_class t WHERE t.id = p_id FOR UPDATE;
    WHEN 'entry' THEN SELECT t.row_version INTO p_version FROM custom_entry t WHERE t.id = p_id FOR UPDATE;
    WHEN 'account' THEN
      BEGIN
        -- The key is no index: find the account without locks, then lock its row alone.
        DECLARE v_user VARCHAR(64);
        SELECT t.user_id INTO v_user FROM account t WHERE account_read_key(t.user_id) = p_id;
        SELECT t.row_version INTO p_version FROM account t WHERE t.user_id = v_user FOR UPDATE;
      END;
  END CASE$$

-- The edit's check: refused, changing nothing, when another session changed the row since this session read
-- it, or when the editor opened its connection anew and has not read the row since; the same edit is refused
-- again until the session has read the row anew.
CREATE PROCEDURE require_unchanged_since_read(p_kind VARCHAR(16), p_id BIGINT)
  READS SQL DATA
BEGIN
  DECLARE v_read INT UNSIGNED;
  DECLARE v_now INT UNSIGNED;
  BEGIN
    -- No table yet: the session read nothing.
    DECLARE CONTINUE HANDLER FOR 1146 SET v_read = NULL;
    SELECT r.version INTO v_read FROM session_read_state r WHERE r.kind = p_kind AND r.id = p_id;
  END;
  IF v_read IS NOT NULL THEN
    CALL current_row_version(p_kind, p_id, v_now);
    IF v_now <> v_read THEN
      CALL refuse('다른 사용자가 이 항목을 먼저 변경했습니다. 바뀐 내용을 확인하고 다시 해 주세요.');
    END IF;
  ELSEIF COALESCE(@tamoreconnected, 0) = 1 THEN
    -- A row that is gone is left to the edit, which refuses it as it refuses any edit of nothing.
    CALL current_row_version(p_kind, p_id, v_now);
    IF v_now IS NOT NULL THEN
      CALL refuse('서버와 다시 연결한 뒤 이 항목을 다시 읽지 않아 다른 사용자의 변경을 확인할 수 없습니다. 바뀐 내용을 확인하고 다시 해 주세요.');
    END IF;
  END IF;
END$$

-- After an edit: the session knows the row as it left it. The references that follow renames are no business
-- of the triggers (schema/095-row-versions.sql), so an edit of a row that holds one counts its change here.
CREATE PROCEDURE remember_own_change(p_kind VARCHAR(16), p_id BIGINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_version INT UNSIGNED;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  CASE p_kind
    WHEN 'data_item' THEN UPDATE data_item t SET t.row_version = t.row_version + 1 WHERE t.id = p_id;
    WHEN 'data_field' THEN UPDATE data_field t SET t.row_version = t.row_version + 1 WHERE t.id = p_id;
    WHEN 'method' THEN UPDATE method t SET t.row_version = t.row_version + 1 WHERE t.id = p_id;
    WHEN 'class' THEN UPDATE component_class t SET t.row_version = t.row_version + 1 WHERE t.id = p_id;
    ELSE BEGIN END;
  END CASE;
  CALL current_row_version(p_kind, p_id, v_version);
  IF v_version IS NOT NULL THEN
    CALL remember_read_rows(p_kind, JSON_ARRAY(JSON_ARRAY(p_id, v_version)));
  END IF;
END$$

-- After a create: the session knows the row it made as it made it (a new row's version is 0), so that an edit
-- of it that follows without a read, such as the lock a copy gives the node it made, is judged like any other.
CREATE PROCEDURE remember_new_row(p_kind VARCHAR(16), p_id BIGINT)
  MODIFIES SQL DATA
  CALL remember_read_rows(p_kind, JSON_ARRAY(JSON_ARRAY(p_id, 0)))$$

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

-- The same for an alias field: the real data it names (domain id and name; 0 and '' for none).
CREATE PROCEDURE require_kept_field_real_data(p_domain_id INT, p_data_name VARCHAR(256), p_member_name VARCHAR(256),
                                              p_type VARCHAR(64), p_real_domain_id INT, p_real_name VARCHAR(256))
  READS SQL DATA
BEGIN
  IF p_type = 'alias' AND reference_domain(p_type, p_real_domain_id, p_real_name) IS NULL
     AND EXISTS (SELECT 1 FROM data_item d JOIN data_field f ON f.data_id = d.id
                  WHERE d.domain_id = p_domain_id AND d.name = p_data_name AND f.member_name = p_member_name
                    AND f.type = 'alias' AND f.real_data_name IS NOT NULL) THEN
    CALL refuse('선택한 실제 데이타가 없습니다.');
  END IF;
END$$

-- What the readers whose rows fill the edit dialogs keep, one procedure per list. Each reads the versions as one
-- JSON array of [id, version] pairs (GROUP_CONCAT, whose limit open_session_reads lifts, is the cheapest way to
-- build it) and keeps them; like remember_read_rows, it never fails the reader.

CREATE PROCEDURE remember_read_domains(p_kind VARCHAR(16))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM domain t WHERE t.kind = p_kind;
  CALL remember_read_rows('domain', v_rows);
END$$

-- One domain, as the readers of a single domain's row answer it (the dialogs are filled from them).
CREATE PROCEDURE remember_read_domain(p_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[[', t.id, ',', t.row_version, ']]') INTO v_rows FROM domain t WHERE t.id = p_id;
  CALL remember_read_rows('domain', v_rows);
END$$

-- The items of a domain, or the one named ("%" signs alone: every item).
CREATE PROCEDURE remember_read_data_items(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM data_item t WHERE t.domain_id = p_domain_id AND (names_every_item(p_name) OR t.name = p_name);
  CALL remember_read_rows('data_item', v_rows);
END$$

-- The fields or constants of the item (p_domain_id, p_name).
CREATE PROCEDURE remember_read_data_fields(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM data_item d JOIN data_field t ON t.data_id = d.id
   WHERE d.domain_id = p_domain_id AND d.name = p_name;
  CALL remember_read_rows('data_field', v_rows);
END$$

CREATE PROCEDURE remember_read_methods(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM method t WHERE t.domain_id = p_domain_id AND (names_every_item(p_name) OR t.name = p_name);
  CALL remember_read_rows('method', v_rows);
END$$

CREATE PROCEDURE remember_read_interfaces(p_domain_id INT, p_name LONGTEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM method_interface t WHERE t.domain_id = p_domain_id AND (names_every_item(p_name) OR t.name = p_name);
  CALL remember_read_rows('interface', v_rows);
END$$

-- The nodes of a domain, or one node (p_domain_id NULL).
CREATE PROCEDURE remember_read_nodes(p_domain_id INT, p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM node t WHERE IF(p_domain_id IS NULL, t.id = p_node_id, t.domain_id = p_domain_id);
  CALL remember_read_rows('node', v_rows);
END$$

CREATE PROCEDURE remember_read_node_ips(p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM node_ip t WHERE t.node_id = p_node_id;
  CALL remember_read_rows('node_ip', v_rows);
END$$

CREATE PROCEDURE remember_read_system_ports(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.seq, ',', t.row_version, ']'), ']') INTO v_rows
    FROM domain_system_port t WHERE t.domain_id = p_domain_id;
  CALL remember_read_rows('system_port', v_rows);
END$$

CREATE PROCEDURE remember_read_network_links(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM network_link t WHERE t.domain_id = p_domain_id;
  CALL remember_read_rows('network_link', v_rows);
END$$

CREATE PROCEDURE remember_read_components(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM component t WHERE t.systemdomain_id = p_domain_id;
  CALL remember_read_rows('component', v_rows);
END$$

-- The classes of one kind of a component.
CREATE PROCEDURE remember_read_classes(p_component_id INT, p_kind VARCHAR(5))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM component_class t WHERE t.component_id = p_component_id AND t.kind = p_kind;
  CALL remember_read_rows('class', v_rows);
END$$

-- The installed entries of one kind of a component on a node.
CREATE PROCEDURE remember_read_entries(p_node_id INT, p_component_id INT, p_kind VARCHAR(5))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM deployment dp JOIN custom_entry t ON t.deployment_id = dp.id
   WHERE dp.node_id = p_node_id AND dp.component_id = p_component_id AND t.kind = p_kind;
  CALL remember_read_rows('entry', v_rows);
END$$

-- Everything systemDomainViewLevelLists answers of the domains in its table sys_tree_level.
CREATE PROCEDURE remember_read_system_level()
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM sys_tree_level l JOIN node t ON t.domain_id = l.id;
  CALL remember_read_rows('node', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM sys_tree_level l JOIN component t ON t.systemdomain_id = l.id;
  CALL remember_read_rows('component', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM sys_tree_level l
    JOIN component c ON c.systemdomain_id = l.id
    JOIN component_class t ON t.component_id = c.id;
  CALL remember_read_rows('class', v_rows);
  SELECT CONCAT('[', GROUP_CONCAT('[', t.id, ',', t.row_version, ']'), ']') INTO v_rows
    FROM sys_tree_level l
    JOIN node n ON n.domain_id = l.id
    JOIN deployment dp ON dp.node_id = n.id
    JOIN custom_entry t ON t.deployment_id = dp.id;
  CALL remember_read_rows('entry', v_rows);
END$$

-- The accounts of the account list (every account: the list's pattern only narrows what it shows).
CREATE PROCEDURE remember_read_accounts()
  MODIFIES SQL DATA
BEGIN
  DECLARE v_rows LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL pass_over_read_state_failure();
  -- account_read_key, written out: a function call per row would cost more than the rest.
  SELECT CONCAT('[', GROUP_CONCAT('[', CAST(CONV(LEFT(MD5(t.user_id), 15), 16, 10) AS SIGNED), ',', t.row_version,
                                  ']'), ']') INTO v_rows
    FROM account t;
  CALL remember_read_rows('account', v_rows);
END$$

DELIMITER ;
