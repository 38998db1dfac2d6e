#pragma once
// Enabling decisions of the search dialog that need no window.
#include <cstddef>

// A search can start when both the input path and the search string hold text.
bool IsSearchReady(std::size_t inputPathLength, std::size_t searchStringLength);

// The control ID that becomes the default push button: Search when ready, else Close.
int ChooseDefaultButton(bool ready);

// The create-image checkbox is usable only with an output folder of more than one character.
bool IsCreateImageAllowed(std::size_t outputFolderLength);
