// The desktop picture saved before a shutdown, hibernation or restart.
#pragma once
#include <string>

namespace quellon {

// Saves the primary screen to fileName: a bitmap file for ".bmp" (any
// letter case), a JPEG (quality 90, colour, baseline) for any other
// extension. Every failure is swallowed; the action follows all the same.
void TakeScreenshot(const std::wstring& fileName);

// True when the name asks for a bitmap file.
bool ScreenshotIsBitmap(const std::wstring& fileName);

}  // namespace quellon
