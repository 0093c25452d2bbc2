// What the checker needs from whoever shows it: the report field, the list of
// location files and the folder chooser. The window, the command line and the
// tests each supply their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvor {

// A 24-bit RGB colour, 0xRRGGBB.
using Rgb = std::uint32_t;

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
};

}  // namespace zelvor
