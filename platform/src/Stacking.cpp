#include "Stacking.h"

#include <QWidget>
#include <algorithm>
#include <vector>

#include "CWnd.h"
#include "WndImpl.h"

namespace tamo::platform {

namespace {

// The sibling windows of a child, bottom first.
std::vector<QWidget*> Siblings(const QWidget* widget) {
    std::vector<QWidget*> siblings;
    const QWidget* parent = widget->parentWidget();
    if (!parent) return siblings;
    for (QObject* child : parent->children())
        if (auto* sibling = qobject_cast<QWidget*>(child); sibling && !sibling->isWindow()) siblings.push_back(sibling);
    return siblings;
}

bool IsTopmost(const QWidget* widget) {
    const WndImpl* impl = WndImpl::FromWidget(widget);
    return impl && impl->topmost;
}

// Brings a widget to the top of its siblings without marking anything for painting: Qt would repaint the
// widget's whole shape (and with it the siblings it overlaps) even where nothing changes.
void RaiseQuietly(QWidget* widget) {
    const bool disabled = widget->testAttribute(Qt::WA_UpdatesDisabled);
    widget->setAttribute(Qt::WA_UpdatesDisabled, true);
    widget->raise();
    widget->setAttribute(Qt::WA_UpdatesDisabled, disabled);
}

// Puts the siblings in the given order, bottom first, raising only from the first one out of place.
void ApplyOrder(const std::vector<QWidget*>& current, const std::vector<QWidget*>& wanted, QWidget* moved) {
    if (wanted.back() == moved) {
        RaiseQuietly(moved);
        return;
    }
    std::size_t first = 0;
    while (first < wanted.size() && first < current.size() && wanted[first] == current[first]) ++first;
    for (std::size_t i = first; i < wanted.size(); ++i) RaiseQuietly(wanted[i]);
}

// The windows that a move brings above others show what those covered of them: the moved window where it rose
// over siblings, or the siblings it sank below.
void RepaintExposed(QWidget* moved, const std::vector<QWidget*>& before, const std::vector<QWidget*>& after) {
    const auto from = std::find(before.begin(), before.end(), moved) - before.begin();
    const auto to = std::find(after.begin(), after.end(), moved) - after.begin();
    const QRegion shape = VisibleShape(moved);
    if (to > from) {
        QRegion exposed;
        for (auto i = from; i < to; ++i) exposed += VisibleShape(after[i]);
        exposed &= shape;
        if (!exposed.isEmpty()) moved->update(exposed.translated(-moved->pos()));
        return;
    }
    for (auto i = to + 1; i <= from; ++i) {
        const QRegion exposed = VisibleShape(after[i]) & shape;
        if (!exposed.isEmpty()) after[i]->update(exposed.translated(-after[i]->pos()));
    }
}

}  // namespace

QRegion VisibleShape(const QWidget* widget) {
    if (!widget || widget->isHidden()) return QRegion();
    QRegion shape = widget->mask().isEmpty() ? QRegion(widget->rect()) : widget->mask() & widget->rect();
    return shape.translated(widget->pos());
}

void RepaintUncovered(const QWidget* widget, const QRegion& uncovered) {
    if (uncovered.isEmpty()) return;
    for (QWidget* sibling : Siblings(widget)) {
        if (sibling == widget) break;
        const QRegion part = uncovered & VisibleShape(sibling);
        if (!part.isEmpty()) sibling->update(part.translated(-sibling->pos()));
    }
}

void RestackChild(WndImpl& impl, HWND insertAfter) {
    QWidget* widget = impl.outer;
    if (!widget || widget->isWindow()) return;
    if (insertAfter == HWND_TOPMOST) impl.topmost = true;
    if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM) impl.topmost = false;

    const std::vector<QWidget*> before = Siblings(widget);
    std::vector<QWidget*> after = before;
    std::erase(after, widget);
    std::size_t at = after.size();
    if (insertAfter == HWND_BOTTOM) {
        at = 0;
    } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        // The top of the window's band: above everything when it is topmost, else below the topmost ones.
        if (!impl.topmost)
            while (at > 0 && IsTopmost(after[at - 1])) --at;
    } else if (WndImpl* other = WndImpl::FromHandle(insertAfter); other && other->outer) {
        const auto found = std::find(after.begin(), after.end(), other->outer.data());
        if (found == after.end()) return;
        at = found - after.begin();
    } else {
        return;
    }
    after.insert(after.begin() + static_cast<std::ptrdiff_t>(at), widget);
    if (after == before) return;
    ApplyOrder(before, after, widget);
    RepaintExposed(widget, before, after);
}

void PlaceNewChild(WndImpl& impl) {
    QWidget* widget = impl.outer;
    if (!widget || widget->isWindow()) return;
    const std::vector<QWidget*> siblings = Siblings(widget);
    if (std::none_of(siblings.begin(), siblings.end(), IsTopmost)) return;
    RestackChild(impl, HWND_TOP);
}

}  // namespace tamo::platform
