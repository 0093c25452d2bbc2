#include "cli/options.h"

#include <gtest/gtest.h>

namespace zelvor {
namespace {

TEST(OptionsTest, ColourFoldersAndOptionsInAnyOrder) {
  const ParsedOptions parsed = ParseOptions({"world", "--color=never", "--", "--odd", "-"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.colour, ColourMode::kNever);
  EXPECT_EQ(parsed.options.folders, (std::vector<std::string>{"world", "--odd", "-"}));
  EXPECT_EQ(ParseOptions({"--color", "always", "w"}).options.colour, ColourMode::kAlways);
  EXPECT_EQ(ParseOptions({"w"}).options.colour, ColourMode::kAuto);
  EXPECT_TRUE(ParseOptions({"--help"}).options.help);
  EXPECT_TRUE(ParseOptions({"-V"}).options.version);
}

TEST(OptionsTest, UsageErrorsSayWhatIsWrong) {
  EXPECT_EQ(ParseOptions({}).error, "no folder given");
  EXPECT_EQ(ParseOptions({"--colour=never", "w"}).error, "unknown option '--colour=never'");
  EXPECT_EQ(ParseOptions({"--color=sometimes", "w"}).error,
            "invalid value 'sometimes' for '--color': use auto, always or never");
  EXPECT_EQ(ParseOptions({"w", "--color"}).error,
            "option '--color' needs a value: auto, always or never");
}

}  // namespace
}  // namespace zelvor
