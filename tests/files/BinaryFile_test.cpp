#include "files/BinaryFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include <filesystem>
#include <string>

#include "files/TempFolder.h"

namespace tarvel {
namespace {

using test::TempFolder;

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Saves under the given file size limit, with SIGXFSZ ignored as the program does.
FileSave SaveWithSizeLimit(const std::string& path, size_t size, rlim_t limit) {
  struct rlimit previous {};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  struct rlimit small = previous;
  small.rlim_cur = limit;
  const sighandler_t handler = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const FileSave save = SaveFileAtomically(path, std::vector<uint8_t>(size, 0x55));
  ::setrlimit(RLIMIT_FSIZE, &previous);
  ::signal(SIGXFSZ, handler);
  return save;
}

// Runs `check` as an ordinary user, whom folder permissions bind: the
// super-user runs it in a child process that has given up its rights.
bool AsOrdinaryUser(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) {
    const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SaveFileAtomically, CreatesANewFileWithTheUsualPermissions) {
  TempFolder folder;
  const mode_t previous = ::umask(022);
  const FileSave save = SaveFileAtomically(folder.File("new.bin"), Bytes("abc"));
  ::umask(previous);
  ASSERT_TRUE(save.saved) << save.reason;
  EXPECT_EQ(TempFolder::Contents(folder.File("new.bin")), "abc");
  EXPECT_EQ(ModeOf(folder.File("new.bin")), 0644u);
  EXPECT_EQ(folder.EntryCount(), 1) << "no temporary file is left behind";
}

TEST(SaveFileAtomically, ReplacesAFileKeepingItsPermissions) {
  TempFolder folder;
  const std::string path = folder.Write("old.bin", "a much longer old content");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(SaveFileAtomically(path, Bytes("new")).saved);
  EXPECT_EQ(TempFolder::Contents(path), "new");
  EXPECT_EQ(ModeOf(path), 0640u);
  EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(SaveFileAtomically, KeepsTheOwnerWhereAllowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the super-user can save a file of another owner";
  TempFolder folder;
  const std::string path = folder.Write("theirs.bin", "old");
  ASSERT_EQ(::chown(path.c_str(), 1234, 1234), 0);
  ASSERT_TRUE(SaveFileAtomically(path, Bytes("new")).saved);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 1234u);
  EXPECT_EQ(info.st_gid, 1234u);
}

TEST(SaveFileAtomically, WritesThroughASymbolicLink) {
  TempFolder folder;
  const std::string target = folder.Write("target.bin", "old");
  const std::string link = folder.File("link.bin");
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(SaveFileAtomically(link, Bytes("new")).saved);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempFolder::Contents(target), "new");
}

TEST(SaveFileAtomically, RefusesAReadOnlyFileEvenForTheSuperUser) {
  TempFolder folder;
  const std::string path = folder.Write("locked.bin", "keep me");
  EXPECT_FALSE(FileIsReadOnly(path));
  ::chmod(path.c_str(), 0444);
  EXPECT_TRUE(FileIsReadOnly(path));
  const FileSave save = SaveFileAtomically(path, Bytes("lost"));
  EXPECT_FALSE(save.saved);
  EXPECT_FALSE(save.reason.empty());
  EXPECT_EQ(TempFolder::Contents(path), "keep me");
}

TEST(FileIsReadOnly, IsFalseForAFileThatIsNotThere) {
  TempFolder folder;
  EXPECT_FALSE(FileIsReadOnly(folder.File("absent.bin")));
}

TEST(SaveFileAtomically, FailsWithAReasonWhereNoFileCanBe) {
  TempFolder folder;
  for (const std::string& path : {folder.File("missing/inner.bin"), folder.Path().string()}) {
    const FileSave save = SaveFileAtomically(path, Bytes("x"));
    EXPECT_FALSE(save.saved) << path;
    EXPECT_FALSE(save.reason.empty()) << path;
  }
  EXPECT_EQ(folder.EntryCount(), 0);
}

// A write that fails half way (here: the file size limit) must not touch
// the file that was there.
TEST(SaveFileAtomically, FailedWriteLeavesTheOldFileWhole) {
  TempFolder folder;
  const std::string path = folder.Write("program.bin", "the user's program");
  const FileSave save = SaveWithSizeLimit(path, 5000, 1000);
  EXPECT_FALSE(save.saved);
  EXPECT_EQ(save.reason, std::strerror(EFBIG));
  EXPECT_EQ(TempFolder::Contents(path), "the user's program");
  EXPECT_EQ(folder.EntryCount(), 1);
}

// A writable file in a folder that takes no new file is written in place;
// a save that cannot fit still leaves the old contents whole.
TEST(SaveFileAtomically, WritesInPlaceWhereTheFolderTakesNoNewFile) {
  TempFolder folder;
  const std::string path = folder.Write("program.bin", "the user's longer program");
  ASSERT_EQ(::chown(path.c_str(), ::geteuid() == 0 ? 65534 : ::geteuid(), ::getegid()), 0);
  ::chmod(path.c_str(), 0640);
  ::chmod(folder.Path().c_str(), 0555);
  EXPECT_TRUE(AsOrdinaryUser([&] {
    if (FileIsReadOnly(path)) return false;
    const FileSave tooBig = SaveWithSizeLimit(path, 5000, 1000);
    if (tooBig.saved || tooBig.reason != std::strerror(EFBIG)) return false;
    if (TempFolder::Contents(path) != "the user's longer program") return false;
    return SaveFileAtomically(path, Bytes("new")).saved;
  }));
  EXPECT_EQ(TempFolder::Contents(path), "new");
  EXPECT_EQ(ModeOf(path), 0640u);
  EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(IsBinaryFileName, IsTheNameEndingInBinInAnyCase) {
  for (const char* name : {"a.bin", "/tmp/A.BIN", "x.Bin", ".bin", "書き込み.bIN"}) {
    EXPECT_TRUE(IsBinaryFileName(name)) << name;
  }
  for (const char* name : {"a.hex", "bin", "a.bin.hex", "abin", "a.bin ", "", "/tmp/bin/a.obj"}) {
    EXPECT_FALSE(IsBinaryFileName(name)) << name;
  }
}

TEST(ReadFileHead, TellsWhetherTheFileGoesOnPastTheLimit) {
  TempFolder folder;
  const std::string path = folder.Write("four.bin", "1234");
  const FileHead exact = ReadFileHead(path, 4);
  EXPECT_TRUE(exact.opened);
  EXPECT_EQ(exact.bytes, Bytes("1234"));
  EXPECT_FALSE(exact.more);
  const FileHead cut = ReadFileHead(path, 3);
  EXPECT_EQ(cut.bytes, Bytes("123"));
  EXPECT_TRUE(cut.more);
  const FileHead none = ReadFileHead(path, 0);
  EXPECT_TRUE(none.bytes.empty());
  EXPECT_TRUE(none.more);
}

TEST(ReadFileHead, RefusesWhatIsNotARegularFileWithoutBlocking) {
  TempFolder folder;
  const std::string fifo = folder.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, folder.Path().string(), folder.File("absent")}) {
    const FileHead head = ReadFileHead(path, 16);
    EXPECT_FALSE(head.opened) << path;
    EXPECT_FALSE(head.reason.empty()) << path;
  }
}

}  // namespace
}  // namespace tarvel
