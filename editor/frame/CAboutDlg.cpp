#include "CAboutDlg.h"

CAboutDlg::CAboutDlg() : CDialogEx(IDD) {}
