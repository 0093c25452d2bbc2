#include <gtest/gtest.h>

#include "rules/rules_test_support.h"

namespace zelvor::testing {
namespace {

// The title findings of one file, alone in the folder.
std::vector<std::string> TitleFindings(const std::string& name, const std::string& title) {
  std::vector<std::string> found;
  for (const std::string& line :
       Findings(CheckFiles({{name, {"", "<kestrane-map title='" + title + "'>"}}}))) {
    if (line.find("title") != std::string::npos) found.push_back(line);
  }
  return found;
}

TEST(TitleRulesTest, SpaceMapTitleEndsInBlankSpace) {
  const std::string kSpaceTitle = E(" Space.loc map needs title in the form 'Xxxxx Space'");
  const std::vector<std::pair<std::string, bool>> titles = {
      {"Sol Space", true}, {" Space", true},     {"Space", false}, {"Sol Spaces", false},
      {"", false},         {"ab", false},        {"Sol space", false},
  };
  for (const auto& [title, passes] : titles) {
    for (const std::string name : {"space.loc", "SPACE.loc", "Space.Loc"}) {
      EXPECT_EQ(TitleFindings(name, title),
                passes ? std::vector<std::string>{} : std::vector<std::string>{kSpaceTitle})
          << name << " [" << title << "]";
    }
  }
}

TEST(TitleRulesTest, OtherMapsNeedThreeCharacters) {
  const std::string kNone = E(" Map has no title");
  const std::string kShort = E(" Map title must have 3 or more characters");
  EXPECT_EQ(TitleFindings("a.loc", ""), std::vector<std::string>{kNone});
  EXPECT_EQ(TitleFindings("a.loc", "ab"), std::vector<std::string>{kShort});
  EXPECT_EQ(TitleFindings("a.loc", "abc"), std::vector<std::string>{});
  EXPECT_EQ(TitleFindings("a.loc", "\xC3\xA9\xC3\xA9"), std::vector<std::string>{kShort});
  EXPECT_EQ(TitleFindings("a.loc", "Sol Space"), std::vector<std::string>{});
  // Only the whole name "space.loc" makes the space map for this rule.
  EXPECT_EQ(TitleFindings("space.loc.bak", ""), std::vector<std::string>{kNone});
  EXPECT_EQ(TitleFindings("myspace.loc", "ab"), std::vector<std::string>{kShort});
}

}  // namespace
}  // namespace zelvor::testing
