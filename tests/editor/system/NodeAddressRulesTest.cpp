#include <gtest/gtest.h>

#include "NodeAddressRules.h"

namespace {

struct MaskCase {
    const char* ip;
    const char* mask;
};

TEST(NodeAddressRules, TheAddressClassGivesTheMask) {
    const MaskCase cases[] = {
        {"10.1.2.3", "255.0.0.0"},       {"127.0.0.1", "255.0.0.0"},        {"128.0.0.1", "255.255.0.0"},
        {"172.16.0.5", "255.255.0.0"},   {"191.255.9.9", "255.255.0.0"},    {"192.168.1.10", "255.255.255.0"},
        {"254.1.1.1", "255.255.255.0"},  {"255.1.1.1", "0.0.0.0"},          {"not an address", "0.0.0.0"},
        {"300.1.1.1", "0.0.0.0"},
    };
    for (const MaskCase& c : cases) EXPECT_EQ(ClassMaskOf(c.ip), c.mask) << c.ip;
}

struct PatternCase {
    const char* ip;
    const char* mask;
    const char* pattern;
};

TEST(NodeAddressRules, TheMaskGivesTheNetworkPattern) {
    const PatternCase cases[] = {
        {"172.16.0.5", "255.255.0.0", "172.16.X.X"},
        {"192.168.1.10", "255.255.255.0", "192.168.1.X"},
        {"10.1.2.3", "255.255.240.0", "10.1.0000xxxxn.X"},
        {"10.1.130.3", "255.255.192.0", "10.1.10xxxxxxn.X"},
        {"10.200.7.9", "255.254.0.0", "10.1100100xn.X.X"},
        {"1.2.3.4", "255.255.255.255", "1.2.3.4"},
        {"1.2.3.4", "0.0.0.0", "X.X.X.X"},
    };
    for (const PatternCase& c : cases) EXPECT_EQ(NetworkPatternOf(c.ip, c.mask), c.pattern) << c.ip << " " << c.mask;
}

TEST(NodeAddressRules, RowsFollowTheirPortTextByteByByte) {
    std::vector<class_network_info> rows(4);
    rows[0].port = '2';
    rows[1].port = "10";
    rows[2].port = '1';
    rows[3].port = "10";
    rows[1].ip = "first ten";
    rows[3].ip = "second ten";
    SortByPortText(rows);
    EXPECT_EQ(rows[0].port, "1");
    EXPECT_EQ(rows[1].ip, "first ten");
    EXPECT_EQ(rows[2].ip, "second ten");
    EXPECT_EQ(rows[3].port, "2");
}

TEST(NodeAddressRules, TheDuplicateReportHasOneLinePerRow) {
    std::vector<class_network_info> rows(2);
    rows[0].node_name = "항해 컴퓨터";
    rows[0].port = '1';
    rows[0].ip = "192.168.1.10";
    rows[0].mask = "255.255.255.0";
    rows[1].node_name = 'B';
    rows[1].port = '3';
    rows[1].ip = "192.168.1.10";
    rows[1].mask = "255.255.0.0";
    EXPECT_EQ(FormatOverlapIpReport(rows),
              "Node 명 : 항해 컴퓨터 / Port : 1 / IP : 192.168.1.10 / Mask : 255.255.255.0\n"
              "Node 명 : B / Port : 3 / IP : 192.168.1.10 / Mask : 255.255.0.0\n");
    EXPECT_EQ(FormatOverlapIpReport({}), "");
}

}  // namespace
