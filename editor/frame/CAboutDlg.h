#pragma once

#include "CDialog.h"

// "TamoZELK_MDI 정보" (dialog 100): the program's icon, name and version.
class CAboutDlg : public CDialogEx {
public:
    enum { IDD = 100 };

    CAboutDlg();
};
