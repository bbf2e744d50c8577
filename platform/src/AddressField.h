#pragma once

// One field of the IP address control: a line edit of up to three digits whose keys, focus and pasting the
// control handles (IPAddressImpl in Controls.h).

#include <QLineEdit>
#include <QPointer>

namespace tamo::platform {

class IPAddressImpl;

class AddressField : public QLineEdit {
public:
    AddressField(IPAddressImpl* control, int index, QWidget* parent);
protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    IPAddressImpl* Control() const;

    QPointer<QObject> m_control;  // the control's window, which may go before its widgets
    int m_index;
};

}  // namespace tamo::platform
