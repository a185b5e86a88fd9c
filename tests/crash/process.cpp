#include "process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace lumpforge::testing {
namespace {

pid_t Spawn(const std::string& program, const std::vector<std::string>& args, int errorFd) {
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (errorFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, errorFd, 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  pid_t child = 0;
  int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) throw std::runtime_error("cannot start " + program);
  return child;
}

}  // namespace

pid_t StartProcess(const std::string& program, const std::vector<std::string>& args) {
  return Spawn(program, args, -1);
}

int WaitProcess(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int RunProcess(const std::string& program, const std::vector<std::string>& args, std::string* errorOutput) {
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_t child = Spawn(program, args, pipeFds[1]);
  close(pipeFds[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipeFds[0]);
  if (errorOutput) *errorOutput = text;
  return WaitProcess(child);
}

}  // namespace lumpforge::testing
