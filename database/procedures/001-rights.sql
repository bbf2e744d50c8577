-- Rights: who may read and change what. Every procedure decides through these functions, and only these.
--
--   account rights      administrator: everything. may_create_account: create accounts.
--                       may_create_domain: create top-level domains.
--   domain grade        manager: change the domain itself, its content and its members' grades.
--                       member: change the domain's content, create sub-domains.
--                       guest: read. applicant: nothing yet (waits for a manager).
--   domain visibility   public: every logged-in account reads it. private: only its members
--                       (guest and up) and administrators.
--
-- database/README.md documents the rules as a table; keep the two in step.
DELIMITER $$

-- The session account is authenticated once per check and passed on: every lookup of session_account()
-- checks the password hash again. It is taken into a variable before a lookup: compared inside a WHERE, a
-- stored function would be evaluated row by row instead of once through the index.
CREATE FUNCTION account_is_administrator() RETURNS TINYINT
  READS SQL DATA
  RETURN user_is_administrator(session_account())$$

CREATE FUNCTION user_is_administrator(p_user VARCHAR(64)) RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT a.is_administrator FROM account a WHERE a.user_id = p_user), 0)$$

CREATE FUNCTION account_may_create_account() RETURNS TINYINT
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(64) DEFAULT session_account();
  RETURN COALESCE((SELECT a.is_administrator OR a.may_create_account FROM account a WHERE a.user_id = v_user), 0);
END$$

CREATE FUNCTION account_may_create_domain() RETURNS TINYINT
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(64) DEFAULT session_account();
  RETURN COALESCE((SELECT a.is_administrator OR a.may_create_domain FROM account a WHERE a.user_id = v_user), 0);
END$$

-- A grade as a rank: 3 manager, 2 member, 1 guest, 0 applicant or no membership (NULL).
CREATE FUNCTION grade_rank(p_grade VARCHAR(16)) RETURNS TINYINT
  DETERMINISTIC
  RETURN CASE p_grade WHEN 'manager' THEN 3 WHEN 'member' THEN 2 WHEN 'guest' THEN 1 ELSE 0 END$$

-- The session account's grade rank in a domain.
CREATE FUNCTION domain_grade(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN user_domain_grade(session_account(), p_domain_id)$$

CREATE FUNCTION user_domain_grade(p_user VARCHAR(64), p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT grade_rank(m.grade) FROM domain_member m
                    WHERE m.domain_id = p_domain_id AND m.user_id = p_user), 0)$$

-- The reading rule itself, from values looked up by the caller. Lists apply it row by row with the
-- administrator flag taken once and the grade joined from domain_member, so a long list costs no more
-- per row than the join.
CREATE FUNCTION readable(p_is_administrator TINYINT, p_public TINYINT, p_grade_rank TINYINT) RETURNS TINYINT
  DETERMINISTIC
  RETURN COALESCE(p_is_administrator, 0) = 1 OR COALESCE(p_public, 0) <> 0 OR COALESCE(p_grade_rank, 0) >= 1$$

