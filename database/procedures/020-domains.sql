-- Domains of the three kinds: the trees' lists, one domain's row, its path, and creating, editing, deleting
-- and moving domains.
DELIMITER $$

-- The names of a domain's ancestors from the top down and its own name, each followed by "\" ("Nav\Pos\" for
-- Pos under Nav); empty for an unknown domain. Every domain thus gets a name space of its own in the generated
-- headers. Moves refuse cycles, and the walk stops after 256 levels all the same.
CREATE FUNCTION domain_path(p_id INT) RETURNS TEXT
  READS SQL DATA
BEGIN
  DECLARE v_path TEXT DEFAULT COALESCE((SELECT CONCAT(d.name, '\\') FROM domain d WHERE d.id = p_id), '');
  DECLARE v_upper INT DEFAULT (SELECT d.upper_id FROM domain d WHERE d.id = p_id);
  DECLARE v_name VARCHAR(128);
  DECLARE v_depth INT DEFAULT 0;
  WHILE COALESCE(v_upper, 0) <> 0 AND v_depth < 256 DO
    SET v_name = (SELECT d.name FROM domain d WHERE d.id = v_upper);
    IF v_name IS NULL THEN
      SET v_upper = 0;
    ELSE
      SET v_path = CONCAT(v_name, '\\', v_path);
      SET v_upper = (SELECT d.upper_id FROM domain d WHERE d.id = v_upper);
      SET v_depth = v_depth + 1;
    END IF;
  END WHILE;
  RETURN v_path;
END$$

-- The public flag as the callers send it: the text "1" or "0" (the import sends a number).
CREATE FUNCTION public_flag(p_public VARCHAR(16)) RETURNS TINYINT
  DETERMINISTIC
  RETURN IF(p_public IS NULL OR TRIM(p_public) IN ('', '0'), 0, 1)$$

CREATE PROCEDURE require_kind_word(p_kind VARCHAR(32))
BEGIN
  IF p_kind IS NULL OR p_kind NOT IN ('data', 'method', 'system') THEN
    CALL refuse('도메인 종류는 data, method, system 가운데 하나여야 합니다.');
  END IF;
END$$

-- What no name may be, whatever it names: the names of the design become folder and file names (the headers,
-- the component sources) and XML texts. NULL for a usable name, else the reason. The characters that XML
-- cannot carry at all are refused for every text already (take_text).
CREATE FUNCTION name_fault(p_name TEXT) RETURNS VARCHAR(128)
  DETERMINISTIC
  RETURN CASE
           WHEN p_name IN ('.', '..') THEN '이름으로 . 이나 .. 은 쓸 수 없습니다.'
           WHEN p_name REGEXP '[\\x{0}-\\x{1F}\\x{7F}-\\x{9F}]' THEN '이름에는 제어 문자를 쓸 수 없습니다.'
           ELSE NULL
         END$$

CREATE PROCEDURE require_usable_name(p_name TEXT)
BEGIN
  DECLARE v_fault VARCHAR(128) DEFAULT name_fault(p_name);
  IF v_fault IS NOT NULL THEN
    CALL refuse(v_fault);
  END IF;
END$$

-- A new name (created, renamed to, or brought by an import) holds no "%": a list's name argument that holds one
-- would otherwise read as a pattern. A name that stands already (p_standing_name, the item's own name before the
-- change) keeps working; the lists find it exactly.
CREATE PROCEDURE require_plain_name(p_name TEXT, p_standing_name TEXT)
BEGIN
  IF LOCATE('%', p_name) > 0 AND NOT (BINARY p_name <=> BINARY p_standing_name) THEN
    CALL refuse('이름에는 % 를 쓸 수 없습니다.');
  END IF;
END$$

-- Names are path components: of the tree, of header folders and of name spaces.
CREATE PROCEDURE require_domain_name(p_name VARCHAR(1024))
BEGIN
  IF p_name IS NULL OR TRIM(p_name) = '' THEN
    CALL refuse('도메인 이름을 입력하세요.');
  END IF;
  IF CHAR_LENGTH(p_name) > 128 THEN
    CALL refuse('도메인 이름은 128자까지 쓸 수 있습니다.');
  END IF;
  CALL require_usable_name(p_name);
  IF LOCATE('\\', p_name) > 0 OR LOCATE('/', p_name) > 0 THEN
    CALL refuse('도메인 이름에는 \\ 와 / 를 쓸 수 없습니다.');
  END IF;
