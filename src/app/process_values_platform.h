// The platform's part of InitProcessValues (process_values_win32.cpp and
// process_values_posix.cpp).
#pragma once
#include <string>

namespace quellon::process_detail {

// Lower-cases the process's command line in place, so that every later
// reader of it (the platform's argument splitting included) sees lower case
// only, and returns it.
std::wstring LowerCaseProcessCommandLine();

}  // namespace quellon::process_detail
