// Runs the window tests with a real QApplication, without a display unless one is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Desktop.h"
#include "ui/GameStyle.h"

int main(int argc, char** argv) {
  kelvora::ui::PreparePlatform();
  // ctest's discovery runs this without the test environment, so default the platform here.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
