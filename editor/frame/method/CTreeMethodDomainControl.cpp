#include "CTreeMethodDomainControl.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "CMysqlQuery.h"
#include "CNewInterfaceDlg.h"
#include "CNewMethodDlg.h"
#include "DomainCommands.h"
#include "MethodRules.h"
#include "class_copy_method_dialog.h"
#include "class_edit_overlap_method_dialog.h"

CTreeMethodDomainControl* g_pTreeMethodDomainControl = nullptr;

namespace {

const char* const kDeleteFailed = "error(DeleteDataDomain())";

// A refused delete: the fixed text, and the server's reason below it.
int ShowDeleteFailure() {
    CString text = kDeleteFailed;
    const std::string& reason = CMysqlQuery::GetInstance()->GetLastErrorText();
    if (!reason.empty()) text += ("\n" + reason).c_str();
    AfxMessageBox(text);
    return -1;
}

int ShowLastErrorAndFail() {
    CMysqlQuery::GetInstance()->ShowLastError();
    return -1;
}

// The code that the method dialog leaves (hexadecimal digits it has checked) as the number the server takes.
unsigned DialogCode(const CString& digits) {
    unsigned code = 0;
    ParseMethodCode(digits.str(), code);
    return code;
}

// A side of the edited method as the server keeps it: without data name there is no data, whichever domain the
// dialog had selected last.
void StoreSide(const CNewMethodDlg::DataSide& side, int& domainId, std::string& domainName, std::string& data) {
    const bool none = side.dataName.IsEmpty() || side.dataName == "NULL";
    domainId = none ? 0 : side.domainId;
    domainName = none ? std::string() : side.domainName.str();
    data = none ? std::string() : side.dataName.str();
}

// One clash walk of the import: for every chosen method, every existing one whose field equals the chosen one's
// is a clash that the user may resolve in the rename dialog; `rename` stores the accepted text. Answers false
// when any clash was left unresolved.
template <class Field, class Rename>
bool ResolveClashes(std::vector<class_method_info>& chosen, const std::vector<class_method_info>& existing,
                    Field field, const char* question, const char* label, int mode, Rename rename) {
    bool resolved = true;
    for (class_method_info& method : chosen) {
        for (const class_method_info& other : existing) {
            if (field(other) != field(method)) continue;
            if (::MessageBox(nullptr, question, nullptr, MB_OKCANCEL) != IDOK) {
                resolved = false;
                break;
            }
            class_edit_overlap_method_dialog dialog;
            dialog.m_nMode = mode;
            dialog.m_strLabel = label;
            dialog.m_strValue = field(method).c_str();
            dialog.m_vecMethods = existing;
            if (dialog.DoModal() != IDOK) {
                resolved = false;
                break;
            }
            rename(method, dialog.m_strResult);
        }
    }
    return resolved;
}

}  // namespace

// ---- Domains -------------------------------------------------------------------------------------------------

int CTreeMethodDomainControl::NewDomain(class_domain_info* parent) { return NewDomainThroughDialog("method", parent->id); }

int CTreeMethodDomainControl::EditDomain(class_domain_info* domain) { return EditDomainThroughDialog("method", *domain); }

int CTreeMethodDomainControl::DeleteDomain(class_domain_info* domain) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewDeleteDomain(%d,'method')", domain->id)) != 0)
        return ShowDeleteFailure();
    return 0;
}

void CTreeMethodDomainControl::ShowDomainAccounts(class_domain_info* domain) {
    ShowDomainAccountsOfKind("method", *domain);
}

int CTreeMethodDomainControl::EditDataInheritance(int domainId, std::vector<class_domain_info>& domains) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString current = db->FormatCall("call inheritance_method_dataViewDomainList(%d)", domainId);
    return EditDataDomainLinks(domainId, current, 1, domains) == IDOK ? 0 : -1;
}

// ---- Interfaces ----------------------------------------------------------------------------------------------

int CTreeMethodDomainControl::NewInterface(int domainId) {
    CNewInterfaceDlg dialog;
    if (dialog.DoModal() == IDCANCEL) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call interfaceViewNewInterface('%d','method','%s','%s')", domainId,
                                       dialog.m_strName, dialog.m_strDescription)) != 0)
        return ShowLastErrorAndFail();
    return 0;
}

