// A document import creates only what its account may create, and no id of a document can stop the creation of
// domains that comes after it.

#include "DomainTestSupport.h"

using namespace tamo::testing;

namespace {

const char* const kNoRight = "도메인을 변경할 권한이 없습니다. 도메인의 관리자나 멤버만 변경할 수 있습니다.";

// A database of its own: the ids it takes move the id counter of the domains.
ConnectionValues Design() { return TestDatabase::Prepare("domains_import_rules", true); }

// `user` may create no top-level domain, is a guest of Pos (2) and of Control (8), a member of Nav (1).
TEST(ImportRules, AnAccountImportsOnlyWhatItMayCreate) {
    TestConnection db(Design());
    LoginAs(db, "user");
    const std::pair<const char*, const char*> refusals[] = {
        {"call xmldocumentViewimportDomain(700, 0, 'data', 'ir_top', 0, 1, '')", "최상위 도메인을 만들 권한이 없습니다."},
        {"call xmldocumentViewimportDomain(700, 2, 'data', 'ir_sub', 0, 1, '')",
         "상위 도메인의 관리자나 멤버만 하위 도메인을 만들 수 있습니다."},
        {"call xmldocumentViewimportDomain(1, 0, 'data', 'Nav', 0, 1, '')", "도메인 관리자만 할 수 있습니다."},
        {"call xmldocumentViewimportData(2, 'ir_data', 'int8_t', '', 0, '', '', '', '')", kNoRight},
        {"call xmldocumentViewimportDatafield(2, '위치', 'ir_field', 0, 'int8_t', '', 0, '', '', '', 'NO', 0, '')",
         kNoRight},
        {"call xmldocumentViewimportMethod(8, 'ir_method', 'CALL', '700', 0, '', 0, '', '')", kNoRight},
        {"call xmldocumentViewimportInterface(8, 'ir_interface', '')", kNoRight},
        {"call xmldocumentViewimportInterfacemembermethod(8, 'IControl', 'Unlock', '')", kNoRight},
    };
    for (const auto& [call, message] : refusals) EXPECT_TRUE(Refused(db.Run(call), message)) << call;
    // Below a domain it may change, as a new sub-domain would be.
    EXPECT_TRUE(Succeeded(db.Run("call xmldocumentViewimportDomain(701, 1, 'data', 'ir_under_nav', 0, 1, '')")));
}

// The case that stopped every later creation: the member of a public domain imports a domain with the highest
// id a column holds.
TEST(ImportRules, NoDocumentIdStopsLaterCreation) {
    TestConnection member(Design());
    LoginAs(member, "user");
    const std::string limit = "1000000000";
    for (const char* id : {"2147483647", "2147483646", "1000000001"})
        EXPECT_TRUE(Refused(member.Run("call xmldocumentViewimportDomain(" + std::string(id) +
                                       ", 1, 'data', 'ir_huge', 0, 1, 'x')"),
                            "문서의 새 도메인 id는 1부터 " + limit + "까지 쓸 수 있습니다: " + id))
            << id;

    TestConnection admin(Design());
    LoginAs(admin, "admin");
    const int created = NewDomainId(admin.Run("call domainViewNewDomain('data', 0, 'ir_after_refusal', 0, '1', '')"));
    EXPECT_GT(created, 0);
    EXPECT_LT(created, 100000);  // the refused ids did not move the counter

    // The highest id a document may bring leaves the counter the rest of the range.
    EXPECT_TRUE(Succeeded(member.Run("call xmldocumentViewimportDomain(" + limit + ", 1, 'data', 'ir_top_id', 0, 1, '')")));
    EXPECT_TRUE(Succeeded(member.Run("call xmldocumentViewimportDomain(" + limit + ", 1, 'data', 'ir_top_id', 0, 1, "
                                     "'again')")));
    int previous = 1000000000;
    for (const char* name : {"ir_after_import", "ir_after_import_2"}) {
        const int id = NewDomainId(admin.Run("call domainViewNewDomain('data', 1, '" + std::string(name) + "', 0, '1', '')"));
        EXPECT_GT(id, previous) << name;
        previous = id;
    }
}

}  // namespace
