#pragma once

#include <QStyleOptionViewItem>
#include <QTreeWidget>

#include "WinDef.h"

namespace tamo::platform {

class TreeImpl;
struct TreeNode;

// The Qt tree with Windows' handling of clicks, double clicks and keys.
class TreeWidget : public QTreeWidget {
public:
    TreeWidget(TreeImpl* impl, QWidget* parent) : QTreeWidget(parent), m_impl(impl) {}
    // The style option of an item, for hit tests against its check box, icon and text.
    QStyleOptionViewItem OptionFor(const QModelIndex& index) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A resting mouse shows the whole text of an item whose label is cut (the tree's tooltip).
    bool viewportEvent(QEvent* event) override;

private:
    TreeImpl* m_impl;
    HTREEITEM m_pendingCheck = nullptr;   // pressed check box: it changes after NM_CLICK
    HTREEITEM m_pendingSelect = nullptr;  // pressed item: it is selected after NM_CLICK
    bool m_clickPending = false;
};

}  // namespace tamo::platform
