#include "WndImpl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QSet>

#include "CWinApp.h"
#include "QtText.h"
#include "WndWidget.h"

namespace tamo::platform {

namespace {

// Both tables live until the process ends (windows of static objects may ask them during exit).
QSet<const WndImpl*>& LiveWindows() {
    static auto* windows = new QSet<const WndImpl*>;
    return *windows;
}

QHash<const QObject*, WndImpl*>& WidgetWindows() {
    static auto* windows = new QHash<const QObject*, WndImpl*>;
    return *windows;
}

MessageContext* g_currentMessage = nullptr;

WPARAM MouseFlags(const QMouseEvent* event) {
    WPARAM flags = 0;
    if (event->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessage(const QMouseEvent* event, bool hasDoubleClickHandler) {
    const bool left = event->button() == Qt::LeftButton;
    const bool right = event->button() == Qt::RightButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : 0;
    case QEvent::MouseButtonRelease:
        return left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : 0;
    case QEvent::MouseButtonDblClick:
        // A window without a double-click handler sees a second press, as a class without CS_DBLCLKS does.
        if (left) return hasDoubleClickHandler ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        return right ? WM_RBUTTONDBLCLK : 0;
    case QEvent::MouseMove:
        return WM_MOUSEMOVE;
    default:
        return 0;
    }
}

bool AnyAncestorHandles(const WndImpl* impl, UINT message) {
    for (; impl; impl = impl->parent)
        if (impl->owner && impl->owner->HasMessageHandler(message)) return true;
    return false;
}

}  // namespace

QString WithoutMnemonics(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') plain += u'&';
            ++i;
            if (i < text.size() && text[i] != u'&') plain += text[i];
            continue;
        }
        plain += text[i];
    }
    return plain;
}

MessageContext* CurrentMessage() { return g_currentMessage; }

bool IsOffscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "TamoZELK_MDI";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    QApplication::setFont(QFont(QStringLiteral("NanumGothic"), 9));
    QApplication::setQuitOnLastWindowClosed(false);
}

WndWidget::WndWidget(WndImpl* impl, QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags), m_impl(impl) {}

BorderWidget::BorderWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
}

void BorderWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }
void BorderWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void WndWidget::paintEvent(QPaintEvent* event) {
    if (!m_impl || !PaintWindow(m_impl, this, event->rect())) QWidget::paintEvent(event);
}

void WndWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }
void WndWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void WndWidget::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
void WndWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

bool PaintWindow(WndImpl* impl, QWidget* widget, const QRect& rect) {
    if (!impl->IsLive() || !impl->owner || !impl->owner->HasMessageHandler(WM_PAINT)) return false;
    QPainter painter(widget);
    impl->painter = &painter;
    impl->paintRect = rect;
    impl->DispatchEvent(WM_PAINT, 0, 0, true);
    impl->painter = nullptr;
    return true;
}

WndImpl::WndImpl(CWnd* owner) : owner(owner) {
    LiveWindows().insert(this);
    attached.push_back(owner);
}

WndImpl::~WndImpl() {
    LiveWindows().remove(this);
    for (auto it = WidgetWindows().begin(); it != WidgetWindows().end();)
        it = it.value() == this ? WidgetWindows().erase(it) : std::next(it);
}

WndImpl* WndImpl::FromHandle(HWND hWnd) {
    auto* impl = reinterpret_cast<WndImpl*>(hWnd);
    return hWnd && LiveWindows().contains(impl) && !impl->dead ? impl : nullptr;
}

WndImpl* WndImpl::FromWidget(const QObject* widget) { return WidgetWindows().value(widget, nullptr); }

WndImpl* WndImpl::Enclosing(const QObject* widget) {
    for (; widget; widget = widget->parent())
        if (WndImpl* impl = FromWidget(widget)) return impl;
    return nullptr;
}

void WndImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    Qt::WindowFlags flags;
    if (!parentArea || !(cs.style & WS_CHILD)) {
        flags = (cs.dwExStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Window;
        if (cs.dwExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    }
    placedByFrame = flags != Qt::WindowFlags() && (cs.style & WS_POPUP);
    // A child with WS_BORDER has a one-pixel black frame around its client area, which its children and
    // its own painting cannot cover.
    bordered = flags == Qt::WindowFlags() && (cs.style & WS_BORDER);
    QWidget* frame = bordered ? new BorderWidget(parentArea) : nullptr;
    auto* widget = new WndWidget(this, bordered ? frame : parentArea, flags);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    outer = bordered ? frame : widget;
    client = widget;
}

CString WndImpl::GetText() const { return outer ? FromQ(outer->windowTitle()) : CString(); }

void WndImpl::SetText(const CString& text) {
    if (outer) outer->setWindowTitle(ToQ(text));
}

void WndImpl::ApplyFont(const QFont& qfont) {
    if (outer) outer->setFont(qfont);
}

void WndImpl::SetGeometry(const QRect& rect) {
    if (!outer) return;
    if (bordered && client) {
        outer->setGeometry(rect);
        client->setGeometry(1, 1, std::max(rect.width() - 2, 0), std::max(rect.height() - 2, 0));
        return;
    }
    if (!placedByFrame) {
        outer->setGeometry(rect);
        return;
    }
    // The frame is known once the window exists.
    if (!outer->testAttribute(Qt::WA_WState_Created)) outer->winId();
    const QRect frame = outer->frameGeometry();
    const QRect inner = outer->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    outer->setGeometry(rect.marginsRemoved(margins));
}

QRect WndImpl::Geometry() const {
    if (!outer) return QRect();
    return placedByFrame ? outer->frameGeometry() : outer->geometry();
}

void WndImpl::Show(bool show) {
    if (outer) outer->setVisible(show);
}

LRESULT WndImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Destroy();
        return 0;
    case WM_CONTEXTMENU:
        // Windows hands a context menu that a child does not take to its parent.
        if (parent && parent->owner && (style & WS_CHILD)) return parent->owner->SendMessage(message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

void WndImpl::Watch(QWidget* widget) {
    WidgetWindows().insert(widget, this);
    widget->installEventFilter(this);
}

void WndImpl::TrackChild(WndImpl* child) { children.push_back(child); }

bool WndImpl::DispatchEvent(UINT message, WPARAM wParam, LPARAM lParam, bool alwaysSend) {
    if (dead || !owner) return false;
    if (!alwaysSend && !owner->HasMessageHandler(message)) return false;
    QPointer<WndImpl> guard(this);
    MessageContext context{this, message};
    context.previous = g_currentMessage;
    g_currentMessage = &context;
    owner->WindowProc(message, wParam, lParam);
    g_currentMessage = context.previous;
    if (!guard || dead) return true;
    return !context.defaultRequested;
}

void WndImpl::ReportSize() {
    if (dead || !client || !owner) return;
    const QSize size = ClientSize();
    if (size == lastSize) return;
    lastSize = size;
    owner->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
}

CWnd* WndImpl::NotifyTarget() const { return parent && !parent->dead ? parent->owner : nullptr; }

void WndImpl::NotifyCommand(UINT code) {
    if (suppressNotifications || dead || !created) return;
    if (CWnd* target = NotifyTarget())
        target->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Handle()));
}

