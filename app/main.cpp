#include <windows.h>

#include "app/vivevav_app.h"

namespace {
CVivevavApp theApp;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    theApp.InitInstance();
    return 0;
}
