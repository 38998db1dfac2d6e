#pragma once
// The application-wide profile, like the framework's application object
// offers it, and the section of it where the dialogs keep their positions.
// Both belong to the application, which sets them for its run; until then,
// and after it has taken them back, reads give the defaults and writes are
// dropped.
#include <string>

#include "winlayer/profile.h"

Profile& AppProfile();
const std::wstring& AppPositionSection();

void SetAppProfile(Profile& profile, std::wstring positionSection);
void ClearAppProfile();
