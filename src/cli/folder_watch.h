// Watch mode: waits, without polling, until location files of the watched
// folders change or a stop signal (SIGINT, SIGTERM) arrives. Linux only
// (inotify and signalfd).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zelvor {

class FolderWatch {
 public:
  // Blocks SIGINT and SIGTERM for the process, so that they are read here
  // instead of ending it; ok() is false when the watch cannot be set up.
  FolderWatch();
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  bool ok() const { return ok_; }
  // Why the set-up or the last Add failed.
  const std::string& error() const { return error_; }

  // Watches a folder under the caller's number for it; false (error() says
  // why) when it cannot be watched.
  bool Add(std::size_t id, const std::string& folder);
  // Number of folders still watched.
  std::size_t Watched() const;

  struct Changes {
    bool stop = false;                // a stop signal arrived
    std::vector<std::size_t> changed;  // folders with a changed location file
    std::vector<std::size_t> lost;     // folders removed or renamed: no longer watched
  };
  // Sleeps until a location file (an entry whose name passes the extension
  // test) is written, created, removed or renamed in a watched folder, a
  // watched folder goes away, or a stop signal arrives. Changes that follow
  // each other closely are gathered into one answer.
  Changes Wait();

 private:
  struct Watch {
    int descriptor;
    std::size_t id;
  };
  // Reads the pending events into changes; false when the read failed.
  bool ReadEvents(Changes& changes);
  // Waits up to timeoutMs (-1: for ever) for events or a signal: 1 for
  // events, 0 for a timeout, -1 for a signal or an error.
  int PollOnce(int timeoutMs);

  bool ok_ = false;
  std::string error_;
  int inotify_ = -1;
  int signals_ = -1;
  std::vector<Watch> watches_;
};

}  // namespace zelvor
