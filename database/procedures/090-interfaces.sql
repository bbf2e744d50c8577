-- Interfaces of the method domains: their member methods and their parent interfaces.
--
-- The interface list answers under the exporters' keys interface.*: the table is read through the alias
-- `interface`, and the last update travels under the key interface.seq.
DELIMITER $$

CREATE FUNCTION interface_id(p_domain_id INT, p_name VARCHAR(256)) RETURNS INT
  READS SQL DATA
  RETURN (SELECT i.id FROM method_interface i WHERE i.domain_id = p_domain_id AND i.name = p_name)$$

-- The interfaces of a domain, parents before their children, else by name. Columns: 0 name, 1 author, 2 description, 3 domain id, 4 last update.
CREATE PROCEDURE interfaceViewInterfaceList(p_domain_id INT, b_kind LONGBLOB, b_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind, p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  BEGIN
    DECLARE v_every_name TINYINT DEFAULT names_every_item(p_name);
    CALL require_read_domain(p_domain_id);
    CALL remember_read_interfaces(p_domain_id, p_name);
    SELECT 1 AS test;
    -- A parent interface of the same domain comes before its children: the header declares them in this order.
    WITH RECURSIVE chain (interface_id, at_id, depth) AS (
      SELECT i.id, i.id, 0 FROM method_interface i WHERE i.domain_id = p_domain_id
      UNION
      SELECT chain.interface_id, p.parent_id, chain.depth + 1
        FROM chain
        JOIN interface_parent p ON p.interface_id = chain.at_id
        JOIN method_interface parent ON parent.id = p.parent_id AND parent.domain_id = p_domain_id
       WHERE chain.depth < 64
    ), levels (interface_id, level) AS (
      SELECT chain.interface_id, MAX(chain.depth) FROM chain GROUP BY chain.interface_id
    )
    SELECT interface.name AS name, interface.user_id AS user_id, interface.description AS description,
           interface.domain_id AS domain_id, interface.last_update AS seq
      FROM method_interface interface
      JOIN levels ON levels.interface_id = interface.id
     WHERE interface.domain_id = p_domain_id AND (v_every_name OR interface.name = p_name)
     ORDER BY levels.level, interface.name;
  END;
END$$

-- The member methods of an interface, in member order. Columns: 0 qualifier of the method's domain,
-- 1 name, 2 type, 3 code, 4 input domain id (NULL for none), 5 input domain name, 6 input data name,
-- 7 output domain id (NULL for none), 8 output domain name, 9 output data name, 10 author, 11 description,
-- 12 the method's domain id. The texts 5, 6, 8 and 9 are '' when there is no such data.
CREATE PROCEDURE interfaceViewMemberMethodList(p_domain_id INT, b_kind LONGBLOB, b_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind, p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT method_domain_qualifier(a.domain_id) AS qualifier, a.name AS method_name, a.type AS type,
           a.code AS code, a.in_domain_id AS in_domain_id, COALESCE(b.name, '') AS in_domain_name,
           COALESCE(a.in_data_name, '') AS in_data_name, a.out_domain_id AS out_domain_id,
           COALESCE(c.name, '') AS out_domain_name, COALESCE(a.out_data_name, '') AS out_data_name,
           a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id
      FROM method_interface f
      JOIN interface_member m ON m.interface_id = f.id
      JOIN method a ON a.id = m.method_id
      LEFT JOIN domain b ON b.id = a.in_domain_id
      LEFT JOIN domain c ON c.id = a.out_domain_id
     WHERE f.domain_id = p_domain_id AND f.name = p_name
     ORDER BY m.seq;
  END;
END$$

-- The direct parent interfaces, in base order. Columns: 0 qualifier of the parent's domain, 1 parent name,
-- 2 parent's domain id.
CREATE PROCEDURE interfaceViewParentInterfaceList(p_domain_id INT, b_kind LONGBLOB, b_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind, p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT method_domain_qualifier(p.domain_id) AS qualifier, p.name AS name, p.domain_id AS domain_id
      FROM method_interface f
      JOIN interface_parent l ON l.interface_id = f.id
      JOIN method_interface p ON p.id = l.parent_id
     WHERE f.domain_id = p_domain_id AND f.name = p_name
     ORDER BY l.seq;
  END;
END$$

-- The methods of domain p_method_domain_id that are not yet members of the interface, by name.
-- Columns: 0 domain id, 1 name, 2 type.
CREATE PROCEDURE interfaceViewNewMemberMethodRealmethodList(p_domain_id INT, p_method_domain_id INT,
                                                            b_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  BEGIN
    DECLARE v_interface_id INT;
    CALL require_read_domain(p_method_domain_id);
    SELECT interface_id(p_domain_id, p_name) INTO v_interface_id;
    SELECT 1 AS test;
    SELECT a.domain_id AS domain_id, a.name AS name, a.type AS type
      FROM method a
     WHERE a.domain_id = p_method_domain_id
       AND NOT EXISTS (SELECT 1 FROM interface_member m WHERE m.interface_id = v_interface_id AND m.method_id = a.id)
     ORDER BY a.name;
  END;
END$$

CREATE PROCEDURE interfaceViewNewInterface(p_domain_id INT, b_kind LONGBLOB, b_name LONGBLOB,
                                           b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_name, p_name);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL require_domain_of_kind(p_domain_id, 'method');
    CALL require_name(p_name, '인터페이스 이름을 입력하세요.');
    CALL require_plain_name(p_name, NULL);
    CALL require_code_name('interface', p_name, NULL);
    IF interface_id(p_domain_id, p_name) IS NOT NULL THEN
      CALL refuse('같은 이름의 인터페이스가 이미 있습니다.');
    END IF;
    INSERT INTO method_interface (domain_id, name, user_id, description)
    VALUES (p_domain_id, p_name, session_account(), COALESCE(p_description, ''));
    CALL remember_new_row('interface', LAST_INSERT_ID());
    SELECT 1 AS test;
  END;
END$$

-- Renames an interface and changes its description. What binds to the interface by its key follows the
-- rename through its foreign key. A locked interface keeps its name; its description may change.
CREATE PROCEDURE interfaceViewEditInterface(p_domain_id INT, b_name LONGBLOB, b_new_name LONGBLOB,
                                            b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_new_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_new_name, p_new_name);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL require_change_domain_content(p_domain_id);
    IF interface_id(p_domain_id, p_name) IS NULL THEN
      CALL refuse('수정할 인터페이스가 없습니다.');
    END IF;
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('interface', interface_id(p_domain_id, p_name));
    IF NOT (p_new_name <=> p_name) AND sys_interface_locked(p_domain_id, p_name) THEN
      CALL refuse('*수정 불가* Lock 상태인 System과 연결된 Interface 입니다. 이름을 바꿀 수 없습니다.');
    END IF;
    CALL require_name(p_new_name, '인터페이스 이름을 입력하세요.');
    CALL require_plain_name(p_new_name, p_name);
    CALL require_code_name('interface', p_new_name, p_name);
    IF p_new_name <> p_name AND interface_id(p_domain_id, p_new_name) IS NOT NULL THEN
      CALL refuse('같은 이름의 인터페이스가 이미 있습니다.');
    END IF;
    UPDATE method_interface i
       SET i.name = p_new_name, i.description = COALESCE(p_description, ''), i.last_update = NOW()
     WHERE i.domain_id = p_domain_id AND i.name = p_name;
    CALL remember_own_change('interface', interface_id(p_domain_id, p_new_name));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Deletes an interface with its member links and parent links. An interface that a class of a component
-- still binds to is refused by the class's foreign key, and the server's refusal is told in Korean.
CREATE PROCEDURE interfaceViewDeleteInterface(p_domain_id INT, b_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    IF interface_id(p_domain_id, p_name) IS NULL THEN
      CALL refuse('삭제할 인터페이스가 없습니다.');
    END IF;
    DELETE FROM method_interface WHERE domain_id = p_domain_id AND name = p_name;
    SELECT 1 AS test;
  END;
END$$

-- The members of a locked interface stay as they are.
CREATE PROCEDURE require_interface_unlocked(p_domain_id INT, p_name VARCHAR(256))
BEGIN
  IF sys_interface_locked(p_domain_id, p_name) THEN
    CALL refuse('*수정 불가* Lock 상태인 System과 연결된 Interface 입니다. 멤버 메서드를 바꿀 수 없습니다.');
  END IF;
END$$

-- Makes the method (p_method_domain_id, p_method_name) a member of the interface, at the end of its members.
-- p_refuse_member: 1 refuses a method that is a member already, 0 lets it pass unchanged. A method of a domain
-- the account may not read is answered as a missing one.
CREATE PROCEDURE add_member_method(p_domain_id INT, p_name VARCHAR(256), p_method_domain_id INT,
                                   p_method_name VARCHAR(256), p_member_text VARCHAR(256), p_refuse_member TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_interface_id INT DEFAULT interface_id(p_domain_id, p_name);
  DECLARE v_method_id INT;
  IF v_interface_id IS NULL THEN
    CALL refuse('인터페이스가 없습니다.');
  END IF;
  IF p_method_name IS NULL OR p_method_name = '' THEN
    CALL refuse('추가할 메서드를 선택하세요.');
  END IF;
  SET v_method_id = (SELECT m.id FROM method m WHERE m.domain_id = p_method_domain_id AND m.name = p_method_name);
  IF v_method_id IS NULL OR domain_hidden(p_method_domain_id) THEN
    CALL refuse('추가할 메서드가 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM interface_member m WHERE m.interface_id = v_interface_id AND m.method_id = v_method_id) THEN
    IF p_refuse_member THEN
      CALL refuse('이미 인터페이스의 멤버 메서드입니다.');
    END IF;
  ELSE
    CALL require_interface_unlocked(p_domain_id, p_name);
    INSERT INTO interface_member (interface_id, method_id, member_text)
    VALUES (v_interface_id, v_method_id, COALESCE(p_member_text, ''));
  END IF;
END$$

-- The member dialog's and the document import's new member, from the texts of their calls.
CREATE PROCEDURE new_member_method(p_domain_id INT, b_name LONGBLOB, p_method_domain_id INT, b_method_name LONGBLOB,
                                   b_member_text LONGBLOB, p_refuse_member TINYINT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_method_name, p_member_text LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_method_name, p_method_name);
  CALL take_text(b_member_text, p_member_text);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL add_member_method(p_domain_id, p_name, p_method_domain_id, p_method_name, p_member_text, p_refuse_member);
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE interfaceViewNewMemberMethod(p_domain_id INT, b_name LONGBLOB, p_method_domain_id INT,
                                              b_method_name LONGBLOB, b_member_text LONGBLOB)
  MODIFIES SQL DATA
  CALL new_member_method(p_domain_id, b_name, p_method_domain_id, b_method_name, b_member_text, 1)$$

CREATE PROCEDURE interfaceViewDeleteMemberMethod(p_domain_id INT, b_name LONGBLOB, p_method_domain_id INT,
                                                 b_method_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_method_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_method_name, p_method_name);
  BEGIN
    DECLARE v_interface_id INT DEFAULT interface_id(p_domain_id, p_name);
    DECLARE v_method_id INT;
    CALL require_change_domain_content(p_domain_id);
    IF p_method_name IS NULL OR p_method_name = '' THEN
      CALL refuse('해제할 멤버 메서드를 선택하세요.');
    END IF;
    SET v_method_id = (SELECT m.id FROM method m WHERE m.domain_id = p_method_domain_id AND m.name = p_method_name);
    IF v_interface_id IS NULL OR v_method_id IS NULL
       OR NOT EXISTS (SELECT 1 FROM interface_member m WHERE m.interface_id = v_interface_id AND m.method_id = v_method_id) THEN
      CALL refuse('인터페이스의 멤버 메서드가 아닙니다.');
    END IF;
    CALL require_interface_unlocked(p_domain_id, p_name);
    DELETE FROM interface_member WHERE interface_id = v_interface_id AND method_id = v_method_id;
    SELECT 1 AS test;
  END;
END$$

-- Adds a parent (base) interface at the end of an interface's bases. A parent chain must not lead back to the
-- interface: a class cannot derive from itself.
CREATE PROCEDURE interfaceViewNewParentInterface(p_domain_id INT, p_name VARCHAR(256), p_parent_domain_id INT,
                                                 p_parent_name VARCHAR(256))
  MODIFIES SQL DATA
BEGIN
  DECLARE v_interface_id INT DEFAULT interface_id(p_domain_id, p_name);
  DECLARE v_parent_id INT DEFAULT interface_id(p_parent_domain_id, p_parent_name);
  DECLARE v_loops TINYINT DEFAULT 0;
  CALL require_change_domain_content(p_domain_id);
  IF v_interface_id IS NULL OR v_parent_id IS NULL OR domain_hidden(p_parent_domain_id) THEN
    CALL refuse('인터페이스가 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM interface_parent l WHERE l.interface_id = v_interface_id AND l.parent_id = v_parent_id) THEN
    CALL refuse('이미 상위 인터페이스입니다.');
  END IF;
  WITH RECURSIVE ancestors (id, depth) AS (
    SELECT v_parent_id, 1
    UNION
    SELECT l.parent_id, a.depth + 1 FROM ancestors a JOIN interface_parent l ON l.interface_id = a.id
     WHERE a.depth < 64
  )
  SELECT EXISTS (SELECT 1 FROM ancestors WHERE ancestors.id = v_interface_id) INTO v_loops;
  IF v_loops THEN
    CALL refuse('상위 인터페이스가 순환 구조를 발생합니다.');
  END IF;
  INSERT INTO interface_parent (interface_id, parent_id) VALUES (v_interface_id, v_parent_id);
  SELECT 1 AS test;
END$$

DELIMITER ;
