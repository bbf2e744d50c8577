#include "CNewMethodDlg.h"

#include "CComboBox.h"
#include "CConstViewDlg.h"
#include "CDataFieldViewDlg.h"
#include "CMysqlQuery.h"
#include "CTreeDataDomainControl.h"
#include "CTreeMethodDomainControl.h"
#include "DataDialogControls.h"
#include "MethodRules.h"
#include "CodeNameRules.h"

namespace {

const int IDC_METHOD_TYPE = 1011;
const int IDC_METHOD_CODE = 1037;
const int IDC_METHOD_NAME = 1038;
const int IDC_DESCRIPTION = 1010;
const int IDC_ADD_DATA_DOMAIN = 1060;

bool IsEnumerationType(const std::string& type) {
    return type == "enum8_t" || type == "enum16_t" || type == "enum32_t";
}

}  // namespace

const CNewMethodDlg::SideControls CNewMethodDlg::kInputControls = {1033, 1034, 1040, 1118, 1125, 1126};
const CNewMethodDlg::SideControls CNewMethodDlg::kOutputControls = {1035, 1036, 1041, 1119, 1127, 1128};

BEGIN_MESSAGE_MAP(CNewMethodDlg, CDialogEx)
    ON_CBN_SELCHANGE(IDC_METHOD_TYPE, &CNewMethodDlg::OnTypeChanged)
    ON_CBN_SELCHANGE(1033, &CNewMethodDlg::OnInputDomainChanged)
    ON_CBN_SELCHANGE(1035, &CNewMethodDlg::OnOutputDomainChanged)
    ON_CBN_SELCHANGE(1034, &CNewMethodDlg::OnInputDataChanged)
    ON_CBN_SELCHANGE(1036, &CNewMethodDlg::OnOutputDataChanged)
    ON_BN_CLICKED(1040, &CNewMethodDlg::OnInputNull)
    ON_BN_CLICKED(1041, &CNewMethodDlg::OnOutputNull)
    ON_BN_CLICKED(1118, &CNewMethodDlg::OnAddInputData)
    ON_BN_CLICKED(1119, &CNewMethodDlg::OnAddOutputData)
    ON_BN_CLICKED(1125, &CNewMethodDlg::OnInputFields)
    ON_BN_CLICKED(1127, &CNewMethodDlg::OnOutputFields)
    ON_BN_CLICKED(1126, &CNewMethodDlg::OnInputConstants)
    ON_BN_CLICKED(1128, &CNewMethodDlg::OnOutputConstants)
    ON_BN_CLICKED(IDC_ADD_DATA_DOMAIN, &CNewMethodDlg::OnAddDataDomain)
    ON_BN_CLICKED(IDOK, &CNewMethodDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CNewMethodDlg::CNewMethodDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

CComboBox& CNewMethodDlg::Combo(UINT id) { return *static_cast<CComboBox*>(GetDlgItem(id)); }

void CNewMethodDlg::DeleteOwnedItems() {
    for (class_metadata_info* data : m_vecOwnedData) delete data;
    m_vecOwnedData.clear();
    m_input.selected = nullptr;
    m_output.selected = nullptr;
}

BOOL CNewMethodDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_vecDomains.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    // A failed load leaves the domain lists empty; the user sees that there is nothing to choose.
    db->SelectRealDomainList(db->FormatCall("call methodViewNewMethodRealdomainList(%d)", m_nDomainId), m_vecDomains);
    FillDomainLists();
    ShowDataButtons(kInputControls, nullptr);
    ShowDataButtons(kOutputControls, nullptr);

    // A new method starts as "CALL" with nothing chosen on either side; an edited one shows its own data.
    if (m_nEditMode == 0)
        Combo(IDC_METHOD_TYPE).SetCurSel(0);
    else
        SelectExactComboEntry(Combo(IDC_METHOD_TYPE), m_strType);
    ApplyTypeRules(false);
    if (m_nEditMode == 0) return TRUE;
    SetDlgItemText(IDC_METHOD_CODE, m_strCode);
    SetDlgItemText(IDC_METHOD_NAME, m_strName);
    // A side that the type does not carry stays as the type rules left it, closed with its Null box disabled,
    // whatever the stored method names there: the edit holds the rules that the new method held.
    bool hasInput = true, hasOutput = true;
    GetMethodTypeData(m_strType.str(), hasInput, hasOutput);
    if (hasInput) StartEditSide(m_input, kInputControls);
    if (hasOutput) StartEditSide(m_output, kOutputControls);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    return TRUE;
}

void CNewMethodDlg::FillDomainLists() {
    for (const SideControls* controls : {&kInputControls, &kOutputControls}) {
        CComboBox& domains = Combo(controls->domainList);
        domains.ResetContent();
        AddNamedEntries(domains, m_vecDomains);
        const DataSide& side = controls == &kInputControls ? m_input : m_output;
        SelectExactComboEntry(Combo(controls->dataList), side.dataName);
    }
}

