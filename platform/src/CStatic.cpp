#include <QLabel>
#include <QMouseEvent>

#include "CStatic.h"
#include "Controls.h"
#include "GdiImpl.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace tamo::platform {

void StaticImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    const DWORD staticStyle = static_cast<DWORD>(cs.style);
    const DWORD type = staticStyle & SS_TYPEMASK;
    label = new QLabel(parentArea);
    label->setTextFormat(Qt::PlainText);
    Qt::Alignment alignment = Qt::AlignTop;
    if (type == SS_CENTER)
        alignment |= Qt::AlignHCenter;
    else if (type == SS_RIGHT)
        alignment |= Qt::AlignRight;
    else
        alignment |= Qt::AlignLeft;
    if (staticStyle & SS_CENTERIMAGE) alignment = (alignment & ~Qt::AlignTop) | Qt::AlignVCenter;
    if (type == SS_ICON) alignment = Qt::AlignLeft | Qt::AlignTop;
    label->setAlignment(alignment);
    label->setWordWrap(type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
    if (type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME || (staticStyle & WS_BORDER))
        label->setFrameShape(QFrame::Box);
    if (type == SS_ETCHEDFRAME) label->setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (type == SS_ETCHEDHORZ) label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    if (type == SS_ETCHEDVERT) label->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    if ((staticStyle & SS_SUNKEN) || (cs.dwExStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE)))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (type == SS_BLACKRECT || type == SS_GRAYRECT || type == SS_WHITERECT) {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, type == SS_BLACKRECT  ? Qt::black
                                           : type == SS_GRAYRECT ? Qt::gray
                                                                 : Qt::white);
        label->setPalette(palette);
    }
    outer = client = label;
}

void StaticImpl::SetText(const CString& newText) {
    text = newText;
    if (!label) return;
    if ((style & SS_TYPEMASK) == SS_ICON) {
        // An icon static names its icon by number.
        char* end = nullptr;
        const unsigned long id = std::strtoul(text.GetString(), &end, 10);
        if (end && *end == '\0' && !text.IsEmpty()) SetIcon(LoadResourceIcon(static_cast<UINT>(id)));
        return;
    }
    const QString shown = (style & SS_NOPREFIX) ? ToQ(text) : WithoutMnemonics(ToQ(text));
    label->setText(shown);
}

void StaticImpl::SetIcon(HICON newIcon) {
    icon = newIcon;
    if (label) label->setPixmap(IconOf(newIcon).pixmap(32, 32));
}

bool StaticImpl::eventFilter(QObject* watched, QEvent* event) {
    const bool eaten = WndImpl::eventFilter(watched, event);
    if (!eaten && !dead && (style & SS_NOTIFY)) {
        if (event->type() == QEvent::MouseButtonRelease) NotifyCommand(0 /* STN_CLICKED */);
        if (event->type() == QEvent::MouseButtonDblClick) NotifyCommand(1 /* STN_DBLCLK */);
    }
    return eaten;
}

}  // namespace tamo::platform

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon) {
    StaticImpl* impl = ImplAs<StaticImpl>(this);
    if (!impl) return nullptr;
    const HICON old = impl->icon;
    impl->SetIcon(hIcon);
    return old;
}

HICON CStatic::GetIcon() const {
    StaticImpl* impl = ImplAs<StaticImpl>(this);
    return impl ? impl->icon : nullptr;
}
