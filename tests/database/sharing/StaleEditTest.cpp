// Two engineers at once: an edit sent from what its session read before a colleague changed the row is
// refused, and the rows stay exactly as the colleague left them; once the session has read the row again, the
// same edit passes and keeps the colleague's values.

#include "EditKindsTest.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

const char kChangedFirst[] = "다른 사용자가 이 항목을 먼저 변경했습니다. 바뀐 내용을 확인하고 다시 해 주세요.";
const char kNotReadAgain[] =
    "서버와 다시 연결한 뒤 이 항목을 다시 읽지 않아 다른 사용자의 변경을 확인할 수 없습니다. 바뀐 내용을 확인하고 다시 "
    "해 주세요.";


// One edit kind: the list the user's view came from, the colleague's change, the user's edit from the old view
// (refused with `refusal`), the rows it must leave alone, the edit as the user sends it from the row read
// again, and what the rows hold then. "{name}" stands for an id of the fixture, "{P}" for its name prefix.
struct StaleEdit {
    const char* kind;
    std::string read;
    std::string colleague;
    std::string stale;
    std::string rows;
    std::string fresh;
    std::string after;
    std::string expectedAfter;
    std::string refusal = kChangedFirst;
};

class StaleEditTest : public EditKindsTest {
protected:
    StaleEditTest() : EditKindsTest("sharing_stale_edits", "se") {}

    // Plays one edit kind through the user's session and a colleague's, who reads the list and changes the row,
    // and compares the rows before and after the user's stale edit.
    void Play(const StaleEdit& edit) {
        SCOPED_TRACE(edit.kind);
        Done(user_, edit.read);
        TestConnection colleague(server_);
        LoginAs(colleague, "admin");
        Done(colleague, edit.read);
        Done(colleague, edit.colleague);
        const std::string before = Rows(edit.rows);
        ASSERT_FALSE(before.empty());
        EXPECT_TRUE(Refused(user_.Run(Expand(edit.stale)), edit.refusal));
        EXPECT_EQ(Rows(edit.rows), before) << "the refused edit changed the rows";
        // Sent again without reading first, it is refused again.
        EXPECT_TRUE(RefusedProperly(user_.Run(Expand(edit.stale))));
        EXPECT_EQ(Rows(edit.rows), before);
        Done(user_, edit.read);
        Done(user_, edit.fresh);
        EXPECT_EQ(AdminValue(server_.database, Expand(edit.after)), edit.expectedAfter);
    }

    // Every checked edit kind, as Play runs it.
    std::vector<StaleEdit> Edits() const;
};

