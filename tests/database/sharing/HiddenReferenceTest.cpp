// References into a domain that the account may not read. A colleague who names something of such a domain (an
// alias's data, a method's input, an interface for a class, a sub-system, a component to deploy, the domain whose
// addresses a check compares, an item whose lock a check asks, ...) gets the answer that a name of nothing gets,
// so that no answer tells whether a name stands there, and no such reference is made; no answer names what such
// a domain holds. A reference that an item holds already may stay when the item is changed.

#include "SharingTestSupport.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

const char* const kTables = "CHECKSUM TABLE domain, domain_member, domain_parent, data_item, data_field, method, "
                            "method_interface, interface_member, node, node_port, component, component_class, "
                            "class_object, deployment, custom_entry";

// Locks that hold what `user` may not read: the Console gets an external port, which its PC's port 1 reaches,
// and hidden_comp, installed on that PC, a class of HiddenService's IHidden with a public object. A sub-system
// node of Ship that stands for the Console takes the object's clone and locks all of it. In the Console, a
// sub-system node stands for 조타실 (10) and takes its public entries as Ship's node does.
void LockTheConsole(TestConnection& admin, const std::string& database, const std::string& service) {
    const auto value = [&](const std::string& sql) { return AdminValue(database, sql); };
    const std::string component = value("SELECT id FROM component WHERE name = 'hidden_comp'");
    const std::string pc = value("SELECT id FROM node WHERE domain_id = 12 AND name = '콘솔 PC'");
    admin.Run("call domainLogicalPortViewNewPortGroup(12, 1)");
    admin.Run("call domainPortViewNewPort(12, 1, 1, '콘솔 LAN')");
    admin.Run("call NetworklinkViewNewNetworkink(" + pc + ", 0, 1, 0, 12, 1)");
    admin.Run("call proxyInterfaceRalationViewNewInterface(" + component + ", " + service +
              ", 'IHidden', 'hidden_class')");
    const std::string hiddenClass = value("SELECT id FROM component_class WHERE class_name = 'hidden_class'");
    admin.Run("call proxyInterfaceObjectViewNewObjectName(" + hiddenClass + ", 'hidden_object', " + component + ")");
    admin.Run("call nodeDeploymentViewNewcomponent(" + pc + ", " + component + ", 12, 0)");
    admin.Run("call coustum_ViewEditobjectid(" +
              value("SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref "
                    "WHERE o.object_name = 'hidden_object' AND e.source_entry_id IS NULL") +
              ", 501, 0, 1)");
    admin.Run("call nodeNewNodes(9, 'hr_console', 'sub_system', '', 12)");
    admin.Run("call insert_subsystem_public_proxy_interface_loop(12)");
    admin.Run("call NodeViewEditNode(" + value("SELECT id FROM node WHERE name = 'hr_console'") +
              ", 9, 'hr_console', 'sub_system', '', 12, 1)");
    admin.Run("call nodeNewNodes(12, 'hr_secret_sub', 'sub_system', '', 10)");
    admin.Run("call insert_subsystem_public_proxy_interface_loop(10)");
}

