// The interface lock on the server: what a locked system uses of an interface (its name, its members and the
// shape of each member method) stays as it is, whichever client asks. In the sample, Ship locks 조타실, whose
// stub class binds 위치서비스's I위치 with the member methods 위치조회 and 각도변경.
#include <gtest/gtest.h>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("interface_locks", true); }

const char* const kRenameLocked = "*수정 불가* Lock 상태인 System과 연결된 Interface 입니다. 이름을 바꿀 수 없습니다.";
const char* const kMembersLocked =
    "*수정 불가* Lock 상태인 System과 연결된 Interface 입니다. 멤버 메서드를 바꿀 수 없습니다.";
const char* const kMethodLocked =
    "*수정 불가* Lock 상태인 System과 연결된 Interface의 멤버 메서드입니다. 설명만 바꿀 수 있습니다.";

struct LockCase {
    const char* what;
    const char* call;
    const char* message;
};

void PrintTo(const LockCase& c, std::ostream* os) { *os << c.what; }

class LockedInterface : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockedInterface, IsRefusedWithTheReason) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    ExpectRefusal(db.Run(GetParam().call), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, LockedInterface,
    ::testing::Values(
        LockCase{"rename", "call interfaceViewEditInterface('7','I위치','I위치2','위치 인터페이스')", kRenameLocked},
        LockCase{"member added", "call interfaceViewNewMemberMethod(7,'I위치',6,'Ping','')", kMembersLocked},
        LockCase{"member released", "call interfaceViewDeleteMemberMethod(7,'I위치',7,'위치조회')", kMembersLocked},
        LockCase{"member method renamed",
                 "call methodViewEditMethod(7,'위치조회','CALL','256','위치조회2',3,'Seconds',2,'위치','')", kMethodLocked},
        LockCase{"member method re-coded",
                 "call methodViewEditMethod(7,'위치조회','CALL','258','위치조회',3,'Seconds',2,'위치','')", kMethodLocked},
        LockCase{"member method retyped",
                 "call methodViewEditMethod(7,'각도변경','INFORMATION','257','각도변경',0,'',3,'각도','')", kMethodLocked},
        LockCase{"member method given other data",
                 "call methodViewEditMethod(7,'위치조회','CALL','256','위치조회',0,'',2,'위치','')", kMethodLocked},
        LockCase{"member method deleted", "call methodViewDeleteMethod(7,'각도변경')",
                 "*삭제 불가* Lock 상태인 System과 연결된 Interface의 멤버 메서드입니다."}));

TEST(InterfaceLock, LeavesTheDescriptionsAndUnlockedInterfacesFree) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    ExpectDone(db.Run("call interfaceViewEditInterface('7','I위치','I위치','잠긴 인터페이스')"));
    ExpectDone(db.Run("call methodViewEditMethod(7,'위치조회','CALL','256','위치조회',3,'Seconds',2,'위치','설명만')"));
    const ResultSet interfaces = DataOf(db.Run("call interfaceViewInterfaceList('7','method','I위치')"));
    ASSERT_EQ(interfaces.rows.size(), 1u);
    EXPECT_EQ(Cell(interfaces, 0, 2), "잠긴 인터페이스");
    const ResultSet methods = DataOf(db.Run("call methodViewMethodList(7,'method','ALL','%','위치조회')"));
    ASSERT_EQ(methods.rows.size(), 1u);
    EXPECT_EQ(Cell(methods, 0, 8), "설명만");

    // IWaypoint binds no locked class: its members come and go.
    ExpectDone(db.Run("call interfaceViewNewMemberMethod(6,'IWaypoint',6,'NavInfo','')"));
    ExpectDone(db.Run("call interfaceViewDeleteMemberMethod(6,'IWaypoint',6,'NavInfo')"));
    const RunResult check = db.Run("call check_system_lock_interface(6, 'IWaypoint')");
    ASSERT_EQ(check.sets.size(), 1u) << check.error;
    EXPECT_EQ(Cell(check.sets[0], 0, 0), "0");
}

}  // namespace
