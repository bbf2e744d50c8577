-- Identity: every procedure acts for the account named by @tamouser, and only after @tamopassword
-- has been checked against it.
DELIMITER $$

CREATE FUNCTION password_hash_of(p_salt CHAR(32), p_password TEXT) RETURNS CHAR(64)
  DETERMINISTIC
  RETURN SHA2(CONCAT(p_salt, p_password), 256)$$

-- NO SQL: it reads no table. A server with binary logging refuses a function that declares neither this, READS
-- SQL DATA nor DETERMINISTIC (and a salt must not be DETERMINISTIC), unless log_bin_trust_function_creators is set.
CREATE FUNCTION new_salt() RETURNS CHAR(32)
  NOT DETERMINISTIC NO SQL
  RETURN SUBSTRING(SHA2(CONCAT(RAND(), UUID(), SYSDATE(6)), 256), 1, 32)$$

-- The account the session acts for: @tamouser when it names an account whose password is @tamopassword, else
-- NULL. The name is compared byte for byte: the collation ignores trailing blanks, and "admin " must not act
-- as "admin". Every call of every procedure passes here, so the test is one statement.
CREATE FUNCTION session_account() RETURNS VARCHAR(64)
  READS SQL DATA
BEGIN
  DECLARE v_ok TINYINT DEFAULT 0;
  SELECT COUNT(*) INTO v_ok FROM account a
   WHERE a.user_id = @tamouser AND BINARY a.user_id = BINARY @tamouser
     AND a.password_hash = password_hash_of(a.salt, COALESCE(@tamopassword, ''));
  RETURN IF(v_ok = 1, @tamouser, NULL);
END$$

-- 1 when the session variables name a valid account and its password, else 0.
CREATE FUNCTION session_is_authenticated() RETURNS TINYINT
  READS SQL DATA
  RETURN session_account() IS NOT NULL$$

DELIMITER ;
