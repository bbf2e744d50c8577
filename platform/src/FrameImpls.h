#pragma once

// The windows of frames, the MDI client, MDI children and scroll views.

#include <QPointer>

#include "WndImpl.h"

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QScrollArea;

namespace tamo::platform {

// A frame: a Qt main window whose central widget is the frame's client area.
class FrameImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    QMainWindow* Window() const;

    // The list of toolbars and panes that a menu of the frame shows in place of the item `entryId`
    // (EnablePaneMenu; 0: none), followed by the customize command when there is one.
    struct PaneMenu {
        UINT entryId = 0;
        UINT customizeCommand = 0;
        CString customizeLabel;
    } paneMenu;
};

// The MDI client: the area of the MDI children, tabbed or not.
class MDIClientImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Numbers the children from AFX_IDM_FIRST_MDICHILD in creation order, skipping one that is going.
    void Renumber(const WndImpl* leaving = nullptr);
    void Activate(WndImpl* child);
    WndImpl* Active() const;
    void OnSubWindowActivated(QMdiSubWindow* window);

    QMdiArea* area = nullptr;
    QPointer<QObject> activeChild;  // the WndImpl of the active child
};

class MDIChildImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void SetText(const CString& text) override;
    CString GetText() const override;
    void SetGeometry(const QRect& rect) override;
    QRect Geometry() const override;
    void Show(bool show) override;
    void Detaching() override;
    MDIClientImpl* Client() const { return dynamic_cast<MDIClientImpl*>(parent); }

    QMdiSubWindow* window = nullptr;
};

class ScrollViewImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    QSize ClientSize() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void SetExtent(const QSize& total);

    QScrollArea* scroll = nullptr;
    QPointer<QWidget> viewport;  // kept apart: events come while the scroll area is being destroyed
    QSize extent;
};

}  // namespace tamo::platform
