-- What the data, method and interface procedures share: name checks, the resolution of data references, the
-- loop check of data references, and the C++ qualifier of a method domain.
--
-- A change of several rows runs as one unit through change_begin, change_commit and change_abort (001-rights.sql).
-- The procedures here begin the change before their first check, so that a refusal always returns to a savepoint
-- of their own.
DELIMITER $$

-- Refuses an empty name, and one longer than the name columns hold.
CREATE PROCEDURE require_name(p_name TEXT, p_empty_message VARCHAR(200))
BEGIN
  IF p_name IS NULL OR TRIM(p_name) = '' THEN
    CALL refuse(p_empty_message);
  END IF;
  IF CHAR_LENGTH(p_name) > 128 THEN
    CALL refuse('이름이 너무 깁니다. 128자까지 쓸 수 있습니다.');
  END IF;
  CALL require_usable_name(p_name);
END$$

-- Refuses an empty type keyword, and one longer than the type columns hold.
CREATE PROCEDURE require_type_keyword(p_type TEXT, p_empty_message VARCHAR(200))
BEGIN
  IF p_type IS NULL OR TRIM(p_type) = '' THEN
    CALL refuse(p_empty_message);
  END IF;
  IF CHAR_LENGTH(p_type) > 32 THEN
    CALL refuse('타입 이름이 너무 깁니다. 32자까지 쓸 수 있습니다.');
  END IF;
END$$

-- The name argument of a list names one item, or with "%" signs alone ('%', '%%', as the trees send it; or NULL)
-- every item. A name is never taken for a pattern: "%", "_" and "\" in it stand for themselves, so that a call
-- naming one item finds that item only.
CREATE FUNCTION names_every_item(p_argument TEXT) RETURNS TINYINT
  DETERMINISTIC
  RETURN p_argument IS NULL OR p_argument REGEXP '^%+$'$$

-- A reference to a data item arrives as (domain id, name); (0, ''), (0, 'NULL') and NULLs mean none.
-- Only an alias (a data item or a field of type 'alias') keeps one.
CREATE FUNCTION reference_domain(p_type TEXT, p_domain_id INT, p_name TEXT) RETURNS INT
  DETERMINISTIC
  RETURN IF(p_type = 'alias' AND p_domain_id > 0 AND p_name IS NOT NULL AND p_name NOT IN ('', 'NULL'),
            p_domain_id, NULL)$$

CREATE FUNCTION reference_name(p_type TEXT, p_domain_id INT, p_name TEXT) RETURNS VARCHAR(128)
  DETERMINISTIC
  RETURN IF(reference_domain(p_type, p_domain_id, p_name) IS NULL, NULL, p_name)$$

-- A method's input or output data: (0, ''), (0, 'NULL') and NULLs mean none.
CREATE FUNCTION method_data_domain(p_domain_id INT, p_name TEXT) RETURNS INT
  DETERMINISTIC
  RETURN IF(p_domain_id > 0 AND p_name IS NOT NULL AND p_name NOT IN ('', 'NULL'), p_domain_id, NULL)$$

CREATE FUNCTION method_data_name(p_domain_id INT, p_name TEXT) RETURNS VARCHAR(128)
  DETERMINISTIC
  RETURN IF(method_data_domain(p_domain_id, p_name) IS NULL, NULL, p_name)$$

CREATE FUNCTION data_item_exists(p_domain_id INT, p_name TEXT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name)$$

-- The data a new or changed reference names (p_domain_id NULL: none). With p_check (the dialogs) it must exist;
-- a document may name data that arrives later, but only in a data domain that stands (a document's domains
-- arrive before its data). Either way data of a domain the account may not read is refused with the text of
-- missing data, as is data of a domain that does not stand, so that no answer tells the one from the other;
-- unless the item held that very reference already (p_old_*): keeping it shows nothing new.
CREATE PROCEDURE require_data_reference(p_domain_id INT, p_name TEXT, p_old_domain_id INT, p_old_name TEXT,
                                        p_check TINYINT, p_missing VARCHAR(200))
BEGIN
  IF p_domain_id IS NOT NULL
     AND ((p_check AND NOT data_item_exists(p_domain_id, p_name))
          OR (NOT (p_domain_id <=> p_old_domain_id AND BINARY p_name <=> BINARY p_old_name)
              AND (domain_hidden(p_domain_id)
                   OR NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id AND d.kind = 'data')))) THEN
    CALL refuse(p_missing);
  END IF;
END$$

-- How deep data may nest through alias references (aliases of aliases, structures with alias fields).
CREATE FUNCTION data_depth_limit() RETURNS INT
  DETERMINISTIC
  RETURN 32$$

-- 1 when a reference from the item (p_domain_id, p_name) to (p_real_domain_id, p_real_name) would close a loop:
-- when the referenced data leads, through aliases and alias fields, back to the item, or nests deeper than the
-- limit. Keys are compared, so an item that does not exist yet is checked as well.
CREATE FUNCTION data_reference_loops(p_domain_id INT, p_name VARCHAR(128), p_real_domain_id INT,
                                     p_real_name VARCHAR(128)) RETURNS TINYINT
  READS SQL DATA
BEGIN
  DECLARE v_found TINYINT DEFAULT 0;
  IF p_real_domain_id IS NULL OR p_real_name IS NULL THEN
    RETURN 0;
  END IF;
  WITH RECURSIVE reached (domain_id, name, depth) AS (
    SELECT p_real_domain_id, p_real_name, 1
    UNION
    SELECT d.real_domain_id, d.real_data_name, r.depth + 1
      FROM reached r
      JOIN data_item d ON d.domain_id = r.domain_id AND d.name = r.name
     WHERE d.real_domain_id IS NOT NULL AND r.depth <= data_depth_limit()
    UNION
    SELECT f.real_domain_id, f.real_data_name, r.depth + 1
      FROM reached r
      JOIN data_item d ON d.domain_id = r.domain_id AND d.name = r.name
      JOIN data_field f ON f.data_id = d.id
     WHERE f.real_domain_id IS NOT NULL AND r.depth <= data_depth_limit()
  )
  SELECT EXISTS (SELECT 1 FROM reached
                  WHERE (reached.domain_id = p_domain_id AND reached.name = p_name)
                     OR reached.depth > data_depth_limit())
    INTO v_found;
  RETURN v_found;
END$$

CREATE PROCEDURE require_no_data_loop(p_domain_id INT, p_name VARCHAR(128), p_real_domain_id INT,
                                      p_real_name VARCHAR(128))
BEGIN
  IF data_reference_loops(p_domain_id, p_name, p_real_domain_id, p_real_name) THEN
    CALL refuse('선택한 alias 타입 real_data는 순환 구조를 발생합니다.');
  END IF;
END$$

-- The C++ qualifier of a method domain's classes, as the generated headers name them: '::Tamo::Method' followed
-- by '::' and the name of each ancestor from the top down (the header path that get_domain_path gives). The SDK's
-- own domain, a top-level domain named exactly 'Tamo', is 'tamosdk', which the generators leave unqualified.
CREATE FUNCTION method_domain_qualifier(p_domain_id INT) RETURNS VARCHAR(4096)
  READS SQL DATA
BEGIN
  DECLARE v_path TEXT DEFAULT domain_path(p_domain_id);
  IF EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id AND d.upper_id = 0 AND d.name = 'Tamo') THEN
    RETURN 'tamosdk';
  END IF;
  RETURN CONCAT('::Tamo::Method', IF(v_path = '', '', CONCAT('::', REPLACE(TRIM(TRAILING '\\' FROM v_path), '\\', '::'))));
END$$

DELIMITER ;
