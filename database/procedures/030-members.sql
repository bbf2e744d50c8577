-- Domain memberships: the users of a domain, applying and leaving, the grades a manager gives, and the
-- application for private domains that the trees do not show.
DELIMITER $$

-- Users of a domain with their grade ("manager", "member", "guest", or "applicant" while waiting) and their
-- account description. Grade word "all" lists every grade. The dialog puts each row at the top of its list,
-- so descending order shows the users ascending.
CREATE PROCEDURE userViewUserList(p_domain_id INT, b_kind LONGBLOB, b_pattern LONGBLOB, b_grade LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind, p_pattern, p_grade LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_pattern, p_pattern);
  CALL take_text(b_grade, p_grade);
  BEGIN
    CALL require_read_domain(p_domain_id);
    SELECT 1 AS test;
    SELECT m.user_id, m.grade, a.description
      FROM domain d
      JOIN domain_member m ON m.domain_id = d.id
      JOIN account a ON a.user_id = m.user_id
     WHERE d.id = p_domain_id AND d.kind = p_kind
       AND m.user_id LIKE COALESCE(p_pattern, '%')
       AND (p_grade IS NULL OR p_grade = 'all' OR m.grade = p_grade)
     ORDER BY m.user_id DESC;
  END;
END$$

CREATE PROCEDURE require_domain_to_join(p_domain_id INT, p_kind VARCHAR(32))
BEGIN
  CALL require_login();
  IF NOT EXISTS (SELECT 1 FROM domain d WHERE d.id = p_domain_id AND d.kind = p_kind) THEN
    CALL refuse('도메인이 없습니다.');
  END IF;
END$$

-- Applies to join: the account waits as applicant until a manager gives it a grade.
CREATE PROCEDURE userViewJoinDomain(p_domain_id INT, b_kind LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_user VARCHAR(64);
    CALL require_domain_to_join(p_domain_id, p_kind);
    SET v_user = session_account();
    IF EXISTS (SELECT 1 FROM domain_member m WHERE m.domain_id = p_domain_id AND m.user_id = v_user) THEN
      CALL refuse('이미 가입했거나 가입을 신청한 도메인입니다.');
    END IF;
    INSERT INTO domain_member (domain_id, user_id, grade) VALUES (p_domain_id, v_user, 'applicant');
    SELECT 1 AS test;
  END;
END$$

CREATE PROCEDURE userViewSecessionDomain(p_domain_id INT, b_kind LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_user VARCHAR(64);
    CALL require_domain_to_join(p_domain_id, p_kind);
    SET v_user = session_account();
    IF NOT EXISTS (SELECT 1 FROM domain_member m WHERE m.domain_id = p_domain_id AND m.user_id = v_user) THEN
      CALL refuse('가입하지 않은 도메인입니다.');
    END IF;
    DELETE FROM domain_member WHERE domain_id = p_domain_id AND user_id = v_user;
    SELECT 1 AS test;
  END;
END$$

-- A manager's command on another member (or applicant) of the domain; NULL grade expels.
CREATE PROCEDURE set_member_grade(p_domain_id INT, p_kind VARCHAR(32), p_user_id VARCHAR(255), p_grade VARCHAR(16))
BEGIN
  CALL require_manage_domain(p_domain_id);
  CALL require_domain_of_kind(p_domain_id, p_kind);
  IF NOT EXISTS (SELECT 1 FROM domain_member m
                  WHERE m.domain_id = p_domain_id AND m.user_id = p_user_id AND BINARY m.user_id = BINARY p_user_id) THEN
    CALL refuse('도메인에 가입하지 않은 사용자입니다.');
  END IF;
  IF p_grade IS NULL THEN
    DELETE FROM domain_member WHERE domain_id = p_domain_id AND user_id = p_user_id;
  ELSE
    UPDATE domain_member SET grade = p_grade WHERE domain_id = p_domain_id AND user_id = p_user_id;
  END IF;
  SELECT 1 AS test;
END$$

CREATE PROCEDURE userViewEditDomainUserManager(p_domain_id INT, b_kind LONGBLOB, b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_user_id, p_user_id);
  CALL set_member_grade(p_domain_id, p_kind, p_user_id, 'manager');
END$$

CREATE PROCEDURE userViewEditDomainUserMember(p_domain_id INT, b_kind LONGBLOB, b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_user_id, p_user_id);
  CALL set_member_grade(p_domain_id, p_kind, p_user_id, 'member');
END$$

CREATE PROCEDURE userViewEditDomainUserGuest(p_domain_id INT, b_kind LONGBLOB, b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_user_id, p_user_id);
  CALL set_member_grade(p_domain_id, p_kind, p_user_id, 'guest');
END$$

CREATE PROCEDURE userViewEditDomainUserPurge(p_domain_id INT, b_kind LONGBLOB, b_user_id LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_kind, p_user_id LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  CALL take_text(b_user_id, p_user_id);
  CALL set_member_grade(p_domain_id, p_kind, p_user_id, NULL);
END$$

-- One level of a typed path to a private domain: finds the domain of that name below the given parent (0:
-- the top level), applies for it unless the account already belongs to it, and answers its id for the next
-- level. Private domains are not listed to non-members, so this is how one reaches them.
CREATE PROCEDURE domainAccountViewJoinPrivateDomain(b_name LONGBLOB, p_upper_id INT, b_kind LONGBLOB)
  MODIFIES SQL DATA
BEGIN
  DECLARE p_name, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_kind, p_kind);
  BEGIN
    DECLARE v_id INT;
    CALL require_login();
    CALL require_kind_word(p_kind);
    SET v_id = (SELECT d.id FROM domain d
                 WHERE d.kind = p_kind AND d.upper_id = COALESCE(p_upper_id, 0) AND d.name = p_name);
    IF CHAR_LENGTH(p_name) > 128 THEN
      CALL refuse('도메인 이름은 128자까지 쓸 수 있습니다.');
    END IF;
    IF v_id IS NULL THEN
      CALL refuse(CONCAT('경로에 없는 도메인입니다: ', COALESCE(p_name, '')));
    END IF;
    INSERT IGNORE INTO domain_member (domain_id, user_id, grade) VALUES (v_id, session_account(), 'applicant');
    SELECT 1 AS test;
    SELECT v_id AS id;
  END;
END$$

DELIMITER ;