int CTreeMethodDomainControl::EditInterface(class_interface_info* iface) {
    CNewInterfaceDlg dialog;
    dialog.m_nDomainId = iface->domain_id;
    dialog.m_strName = iface->name;
    dialog.m_strDescription = iface->description;
    if (dialog.DoModal() == IDCANCEL) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call interfaceViewEditInterface('%d','%s','%s','%s')", iface->domain_id,
                                       iface->name, dialog.m_strName, dialog.m_strDescription)) != 0)
        return ShowLastErrorAndFail();
    iface->name = dialog.m_strName.str();
    iface->description = dialog.m_strDescription.str();
    return 0;
}

int CTreeMethodDomainControl::DeleteInterface(class_interface_info* iface) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int locked =
        db->CheckSystemLock(db->FormatCall("call check_system_lock_interface(%d, '%s')", iface->domain_id, iface->name));
    if (locked == 1) {
        AfxMessageBox("*System Domain에서 System과 연결된 Interface 입니다.*\n 현재 System이 Lock 상태 이므로 삭제 할 수 "
                      "없습니다.");
        return -1;
    }
    // A lock that could not be checked may be there: nothing is deleted.
    if (locked != 0) return ShowLastErrorAndFail();
    if (db->ExecuteUpdate(db->FormatCall("call interfaceViewDeleteInterface(%d,'%s')", iface->domain_id,
                                         iface->name)) != 0)
        return ShowDeleteFailure();
    return 0;
}

// ---- Methods -------------------------------------------------------------------------------------------------

int CTreeMethodDomainControl::NewMethod(int domainId, std::string& name) {
    CNewMethodDlg dialog;
    dialog.m_nDomainId = domainId;
    int result = -1;
    if (dialog.DoModal() == IDOK) {
        CMysqlQuery* db = CMysqlQuery::GetInstance();
        if (db->ExecuteProc(db->FormatCall("call methodViewNewMethod(%d,'%s','%u','%s',%d,'%s',%d,'%s','%s')",
                                           domainId, dialog.m_strType, DialogCode(dialog.m_strCode), dialog.m_strName,
                                           dialog.m_input.domainId, dialog.m_input.dataName,
                                           dialog.m_output.domainId, dialog.m_output.dataName,
                                           dialog.m_strDescription)) == 0) {
            name = dialog.m_strName.str();
            result = 0;
        } else {
            db->ShowLastError();
        }
    }
    dialog.DeleteOwnedItems();
    return result;
}

int CTreeMethodDomainControl::EditMethod(class_method_info* method) {
    CNewMethodDlg dialog;
    dialog.m_nEditMode = 1;
    dialog.m_nDomainId = method->domain_id;
    dialog.m_strType = method->type;
    dialog.m_strCode = MethodCodeDigits(method->code).c_str();
    dialog.m_strName = method->name;
    dialog.m_strPreviousName = method->name;
    dialog.m_input.domainId = method->in_domain_id;
    dialog.m_input.domainName = method->in_domain_name;
    dialog.m_input.dataName = method->in_data;
    dialog.m_output.domainId = method->out_domain_id;
    dialog.m_output.domainName = method->out_domain_name;
    dialog.m_output.dataName = method->out_data;
    dialog.m_strDescription = method->description;
    int result = -1;
    if (dialog.DoModal() != IDCANCEL) {
        const unsigned code = DialogCode(dialog.m_strCode);
        CMysqlQuery* db = CMysqlQuery::GetInstance();
        if (db->ExecuteProc(db->FormatCall("call methodViewEditMethod(%d,'%s','%s','%u','%s',%d,'%s',%d,'%s','%s')",
                                           method->domain_id, method->name, dialog.m_strType, code, dialog.m_strName,
                                           dialog.m_input.domainId, dialog.m_input.dataName,
                                           dialog.m_output.domainId, dialog.m_output.dataName,
                                           dialog.m_strDescription)) == 0) {
            method->type = dialog.m_strType.str();
            method->code = std::to_string(code);
            method->name = dialog.m_strName.str();
            StoreSide(dialog.m_input, method->in_domain_id, method->in_domain_name, method->in_data);
            StoreSide(dialog.m_output, method->out_domain_id, method->out_domain_name, method->out_data);
            method->description = dialog.m_strDescription.str();
            result = 0;
        } else {
            db->ShowLastError();
        }
    }
    dialog.DeleteOwnedItems();
    return result;
}

