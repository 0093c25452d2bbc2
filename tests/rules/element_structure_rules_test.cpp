#include <gtest/gtest.h>

#include "rules/rules_test_support.h"

namespace zelvor::testing {
namespace {

TEST(ElementStructureRulesTest, StrayEndTagsExitsAndEvents) {
  const std::vector<std::string> map = {
      "<?xml ?>", "<kestrane-map title='Ends' from='1' to='Sol.Sol Space.42'>",
      "",  "   ",
      "</location>",          // no location open
      "</name>",              // no name open
      "</desc>",              // no description open
      "<location num='1'>", "<name>First</name>",
      "</name>",              // closes the one-line name's flag: nothing
      "<desc>One.</desc>", "</desc>", "</location>",
      "</location>",          // second in a row
      "<location num='2'>", "<name>Second</name>",
      "<location num='3'>",   // a missing end line is not reported
      "<name>Third</name>", "</location>",
      "</name>",              // still open from line "Third": nothing
      "</name>",              // now reported
      "<exits n='3'/>",       // outside a location, yet filed under 3
      "<events enter='x'/>",  // outside a location
      "<location num='4'>", "<name>Last, left open</name>",
      "</kestrane-map>"};
  EXPECT_EQ(FindingsOf(map),
            (std::vector<std::string>{E("Loc end found outside a location"),
                                      E("Name end found outside a location"),
                                      E("Desc end found outside a location"),
                                      E("Loc end found outside a location"),
                                      E("Name end found outside a location"),
                                      E("Exit found outside of a location"),
                                      E("Event found outside of a location"),
                                      W("Location 3 'north' link is one way only")}));
}

TEST(ElementStructureRulesTest, KeySearchOnUnrecognisedLinesOutsideALocation) {
  struct Case {
    std::string line;
    std::vector<std::string> findings;
  };
  const std::string kText = "Text data found outside of a location";
  const std::string kExit = "Exit found outside a location";
  const std::string kEvent = "Event found outside a location";
  const std::vector<Case> cases = {
      {"s='7'/>", {E(kExit)}},
      {"enter='x' n='2'", {E(kEvent), E(kExit)}},
      {"n='1' e='2' w='3' out='4'", {E(kExit), E(kExit), E(kExit), E(kExit)}},
      {"search='a' no-exit='b' in-room='c'", {E(kEvent), E(kEvent), E(kEvent)}},
      {"n=''", {E(kText)}},
      {"plain words", {E(kText)}},
      {"<?xml?>", {E(kText)}},
      {"x n='1'", {E(kText)}},  // the first field holds the word too
  };
  for (const Case& c : cases) {
    const std::vector<std::string> map = {"<?xml ?>",
                                          "<kestrane-map title='Keys' from='1' to='Sol.Sol Space.42'>",
                                          c.line,
                                          "<location num='1'>",
                                          "<name>One</name>",
                                          "plain words inside are fine",
                                          "</location>",
                                          "</kestrane-map>"};
    EXPECT_EQ(FindingsOf(map), c.findings) << c.line;
  }
}

TEST(ElementStructureRulesTest, HeaderThatIsNotTheRootElement) {
  // Lines ended by line feeds are one line, judged by its first word.
  EXPECT_EQ(Findings(CheckFiles({{"lf.loc", {"<?xml ?>\n<kestrane-map title='X'>\n</kestrane-map>"}}}))
                .front(),
            E(" Map has no title"));
  EXPECT_EQ(FindingsOf({"<?xml ?>", "<map title='Odd'>", "</kestrane-map>"}).front(),
            E("Text data found outside of a location"));
}

}  // namespace
}  // namespace zelvor::testing
