// The copy of a whole system domain against the server: what is copied in which order, which references are
// remapped into the copy, how failures are shown and skipped, and a copy of the sample's Ship exported by
// quorrin next to the original.

#include <regex>

#include "DesignFixture.h"
#include "ExportFiles.h"
#include "Golden.h"
#include "SystemCopyTestSupport.h"
#include "class_copy_system_domain_data.h"

using systemcopy_test::ThreeLevels;
using Rows = std::vector<std::string>;

namespace {

class SystemDomainCopyTest : public systemcopy_test::SystemCopyTest {
protected:
    // The four steps, in the order the command runs them; answers the domain id map.
    class_copy_system_domain_data::DomainIdMap CopyInto(const class_copy_system_domain_data::DomainSnapshot& snapshot,
                                                        int destinationId) {
        class_copy_system_domain_data::DomainIdMap ids;
        class_copy_system_domain_data copier;
        const int upperId = snapshot.empty() ? 0 : snapshot.begin()->first;
        copier.copy_domain(snapshot, upperId, destinationId, ids);
        copier.copy_ports(ids);
        copier.copy_components(ids);
        copier.copy_network(ids);
        return ids;
    }

    std::string Id(int id) { return std::to_string(id); }
    Rows Ports(int domainId) {
        Rows rows = AdminRows("SELECT CONCAT_WS('|', port_num, port_group, description) FROM domain_system_port "
                              "WHERE domain_id = " + Id(domainId) + " ORDER BY port_num");
        for (const std::string& group : AdminRows("SELECT port_group FROM domain_logical_port WHERE domain_id = " +
                                                  Id(domainId) + " ORDER BY port_group"))
            rows.push_back("group " + group);
        return rows;
    }
    Rows Classes(int domainId) {
        return AdminRows("SELECT CONCAT_WS('|', c.name, k.kind, k.method_domain_id, k.interface_name, k.class_name, "
                         "o.object_name) FROM component c JOIN component_class k ON k.component_id = c.id "
                         "JOIN class_object o ON o.class_id = k.id AND o.component_id = c.id "
                         "WHERE c.systemdomain_id = " + Id(domainId) + " ORDER BY c.name, k.kind, o.object_name");
    }
    Rows Nodes(int domainId) {
        return AdminRows("SELECT CONCAT_WS('|', name, type, COALESCE(sub_system_domain_id, 0)) FROM node "
                         "WHERE domain_id = " + Id(domainId) + " ORDER BY name");
    }
    Rows Addresses(int nodeId) {
        return AdminRows("SELECT CONCAT_WS('|', ip, mask, pattern, gateway, dns, port, description) FROM node_ip "
                         "WHERE node_id = " + Id(nodeId) + " ORDER BY id");
    }
    // The links of a domain by node names; "external" stands for an external port of the domain itself.
    Rows Links(int domainId) {
        return AdminRows("SELECT CONCAT_WS('|', s.name, l.s_port, IF(l.d_domain_id = l.domain_id, 'external', "
                         "COALESCE(d.name, l.d_domain_id)), l.d_port) FROM network_link l "
                         "JOIN node s ON s.id = l.s_node_id LEFT JOIN node d ON d.id = l.d_node_id "
                         "WHERE l.domain_id = " + Id(domainId) + " ORDER BY s.name, l.s_port");
    }
    Rows InstalledComponents(int nodeId) {
        return AdminRows("SELECT c.name FROM deployment dp JOIN component c ON c.id = dp.component_id "
                         "WHERE dp.source_deployment_id IS NULL AND dp.node_id = " + Id(nodeId) + " ORDER BY c.name");
    }
};

TEST_F(SystemDomainCopyTest, ACopyHoldsEverythingAndRefersToCopiesInsideTheSubTreeOnly) {
    const ThreeLevels s = BuildThreeLevels();
    const int destination = NewSystemDomain(UniqueName("_D"));
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(s.a), destination);
    EXPECT_EQ(BoxTexts(), Rows{});

