// Text and display of the version box.
#include "ui/AboutBox.h"

#include <QMessageBox>

#include "ui/Version.h"

namespace kelvora::ui {

QString AboutText() {
  return QStringLiteral("ＫＥＬＶＯＲＡ\n\n") + QStringLiteral("by the KELVORA project team") +
         QStringLiteral("\n\n") + QStringLiteral("Version %1  (%2)").arg(kVersion, kReleaseDate);
}

void ShowAbout(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("バージョン情報"), AboutText(),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace kelvora::ui
