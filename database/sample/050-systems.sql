-- The sample's systems, entered as the system tree's dialogs enter them (logged in as admin; one node by
-- user, a member of Ship). Ids of what the procedures create are looked up by name.
--
--   표준장비 (new, top level)  a port template: the ports 1-4 that computers, routers and switches get
--   Ship                       ports 1 and 2 (logical port 1) and 3; a router, a switch, two computers
--                              (one named with an apostrophe), the sub-system node 조타실 시스템 standing for
--                              조타실 (locked) and the sensor 기관 센서 standing for 기관실; links between them
--                              and from the router to the external port 3; components 항법 관리자 (a proxy
--                              and a stub class) and 위치 표시기 (proxy classes only), installed with object
--                              ids and the stubs they call; Captain's PC's spare address clashes with
--                              항해 컴퓨터's
--   조타실                     ports 1 and 2; a computer and a switch whose port 2 reaches the external port
--                              1, and the sensor 기관 감시 센서 standing for 기관실 (it takes the engine
--                              computer's address 192.168.1.40 and a clone of the heartbeat stub that 조타
--                              제어기 calls there); component 조타 제어기 serving I위치 and calling IHeartbeat
--                              (one of its two proxy objects) publicly, so both entries are cloned onto 조타실
--                              시스템 (and locked with it)
--   기관실                     port 1; a computer linked to it; component 기관 감시기 serving IHeartbeat
--                              publicly (cloned onto 기관 센서)
--   Operator's Console         (private) one computer
SET @tamouser = 'admin';
SET @tamopassword = 'admin';

SET @nav_service = (SELECT id FROM domain WHERE kind = 'method' AND name = 'NavService');
SET @position_service = (SELECT id FROM domain WHERE kind = 'method' AND name = '위치서비스');
SET @ship = (SELECT id FROM domain WHERE kind = 'system' AND name = 'Ship');
SET @bridge = (SELECT id FROM domain WHERE kind = 'system' AND name = '조타실');
SET @engine = (SELECT id FROM domain WHERE kind = 'system' AND name = '기관실');
SET @console = (SELECT id FROM domain WHERE kind = 'system' AND name = 'Operator''s Console');

CALL domainViewNewDomain('system', 0, '표준장비', 0, '1', '노드 포트 템플릿: 컴퓨터, 라우터, 스위치의 LAN 포트');
SET @template = (SELECT id FROM domain WHERE kind = 'system' AND upper_id = 0 AND name = '표준장비');

-- Ports and port groups.
CALL domainLogicalPortViewNewPortGroup(@template, 1);
CALL domainPortViewNewPort(@template, 1, 1, 'LAN1');
CALL domainLogicalPortViewNewPortGroup(@template, 2);
CALL domainPortViewNewPort(@template, 2, 2, 'LAN2');
CALL domainLogicalPortViewNewPortGroup(@template, 3);
CALL domainPortViewNewPort(@template, 3, 3, 'LAN3');
CALL domainLogicalPortViewNewPortGroup(@template, 4);
CALL domainPortViewNewPort(@template, 4, 4, 'LAN4');

CALL domainLogicalPortViewNewPortGroup(@ship, 1);
CALL nodeportViewNewPortGroup(@ship, 1);
CALL domainPortViewNewPort(@ship, 1, 1, '외부 LAN');
CALL domainPortViewNewPort(@ship, 2, 1, '외부 LAN 예비');
CALL domainLogicalPortViewNewPortGroup(@ship, 3);
CALL domainPortViewNewPort(@ship, 3, 3, '위성 링크');

CALL domainLogicalPortViewNewPortGroup(@bridge, 1);
CALL domainPortViewNewPort(@bridge, 1, 1, '조타 LAN');
CALL domainLogicalPortViewNewPortGroup(@bridge, 2);
CALL domainPortViewNewPort(@bridge, 2, 2, '조타 예비');

CALL domainLogicalPortViewNewPortGroup(@engine, 1);
CALL domainPortViewNewPort(@engine, 1, 1, '기관 LAN');

-- Nodes of every type.
CALL nodeNewNodes(@ship, '주 라우터', 'router', '선박 주 라우터', @template);
CALL nodeNewNodes(@ship, '스위치 A', 'switch', '선박 LAN 스위치', @template);
CALL nodeNewNodes(@ship, '항해 컴퓨터', 'computer', '항해 정보 처리', @template);
CALL nodeNewNodes(@ship, '조타실 시스템', 'sub_system', '조타실 서브시스템', @bridge);
CALL nodeNewNodes(@ship, '기관 센서', 'sensor', '기관실 감시 센서', @engine);
CALL nodeNewNodes(@bridge, '조타 컴퓨터', 'computer', '조타 제어', @template);
CALL nodeNewNodes(@bridge, '조타 스위치', 'switch', '조타실 스위치', @template);
CALL nodeNewNodes(@engine, '기관 컴퓨터', 'computer', '기관 감시', @template);
CALL nodeNewNodes(@console, '콘솔 PC', 'computer', '운용자 콘솔', @template);

