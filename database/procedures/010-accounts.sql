DELIMITER $$

-- The login check: one row, column test = 1 for a valid account and password, else 0.
CREATE PROCEDURE loginResult()
  READS SQL DATA
BEGIN
  SELECT session_is_authenticated() AS test;
END$$

CREATE PROCEDURE acountlistViewNewAcount(p_user_id VARCHAR(64), p_password TEXT, p_description TEXT)
  MODIFIES SQL DATA
BEGIN
  DECLARE v_salt CHAR(32);
  IF NOT EXISTS (SELECT 1 FROM account a WHERE a.user_id = session_account()
                    AND (a.is_administrator = 1 OR a.may_create_account = 1)) THEN
    SELECT 0 AS test;
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '계정을 만들 권한이 없습니다.';
  END IF;
  IF p_user_id IS NULL OR p_user_id = '' THEN
    SELECT 0 AS test;
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '계정 이름이 비어 있습니다.';
  END IF;
  IF EXISTS (SELECT 1 FROM account a WHERE a.user_id = p_user_id) THEN
    SELECT 0 AS test;
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '같은 이름의 계정이 이미 있습니다.';
  END IF;
  SET v_salt = new_salt();
  INSERT INTO account (user_id, salt, password_hash, description)
  VALUES (p_user_id, v_salt, password_hash_of(v_salt, COALESCE(p_password, '')), COALESCE(p_description, ''));
  SELECT 1 AS test;
END$$

DELIMITER ;