-- The reading rule for one domain and an authenticated account (NULL: nobody, reads nothing), in one lookup.
CREATE FUNCTION user_reads_domain(p_user VARCHAR(64), p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN p_user IS NOT NULL
     AND COALESCE((SELECT readable(a.is_administrator, d.public, grade_rank(m.grade))
                      FROM account a
                      LEFT JOIN domain d ON d.id = p_domain_id
                      LEFT JOIN domain_member m ON m.domain_id = p_domain_id AND m.user_id = p_user
                     WHERE a.user_id = p_user), 0)$$

CREATE FUNCTION can_read_domain(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN user_reads_domain(session_account(), p_domain_id)$$

-- 1 when the domain exists and the account may not read it. A reference into such a domain (an alias's data, a
-- method's input, an interface of a class, ...) is answered as one to something missing, so that no answer tells
-- whether a name stands in a domain the account may not read.
CREATE FUNCTION domain_hidden(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN p_domain_id IS NOT NULL AND EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id)
     AND can_read_domain(p_domain_id) = 0$$

-- An administrator, or a member of the domain with at least the grade rank.
CREATE FUNCTION user_has_domain_rank(p_user VARCHAR(64), p_domain_id INT, p_rank TINYINT) RETURNS TINYINT
  READS SQL DATA
  RETURN user_is_administrator(p_user) = 1 OR user_domain_grade(p_user, p_domain_id) >= p_rank$$

CREATE FUNCTION can_change_domain_content(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN user_has_domain_rank(session_account(), p_domain_id, 2)$$

CREATE FUNCTION can_manage_domain(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN user_has_domain_rank(session_account(), p_domain_id, 3)$$

-- A new domain at the top level needs the account right; below a parent, the right to change the
-- parent's content.
CREATE FUNCTION can_create_domain_under(p_upper_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN IF(COALESCE(p_upper_id, 0) = 0, account_may_create_domain(), can_change_domain_content(p_upper_id))$$

-- A refusal: the status row 0, then the reason as the statement's error. Ends the calling procedure.
CREATE PROCEDURE refuse(p_message VARCHAR(512))
BEGIN
  SELECT 0 AS test;
  SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = p_message;
END$$

-- The checks that readers pass through read with SELECT ... INTO: a consistent read, which never waits for a
-- row that another session's open transaction holds. (An IF or SET that reads a table takes a shared lock.)
CREATE PROCEDURE require_login()
BEGIN
  DECLARE v_user VARCHAR(64);
  CALL require_login_as(v_user);
END$$

-- require_login that answers the account, for checks that go on with it.
CREATE PROCEDURE require_login_as(OUT p_user VARCHAR(64))
BEGIN
  SELECT session_account() INTO p_user;
  IF p_user IS NULL THEN
    CALL refuse('로그인 정보가 올바르지 않습니다.');
  END IF;
END$$

CREATE PROCEDURE require_administrator()
BEGIN
  CALL require_login();
  IF account_is_administrator() = 0 THEN
    CALL refuse('관리자 계정만 할 수 있습니다.');
  END IF;
END$$

CREATE PROCEDURE require_create_account()
BEGIN
  CALL require_login();
  IF account_may_create_account() = 0 THEN
    CALL refuse('계정을 만들 권한이 없습니다.');
  END IF;
END$$

-- Reading an unknown domain is no error: readers then answer an empty list. Every list of the trees passes
-- here, so it authenticates once.
CREATE PROCEDURE require_read_domain(p_domain_id INT)
BEGIN
  DECLARE v_user VARCHAR(64);
  DECLARE v_refused TINYINT;
  CALL require_login_as(v_user);
  SELECT user_reads_domain(v_user, p_domain_id) = 0 AND EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id)
    INTO v_refused;
  IF v_refused THEN
    CALL refuse('비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다.');
  END IF;
END$$

CREATE PROCEDURE require_change_domain_content(p_domain_id INT)
BEGIN
  CALL require_login();
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id) THEN
    CALL refuse('도메인이 없습니다.');
  END IF;
  IF can_change_domain_content(p_domain_id) = 0 THEN
    CALL refuse('도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다.');
  END IF;
END$$

CREATE PROCEDURE require_manage_domain(p_domain_id INT)
BEGIN
  CALL require_login();
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id) THEN
    CALL refuse('도메인이 없습니다.');
  END IF;
  IF can_manage_domain(p_domain_id) = 0 THEN
    CALL refuse('도메인 관리자만 할 수 있습니다.');
  END IF;
END$$

CREATE PROCEDURE require_create_domain_under(p_upper_id INT)
BEGIN
  CALL require_login();
  IF COALESCE(p_upper_id, 0) <> 0 AND NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_upper_id) THEN
    CALL refuse('상위 도메인이 없습니다.');
  END IF;
  IF can_create_domain_under(p_upper_id) = 0 THEN
    IF COALESCE(p_upper_id, 0) = 0 THEN
      CALL refuse('최상위 도메인을 만들 권한이 없습니다.');
    ELSE
      CALL refuse('상위 도메인의 관리자나 멤버만 하위 도메인을 만들 수 있습니다.');
    END IF;
  END IF;
END$$

-- Changes that touch several rows run in one transaction: their own, or, when the caller already opened
-- one (the document import wraps its whole run), a savepoint inside it, so that no procedure commits a
-- caller's work implicitly. Begin before the first check, so that a refusal returns to this procedure's own
-- starting point. Use:
--   DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
--   DECLARE EXIT HANDLER FOR SQLEXCEPTION BEGIN CALL change_abort(v_own_transaction); RESIGNAL; END;
--   CALL change_begin(v_own_transaction);  checks, changes  CALL change_commit(v_own_transaction);
CREATE PROCEDURE change_begin(p_own_transaction TINYINT)
BEGIN
  IF p_own_transaction THEN
    START TRANSACTION;
  ELSE
    SAVEPOINT tamo_change;
  END IF;
END$$

CREATE PROCEDURE change_commit(p_own_transaction TINYINT)
BEGIN
  IF p_own_transaction THEN
    COMMIT;
  ELSE
    RELEASE SAVEPOINT tamo_change;
  END IF;
END$$

CREATE PROCEDURE change_abort(p_own_transaction TINYINT)
BEGIN
  -- An error raised before change_begin leaves no savepoint to return to.
  DECLARE CONTINUE HANDLER FOR 1305 BEGIN END;
  IF p_own_transaction THEN
    ROLLBACK;
  ELSEIF @@in_transaction = 1 THEN
    -- Released as well, so that a later refusal cannot return to this point and undo the caller's work
    -- done in between.
    ROLLBACK TO SAVEPOINT tamo_change;
    RELEASE SAVEPOINT tamo_change;
  END IF;
END$$

-- The refusal of a change that lost a conflict with another session's change.
CREATE FUNCTION conflict_text() RETURNS VARCHAR(128)
  DETERMINISTIC
  RETURN '다른 사용자의 변경과 겹쳐 처리하지 못했습니다. 다시 해 주세요.'$$

-- Whether the server's error says that it undid the session's whole transaction because it lost a conflict
-- with another one: a deadlock (1213, also a change that a cluster's certification refused) or a statement
-- that a cluster interrupted for a change of another node (1317). Such a refusal is told with SQLSTATE 40001,
-- so that a client knows that nothing of the call was kept and may send it again.
CREATE FUNCTION database_error_undid_transaction(p_errno INT) RETURNS TINYINT
  DETERMINISTIC
  RETURN p_errno IN (1213, 1317)$$

-- The refusal of a change that lost a conflict and was undone whole (see database_error_undid_transaction).
CREATE PROCEDURE refuse_conflict(p_quietly TINYINT)
BEGIN
  DECLARE v_text VARCHAR(128) DEFAULT conflict_text();
  IF NOT p_quietly THEN
    SELECT 0 AS test;
  END IF;
  SIGNAL SQLSTATE '40001' SET MESSAGE_TEXT = v_text;
END$$

-- The reason told for a statement that the server itself rejected inside a procedure: the reasons users can
-- act on get a text of their own, anything else a Korean text with the server's error number, never the
-- server's own English text.
CREATE FUNCTION database_error_text(p_errno INT, p_text VARCHAR(512)) RETURNS VARCHAR(512)
  DETERMINISTIC
  RETURN CASE
           WHEN p_errno IN (1451, 1217) THEN '다른 곳에서 사용하고 있어 지우거나 바꿀 수 없습니다.'
           WHEN p_errno IN (1452, 1216) THEN '참조하는 항목이 없습니다.'
           WHEN p_errno IN (1062, 1586) THEN '같은 이름이 이미 있습니다.'
           WHEN p_errno = 1406 THEN '입력한 값이 너무 깁니다.'
           WHEN p_errno = 1366 THEN '입력한 값에 쓸 수 없는 문자가 있습니다.'
           WHEN p_errno = 1264 THEN '입력한 값이 범위를 벗어났습니다.'
           -- 1205: the lock wait ran out while another session's open transaction held a row (only the
           -- statement was undone); 1467: a deadlock met while waiting for a table's auto-increment lock.
           WHEN database_error_undid_transaction(p_errno) OR p_errno IN (1205, 1467) THEN conflict_text()
           ELSE CONCAT('데이타베이스가 요청을 처리하지 못했습니다. (오류 ', COALESCE(p_errno, 0), ')')
         END$$

CREATE PROCEDURE refuse_database_error(p_errno INT, p_text VARCHAR(512))
  CALL refuse(database_error_text(p_errno, p_text))$$

-- The answer to a statement that failed inside a procedure: a refusal goes on as it is (its status row has
-- gone out already), an error of the server becomes a refusal; quietly, without a status row, for the
-- procedures that answer none. A refusal raised by SIGNAL has the error number 1644.
CREATE PROCEDURE answer_failure(p_errno INT, p_state CHAR(5), p_text VARCHAR(512), p_quietly TINYINT)
BEGIN
  DECLARE v_reason VARCHAR(512) DEFAULT database_error_text(p_errno, p_text);
  IF p_state = '45000' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = p_text;
  ELSEIF p_state = '40001' AND p_errno = 1644 THEN
    SIGNAL SQLSTATE '40001' SET MESSAGE_TEXT = p_text;
  ELSEIF database_error_undid_transaction(p_errno) THEN
    CALL refuse_conflict(p_quietly);
  ELSEIF p_quietly THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = v_reason;
  ELSE
    CALL refuse_database_error(p_errno, p_text);
  END IF;
END$$

-- The handler of the procedures that the programs call, for what no check of their own caught (a text too
-- long for its column, a name that a concurrent session took first, a deadlock):
--   DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
-- It must be the handler's first statement, as it reads the handled condition.
CREATE PROCEDURE refuse_failure()
BEGIN
  DECLARE v_errno INT;
  DECLARE v_state CHAR(5);
  DECLARE v_text VARCHAR(512);
  GET DIAGNOSTICS CONDITION 1 v_errno = MYSQL_ERRNO, v_state = RETURNED_SQLSTATE, v_text = MESSAGE_TEXT;
  CALL answer_failure(v_errno, v_state, v_text, 0);
END$$

CREATE PROCEDURE refuse_failure_quietly()
BEGIN
  DECLARE v_errno INT;
  DECLARE v_state CHAR(5);
  DECLARE v_text VARCHAR(512);
  GET DIAGNOSTICS CONDITION 1 v_errno = MYSQL_ERRNO, v_state = RETURNED_SQLSTATE, v_text = MESSAGE_TEXT;
  CALL answer_failure(v_errno, v_state, v_text, 1);
END$$

-- The handler of a change that runs as one unit: undoes it, then answers as refuse_failure does.
--   DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
--   DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
--   CALL change_begin(v_own_transaction);  checks, changes  CALL change_commit(v_own_transaction);
CREATE PROCEDURE change_failed(p_own_transaction TINYINT)
BEGIN
  DECLARE v_errno INT;
  DECLARE v_state CHAR(5);
  DECLARE v_text VARCHAR(512);
  GET DIAGNOSTICS CONDITION 1 v_errno = MYSQL_ERRNO, v_state = RETURNED_SQLSTATE, v_text = MESSAGE_TEXT;
  CALL change_abort(p_own_transaction);
  CALL answer_failure(v_errno, v_state, v_text, 0);
END$$

-- Changes that must not run beside each other (each checks what the others change: the last administrator,
-- the cycles of the domain links, the references between data) take the guard row of their topic first
-- thing in their transaction. A guard is a row that they write, so that they wait for each other on one
-- server and conflict on a cluster, where the losing one is undone and refused.
CREATE PROCEDURE take_guard(p_topic VARCHAR(32))
  MODIFIES SQL DATA
  INSERT INTO change_guard (topic) VALUES (p_topic) ON DUPLICATE KEY UPDATE changes = changes + 1$$

-- The guard of one domain's data or methods ("data 17"), made when it is first taken.
CREATE PROCEDURE take_domain_guard(p_domain_id INT)
  MODIFIES SQL DATA
  IF p_domain_id IS NOT NULL AND p_domain_id <> 0 THEN
    CALL take_guard(CONCAT('data ', p_domain_id));
  END IF$$

-- Changes of data run one at a time per data domain: what they check of their own domain (names, the positions
-- and the constants of an item's fields) no other domain's change writes, so changes of different domains
-- neither wait for nor conflict with each other. A change that makes or changes a reference between data
-- (an alias, an alias field, a copy, an import), renames an item (references name it) or deletes one also
-- takes the design-wide guard `data` first: a cycle of references may run through any domains, and a
-- reference must not be made to data that is deleted at the same moment.
CREATE PROCEDURE take_data_guard(p_domain_id INT, p_design_wide TINYINT)
  MODIFIES SQL DATA
BEGIN
  IF p_design_wide THEN
    CALL take_guard('data');
  END IF;
  CALL take_domain_guard(p_domain_id);
END$$

-- A method refers to data of up to two data domains: it takes their guards with its own domain's (in the order
-- of the ids, so that two changes never wait for each other crosswise), so that the data it names is not
-- deleted at the same moment.
CREATE PROCEDURE take_method_guard(p_domain_id INT, p_in_domain_id INT, p_out_domain_id INT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_in INT DEFAULT COALESCE(p_in_domain_id, p_domain_id);
  DECLARE v_out INT DEFAULT COALESCE(p_out_domain_id, p_domain_id);
  DECLARE v_first INT DEFAULT LEAST(p_domain_id, v_in, v_out);
  DECLARE v_last INT DEFAULT GREATEST(p_domain_id, v_in, v_out);
  DECLARE v_middle INT DEFAULT p_domain_id + v_in + v_out - v_first - v_last;
  CALL take_domain_guard(v_first);
  IF v_middle <> v_first THEN
    CALL take_domain_guard(v_middle);
  END IF;
  IF v_last <> v_middle THEN
    CALL take_domain_guard(v_last);
  END IF;
END$$

-- Texts. A procedure that the programs call takes its text arguments as bytes (b_name LONGBLOB) and turns them
-- into the texts its body uses (p_name) with take_text, so that the server cannot refuse them with its own
-- error before the procedure runs. A text must be UTF-8 that XML can carry (no NUL, no control character
-- but tab, line feed and carriage return, no surrogate, no U+FFFE or U+FFFF), and no longer than the
-- largest text column (65535 bytes).
CREATE FUNCTION text_fault(p_bytes LONGBLOB) RETURNS VARCHAR(128)
  DETERMINISTIC
  RETURN CASE
           WHEN p_bytes IS NULL THEN NULL
           WHEN OCTET_LENGTH(p_bytes) > 65535 THEN '입력한 값이 너무 깁니다.'
           WHEN p_bytes NOT REGEXP CAST(CONCAT(
                  '^(?:[\\t\\n\\r\\x20-\\x7F]',
                  '|[\\xC2-\\xDF][\\x80-\\xBF]',
                  '|\\xE0[\\xA0-\\xBF][\\x80-\\xBF]|[\\xE1-\\xEC\\xEE][\\x80-\\xBF]{2}',
                  '|\\xED[\\x80-\\x9F][\\x80-\\xBF]',
                  '|\\xEF(?:[\\x80-\\xBE][\\x80-\\xBF]|\\xBF[\\x80-\\xBD])',
                  '|\\xF0[\\x90-\\xBF][\\x80-\\xBF]{2}|[\\xF1-\\xF3][\\x80-\\xBF]{3}|\\xF4[\\x80-\\x8F][\\x80-\\xBF]{2}',
                  ')*+$') AS BINARY) THEN '입력한 값에 쓸 수 없는 문자가 있습니다.'
           ELSE NULL
         END$$

CREATE PROCEDURE take_text(p_bytes LONGBLOB, OUT p_text LONGTEXT)
BEGIN
  DECLARE v_fault VARCHAR(128) DEFAULT text_fault(p_bytes);
  IF v_fault IS NOT NULL THEN
    CALL refuse(v_fault);
  END IF;
  SET p_text = p_bytes;
END$$

-- For the procedures that answer no status set: the reason alone.
CREATE PROCEDURE take_text_quietly(p_bytes LONGBLOB, OUT p_text LONGTEXT)
BEGIN
  DECLARE v_fault VARCHAR(128) DEFAULT text_fault(p_bytes);
  IF v_fault IS NOT NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = v_fault;
  END IF;
  SET p_text = p_bytes;
END$$

DELIMITER ;
