// After the server ended the session's connection, the trees and dialogs still show what the session read
// through the connection that is gone. The connection opened anew says so at its login: an edit of a row it has
// not read itself is refused and stores nothing, whether or not a colleague changed the row meanwhile; once the
// row has been read again (as the panes do after a refusal) the same edit passes. The first login is not judged
// on rows it never read.

#include <unistd.h>

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ServerProxy.h"
#include "SessionTestSupport.h"

namespace {

using session_test::LoginFor;
using session_test::MessageBoxRecorder;
using tamo::testing::ConnectionValues;
using tamo::testing::ServerProxy;
using tamo::testing::TestDatabase;

const char* const kReopened = "서버와의 연결이 끊어져 다시 연결하고 로그인했습니다.";
const char* const kNotReadAgain =
    "서버와 다시 연결한 뒤 이 항목을 다시 읽지 않아 다른 사용자의 변경을 확인할 수 없습니다. 바뀐 내용을 확인하고 다시 "
    "해 주세요.";

class ReconnectedEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = TestDatabase::Prepare("session_reconnected_edits", false);
        proxy = std::make_unique<ServerProxy>(server.host, server.port);
        const std::string prefix =
            "re" + std::to_string(::getpid() % 100000) + "_" + std::to_string(std::time(nullptr)) + "_";
        domainName = prefix + "D";
        LogIn();
        domainId = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data", 0,
                                                 domainName, 0, "1", ""));
        ASSERT_GT(domainId, 0) << db->GetLastErrorText();
        ASSERT_EQ(db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')",
                                                 domainId, "T", "scaled8_t", 0, "0", "10", "")),
                  0)
            << db->GetLastErrorText();
    }
    void TearDown() override { db->Close(); }

    void LogIn() {
        ConnectionValues viaProxy = server;
        viaProxy.port = proxy->Port();
        db = CMysqlQuery::GetInstance();
        db->Close();
        db = CMysqlQuery::GetInstance();
        ASSERT_EQ(db->Connect(LoginFor(viaProxy, "admin", "admin")), "");
        boxes.Clear();
    }

    // What the trees read: the data domains, and the domain's items.
    int ReadDomains() {
        std::vector<class_domain_info> domains;
        return db->SelectDomainInfoList("call mainViewDomainList(0, 'data')", "data", domains);
    }
    int ReadItems() {
        std::vector<class_metadata_info> items;
        return db->SelectMetadataList(domainId, "", items);
    }

    // One edit kind, as its dialog sends it with the description given.
    struct Edit {
        const char* kind;
        std::function<int()> read;
        bool update;  // sent as an edit that answers a closing result (ExecuteUpdate)
        std::string user;
        std::string colleague;
        std::string rows;
    };
    std::vector<Edit> Edits(const std::string& description) {
        const std::string domain = std::to_string(domainId);
        return {
            {"domain", [this] { return ReadDomains(); }, true,
             std::string(db->FormatCall("call domainViewEditDomain(%d,'%s','%s', %d,'%s','%s')", domainId, "data",
                                        domainName, 0, "1", description)
                             .str()),
             "call domainViewEditDomain(" + domain + ", 'data', '" + domainName + "', 0, '0', 'colleague')",
             "SELECT * FROM domain WHERE id = " + domain},
            {"data item", [this] { return ReadItems(); }, false,
             std::string(db->FormatCall("call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')", domainId,
                                        "T", "T", "scaled8_t", 0, "0", "10", description)
                             .str()),
             "call metadataViewEditMetadata(" + domain + ", 'T', 'T', 'scaled8_t', 0, '-5', '50', 'colleague')",
             "SELECT * FROM data_item WHERE domain_id = " + domain},
        };
    }

    // Another engineer's change, through a session of their own.
    void Colleague(const std::string& call) {
        tamo::testing::TestConnection colleague(server);
        ASSERT_TRUE(colleague.Login("admin", "admin"));
        const tamo::testing::RunResult result = colleague.Run(call);
        EXPECT_TRUE(result.ok) << call << ": " << result.error;
    }

    int Send(const Edit& edit) {
        const CString text(edit.user.c_str());
        return edit.update ? db->ExecuteUpdate(text) : db->ExecuteProc(text);
    }

    std::string Rows(const std::string& sql) { return TestDatabase::AdminQuery(server.database, sql); }

    ConnectionValues server;
    std::unique_ptr<ServerProxy> proxy;
    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
    std::string domainName;
    int domainId = 0;
};

TEST_F(ReconnectedEditTest, AnEditOfARowReadBeforeTheConnectionWasLostIsRefusedUntilTheRowIsReadAgain) {
    for (const bool colleagueChanged : {true, false}) {
        const std::string description = colleagueChanged ? "user after a colleague" : "user alone";
        for (const Edit& edit : Edits(description)) {
            SCOPED_TRACE(std::string(edit.kind) + (colleagueChanged ? ", changed by a colleague" : ", unchanged"));
            ASSERT_EQ(edit.read(), 0) << db->GetLastErrorText();
            proxy->CutAll();
            if (colleagueChanged) Colleague(edit.colleague);
            const std::string before = Rows(edit.rows);
            ASSERT_FALSE(before.empty());

            EXPECT_NE(Send(edit), 0);
            EXPECT_EQ(db->GetLastErrorText(), kNotReadAgain);
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kReopened});
            EXPECT_EQ(Rows(edit.rows), before) << "the refused edit changed the rows";
            boxes.Clear();

            ASSERT_EQ(edit.read(), 0) << db->GetLastErrorText();
            EXPECT_EQ(Send(edit), 0) << db->GetLastErrorText();
            EXPECT_NE(Rows(edit.rows).find(description), std::string::npos);
            EXPECT_TRUE(boxes.Texts().empty());
        }
    }
}

// The first login of the session has read nothing before it, and a row it never read is not judged.
TEST_F(ReconnectedEditTest, TheFirstLoginEditsARowItNeverRead) {
    for (const Edit& edit : Edits("user first")) {
        SCOPED_TRACE(edit.kind);
        LogIn();
        Colleague(edit.colleague);
        EXPECT_EQ(Send(edit), 0) << db->GetLastErrorText();
        EXPECT_NE(Rows(edit.rows).find("user first"), std::string::npos);
    }
}

}  // namespace
