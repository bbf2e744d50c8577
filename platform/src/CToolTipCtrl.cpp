#include <QLabel>

#include "CToolTipCtrl.h"
#include "QtText.h"
#include "WndImpl.h"

using namespace tamo::platform;

namespace tamo::platform {

namespace {

// A tooltip window ("tooltips_class32"): one line of text in a window of its own above every other.
class ToolTipImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT&, QWidget* parentArea) override {
        label = new QLabel(parentArea, Qt::ToolTip | Qt::WindowStaysOnTopHint);
        label->setForegroundRole(QPalette::ToolTipText);
        label->setBackgroundRole(QPalette::ToolTipBase);
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Box);
        label->setIndent(2);
        label->hide();
        outer = client = label;
    }
    CString GetText() const override { return label ? FromQ(label->text()) : CString(); }
    void SetText(const CString& text) override {
        if (label) label->setText(ToQ(text));
    }

    QLabel* label = nullptr;
};

}  // namespace

WndImpl* CreateToolTipImpl(CWnd* owner) { return new ToolTipImpl(owner); }

}  // namespace tamo::platform

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CWnd::CreateEx(WS_EX_TOPMOST, "tooltips_class32", nullptr, WS_POPUP | dwStyle, 0, 0, 0, 0,
                          pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}
