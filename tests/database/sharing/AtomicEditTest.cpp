// An edit checks that its session's view of the row is still current and writes the row in one unit: while it
// is between the check and the write, it holds the row, so a colleague's change of that row cannot land in
// between and then be overwritten without a word. Inside a caller's transaction an edit is part of it.

#include <chrono>
#include <thread>

#include "EditKindsTest.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

// One edit kind. A holder leaves a change open that the user's edit meets after its check (it makes, without
// committing, the name the edit renames the row to, so the edit's name check waits for it); while the edit
// waits there, a colleague who never read the row changes it. "{name}" stands for an id of the fixture.
struct HeldEdit {
    const char* kind;
    std::string read;       // the list the user's view came from
    std::string hold;       // the holder's open change
    std::string edit;       // the user's edit
    std::string colleague;  // the colleague's change of the same row
    std::string after;      // what the row holds at the end
    std::string expectedAfter;
};

// A call that runs inside a caller's transaction: it passes, and is undone with the transaction.
struct EditInTransaction {
    const char* kind;
    std::string read;
    std::string edit;
    std::string row;  // the row the edit changes
};

class AtomicEditTest : public EditKindsTest {
protected:
    AtomicEditTest() : EditKindsTest("sharing_atomic_edits", "ae") {}

    // Whether the session with that connection id waits for a row lock, asked until it does or a while passed.
    bool WaitsForLock(const std::string& connection) {
        for (int poll = 0; poll < 400; ++poll) {
            if (Row("SELECT COUNT(*) FROM information_schema.INNODB_TRX WHERE trx_state = 'LOCK WAIT' "
                    "AND trx_mysql_thread_id = " + connection) == "1")
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    void Play(const HeldEdit& held) {
        SCOPED_TRACE(held.kind);
        Done(user_, held.read);
        const std::string connection = CellText(user_.Run("SELECT CONNECTION_ID()"), 0, 0, 0);
        TestConnection holder(server_);
        LoginAs(holder, "admin");
        ASSERT_TRUE(holder.Run("START TRANSACTION").ok);
        Done(holder, held.hold);

        RunResult edit;
        std::thread user([&] { edit = user_.Run(Expand(held.edit)); });
        const bool paused = WaitsForLock(connection);
        RunResult colleagues;
        if (paused) {
            TestConnection colleague(server_);
            ASSERT_TRUE(colleague.Run("SET SESSION innodb_lock_wait_timeout = 1").ok);
            LoginAs(colleague, "admin");
            colleagues = colleague.Run(Expand(held.colleague));
        }
        EXPECT_TRUE(holder.Run("ROLLBACK").ok);
        user.join();
        ASSERT_TRUE(paused) << "the edit did not wait for the holder's open change";

        EXPECT_TRUE(Succeeded(edit)) << edit.error;
        // The edit held the row from its check on: the colleague's change waited for it and was refused, instead
        // of being stored and then overwritten by the edit.
        EXPECT_TRUE(Refused(colleagues, "다른 사용자의 변경과 겹쳐 처리하지 못했습니다. 다시 해 주세요."))
            << "the colleague's change landed between the edit's check and its write";
        EXPECT_EQ(Row(held.after), held.expectedAfter);
    }
};

TEST_F(AtomicEditTest, AColleaguesChangeCannotLandBetweenAnEditsCheckAndItsWrite) {
    MakeDesign();
    const std::vector<HeldEdit> edits = {
        {"domain: the user renames it, the colleague makes it private",
         "call mainViewDomainList(0, 'data')",
         "call domainViewNewDomain('data', 0, '{P}D2new', 0, '1', '')",
         "call domainViewEditDomain({D2}, 'data', '{P}D2new', 0, '1', 'user')",
         "call domainViewEditDomain({D2}, 'data', '{P}D2', 0, '0', 'colleague')",
         "SELECT CONCAT_WS(',', name, public, description) FROM domain WHERE id = {D2}", prefix_ + "D2new,1,user"},
        {"interface: the user renames it, the colleague edits its description",
         "call interfaceViewInterfaceList({M}, 'method', '%')",
         "call interfaceViewNewInterface({M}, 'method', 'Jx', '')",
         "call interfaceViewEditInterface({M}, 'J', 'Jx', 'user')",
         "call interfaceViewEditInterface({M}, 'J', 'J', 'colleague')",
         "SELECT CONCAT_WS(',', name, description) FROM method_interface WHERE domain_id = {M} AND name LIKE 'J%'",
         "Jx,user"},
        {"IP row: the user moves it to another address, the colleague changes its mask",
         "call networkViewList({n1})",
         "call networkNewip({n1}, '10.0.0.6', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', '')",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.6', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', "
         "'5', 'user')",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.5', '255.255.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', "
         "'5', 'colleague')",
         "SELECT CONCAT_WS(',', ip, mask, description) FROM node_ip WHERE node_id = {n1}", "10.0.0.6,255.0.0.0,user"},
        {"link: the user moves its source port, the colleague its destination port",
         "call NetworklinkViewNetworkinkList({Y})",
         "call NetworklinkViewNewNetworkink({n1}, 0, 6, {n2}, 0, 6)",
         "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 6, {n2}, 0, 5)",
         "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 5, {n2}, 0, 6)",
         "SELECT CONCAT_WS(',', s_port, d_port) FROM network_link WHERE domain_id = {Y}", "6,5"},
        {"component: the user renames it, the colleague edits its description",
         "call componentViewList({Y})",
         "call componentsNewcomponent({Y}, 'C2', '')",
         "call ComponentViewEditComponent({C}, {Y}, 'C2', 'user')",
         "call ComponentViewEditComponent({C}, {Y}, 'C', 'colleague')",
         "SELECT CONCAT_WS(',', name, description) FROM component WHERE id = {C}", "C2,user"},
        {"class: the user renames it, the colleague binds it to another interface",
         "call proxyInterfaceViewList({C})",
         "call proxyInterfaceRalationViewNewInterface({C}, {M}, 'I', 'cls2')",
         "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I', 'cls2')",
         "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I2', 'cls')",
         "SELECT CONCAT_WS(',', interface_name, class_name) FROM component_class WHERE id = {cls}", "I,cls2"},
    };
    for (const HeldEdit& edit : edits) Play(edit);
}

// The document import and the editor's copy run the edits inside a transaction of their own: an edit then
// changes nothing for good by itself, a refusal undoes that edit alone, and the caller's rollback undoes the rest.
TEST_F(AtomicEditTest, AnEditInsideACallersTransactionIsUndoneWithIt) {
    MakeDesign();
    const std::vector<EditInTransaction> edits = {
        {"domain", "call mainViewDomainList(0, 'data')", "call domainViewEditDomain({D2}, 'data', '{P}D2x', 0, '0', 'in')",
         "SELECT * FROM domain WHERE id = {D2}"},
        {"field", "call metadataViewMetafieldList({D}, 'S', 'data')",
         "call metadataViewEditMetafield({D}, 'S', 'f', 'g', 0, 'int16_t', 0, '', '', '', 'NO', 0, 'in')",
         "SELECT f.* FROM data_field f JOIN data_item d ON d.id = f.data_id WHERE d.domain_id = {D}"},
        {"method", "call methodViewMethodList({M}, 'method', 'ALL', '', '%')",
         "call methodViewEditMethod({M}, 'm', 'CALL', 7, 'm2', 0, '', 0, '', 'in')", "SELECT * FROM method WHERE domain_id = {M}"},
        {"interface", "call interfaceViewInterfaceList({M}, 'method', '%')",
         "call interfaceViewEditInterface({M}, 'J', 'Jin', 'in')", "SELECT * FROM method_interface WHERE domain_id = {M}"},
        {"IP row", "call networkViewList({n1})",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.7', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', '5', "
         "'in')",
         "SELECT * FROM node_ip WHERE node_id = {n1}"},
        {"link", "call NetworklinkViewNetworkinkList({Y})", "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 6, {n2}, 0, 6)",
         "SELECT * FROM network_link WHERE domain_id = {Y}"},
        {"component", "call componentViewList({Y})", "call ComponentViewEditComponent({C}, {Y}, 'Cin', 'in')",
         "SELECT * FROM component WHERE id = {C}"},
        {"class", "call proxyInterfaceViewList({C})", "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I2', 'clsin')",
         "SELECT * FROM component_class WHERE id = {cls}"},
        {"stub of an installed entry", "call coustim_proxyViewlistinfo({n1}, {C})",
         "call nodeproxyViewNewstubinfo({entry}, 9, '10.0.0.9')", "SELECT * FROM custom_entry WHERE id = {entry}"},
        {"account rights", "call acountlistViewAcountList('%')",
         "call acountlistViewToggleNewAcount('{P}acct'); call acountlistViewToggleNewDomain('{P}acct')",
         "SELECT * FROM account WHERE user_id = '{P}acct'"},
    };
    for (const EditInTransaction& edit : edits) {
        SCOPED_TRACE(edit.kind);
        const std::string before = TestDatabase::AdminQuery(server_.database, Expand(edit.row));
        Done(user_, edit.read);
        ASSERT_TRUE(user_.Run("START TRANSACTION").ok);
        const RunResult run = user_.Run(Expand(edit.edit));
        EXPECT_TRUE(run.ok) << run.error;
        for (size_t set = 0; set < run.sets.size(); ++set) EXPECT_EQ(CellText(run, set, 0, 0), "1");
        EXPECT_EQ(CellText(user_.Run("SELECT @@in_transaction"), 0, 0, 0), "1") << "the edit ended the caller's transaction";
        EXPECT_TRUE(user_.Run("ROLLBACK").ok);
        EXPECT_EQ(TestDatabase::AdminQuery(server_.database, Expand(edit.row)), before);
    }

    // A refusal inside the transaction undoes the refused edit alone; what the caller did before stays its own.
    Done(user_, "call componentViewList({Y})");
    ASSERT_TRUE(user_.Run("START TRANSACTION").ok);
    Done(user_, "call ComponentViewEditComponent({C}, {Y}, 'C', 'first')");
    TestConnection colleague(server_);
    LoginAs(colleague, "admin");
    Done(colleague, "call domainViewEditDomain({D2}, 'data', '{P}D2', 0, '1', 'colleague')");
    Done(user_, "call mainViewDomainList(0, 'data')");
    Done(colleague, "call domainViewEditDomain({D2}, 'data', '{P}D2', 0, '1', 'colleague again')");
    EXPECT_TRUE(Refused(user_.Run(Expand("call domainViewEditDomain({D2}, 'data', '{P}D2', 0, '0', 'user')")),
                        "다른 사용자가 이 항목을 먼저 변경했습니다. 바뀐 내용을 확인하고 다시 해 주세요."));
    EXPECT_EQ(CellText(user_.Run("SELECT @@in_transaction"), 0, 0, 0), "1");
    EXPECT_TRUE(user_.Run("COMMIT").ok);
    EXPECT_EQ(Row("SELECT description FROM component WHERE id = {C}"), "first");
    EXPECT_EQ(Row("SELECT CONCAT_WS(',', public, description) FROM domain WHERE id = {D2}"), "1,colleague again");
}

}  // namespace