void CNewMethodDlg::StartEditSide(DataSide& side, const SideControls& controls) {
    if (side.domainName.IsEmpty()) {
        CloseSide(side, controls, TRUE);
        return;
    }
    // The domain is found by its id where the caller knows it: two data domains may share a name.
    CComboBox& domains = Combo(controls.domainList);
    if (side.domainId == 0 || !SelectComboEntryByData(domains, static_cast<DWORD_PTR>(side.domainId)))
        SelectExactComboEntry(domains, side.domainName);
    DomainChanged(side, controls);
    SelectExactComboEntry(Combo(controls.dataList), side.dataName);
    side.isNull = 0;
    DataChanged(side, controls);
}

void CNewMethodDlg::OpenSide(DataSide& side, const SideControls& controls, bool chooseFirst) {
    CComboBox& domains = Combo(controls.domainList);
    CComboBox& data = Combo(controls.dataList);
    domains.EnableWindow(TRUE);
    data.EnableWindow(TRUE);
    GetDlgItem(controls.nullCheck)->EnableWindow(TRUE);
    CheckDlgButton(controls.nullCheck, BST_UNCHECKED);
    side.isNull = 0;
    if (!chooseFirst) return;
    // The data list always shows the data of the domain shown above it, so that no data is sent with the wrong
    // domain; it is loaded only when another domain comes up.
    domains.SetCurSel(0);
    if (domains.GetCurSel() != CB_ERR && static_cast<int>(GetComboSelectionData(domains)) != side.listedDomainId)
        DomainChanged(side, controls);
    data.SetCurSel(0);
    DataChanged(side, controls);
}

void CNewMethodDlg::CloseSide(DataSide& side, const SideControls& controls, BOOL nullEnabled) {
    for (UINT list : {controls.domainList, controls.dataList}) {
        Combo(list).SetCurSel(-1);
        Combo(list).EnableWindow(FALSE);
    }
    GetDlgItem(controls.nullCheck)->EnableWindow(nullEnabled);
    CheckDlgButton(controls.nullCheck, BST_CHECKED);
    side.isNull = 1;
}

void CNewMethodDlg::ApplyTypeRules(bool chooseFirst) {
    bool hasInput = false, hasOutput = false;
    if (!GetMethodTypeData(GetComboSelectionText(Combo(IDC_METHOD_TYPE)).str(), hasInput, hasOutput)) {
        m_input.isNull = m_output.isNull = 0;
        return;
    }
    if (hasInput)
        OpenSide(m_input, kInputControls, chooseFirst);
    else
        CloseSide(m_input, kInputControls, FALSE);
    if (hasOutput)
        OpenSide(m_output, kOutputControls, chooseFirst);
    else
        CloseSide(m_output, kOutputControls, FALSE);
}

void CNewMethodDlg::OnTypeChanged() { ApplyTypeRules(true); }

void CNewMethodDlg::DomainChanged(DataSide& side, const SideControls& controls) {
    CComboBox& domains = Combo(controls.domainList);
    CComboBox& data = Combo(controls.dataList);
    if (domains.GetCurSel() == CB_ERR) {
        data.SetCurSel(-1);
        return;
    }
    side.domainId = static_cast<int>(GetComboSelectionData(domains));
    side.listedDomainId = side.domainId;
    data.ResetContent();
    m_vecDataRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectRealMetadataList(db->FormatCall("call methodViewNewMethodRealmetadataList(%d)", side.domainId),
                                   m_vecDataRows) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_metadata_info& row : m_vecDataRows) {
        auto* copy = new class_metadata_info(row);
        m_vecOwnedData.push_back(copy);
        const int index = data.InsertString(-1, row.name.c_str());
        data.SetItemDataPtr(index, copy);
    }
}

void CNewMethodDlg::OnInputDomainChanged() { DomainChanged(m_input, kInputControls); }
void CNewMethodDlg::OnOutputDomainChanged() { DomainChanged(m_output, kOutputControls); }

void CNewMethodDlg::DataChanged(DataSide& side, const SideControls& controls) {
    CComboBox& data = Combo(controls.dataList);
    if (data.GetCurSel() == CB_ERR) return;
    // The "NULL" entry carries no record: the side has no data whose fields or constants could be shown.
    side.selected = static_cast<class_metadata_info*>(data.GetItemDataPtr(data.GetCurSel()));
    ShowDataButtons(controls, side.selected);
}

void CNewMethodDlg::OnInputDataChanged() { DataChanged(m_input, kInputControls); }
void CNewMethodDlg::OnOutputDataChanged() { DataChanged(m_output, kOutputControls); }

void CNewMethodDlg::ShowDataButtons(const SideControls& controls, const class_metadata_info* data) {
    const bool structure = data != nullptr && data->type == "struct";
    const bool enumeration = data != nullptr && IsEnumerationType(data->type);
    GetDlgItem(controls.fields)->EnableWindow(structure);
    GetDlgItem(controls.fields)->ShowWindow(structure ? SW_SHOW : SW_HIDE);
    GetDlgItem(controls.constants)->EnableWindow(enumeration);
    GetDlgItem(controls.constants)->ShowWindow(enumeration ? SW_SHOW : SW_HIDE);
}