END$$

CREATE PROCEDURE require_standard_port(p_kind VARCHAR(32), p_port INT)
BEGIN
  IF p_kind = 'method' AND COALESCE(p_port, 0) NOT BETWEEN 0 AND 65535 THEN
    CALL refuse('표준 포트는 0부터 65535까지입니다.');
  END IF;
END$$

-- No other domain of the kind under the parent carries the name.
CREATE PROCEDURE require_free_domain_name(p_own_id INT, p_kind VARCHAR(32), p_upper_id INT, p_name VARCHAR(1024))
BEGIN
  IF EXISTS (SELECT 1 FROM domain d
              WHERE d.kind = p_kind AND d.upper_id = p_upper_id AND d.name = p_name
                AND d.id <> COALESCE(p_own_id, 0)) THEN
    CALL refuse('같은 경로에 같은 이름의 도메인이 이미 있습니다.');
  END IF;
END$$

CREATE PROCEDURE require_domain_of_kind(p_id INT, p_kind VARCHAR(32))
BEGIN
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_id) THEN
    CALL refuse('도메인이 없습니다.');
  END IF;
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_id AND d.kind = p_kind) THEN
    CALL refuse('도메인의 종류가 다릅니다.');
  END IF;
END$$

CREATE PROCEDURE require_parent_of_kind(p_upper_id INT, p_kind VARCHAR(32))
BEGIN
  IF COALESCE(p_upper_id, 0) <> 0
     AND NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_upper_id AND d.kind = p_kind) THEN
    CALL refuse('상위 도메인의 종류가 다릅니다.');
  END IF;
END$$

-- Every domain of a kind whose name matches the pattern, keyed by parent (the domain choosers, the port
-- proposal, the header export). Ascending by name within a parent: the choosers list rows in this order.
CREATE PROCEDURE mainViewDomainAllList(b_pattern LONGBLOB, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_pattern, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_pattern, p_pattern);
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_administrator TINYINT;
    CALL require_login();
    SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
    SELECT 1 AS test;
    SELECT d.id, d.name, d.upper_id, d.user_id, d.public, d.standard_port, d.create_date, d.last_update,
           d.description
      FROM domain d
      LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
     WHERE d.kind = p_kind AND d.name LIKE COALESCE(p_pattern, '%')
       AND readable(v_administrator, d.public, grade_rank(m.grade))
     ORDER BY d.upper_id, d.name;
  END;
END$$

