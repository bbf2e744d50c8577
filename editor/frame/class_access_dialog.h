#pragma once

#include "CDialog.h"

// The start-up window (dialog 430): shown without a parent while the main frame is made, "접 속 중 .......".
class class_access_dialog : public CDialogEx {
public:
    enum { IDD = 430 };

    class_access_dialog();
};
