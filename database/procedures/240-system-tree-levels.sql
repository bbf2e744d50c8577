-- A level of the system tree at once: every list that the tree shows below a set of system domains, as the
-- tree's own list calls would answer them one by one. A level of a large design lists thousands of nodes,
-- installations, classes and objects; asked call by call, the server spends a fixed cost on each call that
-- is far above its rows.

-- The installed entries of every installation with their class and the class's method domain, as the installed
-- entry lists answer them (coustim_proxyViewlistinfo, coustim_stubViewlistinfo).
CREATE VIEW sys_installed_entry AS
SELECT dp.node_id, dp.component_id, e.kind, e.id, e.deployment_id, o.class_id, b.interface_name, b.class_name,
       e.object_id, e.stub_object_id, e.stub_ip, c.name AS method_domain_name, c.id AS method_domain_id,
       c.standard_port, o.object_name, e.public
  FROM deployment dp
  JOIN custom_entry e ON e.deployment_id = dp.id
  JOIN class_object o ON o.id = e.object_ref
  JOIN component_class b ON b.id = o.class_id
  JOIN domain c ON c.id = b.method_domain_id;

DELIMITER $$

-- The domains of a level that the session may read, one row each (the level's list calls refuse the others).
CREATE PROCEDURE sys_take_tree_level(p_user VARCHAR(64), p_domain_ids LONGTEXT)
BEGIN
  CREATE OR REPLACE TEMPORARY TABLE sys_tree_level (id INT NOT NULL PRIMARY KEY) ENGINE = MEMORY;
  INSERT IGNORE INTO sys_tree_level (id)
  SELECT j.id
    FROM JSON_TABLE(p_domain_ids, '$[*]' COLUMNS (id INT PATH '$' ERROR ON ERROR)) j
   WHERE j.id IS NOT NULL AND user_reads_domain(p_user, j.id) = 1;
END$$

-- The nodes of the level whose installations the tree lists.
CREATE PROCEDURE sys_tree_installing_nodes()
BEGIN
  CREATE OR REPLACE TEMPORARY TABLE sys_tree_node (id INT NOT NULL PRIMARY KEY, domain_id INT NOT NULL)
    ENGINE = MEMORY;
  INSERT INTO sys_tree_node (id, domain_id)
  SELECT n.id, n.domain_id
    FROM sys_tree_level l
    JOIN node n ON n.domain_id = l.id
   WHERE n.type IN ('computer', 'sub_system', 'sensor');
END$$

-- The classes of one kind of the level's components, as proxyInterfaceViewList or stubInterfaceViewList
-- answer them, by component.
CREATE PROCEDURE sys_tree_class_rows(p_kind VARCHAR(5))
BEGIN
  SELECT k.id AS component_key, IF(a.id IS NULL, NULL, 1) AS listed,
         a.id, a.method_domain_id, a.component_id, a.interface_name, b.name AS method_domain_name, a.class_name
    FROM sys_tree_level l
    JOIN component k ON k.systemdomain_id = l.id
    LEFT JOIN (component_class a JOIN domain b ON b.id = a.method_domain_id)
           ON a.component_id = k.id AND a.kind = p_kind
   ORDER BY k.id, a.id;
END$$

-- The objects of the level's classes of one kind, as proxyInterfaceObjectViewList or
-- stubInterfaceObjectViewList answer them, by class.
CREATE PROCEDURE sys_tree_object_rows(p_kind VARCHAR(5))
BEGIN
  SELECT k.id AS class_key, IF(o.id IS NULL, NULL, 1) AS listed, o.class_id, o.object_name, o.component_id
    FROM sys_tree_level l
    JOIN component c ON c.systemdomain_id = l.id
    JOIN component_class k ON k.component_id = c.id AND k.kind = p_kind
    LEFT JOIN class_object o ON o.class_id = k.id
   ORDER BY k.id, o.id;
END$$

-- The lists below the system domains named by a JSON array of ids, in nine sets after the status set. Each
-- row starts with the key of the call it belongs to, then a cell that is NULL on the single row of a call
-- whose list is empty, then the call's own row in its columns and order:
--   1 nodeViewList(domain)                           key domain
--   2 componentViewList(domain)                      key domain
--   3 nodeDeploymentViewInstallList(domain, node)    key domain, node (computer, sub-system and sensor nodes)
--   4 coustim_proxyViewlistinfo(node, component)     key node, component, deployment (each installation)
--   5 coustim_stubViewlistinfo(node, component)      key node, component, deployment
--   6 proxyInterfaceViewList(component)              key component
--   7 stubInterfaceViewList(component)               key component
--   8 proxyInterfaceObjectViewList(class)            key class
--   9 stubInterfaceObjectViewList(class)             key class
-- Domains the session may not read are left out: their calls, sent alone, answer the refusal.
CREATE PROCEDURE systemDomainViewLevelLists(b_domain_ids LONGBLOB)
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
    CALL sys_take_tree_level(v_user, p_domain_ids);
    CALL sys_tree_installing_nodes();
    CALL remember_read_system_level();
    SELECT 1 AS test;

    SELECT l.id AS domain_key, IF(xxx.id IS NULL, NULL, 1) AS listed,
           xxx.id AS Id, xxx.domain_id, xxx.name AS aname, xxx.type, xxx.description, xxx.sub_system_domain_id,
           s.name AS sub_system_name, xxx.lock_flag
      FROM sys_tree_level l
      LEFT JOIN node xxx ON xxx.domain_id = l.id
      LEFT JOIN domain s ON s.id = xxx.sub_system_domain_id
     ORDER BY l.id, xxx.id;

    SELECT l.id AS domain_key, IF(c.id IS NULL, NULL, 1) AS listed,
           c.id, c.systemdomain_id, c.name, c.last_update, c.description
      FROM sys_tree_level l
      LEFT JOIN component c ON c.systemdomain_id = l.id
     ORDER BY l.id, c.id;

    SELECT n.domain_id AS domain_key, n.id AS node_key, IF(dp.id IS NULL, NULL, 1) AS listed,
           dp.id, dp.component_id, c.systemdomain_id, c.name, c.last_update AS seq, c.description
      FROM sys_tree_node n
      LEFT JOIN (deployment dp JOIN component c ON c.id = dp.component_id) ON dp.node_id = n.id
     ORDER BY n.domain_id, n.id, dp.id;

    SELECT k.node_id AS node_key, k.component_id AS component_key, k.id AS deployment_key,
           IF(e.id IS NULL, NULL, 1) AS listed,
           e.id, e.deployment_id, e.class_id, e.interface_name, e.class_name, e.object_id, e.stub_object_id,
           e.stub_ip, e.method_domain_name AS name, e.method_domain_id AS id, e.standard_port, e.object_name, e.public
      FROM sys_tree_node n
      STRAIGHT_JOIN deployment k ON k.node_id = n.id
      LEFT JOIN sys_installed_entry e
             ON e.node_id = k.node_id AND e.component_id = k.component_id AND e.kind = 'proxy'
     ORDER BY k.node_id, k.component_id, k.id, e.object_id, e.id;

    SELECT k.node_id AS node_key, k.component_id AS component_key, k.id AS deployment_key,
           IF(e.id IS NULL, NULL, 1) AS listed,
           e.id, e.deployment_id, e.class_id, e.object_id, e.interface_name, e.class_name,
           e.method_domain_name AS name, e.method_domain_id AS id, e.standard_port, e.object_name, e.public
      FROM sys_tree_node n
      STRAIGHT_JOIN deployment k ON k.node_id = n.id
      LEFT JOIN sys_installed_entry e
             ON e.node_id = k.node_id AND e.component_id = k.component_id AND e.kind = 'stub'
     ORDER BY k.node_id, k.component_id, k.id, e.object_id, e.id;

    CALL sys_tree_class_rows('proxy');
    CALL sys_tree_class_rows('stub');
    CALL sys_tree_object_rows('proxy');
    CALL sys_tree_object_rows('stub');
    DROP TEMPORARY TABLE sys_tree_node;
    DROP TEMPORARY TABLE sys_tree_level;
  END;
END$$

DELIMITER ;
