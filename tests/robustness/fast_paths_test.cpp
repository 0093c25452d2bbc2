// The checker's fast paths give what their plain definitions give, on
// random texts made of the characters that matter to each.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "core/checker.h"
#include "core/text.h"
#include "core/text_decode.h"
#include "mapfile/line_helpers.h"
#include "rules/exit_targets.h"

namespace zelvor::testing {
namespace {

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t maxLength) {
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

// Field by field at apostrophes: the first field whose trimmed text is the
// key gives the field after it, untrimmed.
std::string_view ElementByFields(std::string_view text, std::string_view key) {
  const std::vector<std::string_view> fields = Split(text, '\'');
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (Trim(fields[i]) == key) return i + 1 < fields.size() ? fields[i + 1] : std::string_view();
  }
  return {};
}

TEST(FastPaths, GetTextFromElementMatchesTheFieldWalk) {
  std::mt19937 random(11);
  const std::string_view keys[] = {"n=", "ne=", "e=", "down=", "n", "=", "",
                                   " n=", "n= ", "'n=", "<location num="};
  for (int i = 0; i < 200'000; ++i) {
    const std::string text = RandomText(random, " \t\r'nedow=<locatin um", 24);
    for (const std::string_view key : keys) {
      ASSERT_EQ(Checker::GetTextFromElement(text, key), ElementByFields(text, key))
          << "text [" << text << "] key [" << key << "]";
    }
  }
}

TEST(FastPaths, ExitTargetsAreWhatTheKeySearchReads) {
  std::mt19937 random(13);
  for (int i = 0; i < 100'000; ++i) {
    const std::string exits = RandomText(random, " \t'nsewupdoi=12", 30);
    const ExitTargets targets = ReadExitTargets(exits);
    for (std::size_t d = 0; d < kDirectionCount; ++d) {
      ASSERT_EQ(targets[d], ElementByFields(exits, kExitKeys[d]))
          << "exits [" << exits << "] key [" << kExitKeys[d] << "]";
    }
  }
}

TEST(FastPaths, ElementWordIsTheStrippedLinesFirstWord) {
  std::mt19937 random(14);
  for (int i = 0; i < 200'000; ++i) {
    const std::string line = RandomText(random, " \t\r\v<>ab/", 20);
    ASSERT_EQ(ElementWord(line), NthField(Trim(Checker::StripAngleBrackets(line)), ' ', 1))
        << "[" << line << "]";
  }
}

TEST(FastPaths, StrippedLineIsTheTrimmedLineWithoutAngleBrackets) {
  std::mt19937 random(12);
  for (int i = 0; i < 200'000; ++i) {
    const std::string line = RandomText(random, " \t\r\v<>ab/", 20);
    ASSERT_EQ(StrippedLine(line).text, std::string(Trim(Checker::StripAngleBrackets(line))))
        << "[" << line << "]";
  }
}

// The words of a name or description line from word 2 up to the first
// closing word met from word 3 on (or to the last word), each followed by a
// blank: word by word.
std::string WordsByWords(std::string_view stripped, std::string_view closingWord) {
  const std::vector<std::string_view> words = Split(stripped, ' ');
  std::string collected;
  for (std::size_t i = 1; i < std::max<std::size_t>(words.size(), 2); ++i) {
    const std::string_view word = i < words.size() ? words[i] : std::string_view();
    if (i >= 2 && word == closingWord) break;
    collected.append(word).push_back(' ');
  }
  return collected;
}

class NullView final : public CheckerView {
 public:
  std::size_t ReportLength() const override { return 0; }
  void AppendReport(std::string_view, Rgb) override {}
  void ClearReport() override {}
  void ClearFileList() override {}
  void AddFileRow(std::string_view) override {}
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }
};

TEST(FastPaths, NamesAndDescriptionsAreTheWordsUpToTheClosingWord) {
  std::mt19937 random(14);
  NullView view;
  Checker checker(view, CheckerEnvironment{});
  checker.LocationFileName = {"a.loc"};
  const std::string_view words[] = {" ", " ", "a", "bc", "/name", "/desc", "</name>", "</desc>",
                                    "/", "name", "desc", "<", ">", "\t"};
  for (int i = 0; i < 50'000; ++i) {
    std::string rest;
    for (int n = static_cast<int>(random() % 10); n > 0; --n) rest += words[random() % std::size(words)];
    const std::string nameLine = "<name" + rest;
    const std::string descLine = "<desc" + rest;
    checker.LocationFile = {"<?xml ?>\r<kestrane-map title='T'>\r<location num='1'>\r" + nameLine +
                            "\r" + descLine + "\r</location>\r"};
    checker.filenum = 0;
    checker.ParseLocationFile();

    const StrippedLine name(nameLine);
    const StrippedLine desc(descLine);
    if (name.Word() == "name") {
      const std::string expected = name.text.ends_with("/name")
                                       ? std::string(Trim(WordsByWords(name.text, "/name")))
                                       : "xxx";
      ASSERT_EQ(checker.RoomName.Value("1"), expected) << "[" << nameLine << "]";
    } else {
      ASSERT_FALSE(checker.RoomName.HasKey("1")) << "[" << nameLine << "]";
    }
    std::string expectedDesc;
    if (desc.Word() == "desc") {
      expectedDesc = "xxx";
      if (desc.text.ends_with("/desc")) {
        expectedDesc = WordsByWords(desc.text, "/desc");
        expectedDesc.pop_back();
      }
    }
    ASSERT_EQ(checker.RoomDesc.Value("1"), expectedDesc) << "[" << descLine << "]";
    checker.ResetVars();
  }
}

// UTF-8 checked one code point at a time.
bool ValidUtf8ByCodePoints(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3
                                                                   : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t code = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

TEST(FastPaths, Utf8CheckMatchesTheCodePointWalk) {
  std::mt19937 random(13);
  const std::string pieces[] = {"plain ascii text", "a", "\xC3\xA9", "\xE2\x82\xAC",
                                "\xF0\x9F\x99\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                "\xE2\x82", "\x80", "\xFF", "\xEF\xBB\xBF", std::string(9, 'x')};
  for (int i = 0; i < 100'000; ++i) {
    std::string text;
    for (int n = static_cast<int>(random() % 6); n > 0; --n) {
      text += pieces[random() % std::size(pieces)];
    }
    ASSERT_EQ(IsValidUtf8(text), ValidUtf8ByCodePoints(text)) << "[" << text << "]";
  }
}

}  // namespace
}  // namespace zelvor::testing
