// The Test command and the report channel: what is written, in which colour
// and order, and what state a run leaves behind.
#include <gtest/gtest.h>

#include "support/recording_view.h"

namespace zelvor {
namespace {

using testing::CheckFiles;
using testing::ColourRun;
using testing::MapText;
using testing::RecordingView;

const std::vector<std::string> kSpace = {"<?xml ?>", "<kestrane-map title='Sol Space'>",
                                         "<location num='42'>", "<name>High Orbit</name>",
                                         "</location>", "</kestrane-map>"};

std::vector<std::string> Map(const std::string& title, const std::vector<std::string>& extra = {}) {
  std::vector<std::string> lines = {"<?xml ?>",
                                    "<kestrane-map title='" + title +
                                        "' from='1' to='Sol.Sol Space.42'>",
                                    "<location num='1'>", "<name>Pad</name>", "</location>"};
  lines.insert(lines.end(), extra.begin(), extra.end());
  lines.push_back("</kestrane-map>");
  return lines;
}

TEST(TestRunTest, TestBeforeAnyLoadChangesNothing) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  checker.errors = true;
  checker.TestCommand();
  EXPECT_EQ(view.text, "");
  EXPECT_TRUE(checker.errors);
}

TEST(TestRunTest, NoFilesGivesOnlyTheVerdict) {
  EXPECT_EQ(CheckFiles({}), "      No errors in these files\n");
}

TEST(TestRunTest, EachFileFramedByBannerAndClosingInPurpleFindingsInTheirColours) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  checker.LocationFileName = {"a.loc", "b.loc", "space.loc"};
  // a.loc: a one-way north exit (warning) and a stray end tag (error).
  checker.LocationFile = {MapText({"<?xml ?>", "<kestrane-map title='' from='1' to='Sol.Sol Space.42'>",
                                   "</location>", "<location num='1'>", "<name>Pad</name>",
                                   "<exits n='1'/>", "</location>", "</kestrane-map>"}),
                          MapText(Map("Bee")), MapText(kSpace)};
  checker.loaded = true;
  checker.TestCommand();
  const std::vector<ColourRun> expected = {
      {" Testing Untiltled\n", kReportPurple},
      {"      Error - Loc end found outside a location\n", kErrorRed},
      {"      Error -  Map has no title\n", kErrorRed},
      {"      Warning - Location 1 'north' link is one way only\n", kWarningBlue},
      {" Testing completed\n\n", kReportPurple},
      {" Testing Bee\n", kReportPurple},
      {" Testing completed\n\n", kReportPurple},
      {" Testing Sol Space\n", kReportPurple},
      {" Testing completed\n\n", kReportPurple},
      {"      ----- Files have errors -----\n\n", kReportPurple},
  };
  EXPECT_EQ(view.runs, expected);

  // What a run leaves: the last file's header values, per-file data emptied.
  EXPECT_EQ(checker.filenum, 2);
  EXPECT_EQ(checker.MapTitle, "Sol Space");
  EXPECT_EQ(checker.RoomName.Count(), 0u);
  EXPECT_EQ(checker.RoomExits.Count(), 0u);
  EXPECT_EQ(checker.RoomFlags.Count(), 0u);
  EXPECT_EQ(checker.RoomDesc.Count(), 0u);
  EXPECT_EQ(checker.RoomEvents.Count(), 0u);
  EXPECT_TRUE(checker.Locations.empty());
  EXPECT_TRUE(checker.warnings);
}

TEST(TestRunTest, WarningsAloneKeepTheCleanVerdictAndRunsAppend) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  checker.LocationFileName = {"a.loc", "space.loc"};
  checker.LocationFile = {
      MapText(Map("Abc", {"<location num='2'>", "<name>Two</name>", "<exits s='1'/>", "</location>"})),
      MapText(kSpace)};
  checker.loaded = true;
  checker.TestCommand();
  const std::string first = view.text;
  EXPECT_NE(first.find("Warning - Location 2 'south' link is one way only"), std::string::npos)
      << first;
  EXPECT_TRUE(first.ends_with(" Testing completed\n\n      No errors in these files\n"));
  EXPECT_FALSE(checker.errors);
  checker.TestCommand();
  EXPECT_EQ(view.text, first + first);  // a second run follows the first verdict
}

TEST(TestRunTest, ErrorsFromAnEarlierRunDoNotCarryOver) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  checker.LocationFileName = {"a.loc"};
  checker.LocationFile = {MapText({"junk"})};
  checker.loaded = true;
  checker.TestCommand();
  EXPECT_TRUE(view.text.ends_with("----- Files have errors -----\n\n"));
  checker.LocationFileName = {"a.loc", "space.loc"};
  checker.LocationFile = {MapText(Map("Abc")), MapText(kSpace)};
  checker.TestCommand();
  EXPECT_TRUE(view.text.ends_with("      No errors in these files\n"));
}

TEST(TestRunTest, ClearDisplayEmptiesOnlyTheReport) {
  RecordingView view;
  Checker checker(view, CheckerEnvironment{});
  checker.LocationFileName = {"space.loc"};
  checker.LocationFile = {MapText(kSpace)};
  checker.loaded = true;
  checker.TestCommand();
  checker.ClearDisplay();
  EXPECT_EQ(view.text, "");
  EXPECT_TRUE(checker.loaded);
  EXPECT_EQ(checker.LocationFile.size(), 1u);
  checker.TestCommand();
  EXPECT_EQ(view.text, " Testing Sol Space\n Testing completed\n\n      No errors in these files\n");
}

}  // namespace
}  // namespace zelvor
