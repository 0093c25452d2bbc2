// The modal folder chooser of the Load command.
#pragma once

#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace zelvor {

inline constexpr char kChooserTitle[] = "File Load Dialog";
inline constexpr char kChooserButton[] = "Select";
inline constexpr char kChooserPrompt[] = "Please select the working directory containing your files";

// A folder-only chooser, set up but not shown: button caption, title, prompt
// (a label above the folder view) and the folder it opens in.
std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* parent, const std::string& startFolder);

// Shows that chooser modally: the chosen folder's path, or nothing on cancel.
std::optional<std::string> ChooseFolderWithDialog(QWidget* parent, const std::string& startFolder);

}  // namespace zelvor
