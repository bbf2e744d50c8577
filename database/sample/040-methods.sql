-- The sample's methods and interfaces, entered as the method dialogs enter them (logged in as admin).
--
--   6 NavService   methods of all eight types, with and without input and output data (from Nav and Pos);
--                  interfaces INavigation (parent IHeartbeat), IHeartbeat, IWaypoint
--   7 위치서비스   methods with data of Pos and 기본형; interface I위치 whose parent is NavService's INavigation
--   8 Control      a method with data of the private Secret; interface IControl
-- Codes are given as the method dialog sends them: the hexadecimal text read as a number, in quotes.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';

-- 6 NavService.
CALL methodViewNewMethod(6, 'CALL', '1', 'GetPosition', 1, 'Waypoint', 2, '위치', '경유지의 위치를 묻는다');
CALL methodViewNewMethod(6, 'CALLBACK', '2', 'PositionCallback', 2, 'PosTime', 2, '위치', '');
CALL methodViewNewMethod(6, 'SIGNAL', '16', 'SetWaypoint', 1, 'Waypoint', 0, '', '');
CALL methodViewNewMethod(6, 'SIGNAL', '64', 'Ping', 0, '', 0, '', '입출력 없음');
CALL methodViewNewMethod(6, 'COMMAND', '17', 'ResetNav', 2, 'PosTime', 0, '', '');
CALL methodViewNewMethod(6, 'EVENT', '32', 'PositionChanged', 0, '', 2, '위치', '');
CALL methodViewNewMethod(6, 'INFORMATION', '33', 'NavInfo', 0, '', 1, 'Waypoint', '');
CALL methodViewNewMethod(6, 'BROADCAST', '48', 'Heartbeat', 0, '', 0, '', 'the navigator''s heartbeat');
CALL methodViewNewMethod(6, 'SIGNALBACK', '49', 'AckWaypoint', 0, '', 1, 'Waypoint', '');
CALL methodViewNewMethod(6, 'EVENT', '4097', 'CourseChanged', 0, '', 2, 'Course', '');

CALL interfaceViewNewInterface('6', 'method', 'IHeartbeat', '생존 신호');
CALL interfaceViewNewMemberMethod(6, 'IHeartbeat', 6, 'Heartbeat', '');
CALL interfaceViewNewMemberMethod(6, 'IHeartbeat', 6, 'Ping', '');
CALL interfaceViewNewInterface('6', 'method', 'INavigation', '항법 인터페이스');
CALL interfaceViewNewMemberMethod(6, 'INavigation', 6, 'GetPosition', '');
CALL interfaceViewNewMemberMethod(6, 'INavigation', 6, 'PositionChanged', '');
CALL interfaceViewNewMemberMethod(6, 'INavigation', 6, 'NavInfo', '');
CALL interfaceViewNewMemberMethod(6, 'INavigation', 6, 'CourseChanged', '');
CALL interfaceViewNewParentInterface(6, 'INavigation', 6, 'IHeartbeat');
CALL interfaceViewNewInterface('6', 'method', 'IWaypoint', '');
CALL interfaceViewNewMemberMethod(6, 'IWaypoint', 6, 'SetWaypoint', '');
CALL interfaceViewNewMemberMethod(6, 'IWaypoint', 6, 'AckWaypoint', '');
CALL interfaceViewNewMemberMethod(6, 'IWaypoint', 6, 'PositionCallback', '');
CALL interfaceViewNewMemberMethod(6, 'IWaypoint', 6, 'ResetNav', '');

-- 7 위치서비스.
CALL methodViewNewMethod(7, 'CALL', '256', '위치조회', 3, 'Seconds', 2, '위치', '시각의 위치를 묻는다');
CALL methodViewNewMethod(7, 'EVENT', '257', '각도변경', 0, '', 3, '각도', '');
CALL interfaceViewNewInterface('7', 'method', 'I위치', '위치 인터페이스');
CALL interfaceViewNewMemberMethod(7, 'I위치', 7, '위치조회', '');
CALL interfaceViewNewMemberMethod(7, 'I위치', 7, '각도변경', '');
CALL interfaceViewNewParentInterface(7, 'I위치', 6, 'INavigation');

-- 8 Control.
CALL methodViewNewMethod(8, 'COMMAND', '1', 'Unlock', 5, 'Key', 0, '', '');
CALL interfaceViewNewInterface('8', 'method', 'IControl', '비공개 제어');
CALL interfaceViewNewMemberMethod(8, 'IControl', 8, 'Unlock', '');
