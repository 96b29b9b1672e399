#pragma once
#include <string>

namespace netcheck {

// The system's only access to INI files. Each call names the file and is a complete open, access
// and close; nothing is cached. A name that begins with ".\" names a file in the current
// directory at the time of the call. Writes and deletes that cannot be done are lost without
// notice.
class IniStore {
 public:
  // Longest value a read returns: the profile API's 1024-character buffer less its NUL.
  static constexpr std::size_t kMaxValue = 1023;

  virtual ~IniStore() = default;

  // The key's value, at most kMaxValue characters, or `defaultValue` when the file, the section
  // or the key does not exist.
  virtual std::string ReadEntry(const std::string& fileName, const std::string& section, const std::string& key,
                                const std::string& defaultValue) = 0;
  // Creates the file and the section when missing; replaces the value of a key that exists.
  virtual void WriteEntry(const std::string& fileName, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
  // Removes the key; the section and its other keys stay.
  virtual void DeleteEntry(const std::string& fileName, const std::string& section, const std::string& key) = 0;
};

}  // namespace netcheck
