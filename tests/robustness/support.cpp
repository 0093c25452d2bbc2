#include "support.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelvor::testing {

std::string ExampleFile(std::string_view world, std::string_view name) {
  return ReadFile(std::string(ZELVOR_SOURCE_DIR) + "/examples/" + std::string(world) + "/" +
                  std::string(name));
}

CheckedFolder CheckFolder(const std::string& folder) {
  RecordingView view;
  view.answers.push_back(folder);
  Checker checker(view, CheckerEnvironment{});
  checker.FolderLoad();
  checker.TestCommand();
  return {checker.LocationFileName, view.text, checker.errors};
}

ProcessResult RunCheck(const std::vector<std::string>& args) {
  return Run(ZELVOR_CHECK_BINARY, args);
}

std::optional<std::string> RunUnprivileged(const std::function<std::string()>& body) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return std::nullopt;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipeFds[0]);
    if (::geteuid() == 0) {
      constexpr gid_t kNobodyGroup = 65534;
      constexpr uid_t kNobody = 65534;
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobodyGroup) != 0 || ::setuid(kNobody) != 0) {
        ::_exit(3);
      }
    }
    const std::string result = body();
    std::size_t done = 0;
    while (done < result.size()) {
      const ssize_t n = ::write(pipeFds[1], result.data() + done, result.size() - done);
      if (n <= 0) ::_exit(4);
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string result;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) {
    result.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return result;
}

}  // namespace zelvor::testing
