// File access through the C library's POSIX calls: C++ streams cannot open a
// file without blocking when it turns out to be a FIFO.
#include "workdir/file_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

namespace zelvor {
namespace {

// Owns one file descriptor.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now, reporting whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Owns one open folder listing.
class FolderHandle {
 public:
  explicit FolderHandle(const std::string& path) : dir_(::opendir(path.c_str())) {}
  ~FolderHandle() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

// Opens path for reading when it is a regular file (links followed); an
// invalid descriptor otherwise. O_NONBLOCK: opening a FIFO must not wait for
// a writer. size, when given, receives the file's size.
FileDescriptor OpenRegularFile(const std::string& path, off_t* size) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return FileDescriptor(-1);
  }
  if (size != nullptr) *size = info.st_size;
  return fd;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> ListFolder(const std::string& folder) {
  FolderHandle dir(folder);
  if (dir.get() == nullptr) return std::nullopt;
  std::vector<std::string> names;
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::sort(names.begin(), names.end());  // std::string compares byte-wise
  return names;
}

std::optional<std::string> ReadRegularFile(const std::string& path) {
  off_t size = 0;
  const FileDescriptor fd = OpenRegularFile(path, &size);
  if (!fd.valid()) return std::nullopt;
  std::string content;
  if (size > 0) content.reserve(static_cast<std::size_t>(size));
  // Read to the end rather than to the size seen: the file may change.
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return content;
}

std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxBytes) {
  const FileDescriptor fd = OpenRegularFile(path, nullptr);
  if (!fd.valid()) return std::nullopt;
  std::string line;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    const std::string_view chunk(buffer, static_cast<std::size_t>(n));
    const std::size_t end = chunk.find('\n');
    line.append(chunk.substr(0, end));
    if (line.size() > maxBytes) return std::nullopt;
    if (end != std::string_view::npos) break;
  }
  return line;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
  std::string temp = path + ".XXXXXX";
  FileDescriptor fd(::mkstemp(temp.data()));
  if (!fd.valid()) return false;
  const bool written = WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0;
  if (!fd.Close() || !written || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

std::string AbsoluteFolderPath(const std::string& path, const std::string& cwd) {
  std::filesystem::path p(path);
  if (p.is_relative()) p = std::filesystem::path(cwd) / p;
  std::string normal = p.lexically_normal().string();
  if (normal.empty() || normal.back() != '/') normal.push_back('/');
  return normal;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace zelvor
