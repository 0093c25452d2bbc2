// One fuzz input as a loaded folder of location files, checked in memory.
//
// Input layout: files are separated by kFileSeparator. Each file starts with
// one byte n (taken modulo 64), then n bytes of its name, then its content;
// a file too short for its name gets the rest as its name and no content.
// The same layout is used by the seeds in fuzz/seeds and by every input kept
// in fuzz/regressions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvor::fuzz {

inline constexpr std::string_view kFileSeparator = "\n@@file@@\n";

struct FuzzFile {
  std::string name;
  std::string bytes;
};

// The files an input stands for.
std::vector<FuzzFile> SplitInput(std::string_view input);

// Loads the files as a folder load would (bytes decoded the same way), runs
// the Test command and checks what every run must give: a report made of
// whole lines that ends with the verdict, errors reported exactly when the
// errors flag is set. Aborts on a broken promise so that the fuzzer keeps
// the input. Returns the report.
std::string CheckInput(std::string_view input);

}  // namespace zelvor::fuzz
