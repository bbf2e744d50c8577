-- The first rows that the data and method trees show of lists they do not show whole. A tree shows one child
-- below an item whose children are not loaded yet, so that the item can be opened: the first field of a
-- structure, the first interface and the first method of a method domain, the first member of an interface.
-- A level of a large design has a thousand such items; asked one list at a time, the server spends a fixed cost
-- on each call that is far above its rows, and the other rows of each list would be read to be dropped. Each
-- procedure answers as the list it stands for: the same refusals, the status set, then the same columns.
DELIMITER $$

-- The id of the first interface of interfaceViewInterfaceList(domain, 'method', '%'): the list puts the interfaces
-- without a parent in the domain first (the server refuses loops of parents, so there are such), by name. NULL
-- for a domain without interfaces.
CREATE FUNCTION first_interface_of(p_domain_id INT) RETURNS INT
  READS SQL DATA
  RETURN (SELECT i.id
            FROM method_interface i
           WHERE i.domain_id = p_domain_id
             AND NOT EXISTS (SELECT 1
                               FROM interface_parent p
                               JOIN method_interface parent ON parent.id = p.parent_id AND parent.domain_id = p_domain_id
                              WHERE p.interface_id = i.id)
           ORDER BY i.name
           LIMIT 1)$$

-- The member order key (seq) of an interface's first member; NULL for an interface without members.
CREATE FUNCTION first_member_of(p_interface_id INT) RETURNS INT
  READS SQL DATA
  RETURN (SELECT MIN(s.seq) FROM interface_member s WHERE s.interface_id = p_interface_id)$$

-- The id of the first method of methodViewMethodList(domain, 'method', 'ALL', '%', '%'), which orders by code and
-- name: the lowest code (a code is unique in its domain, so its index gives the first at once).
CREATE FUNCTION first_method_of(p_domain_id INT) RETURNS INT
  READS SQL DATA
  RETURN (SELECT m.id FROM method m WHERE m.domain_id = p_domain_id ORDER BY m.code LIMIT 1)$$

