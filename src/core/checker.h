// The checker: all of its state and every operation on it.
//
// One Checker lives as long as the window (or the command-line run) that owns
// it. Its operations are defined by subsystem: the core (state, report
// channel, test run) in src/core, the parser and line helpers in src/mapfile,
// each rule set in src/rules, folder load and preferences in src/workdir.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker_view.h"
#include "core/room_table.h"

namespace zelvor {

// Report colours.
inline constexpr Rgb kErrorRed = 0xFF0000;
inline constexpr Rgb kWarningBlue = 0x0000FF;
inline constexpr Rgb kReportPurple = 0x400040;

// Where the checker finds the user's folders; given to it, never looked up.
struct CheckerEnvironment {
  std::string preferencesFolder;  // absolute, ending with "/"
  std::string documentsFolder;    // where the folder chooser opens by default
};

class ExitIndex;
class OrbitIndex;

class Checker {
 public:
  Checker(CheckerView& view, CheckerEnvironment environment);
  ~Checker();
  Checker(const Checker&) = delete;
  Checker& operator=(const Checker&) = delete;

  // --- Commands ------------------------------------------------------------
  // Load: read the saved folder, let the user choose one and load it, save it.
  void LoadCommand();
  // Test: parse and check every loaded file, then write the verdict.
  void TestCommand();
  // Clear Display: empty the report field only.
  void ClearDisplay();

  // --- Checker state (src/core/checker.cpp) ----------------------------------
  void ResetVars();

  // --- Report channel (src/core/report.cpp) --------------------------------
  void UpdateStatusEditField(std::string_view text, Rgb colour);
  void IssueError(std::string_view message);
  void IssueWarning(std::string_view message);
  void DisplayResults();

  // --- Test run (src/core/test_run.cpp) -------------------------------------
  void TestFile();

  // --- Map reading (src/mapfile) ---------------------------------------------
  void ParseLocationFile();
  static std::string StripAngleBrackets(std::string_view text);
  static std::string_view GetTextFromElement(std::string_view text, std::string_view key);

  // --- Rules (src/rules) -------------------------------------------------------
  void TestEndings();
  void TestTitle();
  void TestLaunchOrbit();
  void TestLinks(std::string_view room);
  void TestMovements(std::string_view room);
  bool LocationExists(std::string_view number) const;
  static bool IsUpper(std::string_view text);
  static bool IsAscii(std::string_view text);

  // --- Working folder (src/workdir) ---------------------------------------------
  void FolderLoad();
  void LoadWorkingDir();
  void SaveWorkingDir();
  void DisplayWorkingDir();

  // --- Fields -------------------------------------------------------------------
  // The file under test: header values from the parser.
  std::string MapTitle;
  std::string LandingPad;
  std::string Orbit;
  bool spacemap = false;

  RoomTable RoomFlags;
  RoomTable RoomName;  // its keys are the locations of the file under test
  RoomTable RoomDesc;
  RoomTable RoomExists;  // nothing stores into it
  RoomTable RoomExits;
  RoomTable RoomEvents;

  // The loaded folder.
  std::string foldername;  // absolute, normalised, ending with "/"
  std::vector<std::string> LocationFile;      // each loaded file's whole text
  std::vector<std::string> LocationFileName;  // its name, same index
  int filenum = 0;
  // Lines of the file under test: views into LocationFile[filenum].
  std::vector<std::string_view> Locations;

  std::string path;  // the user's preferences folder, ending with "/"
  bool errors = false;
  bool warnings = false;
  bool loaded = false;

  // Parts of the orbit reference of the last non-space map tested.
  std::string OrbitNum;
  std::string SpaceMapName;
  std::string SystemName;

 private:
  // Cooperative yield: passes to the view only every so many calls, so a
  // yield per line or room costs next to nothing.
  void Yield() {
    if (++yieldCount_ >= kYieldEvery) {
      yieldCount_ = 0;
      view_.Yield();
    }
  }
  static constexpr std::uint32_t kYieldEvery = 1024;

  std::size_t FileIndex() const { return static_cast<std::size_t>(filenum); }
  // Whether the file under test is the space map by its whole name.
  bool IsSpaceMapFile() const;
  // Lines of the file under test, as the parser and TestEndings cut them.
  void SplitLocations();
  // Which file's lines Locations holds (-1: none), so that TestEndings does
  // not cut the file the parser has just cut again.
  int locationsOfFile_ = -1;

  // Where the findings reported next stand, passed to the view with each
  // finding (CheckerView::Finding). The rules set it before they report; it
  // plays no part in what is filed or reported.
  struct FindingPlace {
    std::size_t line = 0;                      // 1-based; 0 for none
    std::optional<std::string_view> location;  // a location number
    // The line is the exits line filed for location, looked up only when a
    // finding is reported.
    bool onExitsLine = false;
  };
  // Line index (0-based) in Locations.
  void PlaceFindingsAtLine(std::size_t index) { findingPlace_ = {index + 1, std::nullopt, false}; }
  // The header line, Locations[1]; no line when the file has none.
  void PlaceFindingsAtHeader() {
    findingPlace_ = {Locations.size() >= 2 ? std::size_t{2} : std::size_t{0}, std::nullopt, false};
  }
  // The exits line last filed for room, about that room.
  void PlaceFindingsAtExits(std::string_view room) { findingPlace_ = {0, room, true}; }
  void ReportFinding(Severity severity, std::string_view message);

  CheckerView& view_;
  std::string documentsFolder_;
  std::uint32_t yieldCount_ = 0;
  // The loaded files' titles and, for orbited titles, location numbers: read
  // at most once per test run for the orbit search (the loaded texts do not
  // change during a run).
  std::unique_ptr<OrbitIndex> orbitIndex_;
  // The exit targets of the file under test, each exits text read once.
  std::unique_ptr<ExitIndex> exitIndex_;
  FindingPlace findingPlace_;
  // For each entry of RoomExits (same index), the index in Locations of the
  // exits line that filed its value; emptied with the room tables.
  std::vector<std::size_t> exitsLineIndex_;
};

}  // namespace zelvor
