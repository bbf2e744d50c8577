-- Systems: components installed on nodes (deployments), their installed proxy and stub entries, and the
-- clones that carry the public entries of a sub-system domain onto the nodes that stand for it.
DELIMITER $$

-- The components of the domain that are not installed on the node yet (layout of componentViewList).
CREATE PROCEDURE nodeDeploymentViewComponentList(p_domain_id INT, p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT c.id, c.systemdomain_id, c.name, c.last_update, c.description
    FROM component c
   WHERE c.systemdomain_id = p_domain_id
     AND NOT EXISTS (SELECT 1 FROM deployment dp
                      WHERE dp.node_id = p_node_id AND dp.component_id = c.id AND dp.source_deployment_id IS NULL)
   ORDER BY c.id;
END$$

-- The deployments on a node, by id: 0 deployment id, 1 component id, 2 the component's domain, 3 component
-- name, 4 its last update, 5 its description (keys A.<column>; A.seq is the last update). The domain
-- argument is the node's own and only names it.
CREATE PROCEDURE nodeDeploymentViewInstallList(p_domain_id INT, p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  SELECT 1 AS test;
  SELECT A.id, A.component_id, A.systemdomain_id, A.name, A.seq, A.description
    FROM (SELECT dp.id, dp.component_id, c.systemdomain_id, c.name, c.last_update AS seq, c.description
            FROM deployment dp
            JOIN component c ON c.id = dp.component_id
           WHERE dp.node_id = p_node_id) A
   ORDER BY A.id;
END$$

-- The deployments of a component (not the clones in parent systems): the places a new object is installed.
CREATE PROCEDURE deploymentsViewDeploymentslist(p_domain_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_component(p_component_id);
  SELECT 1 AS test;
  SELECT dp.id FROM deployment dp
   WHERE dp.component_id = p_component_id AND dp.source_deployment_id IS NULL
   ORDER BY dp.id;
END$$

-- The components installed on a node, once each.
CREATE PROCEDURE switchSubComponentInfo(p_node_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  SELECT 1 AS test;
  SELECT dp.component_id FROM deployment dp WHERE dp.node_id = p_node_id
   GROUP BY dp.component_id ORDER BY MIN(dp.id);
END$$

-- Gives a deployment one entry per object of its component's classes that it lacks.
CREATE PROCEDURE sys_install_entries(p_deployment_id INT)
BEGIN
  INSERT INTO custom_entry (deployment_id, object_ref, kind)
  SELECT dp.id, o.id, a.kind
    FROM deployment dp
    JOIN component_class a ON a.component_id = dp.component_id
    JOIN class_object o ON o.class_id = a.id
   WHERE dp.id = p_deployment_id
     AND NOT EXISTS (SELECT 1 FROM custom_entry e WHERE e.deployment_id = dp.id AND e.object_ref = o.id)
   ORDER BY a.id, o.id;
END$$

-- Removes the clones of the component that have lost their last entry.
CREATE PROCEDURE sys_drop_empty_clones(p_component_id INT)
BEGIN
  DELETE FROM deployment
   WHERE component_id = p_component_id AND source_deployment_id IS NOT NULL
     AND NOT EXISTS (SELECT 1 FROM custom_entry e WHERE e.deployment_id = deployment.id);
END$$

-- Installs a component on a node with an entry for every object of its classes. The copy of a whole domain
-- passes the deployment it copies, whose entries lend their object ids, public flags and stubs (matched by
-- kind, class name and object name); the dialog passes 0.
CREATE PROCEDURE nodeDeploymentViewNewcomponent(p_node_id INT, p_component_id INT, p_domain_id INT,
                                                p_source_deployment_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE v_deployment_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_node_change(p_node_id);
  -- A component of a domain the account may not read is answered as a missing one.
  IF NOT EXISTS (SELECT 1 FROM component c WHERE c.id = p_component_id)
     OR domain_hidden((SELECT c.systemdomain_id FROM component c WHERE c.id = p_component_id)) THEN
    CALL refuse('설치할 컴포넌트를 선택하세요.');
  END IF;
  IF (SELECT c.systemdomain_id FROM component c WHERE c.id = p_component_id)
     <> (SELECT n.domain_id FROM node n WHERE n.id = p_node_id) THEN
    CALL refuse('노드와 같은 도메인의 컴포넌트만 설치할 수 있습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM deployment dp WHERE dp.node_id = p_node_id AND dp.component_id = p_component_id
                AND dp.source_deployment_id IS NULL) THEN
    CALL refuse('노드에 이미 설치된 컴포넌트입니다.');
  END IF;
  CALL change_begin(v_own_transaction);
  INSERT INTO deployment (node_id, component_id) VALUES (p_node_id, p_component_id);
  SET v_deployment_id = LAST_INSERT_ID();
  CALL sys_install_entries(v_deployment_id);
  IF COALESCE(p_source_deployment_id, 0) <> 0
     AND can_read_domain((SELECT n.domain_id FROM deployment dp JOIN node n ON n.id = dp.node_id
                           WHERE dp.id = p_source_deployment_id)) THEN
    UPDATE custom_entry e
      JOIN class_object o ON o.id = e.object_ref
      JOIN component_class a ON a.id = o.class_id
      JOIN custom_entry se ON se.deployment_id = p_source_deployment_id
      JOIN class_object so ON so.id = se.object_ref AND so.object_name = o.object_name
      JOIN component_class sa ON sa.id = so.class_id AND sa.kind = a.kind AND sa.class_name = a.class_name
       SET e.object_id = se.object_id, e.public = se.public, e.stub_object_id = se.stub_object_id,
           e.stub_ip = se.stub_ip
     WHERE e.deployment_id = v_deployment_id;
  END IF;
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

-- Removes a deployment with its entries. Refused while it is cloned into a sub-system (remove the clones
-- first: clear the entries' Public flags) or sits on a locked node.
CREATE PROCEDURE nodeDeploymentViewDeleteComponent(p_deployment_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_node_id INT DEFAULT (SELECT dp.node_id FROM deployment dp WHERE dp.id = p_deployment_id);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  IF v_node_id IS NULL THEN
    CALL require_login();
    CALL refuse('설치된 컴포넌트가 없습니다.');
  END IF;
  CALL sys_require_node_change(v_node_id);
  IF EXISTS (SELECT 1 FROM deployment cl WHERE cl.source_deployment_id = p_deployment_id) THEN
    CALL refuse('Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요');
  END IF;
  IF sys_deployment_locked(p_deployment_id) THEN
    CALL refuse('*삭제 불가* Lock 상태인 SubsystemNode에 설치된 컴포넌트입니다.');
  END IF;
  DELETE FROM deployment WHERE id = p_deployment_id;
  SELECT 1 AS test;
END$$

-- A proxy or stub class with an object, as the class dialog enters them: the component's class of that
-- name is reused when it binds the same interface. The new object is installed on every deployment of the
-- component.
CREATE PROCEDURE sys_insert_relation(p_domain_id INT, p_component_id INT, p_kind VARCHAR(5), p_method_domain_id INT,
                                     p_interface_name VARCHAR(1024), p_class_name VARCHAR(1024),
                                     p_object_name VARCHAR(1024))
BEGIN
  DECLARE v_domain_id INT;
  DECLARE v_class_id INT;
  DECLARE v_object_ref INT;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_component_change(p_component_id, v_domain_id);
  IF v_domain_id <> p_domain_id THEN
    CALL refuse('컴포넌트가 그 도메인에 없습니다.');
  END IF;
  CALL sys_require_component_unlocked(p_component_id);
  CALL sys_require_interface(p_method_domain_id, p_interface_name);
  CALL sys_require_file_name(p_class_name, '클래스');
  SET v_class_id = (SELECT a.id FROM component_class a
                     WHERE a.component_id = p_component_id AND a.kind = p_kind AND a.class_name = p_class_name);
  IF v_class_id IS NOT NULL AND NOT EXISTS (SELECT 1 FROM component_class a WHERE a.id = v_class_id
                                               AND a.method_domain_id = p_method_domain_id
                                               AND a.interface_name = p_interface_name) THEN
    CALL refuse('같은 이름의 클래스가 다른 인터페이스에 있습니다.');
  END IF;
  CALL require_plain_name(p_class_name, IF(v_class_id IS NULL, NULL, p_class_name));
  CALL require_code_name('class', p_class_name, IF(v_class_id IS NULL, NULL, p_class_name));
  CALL sys_require_free_object_name(NULL, COALESCE(v_class_id, 0), p_object_name);
  CALL change_begin(v_own_transaction);
  IF v_class_id IS NULL THEN
    INSERT INTO component_class (component_id, kind, method_domain_id, interface_name, class_name)
    VALUES (p_component_id, p_kind, p_method_domain_id, p_interface_name, p_class_name);
    SET v_class_id = LAST_INSERT_ID();
    CALL remember_new_row('class', v_class_id);
  END IF;
  INSERT INTO class_object (class_id, component_id, object_name) VALUES (v_class_id, p_component_id, p_object_name);
  SET v_object_ref = LAST_INSERT_ID();
  INSERT INTO custom_entry (deployment_id, object_ref, kind)
  SELECT dp.id, v_object_ref, p_kind FROM deployment dp
   WHERE dp.component_id = p_component_id AND dp.source_deployment_id IS NULL;
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE insertProxyInserfaceRelation(p_domain_id INT, p_component_id INT, p_method_domain_id INT,
                                              b_interface_name LONGBLOB, b_class_name LONGBLOB,
                                              b_object_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name, p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_insert_relation(p_domain_id, p_component_id, 'proxy', p_method_domain_id, p_interface_name, p_class_name,
                             p_object_name);
  END;
END$$

CREATE PROCEDURE insertStubInserfaceRelation(p_domain_id INT, p_component_id INT, p_method_domain_id INT,
                                             b_interface_name LONGBLOB, b_class_name LONGBLOB,
                                             b_object_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name, p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_insert_relation(p_domain_id, p_component_id, 'stub', p_method_domain_id, p_interface_name, p_class_name,
                             p_object_name);
  END;
END$$

-- The installed proxy entries of a component on a node, by object id: 0 entry id, 1 deployment id,
-- 2 class id, 3 interface name, 4 class name, 5 object id, 6 stub object id, 7 stub IP, 8 method domain
-- name, 9 method domain id, 10 its standard port, 11 object name, 12 public flag.
CREATE PROCEDURE sys_proxy_entry_rows(p_node_id INT, p_component_id INT)
BEGIN
  CALL require_read_node(p_node_id);
  CALL remember_read_entries(p_node_id, p_component_id, 'proxy');
  SELECT 1 AS test;
  SELECT a.id, a.deployment_id, a.class_id, b.interface_name, b.class_name, a.object_id, a.stub_object_id,
         a.stub_ip, c.name, c.id, c.standard_port, a.object_name, a.public
    FROM (SELECT e.id, e.deployment_id, o.class_id, e.object_id, e.stub_object_id, e.stub_ip, o.object_name,
                 e.public
            FROM deployment dp
            JOIN custom_entry e ON e.deployment_id = dp.id
            JOIN class_object o ON o.id = e.object_ref
           WHERE dp.node_id = p_node_id AND dp.component_id = p_component_id AND e.kind = 'proxy') a
    JOIN component_class b ON b.id = a.class_id
    JOIN domain c ON c.id = b.method_domain_id
   ORDER BY a.object_id, a.id;
END$$

CREATE PROCEDURE coustim_proxyViewlistinfo(p_node_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_proxy_entry_rows(p_node_id, p_component_id);
END$$

-- The same for the diagram of an installed component (the first argument, the node's domain, only names
-- it).
CREATE PROCEDURE draw_deployComponentProxyInterfaceList(p_domain_id INT, p_node_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_proxy_entry_rows(p_node_id, p_component_id);
END$$

-- The installed stub entries of a component on a node, by object id: 0 entry id, 1 deployment id, 2 class
-- id, 3 object id, 4 interface name, 5 class name, 6 method domain name, 7 method domain id, 8 its standard
-- port, 9 object name, 10 public flag.
CREATE PROCEDURE coustim_stubViewlistinfo(p_node_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_node(p_node_id);
  CALL remember_read_entries(p_node_id, p_component_id, 'stub');
  SELECT 1 AS test;
  SELECT a.id, a.deployment_id, a.class_id, a.object_id, b.interface_name, b.class_name, c.name, c.id,
         c.standard_port, a.object_name, a.public
    FROM (SELECT e.id, e.deployment_id, o.class_id, e.object_id, o.object_name, e.public
            FROM deployment dp
            JOIN custom_entry e ON e.deployment_id = dp.id
            JOIN class_object o ON o.id = e.object_ref
           WHERE dp.node_id = p_node_id AND dp.component_id = p_component_id AND e.kind = 'stub') a
    JOIN component_class b ON b.id = a.class_id
    JOIN domain c ON c.id = b.method_domain_id
   ORDER BY a.object_id, a.id;
END$$

-- The entry exists with the kind, and the account may change the domain of its node; answers its
-- deployment.
CREATE PROCEDURE sys_require_entry_change(p_entry_id INT, p_kind VARCHAR(5), OUT p_deployment_id INT)
BEGIN
  SET p_deployment_id = (SELECT e.deployment_id FROM custom_entry e
                          WHERE e.id = p_entry_id AND (p_kind IS NULL OR e.kind = p_kind));
  IF p_deployment_id IS NULL THEN
    CALL require_login();
    CALL refuse('설치된 항목이 없습니다.');
  END IF;
  CALL sys_require_node_change((SELECT dp.node_id FROM deployment dp WHERE dp.id = p_deployment_id));
END$$

-- Installs a new object of a class on one deployment of its component (object id: NULL until it is set).
CREATE PROCEDURE sys_new_entry(p_deployment_id INT, p_class_id INT, p_kind VARCHAR(5), p_object_id INT,
                               p_object_name VARCHAR(1024))
BEGIN
  DECLARE v_node_id INT DEFAULT (SELECT dp.node_id FROM deployment dp WHERE dp.id = p_deployment_id);
  DECLARE v_object_ref INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  IF v_node_id IS NULL THEN
    CALL require_login();
    CALL refuse('설치된 컴포넌트가 없습니다.');
  END IF;
  CALL sys_require_node_change(v_node_id);
  SET v_object_ref = (SELECT o.id FROM class_object o
                        JOIN component_class a ON a.id = o.class_id AND a.kind = p_kind
                        JOIN deployment dp ON dp.id = p_deployment_id AND dp.component_id = a.component_id
                       WHERE o.class_id = p_class_id AND o.object_name = p_object_name);
  IF v_object_ref IS NULL THEN
    CALL refuse('설치된 컴포넌트의 클래스에 그 객체가 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM custom_entry e WHERE e.deployment_id = p_deployment_id AND e.object_ref = v_object_ref) THEN
    CALL refuse('이미 설치된 객체입니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM node n WHERE n.id = v_node_id AND n.lock_flag = 'Y' AND sys_stands_for_domain(n.type)) THEN
    CALL refuse('*수정 불가* Lock 상태인 SubsystemNode에는 객체를 설치할 수 없습니다.');
  END IF;
  INSERT INTO custom_entry (deployment_id, object_ref, kind, object_id)
  VALUES (p_deployment_id, v_object_ref, p_kind, COALESCE(p_object_id, 0));
  CALL remember_new_row('entry', LAST_INSERT_ID());
  SELECT 1 AS test;
END$$

CREATE PROCEDURE coustum_proxyViewNewobjectid(p_deployment_id INT, p_class_id INT, p_object_id INT,
                                              b_object_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_new_entry(p_deployment_id, p_class_id, 'proxy', p_object_id, p_object_name);
  END;
END$$

CREATE PROCEDURE coustum_stubViewNewobjectid(p_deployment_id INT, p_class_id INT, p_object_id INT,
                                             b_object_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_new_entry(p_deployment_id, p_class_id, 'stub', p_object_id, p_object_name);
  END;
END$$

-- Clones a public entry onto every sub-system or sensor node that stands for the domain of its node: a
-- clone deployment of its component there (one per source deployment and node) and a clone entry.
CREATE PROCEDURE sys_clone_entry(p_entry_id INT)
BEGIN
  DECLARE v_deployment_id INT;
  DECLARE v_object_ref INT;
  DECLARE v_kind VARCHAR(5);
  DECLARE v_object_id INT;
  DECLARE v_domain_id INT;
  SELECT e.deployment_id, e.object_ref, e.kind, e.object_id, n.domain_id
    INTO v_deployment_id, v_object_ref, v_kind, v_object_id, v_domain_id
    FROM custom_entry e
    JOIN deployment dp ON dp.id = e.deployment_id
    JOIN node n ON n.id = dp.node_id
   WHERE e.id = p_entry_id AND e.public = 1;
  IF v_deployment_id IS NOT NULL THEN
    INSERT INTO deployment (node_id, component_id, source_deployment_id)
    SELECT x.id, dp.component_id, dp.id
      FROM deployment dp
      JOIN node x ON x.sub_system_domain_id = v_domain_id AND x.type IN ('sub_system', 'sensor')
     WHERE dp.id = v_deployment_id
       AND NOT EXISTS (SELECT 1 FROM deployment cl WHERE cl.source_deployment_id = dp.id AND cl.node_id = x.id);
    INSERT INTO custom_entry (deployment_id, object_ref, kind, object_id, source_entry_id)
    SELECT cl.id, v_object_ref, v_kind, v_object_id, p_entry_id
      FROM deployment cl
     WHERE cl.source_deployment_id = v_deployment_id
       AND NOT EXISTS (SELECT 1 FROM custom_entry c WHERE c.deployment_id = cl.id AND c.object_ref = v_object_ref);
  END IF;
END$$

-- Removes the clones of an entry (and theirs), and the clone deployments left empty.
CREATE PROCEDURE sys_unclone_entry(p_entry_id INT)
BEGIN
  DECLARE v_component_id INT DEFAULT (SELECT dp.component_id FROM custom_entry e
                                        JOIN deployment dp ON dp.id = e.deployment_id WHERE e.id = p_entry_id);
  DELETE FROM custom_entry WHERE source_entry_id = p_entry_id;
  CALL sys_drop_empty_clones(v_component_id);
END$$

-- The object id and public flag of an installed entry (kind flag 1: stub entry, 0: proxy entry). A public
-- entry is cloned onto the sub-system nodes standing for its domain, and the clones go when it stops
-- being public. While a parent system locks the domain, the flag stays, and so does a public entry's id.
-- A clone takes its object id from its source.
CREATE PROCEDURE coustum_ViewEditobjectid(p_entry_id INT, p_object_id INT, p_kind_flag INT, p_public INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_kind VARCHAR(5) DEFAULT IF(p_kind_flag = 1, 'stub', 'proxy');
  DECLARE v_deployment_id INT;
  DECLARE v_was_public TINYINT;
  DECLARE v_old_object_id INT;
  DECLARE v_source_id INT;
  DECLARE v_public TINYINT DEFAULT COALESCE(p_public, 0) <> 0;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_entry_change(p_entry_id, v_kind, v_deployment_id);
  SELECT e.public, e.object_id, e.source_entry_id INTO v_was_public, v_old_object_id, v_source_id
    FROM custom_entry e WHERE e.id = p_entry_id;
  IF v_public <> v_was_public AND sys_deployment_domain_locked(v_deployment_id) THEN
    CALL refuse('*수정 불가* 상위 System이 Lock 상태라 Public을 바꿀 수 없습니다.');
  END IF;
  IF COALESCE(p_object_id, 0) <> v_old_object_id THEN
    IF v_source_id IS NOT NULL THEN
      CALL refuse('서브시스템에서 가져온 항목의 Object ID는 원래 항목에서 바꾸세요.');
    END IF;
    IF v_was_public AND sys_deployment_domain_locked(v_deployment_id) THEN
      CALL refuse('*수정 불가* 상위 System과 연결된 Object입니다. 상위 System이 Lock 상태입니다.');
    END IF;
  END IF;
  CALL change_begin(v_own_transaction);
  CALL require_unchanged_since_read('entry', p_entry_id);
  UPDATE custom_entry e SET e.object_id = COALESCE(p_object_id, 0), e.public = v_public WHERE e.id = p_entry_id;
  UPDATE custom_entry e SET e.object_id = COALESCE(p_object_id, 0) WHERE e.source_entry_id = p_entry_id;
  IF v_was_public AND NOT v_public THEN
    CALL sys_unclone_entry(p_entry_id);
  ELSEIF v_public AND NOT v_was_public THEN
    CALL sys_clone_entry(p_entry_id);
  END IF;
  CALL remember_own_change('entry', p_entry_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

-- The stub an installed proxy entry calls: its object id and IP. A public entry keeps them while a parent
-- system locks its domain.
CREATE PROCEDURE nodeproxyViewNewstubinfo(p_entry_id INT, p_stub_object_id INT, b_stub_ip LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_stub_ip LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_stub_ip, p_stub_ip);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_deployment_id INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_entry_change(p_entry_id, 'proxy', v_deployment_id);
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('entry', p_entry_id);
    IF NOT sys_is_ip(p_stub_ip) THEN
      CALL refuse('STUB IP 주소가 올바르지 않습니다.');
    END IF;
    IF (SELECT e.public FROM custom_entry e WHERE e.id = p_entry_id) = 1
       AND sys_deployment_domain_locked(v_deployment_id) THEN
      CALL refuse('*상위 system과 연동 되어 있습니다* 현재 상위 system이 Lock 상태 입니다.');
    END IF;
    UPDATE custom_entry e SET e.stub_object_id = COALESCE(p_stub_object_id, 0), e.stub_ip = p_stub_ip
     WHERE e.id = p_entry_id;
    CALL remember_own_change('entry', p_entry_id);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Removes the clones of an entry from the sub-systems; the entry is then no longer public.
CREATE PROCEDURE delete_subsystem_object(p_entry_id INT, p_deployment_id INT, p_kind_flag INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_deployment_id INT;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_entry_change(p_entry_id, IF(p_kind_flag = 1, 'stub', 'proxy'), v_deployment_id);
  IF sys_deployment_domain_locked(v_deployment_id) THEN
    CALL refuse('*수정 불가* 상위 System이 Lock 상태라 서브시스템에 설치된 object를 지울 수 없습니다.');
  END IF;
  CALL change_begin(v_own_transaction);
  UPDATE custom_entry e SET e.public = 0 WHERE e.id = p_entry_id;
  CALL sys_unclone_entry(p_entry_id);
  CALL remember_own_change('entry', p_entry_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

-- Clones a public entry onto the sub-system nodes that stand for its domain (nothing for an entry that is
-- not public). The kind flag is not needed: entry ids are unique over both kinds.
CREATE PROCEDURE insert_subsystem_custum_interface_loop(p_entry_id INT, p_deployment_id INT, p_kind_flag INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_deployment_id INT;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_entry_change(p_entry_id, NULL, v_deployment_id);
  CALL change_begin(v_own_transaction);
  CALL sys_clone_entry(p_entry_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

-- Clones every public entry of one kind inside a domain onto the nodes that stand for the domain (run after
-- a sub-system or sensor node was created).
CREATE PROCEDURE sys_clone_public_entries(p_domain_id INT, p_kind VARCHAR(5))
BEGIN
  DECLARE v_entry_id INT;
  DECLARE v_done TINYINT DEFAULT 0;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE entries CURSOR FOR
    SELECT e.id FROM node n
      JOIN deployment dp ON dp.node_id = n.id
      JOIN custom_entry e ON e.deployment_id = dp.id
     WHERE n.domain_id = p_domain_id AND e.public = 1 AND e.kind = p_kind
     ORDER BY e.id;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET v_done = 1;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL require_read_domain(p_domain_id);
  CALL change_begin(v_own_transaction);
  -- Two sessions cloning one domain's entries at once would both find a clone missing and both make it.
  CALL take_guard(CONCAT('clones ', p_domain_id));
  OPEN entries;
  read_entries: LOOP
    FETCH entries INTO v_entry_id;
    IF v_done THEN
      LEAVE read_entries;
    END IF;
    CALL sys_clone_entry(v_entry_id);
  END LOOP;
  CLOSE entries;
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE insert_subsystem_public_proxy_interface_loop(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  BEGIN
    CALL sys_clone_public_entries(p_domain_id, 'proxy');
  END;
END$$

CREATE PROCEDURE insert_subsystem_public_stub_interface_loop(p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  BEGIN
    CALL sys_clone_public_entries(p_domain_id, 'stub');
  END;
END$$

-- After a whole domain was copied: for a new node, the public entries (pass 0 proxy, pass 1 stub) that
-- should be cloned: the node's own public entries, and for a sub-system or sensor node those of the domain
-- it stands for. 0 entry id, 1 its deployment id, 2 flag 1 when a clone is still missing.
CREATE PROCEDURE setup_public_interface_to_subsystem(p_node_id INT, p_pass INT)
  READS SQL DATA
BEGIN
  DECLARE v_kind VARCHAR(5) DEFAULT IF(p_pass = 0, 'proxy', 'stub');
  DECLARE v_domain_id INT;
  DECLARE v_sub_id INT;
  SELECT n.domain_id, IF(sys_stands_for_domain(n.type), n.sub_system_domain_id, NULL) INTO v_domain_id, v_sub_id
    FROM node n WHERE n.id = p_node_id;
  CALL require_read_domain(v_domain_id);
  SELECT 1 AS test;
  SELECT e.id, e.deployment_id,
         EXISTS (SELECT 1 FROM node x
                  WHERE x.sub_system_domain_id = v_domain_id AND x.type IN ('sub_system', 'sensor')
                    AND NOT EXISTS (SELECT 1 FROM deployment cl JOIN custom_entry c ON c.deployment_id = cl.id
                                     WHERE cl.node_id = x.id AND c.source_entry_id = e.id)) AS flag
    FROM deployment dp
    JOIN custom_entry e ON e.deployment_id = dp.id
   WHERE dp.node_id = p_node_id AND e.public = 1 AND e.kind = v_kind
  UNION ALL
  SELECT e.id, e.deployment_id,
         NOT EXISTS (SELECT 1 FROM deployment cl JOIN custom_entry c ON c.deployment_id = cl.id
                      WHERE cl.node_id = p_node_id AND c.source_entry_id = e.id) AS flag
    FROM node n
    JOIN deployment dp ON dp.node_id = n.id
    JOIN custom_entry e ON e.deployment_id = dp.id
   WHERE v_sub_id IS NOT NULL AND n.domain_id = v_sub_id AND e.public = 1 AND e.kind = v_kind
   ORDER BY 1;
END$$

DELIMITER ;
