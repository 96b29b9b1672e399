#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace netcheck::testing {

// A new empty directory that is the current directory while the object lives.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// A file's bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace netcheck::testing
