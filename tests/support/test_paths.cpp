#include "support/test_paths.h"

namespace quellon::test {

std::string SourceDir() { return QUELLON_SOURCE_DIR; }

}  // namespace quellon::test
