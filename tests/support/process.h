// Running a program as a child process and collecting what it writes.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace zelvor::testing {

struct ProcessResult {
  std::string out;  // standard output
  std::string err;  // standard error
  int status = -1;  // the exit status; -1 when it did not exit normally
};

// Runs program with args, given input on its standard input (empty: none),
// in folder cwd (when not empty), with the environment variables in env set
// (an empty value unsets the variable).
ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env = {},
                  const std::string& input = {}, const std::string& cwd = {});

}  // namespace zelvor::testing
