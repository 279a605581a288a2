#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace tarvel::test {

// A temporary folder tree (fake /dev and /proc, mount points), removed with
// everything in it when the object goes.
class TempTree {
 public:
  TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvel-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) root_ = pattern;
  }
  ~TempTree() {
    std::error_code error;
    if (!root_.empty()) std::filesystem::remove_all(root_, error);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  bool Valid() const { return !root_.empty(); }
  std::string Path(const std::string& relative = "") const {
    return relative.empty() ? root_.string() : (root_ / relative).string();
  }
  std::string MakeDir(const std::string& relative) const {
    std::filesystem::create_directories(root_ / relative);
    return Path(relative);
  }
  std::string Write(const std::string& relative, const std::string& content) const {
    const std::filesystem::path file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
  }

 private:
  std::filesystem::path root_;
};

}  // namespace tarvel::test
