// The menu bar of the main window: its fixed tree, captions, access keys and commands.
#pragma once

class QMenuBar;

namespace kelvora::ui {

class Form1;

class RecordsTransfer;

void BuildMenus(QMenuBar& bar, Form1& form);
// The entries that take the data files out and put them back, before the end command.
void AddTransferMenus(QMenuBar& bar, Form1& form, RecordsTransfer& transfer);

}  // namespace kelvora::ui
