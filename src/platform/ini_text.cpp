#include "platform/ini_text.h"

#include "platform/names.h"

namespace netcheck {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// What one line of an INI file is.
struct Parsed {
  enum Kind { Other, Section, Entry } kind = Other;
  std::string_view name;   // section or key name
  std::string_view value;  // entry value, without blanks and one pair of quotes
};

Parsed ParseLine(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty()) return {};
  if (t.front() == '[') {
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos) return {};
    return {Parsed::Section, Trim(t.substr(1, close - 1)), {}};
  }
  if (t.front() == ';') return {};
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return {Parsed::Entry, t, {}};
  const std::string_view name = Trim(t.substr(0, eq));
  if (name.empty()) return {};
  std::string_view value = Trim(t.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return {Parsed::Entry, name, value};
}

}  // namespace

IniText::IniText(std::string text) : text_(std::move(text)) {}

IniText::Line IniText::LineAt(std::size_t begin) const {
  const std::size_t newline = text_.find('\n', begin);
  const std::size_t end = newline == std::string::npos ? text_.size() : newline + 1;
  std::size_t contentEnd = newline == std::string::npos ? text_.size() : newline;
  if (contentEnd > begin && text_[contentEnd - 1] == '\r') --contentEnd;
  return {begin, end, std::string_view(text_).substr(begin, contentEnd - begin)};
}

std::vector<IniText::Line> IniText::SplitLines() const {
  std::vector<Line> lines;
  for (std::size_t begin = 0; begin < text_.size(); begin = lines.back().end) lines.push_back(LineAt(begin));
  return lines;
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
  // Lines are looked at one by one, without splitting the whole file first.
  bool inSection = false;
  for (std::size_t begin = 0; begin < text_.size();) {
    const Line line = LineAt(begin);
    begin = line.end;
    const Parsed p = ParseLine(line.content);
    if (p.kind == Parsed::Section) {
      // Only the first section of a name counts.
      if (inSection) return std::nullopt;
      inSection = NamesEqual(p.name, section);
    } else if (p.kind == Parsed::Entry && inSection && NamesEqual(p.name, key)) {
      return std::string(p.value);
    }
  }
  return std::nullopt;
}

bool IniText::Set(std::string_view section, std::string_view key, const std::string* value) {
  const std::vector<Line> lines = SplitLines();
  std::optional<std::size_t> header;   // index of the section's header line
  std::optional<std::size_t> lastKey;  // index of the section's last entry line
  std::optional<std::size_t> found;    // index of the key's line
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = ParseLine(lines[i].content);
    if (p.kind == Parsed::Section) {
      if (header) break;
      if (NamesEqual(p.name, section)) header = i;
    } else if (p.kind == Parsed::Entry && header) {
      lastKey = i;
      if (!found && NamesEqual(p.name, key)) found = i;
    }
  }

  if (value == nullptr) {
    if (!found) return false;
    const Line& line = lines[*found];
    text_.erase(line.begin, line.end - line.begin);
    return true;
  }
  if (found) {
    // Keep the key's position, the case it was written in and the line's own ending.
    const Line& line = lines[*found];
    const std::string_view keyName = Trim(line.content.substr(0, line.content.find('=')));
    const std::string replacement = std::string(keyName) + "=" + *value;
    if (line.content == replacement) return false;
    const std::size_t contentLength = line.content.size();
    text_.replace(line.begin, contentLength, replacement);
    return true;
  }
  const std::string entry = std::string(key) + "=" + *value + "\r\n";
  if (header) {
    const Line& after = lines[lastKey.value_or(*header)];
    std::string insert = entry;
    if (after.end == text_.size() && (text_.empty() || text_.back() != '\n')) insert.insert(0, "\r\n");
    text_.insert(after.end, insert);
    return true;
  }
  if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
  text_ += "[" + std::string(section) + "]\r\n" + entry;
  return true;
}

}  // namespace netcheck
