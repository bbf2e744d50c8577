-- Checks of the domain dialog: a duplicate name under the parent, and the standard protocols on a port.
DELIMITER $$

-- One row per other domain of the kind with that name under that parent (own id 0: a new domain).
CREATE PROCEDURE domainviewCheckOverlapDomainName(p_own_id INT, p_upper_id INT, b_name LONGBLOB, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_name, p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_name, p_name);
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_login();
    SELECT 1 AS test;
    SELECT d.id, d.name, d.upper_id
      FROM domain d
     WHERE d.kind = p_kind AND d.upper_id = COALESCE(p_upper_id, 0) AND d.name = p_name
       AND d.id <> COALESCE(p_own_id, 0);
  END;
END$$

-- The standard protocols whose "port/protocol" text matches the pattern (the dialog sends '8080/%'):
-- listed flag, "port/protocol", service name, description.
CREATE PROCEDURE standard_portViewCheckPort(b_pattern LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_pattern LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_pattern, p_pattern);
  BEGIN
    CALL require_login();
    SELECT 1 AS test;
    SELECT 1 AS listed, s.port_protocol, s.service, s.description
      FROM standard_port s
     WHERE s.port_protocol LIKE p_pattern
     ORDER BY s.port, s.protocol;
  END;
END$$

DELIMITER ;
