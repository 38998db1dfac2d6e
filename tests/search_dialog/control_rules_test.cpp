#include "search_dialog/control_rules.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

TEST(ControlRules, SearchNeedsPathAndStringAndImagesAFolderOfTwoCharacters) {
    EXPECT_EQ(std::vector({ChooseDefaultButton(IsSearchReady(1, 1), 1), ChooseDefaultButton(IsSearchReady(5, 0), 0),
                           ChooseDefaultButton(IsSearchReady(0, 3), 3), ChooseDefaultButton(true, 0)}),
              std::vector({IDC_SEARCH, IDCANCEL, IDCANCEL, IDCANCEL}));
    EXPECT_EQ(std::vector({IsCreateImageAllowed(1), IsCreateImageAllowed(2)}), std::vector({false, true}));
}
