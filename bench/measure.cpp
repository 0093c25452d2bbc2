// Times a command as a whole process:
//
//   measure RUNS COMMAND [ARG]...
//
// Runs COMMAND RUNS times in a row, its standard output and error sent to
// /dev/null, and prints one line: the median wall time and the median CPU
// time (user and system) in seconds, and the largest peak resident memory in
// kilobytes over the runs. Exits 2 when the
// command cannot be started or is killed; its own exit status is ignored
// (the checker exits 1 when it finds errors).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int main(int argc, char** argv) {
  if (argc < 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: measure RUNS COMMAND [ARG]...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> seconds;
  std::vector<double> cpuSeconds;
  long peakKb = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) return 2;
    if (pid == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
      ::execvp(argv[2], argv + 2);
      ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) return 2;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) {
      std::fprintf(stderr, "measure: %s did not run to its end\n", argv[2]);
      return 2;
    }
    seconds.push_back(std::chrono::duration<double>(end - start).count());
    const auto toSeconds = [](const timeval& t) {
      return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    cpuSeconds.push_back(toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime));
    peakKb = std::max(peakKb, usage.ru_maxrss);
  }
  std::printf("%.4f %.4f %ld\n", Median(seconds), Median(cpuSeconds), peakKb);
  return 0;
}