std::vector<StaleEdit> StaleEditTest::Edits() const {
    return {
        {"domain: renamed and made private by the colleague, the user edits the description",
         "call mainViewDomainList(0, 'data')",
         "call domainViewEditDomain({D2}, 'data', '{P}D2new', 0, '0', 'colleague')",
         "call domainViewEditDomain({D2}, 'data', '{P}D2', 0, '1', 'user')",
         "SELECT * FROM domain WHERE id = {D2}",
         "call domainViewEditDomain({D2}, 'data', '{P}D2new', 0, '0', 'user')",
         "SELECT CONCAT_WS(',', name, public, description) FROM domain WHERE id = {D2}", prefix_ + "D2new,0,user"},
        {"data item: limits and description changed by the colleague, the user renames it",
         "call metadataViewMetadataList({D}, '%%', 'data')",
         "call metadataViewEditMetadata({D}, 'T', 'T', 'scaled8_t', 0, '-5', '50', 'colleague')",
         "call metadataViewEditMetadata({D}, 'T', 'T2', 'scaled8_t', 0, '0', '10', '')",
         "SELECT * FROM data_item WHERE domain_id = {D} AND name IN ('T', 'T2')",
         "call metadataViewEditMetadata({D}, 'T', 'T2', 'scaled8_t', 0, '-5', '50', 'colleague')",
         "SELECT CONCAT_WS(',', name, scmin, scmax, description) FROM data_item WHERE domain_id = {D} AND name LIKE 'T%'",
         "T2,-5,50,colleague"},
        {"field: type and array changed by the colleague, the user edits the description",
         "call metadataViewMetafieldList({D}, 'S', 'data')",
         "call metadataViewEditMetafield({D}, 'S', 'f', 'f', 0, 'int32_t', 0, '', '', '', 'FIX', 4, '')",
         "call metadataViewEditMetafield({D}, 'S', 'f', 'f', 0, 'int8_t', 0, '', '', '', 'NO', 0, 'user')",
         "SELECT f.* FROM data_field f JOIN data_item d ON d.id = f.data_id WHERE d.domain_id = {D} AND d.name = 'S'",
         "call metadataViewEditMetafield({D}, 'S', 'f', 'f', 0, 'int32_t', 0, '', '', '', 'FIX', 4, 'user')",
         "SELECT CONCAT_WS(',', f.type, f.arraytype, f.arraysize, f.description) FROM data_field f JOIN data_item d "
         "ON d.id = f.data_id WHERE d.domain_id = {D} AND d.name = 'S'",
         "int32_t,FIX,4,user"},
        {"constant: value changed by the colleague, the user edits the description",
         "call metadataViewMetafieldList({D}, 'E', 'data')",
         "call metadataViewEditMetafield({D}, 'E', 'k', 'k', 0, 'const', 0, '', '2', '', 'NO', 0, '')",
         "call metadataViewEditMetafield({D}, 'E', 'k', 'k', 0, 'const', 0, '', '1', '', 'NO', 0, 'user')",
         "SELECT f.* FROM data_field f JOIN data_item d ON d.id = f.data_id WHERE d.domain_id = {D} AND d.name = 'E'",
         "call metadataViewEditMetafield({D}, 'E', 'k', 'k', 0, 'const', 0, '', '2', '', 'NO', 0, 'user')",
         "SELECT CONCAT_WS(',', f.scmin, f.description) FROM data_field f JOIN data_item d ON d.id = f.data_id "
         "WHERE d.domain_id = {D} AND d.name = 'E'",
         "2,user"},
        {"method: code changed by the colleague, the user edits the description",
         "call methodViewMethodList({M}, 'method', 'ALL', '', '%')",
         "call methodViewEditMethod({M}, 'm', 'CALL', 2, 'm', 0, '', 0, '', 'colleague')",
         "call methodViewEditMethod({M}, 'm', 'CALL', 1, 'm', 0, '', 0, '', 'user')",
         "SELECT * FROM method WHERE domain_id = {M}",
         "call methodViewEditMethod({M}, 'm', 'CALL', 2, 'm', 0, '', 0, '', 'user')",
         "SELECT CONCAT_WS(',', code, description) FROM method WHERE domain_id = {M}", "2,user"},
        {"interface: description changed by the colleague, the user renames it",
         "call interfaceViewInterfaceList({M}, 'method', '%')",
         "call interfaceViewEditInterface({M}, 'J', 'J', 'colleague')",
         "call interfaceViewEditInterface({M}, 'J', 'Jx', '')",
         "SELECT * FROM method_interface WHERE domain_id = {M} AND name LIKE 'J%'",
         "call interfaceViewEditInterface({M}, 'J', 'Jx', 'colleague')",
         "SELECT CONCAT_WS(',', name, description) FROM method_interface WHERE domain_id = {M} AND name LIKE 'J%'",
         "Jx,colleague"},
        {"node: the colleague locks the sub-system node, the user edits the description",
         "call nodeViewList({Y})",
         "call NodeViewEditNode({ns}, {Y}, 'ns', 'sub_system', '', {Ysub}, 1)",
         "call NodeViewEditNode({ns}, {Y}, 'ns', 'sub_system', 'user', {Ysub}, 0)",
         "SELECT * FROM node WHERE id = {ns}",
         "call NodeViewEditNode({ns}, {Y}, 'ns', 'sub_system', 'user', {Ysub}, 1)",
         "SELECT CONCAT_WS(',', description, sub_system_domain_id = {Ysub}, lock_flag) FROM node WHERE id = {ns}",
         "user,1,Y"},
        {"node read through the system tree's level: the colleague edits it, the user renames it",
         "call systemDomainViewLevelLists('[{Y}]')",
         "call NodeViewEditNode({n2}, {Y}, 'n2', 'computer', 'colleague', {Ysub}, 0)",
         "call NodeViewEditNode({n2}, {Y}, 'n2x', 'computer', '', {Ysub}, 0)",
         "SELECT * FROM node WHERE id = {n2}",
         "call NodeViewEditNode({n2}, {Y}, 'n2x', 'computer', 'colleague', {Ysub}, 0)",
         "SELECT CONCAT_WS(',', name, description) FROM node WHERE id = {n2}", "n2x,colleague"},
        {"IP row: mask and gateway changed by the colleague, the user edits the description",
         "call networkViewList({n1})",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.5', '255.255.0.0', '10.0.X.X', '10.0.0.1', '0.0.0.0', '5', "
         "'5', '')",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.5', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', '5', "
         "'user')",
         "SELECT * FROM node_ip WHERE node_id = {n1}",
         "call networkViewEditip({n1}, '10.0.0.5', '10.0.0.5', '255.255.0.0', '10.0.X.X', '10.0.0.1', '0.0.0.0', '5', "
         "'5', 'user')",
         "SELECT CONCAT_WS(',', mask, gateway, description) FROM node_ip WHERE node_id = {n1}",
         "255.255.0.0,10.0.0.1,user"},
        {"port: group changed by the colleague, the user edits the description",
         "call systemDomainPortViewList({Y})",
         "call domainPortViewEditPort({Y}, 1, 1, 9, '')",
         "call domainPortViewEditPort({Y}, 1, 1, 1, 'user')",
         "SELECT * FROM domain_system_port WHERE domain_id = {Y}",
         "call domainPortViewEditPort({Y}, 1, 1, 9, 'user')",
         "SELECT CONCAT_WS(',', port_group, description) FROM domain_system_port WHERE domain_id = {Y}", "9,user"},
        {"link: destination changed by the colleague, the user moves the source port",
         "call NetworklinkViewNetworkinkList({Y})",
         "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 5, {n2}, 0, 6)",
         "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 6, {n2}, 0, 5)",
         "SELECT * FROM network_link WHERE domain_id = {Y}",
         "call NetworklinkViewEditNetworkink({n1}, 5, {n1}, 0, 6, {n2}, 0, 6)",
         "SELECT CONCAT_WS(',', s_port, d_port) FROM network_link WHERE domain_id = {Y}", "6,6"},
        {"component: renamed by the colleague, the user edits the description",
         "call componentViewList({Y})",
         "call ComponentViewEditComponent({C}, {Y}, 'C2', '')",
         "call ComponentViewEditComponent({C}, {Y}, 'C', 'user')",
         "SELECT * FROM component WHERE id = {C}",
         "call ComponentViewEditComponent({C}, {Y}, 'C2', 'user')",
         "SELECT CONCAT_WS(',', name, description) FROM component WHERE id = {C}", "C2,user"},
        {"class: bound to another interface by the colleague, the user renames it",
         "call proxyInterfaceViewList({C})",
         "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I2', 'cls')",
         "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I', 'cls_user')",
         "SELECT * FROM component_class WHERE id = {cls}",
         "call proxyInterfaceRalationViewEditInterface({cls}, {M}, 'I2', 'cls_user')",
         "SELECT CONCAT_WS(',', interface_name, class_name) FROM component_class WHERE id = {cls}", "I2,cls_user"},
        {"object: renamed by the colleague, the user renames it from the old name",
         "call proxyInterfaceObjectViewList({cls})",
         "call proxyInterfaceObjectViewEditObjectName({cls}, 'obj', {C}, 'obj_c')",
         "call proxyInterfaceObjectViewEditObjectName({cls}, 'obj', {C}, 'obj_u')",
         "SELECT * FROM class_object WHERE class_id = {cls}",
         "call proxyInterfaceObjectViewEditObjectName({cls}, 'obj_c', {C}, 'obj_u')",
         "SELECT object_name FROM class_object WHERE class_id = {cls}", "obj_u", "객체가 없습니다."},
        {"installed entry: object id set by the colleague, the user makes it public",
         "call coustim_proxyViewlistinfo({n1}, {C})",
         "call coustum_ViewEditobjectid({entry}, 17, 0, 0)",
         "call coustum_ViewEditobjectid({entry}, 0, 0, 1)",
         "SELECT * FROM custom_entry WHERE id = {entry}",
         "call coustum_ViewEditobjectid({entry}, 17, 0, 1)",
         "SELECT CONCAT_WS(',', object_id, public) FROM custom_entry WHERE id = {entry}", "17,1"},
        {"installed entry's stub: the colleague sets the stub, the user changes its address",
         "call coustim_proxyViewlistinfo({n1}, {C})",
         "call nodeproxyViewNewstubinfo({entry}, 3, '10.0.0.9')",
         "call nodeproxyViewNewstubinfo({entry}, 0, '10.0.0.8')",
         "SELECT * FROM custom_entry WHERE id = {entry}",
         "call nodeproxyViewNewstubinfo({entry}, 3, '10.0.0.8')",
         "SELECT CONCAT_WS(',', stub_object_id, stub_ip) FROM custom_entry WHERE id = {entry}", "3,10.0.0.8"},
        {"account: the colleague switches a right on, the user's switch would turn it off again",
         "call acountlistViewAcountList('%')",
         "call acountlistViewToggleNewDomain('{P}acct')",
         "call acountlistViewToggleNewDomain('{P}acct')",
         "SELECT user_id, is_administrator, may_create_account, may_create_domain FROM account WHERE user_id = '{P}acct'",
         "call acountlistViewToggleNewAcount('{P}acct')",
         "SELECT CONCAT_WS(',', may_create_account, may_create_domain) FROM account WHERE user_id = '{P}acct'", "1,1"},
    };
}

