-- Every new design database starts with one administrator, admin/admin; change its password after the first login.
SET @seed_salt = new_salt();
INSERT INTO account (user_id, salt, password_hash, is_administrator, may_create_account, may_create_domain, description)
VALUES ('admin', @seed_salt, password_hash_of(@seed_salt, 'admin'), 1, 1, 1, '관리자');
