-- The sample's data items, fields and constants, entered as the data dialogs enter them (logged in as admin).
--
--   3 기본형   every scalar type keyword of the SDK (addresses and times included), the scaled types with their
--             minimum and maximum, and the three enumerations with constants
--   2 Pos     aliases into 기본형 and within Pos, a structure with fields of every array type, bit fields and
--             alias fields; Course is changed afterwards to an alias of a later item (dependency order)
--   4 센서    a structure whose fields refer to Pos
--   1 Nav     a structure of plain fields
--   5 Secret  one item of the private domain
-- The alias dialogs name the real data by its id; @real takes it the way the dialogs' lists show it.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';

-- 3 기본형: the scalar types.
CALL metadataViewNewMetadata(3, 'Char', 'char_t', 0, '', '', '문자');
CALL metadataViewNewMetadata(3, 'WChar', 'wchar_t', 0, '', '', '넓은 문자');
CALL metadataViewNewMetadata(3, 'Int8', 'int8_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Int16', 'int16_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Int32', 'int32_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Int64', 'int64_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'UInt8', 'u_int8_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'UInt16', 'u_int16_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'UInt32', 'u_int32_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'UInt64', 'u_int64_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Scaled8', 'scaled8_t', 0, '-100.0', '100.0', '');
CALL metadataViewNewMetadata(3, '각도', 'scaled16_t', 0, '-180.0', '180.0', '도 단위 각도');
CALL metadataViewNewMetadata(3, 'Scaled32', 'scaled32_t', 0, '-100000.0', '100000.0', '');
CALL metadataViewNewMetadata(3, 'Scaled64', 'scaled64_t', 0, '-1.0e9', '1.0e9', '');
CALL metadataViewNewMetadata(3, 'UScaled8', 'u_scaled8_t', 0, '0.0', '100.0', '');
CALL metadataViewNewMetadata(3, '속도', 'u_scaled16_t', 0, '0.0', '500.0', '노트 단위 속도');
CALL metadataViewNewMetadata(3, 'UScaled32', 'u_scaled32_t', 0, '0.0', '100000.0', '');
CALL metadataViewNewMetadata(3, 'UScaled64', 'u_scaled64_t', 0, '0.0', '1.0e9', '');
CALL metadataViewNewMetadata(3, 'Float32', 'ieee754_32_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Float64', 'ieee754_64_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Float80', 'ieee754_80_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'IpAddress', 'ip_t', 0, '', '', 'IP 주소');
CALL metadataViewNewMetadata(3, 'PortNumber', 'port_t', 0, '', '', '포트 번호');
CALL metadataViewNewMetadata(3, 'DomainNumber', 'domain_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'PacketSize', 'pksize_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'Seconds', 'second_t', 0, '', '', '초');
CALL metadataViewNewMetadata(3, 'PreciseSeconds', 'psecond_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'NodeAddress', 'packed_node_addr_t', 0, '', '', '노드 주소');
CALL metadataViewNewMetadata(3, 'ClientAddress', 'packed_client_addr_t', 0, '', '', '');
CALL metadataViewNewMetadata(3, 'ServerAddress', 'packed_server_addr_t', 0, '', '', '');

-- 3 기본형: enumerations of 8, 16 and 32 bits with their constants.
CALL metadataViewNewMetadata(3, '상태', 'enum8_t', 0, '', '', '운항 상태');
CALL metadataViewNewMetafield(3, '상태', '정지', 0, 'const', 0, '', '0', '', 'NO', 0, '');
CALL metadataViewNewMetafield(3, '상태', '운항', 0, 'const', 0, '', '1', '', 'NO', 0, '');
CALL metadataViewNewMetafield(3, '상태', '정박', 0, 'const', 0, '', '2', '', 'NO', 0, 'harbour''s berth');
CALL metadataViewNewMetadata(3, 'Mode16', 'enum16_t', 0, '', '', '');
CALL metadataViewNewMetafield(3, 'Mode16', 'MANUAL', 0, 'const', 0, '', '0x0100', '', 'NO', 0, '');
CALL metadataViewNewMetafield(3, 'Mode16', 'AUTO', 0, 'const', 0, '', '0x0200', '', 'NO', 0, '');
CALL metadataViewNewMetadata(3, 'Alarm32', 'enum32_t', 0, '', '', '');
CALL metadataViewNewMetafield(3, 'Alarm32', 'NONE', 0, 'const', 0, '', '0', '', 'NO', 0, '');
CALL metadataViewNewMetafield(3, 'Alarm32', 'FIRE', 0, 'const', 0, '', '65536', '', 'NO', 0, '');
CALL metadataViewNewMetafield(3, 'Alarm32', 'FLOOD', 0, 'const', 0, '', '131072', '', 'NO', 0, '');
-- The constants were entered FIRE before FLOOD; the dialog's "move down" swaps NONE and FIRE.
CALL metadataViewEditMetafieldSeq(3, 'data', 'Alarm32', 'NONE', 'FIRE');

-- 2 Pos: aliases into 기본형 and within Pos.
SET @real = (SELECT id FROM data_item WHERE domain_id = 3 AND name = '각도');
CALL metadataViewNewMetadata(2, 'Latitude', 'alias', @real, '', '', '위도');
CALL metadataViewNewMetadata(2, 'Longitude', 'alias', @real, '', '', '경도');
CALL metadataViewNewMetadata(2, 'Course', 'alias', @real, '', '', 'the ship''s course');
SET @real = (SELECT id FROM data_item WHERE domain_id = 3 AND name = 'Seconds');
CALL metadataViewNewMetadata(2, 'PosTime', 'alias', @real, '', '', '위치 시각');
SET @real = (SELECT id FROM data_item WHERE domain_id = 2 AND name = 'Latitude');
CALL metadataViewNewMetadata(2, 'SafeLatitude', 'alias', @real, '', '', 'alias of an alias');

-- 2 Pos: a structure with fields of every array type, bit fields and alias fields.
CALL metadataViewNewMetadata(2, '위치', 'struct', 0, '', '', '선박 위치');
CALL metadataViewNewMetafield(2, '위치', 'lat', 0, 'alias', 2, 'Latitude', '', '', 'NO', 0, '위도');
CALL metadataViewNewMetafield(2, '위치', 'lon', 0, 'alias', 2, 'Longitude', '', '', 'NO', 0, '경도');
CALL metadataViewNewMetafield(2, '위치', '고도', 0, 'int32_t', 0, '', '', '', 'NO', 0, '미터');
CALL metadataViewNewMetafield(2, '위치', 'history', 0, 'alias', 3, 'Float64', '', '', 'FIX', 8, '최근 8개');
CALL metadataViewNewMetafield(2, '위치', 'samples', 0, 'int16_t', 0, '', '', '', 'VARIABLE', 0, '');
CALL metadataViewNewMetafield(2, '위치', 'flags', 4, 'u_int8_t', 0, '', '', '', 'NO', 0, '4 bits');
CALL metadataViewNewMetafield(2, '위치', 'quality', 4, 'u_int8_t', 0, '', '', '', 'NO', 0, '4 bits');
CALL metadataViewNewMetafield(2, '위치', 'speed', 0, 'u_scaled16_t', 0, '', '0.0', '50.0', 'NO', 0, '');
CALL metadataViewNewMetafield(2, '위치', 'status', 0, 'alias', 3, '상태', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(2, '위치', 'time', 0, 'alias', 2, 'PosTime', '', '', 'NO', 0, '');

-- 2 Pos: an alias created before the item it comes to refer to, so that the list's dependency order differs
-- from the order of creation.
SET @real = (SELECT id FROM data_item WHERE domain_id = 3 AND name = '각도');
CALL metadataViewNewMetadata(2, 'CourseOverGround', 'alias', @real, '', '', '대지 침로');
SET @real = (SELECT id FROM data_item WHERE domain_id = 2 AND name = 'CourseOverGround');
CALL metadataViewEditMetadata(2, 'Course', 'Course', 'alias', @real, '', '', 'the ship''s course');

-- 4 센서: a structure whose fields refer to Pos.
CALL metadataViewNewMetadata(4, 'SensorReading', 'struct', 0, '', '', '센서 측정값');
CALL metadataViewNewMetafield(4, 'SensorReading', 'pos', 0, 'alias', 2, '위치', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(4, 'SensorReading', 'value', 0, 'scaled32_t', 0, '', '-1000.0', '1000.0', 'NO', 0, '');
CALL metadataViewNewMetafield(4, 'SensorReading', 'stamps', 0, 'alias', 2, 'PosTime', '', '', 'FIX', 4, '');

-- 1 Nav: a structure of plain fields.
CALL metadataViewNewMetadata(1, 'Waypoint', 'struct', 0, '', '', '경유지');
CALL metadataViewNewMetafield(1, 'Waypoint', '이름', 0, 'char_t', 0, '', '', '', 'FIX', 32, '');
CALL metadataViewNewMetafield(1, 'Waypoint', '번호', 0, 'u_int16_t', 0, '', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(1, 'Waypoint', 'radius', 0, 'u_scaled32_t', 0, '', '0.0', '10000.0', 'NO', 0, '');

-- 5 Secret.
CALL metadataViewNewMetadata(5, 'Key', 'u_int64_t', 0, '', '', '비공개 키');
