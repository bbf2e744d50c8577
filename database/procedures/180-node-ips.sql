-- Systems: the IP settings of nodes, one row per address on a node port.
DELIMITER $$

-- The IP rows of a node: 0 IP, 1 mask, 2 gateway, 3 DNS, 4 port, 5 description, 6 node name, 7-9 for the
-- rows of a sub-system node, where inside its domain the address lives (domain, node, port; NULL for other
-- rows), 10 network pattern.
CREATE PROCEDURE networkViewList(p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  CALL remember_read_node_ips(p_node_id);
  SELECT 1 AS test;
  SELECT ip.ip, ip.mask, ip.gateway, ip.dns, ip.port, ip.description, n.name AS node_name,
         ip.linked_domain, ip.linked_node, ip.linked_port, ip.pattern
    FROM node_ip ip
    JOIN node n ON n.id = ip.node_id
   WHERE ip.node_id = p_node_id
   ORDER BY ip.id;
END$$

CREATE PROCEDURE sys_require_ip_values(p_ip VARCHAR(1024), p_mask VARCHAR(1024), p_pattern VARCHAR(1024),
                                       p_gateway VARCHAR(1024), p_dns VARCHAR(1024), p_port VARCHAR(1024))
BEGIN
  IF NOT sys_is_ip(p_ip) THEN
    CALL refuse('IP 주소가 올바르지 않습니다.');
  END IF;
  IF NOT sys_is_ip(p_mask) THEN
    CALL refuse('Subnet Mask가 올바르지 않습니다.');
  END IF;
  IF COALESCE(p_gateway, '') <> '' AND NOT sys_is_ip(p_gateway) THEN
    CALL refuse('Gateway 주소가 올바르지 않습니다.');
  END IF;
  IF COALESCE(p_dns, '') <> '' AND NOT sys_is_ip(p_dns) THEN
    CALL refuse('DNS 주소가 올바르지 않습니다.');
  END IF;
  IF CHAR_LENGTH(COALESCE(p_port, '')) > 16 THEN
    CALL refuse('포트는 16자까지 쓸 수 있습니다.');
  END IF;
  IF CHAR_LENGTH(COALESCE(p_pattern, '')) > 64 THEN
    CALL refuse('네트워크 패턴은 64자까지 쓸 수 있습니다.');
  END IF;
END$$

CREATE PROCEDURE sys_require_node_port_unlocked(p_node_id INT, p_port_text VARCHAR(1024))
BEGIN
  IF sys_node_port_locked(p_node_id, sys_port_number(p_port_text)) THEN
    CALL refuse(CONCAT('*수정 불가* Node port ', COALESCE(p_port_text, ''),
                       '은(는) 상위 System과 연결되어 있고, System은 Lock 상태입니다.'));
  END IF;
END$$

CREATE PROCEDURE networkNewip(p_node_id INT, b_ip LONGBLOB, b_mask LONGBLOB, b_pattern LONGBLOB, b_gateway LONGBLOB,
                              b_dns LONGBLOB, b_port LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_ip, p_mask, p_pattern, p_gateway, p_dns, p_port, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_ip, p_ip);
  CALL take_text(b_mask, p_mask);
  CALL take_text(b_pattern, p_pattern);
  CALL take_text(b_gateway, p_gateway);
  CALL take_text(b_dns, p_dns);
  CALL take_text(b_port, p_port);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL sys_require_node_change(p_node_id);
    CALL sys_require_ip_values(p_ip, p_mask, p_pattern, p_gateway, p_dns, p_port);
    CALL sys_require_node_port_unlocked(p_node_id, p_port);
    IF EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = p_node_id AND ip.ip = p_ip AND ip.port = COALESCE(p_port, '')) THEN
      CALL refuse('이 노드의 같은 포트에 같은 IP가 이미 있습니다.');
    END IF;
    INSERT INTO node_ip (node_id, ip, mask, pattern, gateway, dns, port, description)
    VALUES (p_node_id, p_ip, p_mask, COALESCE(p_pattern, ''), COALESCE(p_gateway, ''), COALESCE(p_dns, ''),
            COALESCE(p_port, ''), COALESCE(p_description, ''));
    CALL remember_new_row('node_ip', LAST_INSERT_ID());
    SELECT 1 AS test;
  END;
END$$

-- Changes the row (node, old IP, old port).
CREATE PROCEDURE networkViewEditip(p_node_id INT, b_old_ip LONGBLOB, b_ip LONGBLOB, b_mask LONGBLOB,
                                   b_pattern LONGBLOB, b_gateway LONGBLOB, b_dns LONGBLOB, b_old_port LONGBLOB,
                                   b_port LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_old_ip, p_ip, p_mask, p_pattern, p_gateway, p_dns, p_old_port, p_port, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_old_ip, p_old_ip);
  CALL take_text(b_ip, p_ip);
  CALL take_text(b_mask, p_mask);
  CALL take_text(b_pattern, p_pattern);
  CALL take_text(b_gateway, p_gateway);
  CALL take_text(b_dns, p_dns);
  CALL take_text(b_old_port, p_old_port);
  CALL take_text(b_port, p_port);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_row INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_node_change(p_node_id);
    SET v_row = (SELECT ip.id FROM node_ip ip
                  WHERE ip.node_id = p_node_id AND ip.ip = p_old_ip AND ip.port = COALESCE(p_old_port, ''));
    IF v_row IS NULL THEN
      CALL refuse('바꿀 IP가 없습니다. 목록에서 IP를 선택하세요.');
    END IF;
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('node_ip', v_row);
    CALL sys_require_ip_values(p_ip, p_mask, p_pattern, p_gateway, p_dns, p_port);
    CALL sys_require_node_port_unlocked(p_node_id, p_old_port);
    CALL sys_require_node_port_unlocked(p_node_id, p_port);
    IF EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = p_node_id AND ip.ip = p_ip AND ip.port = COALESCE(p_port, '')
                  AND ip.id <> v_row) THEN
      CALL refuse('이 노드의 같은 포트에 같은 IP가 이미 있습니다.');
    END IF;
    UPDATE node_ip ip
       SET ip.ip = p_ip, ip.mask = p_mask, ip.pattern = COALESCE(p_pattern, ''), ip.gateway = COALESCE(p_gateway, ''),
           ip.dns = COALESCE(p_dns, ''), ip.port = COALESCE(p_port, ''), ip.description = COALESCE(p_description, '')
     WHERE ip.id = v_row;
    CALL remember_own_change('node_ip', v_row);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Deletes the node's rows with that IP.
