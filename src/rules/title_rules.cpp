// TestTitle: the space map's title ends in " Space"; any other map has a
// title of at least three characters.
#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

void Checker::TestTitle() {
  PlaceFindingsAtHeader();
  if (IsSpaceMapFile()) {
    if (Right(MapTitle, 6) != " Space") {
      IssueError(" Space.loc map needs title in the form 'Xxxxx Space'");
    }
    return;
  }
  if (MapTitle.empty()) {
    IssueError(" Map has no title");
  } else if (Len(MapTitle) < 3) {
    IssueError(" Map title must have 3 or more characters");
  }
}

}  // namespace zelvor
