-- The sample's methods and interfaces, entered as the method dialogs enter them (logged in as admin).
--
--   NavService     methods of all eight types, with and without input and output data (from Nav and Pos);
--                  interfaces INavigation (parent IHeartbeat), IHeartbeat, IWaypoint
--   위치서비스     methods with data of Pos and 기본형; interface I위치 whose parent is NavService's INavigation
--   Control        a method with data of the private Secret; interface IControl
-- Codes are given as the method dialog sends them: the hexadecimal text read as a number, in quotes.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';
SET @nav = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Nav');
SET @pos = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Pos');
SET @basic = (SELECT id FROM domain WHERE kind = 'data' AND name = '기본형');
SET @secret = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Secret');
SET @nav_service = (SELECT id FROM domain WHERE kind = 'method' AND name = 'NavService');
SET @position_service = (SELECT id FROM domain WHERE kind = 'method' AND name = '위치서비스');
SET @control = (SELECT id FROM domain WHERE kind = 'method' AND name = 'Control');

-- NavService.
CALL methodViewNewMethod(@nav_service, 'CALL', '1', 'GetPosition', @nav, 'Waypoint', @pos, '위치', '경유지의 위치를 묻는다');
CALL methodViewNewMethod(@nav_service, 'CALLBACK', '2', 'PositionCallback', @pos, 'PosTime', @pos, '위치', '');
CALL methodViewNewMethod(@nav_service, 'SIGNAL', '16', 'SetWaypoint', @nav, 'Waypoint', 0, '', '');
CALL methodViewNewMethod(@nav_service, 'SIGNAL', '64', 'Ping', 0, '', 0, '', '입출력 없음');
CALL methodViewNewMethod(@nav_service, 'COMMAND', '17', 'ResetNav', @pos, 'PosTime', 0, '', '');
CALL methodViewNewMethod(@nav_service, 'EVENT', '32', 'PositionChanged', 0, '', @pos, '위치', '');
CALL methodViewNewMethod(@nav_service, 'INFORMATION', '33', 'NavInfo', 0, '', @nav, 'Waypoint', '');
CALL methodViewNewMethod(@nav_service, 'BROADCAST', '48', 'Heartbeat', 0, '', 0, '', 'the navigator''s heartbeat');
CALL methodViewNewMethod(@nav_service, 'SIGNALBACK', '49', 'AckWaypoint', 0, '', @nav, 'Waypoint', '');
CALL methodViewNewMethod(@nav_service, 'EVENT', '4097', 'CourseChanged', 0, '', @pos, 'Course', '');

CALL interfaceViewNewInterface(@nav_service, 'method', 'IHeartbeat', '생존 신호');
CALL interfaceViewNewMemberMethod(@nav_service, 'IHeartbeat', @nav_service, 'Heartbeat', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'IHeartbeat', @nav_service, 'Ping', '');
CALL interfaceViewNewInterface(@nav_service, 'method', 'INavigation', '항법 인터페이스');
CALL interfaceViewNewMemberMethod(@nav_service, 'INavigation', @nav_service, 'GetPosition', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'INavigation', @nav_service, 'PositionChanged', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'INavigation', @nav_service, 'NavInfo', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'INavigation', @nav_service, 'CourseChanged', '');
CALL interfaceViewNewParentInterface(@nav_service, 'INavigation', @nav_service, 'IHeartbeat');
CALL interfaceViewNewInterface(@nav_service, 'method', 'IWaypoint', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'IWaypoint', @nav_service, 'SetWaypoint', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'IWaypoint', @nav_service, 'AckWaypoint', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'IWaypoint', @nav_service, 'PositionCallback', '');
CALL interfaceViewNewMemberMethod(@nav_service, 'IWaypoint', @nav_service, 'ResetNav', '');

-- 위치서비스.
CALL methodViewNewMethod(@position_service, 'CALL', '256', '위치조회', @basic, 'Seconds', @pos, '위치', '시각의 위치를 묻는다');
CALL methodViewNewMethod(@position_service, 'EVENT', '257', '각도변경', 0, '', @basic, '각도', '');
CALL interfaceViewNewInterface(@position_service, 'method', 'I위치', '위치 인터페이스');
CALL interfaceViewNewMemberMethod(@position_service, 'I위치', @position_service, '위치조회', '');
CALL interfaceViewNewMemberMethod(@position_service, 'I위치', @position_service, '각도변경', '');
CALL interfaceViewNewParentInterface(@position_service, 'I위치', @nav_service, 'INavigation');

-- Control.
CALL methodViewNewMethod(@control, 'COMMAND', '1', 'Unlock', @secret, 'Key', 0, '', '');
CALL interfaceViewNewInterface(@control, 'method', 'IControl', '비공개 제어');
CALL interfaceViewNewMemberMethod(@control, 'IControl', @control, 'Unlock', '');
