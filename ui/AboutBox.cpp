// Text and display of the version box.
#include "ui/AboutBox.h"

#include <QMessageBox>

#include "text/GameText.h"
#include "ui/Version.h"

namespace kelvora::ui {

QString AboutText() {
  return QString::fromStdString(
      text::AboutText(kVersion.toStdString(), kReleaseDate.toStdString()));
}

void ShowAbout(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(text::kAboutTitle), AboutText(),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace kelvora::ui
