// What the session keeps without a server: the domain lists of the trees, and call texts formatted before
// any connection exists.

#include <gtest/gtest.h>

#include "CMysqlQuery.h"

namespace {

TEST(SessionState, DomainListsAreKeptPerKind) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->SetDomainIdList({{1, "Nav\\"}, {2, "Nav\\Pos\\"}}, "data");
    db->SetDomainIdList({{2, "changed"}, {3, "기본형\\"}}, "data");
    db->SetDomainIdList({{6, "NavService\\"}}, "method");
    db->SetDomainIdList({{9, "Ship\\"}}, "systems");
    EXPECT_EQ(db->GetDomainIdList("data"),
              (std::map<int, std::string>{{1, "Nav\\"}, {2, "Nav\\Pos\\"}, {3, "기본형\\"}}));
    EXPECT_EQ(db->GetDomainIdList("method"), (std::map<int, std::string>{{6, "NavService\\"}}));
    EXPECT_TRUE(db->GetDomainIdList("system").empty());
    EXPECT_TRUE(db->GetDomainIdList("systems").empty());
}

TEST(SessionState, CallTextsAreEscapedAlsoWithoutAConnection) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    ASSERT_FALSE(db->IsConnected());
    EXPECT_EQ(db->FormatCall("call x('%s', %d)", "it's 한글\\", 3), "call x('it\\'s 한글\\\\', 3)");
}

}  // namespace
