#pragma once

// The address rules of the node IP dialog, without windows: the subnet mask that an address class implies,
// the network pattern of an address under a mask, the order of a node's IP rows and the text of the
// duplicate-address report.

#include <string>
#include <vector>

#include "class_network_info.h"

// The mask of the address class of the first octet, as the dotted-address parser reads it: "255.0.0.0" for
// 0-127, "255.255.0.0" for 128-191, "255.255.255.0" for 192-254, and "0.0.0.0" for 255, which is also what a
// text that is no address gives.
std::string ClassMaskOf(const std::string& ip);

// Octet by octet: the network octet (IP AND mask) in decimal under a mask octet of 255, "X" under 0, and
// otherwise eight characters from the highest bit down ("0"/"1" where the mask bit is set, "x" where it is
// clear) followed by "n"; joined by ".". 10.1.2.3 under 255.255.240.0 gives "10.1.0000xxxxn.X".
std::string NetworkPatternOf(const std::string& ip, const std::string& mask);

// Sorts the rows by their port text in byte order ("1", "10", "2"); rows of equal port keep their order.
void SortByPortText(std::vector<class_network_info>& rows);

// One line per clashing row: "Node 명 : " name " / Port : " port " / IP : " ip " / Mask : " mask "\n".
std::string FormatOverlapIpReport(const std::vector<class_network_info>& rows);
