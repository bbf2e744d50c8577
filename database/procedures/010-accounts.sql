-- Application accounts: the login check, the account list and its commands, the account's own row and its
-- password change.
DELIMITER $$

-- The login check: one row, column test = 1 for a valid account and password, else 0.
CREATE PROCEDURE loginResult()
  READS SQL DATA
BEGIN
  SELECT session_is_authenticated() AS test;
END$$

-- One account row as the account dialogs read it: id, the three rights as "0"/"1", description.
CREATE PROCEDURE account_rows(p_pattern VARCHAR(255), p_own_only TINYINT)
  READS SQL DATA
BEGIN
  DECLARE v_user VARCHAR(64);
  SELECT session_account() INTO v_user;
  SELECT 1 AS test;
  IF p_own_only THEN
    SELECT a.user_id, a.is_administrator, a.may_create_account, a.may_create_domain, a.description
      FROM account a WHERE a.user_id = v_user;
  ELSE
    -- The dialog puts each row at the top of its list, so descending order shows the accounts ascending.
    SELECT a.user_id, a.is_administrator, a.may_create_account, a.may_create_domain, a.description
      FROM account a
     WHERE a.user_id LIKE COALESCE(p_pattern, '%') OR a.description LIKE COALESCE(p_pattern, '%')
     ORDER BY a.user_id DESC;
  END IF;
END$$

CREATE PROCEDURE acountlistViewAcountList(b_pattern LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_pattern LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_pattern, p_pattern);
  BEGIN
    CALL require_login();
    CALL remember_read_accounts();
    CALL account_rows(p_pattern, 0);
  END;
END$$

CREATE PROCEDURE acountInfoAccessUser()
  READS SQL DATA
BEGIN
  CALL require_login();
  CALL account_rows(NULL, 1);
END$$

CREATE PROCEDURE acountViewUserinfo()
  READS SQL DATA
BEGIN
  CALL require_login();
  CALL account_rows(NULL, 1);
END$$

CREATE PROCEDURE acountlistViewNewAcount(b_user_id LONGBLOB, b_password LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_user_id, p_password, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_user_id, p_user_id);
  CALL take_text(b_password, p_password);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_salt CHAR(32);
    CALL require_create_account();
    IF p_user_id IS NULL OR p_user_id = '' THEN
      CALL refuse('계정 이름이 비어 있습니다.');
    END IF;
    IF CHAR_LENGTH(p_user_id) > 64 THEN
      CALL refuse('계정 이름은 64자까지 쓸 수 있습니다.');
    END IF;
    IF EXISTS (SELECT 1 FROM account a WHERE a.user_id = p_user_id) THEN
      CALL refuse('같은 이름의 계정이 이미 있습니다.');
    END IF;
    SET v_salt = new_salt();
    INSERT INTO account (user_id, salt, password_hash, description)
    VALUES (p_user_id, v_salt, password_hash_of(v_salt, COALESCE(p_password, '')), COALESCE(p_description, ''));
    CALL remember_new_row('account', account_read_key(p_user_id));
    SELECT 1 AS test;
  END;
END$$

-- 1 when an account has exactly this name. The collation ignores trailing blanks; an account name is compared
-- byte for byte, so "admin " never stands for "admin".
CREATE FUNCTION account_exists(p_user_id VARCHAR(255)) RETURNS TINYINT
  READS SQL DATA
  RETURN EXISTS (SELECT 1 FROM account a WHERE a.user_id = p_user_id AND BINARY a.user_id = BINARY p_user_id)$$

-- The target of an account command: it must exist, and it must not be the session's own account (an
-- administrator cannot lock himself out, so one administrator always remains).
CREATE PROCEDURE require_other_account(p_user_id VARCHAR(255), p_own_refusal VARCHAR(255))
BEGIN
  IF NOT account_exists(p_user_id) THEN
    CALL refuse('계정이 없습니다.');
  END IF;
  IF p_user_id = session_account() THEN
    CALL refuse(p_own_refusal);
  END IF;
