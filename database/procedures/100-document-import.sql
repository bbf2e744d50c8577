-- The import of a method-domain document: every row is merged by its key. Domains are keyed by their id,
-- data items, methods and interfaces by (domain id, name), fields by (domain id, data name, member name):
-- a row whose key exists updates it, any other row creates it. None of these procedures commits, so the
-- editor may wrap a whole import (and the deletions of its replace mode) in one transaction.
DELIMITER $$

-- The largest id a document may give a new domain. The id counter of the domains follows an imported id, so a
-- document near the top of the id range would leave no id for the domains created after it.
CREATE FUNCTION imported_domain_id_limit() RETURNS INT
  DETERMINISTIC
  RETURN 1000000000$$

-- A domain of the document under its own id. A new domain is placed under the given parent when that is a
-- domain of the same kind that the account may read, else at the top level, and its importer becomes its
-- manager; its id is at most imported_domain_id_limit(). An existing domain keeps its place in the tree and takes
-- the name, port, public flag and description of the document.
CREATE PROCEDURE xmldocumentViewimportDomain(p_id INT, p_upper_id INT, b_kind LONGBLOB, b_name LONGBLOB,
                                             p_standard_port INT, p_public INT, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_kind VARCHAR(16);
    DECLARE v_upper_id INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_guard('domains');
    CALL require_login();
    IF p_kind IS NULL OR p_kind NOT IN ('data', 'method') THEN
      CALL refuse('문서에서 가져올 수 있는 도메인은 데이타 도메인과 메서드 도메인입니다.');
    END IF;
    IF COALESCE(p_id, 0) < 1 THEN
      CALL refuse('문서의 도메인 id가 올바르지 않습니다.');
    END IF;
    CALL require_domain_name(p_name);
    CALL require_plain_name(p_name, (SELECT d.name FROM domain d WHERE d.id = p_id));
    CALL require_code_domain_name(p_kind, NULL, p_name, (SELECT d.name FROM domain d WHERE d.id = p_id));
    CALL require_standard_port(p_kind, p_standard_port);
    SET v_kind = (SELECT d.kind FROM domain d WHERE d.id = p_id);
    IF v_kind IS NOT NULL AND v_kind <> p_kind THEN
      CALL refuse('문서의 도메인 id를 다른 종류의 도메인이 쓰고 있습니다.');
    END IF;
    IF v_kind IS NULL THEN
      IF p_id > imported_domain_id_limit() THEN
        CALL refuse(CONCAT('문서의 새 도메인 id는 1부터 ', imported_domain_id_limit(), '까지 쓸 수 있습니다: ', p_id));
      END IF;
      -- A parent the account may not read is answered as a missing one.
      SET v_upper_id = COALESCE((SELECT d.id FROM domain d
                                  WHERE d.id = p_upper_id AND d.kind = p_kind AND domain_hidden(d.id) = 0), 0);
      CALL require_create_domain_under(v_upper_id);
    ELSE
      SET v_upper_id = (SELECT d.upper_id FROM domain d WHERE d.id = p_id);
      CALL require_manage_domain(p_id);
    END IF;
    CALL require_free_domain_name(p_id, p_kind, v_upper_id, p_name);
    IF v_kind IS NULL THEN
      INSERT INTO domain (id, kind, upper_id, name, user_id, public, standard_port, description)
      VALUES (p_id, p_kind, v_upper_id, p_name, session_account(), public_flag(p_public),
              IF(p_kind = 'method', COALESCE(p_standard_port, 0), 0), COALESCE(p_description, ''));
      CALL remember_new_row('domain', p_id);
      INSERT INTO domain_member (domain_id, user_id, grade) VALUES (p_id, session_account(), 'manager');
    ELSE
      UPDATE domain d
         SET d.name = p_name, d.public = public_flag(p_public),
             d.standard_port = IF(p_kind = 'method', COALESCE(p_standard_port, 0), 0),
             d.description = COALESCE(p_description, ''), d.last_update = NOW()
       WHERE d.id = p_id;
      CALL remember_own_change('domain', p_id);
    END IF;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- A data item of the document; its reference names the real data by (domain id, name), which may arrive
-- later in the same document.
CREATE PROCEDURE xmldocumentViewimportData(p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB, b_physical LONGBLOB,
                                           p_real_domain_id INT, b_real_name LONGBLOB, b_scmin LONGBLOB,
                                           b_scmax LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_physical, p_real_name, p_scmin, p_scmax, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_physical, p_physical);
  CALL take_text(b_real_name, p_real_name);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_real_domain_id INT;
    DECLARE v_real_name VARCHAR(128);
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_data_guard(p_domain_id, 1);
    -- Set here, not as the defaults: an error of a default escapes the handlers.
    SET v_real_domain_id = reference_domain(p_type, p_real_domain_id, p_real_name),
        v_real_name = reference_name(p_type, p_real_domain_id, p_real_name);
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'data');
    CALL require_name(p_name, '데이타 이름이 비어 있습니다.');
    CALL require_plain_name(p_name, IF(data_item_exists(p_domain_id, p_name), p_name, NULL));
    CALL require_code_data_item(p_domain_id, data_item_id(p_domain_id, p_name), p_name, IF(data_item_exists(p_domain_id, p_name), p_name, NULL), p_type, p_scmin, p_scmax);
    CALL require_type_keyword(p_type, '데이타 타입이 비어 있습니다.');
    CALL require_data_reference(v_real_domain_id, v_real_name,
                                (SELECT d.real_domain_id FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name),
                                (SELECT d.real_data_name FROM data_item d WHERE d.domain_id = p_domain_id AND d.name = p_name),
                                0, '선택한 실제 데이타가 없습니다.');
    CALL require_no_data_loop(p_domain_id, p_name, v_real_domain_id, v_real_name);
    IF data_item_exists(p_domain_id, p_name) THEN
      UPDATE data_item d
         SET d.type = p_type, d.physical = COALESCE(p_physical, ''), d.real_domain_id = v_real_domain_id,
             d.real_data_name = v_real_name, d.scmin = COALESCE(p_scmin, ''), d.scmax = COALESCE(p_scmax, ''),
             d.description = COALESCE(p_description, ''), d.last_update = NOW()
       WHERE d.domain_id = p_domain_id AND d.name = p_name;
      CALL remember_own_change('data_item', data_item_id(p_domain_id, p_name));
    ELSE
      INSERT INTO data_item (domain_id, name, user_id, type, physical, real_domain_id, real_data_name, scmin, scmax,
                             description)
      VALUES (p_domain_id, p_name, session_account(), p_type, COALESCE(p_physical, ''), v_real_domain_id,
              v_real_name, COALESCE(p_scmin, ''), COALESCE(p_scmax, ''), COALESCE(p_description, ''));
      CALL remember_new_row('data_item', LAST_INSERT_ID());
    END IF;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- A field of the document: fields arrive in member order, so a new one goes to the end of its item.
