#pragma once

// The window behind a CWnd: its Qt widgets, its place among the layer's windows and the translation of Qt
// events into window messages. Each kind of window (generic, dialog, frame, control...) is a subclass that
// builds its own widgets. HWND is a WndImpl*; only live windows are valid handles.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

#include "CWnd.h"

class QPainter;

namespace tamo::platform {

class WndImpl : public QObject {
public:
    explicit WndImpl(CWnd* owner);
    ~WndImpl() override;

    // Makes the widgets for the creation values, as a child of parentArea or (null) at the top level.
    virtual void Build(const CREATESTRUCT& cs, QWidget* parentArea);
    // Where child windows of this window go.
    virtual QWidget* ChildArea() const { return client; }
    virtual CString GetText() const;
    virtual void SetText(const CString& text);
    virtual void ApplyFont(const QFont& font);
    virtual void StyleChanged(DWORD oldStyle) { (void)oldStyle; }
    // The window's place when its parent lays it out itself (MDI children, docked panes).
    virtual void SetGeometry(const QRect& rect);
    virtual QRect Geometry() const;
    // The size GetClientRect and WM_SIZE report.
    virtual QSize ClientSize() const { return client ? client->size() : QSize(); }
    virtual void Show(bool show);
    // Before the widgets go: leave containers (MDI area, dock) that hold them.
    virtual void Detaching() {}
    // The platform's own handling of a message that reached DefWindowProc.
    virtual LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle() const { return reinterpret_cast<HWND>(const_cast<WndImpl*>(this)); }
    static WndImpl* FromHandle(HWND hWnd);  // null unless live
    static WndImpl* FromWidget(const QObject* widget);
    // The nearest window at or above the widget.
    static WndImpl* Enclosing(const QObject* widget);
    bool IsLive() const { return !dead; }

    // Watches a widget: its events become messages of this window.
    void Watch(QWidget* widget);
    // Sends a message that arrived as a Qt event. When the owner has no handler nothing is sent and Qt's own
    // handling goes on (answer false); with a handler, Qt's handling goes on only if it called Default().
    bool DispatchEvent(UINT message, WPARAM wParam, LPARAM lParam, bool alwaysSend = false);
    void ReportSize();
    // Sends a notification to the parent window: WM_COMMAND with the code, or WM_NOTIFY.
    void NotifyCommand(UINT code);
    LRESULT Notify(NMHDR& header);
    CWnd* NotifyTarget() const;

    // Destroys this window and its children: WM_DESTROY to this and then its children, then handles drop,
    // PostNcDestroy in the order Windows uses, and the widgets go.
    void Destroy();

    bool eventFilter(QObject* watched, QEvent* event) override;

    CWnd* owner;                  // receives the messages
    std::vector<CWnd*> attached;  // every CWnd whose m_hWnd is this window (owner last)
    WndImpl* parent = nullptr;
    std::vector<WndImpl*> children;  // creation order
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    CString className;
    QPointer<QWidget> outer;   // geometry, showing, destroying
    QPointer<QWidget> client;  // the client area: painting, mouse, children
    QSize lastSize{-1, -1};
    QPainter* painter = nullptr;  // while WM_PAINT runs
    QRect paintRect;
    CFont* font = nullptr;
    HICON icons[2] = {nullptr, nullptr};
    std::unique_ptr<QRegion> region;
    std::vector<std::unique_ptr<CWnd>> ownedWrappers;  // the default objects of a dialog's controls
    bool created = false;                              // WM_CREATE is done: notifications may flow
    bool destroySent = false;
    bool dead = false;
    bool suppressNotifications = false;  // while the program changes a control
    // A plain pop-up window is placed by its outer rectangle, frame and caption included, as Windows places
    // it; the client area lies inside.
    bool placedByFrame = false;
    bool bordered = false;  // a child with WS_BORDER: the outer widget is the frame around the client
    bool topmost = false;  // a child placed HWND_TOPMOST: it stays above its siblings that are not
    // When a test records the window's drawing: every drawing call of its paint contexts, in order.
    std::shared_ptr<std::vector<CString>> drawingLog;

protected:
    void TrackChild(WndImpl* child);

private:
    void SendDestroy();
    void Release();
};

// The window of a CWnd (null without one), its client widget and its outer widget.
WndImpl* ImplOf(const CWnd* wnd);
QWidget* ClientOf(const CWnd* wnd);
QWidget* OuterOf(const CWnd* wnd);
template <typename Impl>
Impl* ImplAs(const CWnd* wnd) {
    return dynamic_cast<Impl*>(ImplOf(wnd));
}

// Creates the window of a class: the class name picks the kind ("Edit", "Button", ..., or the layer's own).
WndImpl* CreateImplForClass(CWnd* owner, const CString& className);

// The window message being handled at the moment (for CWnd::Default).
struct MessageContext {
    WndImpl* impl;
    UINT message;
    bool defaultRequested = false;
    MessageContext* previous = nullptr;
};
MessageContext* CurrentMessage();

// True while the layer changes a control on the program's behalf (not the user).
class ProgramChange {
public:
    explicit ProgramChange(WndImpl* impl) : m_impl(impl), m_was(impl ? impl->suppressNotifications : false) {
        if (m_impl) m_impl->suppressNotifications = true;
    }
    ~ProgramChange() {
        if (m_impl) m_impl->suppressNotifications = m_was;
    }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    WndImpl* m_impl;
    bool m_was;
};

// Makes sure a Qt application exists (for windows made before AfxWinMain, as tests do).
void EnsureApplication();
bool IsOffscreen();

}  // namespace tamo::platform
