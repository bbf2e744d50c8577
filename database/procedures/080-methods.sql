-- Methods of the method domains.
--
-- The method list answers under the keys the exporters read: a = the method, i and o = its input and output
-- (the method joined again by its primary key), b and c = the domains of the input and output data.
DELIMITER $$

CREATE FUNCTION method_exists(p_domain_id INT, p_name VARCHAR(256)) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name)$$

-- The methods of a domain, by code. The type filter 'ALL' (or NULL, '' or '%') passes every type, any other
-- text only that type; the fourth argument filters nothing; the name names one method, "%" signs alone every one.
-- Columns: 0 type, 1 code, 2 name, 3 input domain id, 4 input data name, 5 output domain id,
-- 6 output data name, 7 author, 8 description, 9 domain id, 10 input domain name, 11 output domain name
-- (3, 4, 10 NULL without input data; 5, 6, 11 NULL without output data).
CREATE PROCEDURE methodViewMethodList(p_domain_id INT, b_kind LONGBLOB, b_type LONGBLOB, b_filter LONGBLOB,
                                      b_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind, p_type, p_filter, p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_type, p_type);
  CALL take_text(b_filter, p_filter);
  CALL take_text(b_name, p_name);
  BEGIN
    DECLARE v_all_types TINYINT DEFAULT p_type IS NULL OR p_type IN ('ALL', '', '%');
    DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
    CALL require_read_domain(p_domain_id);
    CALL remember_read_methods(p_domain_id, p_name);
    SELECT 1 AS test;
    SELECT a.type AS type, a.code AS code, a.name AS method_name,
           i.in_domain_id AS in_domain_id, i.in_data_name AS in_data_name,
           o.out_domain_id AS out_domain_id, o.out_data_name AS out_data_name,
           a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id,
           b.name AS in_domain_name, c.name AS out_domain_name
      FROM method a
      JOIN method i ON i.id = a.id
      JOIN method o ON o.id = a.id
      LEFT JOIN domain b ON b.id = i.in_domain_id
      LEFT JOIN domain c ON c.id = o.out_domain_id
     WHERE a.domain_id = p_domain_id AND (v_every_name OR a.name = p_name) AND (v_all_types OR a.type = p_type)
     ORDER BY a.code, a.name;
  END;
END$$

-- The other methods of the domain that use the code (the method being edited, p_previous_name, is left out);
-- one row per clash, naming the method. The type does not narrow the clash: a code is one message of the domain.
CREATE PROCEDURE check_method_code(p_domain_id INT, p_code BIGINT, b_type LONGBLOB, b_previous_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_type, p_previous_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_type, p_type);
  CALL take_text(b_previous_name, p_previous_name);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT CONCAT(m.name, ' (', m.type, ', 0x', LPAD(HEX(m.code), 4, '0'), ')') AS clash
      FROM method m
     WHERE m.domain_id = p_domain_id AND m.code = p_code AND m.name <> COALESCE(p_previous_name, '')
     ORDER BY m.name;
  END;
END$$

-- What a new or changed method must satisfy. p_name is the method being changed (NULL for a new one).
-- An input or output that the method's type does not carry is refused (new, edited, copied and imported
-- methods alike). A named input or output data that does not exist is refused only when p_check_data is 1 (the
-- dialogs); a document may name data that another document brings.
CREATE PROCEDURE require_valid_method(p_domain_id INT, p_name VARCHAR(256), p_new_name VARCHAR(256),
                                      p_type VARCHAR(64), p_code BIGINT, p_in_domain_id INT,
                                      p_in_data_name VARCHAR(256), p_out_domain_id INT,
                                      p_out_data_name VARCHAR(256), p_check_data TINYINT)