int CTreeMethodDomainControl::DeleteMethod(class_method_info* method) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call methodViewDeleteMethod(%d,'%s')", method->domain_id, method->name)) != 0)
        return ShowDeleteFailure();
    return 0;
}

// ---- Copying methods -----------------------------------------------------------------------------------------

int CTreeMethodDomainControl::CopyMethods(class_domain_info* target) {
    class_copy_method_dialog dialog;
    if (dialog.DoModal() == IDCANCEL) return -1;
    TakeCurrentMethods(dialog.m_vecChosenMethods);
    std::vector<class_method_info> existing;
    Getmethodlistinfo(target->id, existing);
    int result = 0;
    if (check_overlap_methodname(dialog.m_vecChosenMethods, existing) == -1) {
        AfxMessageBox("error(check_overlap_methodname())");
        result = -1;
    } else {
        check_overlap_methodcode(dialog.m_vecChosenMethods, existing);
        InsertCopiedMethods(target->id, dialog.m_vecChosenMethods);
    }
    dialog.free_item_data();
    return result;
}

void CTreeMethodDomainControl::TakeCurrentMethods(std::vector<class_method_info>& chosen) {
    // The dialog lists one domain; its methods are read once.
    std::map<int, std::vector<class_method_info>> current;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_method_info> kept;
    for (const class_method_info& method : chosen) {
        auto [domain, added] = current.try_emplace(method.domain_id);
        if (added &&
            db->SelectMethodList(
                db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", method.domain_id),
                domain->second) != 0) {
            db->ShowLastError();
            chosen.clear();
            return;
        }
        const auto found = std::find_if(domain->second.begin(), domain->second.end(),
                                        [&method](const class_method_info& row) { return row.name == method.name; });
        if (found == domain->second.end()) {
            AfxMessageBox(("복사할 메서드가 없습니다. 다른 사용자가 지웠거나 이름을 바꿨습니다: " + method.name).c_str());
            continue;
        }
        kept.push_back(*found);
    }
    chosen = std::move(kept);
}

void CTreeMethodDomainControl::Getmethodlistinfo(int domainId, std::vector<class_method_info>& methods) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", domainId),
                             methods) != 0)
        AfxMessageBox("error(Getmethodlistinfo()");
}

int CTreeMethodDomainControl::check_overlap_methodname(std::vector<class_method_info>& chosen,
                                                       const std::vector<class_method_info>& existing) {
    const bool resolved = ResolveClashes(
        chosen, existing, [](const class_method_info& method) -> const std::string& { return method.name; },
        "Method Name값이 중복 되었습니다 변경 하시겠습니까?", "Method Name :", class_edit_overlap_method_dialog::MODE_NAME,
        [](class_method_info& method, const CString& text) { method.name = text.str(); });
    return resolved ? 0 : -1;
}

int CTreeMethodDomainControl::check_overlap_methodcode(std::vector<class_method_info>& chosen,
                                                       const std::vector<class_method_info>& existing) {
    // The rename dialog hands back hexadecimal digits that it has checked; the record keeps decimal text.
    ResolveClashes(
        chosen, existing, [](const class_method_info& method) -> const std::string& { return method.code; },
        "Method code값이 중복 되었습니다 변경 하시겠습니까?", "Method Code :", class_edit_overlap_method_dialog::MODE_CODE,
        [](class_method_info& method, const CString& text) {
            unsigned code = 0;
            if (ParseMethodCode(text.str(), code)) method.code = std::to_string(code);
        });
    return 0;
}

int CTreeMethodDomainControl::InsertCopiedMethods(int domainId, const std::vector<class_method_info>& chosen) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    int result = 0;
    for (const class_method_info& method : chosen) {
        if (db->ExecuteProc(db->FormatCall("call methodViewNewMethod(%d,'%s','%u','%s',%d,'%s',%d,'%s','%s')",
                                           domainId, method.type, static_cast<unsigned>(string_to_int(method.code.c_str())),
                                           method.name, method.in_domain_id, method.in_data, method.out_domain_id,
                                           method.out_data, method.description)) != 0) {
            db->ShowLastError();
            result = -1;
        }
    }
    return result;
}
