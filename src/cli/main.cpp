// zelvor-check: checks map folders from the command line with the same words
// and colours as the window, or lists the findings with their positions for
// editors and CI.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/finding_writers.h"
#include "cli/folder_watch.h"
#include "cli/options.h"
#include "cli/terminal_report.h"
#include "core/checker.h"
#include "core/version.h"
#include "workdir/file_access.h"

namespace {

using zelvor::CheckOptions;
using zelvor::OutputFormat;

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

void Complain(const std::string& folder, const std::string& problem) {
  std::fflush(stdout);
  std::fprintf(stderr, "zelvor-check: %s: %s\n", folder.c_str(), problem.c_str());
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

struct FolderOutcome {
  bool checked = false;  // false: the folder could not be read
  bool errors = false;
  bool warnings = false;
};

// One folder: what the Load command does when the user chooses it (without
// the preferences file), then Test, printed in the chosen format. A fresh
// checker each time.
FolderOutcome CheckFolder(const std::string& folder, const std::string& absolute,
                          const CheckOptions& options, bool colour) {
  if (const std::string problem = FolderProblem(absolute); !problem.empty()) {
    Complain(folder, problem);
    return {};
  }
  if (options.format == OutputFormat::kReport) {
    zelvor::TerminalReport report(stdout, colour, absolute);
    zelvor::Checker checker(report, zelvor::CheckerEnvironment{});
    checker.FolderLoad();
    checker.TestCommand();
    return {true, checker.errors, checker.warnings};
  }
  zelvor::FindingCollector collector(folder, absolute);
  zelvor::Checker checker(collector, zelvor::CheckerEnvironment{});
  checker.FolderLoad();
  checker.TestCommand();
  switch (options.format) {
    case OutputFormat::kGcc:
      Print(zelvor::GccLines(collector.Findings(), colour));
      break;
    case OutputFormat::kJson:
      Print(zelvor::JsonDocument(collector.Findings()));
      break;
    case OutputFormat::kGithub:
      Print(zelvor::GithubAnnotations(collector.Findings()));
      break;
    case OutputFormat::kReport:
      break;
  }
  return {true, checker.errors, checker.warnings};
}

// Printed before each check of watch mode after the first; JSON documents
// stand one to a line and need none.
void PrintSeparator(const std::string& folder, const CheckOptions& options, bool colour) {
  if (options.format == OutputFormat::kJson) return;
  const std::string text = "===== " + folder + " changed, checked again =====";
  if (colour) {
    Print(zelvor::ColourEscape(zelvor::kReportPurple) + text + "\x1b[0m\n");
  } else {
    Print(text + "\n");
  }
}

bool FlushReport() {
  if (std::fflush(stdout) == 0) return true;
  std::fprintf(stderr, "zelvor-check: cannot write the report: %s\n", std::strerror(errno));
  return false;
}

int Watch(const CheckOptions& options, const std::vector<std::string>& absolute, bool colour) {
  // Watching starts before the first check, so that a change made during it
  // is checked too.
  zelvor::FolderWatch watch;
  if (!watch.ok()) {
    std::fprintf(stderr, "zelvor-check: cannot watch folders: %s\n", watch.error().c_str());
    return 2;
  }
  for (std::size_t i = 0; i < options.folders.size(); ++i) {
    if (!FolderProblem(absolute[i]).empty()) continue;  // the check says why
    if (!watch.Add(i, absolute[i])) {
      Complain(options.folders[i], "cannot watch: " + watch.error());
    }
  }
  for (std::size_t i = 0; i < options.folders.size(); ++i) {
    CheckFolder(options.folders[i], absolute[i], options, colour);
  }
  if (!FlushReport()) return 2;
  while (watch.Watched() != 0) {
    const zelvor::FolderWatch::Changes changes = watch.Wait();
    if (changes.stop) return 0;
    for (const std::size_t i : changes.lost) {
      Complain(options.folders[i], "folder removed or renamed; no longer watched");
    }
    for (const std::size_t i : changes.changed) {
      PrintSeparator(options.folders[i], options, colour);
      CheckFolder(options.folders[i], absolute[i], options, colour);
    }
    if (!FlushReport()) return 2;
  }
  std::fprintf(stderr, "zelvor-check: no folder left to watch\n");
  return 2;
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
  const CheckOptions& options = parsed.options;
  if (options.help) {
    std::fputs(zelvor::UsageText().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("zelvor-check %.*s\n", static_cast<int>(zelvor::kVersion.size()),
                zelvor::kVersion.data());
    return 0;
  }

  const bool colour = zelvor::UseColour(options.colour, ::isatty(STDOUT_FILENO) != 0,
                                        std::getenv("NO_COLOR"), std::getenv("FORCE_COLOR"));
  const std::string cwd = WorkingFolder();
  std::vector<std::string> absolute;
  for (const std::string& folder : options.folders) {
    absolute.push_back(zelvor::AbsoluteFolderPath(folder, cwd));
  }
  if (options.watch) return Watch(options, absolute, colour);

  bool unreadable = false;
  bool found = false;
  for (std::size_t i = 0; i < options.folders.size(); ++i) {
    const FolderOutcome outcome = CheckFolder(options.folders[i], absolute[i], options, colour);
    unreadable = unreadable || !outcome.checked;
    found = found || outcome.errors || (options.strict && outcome.warnings);
  }
  if (!FlushReport()) return 2;
  if (unreadable) return 2;
  return found ? 1 : 0;
}