-- Every domain of a kind below a domain (0: the whole tree), at any depth, each with its parent id. The trees
-- insert the rows of one parent at the top one after another, so descending names show ascending.
CREATE PROCEDURE mainViewDomainList(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_administrator TINYINT;
    CALL require_read_domain(p_id);
    SELECT session_account(), account_is_administrator() INTO v_user, v_administrator;
    CALL remember_read_domains(p_kind);
    SELECT 1 AS test;
    WITH RECURSIVE below (id) AS (
      SELECT d.id FROM domain d WHERE d.kind = p_kind AND d.upper_id = COALESCE(p_id, 0)
      UNION
      SELECT d.id FROM below b JOIN domain d ON d.kind = p_kind AND d.upper_id = b.id
    )
    SELECT d.id, d.name, d.upper_id, d.user_id, d.public, d.standard_port, d.create_date, d.last_update,
           d.description
      FROM below b
      JOIN domain d ON d.id = b.id
      LEFT JOIN domain_member m ON m.domain_id = d.id AND m.user_id = v_user
     WHERE readable(v_administrator, d.public, grade_rank(m.grade))
     ORDER BY d.upper_id, d.name DESC;
  END;
END$$

-- One data domain's row (no port column). The exporters read it by the keys domain_data.<column>.
CREATE PROCEDURE domainDataInfo(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_id);
    CALL remember_read_domain(p_id);
    SELECT 1 AS test;
    SELECT domain_data.id, domain_data.upper_id, domain_data.name, domain_data.user_id, domain_data.public,
           domain_data.create_date, domain_data.last_update, domain_data.description
      FROM domain domain_data
     WHERE domain_data.id = p_id AND domain_data.kind = 'data';
  END;
END$$

-- One method domain's row with its standard port (keys domain_method.<column>). Asked with the kind word
-- "data" it answers a data domain's row in the layout of domainDataInfo.
CREATE PROCEDURE domainMethodInfo(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_id);
    CALL remember_read_domain(p_id);
    SELECT 1 AS test;
    IF p_kind = 'data' THEN
      SELECT domain_data.id, domain_data.upper_id, domain_data.name, domain_data.user_id, domain_data.public,
             domain_data.create_date, domain_data.last_update, domain_data.description
        FROM domain domain_data
       WHERE domain_data.id = p_id AND domain_data.kind = 'data';
    ELSE
      SELECT domain_method.id, domain_method.upper_id, domain_method.name, domain_method.user_id,
             domain_method.public, domain_method.standard_port, domain_method.create_date,
             domain_method.last_update, domain_method.description
        FROM domain domain_method
       WHERE domain_method.id = p_id AND domain_method.kind = 'method';
    END IF;
  END;
END$$

-- The path of a domain for the generated headers: its ancestors, each followed by "\"; one row, none for an
-- unknown domain.
CREATE PROCEDURE get_domain_path(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_id);
    SELECT 1 AS test;
    SELECT domain_path(d.id) AS path FROM domain d WHERE d.id = p_id;
  END;
END$$

-- The checks and rows of a new domain; the creator becomes its manager.
CREATE PROCEDURE insert_domain(p_kind VARCHAR(32), p_upper_id INT, p_name VARCHAR(1024), p_port INT,
                               p_public VARCHAR(16), p_description TEXT, OUT p_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_upper_id INT DEFAULT COALESCE(p_upper_id, 0);
  CALL require_kind_word(p_kind);
  CALL require_create_domain_under(v_upper_id);
  CALL require_parent_of_kind(v_upper_id, p_kind);
  CALL require_domain_name(p_name);
  CALL require_plain_name(p_name, NULL);
  CALL require_code_domain_name(p_kind, v_upper_id, p_name, NULL);
  CALL require_standard_port(p_kind, p_port);
  CALL require_free_domain_name(0, p_kind, v_upper_id, p_name);
  INSERT INTO domain (kind, upper_id, name, user_id, public, standard_port, description)
  VALUES (p_kind, v_upper_id, p_name, session_account(), public_flag(p_public),
          IF(p_kind = 'method', COALESCE(p_port, 0), 0), COALESCE(p_description, ''));
  SET p_id = LAST_INSERT_ID();
  CALL remember_new_row('domain', p_id);
  INSERT INTO domain_member (domain_id, user_id, grade) VALUES (p_id, session_account(), 'manager');
END$$

-- A new domain. Answers the new id.
CREATE PROCEDURE domainViewNewDomain(b_kind LONGBLOB, p_upper_id INT, b_name LONGBLOB, p_port INT,
                                     b_public LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_name, p_public, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  CALL take_text(b_public, p_public);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_id INT;
    DECLARE v_attempt INT DEFAULT 1;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    -- Concurrent inserts into the same part of the tree index can deadlock; the server then undoes the whole
    -- transaction, which this procedure repeats, after a short pause, when it is its own.
    WHILE v_id IS NULL DO
      BEGIN
        DECLARE EXIT HANDLER FOR 1213
          IF v_own_transaction AND v_attempt < 5 THEN
            SET v_attempt = v_attempt + 1, v_id = NULL;
            DO SLEEP(0.01 * v_attempt);
          ELSE
            RESIGNAL;
          END IF;
        CALL change_begin(v_own_transaction);
        CALL take_guard('domains');
        CALL insert_domain(p_kind, p_upper_id, p_name, p_port, p_public, p_description, v_id);
        CALL change_commit(v_own_transaction);
      END;
    END WHILE;
    SELECT 1 AS test;
    SELECT v_id AS id;
  END;
END$$

-- Name, standard port (method domains), public flag and description; the parent stays.
CREATE PROCEDURE domainViewEditDomain(p_id INT, b_kind LONGBLOB, b_name LONGBLOB, p_port INT, b_public LONGBLOB,
                                      b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_name, p_public, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  CALL take_text(b_public, p_public);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_upper_id INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL require_manage_domain(p_id);
    CALL require_domain_of_kind(p_id, p_kind);
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('domain', p_id);
    CALL require_domain_name(p_name);
    CALL require_plain_name(p_name, (SELECT d.name FROM domain d WHERE d.id = p_id));
    CALL require_standard_port(p_kind, p_port);
    SET v_upper_id = (SELECT d.upper_id FROM domain d WHERE d.id = p_id);
    CALL require_code_domain_name(p_kind, v_upper_id, p_name, (SELECT d.name FROM domain d WHERE d.id = p_id));
    CALL require_free_domain_name(p_id, p_kind, v_upper_id, p_name);
    UPDATE domain
       SET name = p_name, standard_port = IF(p_kind = 'method', COALESCE(p_port, 0), 0),
           public = public_flag(p_public), description = COALESCE(p_description, ''), last_update = NOW()
     WHERE id = p_id;
    CALL remember_own_change('domain', p_id);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- What outside a data domain and its sub-domains refers to their data: the first such item as a text
-- ("데이타 <name>", "데이타 <name>의 필드 <field>", "메서드 <name>"), NULL when nothing does. The references
-- are kept as keys, not foreign keys, so a delete must ask before it leaves them pointing nowhere.
CREATE FUNCTION data_subtree_user(p_id INT) RETURNS VARCHAR(300)
  READS SQL DATA
  RETURN (WITH RECURSIVE subtree (id) AS (
            SELECT p_id
            UNION
            SELECT d.id FROM subtree t JOIN domain d ON d.kind = 'data' AND d.upper_id = t.id
          )
          SELECT u.what
            FROM (SELECT CONCAT('데이타 ', r.name) AS what
                    FROM subtree s JOIN data_item r ON r.real_domain_id = s.id
                   WHERE r.domain_id NOT IN (SELECT id FROM subtree)
                  UNION ALL
                  SELECT CONCAT('데이타 ', o.name, '의 필드 ', f.member_name)
                    FROM subtree s JOIN data_field f ON f.real_domain_id = s.id JOIN data_item o ON o.id = f.data_id
                   WHERE o.domain_id NOT IN (SELECT id FROM subtree)
                  UNION ALL
                  SELECT CONCAT('메서드 ', m.name) FROM subtree s JOIN method m ON m.in_domain_id = s.id
                  UNION ALL
                  SELECT CONCAT('메서드 ', m.name) FROM subtree s JOIN method m ON m.out_domain_id = s.id) u
           LIMIT 1)$$

-- 1 when a locked sub-system or sensor node outside a system domain and its sub-domains stands for one of
-- them: the parent system has frozen what it uses of that domain.
CREATE FUNCTION system_subtree_locked(p_id INT) RETURNS TINYINT
  READS SQL DATA
BEGIN
  DECLARE v_locked TINYINT DEFAULT 0;
  WITH RECURSIVE subtree (id) AS (
    SELECT p_id
    UNION
    SELECT d.id FROM subtree t JOIN domain d ON d.kind = 'system' AND d.upper_id = t.id
  )
  SELECT EXISTS (SELECT 1 FROM subtree s JOIN node n ON n.sub_system_domain_id = s.id
                  WHERE n.lock_flag = 'Y' AND n.type IN ('sub_system', 'sensor')
                    AND n.domain_id NOT IN (SELECT id FROM subtree))
    INTO v_locked;
  RETURN v_locked;
END$$

-- The checks of a domain's deletion, and the deletion of the domain with its sub-domains. The subtree is
-- read without locks and deleted row by row through the primary key, so that only the deleted domains are
-- locked, not the ranges of the tree index that concurrent changes insert into.
CREATE PROCEDURE delete_domain_subtree(p_id INT, p_kind VARCHAR(32))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_user VARCHAR(300);
  DECLARE v_domain_id INT;
  DECLARE v_done TINYINT DEFAULT 0;
  DECLARE v_subtree CURSOR FOR
    WITH RECURSIVE subtree (id) AS (
      SELECT p_id
      UNION
      SELECT d.id FROM subtree t JOIN domain d ON d.kind = p_kind AND d.upper_id = t.id
    )
    SELECT id FROM subtree;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET v_done = 1;
  CALL require_manage_domain(p_id);
  CALL require_domain_of_kind(p_id, p_kind);
  IF p_kind = 'data' THEN
    -- A method names data of these domains under their own guards (take_method_guard), not the design-wide one.
    OPEN v_subtree;
    guard_domains: LOOP
      FETCH v_subtree INTO v_domain_id;
      IF v_done THEN
        LEAVE guard_domains;
      END IF;
      CALL take_domain_guard(v_domain_id);
    END LOOP;
    CLOSE v_subtree;
    SET v_user = data_subtree_user(p_id);
    IF v_user IS NOT NULL THEN
      CALL refuse(CONCAT('다른 도메인에서 이 도메인의 데이타를 사용하고 있어 삭제할 수 없습니다. 사용하는 곳: ', v_user));
    END IF;
  END IF;
  IF p_kind = 'system' AND system_subtree_locked(p_id) THEN
    CALL refuse('상위 시스템의 Subsystem Node가 Lock 상태여서 삭제할 수 없습니다.');
  END IF;
  SET v_done = 0;
  OPEN v_subtree;
  delete_domains: LOOP
    FETCH v_subtree INTO v_domain_id;
    IF v_done THEN
      LEAVE delete_domains;
    END IF;
    DELETE FROM domain WHERE id = v_domain_id;
  END LOOP;
  CLOSE v_subtree;
END$$

-- Deletes the domain with its sub-domains; what belongs to them goes with them (the content tables refer to
-- their domain with ON DELETE CASCADE). Data still used from outside, a system that a locked sub-system node
-- of a parent system stands for, or content that another table's foreign key still holds on to, makes it
-- refuse, and then nothing is deleted.
CREATE PROCEDURE domainViewDeleteDomain(p_id INT, b_kind LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_attempt INT DEFAULT 1;
    DECLARE v_deleted TINYINT DEFAULT 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    WHILE NOT v_deleted DO
      BEGIN
        DECLARE EXIT HANDLER FOR 1213
          IF v_own_transaction AND v_attempt < 5 THEN
            SET v_attempt = v_attempt + 1;
            DO SLEEP(0.01 * v_attempt);
          ELSE
            RESIGNAL;
          END IF;
        CALL change_begin(v_own_transaction);
        CALL take_guard('domains');
        -- A deleted data domain must not leave references to its data that another session just made.
        CALL take_guard('data');
        CALL delete_domain_subtree(p_id, p_kind);
        CALL change_commit(v_own_transaction);
        SET v_deleted = 1;
      END;
    END WHILE;
    SELECT 1 AS test;
  END;
END$$

-- Moves a domain below another domain of its kind (0: to the top level). A move below itself or below one
-- of its own sub-domains would make a cycle and is refused.
CREATE PROCEDURE domainViewEditUpperIDDomain(p_id INT, p_upper_id INT, b_kind LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_upper_id INT DEFAULT COALESCE(p_upper_id, 0);
    DECLARE v_walk INT DEFAULT v_upper_id;
    DECLARE v_depth INT DEFAULT 0;
    DECLARE v_name VARCHAR(128);
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_guard('domains');
    CALL require_manage_domain(p_id);
    CALL require_domain_of_kind(p_id, p_kind);
    CALL require_create_domain_under(v_upper_id);
    CALL require_parent_of_kind(v_upper_id, p_kind);
    WHILE v_walk <> 0 AND v_depth < 256 DO
      IF v_walk = p_id THEN
        CALL refuse('도메인을 자기 자신이나 자신의 하위 도메인 아래로 옮길 수 없습니다.');
      END IF;
      SET v_walk = COALESCE((SELECT d.upper_id FROM domain d WHERE d.id = v_walk), 0);
      SET v_depth = v_depth + 1;
    END WHILE;
    SET v_name = (SELECT d.name FROM domain d WHERE d.id = p_id);
    CALL require_free_domain_name(p_id, p_kind, v_upper_id, v_name);
    CALL require_code_domain_name(p_kind, v_upper_id, v_name, v_name);
    UPDATE domain SET upper_id = v_upper_id, last_update = NOW() WHERE id = p_id;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

DELIMITER ;
