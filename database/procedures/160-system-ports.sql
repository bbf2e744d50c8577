-- Systems: the ports of a system domain, its logical ports (port groups), and the ports of nodes.
--
-- A node gets its ports from its sub-system domain when it is created; a sub-system or sensor node, which
-- stands for that domain, keeps following its ports (adding, renumbering and deleting a domain port does the
-- same to those nodes' ports). The other types keep the ports they were given.
DELIMITER $$

-- 1 when a network link uses the domain port: as the domain's external port, or as the port of a node that
-- stands for the domain.
CREATE FUNCTION sys_domain_port_linked(p_domain_id INT, p_port INT) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM network_link l WHERE l.d_domain_id = p_domain_id AND l.d_port = p_port)
      OR EXISTS (SELECT 1 FROM node n JOIN network_link l ON l.s_node_id = n.id AND l.s_port = p_port
                  WHERE n.sub_system_domain_id = p_domain_id AND sys_stands_for_domain(n.type))
      OR EXISTS (SELECT 1 FROM node n JOIN network_link l ON l.d_node_id = n.id AND l.d_port = p_port
                  WHERE n.sub_system_domain_id = p_domain_id AND sys_stands_for_domain(n.type))$$

-- The checks of every change of a domain's ports: the right to change the domain, a system domain, and no
-- parent system that locks it.
CREATE PROCEDURE sys_require_port_change(p_domain_id INT)
BEGIN
  CALL require_change_domain_content(p_domain_id);
  CALL sys_require_system_domain(p_domain_id);
  IF sys_domain_locked(p_domain_id) THEN
    CALL refuse('상위 도메인의 Subsystem Node에 Lock이 설정되어 있어 포트를 바꿀 수 없습니다.');
  END IF;
END$$

CREATE PROCEDURE sys_require_port_number(p_port INT, p_group INT)
BEGIN
  IF p_port IS NULL OR p_port < 0 THEN
    CALL refuse('포트 번호는 0 이상의 정수여야 합니다.');
  END IF;
  IF p_group IS NULL OR p_group < 0 THEN
    CALL refuse('그룹 번호는 0 이상의 정수여야 합니다.');
  END IF;
END$$

-- The ports of a system domain, by port number (keys domain_system_port.<column>).
CREATE PROCEDURE systemDomainPortViewList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL remember_read_system_ports(p_domain_id);
  SELECT 1 AS test;
  SELECT domain_system_port.seq, domain_system_port.port_num, domain_system_port.port_group,
         domain_system_port.description
    FROM domain_system_port
   WHERE domain_system_port.domain_id = p_domain_id
   ORDER BY domain_system_port.port_num;
END$$

