#include "CTreeDataDomainControl.h"

#include <ctime>
#include <set>

#include "CMysqlQuery.h"
#include "CNewDomainDlg.h"
#include "CNewMetadataDlg.h"
#include "CSearchDomainDlg.h"
#include "CUserViewDlg.h"
#include "class_copy_data_dialog.h"

CTreeDataDomainControl* g_pTreeDataDomainControl = nullptr;

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

}  // namespace

int CTreeDataDomainControl::NewDomain(class_domain_info* parent) {
    CNewDomainDlg dialog;
    dialog.m_nParentDomainId = parent->id;
    dialog.m_strKind = "data";
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int newId = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data",
                                                    parent->id, dialog.m_strName, 0, dialog.m_bPublic ? "1" : "0",
                                                    dialog.m_strDescription));
    if (newId == -1) db->ShowLastError();
    return newId;
}

int CTreeDataDomainControl::EditDomain(class_domain_info* domain) {
    CNewDomainDlg dialog;
    dialog.m_nDomainId = domain->id;
    dialog.m_nParentDomainId = domain->upper_id;
    dialog.m_strName = domain->name;
    dialog.m_bPublic = domain->is_public == 1;
    dialog.m_strDescription = domain->description;
    dialog.m_strKind = "data";
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewEditDomain(%d,'%s','%s', %d,'%s','%s')", domain->id, "data",
                                         dialog.m_strName, 0, dialog.m_bPublic ? "1" : "0",
                                         dialog.m_strDescription)) != 0) {
        db->ShowLastError();
        return -1;
    }
    domain->name = dialog.m_strName.str();
    domain->last_update = CurrentLocalTime();
    domain->is_public = dialog.m_bPublic ? 1 : 0;
    domain->description = dialog.m_strDescription.str();
    return 0;
}

int CTreeDataDomainControl::DeleteDomain(class_domain_info* domain) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewDeleteDomain(%d,'data')", domain->id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeDataDomainControl::NewMetadata(int domainId, CString& name) {
    CNewMetadataDlg dialog;
    dialog.m_nEditMode = 0;
    dialog.m_nDomainId = domainId;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domainId,
                                       dialog.m_strName, dialog.m_strType, dialog.m_nRealDataId, dialog.m_strMin,
                                       dialog.m_strMax, dialog.m_strDescription)) != 0) {
        db->ShowLastError();
        return -1;
    }
    name = dialog.m_strName;
    return 0;
}

int CTreeDataDomainControl::EditMetadata(class_metadata_info* data) {
    CNewMetadataDlg dialog;
    dialog.m_nEditMode = 1;
    dialog.m_nDomainId = data->domain_id;
    dialog.m_strName = data->name;
    dialog.m_strType = data->type;
    dialog.m_strRealDomain = data->real_domain_name;
    dialog.m_strRealData = data->real_data;
    dialog.m_strMin = data->scmin;
    dialog.m_strMax = data->scmax;
    dialog.m_strDescription = data->description;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')",
                                       data->domain_id, data->name, dialog.m_strName, dialog.m_strType,
                                       dialog.m_nRealDataId, dialog.m_strMin, dialog.m_strMax,
                                       dialog.m_strDescription)) != 0) {
        db->ShowLastError();
        return -1;
    }
    data->name = dialog.m_strName.str();
    data->type = dialog.m_strType.str();
    data->real_data_id = dialog.m_nRealDataId;
    // The id of the chosen entry, not a number read out of the domain's name.
    data->real_domain_id = dialog.m_nRealDomainId;
    data->real_domain_name = dialog.m_strRealDomain.str();
    data->real_data = dialog.m_strRealData.str();
    data->scmin = dialog.m_strMin.str();
    data->scmax = dialog.m_strMax.str();
    data->description = dialog.m_strDescription.str();
    return 0;
}

int CTreeDataDomainControl::DeleteMetadata(class_metadata_info* data) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewDeleteMetadata(%d,'%s')", data->domain_id, data->name)) !=
        0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeDataDomainControl::EditParentDomains(int domainId) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = "data";
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), dialog.m_mapDomainList) !=
            0 ||
        db->SelectDataDomainList(db->FormatCall("call inheritance_data_dataViewDomainList(%d)", domainId), "data",
                                 dialog.m_vecSelection) != 0) {
        db->ShowLastError();
        return -1;
    }
    const std::set<int> previous = DomainIds(dialog.m_vecSelection);
    int result = 0;
    if (dialog.DoModal() == IDOK) {
        // The ticked parents in tree order, each once and without the domain itself.
        std::vector<int> chosen;
        std::set<int> chosenIds;
        for (const class_domain_info& domain : dialog.m_vecSelection)
            if (domain.id != domainId && chosenIds.insert(domain.id).second) chosen.push_back(domain.id);
        // Only the difference is sent, so a refusal halfway loses no link that was meant to stay.
        for (int parentId : previous) {
            if (chosenIds.count(parentId) != 0) continue;
            if (db->ExecuteProc(db->FormatCall("call domainViewDeleteParentDomain(%d, 'data', %d, 0)", domainId,
                                               parentId)) != 0) {
                result = -1;
                break;
            }
        }
        for (auto parent = chosen.begin(); result == 0 && parent != chosen.end(); ++parent) {
            if (previous.count(*parent) != 0) continue;
            if (db->ExecuteProc(db->FormatCall("call domainViewNewParentDomain(%d,'data', %d, 0)", domainId,
                                               *parent)) != 0)
                result = -1;
        }
        if (result != 0) db->ShowLastError();
    }
    dialog.DeleteOwnedItems();
    return result;
}

void CTreeDataDomainControl::ShowDomainAccounts(class_domain_info* domain) {
    CUserViewDlg dialog;
    dialog.m_strKind = "data";
    dialog.m_pDomain = domain;
    dialog.DoModal();
}

int CTreeDataDomainControl::CopyMetadata(class_domain_info* target) {
    class_copy_data_dialog dialog;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    int result = 0;
    for (const class_metadata_info* data : dialog.m_vecChosenData) {
        if (db->ExecuteProc(db->FormatCall("call metadataViewCopyData(%d, %d)", data->id, target->id)) == 0) continue;
        CString message = data->name.c_str();
        message += " \n 위 데이타명이 중복입니다.";
        message += " \n 체크해주세요 (현재 데이타만 복사 실패)";
        AfxMessageBox(message);
        result = -1;
    }
    dialog.free_item_data();
    return result;
}
