// The four data files taken out of a browser's storage and put back one by one, so that records
// move between the page and the desktop game.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "records/FileStore.h"

namespace kelvora::ui {

class Form1;

class RecordsTransfer {
 public:
  // folder: where the records are, which the window's game reads; store writes there.
  RecordsTransfer(Form1& window, std::string folder, FileStore& store);

  // Offers every data file there is for download, each under its own name.
  void TakeOut();
  // Asks the player for a file; Receive takes it.
  void PutBack();
  // A data file the player chose (by its name) replaces the one in the records folder only if
  // the records load with it, and the game then starts over them; anything else is named in a
  // message and writes nothing. An empty name is a choice cancelled.
  void Receive(const QString& chosenName, const QByteArray& contents);

 private:
  // The reason the records would not load with contents in place of name; empty when they would.
  std::string Damage(const std::string& name, const QByteArray& contents);
  void Tell(const std::string& text);

  Form1& window_;
  std::string folder_;
  FileStore& store_;
};

}  // namespace kelvora::ui
