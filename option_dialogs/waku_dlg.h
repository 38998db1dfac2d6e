#pragma once
#include <cstdint>

#include "option_dialogs/image_options.h"
#include "winlayer/colour_button.h"
#include "winlayer/dialog_base.h"

// Sets and stores the width and colour of the frame drawn on the images.
class CWakuDlg : public DialogBase {
public:
    CWakuDlg();

    int32_t m_frameWidth = search_contract::kFrameWidthDefault;
    uint32_t m_frameColourRgb = search_contract::kFrameColourDefault;  // what the search dialog holds
    uint32_t m_frameColourRef = kFrameColourRefDefault;                // stored and shown on the button

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

private:
    ColourButton m_colourButton;
};
