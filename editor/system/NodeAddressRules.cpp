#include "NodeAddressRules.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The four octets in their written order. The parser answers INADDR_NONE, all ones, for a text that is no
// address, so such a text reads as 255.255.255.255.
std::array<unsigned, 4> OctetsOf(const std::string& text) {
    const in_addr_t address = inet_addr(text.c_str());
    std::array<unsigned char, 4> bytes{};
    std::memcpy(bytes.data(), &address, bytes.size());
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

std::string PatternOctet(unsigned ip, unsigned mask) {
    const unsigned network = ip & mask;
    if (mask == 255) return std::to_string(network);
    if (mask == 0) return "X";
    std::string bits;
    for (int bit = 7; bit >= 0; --bit) {
        const unsigned flag = 1u << bit;
        bits += (mask & flag) ? ((network & flag) ? '1' : '0') : 'x';
    }
    return bits + "n";
}

}  // namespace

std::string ClassMaskOf(const std::string& ip) {
    const unsigned first = OctetsOf(ip)[0];
    if (first <= 127) return "255.0.0.0";
    if (first <= 191) return "255.255.0.0";
    if (first <= 254) return "255.255.255.0";
    return "0.0.0.0";
}

std::string NetworkPatternOf(const std::string& ip, const std::string& mask) {
    const std::array<unsigned, 4> address = OctetsOf(ip);
    const std::array<unsigned, 4> bits = OctetsOf(mask);
    std::string pattern;
    for (size_t i = 0; i < address.size(); ++i) {
        if (i > 0) pattern += '.';
        pattern += PatternOctet(address[i], bits[i]);
    }
    return pattern;
}

void SortByPortText(std::vector<class_network_info>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const class_network_info& a, const class_network_info& b) { return a.port < b.port; });
}

std::string FormatOverlapIpReport(const std::vector<class_network_info>& rows) {
    std::string report;
    for (const class_network_info& row : rows)
        report += "Node 명 : " + row.node_name + " / Port : " + row.port + " / IP : " + row.ip + " / Mask : " +
                  row.mask + "\n";
    return report;
}
