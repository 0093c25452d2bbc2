#include "support/temp_world.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zelvor::testing {

TempWorld::TempWorld() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") +
                        "/zelvor-test.XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = std::filesystem::path(pattern).lexically_normal().string() + "/";
}

TempWorld::~TempWorld() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempWorld::Write(const std::string& name, const std::string& bytes) const {
  const std::string file = path_ + name;
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return file;
}

std::string TempWorld::MakeFolder(const std::string& name) const {
  std::filesystem::create_directories(path_ + name);
  return path_ + name;
}

std::string TempWorld::MakeFifo(const std::string& name) const {
  const std::string file = path_ + name;
  if (::mkfifo(file.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  return file;
}

}  // namespace zelvor::testing
