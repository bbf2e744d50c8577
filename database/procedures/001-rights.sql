-- Rights: who may read and change what. Every procedure decides through these functions, and only these.
--
--   account rights      administrator: everything. may_create_account: create accounts.
--                       may_create_domain: create top-level domains.
--   domain grade        manager: change the domain itself, its content and its members' grades.
--                       member: change the domain's content, create sub-domains.
--                       guest: read. applicant: nothing yet (waits for a manager).
--   domain visibility   public: every logged-in account reads it. private: only its members
--                       (guest and up) and administrators.
DELIMITER $$

CREATE FUNCTION account_is_administrator() RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT a.is_administrator FROM account a WHERE a.user_id = session_account()), 0)$$

CREATE FUNCTION account_may_create_account() RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT a.is_administrator OR a.may_create_account FROM account a
                    WHERE a.user_id = session_account()), 0)$$

CREATE FUNCTION account_may_create_domain() RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT a.is_administrator OR a.may_create_domain FROM account a
                    WHERE a.user_id = session_account()), 0)$$

-- The session account's grade in a domain: 3 manager, 2 member, 1 guest, 0 none or applicant.
CREATE FUNCTION domain_grade(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN COALESCE((SELECT CASE m.grade WHEN 'manager' THEN 3 WHEN 'member' THEN 2 WHEN 'guest' THEN 1 ELSE 0 END
                     FROM domain_member m
                    WHERE m.domain_id = p_domain_id AND m.user_id = session_account()), 0)$$

CREATE FUNCTION can_read_domain(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN session_account() IS NOT NULL
     AND (account_is_administrator() = 1
          OR COALESCE((SELECT d.public FROM domain d WHERE d.id = p_domain_id), 0) = 1
          OR domain_grade(p_domain_id) >= 1)$$

CREATE FUNCTION can_change_domain_content(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN account_is_administrator() = 1 OR domain_grade(p_domain_id) >= 2$$

CREATE FUNCTION can_manage_domain(p_domain_id INT) RETURNS TINYINT
  READS SQL DATA
  RETURN account_is_administrator() = 1 OR domain_grade(p_domain_id) >= 3$$

-- A refusal: the status row 0, then the reason as the statement's error. Ends the calling procedure.
CREATE PROCEDURE refuse(p_message VARCHAR(512))
BEGIN
  SELECT 0 AS test;
  SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = p_message;
END$$

CREATE PROCEDURE require_login()
BEGIN
  IF session_account() IS NULL THEN
    CALL refuse('로그인 정보가 올바르지 않습니다.');
  END IF;
END$$

CREATE PROCEDURE require_read_domain(p_domain_id INT)
BEGIN
  CALL require_login();
  IF can_read_domain(p_domain_id) = 0 AND EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id) THEN
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

DELIMITER ;
