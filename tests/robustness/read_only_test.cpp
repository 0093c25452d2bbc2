// Checking never changes a map folder: no file's bytes, mode or times
// change, and no entry comes or goes, whether the command line or the Load
// and Test commands (preferences file included) do the checking.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support.h"

namespace zelvor::testing {
namespace {

struct EntryState {
  std::string bytes;
  mode_t mode = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const EntryState& o) const {
    return bytes == o.bytes && mode == o.mode && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
  }
};

std::map<std::string, EntryState> Snapshot(const std::string& folder) {
  std::map<std::string, EntryState> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    EntryState state;
    if (S_ISREG(info.st_mode)) state.bytes = ReadFile(entry.path());
    state.mode = info.st_mode;
    state.modified = info.st_mtim;
    state.changed = info.st_ctim;
    entries[entry.path()] = state;
  }
  return entries;
}

TEST(MapFiles, CheckingChangesNoByteNoTimeNoEntry) {
  TempWorld world;
  TempWorld prefs;
  for (const char* name : {"ab.loc", "bogmire.loc", "space.loc"}) {
    WriteFile(world / name, ExampleFile("faulty-world", name));
  }
  WriteFile(world / "holloway.loc", ExampleFile("clean-world", "holloway.loc"));
  WriteFile(world / "empty.loc", "");
  WriteFile(world / "notes.txt", "not a map");
  // Old times, so that any rewrite would show.
  for (const auto& entry : std::filesystem::directory_iterator(world.path())) {
    const timespec old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, entry.path().c_str(), old, 0), 0);
  }
  const auto before = Snapshot(world.path());

  const ProcessResult run = RunCheck({"--color=always", world.path()});
  EXPECT_EQ(run.status, 1) << run.err;
  {
    RecordingView view;
    view.answers.push_back(world.path());
    Checker checker(view, CheckerEnvironment{prefs.path(), "/"});
    checker.LoadCommand();
    checker.TestCommand();
    checker.TestCommand();
    EXPECT_TRUE(checker.errors);
  }
  EXPECT_EQ(Snapshot(world.path()), before);
}

}  // namespace
}  // namespace zelvor::testing
