// zelvor-check --watch as a child process: each change to a location file
// gives exactly one new report; other files give none; SIGINT ends it cleanly.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "support/process.h"
#include "support/recording_view.h"
#include "support/temp_world.h"
#include "worlds.h"

extern char** environ;

namespace zelvor {
namespace {

using testing::MapText;
using testing::TempWorld;

// Every wait is bounded, so that a watcher that never answers fails the test
// instead of hanging it.
constexpr int kGuardMs = 30000;

class Watcher {
 public:
  explicit Watcher(const std::string& folder) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    std::string binary = ZELVOR_CHECK_BINARY;
    std::string watch = "--watch";
    std::string colour = "--color=never";
    std::string target = folder;
    char* argv[] = {binary.data(), watch.data(), colour.data(), target.data(), nullptr};
    started_ = posix_spawn(&pid_, binary.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    out_ = out[0];
  }
  ~Watcher() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }
  bool started() const { return started_; }

  // Reads until the output so far ends with ending; false when the guard
  // time passes or the output ends first.
  bool ReadUntil(const std::string& ending) {
    while (!EndsWith(ending)) {
      if (!ReadSome()) return false;
    }
    return true;
  }

  // Sends SIGINT and reads the rest of the output; the exit status, or -1
  // when the watcher did not exit normally.
  int Interrupt() {
    ::kill(pid_, SIGINT);
    while (ReadSome()) {
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string output;

 private:
  bool EndsWith(const std::string& ending) const {
    return output.size() >= ending.size() &&
           output.compare(output.size() - ending.size(), ending.size(), ending) == 0;
  }
  bool ReadSome() {
    pollfd fd = {out_, POLLIN, 0};
    if (::poll(&fd, 1, kGuardMs) <= 0) return false;
    char buffer[4096];
    const ssize_t got = ::read(out_, buffer, sizeof buffer);
    if (got <= 0) return false;
    output.append(buffer, static_cast<std::size_t>(got));
    return true;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  bool started_ = false;
};

TEST(Watch, EachChangeGivesOneReportAndSigintEndsIt) {
  TempWorld folder;
  const std::string space = MapText(testing::kSpaceMap, "\r");
  folder.Write("space.loc", space);
  // The folder as named to the watcher, without a trailing "/".
  const std::string named = folder.path().substr(0, folder.path().size() - 1);
  const std::string head = " Working Directory is " + named + "/\n\n";
  const std::string clean = head + " Testing Sol Space\n Testing completed\n\n" +
                            "      No errors in these files\n";
  const std::string separator = "===== " + named + " changed, checked again =====\n";

  Watcher watcher(named);
  ASSERT_TRUE(watcher.started());
  ASSERT_TRUE(watcher.ReadUntil("No errors in these files\n")) << watcher.output;

  // A file that is no location file gives no report. Nothing can show that a
  // report did not come; a short pause gives a wrong one the time to show up
  // before the next change.
  folder.Write("notes.txt", "todo");
  folder.Write("a.b.loc", "not loaded: its second part is b");
  std::this_thread::sleep_for(std::chrono::milliseconds(500));

  // Written in place.
  folder.Write("space.loc", space + "stray\r");
  ASSERT_TRUE(watcher.ReadUntil("----- Files have errors -----\n\n")) << watcher.output;
  // Written beside it and renamed over it, as editors save.
  folder.Write("edit.tmp", space);
  ASSERT_EQ(std::rename((folder / "edit.tmp").c_str(), (folder / "space.loc").c_str()),
            0);
  ASSERT_TRUE(watcher.ReadUntil("No errors in these files\n")) << watcher.output;
  // A new location file, in another letter case.
  folder.Write("Mire.LOC", MapText(testing::kShort, "\r"));
  ASSERT_TRUE(watcher.ReadUntil("----- Files have errors -----\n\n")) << watcher.output;
  // And removed again.
  ASSERT_EQ(std::remove((folder / "Mire.LOC").c_str()), 0);
  ASSERT_TRUE(watcher.ReadUntil("No errors in these files\n")) << watcher.output;

  EXPECT_EQ(watcher.Interrupt(), 0);
  const std::string stray = head + " Testing Sol Space\n" +
                            "      Error - Text data found outside of a location\n" +
                            " Testing completed\n\n      ----- Files have errors -----\n\n";
  const std::string withMire =
      head + " Testing ab\n      Error - Exit found outside of a location\n" +
      "      Error -  Map title must have 3 or more characters\n" +
      "      Error - Orbit location cannot be found!\n" +
      "      Warning - Location  'up' link is one way only\n Testing completed\n\n" +
      " Testing Sol Space\n Testing completed\n\n      ----- Files have errors -----\n\n";
  EXPECT_EQ(watcher.output, clean + separator + stray + separator + clean + separator + withMire +
                                separator + clean);
}

TEST(Watch, NothingToWatchEndsAtOnce) {
  TempWorld folder;
  const testing::ProcessResult r =
      testing::Run(ZELVOR_CHECK_BINARY, {"--watch", folder / "missing"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no folder left to watch"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zelvor
