-- The sample's data items, fields and constants, entered as the data dialogs enter them (logged in as admin).
--
--   기본형     every scalar type keyword of the SDK (addresses and times included), the scaled types with their
--             minimum and maximum, and the three enumerations with constants
--   Pos       aliases into 기본형 and within Pos, a structure with fields of every array type, bit fields and
--             alias fields; Course is changed afterwards to an alias of a later item (dependency order)
--   센서      a structure whose fields refer to Pos
--   Nav       a structure of plain fields
--   Secret    one item of the private domain
-- The alias dialogs name the real data by its id; @real takes it the way the dialogs' lists show it.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';
SET @nav = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Nav');
SET @pos = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Pos');
SET @basic = (SELECT id FROM domain WHERE kind = 'data' AND name = '기본형');
SET @sensor = (SELECT id FROM domain WHERE kind = 'data' AND name = '센서');
SET @secret = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Secret');

-- 기본형: the scalar types.
CALL metadataViewNewMetadata(@basic, 'Char', 'char_t', 0, '', '', '문자');
CALL metadataViewNewMetadata(@basic, 'WChar', 'wchar_t', 0, '', '', '넓은 문자');
CALL metadataViewNewMetadata(@basic, 'Int8', 'int8_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Int16', 'int16_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Int32', 'int32_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Int64', 'int64_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'UInt8', 'u_int8_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'UInt16', 'u_int16_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'UInt32', 'u_int32_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'UInt64', 'u_int64_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Scaled8', 'scaled8_t', 0, '-100.0', '100.0', '');
CALL metadataViewNewMetadata(@basic, '각도', 'scaled16_t', 0, '-180.0', '180.0', '도 단위 각도');
CALL metadataViewNewMetadata(@basic, 'Scaled32', 'scaled32_t', 0, '-100000.0', '100000.0', '');
CALL metadataViewNewMetadata(@basic, 'Scaled64', 'scaled64_t', 0, '-1.0e9', '1.0e9', '');
CALL metadataViewNewMetadata(@basic, 'UScaled8', 'u_scaled8_t', 0, '0.0', '100.0', '');
CALL metadataViewNewMetadata(@basic, '속도', 'u_scaled16_t', 0, '0.0', '500.0', '노트 단위 속도');
CALL metadataViewNewMetadata(@basic, 'UScaled32', 'u_scaled32_t', 0, '0.0', '100000.0', '');
CALL metadataViewNewMetadata(@basic, 'UScaled64', 'u_scaled64_t', 0, '0.0', '1.0e9', '');
CALL metadataViewNewMetadata(@basic, 'Float32', 'ieee754_32_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Float64', 'ieee754_64_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Float80', 'ieee754_80_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'IpAddress', 'ip_t', 0, '', '', 'IP 주소');
CALL metadataViewNewMetadata(@basic, 'PortNumber', 'port_t', 0, '', '', '포트 번호');
CALL metadataViewNewMetadata(@basic, 'DomainNumber', 'domain_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'PacketSize', 'pksize_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'Seconds', 'second_t', 0, '', '', '초');
CALL metadataViewNewMetadata(@basic, 'PreciseSeconds', 'psecond_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'NodeAddress', 'packed_node_addr_t', 0, '', '', '노드 주소');
CALL metadataViewNewMetadata(@basic, 'ClientAddress', 'packed_client_addr_t', 0, '', '', '');
CALL metadataViewNewMetadata(@basic, 'ServerAddress', 'packed_server_addr_t', 0, '', '', '');

-- 기본형: enumerations of 8, 16 and 32 bits with their constants.
CALL metadataViewNewMetadata(@basic, '상태', 'enum8_t', 0, '', '', '운항 상태');
CALL metadataViewNewMetafield(@basic, '상태', '정지', 0, 'const', 0, '', '0', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@basic, '상태', '운항', 0, 'const', 0, '', '1', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@basic, '상태', '정박', 0, 'const', 0, '', '2', '', 'NO', 0, 'harbour''s berth');
CALL metadataViewNewMetadata(@basic, 'Mode16', 'enum16_t', 0, '', '', '');
CALL metadataViewNewMetafield(@basic, 'Mode16', 'MANUAL', 0, 'const', 0, '', '0x0100', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@basic, 'Mode16', 'AUTO', 0, 'const', 0, '', '0x0200', '', 'NO', 0, '');
CALL metadataViewNewMetadata(@basic, 'Alarm32', 'enum32_t', 0, '', '', '');
CALL metadataViewNewMetafield(@basic, 'Alarm32', 'NONE', 0, 'const', 0, '', '0', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@basic, 'Alarm32', 'FIRE', 0, 'const', 0, '', '65536', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@basic, 'Alarm32', 'FLOOD', 0, 'const', 0, '', '131072', '', 'NO', 0, '');
-- The constants were entered FIRE before FLOOD; the dialog's "move down" swaps NONE and FIRE.
CALL metadataViewEditMetafieldSeq(@basic, 'data', 'Alarm32', 'NONE', 'FIRE');

-- Pos: aliases into 기본형 and within Pos.
SET @real = (SELECT id FROM data_item WHERE domain_id = @basic AND name = '각도');
CALL metadataViewNewMetadata(@pos, 'Latitude', 'alias', @real, '', '', '위도');
CALL metadataViewNewMetadata(@pos, 'Longitude', 'alias', @real, '', '', '경도');
CALL metadataViewNewMetadata(@pos, 'Course', 'alias', @real, '', '', 'the ship''s course');
SET @real = (SELECT id FROM data_item WHERE domain_id = @basic AND name = 'Seconds');
CALL metadataViewNewMetadata(@pos, 'PosTime', 'alias', @real, '', '', '위치 시각');
SET @real = (SELECT id FROM data_item WHERE domain_id = @pos AND name = 'Latitude');
CALL metadataViewNewMetadata(@pos, 'SafeLatitude', 'alias', @real, '', '', 'alias of an alias');

-- Pos: a structure with fields of every array type, bit fields and alias fields.
CALL metadataViewNewMetadata(@pos, '위치', 'struct', 0, '', '', '선박 위치');
CALL metadataViewNewMetafield(@pos, '위치', 'lat', 0, 'alias', @pos, 'Latitude', '', '', 'NO', 0, '위도');
CALL metadataViewNewMetafield(@pos, '위치', 'lon', 0, 'alias', @pos, 'Longitude', '', '', 'NO', 0, '경도');
CALL metadataViewNewMetafield(@pos, '위치', '고도', 0, 'int32_t', 0, '', '', '', 'NO', 0, '미터');
CALL metadataViewNewMetafield(@pos, '위치', 'history', 0, 'alias', @basic, 'Float64', '', '', 'FIX', 8, '최근 8개');
CALL metadataViewNewMetafield(@pos, '위치', 'samples', 0, 'int16_t', 0, '', '', '', 'VARIABLE', 0, '');
CALL metadataViewNewMetafield(@pos, '위치', 'flags', 4, 'u_int8_t', 0, '', '', '', 'NO', 0, '4 bits');
CALL metadataViewNewMetafield(@pos, '위치', 'quality', 4, 'u_int8_t', 0, '', '', '', 'NO', 0, '4 bits');
CALL metadataViewNewMetafield(@pos, '위치', 'speed', 0, 'u_scaled16_t', 0, '', '0.0', '50.0', 'NO', 0, '');
CALL metadataViewNewMetafield(@pos, '위치', 'status', 0, 'alias', @basic, '상태', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@pos, '위치', 'time', 0, 'alias', @pos, 'PosTime', '', '', 'NO', 0, '');

-- Pos: an alias created before the item it comes to refer to, so that the list's dependency order differs
-- from the order of creation.
SET @real = (SELECT id FROM data_item WHERE domain_id = @basic AND name = '각도');
CALL metadataViewNewMetadata(@pos, 'CourseOverGround', 'alias', @real, '', '', '대지 침로');
SET @real = (SELECT id FROM data_item WHERE domain_id = @pos AND name = 'CourseOverGround');
CALL metadataViewEditMetadata(@pos, 'Course', 'Course', 'alias', @real, '', '', 'the ship''s course');

-- 센서: a structure whose fields refer to Pos.
CALL metadataViewNewMetadata(@sensor, 'SensorReading', 'struct', 0, '', '', '센서 측정값');
CALL metadataViewNewMetafield(@sensor, 'SensorReading', 'pos', 0, 'alias', @pos, '위치', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@sensor, 'SensorReading', 'value', 0, 'scaled32_t', 0, '', '-1000.0', '1000.0', 'NO', 0, '');
CALL metadataViewNewMetafield(@sensor, 'SensorReading', 'stamps', 0, 'alias', @pos, 'PosTime', '', '', 'FIX', 4, '');

-- Nav: a structure of plain fields.
CALL metadataViewNewMetadata(@nav, 'Waypoint', 'struct', 0, '', '', '경유지');
CALL metadataViewNewMetafield(@nav, 'Waypoint', '이름', 0, 'char_t', 0, '', '', '', 'FIX', 32, '');
CALL metadataViewNewMetafield(@nav, 'Waypoint', '번호', 0, 'u_int16_t', 0, '', '', '', 'NO', 0, '');
CALL metadataViewNewMetafield(@nav, 'Waypoint', 'radius', 0, 'u_scaled32_t', 0, '', '0.0', '10000.0', 'NO', 0, '');

-- Secret.
CALL metadataViewNewMetadata(@secret, 'Key', 'u_int64_t', 0, '', '', '비공개 키');
