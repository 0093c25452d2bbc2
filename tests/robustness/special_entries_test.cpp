// Entries named like location files that are no readable regular file, odd
// names, and folders that change or vanish while they are loaded.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support.h"

namespace zelvor::testing {
namespace {

const std::string kPellmoor = ExampleFile("clean-world", "pellmoor.loc");

void MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);  // the socket file stays
}

// A FIFO with no writer, a socket, a dangling link, a link to itself, a link
// to an endless device, a folder and a link to a folder, all named like location files:
// each is passed over, none is waited on, and the regular files load.
TEST(SpecialEntries, ArePassedOverWithoutWaiting) {
  TempWorld dir;
  WriteFile(dir / "m-pellmoor.loc", kPellmoor);
  ASSERT_EQ(::mkfifo((dir / "fifo.loc").c_str(), 0644), 0);
  MakeSocket(dir / "sock.loc");
  ASSERT_EQ(::symlink((dir / "missing.loc").c_str(), (dir / "dangling.loc").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "loop.loc").c_str(), (dir / "loop.loc").c_str()), 0);
  ASSERT_EQ(::symlink("/dev/zero", (dir / "zero.loc").c_str()), 0);
  ASSERT_EQ(::mkdir((dir / "folder.loc").c_str(), 0755), 0);
  ASSERT_EQ(::symlink((dir / "folder.loc").c_str(), (dir / "folderlink.loc").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "m-pellmoor.loc").c_str(), (dir / "z-link.loc").c_str()), 0);

  const CheckedFolder checked = CheckFolder(dir.path());
  EXPECT_EQ(checked.names, (std::vector<std::string>{"m-pellmoor.loc", "z-link.loc"}));

  // The command line says the same and exits normally.
  const ProcessResult run = RunCheck({"--color=never", dir.path()});
  EXPECT_EQ(run.status, checked.errors ? 1 : 0) << run.err;
  EXPECT_EQ(run.out, checked.report);
}

// A file the user may not read is passed over; the others load.
TEST(SpecialEntries, UnreadableFileIsPassedOver) {
  TempWorld dir;
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  WriteFile(dir / "a-locked.loc", kPellmoor);
  ASSERT_EQ(::chmod((dir / "a-locked.loc").c_str(), 0), 0);
  WriteFile(dir / "b-open.loc", kPellmoor);

  const std::optional<std::string> names = RunUnprivileged([&] {
    std::string joined;
    for (const std::string& name : CheckFolder(dir.path()).names) joined += name + "|";
    return joined;
  });
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(*names, "b-open.loc|");
}

// Blanks, quotes, tabs and line breaks in names are names like any other;
// the folder's own name may hold them too.
TEST(OddNames, LoadInByteOrderAndReportTheFolderAsIs) {
  TempWorld base;
  const std::string folder = base / "my \"maps\" it's\nhere";
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  const std::vector<std::string> names = {"\ttab.loc", "\nnew line.loc", " blank.loc",
                                          "\"quoted\".loc", "it's.loc", "\xFF\xFE.loc"};
  for (const std::string& name : names) WriteFile(folder + "/" + name, kPellmoor);

  const CheckedFolder checked = CheckFolder(folder);
  EXPECT_EQ(checked.names, names);  // already in byte order

  const ProcessResult run = RunCheck({"--color=never", folder});
  EXPECT_EQ(run.status, checked.errors ? 1 : 0) << run.err;
  EXPECT_TRUE(run.out.starts_with(" Working Directory is " + folder + "/\n\n"));
  EXPECT_EQ(run.out, checked.report);
}

// The folder is removed after the first file has been read: the files read
// so far are kept and checked, the rest are passed over.
TEST(ChangingFolder, VanishingWhileLoadedKeepsWhatWasRead) {
  TempWorld base;
  const std::string folder = base / "world/";
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  for (const char* name : {"a.loc", "b.loc", "c.loc"}) WriteFile(folder + name, kPellmoor);

  RecordingView view;
  view.answers.push_back(folder);
  view.onFileRow = [&](std::size_t row) {
    if (row == 1) std::filesystem::remove_all(folder);
  };
  Checker checker(view, CheckerEnvironment{});
  checker.FolderLoad();
  EXPECT_TRUE(checker.loaded);
  EXPECT_EQ(checker.LocationFileName, (std::vector<std::string>{"a.loc"}));
  checker.TestCommand();
  EXPECT_TRUE(view.text.ends_with("      ----- Files have errors -----\n\n"));
}

// Files change under the load: one grows, one is emptied, one is replaced
// by a folder. Each file is taken as it is when it is read.
TEST(ChangingFolder, FilesChangingWhileLoadedAreTakenAsRead) {
  TempWorld dir;
  for (const char* name : {"a.loc", "b.loc", "c.loc", "d.loc"}) WriteFile(dir / name, kPellmoor);
  const std::string grown = kPellmoor + "<location num='99'>\r</location>\r";

  RecordingView view;
  view.answers.push_back(dir.path());
  view.onFileRow = [&](std::size_t row) {
    if (row != 1) return;
    WriteFile(dir / "b.loc", grown);
    WriteFile(dir / "c.loc", "");
    std::filesystem::remove(dir / "d.loc");
    std::filesystem::create_directory(dir / "d.loc");
  };
  Checker checker(view, CheckerEnvironment{});
  checker.FolderLoad();
  EXPECT_EQ(checker.LocationFileName, (std::vector<std::string>{"a.loc", "b.loc", "c.loc"}));
  EXPECT_EQ(checker.LocationFile, (std::vector<std::string>{kPellmoor, grown, ""}));
  checker.TestCommand();
  EXPECT_TRUE(view.text.ends_with("      ----- Files have errors -----\n\n"));
}

}  // namespace
}  // namespace zelvor::testing
