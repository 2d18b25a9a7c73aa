// The program's folder, where the data files lie, as every data file's path begins with it:
// the system's own way of writing it, with exactly one trailing separator.
#pragma once

#include <string>

namespace kelvora {

// '\' on Windows, '/' elsewhere.
char FolderSeparator();

// Appends the separator unless the folder already ends in one (a drive's root folder does).
std::string FolderWithSeparator(const std::string& folder, char separator = FolderSeparator());

}  // namespace kelvora
