#include "search_dialog/control_rules.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

// Under Wine a path without a search string is shown; a search string
// without a path only here.
TEST(ControlRules, SearchBecomesTheDefaultOnlyWithBothPathAndString) {
    struct Case { const char* name; std::size_t pathLength, stringLength; int defaultButton; };
    const Case cases[] = {{"both", 1, 1, IDC_SEARCH}, {"a search string without a path", 0, 3, IDCANCEL}};
    for (const Case& c : cases) EXPECT_EQ(ChooseDefaultButton(IsSearchReady(c.pathLength, c.stringLength)), c.defaultButton) << c.name;
}
