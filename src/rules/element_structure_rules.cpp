// TestEndings: end tags without a start, exits, events and text outside a
// location.
#include <array>
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "mapfile/line_helpers.h"
#include "rules/exit_targets.h"

namespace zelvor {
namespace {

constexpr std::array<std::string_view, 4> kEventKeys = {"enter=", "no-exit=", "in-room=",
                                                        "search="};

}  // namespace

void Checker::TestEndings() {
  if (locationsOfFile_ != filenum) SplitLocations();
  bool inLocation = false;
  bool nameOpen = false;
  bool descOpen = false;
  std::string lineBuffer;
  for (std::size_t i = 0; i < Locations.size(); ++i) {
    PlaceFindingsAtLine(i);
    const std::string_view word = ElementWord(Locations[i]);
    if (word == "location") {
      inLocation = true;
    } else if (word == "/location") {
      if (inLocation) {
        inLocation = false;
      } else {
        IssueError("Loc end found outside a location");
      }
    } else if (word == "name") {
      nameOpen = true;
    } else if (word == "/name") {
      if (nameOpen) {
        nameOpen = false;
      } else {
        IssueError("Name end found outside a location");
      }
    } else if (word == "desc") {
      descOpen = true;
    } else if (word == "/desc") {
      if (descOpen) {
        descOpen = false;
      } else {
        IssueError("Desc end found outside a location");
      }
    } else if (word == "exits") {
      if (!inLocation) IssueError("Exit found outside of a location");
    } else if (word == "events") {
      if (!inLocation) IssueError("Event found outside of a location");
    } else if (word == "?xml" || word == "kestrane-map" || word == "/kestrane-map" ||
               word.empty()) {
      // the declaration, the root tags and blank lines
    } else if (!inLocation) {
      const StrippedLine line(Locations[i], lineBuffer);
      bool found = false;
      for (const std::string_view key : kEventKeys) {
        if (!GetTextFromElement(line.text, key).empty()) {
          IssueError("Event found outside a location");
          found = true;
        }
      }
      for (const std::string_view key : kExitKeys) {
        if (!GetTextFromElement(line.text, key).empty()) {
          IssueError("Exit found outside a location");
          found = true;
        }
      }
      if (!found) IssueError("Text data found outside of a location");
    }
    Yield();
  }
}

}  // namespace zelvor
