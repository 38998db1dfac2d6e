#include "search_dialog/control_rules.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

// A pick updates the dialog with whatever the fields hold: a search string
// without an input path must not make Search the default. (The dialog's other
// enabling cases are shown under Wine.)
TEST(ControlRules, SearchBecomesTheDefaultOnlyWithBothPathAndString) {
    EXPECT_EQ(std::vector({ChooseDefaultButton(IsSearchReady(1, 1), 1), ChooseDefaultButton(IsSearchReady(0, 3), 3)}),
              std::vector({IDC_SEARCH, IDCANCEL}));
}
