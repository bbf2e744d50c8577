#pragma once

// Copying a component's proxy or stub classes into another component, shared by the component copy and the
// system domain copy.

#include <vector>

#include "CMysqlQuery.h"
#include "SessionRecords.h"

namespace component_class_copy {

// Inserts a copy of every class that `listCall` lists with the call that `insertCall` formats for it, then
// calls `copied(old class id, new class id)`, which answers 0 or -1. Stops at the first failure: false when the
// list cannot be read or a class cannot be inserted (shown), or when `copied` failed.
template <class Relation, class InsertCall, class Copied>
bool CopyClasses(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&), const CString& listCall,
                 InsertCall insertCall, Copied copied) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<Relation> classes;
    if ((db->*load)(listCall, classes) != 0) {
        db->ShowLastError();
        return false;
    }
    for (const Relation& relation : classes) {
        const int newId = db->QueryNewId(insertCall(relation));
        if (newId == -1) {
            db->ShowLastError();
            return false;
        }
        if (copied(relation.id, newId) != 0) return false;
    }
    return true;
}

}  // namespace component_class_copy

// Copies every proxy class of component `fromId` into component `toId`, as CopyClasses does.
template <class Copied>
bool CopyProxyClasses(int fromId, int toId, Copied copied) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return component_class_copy::CopyClasses(
        &CMysqlQuery::SelectProxyInterfaceList, db->FormatCall("call proxyInterfaceViewList(%d)", fromId),
        [db, toId](const class_proxy_interface_relation_info& relation) {
            return db->FormatCall("call proxyInterfaceRalationViewNewInterface(%d, %d,'%s','%s')", toId,
                                  relation.method_domain_id, relation.interface_name, relation.class_name);
        },
        copied);
}

// Copies every stub class of component `fromId` into component `toId`, as CopyClasses does.
template <class Copied>
bool CopyStubClasses(int fromId, int toId, Copied copied) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return component_class_copy::CopyClasses(
        &CMysqlQuery::SelectStubInterfaceList, db->FormatCall("call stubInterfaceViewList(%d)", fromId),
        [db, toId](const class_stub_interface_relation_info& relation) {
            return db->FormatCall("call stubInterfaceRalationViewNewInterface(%d, %d,'%s','%s')", toId,
                                  relation.method_domain_id, relation.interface_name, relation.class_name);
        },
        copied);
}
