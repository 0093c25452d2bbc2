// Replays the fuzz seeds and every input the fuzzer once found a fault with
// (fuzz/regressions), through the same driver as the fuzz target.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_world.h"
#include "support.h"

namespace zelvor::testing {
namespace {

TEST(FuzzRegressions, EveryKeptInputChecksToTheVerdict) {
  std::size_t replayed = 0;
  for (const char* folder : {"/fuzz/seeds", "/fuzz/regressions"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZELVOR_SOURCE_DIR) + folder)) {
      if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
      SCOPED_TRACE(entry.path().string());
      // CheckInput aborts on a broken promise; reaching the end is the test.
      const std::string report = fuzz::CheckInput(ReadFile(entry.path()));
      EXPECT_FALSE(report.empty());
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0u);
}

}  // namespace
}  // namespace zelvor::testing
