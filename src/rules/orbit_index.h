// What the orbit search needs of the loaded files, read once per test run:
// each file's first quoted text (its title) and the location numbers its
// lines give under "<location num=".
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zelvor {

class OrbitIndex {
 public:
  explicit OrbitIndex(const std::vector<std::string>& files);

  // Whether some loaded file has this first quoted text.
  bool HasMap(std::string_view title) const;
  // Whether a file with this first quoted text has a line whose
  // "<location num=" value is number. An empty number is never found.
  bool HasLocation(std::string_view title, std::string_view number) const;

 private:
  // Title -> the location numbers of every file with that title.
  std::unordered_map<std::string_view, std::unordered_set<std::string_view>> maps_;
};

// The text between a text's first and second apostrophe (to its end when it
// has only one; empty when it has none).
std::string_view FirstQuotedText(std::string_view text);

}  // namespace zelvor