SET @tamouser = 'user';
SET @tamopassword = 'user';
CALL nodeNewNodes(@ship, 'Captain''s PC', 'computer', '선장 PC', @template);
SET @tamouser = 'admin';
SET @tamopassword = 'admin';
CALL nodeNewNodes(@bridge, '기관 감시 센서', 'sensor', '조타실에서 보는 기관실 생존 신호', @engine);

SET @router = (SELECT id FROM node WHERE domain_id = @ship AND name = '주 라우터');
SET @switch = (SELECT id FROM node WHERE domain_id = @ship AND name = '스위치 A');
SET @nav_pc = (SELECT id FROM node WHERE domain_id = @ship AND name = '항해 컴퓨터');
SET @captain_pc = (SELECT id FROM node WHERE domain_id = @ship AND name = 'Captain''s PC');
SET @bridge_node = (SELECT id FROM node WHERE domain_id = @ship AND name = '조타실 시스템');
SET @engine_sensor = (SELECT id FROM node WHERE domain_id = @ship AND name = '기관 센서');
SET @bridge_pc = (SELECT id FROM node WHERE domain_id = @bridge AND name = '조타 컴퓨터');
SET @bridge_switch = (SELECT id FROM node WHERE domain_id = @bridge AND name = '조타 스위치');
SET @engine_pc = (SELECT id FROM node WHERE domain_id = @engine AND name = '기관 컴퓨터');
SET @bridge_sensor = (SELECT id FROM node WHERE domain_id = @bridge AND name = '기관 감시 센서');

-- Network links (the last of each domain leaves through an external port).
CALL NetworklinkViewNewNetworkink(@bridge_pc, 0, 1, @bridge_switch, 0, 1);
CALL NetworklinkViewNewNetworkink(@bridge_switch, 0, 2, 0, @bridge, 1);
CALL NetworklinkViewNewNetworkink(@engine_pc, 0, 1, 0, @engine, 1);
CALL NetworklinkViewNewNetworkink(@nav_pc, 0, 1, @switch, 0, 1);
CALL NetworklinkViewNewNetworkink(@captain_pc, 0, 1, @switch, 0, 2);
CALL NetworklinkViewNewNetworkink(@bridge_node, @bridge, 1, @switch, 0, 3);
CALL NetworklinkViewNewNetworkink(@switch, 0, 4, @router, 0, 1);
CALL NetworklinkViewNewNetworkink(@engine_sensor, @engine, 1, @router, 0, 2);
CALL NetworklinkViewNewNetworkink(@router, 0, 3, 0, @ship, 3);

-- IP rows; the sub-system and sensor nodes take theirs from their domains.
CALL networkNewip(@nav_pc, '192.168.1.10', '255.255.255.0', '192.168.1.X', '192.168.1.1', '0.0.0.0', '1', '항해 LAN');
CALL networkNewip(@captain_pc, '192.168.1.20', '255.255.255.0', '192.168.1.X', '192.168.1.1', '0.0.0.0', '1', 'Captain''s LAN');
CALL networkNewip(@router, '192.168.1.1', '255.255.255.0', '192.168.1.X', '0.0.0.0', '0.0.0.0', '1', '선박 LAN 게이트웨이');
CALL networkNewip(@router, '10.0.0.1', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '3', '위성 링크');
CALL networkNewip(@bridge_pc, '192.168.10.5', '255.255.255.0', '192.168.10.X', '192.168.10.1', '0.0.0.0', '1', '조타 LAN');
CALL networkNewip(@bridge_switch, '192.168.1.30', '255.255.255.0', '192.168.1.X', '192.168.1.1', '0.0.0.0', '2', '선박 LAN 쪽');
CALL networkNewip(@engine_pc, '192.168.1.40', '255.255.255.0', '192.168.1.X', '192.168.1.1', '0.0.0.0', '1', '기관 LAN');
-- One address clash inside Ship: Captain's PC's spare port was given 항해 컴퓨터's address.
CALL networkNewip(@captain_pc, '192.168.1.10', '255.255.255.0', '192.168.1.X', '192.168.1.1', '0.0.0.0', '2', '예비 LAN');
SET @console_pc = (SELECT id FROM node WHERE domain_id = @console AND name = '콘솔 PC');
CALL networkNewip(@console_pc, '172.16.0.5', '255.255.0.0', '172.16.X.X', '0.0.0.0', '0.0.0.0', '1', '콘솔');
CALL select_network(@bridge_node);
CALL select_network(@engine_sensor);
CALL select_network(@bridge_sensor);

