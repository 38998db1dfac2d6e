#include "search_dialog/control_rules.h"

#include "resources/resource.h"

bool IsSearchReady(std::size_t inputPathLength, std::size_t searchStringLength) {
    return inputPathLength >= 1 && searchStringLength >= 1;
}

int ChooseDefaultButton(bool ready) { return ready ? IDC_SEARCH : IDCANCEL; }

bool IsCreateImageAllowed(std::size_t outputFolderLength) { return outputFolderLength > 1; }
