#include "DomainCommands.h"

#include <ctime>
#include <set>

#include "CMysqlQuery.h"
#include "CNewDomainDlg.h"
#include "CSearchDomainDlg.h"
#include "CUserViewDlg.h"

namespace {

std::string CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    CString text;
    text.Format("%4d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min, local.tm_sec);
    return text.str();
}

std::set<int> DomainIds(const std::vector<class_domain_info>& domains) {
    std::set<int> ids;
    for (const class_domain_info& domain : domains) ids.insert(domain.id);
    return ids;
}

// Sends the difference between the previous links and the ticked domains; 0, or -1 at the first refusal.
int ApplyLinkDifference(int domainId, const std::set<int>& previous, const std::vector<class_domain_info>& ticked,
                        int flag) {
    std::vector<int> chosen;
    std::set<int> chosenIds;
    for (const class_domain_info& domain : ticked)
        if (domain.id != domainId && chosenIds.insert(domain.id).second) chosen.push_back(domain.id);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (int linked : previous) {
        if (chosenIds.count(linked) != 0) continue;
        if (db->ExecuteProc(db->FormatCall("call domainViewDeleteParentDomain(%d, 'data', %d, %d)", domainId, linked,
                                           flag)) != 0)
            return -1;
    }
    for (int linked : chosen) {
        if (previous.count(linked) != 0) continue;
        if (db->ExecuteProc(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, %d)", domainId, linked,
                                           flag)) != 0)
            return -1;
    }
    return 0;
}

}  // namespace

int NewDomainThroughDialog(const std::string& kind, int parentId, CWnd* owner) {
    CNewDomainDlg dialog(owner);
    dialog.m_nParentDomainId = parentId;
    dialog.m_strKind = kind;
    dialog.m_strPort = kind == "method" ? "" : "false";
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int port = kind == "method" ? string_to_int(dialog.m_strPort) : 0;
    const int newId = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", kind,
                                                    parentId, dialog.m_strName, port, dialog.m_bPublic ? "1" : "0",
                                                    dialog.m_strDescription));
    if (newId == -1) db->ShowLastError();
    return newId;
}

int EditDomainThroughDialog(const std::string& kind, class_domain_info& domain) {
    const bool hasPort = kind == "method";
    CNewDomainDlg dialog;
    dialog.m_nDomainId = domain.id;
    dialog.m_nParentDomainId = domain.upper_id;
    dialog.m_strName = domain.name;
    dialog.m_bPublic = domain.is_public == 1;
    dialog.m_strDescription = domain.description;
    dialog.m_strKind = kind;
    if (hasPort) dialog.m_strPort.Format("%d", domain.standard_port);
    if (dialog.DoModal() != IDOK) return -1;
    const int port = hasPort ? string_to_int(dialog.m_strPort) : 0;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewEditDomain(%d,'%s','%s', %d,'%s','%s')", domain.id, kind,
                                         dialog.m_strName, port, dialog.m_bPublic ? "1" : "0",
                                         dialog.m_strDescription)) != 0) {
        db->ShowLastError();
        return -1;
    }
    domain.last_update = CurrentLocalTime();
    domain.name = dialog.m_strName.str();
    domain.is_public = dialog.m_bPublic ? 1 : 0;
    if (hasPort) domain.standard_port = static_cast<uint16_t>(port);
    domain.description = dialog.m_strDescription.str();
    return 0;
}

int EditDataDomainLinks(int domainId, const CString& linksCall, int flag, std::vector<class_domain_info>& ticked) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), dialog.m_mapDomainList) !=
            0 ||
        db->SelectDataDomainList(linksCall, "data", dialog.m_vecSelection) != 0) {
        db->ShowLastError();
        return -1;
    }
    const std::set<int> previous = DomainIds(dialog.m_vecSelection);
    int result = dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
    if (result == IDOK) {
        ticked = dialog.m_vecSelection;
        if (ApplyLinkDifference(domainId, previous, ticked, flag) != 0) {
            db->ShowLastError();
            result = -1;
        }
    }
    dialog.DeleteOwnedItems();
    return result;
}

int DeleteDomainOfKind(const std::string& kind, const class_domain_info& domain) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewDeleteDomain(%d,'%s')", domain.id, kind)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

void ShowDomainAccountsOfKind(const std::string& kind, class_domain_info& domain) {
    CUserViewDlg dialog;
    dialog.m_strKind = kind.c_str();
    dialog.m_pDomain = &domain;
    dialog.DoModal();
}
