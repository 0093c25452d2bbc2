#include <gtest/gtest.h>

#include "support/recording_view.h"

namespace zelvor {
namespace {

using testing::MapText;
using testing::RecordingView;

// Parses one file and keeps the checker for inspection.
class ParserTest : public ::testing::Test {
 protected:
  void Parse(const std::string& name, const std::vector<std::string>& lines) {
    ParseText(name, MapText(lines));
  }
  void ParseText(const std::string& name, const std::string& text) {
    checker.LocationFileName = {name};
    checker.LocationFile = {text};
    checker.filenum = 0;
    checker.ParseLocationFile();
  }
  static std::string At(const RoomTable& table, const std::string& key) {
    return table.HasKey(key) ? table.Value(key) : "<none>";
  }

  RecordingView view;
  Checker checker{view, CheckerEnvironment{}};
};

TEST_F(ParserTest, WorkedExample) {
  Parse("pellmoor.loc", {"<?xml ?>",
                         "<kestrane-map title='Pellmoor' from='1' to='Sol.Sol Space.42'>",
                         "<location num='1'>", "<name>Landing Pad</name>",
                         "<desc>A square of scorched stone.</desc>", "<exits n='2'/>",
                         "</location>", "<location num='2'>", "<name>North Gate</name>",
                         "<desc>The gate stands open.</desc>", "<exits s='1'/>", "</location>",
                         "</kestrane-map>"});
  EXPECT_EQ(checker.MapTitle, "Pellmoor");
  EXPECT_EQ(checker.LandingPad, "1");
  EXPECT_EQ(checker.Orbit, "Sol.Sol Space.42");
  EXPECT_FALSE(checker.spacemap);
  ASSERT_EQ(checker.RoomName.Count(), 2u);
  EXPECT_EQ(checker.RoomName.Key(0), "1");
  EXPECT_EQ(checker.RoomName.Key(1), "2");
  EXPECT_EQ(At(checker.RoomName, "1"), "Landing Pad");
  EXPECT_EQ(At(checker.RoomName, "2"), "North Gate");
  EXPECT_EQ(At(checker.RoomDesc, "1"), "A square of scorched stone.");
  EXPECT_EQ(At(checker.RoomDesc, "2"), "The gate stands open.");
  EXPECT_EQ(At(checker.RoomExits, "1"), "n='2'");
  EXPECT_EQ(At(checker.RoomExits, "2"), "s='1'");
  EXPECT_EQ(At(checker.RoomFlags, "1"), "");
  EXPECT_EQ(checker.RoomEvents.Count(), 0u);
  EXPECT_EQ(checker.Locations.size(), 14u);  // the final carriage return ends an empty line
}

TEST_F(ParserTest, NamesAndDescriptions) {
  Parse("a.loc", {"<?xml ?>", "<kestrane-map title='A'>",
                  "<location num='1' flags='dark'>",
                  "<name>Landing",  // goes on in the next line
                  "Pad</name>",
                  "<desc>One.</desc>", "<desc> Wide  hall</desc>",
                  "<desc>Three", "lines", "</desc>", "</location>",
                  "<location num='2'>", "<name></name>", "</location>",
                  "<location num='3'>", "<name>Deck</name><desc>Hall</desc>", "</location>",
                  "<location num='4'>", "<name>Deck/name>", "<desc>Hall</desc>",
                  "name of the hall.</desc>", "</location>"});
  EXPECT_EQ(At(checker.RoomFlags, "1"), "dark");
  EXPECT_EQ(At(checker.RoomName, "1"), "xxx");
  EXPECT_EQ(At(checker.RoomDesc, "1"), "One.\r Wide  hall\rxxx");
  EXPECT_EQ(At(checker.RoomName, "2"), "");
  EXPECT_EQ(At(checker.RoomDesc, "2"), "");
  EXPECT_EQ(At(checker.RoomName, "3"), "xxx");  // the line does not end with </name>
  EXPECT_EQ(At(checker.RoomDesc, "3"), "");
  // No closing word from word 3 on: every word from word 2 is taken. Then a
  // continuation line that begins with "name" is read as a name line.
  EXPECT_EQ(At(checker.RoomName, "4"), "xxx");
  EXPECT_EQ(At(checker.RoomDesc, "4"), "Hall");
}

TEST_F(ParserTest, WordScanWithoutAClosingWordTakesEveryWord) {
  Parse("a.loc", {"", "<kestrane-map title='A'>", "<location num='1'>", "<name>Deck/name>",
                  "<location num='2'>", "<name>/name>", "<location num='3'>",
                  "<name>/name /name x /name</name>"});
  EXPECT_EQ(At(checker.RoomName, "1"), "Deck/name");
  EXPECT_EQ(At(checker.RoomName, "2"), "/name");
  EXPECT_EQ(At(checker.RoomName, "3"), "/name");  // word 2 is always taken
}

TEST_F(ParserTest, ExitsEventsAndWhereThingsAreFiled) {
  Parse("a.loc", {"<?xml ?>", "<kestrane-map title='A'>",
                  "<name>Before</name>",           // before any start line: empty key
                  "<exits n='9'/>",
                  "<location num='1'>", "<exits n='2' s='7'/>", "<events enter='x' search='y'/>",
                  "</location>",
                  "<desc>Between</desc>",          // kept for the next block
                  "<location num='2'>", "<exits n='2'>", "<desc>Own</desc>", "</location>",
                  "<location num='3'>", "<exits/>", "<events />", "</location>",
                  "<location num='4'>", "<exits />", "</location>",
                  "<location num='2' flags='again'>", "<name>Second</name>", "</location>",
                  "<location num='5'>", "<desc>Never filed</desc>"});
  EXPECT_EQ(At(checker.RoomName, ""), "Before");
  EXPECT_EQ(At(checker.RoomExits, ""), "n='9'");
  EXPECT_EQ(At(checker.RoomExits, "1"), "n='2' s='7'");
  EXPECT_EQ(At(checker.RoomEvents, "1"), "enter='x' search='y'");
  EXPECT_EQ(At(checker.RoomExits, "2"), "n='2");  // the closing apostrophe is cut
  EXPECT_EQ(At(checker.RoomExits, "3"), "<none>");  // "exits/" is no exits line
  EXPECT_EQ(At(checker.RoomEvents, "3"), "");
  EXPECT_EQ(At(checker.RoomExits, "4"), "");
  EXPECT_EQ(At(checker.RoomFlags, "2"), "again");
  EXPECT_EQ(At(checker.RoomName, "2"), "Second");
  EXPECT_EQ(At(checker.RoomDesc, "2"), "");  // the later block's descriptions replace
  EXPECT_FALSE(checker.RoomDesc.HasKey("5"));
  EXPECT_EQ(checker.RoomName.Count(), 2u);  // "" and 2: a block without a name is no room
}

TEST_F(ParserTest, DescriptionsBetweenBlocksGoToTheNextBlock) {
  Parse("a.loc", {"", "<kestrane-map title='A'>", "<location num='1'>", "</location>",
                  "<desc>Between</desc>", "<location num='2'>", "<desc>Own</desc>",
                  "</location>"});
  EXPECT_EQ(At(checker.RoomDesc, "1"), "");
  EXPECT_EQ(At(checker.RoomDesc, "2"), "Between\rOwn");
}

TEST_F(ParserTest, HeaderValuesAndTheSpaceMap) {
  Parse("Space.LOC", {"", "<kestrane-map title='Sol Space' from='1' to='x'>"});
  EXPECT_TRUE(checker.spacemap);
  EXPECT_EQ(checker.MapTitle, "Sol Space");
  EXPECT_EQ(checker.LandingPad, "1");  // read so that the space map rule can see it
  EXPECT_EQ(checker.Orbit, "x");

  Parse("space.loc.old", {"", "<kestrane-map title='T'>"});
  EXPECT_TRUE(checker.spacemap);
  Parse("myspace.loc", {"", "<kestrane-map title='T' from ='1' to=' 2 '>"});
  EXPECT_FALSE(checker.spacemap);
  EXPECT_EQ(checker.LandingPad, "");
  EXPECT_EQ(checker.Orbit, " 2 ");
}

TEST_F(ParserTest, FewerThanTwoLinesGiveEmptyHeaderAndNothingFiled) {
  checker.MapTitle = "stale";
  ParseText("lf.loc", "<?xml ?>\n<kestrane-map title='T' from='1' to='a.b.c'>\n"
                      "<location num='1'>\n<name>N</name>\n</location>\n");
  EXPECT_EQ(checker.MapTitle, "");
  EXPECT_EQ(checker.LandingPad, "");
  EXPECT_EQ(checker.Orbit, "");
  EXPECT_EQ(checker.RoomName.Count(), 0u);
  ParseText("empty.loc", "");
  EXPECT_EQ(checker.Locations.size(), 1u);
  EXPECT_EQ(checker.RoomFlags.Count(), 0u);
}

TEST_F(ParserTest, CrLfLinesReadLikeCrLines) {
  ParseText("crlf.loc",
            "<?xml ?>\r\n<kestrane-map title='Crlf' from='1' to='Sol.Sol Space.42'>\r\n"
            "<location num='1'>\r\n<name>Pad</name>\r\n<exits n='1'/>\r\n</location>\r\n");
  EXPECT_EQ(checker.MapTitle, "Crlf");
  EXPECT_EQ(checker.LandingPad, "1");
  EXPECT_EQ(At(checker.RoomName, "1"), "Pad");
  EXPECT_EQ(At(checker.RoomExits, "1"), "n='1'");
}

}  // namespace
}  // namespace zelvor
