#define FUSE_USE_VERSION 35

#include "port_fuse/PpdevFuseServer.h"

#include <fcntl.h>
#include <fuse_lowlevel.h>
#include <linux/ppdev.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tarvel::test {

namespace {

constexpr fuse_ino_t kDeviceInode = 2;

PpdevFuseServer& ServerOf(fuse_req_t req) { return *static_cast<PpdevFuseServer*>(fuse_req_userdata(req)); }

struct stat AttributesOf(fuse_ino_t ino) {
  struct stat attributes {};
  attributes.st_ino = ino;
  attributes.st_uid = ::getuid();
  attributes.st_gid = ::getgid();
  if (ino == FUSE_ROOT_ID) {
    attributes.st_mode = S_IFDIR | 0755;
    attributes.st_nlink = 2;
  } else {
    attributes.st_mode = S_IFREG | 0660;
    attributes.st_nlink = 1;
  }
  return attributes;
}

}  // namespace

PpdevFuseServer::PpdevFuseServer(PortIo& io, PPortType type, Options options)
    : io_(io),
      dataAddress_(static_cast<uint16_t>(kParallelPortRegisters[type].dataAddress)),
      statusAddress_(static_cast<uint16_t>(kParallelPortRegisters[type].statusAddress)),
      options_(std::move(options)) {}

PpdevFuseServer::~PpdevFuseServer() { Stop(); }

