#include "SystemCopyTestSupport.h"

#include <functional>

namespace systemcopy_test {

ThreeLevels SystemCopyTest::BuildThreeLevels() {
    ThreeLevels s;
    s.aName = UniqueName("_A");
    s.t = NewSystemDomain(UniqueName("_T"));
    for (int port = 1; port <= 3; ++port) {
        Call(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", s.t, port));
        Call(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", s.t, port, port, "LAN"));
    }
    s.x = NewSystemDomain(UniqueName("_X"));
    s.a = NewSystemDomain(s.aName);
    s.b = NewSystemDomain("B", s.a);
    s.c = NewSystemDomain("C", s.b);
    s.e = NewSystemDomain("E", s.a);
    for (int domain : {s.x, s.a, s.b}) {
        Call(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", domain, 1));
        Call(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", domain, 1, 1, "외부 'LAN'"));
    }
    s.pc = NewNode(s.a, "pc", "computer", s.t);
    s.subB = NewNode(s.a, "sub_b", "sub_system", s.b);
    s.subX = NewNode(s.a, "sub_x", "sub_system", s.x);
    s.pcB = NewNode(s.b, "pc_b", "computer", s.t);
    s.pcC = NewNode(s.c, "pc_c", "computer", s.t);
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", s.pc, "10.1.0.5",
                        "255.255.0.0", "10.1.X.X", "10.1.0.1", "0.0.0.0", "1", "A LAN"));
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", s.pcB, "10.2.0.5",
                        "255.255.0.0", "10.2.X.X", "10.2.0.1", "0.0.0.0", "1", "B LAN"));
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", s.pc, 0, 1, 0, s.a, 1));
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", s.pcB, 0, 1, 0, s.b, 1));
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", s.subB, s.b, 1, s.pc, 0, 2));
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", s.subX, s.x, 1, s.pc, 0, 3));
    EXPECT_EQ(db->Execute(db->FormatCall("call select_network(%d)", s.subB)), 0) << db->GetLastErrorText();
    s.comp = NewComponent(s.a, "comp");
    NewClassObject("proxy", s.a, s.comp, "IWaypoint", "class_wp", "o1");
    NewClassObject("stub", s.a, s.comp, "IHeartbeat", "class_hb", "s1");
    Install(s.pc, s.comp, s.a);
    return s;
}

std::multimap<int, class_domain_info> SystemCopyTest::AllSystemDomains() {
    std::multimap<int, class_domain_info> domains;
    EXPECT_EQ(db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','system')"), domains), 0);
    return domains;
}

std::multimap<int, class_domain_info> SystemCopyTest::Snapshot(int domainId) {
    const std::multimap<int, class_domain_info> all = AllSystemDomains();
    std::multimap<int, class_domain_info> snapshot;
    std::function<void(int)> below = [&](int parentId) {
        const auto range = all.equal_range(parentId);
        for (auto entry = range.first; entry != range.second; ++entry) {
            snapshot.emplace(parentId, entry->second);
            below(entry->second.id);
        }
    };
    for (const auto& [upperId, domain] : all)
        if (domain.id == domainId) {
            snapshot.emplace(upperId, domain);
            below(domainId);
        }
    return snapshot;
}

int SystemCopyTest::DomainUnder(int parentId, const std::string& name) {
    const std::string id = AdminValue("SELECT id FROM domain WHERE kind = 'system' AND upper_id = " +
                                      std::to_string(parentId) + " AND name = " + datatree_test::SqlText(name));
    return id.empty() ? 0 : std::stoi(id);
}

int SystemCopyTest::NodeOf(int domainId, const std::string& name) {
    const std::string id = AdminValue("SELECT id FROM node WHERE domain_id = " + std::to_string(domainId) +
                                      " AND name = " + datatree_test::SqlText(name));
    return id.empty() ? 0 : std::stoi(id);
}

}  // namespace systemcopy_test
