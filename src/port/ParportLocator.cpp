#include "port/ParportLocator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tarvel {

namespace {

namespace fs = std::filesystem;

// The number after a prefix ("parport12" -> 12), or -1 when the rest of the
// name is not all digits.
int NumberAfter(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  int number = 0;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i])) || number > 9999) return -1;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

std::optional<std::string> FirstWord(const fs::path& file) {
  std::ifstream in(file);
  std::string word;
  if (!(in >> word)) return std::nullopt;
  return word;
}

// base-addr holds the base address in decimal, followed by the ECR address
// or -1 ("888\t-1").
std::optional<int32_t> ReadBaseAddress(const fs::path& file) {
  const std::optional<std::string> word = FirstWord(file);
  if (!word || word->size() > 9) return std::nullopt;
  int32_t value = 0;
  for (char c : *word) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

ParportLocator::ParportLocator(std::string devDir, std::string procDir)
    : devDir_(std::move(devDir)), procDir_(std::move(procDir)) {}

std::vector<ParportLocator::Port> ParportLocator::Ports() const {
  std::vector<std::pair<int, Port>> numbered;
  std::error_code error;
  for (fs::directory_iterator it(fs::path(procDir_) / "sys/dev/parport", error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    const int number = NumberAfter(name, "parport");
    if (number < 0) continue;  // "default" holds the driver's timing settings
    const std::optional<int32_t> base = ReadBaseAddress(it->path() / "base-addr");
    if (base) numbered.push_back({number, Port{name, *base}});
  }
  std::sort(numbered.begin(), numbered.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Port> ports;
  for (auto& entry : numbered) ports.push_back(std::move(entry.second));
  return ports;
}

std::string ParportLocator::DevicePath(const std::string& portName) const {
  return (fs::path(devDir_) / portName).string();
}

std::vector<std::string> ParportLocator::UsbPrinterDevices() const {
  std::vector<std::string> devices;
  std::error_code error;
  for (fs::directory_iterator it(fs::path(devDir_) / "usb", error), end; !error && it != end;
       it.increment(error)) {
    if (NumberAfter(it->path().filename().string(), "lp") >= 0) devices.push_back(it->path().string());
  }
  std::sort(devices.begin(), devices.end());
  return devices;
}

bool ParportLocator::PortExists(const std::string& portName) const {
  std::error_code error;
  return !portName.empty() && fs::is_directory(PortProcDir(portName), error);
}

std::optional<std::string> ParportLocator::ActiveClaimant(const std::string& portName) const {
  if (portName.empty()) return std::nullopt;
  return FirstWord(fs::path(PortProcDir(portName)) / "devices" / "active");
}

std::string ParportLocator::PortNameOf(const std::string& devicePath) {
  const std::string name = fs::path(devicePath).filename().string();
  return NumberAfter(name, "parport") >= 0 ? name : std::string();
}

std::string ParportLocator::PortProcDir(const std::string& portName) const {
  return (fs::path(procDir_) / "sys/dev/parport" / portName).string();
}

}  // namespace tarvel
