#include "MethodTreeTestSupport.h"

namespace methodtree_test {

int MethodTreeTest::NewMethodDomain(const std::string& name, int parentId) {
    const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "method",
                                                 parentId, name, 0, "1", "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    for (int dataDomain : {kPos, kBasic})
        Call(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, 1)", id, dataDomain));
    return id;
}

void MethodTreeTest::NewMethod(int domainId, const std::string& name, const std::string& type, int code, int inDomain,
                               const std::string& inData, int outDomain, const std::string& outData) {
    Call(db->FormatCall("call methodViewNewMethod(%d,'%s','%u','%s',%d,'%s',%d,'%s','%s')", domainId, type,
                        static_cast<unsigned>(code), name, inDomain, inData, outDomain, outData, ""));
}

void MethodTreeTest::NewInterface(int domainId, const std::string& name, const std::vector<std::string>& members) {
    Call(db->FormatCall("call interfaceViewNewInterface('%d','method','%s','%s')", domainId, name, ""));
    for (const std::string& member : members)
        Call(db->FormatCall("call interfaceViewNewMemberMethod(%d,'%s',%d,'%s','%s')", domainId, name, domainId,
                            member, ""));
}

std::vector<std::string> MethodTreeTest::StoredMethods(int domainId) const {
    return AdminRows("SELECT CONCAT(name, ' ', code) FROM method WHERE domain_id = " + std::to_string(domainId) +
                     " ORDER BY code");
}

std::vector<std::string> MethodTreeTest::StoredMembers(int domainId, const std::string& interfaceName) const {
    return AdminRows("SELECT m.name FROM method_interface i JOIN interface_member x ON x.interface_id = i.id "
                     "JOIN method m ON m.id = x.method_id WHERE i.domain_id = " + std::to_string(domainId) +
                     " AND i.name = " + datatree_test::SqlText(interfaceName) + " ORDER BY x.seq");
}

}  // namespace methodtree_test
