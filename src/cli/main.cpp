// zelvor-check: checks map folders from the command line with the same words
// and colours as the window.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/terminal_report.h"
#include "core/checker.h"
#include "core/version.h"
#include "workdir/file_access.h"

namespace {

using zelvor::ColourMode;

// The folder we are in, as the shell names it ($PWD) when that is this
// folder, so that reported paths keep the links the user went through.
std::string WorkingFolder() {
  struct stat here {};
  struct stat named {};
  const char* pwd = std::getenv("PWD");
  if (pwd != nullptr && pwd[0] == '/' && ::stat(".", &here) == 0 && ::stat(pwd, &named) == 0 &&
      here.st_dev == named.st_dev && here.st_ino == named.st_ino) {
    return pwd;
  }
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// Why a folder cannot be checked; empty when it can.
std::string FolderProblem(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return std::strerror(errno);
  if (!S_ISDIR(info.st_mode)) return "Not a directory";
  if (::access(folder.c_str(), R_OK | X_OK) != 0) return std::strerror(errno);
  if (!zelvor::ListFolder(folder)) return std::strerror(errno);
  return {};
}

bool UseColour(ColourMode mode) {
  switch (mode) {
    case ColourMode::kAlways:
      return true;
    case ColourMode::kNever:
      return false;
    case ColourMode::kAuto:
      break;
  }
  const char* noColour = std::getenv("NO_COLOR");
  return ::isatty(STDOUT_FILENO) && (noColour == nullptr || noColour[0] == '\0');
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const zelvor::ParsedOptions parsed = zelvor::ParseOptions(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "zelvor-check: %s\nTry 'zelvor-check --help' for more information.\n",
                 parsed.error.c_str());
    return 2;
  }
  const zelvor::CheckOptions& options = parsed.options;
  if (options.help) {
    std::fputs(zelvor::UsageText().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("zelvor-check %.*s\n", static_cast<int>(zelvor::kVersion.size()),
                zelvor::kVersion.data());
    return 0;
  }

  const bool colour = UseColour(options.colour);
  const std::string cwd = WorkingFolder();
  bool unreadable = false;
  bool foundErrors = false;
  for (const std::string& folder : options.folders) {
    const std::string absolute = zelvor::AbsoluteFolderPath(folder, cwd);
    if (const std::string problem = FolderProblem(absolute); !problem.empty()) {
      std::fflush(stdout);
      std::fprintf(stderr, "zelvor-check: %s: %s\n", folder.c_str(), problem.c_str());
      unreadable = true;
      continue;
    }
    // A fresh checker per folder: what the Load command does when the user
    // chooses this folder, without the preferences file, then Test.
    zelvor::TerminalReport report(stdout, colour, absolute);
    zelvor::Checker checker(report, zelvor::CheckerEnvironment{});
    checker.FolderLoad();
    checker.TestCommand();
    foundErrors = foundErrors || checker.errors;
  }
  if (std::fflush(stdout) != 0) {
    std::fprintf(stderr, "zelvor-check: cannot write the report: %s\n", std::strerror(errno));
    return 2;
  }
  if (unreadable) return 2;
  return foundErrors ? 1 : 0;
}
