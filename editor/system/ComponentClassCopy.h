#pragma once

// Copying a component's proxy or stub classes into another component, shared by the component copy and the
// system domain copy.

#include <vector>

#include "CMysqlQuery.h"
#include "SessionRecords.h"

// Inserts a copy of every class of a class list with the call that `insertCall` formats for it, then calls
// `copied(old class id, new class id)`. False when the list cannot be read (shown); a class that cannot be
// inserted is shown and skipped.
template <class Relation, class InsertCall, class Copied>
bool CopyComponentClasses(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&), const CString& listCall,
                          InsertCall insertCall, Copied copied) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<Relation> classes;
    if ((db->*load)(listCall, classes) != 0) {
        db->ShowLastError();
        return false;
    }
    for (const Relation& relation : classes) {
        const int newId = db->QueryNewId(insertCall(relation));
        if (newId == -1)
            db->ShowLastError();
        else
            copied(relation.id, newId);
    }
    return true;
}

// The calls that insert a copy of a class into the component.
inline CString NewProxyClassCall(int componentId, const class_proxy_interface_relation_info& relation) {
    return CMysqlQuery::GetInstance()->FormatCall("call proxyInterfaceRalationViewNewInterface(%d, %d,'%s','%s')",
                                                  componentId, relation.method_domain_id, relation.interface_name,
                                                  relation.class_name);
}

inline CString NewStubClassCall(int componentId, const class_stub_interface_relation_info& relation) {
    return CMysqlQuery::GetInstance()->FormatCall("call stubInterfaceRalationViewNewInterface(%d, %d,'%s','%s')",
                                                  componentId, relation.method_domain_id, relation.interface_name,
                                                  relation.class_name);
}
