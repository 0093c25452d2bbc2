#include <gtest/gtest.h>

#include "rules/rules_test_support.h"

namespace zelvor::testing {
namespace {

std::string OneWay(const std::string& room, const std::string& direction) {
  return W("Location " + room + " '" + direction + "' link is one way only");
}

TEST(OneWayRulesTest, WayBackMustLeadToTheVeryRoom) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> rooms;
    std::vector<std::string> findings;
  };
  const std::vector<Case> cases = {
      {{{"1", "n='2'"}, {"2", "s='1'"}}, {}},
      {{{"1", "n='2'"}, {"2", "s='3'"}, {"3", "n='2'"}}, {OneWay("1", "north")}},
      {{{"1", "n='2'"}, {"2", "e='1'"}}, {OneWay("1", "north"), OneWay("2", "east")}},
      {{{"1", "n='2'"}, {"2", "s=''"}}, {OneWay("1", "north")}},
      {{{"1", "n='2'"}, {"2", "-"}}, {OneWay("1", "north")}},
      {{{"1", "n='2'"}, {"2", "s=' 1'"}},
       {OneWay("1", "north"), E("Location 2 has a 'south' link to a non-existent location")}},
      {{{"1", "up='1'"}}, {OneWay("1", "up")}},
      {{{"1", "up='1' down='1'"}}, {}},
      {{{"1", "ne='2'"}, {"2", "sw='1'"}}, {}},
      {{{"1", "ne='2'"}, {"2", "se='1'"}}, {OneWay("1", "northeast"), OneWay("2", "southeast")}},
      {{{"1", "down='2'"}, {"2", "up='1'"}}, {}},
      {{{"1", "e='2'"}, {"2", "w='1'"}}, {}},
      {{{"1", "in='2' out='2'"}, {"2", "-"}}, {}},  // in and out need no way back
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindingsOf(MapWithRooms("Oneway", c.rooms)), c.findings) << c.rooms[0].second;
  }
}

TEST(OneWayRulesTest, MissingTargetIsLeftToTheLinkRule) {
  EXPECT_EQ(FindingsOf(MapWithRooms("Oneway", {{"1", "n='9'"}})),
            std::vector<std::string>{E("Location 1 has a 'north' link to a non-existent location")});
}

TEST(OneWayRulesTest, TargetWithExitsButNoNameIsJudgedByItsWayBack) {
  // Location 2 has an exits line but no name line: it is no room for the
  // link rule, yet its way back is still read.
  std::vector<std::string> map = MapWithRooms("Oneway", {{"1", "n='2' s='3'"}});
  map.insert(map.end() - 1, {"<location num='2'>", "<exits s='1'/>", "</location>",
                             "<location num='3'>", "<exits e='1'/>", "</location>"});
  EXPECT_EQ(FindingsOf(map),
            (std::vector<std::string>{E("Location 1 has a 'north' link to a non-existent location"),
                                      E("Location 1 has a 'south' link to a non-existent location"),
                                      OneWay("1", "south")}));
}

}  // namespace
}  // namespace zelvor::testing
