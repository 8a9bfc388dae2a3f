// The stored window bounds against the available screen area, and the sheet history.

#include <gtest/gtest.h>

#include "WindowBounds.h"
#include "cuiSheetHistory.h"

namespace {

TEST(WindowBounds, ClampKeepsSixteenPixelsInsideAndTheTitleBarBelowTheTop) {
    const cuiRect area{0, 30, 1280, 770};  // a panel of 30 pixels above
    struct Case {
        const char* name;
        cuiRect stored;
        cuiRect expected;
    };
    const Case cases[] = {
        {"inside", {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"right of", {2000, 100, 800, 600}, {1264, 100, 800, 600}},
        {"below", {100, 1500, 800, 600}, {100, 784, 800, 600}},
        {"above", {100, -200, 800, 600}, {100, 30, 800, 600}},
        {"left of", {-3000, 100, 800, 600}, {-784, 100, 800, 600}},
        {"right and below", {5000, 5000, 400, 200}, {1264, 784, 400, 200}},
        {"just inside on the left", {-784, 30, 800, 600}, {-784, 30, 800, 600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowBounds::ClampToWorkArea(c.stored, area), c.expected);
    }
    // An area that does not start at the origin (a second screen on the right).
    EXPECT_EQ(WindowBounds::ClampToWorkArea({0, 0, 300, 200}, {1280, 0, 1024, 768}),
              (cuiRect{996, 0, 300, 200}));
}

TEST(SheetHistory, OneEntryPerReferenceNewestFirst) {
    cuiSheetHistory history;
    history.Store("A", {1, 2, 0, 0});
    history.Store("B", {3, 4, 1, 1});
    history.Store("A", {5, 6, 2, 2});
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Find("A"), (cuiSheetPlace{5, 6, 2, 2}));
    EXPECT_EQ(history.Find("B"), (cuiSheetPlace{3, 4, 1, 1}));
    EXPECT_FALSE(history.Find("C").has_value());
}

}  // namespace
