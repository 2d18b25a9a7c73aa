// The records window's buttons, its replay panel's among them.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace kelvora::ui {

// A push button named for tests and screen readers that never takes Enter: Enter on the records
// window's lists plays their row.
QPushButton* MakeRecordsButton(QWidget* parent, const char* name, const char* caption);

}  // namespace kelvora::ui
