-- What the generated C++ code can carry. Domains, data items, fields, constants, methods, interfaces and the
-- proxy and stub classes of components become C++ names in the headers and class sources; scaled limits, bit
-- sizes and array sizes become C++ expressions. A name or a value the code cannot carry is refused where it is
-- made (created, renamed, copied or imported), with the rule it breaks; a name that stands already keeps working.
--
-- The generated code puts every domain's name space into the global one with using directives and refers to
-- the SDK's names unqualified, so a name of the design never equals one of the SDK's or the generator's own,
-- in any name space. editor/session/CodeNameRules.cpp holds the same words for the dialogs.
DELIMITER $$

-- The longest name, in bytes, that becomes a file name with its extension ("X.cpp" within a file system's 255).
CREATE FUNCTION code_file_name_bytes() RETURNS INT
  DETERMINISTIC NO SQL
  RETURN 251$$

CREATE FUNCTION is_cpp_keyword(p_name TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN BINARY p_name IN (
    'alignas', 'alignof', 'and', 'and_eq', 'asm', 'auto', 'bitand', 'bitor', 'bool', 'break', 'case', 'catch',
    'char', 'char8_t', 'char16_t', 'char32_t', 'class', 'compl', 'concept', 'const', 'consteval', 'constexpr',
    'constinit', 'const_cast', 'continue', 'co_await', 'co_return', 'co_yield', 'decltype', 'default', 'delete',
    'do', 'double', 'dynamic_cast', 'else', 'enum', 'explicit', 'export', 'extern', 'false', 'final', 'float',
    'for', 'friend', 'goto', 'if', 'import', 'inline', 'int', 'long', 'module', 'mutable', 'namespace', 'new',
    'noexcept', 'not', 'not_eq', 'nullptr', 'operator', 'or', 'or_eq', 'override', 'private', 'protected',
    'public', 'register', 'reinterpret_cast', 'requires', 'return', 'short', 'signed', 'sizeof', 'static',
    'static_assert', 'static_cast', 'struct', 'switch', 'template', 'this', 'thread_local', 'throw', 'true', 'try',
    'typedef', 'typeid', 'typename', 'union', 'unsigned', 'using', 'virtual', 'void', 'volatile', 'wchar_t',
    'while', 'xor', 'xor_eq',
    -- macros of the standard headers that the SDK includes
    'NULL', 'offsetof', 'SIZE_MAX', 'PTRDIFF_MIN', 'PTRDIFF_MAX', 'SIG_ATOMIC_MIN', 'SIG_ATOMIC_MAX',
    'WCHAR_MIN', 'WCHAR_MAX', 'WINT_MIN', 'WINT_MAX')
    OR CAST(p_name AS BINARY) REGEXP '^U?INT(_LEAST|_FAST)?(8|16|32|64|MAX|PTR)_(MIN|MAX|C)$'$$

-- The names of the SDK's name space Tamo, and the names the generated headers declare or use unqualified in
-- every name space of the design.
CREATE FUNCTION is_sdk_name(p_name TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN BINARY p_name IN (
    'Tamo', 'std', 'size_t', 'tamo_sizeof', 'c_standard_port',
    'int8_t', 'int16_t', 'int32_t', 'int64_t', 'u_int8_t', 'u_int16_t', 'u_int32_t', 'u_int64_t', 'char_t',
    'tamo_wchar_t', 'ieee754_32_t', 'ieee754_64_t', 'ieee754_80_t', 'ip_t', 'port_t', 'domain_t', 'pksize_t',
    'second_t', 'psecond_t', 'packed_node_addr_t', 'packed_client_addr_t', 'packed_server_addr_t', 'enum8_t',
    'enum16_t', 'enum32_t', 'enum64_t', 'real', 'template_history_elem', 'template_history',
    'variable_array_field_dctrl_t', 'tamo_err_t', 'c_tamo_err_none', 'c_tamo_err_not_implement',
    'struct_node_addr', 'struct_server_addr', 'struct_client_addr', 'client_addr_t', 'server_addr_t',
    'sender_sync_model_t', 'letter_case_t', 'return_object_t', 'tamo_object', 'tamo_proxy_object',
    'tamo_connecting_proxy', 'tamo_connected_stub', 'tamo_proxy_object_call', 'tamo_object_call',
    'tamo_proxy_object_signal', 'tamo_object_signal', 'tamo_proxy_object_broadcast', 'tamo_object_broadcast',
    'tamo_proxy_object_event', 'tamo_object_event', 'tamo_proxy_object_information', 'tamo_object_information',
    'tamo_proxy_object_command', 'tamo_object_command')$$

-- The members of the SDK's object bases that the generated method classes call or override: a method of that
-- name, or whose handler on_<name> is one of them, would hide or replace them.
CREATE FUNCTION is_sdk_member_name(p_name TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN BINARY p_name IN (
    'is_connected', 'async_connect', 'async_connect_return', 'shutdown', 'disconnect',
    'disconnect_all_client_object', 'disconnect_one_client_node', 'disconnect_one_client_object', 'async_call',
    'async_return', 'cancel', 'signal', 'broadcast', 'event', 'set_sync', 'see_history', 'set_history_size',
    'read', 'set_sync_model', 'get', 'post', 'write', 'get_client_count')
    OR BINARY CONCAT('on_', p_name) IN (
    'on_disconnected', 'on_shutdown', 'on_call', 'on_call_cancel', 'on_signal', 'on_signal_cancel',
    'on_broadcast', 'on_event', 'on_connect', 'on_sync')
    OR BINARY p_name IN (
    'on_disconnected', 'on_shutdown', 'on_call', 'on_call_cancel', 'on_signal', 'on_signal_cancel',
    'on_broadcast', 'on_event', 'on_connect', 'on_sync')$$

-- The members the generator gives every structure.
CREATE FUNCTION is_struct_member_name(p_name TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN BINARY p_name IN ('get_sizeof', 'dynamicsize', 'dynamicbuffer', 'init_daynamic_buffer',
                           '_maxDynamicSize')$$

-- NULL for a name that the generated code can carry in its scope, else the reason. Scopes: 'domain' (a name
-- space, and the folder and file of its header), 'data' (data items and constants), 'field', 'method',
-- 'interface' and 'class' (a proxy or stub class of a component, and its files).
CREATE FUNCTION code_name_fault(p_scope VARCHAR(16), p_name TEXT) RETURNS VARCHAR(512)
  DETERMINISTIC NO SQL
BEGIN
  IF p_name IS NULL OR NOT (p_name COLLATE utf8mb4_bin REGEXP '^[\\p{L}_$][\\p{L}\\p{M}0-9_$]*$') THEN
    RETURN CONCAT(p_name, ' 는 코드의 이름이 될 수 없습니다: 이름에는 글자(한글 포함), 숫자, _ 와 $ 만 쓸 수 있고, ',
                  '숫자로 시작할 수 없습니다.');
  END IF;
  IF CAST(p_name AS BINARY) REGEXP '^(__|_[A-Z])' THEN
    RETURN CONCAT(p_name, ' 는 쓸 수 없습니다: __ 나 _ 와 대문자로 시작하는 이름은 C++ 컴파일러가 씁니다.');
  END IF;
  IF is_cpp_keyword(p_name) THEN
    RETURN CONCAT(p_name, ' 는 C++ 예약어라서 이름으로 쓸 수 없습니다.');
  END IF;
  IF is_sdk_name(p_name)
     OR (p_scope = 'method' AND is_sdk_member_name(p_name))
     OR (p_scope = 'field' AND is_struct_member_name(p_name)) THEN
    RETURN CONCAT(p_name, ' 는 생성되는 코드나 Tamo SDK가 그 범위에서 이미 쓰는 이름이라서 쓸 수 없습니다.');
  END IF;
  IF p_scope IN ('domain', 'class') AND LENGTH(p_name) > code_file_name_bytes() THEN
    RETURN CONCAT('이름이 파일 이름이 되므로 ', code_file_name_bytes(), '바이트까지 쓸 수 있는데 ', LENGTH(p_name),
                  '바이트입니다.');
  END IF;
  RETURN NULL;
END$$

-- A new name (created, renamed to, copied or brought by an import) is one that the code can carry; a name that
-- stands already (p_standing_name, the item's own name before the change) keeps working.
CREATE PROCEDURE require_code_name(p_scope VARCHAR(16), p_name TEXT, p_standing_name TEXT)
BEGIN
  DECLARE v_fault VARCHAR(512);
  IF NOT (BINARY p_name <=> BINARY p_standing_name) THEN
    SET v_fault = code_name_fault(p_scope, p_name);
    IF v_fault IS NOT NULL THEN
      CALL refuse(v_fault);
    END IF;
  END IF;
END$$

-- A data or method domain's name names a name space, a folder and a header file; a data domain's name space
-- stands beside the data items of its parent data domain. System domains are no code. p_standing_name: the
-- domain's name before the change (NULL for a new domain).
CREATE PROCEDURE require_code_domain_name(p_kind TEXT, p_upper_id INT, p_name TEXT, p_standing_name TEXT)
BEGIN
  IF p_kind IN ('data', 'method') THEN
    CALL require_code_name('domain', p_name, p_standing_name);
    IF p_kind = 'data' AND EXISTS (SELECT 1 FROM data_item d WHERE d.domain_id = p_upper_id AND d.name = p_name) THEN
      CALL refuse(CONCAT(p_name, ' 는 상위 도메인의 데이타 이름이라서 생성되는 헤더에서 같은 범위의 같은 이름이 됩니다.'));
    END IF;
  END IF;
END$$

-- A name that becomes a folder or a file (a component's folder) within the bytes a file name can hold.
CREATE PROCEDURE require_file_name_bytes(p_name TEXT, p_standing_name TEXT)
BEGIN
  IF NOT (BINARY p_name <=> BINARY p_standing_name) AND LENGTH(p_name) > code_file_name_bytes() THEN
    CALL refuse(CONCAT('이름이 파일 이름이 되므로 ', code_file_name_bytes(), '바이트까지 쓸 수 있는데 ', LENGTH(p_name),
                       '바이트입니다.'));
  END IF;
END$$

-- Who already declares p_name in the name space of data domain p_domain_id: an item (or the history typedefs
-- and the limit functions that the header writes for it), a constant of one of its enumerations, or a data
-- sub-domain. p_own_data_id and p_own_field_id are the item or the constant that takes the name (NULL for a new
-- one), which do not count. NULL when the name is free.
CREATE FUNCTION data_scope_user(p_domain_id INT, p_name TEXT, p_own_data_id INT, p_own_field_id INT)
  RETURNS VARCHAR(300)
  NOT DETERMINISTIC READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(300);
  SET v_user = (SELECT d.name FROM data_item d
   WHERE d.domain_id = p_domain_id AND d.id <> COALESCE(p_own_data_id, 0)
     AND (d.name = p_name
          OR (p_name LIKE '%\\_history' AND d.name = LEFT(p_name, CHAR_LENGTH(p_name) - 8))
          OR (p_name LIKE '%\\_history\\_elem' AND d.name = LEFT(p_name, CHAR_LENGTH(p_name) - 13))
          OR ((p_name LIKE 'min%' OR p_name LIKE 'max%') AND d.name = SUBSTRING(p_name, 4)
              AND d.type IN ('scaled8_t', 'scaled16_t', 'scaled32_t', 'scaled64_t', 'u_scaled8_t', 'u_scaled16_t',
                             'u_scaled32_t', 'u_scaled64_t')))
   LIMIT 1);
  IF v_user IS NULL THEN
    SET v_user = (SELECT CONCAT(d.name, '의 상수 ', f.member_name)
      FROM data_item d JOIN data_field f ON f.data_id = d.id
     WHERE d.domain_id = p_domain_id AND d.type IN ('enum8_t', 'enum16_t', 'enum32_t', 'enum64_t')
       AND f.member_name = p_name AND f.id <> COALESCE(p_own_field_id, 0)
     LIMIT 1);
  END IF;
  IF v_user IS NULL THEN
    SET v_user = (SELECT CONCAT('하위 도메인 ', s.name) FROM domain s
     WHERE s.kind = 'data' AND s.upper_id = p_domain_id AND s.name = p_name
     LIMIT 1);
  END IF;
  RETURN v_user;
END$$

CREATE PROCEDURE require_free_data_scope_name(p_domain_id INT, p_name TEXT, p_declared TEXT, p_own_data_id INT,
                                              p_own_field_id INT)
BEGIN
  DECLARE v_user VARCHAR(300);
  SET v_user = data_scope_user(p_domain_id, p_name, p_own_data_id, p_own_field_id);
  IF v_user IS NOT NULL THEN
    CALL refuse(CONCAT(p_declared, ' 는 생성되는 헤더에서 ', v_user, ' 와 같은 범위의 같은 이름이 됩니다.'));
  END IF;
END$$

CREATE FUNCTION is_scaled_type(p_type TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN p_type IN ('scaled8_t', 'scaled16_t', 'scaled32_t', 'scaled64_t', 'u_scaled8_t', 'u_scaled16_t',
                    'u_scaled32_t', 'u_scaled64_t')$$

-- Scaled limits are written as double(<text>): numbers, the minimum below the maximum.
CREATE PROCEDURE require_scaled_limits(p_type TEXT, p_min TEXT, p_max TEXT)
BEGIN
  IF is_scaled_type(p_type) THEN
    IF NOT (COALESCE(p_min, '') REGEXP '^[-+]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][-+]?[0-9]{1,2})?$')
       OR NOT (COALESCE(p_max, '') REGEXP '^[-+]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][-+]?[0-9]{1,2})?$') THEN
      CALL refuse('최소값과 최대값은 숫자(예: -180.0, 1.5e3)여야 합니다.');
    END IF;
    IF NOT (CAST(p_min AS DOUBLE) < CAST(p_max AS DOUBLE)) THEN
      CALL refuse('최소값은 최대값보다 작아야 합니다.');
    END IF;
  END IF;
END$$

-- A data item keeps the names the header declares for it free (the item itself, its history typedefs, and
-- for a scaled type its limit functions), the values its type carries, and, with members, its kind.
-- p_own_data_id: the item before the change (NULL for a new one); p_standing_name: its name then.
CREATE PROCEDURE require_code_data_item(p_domain_id INT, p_own_data_id INT, p_name TEXT, p_standing_name TEXT,
                                        p_type TEXT, p_min TEXT, p_max TEXT)
BEGIN
  CALL require_code_name('data', p_name, p_standing_name);
  CALL require_free_data_scope_name(p_domain_id, p_name, p_name, p_own_data_id, NULL);
  CALL require_free_data_scope_name(p_domain_id, CONCAT(p_name, '_history'), p_name, p_own_data_id, NULL);
  CALL require_free_data_scope_name(p_domain_id, CONCAT(p_name, '_history_elem'), p_name, p_own_data_id, NULL);
  IF is_scaled_type(p_type) THEN
    CALL require_free_data_scope_name(p_domain_id, CONCAT('min', p_name), p_name, p_own_data_id, NULL);
    CALL require_free_data_scope_name(p_domain_id, CONCAT('max', p_name), p_name, p_own_data_id, NULL);
  END IF;
  IF p_type = 'struct' AND EXISTS (SELECT 1 FROM data_field f WHERE f.data_id = p_own_data_id AND f.member_name = p_name) THEN
    CALL refuse(CONCAT('구조체 ', p_name, '에 같은 이름의 필드가 있어 그 이름을 쓸 수 없습니다.'));
  END IF;
  CALL require_scaled_limits(p_type, p_min, p_max);
  CALL require_members_keep_kind(p_own_data_id, p_type);
END$$

-- A copy of data item p_data_id into data domain p_target_domain_id is a new item there: its name, its values
-- and, for an enumeration, its constants meet the target's name space.
CREATE PROCEDURE require_code_copy(p_data_id INT, p_target_domain_id INT)
BEGIN
  DECLARE v_constant VARCHAR(128);
  CALL require_code_data_item(p_target_domain_id, NULL, (SELECT d.name FROM data_item d WHERE d.id = p_data_id), NULL,
                              (SELECT d.type FROM data_item d WHERE d.id = p_data_id),
                              (SELECT d.scmin FROM data_item d WHERE d.id = p_data_id),
                              (SELECT d.scmax FROM data_item d WHERE d.id = p_data_id));
  SET v_constant = (SELECT f.member_name FROM data_item d JOIN data_field f ON f.data_id = d.id
                     WHERE d.id = p_data_id AND d.type IN ('enum8_t', 'enum16_t', 'enum32_t', 'enum64_t')
                       AND data_scope_user(p_target_domain_id, f.member_name, NULL, NULL) IS NOT NULL
                     ORDER BY f.seq LIMIT 1);
  IF v_constant IS NOT NULL THEN
    CALL require_free_data_scope_name(p_target_domain_id, v_constant, v_constant, NULL, NULL);
  END IF;
END$$

-- An item with members keeps the kind that gives them their meaning: the constants of an enumeration would
-- become fields without a type, the fields of a structure constants without a value.
CREATE PROCEDURE require_members_keep_kind(p_data_id INT, p_type TEXT)
BEGIN
  DECLARE v_name VARCHAR(128);
  DECLARE v_old_type VARCHAR(32);
  DECLARE v_members INT;
  SET v_name = (SELECT d.name FROM data_item d WHERE d.id = p_data_id),
      v_old_type = (SELECT d.type FROM data_item d WHERE d.id = p_data_id),
      v_members = (SELECT COUNT(*) FROM data_field f WHERE f.data_id = p_data_id);
  IF v_members > 0 AND v_old_type LIKE 'enum%' AND NOT (p_type LIKE 'enum%') THEN
    CALL refuse(CONCAT(v_name, '에는 상수가 ', v_members, '개 있어 열거형이 아닌 타입으로 바꿀 수 없습니다. ',
                       '생성되는 코드가 상수를 씁니다.'));
  END IF;
  IF v_members > 0 AND v_old_type = 'struct' AND p_type LIKE 'enum%' THEN
    CALL refuse(CONCAT(v_name, '에는 필드가 ', v_members, '개 있어 열거형으로 바꿀 수 없습니다. ',
                       '생성되는 코드가 필드를 씁니다.'));
  END IF;
END$$

-- The bytes of one value of a type keyword; NULL for a type whose size the server does not know (alias).
CREATE FUNCTION code_type_bytes(p_type TEXT) RETURNS INT
  DETERMINISTIC NO SQL
  RETURN CASE
           WHEN p_type IN ('int8_t', 'u_int8_t', 'char_t', 'enum8_t', 'scaled8_t', 'u_scaled8_t') THEN 1
           WHEN p_type IN ('int16_t', 'u_int16_t', 'wchar_t', 'enum16_t', 'scaled16_t', 'u_scaled16_t', 'port_t',
                           'domain_t') THEN 2
           WHEN p_type IN ('int32_t', 'u_int32_t', 'enum32_t', 'scaled32_t', 'u_scaled32_t', 'ieee754_32_t',
                           'ip_t', 'pksize_t', 'second_t') THEN 4
           WHEN p_type IN ('int64_t', 'u_int64_t', 'enum64_t', 'scaled64_t', 'u_scaled64_t', 'ieee754_64_t',
                           'psecond_t', 'packed_node_addr_t', 'packed_client_addr_t', 'packed_server_addr_t') THEN 8
           WHEN p_type = 'ieee754_80_t' THEN 16
         END$$

-- The types a bit field can have: integers and enumerations.
CREATE FUNCTION is_bit_field_type(p_type TEXT) RETURNS TINYINT
  DETERMINISTIC NO SQL
  RETURN p_type IN ('int8_t', 'int16_t', 'int32_t', 'int64_t', 'u_int8_t', 'u_int16_t', 'u_int32_t', 'u_int64_t',
                    'char_t', 'wchar_t', 'enum8_t', 'enum16_t', 'enum32_t', 'enum64_t', 'ip_t', 'port_t', 'domain_t',
                    'pksize_t', 'second_t', 'psecond_t', 'packed_node_addr_t', 'packed_client_addr_t',
                    'packed_server_addr_t')$$

-- The largest structure the generated size arithmetic holds (get_sizeof answers a 32-bit size, the dynamic
-- buffer's size is an enumerator).
CREATE FUNCTION code_struct_bytes_limit() RETURNS BIGINT
  DETERMINISTIC NO SQL
  RETURN 2147483647$$

-- A field of a structure keeps the names the structure declares for it free (the field, and the accessors of a
-- variable array or the limits of a scaled type), and the values it carries fit its code: bit sizes on integer
-- types up to their width, scaled limits, array sizes that the structure's size arithmetic holds. A constant of
-- an enumeration keeps its name free in the domain's name space. p_own_field_id: the field before the change.
CREATE PROCEDURE require_code_field(p_data_id INT, p_own_field_id INT, p_name TEXT, p_standing_name TEXT,
                                    p_type TEXT, p_bitsize INT, p_min TEXT, p_max TEXT, p_arraytype TEXT,
                                    p_arraysize INT)
BEGIN
  DECLARE v_owner_name VARCHAR(128);
  DECLARE v_owner_type VARCHAR(32);
  DECLARE v_domain_id INT;
  DECLARE v_clash VARCHAR(128);
  DECLARE v_bytes BIGINT;
  SET v_owner_name = (SELECT d.name FROM data_item d WHERE d.id = p_data_id),
      v_owner_type = (SELECT d.type FROM data_item d WHERE d.id = p_data_id),
      v_domain_id = (SELECT d.domain_id FROM data_item d WHERE d.id = p_data_id);
  IF v_owner_type LIKE 'enum%' THEN
    CALL require_code_name('data', p_name, p_standing_name);
    CALL require_free_data_scope_name(v_domain_id, p_name, p_name, NULL, p_own_field_id);
  ELSEIF v_owner_type = 'struct' THEN
    CALL require_code_name('field', p_name, p_standing_name);
    IF BINARY p_name = BINARY v_owner_name THEN
      CALL refuse(CONCAT(p_name, ' 는 구조체의 이름이라서 그 필드의 이름으로 쓸 수 없습니다.'));
    END IF;
    -- The other fields' names, with what the structure declares for them, against this field's.
    SET v_clash = (SELECT f.member_name FROM data_field f
     WHERE f.data_id = p_data_id AND f.id <> COALESCE(p_own_field_id, 0)
       AND (f.member_name IN (CONCAT(p_name, '_dctrl'), CONCAT(p_name, '_alloc'), CONCAT(p_name, '_size'))
            AND p_arraytype = 'VARIABLE'
            OR f.member_name IN (CONCAT('min_', p_name), CONCAT('max_', p_name)) AND is_scaled_type(p_type)
            OR p_name IN (CONCAT(f.member_name, '_dctrl'), CONCAT(f.member_name, '_alloc'),
                          CONCAT(f.member_name, '_size')) AND f.arraytype = 'VARIABLE'
            OR p_name IN (CONCAT('min_', f.member_name), CONCAT('max_', f.member_name)) AND is_scaled_type(f.type))
     LIMIT 1);
    IF v_clash IS NOT NULL THEN
      CALL refuse(CONCAT(p_name, ' 는 생성되는 구조체 ', v_owner_name, '에서 필드 ', v_clash,
                         '의 멤버와 같은 이름이 됩니다.'));
    END IF;
    IF COALESCE(p_bitsize, 0) > 0 AND COALESCE(p_arraytype, '') IN ('', 'NO') THEN
      IF NOT is_bit_field_type(p_type) THEN
        CALL refuse(CONCAT('비트 크기는 정수와 열거형 타입에만 쓸 수 있습니다: ', p_type));
      END IF;
      IF p_bitsize > 8 * code_type_bytes(p_type) THEN
        CALL refuse(CONCAT(p_type, '의 비트 크기는 ', 8 * code_type_bytes(p_type), '까지입니다.'));
      END IF;
    END IF;
    CALL require_scaled_limits(p_type, p_min, p_max);
    IF p_arraytype IN ('FIX', 'VARIABLE') THEN
      SET v_bytes = (SELECT COALESCE(SUM(COALESCE(code_type_bytes(f.type), 1)
                                         * IF(f.arraytype IN ('FIX', 'VARIABLE'), f.arraysize, 1)), 0)
                       FROM data_field f WHERE f.data_id = p_data_id AND f.id <> COALESCE(p_own_field_id, 0));
      IF v_bytes + COALESCE(code_type_bytes(p_type), 1) * COALESCE(p_arraysize, 0) > code_struct_bytes_limit() THEN
        CALL refuse(CONCAT('배열이 너무 큽니다: 구조체 ', v_owner_name, '의 크기는 ', code_struct_bytes_limit(),
                           '바이트까지입니다.'));
      END IF;
    END IF;
  END IF;
END$$

-- The first data reference of domain p_domain_id (an alias, an alias field, a method's input or output) into a
-- domain that its header reaches only through the link (p_parent_id, p_flag): without the link the header no
-- longer includes that data. NULL when none.
CREATE FUNCTION link_data_user(p_domain_id INT, p_parent_id INT, p_flag INT) RETURNS VARCHAR(300)
  NOT DETERMINISTIC READS SQL DATA
BEGIN
  DECLARE v_kind VARCHAR(32);
  DECLARE v_user VARCHAR(300);
  SET v_kind = (SELECT d.kind FROM domain d WHERE d.id = p_domain_id);
  IF NOT ((v_kind = 'data' AND p_flag = 0) OR (v_kind = 'method' AND p_flag = 1)) THEN
    RETURN NULL;
  END IF;
  SET v_user = (WITH RECURSIVE
    kept (id) AS (
      SELECT l.parent_id FROM domain_parent l
       WHERE l.domain_id = p_domain_id AND l.flag = p_flag AND l.parent_id <> p_parent_id
      UNION
      SELECT l.parent_id FROM kept k JOIN domain_parent l ON l.domain_id = k.id AND l.flag = 0
    ),
    lost (id) AS (
      SELECT p_parent_id
      UNION
      SELECT l.parent_id FROM lost k JOIN domain_parent l ON l.domain_id = k.id AND l.flag = 0
    ),
    uses (user_name, real_domain_id) AS (
      SELECT d.name, d.real_domain_id FROM data_item d WHERE d.domain_id = p_domain_id AND d.real_domain_id IS NOT NULL
      UNION ALL
      SELECT CONCAT(d.name, '.', f.member_name), f.real_domain_id
        FROM data_item d JOIN data_field f ON f.data_id = d.id
       WHERE d.domain_id = p_domain_id AND f.real_domain_id IS NOT NULL
      UNION ALL
      SELECT m.name, m.in_domain_id FROM method m WHERE m.domain_id = p_domain_id AND m.in_domain_id IS NOT NULL
      UNION ALL
      SELECT m.name, m.out_domain_id FROM method m WHERE m.domain_id = p_domain_id AND m.out_domain_id IS NOT NULL
    )
  SELECT u.user_name FROM uses u
   WHERE u.real_domain_id <> p_domain_id
     AND u.real_domain_id IN (SELECT id FROM lost)
     AND u.real_domain_id NOT IN (SELECT id FROM kept)
   LIMIT 1);
  RETURN v_user;
END$$

CREATE PROCEDURE require_unused_link(p_domain_id INT, p_parent_id INT, p_flag INT)
BEGIN
  DECLARE v_user VARCHAR(300);
  SET v_user = link_data_user(p_domain_id, p_parent_id, p_flag);
  IF v_user IS NOT NULL THEN
    CALL refuse(CONCAT(v_user, ' 가 이 연결로 데이타를 쓰고 있어 연결을 끊을 수 없습니다.'));
  END IF;
END$$

DELIMITER ;
