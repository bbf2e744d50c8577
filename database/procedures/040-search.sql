-- The search pane: the tree items whose names begin with the typed word, in the readable domains of one tree.
-- Each hit: 0 id, 1 type ("domain" for a domain; a data item's type keyword; "interface" or a method's type
-- keyword; a node's type word or "component"), 2 name, 3 path. The path is what the
-- tree walks from its root: the domain names from the top down, each followed by "\" (for a domain its own
-- name included; for an item the domain that holds it, and in the system tree the folder it sits in).
-- Names are matched from their start and case-sensitively, so that every lookup runs through a name index.
DELIMITER $$

-- The LIKE pattern of names that begin with the word; "%", "_" and "\" in the word stand for themselves.
CREATE FUNCTION name_prefix_pattern(p_word VARCHAR(1024)) RETURNS VARCHAR(2100)
  DETERMINISTIC
  RETURN CONCAT(REPLACE(REPLACE(REPLACE(COALESCE(p_word, ''), '\\', '\\\\'), '%', '\\%'), '_', '\\_'), '%')$$

CREATE PROCEDURE select_search_data_name(b_word LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_word LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_word, p_word);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_administrator TINYINT;
    DECLARE v_pattern VARCHAR(2100) DEFAULT name_prefix_pattern(p_word);
    CALL require_login();
    SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
    SELECT 1 AS test;
    SELECT h.id, h.type, h.name, h.path
      FROM (SELECT d.id, 'domain' AS type, d.name, domain_path(d.id) AS path, 0 AS hit_order
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
             WHERE d.name LIKE v_pattern AND d.kind = 'data'
               AND readable(v_administrator, d.public, grade_rank(m.grade))
            UNION ALL
            SELECT i.id, i.type, i.name, domain_path(d.id), 1
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
              JOIN data_item i ON i.domain_id = d.id AND i.name LIKE v_pattern
             WHERE d.kind = 'data' AND readable(v_administrator, d.public, grade_rank(m.grade))) h
     WHERE COALESCE(p_word, '') <> ''
     ORDER BY h.hit_order, h.path, h.name;
  END;
END$$

CREATE PROCEDURE select_search_method_name(b_word LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_word LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_word, p_word);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_administrator TINYINT;
    DECLARE v_pattern VARCHAR(2100) DEFAULT name_prefix_pattern(p_word);
    CALL require_login();
    SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
    SELECT 1 AS test;
    SELECT h.id, h.type, h.name, h.path
      FROM (SELECT d.id, 'domain' AS type, d.name, domain_path(d.id) AS path, 0 AS hit_order
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
             WHERE d.name LIKE v_pattern AND d.kind = 'method'
               AND readable(v_administrator, d.public, grade_rank(m.grade))
            UNION ALL
            SELECT f.id, 'interface', f.name, domain_path(d.id), 1
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
              JOIN method_interface f ON f.domain_id = d.id AND f.name LIKE v_pattern
             WHERE d.kind = 'method' AND readable(v_administrator, d.public, grade_rank(m.grade))
            UNION ALL
            SELECT x.id, x.type, x.name, domain_path(d.id), 2
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
              JOIN method x ON x.domain_id = d.id AND x.name LIKE v_pattern
             WHERE d.kind = 'method' AND readable(v_administrator, d.public, grade_rank(m.grade))) h
     WHERE COALESCE(p_word, '') <> ''
     ORDER BY h.hit_order, h.path, h.name;
  END;
END$$

CREATE PROCEDURE select_search_system_name(b_word LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_word LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_word, p_word);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_administrator TINYINT;
    DECLARE v_pattern VARCHAR(2100) DEFAULT name_prefix_pattern(p_word);
    CALL require_login();
    SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
    SELECT 1 AS test;
    SELECT h.id, h.type, h.name, h.path
      FROM (SELECT d.id, 'domain' AS type, d.name, domain_path(d.id) AS path, 0 AS hit_order
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
             WHERE d.name LIKE v_pattern AND d.kind = 'system'
               AND readable(v_administrator, d.public, grade_rank(m.grade))
            UNION ALL
            SELECT n.id, n.type, n.name, CONCAT(domain_path(d.id), 'Nodes\\'), 1
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
              JOIN node n ON n.domain_id = d.id AND n.name LIKE v_pattern
             WHERE d.kind = 'system' AND readable(v_administrator, d.public, grade_rank(m.grade))
            UNION ALL
            SELECT c.id, 'component', c.name, CONCAT(domain_path(d.id), 'Components\\'), 2
              FROM domain d
              LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
              JOIN component c ON c.systemdomain_id = d.id AND c.name LIKE v_pattern
             WHERE d.kind = 'system' AND readable(v_administrator, d.public, grade_rank(m.grade))) h
     WHERE COALESCE(p_word, '') <> ''
     ORDER BY h.hit_order, h.path, h.name;
  END;
END$$

DELIMITER ;
