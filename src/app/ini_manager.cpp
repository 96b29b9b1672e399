#include "app/ini_manager.h"

#include "platform/text_to_number.h"

namespace netcheck {
namespace {

constexpr const char* kListSection = "__Dont_Touch_Me__";
constexpr const char* kCountKey = "Sectors";
constexpr std::size_t kMaxFileName = 259;
constexpr std::size_t kMaxListText = 99;
constexpr std::size_t kMaxListLine = 999;

std::string EntryKey(std::int32_t i) { return std::string(kCountKey) + "_" + std::to_string(i); }

}  // namespace

std::string ListField(const std::string& line, int k) {
  std::size_t pos = 0;
  for (int i = 1; i < k; ++i) {
    const std::size_t comma = line.find(',', pos);
    pos = comma == std::string::npos ? 0 : comma + 1;
  }
  const std::size_t end = line.find(',', pos);
  return line.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
}

std::string IniManager::Read(const std::string& section, const std::string& key, const std::string& defaultValue) {
  return store_->ReadEntry(fileName_, section, key, defaultValue);
}

void IniManager::Bind(IniStore& store, const std::string& fileName) {
  std::lock_guard guard(lock_);
  store_ = &store;
  fileName_ = fileName.substr(0, kMaxFileName);
  const std::int32_t count = TextToNumber(Read(kListSection, kCountKey, ""));
  if (count < 0 || count > kMaxSectors) {
    sections_.reset();
    return;
  }
  sections_.emplace();
  for (std::int32_t i = 1; i <= count; ++i) {
    std::string line = Read(kListSection, EntryKey(i), "---Unknown---").substr(0, kMaxListLine);
    sections_->push_back({ListField(line, 1).substr(0, kMaxListText), ListField(line, 2).substr(0, kMaxListText),
                          ListField(line, 3).substr(0, kMaxListText)});
  }
}

void IniManager::RestoreWindowState(const std::string& procedure, PlacementWindow& window) {
  std::lock_guard guard(lock_);
  if (store_ == nullptr) return;
  const std::string maximize = Read(procedure, "Maximize", "");
  if (maximize != "Yes" && maximize != "No") return;
  const bool maximized = maximize == "Yes";
  const bool minimized = Read(procedure, "Minimize", "") == "Yes";

  // A missing key keeps "no value"; the default is the present value's text, so that a missing
  // key reads back as what it was.
  const auto number = [&](const char* key) { return TextToNumber(Read(procedure, key, NumberToText(kNoValue))); };
  const std::int32_t x = number("XPos");
  const std::int32_t y = number("YPos");
  const std::int32_t w = number("Width");
  const std::int32_t h = number("Height");

  const bool wasMaximized = window.IsMaximized();
  if (!maximized && wasMaximized) window.RestoreFromMaximized();
  if (x != kNoValue) window.SetX(x);
  if (y != kNoValue) window.SetY(y);
  if (window.IsResizable()) {
    if (w != kNoValue) window.SetWidth(w);
    if (h != kNoValue) window.SetHeight(h);
  }
  window.KeepOnScreen();
  if (maximized && !wasMaximized) window.Maximize();
  if (minimized) window.Minimize();
}

void IniManager::SaveWindowState(const std::string& procedure, PlacementWindow& window) {
  std::lock_guard guard(lock_);
  if (store_ == nullptr) return;
  const bool maximized = window.IsMaximized();
  const bool minimized = window.IsMinimized();
  std::int32_t x = kNoValue, y = kNoValue, w = kNoValue, h = kNoValue;
  if (!maximized && !minimized) {
    x = window.X();
    y = window.Y();
    if (window.IsResizable()) {
      w = window.Width();
      h = window.Height();
    }
  }
  store_->WriteEntry(fileName_, procedure, "Maximize", maximized ? "Yes" : "No");
  store_->WriteEntry(fileName_, procedure, "Minimize", minimized ? "Yes" : "No");
  const std::pair<const char*, std::int32_t> numbers[] = {{"XPos", x}, {"YPos", y}, {"Width", w}, {"Height", h}};
  for (const auto& [key, value] : numbers) {
    if (value == kNoValue) {
      store_->DeleteEntry(fileName_, procedure, key);
    } else {
      store_->WriteEntry(fileName_, procedure, key, NumberToText(value));
    }
  }
}

void IniManager::Release() {
  std::lock_guard guard(lock_);
  if (store_ == nullptr) return;
  if (sections_) {
    store_->WriteEntry(fileName_, kListSection, kCountKey, std::to_string(sections_->size()));
    for (std::size_t i = 0; i < sections_->size(); ++i) {
      const Entry& e = (*sections_)[i];
      store_->WriteEntry(fileName_, kListSection, EntryKey(static_cast<std::int32_t>(i + 1)),
                         e.family + "," + e.item + "," + e.type);
    }
  }
  sections_.reset();
  store_ = nullptr;
}

std::vector<IniManager::Entry> IniManager::Entries() const {
  std::lock_guard guard(lock_);
  return sections_.value_or(std::vector<Entry>{});
}

}  // namespace netcheck
