#pragma once
#include "winlayer/dialog_base.h"

// Shows the program's icon, name, version and notice; stores nothing.
class CAboutDlg : public DialogBase {
public:
    CAboutDlg();
};
