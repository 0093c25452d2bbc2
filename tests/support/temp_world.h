// Temporary map folders on disk, removed when the test ends.
#pragma once

#include <string>

namespace zelvor::testing {

class TempWorld {
 public:
  TempWorld();
  ~TempWorld();
  TempWorld(const TempWorld&) = delete;
  TempWorld& operator=(const TempWorld&) = delete;

  // The folder's absolute path, ending with "/".
  const std::string& path() const { return path_; }
  // Writes a file (bytes as given) under the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string MakeFolder(const std::string& name) const;
  std::string MakeFifo(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace zelvor::testing
