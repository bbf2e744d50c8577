// Which filler of the properties pane shows a selected tree item or diagram element.

#include <gtest/gtest.h>

#include "PropertiesRoute.h"
#include "class_domain_info.h"
#include "class_node_info.h"

namespace {

// A tree's root item carries the domain record of id 0; a domain of the server named "root" shows itself.
TEST(PropertiesRouteTest, DomainsAndTreeRoots) {
    class_domain_info root;
    root.name = "root";
    class_domain_info rootNamed;
    rootNamed.id = 12;
    rootNamed.name = "root";
    class_domain_info domain;
    domain.id = 4;
    domain.name = "Nav";
    for (int kind : std::initializer_list<int>{TREE_SYSTEM_DOMAIN, TREE_METHOD_DOMAIN, TREE_DATA_DOMAIN}) {
        EXPECT_EQ(RoutePropertiesFiller({kind, nullptr, &root, "root\\"}), PropertiesFiller::User) << kind;
        EXPECT_EQ(RoutePropertiesFiller({kind, nullptr, &rootNamed, "root\\"}), PropertiesFiller::Domain) << kind;
        EXPECT_EQ(RoutePropertiesFiller({kind, nullptr, &domain, "Nav\\"}), PropertiesFiller::Domain) << kind;
    }
}

TEST(PropertiesRouteTest, NodesBySwitchTypeAndTheirFolder) {
    class_node_info node;
    const struct {
        const char* type;
        PropertiesFiller filler;
    } cases[] = {{"switch", PropertiesFiller::Switch},  {"Switch", PropertiesFiller::Node},
                 {"urouter", PropertiesFiller::Node},   {"computer", PropertiesFiller::Node},
                 {"sub_system", PropertiesFiller::Node}, {"", PropertiesFiller::Node}};
    for (const auto& c : cases) {
        node.type = c.type;
        EXPECT_EQ(RoutePropertiesFiller({TREE_NODE, nullptr, &node, "Ship\\n"}), c.filler) << c.type;
    }
    // The "Nodes" folder is a kind 10 item without a record.
    EXPECT_EQ(RoutePropertiesFiller({TREE_NODE, nullptr, nullptr, "Ship\\Nodes"}), PropertiesFiller::None);
}

TEST(PropertiesRouteTest, RecordKindsAndTheRest) {
    int record = 0;
    const struct {
        int kind;
        PropertiesFiller filler;
    } cases[] = {
        {TREE_DATA_ITEM, PropertiesFiller::Data},
        {TREE_STRUCT_FIELD, PropertiesFiller::DataFieldItem},
        {TREE_ENUM_CONSTANT, PropertiesFiller::DataFieldItem},
        {TREE_METHOD, PropertiesFiller::Method},
        {TREE_INTERFACE, PropertiesFiller::Interface},
        {TREE_MEMBER_METHOD, PropertiesFiller::MethodItem},
        {TREE_COMPONENT, PropertiesFiller::Component},
        {TREE_PROXY_CLASS, PropertiesFiller::Proxy},
        {TREE_STUB_CLASS, PropertiesFiller::Stub},
        {TREE_INSTALLED_COMPONENT, PropertiesFiller::DeployedComponent},
        {TREE_INSTALLED_PROXY, PropertiesFiller::ComponentInterface},
        {TREE_INSTALLED_STUB, PropertiesFiller::ComponentInterface},
        {7, PropertiesFiller::User},
        {TREE_COMPONENTS_FOLDER, PropertiesFiller::User},
        {20, PropertiesFiller::User},
        {TREE_PROXY_OBJECT, PropertiesFiller::User},
        {TREE_STUB_OBJECT, PropertiesFiller::User},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoutePropertiesFiller({c.kind, nullptr, &record, ""}), c.filler) << c.kind;
        // Without its record a kind that needs one shows nothing; the others still show the account.
        const PropertiesFiller withoutRecord =
            c.filler == PropertiesFiller::User ? PropertiesFiller::User : PropertiesFiller::None;
        EXPECT_EQ(RoutePropertiesFiller({c.kind, nullptr, nullptr, ""}), withoutRecord) << c.kind;
    }
}

}  // namespace
