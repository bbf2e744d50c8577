-- Systems: the rules shared by the system procedures (node types, addresses, locks, containment) and their
-- quiet refusals.
--
-- Locks. A "sub_system" or "sensor" node whose lock flag is "Y" freezes, for the parent system it stands in,
-- what the parent uses of the domain it stands for:
--   * the domain's own ports, and the links that reach them (the node port linked to an external port);
--   * whatever is installed on the locked node itself: the components deployed there (also the clones of a
--     sub-system's public entries), their classes, objects and the interfaces those classes bind (an
--     interface's name and members, and of each member method everything but its description);
--   * inside the locked domain, the public flag of installed entries and the stub address of public ones,
--     since the parent sees them through their clones.
DELIMITER $$

-- The stored node type for a word of the node dialog ("router" is kept as "urouter"); NULL for another word.
CREATE FUNCTION sys_node_type(p_word TEXT) RETURNS VARCHAR(16)
  DETERMINISTIC
  RETURN CASE
           WHEN p_word = 'router' THEN 'urouter'
           WHEN p_word IN ('urouter', 'switch', 'computer', 'sub_system', 'sensor') THEN p_word
           ELSE NULL
         END$$

-- Only sub-system and sensor nodes stand for a domain and can be locked.
CREATE FUNCTION sys_stands_for_domain(p_type VARCHAR(16)) RETURNS TINYINT
  DETERMINISTIC
  RETURN p_type IN ('sub_system', 'sensor')$$

-- 1 when the text is a dotted IPv4 address (four numbers 0-255).
CREATE FUNCTION sys_is_ip(p_text VARCHAR(1024)) RETURNS TINYINT
  DETERMINISTIC
  RETURN p_text IS NOT NULL
     AND p_text REGEXP '^[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}$'
     AND SUBSTRING_INDEX(p_text, '.', 1) + 0 <= 255
     AND SUBSTRING_INDEX(SUBSTRING_INDEX(p_text, '.', 2), '.', -1) + 0 <= 255
     AND SUBSTRING_INDEX(SUBSTRING_INDEX(p_text, '.', 3), '.', -1) + 0 <= 255
     AND SUBSTRING_INDEX(p_text, '.', -1) + 0 <= 255$$

-- A port text as the number the dialogs read from it: its leading decimal digits, 0 when it has none.
CREATE FUNCTION sys_port_number(p_text VARCHAR(1024)) RETURNS INT
  DETERMINISTIC
  RETURN COALESCE(CAST(NULLIF(REGEXP_SUBSTR(p_text, '^[0-9]{1,9}'), '') AS INT), 0)$$

-- The system domain that holds a proxy or stub class (through its component); NULL for an unknown class.
CREATE FUNCTION sys_class_domain(p_class_id INT) RETURNS INT
  READS SQL DATA
  RETURN (SELECT c.systemdomain_id FROM component_class a JOIN component c ON c.id = a.component_id
           WHERE a.id = p_class_id)$$

-- 1 when a locked sub-system or sensor node stands for the domain.
CREATE FUNCTION sys_domain_locked(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM node n
                  WHERE n.sub_system_domain_id = p_domain_id AND n.lock_flag = 'Y'
                    AND n.type IN ('sub_system', 'sensor'))$$

-- 1 when the node port is linked to an external port of its domain and a parent system locks the domain.
CREATE FUNCTION sys_node_port_locked(p_node_id INT, p_port INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM network_link l
                  WHERE l.s_node_id = p_node_id AND l.s_port = p_port AND l.d_node_id IS NULL)
     AND sys_domain_locked((SELECT n.domain_id FROM node n WHERE n.id = p_node_id))$$

-- 1 when the component is installed on a locked node.
CREATE FUNCTION sys_component_locked(p_component_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM deployment dp JOIN node n ON n.id = dp.node_id
                  WHERE dp.component_id = p_component_id AND n.lock_flag = 'Y'
                    AND n.type IN ('sub_system', 'sensor'))$$

-- 1 when an object of the class is installed on a locked node.
CREATE FUNCTION sys_class_locked(p_class_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM class_object o
                   JOIN custom_entry e ON e.object_ref = o.id
                   JOIN deployment dp ON dp.id = e.deployment_id
                   JOIN node n ON n.id = dp.node_id
                  WHERE o.class_id = p_class_id AND n.lock_flag = 'Y' AND n.type IN ('sub_system', 'sensor'))$$

-- 1 when a locked class binds the interface: the parent system uses it as it stands.
CREATE FUNCTION sys_interface_locked(p_method_domain_id INT, p_interface_name VARCHAR(1024)) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM component_class a
                  WHERE a.method_domain_id = p_method_domain_id AND a.interface_name = p_interface_name
                    AND sys_class_locked(a.id))$$

-- 1 when the method is a member of a locked interface.
CREATE FUNCTION sys_method_locked(p_method_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM interface_member m JOIN method_interface i ON i.id = m.interface_id
                  WHERE m.method_id = p_method_id AND sys_interface_locked(i.domain_id, i.name))$$

-- 1 when the object is installed on a locked node.
CREATE FUNCTION sys_object_locked(p_object_ref INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM custom_entry e
                   JOIN deployment dp ON dp.id = e.deployment_id
                   JOIN node n ON n.id = dp.node_id
                  WHERE e.object_ref = p_object_ref AND n.lock_flag = 'Y' AND n.type IN ('sub_system', 'sensor'))$$