TEST_F(StaleEditTest, AnEditFromAViewOlderThanAColleaguesChangeIsRefusedAndStoresNothing) {
    MakeDesign();
    for (const StaleEdit& edit : Edits()) Play(edit);
}

// The editor's login on a connection it opened anew after the server ended the last one sets @tamoreconnected:
// what it shows was read through the connection that is gone, so an edit of a row this connection has not read
// is refused and stores nothing, whether anyone changed the row or not; once it has read the row the edit
// passes. A connection that never set it (a script) is not judged on a row it never read.
TEST_F(StaleEditTest, AConnectionOpenedAnewByTheEditorEditsOnlyTheRowsItHasReadItself) {
    MakeDesign();
    for (const StaleEdit& edit : Edits()) {
        // An object keeps no version: its edit finds it by name, and is not checked.
        if (edit.refusal != kChangedFirst) continue;
        SCOPED_TRACE(edit.kind);
        TestConnection reopened(server_);
        LoginAs(reopened, "admin");
        ASSERT_TRUE(reopened.Run("SET @tamoreconnected = 1").ok);
        const std::string before = Rows(edit.rows);
        ASSERT_FALSE(before.empty());
        EXPECT_TRUE(Refused(reopened.Run(Expand(edit.stale)), kNotReadAgain));
        EXPECT_EQ(Rows(edit.rows), before) << "the refused edit changed the rows";
        TestConnection script(server_);
        LoginAs(script, "admin");
        Done(script, edit.colleague);
        Done(reopened, edit.read);
        Done(reopened, edit.stale);
    }
}

