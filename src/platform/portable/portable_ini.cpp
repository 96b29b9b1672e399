#include "platform/portable/portable_ini.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/ini_text.h"

namespace netcheck {
namespace {

// ".\name" and "dir\name" are Windows paths; here the separator is "/". A relative name is
// resolved against the current directory by the file calls themselves, at each call.
std::string ResolvePath(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

enum class FileState { Missing, Readable, Unusable };

FileState Load(const std::string& path, std::string* text) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return FileState::Missing;
  if (!S_ISREG(info.st_mode)) return FileState::Unusable;
  std::ifstream in(path, std::ios::binary);
  if (!in) return FileState::Unusable;
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? FileState::Unusable : FileState::Readable;
}

// A file without any write permission bit is what Windows calls read-only: writes to it fail,
// whoever the caller is.
bool IsReadOnly(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void Store(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".netcheck-new";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
  }
}

void Edit(const std::string& fileName, const std::string& section, const std::string& key, const std::string* value) {
  const std::string path = ResolvePath(fileName);
  std::string text;
  const FileState state = Load(path, &text);
  if (state == FileState::Unusable || (state == FileState::Readable && IsReadOnly(path))) return;
  IniText ini(std::move(text));
  if (ini.Set(section, key, value)) Store(path, ini.Text());
}

std::string CutToMax(std::string text) {
  if (text.size() > IniStore::kMaxValue) text.resize(IniStore::kMaxValue);
  return text;
}

}  // namespace

std::string PortableIni::ReadEntry(const std::string& fileName, const std::string& section, const std::string& key,
                                   const std::string& defaultValue) {
  std::string text;
  if (!key.empty() && Load(ResolvePath(fileName), &text) == FileState::Readable) {
    if (auto value = IniText(std::move(text)).Find(section, key)) return CutToMax(std::move(*value));
  }
  // The profile API hands back the default without its trailing blanks.
  std::string fallback = defaultValue;
  while (!fallback.empty() && (fallback.back() == ' ' || fallback.back() == '\t')) fallback.pop_back();
  return CutToMax(std::move(fallback));
}

void PortableIni::WriteEntry(const std::string& fileName, const std::string& section, const std::string& key,
                             const std::string& value) {
  Edit(fileName, section, key, &value);
}

void PortableIni::DeleteEntry(const std::string& fileName, const std::string& section, const std::string& key) {
  Edit(fileName, section, key, nullptr);
}

}  // namespace netcheck