// The sample, and beside it what `user` may not read: the private method domain HiddenService with a method and
// an interface, a component of the private Operator's Console (12). In Ship (9), where `user` is a member, a
// node with an address and a component with a proxy class, and a bare node that carries nothing, not even
// ports; in Nav (1) a plain item, and in Nav and NavService (6) an alias and a method that refer to the
// private Secret (5), made by the administrator. Every test process makes them; the calls of a process that
// comes second are refused as duplicates and change nothing.
ConnectionValues Design(const std::string& name) {
    ConnectionValues prepared = TestDatabase::Prepare(name, true);
    TestConnection admin(prepared);
    EXPECT_TRUE(admin.Login("admin", "admin"));
    admin.Run("call domainViewNewDomain('method', 0, 'HiddenService', 20000, '0', '')");
    const std::string id = AdminValue(prepared.database, "SELECT id FROM domain WHERE name = 'HiddenService'");
    const std::string key = AdminValue(prepared.database, "SELECT id FROM data_item WHERE domain_id = 5 AND name = 'Key'");
    for (const std::string& call : {
             "call methodViewNewMethod(" + id + ", 'EVENT', 1, 'HiddenPing', 0, '', 0, '', '')",
             "call interfaceViewNewInterface(" + id + ", 'method', 'IHidden', '')",
             std::string("call componentsNewcomponent(12, 'hidden_comp', '')"),
             std::string("call nodeNewNodes(9, 'ref_node', 'computer', '', 0)"),
             std::string("call nodeNewNodes(9, 'ref_bare', 'computer', '', 0)"),
             std::string("call metadataViewNewMetadata(1, 'hr_plain', 'int8_t', 0, '', '', '')"),
             std::string("call componentsNewcomponent(9, 'ref_comp', '')"),
             "call metadataViewNewMetadata(1, 'hr_kept', 'alias', " + key + ", '', '', '')",
             std::string("call methodViewNewMethod(6, 'CALL', 50100, 'hr_kept_method', 5, 'Key', 0, '', '')"),
         })
        admin.Run(call);
    const std::string component = AdminValue(prepared.database, "SELECT id FROM component WHERE name = 'ref_comp'");
    admin.Run("call proxyInterfaceRalationViewNewInterface(" + component + ", 6, 'IHeartbeat', 'ref_class')");
    // The address of the Operator's Console's PC, on port 1 of the Ship's node.
    const std::string node = AdminValue(prepared.database, "SELECT id FROM node WHERE name = 'ref_node'");
    admin.Run("call networkNewip(" + node + ", '172.16.0.5', '255.255.0.0', '172.16.X.X', '', '', '1', '')");
    LockTheConsole(admin, prepared.database, id);
    return prepared;
}

// Everything an answer carries: success, the error and its number, every set with its keys and rows.
std::string Answer(const RunResult& run) {
    std::string text = run.ok ? "ok" : "error " + std::to_string(run.errorNumber) + ": " + run.error;
    for (const auto& set : run.sets) {
        text += "\n[";
        for (const auto& key : set.keys) text += key + " ";
        text += "]";
        for (const auto& row : set.rows) {
            text += "\n ";
            for (const auto& cell : row) text += cell.value_or("NULL") + " | ";
        }
    }
    return text;
}

// The first test compares whole tables; the second, which changes them, has a database of its own.
class HiddenReferences : public ::testing::Test {
protected:
    explicit HiddenReferences(const char* database = "sharing_hidden") : server_(Design(database)), db_(server_) {}
    void SetUp() override { LoginAs(db_, "user"); }
    std::string Id(const std::string& sql) const { return AdminValue(server_.database, sql); }
    std::string KeyId() const { return Id("SELECT id FROM data_item WHERE domain_id = 5 AND name = 'Key'"); }
    std::string HiddenService() const { return Id("SELECT id FROM domain WHERE name = 'HiddenService'"); }
    std::string ConsoleNode() const { return Id("SELECT id FROM node WHERE domain_id = 12 AND name = '콘솔 PC'"); }
    std::string HiddenComponent() const { return Id("SELECT id FROM component WHERE name = 'hidden_comp'"); }
    std::string ShipNode() const { return Id("SELECT id FROM node WHERE name = 'ref_node'"); }
    std::string BareNode() const { return Id("SELECT id FROM node WHERE name = 'ref_bare'"); }
    std::string ShipComponent() const { return Id("SELECT id FROM component WHERE name = 'ref_comp'"); }
    std::string HiddenClass() const { return Id("SELECT id FROM component_class WHERE class_name = 'hidden_class'"); }
    std::string HiddenDeployment() const {
        return Id("SELECT dp.id FROM deployment dp JOIN component c ON c.id = dp.component_id "
                  "WHERE c.name = 'hidden_comp' AND dp.source_deployment_id IS NULL");
    }
    std::string HiddenEntry(const std::string& deployment) const {
        return Id("SELECT e.id FROM custom_entry e WHERE e.deployment_id = " + deployment);
    }
    std::string ShipClass() const { return Id("SELECT id FROM component_class WHERE class_name = 'ref_class'"); }
    ConnectionValues server_;
    TestConnection db_;
};

class StandingReferences : public HiddenReferences {
protected:
    StandingReferences() : HiddenReferences("sharing_hidden_kept") {}
};

