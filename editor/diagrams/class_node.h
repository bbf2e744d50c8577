#pragma once

#include "class_node_box.h"

// A node: its name and icon 407 (412 for a router), and in the detailed form the components installed on it.
class class_node : public class_node_box {
public:
    class_node() = default;

    // Grows by its text entries beyond five; a detailed router node gets icon 412.
    BOOL CreateEntityWindow(CWnd* parent) override;
    int get_icon_kind() const { return m_nIconKind; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    int m_nIconKind = 10;  // 10: icon 407; 8 (a router): icon 412
};