-- Components with proxy and stub classes and their objects.
CALL componentsNewcomponent(@ship, '항법 관리자', '항법 정보를 모으고 경로점을 받는다');
CALL componentsNewcomponent(@ship, '위치 표시기', '위치와 경로점을 보여 준다');
CALL componentsNewcomponent(@bridge, '조타 제어기', '조타 위치를 알려 준다');
CALL componentsNewcomponent(@engine, '기관 감시기', '기관 생존 신호');
SET @nav_manager = (SELECT id FROM component WHERE systemdomain_id = @ship AND name = '항법 관리자');
SET @display = (SELECT id FROM component WHERE systemdomain_id = @ship AND name = '위치 표시기');
SET @helm = (SELECT id FROM component WHERE systemdomain_id = @bridge AND name = '조타 제어기');
SET @monitor = (SELECT id FROM component WHERE systemdomain_id = @engine AND name = '기관 감시기');

CALL insertProxyInserfaceRelation(@ship, @nav_manager, @nav_service, 'INavigation', 'class_Navigation', 'object_proxy_nav');
CALL insertStubInserfaceRelation(@ship, @nav_manager, @nav_service, 'IWaypoint', 'class_Waypoint', 'object_stub_wp');
CALL insertProxyInserfaceRelation(@ship, @display, @position_service, 'I위치', 'class_위치', 'object_proxy_위치');
CALL insertProxyInserfaceRelation(@ship, @display, @nav_service, 'IWaypoint', 'class_Waypoint', 'object_proxy_wp');
CALL insertStubInserfaceRelation(@bridge, @helm, @position_service, 'I위치', 'class_위치', 'object_stub_위치');
CALL insertProxyInserfaceRelation(@bridge, @helm, @nav_service, 'IHeartbeat', 'class_Heartbeat', 'object_proxy_hb');
CALL insertProxyInserfaceRelation(@bridge, @helm, @nav_service, 'IHeartbeat', 'class_Heartbeat', 'object_proxy_hb_public');
CALL insertStubInserfaceRelation(@engine, @monitor, @nav_service, 'IHeartbeat', 'class_Heartbeat', 'object_stub_hb');

-- Deployments; each gets an installed entry per object.
CALL nodeDeploymentViewNewcomponent(@nav_pc, @nav_manager, @ship, 0);
CALL nodeDeploymentViewNewcomponent(@captain_pc, @display, @ship, 0);
CALL nodeDeploymentViewNewcomponent(@bridge_pc, @helm, @bridge, 0);
CALL nodeDeploymentViewNewcomponent(@engine_pc, @monitor, @engine, 0);

-- Custom entries: object ids, the stubs the proxies call, and the public stubs of the sub-systems (cloned
-- onto the nodes that stand for them).
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @nav_manager AND o.object_name = 'object_proxy_nav');
CALL coustum_ViewEditobjectid(@e, 101, 0, 0);
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @nav_manager AND o.object_name = 'object_stub_wp');
CALL coustum_ViewEditobjectid(@e, 201, 1, 0);
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @display AND o.object_name = 'object_proxy_위치');
CALL coustum_ViewEditobjectid(@e, 102, 0, 0);
CALL nodeproxyViewNewstubinfo(@e, 301, '192.168.1.30');
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @display AND o.object_name = 'object_proxy_wp');
CALL coustum_ViewEditobjectid(@e, 103, 0, 0);
CALL nodeproxyViewNewstubinfo(@e, 201, '192.168.1.10');
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @helm AND o.object_name = 'object_stub_위치');
CALL coustum_ViewEditobjectid(@e, 301, 1, 1);
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @helm AND o.object_name = 'object_proxy_hb');
CALL coustum_ViewEditobjectid(@e, 302, 0, 0);
CALL nodeproxyViewNewstubinfo(@e, 401, '192.168.1.40');
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @helm AND o.object_name = 'object_proxy_hb_public');
CALL coustum_ViewEditobjectid(@e, 303, 0, 1);
CALL nodeproxyViewNewstubinfo(@e, 401, '192.168.1.40');
SET @e = (SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref
           WHERE o.component_id = @monitor AND o.object_name = 'object_stub_hb');
CALL coustum_ViewEditobjectid(@e, 401, 1, 1);

-- The locked item: Ship freezes what it uses of 조타실.
CALL NodeViewEditNode(@bridge_node, @ship, '조타실 시스템', 'sub_system', '조타실 서브시스템', @bridge, 1);
