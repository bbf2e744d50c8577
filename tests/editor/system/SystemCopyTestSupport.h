#pragma once

// What the copy tests share: the system tree test's session, driver and pane on a design database of their own,
// and a small three-level system of the test's own.
//
//   port template T (ports 1-3), outside domain X (external port 1)
//   A  external port 1 (group 1); computer pc (ports of T, one IP row, component comp installed), sub-system
//      node sub_b standing for B, sub-system node sub_x standing for X; links pc:1 -> external port 1,
//      sub_b:1 -> pc:2, sub_x:1 -> pc:3; component comp with a proxy and a stub class, one object each
//   +- B  external port 1; computer pc_b (ports of T, IP 10.2.0.5 on port 1) linked to the external port 1
//   |  +- C  computer pc_c
//   +- E  empty

#include <map>
#include <string>
#include <vector>

#include "SystemTreeTestSupport.h"
#include "class_domain_info.h"

namespace systemcopy_test {

struct ThreeLevels {
    int t = 0, x = 0, a = 0, b = 0, c = 0, e = 0;
    int pc = 0, subB = 0, subX = 0, pcB = 0, pcC = 0;
    int comp = 0;
    std::string aName;
};

class SystemCopyTest : public systemtree_test::SystemTreeTest {
protected:
    SystemCopyTest() : SystemTreeTest("systemcopy") {}

    ThreeLevels BuildThreeLevels();
    // Every system domain as the dialogs list them, and the sub-tree of one of them as the move and copy dialog
    // hands it over (the domain under its upper id, every domain below under its parent's id, in tree order).
    std::multimap<int, class_domain_info> AllSystemDomains();
    std::multimap<int, class_domain_info> Snapshot(int domainId);
    // The id of the domain with the name directly under the parent; 0 when there is none.
    int DomainUnder(int parentId, const std::string& name);
    int NodeOf(int domainId, const std::string& name);
};

}  // namespace systemcopy_test
