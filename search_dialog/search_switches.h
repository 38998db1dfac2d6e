#pragma once
// The search dialog's check boxes that are stored as they stand.

struct SearchSwitches {
    bool header = false;              // 1013
    bool fieldFolder = false;         // 1014
    bool fieldFile = false;           // 1015
    bool fieldSearchString = false;   // 1016
    bool progress = false;            // 1011
    bool createImage = false;         // 1007
    bool closeCommandPrompt = false;  // 1006
};
