-- Systems: components, their proxy and stub classes (bound to interfaces of method domains) and the objects
-- of those classes.
DELIMITER $$

-- The components of a system domain, by id: 0 component id, 1 domain id, 2 name, 3 last update,
-- 4 description.
CREATE PROCEDURE componentViewList(p_domain_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_domain(p_domain_id);
  CALL remember_read_components(p_domain_id);
  SELECT 1 AS test;
  SELECT c.id, c.systemdomain_id, c.name, c.last_update, c.description
    FROM component c WHERE c.systemdomain_id = p_domain_id ORDER BY c.id;
END$$

-- One component for the component exporter (keys component.<column>; seq is the last update).
CREATE PROCEDURE componentEntityViewcomponentinfoList(p_component_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_component(p_component_id);
  SELECT 1 AS test;
  SELECT component.id, component.systemdomain_id, component.name, component.last_update AS seq,
         component.description
    FROM component WHERE component.id = p_component_id;
END$$

CREATE PROCEDURE sys_require_component_name(p_component_id INT, p_domain_id INT, p_name VARCHAR(1024))
BEGIN
  CALL sys_require_file_name(p_name, '컴포넌트');
  CALL require_plain_name(p_name, (SELECT c.name FROM component c WHERE c.id = p_component_id));
  CALL require_file_name_bytes(p_name, (SELECT c.name FROM component c WHERE c.id = p_component_id));
  IF LOWER(TRIM(p_name)) IN ('proxy', 'stub') THEN
    CALL refuse('proxy, stub 명은 사용 할 수 없습니다');
  END IF;
  IF EXISTS (SELECT 1 FROM component c WHERE c.systemdomain_id = p_domain_id AND c.name = p_name
                AND c.id <> COALESCE(p_component_id, 0)) THEN
    CALL refuse('같은 도메인에 같은 이름의 컴포넌트가 이미 있습니다.');
  END IF;
END$$

-- The component exists and the account may change its domain; answers the domain.
CREATE PROCEDURE sys_require_component_change(p_component_id INT, OUT p_domain_id INT)
BEGIN
  SET p_domain_id = (SELECT c.systemdomain_id FROM component c WHERE c.id = p_component_id);
  IF p_domain_id IS NULL THEN
    CALL require_login();
    CALL refuse('컴포넌트가 없습니다.');
  END IF;
  CALL require_change_domain_content(p_domain_id);
END$$

CREATE PROCEDURE sys_require_component_unlocked(p_component_id INT)
BEGIN
  IF sys_component_locked(p_component_id) THEN
    CALL refuse('*수정 불가* 외부 시스템과 연결된 컴포넌트 입니다. 상위 시스템은 Lock 상태 입니다.');
  END IF;
END$$

-- A new component; answers its id.
CREATE PROCEDURE componentsNewcomponent(p_domain_id INT, b_name LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_description, p_description);
  BEGIN
    CALL require_change_domain_content(p_domain_id);
    CALL sys_require_system_domain(p_domain_id);
    CALL sys_require_component_name(NULL, p_domain_id, p_name);
    INSERT INTO component (systemdomain_id, name, description) VALUES (p_domain_id, p_name, COALESCE(p_description, ''));
    CALL remember_new_row('component', LAST_INSERT_ID());
    SELECT 1 AS test;
    SELECT LAST_INSERT_ID() AS id;
  END;
END$$

CREATE PROCEDURE ComponentViewEditComponent(p_component_id INT, p_domain_id INT, b_name LONGBLOB,
                                            b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE v_domain_id INT;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL sys_require_component_change(p_component_id, v_domain_id);
    IF v_domain_id <> p_domain_id THEN
      CALL refuse('컴포넌트가 그 도메인에 없습니다.');
    END IF;
    CALL sys_require_component_unlocked(p_component_id);
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('component', p_component_id);
    CALL sys_require_component_name(p_component_id, v_domain_id, p_name);
    UPDATE component c SET c.name = p_name, c.description = COALESCE(p_description, ''), c.last_update = NOW()
     WHERE c.id = p_component_id;
    CALL remember_own_change('component', p_component_id);
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- Deletes the component with its classes, objects, deployments and installed entries (and their clones).
CREATE PROCEDURE componentViewDeletecomponent(p_component_id INT, p_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_domain_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_component_change(p_component_id, v_domain_id);
  IF v_domain_id <> p_domain_id THEN
    CALL refuse('컴포넌트가 그 도메인에 없습니다.');
  END IF;
  IF sys_component_locked(p_component_id) THEN
    CALL refuse('*삭제 불가* SubsystemNode에 설치되어 있으며, SubsystemNode가 Lock상태입니다.');
  END IF;
  DELETE FROM component WHERE id = p_component_id;
  SELECT 1 AS test;
END$$

-- The classes of one kind of a component, by id: 0 class id, 1 method domain id, 2 component id,
-- 3 interface name, 4 method domain name, 5 class name (keys a.<column>, b.method_domain_name).
CREATE PROCEDURE sys_class_rows(p_component_id INT, p_kind VARCHAR(5))
BEGIN
  CALL require_read_component(p_component_id);
  CALL remember_read_classes(p_component_id, p_kind);
  SELECT 1 AS test;
  SELECT a.id, a.method_domain_id, a.component_id, a.interface_name, b.name AS method_domain_name, a.class_name
    FROM component_class a
    JOIN domain b ON b.id = a.method_domain_id
   WHERE a.component_id = p_component_id AND a.kind = p_kind
   ORDER BY a.id;
END$$

CREATE PROCEDURE proxyInterfaceViewList(p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_class_rows(p_component_id, 'proxy');
END$$

CREATE PROCEDURE stubInterfaceViewList(p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_class_rows(p_component_id, 'stub');
END$$

-- The interfaces an installed component serves (its stub classes), for the properties pane.
CREATE PROCEDURE deployComponentViewInterfaceinfo(p_component_id INT)
  READS SQL DATA
BEGIN
  CALL sys_class_rows(p_component_id, 'stub');
END$$

-- The names of a component's classes of one kind that bind the interface.
CREATE PROCEDURE sys_class_name_rows(p_component_id INT, p_kind VARCHAR(5), p_method_domain_id INT,
                                     p_interface_name VARCHAR(1024))
BEGIN
  CALL require_read_component(p_component_id);
  SELECT 1 AS test;
  SELECT a.class_name
    FROM component_class a
   WHERE a.component_id = p_component_id AND a.kind = p_kind
     AND a.method_domain_id = p_method_domain_id AND a.interface_name = p_interface_name
   ORDER BY a.class_name;
END$$

CREATE PROCEDURE proxyInterfaceRelationViewClassNameList(p_component_id INT, p_method_domain_id INT,
                                                         b_interface_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_interface_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  BEGIN
    CALL sys_class_name_rows(p_component_id, 'proxy', p_method_domain_id, p_interface_name);
  END;
END$$

CREATE PROCEDURE stubInterfaceRelationViewClassNameList(p_component_id INT, p_method_domain_id INT,
                                                        b_interface_name LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_interface_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  BEGIN
    CALL sys_class_name_rows(p_component_id, 'stub', p_method_domain_id, p_interface_name);
  END;
END$$

-- The interface exists and the account may read its method domain; an interface of a domain it may not read is
-- answered as a missing one.
CREATE PROCEDURE sys_require_interface(p_method_domain_id INT, p_interface_name VARCHAR(1024))
BEGIN
  IF NOT EXISTS (SELECT 1 FROM method_interface i WHERE i.domain_id = p_method_domain_id AND i.name = p_interface_name)
     OR can_read_domain(p_method_domain_id) = 0 THEN
    CALL refuse('인터페이스가 없습니다.');
  END IF;
END$$

-- The class exists with that kind and the account may change its component's domain.
CREATE PROCEDURE sys_require_class_change(p_class_id INT, p_kind VARCHAR(5))
BEGIN
  DECLARE v_domain_id INT DEFAULT (SELECT c.systemdomain_id FROM component_class a JOIN component c ON c.id = a.component_id
                                    WHERE a.id = p_class_id AND a.kind = p_kind);
  IF v_domain_id IS NULL THEN
    CALL require_login();
    CALL refuse(IF(p_kind = 'proxy', 'Proxy 클래스가 없습니다.', 'Stub 클래스가 없습니다.'));
  END IF;
  CALL require_change_domain_content(v_domain_id);
END$$

CREATE PROCEDURE sys_require_free_class_name(p_class_id INT, p_component_id INT, p_kind VARCHAR(5),
                                             p_class_name VARCHAR(1024))
BEGIN
  CALL sys_require_file_name(p_class_name, '클래스');
  CALL require_plain_name(p_class_name, (SELECT a.class_name FROM component_class a WHERE a.id = p_class_id));
  CALL require_code_name('class', p_class_name, (SELECT a.class_name FROM component_class a WHERE a.id = p_class_id));
  IF EXISTS (SELECT 1 FROM component_class a WHERE a.component_id = p_component_id AND a.kind = p_kind
                AND a.class_name = p_class_name AND a.id <> COALESCE(p_class_id, 0)) THEN
    CALL refuse('컴포넌트에 같은 이름의 클래스가 이미 있습니다.');
  END IF;
END$$

-- A new class of a component (no objects); answers its id.
CREATE PROCEDURE sys_new_class(p_component_id INT, p_kind VARCHAR(5), p_method_domain_id INT,
                               p_interface_name VARCHAR(1024), p_class_name VARCHAR(1024))
BEGIN
  DECLARE v_domain_id INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_component_change(p_component_id, v_domain_id);
  CALL sys_require_interface(p_method_domain_id, p_interface_name);
  CALL sys_require_free_class_name(NULL, p_component_id, p_kind, p_class_name);
  INSERT INTO component_class (component_id, kind, method_domain_id, interface_name, class_name)
  VALUES (p_component_id, p_kind, p_method_domain_id, p_interface_name, p_class_name);
  CALL remember_new_row('class', LAST_INSERT_ID());
  SELECT 1 AS test;
  SELECT LAST_INSERT_ID() AS id;
END$$

CREATE PROCEDURE proxyInterfaceRalationViewNewInterface(p_component_id INT, p_method_domain_id INT,
                                                        b_interface_name LONGBLOB, b_class_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  BEGIN
    CALL sys_new_class(p_component_id, 'proxy', p_method_domain_id, p_interface_name, p_class_name);
  END;
END$$

CREATE PROCEDURE stubInterfaceRalationViewNewInterface(p_component_id INT, p_method_domain_id INT,
                                                       b_interface_name LONGBLOB, b_class_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  BEGIN
    CALL sys_new_class(p_component_id, 'stub', p_method_domain_id, p_interface_name, p_class_name);
  END;
END$$

-- Rebinds a class (to another interface, under another name) unless a lock holds it.
CREATE PROCEDURE sys_edit_class(p_class_id INT, p_kind VARCHAR(5), p_method_domain_id INT,
                                p_interface_name VARCHAR(1024), p_class_name VARCHAR(1024))
BEGIN
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_class_change(p_class_id, p_kind);
  IF sys_class_locked(p_class_id) THEN
    CALL refuse('*수정 불가* 외부 시스템과 연결된 Class 입니다. 현재 외부 시스템은 Lock 상태 입니다.');
  END IF;
  CALL change_begin(v_own_transaction);
  CALL require_unchanged_since_read('class', p_class_id);
  CALL sys_require_interface(p_method_domain_id, p_interface_name);
  CALL sys_require_free_class_name(p_class_id, (SELECT a.component_id FROM component_class a WHERE a.id = p_class_id),
                                   p_kind, p_class_name);
  UPDATE component_class a
     SET a.method_domain_id = p_method_domain_id, a.interface_name = p_interface_name, a.class_name = p_class_name
   WHERE a.id = p_class_id;
  CALL remember_own_change('class', p_class_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE proxyInterfaceRalationViewEditInterface(p_class_id INT, p_method_domain_id INT,
                                                         b_interface_name LONGBLOB, b_class_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  BEGIN
    CALL sys_edit_class(p_class_id, 'proxy', p_method_domain_id, p_interface_name, p_class_name);
  END;
END$$

CREATE PROCEDURE stubInterfaceRalationViewEditInterface(p_class_id INT, p_method_domain_id INT,
                                                        b_interface_name LONGBLOB, b_class_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_interface_name, p_class_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_interface_name, p_interface_name);
  CALL take_text(b_class_name, p_class_name);
  BEGIN
    CALL sys_edit_class(p_class_id, 'stub', p_method_domain_id, p_interface_name, p_class_name);
  END;
END$$

-- Deletes a class with its objects and their installed entries, unless a lock holds it.
CREATE PROCEDURE sys_delete_class(p_class_id INT, p_kind VARCHAR(5))
BEGIN
  DECLARE v_component_id INT DEFAULT (SELECT a.component_id FROM component_class a WHERE a.id = p_class_id);
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_class_change(p_class_id, p_kind);
  IF sys_class_locked(p_class_id) THEN
    CALL refuse('*삭제 불가* 외부 시스템과 연결된 Class 입니다. 현재 외부 시스템은 Lock 상태 입니다.');
  END IF;
  CALL change_begin(v_own_transaction);
  DELETE FROM component_class WHERE id = p_class_id;
  CALL sys_drop_empty_clones(v_component_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE proxyInterfaceRalationDeleteInterface(p_class_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  BEGIN
    CALL sys_delete_class(p_class_id, 'proxy');
  END;
END$$

CREATE PROCEDURE stubInterfaceRalationDeleteInterface(p_class_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  BEGIN
    CALL sys_delete_class(p_class_id, 'stub');
  END;
END$$

-- The objects of a class, by id: 0 class id, 1 object name, 2 component id (keys <prefix>.<column>, the
-- prefix proxy_interface_object or stub_interface_object).
CREATE PROCEDURE proxyInterfaceObjectViewList(p_class_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_class(p_class_id);
  SELECT 1 AS test;
  SELECT proxy_interface_object.class_id AS proxy_interface_id, proxy_interface_object.object_name,
         proxy_interface_object.component_id
    FROM class_object proxy_interface_object
    JOIN component_class a ON a.id = proxy_interface_object.class_id AND a.kind = 'proxy'
   WHERE proxy_interface_object.class_id = p_class_id
   ORDER BY proxy_interface_object.id;
END$$

CREATE PROCEDURE stubInterfaceObjectViewList(p_class_id INT)
  READS SQL DATA
BEGIN
  CALL require_read_class(p_class_id);
  SELECT 1 AS test;
  SELECT stub_interface_object.class_id AS stub_interface_id, stub_interface_object.object_name,
         stub_interface_object.component_id
    FROM class_object stub_interface_object
    JOIN component_class a ON a.id = stub_interface_object.class_id AND a.kind = 'stub'
   WHERE stub_interface_object.class_id = p_class_id
   ORDER BY stub_interface_object.id;
END$$

CREATE PROCEDURE sys_require_free_object_name(p_object_ref INT, p_class_id INT, p_object_name VARCHAR(1024))
BEGIN
  CALL sys_require_name(p_object_name, '객체');
  CALL require_plain_name(p_object_name, (SELECT o.object_name FROM class_object o WHERE o.id = p_object_ref));
  IF EXISTS (SELECT 1 FROM class_object o WHERE o.class_id = p_class_id AND o.object_name = p_object_name
                AND o.id <> COALESCE(p_object_ref, 0)) THEN
    CALL refuse('클래스에 같은 이름의 객체가 이미 있습니다.');
  END IF;
END$$

-- A new object of a class (its installed entries come with coustum_*ViewNewobjectid, one per deployment).
CREATE PROCEDURE sys_new_object(p_class_id INT, p_kind VARCHAR(5), p_object_name VARCHAR(1024), p_component_id INT)
BEGIN
  DECLARE v_component_id INT DEFAULT (SELECT a.component_id FROM component_class a WHERE a.id = p_class_id);
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_class_change(p_class_id, p_kind);
  IF COALESCE(p_component_id, 0) <> v_component_id THEN
    CALL refuse('클래스가 그 컴포넌트에 없습니다.');
  END IF;
  CALL sys_require_component_unlocked(v_component_id);
  CALL sys_require_free_object_name(NULL, p_class_id, p_object_name);
  INSERT INTO class_object (class_id, component_id, object_name) VALUES (p_class_id, v_component_id, p_object_name);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE proxyInterfaceObjectViewNewObjectName(p_class_id INT, b_object_name LONGBLOB, p_component_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_new_object(p_class_id, 'proxy', p_object_name, p_component_id);
  END;
END$$

CREATE PROCEDURE stubInterfaceObjectViewNewObjectName(p_class_id INT, b_object_name LONGBLOB, p_component_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_new_object(p_class_id, 'stub', p_object_name, p_component_id);
  END;
END$$

-- The object (class, name) of a class of that kind; refuses when there is none or a lock holds it.
CREATE PROCEDURE sys_require_object_change(p_class_id INT, p_kind VARCHAR(5), p_object_name VARCHAR(1024),
                                           p_component_id INT, p_deleting TINYINT, OUT p_object_ref INT)
BEGIN
  CALL sys_require_class_change(p_class_id, p_kind);
  SET p_object_ref = (SELECT o.id FROM class_object o WHERE o.class_id = p_class_id AND o.object_name = p_object_name);
  IF p_object_ref IS NULL THEN
    CALL refuse('객체가 없습니다.');
  END IF;
  IF COALESCE(p_component_id, 0) <> (SELECT o.component_id FROM class_object o WHERE o.id = p_object_ref) THEN
    CALL refuse('객체가 그 컴포넌트에 없습니다.');
  END IF;
  IF sys_object_locked(p_object_ref) THEN
    CALL refuse(CONCAT(IF(p_deleting, '*삭제 불가*', '*수정 불가*'),
                       ' 외부 시스템과 연결된 object 입니다. 현재 외부 시스템은 Lock 상태 입니다.'));
  END IF;
END$$

CREATE PROCEDURE sys_rename_object(p_class_id INT, p_kind VARCHAR(5), p_object_name VARCHAR(1024),
                                   p_component_id INT, p_new_name VARCHAR(1024))
BEGIN
  DECLARE v_object_ref INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL sys_require_object_change(p_class_id, p_kind, p_object_name, p_component_id, 0, v_object_ref);
  CALL sys_require_free_object_name(v_object_ref, p_class_id, p_new_name);
  UPDATE class_object o SET o.object_name = p_new_name WHERE o.id = v_object_ref;
  SELECT 1 AS test;
END$$

CREATE PROCEDURE proxyInterfaceObjectViewEditObjectName(p_class_id INT, b_object_name LONGBLOB, p_component_id INT,
                                                        b_new_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name, p_new_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  CALL take_text(b_new_name, p_new_name);
  BEGIN
    CALL sys_rename_object(p_class_id, 'proxy', p_object_name, p_component_id, p_new_name);
  END;
END$$

CREATE PROCEDURE stubInterfaceObjectViewEditObjectName(p_class_id INT, b_object_name LONGBLOB, p_component_id INT,
                                                       b_new_name LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name, p_new_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  CALL take_text(b_new_name, p_new_name);
  BEGIN
    CALL sys_rename_object(p_class_id, 'stub', p_object_name, p_component_id, p_new_name);
  END;
END$$

-- Deletes an object with its installed entries (and their clones).
CREATE PROCEDURE sys_delete_object(p_class_id INT, p_kind VARCHAR(5), p_object_name VARCHAR(1024), p_component_id INT)
BEGIN
  DECLARE v_object_ref INT;
  DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
  CALL sys_require_object_change(p_class_id, p_kind, p_object_name, p_component_id, 1, v_object_ref);
  CALL change_begin(v_own_transaction);
  DELETE FROM class_object WHERE id = v_object_ref;
  CALL sys_drop_empty_clones(p_component_id);
  CALL change_commit(v_own_transaction);
  SELECT 1 AS test;
END$$

CREATE PROCEDURE proxyInterfaceObjectViewDelete(p_class_id INT, b_object_name LONGBLOB, p_component_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_delete_object(p_class_id, 'proxy', p_object_name, p_component_id);
  END;
END$$

CREATE PROCEDURE stubInterfaceObjectViewDelete(p_class_id INT, b_object_name LONGBLOB, p_component_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_object_name LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_object_name, p_object_name);
  BEGIN
    CALL sys_delete_object(p_class_id, 'stub', p_object_name, p_component_id);
  END;
END$$

DELIMITER ;
