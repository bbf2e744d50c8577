-- Fields of structures and constants of enumerations (type 'const', value in the minimum), in member order.
--
-- The field list answers under the keys the exporters read: a = the field, i = its alias reference (the field
-- joined again by its primary key), b = the domain of its data type.
DELIMITER $$

CREATE FUNCTION data_item_id(p_domain_id INT, p_name VARCHAR(256)) RETURNS INT
  READS SQL DATA
  RETURN (SELECT d.id FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name)$$

CREATE FUNCTION data_field_exists(p_data_id INT, p_member_name VARCHAR(256)) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM data_field f WHERE f.data_id = p_data_id AND f.member_name = p_member_name)$$

-- The fields or constants of one item, in member order. Columns: 0 domain id, 1 data name, 2 member name,
-- 3 real domain id, 4 real domain name, 5 real data name (3-5 NULL unless the field is an alias),
-- 6 physical quantity, 7 type, 8 bit size, 9 minimum (a constant's value), 10 maximum, 11 array type,
-- 12 array size, 13 last update, 14 description.
CREATE PROCEDURE metadataViewMetafieldList(p_domain_id INT, b_name LONGBLOB, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_name, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_domain_id);
    CALL remember_read_data_fields(p_domain_id, p_name);
    SELECT 1 AS test;
    SELECT d.domain_id AS domain_id, d.name AS data_name, a.member_name AS member_name,
           i.real_domain_id AS real_domain_id, b.name AS real_domain_name, i.real_data_name AS real_data_name,
           a.physical AS physical, a.type AS type, a.bitsize AS bitsize, a.scmin AS scimin, a.scmax AS scimax,
           a.arraytype AS arraytype, a.arraysize AS arraysize, a.last_update AS last_update,
           a.description AS description
      FROM data_item d
      JOIN data_field a ON a.data_id = d.id
      JOIN data_field i ON i.id = a.id
      LEFT JOIN domain b ON b.id = i.real_domain_id
     WHERE d.domain_id = p_domain_id AND d.name = p_name
     ORDER BY a.seq;
  END;
END$$

-- Checks what a new or changed field must satisfy; the owner (p_data_id) exists. p_old_real_*: the reference the
-- field holds before the change (NULL for a new field).
CREATE PROCEDURE require_valid_field(p_domain_id INT, p_data_name VARCHAR(256), p_member_name VARCHAR(256),
                                     p_type VARCHAR(64), p_arraytype VARCHAR(64), p_arraysize INT,
                                     p_real_domain_id INT, p_real_name VARCHAR(256), p_old_real_domain_id INT,
                                     p_old_real_name VARCHAR(256), p_check_real TINYINT)
BEGIN
  CALL require_name(p_member_name, '필드 이름을 입력하세요.');
  CALL require_type_keyword(p_type, '필드 타입을 선택하세요.');
  IF COALESCE(p_arraytype, '') NOT IN ('', 'NO', 'FIX', 'VARIABLE') THEN
    CALL refuse('배열 타입은 NO, FIX, VARIABLE 중 하나입니다.');
  END IF;
  IF COALESCE(p_arraysize, 0) < 0 THEN
    CALL refuse('배열 크기는 0 이상이어야 합니다.');
  END IF;
  CALL require_data_reference(p_real_domain_id, p_real_name, p_old_real_domain_id, p_old_real_name, p_check_real,
                              '선택한 실제 데이타가 없습니다.');
  IF data_reference_loops(p_domain_id, p_data_name, p_real_domain_id, p_real_name) THEN
    CALL refuse(CONCAT(p_data_name, ' 는 수정한 alias real_data는 순환 구조를 발생합니다.'));
  END IF;
END$$

CREATE PROCEDURE require_field_owner(p_data_id INT, p_data_type VARCHAR(32))
BEGIN
  IF p_data_id IS NULL THEN
    CALL refuse('필드를 가진 데이타가 없습니다.');
  END IF;
  IF NOT data_type_has_fields(p_data_type) THEN
    CALL refuse('필드와 상수는 구조체와 열거형에만 있습니다.');
  END IF;
END$$

-- The largest value an enumeration type holds; NULL for a type that is no enumeration.
CREATE FUNCTION enum_type_max(p_type VARCHAR(64)) RETURNS DECIMAL(20,0)
  DETERMINISTIC
  RETURN CASE p_type WHEN 'enum8_t' THEN 255 WHEN 'enum16_t' THEN 65535 WHEN 'enum32_t' THEN 4294967295
                     WHEN 'enum64_t' THEN 18446744073709551615 END$$

-- The number a constant's value stands for where the generated header writes it as it stands: decimal digits
-- without a leading zero (which would make it octal), or 0x and hexadecimal digits; NULL for any other text and
-- for a number of more than 64 bits.
CREATE FUNCTION enum_constant_number(p_value TEXT) RETURNS DECIMAL(20,0)
  DETERMINISTIC
BEGIN
  DECLARE v_digits TEXT;
  IF p_value IS NULL OR LOCATE(CHAR(10), p_value) > 0 THEN
    RETURN NULL;
  END IF;
  IF p_value REGEXP '^(0|[1-9][0-9]{0,19})$' THEN
    RETURN CAST(p_value AS DECIMAL(20,0));
  END IF;
  IF p_value REGEXP '^0[xX][0-9A-Fa-f]+$' THEN
    SET v_digits = TRIM(LEADING '0' FROM SUBSTRING(p_value, 3));
    RETURN IF(CHAR_LENGTH(v_digits) > 16, NULL, CAST(CONV(IF(v_digits = '', '0', v_digits), 16, 10) AS DECIMAL(20,0)));
  END IF;
  RETURN NULL;
END$$

-- Every member of an enumeration is one of its constants in the generated header: its value (the minimum) must be
-- an integer that the enumeration's type holds. Other owners pass.
CREATE PROCEDURE require_fitting_constant(p_data_type VARCHAR(32), p_member_name VARCHAR(256), p_value TEXT)
BEGIN
  DECLARE v_max DECIMAL(20,0) DEFAULT enum_type_max(p_data_type);
  DECLARE v_number DECIMAL(20,0) DEFAULT enum_constant_number(p_value);
  IF v_max IS NOT NULL AND (v_number IS NULL OR v_number > v_max) THEN
    CALL refuse(CONCAT('상수 ', p_member_name, '의 값은 ', p_data_type, '에 담을 수 있는 0부터 ', v_max,
                       '까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 합니다.'));
  END IF;
END$$

-- An item whose type changes to an enumeration keeps only constants that its new type holds. (An item that keeps
-- its type is not judged by values stored before they were checked.)
CREATE PROCEDURE require_fitting_constants(p_data_id INT, p_data_type VARCHAR(32))
BEGIN
  DECLARE v_member VARCHAR(128);
  DECLARE v_value VARCHAR(256);
  DECLARE v_old_type VARCHAR(32);
  SELECT d.type INTO v_old_type FROM data_item d WHERE d.id = p_data_id;
  IF enum_type_max(p_data_type) IS NOT NULL AND NOT (v_old_type <=> p_data_type) THEN
    SELECT f.member_name, f.scmin INTO v_member, v_value
      FROM data_field f
     WHERE f.data_id = p_data_id
       AND (enum_constant_number(f.scmin) IS NULL OR enum_constant_number(f.scmin) > enum_type_max(p_data_type))
     ORDER BY f.seq
     LIMIT 1;
    IF v_member IS NOT NULL THEN
      CALL require_fitting_constant(p_data_type, v_member, v_value);
    END IF;
  END IF;
END$$

-- Appends a field (or constant) to the end of an item's members. A real data that does not exist is
-- refused only when p_check_real is 1 (the dialogs); a document may name data that arrives later.
CREATE PROCEDURE append_field(p_domain_id INT, p_data_name VARCHAR(256), p_member_name VARCHAR(256),
                              p_bitsize INT, p_type VARCHAR(64), p_physical VARCHAR(256), p_real_domain_id INT,
                              p_real_name VARCHAR(256), p_scmin VARCHAR(256), p_scmax VARCHAR(256),
                              p_arraytype VARCHAR(64), p_arraysize INT, p_description TEXT, p_check_real TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_data_id INT DEFAULT data_item_id(p_domain_id, p_data_name);
  DECLARE v_real_domain_id INT DEFAULT reference_domain(p_type, p_real_domain_id, p_real_name);
  DECLARE v_real_name VARCHAR(128) DEFAULT reference_name(p_type, p_real_domain_id, p_real_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL change_begin(v_own_transaction);
  CALL take_data_guard(p_domain_id, v_real_domain_id IS NOT NULL);
  CALL require_field_owner(v_data_id, (SELECT d.type FROM data_item d WHERE d.id = v_data_id));
  CALL require_valid_field(p_domain_id, p_data_name, p_member_name, p_type, p_arraytype, p_arraysize,
                           v_real_domain_id, v_real_name, NULL, NULL, p_check_real);
  CALL require_plain_name(p_member_name, NULL);
  CALL require_fitting_constant((SELECT d.type FROM data_item d WHERE d.id = v_data_id), p_member_name,
                                COALESCE(p_scmin, ''));
  IF data_field_exists(v_data_id, p_member_name) THEN
    CALL refuse('같은 이름의 필드가 이미 있습니다.');
  END IF;
  CALL require_code_field(v_data_id, NULL, p_member_name, NULL, p_type, p_bitsize, p_scmin, p_scmax, p_arraytype, p_arraysize);
  INSERT INTO data_field (data_id, seq, member_name, type, physical, bitsize, real_domain_id, real_data_name,
                          scmin, scmax, arraytype, arraysize, description)
  SELECT v_data_id, COALESCE(MAX(f.seq), 0) + 1, p_member_name, p_type, COALESCE(p_physical, ''),
         COALESCE(p_bitsize, 0), v_real_domain_id, v_real_name, COALESCE(p_scmin, ''), COALESCE(p_scmax, ''),
         IF(COALESCE(p_arraytype, '') = '', 'NO', p_arraytype), COALESCE(p_arraysize, 0),
         COALESCE(p_description, '')
    FROM data_field f WHERE f.data_id = v_data_id;
  CALL remember_new_row('data_field', LAST_INSERT_ID());
  CALL change_commit(v_own_transaction);
END$$

-- Changes a field in place: (p_member_name) identifies it, its position stays.
CREATE PROCEDURE change_field(p_domain_id INT, p_data_name VARCHAR(256), p_member_name VARCHAR(256),
                              p_new_member_name VARCHAR(256), p_bitsize INT, p_type VARCHAR(64),
                              p_physical VARCHAR(256), p_real_domain_id INT, p_real_name VARCHAR(256),
                              p_scmin VARCHAR(256), p_scmax VARCHAR(256), p_arraytype VARCHAR(64), p_arraysize INT,
                              p_description TEXT, p_check_real TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_data_id INT DEFAULT data_item_id(p_domain_id, p_data_name);
  DECLARE v_real_domain_id INT DEFAULT reference_domain(p_type, p_real_domain_id, p_real_name);
  DECLARE v_real_name VARCHAR(128) DEFAULT reference_name(p_type, p_real_domain_id, p_real_name);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL change_begin(v_own_transaction);
  CALL take_data_guard(p_domain_id, v_real_domain_id IS NOT NULL);
  IF v_data_id IS NULL THEN
    CALL refuse('필드를 가진 데이타가 없습니다.');
  END IF;
  IF NOT data_field_exists(v_data_id, p_member_name) THEN
    CALL refuse('수정할 필드가 없습니다.');
  END IF;
  CALL require_valid_field(p_domain_id, p_data_name, p_new_member_name, p_type, p_arraytype, p_arraysize,
                           v_real_domain_id, v_real_name,
                           (SELECT f.real_domain_id FROM data_field f WHERE f.data_id = v_data_id AND f.member_name = p_member_name),
                           (SELECT f.real_data_name FROM data_field f WHERE f.data_id = v_data_id AND f.member_name = p_member_name),
                           p_check_real);
  CALL require_plain_name(p_new_member_name, p_member_name);
  CALL require_fitting_constant((SELECT d.type FROM data_item d WHERE d.id = v_data_id), p_new_member_name,
                                COALESCE(p_scmin, ''));
  IF p_new_member_name <> p_member_name AND data_field_exists(v_data_id, p_new_member_name) THEN
    CALL refuse('같은 이름의 필드가 이미 있습니다.');
  END IF;
  CALL require_code_field(v_data_id, (SELECT f.id FROM data_field f WHERE f.data_id = v_data_id AND f.member_name = p_member_name), p_new_member_name, p_member_name, p_type, p_bitsize, p_scmin, p_scmax, p_arraytype, p_arraysize);
  UPDATE data_field f
     SET f.member_name = p_new_member_name, f.type = p_type, f.bitsize = COALESCE(p_bitsize, 0),
         f.physical = COALESCE(p_physical, f.physical),
         f.real_domain_id = v_real_domain_id, f.real_data_name = v_real_name,
         f.scmin = COALESCE(p_scmin, ''), f.scmax = COALESCE(p_scmax, ''),
         f.arraytype = IF(COALESCE(p_arraytype, '') = '', 'NO', p_arraytype),
         f.arraysize = COALESCE(p_arraysize, 0), f.description = COALESCE(p_description, ''),
         f.last_update = NOW()
   WHERE f.data_id = v_data_id AND f.member_name = p_member_name;
  CALL remember_own_change('data_field', data_field_row_id(p_domain_id, p_data_name, p_new_member_name));
  CALL change_commit(v_own_transaction);
END$$

CREATE PROCEDURE metadataViewNewMetafield(p_domain_id INT, b_data_name LONGBLOB, b_member_name LONGBLOB,
                                          p_bitsize INT, b_type LONGBLOB, p_real_domain_id INT,
                                          b_real_name LONGBLOB, b_scmin LONGBLOB, b_scmax LONGBLOB,
                                          b_arraytype LONGBLOB, p_arraysize INT, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_data_name, p_member_name, p_type, p_real_name, p_scmin, p_scmax, p_arraytype, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_data_name, p_data_name);
  CALL take_text(b_member_name, p_member_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_real_name, p_real_name);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_arraytype, p_arraytype);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL append_field(p_domain_id, p_data_name, p_member_name, p_bitsize, p_type, '', p_real_domain_id, p_real_name,
                      p_scmin, p_scmax, p_arraytype, p_arraysize, p_description, 1);
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE metadataViewEditMetafield(p_domain_id INT, b_data_name LONGBLOB, b_member_name LONGBLOB,
                                           b_new_member_name LONGBLOB, p_bitsize INT, b_type LONGBLOB,
                                           p_real_domain_id INT, b_real_name LONGBLOB, b_scmin LONGBLOB,
                                           b_scmax LONGBLOB, b_arraytype LONGBLOB, p_arraysize INT,
                                           b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_data_name, p_member_name, p_new_member_name, p_type, p_real_name, p_scmin, p_scmax, p_arraytype,
          p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_data_name, p_data_name);
  CALL take_text(b_member_name, p_member_name);
  CALL take_text(b_new_member_name, p_new_member_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_real_name, p_real_name);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_arraytype, p_arraytype);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    -- The check and the change run as one unit, with the guards change_field takes taken first. Inside a caller's
    -- transaction change_field keeps its own savepoint, which would release one of this edit's taken before it.
    IF v_own_transaction THEN
      CALL change_begin(v_own_transaction);
    END IF;
    CALL take_data_guard(p_domain_id, reference_domain(p_type, p_real_domain_id, p_real_name) IS NOT NULL);
    CALL require_change_domain_content(p_domain_id);
    CALL require_unchanged_since_read('data_field', data_field_row_id(p_domain_id, p_data_name, p_member_name));
    CALL require_kept_field_real_data(p_domain_id, p_data_name, p_member_name, p_type, p_real_domain_id, p_real_name);
    CALL change_field(p_domain_id, p_data_name, p_member_name, p_new_member_name, p_bitsize, p_type, NULL,
                      p_real_domain_id, p_real_name, p_scmin, p_scmax, p_arraytype, p_arraysize, p_description, 1);
    IF v_own_transaction THEN
      CALL change_commit(v_own_transaction);
    END IF;
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE metadataViewDeleteMetafield(p_domain_id INT, b_data_name LONGBLOB, b_member_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_data_name, p_member_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_data_name, p_data_name);
  CALL take_text(b_member_name, p_member_name);
  BEGIN
    DECLARE v_data_id INT DEFAULT data_item_id(p_domain_id, p_data_name);
    CALL require_change_domain_content(p_domain_id);
    IF p_member_name IS NULL OR p_member_name = '' THEN
      CALL refuse('삭제할 필드를 선택하세요.');
    END IF;
    IF v_data_id IS NULL OR NOT data_field_exists(v_data_id, p_member_name) THEN
      CALL refuse('삭제할 필드가 없습니다.');
    END IF;
    DELETE FROM data_field WHERE data_id = v_data_id AND member_name = p_member_name;
    SELECT 1 AS test;
  END;
END$$

-- Swaps the positions of two members of one item (move up, move down).
CREATE PROCEDURE metadataViewEditMetafieldSeq(p_domain_id INT, b_kind LONGBLOB, b_data_name LONGBLOB,
                                              b_member_name LONGBLOB, b_other_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_data_name, p_member_name, p_other_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_data_name, p_data_name);
  CALL take_text(b_member_name, p_member_name);
  CALL take_text(b_other_name, p_other_name);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_data_id INT;
    DECLARE v_seq INT;
    DECLARE v_other_seq INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL require_change_domain_content(p_domain_id);
    SET v_data_id = data_item_id(p_domain_id, p_data_name);
    SET v_seq = (SELECT f.seq FROM data_field f WHERE f.data_id = v_data_id AND f.member_name = p_member_name);
    SET v_other_seq = (SELECT f.seq FROM data_field f WHERE f.data_id = v_data_id AND f.member_name = p_other_name);
    IF v_seq IS NULL OR v_other_seq IS NULL THEN
      CALL refuse('순서를 바꿀 필드가 없습니다.');
    END IF;
    UPDATE data_field f SET f.seq = 0 WHERE f.data_id = v_data_id AND f.seq = v_seq;
    UPDATE data_field f SET f.seq = v_seq WHERE f.data_id = v_data_id AND f.seq = v_other_seq;
    UPDATE data_field f SET f.seq = v_other_seq WHERE f.data_id = v_data_id AND f.seq = 0;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

DELIMITER ;
