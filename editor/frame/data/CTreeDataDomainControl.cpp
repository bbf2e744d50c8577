#include "CTreeDataDomainControl.h"

#include <string>

#include "CMysqlQuery.h"
#include "CNewMetadataDlg.h"
#include "DomainCommands.h"
#include "class_copy_data_dialog.h"

CTreeDataDomainControl* g_pTreeDataDomainControl = nullptr;

namespace {

// The server's refusals of a copy whose name the target domain holds already: its own check, and the unique
// key when another session created the name at the same moment.
bool IsDuplicateNameRefusal(const std::string& reason) {
    return reason == "대상 도메인에 같은 이름의 데이타가 이미 있습니다." || reason == "같은 이름이 이미 있습니다.";
}

}  // namespace

int CTreeDataDomainControl::NewDomain(class_domain_info* parent) { return NewDomainThroughDialog("data", parent->id); }

int CTreeDataDomainControl::EditDomain(class_domain_info* domain) { return EditDomainThroughDialog("data", *domain); }

int CTreeDataDomainControl::DeleteDomain(class_domain_info* domain) { return DeleteDomainOfKind("data", *domain); }

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
    dialog.m_nRealDomainId = data->real_domain_id;
    dialog.m_nRealDataId = data->real_data_id;
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
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> parents;
    const CString current = db->FormatCall("call inheritance_data_dataViewDomainList(%d)", domainId);
    return EditDataDomainLinks(domainId, current, 0, parents) == -1 ? -1 : 0;
}

void CTreeDataDomainControl::ShowDomainAccounts(class_domain_info* domain) {
    ShowDomainAccountsOfKind("data", *domain);
}

int CTreeDataDomainControl::CopyMetadata(class_domain_info* target) {
    class_copy_data_dialog dialog;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    int copied = 0;
    for (const class_metadata_info* data : dialog.m_vecChosenData) {
        if (db->ExecuteProc(db->FormatCall("call metadataViewCopyData(%d, %d)", data->id, target->id)) == 0) {
            ++copied;
            continue;
        }
        CString message = data->name.c_str();
        // The duplicate text only for a duplicate; any other refusal (an item that another user deleted, a
        // lost connection, ...) in the server's words.
        const std::string& reason = db->GetLastErrorText();
        message += " \n ";
        message += IsDuplicateNameRefusal(reason) ? "위 데이타명이 중복입니다." : reason.c_str();
        message += " \n 체크해주세요 (현재 데이타만 복사 실패)";
        AfxMessageBox(message);
    }
    dialog.free_item_data();
    return copied;
}
