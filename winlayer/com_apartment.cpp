#include "winlayer/com_apartment.h"

#include <objbase.h>

namespace {

bool g_comEntered = false;

}  // namespace

void EnsureComApartment() {
    if (g_comEntered) return;
    g_comEntered = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void ReleaseComApartment() {
    if (g_comEntered) CoUninitialize();
    g_comEntered = false;
}
