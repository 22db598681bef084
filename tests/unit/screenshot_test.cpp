#include <gtest/gtest.h>

#include "actions/screenshot.h"
#include "util/text.h"

namespace quellon {
namespace {

TEST(ScreenshotTest, FormatFollowsTheExtension) {
  struct Case {
    const wchar_t* name;
    bool bitmap;
  } cases[] = {{L"C:\\shots\\desk.bmp", true}, {L"C:\\shots\\desk.BMP", true}, {L"C:\\shots\\desk.jpg", false},
               {L"C:\\shots\\desk.jpeg", false}, {L"C:\\shots\\desk.png", false}, {L"C:\\shots\\desk", false},
               {L"C:\\shots.bmp\\desk", false}};
  for (const auto& c : cases) EXPECT_EQ(ScreenshotIsBitmap(c.name), c.bitmap) << WideToUtf8(c.name);
}

}  // namespace
}  // namespace quellon
