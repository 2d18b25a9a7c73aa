// Text and display of the version box.
#include "ui/AboutBox.h"

#include "text/GameText.h"
#include "ui/ModalDialog.h"
#include "ui/Version.h"

namespace kelvora::ui {

QString AboutText() {
  return QString::fromStdString(
      text::AboutText(kVersion.toStdString(), kReleaseDate.toStdString()));
}

void ShowAbout(QWidget* parent) {
  OpenMessage(parent, QMessageBox::NoIcon, text::kAboutTitle, AboutText().toStdString());
}

}  // namespace kelvora::ui
