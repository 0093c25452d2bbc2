// zelvor-check end to end: the real binary on small folders on disk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "support/process.h"
#include "support/recording_view.h"
#include "support/temp_world.h"

namespace zelvor {
namespace {

using testing::MapText;
using testing::TempWorld;

using Outcome = testing::ProcessResult;

// Runs zelvor-check with args in folder cwd (PWD naming it, NO_COLOR unset),
// with extra environment settings.
Outcome RunCheck(const std::vector<std::string>& args, const std::string& cwd,
                 const std::map<std::string, std::string>& env = {}) {
  const char* binary = std::getenv("ZELVOR_CHECK");
  if (binary == nullptr) ADD_FAILURE() << "ZELVOR_CHECK is not set";
  std::map<std::string, std::string> settings = {{"NO_COLOR", ""}, {"PWD", cwd}};
  for (const auto& [name, value] : env) settings[name] = value;
  return testing::Run(binary != nullptr ? binary : "zelvor-check", args, settings, {}, cwd);
}

const std::string kSpace = MapText({"<?xml ?>", "<kestrane-map title='Sol Space'>",
                                    "<location num='42'>", "<name>High Orbit</name>",
                                    "</location>", "</kestrane-map>"});

std::string Map(const std::string& title, const std::string& exits = "n='1'") {
  return MapText({"<?xml ?>",
                  "<kestrane-map title='" + title + "' from='1' to='Sol.Sol Space.42'>",
                  "<location num='1'>", "<name>Pad</name>", "<exits " + exits + "/>",
                  "</location>", "</kestrane-map>"});
}

TEST(ZelvorCheckTest, PrintsTheReportByteForByte) {
  TempWorld world;
  world.Write("space.loc", kSpace);
  world.Write("a.loc", Map("Abc", "n='1' s='1'"));
  // CR LF line ends read like CR ones; a Latin-1 title is printed as UTF-8.
  world.Write("crlf.loc", "<?xml ?>\r\n<kestrane-map title='Cr\xE6lf' from='1' to='Sol.Sol Space.42'>\r\n"
                          "<location num='1'>\r\n<name>Pad</name>\r\n</location>\r\n");
  world.MakeFifo("x.loc");
  world.MakeFolder("y.loc");
  const Outcome outcome = RunCheck({"--color=never", "."}, world.path());
  EXPECT_EQ(outcome.out, " Working Directory is " + world.path() +
                             "\n\n"
                             " Testing Abc\n"
                             " Testing completed\n\n"
                             " Testing Cr\xC3\xA6lf\n"
                             " Testing completed\n\n"
                             " Testing Sol Space\n"
                             " Testing completed\n\n"
                             "      No errors in these files\n");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.status, 0);
}

TEST(ZelvorCheckTest, ExitStatusFollowsTheVerdictAndUnreadableFolders) {
  TempWorld clean;
  clean.Write("space.loc", kSpace);
  clean.Write("w.loc", Map("Warn", "n='1'"));  // a one-way exit: a warning only
  TempWorld faulty;
  faulty.Write("a.loc", Map("ab"));
  TempWorld cwd;

  const Outcome warned = RunCheck({clean.path(), "--color=never"}, cwd.path());
  EXPECT_NE(warned.out.find("      Warning - Location 1 'north' link is one way only\n"),
            std::string::npos);
  EXPECT_EQ(warned.status, 0);

  const Outcome both = RunCheck({"--color=never", faulty.path(), clean.path()}, cwd.path());
  EXPECT_EQ(both.status, 1);
  EXPECT_TRUE(both.out.ends_with("No errors in these files\n"));  // both reports printed

  const Outcome missing = RunCheck({"--color=never", "nowhere", clean.path()}, cwd.path());
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "zelvor-check: nowhere: No such file or directory\n");
  EXPECT_NE(missing.out.find(" Testing Warn\n"), std::string::npos);  // the other folder ran

  const Outcome file = RunCheck({"--color=never", clean.path() + "w.loc"}, cwd.path());
  EXPECT_EQ(file.status, 2);
  EXPECT_EQ(file.out, "");
  EXPECT_NE(file.err.find("Not a directory"), std::string::npos);
}

TEST(ZelvorCheckTest, RelativeFoldersAreNamedAsTheShellSeesThem) {
  TempWorld world;
  world.MakeFolder("maps");
  const Outcome outcome = RunCheck({"--color=never", "maps/../maps/"}, world.path());
  EXPECT_EQ(outcome.out, "      No errors in these files\n");  // no entries: no report header
  world.Write("maps/a.txt", "");
  EXPECT_EQ(RunCheck({"--color=never", "./maps"}, world.path()).out,
            " Working Directory is " + world.path() + "maps/\n\n      No errors in these files\n");
}

TEST(ZelvorCheckTest, ColourEscapesOnlyWhenAskedFor) {
  TempWorld world;
  world.Write("a.loc", Map("ab"));
  const Outcome coloured = RunCheck({"--color=always", "."}, world.path());
  EXPECT_NE(coloured.out.find("\x1b[35m Testing ab\x1b[0m\n"), std::string::npos);
  EXPECT_NE(coloured.out.find("\x1b[31m      Error -  Map title must have 3 or more characters"
                              "\x1b[0m\n"),
            std::string::npos);
  // auto: not a terminal here, so no colour; NO_COLOR changes nothing then.
  EXPECT_EQ(RunCheck({"."}, world.path()).out.find('\x1b'), std::string::npos);
  EXPECT_EQ(RunCheck({"--color=auto", "."}, world.path(), {{"NO_COLOR", "1"}}).out.find('\x1b'),
            std::string::npos);
}

TEST(ZelvorCheckTest, HelpVersionAndUsageErrors) {
  TempWorld cwd;
  const Outcome help = RunCheck({"--help"}, cwd.path());
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: zelvor-check [OPTION]... FOLDER...\n"));
  EXPECT_EQ(RunCheck({"--version"}, cwd.path()).out, "zelvor-check 0.16\n");
  const Outcome bad = RunCheck({"--frobnicate", "."}, cwd.path());
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err,
            "zelvor-check: unknown option '--frobnicate'\n"
            "Try 'zelvor-check --help' for more information.\n");
  EXPECT_EQ(RunCheck({}, cwd.path()).status, 2);
}

}  // namespace
}  // namespace zelvor
