#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>

#include "support/recording_view.h"
#include "support/temp_world.h"

namespace zelvor {
namespace {

using testing::ColourRun;
using testing::MapText;
using testing::RecordingView;
using testing::TempWorld;

std::string Titled(const std::string& title) {
  return MapText({"<?xml ?>", "<kestrane-map title='" + title + "'>", "</kestrane-map>"});
}

class FolderLoadTest : public ::testing::Test {
 protected:
  void Load(const std::optional<std::string>& answer) {
    view.answers.push_back(answer);
    checker.FolderLoad();
  }

  TempWorld world;
  TempWorld documents;
  RecordingView view;
  Checker checker{view, CheckerEnvironment{"", documents.path()}};
};

TEST_F(FolderLoadTest, LoadsLocationFilesInByteOrderAndListsThemByTitle) {
  world.Write("b.loc", Titled("Bee"));
  world.Write("A.LOC", Titled("Capital"));
  world.Write(".loc", Titled("Dot"));
  world.Write("a.loc.old", Titled("Old"));
  world.Write("z.Loc", "no apostrophe at all");
  world.Write("one.loc", "it's open to the end");
  world.Write("a.b.loc", Titled("Not loaded"));
  world.Write("loc", Titled("Not loaded"));
  world.Write("x.locx", Titled("Not loaded"));
  world.MakeFolder("y.loc");
  world.MakeFifo("pipe.loc");
  std::filesystem::create_symlink(world.path() + "missing", world.path() + "dangling.loc");
  std::filesystem::create_symlink(world.path() + "b.loc", world.path() + "link.loc");

  Load(world.path());
  EXPECT_TRUE(checker.loaded);
  EXPECT_EQ(checker.foldername, world.path());
  EXPECT_EQ(checker.LocationFileName,
            (std::vector<std::string>{".loc", "A.LOC", "a.loc.old", "b.loc", "link.loc",
                                      "one.loc", "z.Loc"}));
  EXPECT_EQ(view.rows, (std::vector<std::string>{"Dot", "Capital", "Old", "Bee", "Bee",
                                                 "s open to the end", "Untitled"}));
  ASSERT_EQ(checker.LocationFile.size(), 7u);
  EXPECT_EQ(checker.LocationFile[3], Titled("Bee"));
  EXPECT_EQ(view.runs, (std::vector<ColourRun>{
                           {" Working Directory is " + world.path() + "\n\n", kReportPurple}}));
}

TEST_F(FolderLoadTest, FileBytesBecomeText) {
  world.Write("bom.loc", "\xEF\xBB\xBF<?xml ?>\r<kestrane-map title='Bom'>\r");
  world.Write("latin.loc", "<?xml ?>\r<kestrane-map title='K\xF8ge'>\r");
  world.Write("sock.loc", "");  // replaced by a socket below
  std::filesystem::remove(world.path() + "sock.loc");
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = world.path() + "sock.loc";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  Load(world.path());
  ::close(fd);
  EXPECT_EQ(view.rows, (std::vector<std::string>{"Bom", "K\xC3\xB8ge"}));
  EXPECT_EQ(checker.LocationFile[0], "<?xml ?>\r<kestrane-map title='Bom'>\r");
}

TEST_F(FolderLoadTest, CancelChangesNothingButLoaded) {
  world.Write("a.loc", Titled("Abc"));
  Load(world.path());
  view.AppendReport("earlier report", kErrorRed);
  const std::string before = view.text;
  Load(std::nullopt);
  EXPECT_FALSE(checker.loaded);
  EXPECT_EQ(checker.foldername, world.path());
  EXPECT_EQ(checker.LocationFileName, std::vector<std::string>{"a.loc"});
  EXPECT_EQ(view.rows, std::vector<std::string>{"Abc"});
  EXPECT_EQ(view.text, before);
  // The chooser opened at the working folder, then again there.
  EXPECT_EQ(view.chooserOpenedAt, (std::vector<std::string>{documents.path(), world.path()}));
  checker.TestCommand();
  EXPECT_EQ(view.text, before);  // Test does nothing after a cancel
}

TEST_F(FolderLoadTest, EmptyFolderKeepsEverythingButFolderAndLoaded) {
  world.Write("a.loc", Titled("Abc"));
  Load(world.path());
  TempWorld empty;
  Load(empty.path());
  EXPECT_TRUE(checker.loaded);
  EXPECT_EQ(checker.foldername, empty.path());
  EXPECT_EQ(checker.LocationFileName, std::vector<std::string>{"a.loc"});
  EXPECT_EQ(view.rows, std::vector<std::string>{"Abc"});
  EXPECT_EQ(view.text, " Working Directory is " + world.path() + "\n\n");
}

TEST_F(FolderLoadTest, FolderOfOnlySubfoldersStartsANewEmptyReport) {
  world.Write("a.loc", Titled("Abc"));
  Load(world.path());
  TempWorld other;
  other.MakeFolder("sub");
  Load(other.path());
  EXPECT_TRUE(checker.LocationFile.empty());
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.text, " Working Directory is " + other.path() + "\n\n");
  checker.TestCommand();
  EXPECT_TRUE(view.text.ends_with("\n\n      No errors in these files\n"));
}

TEST_F(FolderLoadTest, ChosenPathIsMadeAbsoluteAndNormalised) {
  world.MakeFolder("sub");
  Load(world.path() + "sub/..//./sub");
  EXPECT_EQ(checker.foldername, world.path() + "sub/");
  // A working folder that is gone: the chooser opens in the documents folder.
  checker.foldername = world.path() + "gone/";
  Load(std::nullopt);
  EXPECT_EQ(view.chooserOpenedAt.back(), documents.path());
}

}  // namespace
}  // namespace zelvor
