#pragma once

#include "CMDIChildWnd.h"

// The frame of a diagram window: one document and one diagram view. Its title is exactly the text that the
// main frame gives it.
class CChildFrame : public CMDIChildWndEx {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
