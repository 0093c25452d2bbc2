// Helpers of the robustness tests: the example worlds' files, loads of a
// folder in memory, and runs of zelvor-check or of checker code in a child
// process. Temporary folders, whole files, the recording view and the
// process runner come from the shared test support.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker.h"
#include "support/process.h"
#include "support/recording_view.h"
#include "support/temp_world.h"

namespace zelvor::testing {

// The example world's files by name.
std::string ExampleFile(std::string_view world, std::string_view name);

// Loads a folder as the Load command does (without the preferences file)
// and tests it.
struct CheckedFolder {
  std::vector<std::string> names;  // the loaded files, in load order
  std::string report;
  bool errors = false;
};
CheckedFolder CheckFolder(const std::string& folder);

// Runs zelvor-check with these arguments, standard input empty.
ProcessResult RunCheck(const std::vector<std::string>& args);

// Runs body in a child process, as an unprivileged user (nobody) when the
// tests run as root, so that file permissions apply; gives back what body
// returned, or nothing when the child did not finish normally.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& body);

}  // namespace zelvor::testing
