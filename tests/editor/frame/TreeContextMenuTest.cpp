// The context menu of a data or method tree item, by kind, record and a waiting copy.

#include <gtest/gtest.h>

#include "TreeContextMenu.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

namespace {

class_domain_info Domain(int id, const std::string& name) {
    class_domain_info domain;
    domain.id = id;
    domain.name = name;
    return domain;
}

class_metadata_info Data(const std::string& type) {
    class_metadata_info data;
    data.type = type;
    return data;
}

// The root item is the record of id 0 that the pane gives it; a domain of the server named "root" (its path at
// the top level is the root's "root\" as well) has a domain's menu.
TEST(TreeContextMenuTest, DomainsAndRootsByTree) {
    class_domain_info root = Domain(0, "root");
    class_domain_info nav = Domain(4, "Nav");
    class_domain_info rootNamed = Domain(12, "root");
    class_domain_info rootLike = Domain(13, "Root");

    EXPECT_EQ(ContextMenuIdOfItem({TREE_DATA_DOMAIN, nullptr, &root, "root\\"}, false), 314u);
    EXPECT_EQ(ContextMenuIdOfItem({TREE_DATA_DOMAIN, nullptr, &root, "root\\"}, true), 314u);
    EXPECT_EQ(ContextMenuIdOfItem({TREE_METHOD_DOMAIN, nullptr, &root, "root\\"}, true), 374u);
    for (class_domain_info* domain : {&nav, &rootNamed, &rootLike}) {
        const std::string path = domain->name + "\\";
        EXPECT_EQ(ContextMenuIdOfItem({TREE_DATA_DOMAIN, nullptr, domain, path}, false), 315u) << domain->name;
        EXPECT_EQ(ContextMenuIdOfItem({TREE_DATA_DOMAIN, nullptr, domain, path}, true), 425u) << domain->name;
        EXPECT_EQ(ContextMenuIdOfItem({TREE_METHOD_DOMAIN, nullptr, domain, path}, true), 330u) << domain->name;
    }
}

TEST(TreeContextMenuTest, DataItemsByTypeKeyword) {
    const struct {
        const char* type;
        UINT menu;
    } cases[] = {
        {"struct", 316}, {"enum8_t", 317}, {"enum16_t", 317}, {"enum32_t", 317}, {"enum64_t", 318},
        {"alias", 318},  {"Struct", 318},  {"int32_t", 318},  {"pksize_t", 318}, {"", 318},
    };
    for (const auto& c : cases) {
        class_metadata_info data = Data(c.type);
        EXPECT_EQ(ContextMenuIdOfItem({TREE_DATA_ITEM, nullptr, &data, "Nav\\"}, false), c.menu) << c.type;
    }
}

TEST(TreeContextMenuTest, KindsWithoutAMenu) {
    EXPECT_EQ(ContextMenuIdOfItem({TREE_METHOD, nullptr, nullptr, ""}, false), 333u);
    EXPECT_EQ(ContextMenuIdOfItem({TREE_INTERFACE, nullptr, nullptr, ""}, false), 332u);
    for (int kind : std::initializer_list<int>{TREE_STRUCT_FIELD, TREE_ENUM_CONSTANT, 7, TREE_MEMBER_METHOD, TREE_SYSTEM_DOMAIN, TREE_NODE,
                     TREE_COMPONENT, TREE_STUB_OBJECT})
        EXPECT_EQ(ContextMenuIdOfItem({kind, nullptr, nullptr, ""}, false), 0u) << kind;
}

}  // namespace