TEST_F(HiddenReferences, AnswerAsReferencesToNothingAndChangeNothing) {
    struct Pair {
        const char* what;
        std::string hidden;   // names something that stands in a domain `user` may not read
        std::string missing;  // names nothing
    };
    const std::string service = HiddenService();
    const std::string node = ShipNode();
    const std::string component = ShipComponent();
    const std::string key = KeyId();
    const std::string consoleNode = ConsoleNode();
    const std::string hiddenComponent = HiddenComponent();
    const std::string hiddenClass = HiddenClass();
    const std::string deployment = HiddenDeployment();
    const Pair pairs[] = {
        {"alias of data", "call metadataViewNewMetadata(1, 'hr_alias', 'alias', " + key + ", '', '', '')",
         "call metadataViewNewMetadata(1, 'hr_alias', 'alias', 999999, '', '', '')"},
        {"alias field", "call metadataViewNewMetafield(1, 'Waypoint', 'hr_f', 0, 'alias', 5, 'Key', '', '', 'NO', 0, '')",
         "call metadataViewNewMetafield(1, 'Waypoint', 'hr_f', 0, 'alias', 3, 'NoSuch', '', '', 'NO', 0, '')"},
        {"method input", "call methodViewNewMethod(6, 'CALL', 50001, 'hr_m', 5, 'Key', 0, '', '')",
         "call methodViewNewMethod(6, 'CALL', 50001, 'hr_m', 3, 'NoSuch', 0, '', '')"},
        {"method output", "call methodViewNewMethod(6, 'CALL', 50001, 'hr_m', 0, '', 5, 'Key', '')",
         "call methodViewNewMethod(6, 'CALL', 50001, 'hr_m', 0, '', 3, 'NoSuch', '')"},
        {"alias edited", "call metadataViewEditMetadata(1, 'hr_plain', 'hr_plain', 'alias', " + key + ", '', '', '')",
         "call metadataViewEditMetadata(1, 'hr_plain', 'hr_plain', 'alias', 999999, '', '', '')"},
        {"alias field edited",
         "call metadataViewEditMetafield(1, 'Waypoint', '번호', '번호', 0, 'alias', 5, 'Key', '', '', 'NO', 0, '')",
         "call metadataViewEditMetafield(1, 'Waypoint', '번호', '번호', 0, 'alias', 3, 'NoSuch', '', '', 'NO', 0, '')"},
        {"method input edited",
         "call methodViewEditMethod(6, 'GetPosition', 'CALL', 1, 'GetPosition', 5, 'Key', 2, '위치', '')",
         "call methodViewEditMethod(6, 'GetPosition', 'CALL', 1, 'GetPosition', 3, 'NoSuch', 2, '위치', '')"},
        {"method output edited",
         "call methodViewEditMethod(6, 'GetPosition', 'CALL', 1, 'GetPosition', 1, 'Waypoint', 5, 'Key', '')",
         "call methodViewEditMethod(6, 'GetPosition', 'CALL', 1, 'GetPosition', 1, 'Waypoint', 3, 'NoSuch', '')"},
        {"copy of data", "call metadataViewCopyData(" + key + ", 1)", "call metadataViewCopyData(999999, 1)"},
        {"alias loop check", "call check_child_depth_limit_loop(1, 'x', " + key + ")",
         "call check_child_depth_limit_loop(1, 'x', 999999)"},
        {"interface member", "call interfaceViewNewMemberMethod(6, 'IHeartbeat', " + service + ", 'HiddenPing', '')",
         "call interfaceViewNewMemberMethod(6, 'IHeartbeat', 7, 'NoSuch', '')"},
        {"class of an interface",
         "call proxyInterfaceRalationViewNewInterface(" + component + ", " + service + ", 'IHidden', 'hr_class')",
         "call proxyInterfaceRalationViewNewInterface(" + component + ", 7, 'INoSuch', 'hr_class')"},
        {"class rebound", "call proxyInterfaceRalationViewEditInterface(" + ShipClass() + ", " + service + ", 'IHidden', 'hr_class')",
         "call proxyInterfaceRalationViewEditInterface(" + ShipClass() + ", 7, 'INoSuch', 'hr_class')"},
        {"class with an object",
         "call insertStubInserfaceRelation(9, " + component + ", " + service + ", 'IHidden', 'hr_class', 'hr_object')",
         "call insertStubInserfaceRelation(9, " + component + ", 7, 'INoSuch', 'hr_class', 'hr_object')"},
        {"sub-system domain", "call nodeNewNodes(9, 'hr_node', 'sub_system', '', 12)",
         "call nodeNewNodes(9, 'hr_node', 'sub_system', '', 999999)"},
        {"ports of a domain", "call nodeportViewNewNode(" + node + ", 9, 12)",
         "call nodeportViewNewNode(" + node + ", 9, 999999)"},
        {"deployment", "call nodeDeploymentViewNewcomponent(" + node + ", " + hiddenComponent + ", 9, 0)",
         "call nodeDeploymentViewNewcomponent(" + node + ", 999999, 9, 0)"},
        // The bare node takes another node's ports, and has none that a copy could strip.
        {"ports of a copied node", "call copy_node_port_talble(" + consoleNode + ", 12, 0, " + BareNode() + ", 9)",
         "call copy_node_port_talble(999999, 12, 0, " + BareNode() + ", 9)"},
        {"addresses of another domain", "call check_overlap_ip(12, " + node + ", 1)",
         "call check_overlap_ip(999999, " + node + ", 1)"},
        {"data-domain link", "call domainViewNewParentDomain(1, 'data', 5, 0)",
         "call domainViewNewParentDomain(1, 'data', 999999, 0)"},
        {"document: parent of a new domain", "call xmldocumentViewimportDomain(950, 5, 'data', 'hr_d', 0, 1, '')",
         "call xmldocumentViewimportDomain(950, 999999, 'data', 'hr_d', 0, 1, '')"},
        // A document may name data that arrives later, but none in a domain the account may not read, whether
        // the name stands there or not, nor in a domain that does not stand.
        {"document: alias", "call xmldocumentViewimportData(1, 'hr_i', 'alias', '', 5, 'Key', '', '', '')",
         "call xmldocumentViewimportData(1, 'hr_i', 'alias', '', 5, 'NoSuch', '', '', '')"},
        {"document: alias into no domain", "call xmldocumentViewimportData(1, 'hr_i', 'alias', '', 5, 'Key', '', '', '')",
         "call xmldocumentViewimportData(1, 'hr_i', 'alias', '', 999999, 'Key', '', '', '')"},
        {"document: alias field into no domain",
         "call xmldocumentViewimportDatafield(1, 'Waypoint', 'hr_if', 0, 'alias', '', 5, 'Key', '', '', 'NO', 0, '')",
         "call xmldocumentViewimportDatafield(1, 'Waypoint', 'hr_if', 0, 'alias', '', 999999, 'Key', '', '', 'NO', 0, "
         "'')"},
        {"document: method input from no domain",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 5, 'Key', 0, '', '')",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 999999, 'Key', 0, '', '')"},
        {"document: method output into a method domain",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 0, '', 5, 'Key', '')",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 0, '', 6, 'Key', '')"},
        {"document: alias field",
         "call xmldocumentViewimportDatafield(1, 'Waypoint', 'hr_if', 0, 'alias', '', 5, 'Key', '', '', 'NO', 0, '')",
         "call xmldocumentViewimportDatafield(1, 'Waypoint', 'hr_if', 0, 'alias', '', 5, 'NoSuch', '', '', 'NO', 0, '')"},
        {"document: method input", "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 5, 'Key', 0, '', '')",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 5, 'NoSuch', 0, '', '')"},
        // The lock checks, of items locked by Ship's node that stands for the Console.
        {"lock of a domain", "call check_system_lock_domain(12)", "call check_system_lock_domain(999999)"},
        {"lock of a link end", "call check_system_lock_networklink(" + consoleNode + ", 1, 12)",
         "call check_system_lock_networklink(999999, 1, 12)"},
        {"lock of a domain's own port", "call check_system_lock_networklink(0, 1, 12)",
         "call check_system_lock_networklink(0, 1, 999999)"},
        {"lock of a node port", "call check_system_lock_node_port(" + consoleNode + ", 1)",
         "call check_system_lock_node_port(999999, 1)"},
        {"lock of a stub address",
         "call check_system_lock_proxy_stub_ip(" + HiddenEntry(deployment) + ", " + deployment + ")",
         "call check_system_lock_proxy_stub_ip(999999, 999999)"},
        {"lock of a deployment's entries", "call check_system_lock_objct(" + deployment + ")",
         "call check_system_lock_objct(999999)"},
        {"lock of a component", "call check_system_lock_component(12, " + hiddenComponent + ")",
         "call check_system_lock_component(12, 999999)"},
        {"lock of a proxy class", "call check_system_lock_proxy_class(" + hiddenClass + ")",
         "call check_system_lock_proxy_class(999999)"},
        {"lock of a stub class", "call check_system_lock_stub_class(" + hiddenClass + ")",
         "call check_system_lock_stub_class(999999)"},
        {"lock of a proxy object", "call check_system_lock_proxy_object(" + hiddenClass + ", 'hidden_object')",
         "call check_system_lock_proxy_object(" + hiddenClass + ", 'no_object')"},
        {"lock of a stub object", "call check_system_lock_stub_object(" + hiddenClass + ", 'hidden_object')",
         "call check_system_lock_stub_object(" + hiddenClass + ", 'no_object')"},
        {"lock of an interface", "call check_system_lock_interface(" + service + ", 'IHidden')",
         "call check_system_lock_interface(" + service + ", 'INoSuch')"},
        {"clone places of a component", "call check_clone_component(12, " + hiddenComponent + ")",
         "call check_clone_component(12, 999999)"},
        {"document: method output", "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 0, '', 5, 'Key', '')",
         "call xmldocumentViewimportMethod(6, 'hr_im', 'CALL', '50003', 0, '', 5, 'NoSuch', '')"},
    };
    // Every call is compared with the design as it was before: the second call of a pair could undo what the
    // first did (a copy that strips the ports another copy lent).
    const std::string before = TestDatabase::AdminQuery(server_.database, kTables);
    for (const Pair& pair : pairs) {
        const RunResult hidden = db_.Run(pair.hidden);
        EXPECT_EQ(TestDatabase::AdminQuery(server_.database, kTables), before) << pair.what << ": private";
        EXPECT_EQ(Answer(hidden), Answer(db_.Run(pair.missing))) << pair.what;
        EXPECT_EQ(TestDatabase::AdminQuery(server_.database, kTables), before) << pair.what << ": missing";
        EXPECT_TRUE(hidden.ok || RefusedProperly(hidden)) << pair.what;
    }
}