BEGIN
  DECLARE v_clash VARCHAR(128);
  CALL require_name(p_new_name, '메서드 이름을 입력하세요.');
  CALL require_plain_name(p_new_name, p_name);
  CALL require_code_name('method', p_new_name, p_name);
  CALL require_type_keyword(p_type, '메서드 타입을 선택하세요.');
  IF p_code IS NULL OR p_code < 0 OR p_code > 65535 THEN
    CALL refuse('메서드 코드는 0x0000부터 0xFFFF까지입니다.');
  END IF;
  IF (p_name IS NULL OR p_new_name <> p_name) AND method_exists(p_domain_id, p_new_name) THEN
    CALL refuse('같은 이름의 메서드가 이미 있습니다.');
  END IF;
  SET v_clash = (SELECT m.name FROM method m
                  WHERE m.domain_id = p_domain_id AND m.code = p_code AND m.name <> COALESCE(p_name, '')
                  LIMIT 1);
  IF v_clash IS NOT NULL THEN
    CALL refuse(CONCAT('같은 코드의 메서드가 이미 있습니다: ', v_clash));
  END IF;
  -- The type decides which data a method carries (the method dialog's rules), whoever sends it.
  IF p_in_domain_id IS NOT NULL AND p_type IN ('EVENT', 'INFORMATION', 'BROADCAST', 'SIGNALBACK') THEN
    CALL refuse(CONCAT(p_type, ' 메서드는 입력 데이타를 가질 수 없습니다.'));
  END IF;
  IF p_out_domain_id IS NOT NULL AND p_type IN ('SIGNAL', 'COMMAND') THEN
    CALL refuse(CONCAT(p_type, ' 메서드는 출력 데이타를 가질 수 없습니다.'));
  END IF;
  -- Data of a domain the account may not read is answered as missing data (require_data_reference).
  CALL require_data_reference(p_in_domain_id, p_in_data_name,
                              (SELECT m.in_domain_id FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name),
                              (SELECT m.in_data_name FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name),
                              p_check_data, '입력 데이타가 없습니다.');
  CALL require_data_reference(p_out_domain_id, p_out_data_name,
                              (SELECT m.out_domain_id FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name),
                              (SELECT m.out_data_name FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name),
                              p_check_data, '출력 데이타가 없습니다.');
END$$

CREATE PROCEDURE insert_method(p_domain_id INT, p_name VARCHAR(256), p_type VARCHAR(64), p_code BIGINT,
                               p_in_domain_id INT, p_in_data_name VARCHAR(256), p_out_domain_id INT,
                               p_out_data_name VARCHAR(256), p_description TEXT, p_check_data TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_in_domain_id INT DEFAULT method_data_domain(p_in_domain_id, p_in_data_name);
  DECLARE v_in_name VARCHAR(128) DEFAULT method_data_name(p_in_domain_id, p_in_data_name);
  DECLARE v_out_domain_id INT DEFAULT method_data_domain(p_out_domain_id, p_out_data_name);
  DECLARE v_out_name VARCHAR(128) DEFAULT method_data_name(p_out_domain_id, p_out_data_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL change_begin(v_own_transaction);
  CALL take_method_guard(p_domain_id, v_in_domain_id, v_out_domain_id);
  CALL require_valid_method(p_domain_id, NULL, p_name, p_type, p_code, v_in_domain_id, v_in_name,
                            v_out_domain_id, v_out_name, p_check_data);
  INSERT INTO method (domain_id, name, type, code, in_domain_id, in_data_name, out_domain_id, out_data_name,
                      user_id, description)
  VALUES (p_domain_id, p_name, p_type, p_code, v_in_domain_id, v_in_name, v_out_domain_id, v_out_name,
          session_account(), COALESCE(p_description, ''));
  CALL remember_new_row('method', LAST_INSERT_ID());
  CALL change_commit(v_own_transaction);
END$$

CREATE PROCEDURE update_method(p_domain_id INT, p_name VARCHAR(256), p_new_name VARCHAR(256), p_type VARCHAR(64),
                               p_code BIGINT, p_in_domain_id INT, p_in_data_name VARCHAR(256), p_out_domain_id INT,
                               p_out_data_name VARCHAR(256), p_description TEXT, p_check_data TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_in_domain_id INT DEFAULT method_data_domain(p_in_domain_id, p_in_data_name);
  DECLARE v_in_name VARCHAR(128) DEFAULT method_data_name(p_in_domain_id, p_in_data_name);
  DECLARE v_out_domain_id INT DEFAULT method_data_domain(p_out_domain_id, p_out_data_name);
  DECLARE v_out_name VARCHAR(128) DEFAULT method_data_name(p_out_domain_id, p_out_data_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL change_begin(v_own_transaction);
  CALL take_method_guard(p_domain_id, v_in_domain_id, v_out_domain_id);
  IF NOT method_exists(p_domain_id, p_name) THEN
    CALL refuse('수정할 메서드가 없습니다.');
  END IF;
  -- A member of a locked interface keeps what the generated code of the parent system depends on.
  IF EXISTS (SELECT 1 FROM method m
              WHERE m.domain_id = p_domain_id AND m.name = p_name AND sys_method_locked(m.id)
                AND NOT (m.name <=> p_new_name AND m.type <=> p_type AND m.code <=> p_code
                         AND m.in_domain_id <=> v_in_domain_id AND m.in_data_name <=> v_in_name
                         AND m.out_domain_id <=> v_out_domain_id AND m.out_data_name <=> v_out_name)) THEN
    CALL refuse('*수정 불가* Lock 상태인 System과 연결된 Interface의 멤버 메서드입니다. 설명만 바꿀 수 있습니다.');
  END IF;
  CALL require_valid_method(p_domain_id, p_name, p_new_name, p_type, p_code, v_in_domain_id, v_in_name,
                            v_out_domain_id, v_out_name, p_check_data);
  UPDATE method m
     SET m.name = p_new_name, m.type = p_type, m.code = p_code,
         m.in_domain_id = v_in_domain_id, m.in_data_name = v_in_name,
         m.out_domain_id = v_out_domain_id, m.out_data_name = v_out_name,
         m.description = COALESCE(p_description, ''), m.last_update = NOW()
   WHERE m.domain_id = p_domain_id AND m.name = p_name;
  CALL remember_own_change('method', method_row_id(p_domain_id, p_new_name));
  CALL change_commit(v_own_transaction);
END$$

-- A new method; its input and output data are given by (domain id, name), 0 and '' or 'NULL' for none.
CREATE PROCEDURE methodViewNewMethod(p_domain_id INT, b_type LONGBLOB, p_code BIGINT, b_name LONGBLOB,
                                     p_in_domain_id INT, b_in_data_name LONGBLOB, p_out_domain_id INT,
                                     b_out_data_name LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_type, p_name, p_in_data_name, p_out_data_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_type, p_type);
  CALL take_text(b_name, p_name);
  CALL take_text(b_in_data_name, p_in_data_name);
  CALL take_text(b_out_data_name, p_out_data_name);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'method');
    CALL insert_method(p_domain_id, p_name, p_type, p_code, p_in_domain_id, p_in_data_name, p_out_domain_id,
                       p_out_data_name, p_description, 1);
    SELECT 1 AS test;
  END;
END$$

-- Changes the method (p_domain_id, p_name); its interface memberships follow a rename. A member of a locked
-- interface may change its description only.
CREATE PROCEDURE methodViewEditMethod(p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB, p_code BIGINT,
                                      b_new_name LONGBLOB, p_in_domain_id INT, b_in_data_name LONGBLOB,
                                      p_out_domain_id INT, b_out_data_name LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_new_name, p_in_data_name, p_out_data_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_new_name, p_new_name);
  CALL take_text(b_in_data_name, p_in_data_name);
  CALL take_text(b_out_data_name, p_out_data_name);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    -- The check and the change run as one unit, with the guards update_method takes taken first. Inside a caller's
    -- transaction update_method keeps its own savepoint, which would release one of this edit's taken before it.
    IF v_own_transaction THEN
      CALL change_begin(v_own_transaction);
    END IF;
    CALL take_method_guard(p_domain_id, method_data_domain(p_in_domain_id, p_in_data_name),
                           method_data_domain(p_out_domain_id, p_out_data_name));
    CALL require_change_domain_content(p_domain_id);
    CALL require_unchanged_since_read('method', method_row_id(p_domain_id, p_name));
    CALL update_method(p_domain_id, p_name, p_new_name, p_type, p_code, p_in_domain_id, p_in_data_name,
                       p_out_domain_id, p_out_data_name, p_description, 1);
    IF v_own_transaction THEN
      CALL change_commit(v_own_transaction);
    END IF;
    SELECT 1 AS test;
  END;
END$$

-- Deletes the method with its interface memberships; a member of a locked interface stays.
CREATE PROCEDURE methodViewDeleteMethod(p_domain_id INT, b_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    IF NOT method_exists(p_domain_id, p_name) THEN
      CALL refuse('삭제할 메서드가 없습니다.');
    END IF;
    IF EXISTS (SELECT 1 FROM method m WHERE m.domain_id = p_domain_id AND m.name = p_name AND sys_method_locked(m.id)) THEN
      CALL refuse('*삭제 불가* Lock 상태인 System과 연결된 Interface의 멤버 메서드입니다.');
    END IF;
    DELETE FROM method WHERE domain_id = p_domain_id AND name = p_name;
    SELECT 1 AS test;
  END;
END$$

-- The data domains a method domain uses (its links of flag 1), for the method dialog's data choosers.
-- Columns as the real-domain lists of the data dialogs.
CREATE PROCEDURE methodViewNewMethodRealdomainList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT d.id AS id, d.kind AS kind, d.upper_id AS upper_id, d.name AS name, d.user_id AS user_id,
         d.public AS public, d.create_date AS create_date, d.last_update AS last_update,
         d.description AS description
    FROM domain_parent l
    JOIN domain d ON d.id = l.parent_id AND d.kind = 'data'
   WHERE l.domain_id = p_domain_id AND l.flag = 1 AND can_read_domain(d.id)
   ORDER BY l.seq;
END$$

CREATE PROCEDURE methodViewNewMethodRealmetadataList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL real_data_rows(p_domain_id);
END$$

DELIMITER ;
