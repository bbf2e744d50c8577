-- The sample design is entered as a user would enter it: through the procedures, logged in as admin.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';
CALL acountlistViewNewAcount('user', 'user', '일반 사용자');
CALL acountlistViewNewAcount('kim', 'kim', '김설계');
CALL acountlistViewNewAcount('park', 'park', '박운용');
CALL acountlistViewToggleNewDomain('kim');
CALL acountlistViewToggleNewAcount('park');