void CNewMethodDlg::ToggleNull(DataSide& side, const SideControls& controls) {
    if (side.isNull == 0) {
        CloseSide(side, controls, TRUE);
        ShowDataButtons(controls, nullptr);
        return;
    }
    side.isNull = 0;
    for (UINT list : {controls.domainList, controls.dataList}) {
        Combo(list).SetCurSel(0);
        Combo(list).EnableWindow(TRUE);
    }
    CheckDlgButton(controls.nullCheck, BST_UNCHECKED);
    DomainChanged(side, controls);
    if (Combo(controls.dataList).GetCurSel() != CB_ERR) DataChanged(side, controls);
}

void CNewMethodDlg::OnInputNull() { ToggleNull(m_input, kInputControls); }
void CNewMethodDlg::OnOutputNull() { ToggleNull(m_output, kOutputControls); }

void CNewMethodDlg::AddData(DataSide& side, const SideControls& controls) {
    CComboBox& domains = Combo(controls.domainList);
    if (domains.GetCurSel() == CB_ERR) {
        AfxMessageBox("도메인을 선택하세요");
        CComboBox& data = Combo(controls.dataList);
        data.InsertString(0, "NULL");
        data.SetCurSel(0);
        DataChanged(side, controls);
        return;
    }
    if (g_pTreeDataDomainControl == nullptr) g_pTreeDataDomainControl = new CTreeDataDomainControl;
    CString name;
    if (g_pTreeDataDomainControl->NewMetadata(static_cast<int>(GetComboSelectionData(domains)), name) != -1)
        DomainChanged(side, controls);
}

void CNewMethodDlg::OnAddInputData() { AddData(m_input, kInputControls); }
void CNewMethodDlg::OnAddOutputData() { AddData(m_output, kOutputControls); }

void CNewMethodDlg::ShowFields(const DataSide& side) {
    if (side.selected == nullptr) return;
    CDataFieldViewDlg dialog(this);
    dialog.m_nDomainId = side.selected->domain_id;
    dialog.m_strStructName = side.selected->name;
    dialog.DoModal();
}

void CNewMethodDlg::ShowConstants(const DataSide& side) {
    if (side.selected == nullptr) return;
    CConstViewDlg dialog(this);
    dialog.m_nDomainId = side.selected->domain_id;
    dialog.m_strEnumName = side.selected->name;
    dialog.DoModal();
}

void CNewMethodDlg::OnInputFields() { ShowFields(m_input); }
void CNewMethodDlg::OnOutputFields() { ShowFields(m_output); }
void CNewMethodDlg::OnInputConstants() { ShowConstants(m_input); }
void CNewMethodDlg::OnOutputConstants() { ShowConstants(m_output); }

void CNewMethodDlg::OnAddDataDomain() {
    if (g_pTreeMethodDomainControl == nullptr) g_pTreeMethodDomainControl = new CTreeMethodDomainControl;
    m_vecDomains.clear();
    if (g_pTreeMethodDomainControl->EditDataInheritance(m_nDomainId, m_vecDomains) != -1) FillDomainLists();
}

void CNewMethodDlg::ReadSide(DataSide& side, const SideControls& controls) {
    CComboBox& domains = Combo(controls.domainList);
    if (domains.GetCurSel() != CB_ERR) side.domainId = static_cast<int>(GetComboSelectionData(domains));
    side.domainName = GetComboSelectionText(domains);
    side.dataName = GetComboSelectionText(Combo(controls.dataList));
}

void CNewMethodDlg::OnBnClickedOk() {
    ReadSide(m_input, kInputControls);
    ReadSide(m_output, kOutputControls);
    m_strType = GetComboSelectionText(Combo(IDC_METHOD_TYPE));
    GetDlgItemText(IDC_METHOD_CODE, m_strCode);
    GetDlgItemText(IDC_METHOD_NAME, m_strName);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);

    if (m_strName.IsEmpty()) {
        AfxMessageBox("메서드 이름을 입력하세요");
        return;
    }
    const std::string refusal = CodeNameRefusal(CodeNameScope::Method, m_strName.str(), m_strPreviousName);
    if (!refusal.empty()) {
        AfxMessageBox(refusal.c_str());
        return;
    }
    m_strCode.MakeUpper();
    unsigned code = 0;
    if (!ParseMethodCode(m_strCode.str(), code)) {
        AfxMessageBox("코드값은 4자리 16진수 이어야 합니다.");
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    CString report;
    if (db->CheckMethodCode(db->FormatCall("call check_method_code(%d, %ld,'%s' , '%s')", m_nDomainId,
                                           static_cast<long>(code), m_strType, m_strPreviousName),
                            report) > 0) {
        AfxMessageBox(report);
        return;
    }
    EndDialog(IDOK);
}
