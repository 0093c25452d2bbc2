#include <gtest/gtest.h>

#include "rules/rules_test_support.h"

namespace zelvor::testing {
namespace {

const std::string kCompletd = E(" Launch and orbit locs must be completd for non-space maps");
const std::string kNotNumber = E(" Launch location should be just a number for non-space maps");
const std::string kNoLaunch = E(" Launch location does not exist!");
const std::string kLetters =
    E("Orbit location system name must comprise of letters and number characters only");
const std::string kUpper = E("Orbit location system name must start with an uppercase letter");
const std::string kForm = E(
    "Orbit Location map title must be in the form 'Systemname Space' - for instance "
    "'Sol.Sol Space.42'");
const std::string kNoMap = E("Orbit map cannot be found!");
const std::string kNoLocation = E("Orbit location cannot be found!");

// Findings of a map with rooms 1 and 1.5 and this header, beside the space
// map (title "Sol Space", location 42).
std::vector<std::string> HeaderFindings(const std::string& header) {
  return FindingsOf(MapWithRooms("Map", {{"1", "-"}, {"1.5", "-"}}, header));
}

TEST(LaunchOrbitRulesTest, HeaderRulesStopAtTheFirstFailureAndTheSearchAlwaysRuns) {
  struct Case {
    std::string header;
    std::vector<std::string> findings;
  };
  const std::vector<Case> cases = {
      {"from='1' to='Sol.Sol Space.42'", {}},
      {"from='1' to='Sol.Sol Space.42.7'", {}},  // a fourth part is ignored
      {"from='1'", {kCompletd, kNoMap}},
      {"to='Sol.Sol Space.42'", {kCompletd}},
      {"from='' to='Sol.Sol Space.42'", {kCompletd}},
      {"from='abc' to='Sol.Sol Space.42'", {kNotNumber}},
      {"from='0' to='Sol.Sol Space.42'", {kNotNumber}},
      {"from='0.5' to='Sol.Sol Space.42'", {kNotNumber}},
      {"from='1.5' to='Sol.Sol Space.42'", {}},   // 1.5 is a location of the map
      {"from='2' to='Sol.Sol Space.42'", {kNoLaunch}},
      {"from=' 1 ' to='Sol.Sol Space.42'", {kNoLaunch}},
      {"from ='1' to='Sol.Sol Space.42'", {kCompletd}},
      {"from='1' to='Sol.Sol-Space.42'", {kLetters, kNoMap}},
      {"from='1' to='Sol.Sol Space.4_2'", {kLetters, kNoLocation}},
      {"from='1' to='Sol.Sol Space.4 2'", {kNoLocation}},  // a blank is accepted
      {"from='1' to='sol.Sol Space.42'", {kUpper}},
      {"from='1' to='Sol.sol Space.42'", {kUpper, kNoMap}},
      {"from='1' to='Sol.Terra Space.42'", {kForm, kNoMap}},
      {"from='1' to='Sol.Sol Spac.42'", {kForm, kNoMap}},
      {"from='1' to='Sol.SolSpace.42'", {kNoMap}},  // no blank needed before Space
      {"from='1' to='Sol.Sol Space.43'", {kNoLocation}},
      // An orbit reference without a location number never finds one.
      {"from='1' to='Sol.Sol Space'", {kNoLocation}},
      {"from='1' to='Sol.Sol Space.'", {kNoLocation}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeaderFindings(c.header), c.findings) << c.header;
  }
}

TEST(LaunchOrbitRulesTest, OrbitMapIsFoundByAnyFilesFirstQuotedText) {
  const auto map = MapWithRooms("Map", {{"1", "-"}}, "from='1' to='Sol.Sol Space.42'");
  const std::vector<std::string> otherSpace = {"<?xml ?>", "<kestrane-map title='Sol Space'>",
                                               "<location num='7'>", "</location>"};
  // Two files with the title: the location may lie in either.
  EXPECT_EQ(Findings(CheckFiles({{"a.loc", map}, {"SPACE.LOC", otherSpace}, {"space.loc", kSpaceMap}})),
            std::vector<std::string>{});
  EXPECT_EQ(Findings(CheckFiles({{"a.loc", map}, {"SPACE.LOC", otherSpace}})),
            std::vector<std::string>{kNoLocation});
  // A declaration with apostrophes hides the title from the search.
  auto shifted = kSpaceMap;
  shifted[0] = "<?xml version='1.0'?>";
  EXPECT_EQ(Findings(CheckFiles({{"a.loc", map}, {"space.loc", shifted}})),
            std::vector<std::string>{kNoMap});
  // The location is any trimmed line whose "<location num=" value matches.
  auto spaced = kSpaceMap;
  spaced[2] = "  \n<location num='42' flags='x'>  ";
  EXPECT_EQ(Findings(CheckFiles({{"a.loc", map}, {"space.loc", spaced}})),
            std::vector<std::string>{});
  // The map under test can be its own orbit map.
  const auto self = MapWithRooms("Sol Space", {{"1", "-"}}, "from='1' to='Sol.Sol Space.1'");
  EXPECT_EQ(Findings(CheckFiles({{"self.loc", self}})), std::vector<std::string>{});
}

TEST(LaunchOrbitRulesTest, SpaceMapMustNotNameLaunchOrOrbit) {
  const std::string kShouldBeEmpty = E(" Launch and orbit locs should be empty for space map");
  const auto space = [](const std::string& extra) {
    return std::vector<std::string>{"", "<kestrane-map title='Sol Space'" + extra + ">"};
  };
  EXPECT_EQ(Findings(CheckFiles({{"space.loc", space("")}})), std::vector<std::string>{});
  EXPECT_EQ(Findings(CheckFiles({{"SPACE.LOC", space(" from='1'")}})),
            std::vector<std::string>{kShouldBeEmpty});
  EXPECT_EQ(Findings(CheckFiles({{"space.loc", space(" to='Sol.Sol Space.42'")}})),
            std::vector<std::string>{kShouldBeEmpty});
  // space.loc.old is parsed as the space map but judged as any other map.
  EXPECT_EQ(Findings(CheckFiles({{"space.loc.old", space("")}})),
            (std::vector<std::string>{kCompletd, kNoMap}));
}

TEST(LaunchOrbitRulesTest, Predicates) {
  EXPECT_TRUE(Checker::IsUpper("A"));
  EXPECT_TRUE(Checker::IsUpper("Zed"));
  EXPECT_FALSE(Checker::IsUpper("a"));
  EXPECT_FALSE(Checker::IsUpper(""));
  EXPECT_FALSE(Checker::IsUpper("\xC3\x89"));  // É is no ASCII capital
  EXPECT_TRUE(Checker::IsAscii(""));
  EXPECT_TRUE(Checker::IsAscii("Sol 42\x1F"));
  for (const std::string bad : {"\x1E", "-", "_", "@", "[", "`", "{", "\x7F", "\xC3\xA9", "."}) {
    EXPECT_FALSE(Checker::IsAscii(bad)) << bad;
  }
}

}  // namespace
}  // namespace zelvor::testing
