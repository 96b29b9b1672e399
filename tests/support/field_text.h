#pragma once
#include <cstddef>
#include <string>

namespace netcheck::testing {

// A text as a fixed field of `width` shows it: cut, or filled up with blanks.
inline std::string Field(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

}  // namespace netcheck::testing
