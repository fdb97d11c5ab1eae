// Times programs from exec to exit, each run in turn with the others so
// that all see the same machine: startup_timer RUNS PROGRAM... prints the
// median wall time of each in microseconds, one a line.  Standard input
// and output are /dev/null.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

double run_once(char* program) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  char* argv[] = {program, nullptr};
  timespec start, end;
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t pid;
  if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
    std::perror(program);
    std::exit(2);
  }
  int status;
  waitpid(pid, &status, 0);
  clock_gettime(CLOCK_MONOTONIC, &end);
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", program);
    std::exit(2);
  }
  return static_cast<double>(end.tv_sec - start.tv_sec) * 1e6 +
         static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<std::vector<double>> times(static_cast<std::size_t>(argc - 2));
  for (int r = 0; r < runs; ++r) {
    for (std::size_t p = 0; p < times.size(); ++p) {
      times[p].push_back(run_once(argv[p + 2]));
    }
  }
  for (std::vector<double>& t : times) {
    std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
    std::printf("%.1f\n", t[t.size() / 2]);
  }
  return 0;
}
