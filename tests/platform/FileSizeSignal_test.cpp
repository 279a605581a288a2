#include "platform/FileSizeSignal.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace tarvel {
namespace {

// In a child process, so that neither the limit nor the signal's handling
// reaches the other tests: a write past the limit fails with EFBIG and the
// process lives on.
TEST(FileSizeSignal, AWritePastTheSizeLimitFailsInsteadOfEndingTheProcess) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    IgnoreFileSizeSignal();
    std::FILE* file = std::tmpfile();
    struct rlimit small {};
    ::getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 1000;
    const std::vector<char> bytes(4096, 'x');
    const bool limited = file != nullptr && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    const ssize_t first = limited ? ::write(::fileno(file), bytes.data(), bytes.size()) : -1;
    const ssize_t past = limited ? ::write(::fileno(file), bytes.data(), bytes.size()) : 0;
    ::_exit(first == 1000 && past == -1 && errno == EFBIG ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace tarvel
