-- The sample's domains, their parent links and their members (database/sample/README.md lists them). Created by
-- admin, who thereby manages every one of them. Where ids start and how they step is the server's (a cluster
-- steps by its node count): each domain's id is looked up by its name, here and in the other sample files.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';

-- Data domains.
CALL domainViewNewDomain('data', 0, 'Nav', 0, '1', '항법 데이타');
SET @nav = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Nav');
CALL domainViewNewDomain('data', @nav, 'Pos', 0, '1', '위치 데이타');
SET @pos = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Pos');
CALL domainViewNewDomain('data', 0, '기본형', 0, '1', '기본 자료형');
SET @basic = (SELECT id FROM domain WHERE kind = 'data' AND name = '기본형');
CALL domainViewNewDomain('data', @pos, '센서', 0, '1', '센서 데이타');
SET @sensor = (SELECT id FROM domain WHERE kind = 'data' AND name = '센서');
CALL domainViewNewDomain('data', 0, 'Secret', 0, '0', '비공개 데이타');
SET @secret = (SELECT id FROM domain WHERE kind = 'data' AND name = 'Secret');

-- Method domains, with their standard ports.
CALL domainViewNewDomain('method', 0, 'NavService', 10000, '1', '항법 서비스');
SET @nav_service = (SELECT id FROM domain WHERE kind = 'method' AND name = 'NavService');
CALL domainViewNewDomain('method', @nav_service, '위치서비스', 10001, '1', '위치 서비스');
SET @position_service = (SELECT id FROM domain WHERE kind = 'method' AND name = '위치서비스');
CALL domainViewNewDomain('method', 0, 'Control', 10002, '0', '비공개 제어 서비스');
SET @control = (SELECT id FROM domain WHERE kind = 'method' AND name = 'Control');

-- System domains.
CALL domainViewNewDomain('system', 0, 'Ship', 0, '1', '선박 통합 시스템');
SET @ship = (SELECT id FROM domain WHERE kind = 'system' AND name = 'Ship');
CALL domainViewNewDomain('system', @ship, '조타실', 0, '1', '조타실 서브시스템');
SET @bridge = (SELECT id FROM domain WHERE kind = 'system' AND name = '조타실');
CALL domainViewNewDomain('system', @ship, '기관실', 0, '1', '기관실 서브시스템');
SET @engine = (SELECT id FROM domain WHERE kind = 'system' AND name = '기관실');
CALL domainViewNewDomain('system', 0, 'Operator''s Console', 0, '0', '운용자 콘솔');
SET @console = (SELECT id FROM domain WHERE kind = 'system' AND name = 'Operator''s Console');

-- Parent data domains, a parent method domain, and the data domains the method domains use.
CALL domainViewNewParentDomain(@pos, 'data', @basic, 0);
CALL domainViewNewParentDomain(@sensor, 'data', @pos, 0);
CALL domainViewNewParentDomain(@position_service, 'method', @nav_service, 0);
CALL domainViewNewParentDomain(@nav_service, 'data', @nav, 1);
CALL domainViewNewParentDomain(@nav_service, 'data', @pos, 1);
CALL domainViewNewParentDomain(@position_service, 'data', @pos, 1);
CALL domainViewNewParentDomain(@position_service, 'data', @basic, 1);
CALL domainViewNewParentDomain(@control, 'data', @secret, 1);

-- Applications: each account applies, then a manager gives the grade. The application to the private
-- Secret goes through the typed path and stays open.
SET @tamouser = 'user';
SET @tamopassword = 'user';
CALL userViewJoinDomain(@nav, 'data');
CALL userViewJoinDomain(@pos, 'data');
CALL userViewJoinDomain(@nav_service, 'method');
CALL userViewJoinDomain(@control, 'method');
CALL userViewJoinDomain(@ship, 'system');
CALL domainAccountViewJoinPrivateDomain('Secret', 0, 'data');

SET @tamouser = 'kim';
SET @tamopassword = 'kim';
CALL userViewJoinDomain(@nav, 'data');
CALL userViewJoinDomain(@secret, 'data');

SET @tamouser = 'park';
SET @tamopassword = 'park';
CALL userViewJoinDomain(@ship, 'system');

SET @tamouser = 'admin';
SET @tamopassword = 'admin';
CALL userViewEditDomainUserMember(@nav, 'data', 'user');
CALL userViewEditDomainUserManager(@nav, 'data', 'kim');
CALL userViewEditDomainUserGuest(@pos, 'data', 'user');
CALL userViewEditDomainUserMember(@secret, 'data', 'kim');
CALL userViewEditDomainUserManager(@nav_service, 'method', 'user');
CALL userViewEditDomainUserGuest(@control, 'method', 'user');
CALL userViewEditDomainUserMember(@ship, 'system', 'user');
CALL userViewEditDomainUserGuest(@ship, 'system', 'park');
