#include "files/BinaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tarvel {

namespace {

std::string ErrnoText() { return std::strerror(errno); }

// Closes the descriptor when it goes out of scope unless released.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a deferred write
  // error may show only here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads until `buffer` is full or the file ends; false on a read error.
bool ReadFully(int fd, uint8_t* buffer, size_t size, size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return true;
}

bool WriteFully(int fd, const uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file of our own beside the target; the name is hidden and unique.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = FolderOf(target) + "/." + NameOf(target) + ".tarvel-" +
               std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The rename has happened; if the folder cannot be flushed the data is
  // still in place, only less certain to survive a power cut.
  ::fsync(fd);
  ::close(fd);
}

// 0 when the existing file may be replaced, else the error that forbids it.
int WriteRefusal(const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (::access(path.c_str(), W_OK) != 0) return errno;
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
  return 0;
}

// Writes the bytes over the file's own contents, for a folder that takes no
// new file. Nothing is written before the space for every byte is held.
int WriteInPlace(const std::string& target, const std::vector<uint8_t>& bytes) {
  FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
  if (file.get() < 0) return errno;
  if (!bytes.empty()) {
    const int reserved = ::posix_fallocate(file.get(), 0, static_cast<off_t>(bytes.size()));
    // A file system that cannot reserve space is written all the same.
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) return reserved;
  }
  int error = 0;
  if (!WriteFully(file.get(), bytes.data(), bytes.size())) {
    error = errno;
  } else if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
    error = errno;
  } else if (::fsync(file.get()) != 0) {
    error = errno;
  }
  if (!file.Close() && error == 0) error = errno;
  return error;
}

FileSave Outcome(int error) {
  FileSave save;
  save.saved = error == 0;
  if (error != 0) save.reason = std::strerror(error);
  return save;
}

}  // namespace

bool FileIsReadOnly(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && WriteRefusal(path, info) != 0;
}

bool IsBinaryFileName(const std::string& path) {
  static constexpr char kExtension[] = ".bin";
  constexpr size_t kLength = sizeof kExtension - 1;
  if (path.size() < kLength) return false;
  const size_t start = path.size() - kLength;
  for (size_t i = 0; i < kLength; ++i) {
    // ASCII only: a byte of a longer UTF-8 character never matches.
    const char c = path[start + i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kExtension[i]) return false;
  }
  return true;
}

FileHead ReadFileHead(const std::string& path, size_t limit) {
  FileHead head;
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) {
    head.reason = ErrnoText();
    return head;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    head.reason = ErrnoText();
    return head;
  }
  if (!S_ISREG(info.st_mode)) {
    head.reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    return head;
  }
  // One byte past the limit tells whether the file goes on.
  head.bytes.resize(limit + 1);
  size_t got = 0;
  if (!ReadFully(file.get(), head.bytes.data(), head.bytes.size(), got)) {
    head.reason = ErrnoText();
    head.bytes.clear();
    return head;
  }
  head.more = got > limit;
  head.bytes.resize(head.more ? limit : got);
  head.opened = true;
  return head;
}

FileSave SaveFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string target = path;
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists) {
    if (const int refusal = WriteRefusal(path, existing); refusal != 0) return Outcome(refusal);
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return Outcome(errno);
    target = resolved;
  }

  std::string tempPath;
  FileDescriptor temp(CreateTemporaryBeside(target, tempPath));
  if (temp.get() < 0) {
    const int refused = errno;
    if (exists && (refused == EACCES || refused == EPERM)) return Outcome(WriteInPlace(target, bytes));
    return Outcome(refused);
  }
  // Only the super-user may hand the new file back to the old one's owner;
  // for anyone else it belongs to whoever saved it, like any new file.
  if (exists && ::fchown(temp.get(), existing.st_uid, existing.st_gid) != 0) {
  }
  int error = 0;
  if (!WriteFully(temp.get(), bytes.data(), bytes.size())) {
    error = errno;
  } else if (exists && ::fchmod(temp.get(), existing.st_mode & 07777) != 0) {
    error = errno;
  } else if (::fsync(temp.get()) != 0) {
    error = errno;
  }
  if (!temp.Close() && error == 0) error = errno;
  if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(tempPath.c_str());
    return Outcome(error);
  }
  SyncFolder(FolderOf(target));
  return Outcome(0);
}

}  // namespace tarvel
