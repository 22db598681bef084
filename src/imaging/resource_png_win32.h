// PNG pictures stored as RCDATA resources (the menu button's "XMenu1" and
// "XMenu2" in ZUB.exe), decoded to RGBA, and turned into bitmaps for drawing.
#pragma once
#include <windows.h>

#include <string>

#include "imaging/image.h"
#include "os/win32/handles.h"
#include "util/result.h"

namespace quellon::imaging {

// Finds the named RCDATA resource in module (nullptr: the program itself;
// a module loaded as a data file works too) and decodes it. A missing
// resource is the failed call's error, damaged data the decoder's.
Result<RgbaImage> DecodePngResource(HMODULE module, const wchar_t* name);

// A 32-bit top-down DIB section with premultiplied alpha, ready for
// AlphaBlend with AC_SRC_ALPHA; empty when GDI refuses.
win32::UniqueGdiObject CreateAlphaBitmap(const RgbaImage& image);

}  // namespace quellon::imaging
