#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TempTree.h"

extern char** environ;

namespace tarvel::test {

struct CliResult {
  int status = -1;  // the exit status, or -1 when a signal ended the program
  std::string out;
  std::string err;
};

// Runs the built tarvel-cli in its own process, in a temporary folder that
// also holds the settings it finds (XDG_CONFIG_HOME), so that no run sees
// the settings of the user who runs the tests, and in the locale `locale`
// names instead of the user's (English unless a test asks for another).
class CliRunner {
 public:
  std::vector<std::string> locale{"LANG=C.UTF-8"};

  const TempTree& Folder() const { return folder_; }
  std::string Path(const std::string& name) const { return folder_.Path(name); }

  // Starts the program with Ctrl+C at its usual effect, whatever the test
  // runner ignores.
  pid_t Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> texts{TARVEL_CLI};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<std::string> own = locale;
    own.push_back("XDG_CONFIG_HOME=" + folder_.MakeDir("config"));
    std::vector<char*> env;
    for (std::string& variable : own) env.push_back(variable.data());
    for (char** variable = environ; *variable != nullptr; ++variable) {
      const std::string name = std::string(*variable).substr(0, std::string(*variable).find('='));
      if (name != "XDG_CONFIG_HOME" && name != "LC_ALL" && name != "LC_MESSAGES" && name != "LANG" &&
          name != "LANGUAGE") {
        env.push_back(*variable);
      }
    }
    env.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, Path("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, Path("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigaddset(&signals, SIGINT);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, TARVEL_CLI, &files, &attributes, argv.data(), env.data()) != 0) pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    return pid;
  }

  CliResult Wait(pid_t pid) {
    CliResult result;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.status = WEXITSTATUS(status);
    result.out = Read("stdout");
    result.err = Read("stderr");
    return result;
  }

  CliResult Run(const std::vector<std::string>& arguments) { return Wait(Start(arguments)); }

  std::string Read(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

 private:
  TempTree folder_;
};

}  // namespace tarvel::test
