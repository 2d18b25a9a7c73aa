// Runs the window tests with a real QApplication, without a display unless one is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Desktop.h"
#include "ui/GameStyle.h"

// GCC 12's LeakSanitizer crashes at exit in these programs while it walks the thread-local
// storage Qt's plugins leave behind (a fault of the sanitizer: the tests have passed by then), so
// they skip the leak check; memory errors are still caught, and the logic's suites keep theirs.
extern "C" int __lsan_is_turned_off() {
  return 1;
}

int main(int argc, char** argv) {
  kelvora::ui::PreparePlatform();
  // ctest's discovery runs this without the test environment, so default the platform here.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
