#pragma once

// Message maps and command routing.
//
// A class that handles messages declares DECLARE_MESSAGE_MAP() and lists its handlers in its source between
// BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP(), with the ON_* entries below. Handlers are named as
// member pointers (&Class::OnSomething) and have the frame library's signatures. A window looks up its own
// entries first, then those of its base classes. Commands (menus, toolbar, context menus, buttons) travel
// by id along the route that OnCmdMsg defines: active view, document, child frame, main frame, application.

#include "CObject.h"
#include "CRect.h"
#include "CString.h"
#include "WinUser.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;
struct NMHDR;

// Codes that travel with a command id through OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// One call of a handler: what arrived and where its result goes.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    UINT nCode;
    void* pExtra;      // CCmdUI* for update handlers, NMHDR* for notifications
    LRESULT* pResult;  // notification result
};

enum AfxEntryKind : UINT {
    AfxEntry_Message,         // a window message
    AfxEntry_Registered,      // a registered window message (nMessage unused, pnRegistered set)
    AfxEntry_Command,         // WM_COMMAND by id range and notification code
    AfxEntry_CommandEx,       // as above, handler returns BOOL: FALSE lets the routing go on
    AfxEntry_UpdateUI,        // update handler of a command
    AfxEntry_Notify,          // WM_NOTIFY by id range and code
    AfxEntry_NotifyEx,        // as above, handler returns BOOL
    AfxEntry_ReflectCommand,  // a control's own WM_COMMAND notification, reflected to it
    AfxEntry_ReflectNotify,   // a control's own WM_NOTIFY notification, reflected to it
    AfxEntry_ReflectNotifyEx,
};

struct AFX_MSGMAP_ENTRY {
    AfxEntryKind kind;
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    const UINT* pnRegistered;
    LRESULT (*pfn)(CCmdTarget* target, AFX_MSGCALL& call);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;  // ends with an entry whose pfn is null
};

// Filled by OnCmdMsg when it only probes for a handler.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                    \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }             \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                      \
        [[maybe_unused]] typedef theClass ThisClass;                                              \
        typedef baseClass TheBaseClass;                                                           \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                         \
            {AfxEntry_Message, 0, 0, 0, 0, nullptr, nullptr}                                      \
        };                                                                                        \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                                       \
    }
// clang-format on

// The handler call of an entry: `body` sees `self` (the object as ThisClass*) and `call`.
#define TAMO_ENTRY(kind, message, code, id, lastId, registered, body)        \
    {kind,                                                                   \
     (UINT)(message),                                                        \
     (UINT)(code),                                                           \
     (UINT)(id),                                                             \
     (UINT)(lastId),                                                         \
     registered,                                                             \
     [](CCmdTarget* target, [[maybe_unused]] AFX_MSGCALL& call) -> LRESULT { \
         [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(target); \
         body                                                                \
     }},

#define TAMO_POINT_OF(lp) CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp))

// Window messages
#define ON_WM_CREATE()                                        \
    TAMO_ENTRY(AfxEntry_Message, WM_CREATE, 0, 0, 0, nullptr, \
               return (LRESULT)self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam));)
#define ON_WM_DESTROY() TAMO_ENTRY(AfxEntry_Message, WM_DESTROY, 0, 0, 0, nullptr, self->OnDestroy(); return 0;)
#define ON_WM_CLOSE() TAMO_ENTRY(AfxEntry_Message, WM_CLOSE, 0, 0, 0, nullptr, self->OnClose(); return 0;)
#define ON_WM_SIZE()                                                                      \
    TAMO_ENTRY(AfxEntry_Message, WM_SIZE, 0, 0, 0, nullptr,                               \
               self->OnSize((UINT)call.wParam, LOWORD(call.lParam), HIWORD(call.lParam)); \
               return 0;)
