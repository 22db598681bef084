#include <gtest/gtest.h>

#include "app/window_place.h"

namespace quellon::app {
namespace {

// A window of 345 x 286 against a primary monitor of 1280 x 994 (taskbar
// below) and a second one of 1024 x 738 to its right.
TEST(WindowPlaceTest, KeepsAReachablePositionAndBringsBackTheRest) {
  const std::vector<ui::Rect> areas = {{0, 0, 1280, 994}, {1280, 0, 1024, 738}};
  struct Case {
    const char* name;
    int left, top;
    ui::Point expected;
  };
  const Case cases[] = {
      {"inside", 100, 80, {100, 80}},
      {"on the second monitor", 1500, 200, {1500, 200}},
      {"partly off to the left, caption grip on screen", -250, 80, {-250, 80}},
      {"too little caption left on screen", -320, 80, {0, 80}},
      {"caption above the screen", 100, -5, {100, 0}},
      {"caption below the work area", 100, 980, {100, 994 - 286}},
      {"beyond the second monitor", 100000, 80, {2304 - 345, 80}},
      {"left of the primary", -100000, 500, {0, 500}},
      {"the minimised marker", -32000, -32000, {0, 0}},
      {"the largest integer", 0x7fffffff, 0x7fffffff, {2304 - 345, 738 - 286}},
      {"below the second monitor", 1500, 800, {1500, 738 - 286}},
      {"far below both", 600, 100000, {600, 994 - 286}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Point p = PlaceOnScreen({c.left, c.top, 345, 286}, areas);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
  }
}

TEST(WindowPlaceTest, AWindowLargerThanTheAreaStartsAtItsCorner) {
  ui::Point p = PlaceOnScreen({5000, 5000, 2000, 1500}, {{0, 0, 1280, 994}});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

TEST(WindowPlaceTest, WithoutWorkAreasThePositionStays) {
  ui::Point p = PlaceOnScreen({100000, 5, 345, 286}, {});
  EXPECT_EQ(p.x, 100000);
  EXPECT_EQ(p.y, 5);
}

}  // namespace
}  // namespace quellon::app
