#pragma once

#include <QStyleOptionViewItem>
#include <QTreeWidget>

namespace tamo::platform {

class TreeImpl;

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

private:
    TreeImpl* m_impl;
    QTreeWidgetItem* m_pendingCheck = nullptr;
    bool m_clickPending = false;
};

}  // namespace tamo::platform
