// Starts KELVORA: the main window over the data files beside the program.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "modes/DataFileError.h"
#include "ui/Form1.h"
#include "ui/GameStyle.h"

int main(int argc, char** argv) {
  // Without a display the platform plugin would abort with a terse message; say it plainly.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    std::fprintf(stderr,
                 "KELVORA needs a display to open its window, and there is none here.\n"
                 "To run it without one, use: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();
  app.setWindowIcon(kelvora::ui::WindowIcon());

  kelvora::ui::Form1 form(QCoreApplication::applicationDirPath().toStdString(),
                          [] { QCoreApplication::exit(0); });
  try {
    form.Form_Load();
  } catch (const kelvora::DataFileError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("KELVORA"),
                    QString::fromStdString(error.PlayerMessage()), QMessageBox::Ok);
    box.exec();
    return 1;
  }
  form.show();
  return app.exec();
}