#define ON_WM_PAINT() TAMO_ENTRY(AfxEntry_Message, WM_PAINT, 0, 0, 0, nullptr, self->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND()                                        \
    TAMO_ENTRY(AfxEntry_Message, WM_ERASEBKGND, 0, 0, 0, nullptr, \
               return (LRESULT)self->OnEraseBkgnd(reinterpret_cast<CDC*>(call.wParam));)
#define ON_WM_SETFOCUS()                                                                \
    TAMO_ENTRY(AfxEntry_Message, WM_SETFOCUS, 0, 0, 0, nullptr,                         \
               self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))); \
               return 0;)
#define ON_WM_KILLFOCUS()                                                                \
    TAMO_ENTRY(AfxEntry_Message, WM_KILLFOCUS, 0, 0, 0, nullptr,                         \
               self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))); \
               return 0;)
#define TAMO_ON_MOUSE(message, handler)                                      \
    TAMO_ENTRY(AfxEntry_Message, message, 0, 0, 0, nullptr,                  \
               self->handler((UINT)call.wParam, TAMO_POINT_OF(call.lParam)); \
               return 0;)
#define ON_WM_LBUTTONDOWN() TAMO_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() TAMO_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() TAMO_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() TAMO_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() TAMO_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() TAMO_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_CONTEXTMENU()                                                                                            \
    TAMO_ENTRY(AfxEntry_Message, WM_CONTEXTMENU, 0, 0, 0, nullptr,                                                     \
               self->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), TAMO_POINT_OF(call.lParam)); \
               return 0;)
#define ON_WM_SETTINGCHANGE()                                                                    \
    TAMO_ENTRY(AfxEntry_Message, WM_SETTINGCHANGE, 0, 0, 0, nullptr,                             \
               self->OnSettingChange((UINT)call.wParam, reinterpret_cast<LPCTSTR>(call.lParam)); \
               return 0;)
#define ON_WM_SHOWWINDOW()                                               \
    TAMO_ENTRY(AfxEntry_Message, WM_SHOWWINDOW, 0, 0, 0, nullptr,        \
               self->OnShowWindow((BOOL)call.wParam, (UINT)call.lParam); \
               return 0;)
#define ON_WM_KEYDOWN()                                                                      \
    TAMO_ENTRY(AfxEntry_Message, WM_KEYDOWN, 0, 0, 0, nullptr,                               \
               self->OnKeyDown((UINT)call.wParam, LOWORD(call.lParam), HIWORD(call.lParam)); \
               return 0;)
#define ON_WM_MDIACTIVATE()                                                                       \
    TAMO_ENTRY(AfxEntry_Message, WM_MDIACTIVATE, 0, 0, 0, nullptr,                                \
               self->OnMDIActivate(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)) == self, \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),         \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));        \
               return 0;)

// Messages by number (user messages) and registered messages: LRESULT Handler(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn)               \
    TAMO_ENTRY(                                      \
        AfxEntry_Message, message, 0, 0, 0, nullptr, \
        return (self->*(static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn)))(call.wParam, call.lParam);)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)    \
    TAMO_ENTRY(                                               \
        AfxEntry_Registered, 0, 0, 0, 0, &(nMessageVariable), \
        return (self->*(static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn)))(call.wParam, call.lParam);)

