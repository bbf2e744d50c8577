#pragma once

#include "class_node_box.h"

// A router: a box with icon 412 and its name; in the network form a bar that lists its text entries, in the
// detailed form the components installed on it.
class class_uml_router : public class_node_box {
public:
    class_uml_router() = default;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
