#include "winlayer/com_apartment.h"

#include <objbase.h>

#include "winlayer/picker_library.h"

namespace {

bool g_comEntered = false;

}  // namespace

void EnsureComApartment() {
    if (g_comEntered) return;
    g_comEntered = SUCCEEDED(EnterComApartment(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void ReleaseComApartment() {
    if (g_comEntered) LeaveComApartment();
    g_comEntered = false;
}
