// Where tests find the sources and, under Wine, the product files.
#pragma once
#include <string>

namespace quellon::test {

// The repository root as a host path.
std::string SourceDir();

}  // namespace quellon::test
