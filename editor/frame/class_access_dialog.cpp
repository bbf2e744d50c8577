#include "class_access_dialog.h"

class_access_dialog::class_access_dialog() : CDialogEx(IDD) {}