    // Depth first: a domain's sub-tree is created before its next sibling.
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_LT(ids[s.a], ids[s.b]);
    EXPECT_LT(ids[s.b], ids[s.c]);
    EXPECT_LT(ids[s.c], ids[s.e]);
    EXPECT_EQ(DomainUnder(destination, s.aName), ids[s.a]);
    EXPECT_EQ(DomainUnder(ids[s.a], "B"), ids[s.b]);
    EXPECT_EQ(DomainUnder(ids[s.b], "C"), ids[s.c]);
    EXPECT_EQ(DomainUnder(ids[s.a], "E"), ids[s.e]);
    EXPECT_EQ(AdminValue("SELECT CONCAT_WS('|', public, standard_port, description) FROM domain WHERE id = " +
                         Id(ids[s.a])),
              "1|0|test");

    for (int old : {s.a, s.b}) EXPECT_EQ(Ports(ids[old]), Ports(old));
    EXPECT_EQ(Ports(ids[s.a]).size(), 2u);
    EXPECT_EQ(Classes(ids[s.a]), Classes(s.a));
    EXPECT_EQ(Classes(ids[s.a]).size(), 2u);

    // sub_b stands for the copy of B; sub_x keeps X, which lies outside.
    EXPECT_EQ(Nodes(ids[s.a]), (Rows{"pc|computer|" + Id(s.t), "sub_b|sub_system|" + Id(ids[s.b]),
                                     "sub_x|sub_system|" + Id(s.x)}));
    const int pc = NodeOf(ids[s.a], "pc"), subB = NodeOf(ids[s.a], "sub_b"), subX = NodeOf(ids[s.a], "sub_x");
    EXPECT_EQ(Addresses(pc), Addresses(s.pc));
    EXPECT_EQ(Addresses(NodeOf(ids[s.b], "pc_b")), Addresses(s.pcB));
    // A sub-system node takes no IP rows of the source; select_network gives it those of its domain's
    // external links (pc_b's copy in B's copy).
    EXPECT_EQ(AdminRows("SELECT ip FROM node_ip WHERE node_id = " + Id(subB)), Rows{"10.2.0.5"});
    EXPECT_EQ(AdminRows("SELECT ip FROM node_ip WHERE node_id = " + Id(subX)), Rows{});
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM node_port WHERE node_id = " + Id(pc)),
              AdminValue("SELECT COUNT(*) FROM node_port WHERE node_id = " + Id(s.pc)));

    // The component installed on pc is the copy of comp, with its entries; sub-system nodes get no deployments.
    EXPECT_EQ(InstalledComponents(pc), Rows{"comp"});
    EXPECT_EQ(AdminValue("SELECT dp.component_id FROM deployment dp WHERE dp.node_id = " + Id(pc)),
              AdminValue("SELECT id FROM component WHERE systemdomain_id = " + Id(ids[s.a])));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM custom_entry e JOIN deployment dp ON dp.id = e.deployment_id "
                         "WHERE dp.node_id = " + Id(pc)),
              "2");
    EXPECT_EQ(InstalledComponents(subB), Rows{});
    EXPECT_EQ(InstalledComponents(subX), Rows{});

    EXPECT_EQ(Links(ids[s.a]), Links(s.a));
    EXPECT_EQ(Links(ids[s.a]), (Rows{"pc|1|external|1", "sub_b|1|pc|2", "sub_x|1|pc|3"}));
    EXPECT_EQ(Links(ids[s.b]), Links(s.b));
}

TEST_F(SystemDomainCopyTest, FailuresAreShownAndSkippedAndTheCopyGoesOn) {
    const ThreeLevels s = BuildThreeLevels();
    // An older design may hold a component name that the server no longer lets in.
    const int bad = NewComponent(s.a, "bad");
    Install(s.pc, bad, s.a);
    AdminRows("UPDATE component SET name = 'bad/name' WHERE id = " + Id(bad));
    class_copy_system_domain_data::DomainSnapshot snapshot = Snapshot(s.a);
    for (auto& [upperId, domain] : snapshot)
        if (domain.id == s.b) domain.name = "B/refused";

    driver.SetDefaultMessageBoxAnswer(IDOK);
    // Into a sub-domain of X: sub_x's copy would stand for a domain that holds it, which the server refuses.
    const int destination = NewSystemDomain("inside", s.x);
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(snapshot, destination);

    const Rows boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 4u) << ::testing::PrintToString(boxes);
    EXPECT_EQ(boxes[3], "node id 정보를 찾지 못했습니다.");
    // B and everything below it are left out; E is copied all the same.
    EXPECT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids.count(s.b) + ids.count(s.c), 0u);
    EXPECT_EQ(DomainUnder(ids[s.a], "E"), ids[s.e]);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE name = 'C' AND upper_id IN (SELECT id FROM domain "
                         "WHERE upper_id = " + Id(ids[s.a]) + ")"),
              "0");
    // sub_b now stands for the original B (outside what was copied); sub_x was refused and its link is left
    // out instead of pointing at no node; the refused component is not installed.
    EXPECT_EQ(Nodes(ids[s.a]), (Rows{"pc|computer|" + Id(s.t), "sub_b|sub_system|" + Id(s.b)}));
    EXPECT_EQ(Links(ids[s.a]), (Rows{"pc|1|external|1", "sub_b|1|pc|2"}));
    EXPECT_EQ(InstalledComponents(NodeOf(ids[s.a], "pc")), Rows{"comp"});
}

