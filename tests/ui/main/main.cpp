#include "ui/main/GuardedApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Test discovery runs the program outside ctest's environment as well.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The program's own application object, so its last guard is tested too.
  tarvel::GuardedApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
