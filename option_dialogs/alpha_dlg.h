#pragma once
#include <cstdint>

#include "winlayer/dialog_base.h"

// Sets and stores the opacity of the images, 2 to 10.
class CAlphaDlg : public DialogBase {
public:
    CAlphaDlg();

    int32_t m_opacity = 10;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
};