END$$

-- Deleting an account and switching the administrator right run one at a time (the accounts guard): two
-- administrators who took each other's right at once would leave none.
CREATE PROCEDURE acountlistViewDeleteAcount(b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_user_id, p_user_id);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_guard('accounts');
    CALL require_administrator();
    CALL require_other_account(p_user_id, '로그인한 자신의 계정은 삭제할 수 없습니다.');
    -- Memberships go with the account; what the account authored keeps its author's name.
    DELETE FROM account WHERE user_id = p_user_id;
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE acountlistViewToggleSupermanager(b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_user_id, p_user_id);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL change_begin(v_own_transaction);
    CALL take_guard('accounts');
    CALL require_administrator();
    CALL require_other_account(p_user_id, '로그인한 자신의 관리자 권한은 바꿀 수 없습니다.');
    CALL require_unchanged_since_read('account', account_read_key(p_user_id));
    UPDATE account SET is_administrator = 1 - is_administrator WHERE user_id = p_user_id;
    CALL remember_own_change('account', account_read_key(p_user_id));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- An administrator holds every right already; its single rights are not switched.
CREATE PROCEDURE require_non_administrator_target(p_user_id VARCHAR(255))
BEGIN
  IF NOT account_exists(p_user_id) THEN
    CALL refuse('계정이 없습니다.');
  END IF;
  IF EXISTS (SELECT 1 FROM account a WHERE a.user_id = p_user_id AND a.is_administrator = 1) THEN
    CALL refuse('관리자 계정은 변경할 수 없습니다.');
  END IF;
END$$

CREATE PROCEDURE acountlistViewToggleNewAcount(b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_user_id, p_user_id);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL require_administrator();
    CALL require_non_administrator_target(p_user_id);
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('account', account_read_key(p_user_id));
    UPDATE account SET may_create_account = 1 - may_create_account WHERE user_id = p_user_id;
    CALL remember_own_change('account', account_read_key(p_user_id));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE acountlistViewToggleNewDomain(b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_user_id, p_user_id);
  BEGIN
    DECLARE v_own_transaction TINYINT DEFAULT @@in_transaction = 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL change_failed(v_own_transaction);
    CALL require_administrator();
    CALL require_non_administrator_target(p_user_id);
    CALL change_begin(v_own_transaction);
    CALL require_unchanged_since_read('account', account_read_key(p_user_id));
    UPDATE account SET may_create_domain = 1 - may_create_domain WHERE user_id = p_user_id;
    CALL remember_own_change('account', account_read_key(p_user_id));
    CALL change_commit(v_own_transaction);
    SELECT 1 AS test;
  END;
END$$

-- The password change of the logged-in account. The session's own password variable follows the change,
-- so the session goes on working with the new password.
CREATE PROCEDURE acountViewEditAcount(b_old_password LONGBLOB, b_new_password LONGBLOB, b_description LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_old_password, p_new_password, p_description LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_old_password, p_old_password);
  CALL take_text(b_new_password, p_new_password);
  CALL take_text(b_description, p_description);
  BEGIN
    DECLARE v_user VARCHAR(64);
    DECLARE v_salt CHAR(32);
    CALL require_login();
    SET v_user = session_account();
    IF NOT EXISTS (SELECT 1 FROM account a
                    WHERE a.user_id = v_user
                      AND a.password_hash = password_hash_of(a.salt, COALESCE(p_old_password, ''))) THEN
      CALL refuse('이전 비밀번호가 맞지 않습니다.');
    END IF;
    IF p_new_password IS NULL OR p_new_password = '' THEN
      CALL refuse('새 비밀번호가 비어 있습니다.');
    END IF;
    SET v_salt = new_salt();
    UPDATE account
       SET salt = v_salt, password_hash = password_hash_of(v_salt, p_new_password),
           description = COALESCE(p_description, description)
     WHERE user_id = v_user;
    SET @tamopassword = p_new_password;
    SELECT 1 AS test;
  END;
END$$

DELIMITER ;
