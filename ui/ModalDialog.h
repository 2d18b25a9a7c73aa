// Modal windows that return at once and say when they close: a browser page cannot wait inside
// a nested event loop, so no window of the game waits in exec().
#pragma once

#include <QMessageBox>
#include <functional>
#include <string>

class QDialog;
class QWidget;

namespace kelvora::ui {

// Shows dialog modal to the whole game, deletes it once closed, and then calls closed, if any.
void OpenModal(QDialog* dialog, std::function<void()> closed = {});

// A message box with OK alone, opened as above; parent may be null for a message before any
// window.
void OpenMessage(QWidget* parent, QMessageBox::Icon icon, const std::string& title,
                 const std::string& text, std::function<void()> closed = {});

}  // namespace kelvora::ui
