// ParseLocationFile: one map file into header values and room tables.
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "mapfile/line_helpers.h"
#include "rules/exit_targets.h"

namespace zelvor {
namespace {

// The words of a name or description line from word 2 up to the first
// closing word met from word 3 on (or up to the last word), with the single
// blanks between them. Word 2 is always taken. Words are the pieces between
// single blanks, so the words taken are one piece of the line.
std::string_view ScanWords(std::string_view stripped, std::string_view closingWord) {
  const std::size_t start = stripped.find(' ');  // the blank before word 2
  if (start == std::string_view::npos) return {};  // word 2 is empty
  std::size_t takenTo = stripped.size();
  for (std::size_t at = stripped.find(closingWord, start + 2); at != std::string_view::npos;
       at = stripped.find(closingWord, at + 1)) {
    const std::size_t end = at + closingWord.size();
    if (stripped[at - 1] == ' ' && (end == stripped.size() || stripped[end] == ' ')) {
      takenTo = at - 1;  // the blank before the closing word
      break;
    }
  }
  return stripped.substr(start + 1, takenTo - start - 1);
}

// An exits or events line's attributes: the stripped line less its last
// character and then less its first `head` characters, trimmed.
std::string_view AttributesOf(std::string_view stripped, std::size_t head) {
  return Trim(DropFirst(DropLast(stripped, 1), head));
}

}  // namespace

void Checker::ParseLocationFile() {
  MapTitle.clear();
  LandingPad.clear();
  Orbit.clear();
  spacemap = false;
  exitIndex_->Clear();  // the exits are filed anew
  SplitLocations();

  // A file of fewer than two lines has no header line: its header values stay
  // empty and nothing is filed.
  if (Locations.size() < 2) return;
  const std::string_view header = Locations[1];

  spacemap = Lowercase(NthField(LocationFileName[FileIndex()], '.', 1)) == "space";
  MapTitle = NthField(header, '\'', 2);
  // Launch and orbit are read for the space map too, so that a space map
  // naming them can be reported.
  LandingPad = GetTextFromElement(header, "from=");
  Orbit = GetTextFromElement(header, "to=");

  std::string current;      // the current location number
  std::string descriptions;  // each followed by a carriage return
  std::string lineBuffer;
  for (std::size_t i = 1; i < Locations.size(); ++i) {
    const StrippedLine line(Locations[i], lineBuffer);
    const std::string_view word = line.Word();
    const std::string_view stripped = line.text;
    if (word == "location") {
      current = NthField(stripped, '\'', 2);
      RoomFlags.Store(current, NthField(stripped, '\'', 4));
    } else if (word == "name") {
      if (Right(stripped, 5) == "/name") {
        RoomName.Store(current, Trim(ScanWords(stripped, "/name")));
      } else {
        RoomName.Store(current, "xxx");
      }
    } else if (word == "desc") {
      if (Right(stripped, 5) == "/desc") {
        descriptions.append(ScanWords(stripped, "/desc"));
      } else {
        descriptions.append("xxx");
      }
      descriptions.push_back(kCarriageReturn);
    } else if (word == "exits") {
      const std::size_t entry = RoomExits.Store(current, AttributesOf(stripped, 6));
      if (entry >= exitsLineIndex_.size()) exitsLineIndex_.resize(entry + 1);
      exitsLineIndex_[entry] = i;
    } else if (word == "events") {
      RoomEvents.Store(current, AttributesOf(stripped, 7));
    } else if (word == "/location") {
      // Less the final carriage return.
      RoomDesc.Store(current, std::string_view(descriptions).substr(
                                  0, descriptions.empty() ? 0 : descriptions.size() - 1));
      descriptions.clear();
    }
    Yield();
  }
}

}  // namespace zelvor
