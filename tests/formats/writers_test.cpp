// The positioned formats written from hand-made findings: escaping and
// layout; and the command line's options and colour choice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/finding_writers.h"
#include "cli/options.h"
#include "support/process.h"

namespace zelvor {
namespace {

// A run whose names and messages hold what the formats must escape.
FolderFindings AwkwardRun() {
  FolderFindings run;
  run.folder = "maps \"old\"\\";
  run.workingDirectory = "/home/me/maps \"old\"\\/";
  CheckedFile first;
  first.name = "caf\xC3\xA9:a,b%.loc";  // café:a,b%.loc
  first.title = "Tab\there \xF0\x9F\x98\x80";
  first.findings.push_back({Severity::kError, " Map has no title", 0, std::nullopt});
  first.findings.push_back(
      {Severity::kWarning, "Location 1\n2\x01\x7F 'north' link is one way only", 12, "1\n2\x01\x7F"});
  CheckedFile second;
  second.name = "bad\xFF\xC3.loc";  // not UTF-8: a file name as the folder lists it
  run.files = {first, second};
  run.errors = 1;
  run.warnings = 1;
  return run;
}

TEST(Writers, JsonIsStrictJsonWithEveryStringIntact) {
  const std::string json = JsonDocument(AwkwardRun());
  EXPECT_EQ(json.find('\n'), json.size() - 1) << "one document, one line";
  const testing::ProcessResult parsed = testing::Run(ZELVOR_PYTHON3, {ZELVOR_JSON_FLATTEN}, {}, json);
  ASSERT_EQ(parsed.status, 0) << parsed.err;
  EXPECT_EQ(parsed.out,
            "folder \"maps \\\"old\\\"\\\\\" \"/home/me/maps \\\"old\\\"\\\\/\" errors\n"
            "file \"caf\\u00e9:a,b%.loc\" \"maps \\\"old\\\"\\\\/caf\\u00e9:a,b%.loc\" "
            "\"Tab\\there \\ud83d\\ude00\"\n"
            "finding error null null \" Map has no title\"\n"
            "finding warning 12 \"1\\n2\\u0001\\u007f\" "
            "\"Location 1\\n2\\u0001\\u007f 'north' link is one way only\"\n"
            "file \"bad\\ufffd\\ufffd.loc\" \"maps \\\"old\\\"\\\\/bad\\ufffd\\ufffd.loc\" \"\"\n");
}

TEST(Writers, GccKeepsEveryFindingOnItsOwnLine) {
  EXPECT_EQ(GccLines(AwkwardRun(), false),
            "maps \"old\"\\/caf\xC3\xA9:a,b%.loc: error: Map has no title\n"
            "maps \"old\"\\/caf\xC3\xA9:a,b%.loc:12: warning: "
            "Location 1\\x0A2\\x01\\x7F 'north' link is one way only\n"
            "maps \"old\"\\: 1 error, 1 warning\n");
}

TEST(Writers, GccColoursPositionAndSeverity) {
  FolderFindings run;
  run.folder = "w";
  run.files.push_back({"a.loc", "Aaa",
                       {{Severity::kError, "E", 3, std::nullopt},
                        {Severity::kWarning, "W", 4, "1"}}});
  run.errors = 1;
  run.warnings = 1;
  EXPECT_EQ(GccLines(run, true),
            "\x1b[1mw/a.loc:3:\x1b[0m \x1b[31merror:\x1b[0m E\n"
            "\x1b[1mw/a.loc:4:\x1b[0m \x1b[34mwarning:\x1b[0m W\n"
            "\x1b[35mw: 1 error, 1 warning\x1b[0m\n");
}

TEST(Writers, GithubEscapesWorkflowCommands) {
  EXPECT_EQ(GithubAnnotations(AwkwardRun()),
            "::error file=maps \"old\"\\/caf\xC3\xA9%3Aa%2Cb%25.loc::Map has no title\n"
            "::warning file=maps \"old\"\\/caf\xC3\xA9%3Aa%2Cb%25.loc,line=12::"
            "Location 1%0A2\x01\x7F 'north' link is one way only\n");
}

TEST(Writers, FilePathsFollowTheFolderAsGiven) {
  EXPECT_EQ(FilePathIn("maps", "a.loc"), "maps/a.loc");
  EXPECT_EQ(FilePathIn("maps/", "a.loc"), "maps/a.loc");
  EXPECT_EQ(FilePathIn("/", "a.loc"), "/a.loc");
  EXPECT_EQ(FilePathIn("", "a.loc"), "a.loc");
}

TEST(Options, FormatStrictAndWatch) {
  struct Case {
    std::vector<std::string> args;
    OutputFormat format;
    bool strict;
    bool watch;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{"w"}, OutputFormat::kReport, false, false, ""},
      {{"--format=gcc", "w"}, OutputFormat::kGcc, false, false, ""},
      {{"--format", "json", "w"}, OutputFormat::kJson, false, false, ""},
      {{"w", "--format=github", "--strict", "--watch"}, OutputFormat::kGithub, true, true, ""},
      {{"--format=report", "--format=gcc", "w"}, OutputFormat::kGcc, false, false, ""},
      {{"--format=xml", "w"}, OutputFormat::kReport, false, false,
       "invalid value 'xml' for '--format': use report, gcc, json or github"},
      {{"w", "--format"}, OutputFormat::kReport, false, false,
       "option '--format' needs a value: report, gcc, json or github"},
      {{"--formats=gcc", "w"}, OutputFormat::kReport, false, false,
       "unknown option '--formats=gcc'"},
      {{"--", "--watch"}, OutputFormat::kReport, false, false, ""},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = ParseOptions(c.args);
    SCOPED_TRACE(::testing::PrintToString(c.args));
    EXPECT_EQ(parsed.error, c.error);
    if (!c.error.empty()) continue;
    EXPECT_EQ(parsed.options.format, c.format);
    EXPECT_EQ(parsed.options.strict, c.strict);
    EXPECT_EQ(parsed.options.watch, c.watch);
  }
  EXPECT_EQ(ParseOptions({"--", "--watch"}).options.folders, std::vector<std::string>{"--watch"});
}

TEST(Options, ColourChoice) {
  struct Case {
    ColourMode mode;
    bool terminal;
    const char* noColour;
    const char* forceColour;
    bool colour;
  };
  const std::vector<Case> cases = {
      {ColourMode::kAuto, true, nullptr, nullptr, true},
      {ColourMode::kAuto, false, nullptr, nullptr, false},
      {ColourMode::kAuto, true, "1", nullptr, false},
      {ColourMode::kAuto, true, "", nullptr, true},  // set but empty: not set
      {ColourMode::kAuto, false, nullptr, "1", true},
      {ColourMode::kAuto, false, nullptr, "", false},
      {ColourMode::kAuto, false, "1", "1", true},  // forcing is the more specific wish
      {ColourMode::kAlways, false, "1", nullptr, true},  // the flag wins
      {ColourMode::kNever, true, nullptr, "1", false},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(UseColour(c.mode, c.terminal, c.noColour, c.forceColour), c.colour) << "case " << i;
  }
}

}  // namespace
}  // namespace zelvor
