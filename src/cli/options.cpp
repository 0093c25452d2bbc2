#include "cli/options.h"

#include <optional>

namespace zelvor {
namespace {

std::optional<ColourMode> ParseColourMode(const std::string& word) {
  if (word == "auto") return ColourMode::kAuto;
  if (word == "always") return ColourMode::kAlways;
  if (word == "never") return ColourMode::kNever;
  return std::nullopt;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  CheckOptions& o = parsed.options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      o.folders.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version" || arg == "-V") {
      o.version = true;
    } else if (arg == "--color" || arg.rfind("--color=", 0) == 0) {
      std::string word;
      if (arg == "--color") {
        if (i + 1 >= args.size()) {
          parsed.error = "option '--color' needs a value: auto, always or never";
          return parsed;
        }
        word = args[++i];
      } else {
        word = arg.substr(8);
      }
      const auto mode = ParseColourMode(word);
      if (!mode) {
        parsed.error = "invalid value '" + word + "' for '--color': use auto, always or never";
        return parsed;
      }
      o.colour = *mode;
    } else {
      parsed.error = "unknown option '" + arg + "'";
      return parsed;
    }
  }
  if (!o.help && !o.version && o.folders.empty()) parsed.error = "no folder given";
  return parsed;
}

std::string UsageText() {
  return "Usage: zelvor-check [OPTION]... FOLDER...\n"
         "Check the Kestrane map files (*.loc) of each FOLDER and print its report.\n"
         "\n"
         "Each folder is loaded and tested as the Load and Test commands of the\n"
         "window do; map files are only read, never changed.\n"
         "\n"
         "Options:\n"
         "  --color=WHEN   colour the report: auto (the default: only on a terminal,\n"
         "                 and not when NO_COLOR is set), always or never\n"
         "  -h, --help     show this help and exit\n"
         "  -V, --version  show the version and exit\n"
         "\n"
         "Exit status:\n"
         "  0  every folder checked without errors (warnings allowed)\n"
         "  1  errors were found in at least one folder\n"
         "  2  a usage error, or a folder that does not exist or cannot be read\n";
}

}  // namespace zelvor
