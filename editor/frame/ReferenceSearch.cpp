#include "ReferenceSearch.h"

#include "CMysqlQuery.h"

CString FormatReferenceSearch(int treeKind, const CString& word) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    switch (treeKind) {
    case 0: return db->FormatCall("call select_search_data_name('%s')", word);
    case 1: return db->FormatCall("call select_search_method_name('%s')", word);
    case 2: return db->FormatCall("call select_search_system_name('%s')", word);
    default: return CString();
    }
}
