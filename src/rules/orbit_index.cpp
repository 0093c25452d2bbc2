#include "rules/orbit_index.h"

#include <algorithm>
#include <functional>

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

std::string_view FirstQuotedText(std::string_view text) {
  const std::size_t open = text.find('\'');
  if (open == std::string_view::npos) return {};
  return NthField(text.substr(open + 1), '\'', 1);
}

namespace {

// Adds the "<location num=" value of every line of text that gives one.
void ReadLocationNumbers(std::string_view text, std::unordered_set<std::string_view>& numbers) {
  static constexpr std::string_view kStart = "<location num=";
  // Only a line holding "<location num=" can give it a value; find those
  // lines without cutting the whole text into lines. Most lines hold angle
  // brackets: a skipping search passes over them instead of stopping at each.
  static const std::boyer_moore_horspool_searcher kStartSearcher(kStart.begin(), kStart.end());
  const auto find = [&](std::size_t from) {
    const auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), kStartSearcher);
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
  };
  std::size_t at = find(0);
  while (at != std::string_view::npos) {
    const std::size_t lineStart = text.rfind('\r', at);
    const std::size_t begin = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    const std::size_t lineEnd = text.find('\r', at);
    const std::string_view line = text.substr(
        begin, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - begin);
    const std::string_view number = Checker::GetTextFromElement(Trim(line), kStart);
    if (!number.empty()) numbers.insert(number);
    if (lineEnd == std::string_view::npos) break;
    at = find(lineEnd + 1);
  }
}

}  // namespace

OrbitIndex::OrbitIndex(const std::vector<std::string>& files) : files_(files) {
  for (std::size_t i = 0; i < files.size(); ++i) {
    maps_[FirstQuotedText(files[i])].files.push_back(i);
  }
}

bool OrbitIndex::HasMap(std::string_view title) const { return maps_.count(title) != 0; }

bool OrbitIndex::HasLocation(std::string_view title, std::string_view number) {
  if (number.empty()) return false;
  const auto it = maps_.find(title);
  if (it == maps_.end()) return false;
  OrbitMap& map = it->second;
  if (!map.read) {
    for (const std::size_t file : map.files) ReadLocationNumbers(files_[file], map.numbers);
    map.read = true;
  }
  return map.numbers.count(number) != 0;
}

}  // namespace zelvor