TEST_F(SystemDomainCopyTest, ACopyIntoItsOwnSubDomainCopiesTheSnapshotOnceAndAMoveIsRefused) {
    const ThreeLevels s = BuildThreeLevels();
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(s.a), s.c);
    EXPECT_EQ(BoxTexts(), Rows{});
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(DomainUnder(s.c, s.aName), ids[s.a]);
    EXPECT_EQ(DomainUnder(ids[s.c], s.aName), 0);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE kind = 'system' AND name = " +
                         datatree_test::SqlText(s.aName)),
              "2");

    // A move there is one call, which the server refuses; the failure is shown and reported.
    class_domain_info a, c;
    a.id = s.a;
    c.id = s.c;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(class_copy_system_domain_data().relink_upper_domain(c, a), -1);
    EXPECT_EQ(BoxTexts(), Rows{"도메인을 자기 자신이나 자신의 하위 도메인 아래로 옮길 수 없습니다."});
    EXPECT_EQ(AdminValue("SELECT upper_id FROM domain WHERE id = " + Id(s.a)), "0");
}

// ---- Acceptance: the sample's Ship and its copy, exported ------------------------------------------------

// What may differ between the export of a system domain and the export of its copy, masked the same way in
// both documents:
// - ids that the server gives: the node ids of the links (s_node_id, d_node_id) and the number at the end of a
//   process's component (its system domain's path followed by the component id); port numbers and object ids
//   are copied and must match;
// - the domain's path: the copy's path begins with the path of the domain it was copied into, which is cut
//   off ("Fleet::Ship::조타실" reads "Ship::조타실");
// - dates: every date and time, as in the golden files.
std::string Masked(const std::string& document, const std::string& copiedIntoPath) {
    std::string text = tamo::exporters::testing::WithoutTimes(document);
    if (!copiedIntoPath.empty()) {
        const std::string prefix = ">" + copiedIntoPath + "::";
        for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1))
            text.replace(at, prefix.size(), ">");
    }
    static const std::regex ids(R"(<([sd]_node_id)>[0-9]+</\1>)");
    text = std::regex_replace(text, ids, "<$1>N</$1>");
    static const std::regex componentId(R"((<component>[^<]*?)[0-9]+</component>)");
    return std::regex_replace(text, componentId, "$1N</component>");
}

TEST_F(SystemDomainCopyTest, TheCopyOfShipExportsLikeShipButForIdsPathAndDates) {
    const int ship = 9;
    const std::string fleet = UniqueName("Fleet");
    const int destination = NewSystemDomain(fleet);
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(ship), destination);
    EXPECT_EQ(BoxTexts(), Rows{});
    ASSERT_NE(ids.count(ship), 0u);

    tamo::exporters::testing::ScratchFolder folder;
    auto exportSystem = [&](int id, const std::string& file) {
        const auto run = tamo::exporters::testing::RunTool(
            "quorrin", tamo::exporters::testing::ExporterArguments(m_server, "admin", "admin", Id(id), file));
        EXPECT_EQ(run.exit_code, 0) << run.output;
        return tamo::exporters::testing::ReadFile(file);
    };
    const std::string original = exportSystem(ship, folder.file("ship.xml"));
    const std::string copy = exportSystem(ids[ship], folder.file("copy.xml"));
    ASSERT_FALSE(original.empty());
    EXPECT_NE(copy.find("<path>" + fleet + "::Ship</path>"), std::string::npos);
    EXPECT_EQ(Masked(copy, fleet), Masked(original, ""));
}

}  // namespace
