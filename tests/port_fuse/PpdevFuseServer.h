#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <thread>

#include "port/ParallelPort.h"
#include "port/PortIo.h"

struct fuse_session;
struct fuse_req;
struct fuse_file_info;

namespace tarvel::test {

// A FUSE file system with one file that answers the ppdev ioctls the way the
// kernel's parport device does, and hands the register accesses to a PortIo.
// The real PpdevPortIo runs against it: these machines have no parallel port.
// The ioctls encode their argument size, so FUSE passes them through as
// restricted ioctls on a regular file.
class PpdevFuseServer {
 public:
  struct Options {
    std::string fileName = "parport0";
    int openError = 0;             // an errno the open answers, 0 to open
    bool refuseExclusive = false;  // a claim after PPEXCL gives ENXIO, as when lp is registered
  };

  PpdevFuseServer(PortIo& io, PPortType type, Options options);
  PpdevFuseServer(PortIo& io, PPortType type) : PpdevFuseServer(io, type, Options()) {}
  ~PpdevFuseServer();
  PpdevFuseServer(const PpdevFuseServer&) = delete;
  PpdevFuseServer& operator=(const PpdevFuseServer&) = delete;

  // Mounts the file system on a fresh folder and serves it from a thread.
  // Empty on success, else why it could not (no usable /dev/fuse, mount
  // refused).
  std::string Start();
  // Stops serving, unmounts and removes the folder; safe to call twice.
  void Stop();

  std::string DevicePath() const { return mountPoint_ + "/" + options_.fileName; }

  int Claims() const { return claims_; }
  int Releases() const { return releases_; }
  int ExclusiveRequests() const { return exclusiveRequests_; }
  // ioctls refused because the port was not claimed, as ppdev refuses them.
  int UnclaimedRequests() const { return unclaimedRequests_; }

 private:
  struct Handle {
    bool exclusive = false;
    bool claimed = false;
  };

  static void Lookup(fuse_req* req, uint64_t parent, const char* name);
  static void GetAttr(fuse_req* req, uint64_t ino, fuse_file_info* fi);
  static void OpenFile(fuse_req* req, uint64_t ino, fuse_file_info* fi);
  static void Release(fuse_req* req, uint64_t ino, fuse_file_info* fi);
  static void Ioctl(fuse_req* req, uint64_t ino, unsigned int cmd, void* arg, fuse_file_info* fi,
                    unsigned flags, const void* inBuf, size_t inSize, size_t outSize);

  void Serve();
  int Answer(Handle& handle, unsigned int cmd, const uint8_t* in, uint8_t& out, bool& hasOut);

  PortIo& io_;
  uint16_t dataAddress_;
  uint16_t statusAddress_;
  Options options_;
  std::string mountPoint_;
  fuse_session* session_ = nullptr;
  bool mounted_ = false;
  int stopEvent_ = -1;
  std::thread thread_;
  std::map<uint64_t, Handle> handles_;  // only the serving thread touches it
  uint64_t nextHandle_ = 1;

  std::atomic<int> claims_{0};
  std::atomic<int> releases_{0};
  std::atomic<int> exclusiveRequests_{0};
  std::atomic<int> unclaimedRequests_{0};
};

}  // namespace tarvel::test
