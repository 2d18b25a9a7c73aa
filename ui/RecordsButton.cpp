#include "ui/RecordsButton.h"

#include <QString>

namespace kelvora::ui {

QPushButton* MakeRecordsButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace kelvora::ui
