// The command line of zelvor-check.
#pragma once

#include <string>
#include <vector>

namespace zelvor {

enum class ColourMode { kAuto, kAlways, kNever };

// How findings are printed: the report as the window shows it, or one of the
// positioned formats for editors and CI.
enum class OutputFormat { kReport, kGcc, kJson, kGithub };

struct CheckOptions {
  ColourMode colour = ColourMode::kAuto;
  OutputFormat format = OutputFormat::kReport;
  bool strict = false;  // warnings count as errors for the exit status
  bool watch = false;   // check again whenever a location file changes
  bool help = false;
  bool version = false;
  std::vector<std::string> folders;
};

struct ParsedOptions {
  CheckOptions options;
  std::string error;  // empty when the command line is sound
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

// Whether to colour: --color=always and --color=never decide alone; auto
// colours when FORCE_COLOR is set (non-empty), else not when NO_COLOR is set
// (non-empty), else when standard output is a terminal. The variables are
// passed as getenv gives them (null when unset).
bool UseColour(ColourMode mode, bool isTerminal, const char* noColour, const char* forceColour);

// The text --help prints.
std::string UsageText();

}  // namespace zelvor
