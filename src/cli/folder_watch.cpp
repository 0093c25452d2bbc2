#include "cli/folder_watch.h"

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "workdir/file_access.h"

namespace zelvor {
namespace {

// A change is taken as finished once nothing more has happened for this
// long; an editor's save (write, rename, remove the backup) then gives one
// check instead of several. A steady stream of changes is still checked at
// least every kMostDelay.
constexpr int kQuietMs = 150;
constexpr auto kMostDelay = std::chrono::milliseconds(2000);

constexpr std::uint32_t kEntryEvents =
    IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;

void AddOnce(std::vector<std::size_t>& ids, std::size_t id) {
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
}

}  // namespace

FolderWatch::FolderWatch() {
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  if (sigprocmask(SIG_BLOCK, &stopSignals, nullptr) != 0) {
    error_ = std::strerror(errno);
    return;
  }
  signals_ = signalfd(-1, &stopSignals, SFD_CLOEXEC | SFD_NONBLOCK);
  if (signals_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  if (inotify_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  ok_ = true;
}

FolderWatch::~FolderWatch() {
  if (inotify_ >= 0) ::close(inotify_);
  if (signals_ >= 0) ::close(signals_);
}

bool FolderWatch::Add(std::size_t id, const std::string& folder) {
  const int descriptor =
      inotify_add_watch(inotify_, folder.c_str(), kEntryEvents | kFolderGone | IN_ONLYDIR);
  if (descriptor < 0) {
    error_ = std::strerror(errno);
    return false;
  }
  watches_.push_back({descriptor, id});
  return true;
}

std::size_t FolderWatch::Watched() const { return watches_.size(); }

int FolderWatch::PollOnce(int timeoutMs) {
  pollfd fds[2] = {{signals_, POLLIN, 0}, {inotify_, POLLIN, 0}};
  int ready = 0;
  do {
    ready = ::poll(fds, 2, timeoutMs);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) return -1;
  if (fds[0].revents != 0) return -1;
  return fds[1].revents != 0 ? 1 : 0;
}

bool FolderWatch::ReadEvents(Changes& changes) {
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t got = ::read(inotify_, buffer, sizeof buffer);
    if (got < 0) return errno == EAGAIN || errno == EINTR;
    if (got == 0) return true;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
      inotify_event event;
      std::memcpy(&event, buffer + at, sizeof event);
      const char* name = buffer + at + sizeof event;
      at += sizeof event + event.len;
      if ((event.mask & IN_Q_OVERFLOW) != 0) {
        // Events were lost: any folder may have changed.
        for (const Watch& watch : watches_) AddOnce(changes.changed, watch.id);
        continue;
      }
      const bool gone = (event.mask & (kFolderGone | IN_IGNORED)) != 0;
      const bool entryChanged =
          (event.mask & kEntryEvents) != 0 && event.len != 0 && IsLocationFileName(name);
      if (!gone && !entryChanged) continue;
      for (auto it = watches_.begin(); it != watches_.end();) {
        if (it->descriptor != event.wd) {
          ++it;
          continue;
        }
        if (gone) {
          AddOnce(changes.lost, it->id);
          it = watches_.erase(it);
        } else {
          AddOnce(changes.changed, it->id);
          ++it;
        }
      }
      if (gone && (event.mask & IN_IGNORED) == 0) inotify_rm_watch(inotify_, event.wd);
    }
  }
}

FolderWatch::Changes FolderWatch::Wait() {
  Changes changes;
  const auto stopped = [&changes] {
    changes.stop = true;
    return changes;
  };
  // Sleep until the first change that matters.
  while (changes.changed.empty() && changes.lost.empty()) {
    if (PollOnce(-1) < 0 || !ReadEvents(changes)) return stopped();
  }
  // Gather what follows closely.
  const auto latest = std::chrono::steady_clock::now() + kMostDelay;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        latest - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    const int ready = PollOnce(static_cast<int>(std::min<long long>(kQuietMs, left.count())));
    if (ready < 0) return stopped();
    if (ready == 0 || !ReadEvents(changes)) break;
  }
  // A folder that went away is not checked again.
  for (const std::size_t id : changes.lost) {
    changes.changed.erase(std::remove(changes.changed.begin(), changes.changed.end(), id),
                          changes.changed.end());
  }
  return changes;
}

}  // namespace zelvor
