// What the orbit search needs of the loaded files, read at most once per test
// run: each file's first quoted text (its title) and, for the files whose
// title some map orbits, the location numbers their lines give under
// "<location num=".
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zelvor {

class OrbitIndex {
 public:
  // files must stay unchanged while the index is used.
  explicit OrbitIndex(const std::vector<std::string>& files);

  // Whether some loaded file has this first quoted text.
  bool HasMap(std::string_view title) const;
  // Whether a file with this first quoted text has a line whose
  // "<location num=" value is number. An empty number is never found. The
  // files with this title are read on the first question about it.
  bool HasLocation(std::string_view title, std::string_view number);

 private:
  struct OrbitMap {
    std::vector<std::size_t> files;  // the files with this title
    bool read = false;
    std::unordered_set<std::string_view> numbers;  // of all those files
  };

  const std::vector<std::string>& files_;
  std::unordered_map<std::string_view, OrbitMap> maps_;  // by title
};

// The text between a text's first and second apostrophe (to its end when it
// has only one; empty when it has none).
std::string_view FirstQuotedText(std::string_view text);

}  // namespace zelvor
