// The records are plain values: defaults, member-wise copies, deletion through a pointer to their class.

#include <gtest/gtest.h>

#include <type_traits>

#include "SessionRecords.h"

namespace {

template <typename... Records>
constexpr bool AllHaveAVirtualDestructor = (std::has_virtual_destructor_v<Records> && ...);

static_assert(AllHaveAVirtualDestructor<
              class_domain_info, class_metadata_info, class_datafield_info, class_method_info, class_interface_info,
              class_membermethod_info, class_xmlmembermethod_info, class_node_info, class_component_info,
              class_network_info, class_network_link_info, class_proxy_interface_relation_info,
              class_stub_interface_relation_info, class_custum_table, class_member_domain,
              class_system_domain_port_info, class_interface_object_info, class_node_port_info>);
static_assert(!std::has_virtual_destructor_v<account_row>);

TEST(Records, ADefaultDomainCopiesWithItsPort) {
    class_domain_info domain;
    EXPECT_EQ(domain.standard_port, 0);
    EXPECT_EQ(domain.name, "");
    EXPECT_EQ(domain.create_date, "");
    domain.standard_port = 65535;
    domain.name = "NavService";
    const class_domain_info copy = domain;
    EXPECT_EQ(copy.standard_port, 65535);
    EXPECT_EQ(copy.name, "NavService");
}

TEST(Records, ACopyIsIndependentOfItsSource) {
    class_custum_table table;
    class_component_info component;
    component.name = "항법 관리자";
    component.custom_table = &table;
    class_component_info copy;
    copy = component;
    copy.name = "changed";
    EXPECT_EQ(component.name, "항법 관리자");
    EXPECT_EQ(copy.custom_table, &table);  // the pointer is copied, not what it points to
}

TEST(Records, ClassRecordsKeepAllSevenFields) {
    class_stub_interface_relation_info stub;
    EXPECT_EQ(stub.id + stub.component_id + stub.method_domain_id, 0);
    EXPECT_TRUE(stub.interface_name.empty() && stub.method_domain_name.empty() && stub.class_name.empty() &&
                stub.extra_text.empty());
    stub.id = 1;
    stub.component_id = 2;
    stub.method_domain_id = 3;
    stub.interface_name = "IWaypoint";
    stub.method_domain_name = "NavService";
    stub.class_name = "class_Waypoint";
    stub.extra_text = "extra";
    const class_stub_interface_relation_info copy(stub);
    EXPECT_EQ(copy.id, 1);
    EXPECT_EQ(copy.component_id, 2);
    EXPECT_EQ(copy.method_domain_id, 3);
    EXPECT_EQ(copy.interface_name, "IWaypoint");
    EXPECT_EQ(copy.method_domain_name, "NavService");
    EXPECT_EQ(copy.class_name, "class_Waypoint");
    EXPECT_EQ(copy.extra_text, "extra");
}

}  // namespace