// What a connection opened anew made itself, it knows as it made it: its edits of those rows pass without a
// read (the copy of a locked node locks the node it has just made). The entries an installation makes are many
// rows at once; the installation's dialog reads them before it edits one.
TEST_F(StaleEditTest, AConnectionOpenedAnewEditsTheRowsItMadeWithoutReadingThem) {
    TestConnection reopened(server_);
    LoginAs(reopened, "admin");
    ASSERT_TRUE(reopened.Run("SET @tamoreconnected = 1").ok);
    making_ = &reopened;
    MakeDesign();
    for (const StaleEdit& edit : Edits()) {
        if (edit.refusal != kChangedFirst || std::string(edit.kind).rfind("installed entry", 0) == 0) continue;
        SCOPED_TRACE(edit.kind);
        Done(reopened, edit.stale);
    }
}

// The alias dialog looks its real data up by the name it shows; after a colleague's rename it finds nothing
// and sends the id 0. The alias keeps its real data: the edit is refused, and with the real data's id it passes.
TEST_F(StaleEditTest, AnAliasEditedWithoutItsRealDataKeepsIt) {
    NewId("D", "call domainViewNewDomain('data', 0, '{P}D', 0, '1', '')");
    Done(maker_, "call metadataViewNewMetadata({D}, 'X', 'int32_t', 0, '', '', '')");
    IdOf("X", "SELECT id FROM data_item WHERE domain_id = {D} AND name = 'X'");
    Done(maker_, "call metadataViewNewMetadata({D}, 'A', 'alias', {X}, '', '', '')");
    Done(user_, "call metadataViewMetadataList({D}, '%%', 'data')");
    Done(maker_, "call metadataViewEditMetadata({D}, 'X', 'X2', 'int32_t', 0, '', '', '')");

    const std::string alias = "SELECT * FROM data_item WHERE domain_id = {D} AND name = 'A'";
    const std::string before = Rows(alias);
    EXPECT_TRUE(Refused(user_.Run(Expand("call metadataViewEditMetadata({D}, 'A', 'A', 'alias', 0, '', '', 'user')")),
                        "선택한 실제 데이타가 없습니다."));
    EXPECT_EQ(Rows(alias), before);

    Done(user_, "call metadataViewEditMetadata({D}, 'A', 'A', 'alias', {X}, '', '', 'user')");
    EXPECT_EQ(AdminValue(server_.database,
                         Expand("SELECT CONCAT_WS(',', real_domain_id = {D}, real_data_name, description) FROM data_item "
                                "WHERE domain_id = {D} AND name = 'A'")),
              "1,X2,user");
    // An alias made without real data may still be edited without one.
    Done(user_, "call metadataViewNewMetadata({D}, 'B', 'alias', 0, '', '', '')");
    Done(user_, "call metadataViewEditMetadata({D}, 'B', 'B', 'alias', 0, '', '', 'user')");

    // An alias field likewise.
    Done(maker_, "call metadataViewNewMetadata({D}, 'S', 'struct', 0, '', '', '')");
    Done(maker_, "call metadataViewNewMetafield({D}, 'S', 'f', 0, 'alias', {D}, 'X2', '', '', 'NO', 0, '')");
    const std::string field =
        "SELECT f.* FROM data_field f JOIN data_item d ON d.id = f.data_id WHERE d.domain_id = {D} AND d.name = 'S'";
    const std::string fieldBefore = Rows(field);
    EXPECT_TRUE(Refused(user_.Run(Expand("call metadataViewEditMetafield({D}, 'S', 'f', 'f', 0, 'alias', 0, '', '', '', "
                                         "'NO', 0, 'user')")),
                        "선택한 실제 데이타가 없습니다."));
    EXPECT_EQ(Rows(field), fieldBefore);
}

