// The preferences file: whatever it holds, the Load command opens the chooser
// somewhere sensible and leaves a sound file; a read-only folder loses
// nothing; a save killed halfway never leaves a truncated file.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "support.h"

namespace zelvor::testing {
namespace {

struct PreferenceCase {
  const char* label;
  std::string content;  // of the preferences file; "@GONE@" stands for a removed folder
  bool startsInSavedFolder;
};

void PrintTo(const PreferenceCase& c, std::ostream* out) { *out << c.label; }

class PreferencesFile : public ::testing::TestWithParam<PreferenceCase> {};

TEST_P(PreferencesFile, LoadOpensChooserSensiblyAndSavesTheChosenFolder) {
  const PreferenceCase& c = GetParam();
  TempWorld prefs;
  TempWorld documents;
  TempWorld world;
  TempWorld saved;
  TempWorld gone;
  const std::string goneFolder = gone.path();
  std::filesystem::remove_all(goneFolder);

  std::string content = c.content;
  if (const std::size_t at = content.find("@SAVED@"); at != std::string::npos) {
    content.replace(at, 7, saved.path());
  }
  if (const std::size_t at = content.find("@GONE@"); at != std::string::npos) {
    content.replace(at, 6, goneFolder);
  }
  std::filesystem::create_directory(prefs / "Velmora");
  WriteFile(prefs / "Velmora/zelvorpref", content);

  RecordingView view;
  view.answers.push_back(world.path());
  Checker checker(view, CheckerEnvironment{prefs.path(), documents.path()});
  checker.LoadCommand();

  EXPECT_TRUE(checker.loaded);
  ASSERT_EQ(view.chooserOpenedAt.size(), 1u);
  EXPECT_EQ(view.chooserOpenedAt[0], c.startsInSavedFolder ? saved.path() : documents.path());
  EXPECT_EQ(ReadFile(prefs / "Velmora/zelvorpref"), world.path() + "\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prefs / "Velmora"),
                          std::filesystem::directory_iterator()),
            1);
}

std::string Binary() {
  std::mt19937 random(7);
  std::string bytes(4096, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, PreferencesFile,
    ::testing::Values(PreferenceCase{"saved", "@SAVED@\n", true},
                      PreferenceCase{"saved_without_line_end", "@SAVED@", true},
                      PreferenceCase{"empty", "", false},
                      PreferenceCase{"binary", Binary(), false},
                      PreferenceCase{"huge_line", std::string(3 << 20, 'x'), false},
                      PreferenceCase{"huge_after_first_line", "@SAVED@\n" + std::string(3 << 20, 'y'),
                                     true},
                      PreferenceCase{"folder_gone", "@GONE@\n", false}),
    [](const ::testing::TestParamInfo<PreferenceCase>& param) { return param.param.label; });

// A read-only preferences folder: the save fails without a word, the old
// file stays whole and nothing else is left there.
TEST(PreferencesFolder, ReadOnlyKeepsTheOldFile) {
  TempWorld prefs;
  TempWorld world;
  ASSERT_EQ(::chmod(prefs.path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(world.path().c_str(), 0755), 0);
  std::filesystem::create_directory(prefs / "Velmora");
  WriteFile(prefs / "Velmora/zelvorpref", "/old/folder/\n");
  ASSERT_EQ(::chmod((prefs / "Velmora/zelvorpref").c_str(), 0644), 0);
  ASSERT_EQ(::chmod((prefs / "Velmora").c_str(), 0555), 0);

  const std::optional<std::string> outcome = RunUnprivileged([&] {
    RecordingView view;
    view.answers.push_back(world.path());
    Checker checker(view, CheckerEnvironment{prefs.path(), "/"});
    checker.LoadCommand();
    return std::string(checker.loaded ? "loaded" : "not loaded") + "|" + view.text;
  });
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, "loaded|");  // an empty folder: nothing to report
  EXPECT_EQ(ReadFile(prefs / "Velmora/zelvorpref"), "/old/folder/\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prefs / "Velmora"),
                          std::filesystem::directory_iterator()),
            1);
}

// A process killed at any moment while saving leaves the preferences file
// holding one whole saved line, never a part of one.
TEST(PreferencesFile, KilledWhileSavingNeverLeavesItTruncated) {
  TempWorld prefs;
  const std::string first(1 << 20, 'a');
  const std::string second(1 << 20, 'b');
  {
    RecordingView view;
    Checker checker(view, CheckerEnvironment{prefs.path(), "/"});
    checker.foldername = first;
    checker.SaveWorkingDir();
  }
  std::mt19937 random(3);
  for (int round = 0; round < 12; ++round) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      RecordingView view;
      Checker checker(view, CheckerEnvironment{prefs.path(), "/"});
      for (int i = 0;; ++i) {
        checker.foldername = i % 2 == 0 ? second : first;
        checker.SaveWorkingDir();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 20'000));
    ASSERT_EQ(::kill(pid, SIGKILL), 0);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const std::string content = ReadFile(prefs / "Velmora/zelvorpref");
    EXPECT_TRUE(content == first + "\n" || content == second + "\n")
        << "round " << round << ": " << content.size() << " bytes";
  }
}

}  // namespace
}  // namespace zelvor::testing
