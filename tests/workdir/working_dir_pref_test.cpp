#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/recording_view.h"
#include "support/temp_world.h"

namespace zelvor {
namespace {

using testing::RecordingView;
using testing::TempWorld;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

class WorkingDirPrefTest : public ::testing::Test {
 protected:
  std::string PrefFile() const { return prefs.path() + "Velmora/zelvorpref"; }

  TempWorld prefs;
  TempWorld world;
  RecordingView view;
  Checker checker{view, CheckerEnvironment{prefs.path(), "/"}};
};

TEST_F(WorkingDirPrefTest, FirstLoadCreatesTheFileAndTheNextLoadOpensThere) {
  checker.LoadWorkingDir();  // no file yet
  EXPECT_EQ(checker.foldername, "");
  view.answers.push_back(world.path());
  checker.LoadCommand();
  EXPECT_EQ(ReadAll(PrefFile()), world.path() + "\n");

  RecordingView nextView;
  Checker next(nextView, CheckerEnvironment{prefs.path(), "/"});
  next.LoadCommand();  // cancelled
  EXPECT_EQ(nextView.chooserOpenedAt, std::vector<std::string>{world.path()});
  EXPECT_EQ(ReadAll(PrefFile()), world.path() + "\n");
}

TEST_F(WorkingDirPrefTest, CancelLeavesTheFileUntouched) {
  std::filesystem::create_directories(prefs.path() + "Velmora");
  std::ofstream(PrefFile()) << "/somewhere/\nsecond line\n";
  const auto stamp = std::filesystem::last_write_time(PrefFile());
  checker.LoadCommand();
  EXPECT_EQ(checker.foldername, "/somewhere/");
  EXPECT_EQ(ReadAll(PrefFile()), "/somewhere/\nsecond line\n");
  EXPECT_EQ(std::filesystem::last_write_time(PrefFile()), stamp);
  // A choice rewrites it as one line.
  view.answers.push_back(world.path());
  checker.LoadCommand();
  EXPECT_EQ(ReadAll(PrefFile()), world.path() + "\n");
}

TEST_F(WorkingDirPrefTest, OddPreferenceFiles) {
  std::filesystem::create_directories(prefs.path() + "Velmora");
  checker.foldername = "/before/";
  std::ofstream(PrefFile()) << "";
  checker.LoadWorkingDir();
  EXPECT_EQ(checker.foldername, "");  // an empty first line is an empty folder

  checker.foldername = "/before/";
  std::ofstream(PrefFile(), std::ios::binary) << std::string(3 << 20, 'x');
  checker.LoadWorkingDir();
  EXPECT_EQ(checker.foldername, "/before/");  // far too long to be a folder: ignored

  std::filesystem::remove(PrefFile());
  std::filesystem::create_directory(PrefFile());
  checker.LoadWorkingDir();
  EXPECT_EQ(checker.foldername, "/before/");  // not a file
}

TEST_F(WorkingDirPrefTest, SaveIntoAReadOnlyFolderFailsSilentlyAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  std::filesystem::create_directories(prefs.path() + "Velmora");
  std::ofstream(PrefFile()) << "/old/\n";
  ::chmod((prefs.path() + "Velmora").c_str(), 0500);
  checker.foldername = "/new/";
  checker.SaveWorkingDir();
  ::chmod((prefs.path() + "Velmora").c_str(), 0700);
  EXPECT_EQ(ReadAll(PrefFile()), "/old/\n");
}

TEST_F(WorkingDirPrefTest, SaveLeavesNoTemporaryFilesBehind) {
  checker.foldername = world.path();
  checker.SaveWorkingDir();
  checker.SaveWorkingDir();
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(prefs.path() + "Velmora")) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"zelvorpref"});
}

}  // namespace
}  // namespace zelvor
