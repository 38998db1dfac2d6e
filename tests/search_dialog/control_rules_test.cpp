#include "search_dialog/control_rules.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

TEST(ControlRules, DefaultButtonNeedsPathAndSearchString) {
    struct Case { std::size_t path, search; int expected; };
    const Case cases[] = {{0, 0, IDCANCEL}, {5, 0, IDCANCEL}, {0, 3, IDCANCEL}, {1, 1, IDC_SEARCH}};
    for (const Case& c : cases)
        EXPECT_EQ(ChooseDefaultButton(IsSearchReady(c.path, c.search), c.search), c.expected)
            << c.path << "," << c.search;
    // The search string's own change passes "ready" from the path alone.
    EXPECT_EQ(ChooseDefaultButton(true, 0), IDCANCEL);
}

TEST(ControlRules, CreateImageNeedsMoreThanOneCharacter) {
    EXPECT_FALSE(IsCreateImageAllowed(0));
    EXPECT_FALSE(IsCreateImageAllowed(1));
    EXPECT_TRUE(IsCreateImageAllowed(2));
}
