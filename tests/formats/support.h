// Helpers of the format tests: temporary map folders and running programs.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zelvor::testing {

// A fresh folder under the temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }  // absolute, no trailing "/"
  // Writes bytes to the file name (relative to the folder), replacing it.
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// Map lines joined with a line end after each one.
std::string MapText(const std::vector<std::string>& lines, const std::string& lineEnd);

struct ProcessResult {
  std::string out;  // standard output
  std::string err;  // standard error
  int status = -1;  // the exit status; -1 when it did not exit normally
};

// Runs program with args, stdin empty, in folder cwd (when not empty), with the
// environment variables in env set (an empty value unsets the variable).
ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env = {},
                  const std::string& input = {}, const std::string& cwd = {});

}  // namespace zelvor::testing
