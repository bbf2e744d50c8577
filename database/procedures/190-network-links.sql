-- Systems: network links between node ports of a system domain, and from a node port to one of the
-- domain's own (external) ports. A link is keyed by its source node port.
DELIMITER $$

-- The links whose source is in the domain, by link id: 0 source node id, 1 its name, 2 source port,
-- 3 destination node id (0: an external port of the domain), 4 its name ('' for an external port),
-- 5 destination port. Keys x.<column>.
CREATE PROCEDURE NetworklinkViewNetworkinkList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL remember_read_network_links(p_domain_id);
  SELECT 1 AS test;
  SELECT x.s_node_id, x.sname, x.s_port_id, x.d_node_id, x.dname, x.d_port_id
    FROM (SELECT l.id, l.s_node_id, sn.name AS sname, l.s_port AS s_port_id, COALESCE(l.d_node_id, 0) AS d_node_id,
                 COALESCE(dn.name, '') AS dname, l.d_port AS d_port_id
            FROM network_link l
            JOIN node sn ON sn.id = l.s_node_id
            LEFT JOIN node dn ON dn.id = l.d_node_id
           WHERE l.domain_id = p_domain_id) x
   ORDER BY x.id;
END$$

-- 1 when the link end cannot change: a node port that a parent system's lock holds, or (node 0) an external
-- port of a locked domain.
CREATE FUNCTION sys_link_end_locked(p_node_id INT, p_port INT, p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN IF(COALESCE(p_node_id, 0) = 0, sys_domain_locked(p_domain_id), sys_node_port_locked(p_node_id, p_port))$$

-- The checks of a link's new ends: the source node in a domain the account may change, its port, and a
-- destination node port of the same domain or (destination 0) one of the domain's own ports; neither end
-- held by a lock. Answers the source node's domain.
CREATE PROCEDURE sys_require_link_ends(p_s_node_id INT, p_s_port INT, p_d_node_id INT, p_d_port INT,
                                       OUT p_domain_id INT)
BEGIN
  SET p_domain_id = (SELECT n.domain_id FROM node n WHERE n.id = p_s_node_id);
  IF p_domain_id IS NULL THEN
    CALL require_login();
    CALL refuse('시작 노드가 없습니다.');
  END IF;
  CALL require_change_domain_content(p_domain_id);
  IF NOT EXISTS (SELECT 1 FROM node_port np WHERE np.node_id = p_s_node_id AND np.port_num = p_s_port) THEN
    CALL refuse(CONCAT('시작 노드에 포트 ', COALESCE(p_s_port, ''), '이(가) 없습니다.'));
  END IF;
  IF COALESCE(p_d_node_id, 0) = 0 THEN
    IF NOT EXISTS (SELECT 1 FROM domain_system_port p WHERE p.domain_id = p_domain_id AND p.port_num = p_d_port) THEN
      CALL refuse(CONCAT('도메인에 외부 포트 ', COALESCE(p_d_port, ''), '이(가) 없습니다.'));
    END IF;
  ELSE
    IF NOT EXISTS (SELECT 1 FROM node n WHERE n.id = p_d_node_id AND n.domain_id = p_domain_id) THEN
      CALL refuse('도착 노드가 시작 노드와 같은 도메인에 없습니다.');
    END IF;
    IF NOT EXISTS (SELECT 1 FROM node_port np WHERE np.node_id = p_d_node_id AND np.port_num = p_d_port) THEN
      CALL refuse(CONCAT('도착 노드에 포트 ', COALESCE(p_d_port, ''), '이(가) 없습니다.'));
    END IF;
    IF p_d_node_id = p_s_node_id AND p_d_port = p_s_port THEN
      CALL refuse('포트를 자기 자신에 연결할 수 없습니다.');
    END IF;
  END IF;
  IF sys_link_end_locked(p_s_node_id, p_s_port, p_domain_id)
     OR sys_link_end_locked(p_d_node_id, p_d_port, p_domain_id) THEN
    CALL refuse('상위 Subsystem Node가 LOCK 상태라 Networklink를 바꿀 수 없습니다.');
  END IF;
END$$

-- A new link. The sub-system domain ids the dialog sends with each end are not needed: the ports are the
-- nodes' own, and an external destination is a port of the source node's domain.
CREATE PROCEDURE NetworklinkViewNewNetworkink(p_s_node_id INT, p_s_sub_domain_id INT, p_s_port INT,
                                              p_d_node_id INT, p_d_sub_domain_id INT, p_d_port INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_domain_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_link_ends(p_s_node_id, p_s_port, p_d_node_id, p_d_port, v_domain_id);
  IF EXISTS (SELECT 1 FROM network_link l WHERE l.s_node_id = p_s_node_id AND l.s_port = p_s_port) THEN
    CALL refuse(CONCAT('시작 노드의 포트 ', p_s_port, '에는 이미 링크가 있습니다.'));
  END IF;
  INSERT INTO network_link (domain_id, s_node_id, s_port, d_node_id, d_domain_id, d_port)
  VALUES (v_domain_id, p_s_node_id, p_s_port, NULLIF(p_d_node_id, 0),
          IF(COALESCE(p_d_node_id, 0) = 0, v_domain_id, NULL), p_d_port);
  CALL remember_new_row('network_link', LAST_INSERT_ID());
  SELECT 1 AS test;
END$$

-- Changes the link (old source node, old source port).
CREATE PROCEDURE NetworklinkViewEditNetworkink(p_old_s_node_id INT, p_old_s_port INT, p_s_node_id INT,
                                               p_s_sub_domain_id INT, p_s_port INT, p_d_node_id INT,
                                               p_d_sub_domain_id INT, p_d_port INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_link_id INT;
  DECLARE v_old_domain_id INT;
  DECLARE v_old_d_node_id INT;
  DECLARE v_old_d_port INT;
  DECLARE v_domain_id INT;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  SELECT l.id, l.domain_id, l.d_node_id, l.d_port INTO v_link_id, v_old_domain_id, v_old_d_node_id, v_old_d_port
    FROM network_link l WHERE l.s_node_id = p_old_s_node_id AND l.s_port = p_old_s_port;
  IF v_link_id IS NULL THEN
    CALL require_login();
    CALL refuse('바꿀 링크가 없습니다.');
  END IF;
  CALL require_change_domain_content(v_old_domain_id);
  CALL change_begin(v_own_transaction);
  CALL require_unchanged_since_read('network_link', v_link_id);
  IF sys_link_end_locked(p_old_s_node_id, p_old_s_port, v_old_domain_id)
     OR sys_link_end_locked(v_old_d_node_id, v_old_d_port, v_old_domain_id) THEN
    CALL refuse('상위 Subsystem Node가 LOCK 상태라 Networklink를 바꿀 수 없습니다.');
  END IF;
  CALL sys_require_link_ends(p_s_node_id, p_s_port, p_d_node_id, p_d_port, v_domain_id);
  IF v_domain_id <> v_old_domain_id THEN
    CALL refuse('링크를 다른 도메인으로 옮길 수 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM network_link l WHERE l.s_node_id = p_s_node_id AND l.s_port = p_s_port
                AND l.id <> v_link_id) THEN
    CALL refuse(CONCAT('시작 노드의 포트 ', p_s_port, '에는 이미 링크가 있습니다.'));
  END IF;
  UPDATE network_link l
     SET l.s_node_id = p_s_node_id, l.s_port = p_s_port, l.d_node_id = NULLIF(p_d_node_id, 0),
         l.d_domain_id = IF(COALESCE(p_d_node_id, 0) = 0, v_domain_id, NULL), l.d_port = p_d_port
   WHERE l.id = v_link_id;
  CALL remember_own_change('network_link', v_link_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE netWorkLinkViewDeleteNetWorkLink(p_s_node_id INT, p_s_port INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  BEGIN
    DECLARE v_link_id INT;
    DECLARE v_domain_id INT;
    DECLARE v_d_node_id INT;
    DECLARE v_d_port INT;
    SELECT l.id, l.domain_id, l.d_node_id, l.d_port INTO v_link_id, v_domain_id, v_d_node_id, v_d_port
      FROM network_link l WHERE l.s_node_id = p_s_node_id AND l.s_port = p_s_port;
    IF v_link_id IS NULL THEN
      CALL require_login();
      CALL refuse('지울 링크가 없습니다.');
    END IF;
    CALL require_change_domain_content(v_domain_id);
    IF sys_link_end_locked(p_s_node_id, p_s_port, v_domain_id)
       OR sys_link_end_locked(v_d_node_id, v_d_port, v_domain_id) THEN
      CALL refuse('상위 Subsystem Node가 LOCK 상태라 Networklink를 지울 수 없습니다.');
    END IF;
    DELETE FROM network_link WHERE id = v_link_id;
    SELECT 1 AS test;
  END;
END$$

-- Run by the link dialog after an add. The links themselves are all the design needs, so there is nothing
-- to do; answers no result set.
CREATE PROCEDURE select_group(p_d_domain_id INT, p_d_port INT, p_s_node_id INT, p_s_port INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
END$$

-- The node ports linked to a switch, by link: 0 the linked node's id, 1 its IP on that port ('' when it has
-- none), 2 mask, 3 port, 4 the linked node's name.
CREATE PROCEDURE networkLinkViewConnectSwitch(p_switch_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_switch_id);
  SELECT 1 AS test;
  SELECT e.node_id, COALESCE(ip.ip, '') AS ip, COALESCE(ip.mask, '') AS mask, CAST(e.port AS CHAR) AS port,
         n.name
    FROM (SELECT l.id, l.d_node_id AS node_id, l.d_port AS port
            FROM network_link l WHERE l.s_node_id = p_switch_id AND l.d_node_id IS NOT NULL
          UNION ALL
          SELECT l.id, l.s_node_id, l.s_port
            FROM network_link l WHERE l.d_node_id = p_switch_id) e
    JOIN node n ON n.id = e.node_id
    LEFT JOIN node_ip ip ON ip.node_id = e.node_id AND ip.port = CAST(e.port AS CHAR)
   ORDER BY e.id, ip.id;
END$$

DELIMITER ;
