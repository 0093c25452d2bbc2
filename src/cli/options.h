// The command line of zelvor-check.
#pragma once

#include <string>
#include <vector>

namespace zelvor {

enum class ColourMode { kAuto, kAlways, kNever };

struct CheckOptions {
  ColourMode colour = ColourMode::kAuto;
  bool help = false;
  bool version = false;
  std::vector<std::string> folders;
};

struct ParsedOptions {
  CheckOptions options;
  std::string error;  // empty when the command line is sound
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

// The text --help prints.
std::string UsageText();

}  // namespace zelvor
