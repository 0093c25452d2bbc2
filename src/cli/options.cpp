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

std::optional<OutputFormat> ParseOutputFormat(const std::string& word) {
  if (word == "report") return OutputFormat::kReport;
  if (word == "gcc") return OutputFormat::kGcc;
  if (word == "json") return OutputFormat::kJson;
  if (word == "github") return OutputFormat::kGithub;
  return std::nullopt;
}

// The value of an option written --name=VALUE or --name VALUE; false (with
// the error set) when it has none.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               const std::string& choices, std::string& value, std::string& error) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) {
      error = "option '" + name + "' needs a value: " + choices;
      return false;
    }
    value = args[++i];
  } else {
    value = arg.substr(name.size() + 1);
  }
  return true;
}

bool IsOption(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
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
    } else if (arg == "--strict") {
      o.strict = true;
    } else if (arg == "--watch") {
      o.watch = true;
    } else if (IsOption(arg, "--color")) {
      std::string word;
      if (!TakeValue(args, i, "--color", "auto, always or never", word, parsed.error)) {
        return parsed;
      }
      const auto mode = ParseColourMode(word);
      if (!mode) {
        parsed.error = "invalid value '" + word + "' for '--color': use auto, always or never";
        return parsed;
      }
      o.colour = *mode;
    } else if (IsOption(arg, "--format")) {
      std::string word;
      if (!TakeValue(args, i, "--format", "report, gcc, json or github", word, parsed.error)) {
        return parsed;
      }
      const auto format = ParseOutputFormat(word);
      if (!format) {
        parsed.error =
            "invalid value '" + word + "' for '--format': use report, gcc, json or github";
        return parsed;
      }
      o.format = *format;
    } else {
      parsed.error = "unknown option '" + arg + "'";
      return parsed;
    }
  }
  if (!o.help && !o.version && o.folders.empty()) parsed.error = "no folder given";
  return parsed;
}

bool UseColour(ColourMode mode, bool isTerminal, const char* noColour, const char* forceColour) {
  switch (mode) {
    case ColourMode::kAlways:
      return true;
    case ColourMode::kNever:
      return false;
    case ColourMode::kAuto:
      break;
  }
  const auto isSet = [](const char* value) { return value != nullptr && value[0] != '\0'; };
  if (isSet(forceColour)) return true;
  if (isSet(noColour)) return false;
  return isTerminal;
}

std::string UsageText() {
  return "Usage: zelvor-check [OPTION]... FOLDER...\n"
         "Check the Kestrane map files (*.loc) of each FOLDER and print its report.\n"
         "\n"
         "Each folder is loaded and tested as the Load and Test commands of the\n"
         "window do; map files are only read, never changed.\n"
         "\n"
         "Options:\n"
         "  --format=FORMAT  how findings are printed:\n"
         "                     report  the report as the window shows it (the default)\n"
         "                     gcc     PATH:LINE: error: MESSAGE, one line per finding,\n"
         "                             then a count of errors and warnings per folder\n"
         "                     json    one JSON document per folder, on one line\n"
         "                     github  GitHub Actions annotations (::error file=...)\n"
         "  --color=WHEN     colour the report and gcc formats: auto (the default:\n"
         "                   only on a terminal; FORCE_COLOR forces it, else NO_COLOR\n"
         "                   turns it off), always or never\n"
         "  --strict         warnings count as errors for the exit status\n"
         "  --watch          after the first check, check a folder again whenever a\n"
         "                   location file in it is written, created, removed or\n"
         "                   renamed; Ctrl+C ends it\n"
         "  -h, --help       show this help and exit\n"
         "  -V, --version    show the version and exit\n"
         "\n"
         "Exit status:\n"
         "  0  every folder checked without errors (warnings allowed unless --strict);\n"
         "     --watch: ended by Ctrl+C (SIGINT) or SIGTERM\n"
         "  1  errors (or, with --strict, warnings) were found in at least one folder\n"
         "  2  a usage error, or a folder that does not exist or cannot be read\n"
         "     (--watch: when no folder is left to watch)\n";
}

}  // namespace zelvor
