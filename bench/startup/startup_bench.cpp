// Starts Tolvane and a bare Qt window of the same size in turn, many times,
// and reports the time from exec to the first paint and the resident memory
// at that moment: medians for each, and Tolvane's ratios to the floor.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "clock.h"

extern char** environ;

namespace {

struct Sample {
  double milliseconds;
  long kilobytes;
};

bool Measure(const std::string& program, Sample& sample) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t child = 0;
  const long long startedAt = tolvane::bench::MonotonicNanoseconds();
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) return false;
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  long long paintedAt = 0;
  if (std::sscanf(output.c_str(), "paint %lld rss %ld", &paintedAt, &sample.kilobytes) != 2) {
    return false;
  }
  sample.milliseconds = (paintedAt - startedAt) / 1e6;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = [&] {
    std::string self = argv[0];
    return self.substr(0, self.rfind('/') + 1);
  }();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  std::vector<double> tolvaneMs, floorMs;
  std::vector<long> tolvaneKb, floorKb;
  for (int i = 0; i < runs + 1; ++i) {
    Sample tolvane{}, floor{};
    if (!Measure(folder + "startup_tolvane_probe", tolvane) ||
        !Measure(folder + "startup_floor_probe", floor)) {
      std::fprintf(stderr, "a probe failed to report its first paint\n");
      return 1;
    }
    if (i == 0) continue;  // the first pair warms the file cache
    tolvaneMs.push_back(tolvane.milliseconds);
    floorMs.push_back(floor.milliseconds);
    tolvaneKb.push_back(tolvane.kilobytes);
    floorKb.push_back(floor.kilobytes);
  }
  const double tMs = Median(tolvaneMs), fMs = Median(floorMs);
  const long tKb = Median(tolvaneKb), fKb = Median(floorKb);
  std::printf("runs: %d each, medians\n", runs);
  std::printf("exec to first paint: tolvane %.1f ms, floor %.1f ms, ratio %.2f\n", tMs, fMs,
              tMs / fMs);
  std::printf("resident memory:     tolvane %ld kB, floor %ld kB, ratio %.2f\n", tKb, fKb,
              static_cast<double>(tKb) / fKb);
  return 0;
}