// Commands: void Handler(); range handlers take the id
#define ON_COMMAND(id, memberFxn)                                          \
    TAMO_ENTRY(AfxEntry_Command, WM_COMMAND, CN_COMMAND, id, id, nullptr,  \
               (self->*(static_cast<void (ThisClass::*)()>(memberFxn)))(); \
               return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                        \
    TAMO_ENTRY(AfxEntry_CommandEx, WM_COMMAND, CN_COMMAND, id, id, nullptr, \
               return (LRESULT)(self->*(static_cast<BOOL (ThisClass::*)(UINT)>(memberFxn)))(call.nID);)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                        \
    TAMO_ENTRY(AfxEntry_Command, WM_COMMAND, CN_COMMAND, id, idLast, nullptr,          \
               (self->*(static_cast<void (ThisClass::*)(UINT)>(memberFxn)))(call.nID); \
               return TRUE;)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                        \
    TAMO_ENTRY(AfxEntry_UpdateUI, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr,                               \
               (self->*(static_cast<void (ThisClass::*)(CCmdUI*)>(memberFxn)))(static_cast<CCmdUI*>(call.pExtra)); \
               return TRUE;)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                          \
    TAMO_ENTRY(AfxEntry_UpdateUI, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr,                           \
               (self->*(static_cast<void (ThisClass::*)(CCmdUI*)>(memberFxn)))(static_cast<CCmdUI*>(call.pExtra)); \
               return TRUE;)

// Control notifications through WM_COMMAND: void Handler()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                             \
    TAMO_ENTRY(AfxEntry_Command, WM_COMMAND, wNotifyCode, id, id, nullptr, \
               (self->*(static_cast<void (ThisClass::*)()>(memberFxn)))(); \
               return TRUE;)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                           \
    TAMO_ENTRY(AfxEntry_Command, WM_COMMAND, wNotifyCode, id, idLast, nullptr,         \
               (self->*(static_cast<void (ThisClass::*)(UINT)>(memberFxn)))(call.nID); \
               return TRUE;)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                              \
    TAMO_ENTRY(AfxEntry_ReflectCommand, WM_COMMAND, wNotifyCode, 0, 0, nullptr, \
               (self->*(static_cast<void (ThisClass::*)()>(memberFxn)))();      \
               return TRUE;)

// Notifications through WM_NOTIFY: void Handler(NMHDR*, LRESULT*)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                            \
    TAMO_ENTRY(AfxEntry_Notify, WM_NOTIFY, wNotifyCode, id, id, nullptr,                 \
               (self->*(static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn)))( \
                   static_cast<NMHDR*>(call.pExtra), call.pResult);                      \
               return TRUE;)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                    \
    TAMO_ENTRY(AfxEntry_Notify, WM_NOTIFY, wNotifyCode, id, idLast, nullptr,                   \
               (self->*(static_cast<void (ThisClass::*)(UINT, NMHDR*, LRESULT*)>(memberFxn)))( \
                   call.nID, static_cast<NMHDR*>(call.pExtra), call.pResult);                  \
               return TRUE;)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                               \
    TAMO_ENTRY(AfxEntry_NotifyEx, WM_NOTIFY, wNotifyCode, id, id, nullptr,                                     \
               return (LRESULT)(self->*(static_cast<BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*)>(memberFxn)))( \
                   call.nID, static_cast<NMHDR*>(call.pExtra), call.pResult);)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                        \
    TAMO_ENTRY(AfxEntry_ReflectNotify, WM_NOTIFY, wNotifyCode, 0, 0, nullptr,            \
               (self->*(static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn)))( \
                   static_cast<NMHDR*>(call.pExtra), call.pResult);                      \
               return TRUE;)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                     \
    TAMO_ENTRY(AfxEntry_ReflectNotifyEx, WM_NOTIFY, wNotifyCode, 0, 0, nullptr,                          \
               return (LRESULT)(self->*(static_cast<BOOL (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn)))( \
                   static_cast<NMHDR*>(call.pExtra), call.pResult);)

// The state of one command's user interface (menu item, toolbar button) while update handlers run.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update handler of m_nID along the target's route; without one, a command that has no
    // handler either is disabled when `disableIfNoHandler` is set. TRUE when something was found.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    // What the last update decided (for menus and toolbars of the layer, and for tests).
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Finds and runs the handler of a command or control notification along this target's route. With
    // pHandlerInfo set it only answers whether a handler exists (and which target has it).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's message map chain that matches (kind, message or code, id).
    const AFX_MSGMAP_ENTRY* FindMessageEntry(AfxEntryKind kind, UINT messageOrCode, UINT nID) const;
    BOOL HasMessageHandler(UINT message) const;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
