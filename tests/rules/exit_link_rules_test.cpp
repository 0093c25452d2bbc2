#include <gtest/gtest.h>

#include "rules/rules_test_support.h"

namespace zelvor::testing {
namespace {

std::string Dangling(const std::string& room, const std::string& tail) {
  return E("Location " + room + tail + " link to a non-existent location");
}

TEST(ExitLinkRulesTest, EveryDirectionInTableOrderWithItsArticle) {
  const auto map = MapWithRooms(
      "Links", {{"1", "out='91' up='92' n='81' ne='82' e='83' se='84' s='85' sw='86' w='87' "
                      "nw='88' down='93' in='94'"}});
  EXPECT_EQ(FindingsOf(map),
            (std::vector<std::string>{
                Dangling("1", " has a 'north'"), Dangling("1", " has a 'northeast'"),
                Dangling("1", " has an 'east'"), Dangling("1", " has a 'southeast'"),
                Dangling("1", " has a 'south'"), Dangling("1", " has a 'southwest'"),
                Dangling("1", " has a 'west'"), Dangling("1", " has a 'northwest'"),
                Dangling("1", " has an 'up'"), Dangling("1", " has a 'down'"),
                Dangling("1", " has an 'in'"), Dangling("1", " has an 'out'")}));
}

TEST(ExitLinkRulesTest, WhatCountsAsALinkToAMissingLocation) {
  struct Case {
    std::string exits;
    std::vector<std::string> findings;
  };
  // Room 1 with these exits beside rooms 2 and 007; no one-way warnings
  // involved (in and out need no way back).
  const std::vector<Case> cases = {
      {"in='2'", {}},
      {"in='1'", {}},                                    // to itself
      {"in='9'", {Dangling("1", " has an 'in'")}},
      {"in='abc'", {Dangling("1", " has an 'in'")}},
      {"in=''", {}},
      {"in=' 2'", {Dangling("1", " has an 'in'")}},      // blanks are part of the number
      {"in='7'", {Dangling("1", " has an 'in'")}},       // 7 is not 007
      {"in='007'", {}},
      {"in='2' in='9'", {}},                             // only the first counts
      {"x='in=' in='9'", {Dangling("1", " has an 'in'")}},  // x's value in= is taken for the key
      {"zz='98'", {}},                                   // unknown keys are ignored
      {"-", {}},                                         // no exits element
  };
  for (const Case& c : cases) {
    const auto map = MapWithRooms("Links", {{"1", c.exits}, {"2", "-"}, {"007", "-"}});
    EXPECT_EQ(FindingsOf(map), c.findings) << c.exits;
  }
}

TEST(ExitLinkRulesTest, ExitsLineWithoutSelfClosingSlash) {
  const std::vector<std::string> map = {"<?xml ?>",
                                        "<kestrane-map title='Open' from='1' to='Sol.Sol Space.42'>",
                                        "<location num='1'>", "<name>One</name>",
                                        "<exits in='1' out='5'>", "</location>", "</kestrane-map>"};
  // "in='1' out='5" is filed: the cut closing apostrophe still reads as 5.
  EXPECT_EQ(FindingsOf(map), std::vector<std::string>{Dangling("1", " has an 'out'")});
}

}  // namespace
}  // namespace zelvor::testing
