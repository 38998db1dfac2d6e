#pragma once
// The common dialogs, the shell's folder picker and COM, reached through
// libraries loaded when a picker first opens. Only the pickers need them,
// and importing them made every start load and initialise them (under Wine
// a good part of the time until the dialog shows). Each call fails as its
// Win32 function fails when its library cannot be loaded.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <string>

BOOL OpenFilePicker(OPENFILENAMEW& dialog);
BOOL ColourPicker(CHOOSECOLORW& dialog);
// The file-system folder chosen in the shell's folder picker, or nothing.
std::wstring FolderPicker(BROWSEINFOW& dialog);

HRESULT EnterComApartment(DWORD flags);
void LeaveComApartment();
