// Small map worlds the format tests check: together they give one of every
// kind of finding.
#pragma once

#include <string>
#include <vector>

namespace zelvor::testing {

inline const std::vector<std::string> kSpaceMap = {
    "<?xml ?>",  "<kestrane-map title='Sol Space'>", "<location num='42'>",
    "<name>High Orbit</name>", "</location>", "</kestrane-map>",
};

// One of every kind of finding, with the line each concerns (1-based).
inline const std::vector<std::string> kMire = {
    "<?xml ?>",                                                     // 1
    "<kestrane-map title='Mire' from='9' to='Sol.Sol Space.42'>",  // 2: launch
    "</name>",                                                      // 3: stray end
    "<location num='1'>",                                           // 4
    "<name>Jetty</name>",                                           // 5
    "<exits n='2'/>",                                               // 6: replaced by 7
    "<exits n='2' e='8'/>",                                         // 7: filed for 1
    "</location>",                                                  // 8
    "<location num='2'>",                                           // 9
    "<name>Path</name>",                                            // 10
    "",                                                             // 11
    "<exits s='1' w='1'/>",                                         // 12: filed for 2
    "</location>",                                                  // 13
    "stray text",                                                   // 14
    "<events enter='x'/>",                                          // 15
    "n='1' search='y'",                                             // 16: two keys
    "</kestrane-map>",                                              // 17
};

// Title and orbit findings stand on the header line; a name and exits filed
// before the first location go under the empty location number.
inline const std::vector<std::string> kShort = {
    "<?xml ?>",                                                  // 1
    "<kestrane-map title='ab' from='1' to='Sol.Sol Space.7'>",  // 2: title, orbit
    "<name>Loose</name>",                                        // 3
    "<exits up='1'/>",                                           // 4: outside; filed for ""
    "<location num='1'>",                                        // 5
    "<name>Hut</name>",                                          // 6
    "</location>",                                               // 7
    "</kestrane-map>",                                           // 8
};

}  // namespace zelvor::testing
