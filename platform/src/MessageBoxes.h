#pragma once

// The message box the layer shows for AfxMessageBox and MessageBox: the text, the caption, the icon and the
// buttons of the type, each with the answer it gives. The box is at least as wide as its caption needs, so
// that the title bar shows the caption whole beside the window's icon and buttons.

#include <QMessageBox>
#include <memory>
#include <utility>
#include <vector>

#include "CString.h"
#include "WinDef.h"

namespace tamo::platform {

struct MessageBoxWidget {
    std::unique_ptr<QMessageBox> box;
    std::vector<std::pair<QAbstractButton*, int>> answers;  // each button and the answer it gives
};

MessageBoxWidget BuildMessageBox(HWND owner, const CString& text, const CString& caption, UINT type);

}  // namespace tamo::platform
