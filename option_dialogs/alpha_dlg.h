#pragma once
#include <cstdint>

#include "common/search_contract.h"
#include "winlayer/dialog_base.h"

// Sets and stores the opacity of the images, 2 to 10.
class CAlphaDlg : public DialogBase {
public:
    CAlphaDlg();

    int32_t m_opacity = search_contract::kOpacityDefault;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
};
