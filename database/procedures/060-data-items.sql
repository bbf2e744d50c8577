-- Data items: the lists of the data tree, the dialogs and the exporters, and the changes of the data commands.
--
-- The list of data items answers under the keys the exporters read: a = the item, b = its alias reference,
-- c = the domain of the real data; b is the item itself joined again by its primary key.
DELIMITER $$

-- The data type keywords in the order of the editor's type lists.
CREATE FUNCTION data_type_order(p_type VARCHAR(32)) RETURNS INT
  DETERMINISTIC
  RETURN FIELD(p_type, 'struct', 'alias', 'enum8_t', 'enum16_t', 'enum32_t', 'char_t', 'wchar_t',
               'int8_t', 'int16_t', 'int32_t', 'int64_t', 'u_int8_t', 'u_int16_t', 'u_int32_t', 'u_int64_t',
               'scaled8_t', 'scaled16_t', 'scaled32_t', 'scaled64_t',
               'u_scaled8_t', 'u_scaled16_t', 'u_scaled32_t', 'u_scaled64_t',
               'ieee754_32_t', 'ieee754_64_t', 'ieee754_80_t', 'ip_t', 'port_t', 'domain_t', 'pksize_t',
               'second_t', 'psecond_t', 'packed_node_addr_t', 'packed_client_addr_t', 'packed_server_addr_t')$$

CREATE FUNCTION data_type_has_fields(p_type VARCHAR(32)) RETURNS TINYINT
  DETERMINISTIC
  RETURN p_type IN ('struct', 'enum8_t', 'enum16_t', 'enum32_t', 'enum64_t')$$

-- The data items of a domain, at most p_limit of them. A name gives that item (0 or 1 row); "%" signs alone give
-- every item in dependency order: an item comes after the items of the same domain that it uses through its
-- alias or its alias fields, because the header generator writes them in this order. Columns:
-- 0 id, 1 domain id, 2 name, 3 author, 4 type, 5 real domain id, 6 real data name, 7 minimum, 8 maximum,
-- 9 description, 10 real domain name, 11 real data id (5, 6, 10 and 11 NULL when the item is no alias).
CREATE PROCEDURE data_item_list_rows(p_domain_id INT, p_name LONGTEXT, p_limit BIGINT UNSIGNED)
  READS SQL DATA
BEGIN
  -- Only '%' signs (the trees' and the exporters' lists) take every item: no name is compared then.
  DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
  DECLARE v_uses_own_data TINYINT;
  -- Read with SELECT ... INTO, which waits for no other session's open transaction (an IF would).
  SELECT EXISTS (SELECT 1 FROM data_item u WHERE u.domain_id = p_domain_id AND u.real_domain_id = p_domain_id)
         OR EXISTS (SELECT 1 FROM data_item u JOIN data_field f ON f.data_id = u.id
                     WHERE u.domain_id = p_domain_id AND f.real_domain_id = p_domain_id)
    INTO v_uses_own_data;
  IF NOT v_every_name OR NOT v_uses_own_data THEN
    -- One item by its exact name; or a domain none of whose items uses another of it, where every item is
    -- on level 0 and the order is the ids'. Walking the ids in order until enough rows of the domain came
    -- by would read the items of every domain before it: the domain's own index is the way in.
    SELECT a.id AS id, a.domain_id AS domain_id, a.name AS name, a.user_id AS user_id, a.type AS type,
           b.real_domain_id AS real_domain_id, b.real_data_name AS real_data_name,
           a.scmin AS scmin, a.scmax AS scmax, a.description AS description,
           c.name AS real_domain_name, r.id AS real_data_id
      FROM data_item a IGNORE INDEX FOR ORDER BY (PRIMARY)
      JOIN data_item b ON b.id = a.id
      LEFT JOIN domain c ON c.id = b.real_domain_id
      LEFT JOIN data_item r ON r.domain_id = b.real_domain_id AND r.name = b.real_data_name
     WHERE a.domain_id = p_domain_id
       AND (v_every_name OR a.name = p_name)
     ORDER BY a.id
     LIMIT p_limit;
  ELSE
    WITH RECURSIVE uses (data_id, used_id) AS (
      SELECT u.id, r.id
        FROM data_item u
        JOIN data_item r ON r.domain_id = u.real_domain_id AND r.name = u.real_data_name
       WHERE u.domain_id = p_domain_id AND u.real_domain_id = p_domain_id
      UNION
      SELECT u.id, r.id
        FROM data_item u
        JOIN data_field f ON f.data_id = u.id
        JOIN data_item r ON r.domain_id = f.real_domain_id AND r.name = f.real_data_name
       WHERE u.domain_id = p_domain_id AND f.real_domain_id = p_domain_id
    ), chain (data_id, at_id, depth) AS (
      SELECT u.id, u.id, 0 FROM data_item u WHERE u.domain_id = p_domain_id
      UNION
      SELECT chain.data_id, uses.used_id, chain.depth + 1
        FROM chain JOIN uses ON uses.data_id = chain.at_id
       WHERE chain.depth < data_depth_limit()
    ), levels (data_id, level) AS (
      SELECT chain.data_id, MAX(chain.depth) FROM chain GROUP BY chain.data_id
    )
    SELECT a.id AS id, a.domain_id AS domain_id, a.name AS name, a.user_id AS user_id, a.type AS type,
           b.real_domain_id AS real_domain_id, b.real_data_name AS real_data_name,
           a.scmin AS scmin, a.scmax AS scmax, a.description AS description,
           c.name AS real_domain_name, r.id AS real_data_id
      FROM data_item a
      JOIN data_item b ON b.id = a.id
      JOIN levels ON levels.data_id = a.id
      LEFT JOIN domain c ON c.id = b.real_domain_id
      LEFT JOIN data_item r ON r.domain_id = b.real_domain_id AND r.name = b.real_data_name
     WHERE a.domain_id = p_domain_id
     ORDER BY levels.level, a.id
     LIMIT p_limit;
  END IF;