-- The first field (or constant) of every data item of the domain that has any, one row per item in the columns
-- of metadataViewMetafieldList (its column 1, the item's name, tells the rows apart), in the order of the items'
-- ids.
CREATE PROCEDURE metadataViewFirstMetafields(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT d.domain_id AS domain_id, d.name AS data_name, a.member_name AS member_name,
         i.real_domain_id AS real_domain_id, b.name AS real_domain_name, i.real_data_name AS real_data_name,
         a.physical AS physical, a.type AS type, a.bitsize AS bitsize, a.scmin AS scimin, a.scmax AS scimax,
         a.arraytype AS arraytype, a.arraysize AS arraysize, a.last_update AS last_update,
         a.description AS description
    FROM data_item d
    JOIN data_field a ON a.data_id = d.id AND a.seq = (SELECT MIN(f.seq) FROM data_field f WHERE f.data_id = d.id)
    JOIN data_field i ON i.id = a.id
    LEFT JOIN domain b ON b.id = i.real_domain_id
   WHERE d.domain_id = p_domain_id
   ORDER BY d.id;
END$$

-- The first row of interfaceViewInterfaceList(domain, 'method', '%') alone, in its columns. That list puts the
-- interfaces without a parent in the domain first (the server refuses loops of parents, so there are such), by
-- name.
CREATE PROCEDURE interfaceViewFirstInterface(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE v_interface_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT first_interface_of(p_domain_id) INTO v_interface_id;
  SELECT 1 AS test;
  SELECT interface.name AS name, interface.user_id AS user_id, interface.description AS description,
         interface.domain_id AS domain_id, interface.last_update AS seq
    FROM method_interface interface
   WHERE interface.id = v_interface_id;
END$$

-- The first member of the domain's first interface (interfaceViewFirstInterface) alone, in the columns of
-- interfaceViewMemberMethodList.
CREATE PROCEDURE interfaceViewFirstInterfaceMember(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE v_member_seq INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT first_member_of(first_interface_of(p_domain_id)) INTO v_member_seq;
  SELECT 1 AS test;
  SELECT method_domain_qualifier(a.domain_id) AS qualifier, a.name AS method_name, a.type AS type,
         a.code AS code, a.in_domain_id AS in_domain_id, COALESCE(b.name, '') AS in_domain_name,
         COALESCE(a.in_data_name, '') AS in_data_name, a.out_domain_id AS out_domain_id,
         COALESCE(c.name, '') AS out_domain_name, COALESCE(a.out_data_name, '') AS out_data_name,
         a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id
    FROM interface_member m
    JOIN method a ON a.id = m.method_id
    LEFT JOIN domain b ON b.id = a.in_domain_id
    LEFT JOIN domain c ON c.id = a.out_domain_id
   WHERE m.seq = v_member_seq;
END$$

-- The first member of every interface of the domain that has members, one row per interface in the columns of
-- interfaceViewMemberMethodList, followed by the interface's name (column 13), in the order of the interfaces'
-- ids. The qualifier of a method domain is worked out once per domain, not once per row.
CREATE PROCEDURE interfaceViewFirstMemberMethods(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT q.qualifier AS qualifier, a.name AS method_name, a.type AS type,
         a.code AS code, a.in_domain_id AS in_domain_id, COALESCE(b.name, '') AS in_domain_name,
         COALESCE(a.in_data_name, '') AS in_data_name, a.out_domain_id AS out_domain_id,
         COALESCE(c.name, '') AS out_domain_name, COALESCE(a.out_data_name, '') AS out_data_name,
         a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id,
         f.name AS interface_name
    FROM method_interface f
    JOIN interface_member m ON m.seq = (SELECT MIN(s.seq) FROM interface_member s WHERE s.interface_id = f.id)
    JOIN method a ON a.id = m.method_id
    JOIN (SELECT used.domain_id, method_domain_qualifier(used.domain_id) AS qualifier
            FROM (SELECT DISTINCT u.domain_id
                    FROM method_interface g
                    JOIN interface_member n ON n.interface_id = g.id
                    JOIN method u ON u.id = n.method_id
                   WHERE g.domain_id = p_domain_id) used) q
      ON q.domain_id = a.domain_id
    LEFT JOIN domain b ON b.id = a.in_domain_id
    LEFT JOIN domain c ON c.id = a.out_domain_id
   WHERE f.domain_id = p_domain_id
   ORDER BY f.id;
END$$

-- The first row of methodViewMethodList(domain, 'method', 'ALL', '%', '%') alone, in its columns: the lowest code.
CREATE PROCEDURE methodViewFirstMethod(p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE v_method_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL require_read_domain(p_domain_id);
  SELECT first_method_of(p_domain_id) INTO v_method_id;
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
   WHERE a.id = v_method_id;
END$$

-- What the method tree shows of the method domains of a level that are not opened yet, at once: after the status
-- set, three sets, each row keyed by the domain (a JSON array of ids) whose call it answers, then a cell that is
-- NULL on the single row of a call whose answer is empty, then the call's own row:
--   1 interfaceViewFirstInterface(domain)
--   2 interfaceViewFirstInterfaceMember(domain)
--   3 methodViewFirstMethod(domain)
-- Domains the session may not read are left out: their calls, sent alone, answer the refusal.
CREATE PROCEDURE methodDomainViewLevelFirsts(b_domain_ids LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_domain_ids LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_domain_ids, p_domain_ids);
  BEGIN
    DECLARE v_user VARCHAR(64);
    CALL require_login_as(v_user);
    IF JSON_VALID(p_domain_ids) = 0 OR JSON_TYPE(p_domain_ids) <> 'ARRAY' THEN
      CALL refuse('도메인 목록이 올바르지 않습니다.');
    END IF;
    -- The readable domains of the level, as the system tree's level takes them (240-system-tree-levels.sql).
    CALL sys_take_tree_level(v_user, p_domain_ids);
    CREATE OR REPLACE TEMPORARY TABLE method_tree_first (domain_id INT NOT NULL PRIMARY KEY, interface_id INT NULL,
                                                         member_seq INT NULL, method_id INT NULL) ENGINE = MEMORY;
    INSERT INTO method_tree_first (domain_id, interface_id, member_seq, method_id)
    SELECT l.id, first_interface_of(l.id), first_member_of(first_interface_of(l.id)), first_method_of(l.id)
      FROM sys_tree_level l;
    SELECT 1 AS test;

    SELECT t.domain_id AS domain_key, IF(interface.id IS NULL, NULL, 1) AS listed,
           interface.name AS name, interface.user_id AS user_id, interface.description AS description,
           interface.domain_id AS domain_id, interface.last_update AS seq
      FROM method_tree_first t
      LEFT JOIN method_interface interface ON interface.id = t.interface_id
     ORDER BY t.domain_id;

    SELECT t.domain_id AS domain_key, IF(a.id IS NULL, NULL, 1) AS listed,
           IF(a.id IS NULL, NULL, method_domain_qualifier(a.domain_id)) AS qualifier, a.name AS method_name,
           a.type AS type, a.code AS code, a.in_domain_id AS in_domain_id, COALESCE(b.name, '') AS in_domain_name,
           COALESCE(a.in_data_name, '') AS in_data_name, a.out_domain_id AS out_domain_id,
           COALESCE(c.name, '') AS out_domain_name, COALESCE(a.out_data_name, '') AS out_data_name,
           a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id
      FROM method_tree_first t
      LEFT JOIN (interface_member m JOIN method a ON a.id = m.method_id) ON m.seq = t.member_seq
      LEFT JOIN domain b ON b.id = a.in_domain_id
      LEFT JOIN domain c ON c.id = a.out_domain_id
     ORDER BY t.domain_id;

    SELECT t.domain_id AS domain_key, IF(a.id IS NULL, NULL, 1) AS listed,
           a.type AS type, a.code AS code, a.name AS method_name,
           i.in_domain_id AS in_domain_id, i.in_data_name AS in_data_name,
           o.out_domain_id AS out_domain_id, o.out_data_name AS out_data_name,
           a.user_id AS user_id, a.description AS description, a.domain_id AS domain_id,
           b.name AS in_domain_name, c.name AS out_domain_name
      FROM method_tree_first t
      LEFT JOIN (method a JOIN method i ON i.id = a.id JOIN method o ON o.id = a.id) ON a.id = t.method_id
      LEFT JOIN domain b ON b.id = i.in_domain_id
      LEFT JOIN domain c ON c.id = o.out_domain_id
     ORDER BY t.domain_id;
    DROP TEMPORARY TABLE method_tree_first;
    DROP TEMPORARY TABLE sys_tree_level;
  END;
END$$

DELIMITER ;
