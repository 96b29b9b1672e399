#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netcheck {

// The INI format as the profile API reads and edits it, on a file's text held in memory.
// Lines end at "\n" (a "\r" before it belongs to the line end).
class IniText {
 public:
  explicit IniText(std::string text);

  // The value of the first `key` in the first section named `section`, without surrounding
  // blanks and one pair of matching quotes; nullopt when the section or key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Sets `key` to `value` (a null value removes the key). Returns false when nothing changed.
  bool Set(std::string_view section, std::string_view key, const std::string* value);

  const std::string& Text() const { return text_; }

 private:
  struct Line {
    std::size_t begin;         // offset of the line's first byte
    std::size_t end;           // offset after its last byte, line end included
    std::string_view content;  // without the line end
  };
  Line LineAt(std::size_t begin) const;  // the line that starts at `begin`
  std::vector<Line> SplitLines() const;

  std::string text_;
};

}  // namespace netcheck
