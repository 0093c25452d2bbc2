// Bad map files: each is loaded and checked to the verdict, and the good file
// beside it is reported exactly as it is when alone.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support.h"

namespace zelvor::testing {
namespace {

// The report of the example file pellmoor.loc checked alone, less the
// working-directory line that names the folder.
std::string PellmoorSection() {
  TempWorld dir;
  WriteFile(dir / "pellmoor.loc", ExampleFile("clean-world", "pellmoor.loc"));
  const std::string report = CheckFolder(dir.path()).report;
  const std::size_t begin = report.find(" Testing ");
  const std::size_t end = report.find(" Testing completed\n\n", begin);
  return report.substr(begin, end + 20 - begin);
}

std::string RandomBytes(std::size_t n) {
  std::mt19937 random(42);
  std::string bytes(n, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Repeat(std::string_view text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out.append(text);
  return out;
}

struct BadFile {
  const char* label;
  std::string bytes;
  // A text the bad file's part of the report must hold.
  std::string expected;
};

void PrintTo(const BadFile& bad, std::ostream* out) { *out << bad.label; }

class BadInput : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadInput, IsCheckedToTheVerdictAndTheGoodFileStaysIntact) {
  const BadFile& bad = GetParam();
  TempWorld dir;
  // "a" sorts before "pellmoor": the bad file is checked first.
  WriteFile(dir / "a.loc", bad.bytes);
  WriteFile(dir / "pellmoor.loc", ExampleFile("clean-world", "pellmoor.loc"));

  const CheckedFolder checked = CheckFolder(dir.path());
  ASSERT_EQ(checked.names, (std::vector<std::string>{"a.loc", "pellmoor.loc"}));
  const std::string& report = checked.report;
  const std::size_t pellmoor = report.rfind(" Testing Pellmoor\n");
  ASSERT_NE(pellmoor, std::string::npos);
  EXPECT_NE(report.find(bad.expected), std::string::npos) << bad.label;
  EXPECT_LT(report.find(bad.expected), pellmoor) << bad.label;
  EXPECT_EQ(report.substr(pellmoor, PellmoorSection().size()), PellmoorSection());
  EXPECT_TRUE(report.ends_with("      ----- Files have errors -----\n\n") ||
              report.ends_with("      No errors in these files\n"));
}

const std::string kHolloway = ExampleFile("clean-world", "holloway.loc");

std::string WithLineFeeds(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInput,
    ::testing::Values(
        BadFile{"empty", "", " Testing Untiltled\n      Error -  Map has no title\n"},
        BadFile{"binary", RandomBytes(1 << 16), " Testing "},
        BadFile{"NUL bytes in the title and a name",
                "<?xml ?>\r<kestrane-map title='Nu" + std::string(1, '\0') +
                    "ll' from='1' to='Tarn.Tarn Space.20'>\r<location num='1'>\r<name>A" +
                    std::string(3, '\0') + "</name>\r</location>\r",
                " Testing Nu" + std::string(1, '\0') + "ll\n"},
        // Not UTF-8: read as Latin-1, so the e-acute byte becomes U+00E9.
        BadFile{"invalid UTF-8", "<?xml ?>\r<kestrane-map title='Caf\xE9'>\r",
                " Testing Caf\xC3\xA9\n"},
        BadFile{"byte-order mark", "\xEF\xBB\xBF" + kHolloway, " Testing Holloway\n"},
        BadFile{"byte-order mark before invalid UTF-8",
                "\xEF\xBB\xBF<?xml ?>\r<kestrane-map title='\xFF\xFE'>\r",
                " Testing \xC3\xBF\xC3\xBE\n"},
        // Line feeds only: the whole file is one line, so it has no header.
        BadFile{"one 10 MB line", Repeat(WithLineFeeds(kHolloway), 10'000'000 / kHolloway.size()),
                " Testing Untiltled\n"},
        BadFile{"a 10 MB title", "<?xml ?>\r<kestrane-map title='" + std::string(10'000'000, 'T') +
                                     "'>\r",
                " Testing " + std::string(10'000'000, 'T') + "\n"},
        BadFile{"100,000 apostrophes on a line outside and inside a location",
                "<?xml ?>\r<kestrane-map title='Quotes'>\r" + std::string(100'000, '\'') +
                    "\r<location num='1'>\r<exits n='" + std::string(100'000, '\'') +
                    "/>\r</location>\r",
                "      Error - Text data found outside of a location\n"},
        BadFile{"100,000 lines of findings",
                "<?xml ?>\r<kestrane-map title='Loose'>\r" + Repeat("</location>\r", 100'000),
                Repeat("      Error - Loc end found outside a location\n", 100'000)}),
    [](const ::testing::TestParamInfo<BadFile>& param) {
      std::string name;
      for (const char c : std::string(param.param.label)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name.push_back(c);
      }
      return name;
    });

// A 200 MB file: a real map followed by a long run of NUL bytes, written
// sparse so that the test costs no disk. The map part is still reported.
TEST(BigFile, TwoHundredMegabytesAreReadAndChecked) {
  TempWorld dir;
  const std::string big = dir / "big.loc";
  WriteFile(big, kHolloway);
  ASSERT_EQ(::truncate(big.c_str(), 200 << 20), 0);
  WriteFile(dir / "pellmoor.loc", ExampleFile("clean-world", "pellmoor.loc"));

  const CheckedFolder checked = CheckFolder(dir.path());
  ASSERT_EQ(checked.names, (std::vector<std::string>{"big.loc", "pellmoor.loc"}));
  EXPECT_NE(checked.report.find(" Testing Holloway\n"
                                "      Error - Text data found outside of a location\n"),
            std::string::npos);
  EXPECT_NE(checked.report.find(PellmoorSection()), std::string::npos);
}

}  // namespace
}  // namespace zelvor::testing
