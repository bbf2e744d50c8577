#pragma once

// The member-method record of the proxy and stub generators, filled from one row of the member-method list of
// an interface, and the ordered map that holds the member methods of an interface and of all its ancestors.

#include <map>
#include <string>
#include <utility>

class class_InterfaceInfo {
public:
    class_InterfaceInfo() = default;
    class_InterfaceInfo(const class_InterfaceInfo&) = default;
    class_InterfaceInfo& operator=(const class_InterfaceInfo&) = default;
    virtual ~class_InterfaceInfo() = default;

    // Sets all fifteen texts to empty.
    void Clear();

    std::string domain_path;      // 0: name-space path of the method's domain, as the server gives it
    std::string spare1;           // 1-3: not filled
    std::string spare2;
    std::string spare3;
    std::string method_name;      // 4
    std::string method_type;      // 5: method type keyword
    std::string code;             // 6: decimal text
    std::string in_domain_id;     // 7
    std::string in_domain_name;   // 8: may be "NULL" or empty
    std::string in_data_name;     // 9: may be "NULL" or empty
    std::string out_domain_id;    // 10
    std::string out_domain_name;  // 11
    std::string out_data_name;    // 12
    std::string user_id;          // 13: the writer
    std::string description;      // 14
    int method_domain_id = 0;     // column 12 of the list; no generator reads it
};

// Keyed by (domain path, code as text), compared as texts: "10" sorts before "9". The first row of a key stays.
using InterfaceInfoKey = std::pair<std::string, std::string>;
using InterfaceInfoMap = std::map<InterfaceInfoKey, class_InterfaceInfo>;