CREATE PROCEDURE networkViewDeleteip(p_node_id INT, b_ip LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_ip LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_ip, p_ip);
  BEGIN
    CALL sys_require_node_change(p_node_id);
    IF NOT EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = p_node_id AND ip.ip = p_ip) THEN
      CALL refuse('지울 IP가 없습니다. 목록에서 IP를 선택하세요.');
    END IF;
    IF EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = p_node_id AND ip.ip = p_ip
                  AND sys_node_port_locked(p_node_id, sys_port_number(ip.port))) THEN
      CALL refuse('*삭제 불가* 이 IP의 Node port는 상위 System과 연결되어 있고, System은 Lock 상태입니다.');
    END IF;
    DELETE FROM node_ip WHERE node_id = p_node_id AND ip = p_ip;
    SELECT 1 AS test;
  END;
END$$

-- The addresses elsewhere in the domain that equal an address of the node port (no status set: the rows
-- are the answer). 0 node name, 1 port, 2 IP, 3 mask, 4 description. A domain the account may not read is
-- answered as a missing one: no rows.
CREATE PROCEDURE check_overlap_ip(p_domain_id INT, p_node_id INT, p_port INT)
  READS SQL DATA
BEGIN
  DECLARE v_hidden TINYINT;
  CALL sys_require_login_quietly();
  SELECT domain_hidden(p_domain_id) INTO v_hidden;
  SELECT other_node.name, other.port, other.ip, other.mask, other.description
    FROM node_ip mine
    JOIN node_ip other ON other.ip = mine.ip AND other.id <> mine.id
    JOIN node other_node ON other_node.id = other.node_id
   WHERE mine.node_id = p_node_id AND sys_port_number(mine.port) = p_port
     AND other_node.domain_id = p_domain_id AND NOT v_hidden
     AND NOT (other.node_id = p_node_id AND other.port = mine.port)
   ORDER BY other.id;
END$$

-- Rebuilds the IP rows of a sub-system or sensor node from the domain it stands for: one row per address of
-- a node port inside that domain that is linked to one of its external ports, on the node port of that
-- number. Other nodes keep their rows. Answers no result set.
CREATE PROCEDURE select_network(p_node_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_domain_id INT;
  DECLARE v_sub_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN CALL change_abort(v_own_transaction); RESIGNAL; END;
  CALL sys_require_login_quietly();
  SELECT n.domain_id, IF(sys_stands_for_domain(n.type), n.sub_system_domain_id, NULL) INTO v_domain_id, v_sub_id
    FROM node n WHERE n.id = p_node_id;
  IF v_domain_id IS NULL THEN
    CALL sys_fail('노드가 없습니다.');
  END IF;
  IF can_change_domain_content(v_domain_id) = 0 THEN
    CALL sys_fail('도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다.');
  END IF;
  IF v_sub_id IS NOT NULL THEN
    CALL change_begin(v_own_transaction);
    DELETE FROM node_ip WHERE node_id = p_node_id;
    INSERT IGNORE INTO node_ip (node_id, ip, mask, pattern, gateway, dns, port, description,
                                linked_domain, linked_node, linked_port)
    SELECT p_node_id, ip.ip, ip.mask, ip.pattern, ip.gateway, ip.dns, CAST(l.d_port AS CHAR), ip.description,
           d.name, inner_node.name, ip.port
      FROM network_link l
      JOIN domain d ON d.id = l.d_domain_id
      JOIN node inner_node ON inner_node.id = l.s_node_id
      JOIN node_ip ip ON ip.node_id = l.s_node_id AND ip.port = CAST(l.s_port AS CHAR)
     WHERE l.d_domain_id = v_sub_id
     ORDER BY l.d_port, ip.id;
    CALL change_commit(v_own_transaction);
  END IF;
END$$

-- The port and IP bindings of a deployment: the addresses of the node it is installed on.
-- 0 deployment id, 1 port, 2 IP.
CREATE PROCEDURE deployments_bind_table_info(p_deployment_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_deployment(p_deployment_id);
  SELECT 1 AS test;
  SELECT dp.id, ip.port, ip.ip
    FROM deployment dp
    JOIN node_ip ip ON ip.node_id = dp.node_id
   WHERE dp.id = p_deployment_id
   ORDER BY ip.port, ip.id;
END$$

DELIMITER ;
