// What the data, method and interface procedures refuse, and with which text: the status row 0 and then the
// Korean reason that the editor shows. Nothing a refused call sent is kept.
#include <gtest/gtest.h>

#include "DataCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::data;

namespace {

// No program adds parent interfaces (the sample does, as the server's administrator); the tests call the
// procedure through the database account all the same.
ConnectionValues Sample() {
    static const ConnectionValues values = [] {
        ConnectionValues prepared = TestDatabase::Prepare("data_refusals", true);
        TestDatabase::GrantExecute(prepared.database, "interfaceViewNewParentInterface");
        return prepared;
    }();
    return values;
}

struct RefusalCase {
    const char* what;
    const char* user;  // logs in with the password equal to the name; "" logs in with a wrong password
    const char* call;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, AnswerStatusZeroAndTheReason) {
    TestConnection db(Sample());
    const std::string user = GetParam().user;
    if (user.empty()) {
        ASSERT_FALSE(db.Login("admin", "wrong"));
    } else {
        ASSERT_TRUE(db.Login(user, user));
    }
    ExpectRefusal(db.Run(GetParam().call), GetParam().message);
}

const char* const kNoRight = "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다.";

INSTANTIATE_TEST_SUITE_P(
    SampleDesign, Refusals,
    ::testing::Values(
        // Duplicates.
        RefusalCase{"duplicate data", "admin", "call metadataViewNewMetadata(3,'Int8','int8_t',0,'','','')",
                    "같은 이름의 데이타가 이미 있습니다."},
        RefusalCase{"rename onto another data", "admin",
                    "call metadataViewEditMetadata(3,'Int8','Int16','int8_t',0,'','','')",
                    "같은 이름의 데이타가 이미 있습니다."},
        RefusalCase{"duplicate field", "admin",
                    "call metadataViewNewMetafield(2,'위치','lat',0,'int8_t',0,'','','','NO',0,'')",
                    "같은 이름의 필드가 이미 있습니다."},
        RefusalCase{"duplicate method name", "admin",
                    "call methodViewNewMethod(6,'CALL','999','Ping',0,'',0,'','')",
                    "같은 이름의 메서드가 이미 있습니다."},
        RefusalCase{"duplicate method code", "admin",
                    "call methodViewNewMethod(6,'CALL','1','Other',0,'',0,'','')",
                    "같은 코드의 메서드가 이미 있습니다: GetPosition"},
        RefusalCase{"duplicate interface", "admin", "call interfaceViewNewInterface('6','method','IHeartbeat','')",
                    "같은 이름의 인터페이스가 이미 있습니다."},
        RefusalCase{"member twice", "admin", "call interfaceViewNewMemberMethod(6,'IHeartbeat',6,'Ping','')",
                    "이미 인터페이스의 멤버 메서드입니다."},
        // In use.
        RefusalCase{"data used by an alias", "admin", "call metadataViewDeleteMetadata(3,'각도')",
                    "다른 곳에서 사용하는 데이타는 삭제할 수 없습니다. 사용하는 곳: 데이타 Latitude"},
        RefusalCase{"data used by a field", "admin", "call metadataViewDeleteMetadata(3,'Float64')",
                    "다른 곳에서 사용하는 데이타는 삭제할 수 없습니다. 사용하는 곳: 데이타 위치의 필드 history"},
        RefusalCase{"data used by a method", "admin", "call metadataViewDeleteMetadata(1,'Waypoint')",
                    "다른 곳에서 사용하는 데이타는 삭제할 수 없습니다. 사용하는 곳: 메서드 GetPosition"},
        // Loops.
        RefusalCase{"structure containing itself", "admin",
                    "call metadataViewNewMetafield(2,'위치','self',0,'alias',2,'위치','','','NO',0,'')",
                    "위치 는 수정한 alias real_data는 순환 구조를 발생합니다."},
        RefusalCase{"parent interface loop", "admin",
                    "call interfaceViewNewParentInterface(6,'IHeartbeat',6,'INavigation')",
                    "상위 인터페이스가 순환 구조를 발생합니다."},
        // Rights: user is no member of 기본형, a guest of Pos, and not admitted to the private Secret.
        RefusalCase{"data of a domain the user is no member of", "user",
                    "call metadataViewNewMetadata(3,'x','int8_t',0,'','','')", kNoRight},
        RefusalCase{"field as a guest", "user",
                    "call metadataViewNewMetafield(2,'위치','x',0,'int8_t',0,'','','','NO',0,'')", kNoRight},
        RefusalCase{"method as a guest", "user", "call methodViewNewMethod(8,'CALL','999','x',0,'',0,'','')",
                    kNoRight},
        RefusalCase{"import into a domain the user is no member of", "user",
                    "call xmldocumentViewimportData(3,'x','int8_t','',0,'NULL','','','')", kNoRight},
        RefusalCase{"reading a private domain", "user", "call metadataViewMetadataList(5,'%%', 'data')",
                    "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        RefusalCase{"reading a private domain's first item", "user", "call metadataViewFirstMetadata(5)",
                    "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        RefusalCase{"reading a private domain's interfaces", "kim",
                    "call interfaceViewInterfaceList('8','method','%')",
                    "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        RefusalCase{"not logged in", "", "call methodViewMethodList(6,'method','ALL','%','%')",
                    "로그인 정보가 올바르지 않습니다."},
        // Missing or unfit input.
        RefusalCase{"empty data name", "admin", "call metadataViewNewMetadata(1,'','int8_t',0,'','','')",
                    "데이타 이름을 입력하세요."},
        RefusalCase{"data in a method domain", "admin", "call metadataViewNewMetadata(6,'x','int8_t',0,'','','')",
                    "도메인의 종류가 다릅니다."},
        RefusalCase{"field of a scalar", "admin",
                    "call metadataViewNewMetafield(3,'Int8','x',0,'int8_t',0,'','','','NO',0,'')",
                    "필드와 상수는 구조체와 열거형에만 있습니다."},
        RefusalCase{"unknown array type", "admin",
                    "call metadataViewNewMetafield(1,'Waypoint','x',0,'int8_t',0,'','','','SOME',0,'')",
                    "배열 타입은 NO, FIX, VARIABLE 중 하나입니다."},
        RefusalCase{"delete with no field chosen", "admin", "call metadataViewDeleteMetafield('2','위치','')",
                    "삭제할 필드를 선택하세요."},
        RefusalCase{"alias of missing data", "admin",
                    "call metadataViewNewMetadata(1,'x','alias',999999,'','','')", "선택한 실제 데이타가 없습니다."},
        RefusalCase{"code above 16 bits", "admin",
                    "call methodViewNewMethod(6,'CALL','65536','x',0,'',0,'','')",
                    "메서드 코드는 0x0000부터 0xFFFF까지입니다."},
        RefusalCase{"input data that does not exist", "admin",
                    "call methodViewNewMethod(6,'SIGNAL','999','x',1,'NoSuch',0,'','')", "입력 데이타가 없습니다."},
        // A side that the method's type does not carry, from any caller.
        RefusalCase{"input of an EVENT", "admin", "call methodViewNewMethod(6,'EVENT','999','x',1,'Waypoint',0,'','')",
                    "EVENT 메서드는 입력 데이타를 가질 수 없습니다."},
        RefusalCase{"output of a SIGNAL", "admin",
                    "call methodViewNewMethod(6,'SIGNAL','999','x',1,'Waypoint',2,'위치','')",
                    "SIGNAL 메서드는 출력 데이타를 가질 수 없습니다."},
        RefusalCase{"output of an imported COMMAND", "admin",
                    "call xmldocumentViewimportMethod(6,'x','COMMAND','999',0,'',2,'위치','')",
                    "COMMAND 메서드는 출력 데이타를 가질 수 없습니다."},
        // Enumeration constants that the generated header could not carry.
        RefusalCase{"constant that is no number", "admin",
                    "call metadataViewNewMetafield(3,'상태','x',0,'const',0,'','abc','','NO',0,'')",
                    "상수 x의 값은 enum8_t에 담을 수 있는 0부터 255까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 합니다."},
        RefusalCase{"constant above its type", "admin",
                    "call metadataViewEditMetafield(3,'Mode16','AUTO','AUTO', 0,'const',0,'','0x10000','','NO',0,'')",
                    "상수 AUTO의 값은 enum16_t에 담을 수 있는 0부터 65535까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 "
                    "합니다."},
        RefusalCase{"imported constant that would be octal", "admin",
                    "call xmldocumentViewimportDatafield(3,'Alarm32','x',0,'const','',0,'NULL','010','','NO',0,'')",
                    "상수 x의 값은 enum32_t에 담을 수 있는 0부터 4294967295까지의 정수(10진수 또는 0x로 시작하는 "
                    "16진수)여야 합니다."},
        RefusalCase{"enumeration narrowed below its constants", "admin",
                    "call metadataViewEditMetadata(3,'Alarm32','Alarm32','enum8_t',0,'','','')",
                    "상수 FIRE의 값은 enum8_t에 담을 수 있는 0부터 255까지의 정수(10진수 또는 0x로 시작하는 16진수)여야 "
                    "합니다."},
        RefusalCase{"member with no method chosen", "admin", "call interfaceViewNewMemberMethod(6,'IHeartbeat',0,'','')",
                    "추가할 메서드를 선택하세요."},
        RefusalCase{"release with no member chosen", "admin",
                    "call interfaceViewDeleteMemberMethod(6,'IHeartbeat',0,'')", "해제할 멤버 메서드를 선택하세요."},
        RefusalCase{"edit of a missing method", "admin",
                    "call methodViewEditMethod(6,'NoSuch','CALL','999','NoSuch',0,'',0,'','')",
                    "수정할 메서드가 없습니다."},
        RefusalCase{"document id of another kind", "admin",
                    "call xmldocumentViewimportDomain(1, 0, 'method', 'X', 0, 1,'')",
                    "문서의 도메인 id를 다른 종류의 도메인이 쓰고 있습니다."},
        RefusalCase{"document id below 1", "admin", "call xmldocumentViewimportDomain(0, 0, 'data', 'X', 0, 1,'')",
                    "문서의 도메인 id가 올바르지 않습니다."},
        RefusalCase{"document field of missing data", "admin",
                    "call xmldocumentViewimportDatafield(1,'NoSuch','f',0,'int8_t','',0,'NULL','','','NO',0,'')",
                    "필드를 가진 데이타가 없습니다."}));

TEST(Refusals, LeaveNothingOfTheRefusedChangeBehind) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    // Latitude renamed and turned into an alias of SafeLatitude, which is an alias of Latitude: neither the
    // name nor the reference changes.
    auto safe = DataOf(db.Run("call metadataViewMetadataList(2,'SafeLatitude', 'data')"));
    ASSERT_EQ(safe.rows.size(), 1u);
    ExpectRefusal(db.Run("call metadataViewEditMetadata(2,'Latitude','Latitude2','alias'," + Cell(safe, 0, 0) +
                         ",'','','')"),
                  "선택한 alias 타입 real_data는 순환 구조를 발생합니다.");
    auto latitude = DataOf(db.Run("call metadataViewMetadataList(2,'Latitude', 'data')"));
    ASSERT_EQ(latitude.rows.size(), 1u);
    EXPECT_EQ(Cell(latitude, 0, 6), "각도");
    EXPECT_EQ(DataOf(db.Run("call metadataViewMetadataList(2,'Latitude2', 'data')")).rows.size(), 0u);
}

}  // namespace
