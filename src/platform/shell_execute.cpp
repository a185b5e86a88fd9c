// ShellExecuteExA's "open": start a program directly, detached, and learn whether it started.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <strings.h>

#include "program_search.h"
#include "win32.h"

extern char** environ;

namespace {

// Error codes the shell leaves in hInstApp; success is any value above 32.
constexpr std::intptr_t kFileNotFound = 2;
constexpr std::intptr_t kPathNotFound = 3;
constexpr std::intptr_t kAccessDenied = 5;
constexpr std::intptr_t kNoAssociation = 31;
constexpr std::intptr_t kStarted = 42;
constexpr std::uint32_t kRecordSize32 = 60;

// What the launched child reports through the pipe when it could not become the program.
struct LaunchFailure {
  int stage;  // 0 the detaching fork, 1 entering the directory, 2 the exec
  int error;
};

bool Fail(SHELLEXECUTEINFOA* info, std::intptr_t code) {
  info->hInstApp = reinterpret_cast<void*>(code);
  return false;
}

// The fork inside the child of a possibly multi-threaded program: _Fork runs no fork
// handlers, so it is safe there where fork may not be.
pid_t ForkInChild() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  return _Fork();
#else
  return fork();
#endif
}

bool IsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

void Report(int fd, int stage, int error) {
  LaunchFailure failure{stage, error};
  ssize_t ignored = write(fd, &failure, sizeof failure);
  (void)ignored;
}

// Runs in the grandchild, after fork: only async-signal-safe calls until execve.
[[noreturn]] void BecomeProgram(int reportFd, const char* directory, const char* program,
                                char* const argv[]) {
  setsid();
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGPIPE, SIG_DFL);
  signal(SIGCHLD, SIG_DFL);
  if (directory && chdir(directory) != 0) {
    Report(reportFd, 1, errno);
    _exit(127);
  }
  // The program inherits none of our descriptors beyond the standard three.
  close_range(3, ~0u, CLOSE_RANGE_CLOEXEC);
  execve(program, argv, environ);
  Report(reportFd, 2, errno);
  _exit(127);
}

std::intptr_t CodeFor(const LaunchFailure& failure) {
  if (failure.stage == 1) return kPathNotFound;
  if (failure.error == ENOENT || failure.error == ENOTDIR) return kFileNotFound;
  return kAccessDenied;
}

}  // namespace

bool ShellExecuteExA(SHELLEXECUTEINFOA* info) {
  if (!info) return false;
  if (info->cbSize != sizeof(SHELLEXECUTEINFOA) && info->cbSize != kRecordSize32) return false;
  if (!IsEmpty(info->lpVerb) && strcasecmp(info->lpVerb, "open") != 0)
    return Fail(info, kNoAssociation);
  if (IsEmpty(info->lpFile)) return Fail(info, kFileNotFound);

  // Everything the child needs is prepared here, before the fork.
  const std::string name = info->lpFile;
  std::string program = name;
  if (name.find('/') == std::string::npos) {
    std::optional<std::string> found = platform::FindProgramOnPath(name);
    if (!found) return Fail(info, kFileNotFound);
    program = *found;
  }
  const std::string directory = IsEmpty(info->lpDirectory) ? "" : info->lpDirectory;
  const std::string parameters = IsEmpty(info->lpParameters) ? "" : info->lpParameters;
  std::string argv0 = name;
  std::string argv1 = parameters;
  char* argv[3] = {argv0.data(), parameters.empty() ? nullptr : argv1.data(), nullptr};

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return Fail(info, kAccessDenied);

  // A short-lived child starts the program as a grandchild and ends at once; the grandchild
  // is adopted by init (or the session's reaper), so nothing here waits for the program and
  // no zombie is left.
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    const pid_t grandchild = ForkInChild();
    if (grandchild == 0)
      BecomeProgram(report[1], directory.empty() ? nullptr : directory.c_str(), program.c_str(),
                    argv);
    if (grandchild < 0) Report(report[1], 0, errno);
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    return Fail(info, kAccessDenied);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }

  // The pipe closes without a word when execve succeeded.
  LaunchFailure failure{};
  ssize_t got;
  do {
    got = read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (got == static_cast<ssize_t>(sizeof failure)) return Fail(info, CodeFor(failure));
  if (got != 0) return Fail(info, kAccessDenied);
  info->hInstApp = reinterpret_cast<void*>(kStarted);
  return true;
}
