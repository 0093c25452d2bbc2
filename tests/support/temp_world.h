// Temporary map folders on disk, removed when the test ends, and whole-file
// reads and writes.
#pragma once

#include <string>
#include <string_view>

namespace zelvor::testing {

class TempWorld {
 public:
  TempWorld();
  ~TempWorld();
  TempWorld(const TempWorld&) = delete;
  TempWorld& operator=(const TempWorld&) = delete;

  // The folder's absolute path, ending with "/".
  const std::string& path() const { return path_; }
  // The path of name under the folder.
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }
  // Writes a file (bytes as given) under the folder, making the folders on
  // its way; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string MakeFolder(const std::string& name) const;
  std::string MakeFifo(const std::string& name) const;

 private:
  std::string path_;
};

// Writes bytes to the file at path, replacing it; throws when it cannot.
void WriteFile(const std::string& path, std::string_view bytes);
// The bytes of the file at path; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace zelvor::testing
