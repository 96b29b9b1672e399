#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace netcheck {

// A text field of fixed width, as the window shows it: assigning copies at most N characters
// and fills the rest with blanks, so a shorter text leaves nothing of a longer one behind.
template <std::size_t N>
class FixedText {
 public:
  FixedText() { chars_.fill(' '); }
  FixedText& operator=(std::string_view text) {
    chars_.fill(' ');
    text.copy(chars_.data(), N);
    return *this;
  }
  std::string_view View() const { return {chars_.data(), N}; }
  static constexpr std::size_t Width() { return N; }

 private:
  std::array<char, N> chars_;
};

}  // namespace netcheck
