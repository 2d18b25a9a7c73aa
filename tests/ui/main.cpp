// Runs the window tests with a real QApplication, without a display unless one is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/GameStyle.h"

int main(int argc, char** argv) {
  // ctest's discovery runs this without the test environment, so default the platform here.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
