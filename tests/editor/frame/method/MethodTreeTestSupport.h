#pragma once

// What the method tree's tests share: the data tree's fixture (the editor's session logged in as admin to a
// design database with the sample, the test driver, the resources), and ways to set up method domains, methods
// and interfaces of a test's own through the procedures.

#include <string>
#include <vector>

#include "DataTreeTestSupport.h"

namespace methodtree_test {

// The sample's data domains that method domains use.
constexpr int kPos = 2;        // Pos: the structure 위치 and aliases
constexpr int kBasic = 3;      // 기본형: scalars and the enumerations 상태 (8), Mode16, Alarm32
constexpr int kNavService = 6;
constexpr int kPositionService = 7;  // 위치서비스: its interface I위치 is locked by the system Ship

class MethodTreeTest : public datatree_test::DataTreeTest {
protected:
    explicit MethodTreeTest(std::string database) : DataTreeTest(std::move(database)) {}

    // A method domain of the test's own below the parent that uses the data domains Pos and 기본형; its id.
    int NewMethodDomain(const std::string& name, int parentId = 0);
    // A method with the code (a number) and, optionally, input and output data.
    void NewMethod(int domainId, const std::string& name, const std::string& type, int code, int inDomain = 0,
                   const std::string& inData = "", int outDomain = 0, const std::string& outData = "");
    // An interface with the methods as its members, in this order.
    void NewInterface(int domainId, const std::string& name, const std::vector<std::string>& members = {});

    // The methods of the domain as "name code" lines, by code (what the server holds).
    std::vector<std::string> StoredMethods(int domainId) const;
    // The member methods of the interface in member order.
    std::vector<std::string> StoredMembers(int domainId, const std::string& interfaceName) const;
};

}  // namespace methodtree_test