// 조타 제어기 of 조타실, which `user` reads, has a public entry cloned onto a node of Ship and onto one of the
// Console: only the place in Ship is listed.
TEST_F(HiddenReferences, ListNoClonePlaceInADomainTheAccountMayNotRead) {
    const std::string call =
        "call check_clone_component(10, " + Id("SELECT id FROM component WHERE name = '조타 제어기'") + ")";
    const auto places = [](const RunResult& run) {
        std::vector<std::string> rows;
        if (run.sets.size() != 1) return std::vector<std::string>{"unexpected answer: " + run.error};
        for (const auto& row : run.sets[0].rows)
            rows.push_back(row.at(0).value_or("") + " / " + row.at(1).value_or(""));
        return rows;
    };
    TestConnection admin(server_);
    ASSERT_TRUE(admin.Login("admin", "admin"));
    EXPECT_EQ(places(admin.Run(call)),
              (std::vector<std::string>{"Ship / 조타실 시스템", "Operator's Console / hr_secret_sub"}));
    EXPECT_EQ(places(db_.Run(call)), std::vector<std::string>{"Ship / 조타실 시스템"});
}

// The administrator made an alias and a method that refer to the private Secret; `user` may change them as long
// as the reference stays, but not point them anywhere else in Secret.
TEST_F(StandingReferences, MayStayWhenTheItemChangesButNotMove) {
    const std::string key = KeyId();
    EXPECT_TRUE(Succeeded(db_.Run("call metadataViewEditMetadata(1, 'hr_kept', 'hr_kept', 'alias', " + key +
                                  ", '', '', 'changed by user')")));
    EXPECT_TRUE(Succeeded(db_.Run("call xmldocumentViewimportData(1, 'hr_kept', 'alias', '', 5, 'Key', '', '', "
                                  "'imported by user')")));
    EXPECT_TRUE(Succeeded(
        db_.Run("call methodViewEditMethod(6, 'hr_kept_method', 'CALL', 50100, 'hr_kept_method', 5, 'Key', 0, '', "
                "'changed by user')")));
    EXPECT_TRUE(Refused(db_.Run("call xmldocumentViewimportData(1, 'hr_kept', 'alias', '', 5, 'Other', '', '', '')"),
                        "선택한 실제 데이타가 없습니다."));
    EXPECT_TRUE(Refused(db_.Run("call methodViewEditMethod(6, 'hr_kept_method', 'CALL', 50100, 'hr_kept_method', "
                                "5, 'Key', 5, 'Key', '')"),
                        "출력 데이타가 없습니다."));
    EXPECT_EQ(AdminValue(server_.database, "SELECT CONCAT(real_domain_id, real_data_name, description) FROM data_item "
                                            "WHERE domain_id = 1 AND name = 'hr_kept'"),
              "5Keyimported by user");
}

}  // namespace
