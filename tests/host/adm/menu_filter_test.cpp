// Filters registered through the AI Filter suite and the automatic enabling
// of their menu items.
#include <gtest/gtest.h>

#include "host/host_context.hpp"
#include "host/suites/host_environment.hpp"
#include "sdk/tv_errors.h"
#include "host/workbench/filter_registry.hpp"
#include "host/workbench/menu_filter_suites.hpp"

namespace tovrins::host {
namespace {

class MenuFilterTest : public ::testing::Test {
protected:
    MenuFilterTest() : previous_(hostContext().filters) { hostContext().filters = &registry; }
    ~MenuFilterTest() override { hostContext().filters = previous_; }

    HostEnvironment env;
    FilterRegistry registry;

private:
    FilterRegistry* previous_;
};

TEST_F(MenuFilterTest, FiltersAreAddedOnlyDuringStartupWithTheirMenuTexts)
{
    const unsigned char category[] = "\x0bQRX <Paths>";
    const unsigned char title[] = "\x0fTovrinRotate...";
    const TvFilterMenuText text{category, title};
    TvFilterHandle handle = nullptr;
    EXPECT_EQ(filterSuite().addFilter(nullptr, "Early", &text, 0, &handle), TV_ERR_BAD_PARAMETER);
    registry.setAcceptingFilters(true);
    ASSERT_EQ(filterSuite().addFilter(nullptr, "KM47_TovrinRotate", &text, 0, &handle), 0);
    ASSERT_EQ(registry.all().size(), 1u);
    const RegisteredFilter& filter = registry.all().front();
    EXPECT_EQ(filter.category, "QRX <Paths>");
    EXPECT_EQ(filter.title, "TovrinRotate...");
    EXPECT_EQ(registry.find(handle), &filter);
    EXPECT_EQ(registry.find("tovrinrotate..."), &filter);
    EXPECT_EQ(registry.find("km47_tovrinrotate"), &filter);
    EXPECT_EQ(registry.find("TovrinScale..."), nullptr);
    EXPECT_EQ(registry.find(reinterpret_cast<TvFilterHandle>(&handle)), nullptr);
}

TEST_F(MenuFilterTest, AutomaticEnablingFollowsTheDocumentOpenCondition)
{
    const unsigned char name[] = "\x01X";
    const TvFilterMenuText text{name, name};
    TvFilterHandle handle = nullptr;
    registry.setAcceptingFilters(true);
    ASSERT_EQ(filterSuite().addFilter(nullptr, "X", &text, 0, &handle), 0);
    TvMenuItemHandle item = nullptr;
    ASSERT_EQ(filterSuite().getFilterMenuItem(handle, &item), 0);
    const MenuItem& menu = registry.all().front().menuItem;
    EXPECT_TRUE(FilterRegistry::enabled(menu, false)); // not automatic yet
    ASSERT_EQ(
        menuSuite().updateMenuItemAutomatically(item, TV_MENU_AUTO_ENABLE, 0, 0, 0, 0, TV_MENU_IF_DOCUMENT_OPEN, 0), 0);
    EXPECT_TRUE(FilterRegistry::enabled(menu, true));
    EXPECT_FALSE(FilterRegistry::enabled(menu, false));
    EXPECT_EQ(menuSuite().updateMenuItemAutomatically(reinterpret_cast<TvMenuItemHandle>(&handle), TV_MENU_AUTO_ENABLE,
                                                      0, 0, 0, 0, 1, 0),
              TV_ERR_BAD_PARAMETER);
    MenuItem inverse{true, TV_MENU_AUTO_ENABLE, 0, 0, 0, 0, 0, TV_MENU_IF_DOCUMENT_OPEN};
    EXPECT_FALSE(FilterRegistry::enabled(inverse, true));
}

} // namespace
} // namespace tovrins::host
