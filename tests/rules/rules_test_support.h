// Shared fixtures of the rule tests: a space map and a well-formed map that
// check clean together, and the findings of a run over files.
#pragma once

#include <string>
#include <vector>

#include "support/recording_view.h"

namespace zelvor::testing {

inline const std::vector<std::string> kSpaceMap = {
    "<?xml ?>", "<kestrane-map title='Sol Space'>", "<location num='42'>",
    "<name>High Orbit</name>", "</location>", "</kestrane-map>"};

// A map with the given header attributes after the title, and rooms given as
// (number, exits attribute text or "-" for no exits element).
inline std::vector<std::string> MapWithRooms(
    const std::string& title, const std::vector<std::pair<std::string, std::string>>& rooms,
    const std::string& header = "from='1' to='Sol.Sol Space.42'") {
  std::vector<std::string> lines = {"<?xml ?>",
                                    "<kestrane-map title='" + title + "' " + header + ">"};
  for (const auto& [number, exits] : rooms) {
    lines.push_back("<location num='" + number + "'>");
    lines.push_back("<name>Room " + number + "</name>");
    if (exits != "-") lines.push_back("<exits " + exits + "/>");
    lines.push_back("</location>");
  }
  lines.push_back("</kestrane-map>");
  return lines;
}

// The findings of a run over one map beside the space map.
inline std::vector<std::string> FindingsOf(const std::vector<std::string>& map,
                                           const std::string& name = "map.loc") {
  return Findings(CheckFiles({{name, map}, {"space.loc", kSpaceMap}}));
}

inline std::string E(const std::string& message) { return "      Error - " + message; }
inline std::string W(const std::string& message) { return "      Warning - " + message; }

}  // namespace zelvor::testing
