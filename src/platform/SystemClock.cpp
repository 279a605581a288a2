#include "platform/SystemClock.h"

#include <thread>

namespace tarvel {

SystemClock::SystemClock() : start_(std::chrono::steady_clock::now()) {}

uint32_t SystemClock::Ticks() {
  auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint64_t SystemClock::Micros() {
  auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

uint64_t SystemClock::FineNanos() {
  auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
}

void SystemClock::Spin(uint64_t rounds) {
  for (volatile uint64_t i = 0; i < rounds; i = i + 1) {
  }
}

void SystemClock::SleepMicros(uint64_t micros) {
  const uint64_t end = Micros() + micros;
  for (uint64_t now = Micros(); now < end; now = Micros()) {
    const uint64_t left = end - now;
    if (left > kSpunTailMicros) std::this_thread::sleep_for(std::chrono::microseconds(left - kSpunTailMicros));
  }
}

}  // namespace tarvel
