// Downloads of the data files and the checked upload of one.
#include "ui/RecordsTransfer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <array>

#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "text/GameText.h"
#include "ui/Form1.h"
#include "ui/ModalDialog.h"

namespace kelvora::ui {

namespace {

constexpr std::array<const char*, 4> kDataFiles = {kPreparedStagesFile, kPreparedBestFile,
                                                   kRandomStagesFile, kRandomRecordsFile};

// The records folder as it would be with one file put back, for loading only.
class WithOneFileReplaced final : public FileStore {
 public:
  WithOneFileReplaced(FileStore& store, std::string path, std::string contents)
      : store_(store), path_(std::move(path)), contents_(std::move(contents)) {}

  Result<std::string> Read(const std::string& path) override {
    if (path == path_) return contents_;
    return store_.Read(path);
  }
  // Loading writes nothing.
  Status Replace(const std::string& /*path*/, const std::string& /*contents*/) override {
    return Status::Failed(Status::Code::kDenied, text::reason::kWriteDenied);
  }
  void RemoveSaveLeftovers(const std::string& /*path*/) override {}

 private:
  FileStore& store_;
  std::string path_;
  std::string contents_;
};

}  // namespace

RecordsTransfer::RecordsTransfer(Form1& window, std::string folder, FileStore& store)
    : window_(window), folder_(FolderWithSeparator(folder)), store_(store) {}

void RecordsTransfer::TakeOut() {
  for (const char* name : kDataFiles) {
    const Result<std::string> contents = store_.Read(folder_ + name);
    if (!contents) continue;
    QFileDialog::saveFileContent(QByteArray::fromStdString(*contents), QString::fromUtf8(name));
  }
}

void RecordsTransfer::PutBack() {
  QFileDialog::getOpenFileContent(
      QStringLiteral("KELVORA (*.txt)"),
      [this](const QString& name, const QByteArray& contents) { Receive(name, contents); });
}

void RecordsTransfer::Receive(const QString& chosenName, const QByteArray& contents) {
  if (chosenName.isEmpty()) return;
  const std::string name = QFileInfo(chosenName).fileName().toStdString();
  bool known = false;
  for (const char* dataFile : kDataFiles) known = known || name == dataFile;
  if (!known) {
    Tell(text::kNotADataFile);
    return;
  }
  if (const std::string damage = Damage(name, contents); !damage.empty()) {
    Tell(damage);
    return;
  }
  if (const Status written = store_.Replace(folder_ + name, contents.toStdString()); !written) {
    Tell(written.Japanese());
    return;
  }
  if (const Status started = window_.Game().Start(); !started) {
    Tell(started.Japanese());
    return;
  }
  Tell(name + text::kRecordsPutBack);
}

std::string RecordsTransfer::Damage(const std::string& name, const QByteArray& contents) {
  WithOneFileReplaced candidate(store_, folder_ + name, contents.toStdString());
  const Result<Records> loaded = RecordFiles(candidate, folder_).Load();
  return loaded ? std::string() : loaded.status().Japanese();
}

void RecordsTransfer::Tell(const std::string& text) {
  OpenMessage(&window_, QMessageBox::Information, text::kMessageTitle, text);
}

}  // namespace kelvora::ui
