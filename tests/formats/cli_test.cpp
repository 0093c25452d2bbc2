// zelvor-check run as a program: each format on a fixture world, exit
// status, colour and the man page.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "support/process.h"
#include "support/recording_view.h"
#include "support/temp_world.h"
#include "worlds.h"

namespace zelvor {
namespace {

using testing::MapText;
using testing::ProcessResult;
using testing::TempWorld;

ProcessResult Check(const std::vector<std::string>& args, const std::string& cwd,
                    const std::map<std::string, std::string>& env = {}) {
  return testing::Run(ZELVOR_CHECK_BINARY, args, env, {}, cwd);
}

// The fixture world with CRLF line ends, in the folder "maps" of a temporary
// folder: the line numbers below are the ones an editor shows.
class FormatsOnWorld : public ::testing::Test {
 protected:
  FormatsOnWorld() {
    root.Write("maps/mire.loc", MapText(testing::kMire, "\r\n"));
    root.Write("maps/short.loc", MapText(testing::kShort, "\r\n"));
    root.Write("maps/space.loc", MapText(testing::kSpaceMap, "\r\n"));
    root.Write("maps/notes.txt", "not a map");
  }
  TempWorld root;
};

TEST_F(FormatsOnWorld, GccLines) {
  const ProcessResult r = Check({"--format=gcc", "maps"}, root.path());
  EXPECT_EQ(r.out,
            "maps/mire.loc:3: error: Name end found outside a location\n"
            "maps/mire.loc:14: error: Text data found outside of a location\n"
            "maps/mire.loc:15: error: Event found outside of a location\n"
            "maps/mire.loc:16: error: Event found outside a location\n"
            "maps/mire.loc:16: error: Exit found outside a location\n"
            "maps/mire.loc:2: error: Launch location does not exist!\n"
            "maps/mire.loc:7: error: Location 1 has an 'east' link to a non-existent location\n"
            "maps/mire.loc:12: warning: Location 2 'west' link is one way only\n"
            "maps/short.loc:4: error: Exit found outside of a location\n"
            "maps/short.loc:2: error: Map title must have 3 or more characters\n"
            "maps/short.loc:2: error: Orbit location cannot be found!\n"
            "maps/short.loc:4: warning: Location  'up' link is one way only\n"
            "maps: 10 errors, 2 warnings\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 1);
}

TEST_F(FormatsOnWorld, JsonParsesBackToEveryFinding) {
  const ProcessResult r = Check({"--format=json", "maps/"}, root.path());
  ASSERT_EQ(r.status, 1);
  const ProcessResult parsed = testing::Run(ZELVOR_PYTHON3, {ZELVOR_JSON_FLATTEN}, {}, r.out);
  ASSERT_EQ(parsed.status, 0) << parsed.err << r.out;
  EXPECT_EQ(parsed.out,
            "folder \"maps/\" \"" + root.path() + "maps/\" errors\n"
            "file \"mire.loc\" \"maps/mire.loc\" \"Mire\"\n"
            "finding error 3 null \"Name end found outside a location\"\n"
            "finding error 14 null \"Text data found outside of a location\"\n"
            "finding error 15 null \"Event found outside of a location\"\n"
            "finding error 16 null \"Event found outside a location\"\n"
            "finding error 16 null \"Exit found outside a location\"\n"
            "finding error 2 null \" Launch location does not exist!\"\n"
            "finding error 7 \"1\" \"Location 1 has an 'east' link to a non-existent location\"\n"
            "finding warning 12 \"2\" \"Location 2 'west' link is one way only\"\n"
            "file \"short.loc\" \"maps/short.loc\" \"ab\"\n"
            "finding error 4 null \"Exit found outside of a location\"\n"
            "finding error 2 null \" Map title must have 3 or more characters\"\n"
            "finding error 2 null \"Orbit location cannot be found!\"\n"
            "finding warning 4 \"\" \"Location  'up' link is one way only\"\n"
            "file \"space.loc\" \"maps/space.loc\" \"Sol Space\"\n");
}

TEST_F(FormatsOnWorld, GithubAnnotations) {
  const ProcessResult r = Check({"--format=github", "maps"}, root.path());
  std::istringstream lines(r.out);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 12u) << r.out;
  EXPECT_EQ(got[0], "::error file=maps/mire.loc,line=3::Name end found outside a location");
  EXPECT_EQ(got[7], "::warning file=maps/mire.loc,line=12::Location 2 'west' link is one way only");
  EXPECT_EQ(got[9], "::error file=maps/short.loc,line=2::Map title must have 3 or more characters");
  EXPECT_EQ(r.status, 1);
}

TEST_F(FormatsOnWorld, ReportIsTheDefaultAndUnchanged) {
  const ProcessResult byDefault = Check({"maps"}, root.path());
  const ProcessResult report = Check({"--format=report", "--color=never", "maps"}, root.path());
  EXPECT_EQ(byDefault.out, report.out);
  EXPECT_EQ(report.out.rfind(" Working Directory is " + root.path() + "maps/\n\n", 0), 0u);
  EXPECT_NE(report.out.find("\n Testing Mire\n      Error - Name end found outside a location\n"),
            std::string::npos);
  EXPECT_EQ(report.status, 1);
}

// Several folders: one gcc summary and one JSON document each, in order; an
// unreadable folder is named on standard error and the others still checked.
TEST_F(FormatsOnWorld, SeveralFolders) {
  root.Write("clean/space.loc", MapText(testing::kSpaceMap, "\r"));
  const ProcessResult gcc = Check({"--format=gcc", "clean", "missing", "maps"}, root.path());
  EXPECT_EQ(gcc.out.rfind("clean: 0 errors, 0 warnings\nmaps/mire.loc:3: error:", 0), 0u);
  EXPECT_NE(gcc.out.find("\nmaps: 10 errors, 2 warnings\n"), std::string::npos);
  EXPECT_EQ(gcc.err, "zelvor-check: missing: No such file or directory\n");
  EXPECT_EQ(gcc.status, 2);

  const ProcessResult json = Check({"--format=json", "clean", "maps"}, root.path());
  const ProcessResult parsed = testing::Run(ZELVOR_PYTHON3, {ZELVOR_JSON_FLATTEN}, {}, json.out);
  ASSERT_EQ(parsed.status, 0) << parsed.err;
  EXPECT_EQ(parsed.out.rfind("folder \"clean\" \"" + root.path() +
                                 "clean/\" clean\nfile \"space.loc\" \"clean/space.loc\" "
                                 "\"Sol Space\"\nfolder \"maps\"",
                             0),
            0u);
}

TEST(ExitStatus, ByFindingsStrictAndFormat) {
  TempWorld root;
  root.Write("clean/space.loc", MapText(testing::kSpaceMap, "\r"));
  // Location 1 leads up to 2, which has no way back down: a warning only.
  root.Write("warned/space.loc",
             MapText({"<?xml ?>", "<kestrane-map title='Sol Space'>", "<location num='1'>",
                      "<name>A</name>", "<exits up='2'/>", "</location>", "<location num='2'>",
                      "<name>B</name>", "</location>"},
                     "\r"));
  root.Write("faulty/space.loc", MapText({"<?xml ?>", "<kestrane-map title='Sol'>"}, "\r"));
  struct Case {
    std::string folder;
    bool strict;
    int status;
  };
  const std::vector<Case> cases = {
      {"clean", false, 0},  {"clean", true, 0},  {"warned", false, 0},
      {"warned", true, 1},  {"faulty", false, 1}, {"faulty", true, 1},
      {"missing", false, 2}, {"missing", true, 2},
  };
  for (const std::string format : {"report", "gcc", "json", "github"}) {
    for (const Case& c : cases) {
      std::vector<std::string> args = {"--format=" + format, c.folder};
      if (c.strict) args.insert(args.begin(), "--strict");
      EXPECT_EQ(Check(args, root.path()).status, c.status)
          << format << " " << c.folder << (c.strict ? " --strict" : "");
    }
  }
  // A warning found in one folder and an error in another.
  EXPECT_EQ(Check({"--strict", "clean", "warned"}, root.path()).status, 1);
  EXPECT_EQ(Check({"clean", "warned"}, root.path()).status, 0);
  // Usage errors.
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--format=xml", "clean"}, {"--format"}, {"--strict"}}) {
    const ProcessResult r = Check(args, root.path());
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Try 'zelvor-check --help'"), std::string::npos);
  }
}

TEST(Colour, FlagsAndEnvironmentPerFormat) {
  TempWorld root;
  root.Write("w/space.loc", MapText({"<?xml ?>", "<kestrane-map title='Sol'>"}, "\r"));
  struct Case {
    std::string format;
    std::vector<std::string> flags;
    std::map<std::string, std::string> env;
    bool coloured;
  };
  // Standard output is a pipe here, never a terminal.
  const std::map<std::string, std::string> plain = {{"NO_COLOR", ""}, {"FORCE_COLOR", ""}};
  const std::vector<Case> cases = {
      {"report", {}, plain, false},
      {"report", {}, {{"NO_COLOR", ""}, {"FORCE_COLOR", "1"}}, true},
      {"gcc", {}, {{"NO_COLOR", ""}, {"FORCE_COLOR", "1"}}, true},
      {"gcc", {"--color=always"}, {{"NO_COLOR", "1"}, {"FORCE_COLOR", ""}}, true},
      {"gcc", {"--color=never"}, {{"NO_COLOR", ""}, {"FORCE_COLOR", "1"}}, false},
      {"report", {"--color", "always"}, plain, true},
      // Machine-read formats never carry colour.
      {"json", {"--color=always"}, plain, false},
      {"github", {"--color=always"}, {{"NO_COLOR", ""}, {"FORCE_COLOR", "1"}}, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.flags;
    args.push_back("--format=" + c.format);
    args.push_back("w");
    const ProcessResult r = Check(args, root.path(), c.env);
    EXPECT_EQ(r.out.find("\x1b[") != std::string::npos, c.coloured)
        << c.format << " " << ::testing::PrintToString(c.flags) << "\n" << r.out;
  }
}

// Every option --help names is described in the man page.
TEST(ManPage, DescribesEveryOption) {
  const ProcessResult help = Check({"--help"}, "");
  ASSERT_EQ(help.status, 0);
  std::ifstream file(ZELVOR_MAN_PAGE);
  ASSERT_TRUE(file) << ZELVOR_MAN_PAGE;
  const std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::regex option("--([a-z]+)");
  std::set<std::string> options;
  for (auto it = std::sregex_iterator(help.out.begin(), help.out.end(), option);
       it != std::sregex_iterator(); ++it) {
    options.insert((*it)[1]);
  }
  EXPECT_GE(options.size(), 6u);
  for (const std::string& name : options) {
    EXPECT_NE(page.find("\\-\\-" + name), std::string::npos) << "--" << name;
  }
  for (const std::string word : {"report", "gcc", "json", "github", "NO_COLOR", "FORCE_COLOR"}) {
    EXPECT_NE(page.find(word), std::string::npos) << word;
  }
}

}  // namespace
}  // namespace zelvor
