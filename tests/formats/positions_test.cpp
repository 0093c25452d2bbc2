// Where the checker places each kind of finding: the file, the line as the
// checker counts it and the location number.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/checker.h"
#include "support/recording_view.h"
#include "support/temp_world.h"
#include "worlds.h"

namespace zelvor {
namespace {

using testing::MapText;
using testing::TempWorld;
using testing::kMire;
using testing::kShort;
using testing::kSpaceMap;

struct Place {
  std::string file;
  std::size_t line;
  std::optional<std::string> location;
  Severity severity;
  std::string message;
  bool operator==(const Place&) const = default;
};

void PrintTo(const Place& p, std::ostream* os) {
  *os << p.file << ":" << p.line << " [" << (p.location ? "\"" + *p.location + "\"" : "none")
      << "] " << (p.severity == Severity::kError ? "error" : "warning") << ": '" << p.message
      << "'";
}

class PlaceRecorder final : public CheckerView {
 public:
  explicit PlaceRecorder(std::string folder) : folder_(std::move(folder)) {}
  std::size_t ReportLength() const override { return report.size(); }
  void AppendReport(std::string_view text, Rgb) override { report.append(text); }
  void ClearReport() override { report.clear(); }
  void ClearFileList() override {}
  void AddFileRow(std::string_view) override {}
  std::optional<std::string> ChooseFolder(const std::string&) override { return folder_; }
  void TestingFile(const TestedFile& file) override {
    files.push_back(std::string(file.name) + "|" + std::string(file.title));
  }
  void Finding(const FindingRecord& f) override {
    places.push_back({std::string(f.fileName), f.line,
                      f.location ? std::optional<std::string>(*f.location) : std::nullopt,
                      f.severity, std::string(f.message)});
  }

  std::string report;
  std::vector<std::string> files;
  std::vector<Place> places;

 private:
  std::string folder_;
};

// Checks folder as the Load and Test commands do.
PlaceRecorder CheckFolder(const TempWorld& folder) {
  PlaceRecorder view(folder.path());
  Checker checker(view, CheckerEnvironment{});
  checker.FolderLoad();
  checker.TestCommand();
  return view;
}

const std::vector<Place> kMirePlaces = {
    {"mire.loc", 3, std::nullopt, Severity::kError, "Name end found outside a location"},
    {"mire.loc", 14, std::nullopt, Severity::kError, "Text data found outside of a location"},
    {"mire.loc", 15, std::nullopt, Severity::kError, "Event found outside of a location"},
    {"mire.loc", 16, std::nullopt, Severity::kError, "Event found outside a location"},
    {"mire.loc", 16, std::nullopt, Severity::kError, "Exit found outside a location"},
    {"mire.loc", 2, std::nullopt, Severity::kError, " Launch location does not exist!"},
    {"mire.loc", 7, "1", Severity::kError,
     "Location 1 has an 'east' link to a non-existent location"},
    {"mire.loc", 12, "2", Severity::kWarning, "Location 2 'west' link is one way only"},
};

const std::vector<Place> kShortPlaces = {
    {"short.loc", 4, std::nullopt, Severity::kError, "Exit found outside of a location"},
    {"short.loc", 2, std::nullopt, Severity::kError, " Map title must have 3 or more characters"},
    {"short.loc", 2, std::nullopt, Severity::kError, "Orbit location cannot be found!"},
    {"short.loc", 4, "", Severity::kWarning, "Location  'up' link is one way only"},
};

class PositionsByLineEnd : public ::testing::TestWithParam<std::string> {};

// Carriage returns alone and carriage return plus line feed give the same
// lines, and they are the lines an editor shows.
TEST_P(PositionsByLineEnd, EveryKindOfFindingStandsOnItsLine) {
  TempWorld folder;
  folder.Write("mire.loc", MapText(kMire, GetParam()));
  folder.Write("short.loc", MapText(kShort, GetParam()));
  folder.Write("space.loc", MapText(kSpaceMap, GetParam()));
  const PlaceRecorder view = CheckFolder(folder);

  std::vector<Place> expected = kMirePlaces;
  expected.insert(expected.end(), kShortPlaces.begin(), kShortPlaces.end());
  EXPECT_EQ(view.places, expected);
  EXPECT_EQ(view.files,
            (std::vector<std::string>{"mire.loc|Mire", "short.loc|ab", "space.loc|Sol Space"}));

  // Each finding is the report's finding line, word for word and in order.
  std::string findingLines;
  for (const Place& p : view.places) {
    findingLines += (p.severity == Severity::kError ? "      Error - " : "      Warning - ") +
                    p.message + "\n";
  }
  std::string reportFindingLines;
  std::size_t start = 0;
  while (start < view.report.size()) {
    const std::size_t end = view.report.find('\n', start);
    const std::string line = view.report.substr(start, end - start + 1);
    if (line.rfind("      Error - ", 0) == 0 || line.rfind("      Warning - ", 0) == 0) {
      reportFindingLines += line;
    }
    start = end + 1;
  }
  EXPECT_EQ(reportFindingLines, findingLines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PositionsByLineEnd, ::testing::Values("\r", "\r\n"),
                         [](const auto& p) { return p.param == "\r" ? "CR" : "CRLF"; });

// A file with line feeds only is one line to the checker: its findings stand
// on line 1, and the header rules find no header line to point at.
TEST(Positions, LineFeedOnlyFileIsOneLine) {
  TempWorld folder;
  folder.Write("flat.loc", MapText({"</location>", "<kestrane-map title='Flat'>"}, "\n"));
  folder.Write("space.loc", MapText(kSpaceMap, "\r"));
  const PlaceRecorder view = CheckFolder(folder);
  const std::vector<Place> expected = {
      {"flat.loc", 1, std::nullopt, Severity::kError, "Loc end found outside a location"},
      {"flat.loc", 0, std::nullopt, Severity::kError, " Map has no title"},
      {"flat.loc", 0, std::nullopt, Severity::kError,
       " Launch and orbit locs must be completd for non-space maps"},
      {"flat.loc", 0, std::nullopt, Severity::kError, "Orbit map cannot be found!"},
  };
  EXPECT_EQ(view.places, expected);
}

}  // namespace
}  // namespace zelvor
