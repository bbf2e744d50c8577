-- Systems: the lock checks (no status set: one row whose column 0 is 1 when locked, else 0) and the check
-- for clones of a component in sub-systems (no status set: one row per place). The rules are in
-- 150-system-support.sql. An item of a domain the account may not read is answered as a missing one: not
-- locked, cloned nowhere; a clone place in such a domain is not listed.
DELIMITER $$

-- 1 when the domain of the node exists and the account may not read it.
CREATE FUNCTION sys_node_hidden(p_node_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN domain_hidden((SELECT n.domain_id FROM node n WHERE n.id = p_node_id))$$

CREATE PROCEDURE check_system_lock_domain(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT domain_hidden(p_domain_id) = 0 AND sys_domain_locked(p_domain_id) AS locked;
END$$

-- A link end: a node port, or with node 0 an external port of the domain.
CREATE PROCEDURE check_system_lock_networklink(p_node_id INT, p_port INT, p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT IF(COALESCE(p_node_id, 0) = 0, domain_hidden(p_domain_id), sys_node_hidden(p_node_id)) = 0
         AND sys_link_end_locked(p_node_id, p_port, p_domain_id) AS locked;
END$$

CREATE PROCEDURE check_system_lock_node_port(p_node_id INT, p_port INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT sys_node_hidden(p_node_id) = 0 AND sys_node_port_locked(p_node_id, p_port) AS locked;
END$$

-- The stub address of an installed proxy entry (entry id, deployment id): fixed while the entry is public
-- and a parent system locks its domain.
CREATE PROCEDURE check_system_lock_proxy_stub_ip(p_entry_id INT, p_deployment_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT COALESCE((SELECT e.public = 1 AND sys_node_hidden(dp.node_id) = 0
                            AND sys_deployment_domain_locked(e.deployment_id)
                     FROM custom_entry e JOIN deployment dp ON dp.id = e.deployment_id
                    WHERE e.id = p_entry_id), 0) AS locked;
END$$

CREATE PROCEDURE check_system_lock_component(p_domain_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT domain_hidden((SELECT c.systemdomain_id FROM component c WHERE c.id = p_component_id)) = 0
         AND sys_component_locked(p_component_id) AS locked;
END$$

CREATE PROCEDURE check_system_lock_proxy_class(p_class_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT domain_hidden(sys_class_domain(p_class_id)) = 0 AND sys_class_locked(p_class_id) AS locked;
END$$

CREATE PROCEDURE check_system_lock_stub_class(p_class_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT domain_hidden(sys_class_domain(p_class_id)) = 0 AND sys_class_locked(p_class_id) AS locked;
END$$

CREATE PROCEDURE check_system_lock_proxy_object(p_class_id INT, b_object_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure_quietly();
  CALL take_text_quietly(b_object_name, p_object_name);
  BEGIN
    CALL sys_require_login_quietly();
    SELECT COALESCE((SELECT sys_object_locked(o.id) FROM class_object o
                      WHERE o.class_id = p_class_id AND o.object_name = p_object_name
                        AND domain_hidden(sys_class_domain(p_class_id)) = 0), 0) AS locked;
  END;
END$$

CREATE PROCEDURE check_system_lock_stub_object(p_class_id INT, b_object_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure_quietly();
  CALL take_text_quietly(b_object_name, p_object_name);
  BEGIN
    CALL sys_require_login_quietly();
    SELECT COALESCE((SELECT sys_object_locked(o.id) FROM class_object o
                      WHERE o.class_id = p_class_id AND o.object_name = p_object_name
                        AND domain_hidden(sys_class_domain(p_class_id)) = 0), 0) AS locked;
  END;
END$$

-- An interface is locked when a class that binds it is.
CREATE PROCEDURE check_system_lock_interface(p_method_domain_id INT, b_interface_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_interface_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure_quietly();
  CALL take_text_quietly(b_interface_name, p_interface_name);
  BEGIN
    CALL sys_require_login_quietly();
    SELECT domain_hidden(p_method_domain_id) = 0 AND sys_interface_locked(p_method_domain_id, p_interface_name)
           AS locked;
  END;
END$$

-- The public flag of the entries of a deployment (the entry's second id): fixed while a parent system
-- locks the domain of its node.
CREATE PROCEDURE check_system_lock_objct(p_deployment_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT sys_node_hidden((SELECT dp.node_id FROM deployment dp WHERE dp.id = p_deployment_id)) = 0
         AND COALESCE(sys_deployment_domain_locked(p_deployment_id), 0) AS locked;
END$$

-- Where the component, as installed on the nodes of the domain, is cloned into sub-systems: 0 the domain
-- of the sub-system node, 1 that node's name.
CREATE PROCEDURE check_clone_component(p_domain_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_require_login_quietly();
  SELECT parent.name AS domain_name, x.name AS node_name
    FROM deployment src
    JOIN node src_node ON src_node.id = src.node_id
    JOIN deployment cl ON cl.source_deployment_id = src.id
    JOIN node x ON x.id = cl.node_id
    JOIN domain parent ON parent.id = x.domain_id
   WHERE src.component_id = p_component_id AND src_node.domain_id = p_domain_id
     AND domain_hidden(p_domain_id) = 0 AND domain_hidden(parent.id) = 0
   ORDER BY cl.id;
END$$

DELIMITER ;