LRESULT WndImpl::Notify(NMHDR& header) {
    if (dead || !created) return 0;
    header.hwndFrom = Handle();
    header.idFrom = id;
    CWnd* target = NotifyTarget();
    return target ? target->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header)) : 0;
}

bool WndImpl::eventFilter(QObject* watched, QEvent* event) {
    if (dead || !owner) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == client) ReportSize();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        // Only the client area takes mouse messages. The rest of the outer widget (a frame's pane separators,
        // a pane's title bar, a border) is the non-client area, which Qt handles itself.
        if (!widget || !client || (widget != client && !client->isAncestorOf(widget))) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const UINT message = MouseMessage(mouse, owner->HasMessageHandler(WM_LBUTTONDBLCLK));
        if (!message) return false;
        QPoint point = mouse->position().toPoint();
        if (widget != client) point = widget->mapTo(client, point);
        return DispatchEvent(message, MouseFlags(mouse), MAKELPARAM(point.x(), point.y()));
    }
    case QEvent::ContextMenu: {
        if (!AnyAncestorHandles(this, WM_CONTEXTMENU)) return false;
        if (!owner->HasMessageHandler(WM_CONTEXTMENU) && className.CompareNoCase("Edit") == 0) return false;
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const LPARAM where = menu->reason() == QContextMenuEvent::Keyboard
                                 ? MAKELPARAM(-1, -1)
                                 : MAKELPARAM(menu->globalPos().x(), menu->globalPos().y());
        DispatchEvent(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), where, true);
        return true;
    }
    case QEvent::FocusIn:
        DispatchEvent(WM_SETFOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        DispatchEvent(WM_KILLFOCUS, 0, 0);
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        return DispatchEvent(WM_KEYDOWN,
                             static_cast<WPARAM>(key->nativeVirtualKey() ? key->nativeVirtualKey() : key->key()), 1);
    }
    case QEvent::Close:
        if (watched != outer) return false;
        event->ignore();
        DispatchEvent(WM_CLOSE, 0, 0, true);
        return true;
    default:
        return false;
    }
}

void WndImpl::Destroy() {
    if (dead) return;
    QPointer<WndImpl> guard(this);
    SendDestroy();
    if (guard && !dead) Release();
}

void WndImpl::SendDestroy() {
    if (!destroySent) {
        destroySent = true;
        if (owner) owner->SendMessage(WM_DESTROY);
    }
    const auto snapshot = children;
    for (WndImpl* child : snapshot)
        if (LiveWindows().contains(child) && !child->dead) child->SendDestroy();
}

void WndImpl::Release() {
    if (dead) return;
    const auto snapshot = children;
    for (WndImpl* child : snapshot)
        if (LiveWindows().contains(child)) child->Release();
    dead = true;
    for (auto it = WidgetWindows().begin(); it != WidgetWindows().end();)
        it = it.value() == this ? WidgetWindows().erase(it) : std::next(it);
    Detaching();
    if (parent) std::erase(parent->children, this);
    for (CWnd* wnd : attached) wnd->m_hWnd = nullptr;
    attached.clear();
    CWnd* last = owner;
    owner = nullptr;
    // The end of the main window ends the message loop, as it does in the frame library.
    if (CWinApp* app = AfxGetApp(); app && last && app->m_pMainWnd == last) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    for (QWidget* widget : {outer.data(), client.data()})
        if (auto* plain = dynamic_cast<WndWidget*>(widget)) plain->Forget();
    if (outer) {
        outer->hide();
        outer->deleteLater();
    }
    if (last) last->PostNcDestroy();
    ownedWrappers.clear();
    deleteLater();
}

WndImpl* ImplOf(const CWnd* wnd) { return wnd ? WndImpl::FromHandle(wnd->m_hWnd) : nullptr; }

QWidget* ClientOf(const CWnd* wnd) {
    WndImpl* impl = ImplOf(wnd);
    return impl ? impl->client.data() : nullptr;
}

QWidget* OuterOf(const CWnd* wnd) {
    WndImpl* impl = ImplOf(wnd);
    return impl ? impl->outer.data() : nullptr;
}

}  // namespace tamo::platform
