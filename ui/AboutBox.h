// The version box: the product name, a credit line and the version with its release date.
#pragma once

#include <QString>

class QWidget;

namespace kelvora::ui {

QString AboutText();
void ShowAbout(QWidget* parent);

}  // namespace kelvora::ui
