#pragma once
#include <cstdint>

#include "winlayer/colour_button.h"
#include "winlayer/dialog_base.h"

// Sets and stores the width and colour of the frame drawn on the images.
class CWakuDlg : public DialogBase {
public:
    CWakuDlg();

    int32_t m_frameWidth = 1;
    uint32_t m_frameColourRgb = 0;        // 0x00RRGGBB, what the search dialog holds
    uint32_t m_frameColourRef = 0x0000FF;  // 0x00BBGGRR, stored and shown on the button

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

private:
    ColourButton m_colourButton;
};
