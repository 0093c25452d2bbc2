#include "mapfile/line_helpers.h"

#include <gtest/gtest.h>

#include "core/checker.h"

namespace zelvor {
namespace {

TEST(LineHelpersTest, StripAngleBracketsKeepsPositions) {
  EXPECT_EQ(Checker::StripAngleBrackets(""), "");
  EXPECT_EQ(Checker::StripAngleBrackets("<name>"), " name ");
  EXPECT_EQ(Checker::StripAngleBrackets("<<>>"), "    ");
  EXPECT_EQ(Checker::StripAngleBrackets("a<b>c"), "a b c");
}

TEST(LineHelpersTest, StrippedLineAndElementWord) {
  const StrippedLine name("<name>Deck</name>");
  EXPECT_EQ(name.text, "name Deck /name");
  EXPECT_EQ(name.Word(), "name");
  EXPECT_EQ(StrippedLine("\n</location>\r").Word(), "/location");
  EXPECT_EQ(StrippedLine("   ").Word(), "");
  EXPECT_EQ(StrippedLine("<?xml?>").Word(), "?xml?");
  EXPECT_EQ(StrippedLine("<exits\tn='1'/>").Word(), "exits\tn='1'/");
}

TEST(LineHelpersTest, ElementWordMatchesTheStrippedLinesFirstWord) {
  for (const std::string line :
       {"<name>Deck</name>", "\n</location>\r", "   ", "", "<?xml?>", "<exits\tn='1'/>",
        "exits\t", "< <>>a", "a<b", "\t<desc> x", "plain words", "<<x\t>", ">\v<kestrane-map"}) {
    EXPECT_EQ(ElementWord(line), StrippedLine(line).Word()) << "[" << line << "]";
  }
}

TEST(LineHelpersTest, GetTextFromElementFindsTheFirstMatchingKeyField) {
  struct Case {
    std::string text;
    std::string key;
    std::string value;
  };
  const std::vector<Case> cases = {
      {"n='2' s='7'", "s=", "7"},
      {"n='2' s='7'", "e=", ""},
      {"n='2' n='5'", "n=", "2"},
      {"n='2' e='3'", " e=", ""},           // a key is never trimmed
      {"n=", "n=", ""},                      // the key is the last field
      {"x='n=' n='4'", "n=", " n="},         // a value that looks like a key
      {"from = '1'", "from=", ""},           // blank before "="
      {"from= '1'", "from=", "1"},           // blank after "="
      {"n=' 2 '", "n=", " 2 "},              // the value keeps its blanks
      {"n='2", "n=", "2"},                   // no closing apostrophe
      {"n=''", "n=", ""},
      {"<kestrane-map title='Pellmoor' from='1' to='Sol.Sol Space.42'>", "from=", "1"},
      {"<kestrane-map title='Pellmoor' from='1' to='Sol.Sol Space.42'>", "to=",
       "Sol.Sol Space.42"},
      {"<kestrane-map title='Pellmoor' from='1'>", "title=", ""},
      {"", "n=", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Checker::GetTextFromElement(c.text, c.key), c.value)
        << "text [" << c.text << "] key [" << c.key << "]";
  }
}

}  // namespace
}  // namespace zelvor
