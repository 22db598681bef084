#include "util/exception.h"

#include <utility>

#include "util/text.h"

namespace quellon {

Exception::Exception(std::wstring message) : message_(std::move(message)) {
  try {
    what_ = WideToUtf8(message_);
  } catch (...) {
    // what() is for diagnostics; the message itself is kept.
  }
}

SilentAbort::SilentAbort() : Exception(L"Stopped after the user was told.") {}

}  // namespace quellon
