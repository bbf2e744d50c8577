#include "Controls.h"
#include "DialogImpl.h"
#include "FrameImpls.h"
#include "PaneImpls.h"
#include "WndImpl.h"

namespace tamo::platform {

WndImpl* CreatePropertyGridImpl(CWnd* owner);
WndImpl* CreateToolTipImpl(CWnd* owner);

namespace {

// A view that paints on a white plain window.
class ViewImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
};

}  // namespace

WndImpl* CreateImplForClass(CWnd* owner, const CString& className) {
    const auto is = [&className](const char* name) { return className.CompareNoCase(name) == 0; };
    if (className.IsEmpty()) return new WndImpl(owner);
    if (is("Edit")) return new EditImpl(owner);
    if (is("Button")) return new ButtonImpl(owner);
    if (is("Static")) return new StaticImpl(owner);
    if (is("ComboBox")) return new ComboImpl(owner);
    if (is("ListBox")) return new ListBoxImpl(owner);
    if (is("SysListView32")) return new ListCtrlImpl(owner);
    if (is("SysTreeView32")) return new TreeImpl(owner);
    if (is("SysIPAddress32")) return new IPAddressImpl(owner);
    if (is("TamoTabCtrl") || is("SysTabControl32")) return new TabImpl(owner);
    if (is("TamoDialog")) return new DialogImpl(owner);
    if (is("TamoFrame") || is("TamoMDIFrame")) return new FrameImpl(owner);
    if (is("TamoMDIClient")) return new MDIClientImpl(owner);
    if (is("TamoMDIChild")) return new MDIChildImpl(owner);
    if (is("TamoView")) return new ViewImpl(owner);
    if (is("TamoScrollView")) return new ScrollViewImpl(owner);
    if (is("TamoDockPane")) return new DockPaneImpl(owner);
    if (is("TamoToolBar")) return new ToolBarImpl(owner);
    if (is("TamoMenuBar")) return new MenuBarImpl(owner);
    if (is("TamoStatusBar")) return new StatusBarImpl(owner);
    if (is("TamoPropertyGrid")) return CreatePropertyGridImpl(owner);
    if (is("tooltips_class32")) return CreateToolTipImpl(owner);
    return nullptr;
}

}  // namespace tamo::platform