std::string PpdevFuseServer::Start() {
  const int fuseDevice = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
  if (fuseDevice < 0) return std::string("/dev/fuse cannot be used here: ") + std::strerror(errno);
  ::close(fuseDevice);

  std::string pattern = (std::filesystem::temp_directory_path() / "tarvel-ppdev-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return std::string("no mount folder: ") + std::strerror(errno);
  mountPoint_ = pattern;

  fuse_lowlevel_ops operations{};
  operations.lookup = Lookup;
  operations.getattr = GetAttr;
  operations.open = OpenFile;
  operations.release = Release;
  operations.ioctl = Ioctl;
  char program[] = "tarvel-ppdev-fuse";
  char* argv[] = {program, nullptr};
  fuse_args args = FUSE_ARGS_INIT(1, argv);
  session_ = fuse_session_new(&args, &operations, sizeof operations, this);
  fuse_opt_free_args(&args);
  if (session_ == nullptr) {
    Stop();
    return "the FUSE session could not be created";
  }
  if (fuse_session_mount(session_, mountPoint_.c_str()) != 0) {
    Stop();
    return "mounting a FUSE file system failed (no permission to mount here?)";
  }
  mounted_ = true;
  stopEvent_ = ::eventfd(0, EFD_CLOEXEC);
  if (stopEvent_ < 0) {
    Stop();
    return std::string("no event for stopping the server: ") + std::strerror(errno);
  }
  thread_ = std::thread([this] { Serve(); });
  return {};
}

// The loop waits on the session and on the stop event together, so Stop
// never depends on a request arriving.
void PpdevFuseServer::Serve() {
  fuse_buf buffer{};
  for (;;) {
    pollfd waits[2] = {{fuse_session_fd(session_), POLLIN, 0}, {stopEvent_, POLLIN, 0}};
    if (::poll(waits, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (waits[1].revents != 0) break;
    if (waits[0].revents & (POLLERR | POLLHUP | POLLNVAL)) break;
    const int received = fuse_session_receive_buf(session_, &buffer);
    if (received == -EINTR || received == -EAGAIN) continue;
    if (received <= 0) break;
    fuse_session_process_buf(session_, &buffer);
  }
  std::free(buffer.mem);
}

void PpdevFuseServer::Stop() {
  if (thread_.joinable()) {
    const uint64_t one = 1;
    if (::write(stopEvent_, &one, sizeof one) != static_cast<ssize_t>(sizeof one)) std::abort();
    thread_.join();
  }
  if (stopEvent_ >= 0) {
    ::close(stopEvent_);
    stopEvent_ = -1;
  }
  if (session_ != nullptr) {
    if (mounted_) fuse_session_unmount(session_);
    mounted_ = false;
    fuse_session_destroy(session_);
    session_ = nullptr;
  }
  if (!mountPoint_.empty()) {
    ::rmdir(mountPoint_.c_str());
    mountPoint_.clear();
  }
}

void PpdevFuseServer::Lookup(fuse_req_t req, fuse_ino_t parent, const char* name) {
  PpdevFuseServer& server = ServerOf(req);
  if (parent != FUSE_ROOT_ID || server.options_.fileName != name) {
    fuse_reply_err(req, ENOENT);
    return;
  }
  fuse_entry_param entry{};
  entry.ino = kDeviceInode;
  entry.attr = AttributesOf(kDeviceInode);
  fuse_reply_entry(req, &entry);
}

void PpdevFuseServer::GetAttr(fuse_req_t req, fuse_ino_t ino, fuse_file_info*) {
  if (ino != FUSE_ROOT_ID && ino != kDeviceInode) {
    fuse_reply_err(req, ENOENT);
    return;
  }
  const struct stat attributes = AttributesOf(ino);
  fuse_reply_attr(req, &attributes, 0.0);
}

void PpdevFuseServer::OpenFile(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
  PpdevFuseServer& server = ServerOf(req);
  if (ino != kDeviceInode) {
    fuse_reply_err(req, EISDIR);
    return;
  }
  if (server.options_.openError != 0) {
    fuse_reply_err(req, server.options_.openError);
    return;
  }
  fi->fh = server.nextHandle_++;
  fi->direct_io = 1;
  fi->nonseekable = 1;
  server.handles_[fi->fh] = Handle();
  fuse_reply_open(req, fi);
}

void PpdevFuseServer::Release(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
  ServerOf(req).handles_.erase(fi->fh);
  fuse_reply_err(req, 0);
}

void PpdevFuseServer::Ioctl(fuse_req_t req, fuse_ino_t, unsigned int cmd, void*, fuse_file_info* fi, unsigned,
                            const void* inBuf, size_t inSize, size_t outSize) {
  PpdevFuseServer& server = ServerOf(req);
  const auto handle = server.handles_.find(fi->fh);
  if (handle == server.handles_.end()) {
    fuse_reply_err(req, EBADF);
    return;
  }
  uint8_t out = 0;
  bool hasOut = false;
  const uint8_t* in = inSize >= 1 ? static_cast<const uint8_t*>(inBuf) : nullptr;
  const int error = server.Answer(handle->second, cmd, in, out, hasOut);
  if (error == 0 && hasOut && outSize < 1) {
    fuse_reply_err(req, EFAULT);
  } else if (error != 0) {
    fuse_reply_err(req, error);
  } else {
    fuse_reply_ioctl(req, 0, hasOut ? &out : nullptr, hasOut ? 1 : 0);
  }
}

// As ppdev: PPEXCL only before the first claim, register access only while
// claimed, status writes are not offered at all.
int PpdevFuseServer::Answer(Handle& handle, unsigned int cmd, const uint8_t* in, uint8_t& out, bool& hasOut) {
  switch (cmd) {
    case PPEXCL:
      ++exclusiveRequests_;
      if (handle.claimed) return EINVAL;
      handle.exclusive = true;
      return 0;
    case PPCLAIM:
      if (handle.exclusive && options_.refuseExclusive) return ENXIO;
      handle.claimed = true;
      ++claims_;
      return 0;
    case PPRELEASE:
      if (!handle.claimed) return EINVAL;
      handle.claimed = false;
      ++releases_;
      return 0;
    case PPWDATA:
    case PPRDATA:
    case PPRSTATUS:
      break;
    default:
      return ENOTTY;
  }
  if (!handle.claimed) {
    ++unclaimedRequests_;
    return EINVAL;
  }
  if (cmd == PPWDATA) {
    if (in == nullptr) return EFAULT;
    io_.Out(dataAddress_, *in);
    return 0;
  }
  out = io_.In(cmd == PPRDATA ? dataAddress_ : statusAddress_);
  hasOut = true;
  return 0;
}

}  // namespace tarvel::test