END$$

-- The whole list of data_item_list_rows.
CREATE PROCEDURE metadataViewMetadataList(p_domain_id INT, b_name LONGBLOB, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_name, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_domain_id);
    CALL remember_read_data_items(p_domain_id, p_name);
    SELECT 1 AS test;
    CALL data_item_list_rows(p_domain_id, p_name, 18446744073709551615);
  END;
END$$

-- The first row of a domain's whole list (metadataViewMetadataList with the pattern '%'), alone: a domain of
-- the data tree whose items are not listed yet shows its first item only, so that it can be opened, and the
-- other rows would be read to be dropped.
CREATE PROCEDURE metadataViewFirstMetadata(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  CALL data_item_list_rows(p_domain_id, '%', 1);
END$$

-- The same list ordered by type keyword (in the order of the type lists, unknown keywords last), then name.
CREATE PROCEDURE metadataViewMetadataListByTypeSort(p_domain_id INT, b_name LONGBLOB, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_name, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
    CALL require_read_domain(p_domain_id);
    CALL remember_read_data_items(p_domain_id, p_name);
    SELECT 1 AS test;
    SELECT a.id AS id, a.domain_id AS domain_id, a.name AS name, a.user_id AS user_id, a.type AS type,
           b.real_domain_id AS real_domain_id, b.real_data_name AS real_data_name,
           a.scmin AS scmin, a.scmax AS scmax, a.description AS description,
           c.name AS real_domain_name, r.id AS real_data_id
      FROM data_item a
      JOIN data_item b ON b.id = a.id
      LEFT JOIN domain c ON c.id = b.real_domain_id
      LEFT JOIN data_item r ON r.domain_id = b.real_domain_id AND r.name = b.real_data_name
     WHERE a.domain_id = p_domain_id AND (v_every_name OR a.name = p_name)
     ORDER BY data_type_order(a.type) = 0, data_type_order(a.type), a.name;
  END;
END$$

-- Domains whose data an alias of the domain may use: the domain itself, then its parent data domains in link
-- order. Columns: 0 id, 1 kind, 2 upper id, 3 name, 4 author, 5 public, 6 created, 7 last update, 8 description.
CREATE PROCEDURE real_domain_rows(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT d.id AS id, d.kind AS kind, d.upper_id AS upper_id, d.name AS name, d.user_id AS user_id,
         d.public AS public, d.create_date AS create_date, d.last_update AS last_update,
         d.description AS description
    FROM (SELECT p_domain_id AS domain_id, 0 AS link_order
          UNION ALL
          SELECT l.parent_id, l.seq FROM domain_parent l WHERE l.domain_id = p_domain_id AND l.flag = 0) links
    JOIN domain d ON d.id = links.domain_id AND d.kind = 'data'
   WHERE can_read_domain(d.id)
   ORDER BY links.link_order;
END$$

CREATE PROCEDURE metadataViewNewMetadataRealdomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL real_domain_rows(p_domain_id);
END$$

CREATE PROCEDURE metadataViewEditMetadataRealdomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL real_domain_rows(p_domain_id);
END$$

-- The data items of one domain for the real-data choosers, by name. Columns: 0 id, 1 domain id, 2 name,
-- 3 type, 4 real data id, 5 minimum, 6 maximum, 7 physical quantity, 8 description, 9 author.
CREATE PROCEDURE real_data_rows(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT a.id AS id, a.domain_id AS domain_id, a.name AS name, a.type AS type, r.id AS real_data_id,
         a.scmin AS scmin, a.scmax AS scmax, a.physical AS physical, a.description AS description,
         a.user_id AS user_id
    FROM data_item a
    LEFT JOIN data_item r ON r.domain_id = a.real_domain_id AND r.name = a.real_data_name
   WHERE a.domain_id = p_domain_id
   ORDER BY a.name;
END$$

CREATE PROCEDURE metadataViewNewMetadataRealmetadataList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL real_data_rows(p_domain_id);
END$$

CREATE PROCEDURE metadataViewEditMetafieldRealmetadataList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL real_data_rows(p_domain_id);
END$$

-- The alias check of the data dialogs: answers no result set when the item (p_domain_id, p_name) may refer to
-- the data item p_real_data_id, and one row naming the real data when that would close a loop (or nest too
-- deep). Real data id 0, one that does not exist, or data of a domain the account may not read refers to nothing
-- and passes.
CREATE PROCEDURE check_child_depth_limit_loop(p_domain_id INT, b_name LONGBLOB, p_real_data_id INT)
  READS SQL DATA
BEGIN
  DECLARE p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure_quietly();
  CALL take_text_quietly(b_name, p_name);
  BEGIN
    DECLARE v_real_domain_id INT;
    DECLARE v_real_name VARCHAR(128);
    DECLARE v_loops TINYINT;
    CALL require_login();
    SELECT r.domain_id, r.name INTO v_real_domain_id, v_real_name
      FROM (SELECT 1) one
      LEFT JOIN data_item r ON r.id = p_real_data_id AND domain_hidden(r.domain_id) = 0;
    SELECT data_reference_loops(p_domain_id, p_name, v_real_domain_id, v_real_name) INTO v_loops;
    IF v_loops THEN
      SELECT v_real_name AS loop_through;
    END IF;
  END;
END$$

-- A new data item. For an alias the real data is given by its id; the item keeps its key (domain, name).
CREATE PROCEDURE metadataViewNewMetadata(p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB, p_real_data_id INT,
                                         b_scmin LONGBLOB, b_scmax LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_scmin, p_scmax, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_real_domain_id INT;
    DECLARE v_real_name VARCHAR(128);
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_data_guard(p_domain_id, p_type = 'alias');
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'data');
    CALL require_name(p_name, '데이타 이름을 입력하세요.');
    CALL require_plain_name(p_name, NULL);
    CALL require_type_keyword(p_type, '데이타 타입을 선택하세요.');
    IF data_item_exists(p_domain_id, p_name) THEN
      CALL refuse('같은 이름의 데이타가 이미 있습니다.');
    END IF;
    CALL require_code_data_item(p_domain_id, NULL, p_name, NULL, p_type, p_scmin, p_scmax);
    IF p_type = 'alias' AND COALESCE(p_real_data_id, 0) <> 0 THEN
      SET v_real_domain_id = (SELECT r.domain_id FROM data_item r WHERE r.id = p_real_data_id);
      SET v_real_name = (SELECT r.name FROM data_item r WHERE r.id = p_real_data_id);
      IF v_real_name IS NULL THEN
        CALL refuse('선택한 실제 데이타가 없습니다.');
      END IF;
      CALL require_data_reference(v_real_domain_id, v_real_name, NULL, NULL, 1, '선택한 실제 데이타가 없습니다.');
      CALL require_no_data_loop(p_domain_id, p_name, v_real_domain_id, v_real_name);
    END IF;
    INSERT INTO data_item (domain_id, name, user_id, type, real_domain_id, real_data_name, scmin, scmax, description)
    VALUES (p_domain_id, p_name, session_account(), p_type, v_real_domain_id, v_real_name,
            COALESCE(p_scmin, ''), COALESCE(p_scmax, ''), COALESCE(p_description, ''));
    CALL remember_new_row('data_item', LAST_INSERT_ID());
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Renames the references to a data item along with it: aliases, alias fields, method input and output.
CREATE PROCEDURE rename_data_references(p_domain_id INT, p_old_name VARCHAR(128), p_new_name VARCHAR(128))
  MODIFIES SQL DATA
BEGIN
  UPDATE data_item d SET d.real_data_name = p_new_name
   WHERE d.real_domain_id = p_domain_id AND d.real_data_name = p_old_name;
  UPDATE data_field f SET f.real_data_name = p_new_name
   WHERE f.real_domain_id = p_domain_id AND f.real_data_name = p_old_name;
  UPDATE method m SET m.in_data_name = p_new_name
   WHERE m.in_domain_id = p_domain_id AND m.in_data_name = p_old_name;
  UPDATE method m SET m.out_data_name = p_new_name
   WHERE m.out_domain_id = p_domain_id AND m.out_data_name = p_old_name;
END$$

CREATE PROCEDURE metadataViewEditMetadata(p_domain_id INT, b_name LONGBLOB, b_new_name LONGBLOB, b_type LONGBLOB,
                                          p_real_data_id INT, b_scmin LONGBLOB, b_scmax LONGBLOB,
                                          b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_new_name, p_type, p_scmin, p_scmax, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_new_name, p_new_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_real_domain_id INT;
    DECLARE v_real_name VARCHAR(128);
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_data_guard(p_domain_id, p_type = 'alias' OR NOT p_new_name <=> p_name);
    CALL require_change_domain_content(p_domain_id);
    IF NOT data_item_exists(p_domain_id, p_name) THEN
      CALL refuse('수정할 데이타가 없습니다.');
    END IF;
    CALL require_unchanged_since_read('data_item', data_item_id(p_domain_id, p_name));
    CALL require_kept_real_data(p_domain_id, p_name, p_type, p_real_data_id);
    CALL require_name(p_new_name, '데이타 이름을 입력하세요.');
    CALL require_plain_name(p_new_name, p_name);
    CALL require_type_keyword(p_type, '데이타 타입을 선택하세요.');
    IF p_new_name <> p_name AND data_item_exists(p_domain_id, p_new_name) THEN
      CALL refuse('같은 이름의 데이타가 이미 있습니다.');
    END IF;
    CALL require_code_data_item(p_domain_id, data_item_id(p_domain_id, p_name), p_new_name, p_name, p_type, p_scmin, p_scmax);
    CALL require_fitting_constants(data_item_id(p_domain_id, p_name), p_type);
    IF p_type = 'alias' AND COALESCE(p_real_data_id, 0) <> 0 THEN
      SET v_real_domain_id = (SELECT r.domain_id FROM data_item r WHERE r.id = p_real_data_id);
      SET v_real_name = (SELECT r.name FROM data_item r WHERE r.id = p_real_data_id);
      IF v_real_name IS NULL THEN
        CALL refuse('선택한 실제 데이타가 없습니다.');
      END IF;
      CALL require_data_reference(v_real_domain_id, v_real_name,
                                  (SELECT d.real_domain_id FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name),
                                  (SELECT d.real_data_name FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name),
                                  1, '선택한 실제 데이타가 없습니다.');
      CALL require_no_data_loop(p_domain_id, p_name, v_real_domain_id, v_real_name);
      CALL require_no_data_loop(p_domain_id, p_new_name, v_real_domain_id, v_real_name);
    END IF;
    UPDATE data_item d
       SET d.name = p_new_name, d.type = p_type, d.real_domain_id = v_real_domain_id,
           d.real_data_name = v_real_name, d.scmin = COALESCE(p_scmin, ''), d.scmax = COALESCE(p_scmax, ''),
           d.description = COALESCE(p_description, ''), d.last_update = NOW()
     WHERE d.domain_id = p_domain_id AND d.name = p_name;
    IF p_new_name <> p_name THEN
      CALL rename_data_references(p_domain_id, p_name, p_new_name);
    END IF;
    CALL remember_own_change('data_item', data_item_id(p_domain_id, p_new_name));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Who uses a data item, for the refusal of its deletion: another item's alias, a field of another item, or a
-- method's input or output; NULL when nobody does.
CREATE FUNCTION data_item_user(p_domain_id INT, p_name VARCHAR(128)) RETURNS VARCHAR(300)
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(300);
  SET v_user = (SELECT CONCAT('데이타 ', d.name) FROM data_item d
                 WHERE d.real_domain_id = p_domain_id AND d.real_data_name = p_name
                   AND NOT (d.domain_id = p_domain_id AND d.name = p_name)
                 ORDER BY d.id LIMIT 1);
  IF v_user IS NULL THEN
    SET v_user = (SELECT CONCAT('데이타 ', d.name, '의 필드 ', f.member_name)
                    FROM data_field f JOIN data_item d ON d.id = f.data_id
                   WHERE f.real_domain_id = p_domain_id AND f.real_data_name = p_name
                     AND NOT (d.domain_id = p_domain_id AND d.name = p_name)
                   ORDER BY f.id LIMIT 1);
  END IF;
  IF v_user IS NULL THEN
    SET v_user = (SELECT CONCAT('메서드 ', m.name) FROM method m
                   WHERE (m.in_domain_id = p_domain_id AND m.in_data_name = p_name)
                      OR (m.out_domain_id = p_domain_id AND m.out_data_name = p_name)
                   ORDER BY m.id LIMIT 1);
  END IF;
  RETURN v_user;
END$$

-- Deletes a data item with its fields or constants; refused while other items, fields or methods use it.
CREATE PROCEDURE metadataViewDeleteMetadata(p_domain_id INT, b_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_user VARCHAR(300);
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_data_guard(p_domain_id, 1);
    CALL require_change_domain_content(p_domain_id);
    IF NOT data_item_exists(p_domain_id, p_name) THEN
      CALL refuse('삭제할 데이타가 없습니다.');
    END IF;
    SET v_user = data_item_user(p_domain_id, p_name);
    IF v_user IS NOT NULL THEN
      CALL refuse(CONCAT('다른 곳에서 사용하는 데이타는 삭제할 수 없습니다. 사용하는 곳: ', v_user));
    END IF;
    DELETE FROM data_item WHERE domain_id = p_domain_id AND name = p_name;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Copies a data item with its fields or constants into another data domain under the same name. An item of a
-- domain the account may not read is answered as a missing one; the copy's references are the item's, so an item
-- that refers to data of such a domain is not copied.
CREATE PROCEDURE metadataViewCopyData(p_data_id INT, p_target_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_source_domain_id INT;
  DECLARE v_name VARCHAR(128);
  DECLARE v_new_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL change_begin(v_own_transaction);
  CALL take_data_guard(p_target_domain_id, 1);
  CALL require_login();
  SET v_source_domain_id = (SELECT d.domain_id FROM data_item d WHERE d.id = p_data_id);
  SET v_name = (SELECT d.name FROM data_item d WHERE d.id = p_data_id);
  IF v_name IS NULL OR domain_hidden(v_source_domain_id) THEN
    CALL refuse('복사할 데이타가 없습니다.');
  END IF;
  CALL require_change_domain_content(p_target_domain_id);
  CALL require_domain_of_kind(p_target_domain_id, 'data');
  IF data_item_exists(p_target_domain_id, v_name) THEN
    CALL refuse('대상 도메인에 같은 이름의 데이타가 이미 있습니다.');
  END IF;
  CALL require_code_copy(p_data_id, p_target_domain_id);
  IF EXISTS (SELECT 1 FROM data_item d WHERE d.id = p_data_id AND domain_hidden(d.real_domain_id))
     OR EXISTS (SELECT 1 FROM data_field f WHERE f.data_id = p_data_id AND domain_hidden(f.real_domain_id)) THEN
    CALL refuse('복사할 데이타가 참조하는 도메인을 볼 수 없어 복사할 수 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM data_item d WHERE d.id = p_data_id
                AND data_reference_loops(p_target_domain_id, v_name, d.real_domain_id, d.real_data_name))
     OR EXISTS (SELECT 1 FROM data_field f WHERE f.data_id = p_data_id
                   AND data_reference_loops(p_target_domain_id, v_name, f.real_domain_id, f.real_data_name)) THEN
    CALL refuse('복사한 데이타의 alias real_data는 순환 구조를 발생합니다.');
  END IF;
  INSERT INTO data_item (domain_id, name, user_id, type, physical, real_domain_id, real_data_name, scmin, scmax,
                         description)
  SELECT p_target_domain_id, d.name, session_account(), d.type, d.physical, d.real_domain_id, d.real_data_name,
         d.scmin, d.scmax, d.description
    FROM data_item d WHERE d.id = p_data_id;
  SET v_new_id = LAST_INSERT_ID();
  INSERT INTO data_field (data_id, seq, member_name, type, physical, bitsize, real_domain_id, real_data_name,
                          scmin, scmax, arraytype, arraysize, description)
  SELECT v_new_id, f.seq, f.member_name, f.type, f.physical, f.bitsize, f.real_domain_id, f.real_data_name,
         f.scmin, f.scmax, f.arraytype, f.arraysize, f.description
    FROM data_field f WHERE f.data_id = p_data_id;
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

DELIMITER ;
