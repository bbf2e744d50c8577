-- Systems: the reads of the deployment diagrams, which follow the calls between installed components. A
-- proxy entry calls the stub entry whose object id is its stub object id, installed on a node that has its
-- stub IP, in the same domain (and, where the interface is known, bound to the same interface).
DELIMITER $$

-- The installed components of the domain that only call (the component has proxy classes and no stub
-- classes), by deployment: 0 the node it is installed on, 1 component id, 2 its domain, 3 name, 4 last
-- update, 5 description.
CREATE PROCEDURE select_all_deploy_component_only_proxy(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT n.id AS node_id, c.id, c.systemdomain_id, c.name, c.last_update, c.description
    FROM node n
    JOIN deployment dp ON dp.node_id = n.id
    JOIN component c ON c.id = dp.component_id
   WHERE n.domain_id = p_domain_id
     AND EXISTS (SELECT 1 FROM component_class a WHERE a.component_id = c.id AND a.kind = 'proxy')
     AND NOT EXISTS (SELECT 1 FROM component_class a WHERE a.component_id = c.id AND a.kind = 'stub')
   ORDER BY dp.id;
END$$

-- The installed components of the domain that the component calls, once per node and component, in the
-- layout of select_all_deploy_component_only_proxy.
CREATE PROCEDURE select_all_deploy_stub_component(p_domain_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  SELECT 1 AS test;
  SELECT t_node.id AS node_id, c.id, c.systemdomain_id, c.name, c.last_update, c.description
    FROM deployment dp
    JOIN node n ON n.id = dp.node_id AND n.domain_id = p_domain_id
    JOIN custom_entry e ON e.deployment_id = dp.id AND e.kind = 'proxy' AND e.stub_object_id <> 0
    JOIN class_object eo ON eo.id = e.object_ref
    JOIN component_class ea ON ea.id = eo.class_id
    JOIN custom_entry t ON t.object_id = e.stub_object_id AND t.kind = 'stub'
    JOIN class_object tobj ON tobj.id = t.object_ref
    JOIN component_class ta ON ta.id = tobj.class_id
                           AND ta.method_domain_id = ea.method_domain_id AND ta.interface_name = ea.interface_name
    JOIN deployment tdp ON tdp.id = t.deployment_id
    JOIN node t_node ON t_node.id = tdp.node_id AND t_node.domain_id = p_domain_id
    JOIN component c ON c.id = tdp.component_id
   WHERE dp.component_id = p_component_id
     AND EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = t_node.id AND ip.ip = e.stub_ip)
   GROUP BY t_node.id, c.id
   ORDER BY MIN(t.id);
END$$

-- The component that serves a stub object at an IP in the domain (at most one row): 0 entry id,
-- 1 deployment id, 2 class id, 3 object name, 4 component id, 5 its domain, 6 name, 7 last update,
-- 8 description, 9 deployment id, 10 the node it is installed on.
CREATE PROCEDURE nodecomponentViewstubcomponentlist(p_stub_object_id INT, b_stub_ip LONGBLOB, p_domain_id INT)
  READS SQL DATA
BEGIN
  DECLARE p_stub_ip LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_stub_ip, p_stub_ip);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT t.id, dp.id AS deployment_id, o.class_id, o.object_name, c.id AS component_id, c.systemdomain_id, c.name,
           c.last_update, c.description, dp.id AS installed_deployment_id, n.id AS node_id
      FROM custom_entry t
      JOIN deployment dp ON dp.id = t.deployment_id
      JOIN node n ON n.id = dp.node_id AND n.domain_id = p_domain_id
      JOIN class_object o ON o.id = t.object_ref
      JOIN component c ON c.id = dp.component_id
     WHERE t.object_id = p_stub_object_id AND p_stub_object_id <> 0 AND t.kind = 'stub'
       AND EXISTS (SELECT 1 FROM node_ip ip WHERE ip.node_id = n.id AND ip.ip = p_stub_ip)
     ORDER BY t.id
     LIMIT 1;
  END;
END$$

-- The components that call a stub object (object id and interface) served on the node: one row per
-- calling proxy entry in the domain: 0 component id, 1 its domain, 2 name, 3 last update, 4 description,
-- 5 the stub IP it calls, 6 the stub object id, 7 its deployment id, 8 the node it is installed on.
CREATE PROCEDURE nodeComponentViewProxyComponentList(p_node_id INT, p_stub_object_id INT, b_interface_name LONGBLOB,
                                                     p_domain_id INT, p_component_id INT)
  READS SQL DATA
BEGIN
  DECLARE p_interface_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT c.id, c.systemdomain_id, c.name, c.last_update, c.description, e.stub_ip, e.stub_object_id,
           dp.id AS deployment_id, n.id AS node_id
      FROM node_ip sip
      JOIN custom_entry e ON e.stub_object_id = p_stub_object_id AND e.stub_ip = sip.ip AND e.kind = 'proxy'
      JOIN class_object o ON o.id = e.object_ref
      JOIN component_class a ON a.id = o.class_id AND a.interface_name = p_interface_name
      JOIN deployment dp ON dp.id = e.deployment_id
      JOIN node n ON n.id = dp.node_id AND n.domain_id = p_domain_id
      JOIN component c ON c.id = dp.component_id
     WHERE sip.node_id = p_node_id AND p_stub_object_id <> 0
     GROUP BY e.id
     ORDER BY e.id;
  END;
END$$

DELIMITER ;