// A session's own edits, and a rename it makes of the data its aliases use, never count as a colleague's.
TEST_F(StaleEditTest, TheSessionsOwnChangesLetItsNextEditsPass) {
    NewId("D", "call domainViewNewDomain('data', 0, '{P}D', 0, '1', '')");
    Done(maker_, "call metadataViewNewMetadata({D}, 'X', 'int32_t', 0, '', '', '')");
    IdOf("X", "SELECT id FROM data_item WHERE domain_id = {D} AND name = 'X'");
    Done(maker_, "call metadataViewNewMetadata({D}, 'A', 'alias', {X}, '', '', '')");
    Done(maker_, "call metadataViewNewMetadata({D}, 'S', 'struct', 0, '', '', '')");
    Done(maker_, "call metadataViewNewMetafield({D}, 'S', 'f', 0, 'alias', {D}, 'X', '', '', 'NO', 0, '')");
    Done(user_, "call metadataViewMetadataList({D}, '%%', 'data')");
    Done(user_, "call metadataViewMetafieldList({D}, 'S', 'data')");
    Done(user_, "call metadataViewEditMetadata({D}, 'X', 'X2', 'int32_t', 0, '', '', 'one')");
    Done(user_, "call metadataViewEditMetadata({D}, 'X2', 'X2', 'int32_t', 0, '', '', 'two')");
    Done(user_, "call metadataViewEditMetadata({D}, 'A', 'A', 'alias', {X}, '', '', 'user')");
    Done(user_, "call metadataViewEditMetafield({D}, 'S', 'f', 'f', 0, 'alias', {D}, 'X2', '', '', 'NO', 0, 'user')");
    // A session that never read or made a row is not judged; one that made it knows it as it made it.
    TestConnection script(server_);
    LoginAs(script, "admin");
    Done(script, "call metadataViewEditMetadata({D}, 'A', 'A', 'alias', {X}, '', '', 'colleague')");
    EXPECT_TRUE(Refused(maker_.Run(Expand("call metadataViewEditMetadata({D}, 'A', 'A', 'alias', {X}, '', '', 'maker')")),
                        kChangedFirst));
}

}  // namespace
