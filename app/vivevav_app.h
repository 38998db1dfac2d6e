#pragma once
#include <windows.h>

// The application object: start-up, one modal run of the search dialog, exit.
class CVivevavApp {
public:
    // Returns FALSE on every path: there is no message loop of our own.
    BOOL InitInstance();
};
