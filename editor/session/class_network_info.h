#pragma once

#include <string>

// An IP setting of a node; also the rows of the IP overlap check, the deployment bindings and the switch
// connections (each list fills its own subset).
class class_network_info {
public:
    class_network_info() = default;
    class_network_info(const class_network_info&) = default;
    class_network_info& operator=(const class_network_info&) = default;
    virtual ~class_network_info() = default;

    std::string node_name;    // column 6 of the network list, column 0 of the overlap check
    int id = 0;               // deployment id of the binding list ("배치ID"), linked node id of the switch list
    std::string ip;           // dotted form ("IP주소")
    std::string mask;         // "Mask"
    std::string network;      // column 10 of the network list, column 4 of the switch list
    std::string gateway;      // "Gateway"
    std::string dns;          // "DNS"
    std::string port;         // "Port"
    std::string description;  // "설명"
    std::string link_info;    // columns 7, 8 and 9 of the network list joined by " / "
};
