#pragma once

// The windows of docking panes, toolbars, the menu bar and the status bar of a frame.

#include <QPointer>

#include "WndImpl.h"

class QDockWidget;
class QMainWindow;
class QToolBar;
class QMenuBar;
class QStatusBar;
class QLabel;

namespace tamo::platform {

QMainWindow* MainWindowOf(WndImpl* impl);

// What the status bar's first pane shows while nothing else is said: string AFX_IDS_IDLEMESSAGE, else "준비".
CString IdleMessage();

class DockPaneImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void SetText(const CString& text) override;
    CString GetText() const override;
    void SetGeometry(const QRect& rect) override;
    void Show(bool show) override;
    void Detaching() override;
    // The close box of a pane hides it; the pane stays.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The dock was shown or hidden: a pane that takes over the active tab from another tells the frame.
    void VisibilityChanged(bool visible);
    QDockWidget* dock = nullptr;
    QSize initialSize;
    bool activeTab = false;  // the tab shown last of its group
};

class ToolBarImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void Detaching() override;
    QToolBar* bar = nullptr;
    bool inFrame = false;  // a bar of the main window rather than a strip inside a pane
};

class MenuBarImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void Fill(HMENU menu);
    QMenuBar* bar = nullptr;
    HMENU menu = nullptr;
};

class StatusBarImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    QStatusBar* bar = nullptr;
    std::vector<UINT> ids;
    std::vector<QLabel*> panes;
};

}  // namespace tamo::platform
