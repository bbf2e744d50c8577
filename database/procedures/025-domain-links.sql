-- Links between domains besides the tree. Flag 0: a data domain's parent data domains (whose data it may use
-- and whose headers its header includes), or a method domain's parent method domains. Flag 1: the data
-- domains that a method domain uses.
DELIMITER $$

-- The kinds a link joins: flag 0 two domains of one kind, flag 1 a method domain and a data domain.
CREATE FUNCTION link_kinds_fit(p_domain_kind VARCHAR(32), p_parent_kind VARCHAR(32), p_flag INT) RETURNS TINYINT
  DETERMINISTIC
  RETURN (p_flag = 0 AND p_domain_kind = p_parent_kind AND p_domain_kind IN ('data', 'method'))
      OR (p_flag = 1 AND p_domain_kind = 'method' AND p_parent_kind = 'data')$$

CREATE PROCEDURE domainViewNewParentDomain(p_domain_id INT, b_kind LONGBLOB, p_parent_id INT, p_flag INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_guard('domains');
    CALL require_change_domain_content(p_domain_id);
    IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_parent_id) OR can_read_domain(p_parent_id) = 0 THEN
      CALL refuse('부모 도메인이 없습니다.');
    END IF;
    IF p_parent_id = p_domain_id THEN
      CALL refuse('도메인 자신을 부모 도메인으로 정할 수 없습니다.');
    END IF;
    IF NOT link_kinds_fit((SELECT d.kind FROM domain d WHERE d.id = p_domain_id),
                          (SELECT d.kind FROM domain d WHERE d.id = p_parent_id), p_flag) THEN
      CALL refuse('이 두 도메인은 종류가 맞지 않아 연결할 수 없습니다.');
    END IF;
    -- A parent that already reaches this domain through its own parents would close a cycle.
    IF p_flag = 0 AND EXISTS (
         WITH RECURSIVE ancestors (id) AS (
           SELECT p_parent_id
           UNION
           SELECT l.parent_id FROM ancestors a JOIN domain_parent l ON l.domain_id = a.id AND l.flag = 0
         )
         SELECT 1 FROM ancestors WHERE id = p_domain_id) THEN
      CALL refuse('부모 도메인 관계가 순환하게 되어 연결할 수 없습니다.');
    END IF;
    INSERT IGNORE INTO domain_parent (domain_id, parent_id, flag) VALUES (p_domain_id, p_parent_id, p_flag);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Removing a link that does not exist is no error.
CREATE PROCEDURE domainViewDeleteParentDomain(p_domain_id INT, b_kind LONGBLOB, p_parent_id INT, p_flag INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL require_unused_link(p_domain_id, p_parent_id, p_flag);
    DELETE FROM domain_parent WHERE domain_id = p_domain_id AND parent_id = p_parent_id AND flag = p_flag;
    SELECT 1 AS test;
  END;
END$$

-- The linked domains of one domain in the order the links were made, in the data-domain layout (id, parent,
-- name, author, public, creation, last update, description).
CREATE PROCEDURE linked_domain_rows(p_domain_id INT, p_flag INT)
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(64);
  DECLARE v_administrator TINYINT;
  SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
  SELECT 1 AS test;
  SELECT d.id, d.upper_id, d.name, d.user_id, d.public, d.create_date, d.last_update, d.description
    FROM domain_parent l
    JOIN domain d ON d.id = l.parent_id
    LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
   WHERE l.domain_id = p_domain_id AND l.flag = p_flag
     AND readable(v_administrator, d.public, grade_rank(m.grade))
   ORDER BY l.seq;
END$$

CREATE PROCEDURE inheritance_data_dataViewDomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL linked_domain_rows(p_domain_id, 0);
END$$

CREATE PROCEDURE inheritance_method_dataViewDomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL linked_domain_rows(p_domain_id, 1);
END$$

-- The method domains whose headers a method domain's header includes: its parent method domains (links of
-- flag 0) in link order, then the other method domains that hold a parent interface or a member method of
-- its interfaces (its interface classes derive from those or use them), by name. Data-domain layout.
CREATE PROCEDURE inheritance_method_methodViewDomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(64);
  DECLARE v_administrator TINYINT;
  CALL require_read_domain(p_domain_id);
  SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
  SELECT 1 AS test;
  SELECT d.id, d.upper_id, d.name, d.user_id, d.public, d.create_date, d.last_update, d.description
    FROM (SELECT u.id, MIN(u.link_group) AS link_group, MIN(u.link_order) AS link_order
            FROM (SELECT l.parent_id AS id, 0 AS link_group, l.seq AS link_order
                    FROM domain_parent l WHERE l.domain_id = p_domain_id AND l.flag = 0
                  UNION ALL
                  SELECT pf.domain_id, 1, 0
                    FROM method_interface f
                    JOIN interface_parent ip ON ip.interface_id = f.id
                    JOIN method_interface pf ON pf.id = ip.parent_id
                   WHERE f.domain_id = p_domain_id
                  UNION ALL
                  SELECT x.domain_id, 1, 0
                    FROM method_interface f
                    JOIN interface_member im ON im.interface_id = f.id
                    JOIN method x ON x.id = im.method_id
                   WHERE f.domain_id = p_domain_id) u
           WHERE u.id <> p_domain_id
           GROUP BY u.id) used
    JOIN domain d ON d.id = used.id AND d.kind = 'method'
    LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
   WHERE readable(v_administrator, d.public, grade_rank(m.grade))
   ORDER BY used.link_group, used.link_order, d.name;
END$$

DELIMITER ;
