-- The sample design is entered as a user would enter it: through the procedures, logged in as admin.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';
CALL acountlistViewNewAcount('user', 'user', '일반 사용자');
