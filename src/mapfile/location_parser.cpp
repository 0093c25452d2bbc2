// ParseLocationFile: one map file into header values and room tables.
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "mapfile/line_helpers.h"

namespace zelvor {
namespace {

// The words of a name or description line from word 2 up to the first
// closing word met from word 3 on (or up to the last word), each followed by a
// blank. Word 2 is always taken.
std::string WordScan(std::string_view stripped, std::string_view closingWord) {
  // Words are the pieces between single blanks, so the words taken, each
  // followed by a blank, are one piece of the line plus a blank: find where
  // the closing word stands, as a whole word after word 2, and copy once.
  const std::size_t start = stripped.find(' ');  // the blank before word 2
  if (start == std::string_view::npos) return " ";  // word 2 is empty
  std::size_t takenTo = stripped.size();
  for (std::size_t at = stripped.find(closingWord, start + 2); at != std::string_view::npos;
       at = stripped.find(closingWord, at + 1)) {
    const std::size_t end = at + closingWord.size();
    if (stripped[at - 1] == ' ' && (end == stripped.size() || stripped[end] == ' ')) {
      takenTo = at - 1;  // the blank before the closing word
      break;
    }
  }
  std::string collected;
  collected.reserve(takenTo - start);
  collected.append(stripped.substr(start + 1, takenTo - start - 1)).push_back(' ');
  return collected;
}

// An exits or events line's attributes: the stripped line less its last
// character and then less its first `head` characters, trimmed.
std::string_view AttributesOf(std::string_view stripped, long long head) {
  const std::string_view shortened = Left(stripped, static_cast<long long>(Len(stripped)) - 1);
  return Trim(Right(shortened, static_cast<long long>(Len(shortened)) - head));
}

}  // namespace

void Checker::ParseLocationFile() {
  MapTitle.clear();
  LandingPad.clear();
  Orbit.clear();
  spacemap = false;
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
  for (std::size_t i = 1; i < Locations.size(); ++i) {
    const StrippedLine line(Locations[i]);
    const std::string_view word = line.Word();
    const std::string_view stripped = line.text;
    if (word == "location") {
      current = NthField(stripped, '\'', 2);
      RoomFlags.Store(current, NthField(stripped, '\'', 4));
    } else if (word == "name") {
      if (Right(stripped, 5) == "/name") {
        RoomName.Store(current, Trim(WordScan(stripped, "/name")));
      } else {
        RoomName.Store(current, "xxx");
      }
    } else if (word == "desc") {
      if (Right(stripped, 5) == "/desc") {
        std::string collected = WordScan(stripped, "/desc");
        collected.pop_back();  // the blank after the last word
        descriptions.append(collected);
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
