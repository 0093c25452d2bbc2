#include "rules/orbit_index.h"

#include "core/checker.h"
#include "core/text.h"

namespace zelvor {

std::string_view FirstQuotedText(std::string_view text) {
  const std::size_t open = text.find('\'');
  if (open == std::string_view::npos) return {};
  return NthField(text.substr(open + 1), '\'', 1);
}

OrbitIndex::OrbitIndex(const std::vector<std::string>& files) {
  static constexpr std::string_view kStart = "<location num=";
  for (const std::string& file : files) {
    auto& numbers = maps_[FirstQuotedText(file)];
    const std::string_view text = file;
    // Only a line holding "<location num=" can give it a value; find those
    // lines without cutting the whole text into lines.
    std::size_t at = text.find(kStart);
    while (at != std::string_view::npos) {
      const std::size_t lineStart = text.rfind('\r', at);
      const std::size_t begin = lineStart == std::string_view::npos ? 0 : lineStart + 1;
      const std::size_t lineEnd = text.find('\r', at);
      const std::string_view line = text.substr(
          begin, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - begin);
      const std::string_view number = Checker::GetTextFromElement(Trim(line), kStart);
      if (!number.empty()) numbers.insert(number);
      if (lineEnd == std::string_view::npos) break;
      at = text.find(kStart, lineEnd + 1);
    }
  }
}

bool OrbitIndex::HasMap(std::string_view title) const { return maps_.count(title) != 0; }

bool OrbitIndex::HasLocation(std::string_view title, std::string_view number) const {
  if (number.empty()) return false;
  const auto it = maps_.find(title);
  return it != maps_.end() && it->second.count(number) != 0;
}

}  // namespace zelvor