-- The logical port numbers of a system domain.
CREATE PROCEDURE domainLogicalViewlist(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT g.port_group FROM domain_logical_port g WHERE g.domain_id = p_domain_id ORDER BY g.port_group;
END$$

-- A new logical port; refused when the domain has it already (the port dialog relies on that).
CREATE PROCEDURE domainLogicalPortViewNewPortGroup(p_domain_id INT, p_group INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_port_change(p_domain_id);
  CALL sys_require_port_number(0, p_group);
  IF EXISTS (SELECT 1 FROM domain_logical_port g WHERE g.domain_id = p_domain_id AND g.port_group = p_group) THEN
    CALL refuse(CONCAT('논리 포트 ', p_group, '은(는) 이미 있습니다.'));
  END IF;
  INSERT INTO domain_logical_port (domain_id, port_group) VALUES (p_domain_id, p_group);
  SELECT 1 AS test;
END$$

-- Groups travel with the ports (node ports take the group of their domain port), so a group that the
-- domain knows is known to its node ports already; this only checks the request.
CREATE PROCEDURE nodeportViewNewPortGroup(p_domain_id INT, p_group INT)
  READS SQL DATA
BEGIN
  CALL sys_require_port_change(p_domain_id);
  CALL sys_require_port_number(0, p_group);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE domainPortViewNewPort(p_domain_id INT, p_port INT, p_group INT, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_port_change(p_domain_id);
    CALL sys_require_port_number(p_port, p_group);
    IF EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_port) THEN
      CALL refuse(CONCAT('포트 ', p_port, '은(는) 이미 있습니다.'));
    END IF;
    CALL change_begin(v_own_transaction);
    INSERT INTO domain_system_port (domain_id, port_num, port_group, description)
    VALUES (p_domain_id, p_port, p_group, COALESCE(p_description, ''));
    CALL remember_new_row('system_port', LAST_INSERT_ID());
    INSERT IGNORE INTO domain_logical_port (domain_id, port_group) VALUES (p_domain_id, p_group);
    INSERT INTO node_port (node_id, port_num, port_group, description)
    SELECT n.id, p_port, p_group, COALESCE(p_description, '')
      FROM node n
     WHERE n.sub_system_domain_id = p_domain_id AND sys_stands_for_domain(n.type)
       AND NOT EXISTS (SELECT 1 FROM node_port np WHERE np.node_id = n.id AND np.port_num = p_port);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Changes the port (domain, old port). A port that a link uses keeps its number.
CREATE PROCEDURE domainPortViewEditPort(p_domain_id INT, p_old_port INT, p_new_port INT, p_group INT,
                                        b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_port_change(p_domain_id);
    CALL sys_require_port_number(p_new_port, p_group);
    IF NOT EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_old_port) THEN
      CALL refuse(CONCAT('포트 ', COALESCE(p_old_port, ''), '이(가) 없습니다.'));
    END IF;
    IF p_new_port <> p_old_port THEN
      IF EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_new_port) THEN
        CALL refuse(CONCAT('포트 ', p_new_port, '은(는) 이미 있습니다.'));
      END IF;
      IF sys_domain_port_linked(p_domain_id, p_old_port) THEN
        CALL refuse(CONCAT('포트 ', p_old_port, '은(는) 네트워크 링크에 연결되어 있어 번호를 바꿀 수 없습니다.'));
      END IF;
    END IF;
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('system_port', system_port_row_id(p_domain_id, p_old_port));
    UPDATE domain_system_port p
       SET p.port_num = p_new_port, p.port_group = p_group, p.description = COALESCE(p_description, '')
     WHERE p.domain_id = p_domain_id AND p.port_num = p_old_port;
    INSERT IGNORE INTO domain_logical_port (domain_id, port_group) VALUES (p_domain_id, p_group);
    UPDATE node_port np JOIN node n ON n.id = np.node_id
       SET np.port_num = p_new_port, np.port_group = p_group, np.description = COALESCE(p_description, '')
     WHERE n.sub_system_domain_id = p_domain_id AND sys_stands_for_domain(n.type) AND np.port_num = p_old_port;
    CALL remember_own_change('system_port', system_port_row_id(p_domain_id, p_new_port));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Drops a logical port once no port of the domain belongs to it; while one does, nothing changes (the port
-- dialog calls this after every edit, with a group that may still be in use).
CREATE PROCEDURE domainLogicalPortViewDeletePort(p_domain_id INT, p_group INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_port_change(p_domain_id);
  DELETE FROM domain_logical_port
   WHERE domain_id = p_domain_id AND port_group = p_group
     AND NOT EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_group = p_group);
  SELECT 1 AS test;
END$$

-- Deletes a port that no link uses; the ports of the nodes standing for the domain go with it.
CREATE PROCEDURE domainPortViewDeletePort(p_domain_id INT, p_port INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_port_change(p_domain_id);
  IF NOT EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_port) THEN
    CALL refuse(CONCAT('포트 ', COALESCE(p_port, ''), '이(가) 없습니다.'));
  END IF;
  IF sys_domain_port_linked(p_domain_id, p_port) THEN
    CALL refuse(CONCAT('포트 ', p_port, '은(는) 네트워크 링크에 연결되어 있어 지울 수 없습니다. 링크를 먼저 지우세요.'));
  END IF;
  CALL change_begin(v_own_transaction);
  DELETE FROM domain_system_port WHERE domain_id = p_domain_id AND port_num = p_port;
  DELETE np FROM node_port np JOIN node n ON n.id = np.node_id
   WHERE n.sub_system_domain_id = p_domain_id AND sys_stands_for_domain(n.type) AND np.port_num = p_port;
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

-- The ports of a node: 0 node port id, 1 node id, 2 port number, 3 port group.
CREATE PROCEDURE nodeportViewNodeportInfo(p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  SELECT 1 AS test;
  SELECT np.id, np.node_id, np.port_num, np.port_group
    FROM node_port np WHERE np.node_id = p_node_id ORDER BY np.port_num;
END$$

-- Gives the node the ports of a system domain that it does not have yet (nodeNewNodes has done so already
-- for the domain it was created with; calling this again changes nothing).
CREATE PROCEDURE sys_add_node_ports(p_node_id INT, p_port_domain_id INT)
BEGIN
  INSERT INTO node_port (node_id, port_num, port_group, description)
  SELECT p_node_id, p.port_num, p.port_group, p.description
    FROM domain_system_port p
   WHERE p.domain_id = p_port_domain_id
     AND NOT EXISTS (SELECT 1 FROM node_port np WHERE np.node_id = p_node_id AND np.port_num = p.port_num);
END$$

CREATE PROCEDURE sys_require_node_change(p_node_id INT)
BEGIN
  DECLARE v_domain_id INT DEFAULT (SELECT n.domain_id FROM node n WHERE n.id = p_node_id);
  IF v_domain_id IS NULL THEN
    CALL require_login();
    CALL refuse('노드가 없습니다.');
  END IF;
  CALL require_change_domain_content(v_domain_id);
END$$

CREATE PROCEDURE nodeportViewNewNode(p_node_id INT, p_domain_id INT, p_port_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_node_change(p_node_id);
  IF COALESCE(p_port_domain_id, 0) <> 0 THEN
    -- The ports of a domain the account may not read are answered as those of a missing domain.
    IF domain_hidden(p_port_domain_id) THEN
      CALL refuse('시스템 도메인이 없습니다.');
    END IF;
    CALL sys_require_system_domain(p_port_domain_id);
    CALL sys_add_node_ports(p_node_id, p_port_domain_id);
  END IF;
  SELECT 1 AS test;
END$$

-- A copy of a node (in a whole-domain copy or alone): the new node takes exactly the old node's ports, in place
-- of those its sub-system domain gave it, which may have changed since the old node took its own. Only a node
-- that carries nothing on its ports yet (no link, IP row or installed component) takes them. An old node that
-- is gone (another session deleted it) is refused before anything changes, so the new node keeps its ports; one
-- of a domain the account may not read is refused alike, as a missing node.
CREATE PROCEDURE copy_node_port_talble(p_old_node_id INT, p_old_domain_id INT, p_port_domain_id INT,
                                       p_new_node_id INT, p_new_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_node_change(p_new_node_id);
  IF NOT EXISTS (SELECT 1 FROM node n WHERE n.id = p_old_node_id AND domain_hidden(n.domain_id) = 0) THEN
    CALL refuse('노드가 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM network_link l WHERE l.s_node_id = p_new_node_id)
     OR EXISTS (SELECT 1 FROM network_link l WHERE l.d_node_id = p_new_node_id)
     OR EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = p_new_node_id)
     OR EXISTS (SELECT 1 FROM deployment dp WHERE dp.node_id = p_new_node_id) THEN
    CALL refuse('링크나 IP, 설치된 컴포넌트가 있는 노드는 포트를 바꿀 수 없습니다.');
  END IF;
  IF p_old_node_id <> p_new_node_id THEN
    CALL change_begin(v_own_transaction);
    DELETE FROM node_port WHERE node_id = p_new_node_id;
    INSERT INTO node_port (node_id, port_num, port_group, description)
    SELECT p_new_node_id, np.port_num, np.port_group, np.description
      FROM node_port np
     WHERE np.node_id = p_old_node_id;
    CALL change_commit(v_own_transaction);
  END IF;
  SELECT 1 AS test;
END$$

-- The ports a link can use: with a node, the node's ports; with node 0, the domain's own (external) ports.
-- 0 port number (the link's port id), 1 port name.
CREATE PROCEDURE nodeViewNetworkPort(p_domain_id INT, p_node_id INT)
  READS SQL DATA
BEGIN
  IF COALESCE(p_node_id, 0) = 0 THEN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT p.port_num, COALESCE(NULLIF(p.description, ''), CONCAT('그룹 ', p.port_group)) AS port_name
      FROM domain_system_port p WHERE p.domain_id = p_domain_id ORDER BY p.port_num;
  ELSE
    CALL require_read_node(p_node_id);
    SELECT 1 AS test;
    SELECT np.port_num, COALESCE(NULLIF(np.description, ''), CONCAT('그룹 ', np.port_group)) AS port_name
      FROM node_port np WHERE np.node_id = p_node_id ORDER BY np.port_num;
  END IF;
END$$

DELIMITER ;
