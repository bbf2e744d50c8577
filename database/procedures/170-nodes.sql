-- Systems: nodes of a system domain.
--
-- The node lists share one layout: 0 node id (key xxx.Id), 1 owning domain id, 2 name (xxx.aname), 3 type
-- word, 4 description, 5 sub-system domain id (NULL for nodes that stand for no domain), 6 that domain's
-- name (NULL likewise), 7 lock flag "Y"/"N".
DELIMITER $$

CREATE PROCEDURE nodeViewList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL remember_read_nodes(p_domain_id, NULL);
  SELECT 1 AS test;
  SELECT xxx.id AS Id, xxx.domain_id, xxx.name AS aname, xxx.type, xxx.description, xxx.sub_system_domain_id,
         s.name AS sub_system_name, xxx.lock_flag
    FROM node xxx
    LEFT JOIN domain s ON s.id = xxx.sub_system_domain_id
   WHERE xxx.domain_id = p_domain_id
   ORDER BY xxx.id;
END$$

-- Exactly one node (the tree reloads a new node with it).
CREATE PROCEDURE nodeViewListnodeKey(p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  CALL remember_read_nodes(NULL, p_node_id);
  SELECT 1 AS test;
  SELECT xxx.id AS Id, xxx.domain_id, xxx.name AS aname, xxx.type, xxx.description, xxx.sub_system_domain_id,
         s.name AS sub_system_name, xxx.lock_flag
    FROM node xxx
    LEFT JOIN domain s ON s.id = xxx.sub_system_domain_id
   WHERE xxx.id = p_node_id;
END$$

-- The node a diagram element stands on; no row for id 0 or an unknown node.
CREATE PROCEDURE nodeViewnodeinfo(p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  SELECT 1 AS test;
  SELECT xxx.id AS Id, xxx.domain_id, xxx.name AS aname, xxx.type, xxx.description, xxx.sub_system_domain_id,
         s.name AS sub_system_name, xxx.lock_flag
    FROM node xxx
    LEFT JOIN domain s ON s.id = xxx.sub_system_domain_id
   WHERE xxx.id = p_node_id;
END$$

-- The checks that a new or changed node's values pass: a name without ":" that no other node of the
-- domain has, a known type word, and for a node that stands for a domain, a readable system domain that
-- does not contain the node's own domain.
CREATE PROCEDURE sys_require_node_values(p_node_id INT, p_domain_id INT, p_name VARCHAR(1024), p_type VARCHAR(64),
                                         p_sub_domain_id INT)
BEGIN
  CALL sys_require_name(p_name, '노드');
  CALL require_plain_name(p_name, (SELECT n.name FROM node n WHERE n.id = p_node_id));
  IF LOCATE(':', p_name) > 0 THEN
    CALL refuse('노드 이름에는 : 을 쓸 수 없습니다.');
  END IF;
  IF sys_node_type(p_type) IS NULL THEN
    CALL refuse('노드 타입은 router, switch, computer, sub_system, sensor 가운데 하나여야 합니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM node n WHERE n.domain_id = p_domain_id AND n.name = p_name
                AND n.id <> COALESCE(p_node_id, 0)) THEN
    CALL refuse('같은 도메인에 같은 이름의 노드가 이미 있습니다.');
  END IF;
  IF COALESCE(p_sub_domain_id, 0) <> 0 THEN
    -- A domain the account may not read is answered as a missing one.
    IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_sub_domain_id AND d.kind = 'system')
       OR can_read_domain(p_sub_domain_id) = 0 THEN
      CALL refuse('서브시스템 도메인이 없습니다.');
    END IF;
    IF sys_stands_for_domain(sys_node_type(p_type)) AND sys_domain_contains(p_sub_domain_id, p_domain_id) THEN
      CALL refuse('노드의 도메인을 포함하는 도메인은 서브시스템으로 지정할 수 없습니다.');
    END IF;
  END IF;
END$$

-- A new node; answers its id. The node gets the ports of the given system domain; a sub-system or sensor
-- node also stands for that domain (for the other types the domain only lends its ports).
CREATE PROCEDURE nodeNewNodes(p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB, b_description LONGBLOB,
                              p_sub_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_type VARCHAR(16) DEFAULT sys_node_type(p_type);
    DECLARE v_id INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL require_change_domain_content(p_domain_id);
    CALL sys_require_system_domain(p_domain_id);
    CALL sys_require_node_values(NULL, p_domain_id, p_name, p_type, p_sub_domain_id);
    CALL change_begin(v_own_transaction);
    INSERT INTO node (domain_id, name, type, description, sub_system_domain_id)
    VALUES (p_domain_id, p_name, v_type, COALESCE(p_description, ''),
            IF(sys_stands_for_domain(v_type), NULLIF(p_sub_domain_id, 0), NULL));
    SET v_id = LAST_INSERT_ID();
    CALL remember_new_row('node', v_id);
    CALL sys_add_node_ports(v_id, NULLIF(p_sub_domain_id, 0));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
    SELECT v_id AS id;
  END;
END$$

-- Changes a node. A sub-system or sensor node that changes the domain it stands for takes that domain's
-- ports; that is refused while links or installed components hang on the node. Only those two types keep a
-- lock. Answers the status alone (the editor's runner also accepts a second row with 2 for a refusal; a
-- refusal here is the status 0 and the reason).
CREATE PROCEDURE NodeViewEditNode(p_node_id INT, p_domain_id INT, b_name LONGBLOB, b_type LONGBLOB,
                                  b_description LONGBLOB, p_sub_domain_id INT, p_lock INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_type, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_type, p_type);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_type VARCHAR(16) DEFAULT sys_node_type(p_type);
    DECLARE v_old_sub INT;
    DECLARE v_new_sub INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_node_change(p_node_id);
    IF NOT EXISTS (SELECT 1 FROM node n WHERE n.id = p_node_id AND n.domain_id = p_domain_id) THEN
      CALL refuse('노드가 그 도메인에 없습니다.');
    END IF;
    CALL sys_require_node_values(p_node_id, p_domain_id, p_name, p_type, p_sub_domain_id);
    SET v_old_sub = (SELECT n.sub_system_domain_id FROM node n WHERE n.id = p_node_id);
    SET v_new_sub = IF(sys_stands_for_domain(v_type), NULLIF(p_sub_domain_id, 0), NULL);
    IF NOT (v_old_sub <=> v_new_sub) AND v_new_sub IS NOT NULL THEN
      IF EXISTS (SELECT 1 FROM network_link l WHERE l.s_node_id = p_node_id)
         OR EXISTS (SELECT 1 FROM network_link l WHERE l.d_node_id = p_node_id)
         OR EXISTS (SELECT 1 FROM deployment dp WHERE dp.node_id = p_node_id) THEN
        CALL refuse('링크나 설치된 컴포넌트가 있는 노드는 서브시스템 도메인을 바꿀 수 없습니다.');
      END IF;
    END IF;
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('node', p_node_id);
    UPDATE node n
       SET n.name = p_name, n.type = v_type, n.description = COALESCE(p_description, ''),
           n.sub_system_domain_id = v_new_sub,
           n.lock_flag = IF(sys_stands_for_domain(v_type) AND COALESCE(p_lock, 0) = 1, 'Y', 'N')
     WHERE n.id = p_node_id;
    IF NOT (v_old_sub <=> v_new_sub) AND v_new_sub IS NOT NULL THEN
      DELETE FROM node_port WHERE node_id = p_node_id;
      CALL sys_add_node_ports(p_node_id, v_new_sub);
    END IF;
    CALL remember_own_change('node', p_node_id);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Deletes the node with its ports, IP rows, links, deployments and installed entries (and their clones in
-- parent systems), unless a parent system's lock holds one of them.
CREATE PROCEDURE nodeDeleteNodes(p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_node_change(p_node_id);
  IF sys_node_locked(p_node_id) THEN
    CALL refuse('상위 시스템의 Subsystem Node가 Lock 상태라 이 노드를 지울 수 없습니다.');
  END IF;
  DELETE FROM node WHERE id = p_node_id;
  SELECT 1 AS test;
END$$

DELIMITER ;
