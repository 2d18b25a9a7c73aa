// The menu bar of the main window: its fixed tree, captions, access keys and commands.
#pragma once

class QMenuBar;

namespace kelvora::ui {

class Form1;

void BuildMenus(QMenuBar& bar, Form1& form);

}  // namespace kelvora::ui
