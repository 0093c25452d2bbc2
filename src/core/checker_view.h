// What the checker needs from whoever shows it: the report field, the list of
// location files and the folder chooser. The window, the command line and the
// tests each supply their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvor {

// A 24-bit RGB colour, 0xRRGGBB.
using Rgb = std::uint32_t;

// A file the test run is about to check, in test order.
struct TestedFile {
  std::size_t index = 0;   // its index in the loaded files
  std::string_view name;   // its file name
  std::string_view title;  // the map title as parsed; empty when it has none
};

enum class Severity { kError, kWarning };

// One finding, with where it stands. Views that show positions (the command
// line's gcc, json and github formats) read these; the report field gets the
// same finding as a line of words either way.
struct FindingRecord {
  Severity severity = Severity::kError;
  std::string_view message;  // exactly as the rule passed it, leading blanks included
  std::size_t fileIndex = 0;
  std::string_view fileName;
  // 1-based, counted as the checker splits the file (at carriage returns), so
  // line N is Locations[N - 1]; 0 when the finding concerns no line (the
  // header line of a file that has none).
  std::size_t line = 0;
  // The location number the finding is about, exactly as the map writes it.
  std::optional<std::string_view> location;
};

class CheckerView {
 public:
  virtual ~CheckerView() = default;

  // The report field.
  virtual std::size_t ReportLength() const = 0;  // in characters
  virtual void AppendReport(std::string_view text, Rgb colour) = 0;
  virtual void ClearReport() = 0;

  // The location-file list.
  virtual void ClearFileList() = 0;
  virtual void AddFileRow(std::string_view text) = 0;

  // The modal folder chooser, opened at startFolder: the chosen folder's
  // path, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseFolder(const std::string& startFolder) = 0;

  // Called now and then during long loops so that a window can keep
  // painting; a run never depends on what it does.
  virtual void Yield() {}

  // Positions, for views that show them: called before the banner of each
  // file and after each finding's report line. The views are valid during the
  // call only.
  virtual void TestingFile(const TestedFile&) {}
  virtual void Finding(const FindingRecord&) {}
};

}  // namespace zelvor
