-- Domain reads of the exporters, which read cells by the key "table alias.column".
DELIMITER $$

-- A domain's parent and name, under the alias domain_<kind>; the exporters build paths from it.
CREATE PROCEDURE domain_table_Info(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_id);
    SELECT 1 AS test;
    IF p_kind = 'data' THEN
      SELECT domain_data.id, domain_data.upper_id, domain_data.name
        FROM domain domain_data WHERE domain_data.id = p_id AND domain_data.kind = 'data';
    ELSEIF p_kind = 'method' THEN
      SELECT domain_method.id, domain_method.upper_id, domain_method.name
        FROM domain domain_method WHERE domain_method.id = p_id AND domain_method.kind = 'method';
    ELSE
      SELECT domain_system.id, domain_system.upper_id, domain_system.name
        FROM domain domain_system WHERE domain_system.id = p_id AND domain_system.kind = 'system';
    END IF;
  END;
END$$

-- A domain's row for the system export: a = the domain, u = its author (u.user_id).
CREATE PROCEDURE domainViewDomainInfo(p_id INT, b_kind LONGBLOB)
  READS SQL DATA
BEGIN
  DECLARE p_kind LONGTEXT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION CALL refuse_failure();
  CALL take_text(b_kind, p_kind);
  BEGIN
    CALL require_read_domain(p_id);
    CALL remember_read_domain(p_id);
    SELECT 1 AS test;
    SELECT a.id, a.upper_id, a.name, u.user_id, a.public, a.create_date, a.last_update, a.description
      FROM domain a
      JOIN (SELECT d.id, d.user_id FROM domain d WHERE d.id = p_id) u ON u.id = a.id
     WHERE a.id = p_id AND a.kind = p_kind;
  END;
END$$

DELIMITER ;
