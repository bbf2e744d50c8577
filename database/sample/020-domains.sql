-- The sample's domains, their parent links and their members (database/sample/README.md lists the ids that
-- the other sample files use). Created by admin, who thereby manages every one of them.
SET @tamouser = 'admin';
SET @tamopassword = 'admin';

-- Data domains 1-5.
CALL domainViewNewDomain('data', 0, 'Nav', 0, '1', '항법 데이타');
CALL domainViewNewDomain('data', 1, 'Pos', 0, '1', '위치 데이타');
CALL domainViewNewDomain('data', 0, '기본형', 0, '1', '기본 자료형');
CALL domainViewNewDomain('data', 2, '센서', 0, '1', '센서 데이타');
CALL domainViewNewDomain('data', 0, 'Secret', 0, '0', '비공개 데이타');

-- Method domains 6-8, with their standard ports.
CALL domainViewNewDomain('method', 0, 'NavService', 10000, '1', '항법 서비스');
CALL domainViewNewDomain('method', 6, '위치서비스', 10001, '1', '위치 서비스');
CALL domainViewNewDomain('method', 0, 'Control', 10002, '0', '비공개 제어 서비스');

-- System domains 9-12.
CALL domainViewNewDomain('system', 0, 'Ship', 0, '1', '선박 통합 시스템');
CALL domainViewNewDomain('system', 9, '조타실', 0, '1', '조타실 서브시스템');
CALL domainViewNewDomain('system', 9, '기관실', 0, '1', '기관실 서브시스템');
CALL domainViewNewDomain('system', 0, 'Operator''s Console', 0, '0', '운용자 콘솔');

-- Parent data domains, a parent method domain, and the data domains the method domains use.
CALL domainViewNewParentDomain(2, 'data', 3, 0);
CALL domainViewNewParentDomain(4, 'data', 2, 0);
CALL domainViewNewParentDomain(7, 'method', 6, 0);
CALL domainViewNewParentDomain(6, 'data', 1, 1);
CALL domainViewNewParentDomain(6, 'data', 2, 1);
CALL domainViewNewParentDomain(7, 'data', 2, 1);
CALL domainViewNewParentDomain(7, 'data', 3, 1);
CALL domainViewNewParentDomain(8, 'data', 5, 1);

-- Applications: each account applies, then a manager gives the grade. The application to the private
-- Secret goes through the typed path and stays open.
SET @tamouser = 'user';
SET @tamopassword = 'user';
CALL userViewJoinDomain(1, 'data');
CALL userViewJoinDomain(2, 'data');
CALL userViewJoinDomain(6, 'method');
CALL userViewJoinDomain(8, 'method');
CALL userViewJoinDomain(9, 'system');
CALL domainAccountViewJoinPrivateDomain('Secret', 0, 'data');

SET @tamouser = 'kim';
SET @tamopassword = 'kim';
CALL userViewJoinDomain(1, 'data');
CALL userViewJoinDomain(5, 'data');

SET @tamouser = 'park';
SET @tamopassword = 'park';
CALL userViewJoinDomain(9, 'system');

SET @tamouser = 'admin';
SET @tamopassword = 'admin';
CALL userViewEditDomainUserMember(1, 'data', 'user');
CALL userViewEditDomainUserManager(1, 'data', 'kim');
CALL userViewEditDomainUserGuest(2, 'data', 'user');
CALL userViewEditDomainUserMember(5, 'data', 'kim');
CALL userViewEditDomainUserManager(6, 'method', 'user');
CALL userViewEditDomainUserGuest(8, 'method', 'user');
CALL userViewEditDomainUserMember(9, 'system', 'user');
CALL userViewEditDomainUserGuest(9, 'system', 'park');
