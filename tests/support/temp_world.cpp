#include "support/temp_world.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zelvor::testing {
namespace fs = std::filesystem;

TempWorld::TempWorld() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") +
                        "/zelvor-test.XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = fs::path(pattern).lexically_normal().string() + "/";
}

TempWorld::~TempWorld() {
  std::error_code ignored;
  // Give back write and search rights a test may have taken away.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

std::string TempWorld::Write(const std::string& name, const std::string& bytes) const {
  const std::string file = path_ + name;
  fs::create_directories(fs::path(file).parent_path());
  WriteFile(file, bytes);
  return file;
}

std::string TempWorld::MakeFolder(const std::string& name) const {
  fs::create_directories(path_ + name);
  return path_ + name;
}

std::string TempWorld::MakeFifo(const std::string& name) const {
  const std::string file = path_ + name;
  if (::mkfifo(file.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  return file;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace zelvor::testing
