#pragma once
#include <string>

#include "winlayer/dialog_base.h"

// Takes the password of the PDF documents; the caller keeps it in memory only.
class CPswdDlg : public DialogBase {
public:
    CPswdDlg();

    std::wstring m_password;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
};
