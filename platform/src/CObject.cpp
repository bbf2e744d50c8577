#include "CCmdTarget.h"
#include "CObject.h"

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};
CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{AfxEntry_Message, 0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

namespace {

bool InRange(const AFX_MSGMAP_ENTRY& entry, UINT nID) { return nID >= entry.nID && nID <= entry.nLastID; }

bool Matches(const AFX_MSGMAP_ENTRY& entry, AfxEntryKind kind, UINT messageOrCode, UINT nID) {
    switch (kind) {
    case AfxEntry_Message:
        if (entry.kind == AfxEntry_Message) return entry.nMessage == messageOrCode;
        return entry.kind == AfxEntry_Registered && entry.pnRegistered && *entry.pnRegistered == messageOrCode;
    case AfxEntry_Command:
        return (entry.kind == AfxEntry_Command || entry.kind == AfxEntry_CommandEx) && entry.nCode == messageOrCode &&
               InRange(entry, nID);
    case AfxEntry_UpdateUI:
        return entry.kind == AfxEntry_UpdateUI && InRange(entry, nID);
    case AfxEntry_Notify:
        return (entry.kind == AfxEntry_Notify || entry.kind == AfxEntry_NotifyEx) && entry.nCode == messageOrCode &&
               InRange(entry, nID);
    case AfxEntry_ReflectCommand:
        return entry.kind == AfxEntry_ReflectCommand && entry.nCode == messageOrCode;
    case AfxEntry_ReflectNotify:
        return (entry.kind == AfxEntry_ReflectNotify || entry.kind == AfxEntry_ReflectNotifyEx) &&
               entry.nCode == messageOrCode;
    default:
        return false;
    }
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(AfxEntryKind kind, UINT messageOrCode, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry)
            if (Matches(*entry, kind, messageOrCode, nID)) return entry;
    return nullptr;
}

BOOL CCmdTarget::HasMessageHandler(UINT message) const {
    return FindMessageEntry(AfxEntry_Message, message, 0) != nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const UINT code = static_cast<UINT>(nCode);
    const AFX_MSGMAP_ENTRY* entry = code == CN_UPDATE_COMMAND_UI ? FindMessageEntry(AfxEntry_UpdateUI, code, nID)
                                                                 : FindMessageEntry(AfxEntry_Command, code, nID);
    if (!entry) return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    AFX_MSGCALL call{WM_COMMAND, 0, 0, nID, code, pExtra, nullptr};
    const LRESULT result = entry->pfn(this, call);
    if (code == CN_UPDATE_COMMAND_UI) return !static_cast<CCmdUI*>(pExtra)->m_bContinueRouting;
    return entry->kind == AfxEntry_CommandEx ? static_cast<BOOL>(result) : TRUE;
}

void CCmdUI::Enable(BOOL bOn) {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) { m_nCheck = nCheck; }

void CCmdUI::SetRadio(BOOL bOn) { m_nCheck = bOn ? 1 : 0; }

void CCmdUI::SetText(LPCTSTR lpszText) { (void)lpszText; }

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF || !target) return TRUE;
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    const BOOL found = target->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{nullptr};
        const BOOL handler = target->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(handler);
    }
    return found;
}