CREATE PROCEDURE xmldocumentViewimportDatafield(p_domain_id INT, b_data_name LONGBLOB, b_member_name LONGBLOB,
                                                p_bitsize INT, b_type LONGBLOB, b_physical LONGBLOB,
                                                p_real_domain_id INT, b_real_name LONGBLOB, b_scmin LONGBLOB,
                                                b_scmax LONGBLOB, b_arraytype LONGBLOB, p_arraysize INT,
                                                b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_data_name, p_member_name, p_type, p_physical, p_real_name, p_scmin, p_scmax, p_arraytype, p_description
          LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_data_name, p_data_name);
  CALL take_text(b_member_name, p_member_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_physical, p_physical);
  CALL take_text(b_real_name, p_real_name);
  CALL take_text(b_scmin, p_scmin);
  CALL take_text(b_scmax, p_scmax);
  CALL take_text(b_arraytype, p_arraytype);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    IF data_field_exists(data_item_id(p_domain_id, p_data_name), p_member_name) THEN
      CALL change_field(p_domain_id, p_data_name, p_member_name, p_member_name, p_bitsize, p_type, p_physical,
                        p_real_domain_id, p_real_name, p_scmin, p_scmax, p_arraytype, p_arraysize, p_description, 0);
    ELSE
      CALL append_field(p_domain_id, p_data_name, p_member_name, p_bitsize, p_type, p_physical, p_real_domain_id,
                        p_real_name, p_scmin, p_scmax, p_arraytype, p_arraysize, p_description, 0);
    END IF;
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE xmldocumentViewimportMethod(p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB, p_code BIGINT,
                                             p_in_domain_id INT, b_in_data_name LONGBLOB, p_out_domain_id INT,
                                             b_out_data_name LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_in_data_name, p_out_data_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_in_data_name, p_in_data_name);
  CALL take_text(b_out_data_name, p_out_data_name);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'method');
    IF method_exists(p_domain_id, p_name) THEN
      CALL update_method(p_domain_id, p_name, p_name, p_type, p_code, p_in_domain_id, p_in_data_name,
                         p_out_domain_id, p_out_data_name, p_description, 0);
    ELSE
      CALL insert_method(p_domain_id, p_name, p_type, p_code, p_in_domain_id, p_in_data_name, p_out_domain_id,
                         p_out_data_name, p_description, 0);
    END IF;
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE xmldocumentViewimportInterface(p_domain_id INT, b_name LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'method');
    CALL require_name(p_name, '인터페이스 이름이 비어 있습니다.');
    CALL require_plain_name(p_name, IF(interface_id(p_domain_id, p_name) IS NULL, NULL, p_name));
    CALL require_code_name('interface', p_name, IF(interface_id(p_domain_id, p_name) IS NULL, NULL, p_name));
    IF interface_id(p_domain_id, p_name) IS NULL THEN
      INSERT INTO method_interface (domain_id, name, user_id, description)
      VALUES (p_domain_id, p_name, session_account(), COALESCE(p_description, ''));
      CALL remember_new_row('interface', LAST_INSERT_ID());
    ELSE
      UPDATE method_interface i SET i.description = COALESCE(p_description, ''), i.last_update = NOW()
       WHERE i.domain_id = p_domain_id AND i.name = p_name;
      CALL remember_own_change('interface', interface_id(p_domain_id, p_name));
    END IF;
    SELECT 1 AS test;
  END;
END$$

-- A member method of the document: the method of the interface's own domain by that name. A method that is a
-- member already stays as it is.
CREATE PROCEDURE xmldocumentViewimportInterfacemembermethod(p_domain_id INT, b_name LONGBLOB,
                                                            b_method_name LONGBLOB, b_member_text LONGBLOB)
  MODIFIES SQL DATA
  CALL new_member_method(p_domain_id, b_name, p_domain_id, b_method_name, b_member_text, 0)$$

DELIMITER ;