-- 1 when the domain of the deployment's node is locked by a parent system: the public flags of its entries
-- are then fixed.
CREATE FUNCTION sys_deployment_domain_locked(p_deployment_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN sys_domain_locked((SELECT n.domain_id FROM deployment dp JOIN node n ON n.id = dp.node_id
                             WHERE dp.id = p_deployment_id))$$

-- 1 when the deployment is on a locked node, or a clone of it is.
CREATE FUNCTION sys_deployment_locked(p_deployment_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM deployment dp JOIN node n ON n.id = dp.node_id
                  WHERE (dp.id = p_deployment_id OR dp.source_deployment_id = p_deployment_id)
                    AND n.lock_flag = 'Y' AND n.type IN ('sub_system', 'sensor'))$$

-- 1 when the node cannot go without breaking a lock: one of its ports reaches a locked external port, or
-- one of its deployments is locked.
CREATE FUNCTION sys_node_locked(p_node_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM network_link l
                  WHERE l.s_node_id = p_node_id AND l.d_node_id IS NULL
                    AND sys_node_port_locked(p_node_id, l.s_port))
      OR EXISTS (SELECT 1 FROM deployment dp WHERE dp.node_id = p_node_id AND sys_deployment_locked(dp.id))$$

-- 1 when the domain contains, through sub-domains and through the domains its sub-system nodes stand for,
-- the other domain (or is it). A node may not stand for a domain that contains the node's own domain.
CREATE FUNCTION sys_domain_contains(p_outer_id INT, p_inner_id INT) RETURNS TINYINT
  READS SQL DATA
BEGIN
  DECLARE v_found TINYINT DEFAULT 0;
  WITH RECURSIVE inside (id) AS (
    SELECT p_outer_id
    UNION
    SELECT d.id FROM inside i JOIN domain d ON d.kind = 'system' AND d.upper_id = i.id
    UNION
    SELECT n.sub_system_domain_id FROM inside i JOIN node n ON n.domain_id = i.id
     WHERE n.sub_system_domain_id IS NOT NULL AND sys_stands_for_domain(n.type)
  )
  SELECT EXISTS (SELECT 1 FROM inside WHERE id = p_inner_id) INTO v_found;
  RETURN v_found;
END$$

-- Refusals of the procedures that answer no status set (lock checks, lists without status, statements):
-- the reason alone, as the statement's error.
CREATE PROCEDURE sys_fail(p_message VARCHAR(512))
BEGIN
  SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = p_message;
END$$

CREATE PROCEDURE sys_require_login_quietly()
BEGIN
  DECLARE v_user VARCHAR(64);
  SELECT session_account() INTO v_user;
  IF v_user IS NULL THEN
    CALL sys_fail('로그인 정보가 올바르지 않습니다.');
  END IF;
END$$

-- The read checks of the system lists, by the node, component, class or deployment they list. Each takes the
-- domain with SELECT ... INTO, which does not wait for other sessions (see require_login).
CREATE PROCEDURE require_read_node(p_node_id INT)
BEGIN
  DECLARE v_domain_id INT;
  SELECT (SELECT n.domain_id FROM node n WHERE n.id = p_node_id) INTO v_domain_id;
  CALL require_read_domain(v_domain_id);
END$$

CREATE PROCEDURE require_read_component(p_component_id INT)
BEGIN
  DECLARE v_domain_id INT;
  SELECT (SELECT c.systemdomain_id FROM component c WHERE c.id = p_component_id) INTO v_domain_id;
  CALL require_read_domain(v_domain_id);
END$$

CREATE PROCEDURE require_read_class(p_class_id INT)
BEGIN
  DECLARE v_domain_id INT;
  SELECT sys_class_domain(p_class_id) INTO v_domain_id;
  CALL require_read_domain(v_domain_id);
END$$

CREATE PROCEDURE require_read_deployment(p_deployment_id INT)
BEGIN
  DECLARE v_domain_id INT;
  SELECT (SELECT n.domain_id FROM deployment dp JOIN node n ON n.id = dp.node_id WHERE dp.id = p_deployment_id)
    INTO v_domain_id;
  CALL require_read_domain(v_domain_id);
END$$

CREATE PROCEDURE sys_require_system_domain(p_domain_id INT)
BEGIN
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id AND d.kind = 'system') THEN
    CALL refuse('시스템 도메인이 없습니다.');
  END IF;
END$$

-- Names of nodes, components, classes and objects: not empty, at most 128 characters.
CREATE PROCEDURE sys_require_name(p_name VARCHAR(1024), p_what VARCHAR(64))
BEGIN
  IF p_name IS NULL OR TRIM(p_name) = '' THEN
    CALL refuse(CONCAT(p_what, ' 이름을 입력하세요.'));
  END IF;
  IF CHAR_LENGTH(p_name) > 128 THEN
    CALL refuse(CONCAT(p_what, ' 이름은 128자까지 쓸 수 있습니다.'));
  END IF;
  CALL require_usable_name(p_name);
END$$

-- Components and classes also name the folders and files of the generated sources: no "\" or "/" either.
CREATE PROCEDURE sys_require_file_name(p_name VARCHAR(1024), p_what VARCHAR(64))
BEGIN
  CALL sys_require_name(p_name, p_what);
  IF LOCATE('\\', p_name) > 0 OR LOCATE('/', p_name) > 0 THEN
    CALL refuse(CONCAT(p_what, ' 이름에는 \\ 와 / 를 쓸 수 없습니다.'));
  END IF;
END$$

DELIMITER ;
