// Starts KELVORA: the main window over the player's data files, one copy per records folder.
#include <QApplication>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <chrono>
#include <cstdio>

#include "core/ClockRandom.h"
#include "platform/FolderLock.h"
#include "platform/System.h"
#include "records/DiskFileStore.h"
#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "records/RecordsFolder.h"
#include "text/GameText.h"
#include "ui/Desktop.h"
#include "ui/Form1.h"
#include "ui/GameFonts.h"
#include "ui/GameStyle.h"
#include "ui/ModalDialog.h"

namespace {

// A message before the window, or instead of it; the program ends with `status` once it is read.
int EndWithMessage(QMessageBox::Icon icon, const std::string& text, int status) {
  kelvora::ui::OpenMessage(nullptr, icon, kelvora::text::kMessageTitle, text,
                           [status] { QCoreApplication::exit(status); });
  return QApplication::exec();
}

// The window, or the modal window over it, to the front: what a player who starts the game a
// second time is looking for.
void BringForward(QWidget& window) {
  window.showNormal();
  window.raise();
  window.activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!kelvora::ui::CanOpenWindows(argv[0])) return 1;
  kelvora::ui::PreparePlatform();
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();
  app.setWindowIcon(kelvora::ui::WindowIcon());
  // Before any message: a system without Japanese faces shows its texts in these.
  kelvora::ui::LoadSubstituteFaces(
      QString::fromStdString(kelvora::platform::System::Default().ProgramFolder()));

  using Outcome = kelvora::platform::FolderLock::Outcome;
  kelvora::RecordsFolder records;
  if (const kelvora::Status prepared = records.Prepare(); !prepared) {
    std::fprintf(stderr, "kelvora: %s\n", prepared.English().c_str());
    return EndWithMessage(QMessageBox::Critical, prepared.Japanese(), 1);
  }
  const std::string& folder = records.Path();
  kelvora::platform::FolderLock lock(kelvora::FolderWithSeparator(folder));
  const Outcome copy = lock.Acquire();
  if (copy == Outcome::kHeldByAnotherCopy) {
    if (lock.AskHolderToComeForward(std::chrono::seconds(2))) return 0;
    return EndWithMessage(QMessageBox::Information, kelvora::text::kAlreadyOpen, 0);
  }

  kelvora::DiskFileStore store;
  kelvora::RecordFiles files(store, folder);
  if (copy == Outcome::kHeld) files.RemoveSaveLeftovers();
  kelvora::ClockRandom random;
  kelvora::ui::Form1 form([] { QCoreApplication::exit(0); }, random, files);
  if (const kelvora::Status started = form.Game().Start(); !started) {
    // Also for whoever started the game from a terminal, or a log.
    std::fprintf(stderr, "kelvora: %s\n", started.English().c_str());
    return EndWithMessage(QMessageBox::Critical, started.Japanese(), 1);
  }
  if (kelvora::platform::System::Default().FilesOutOfPlayersReach()) {
    form.OfferRecordsTransfer(folder, store);
  }
  form.show();
  kelvora::ui::CentreInPage(form);
  // The player may still play, knowing what a second copy would do.
  if (copy == Outcome::kUnavailable) {
    kelvora::ui::OpenMessage(&form, QMessageBox::Warning, kelvora::text::kMessageTitle,
                             kelvora::text::kNoSingleCopyLock);
  }

  QFileSystemWatcher requests;
  if (copy == Outcome::kHeld) {
    requests.addPath(QString::fromStdString(lock.Path()));
    QObject::connect(&requests, &QFileSystemWatcher::fileChanged, [&] {
      if (lock.TakeComeForwardRequest()) BringForward(form);
    });
  }
  return app.exec();
}
